"""The language editor end to end, driven as a person would: the Options dialog's
"Add Language" and "Edit Language" open the editor "Edit Language" over the dialog; a key
of the on-screen keyboard, characters of a type, the move buttons and the name box make a
language; OK stores it machine-wide and the Options dialog lists it; after OK in Options
the popup offers it. Built-in languages are switched off by a preset `Languages`, so the
popup shows only what the editor made."""
import os

import pytest

from harness.keyboard import type_text
from harness.waiting import wait_until
from harness.zavora import OPTIONS

EDITOR_CLASS = "KelvraZavoraEditLanguage"
LIST_CLASS = "KelvraZavoraEditorList"
POPUP_CLASS = "KelvraZavoraPopup"
MESSAGE_BOX_CLASS = "#32770"
TITLE = "Kelvra Zavora"
LANGUAGES_KEY = r"HKLM\Software\Kelvra\Zavora\Languages"
E_GRAVE, A_GRAVE = "\u00e8", "\u00e0"
ROW_TWIPS = 400
REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))


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
    with open(os.path.join(REPO, "data", "order.dat"), encoding="latin-1") as order:
        names = [entry.lstrip("!") for entry in order.read().split(";") if entry.strip()]
    return ";".join("!" + name for name in names)


def twips(value, dpi):
    return round(value * dpi / 1440)


def list_size(dpi):
    """The outer size of an editor list: its 3315 x 2835 twips at 150, 2430 converted
    edge by edge, and a one-pixel border around them."""
    width = twips(150 + 3315, dpi) - twips(150, dpi)
    height = twips(2430 + 2835, dpi) - twips(2430, dpi)
    return (width + 2, height + 2)


def click(env, window):
    env.mouse.click(*window.center)


def caption(text):
    """A control's text as shown: "&Yes" reads "Yes", "&&" is one "&"."""
    return text.replace("&&", "\0").replace("&", "").replace("\0", "&")


def child(env, parent, text=None, cls=None):
    """The visible child control of `parent` with that caption and class; None if absent."""
    for control in env.probe.children(parent.hwnd):
        if control.visible and (text is None or caption(control.text) == text) and \
                (cls is None or control.cls.lower() == cls.lower()):
            return control
    return None


def wait_child(env, parent, text=None, cls=None, timeout=10):
    return wait_until(lambda: child(env, parent, text, cls), timeout, what=f"the control {text or cls}")


class Options:
    """The Options dialog of a running interception instance."""

    def __init__(self, env, window):
        self.env, self.window = env, window

    @classmethod
    def open(cls, env, zavora, **user):
        zavora.start("/options", user={"AutoStart": "No", **user})
        zavora.wait_settled(options=1, service=1, timeout=60)
        window = wait_until(lambda: next(iter(env.probe.find(text=OPTIONS, visible=True)), None), 30,
                            what="the Options dialog")
        return cls(env, window)

    def show_languages(self):
        # A click on the selected tab gives the tab strip the focus; Right selects the next.
        tabs = wait_child(self.env, self.window, cls="SysTabControl32")
        self.env.mouse.click(tabs.rect[0] + 15, tabs.rect[1] + 10)
        self.env.keyboard.tap("Right")
        wait_child(self.env, self.window, text="Add Language")

    def press(self, caption):
        click(self.env, wait_child(self.env, self.window, text=caption))

    def rows(self):
        view = child(self.env, self.window, cls="SysListView32")
        return self.env.probe.listview(view.hwnd)["rows"]

    def add_language(self):
        self.press("Add Language")
        return Editor.wait(self.env)

    def edit_language(self):
        self.press("Edit Language")
        return Editor.wait(self.env)

    def closed(self):
        return not self.env.probe.find(text=OPTIONS, visible=True)


