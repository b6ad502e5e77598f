"""The first-run language picker ("/setup"): started by hand it stands alone and "Next >"
writes the order; over the setup program's wizard it takes the wizard's place, hides the
wizard while it is up and shows it again when its close box ends it, without writing."""
import os
import shutil

from harness.probe import WM_CLOSE
from harness.waiting import wait_until
from harness.zavora import SETUP
from popup_ui import TEST_LANGUAGE

import options_ui as ui

CAPTION = "Setup - Kelvra Zavora"
ORDER = "German;!French;Testlang"


def start_picker(env, zavora):
    process = zavora.start("/setup", user={"Languages": ORDER}, machine={r"Languages\Testlang": TEST_LANGUAGE})
    return process, env.probe.wait_shown(30, cls="KelvraZavoraSetup", text=CAPTION)


def test_by_hand_the_picker_writes_the_order_with_next(env, zavora):
    process, window = start_picker(env, zavora)

    def rows():
        view = env.probe.listview(ui.one(env, "SysListView32", window=window).hwnd)
        return [(row["text"], row["checked"], row["selected"]) for row in view["rows"]]

    assert rows()[:3] == [("German", True, True), ("French", False, False), ("Testlang", True, False)]
    assert [ui.enabled(env, ui.button(env, b, window)) for b in ("Next >", "< Back", "Cancel")] == [True, False, False]
    env.keyboard.tap("Down", "space")  # French's box: its row alone is selected, so the move takes it
    wait_until(lambda: rows()[1] == ("French", True, True), 5, what="French ticked")
    ui.click(env, ui.button(env, "Move Up", window))
    wait_until(lambda: rows()[0][0] == "French", 5, what="French moved up")
    ui.click(env, ui.button(env, "Next >", window))
    process.wait(30)
    stored = zavora.user_setting("Languages")
    assert stored.startswith("French;German;Testlang;") and not stored.endswith(";")
    assert zavora.machine_setting("SetupLanguages") == stored
    assert zavora.pids() == []  # the picker starts no instance of its own


def test_over_the_wizard_the_picker_takes_its_place_and_gives_it_back(env, zavora):
    shutil.copy2(os.path.join(env.build_dir, SETUP), env.prefix.drive_c())
    env.prefix.start(["C:\\" + SETUP], "setup-wizard")
    # The wizard carries the caption the picker looks for, and installs nothing until asked.
    wizard = env.probe.wait_shown(60, cls=ui.PAGE_CLASS, text=CAPTION)
    process, window = start_picker(env, zavora)
    assert window.rect[:2] == wizard.rect[:2]
    wait_until(lambda: not env.probe.info(wizard.hwnd).visible, 10, what="the wizard hidden")
    print("screenshot:", env.screenshot("setup-picker-over-wizard"))
    env.probe.post(window.hwnd, WM_CLOSE)  # the close box
    process.wait(30)
    wait_until(lambda: env.probe.info(wizard.hwnd).visible, 10, what="the wizard shown again")
    assert zavora.user_setting("Languages") == ORDER and zavora.machine_setting("SetupLanguages") is None
    assert not os.path.exists(env.prefix.drive_c("Program Files", "Kelvra Zavora"))
