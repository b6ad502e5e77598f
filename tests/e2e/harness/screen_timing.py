"""When a window reaches the screen after a key, timed from the X server's side.

In Wine's virtual desktop every top-level window is an X window inside the desktop's X
window: its MapNotify is the moment it becomes visible, and the first Damage in its area
after that is the moment its first frame is on screen (Wine draws into a window surface
and copies it to X). Both are seen by a client of our own, so the figures include the
whole path a user waits for and nothing of the program's own account of it.
"""
import os
import select
import time

from Xlib import X, display as xdisplay
from Xlib.ext import damage, xtest


class ScreenTiming:
    def __init__(self, display_name):
        self.display = xdisplay.Display(display_name)
        if not self.display.has_extension("DAMAGE"):
            raise RuntimeError("the X server has no DAMAGE extension")
        self.display.damage_query_version()
        self.root = self.display.screen().root
        self.root.damage_create(damage.DamageReportRawRectangles)
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        for child in self.root.query_tree().children:  # the virtual desktop's window
            child.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.display.sync()

    def close(self):
        self.display.close()

    def _events(self, until):
        """Events as they arrive, each with its arrival time, until the monotonic time."""
        while True:
            while self.display.pending_events():
                yield time.monotonic(), self.display.next_event()
            left = until - time.monotonic()
            if left <= 0:
                return
            select.select([self.display.fileno()], [], [], left)

    def drain(self):
        for _ in self._events(time.monotonic()):
            pass

    def press(self, keycode, timeout=5.0):
        """Presses the key and returns (ms to the map of a window, ms to the first
        damage inside it); None for what did not happen within the timeout."""
        self.drain()
        start = time.monotonic()
        xtest.fake_input(self.display, X.KeyPress, keycode)
        self.display.flush()
        mapped = None  # (time, left, top, right, bottom)
        for when, event in self._events(start + timeout):
            if mapped is None and event.type == X.MapNotify:
                box = self._root_box(event.window)
                if box:
                    mapped = (when, *box)
            elif mapped and event.type == self.display.extension_event.DamageNotify:
                area = event.area
                if (area.x < mapped[3] and area.x + area.width > mapped[1] and
                        area.y < mapped[4] and area.y + area.height > mapped[2]):
                    return (mapped[0] - start) * 1000, (when - start) * 1000
        return ((mapped[0] - start) * 1000 if mapped else None), None

    def release(self, keycode):
        xtest.fake_input(self.display, X.KeyRelease, keycode)
        self.display.sync()

    def _root_box(self, window):
        try:
            geometry = window.get_geometry()
            origin = window.translate_coords(self.root, 0, 0)
        except Exception:  # the window is gone again
            return None
        left, top = -origin.x, -origin.y
        return left, top, left + geometry.width, top + geometry.height


def private_memory_kib(prefix_path, exe_name):
    """Anonymous resident memory (RssAnon, KiB) of each Wine process running `exe_name`
    in the prefix, by its command line: what the program itself holds, without the
    shared libraries and files it maps."""
    found = {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                words = [w.decode("utf-8", "replace") for w in f.read().split(b"\0") if w]
            if not words or not words[0].lower().endswith(exe_name.lower()):
                continue
            with open(f"/proc/{pid}/environ", "rb") as f:
                if f"WINEPREFIX={prefix_path}".encode() not in f.read().split(b"\0"):
                    continue
            with open(f"/proc/{pid}/status") as f:
                rss = [int(line.split()[1]) for line in f if line.startswith("RssAnon:")]
            found[" ".join([exe_name, *words[1:]])] = rss[0]
        except (OSError, IndexError):
            continue
    return found
