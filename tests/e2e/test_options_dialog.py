"""The Options dialog driven as a person would, where only the real dialog shows it:
"/options" at start-up opens it, a trigger chosen in the drop-down list works as soon as
OK closes the dialog, Enter writes while Cancel, Escape and the close box write nothing,
the keyboard alone moves between the controls, and Delete Language asks in a message box
first. (The language list's order, ticks and moves are shown on the same control by the
language picker.)"""
import pytest

from harness.probe import WM_CLOSE
from harness.waiting import wait_until

import options_ui as ui
import popup_ui as pu

LANGUAGES_KEY = r"HKLM\Software\Kelvra\Zavora\Languages"


def test_a_trigger_chosen_in_the_list_works_at_once_after_ok(env, zavora):
    pu.launch(zavora, "/options", user={"Trigger": "3"})
    window = ui.wait_dialog(env)
    combo, apply = ui.one(env, "ComboBox"), ui.button(env, "Apply")
    assert env.probe.text(combo.hwnd) == "F11" and not ui.enabled(env, apply)
    ui.click(env, combo)
    env.probe.wait_shown(5, cls="ComboLBox")
    env.keyboard.tap("Up", "Return")
    env.probe.wait_gone(5, cls="ComboLBox", visible=True)
    assert env.probe.text(combo.hwnd) == "F10" and ui.enabled(env, apply)
    ui.click(env, ui.button(env, "OK"))
    ui.wait_closed(env)
    assert zavora.user_setting("Trigger") == "2"
    assert env.probe.exists(window.hwnd)  # closing the dialog never ends the program
    target = env.target()
    pu.open_with(env, "F10", release=False)
    env.keyboard.tap("e")  # the first candidate; F10's release types it at once
    env.keyboard.up("F10")
    # F10 alone would open the menu bar; the trigger never reaches the application.
    pu.pick(env, target, pu.E_ACUTE)


@pytest.mark.parametrize("close, written", [
    ("Return", True), ("Cancel", False), ("Escape", False), ("close box", False)])
def test_enter_writes_and_every_other_way_out_writes_nothing(env, zavora, close, written):
    ui.start(env, zavora)
    window = ui.open_options(env)
    ui.next_page(env)
    shown = ui.next_page(env)  # Advanced
    edit = ui.one(env, "Edit")
    assert edit.visible and edit.parent == shown.hwnd
    ui.click(env, edit)
    env.keyboard.tap("x", "y")
    wait_until(lambda: env.probe.text(edit.hwnd) == "xy", 5, what="the typed keys")
    if close == "Cancel":
        ui.click(env, ui.button(env, close))
    elif close == "close box":
        env.probe.post(window.hwnd, WM_CLOSE)
    else:
        env.keyboard.tap(close)
    ui.wait_closed(env)
    assert (zavora.machine_setting("DisableKeys") == "xy") == written
    assert zavora.settled()


def test_keyboard_alone_moves_between_the_controls(env, zavora):
    ui.start(env, zavora)
    ui.open_options(env)
    boxes = sorted(ui.controls(env, "Button", "", parent=ui.page(env).hwnd), key=lambda c: c.rect[1])
    wait_until(lambda: env.probe.focus()["focus"] == boxes[0].hwnd, 5, what="the focus on the first box")
    env.keyboard.tap("space")
    wait_until(lambda: env.probe.send(boxes[0].hwnd, 0x00F0) == 1, 5, what="Space to tick the first box")  # BM_GETCHECK
    env.keyboard.tap("Tab")  # the trigger list
    combo = ui.one(env, "ComboBox")
    wait_until(lambda: env.probe.focus()["focus"] == combo.hwnd, 5, what="Tab to reach the list")
    env.keyboard.tap("Down")
    wait_until(lambda: env.probe.text(combo.hwnd) == "Ctrl + Alt", 5, what="Down to pick Ctrl + Alt")
    env.keyboard.tap("Tab")  # the next box; the arrow keys move through its group
    env.keyboard.tap("Down")
    wait_until(lambda: env.probe.focus()["focus"] == boxes[2].hwnd, 5, what="Down to the next box")
    env.keyboard.tap("Return")
    ui.wait_closed(env)
    assert zavora.user_setting("AutoStart") == "Yes" and zavora.user_setting("Trigger") == "1"


def names(env, view):
    return [row["text"] for row in env.probe.listview(view.hwnd)["rows"]]


def test_delete_language_asks_first_and_deletes_only_on_yes(env, zavora):
    ui.start(env, zavora, user={"Languages": "German;!French;Testlang"})
    ui.open_options(env)
    ui.next_page(env)  # Languages; the list takes the focus
    view = ui.one(env, "SysListView32")
    wait_until(lambda: env.probe.focus()["focus"] == view.hwnd, 5, what="the list focused")
    env.keyboard.tap("Down", "Down")  # Testlang, a user language
    delete = ui.button(env, "Delete Language")
    wait_until(lambda: ui.enabled(env, delete), 5, what="Delete enabled")
    question = 'Are you sure you want to delete the language "Testlang"?'
    ui.click(env, delete)
    ui.answer_message_box(env, question, "No")
    assert names(env, view)[:3] == ["German", "French", "Testlang"]
    assert env.probe.reg_get(LANGUAGES_KEY, "Testlang") == pu.TEST_LANGUAGE
    ui.click(env, delete)
    ui.answer_message_box(env, question, "Yes")
    wait_until(lambda: "Testlang" not in names(env, view), 5, what="the row to go")
    assert env.probe.reg_get(LANGUAGES_KEY, "Testlang") is None
    assert env.probe.listview(view.hwnd)["rows"][1]["selected"]  # French, the row above
