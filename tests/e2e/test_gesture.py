"""The key gesture end to end: zavora.exe runs with its keyboard hook, a person holds the
trigger, presses a letter, picks a character in the popup, and the target window receives
exactly that character as WM_CHAR, keeps the focus and never enters its menu bar."""
from harness.waiting import holds_for

import popup_ui as pu
from popup_ui import open_with, release, assert_typed_alone

WS_POPUP = 0x80000000
WS_EX_TOPMOST, WS_EX_TOOLWINDOW, WS_EX_NOACTIVATE = 0x8, 0x80, 0x08000000
CAPITAL_I_WITH_DOT = "\u0130"


def test_number_after_letting_go_types_that_candidate(env, zavora):
    target = pu.start(env, zavora)
    shown = open_with(env, "altgr")
    # The popup never takes the focus, and lies centred on the 1024 x 768 desktop.
    assert target.has_focus()
    assert shown.style & WS_POPUP
    no_activate = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE
    assert shown.exstyle & no_activate == no_activate
    assert (shown.width, shown.height, shown.rect[:2]) == (145, 369, [439, 199])
    print("popup screenshot:", env.screenshot("popup-e-open"))
    # Right Alt alone is plain Alt on this layout: its release after a swallowed key
    # must not open the menu bar.
    release(env, "altgr")
    holds_for(lambda: not env.probe.focus()["inmenu"], pu.SETTLE, what="the menu bar closed")
    env.keyboard.tap("2")
    pu.wait_popup(env, visible=False)
    assert_typed_alone(target, pu.E_GRAVE)


def test_key_without_characters_is_swallowed_and_opens_nothing(env, zavora):
    target = pu.start(env, zavora)
    with env.keyboard.hold("altgr"):
        env.keyboard.tap("q")
        holds_for(lambda: not pu.shown(env), pu.SETTLE, what="no popup")
    env.keyboard.tap("x")
    assert_typed_alone(target, "x")


def test_lone_candidate_is_inserted_at_once(env, zavora):
    target = pu.start(env, zavora, AutoInsert="Yes")
    with env.keyboard.hold("altgr"):
        env.keyboard.tap("a")
        # Typed while Alt Gr is still held: the trigger keys are released for the system
        # first, so the application gets a plain WM_CHAR, not an Alt combination.
        target.wait_for_chars(pu.A_ACUTE)
        assert not pu.shown(env)
    env.keyboard.tap("x")
    assert_typed_alone(target, pu.A_ACUTE + "x")


def test_ctrl_alt_lone_candidate_leaves_no_ctrl_down(env, zavora):
    target = pu.start(env, zavora, AutoInsert="Yes", Trigger="1")
    with env.keyboard.hold("ctrl", "alt"):
        env.keyboard.tap("a")
        target.wait_for_chars(pu.A_ACUTE)
    # The left Ctrl and Alt went down again as themselves: letting them go leaves nothing
    # down, so x arrives as x and not as Ctrl+X.
    env.keyboard.tap("x")
    assert_typed_alone(target, pu.A_ACUTE + "x")


def test_shipped_turkish_types_the_dotted_capital_i_with_shift(env, zavora):
    # Turkish offers ı i î on i; Shift opens the popup in upper case: I İ Î.
    target = pu.start(env, zavora, languages="Turkish")
    open_with(env, "altgr", "shift", letter="i")
    release(env, "altgr", "shift")
    env.keyboard.tap("2")
    assert_typed_alone(target, CAPITAL_I_WITH_DOT)
