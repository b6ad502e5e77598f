"""Speed and memory of zavora.exe beside a floor. bare.exe (tools/bare_main.cpp) has the
same outline - a low-level keyboard hook, a notification icon, the common controls, a
topmost window shown without activation on right Alt + e - and nothing more, so the
difference between the two is what zavora.exe adds. For each program, with an
application focused: the median time from the e key to its popup's window on screen and
to the popup's first frame over RUNS openings (the first opening is timed apart), and
the private memory of its processes after start-up and after the openings.

The figures are printed at the end of the run and kept in <artifacts>/benchmark.txt.
Wine on a shared machine is too noisy to judge timings by: the test fails only when a
popup does not open and close, or a figure cannot be read."""
import os
import statistics

from harness.screen_timing import ScreenTiming, private_memory_kib
from harness.waiting import wait_until
from popup_ui import POPUP_CLASS, start, wait_popup

RUNS = 15
BARE_CLASS = "ZavoraE2EBare"


def time_openings(env, cls, count):
    """[(ms to the window's map, ms to its first frame)] for `count` openings."""
    timing = ScreenTiming(env.display)
    e = env.keyboard.keycode("e")
    times = []
    try:
        for _ in range(count):
            env.keyboard.down("altgr")
            times.append(timing.press(e))
            wait_popup(env, True, cls)
            timing.release(e)
            env.keyboard.up("altgr")
            env.keyboard.tap("Escape")  # zavora.exe's popup stays open after the release
            wait_popup(env, False, cls)
    finally:
        timing.close()
    return times


def measure(env, exe, cls):
    memory = private_memory_kib(env.prefix.path, exe)
    first = time_openings(env, cls, 1)[0]
    runs = time_openings(env, cls, RUNS)
    after = private_memory_kib(env.prefix.path, exe)
    assert memory and after, f"no {exe} process found in /proc"
    assert all(mapped is not None and frame is not None for mapped, frame in [first, *runs]), \
        f"{exe}: a popup was not seen on screen: {[first, *runs]}"
    return {"first": first, "runs": runs, "memory": memory, "after": after}


def report(figures):
    def spread(values):
        return f"{statistics.median(values):6.1f} ({min(values):.1f}-{max(values):.1f})"

    lines = [f"benchmark: right Alt + e to the popup, ms, median of {RUNS} (min-max); "
             "first opening apart; private memory (RssAnon) KiB after start / after the openings"]
    for exe, f in figures.items():
        mapped, frame = zip(*f["runs"])
        lines.append(f"  {exe:11} on screen {spread(mapped)}  first frame {spread(frame)}  "
                     f"first opening {f['first'][0]:.1f} / {f['first'][1]:.1f}")
        for command, kib in f["after"].items():
            lines.append(f"  {'':11} memory {command}: {f['memory'].get(command, 0)} / {kib}")
    return lines


def test_popup_speed_and_memory_beside_a_bare_program(env, zavora, request):
    figures = {}
    env.target()
    env.prefix.start(["C:\\e2e-tools\\bare.exe"], "bare")
    wait_until(lambda: env.probe.find(cls=BARE_CLASS), 30, what="bare.exe's window")
    figures["bare.exe"] = measure(env, "bare.exe", BARE_CLASS)
    env.probe.kill_all("bare.exe")

    target = start(env, zavora)  # a new target: bare.exe let Escape reach the first one
    assert target.has_focus()
    figures["zavora.exe"] = measure(env, "zavora.exe", POPUP_CLASS)
    assert target.typed() == "", "the benchmark's keys reached the application"

    lines = report(figures)
    with open(os.path.join(env.artifacts, "benchmark.txt"), "w") as out:
        out.write("\n".join(lines) + "\n")
    request.config.zavora_figures = lines
    print("\n".join(lines))
