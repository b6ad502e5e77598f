"""The language editor end to end, driven as a person would: "Add Language" opens the
editor "Edit Language" modal over the Options dialog; a key of the on-screen keyboard,
characters of a type, the move buttons and the name box make a language; OK stores it
machine-wide, the Options dialog lists it, and after OK in Options the popup offers it.
Built-in languages are switched off by a preset order, so the popup shows only what the
editor made."""
import os

import pytest

from harness.keyboard import type_text
from harness.waiting import wait_until

import options_ui as ui
import popup_ui as pu
from options_ui import twips

EDITOR_CLASS = "KelvraZavoraEditLanguage"
LIST_CLASS = "KelvraZavoraEditorList"
LANGUAGES_KEY = r"HKLM\Software\Kelvra\Zavora\Languages"
ROW_TWIPS = 400
ORDER_FILE = os.path.join(os.path.dirname(__file__), "..", "..", "data", "order.dat")
# The prefix has no Arial; Liberation has its metrics, so the window is seen with text of
# the widths it was laid out for. ("Arial Black" has no heavy stand-in here.)
FONT_REPLACEMENTS_KEY = r"HKCU\Software\Wine\Fonts\Replacements"
FONT_STAND_INS = {"Arial": "Liberation Sans", "Arial Narrow": "Liberation Sans Narrow"}


@pytest.fixture(autouse=True)
def arial_metrics(env):
    for face, stand_in in FONT_STAND_INS.items():
        env.probe.reg_set(FONT_REPLACEMENTS_KEY, face, stand_in)
    yield
    for face in FONT_STAND_INS:
        env.probe.reg_delete(FONT_REPLACEMENTS_KEY, face)


def built_in_languages_off():
    """The order of order.dat with every language disabled."""
    with open(ORDER_FILE, encoding="latin-1") as order:
        return ";".join("!" + name.strip().lstrip("!") for name in order.read().split(";") if name.strip())


def list_size(dpi):
    """The outer size of an editor list: its 3315 x 2835 twips at 150, 2430 converted
    edge by edge, and a one-pixel border around them."""
    return (twips(150 + 3315, dpi) - twips(150, dpi) + 2, twips(2430 + 2835, dpi) - twips(2430, dpi) + 2)


