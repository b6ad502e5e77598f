"""The Options dialog driven as a person would, where only the real dialog shows it: a
trigger chosen in the drop-down list works as soon as OK closes the dialog, OK and Enter
write while Cancel, Escape and the close box write nothing, the keyboard alone moves
between the controls, and "/options" at start-up opens the same dialog."""
import time

import pytest

from harness.probe import WM_CLOSE
from harness.waiting import wait_until

import options_ui as ui
import popup_ui as pu


def general_boxes(env):
    c = ui.controls(env)
    return c.checkboxes(c.visible_page())


def test_a_new_trigger_works_at_once_after_ok(env, zavora):
    ui.start(env, zavora)
    ui.open_options(env)
    ui.choose_trigger(env, 2)  # F10
    ui.click(env, ui.controls(env).button("OK"))
    ui.wait_closed(env)
    assert zavora.user_setting("Trigger") == "2"
    target = env.target()
    target.clear()
    pu.open_with(env, "F10")
    pu.release(env, "F10")
    time.sleep(pu.FUNCTION_KEY_RECENCY)  # the trigger counts as held that long
    env.keyboard.tap("2")
    pu.wait_popup(env, visible=False)
    # F10 alone would open the menu bar; the trigger never reaches the application.
    pu.assert_typed_alone(target, pu.E_GRAVE)


@pytest.mark.parametrize("close, written", [
    ("OK", True), ("Return", True), ("Cancel", False), ("Escape", False), ("close box", False)])
def test_ok_and_enter_write_and_every_other_way_out_writes_nothing(env, zavora, close, written):
    ui.start(env, zavora)
    window = ui.open_options(env)
    ui.next_page(env)
    c = ui.next_page(env)  # Advanced
    edit = c.one("Edit")
    assert edit.visible and edit.parent == c.visible_page().hwnd
    ui.click(env, edit)
    env.keyboard.tap("x", "y")
    wait_until(lambda: env.probe.text(edit.hwnd) == "xy", 5, what="the typed keys")
    assert ui.apply_enabled(env)
    if close in ("OK", "Cancel"):
        ui.click(env, c.button(close))
    elif close == "close box":
        env.probe.post(window.hwnd, WM_CLOSE)
    else:
        env.keyboard.tap(close)
    ui.wait_closed(env)
    assert (zavora.machine_setting("DisableKeys") == "xy") == written
    assert zavora.settled()  # closing the dialog never ends the program


def test_options_at_start_up_opens_the_same_dialog(env, zavora):
    zavora.start("/options", user={"Languages": "Testlang", "AutoStart": "No", "Trigger": "3"},
                 machine={r"Languages\Testlang": pu.TEST_LANGUAGE})
    window = wait_until(lambda: ui.dialog(env), 60, what="the Options dialog")
    assert env.probe.text(ui.controls(env).combo().hwnd) == "F11"
    assert not ui.apply_enabled(env)
    ui.click(env, ui.controls(env).button("OK"))
    ui.wait_closed(env)
    assert zavora.user_setting("Trigger") == "3"
    assert ui.dialog(env) is None and env.probe.exists(window.hwnd)


def test_keyboard_alone_moves_between_the_controls(env, zavora):
    ui.start(env, zavora)
    ui.open_options(env)
    boxes = general_boxes(env)
    wait_until(lambda: env.probe.focus()["focus"] == boxes[0].hwnd, 5, what="the focus on the first box")
    env.keyboard.tap("space")
    wait_until(lambda: ui.checked(env, boxes[0]), 5, what="Space to tick the first box")
    env.keyboard.tap("Tab")  # the trigger list
    combo = ui.controls(env).combo()
    wait_until(lambda: env.probe.focus()["focus"] == combo.hwnd, 5, what="Tab to reach the list")
    env.keyboard.tap("Down")
    wait_until(lambda: env.probe.text(combo.hwnd) == "Ctrl + Alt", 5, what="Down to pick Ctrl + Alt")
    env.keyboard.tap("Tab")  # the next box; the arrow keys move through its group
    env.keyboard.tap("Down")
    wait_until(lambda: env.probe.focus()["focus"] == boxes[2].hwnd, 5, what="Down to the next box")
    env.keyboard.tap("Return")
    ui.wait_closed(env)
    assert zavora.user_setting("AutoStart") == "Yes"
    assert zavora.user_setting("Trigger") == "1"
