"""probe.exe seen from Python: windows, controls, list views, processes, messages and the
registry of the prefix, read from outside as a test sees them. One long-running probe.exe
answers (a few milliseconds a call); it starts again after the prefix restarts."""
import json
import os
import select
import subprocess
import time
from types import SimpleNamespace

from .waiting import wait_until

WM_CLOSE = 0x0010


class Window(SimpleNamespace):
    """A window as the probe describes it: hwnd, pid, cls, text, visible, enabled, style,
    exstyle, parent, rect (left, top, right, bottom on the screen)."""

    center = property(lambda w: ((w.rect[0] + w.rect[2]) // 2, (w.rect[1] + w.rect[3]) // 2))
    width = property(lambda w: w.rect[2] - w.rect[0])
    height = property(lambda w: w.rect[3] - w.rect[1])


class Probe:
    def __init__(self, prefix, exe_windows_path):
        self.prefix = prefix
        self.exe = exe_windows_path
        self._server = None
        self._pending = b""
        prefix.before_restart.append(self.close)

    def call(self, *args, timeout=30):
        """Runs one probe command (arguments without tabs or line breaks) and returns its
        decoded JSON answer."""
        if self._server is None or self._server.poll() is not None:
            # Wine's own messages go to the log: they tell why a server ended.
            with open(os.path.join(self.prefix.log_dir, "probe.log"), "ab") as log:
                self._server = subprocess.Popen(["wine", self.exe], env=self.prefix.env,
                                                stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=log)
            self._pending = b""
        try:
            self._server.stdin.write(("\t".join(map(str, args)) + "\n").encode("utf-8"))
            self._server.stdin.flush()
            answer = json.loads(self._read_line(timeout))
        except (OSError, TimeoutError):
            # A dead or stuck server is replaced at the next call; this one fails.
            self._server.kill()
            self._server.wait()
            self._server = None
            raise
        if isinstance(answer, dict) and "error" in answer:
            raise RuntimeError(f"probe {args!r}: {answer['error']}")
        return answer

    def _read_line(self, timeout):
        # The pipe may outlive the server (services of the prefix inherit it), so reads
        # are bounded by select rather than by end of file.
        deadline = time.monotonic() + timeout
        fd = self._server.stdout.fileno()
        while b"\n" not in self._pending:
            ready, _, _ = select.select([fd], [], [], max(deadline - time.monotonic(), 0))
            if not ready:
                raise TimeoutError("probe server did not answer")
            chunk = os.read(fd, 65536)
            if not chunk:
                raise OSError("probe server ended")
            self._pending += chunk
        line, self._pending = self._pending.split(b"\n", 1)
        return line.decode("utf-8", "replace")

    def close(self):
        server, self._server = self._server, None
        if server and server.poll() is None:
            server.stdin.close()
            try:
                server.wait(5)
            except subprocess.TimeoutExpired:
                server.kill()
                server.wait()

    # Windows: top-level ones (hidden ones included) and child controls at every level.
    def find(self, text=None, cls=None, visible=None):
        """Top-level windows matching every given property exactly."""
        return [w for w in map(lambda data: Window(**data), self.call("windows"))
                if (text is None or w.text == text) and (cls is None or w.cls == cls)
                and (visible is None or w.visible == visible)]

    def wait_shown(self, timeout=10, **match):
        """The first shown top-level window matching (as find does), once there is one."""
        return wait_until(lambda: next(iter(self.find(visible=True, **match)), None), timeout,
                          what=f"a window {match} shown")

    def wait_gone(self, timeout=10, **match):
        """Waits until no top-level window matches (visible=True: none is shown)."""
        wait_until(lambda: not self.find(**match), timeout, what=f"no window {match}")

    def children(self, hwnd):
        return [Window(**data) for data in self.call("children", hwnd)]

    def info(self, hwnd):
        """The window, or None once it is gone."""
        data = self.call("info", hwnd)
        return Window(**data) if data else None

    def exists(self, hwnd):
        return self.info(hwnd) is not None

    # Every other command is a method of its name, answered as it comes: tools/probe.h
    # lists them with their arguments and answers.
    def __getattr__(self, name):
        if name.startswith("_"):
            raise AttributeError(name)
        return lambda *args: self.call(name, *args)

    def reg_set(self, key, name, text):
        assert self.call("reg_set", key, name, text), f"could not write {key}\\{name}"