class Editor:
    """The "Edit Language" window over the Options dialog's Languages page."""

    def __init__(self, env, zavora, languages, untick_first_row=False):
        zavora.start("/options", user={"AutoStart": "No", "Languages": languages})
        self.env, self.options = env, wait_until(lambda: ui.dialog(env), 60, what="the Options dialog")
        # A click on the selected tab gives the tab strip the focus; Right selects the next.
        tabs = wait_until(lambda: ui.controls(env).one("SysTabControl32"), 10, what="the tabs")
        env.mouse.click(tabs.rect[0] + 15, tabs.rect[1] + 10)
        env.keyboard.tap("Right")
        view = wait_until(lambda: (lambda v: v.visible and v)(ui.controls(env).list_view()), 15,
                          what="the Languages page")  # the list takes the focus
        if untick_first_row:
            wait_until(lambda: env.probe.focus()["focus"] == view.hwnd, 5, what="the list focused")
            env.keyboard.tap("space")  # the focused first row
            wait_until(lambda: not env.probe.listview(view.hwnd)["rows"][0]["checked"], 10,
                       what="the first row unticked")
        ui.click(env, ui.controls(env).button("Add Language"))
        self.window = wait_until(lambda: next(iter(env.probe.find(cls=EDITOR_CLASS, visible=True)), None),
                                 15, what="the language editor")
        self.dpi = env.probe.screen()["dpi"]

    def child(self, text=None, cls=None):
        return next((c for c in self.env.probe.children(self.window.hwnd) if c.visible and
                     (text is None or ui.caption(c.text) == text) and (cls is None or c.cls.lower() == cls.lower())), None)

    def press(self, caption):
        ui.click(self.env, wait_until(lambda: self.child(text=caption), 10, what=f"the button {caption}"))

    def lists(self):
        return sorted((c for c in self.env.probe.children(self.window.hwnd) if c.cls == LIST_CLASS),
                      key=lambda c: c.rect[0])

    def add_row(self, row, type_index=None):
        """Adds the row'th character of the left list (of a character type) to the key."""
        if type_index is not None:
            types = self.child(cls="ListBox")
            height = self.env.probe.send(types.hwnd, 0x01A1)["result"]  # LB_GETITEMHEIGHT
            self.env.mouse.click(types.rect[0] + 30, types.rect[1] + 2 + height * type_index + height // 2)
        area = self.lists()[0]
        self.env.mouse.click(area.rect[0] + 60, area.rect[1] + 1 + twips(ROW_TWIPS * row + ROW_TWIPS // 2, self.dpi))
        self.press("  Add    -->")

    def type_name(self, name):
        box = self.child(cls="Edit")
        ui.click(self.env, box)
        type_text(self.env.display, name)
        wait_until(lambda: self.env.probe.text(box.hwnd) == name, 10, what="the name typed")

    def close_with(self, caption):
        self.press(caption)
        wait_until(lambda: not self.env.probe.find(cls=EDITOR_CLASS, visible=True), 10, what="the editor to close")


def test_a_new_language_made_in_the_editor_is_offered_by_the_popup(env, zavora):
    editor = Editor(env, zavora, built_in_languages_off())
    assert editor.window.text == "Edit Language"
    assert not env.probe.info(editor.options.hwnd).enabled  # modal over the dialog
    editor.press("E")
    editor.add_row(0, type_index=1)   # "with grave": à
    editor.add_row(1)                 # è, after à and selected
    editor.press("Move to Top")       # è, à
    editor.type_name("Testlang")
    assert editor.dpi == 96 and all((a.width, a.height) == list_size(96) for a in editor.lists())
    print("editor screenshot at 96 dpi:", env.screenshot("editor-96dpi"))
    editor.close_with("OK")
    assert env.probe.reg_get(LANGUAGES_KEY, "Testlang") == "e 00E800E0"
    view = ui.controls(env).list_view()
    rows = wait_until(lambda: (lambda r: r if r[-1]["texts"][0] == "Testlang" else None)(
        env.probe.listview(view.hwnd)["rows"]), 10, what="Testlang in the language list")
    assert rows[-1]["checked"] and rows[-1]["selected"]
    top = env.probe.listview(view.hwnd)["top"]
    per_page = env.probe.send(view.hwnd, 0x1028)["result"]  # LVM_GETCOUNTPERPAGE
    assert top <= len(rows) - 1 < top + per_page  # scrolled into view
    assert env.probe.info(editor.options.hwnd).enabled
    ui.click(env, ui.controls(env).button("OK"))
    ui.wait_closed(env)
    target = env.target()
    env.mouse.move(5, 5)
    target.clear()
    pu.open_with(env, "altgr")
    pu.release(env, "altgr")
    env.keyboard.tap("1")
    pu.assert_typed_alone(target, pu.E_GRAVE)


def test_closing_the_program_under_the_editor_writes_nothing(env, zavora):
    """"/close" while the editor is open ends the program; the Options dialog's pending
    edit (French unticked) was never confirmed, so it stays unwritten."""
    Editor(env, zavora, "French;German", untick_first_row=True)
    zavora.run("/close")
    zavora.wait_no_process()
    assert zavora.user_setting("Languages") == "French;German"


def test_the_editor_scales_to_the_screen_dpi(dpi144, zavora):
    env = dpi144
    editor = Editor(env, zavora, built_in_languages_off())
    assert editor.dpi == 144 and all((a.width, a.height) == list_size(144) for a in editor.lists())
    # The prefix's United States layout: no "#" key, and "\\" stands right of "]".
    assert editor.child(text="#") is None
    backslash, bracket = editor.child(text="\\"), editor.child(text="]")
    assert backslash.rect[1] == bracket.rect[1] and backslash.rect[0] == bracket.rect[2]
    editor.press("[")
    editor.add_row(2)
    editor.type_name("Scaled")
    print("editor screenshot at 144 dpi:", env.screenshot("editor-144dpi"))
    editor.close_with("Cancel")
    assert not env.probe.reg_list(LANGUAGES_KEY).get("values")
