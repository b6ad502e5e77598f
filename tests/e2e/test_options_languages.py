"""The language list of the Options dialog, read from outside through the real list view:
it shows the stored order and flags, the keyboard and the move buttons reorder it and OK
writes the new order, a tick selects its row alone, and Delete and Restore Default
Settings ask in a message box first."""
import pytest

from harness.waiting import wait_until

import options_ui as ui

# Two user languages besides the built-in ones; the stored order names three of them.
USER_LANGUAGES = {r"Languages\Testlang": ui.TEST_LANGUAGE, r"Languages\Mylang": "o 00F6"}
STORED_ORDER = "German;!French;Testlang"
LANGUAGES_KEY = r"HKLM\Software\Kelvra\Zavora\Languages"


def open_languages(env, zavora, machine=USER_LANGUAGES):
    ui.start(env, zavora, user={"Languages": STORED_ORDER}, machine=machine)
    ui.open_options(env)
    c = ui.next_page(env)  # Languages; the list takes the focus
    wait_until(lambda: env.probe.focus()["focus"] == c.list_view().hwnd, 5, what="the list focused")
    return c


def rows(env):
    return env.probe.listview(ui.controls(env).list_view().hwnd)["rows"]


def names(env):
    return [row["texts"][0] for row in rows(env)]


def test_the_list_shows_the_stored_order_and_a_move_and_ok_write_the_new_one(env, zavora):
    c = open_languages(env, zavora)
    view = env.probe.listview(c.list_view().hwnd)
    assert view["columns"] == ["Languages"]
    shown = [(row["texts"][0], row["checked"], row["selected"]) for row in view["rows"]]
    assert shown[:3] == [("German", True, True), ("French", False, False), ("Testlang", True, False)]
    # Every other known language follows, each once: the shipped ones, then the user's own.
    assert ("Mylang", True, False) in shown[3:] and len({row[0] for row in shown}) == len(shown)
    env.keyboard.tap("Down")  # French, alone
    wait_until(lambda: rows(env)[1]["selected"] and not rows(env)[0]["selected"], 5,
               what="the second row selected")
    for button, where in (("Move Up", 0), ("Move to Bottom", -1), ("Move to Top", 0)):
        ui.click(env, c.button(button))
        wait_until(lambda: names(env)[where] == "French", 5, what=f"{button} to move French")
    assert ui.apply_enabled(env)
    ui.click(env, c.button("OK"))
    ui.wait_closed(env)
    stored = zavora.user_setting("Languages").split(";")
    assert stored[:3] == ["!French", "German", "Testlang"]
    assert "Mylang" in stored and "" not in stored


def test_ticking_a_box_gives_edit_and_delete_to_its_row(env, zavora):
    """A tick selects its row alone, so Edit and Delete follow it: Delete goes off for a
    shipped language, whose stored changes it would otherwise delete."""
    c = open_languages(env, zavora, machine={r"Languages\French": "e 00EA", **USER_LANGUAGES})
    edit, delete = c.button("Edit Language"), c.button("Delete Language")
    env.keyboard.tap("Down", "Down")  # Testlang, a user language
    wait_until(lambda: env.probe.info(delete.hwnd).enabled, 5, what="Delete enabled")
    left, top, _, bottom = rows(env)[1]["rect"]
    env.mouse.click(left + 9, (top + bottom) // 2)  # French's box
    wait_until(lambda: rows(env)[1]["checked"], 5, what="French ticked")
    assert [row["selected"] for row in rows(env)][:3] == [False, True, False]
    assert not env.probe.info(delete.hwnd).enabled and env.probe.info(edit.hwnd).enabled
    assert env.probe.reg_get(LANGUAGES_KEY, "French") == "e 00EA"


@pytest.mark.parametrize("button, question", [
    ("Delete Language", 'Are you sure you want to delete the language "Testlang"?'),
    ("Restore Default Settings", "Are you sure you want to reset your language settings?")],
    ids=["delete", "restore"])
def test_delete_and_restore_ask_first(env, zavora, button, question):
    c = open_languages(env, zavora)
    env.keyboard.tap("Down", "Down")  # Testlang, a user language
    wait_until(lambda: env.probe.info(c.button(button).hwnd).enabled, 5, what=f"{button} enabled")
    before = names(env)
    ui.click(env, c.button(button))
    ui.answer(env, ui.message_box(env, question), "No")
    assert names(env) == before and zavora.user_setting("Languages") == STORED_ORDER
    assert env.probe.reg_get(LANGUAGES_KEY, "Testlang") is not None
    ui.click(env, c.button(button))
    ui.answer(env, ui.message_box(env, question), "Yes")
    if button == "Delete Language":
        wait_until(lambda: "Testlang" not in names(env), 5, what="the row to go")
        assert env.probe.reg_get(LANGUAGES_KEY, "Testlang") is None
        assert rows(env)[1]["selected"] and names(env)[1] == "French"  # the row above
    else:
        stored = wait_until(lambda: zavora.user_setting("Languages") != STORED_ORDER and
                            zavora.user_setting("Languages"), 5, what="the reset order")
        # The shipped order, then the user languages, unchecked.
        assert stored.startswith(";") and stored.endswith(";")
        assert sorted(stored.split(";")[-3:-1]) == ["!Mylang", "!Testlang"]
