"""The language list of the Options dialog, read from outside through the list view: it
shows the stored order and flags, the keyboard and the move buttons reorder it, OK writes
the new order, a check box selects its row alone, and Delete and Restore Default Settings
ask first."""
from harness.waiting import wait_until

import options_ui as ui

# Two user languages besides the built-in ones; the stored order names three of them.
USER_LANGUAGES = {r"Languages\Testlang": ui.TEST_LANGUAGE, r"Languages\Mylang": "o 00F6"}
STORED_ORDER = "German;!French;Testlang"
MESSAGE_BOX_CLASS = "#32770"


def open_languages(env, zavora, order=STORED_ORDER, machine=USER_LANGUAGES):
    ui.start(env, zavora, user={"Languages": order}, machine=machine)
    ui.open_options(env)
    ui.next_tab(env)  # the Languages page; the list takes the focus
    c = ui.controls(env)
    wait_until(lambda: ui.controls(env).list_view().visible, 5, what="the Languages page")
    return c


def rows(env):
    view = env.probe.listview(ui.controls(env).list_view().hwnd)
    return view["rows"]


def names(env):
    return [row["texts"][0] for row in rows(env)]


def question(env):
    """The message box the dialog asks its question in, with its text."""
    def shown():
        for window in env.probe.find(cls=MESSAGE_BOX_CLASS, visible=True):
            if window.text == "Kelvra Zavora":
                return window
        return None
    box = wait_until(shown, 10, what="the question")
    texts = [env.probe.text(c.hwnd) for c in env.probe.children(box.hwnd)]
    return box, texts


def answer(env, box, caption):
    button = next(c for c in env.probe.children(box.hwnd) if c.cls == "Button" and
                  env.probe.text(c.hwnd).replace("&", "") == caption)
    ui.click(env, button)
    wait_until(lambda: not env.probe.exists(box.hwnd) or not env.probe.info(box.hwnd).visible, 10,
               what="the question to close")


def test_the_list_shows_the_stored_order_and_flags(env, zavora):
    open_languages(env, zavora)
    view = env.probe.listview(ui.controls(env).list_view().hwnd)
    assert view["columns"] == ["Languages"]
    shown = [(row["texts"][0], row["checked"]) for row in view["rows"]]
    assert shown[:3] == [("German", True), ("French", False), ("Testlang", True)]
    # Every other known language follows: the shipped order's, then the user's own.
    assert ("Mylang", True) in shown[3:]
    assert len({name for name, _ in shown}) == len(shown)
    # The first row is selected, so Edit is possible and Delete (a built-in) is not.
    assert [row["selected"] for row in view["rows"]][:2] == [True, False]
    c = ui.controls(env)
    assert c.button("Edit Language").enabled and not c.button("Delete Language").enabled


def test_a_move_and_ok_write_the_new_order(env, zavora):
    open_languages(env, zavora)
    env.keyboard.tap("Down")  # French, alone
    wait_until(lambda: rows(env)[1]["selected"] and not rows(env)[0]["selected"], 5,
               what="the second row selected")
    ui.click(env, ui.controls(env).button("Move Up"))
    wait_until(lambda: names(env)[:3] == ["French", "German", "Testlang"], 5, what="the move")
    assert rows(env)[0]["selected"] and not rows(env)[0]["checked"]
    assert ui.apply_enabled(env)
    ui.click(env, ui.controls(env).button("Move to Bottom"))
    wait_until(lambda: names(env)[-1] == "French", 5, what="French at the bottom")
    ui.click(env, ui.controls(env).button("Move to Top"))
    wait_until(lambda: names(env)[0] == "French", 5, what="French at the top again")
    ui.click(env, ui.controls(env).button("OK"))
    ui.wait_closed(env)
    stored = zavora.user_setting("Languages").split(";")
    assert stored[:3] == ["!French", "German", "Testlang"]
    assert "Mylang" in stored and "" not in stored


