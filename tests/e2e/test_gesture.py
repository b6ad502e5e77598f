"""The key gesture end to end: zavora.exe runs with its keyboard hook, a person holds the
trigger, presses a letter, picks a character in the popup, and the target window receives
exactly that character as WM_CHAR, keeps the focus and never enters its menu bar."""
import pytest

from harness.waiting import holds_for

import popup_ui as pu

WS_POPUP, NO_ACTIVATE = 0x80000000, 0x8 | 0x80 | 0x08000000  # topmost, tool window, no activation


def test_number_after_letting_go_types_that_candidate(env, zavora):
    target = pu.start(env, zavora)
    shown = pu.open_with(env, "altgr", release=False)
    # The popup never takes the focus, and lies centred on the 1024 x 768 desktop.
    assert target.has_focus()
    assert shown.style & WS_POPUP and shown.exstyle & NO_ACTIVATE == NO_ACTIVATE
    assert (shown.width, shown.height, shown.rect[:2]) == (145, 369, [439, 199])
    print("popup screenshot:", env.screenshot("popup-e-open"))
    # Right Alt alone is plain Alt on this layout: its release after a swallowed key
    # must not open the menu bar.
    env.keyboard.up("altgr")
    holds_for(lambda: not env.probe.focus()["inmenu"], pu.SETTLE, what="the menu bar closed")
    pu.pick(env, target, pu.E_GRAVE, "2")


@pytest.mark.parametrize("keys, trigger", [(["altgr"], "0"), (["ctrl", "alt"], "1")], ids=["altgr", "ctrl+alt"])
def test_a_lone_candidate_arrives_as_a_character_and_leaves_no_key_down(env, zavora, keys, trigger):
    target = pu.start(env, zavora, AutoInsert="Yes", Trigger=trigger)
    with env.keyboard.hold(*keys):
        env.keyboard.tap("a")
        # Typed while the trigger is still held: its keys are released for the system
        # first, so the application gets a plain WM_CHAR, not an Alt combination.
        target.wait_for_chars(pu.A_ACUTE)
        assert not pu.shown(env)
    # Ctrl and Alt went down again as themselves: letting them go leaves nothing down,
    # so x arrives as x and not as Ctrl+X.
    env.keyboard.tap("x")
    pu.assert_typed_alone(target, pu.A_ACUTE + "x")
