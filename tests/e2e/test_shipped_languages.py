"""The shipped data end to end: with the built-in Turkish language enabled, a Turkish user
types the dotted capital İ with the gesture. Turkish offers ı i î on i; Shift opens the
popup in upper case, I İ Î, and İ is the upper case of the second."""
import time

from harness.waiting import wait_until

CAPITAL_I_WITH_DOT = "\u0130"


def popup_shown(env):
    return any(w.visible and w.width > 0 for w in env.probe.find(cls="KelvraZavoraPopup"))


def test_turkish_trigger_shift_i_types_dotted_capital_i(env, zavora):
    zavora.start(user={"Languages": "Turkish", "AutoStart": "No"})
    zavora.wait_settled(options=1, service=1, timeout=60)
    wait_until(lambda: env.probe.find(cls="KelvraZavoraPopup"), 30, what="the popup window")
    target = env.target()
    env.mouse.move(5, 5)  # a window shown under the pointer makes Wine re-read held keys
    target.clear()

    env.keyboard.right_alt_down()
    env.keyboard.down("shift")
    env.keyboard.tap("i")
    wait_until(lambda: popup_shown(env), 10, what="the popup")
    print("screenshot:", env.screenshot("popup-turkish-i-upper-case"))
    env.keyboard.up("shift")
    env.keyboard.right_alt_up()
    env.keyboard.tap("2")

    target.wait_for_chars(CAPITAL_I_WITH_DOT)
    time.sleep(0.5)  # long enough for a key wrongly let through to arrive
    assert target.chars() == CAPITAL_I_WITH_DOT
    assert target.syschars() == "" and not target.menu_entered()
    assert not popup_shown(env)
