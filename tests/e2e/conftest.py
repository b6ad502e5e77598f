"""Fixtures of the end-to-end suite. One Xvfb and one Wine prefix serve the whole run;
every test starts from a desktop without our programs and without Kelvra settings.

Options (or environment variables):
  --zavora-build DIR  (ZAVORA_WIN_BUILD)     the Windows build folder: zavora.exe, the
                                              data files, e2e-tools/probe.exe and target.exe
  --artifacts DIR     (ZAVORA_E2E_ARTIFACTS) screenshots and logs; default DIR/e2e-artifacts
"""
import os
import re
import shutil
import tempfile

import pytest

from harness import screenshot
from harness.keyboard import Keyboard, Mouse
from harness.prefix import WinePrefix
from harness.probe import Probe
from harness.target import Target
from harness.xserver import XServer
from harness.zavora import Zavora

REPO = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
TOOL_PROGRAMS = ("probe.exe", "target.exe", "wizard.exe", "bare.exe")
# Programs a test may leave running; ended before the next test.
TEST_PROGRAMS = ("target.exe", "wizard.exe", "bare.exe", "notepad.exe", "wordpad.exe")


def pytest_addoption(parser):
    parser.addoption("--zavora-build", default=os.environ.get("ZAVORA_WIN_BUILD",
                                                             os.path.join(REPO, "build", "windows")))
    parser.addoption("--artifacts", default=os.environ.get("ZAVORA_E2E_ARTIFACTS"))


def pytest_terminal_summary(terminalreporter, config):
    # Figures that scenarios measured (the benchmark), shown after the results.
    for line in getattr(config, "zavora_figures", []):
        terminalreporter.write_line(line)


@pytest.hookimpl(tryfirst=True, hookwrapper=True)
def pytest_runtest_makereport(item, call):
    # Lets the fixtures see whether the test failed, to keep a screenshot of it.
    outcome = yield
    report = outcome.get_result()
    setattr(item, "report_" + report.when, report)


class Desktop:
    """Everything a scenario drives: the display, the prefix, the probe, keys and mouse."""

    def __init__(self, build_dir, artifacts):
        self.build_dir = build_dir
        self.artifacts = artifacts
        self.tmp = tempfile.mkdtemp(prefix="zavora-e2e-")
        self.xserver = XServer()
        self.display = self.xserver.start()
        self.prefix = WinePrefix(os.path.join(self.tmp, "prefix"), self.display,
                                 os.path.join(artifacts, "logs"))
        self.prefix.create()
        tools = self.prefix.drive_c("e2e-tools")
        os.makedirs(tools)
        for name in TOOL_PROGRAMS:
            shutil.copy2(os.path.join(build_dir, "e2e-tools", name), tools)
        self.probe = Probe(self.prefix, "C:\\e2e-tools\\probe.exe")
        self.keyboard = Keyboard(self.display)
        self.mouse = Mouse(self.display)
        self.zavora = Zavora(self.prefix, self.probe, build_dir)

    def screenshot(self, name):
        """Saves the virtual desktop as <artifacts>/<name>.png and returns the path."""
        safe = re.sub(r"[^A-Za-z0-9_.-]+", "_", name)
        return screenshot.take(self.display, os.path.join(self.artifacts, safe + ".png"))

    def target(self, caption="Zavora E2E Target", position=(100, 100)):
        """Starts target.exe (480 x 320 pixels, top left at `position`) and returns it
        with its edit box focused."""
        log = os.path.join(self.tmp, f"target-{len(os.listdir(self.tmp))}.log")
        return Target(self.prefix, self.probe, "C:\\e2e-tools\\target.exe", log, caption,
                      position).start()

    def release_keys(self):
        """Lets go of every key a failed test may have left down."""
        keymap = self.keyboard.display.query_keymap()
        for code in range(8, 256):
            if keymap[code // 8] & (1 << (code % 8)):
                self.keyboard.up(code)

    def clean(self):
        self.release_keys()
        # The pointer rests in a corner where no test window appears: under Wine a window
        # that shows beneath the pointer makes X report the whole keymap again, and
        # Wine then takes keys that are held as pressed anew.
        self.mouse.move(5, 5)
        for name in TEST_PROGRAMS:
            self.probe.kill_all(name)
        self.zavora.reset()

    def close(self):
        try:
            self.keyboard.close()
            self.probe.close()
        finally:
            self.prefix.shutdown()
            self.xserver.stop()
            shutil.rmtree(self.tmp, ignore_errors=True)


@pytest.fixture(scope="session")
def desktop(request):
    build_dir = os.path.abspath(request.config.getoption("--zavora-build"))
    artifacts = os.path.abspath(request.config.getoption("--artifacts")
                                or os.path.join(build_dir, "e2e-artifacts"))
    os.makedirs(artifacts, exist_ok=True)
    session = Desktop(build_dir, artifacts)
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


def _at_dpi(env, dpi):
    env.prefix.set_dpi(dpi)
    yield env
    env.clean()
    env.prefix.set_dpi(96)


@pytest.fixture
def dpi144(env):
    """The desktop at 144 dpi for one test, 96 again afterwards."""
    yield from _at_dpi(env, 144)


@pytest.fixture
def dpi192(env):
    """The desktop at 192 dpi for one test, 96 again afterwards."""
    yield from _at_dpi(env, 192)
