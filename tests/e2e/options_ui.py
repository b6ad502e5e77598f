"""The tray icon and the Options dialog seen from outside, as a person uses them: the
icon found on the virtual desktop's taskbar, its menu, the dialog's controls by class and
caption, clicks and keys. Shared by the tray and Options scenarios."""
from Xlib import X
from Xlib import display as xdisplay

from harness.waiting import wait_until
from harness.zavora import OPTIONS, MAIN_CLASS
from popup_ui import TEST_LANGUAGE

TRAY_CLASS = "Shell_TrayWnd"
MENU_CLASS = "#32768"
LIST_CLASS = "SysListView32"
COMBO_CLASS = "ComboBox"
PAGE_CLASS = "#32770"
# A user language whose key e offers é è ê ë, so nothing depends on the shipped data.
TRIGGERS = ["Alt Gr (Right Alt)", "Ctrl + Alt", "F10", "F11", "F12"] + \
    [f"Ctrl + F{n}" for n in range(1, 13)]


def twips(value, dpi):
    """Pixels of a length in twips, halves to the even neighbour as the program rounds."""
    return round(value * dpi / 1440)


def start(env, zavora, *args, user=None, machine=None):
    """zavora.exe with the test language, settled, with its tray icon on the taskbar."""
    settings = {"Languages": "Testlang", "AutoStart": "No", **(user or {})}
    languages = {r"Languages\Testlang": TEST_LANGUAGE, **(machine or {})}
    zavora.start(*args, user=settings, machine=languages)
    zavora.wait_settled(options=1, service=1, timeout=60)
    wait_until(lambda: tray_icon_point(env), 30, what="the tray icon on the taskbar")


def _pixels(display_name, x, y, width, height):
    """A one-pixel row or column of the screen: a list of (r, g, b)."""
    d = xdisplay.Display(display_name)
    try:
        data = d.screen().root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF).data
        return [(data[i + 2], data[i + 1], data[i]) for i in range(0, width * height * 4, 4)]
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
    row = _pixels(env.display, right - span, y, span, 1)
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


# The menu's items, in groups between its two separators. Wine keeps a menu's items in
# the process that made it, so another process cannot read them; and while our keyboard
# hook is installed Wine gives the keys to the hook but not to the open menu. The
# scenarios therefore click the items, found by the separators drawn in the menu.
MENU_GROUPS = [["Tutorial"], ["About", "Options", "Help"], ["Exit"]]


def menu_item_points(env, menu):
    """{caption: (x, y)} for the shown tray menu, from the separator lines that cross a
    column near its left edge (the captions start further right); None until the menu
    shows exactly its two separators (it may not be drawn yet, or the icon's tooltip may
    still lie over its lower end)."""
    left, top, right, bottom = menu.rect
    column = _pixels(env.display, left + 8, top, 1, bottom - top)
    background = column[len(column) // 2]
    # Rows of the column that are not the menu's background: the border and separators.
    marked = [i for i, pixel in enumerate(column) if sum(abs(a - b) for a, b in zip(pixel, background)) > 30]
    inner = [i for i in marked if 4 < i < len(column) - 5]
    runs = []
    for i in inner:
        if runs and i - runs[-1][1] <= 2:
            runs[-1][1] = i
        else:
            runs.append([i, i])
    if len(runs) != 2:
        return None
    edges = [(3, runs[0][0] - 3), (runs[0][1] + 4, runs[1][0] - 3), (runs[1][1] + 4, len(column) - 3)]
    points = {}
    for (first, last), captions in zip(edges, MENU_GROUPS):
        height = (last - first) / len(captions)
        for n, caption in enumerate(captions):
            points[caption] = ((left + right) // 2, top + int(first + height * (n + 0.5)))
    return points


def open_tray_menu(env, button=3):
    """Clicks the tray icon (right button by default) and returns the shown menu."""
    x, y = wait_until(lambda: tray_icon_point(env), 30, what="the tray icon")
    env.mouse.click(x, y, button=button)
    return wait_until(lambda: env.probe.find(cls=MENU_CLASS, visible=True), 10,
                      what="the tray menu")[0]


def choose_from_tray(env, caption, button=3):
    """Opens the tray menu and clicks the item `caption`."""
    menu = open_tray_menu(env, button)
    points = wait_until(lambda: menu_item_points(env, menu), 10,
                        what="the tray menu drawn with its two separators")
    env.mouse.click(*points[caption])
    wait_until(lambda: not env.probe.find(cls=MENU_CLASS, visible=True), 10,
               what="the tray menu to close")


def dialog(env):
    """The Options dialog when it is shown, else None."""
    shown = [w for w in env.probe.find(cls=MAIN_CLASS, visible=True) if w.text == OPTIONS]
    return shown[0] if shown else None


def open_options(env):
    choose_from_tray(env, "Options")
    window = wait_until(lambda: dialog(env), 15, what="the Options dialog")
    # Keys typed before the dialog is active with a focused control would go elsewhere.
    wait_until(lambda: has_keyboard(env, window), 10, what="the Options dialog to take the keyboard")
    return window


def has_keyboard(env, window):
    focus = env.probe.focus()
    return focus["foreground"] == window.hwnd and focus["focus"] != 0


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


def checked(env, box):
    return env.probe.send(box.hwnd, 0x00F0)["result"] == 1  # BM_GETCHECK


def caption(text):
    """A control's text as shown: "&Yes" reads "Yes", "&&" is one "&"."""
    return text.replace("&&", "\0").replace("&", "").replace("\0", "&")


def message_box(env, text):
    """The program's message box (captioned "Kelvra Zavora") once it shows `text`."""
    box = wait_until(lambda: next(iter(env.probe.find(cls=PAGE_CLASS, text="Kelvra Zavora",
                                                      visible=True)), None), 10, what="a message box")
    texts = [env.probe.text(c.hwnd) for c in env.probe.children(box.hwnd)]
    assert text in texts, texts
    return box


def answer(env, box, button):
    click(env, next(c for c in env.probe.children(box.hwnd)
                    if c.cls == "Button" and caption(env.probe.text(c.hwnd)) == button))
    wait_until(lambda: not env.probe.exists(box.hwnd) or not env.probe.info(box.hwnd).visible, 10,
               what="the message box to close")


def apply_enabled(env):
    return env.probe.info(controls(env).button("Apply").hwnd).enabled


def next_page(env):
    """Ctrl+Tab to the next page; returns the controls once it shows."""
    pages = controls(env).find(PAGE_CLASS)
    shown = controls(env).visible_page().hwnd
    following = pages[[p.hwnd for p in pages].index(shown) + 1].hwnd
    env.keyboard.chord("ctrl", "Tab")
    wait_until(lambda: controls(env).visible_page().hwnd == following, 15, what="the next page")
    return controls(env)


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
