"""The Options dialog driven as a person would: the trigger chosen in the list and OK
takes effect at once, Cancel (and Escape, and the close box) writes nothing, Apply writes
and keeps the dialog open, the labels flip their boxes, a function-key trigger greys
automatic insertion, Enter is OK, and while the dialog is shown the trigger does nothing."""
import time

from harness.waiting import holds_for, wait_until

import options_ui as ui
from test_gesture import (FUNCTION_KEY_RECENCY, assert_typed_alone, open_with, popup_shown,
                          release, wait_popup)

WM_CLOSE = 0x0010


def general_boxes(env):
    """Check1, Check3, Check4, Check6, Check5 with their labels, top to bottom."""
    c = ui.controls(env)
    page = c.visible_page()
    boxes = c.checkboxes(page)
    labels = sorted((x for x in c.all if x.cls == "Static" and x.parent == page.hwnd and x.text
                     and x.text != "Trigger Key:"), key=lambda x: x.rect[1])
    return boxes, labels


def checked(env, box):
    BM_GETCHECK = 0x00F0
    return env.probe.send(box.hwnd, BM_GETCHECK)["result"] == 1


def test_a_new_trigger_works_at_once_after_ok(env, zavora):
    ui.start(env, zavora)
    ui.open_options(env)
    ui.choose_trigger(env, 2)  # F10
    assert ui.apply_enabled(env)
    ui.click(env, ui.controls(env).button("OK"))
    ui.wait_closed(env)
    assert zavora.user_setting("Trigger") == "2"
    target = env.target()
    target.clear()
    open_with(env, "F10")
    release(env, "F10")
    # A function-key trigger counts as held for a moment after its release.
    time.sleep(FUNCTION_KEY_RECENCY)
    env.keyboard.tap("2")
    wait_popup(env, shown=False)
    assert_typed_alone(target, ui.E_GRAVE)


def test_cancel_writes_nothing(env, zavora):
    ui.start(env, zavora, user={"ShowNumbers": "Yes"})
    ui.open_options(env)
    boxes, labels = general_boxes(env)
    ui.click(env, labels[0])  # "Automatically load ..." flips Check1
    wait_until(lambda: checked(env, boxes[0]), 5, what="Check1 to flip")
    ui.click(env, boxes[1])   # Check3, numbers
    ui.choose_trigger(env, 4)
    assert ui.apply_enabled(env)
    ui.click(env, ui.controls(env).button("Cancel"))
    ui.wait_closed(env)
    assert zavora.user_setting("AutoStart") == "No"
    assert zavora.user_setting("ShowNumbers") == "Yes"
    assert zavora.user_setting("Trigger") is None
    # Reopened, the dialog shows the store again and Apply is off.
    ui.open_options(env)
    boxes, _ = general_boxes(env)
    assert not checked(env, boxes[0]) and checked(env, boxes[1])
    assert env.probe.text(ui.controls(env).combo().hwnd) == ui.TRIGGERS[0]
    assert not ui.apply_enabled(env)


def test_escape_and_the_close_box_are_cancel(env, zavora):
    ui.start(env, zavora)
    for close in ("escape", "close box"):
        window = ui.open_options(env)
        boxes, _ = general_boxes(env)
        ui.click(env, boxes[0])
        wait_until(lambda: ui.apply_enabled(env), 5, what="Apply to be enabled")
        if close == "escape":
            env.keyboard.tap("Escape")
        else:
            env.probe.post(window.hwnd, WM_CLOSE)
        ui.wait_closed(env)
        assert zavora.user_setting("AutoStart") == "No"
    assert zavora.settled()  # closing the dialog never ends the program


def test_apply_writes_and_keeps_the_dialog_open(env, zavora):
    ui.start(env, zavora)
    window = ui.open_options(env)
    boxes, labels = general_boxes(env)
    assert checked(env, boxes[1])  # ShowNumbers defaults to "Yes"
    ui.click(env, labels[1])
    wait_until(lambda: not checked(env, boxes[1]), 5, what="the label to flip Check3")
    ui.click(env, ui.controls(env).button("Apply"))
    wait_until(lambda: zavora.user_setting("ShowNumbers") == "No", 5, what="ShowNumbers written")
    assert ui.dialog(env).hwnd == window.hwnd
    assert not ui.apply_enabled(env)
    # Every setting of the dialog is written, as shown.
    assert zavora.user_setting("AutoStart") == "No"
    assert zavora.user_setting("Trigger") == "0"
    assert zavora.machine_setting("DisableOtherKeys") == "No"
    # Cancel after Apply keeps what Apply wrote.
    ui.click(env, ui.controls(env).button("Cancel"))
    ui.wait_closed(env)
    assert zavora.user_setting("ShowNumbers") == "No"


