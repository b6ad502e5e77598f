"""A private 64-bit Wine prefix whose windows all live in one virtual desktop."""
import os
import subprocess
import tempfile

from .waiting import wait_until


class WinePrefix:
    def __init__(self, path, display, log_dir):
        self.path = path
        self.log_dir = log_dir
        self._started = []
        # Called before the wineserver is ended, by those that keep a program running.
        self.before_restart = []
        os.makedirs(log_dir, exist_ok=True)
        self.env = dict(os.environ, WINEPREFIX=path, WINEARCH="win64", WINEDEBUG="-all", DISPLAY=display,
                        # No Mono/Gecko prompts in a fresh prefix, and no shortcut made in the
                        # prefix (by the setup program) copied into the host's desktop menus.
                        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")

    def drive_c(self, *parts):
        return os.path.join(self.path, "drive_c", *parts)

    def create(self):
        """wineboot, then what must be in place before the first window: the virtual
        desktop filling the screen, and no crash dialog (a crashing program ends quietly,
        its backtrace in its log, instead of holding the test until its time bound)."""
        self._tool("wineboot", "-i")
        subprocess.run(["wineserver", "-w"], env=self.env, timeout=120)
        self._reg(r"HKCU\Software\Wine\Explorer", "Desktop", "REG_SZ", "Default")
        self._reg(r"HKCU\Software\Wine\Explorer\Desktops", "Default", "REG_SZ", "1024x768")
        self._reg(r"HKCU\Software\Wine\WineDbg", "ShowCrashDialog", "REG_DWORD", "0")
        self.restart()

    def set_dpi(self, dpi):
        """Screen DPI for the next programs; restarts the wineserver (every program in the
        prefix ends)."""
        self._reg(r"HKCU\Control Panel\Desktop", "LogPixels", "REG_DWORD", str(dpi))
        self.restart()

    def _reg(self, key, name, kind, data):
        self._tool("wine", "reg", "add", key, "/v", name, "/t", kind, "/d", data, "/f")

    def _tool(self, *argv):
        with open(os.path.join(self.log_dir, "wine-tools.log"), "ab") as log:
            subprocess.run(argv, env=self.env, stdout=log, stderr=log, timeout=300, check=True)

    def run(self, argv, timeout=60):
        """Runs a program in the prefix to its end; returns the CompletedProcess (bytes).
        Output goes through files, not pipes: the first program of a wineserver session
        starts the prefix's services, which inherit its handles and would hold a pipe
        open long after the program has ended."""
        with tempfile.TemporaryFile() as out:
            process = subprocess.run(["wine", *argv], env=self.env, stdin=subprocess.DEVNULL, stdout=out,
                                     stderr=subprocess.DEVNULL, timeout=timeout)
            out.seek(0)
            process.stdout = out.read()
        return process

    def start(self, argv, log_name):
        """Starts a program in the prefix and returns its Popen; its output goes to
        <log_dir>/<log_name>.log."""
        with open(os.path.join(self.log_dir, f"{log_name}.log"), "ab") as log:
            process = subprocess.Popen(["wine", *argv], env=self.env, stdin=subprocess.DEVNULL,
                                       stdout=log, stderr=log)
        self._started = [p for p in self._started if p.poll() is None] + [process]
        return process

    def restart(self):
        """Ends every program of the prefix and its wineserver, and returns once none of
        them is left: the programs end on their own after their server has gone, and one
        still ending can take a program started next along with it."""
        for callback in self.before_restart:
            callback()
        subprocess.run(["wineserver", "-k"], env=self.env, timeout=60, stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=self.env, timeout=60)
        wait_until(lambda: not self.processes(), 30, what="every process of the prefix to end")

    def processes(self):
        """The pids of the running processes of this prefix (the wineserver included)."""
        mark = b"\0WINEPREFIX=" + self.path.encode() + b"\0"
        found = []
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/environ", "rb") as environ:
                    if mark in b"\0" + environ.read():
                        found.append(int(pid))
            except OSError:  # ended meanwhile, or not ours
                pass
        return found

    def shutdown(self):
        self.restart()
        for process in self._started:
            if process.poll() is None:
                process.kill()
            process.wait()
