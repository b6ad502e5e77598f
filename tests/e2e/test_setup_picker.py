"""The first-run language picker ("/setup"): started by hand it stands alone and "Next >"
writes the order; over the installer's wizard it takes the wizard's place, hides the
wizard while it is up and shows it again when its close box ends it, without writing."""
from harness.probe import WM_CLOSE
from harness.waiting import wait_until
from popup_ui import TEST_LANGUAGE

import options_ui as ui

CAPTION = "Setup - Kelvra Zavora"
ORDER = "German;!French;Testlang"


def start_picker(env, zavora):
    process = zavora.start("/setup", user={"Languages": ORDER}, machine={r"Languages\Testlang": TEST_LANGUAGE})
    return process, wait_until(lambda: env.probe.find(cls="KelvraZavoraSetup", text=CAPTION, visible=True), 30,
                               what="the language picker")[0]


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
    env.prefix.start(["C:\\e2e-tools\\wizard.exe", "150", "120", "500", "390"], "wizard")
    wizard = wait_until(lambda: env.probe.find(cls=ui.PAGE_CLASS, text=CAPTION, visible=True), 30,
                        what="the wizard")[0]
    process, window = start_picker(env, zavora)
    assert window.rect[:2] == wizard.rect[:2]
    wait_until(lambda: not env.probe.info(wizard.hwnd).visible, 10, what="the wizard hidden")
    print("screenshot:", env.screenshot("setup-picker-over-wizard"))
    env.probe.post(window.hwnd, WM_CLOSE)  # the close box
    process.wait(30)
    wait_until(lambda: env.probe.info(wizard.hwnd).visible, 10, what="the wizard shown again")
    assert zavora.user_setting("Languages") == ORDER and zavora.machine_setting("SetupLanguages") is None
