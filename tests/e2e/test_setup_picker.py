"""The first-run language picker ("/setup"): started by hand it stands alone and "Next >"
writes the order; over the installer's wizard it takes the wizard's place, hides the
wizard while it is up and shows it again when its close box ends it, without writing."""
from harness.probe import WM_CLOSE
from harness.waiting import wait_until
from popup_ui import TEST_LANGUAGE

import options_ui as ui

CAPTION = "Setup - Kelvra Zavora"
PICKER_CLASS = "KelvraZavoraSetup"
WIZARD_CLASS = "#32770"
ORDER = "German;!French;Testlang"


def shown(env, cls):
    found = env.probe.find(cls=cls, text=CAPTION, visible=True)
    return found[0] if found else None


def rows(env, c):
    return [(row["texts"][0], row["checked"], row["selected"])
            for row in env.probe.listview(c.list_view().hwnd)["rows"]]


def test_by_hand_the_picker_writes_the_order_with_next(env, zavora):
    process = zavora.start("/setup", user={"Languages": ORDER},
                           machine={r"Languages\Testlang": TEST_LANGUAGE})
    c = ui.Controls(env, wait_until(lambda: shown(env, PICKER_CLASS), 30, what="the language picker"))
    assert rows(env, c)[:3] == [("German", True, True), ("French", False, False), ("Testlang", True, False)]
    assert c.button("Next >").enabled
    assert not c.button("< Back").enabled and not c.button("Cancel").enabled
    env.keyboard.tap("Down")
    env.keyboard.tap("space")  # French's box: its row alone is selected, so the move takes it
    wait_until(lambda: rows(env, c)[1] == ("French", True, True), 5, what="French ticked")
    ui.click(env, c.button("Move Up"))
    wait_until(lambda: rows(env, c)[0][0] == "French", 5, what="French moved up")
    ui.click(env, c.button("Next >"))
    process.wait(30)
    stored = zavora.user_setting("Languages")
    assert stored.startswith("French;German;Testlang;") and not stored.endswith(";")
    assert zavora.machine_setting("SetupLanguages") == stored
    assert zavora.pids() == []  # the picker starts no instance of its own


def test_over_the_wizard_the_picker_takes_its_place_and_gives_it_back(env, zavora):
    env.prefix.start(["C:\\e2e-tools\\wizard.exe", "150", "120", "500", "390"], "wizard")
    wizard = wait_until(lambda: shown(env, WIZARD_CLASS), 30, what="the wizard")
    process = zavora.start("/setup", user={"Languages": ORDER},
                           machine={r"Languages\Testlang": TEST_LANGUAGE})
    window = wait_until(lambda: shown(env, PICKER_CLASS), 30, what="the language picker")
    assert window.rect[:2] == wizard.rect[:2]
    wait_until(lambda: not env.probe.info(wizard.hwnd).visible, 10, what="the wizard hidden")
    print("screenshot:", env.screenshot("setup-picker-over-wizard"))
    env.probe.post(window.hwnd, WM_CLOSE, 0, 0)  # the close box
    process.wait(30)
    wait_until(lambda: env.probe.info(wizard.hwnd).visible, 10, what="the wizard shown again")
    assert zavora.user_setting("Languages") == ORDER
    assert zavora.machine_setting("SetupLanguages") is None
