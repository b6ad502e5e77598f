"""The tray icon and the Options dialog seen from outside, as a person uses them: the
icon found on the virtual desktop's taskbar, its menu, the dialog's controls by class and
caption, clicks and keys. Shared by the tray and Options scenarios."""
from Xlib import X
from Xlib import display as xdisplay

from harness.waiting import wait_until
from harness.zavora import OPTIONS, MAIN_CLASS

TRAY_CLASS = "Shell_TrayWnd"
MENU_CLASS = "#32768"
TAB_CLASS = "SysTabControl32"
LIST_CLASS = "SysListView32"
COMBO_CLASS = "ComboBox"
PAGE_CLASS = "#32770"
# A user language whose key e offers é è ê ë, so nothing depends on the shipped data.
TEST_LANGUAGE = "e 00E900E800EA00EB;;a 00E1"
E_GRAVE = "\u00e8"
TRIGGERS = ["Alt Gr (Right Alt)", "Ctrl + Alt", "F10", "F11", "F12"] + \
    [f"Ctrl + F{n}" for n in range(1, 13)]


def start(env, zavora, *args, user=None, machine=None):
    """zavora.exe with the test language, settled, with its tray icon on the taskbar."""
    settings = {"Languages": "Testlang", "AutoStart": "No", **(user or {})}
    languages = {r"Languages\Testlang": TEST_LANGUAGE, **(machine or {})}
    zavora.start(*args, user=settings, machine=languages)
    zavora.wait_settled(options=1, service=1, timeout=60)
    wait_until(lambda: tray_icon_point(env), 30, what="the tray icon on the taskbar")


def _pixels(display_name, x, y, width):
    """One row of the screen: a list of (r, g, b)."""
    d = xdisplay.Display(display_name)
    try:
        image = d.screen().root.get_image(x, y, width, 1, X.ZPixmap, 0xFFFFFFFF)
        data = image.data
        return [(data[i + 2], data[i + 1], data[i]) for i in range(0, width * 4, 4)]
    finally:
        d.close()


def tray_icon_point(env):
    """The middle of the rightmost icon in the taskbar's notification area, found in the
    pixels of the taskbar's middle row; None while there is none."""
    bars = env.probe.find(cls=TRAY_CLASS, visible=True)
    if not bars:
        return None
    left, top, right, bottom = bars[0].rect
    y = (top + bottom) // 2
    span = min(200, right - left)
    row = _pixels(env.display, right - span, y, span)
    background = row[0]
    columns = [i for i, pixel in enumerate(row) if sum(abs(a - b) for a, b in zip(pixel, background)) > 60]
    if not columns:
        return None
    # The rightmost run of differing columns (gaps of a few pixels belong to the icon).
    end = columns[-1]
    start_column = end
    for column in reversed(columns):
        if start_column - column > 4:
            break
        start_column = column
    return (right - span + (start_column + end) // 2, y)


# The menu's items below its separators. Wine keeps a menu's items in the process that
# made it, so another process cannot read them: the scenarios pick items with the keys.
MENU_ITEMS = ["Tutorial", "About", "Options", "Help", "Exit"]


def open_tray_menu(env, button=3):
    """Clicks the tray icon (right button by default) and returns the shown menu."""
    x, y = wait_until(lambda: tray_icon_point(env), 30, what="the tray icon")
    env.mouse.click(x, y, button=button)
    return wait_until(lambda: env.probe.find(cls=MENU_CLASS, visible=True), 10,
                      what="the tray menu")[0]


def choose_from_tray(env, caption, button=3):
    """Opens the tray menu and chooses the item `caption` with the arrow keys and Enter."""
    open_tray_menu(env, button)
    for _ in range(MENU_ITEMS.index(caption) + 1):
        env.keyboard.tap("Down")
    env.keyboard.tap("Return")
    wait_until(lambda: not env.probe.find(cls=MENU_CLASS, visible=True), 10,
               what="the tray menu to close")


def dialog(env):
    """The Options dialog when it is shown, else None."""
    shown = [w for w in env.probe.find(cls=MAIN_CLASS, visible=True) if w.text == OPTIONS]
    return shown[0] if shown else None


def open_options(env):
    choose_from_tray(env, "Options")
    return wait_until(lambda: dialog(env), 15, what="the Options dialog")


def wait_closed(env):
    wait_until(lambda: dialog(env) is None, 10, what="the Options dialog to close")


class Controls:
    """The dialog's child controls, read once."""

    def __init__(self, env, window):
        self.env = env
        self.window = window
        self.all = env.probe.children(window.hwnd)

    def find(self, cls=None, text=None, visible=None):
        return [c for c in self.all if (cls is None or c.cls == cls)
                and (text is None or c.text == text) and (visible is None or c.visible == visible)]

    def one(self, cls=None, text=None):
        found = self.find(cls, text)
        assert len(found) == 1, f"{len(found)} controls of class {cls!r} with text {text!r}"
        return found[0]

    def button(self, caption):
        return self.one("Button", caption)

    def visible_page(self):
        pages = self.find(PAGE_CLASS, visible=True)
        assert len(pages) == 1, f"{len(pages)} pages shown"
        return pages[0]

    def list_view(self):
        return self.one(LIST_CLASS)

    def combo(self):
        return self.one(COMBO_CLASS)

    def checkboxes(self, page):
        """The text-less check boxes of a page, top to bottom."""
        boxes = [c for c in self.all if c.cls == "Button" and c.parent == page.hwnd and c.text == ""]
        return sorted(boxes, key=lambda c: c.rect[1])


def controls(env):
    return Controls(env, dialog(env))


def click(env, control):
    env.mouse.click(*control.center)


def apply_enabled(env):
    return env.probe.info(controls(env).button("Apply").hwnd).enabled


def next_tab(env):
    env.keyboard.chord("ctrl", "Tab")


def choose_trigger(env, index):
    """Picks trigger entry `index` in the drop-down list with the keyboard, as a person
    who clicked the box would."""
    c = controls(env)
    combo = c.combo()
    current = TRIGGERS.index(env.probe.text(combo.hwnd)) if env.probe.text(combo.hwnd) in TRIGGERS else 0
    click(env, combo)
    wait_until(lambda: env.probe.find(cls="ComboLBox", visible=True), 5, what="the open trigger list")
    key = "Down" if index > current else "Up"
    for _ in range(abs(index - current)):
        env.keyboard.tap(key)
    env.keyboard.tap("Return")
    wait_until(lambda: not env.probe.find(cls="ComboLBox", visible=True), 5, what="the list to close")
    wait_until(lambda: env.probe.text(combo.hwnd) == TRIGGERS[index], 5,
               what=f"the trigger {TRIGGERS[index]!r} to show")