def test_function_key_triggers_grey_automatic_insertion(env, zavora):
    ui.start(env, zavora)
    ui.open_options(env)
    boxes, labels = general_boxes(env)
    auto_box, auto_label = boxes[4], labels[4]
    assert env.probe.info(auto_box.hwnd).enabled and env.probe.info(auto_label.hwnd).enabled
    ui.choose_trigger(env, 4)  # F12
    assert not env.probe.info(auto_box.hwnd).enabled
    assert not env.probe.info(auto_label.hwnd).enabled
    ui.choose_trigger(env, 1)  # Ctrl + Alt
    assert env.probe.info(auto_box.hwnd).enabled and env.probe.info(auto_label.hwnd).enabled
    env.keyboard.tap("Escape")
    ui.wait_closed(env)


def test_enter_in_the_disable_keys_box_is_ok(env, zavora):
    ui.start(env, zavora)
    ui.open_options(env)
    ui.next_tab(env)
    ui.next_tab(env)  # Advanced
    c = ui.controls(env)
    edit = c.one("Edit")
    assert edit.visible and edit.parent == c.visible_page().hwnd
    ui.click(env, edit)
    env.keyboard.tap("x", "y")
    wait_until(lambda: env.probe.text(edit.hwnd) == "xy", 5, what="the typed keys")
    assert ui.apply_enabled(env)
    env.keyboard.tap("Return")
    ui.wait_closed(env)
    assert zavora.machine_setting("DisableKeys") == "xy"


def test_the_trigger_does_nothing_while_the_dialog_is_open(env, zavora):
    ui.start(env, zavora)
    target = env.target()
    ui.open_options(env)
    env.keyboard.right_alt_down()
    env.keyboard.tap("e")
    env.keyboard.right_alt_up()
    holds_for(lambda: not popup_shown(env), 1.0, what="the popup to stay hidden")
    env.keyboard.tap("Escape")
    ui.wait_closed(env)
    # Closed again, interception is back.
    target.click_into(env.mouse)
    target.clear()
    open_with(env, "altgr")
    release(env, "altgr")
    env.keyboard.tap("2")
    wait_popup(env, shown=False)
    assert_typed_alone(target, ui.E_GRAVE)


def test_options_at_start_up_opens_the_same_dialog(env, zavora):
    settings = {"Languages": "Testlang", "AutoStart": "No", "Trigger": "3"}
    zavora.start("/options", user=settings, machine={r"Languages\Testlang": ui.TEST_LANGUAGE})
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
    boxes, _ = general_boxes(env)
    wait_until(lambda: env.probe.focus()["focus"] == boxes[0].hwnd, 5,
               what="the focus on the first box")
    env.keyboard.tap("space")
    wait_until(lambda: checked(env, boxes[0]), 5, what="Space to tick the first box")
    assert ui.apply_enabled(env)
    env.keyboard.tap("Tab")  # the trigger list
    combo = ui.controls(env).combo()
    wait_until(lambda: env.probe.focus()["focus"] == combo.hwnd, 5, what="Tab to reach the list")
    env.keyboard.tap("Down")
    wait_until(lambda: env.probe.text(combo.hwnd) == "Ctrl + Alt", 5, what="Down to pick Ctrl + Alt")
    env.keyboard.tap("Tab")  # Check3; the arrow keys move through its group
    env.keyboard.tap("Down")
    wait_until(lambda: env.probe.focus()["focus"] == boxes[2].hwnd, 5,
               what="Down to move to the next box")
    env.keyboard.tap("Return")
    ui.wait_closed(env)
    assert zavora.user_setting("AutoStart") == "Yes"
    assert zavora.user_setting("Trigger") == "1"
