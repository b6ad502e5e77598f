"""Fixtures of the end-to-end suite. One Xvfb and one Wine prefix serve the whole run;
every test starts from a desktop without our programs and without Kelvra settings.
Options: --zavora-build=DIR (ZAVORA_WIN_BUILD) and --artifacts=DIR (ZAVORA_E2E_ARTIFACTS),
see README.md."""
import os
import re
import shutil
import subprocess
import tempfile

import pytest

from harness.keyboard import Keyboard, Mouse
from harness.prefix import WinePrefix
from harness.probe import Probe
from harness.target import Target
from harness.xserver import XServer
from harness.zavora import SETUP, Zavora


def pytest_addoption(parser):
    parser.addoption("--zavora-build", default=os.environ.get(
        "ZAVORA_WIN_BUILD", os.path.join(os.path.dirname(__file__), "..", "..", "build", "windows")))
    parser.addoption("--artifacts", default=os.environ.get("ZAVORA_E2E_ARTIFACTS"))


def paths(config):
    """The build folder and the artifacts folder of the run."""
    build = os.path.abspath(config.getoption("--zavora-build"))
    artifacts = os.path.abspath(config.getoption("--artifacts") or os.path.join(build, "e2e-artifacts"))
    os.makedirs(artifacts, exist_ok=True)
    return build, artifacts


def pytest_terminal_summary(terminalreporter, config):
    # Figures that scenarios measured (the benchmark), shown after the results.
    for line in getattr(config, "zavora_figures", []):
        terminalreporter.write_line(line)


@pytest.hookimpl(tryfirst=True, hookwrapper=True)
def pytest_runtest_makereport(item, call):
    # Lets the fixtures see whether the test failed, to keep a screenshot of it.
    report = (yield).get_result()
    setattr(item, "report_" + report.when, report)


class Machine:
    """A private Xvfb with a fresh Wine prefix on it, our tools in C:\\e2e-tools."""

    def __init__(self, build_dir, log_dir, tools):
        self.build_dir = build_dir
        self.tmp = tempfile.mkdtemp(prefix="zavora-e2e-")
        self.xserver = XServer()
        self.display = self.xserver.start()
        self.prefix = WinePrefix(os.path.join(self.tmp, "prefix"), self.display, log_dir)
        self.prefix.create()
        os.makedirs(self.prefix.drive_c("e2e-tools"))
        for name in tools:
            shutil.copy2(os.path.join(build_dir, "e2e-tools", name), self.prefix.drive_c("e2e-tools"))
        self.probe = Probe(self.prefix, "C:\\e2e-tools\\probe.exe")

    def close(self):
        try:
            self.probe.close()
        finally:
            self.prefix.shutdown()
            self.xserver.stop()
            shutil.rmtree(self.tmp, ignore_errors=True)


class Desktop(Machine):
    """Everything a scenario drives: the display, the prefix, the probe, keys and mouse."""

    def __init__(self, build_dir, artifacts):
        tools = ("probe.exe", "target.exe", "bare.exe")
        super().__init__(build_dir, os.path.join(artifacts, "logs"), tools)
        self.artifacts = artifacts
        self.keyboard = Keyboard(self.display)
        self.mouse = Mouse(self.keyboard)
        self.zavora = Zavora(self.prefix, self.probe, build_dir)

    def screenshot(self, name):
        """Saves the virtual desktop as <artifacts>/<name>.png and returns the path."""
        path = os.path.join(self.artifacts, re.sub(r"[^\w.-]+", "_", name) + ".png")
        # Debian's ImageMagick: /usr/local/bin may hold another `import`.
        subprocess.run(["/usr/bin/import", "-display", self.display, "-window", "root", path], check=True, timeout=30)
        return path

    def target(self, caption="Zavora E2E Target", position=(100, 100)):
        """Starts target.exe (480 x 320 pixels, top left at `position`) and returns it
        with its edit box focused and the pointer out of its way: under Wine a window shown
        beneath the pointer makes X report the whole keymap, and Wine then takes held keys
        as pressed anew (a swallowed trigger included)."""
        target = Target(self.prefix, self.probe, os.path.join(self.tmp, f"target-{len(os.listdir(self.tmp))}.log"),
                        caption, position)
        self.mouse.move(5, 5)
        return target

    def clean(self):
        """Lets go of every key a failed test may have left down, ends the test programs
        and zavora.exe, and deletes the program's settings."""
        for code in self.keyboard.pressed():
            self.keyboard.up(code)
        self.mouse.move(5, 5)  # in a corner where no test window appears
        for name in ("target.exe", SETUP, "bare.exe"):  # what a test may leave running
            self.probe.kill_all(name)
        self.zavora.reset()


@pytest.fixture(scope="session")
def desktop(request):
    session = Desktop(*paths(request.config))
    yield session
    session.close()


@pytest.fixture
def env(desktop, request):
    """The shared desktop, clean before the test; a failed test leaves a screenshot."""
    desktop.clean()
    yield desktop
    failed = getattr(request.node, "report_call", None)
    if failed is not None and failed.failed:
        desktop.screenshot("FAILED-" + request.node.name)
    desktop.clean()


@pytest.fixture
def zavora(env):
    """zavora.exe installed in the prefix (C:\\KelvraZavora), no instance running."""
    env.zavora.install()
    return env.zavora


@pytest.fixture
def dpi(env, request):
    """The screen at the DPI the test is parametrized with (indirect), 96 again afterwards."""
    if request.param != 96:
        env.prefix.set_dpi(request.param)
    yield request.param
    if request.param != 96:
        env.clean()
        env.prefix.set_dpi(96)
