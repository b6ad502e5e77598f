"""The Windows build checked by Windows: what zavora.exe carries (the version resource,
both icon groups at every size and depth, the manifest), and the Win32 drawing layer and
popup window checks of tests/win32 (handle holders, real GDI pixels, font cache, the popup's
answers to activation), which scripts/build-windows.sh builds into <build>/win32-checks."""
import os
import re

import pytest

@pytest.fixture
def exe_info(zavora):
    return zavora.probe.exe_info(zavora.exe_path)


def test_version_resource_names_the_product_and_the_one_version(exe_info):
    with open(os.path.join(os.path.dirname(__file__), "..", "..", "CMakeLists.txt")) as project:
        text = re.search(r"project\(KelvraZavora VERSION ([0-9.]+)", project.read()).group(1)
    version = exe_info["version"]
    assert (version["CompanyName"], version["ProductName"]) == ("Kelvra", "Kelvra Zavora")
    assert version["FileVersion"] == version["ProductVersion"] == text
    assert ".".join(map(str, version["FileVersionNumbers"][:3])) == text


@pytest.mark.parametrize("group", ["ICO", "SETUP"])
def test_icon_groups_hold_three_sizes_in_two_depths_and_load(exe_info, group):
    icons = exe_info["icons"][group]
    assert sorted(map(tuple, icons["images"])) == sorted((s, s, b) for s in (16, 32, 48) for b in (8, 32))
    assert icons["loads"] == [16, 32, 48]


def test_manifest_asks_for_common_controls_6_as_invoker_and_per_monitor_dpi(exe_info):
    manifest = exe_info["manifest"]
    assert re.search(r'name="Microsoft\.Windows\.Common-Controls"\s+version="6\.0\.0\.0"', manifest)
    assert 'level="asInvoker"' in manifest
    assert ">PerMonitorV2, PerMonitor</dpiAware" in manifest and ">true/pm</dpiAware>" in manifest


def test_win32_checks_pass(env):
    result = env.prefix.run([os.path.join(env.build_dir, "win32-checks", "win32_checks.exe")], timeout=120)
    report = result.stdout.decode("utf-8", "replace")
    assert result.returncode == 0 and report.strip().splitlines()[-1].endswith(" 0 failed"), report
