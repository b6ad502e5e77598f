"""What zavora.exe carries, read the way Windows reads it: the version resource, both
icon groups at every size and depth, and the manifest."""
import os
import re

import pytest

PROJECT_FILE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                            "CMakeLists.txt")


@pytest.fixture
def exe_info(zavora):
    return zavora.probe.call("exeinfo", zavora.exe_path)


def version_from_project():
    with open(PROJECT_FILE) as project:
        return re.search(r'project\(KelvraZavora VERSION ([0-9.]+)', project.read()).group(1)


def test_version_resource_names_the_product_and_the_one_version(exe_info):
    version = exe_info["version"]
    text = version_from_project()
    assert (version["CompanyName"], version["ProductName"]) == ("Kelvra", "Kelvra Zavora")
    assert version["FileVersion"] == version["ProductVersion"] == text
    assert ".".join(map(str, version["FileVersionNumbers"][:3])) == text


@pytest.mark.parametrize("group", ["ICO", "SETUP"])
def test_icon_groups_hold_three_sizes_in_two_depths_and_load(exe_info, group):
    icons = exe_info["icons"][group]
    images = sorted((i["width"], i["height"], i["bits"]) for i in icons["images"])
    assert images == sorted((s, s, b) for s in (16, 32, 48) for b in (8, 32))
    assert icons["loads"] == [16, 32, 48]


def test_manifest_asks_for_common_controls_6_as_invoker_and_per_monitor_dpi(exe_info):
    manifest = exe_info["manifest"]
    assert re.search(r'name="Microsoft\.Windows\.Common-Controls"\s+version="6\.0\.0\.0"', manifest)
    assert 'level="asInvoker"' in manifest
    assert ">PerMonitorV2, PerMonitor</dpiAwareness>" in manifest
    assert ">true/pm</dpiAware>" in manifest
