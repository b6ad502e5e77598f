"""zavora.exe in the test prefix: installing the build, starting it with a command line
and registry presets, and reading its instances from outside."""
import glob
import os
import shutil

from .waiting import wait_until

EXE = "zavora.exe"
SETUP = "kelvra-zavora-setup.exe"  # beside it in the build folder
OPTIONS = "Kelvra Zavora Options"  # the interception instance's main window
SERVICE = "Kelvra Zavora Service"
MAIN_CLASS = "KelvraZavoraMain"
COMMAND_BOX_CLASS = "KelvraZavoraText"
USER_KEY = r"HKCU\Software\Kelvra\Zavora"
MACHINE_KEY = r"HKLM\Software\Kelvra\Zavora"


class Zavora:
    exe_path = "C:\\KelvraZavora\\" + EXE

    def __init__(self, prefix, probe, build_dir):
        self.prefix = prefix
        self.probe = probe
        self.build_dir = build_dir

    def install(self):
        """Copies zavora.exe and the data files beside it into C:\\KelvraZavora, alone."""
        shutil.rmtree(self.prefix.drive_c("KelvraZavora"), ignore_errors=True)
        os.makedirs(self.prefix.drive_c("KelvraZavora"))
        for path in [os.path.join(self.build_dir, EXE), *glob.glob(os.path.join(self.build_dir, "*.dat"))]:
            shutil.copy2(path, self.prefix.drive_c("KelvraZavora"))

    def start(self, *args, user=None, machine=None):
        """Writes the presets, then starts zavora.exe with `args` and returns its Popen.
        Presets: {"AutoStart": "No"} or, for a subkey, {r"Languages\\Mine": "..."}."""
        for root, values in ((USER_KEY, user or {}), (MACHINE_KEY, machine or {})):
            for name, value in values.items():
                key, _, leaf = (root + "\\" + name).rpartition("\\")
                self.probe.reg_set(key, leaf, value)
        return self.prefix.start([self.exe_path, *args], "zavora")

    def run(self, *args, timeout=60, **presets):
        """Starts zavora.exe and waits for that process to end."""
        self.start(*args, **presets).wait(timeout)

    def pids(self):
        return sorted(p["pid"] for p in self.probe.processes(EXE))

    def main_windows(self, caption=None):
        return self.probe.find(cls=MAIN_CLASS, text=caption)

    def command_box(self, main_window):
        """The command box (idle text "Text1") of a main window."""
        return next((c for c in self.probe.children(main_window.hwnd) if c.cls == COMMAND_BOX_CLASS), None)

    def comm_hwds(self):
        """CommHwds: the handles (decimal text) of the registered command boxes."""
        return [entry for entry in (self.machine_setting("CommHwds") or "").split(";") if entry]

    def user_setting(self, name):
        return self.probe.reg_get(USER_KEY, name)

    def machine_setting(self, name):
        return self.probe.reg_get(MACHINE_KEY, name)

    def settled(self, options=1, service=1):
        """True when exactly `options` interception and `service` service instances run,
        each has registered its command box, and no other zavora process is left; returns
        the (options, service) windows then."""
        windows = self.main_windows()
        found = ([w for w in windows if w.text == OPTIONS], [w for w in windows if w.text == SERVICE])
        if [len(found[0]), len(found[1])] != [options, service]:
            return False
        instances = found[0] + found[1]
        if sorted(w.pid for w in instances) != self.pids():
            return False
        registered = set(self.comm_hwds())
        boxes = [self.command_box(window) for window in instances]
        return all(box and str(box.hwnd) in registered for box in boxes) and found

    def wait_settled(self, options=1, service=1, timeout=30):
        return wait_until(lambda: self.settled(options, service), timeout,
                          what=f"{options} interception and {service} service instance(s) to settle "
                               f"(now {self.describe()})")

    def wait_no_process(self, timeout=30):
        return wait_until(lambda: not self.pids(), timeout, what="every zavora process to end")

    def describe(self):
        windows = [(w.text, w.pid) for w in self.main_windows()]
        return f"windows {windows}, pids {self.pids()}, CommHwds {self.comm_hwds()}"

    def reset(self):
        """Ends every zavora process and removes every setting of the program."""
        # An instance that is ending may start another (the service starts the interception
        # instance): end them until none is left.
        wait_until(lambda: self.probe.kill_all(EXE) == 0 and not self.pids(), 20,
                   what="zavora processes to be killed")
        self.probe.reg_delete(r"HKCU\Software\Kelvra")
        self.probe.reg_delete(r"HKLM\Software\Kelvra")
