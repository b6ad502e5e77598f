"""The Win32 drawing layer and the popup window checked on a Windows system: handle
holders, real GDI pixels, font cache, window styles (tests/win32, built by
scripts/build-windows.sh into <build>/win32-checks)."""
import os
import shutil


def test_win32_checks_pass(env):
    exe = os.path.join(env.build_dir, "win32-checks", "win32_checks.exe")
    folder = env.prefix.drive_c("win32-checks")
    os.makedirs(folder, exist_ok=True)
    shutil.copy2(exe, folder)
    result = env.prefix.run(["C:\\win32-checks\\win32_checks.exe"], timeout=120)
    report = result.stdout.decode("utf-8", "replace")
    print(report)
    assert result.returncode == 0, report
    assert report.strip().splitlines()[-1].endswith(" 0 failed")
