"""The tray icon and the Options dialog seen from outside, as a person uses them: the
icon found on the virtual desktop's taskbar, its menu, the dialog's controls by class and
caption, clicks and keys, message boxes."""
from Xlib import X
from Xlib import display as xdisplay

from harness.waiting import wait_until
from harness.zavora import OPTIONS, MAIN_CLASS
from popup_ui import launch

MENU_CLASS = "#32768"
PAGE_CLASS = "#32770"  # the pages, and message boxes
# The tray menu's items, in groups between its two separators. Another process cannot
# read a menu's items under Wine, nor an open menu get keys while our keyboard hook is
# installed: the scenarios click the items, found by the separators drawn in the menu.
MENU_GROUPS = [["Tutorial"], ["About", "Options", "Help"], ["Exit"]]


def twips(value, dpi):
    """Pixels of a length in twips, halves to the even neighbour as the program rounds."""
    return round(value * dpi / 1440)


def start(env, zavora, *args, user=None, machine=None):
    """zavora.exe with the test language, settled, with its tray icon on the taskbar."""
    launch(zavora, *args, user=user, machine=machine)
    zavora.wait_settled(timeout=60)
    wait_until(lambda: tray_icon_point(env), 30, what="the tray icon on the taskbar")


def _differing(env, x, y, width, height, threshold):
    """Offsets along a one-pixel row or column of the screen whose colour differs from the
    pixel in its middle (the background) by more than `threshold`."""
    d = xdisplay.Display(env.display)
    try:
        data = d.screen().root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF).data
    finally:
        d.close()
    pixels = [data[i:i + 3] for i in range(0, len(data), 4)]
    background = pixels[0] if height == 1 else pixels[len(pixels) // 2]
    return [i for i, p in enumerate(pixels) if sum(abs(a - b) for a, b in zip(p, background)) > threshold]


def _runs(offsets, gap):
    """Runs of offsets that lie at most `gap` apart: [[first, last], ...]."""
    runs = []
    for i in offsets:
        if runs and i - runs[-1][1] <= gap:
            runs[-1][1] = i
        else:
            runs.append([i, i])
    return runs


def tray_icon_point(env):
    """The middle of the rightmost icon in the taskbar's notification area, found in the
    pixels of the taskbar's middle row (the background at its left); None while there is none."""
    bars = env.probe.find(cls="Shell_TrayWnd", visible=True)
    if not bars:
        return None
    left, top, right, bottom = bars[0].rect
    span, y = min(200, right - left), (top + bottom) // 2
    runs = _runs(_differing(env, right - span, y, span, 1, 60), 4)
    return (right - span + sum(runs[-1]) // 2, y) if runs else None


def menu_item_points(env, menu):
    """{caption: (x, y)} for the shown tray menu, from the separator lines that cross a
    column near its left edge (the captions start further right); None until the menu
    shows exactly its two separators (it may not be drawn yet, or the icon's tooltip may
    still lie over its lower end)."""
    left, top, right, bottom = menu.rect
    height = bottom - top
    runs = _runs([i for i in _differing(env, left + 8, top, 1, height, 30) if 4 < i < height - 5], 2)
    if len(runs) != 2:
        return None
    edges = [(3, runs[0][0] - 3), (runs[0][1] + 4, runs[1][0] - 3), (runs[1][1] + 4, height - 3)]
    points = {}
    for (first, last), captions in zip(edges, MENU_GROUPS):
        step = (last - first) / len(captions)
        for n, caption in enumerate(captions):
            points[caption] = ((left + right) // 2, top + int(first + step * (n + 0.5)))
    return points


def open_tray_menu(env, button=3):
    """Clicks the tray icon (right button by default) and returns the shown menu."""
    env.mouse.click(*wait_until(lambda: tray_icon_point(env), 30, what="the tray icon"), button=button)
    return env.probe.wait_shown(cls=MENU_CLASS)


def choose_from_tray(env, caption):
    """Opens the tray menu and clicks the item `caption`."""
    menu = open_tray_menu(env)
    points = wait_until(lambda: menu_item_points(env, menu), 10,
                        what="the tray menu drawn with its two separators")
    env.mouse.click(*points[caption])
    env.probe.wait_gone(cls=MENU_CLASS, visible=True)


def dialog(env):
    """The Options dialog when it is shown, else None."""
    return next(iter(env.probe.find(cls=MAIN_CLASS, text=OPTIONS, visible=True)), None)


def open_options(env):
    choose_from_tray(env, "Options")
    return wait_dialog(env)


def wait_dialog(env):
    """The Options dialog once it has the keyboard (keys typed before it is active with a
    focused control would go elsewhere)."""
    window = wait_until(lambda: dialog(env), 60, what="the Options dialog")
    wait_until(lambda: (lambda f: f["foreground"] == window.hwnd and f["focus"])(env.probe.focus()), 10,
               what="the Options dialog to take the keyboard")
    return window


def wait_closed(env):
    wait_until(lambda: dialog(env) is None, 10, what="the Options dialog to close")


def controls(env, cls=None, text=None, window=None, **properties):
    """Child controls of `window` (the Options dialog) at every level, by class, shown
    text ("&Yes" reads "Yes") and other properties (visible=True, parent=...)."""
    return [c for c in env.probe.children((window or dialog(env)).hwnd)
            if cls in (None, c.cls) and text in (None, caption(c.text))
            and all(getattr(c, name) == value for name, value in properties.items())]


def one(env, cls, text=None, window=None, **properties):
    found = controls(env, cls, text, window, **properties)
    assert len(found) == 1, f"{len(found)} controls of class {cls!r} with text {text!r}"
    return found[0]


def button(env, text, window=None):
    return one(env, "Button", text, window)


def page(env):
    """The Options page shown."""
    return one(env, PAGE_CLASS, visible=True)


def click(env, control):
    env.mouse.click(*control.center)


def enabled(env, control):
    return env.probe.info(control.hwnd).enabled


def caption(text):
    """A control's text as shown: "&Yes" reads "Yes", "&&" is one "&"."""
    return text.replace("&&", "\0").replace("&", "").replace("\0", "&")


def answer_message_box(env, text, answer):
    """Waits for the program's message box (captioned "Kelvra Zavora") to show `text`,
    then clicks the button `answer` and waits for the box to close."""
    box = env.probe.wait_shown(cls=PAGE_CLASS, text="Kelvra Zavora")
    assert text in [c.text for c in controls(env, window=box)]
    click(env, button(env, answer, box))
    wait_until(lambda: not getattr(env.probe.info(box.hwnd), "visible", False), 10,
               what="the message box to close")


def next_page(env):
    """Ctrl+Tab to the next page, waiting until it shows; returns it."""
    pages = [p.hwnd for p in controls(env, PAGE_CLASS)]
    following = pages[pages.index(page(env).hwnd) + 1]
    with env.keyboard.hold("ctrl"):
        env.keyboard.tap("Tab")
    return wait_until(lambda: (lambda p: p.hwnd == following and p)(page(env)), 15, what="the next page")