class Editor:
    """The "Edit Language" window."""

    def __init__(self, env, window):
        self.env, self.window = env, window
        self.dpi = env.probe.screen()["dpi"]

    @classmethod
    def wait(cls, env):
        window = wait_until(lambda: next(iter(env.probe.find(cls=EDITOR_CLASS, visible=True)), None), 15,
                            what="the language editor")
        return cls(env, window)

    def shown(self):
        return bool(self.env.probe.find(cls=EDITOR_CLASS, visible=True))

    def press(self, caption):
        click(self.env, wait_child(self.env, self.window, text=caption))

    def choose_type(self, index):
        types = wait_child(self.env, self.window, cls="ListBox")
        height = self.env.probe.send(types.hwnd, 0x01A1)["result"]  # LB_GETITEMHEIGHT
        self.env.mouse.click(types.rect[0] + 30, types.rect[1] + 2 + height * index + height // 2)

    def lists(self):
        found = [c for c in self.env.probe.children(self.window.hwnd) if c.cls == LIST_CLASS]
        assert len(found) == 2, found
        return sorted(found, key=lambda c: c.rect[0])

    def click_row(self, side, row):
        """A click in the middle of a row of the left (0) or right (1) list."""
        area = self.lists()[side]
        y = area.rect[1] + 1 + twips(ROW_TWIPS * row + ROW_TWIPS // 2, self.dpi)
        self.env.mouse.click(area.rect[0] + 60, y)

    def scroll_position(self, side):
        """The value of the left (0) or right (1) list's scroll bar."""
        bars = sorted((c for c in self.env.probe.children(self.window.hwnd) if c.cls.lower() == "scrollbar"),
                      key=lambda c: c.rect[0])
        return self.env.probe.send(bars[side].hwnd, 0x00E1)["result"]  # SBM_GETPOS

    def type_name(self, name):
        box = wait_child(self.env, self.window, cls="Edit")
        click(self.env, box)
        type_text(self.env.display, name)
        wait_until(lambda: self.env.probe.text(box.hwnd) == name, 10, what="the name typed")

    def wait_closed(self):
        wait_until(lambda: not self.shown(), 10, what="the editor to close")


def stored_languages(env):
    """The names of the user languages stored machine-wide."""
    listing = env.probe.reg_list(LANGUAGES_KEY)
    return [value["name"] for value in listing.get("values", [])] if listing.get("exists", True) else []


def message_box(env):
    boxes = env.probe.find(cls=MESSAGE_BOX_CLASS, text=TITLE, visible=True)
    return boxes[0] if boxes else None


def wait_message(env, text):
    box = wait_until(lambda: message_box(env), 10, what="a message box")
    texts = [c.text for c in env.probe.children(box.hwnd)]
    assert text in texts, texts
    return box


def answer(env, box, caption):
    click(env, wait_child(env, box, text=caption))
    wait_until(lambda: not env.probe.exists(box.hwnd) or not env.probe.info(box.hwnd).visible, 10,
               what="the message box to close")


def test_a_new_language_made_in_the_editor_is_offered_by_the_popup(env, zavora):
    options = Options.open(env, zavora, Languages=built_in_languages_off())
    options.show_languages()
    editor = options.add_language()
    assert editor.window.text == "Edit Language"
    assert not env.probe.info(options.window.hwnd).enabled  # modal over the dialog

    editor.press("E")
    editor.choose_type(1)             # "with grave": à, è, ...
    editor.click_row(0, 0)
    editor.press("  Add    -->")      # à
    editor.click_row(0, 1)
    editor.press("  Add    -->")      # è, after à and selected
    editor.press("Move to Top")       # è, à
    editor.type_name("Testlang")
    assert editor.dpi == 96
    assert all((area.width, area.height) == list_size(96) for area in editor.lists())
    print("editor screenshot at 96 dpi:", env.screenshot("editor-96dpi"))
    editor.press("OK")
    editor.wait_closed()

    assert env.probe.reg_get(LANGUAGES_KEY, "Testlang") == "e 00E800E0"
    rows = wait_until(lambda: (lambda r: r if r and r[-1]["texts"][0] == "Testlang" else None)(options.rows()),
                      10, what="Testlang in the language list")
    assert rows[-1]["checked"] and rows[-1]["selected"]
    view = child(env, options.window, cls="SysListView32")
    top = env.probe.listview(view.hwnd)["top"]
    per_page = env.probe.send(view.hwnd, 0x1028)["result"]  # LVM_GETCOUNTPERPAGE
    assert top <= len(rows) - 1 < top + per_page  # scrolled into view
    assert env.probe.info(options.window.hwnd).enabled

    options.press("OK")
    wait_until(options.closed, 10, what="the Options dialog to close")
    target = env.target()
    env.keyboard.right_alt_down()
    env.keyboard.tap("e")
    wait_until(lambda: any(w.visible and w.width > 0 for w in env.probe.find(cls=POPUP_CLASS)), 10,
               what="the popup")
    env.keyboard.right_alt_up()
    env.keyboard.tap("1")
    target.wait_for_chars(E_GRAVE)
    assert target.chars() == E_GRAVE


def test_ok_with_an_empty_name_keeps_the_editor_open(env, zavora):
    options = Options.open(env, zavora, Languages=built_in_languages_off())
    options.show_languages()
    editor = options.add_language()
    editor.press("E")
    editor.click_row(0, 0)
    editor.press("  Add    -->")
    editor.press("OK")
    box = wait_message(env, "You must enter a name for this language!")
    answer(env, box, "OK")
    assert editor.shown()
    focus = env.probe.focus()["focus"]
    assert focus == child(env, editor.window, cls="Edit").hwnd  # the name box, to type the name
    editor.press("Cancel")
    editor.wait_closed()
    assert stored_languages(env) == []


def test_a_changed_built_in_language_is_stored_and_restore_defaults_removes_it(env, zavora):
    options = Options.open(env, zavora)
    options.show_languages()
    first = options.rows()[0]
    assert first["texts"][0] == "French" and first["selected"]
    editor = options.edit_language()
    assert env.probe.text(child(env, editor.window, cls="Edit").hwnd) == "French"
    editor.press("Q")
    editor.click_row(0, 0)            # "with acute": á
    editor.press("  Add    -->")
    editor.press("OK")
    editor.wait_closed()
    stored = env.probe.reg_get(LANGUAGES_KEY, "French")
    assert stored is not None and "q 00E1" in stored.split(";;")

    options.press("Restore Default Settings")
    answer(env, wait_message(env, "Are you sure you want to reset your language settings?"), "Yes")
    wait_until(lambda: env.probe.reg_get(LANGUAGES_KEY, "French") is None, 10,
               what="the stored French to be removed")


def test_closing_the_program_under_the_editor_writes_nothing(env, zavora):
    """"/close" while the editor is open ends the program; the Options dialog's pending
    edit (a language unticked) was never confirmed, so it stays unwritten."""
    options = Options.open(env, zavora, Languages="French;German")
    options.show_languages()
    env.keyboard.tap("space")         # French, the focused row, unticked
    wait_until(lambda: not options.rows()[0]["checked"], 10, what="French unticked")
    options.add_language()
    zavora.run("/close")
    zavora.wait_no_process()
    assert zavora.user_setting("Languages") == "French;German"


def test_lists_follow_keys_wheel_and_double_click_on_a_shifted_key(env, zavora):
    options = Options.open(env, zavora, Languages=built_in_languages_off())
    options.show_languages()
    editor = options.add_language()
    editor.press("Shift")
    editor.press("!")                 # the shifted "1": a key of its own
    editor.click_row(0, 0)            # "with acute": the left list has the focus
    env.keyboard.tap("Down")
    env.keyboard.tap("Down")          # í
    editor.press("  Add    -->")
    editor.click_row(0, 3)            # the focus back to the left list, away from row 0
    left = editor.lists()[0]
    env.mouse.wheel(*left.center, -1)  # one notch towards the user: four rows down
    wait_until(lambda: editor.scroll_position(0) == 4, 10, what="the left list scrolled by four rows")
    env.mouse.double_click(left.rect[0] + 60, left.rect[1] + 1 + twips(ROW_TWIPS // 2, editor.dpi))  # ú
    editor.type_name("Keys")
    editor.press("OK")
    editor.wait_closed()
    assert env.probe.reg_get(LANGUAGES_KEY, "Keys") == "! 00ED00FA"


@pytest.fixture
def dpi144(env):
    env.prefix.set_dpi(144)
    yield env
    env.clean()
    env.prefix.set_dpi(96)


def test_the_editor_scales_to_the_screen_dpi(dpi144, zavora):
    env = dpi144
    options = Options.open(env, zavora, Languages=built_in_languages_off())
    options.show_languages()
    editor = options.add_language()
    assert editor.dpi == 144
    assert all((area.width, area.height) == list_size(144) for area in editor.lists())
    # The prefix's United States layout: no "#" key, and "\\" stands right of "]".
    assert child(env, editor.window, text="#") is None
    backslash, bracket = child(env, editor.window, text="\\"), child(env, editor.window, text="]")
    assert backslash.rect[1] == bracket.rect[1] and backslash.rect[0] == bracket.rect[2]
    editor.press("[")
    editor.click_row(0, 2)
    editor.press("  Add    -->")
    editor.type_name("Scaled")
    print("editor screenshot at 144 dpi:", env.screenshot("editor-144dpi"))
    editor.press("Cancel")
    editor.wait_closed()
    assert stored_languages(env) == []