def test_a_check_box_selects_its_row_alone_and_enables_apply(env, zavora):
    open_languages(env, zavora)
    env.keyboard.tap("Down")
    env.keyboard.tap("space")  # French's box
    wait_until(lambda: rows(env)[1]["checked"], 5, what="French checked")
    assert [row["selected"] for row in rows(env)][:3] == [False, True, False]
    assert ui.apply_enabled(env)
    ui.click(env, ui.controls(env).button("Apply"))
    wait_until(lambda: zavora.user_setting("Languages", ).startswith("German;French;Testlang"), 5,
               what="the order written by Apply")


def test_ticking_a_box_gives_edit_and_delete_to_its_row(env, zavora):
    """A tick selects its row alone, so Edit and Delete follow it: Delete goes off for a
    shipped language, whose stored changes it would otherwise delete."""
    french_changes = {r"Languages\French": "e 00EA", **USER_LANGUAGES}
    open_languages(env, zavora, machine=french_changes)
    c = ui.controls(env)
    edit, delete = c.button("Edit Language"), c.button("Delete Language")
    env.keyboard.tap("Down", "Down")  # Testlang, a user language
    wait_until(lambda: env.probe.info(delete.hwnd).enabled, 5, what="Delete enabled")
    left, top, _, bottom = rows(env)[1]["rect"]
    env.mouse.click(left + 9, (top + bottom) // 2)  # French's box
    wait_until(lambda: rows(env)[1]["checked"], 5, what="French ticked")
    assert [row["selected"] for row in rows(env)][:3] == [False, True, False]
    assert not env.probe.info(delete.hwnd).enabled and env.probe.info(edit.hwnd).enabled
    assert env.probe.reg_get(r"HKLM\Software\Kelvra\Zavora\Languages", "French") == "e 00EA"


def test_delete_asks_and_removes_a_user_language(env, zavora):
    open_languages(env, zavora)
    env.keyboard.tap("Down", "Down")  # Testlang, a user language
    c = ui.controls(env)
    delete = c.button("Delete Language")
    wait_until(lambda: env.probe.info(delete.hwnd).enabled, 5, what="Delete enabled")
    ui.click(env, delete)
    box, texts = question(env)
    assert 'Are you sure you want to delete the language "Testlang"?' in texts
    answer(env, box, "No")
    assert "Testlang" in names(env)
    assert env.probe.reg_get(r"HKLM\Software\Kelvra\Zavora\Languages", "Testlang") is not None
    ui.click(env, delete)
    box, _ = question(env)
    answer(env, box, "Yes")
    wait_until(lambda: "Testlang" not in names(env), 5, what="the row to go")
    assert env.probe.reg_get(r"HKLM\Software\Kelvra\Zavora\Languages", "Testlang") is None
    # The row above takes the selection.
    assert rows(env)[1]["selected"] and names(env)[1] == "French"


def test_restore_default_settings_asks_and_writes_the_shipped_order(env, zavora):
    open_languages(env, zavora)
    ui.click(env, ui.controls(env).button("Restore Default Settings"))
    box, texts = question(env)
    assert "Are you sure you want to reset your language settings?" in texts
    answer(env, box, "No")
    assert names(env)[0] == "German"
    ui.click(env, ui.controls(env).button("Restore Default Settings"))
    box, _ = question(env)
    answer(env, box, "Yes")
    stored = wait_until(lambda: zavora.user_setting("Languages") != STORED_ORDER and
                        zavora.user_setting("Languages"), 5, what="the reset order")
    assert stored.startswith(";") and stored.endswith(";")
    # The user languages come last, unchecked.
    assert stored.endswith(";!Testlang;!Mylang;") or stored.endswith(";!Mylang;!Testlang;")
    shown = [(row["texts"][0], row["checked"]) for row in rows(env)]
    assert shown[-2:] in ([("Testlang", False), ("Mylang", False)], [("Mylang", False), ("Testlang", False)])
