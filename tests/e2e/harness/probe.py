"""probe.exe seen from Python: windows, child controls, list views, menus, processes,
messages and the registry of the prefix, read from outside as a test sees them."""
import json
import os
import select
import subprocess
import time
from dataclasses import dataclass, field

WM_CLOSE = 0x0010


@dataclass
class Window:
    hwnd: int
    pid: int
    tid: int
    cls: str
    text: str
    visible: bool
    enabled: bool
    style: int
    exstyle: int
    id: int
    parent: int
    owner: int
    rect: list = field(default_factory=list)

    @classmethod
    def from_json(cls, data):
        return cls(**{name: data["class" if name == "cls" else name] for name in cls.__dataclass_fields__})

    @property
    def center(self):
        left, top, right, bottom = self.rect
        return ((left + right) // 2, (top + bottom) // 2)

    @property
    def width(self):
        return self.rect[2] - self.rect[0]

    @property
    def height(self):
        return self.rect[3] - self.rect[1]


class ProbeError(RuntimeError):
    pass


class Probe:
    """Answers come from one long-running `probe.exe serve` (a few milliseconds a call);
    a request the line protocol cannot carry (a tab or a line break in an argument) runs
    a one-shot probe.exe instead. When the prefix restarts, the server is started again."""

    def __init__(self, prefix, exe_windows_path):
        self.prefix = prefix
        self.exe = exe_windows_path
        self._server = None
        self._pending = b""
        prefix.before_restart.append(self.close)

    def call(self, *args, timeout=30):
        """Runs one probe command and returns its decoded JSON answer."""
        words = [str(a) for a in args]
        if any(("\t" in w or "\n" in w or "\r" in w) for w in words):
            return self._decode(args, self._run_once(words, timeout))
        return self._decode(args, self._ask_server(words, timeout))

    def close(self):
        server, self._server = self._server, None
        if server and server.poll() is None:
            try:
                server.stdin.close()
                server.wait(5)
            except (OSError, subprocess.TimeoutExpired):
                server.kill()
                server.wait()

    def _run_once(self, words, timeout):
        result = self.prefix.run([self.exe, *words], timeout=timeout)
        lines = [line for line in result.stdout.decode("utf-8", "replace").splitlines() if line.strip()]
        return lines[-1] if lines else ""

    def _ask_server(self, words, timeout):
        if self._server is None or self._server.poll() is not None:
            self._server = subprocess.Popen(["wine", self.exe, "serve"], env=self.prefix.env,
                                            stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                            stderr=subprocess.DEVNULL)
            self._pending = b""
        try:
            self._server.stdin.write(("\t".join(words) + "\n").encode("utf-8"))
            self._server.stdin.flush()
            return self._read_line(timeout)
        except (OSError, TimeoutError):
            # A dead or stuck server is replaced at the next call; this one fails.
            self._server.kill()
            self._server.wait()
            self._server = None
            raise

    def _read_line(self, timeout):
        # The pipe may outlive the server (services of the prefix inherit it), so reads
        # are bounded by select rather than by end of file.
        deadline = time.monotonic() + timeout
        fd = self._server.stdout.fileno()
        while b"\n" not in self._pending:
            left = deadline - time.monotonic()
            ready, _, _ = select.select([fd], [], [], max(left, 0))
            if not ready:
                raise TimeoutError("probe server did not answer")
            chunk = os.read(fd, 65536)
            if not chunk:
                raise OSError("probe server ended")
            self._pending += chunk
        line, self._pending = self._pending.split(b"\n", 1)
        return line.decode("utf-8", "replace")

    @staticmethod
    def _decode(args, line):
        if not line.strip():
            raise ProbeError(f"probe {args!r} answered nothing")
        answer = json.loads(line)
        if isinstance(answer, dict) and "error" in answer:
            raise ProbeError(f"probe {args!r}: {answer['error']}")
        return answer

    # Windows
    def windows(self):
        """Every top-level window, hidden ones included."""
        return [Window.from_json(w) for w in self.call("windows")]

    def find(self, text=None, cls=None, pid=None, visible=None):
        """Top-level windows matching every given property exactly."""
        return [w for w in self.windows()
                if (text is None or w.text == text) and (cls is None or w.cls == cls)
                and (pid is None or w.pid == pid) and (visible is None or w.visible == visible)]

    def children(self, hwnd):
        return [Window.from_json(w) for w in self.call("children", hwnd)]

    def info(self, hwnd):
        data = self.call("info", hwnd)
        return Window.from_json(data) if data.get("exists", True) else None

    def exists(self, hwnd):
        return self.info(hwnd) is not None

    def text(self, hwnd):
        return self.call("text", hwnd)["text"]

    def focus(self):
        """{"foreground", "active", "focus", "capture", "menuowner", "inmenu"} of the
        foreground thread."""
        return self.call("focus")

    def screen(self):
        return self.call("screen")

    def listview(self, hwnd):
        """{"columns": [...], "rows": [{"texts", "checked", "selected", "focused"}], "top"}"""
        return self.call("listview", hwnd)

    def send(self, hwnd, message, wparam=0, lparam=0):
        return self.call("send", hwnd, message, wparam, lparam)

    def post(self, hwnd, message, wparam=0, lparam=0):
        return self.call("post", hwnd, message, wparam, lparam)

    def settext(self, hwnd, text):
        return self.call("settext", hwnd, text)

    # Processes
    def processes(self, exe=None):
        procs = self.call("procs")
        if exe is None:
            return procs
        return [p for p in procs if p["exe"].lower() == exe.lower()]

    def kill(self, pid, exe=None):
        """Ends a process; with `exe`, only if the id still names a process of that image
        (ids are reused at once)."""
        return self.call("kill", pid, *([exe] if exe else []))["ok"]

    def kill_all(self, exe):
        """Ends every process of that image name; returns how many."""
        return self.call("killall", exe)["killed"]

    # Registry (the prefix's 64-bit view, as zavora.exe sees it)
    def reg_get(self, key, name):
        """The value's text for string types, None when missing."""
        data = self.call("regget", key, name)
        return data.get("text") if data["exists"] else None

    def reg_set(self, key, name, text):
        """Writes a REG_SZ value."""
        answer = self.call("regset", key, name, "sz", text)
        if not answer["ok"]:
            raise ProbeError(f"could not write {key}\\{name}")

    def reg_delete(self, key, name=None):
        args = ["regdel", key] + ([name] if name is not None else [])
        return self.call(*args)["ok"]

    def reg_list(self, key):
        return self.call("reglist", key)
