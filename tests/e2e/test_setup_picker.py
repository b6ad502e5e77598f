"""The first-run language picker ("/setup") over the installer's wizard: it takes the
wizard's place, hides the wizard while it is up and shows it again when its close box
ends it, without writing."""
from harness.probe import WM_CLOSE
from harness.waiting import wait_until
from popup_ui import TEST_LANGUAGE

CAPTION = "Setup - Kelvra Zavora"
PICKER_CLASS = "KelvraZavoraSetup"
WIZARD_CLASS = "#32770"
ORDER = "German;!French;Testlang"


def shown(env, cls):
    found = env.probe.find(cls=cls, text=CAPTION, visible=True)
    return found[0] if found else None


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
