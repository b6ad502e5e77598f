"""The tray icon of the interception instance: its menu opens with either mouse button
at the icon ("Options" is used by every Options scenario), "About" shows one about box,
"Help" opens the help viewer or says that the help file is missing, and "Exit" ends the
interception instance while the service stays."""
import os
import shutil

import pytest

from harness.probe import WM_CLOSE
from harness.waiting import holds_for, wait_until
from harness.zavora import SERVICE

import options_ui as ui

ABOUT_CAPTION = "About Kelvra Zavora"


@pytest.mark.parametrize("button", [3, 1], ids=["right", "left"])
def test_either_button_opens_the_menu_at_the_icon(env, zavora, button):
    ui.start(env, zavora)
    menu = ui.open_tray_menu(env, button)
    assert menu.pid in zavora.pids()
    x, y = ui.tray_icon_point(env)
    left, top, right, bottom = menu.rect
    assert left <= x <= right + 2 and bottom <= y + 2
    # A click elsewhere closes it (the foreground and WM_NULL handling) and does nothing.
    env.mouse.click(500, 300)
    env.probe.wait_gone(cls=ui.MENU_CLASS, visible=True)
    assert ui.dialog(env) is None and zavora.settled()


def test_about_shows_one_box_with_the_version(env, zavora):
    ui.start(env, zavora)
    ui.choose_from_tray(env, "About")
    about = env.probe.wait_shown(text=ABOUT_CAPTION)
    texts = [c.text for c in env.probe.children(about.hwnd)]
    details = next(t for t in texts if t.startswith("Version "))
    assert "Kelvra Zavora" in texts and details.splitlines()[0] == "Version 1.0.0"
    assert "1 language in use" in details  # Testlang alone
    ui.choose_from_tray(env, "About")
    assert [w.hwnd for w in env.probe.find(text=ABOUT_CAPTION)] == [about.hwnd]
    env.keyboard.tap("Escape")
    env.probe.wait_gone(text=ABOUT_CAPTION, visible=True)


@pytest.mark.parametrize("with_file", [True, False], ids=["help file", "no help file"])
def test_help_opens_the_viewer_or_says_that_the_file_is_missing(env, zavora, with_file):
    ui.start(env, zavora)
    if with_file:
        shutil.copy2(os.path.join(zavora.build_dir, "zavorahelp.chm"), env.prefix.drive_c("KelvraZavora"))
    ui.choose_from_tray(env, "Help")
    wanted = "Kelvra Zavora Help" if with_file else "Kelvra Zavora"  # the help file's title
    shown = wait_until(lambda: [w for w in env.probe.find(text=wanted, visible=True) if w.pid in zavora.pids()],
                       20, what=f"a window {wanted!r}")
    assert with_file or shown[0].cls == ui.PAGE_CLASS
    print("screenshot:", env.screenshot("help-" + ("viewer" if with_file else "missing")))
    holds_for(lambda: zavora.settled(), 1, what="the instances to stay up")
    env.probe.post(shown[0].hwnd, WM_CLOSE)
    wait_until(lambda: not env.probe.exists(shown[0].hwnd), 10, what="the window to close")


@pytest.mark.parametrize("dialog_open", [False, True], ids=["alone", "under the Options dialog"])
def test_exit_ends_the_interception_instance_and_leaves_the_service(env, zavora, dialog_open):
    ui.start(env, zavora)
    service = zavora.main_windows(SERVICE)[0]
    if dialog_open:
        ui.open_options(env)
    ui.choose_from_tray(env, "Exit")
    zavora.wait_settled(options=0, service=1)
    assert zavora.main_windows(SERVICE)[0].hwnd == service.hwnd and ui.dialog(env) is None
    wait_until(lambda: ui.tray_icon_point(env) is None, 10, what="the tray icon to go")
