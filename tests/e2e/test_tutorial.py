"""The tutorial window: "/tutorial" and the tray item "Tutorial" show one window; while it
is open the gesture is practised in it, types nothing and walks its steps to 4; once it
is closed the gesture types again. Pictured at 96 and 144 dpi. (Running it again, and
the popup's keys inside it, are the simulated desktop's: tests/unit/firstrun_tutorial_test.cpp.)"""
import pytest

from harness.probe import WM_CLOSE
from harness.waiting import wait_until

import options_ui as ui
from harness.zavora import MACHINE_KEY
from popup_ui import open_with, pick, wait_popup, E_GRAVE

CAPTION = "Kelvra Zavora - Getting Started"
WS_EX_TOPMOST = 0x8


def progress(env):
    return env.probe.reg_get(MACHINE_KEY + r"\Info", "Tutorial")


def wait_tutorial(env):
    return env.probe.wait_shown(20, text=CAPTION)


def texts(env, window):
    return [c.text for c in env.probe.children(window.hwnd) if c.visible]


def wait_step(env, window, step):
    wait_until(lambda: step in texts(env, window), 10, what=f"the tutorial at step {step}")
    return texts(env, window)


def test_switch_and_tray_item_show_one_window(env, zavora):
    ui.start(env, zavora, "/tutorial")
    window = wait_tutorial(env)
    assert window.exstyle & WS_EX_TOPMOST and window.pid in zavora.pids()
    assert progress(env) == "-1"  # opened, not completed
    ui.choose_from_tray(env, "Tutorial")
    assert [w.hwnd for w in env.probe.find(text=CAPTION)] == [window.hwnd]
    env.probe.post(window.hwnd, WM_CLOSE)
    env.probe.wait_gone(text=CAPTION)
    ui.choose_from_tray(env, "Tutorial")
    assert wait_tutorial(env).hwnd != window.hwnd
    assert zavora.settled()


@pytest.mark.parametrize("dpi", [96, 144], indirect=True, ids=["96dpi", "144dpi"])
def test_practice_types_nothing_and_closing_lets_the_gesture_type(env, zavora, dpi):
    ui.start(env, zavora, "/tutorial")
    window = wait_tutorial(env)
    assert "press and hold the right most Alt key (sometimes labelled Alt Gr)" in texts(env, window)
    # Below the instructions, so that the pictures show them.
    target = env.target(position=(0, 420))
    target.clear()

    env.keyboard.down("altgr")
    wait_step(env, window, "2")
    env.keyboard.tap("e")
    shown = wait_popup(env)
    assert "Typing accents..." in wait_step(env, window, "3")
    # The popup stands inside the window's lower right part, clear of the instructions.
    left, top, right, bottom = env.probe.info(window.hwnd).rect
    p_left, p_top, p_right, p_bottom = shown.rect
    assert left + (right - left) // 2 < p_left and p_right < right and top < p_top and p_bottom < bottom
    print("tutorial screenshot:", env.screenshot(f"tutorial-step3-{dpi}dpi"))
    env.keyboard.up("altgr")
    env.keyboard.tap("2")
    wait_popup(env, visible=False)
    page = wait_step(env, window, "4")
    assert 'You have typed "\u00e8"' in page and "Run the tutorial again" in page
    assert target.typed() == "" and not target.menu_entered()
    assert progress(env) == "1"
    print("tutorial screenshot:", env.screenshot(f"tutorial-step4-{dpi}dpi"))

    close = next(c for c in env.probe.children(window.hwnd) if c.text == "Close")
    env.mouse.click(*close.center)
    env.probe.wait_gone(text=CAPTION)
    # Under Wine the application made active when the focused window goes gets no keys
    # from the X server until it is activated anew: the desktop first, then the target.
    env.mouse.click(1000, 20)
    wait_until(lambda: not target.has_focus(), 10, what="the desktop to take the focus")
    target.click_into(env.mouse)
    env.mouse.move(5, 5)
    target.clear()
    # A plain key first: nothing the tutorial did left a modifier down.
    env.keyboard.tap("x")
    open_with(env, "altgr")
    pick(env, target, "x" + E_GRAVE, "2")
