"""Keys and mouse as a person uses them, through the X server's XTest extension (so they
reach the low-level hooks).

Single X key events are the only way to get a real right Alt: `xdotool keydown Alt_R`
arrives in Wine as left Alt then right Alt, while X keycode 108 alone arrives as one
extended VK_RMENU."""
import time
from contextlib import contextmanager

from Xlib import X, XK, display as xdisplay
from Xlib.ext import xtest

RIGHT_ALT_KEYCODE = 108
# Names besides X keysym names ("e", "Return", "F10", "Down", "space").
ALIASES = {"altgr": RIGHT_ALT_KEYCODE, "alt": "Alt_L", "ctrl": "Control_L", "shift": "Shift_L"}


class Keyboard:
    def __init__(self, display_name):
        self.display = xdisplay.Display(display_name)

    def send(self, event, detail=0, **where):
        xtest.fake_input(self.display, event, detail, **where)
        self.display.sync()
        # A short gap, as between a person's events; Wine's hooks see one event per X event.
        time.sleep(0.02)

    def keycode(self, key):
        """An X keycode from an int, an alias or a keysym name."""
        key = ALIASES.get(key, key)
        code = key if isinstance(key, int) else self.display.keysym_to_keycode(XK.string_to_keysym(key))
        if not code:
            raise ValueError(f"no keycode for key {key!r}")
        return code

    def down(self, key):
        self.send(X.KeyPress, self.keycode(key))

    def up(self, key):
        self.send(X.KeyRelease, self.keycode(key))

    def tap(self, *keys):
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

    def type(self, letters):
        """Types letters, capitals with Shift held."""
        for letter in letters:
            with self.hold(*["shift"] * letter.isupper()):
                self.tap(letter.lower())

    def pressed(self):
        """The keycodes held down now."""
        keymap = self.display.query_keymap()
        return [code for code in range(8, 256) if keymap[code // 8] & (1 << (code % 8))]


class Mouse:
    """The pointer and its buttons; Windows screen coordinates equal X coordinates, since
    the virtual desktop fills the X screen from its origin.

    A press within 4 pixels of the previous one and within the double-click time (500 ms,
    the prefix's default) is a double click to Windows: click() and down() let that time
    pass first, so they stay single presses; double_click() makes the pair on purpose."""

    def __init__(self, keyboard):
        self.keyboard = keyboard
        self._last_press = (0.0, -10, -10)  # monotonic seconds, x, y

    def move(self, x, y):
        self.keyboard.send(X.MotionNotify, x=x, y=y)

    def down(self, x, y, button=1):
        self.move(x, y)
        when, px, py = self._last_press
        if abs(x - px) <= 2 and abs(y - py) <= 2:
            time.sleep(max(0.0, when + 0.55 - time.monotonic()))
        self.keyboard.send(X.ButtonPress, button)
        self._last_press = (time.monotonic(), x, y)

    def up(self, button=1):
        self.keyboard.send(X.ButtonRelease, button)

    def click(self, x, y, button=1):
        self.down(x, y, button)
        self.up(button)

    def double_click(self, x, y):
        self.click(x, y)
        self.keyboard.send(X.ButtonPress, 1)
        self.up()

    def wheel(self, x, y, notches):
        """Positive notches roll away from the user (X button 4), negative towards (5).
        Wheel steps are no presses to Windows, so they leave the double-click time alone."""
        self.move(x, y)
        for _ in range(abs(notches)):
            self.keyboard.send(X.ButtonPress, 4 if notches > 0 else 5)
            self.keyboard.send(X.ButtonRelease, 4 if notches > 0 else 5)
