"""The language editor end to end, driven as a person would: "Add Language" opens the
editor "Edit Language" modal over the Options dialog; a key of the on-screen keyboard,
characters of a type, the move buttons and the name box make a language; OK stores it
machine-wide, the Options dialog lists it, and after OK in Options the popup offers it.
Built-in languages are switched off by a preset order, so the popup shows only what the
editor made."""
import os

import pytest

from harness.waiting import wait_until

import options_ui as ui
import popup_ui as pu
from options_ui import twips

EDITOR_CLASS = "KelvraZavoraEditLanguage"
LANGUAGES_KEY = r"HKLM\Software\Kelvra\Zavora\Languages"
ORDER_FILE = os.path.join(os.path.dirname(__file__), "..", "..", "data", "order.dat")


class Editor:
    """The "Edit Language" window over the Options dialog's Languages page, opened with
    every built-in language off (the order of order.dat, each disabled)."""

    def __init__(self, env, zavora):
        with open(ORDER_FILE, encoding="latin-1") as order:
            names = [name.strip().lstrip("!") for name in order.read().split(";") if name.strip()]
        zavora.start("/options", user={"AutoStart": "No", "Languages": ";".join("!" + n for n in names)})
        self.env, self.options = env, ui.wait_dialog(env)
        # A click on the selected tab gives the tab strip the focus; Right selects the next.
        tabs = ui.one(env, "SysTabControl32")
        env.mouse.click(tabs.rect[0] + 15, tabs.rect[1] + 10)
        env.keyboard.tap("Right")
        wait_until(lambda: ui.one(env, "SysListView32").visible, 15, what="the Languages page")
        ui.click(env, ui.button(env, "Add Language"))
        self.window = env.probe.wait_shown(15, cls=EDITOR_CLASS)
        self.dpi = env.probe.dpi()

    def child(self, text=None, cls=None):
        return next(iter(ui.controls(self.env, cls, text, window=self.window, visible=True)), None)

    def press(self, caption):
        ui.click(self.env, wait_until(lambda: self.child(caption), 10, what=f"the button {caption}"))

    def lists(self):
        """The two character lists, left first, each checked for its size: 3315 x 2835
        twips at 150, 2430 converted edge by edge, and a one-pixel border around them."""
        lists = sorted(ui.controls(self.env, "KelvraZavoraEditorList", window=self.window), key=lambda c: c.rect[0])
        size = (twips(3465, self.dpi) - twips(150, self.dpi) + 2, twips(5265, self.dpi) - twips(2430, self.dpi) + 2)
        assert [(c.width, c.height) for c in lists] == [size, size]
        return lists

    def add_row(self, row, type_index=None):
        """Adds the row'th character of the left list (of a character type) to the key."""
        if type_index is not None:
            types = self.child(cls="ListBox")
            height = self.env.probe.send(types.hwnd, 0x01A1)  # LB_GETITEMHEIGHT
            self.env.mouse.click(types.rect[0] + 30, types.rect[1] + 2 + height * type_index + height // 2)
        area = self.lists()[0]
        self.env.mouse.click(area.rect[0] + 60, area.rect[1] + 1 + twips(400 * row + 200, self.dpi))
        self.press("  Add    -->")

    def type_name(self, name):
        box = self.child(cls="Edit")
        ui.click(self.env, box)
        self.env.keyboard.type(name)
        wait_until(lambda: self.env.probe.text(box.hwnd) == name, 10, what="the name typed")

    def close_with(self, caption):
        self.press(caption)
        self.env.probe.wait_gone(cls=EDITOR_CLASS, visible=True)


def test_a_new_language_made_in_the_editor_is_offered_by_the_popup(env, zavora):
    editor = Editor(env, zavora)
    assert editor.window.text == "Edit Language" and editor.dpi == 96
    assert not env.probe.info(editor.options.hwnd).enabled  # modal over the dialog
    editor.press("E")
    editor.add_row(0, type_index=1)   # "with grave": à
    editor.add_row(1)                 # è, after à and selected
    editor.press("Move to Top")       # è, à
    editor.type_name("Testlang")
    print("editor screenshot at 96 dpi:", env.screenshot("editor-96dpi"))
    editor.close_with("OK")
    assert env.probe.reg_get(LANGUAGES_KEY, "Testlang") == "e 00E800E0"
    view = ui.one(env, "SysListView32")
    rows = wait_until(lambda: (lambda r: r if r[-1]["text"] == "Testlang" else None)(
        env.probe.listview(view.hwnd)["rows"]), 10, what="Testlang in the language list")
    assert rows[-1]["checked"] and rows[-1]["selected"]
    top = env.probe.listview(view.hwnd)["top"]
    assert top <= len(rows) - 1 < top + env.probe.send(view.hwnd, 0x1028)  # LVM_GETCOUNTPERPAGE: in view
    assert env.probe.info(editor.options.hwnd).enabled
    ui.click(env, ui.button(env, "OK"))
    ui.wait_closed(env)
    target = env.target()
    pu.open_with(env, "altgr")
    pu.pick(env, target, pu.E_GRAVE, "1")


@pytest.mark.parametrize("dpi", [144], indirect=True)
def test_the_editor_scales_to_the_screen_dpi(env, zavora, dpi):
    editor = Editor(env, zavora)
    assert editor.dpi == 144 and editor.lists()
    # The prefix's United States layout: no "#" key, and "\\" stands right of "]".
    assert editor.child(text="#") is None
    backslash, bracket = editor.child(text="\\"), editor.child(text="]")
    assert backslash.rect[1] == bracket.rect[1] and backslash.rect[0] == bracket.rect[2]
    editor.press("[")
    editor.add_row(2)
    editor.type_name("Scaled")
    print("editor screenshot at 144 dpi:", env.screenshot("editor-144dpi"))
    editor.close_with("Cancel")
    assert env.probe.reg_get(LANGUAGES_KEY, "Scaled") is None
