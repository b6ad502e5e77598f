"""target.exe (tests/e2e/tools/target_main.cpp): a window with a menu bar and an edit box
that logs the characters it receives and whether its menu bar was entered."""
import os

from .waiting import wait_until


class Target:
    def __init__(self, prefix, probe, log_path, caption, position):
        self.probe = probe
        self.log_path = log_path
        self.clear()
        prefix.start(["C:\\e2e-tools\\target.exe", "Z:" + log_path.replace("/", "\\"), caption,
                      *map(str, position)], "target")
        ready = wait_until(lambda: self._lines("READY"), 30, what="target.exe to start")[0]
        self.hwnd, self.edit, self.pid = map(int, ready)
        self.wait_focused()

    def _lines(self, *kinds):
        """The fields of the log lines of those kinds, in order."""
        if not os.path.exists(self.log_path):
            return []
        with open(self.log_path, encoding="utf-8", errors="replace") as log:
            return [words[1:] for words in map(str.split, log) if words and words[0] in kinds]

    def clear(self):
        """Empties the log; target.exe appends, so its next line starts the new log."""
        open(self.log_path, "w").close()

    def chars(self, *kinds):
        """Text received as WM_CHAR (or the messages named: "CHAR", "SYSCHAR")."""
        return "".join(chr(int(fields[0], 16)) for fields in self._lines(*(kinds or ["CHAR"])))

    def typed(self):
        """Every character received, WM_CHAR or WM_SYSCHAR, in order."""
        return self.chars("CHAR", "SYSCHAR")

    def menu_entered(self):
        return bool(self._lines("ENTERMENULOOP", "INITMENU"))

    def wait_for_chars(self, text, timeout=10):
        """Waits until the characters received (WM_CHAR and WM_SYSCHAR) end with `text`."""
        return wait_until(lambda: self.typed().endswith(text), timeout,
                          what=f"target to receive {text!r} (got {self.typed()!r})")

    def text(self):
        """The edit box's content, read from outside."""
        return self.probe.text(self.edit)

    def has_focus(self):
        focus = self.probe.focus()
        return focus["focus"] == self.edit and focus["foreground"] == self.hwnd

    def wait_focused(self):
        return wait_until(self.has_focus, 15, what="the target's edit box to have the focus")

    def click_into(self, mouse):
        """Clicks into the edit box, which gives it the keyboard focus."""
        mouse.click(*self.probe.info(self.edit).center)
        self.wait_focused()
