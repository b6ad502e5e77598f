"""target.exe: a window with a menu bar and an edit box that logs what it receives."""
import os

from .prefix import windows_path
from .waiting import wait_until

DEFAULT_CAPTION = "Zavora E2E Target"


class Event:
    """One log line: kind ("CHAR", "SYSCHAR", "KEYDOWN", "ENTERMENULOOP", ...) and fields."""

    def __init__(self, line):
        parts = line.split()
        self.kind = parts[0] if parts else ""
        self.fields = parts[1:]

    @property
    def code(self):
        """The character of CHAR/SYSCHAR, or the virtual key of a key event, as an int."""
        return int(self.fields[0], 16)

    def __repr__(self):
        return " ".join([self.kind, *self.fields])


class Target:
    def __init__(self, prefix, probe, exe_windows_path, log_path, caption=DEFAULT_CAPTION,
                 position=(100, 100)):
        self.prefix = prefix
        self.probe = probe
        self.exe = exe_windows_path
        self.log_path = log_path
        self.caption = caption
        self.position = position
        self.process = None
        self.hwnd = self.edit = self.pid = None

    def start(self, timeout=30):
        """Starts the window and waits until it reports itself ready with the focus."""
        self.clear()
        self.process = self.prefix.start([self.exe, windows_path(self.log_path), self.caption,
                                          *map(str, self.position)], "target")
        ready = wait_until(lambda: [e for e in self.events() if e.kind == "READY"], timeout,
                           what="target.exe to start")[0]
        self.hwnd, self.edit, self.pid = (int(f) for f in ready.fields)
        self.wait_focused()
        return self

    # The log
    def lines(self):
        if not os.path.exists(self.log_path):
            return []
        with open(self.log_path, encoding="utf-8", errors="replace") as log:
            return [line.rstrip("\n") for line in log if line.strip()]

    def events(self, *kinds):
        events = [Event(line) for line in self.lines()]
        return [e for e in events if not kinds or e.kind in kinds]

    def clear(self):
        """Empties the log; target.exe appends, so its next line starts the new log."""
        open(self.log_path, "w").close()

    def chars(self):
        """Text received as WM_CHAR (UTF-16 code units joined)."""
        return "".join(chr(e.code) for e in self.events("CHAR"))

    def syschars(self):
        return "".join(chr(e.code) for e in self.events("SYSCHAR"))

    def typed(self):
        """Every character received, WM_CHAR or WM_SYSCHAR, in order."""
        return "".join(chr(e.code) for e in self.events("CHAR", "SYSCHAR"))

    def menu_entered(self):
        return any(e.kind in ("ENTERMENULOOP", "INITMENU") for e in self.events())

    def wait_for_chars(self, text, timeout=10):
        """Waits until the characters received (WM_CHAR and WM_SYSCHAR) end with `text`."""
        return wait_until(lambda: self.typed().endswith(text), timeout,
                          what=f"target to receive {text!r} (got {self.typed()!r})")

    def wait_for_event(self, kind, timeout=10):
        return wait_until(lambda: self.events(kind), timeout, what=f"target event {kind}")

    # The window
    def text(self):
        """The edit box's content, read from outside."""
        return self.probe.text(self.edit)

    def has_focus(self):
        focus = self.probe.focus()
        return focus["focus"] == self.edit and focus["foreground"] == self.hwnd

    def wait_focused(self, timeout=15):
        return wait_until(self.has_focus, timeout, what="the target's edit box to have the focus")

    def click_into(self, mouse):
        """Clicks into the edit box, which gives it the keyboard focus."""
        x, y = self.probe.info(self.edit).center
        mouse.click(x, y)
        self.wait_focused()

    def close(self):
        if self.pid:
            self.probe.kill(self.pid, "target.exe")
        if self.process:
            self.process.wait(30)
