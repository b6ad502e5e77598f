"""Start-up and close of the real zavora.exe processes, checked from outside: main windows
by class and caption, processes, the command boxes, CommHwds."""
import time

from harness.waiting import holds_for, wait_until
from harness.zavora import COMMAND_BOX_CLASS, OPTIONS, SERVICE


def start_and_settle(zavora, *args, **presets):
    zavora.start(*args, **presets)
    options, service = zavora.wait_settled()
    return options[0], service[0]


def test_a_plain_start_leaves_one_hidden_options_window_and_one_service(zavora):
    # Entries of CommHwds that name no command box are cleaned away: a dead handle, junk.
    options, service = start_and_settle(zavora, machine={"CommHwds": "123456;junk"})
    assert options.pid != service.pid
    assert not options.visible and not service.visible
    boxes = [zavora.command_box(window) for window in (options, service)]
    assert [(box.cls, box.text) for box in boxes] == [(COMMAND_BOX_CLASS, "Text1")] * 2
    assert sorted(zavora.comm_hwds()) == sorted(str(box.hwnd) for box in boxes)
    # Nothing else follows: no second service, no second interception instance.
    holds_for(lambda: zavora.settled(), 1.5, what="one interception and one service instance")


def test_a_second_start_replaces_the_first_and_keeps_the_service(zavora):
    first, service = start_and_settle(zavora)
    zavora.start()
    wait_until(lambda: zavora.settled() and zavora.main_windows(OPTIONS)[0].pid != first.pid, 30,
               what=f"a new interception instance to take over ({zavora.describe()})")
    assert not zavora.probe.exists(first.hwnd) and first.pid not in zavora.pids()
    assert [w.hwnd for w in zavora.main_windows(SERVICE)] == [service.hwnd]


def test_close_ends_every_instance(zavora):
    start_and_settle(zavora)
    zavora.run("/close")
    zavora.wait_no_process()
    assert zavora.main_windows() == []


def test_two_starts_005_s_apart_leave_one_interception_and_one_service_process(zavora):
    zavora.start()
    time.sleep(0.05)  # the overlap under test, not a wait for anything
    zavora.start()
    zavora.wait_settled(timeout=40)
    holds_for(lambda: zavora.settled(), 1.5, what="one interception and one service instance")


def test_close_during_a_start_up_leaves_no_process(zavora):
    start_and_settle(zavora)
    running = set(zavora.pids())
    zavora.start()
    wait_until(lambda: any(w.pid not in running for w in zavora.main_windows()), 30,
               what="a new instance starting up")
    zavora.run("/close")
    zavora.wait_no_process()
