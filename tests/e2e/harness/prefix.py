"""A private Wine prefix (64-bit) whose windows all live in one virtual desktop."""
import os
import subprocess
import tempfile

DESKTOP_SIZE = "1024x768"


def windows_path(unix_path):
    """The path as programs in the prefix see it (drive Z: is the Unix root)."""
    return "Z:" + os.path.abspath(unix_path).replace("/", "\\")


class WinePrefix:
    def __init__(self, path, display, log_dir):
        self.path = path
        self.display = display
        self.log_dir = log_dir
        self._started = []
        # Called before the wineserver is ended, by those that keep a program running.
        self.before_restart = []
        os.makedirs(log_dir, exist_ok=True)

    @property
    def env(self):
        env = dict(os.environ)
        env.update({
            "WINEPREFIX": self.path,
            "WINEARCH": "win64",
            "WINEDEBUG": "-all",
            # No Mono/Gecko download prompts in a fresh prefix, and no shortcut made in
            # the prefix (by the setup program) copied into the host's desktop menus.
            "WINEDLLOVERRIDES": "mscoree,mshtml=;winemenubuilder.exe=d",
            "DISPLAY": self.display,
        })
        return env

    def drive_c(self, *parts):
        return os.path.join(self.path, "drive_c", *parts)

    def create(self, dpi=None):
        """wineboot, then the settings that must be in place before the first window:
        the virtual desktop, no crash dialog, optionally the screen DPI."""
        self.run_tool(["wineboot", "-i"], timeout=300)
        self.wait_idle()
        settings = [
            (r"HKCU\Software\Wine\Explorer", "Desktop", "REG_SZ", "Default"),
            (r"HKCU\Software\Wine\Explorer\Desktops", "Default", "REG_SZ", DESKTOP_SIZE),
            # A crashing program ends quietly (its backtrace goes to its log) instead of
            # leaving a dialog that would hold the test until its time bound.
            (r"HKCU\Software\Wine\WineDbg", "ShowCrashDialog", "REG_DWORD", "0"),
        ]
        if dpi:
            settings.append((r"HKCU\Control Panel\Desktop", "LogPixels", "REG_DWORD", str(dpi)))
        for key, name, kind, data in settings:
            self.run_tool(["wine", "reg", "add", key, "/v", name, "/t", kind, "/d", data, "/f"])
        self.restart()

    def set_dpi(self, dpi):
        """Screen DPI for the next programs; restarts the prefix's wineserver (every
        program in the prefix ends)."""
        self.run_tool(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels",
                       "/t", "REG_DWORD", "/d", str(dpi), "/f"])
        self.restart()

    def run_tool(self, argv, timeout=120):
        with open(os.path.join(self.log_dir, "wine-tools.log"), "ab") as log:
            subprocess.run(argv, env=self.env, stdout=log, stderr=log, timeout=timeout, check=True)

    def run(self, argv, timeout=60):
        """Runs a program in the prefix to its end; returns the CompletedProcess (bytes).
        Output goes through files, not pipes: the first program of a wineserver session
        starts the prefix's services, which inherit its handles and would hold a pipe
        open long after the program has ended."""
        with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
            process = subprocess.run(["wine", *argv], env=self.env, stdin=subprocess.DEVNULL,
                                     stdout=out, stderr=err, timeout=timeout)
            out.seek(0)
            err.seek(0)
            process.stdout, process.stderr = out.read(), err.read()
        return process

    def start(self, argv, log_name):
        """Starts a program in the prefix and returns its Popen; its output goes to
        <log_dir>/<log_name>.log."""
        log = open(os.path.join(self.log_dir, f"{log_name}.log"), "ab")
        process = subprocess.Popen(["wine", *argv], env=self.env, stdin=subprocess.DEVNULL,
                                   stdout=log, stderr=log)
        log.close()
        self._started.append(process)
        return process

    def reap(self):
        """Collects started wine loaders that have ended."""
        self._started = [p for p in self._started if p.poll() is None]

    def wait_idle(self, timeout=120):
        """Waits until every program of the prefix has ended (wineserver -w)."""
        subprocess.run(["wineserver", "-w"], env=self.env, timeout=timeout, check=False)

    def restart(self, timeout=60):
        """Ends every program of the prefix and its wineserver."""
        for callback in self.before_restart:
            callback()
        subprocess.run(["wineserver", "-k"], env=self.env, timeout=timeout, check=False,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.wait_idle(timeout)
        self.reap()

    def shutdown(self):
        self.restart()
        for process in self._started:
            if process.poll() is None:
                process.kill()
            process.wait()
        self._started = []
