"""The setup program in a prefix of its own, as on a machine that never had the program:
a silent install puts the files, the logon entry, the uninstall entry and the shared
settings key in place and starts the program; a silent uninstall takes all of it away
but the user's settings."""
import os
import re
import shutil

import pytest

from conftest import Machine, paths
from harness.waiting import wait_until
from harness.zavora import EXE, MACHINE_KEY, MAIN_CLASS, OPTIONS, SERVICE, SETUP

FOLDER = ("Program Files", "Kelvra Zavora")
FILES = {EXE, "characters.dat", "groups.dat", "data.dat", "order.dat", "uninstall.exe"}
SHORTCUT = ("ProgramData", "Microsoft", "Windows", "Start Menu", "Programs", "Kelvra Zavora.lnk")
RUN_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Run"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KelvraZavora"
# What a standard user needs to save languages and Options (read, set values, add
# subkeys), and what must stay with the administrators (re-securing, taking over the key).
USERS_NEED, ADMIN_ONLY = 0x1 | 0x2 | 0x4, 0x40000 | 0x80000
SDDL_RIGHTS = {"KA": 0xF003F, "KR": 0x20019, "KW": 0x20006, "KX": 0x20019, "GA": 0x10000000, "GR": 0x80000000,
               "GW": 0x40000000, "GX": 0x20000000, "RC": 0x20000, "SD": 0x10000, "WD": 0x40000, "WO": 0x80000,
               "CC": 0x1, "DC": 0x2, "LC": 0x4, "SW": 0x8, "RP": 0x10, "WP": 0x20, "DT": 0x40, "LO": 0x80, "CR": 0x100}


def users_rights(sddl):
    """The rights the Users group is allowed on the key and, inherited, on its subkeys."""
    mask = 0
    for ace in re.findall(r"\(([^)]*)\)", sddl):
        kind, flags, rights, _, _, sid = ace.split(";")[:6]
        if kind == "A" and sid in ("BU", "S-1-5-32-545") and "IO" not in flags:
            mask |= (int(rights, 16) if rights.lower().startswith("0x") else
                     sum(SDDL_RIGHTS[rights[i:i + 2]] for i in range(0, len(rights), 2)))
    return mask


@pytest.fixture(scope="module")
def machine(request):
    """A prefix of its own, with the probe and the setup program in it."""
    build, artifacts = paths(request.config)
    machine = Machine(build, os.path.join(artifacts, "logs", "installer"), ("probe.exe",))
    shutil.copy2(os.path.join(build, SETUP), machine.prefix.drive_c())
    yield machine
    machine.close()


def installed_files(machine):
    folder = machine.prefix.drive_c(*FOLDER)
    return set(os.listdir(folder)) if os.path.isdir(folder) else set()


def running(machine, caption=None):
    return machine.probe.find(cls=MAIN_CLASS, text=caption)


def test_silent_install_then_silent_uninstall(machine):
    assert machine.prefix.run(["C:\\" + SETUP, "/S"], timeout=120).returncode == 0
    help_built = os.path.exists(os.path.join(machine.build_dir, "zavorahelp.chm"))
    assert installed_files(machine) == FILES | ({"zavorahelp.chm"} if help_built else set())
    assert os.path.isfile(machine.prefix.drive_c(*SHORTCUT))
    probe = machine.probe
    folder = "C:\\" + "\\".join(FOLDER)
    assert probe.reg_get(RUN_KEY, "Kelvra Zavora") == f'"{folder}\\{EXE}" /service'
    version = probe.exe_info(f"{folder}\\{EXE}")["version"]
    entry = {name: probe.reg_get(UNINSTALL_KEY, name) for name in
             ("DisplayName", "DisplayVersion", "Publisher", "DisplayIcon", "UninstallString",
              "QuietUninstallString")}
    assert entry == {"DisplayName": "Kelvra Zavora", "DisplayVersion": version["ProductVersion"],
                     "Publisher": version["CompanyName"], "DisplayIcon": f"{folder}\\{EXE},0",
                     "UninstallString": f'"{folder}\\uninstall.exe"',
                     "QuietUninstallString": f'"{folder}\\uninstall.exe" /S'}

    # The shared settings key and the subkeys the program writes are open to Users.
    for key in (MACHINE_KEY, MACHINE_KEY + r"\Languages", MACHINE_KEY + r"\Info"):
        rights = users_rights(probe.reg_sddl(key))
        assert rights & USERS_NEED == USERS_NEED and not rights & ADMIN_ONLY, (key, hex(rights))
    probe.reg_set(MACHINE_KEY + r"\Languages", "Mine", "e 00E9")

    # As after logon: the service instance and the program it started with "/install".
    wait_until(lambda: running(machine, SERVICE) and running(machine, OPTIONS), 60,
               what="the service and the program started by Setup")

    # Uninstalling waits for every process of the program to end, also one that no command
    # ends (a waiting instance lives 9.9 s): the file of a running program cannot go.
    machine.prefix.start([folder + "\\" + EXE, "/wait99"], "waiting")
    wait_until(lambda: running(machine, "waiting"), 30, what="the waiting instance")
    machine.prefix.start([folder + "\\uninstall.exe", "/S"], "uninstall")
    wait_until(lambda: not installed_files(machine) and not probe.processes(EXE), 60,
               what="the program folder removed and no zavora.exe left")
    wait_until(lambda: probe.reg_get(UNINSTALL_KEY, "DisplayName") is None, 30,
               what="the uninstall entry removed")
    assert not any(os.path.exists(machine.prefix.drive_c(*path)) for path in (FOLDER, SHORTCUT))
    assert probe.reg_get(RUN_KEY, "Kelvra Zavora") is None and not running(machine)
    # A silent uninstall keeps what the user made; the command boxes of ended instances go.
    assert probe.reg_get(MACHINE_KEY + r"\Languages", "Mine") == "e 00E9"
    assert probe.reg_get(MACHINE_KEY, "CommHwds") is None
