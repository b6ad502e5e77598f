"""zavora.exe in the test prefix: installing the build, starting it with a command line
and registry presets, and reading its instances from outside."""
import glob
import os
import shutil
import time

from .waiting import wait_until

EXE = "zavora.exe"
OPTIONS = "Kelvra Zavora Options"
SERVICE = "Kelvra Zavora Service"
WAITING = "waiting"
MAIN_CLASS = "KelvraZavoraMain"
COMMAND_BOX_CLASS = "KelvraZavoraText"
USER_KEY = r"HKCU\Software\Kelvra\Zavora"
MACHINE_KEY = r"HKLM\Software\Kelvra\Zavora"
INSTALL_FOLDER = "KelvraZavora"  # C:\KelvraZavora\ in the prefix


class Zavora:
    def __init__(self, prefix, probe, build_dir):
        self.prefix = prefix
        self.probe = probe
        self.build_dir = build_dir
        self.exe_path = "C:\\" + INSTALL_FOLDER + "\\" + EXE

    def install(self):
        """Copies zavora.exe and the data files beside it into C:\\KelvraZavora."""
        source = os.path.join(self.build_dir, EXE)
        if not os.path.exists(source):
            raise FileNotFoundError(f"{source} is missing: run scripts/build-windows.sh first")
        folder = self.prefix.drive_c(INSTALL_FOLDER)
        os.makedirs(folder, exist_ok=True)
        for path in [source, *glob.glob(os.path.join(self.build_dir, "*.dat"))]:
            shutil.copy2(path, folder)

    # Starting
    def preset(self, user=None, machine=None):
        """Writes settings before a start: {"AutoStart": "No"} or, for a subkey,
        {r"Languages\\MyLanguage": "..."}; a value of None deletes it."""
        for root, values in ((USER_KEY, user or {}), (MACHINE_KEY, machine or {})):
            for name, value in values.items():
                key, _, leaf = (root + "\\" + name).rpartition("\\")
                if value is None:
                    self.probe.reg_delete(key, leaf)
                else:
                    self.probe.reg_set(key, leaf, value)

    def start(self, *args, user=None, machine=None, log_name="zavora"):
        """Starts zavora.exe with `args` after writing the presets; returns its Popen
        (the wine loader that is the Windows process)."""
        self.preset(user, machine)
        return self.prefix.start([self.exe_path, *args], log_name)

    def run(self, *args, timeout=60, **presets):
        """Starts zavora.exe and waits for that process to end; returns the seconds it took."""
        began = time.monotonic()
        process = self.start(*args, **presets)
        process.wait(timeout)
        return time.monotonic() - began

    # Reading
    def processes(self):
        return self.probe.processes(EXE)

    def pids(self):
        return sorted(p["pid"] for p in self.processes())

    def main_windows(self, caption=None):
        return self.probe.find(cls=MAIN_CLASS, text=caption)

    def options_windows(self):
        return self.main_windows(OPTIONS)

    def service_windows(self):
        return self.main_windows(SERVICE)

    def command_box(self, main_window):
        """The command box (idle text "Text1") of a main window."""
        boxes = [c for c in self.probe.children(main_window.hwnd) if c.cls == COMMAND_BOX_CLASS]
        return boxes[0] if boxes else None

    def comm_hwds(self):
        """CommHwds as a list of handles (decimal strings as stored)."""
        text = self.probe.reg_get(MACHINE_KEY, "CommHwds") or ""
        return [entry for entry in text.split(";") if entry]

    def user_setting(self, name):
        return self.probe.reg_get(USER_KEY, name)

    def machine_setting(self, name):
        return self.probe.reg_get(MACHINE_KEY, name)

    def state(self):
        """(options windows, service windows, zavora pids) in one snapshot."""
        windows = self.main_windows()
        return ([w for w in windows if w.text == OPTIONS], [w for w in windows if w.text == SERVICE],
                self.pids())

    def settled(self, options=1, service=1):
        """True when exactly `options` interception and `service` service instances run,
        each has registered its command box, and no other zavora process is left; returns
        the (options, service) windows then."""
        options_windows, service_windows, pids = self.state()
        if len(options_windows) != options or len(service_windows) != service:
            return False
        instances = options_windows + service_windows
        if sorted(w.pid for w in instances) != pids:
            return False
        registered = set(self.comm_hwds())
        for window in instances:
            box = self.command_box(window)
            if box is None or str(box.hwnd) not in registered:
                return False
        return (options_windows, service_windows)

    def wait_settled(self, options=1, service=1, timeout=30):
        return wait_until(lambda: self.settled(options, service), timeout,
                          what=f"{options} interception and {service} service instance(s) to settle "
                               f"(now {self.describe()})")

    def wait_no_process(self, timeout=30):
        return wait_until(lambda: not self.processes(), timeout, what="every zavora process to end")

    def describe(self):
        windows = self.main_windows()
        return f"windows {[(w.text, w.pid) for w in windows]}, pids {self.pids()}, CommHwds {self.comm_hwds()}"

    # Cleaning between tests
    def reset(self):
        """Ends every zavora process and removes every setting of the program."""
        # An instance that is ending may start another (the service starts the interception
        # instance): end them until none is left.
        wait_until(lambda: self.probe.kill_all(EXE) == 0 and not self.processes(), 20,
                   what="zavora processes to be killed")
        self.probe.reg_delete(r"HKCU\Software\Kelvra")
        self.probe.reg_delete(r"HKLM\Software\Kelvra")
        self.prefix.reap()
