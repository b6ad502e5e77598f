"""Keys and mouse as a person presses them, through the X server.

XTest (python3-xlib) sends single X key events; that is the only way to get a real right
Alt: `xdotool keydown Alt_R` arrives in Wine as left Alt then right Alt, while X keycode
108 alone arrives as one extended VK_RMENU. xdotool drives the mouse and types text."""
import subprocess
import time
from contextlib import contextmanager

from Xlib import X, XK, display as xdisplay
from Xlib.ext import xtest

from .waiting import wait_until

RIGHT_ALT_KEYCODE = 108

# Names accepted by Keyboard.keycode besides X keysym names ("e", "Return", "F10", "Shift_L").
ALIASES = {
    "altgr": RIGHT_ALT_KEYCODE, "right-alt": RIGHT_ALT_KEYCODE, "ralt": RIGHT_ALT_KEYCODE,
    "alt": "Alt_L", "lalt": "Alt_L", "ctrl": "Control_L", "rctrl": "Control_R",
    "shift": "Shift_L", "enter": "Return", "esc": "Escape", "space": "space",
    "backspace": "BackSpace", "capslock": "Caps_Lock",
}


class Keyboard:
    def __init__(self, display_name, gap=0.02):
        self.display = xdisplay.Display(display_name)
        if not self.display.has_extension("XTEST"):
            raise RuntimeError("the X server has no XTEST extension")
        # A short gap between events keeps their order and timing realistic; the X server
        # keeps the order anyway, Wine's hooks see one event per X event.
        self.gap = gap

    def close(self):
        self.display.close()

    def keycode(self, key):
        """An X keycode from an int, an alias or a keysym name."""
        key = ALIASES.get(key, key) if isinstance(key, str) else key
        if isinstance(key, int):
            return key
        keysym = XK.string_to_keysym(key)
        if keysym == 0 and len(key) == 1:
            keysym = ord(key)
        code = self.display.keysym_to_keycode(keysym)
        if not code:
            raise ValueError(f"no keycode for key {key!r}")
        return code

    def _send(self, event, key):
        xtest.fake_input(self.display, event, self.keycode(key))
        self.display.sync()
        if self.gap:
            time.sleep(self.gap)

    def down(self, key):
        self._send(X.KeyPress, key)

    def up(self, key):
        self._send(X.KeyRelease, key)

    def tap(self, *keys):
        """Presses and releases each key in turn."""
        for key in keys:
            self.down(key)
            self.up(key)

    @contextmanager
    def hold(self, *keys):
        """Holds the keys down (in order) for the body, releases them in reverse order."""
        for key in keys:
            self.down(key)
        try:
            yield self
        finally:
            for key in reversed(keys):
                self.up(key)

    def right_alt_down(self):
        self.down(RIGHT_ALT_KEYCODE)

    def right_alt_up(self):
        self.up(RIGHT_ALT_KEYCODE)

    def chord(self, *keys):
        """Holds all but the last key and taps the last: chord("ctrl", "alt", "e")."""
        with self.hold(*keys[:-1]):
            self.tap(keys[-1])


def xdotool(display_name, *args, timeout=30):
    subprocess.run(["xdotool", *[str(a) for a in args]], check=True, timeout=timeout,
                   env={"DISPLAY": display_name, "PATH": "/usr/bin:/bin"})


class Mouse:
    """xdotool's mouse; Windows screen coordinates equal X coordinates, since the virtual
    desktop fills the X screen from its origin.

    A press near the previous one within the double-click time is a double click to
    Windows. click() and down() are single presses, so they let that time pass first;
    double_click() makes the pair on purpose."""

    double_click_ms = 500  # the prefix's default (HKCU\Control Panel\Mouse DoubleClickSpeed)
    double_click_size = 4  # SM_CXDOUBLECLK / SM_CYDOUBLECLK

    def __init__(self, display_name):
        self.display_name = display_name
        self._last_press = None  # (monotonic seconds, x, y)

    def _let_double_click_time_pass(self, x, y):
        if self._last_press:
            when, px, py = self._last_press
            half = self.double_click_size // 2
            remaining = when + self.double_click_ms / 1000 + 0.05 - time.monotonic()
            if abs(x - px) <= half and abs(y - py) <= half and remaining > 0:
                time.sleep(remaining)

    def move(self, x, y):
        # Not `mousemove --sync`: it waits for a motion event, and there is none when the
        # pointer is already there.
        xdotool(self.display_name, "mousemove", x, y)
        wait_until(lambda: self.position() == (x, y), 5, interval=0.02,
                   what=f"the pointer to reach {x}, {y}")

    def position(self):
        out = subprocess.run(["xdotool", "getmouselocation", "--shell"], check=True, timeout=30,
                             capture_output=True, text=True,
                             env={"DISPLAY": self.display_name, "PATH": "/usr/bin:/bin"}).stdout
        values = dict(line.split("=", 1) for line in out.split() if "=" in line)
        return (int(values["X"]), int(values["Y"]))

    def click(self, x, y, button=1, repeat=1):
        self.move(x, y)
        self._let_double_click_time_pass(x, y)
        xdotool(self.display_name, "click", "--repeat", repeat, button)
        self._last_press = (time.monotonic(), x, y)

    def double_click(self, x, y, button=1):
        self.click(x, y, button, repeat=2)

    def down(self, x, y, button=1):
        self.move(x, y)
        self._let_double_click_time_pass(x, y)
        xdotool(self.display_name, "mousedown", button)
        self._last_press = (time.monotonic(), x, y)

    def up(self, button=1):
        xdotool(self.display_name, "mouseup", button)

    def wheel(self, x, y, notches):
        """Positive notches roll away from the user (X button 4), negative towards (5).
        Wheel steps are no presses to Windows, so they leave the double-click time alone."""
        self.move(x, y)
        button = 4 if notches > 0 else 5
        xdotool(self.display_name, "click", "--repeat", abs(notches), button)


def type_text(display_name, text, delay_ms=30):
    """Types text with xdotool (any characters it can map onto the keyboard)."""
    xdotool(display_name, "type", "--delay", delay_ms, text)

