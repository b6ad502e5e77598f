"""The key gesture end to end: zavora.exe runs with its keyboard hook, a person holds the
trigger, presses a letter, picks a character in the popup, and our target window receives
exactly that character. A user language in the registry fixes the candidates, so nothing
depends on the shipped data: e offers é è ê ë, a offers á alone, q offers nothing."""
import time

import pytest

from harness.waiting import wait_until

POPUP_CLASS = "KelvraZavoraPopup"
TEST_LANGUAGE = "e 00E900E800EA00EB;;a 00E1"
E_CANDIDATES = "\u00e9\u00e8\u00ea\u00eb"


def start_zavora(env, zavora, **user):
    settings = {"Languages": "Testlang", "AutoStart": "No", **user}
    zavora.start(user=settings, machine={r"Languages\Testlang": TEST_LANGUAGE})
    zavora.wait_settled(options=1, service=1, timeout=60)
    popup = wait_until(lambda: env.probe.find(cls=POPUP_CLASS), 30, what="the popup window")[0]
    return popup


def popup_shown(env):
    windows = env.probe.find(cls=POPUP_CLASS)
    return windows and windows[0].visible and windows[0].width > 0


def wait_popup(env, shown=True, timeout=10):
    return wait_until(lambda: bool(popup_shown(env)) == shown, timeout,
                      what="the popup to " + ("show" if shown else "hide"))


@pytest.fixture
def gesture(env, zavora):
    popup = start_zavora(env, zavora)
    target = env.target()
    target.clear()
    return env, target, popup


def test_trigger_letter_then_number_types_the_numbered_candidate(gesture):
    env, target, _ = gesture
    env.keyboard.right_alt_down()
    env.keyboard.tap("e")
    wait_popup(env)
    env.screenshot("popup-e-open")
    env.keyboard.right_alt_up()
    env.keyboard.tap("2")
    target.wait_for_chars("\u00e8")
    wait_popup(env, shown=False)
    assert target.chars() == "\u00e8"
    assert target.syschars() == ""
    assert not target.menu_entered()
