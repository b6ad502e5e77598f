"""The key gesture end to end: zavora.exe runs with its keyboard hook, a person holds the
trigger, presses a letter, picks a character in the popup, and our target window receives
exactly that character. A user language in the registry fixes the candidates, so nothing
depends on the shipped data: e offers é è ê ë, a offers á alone, q offers nothing."""
import time

import pytest

from harness.waiting import wait_until

POPUP_CLASS = "KelvraZavoraPopup"
TEST_LANGUAGE = "e 00E900E800EA00EB;;a 00E1"
E_ACUTE, E_GRAVE, E_CIRCUMFLEX = "\u00e9", "\u00e8", "\u00ea"
CAPITAL_E_ACUTE = "\u00c9"
A_ACUTE = "\u00e1"
# Long enough for a key that is wrongly let through to reach the target.
SETTLE = 0.5
FUNCTION_KEY_RECENCY = 0.7
WS_POPUP = 0x80000000
WS_EX_TOPMOST, WS_EX_TOOLWINDOW, WS_EX_NOACTIVATE = 0x8, 0x80, 0x08000000


def start_zavora(env, zavora, **user):
    settings = {"Languages": "Testlang", "AutoStart": "No", **user}
    zavora.start(user=settings, machine={r"Languages\Testlang": TEST_LANGUAGE})
    zavora.wait_settled(options=1, service=1, timeout=60)
    return wait_until(lambda: env.probe.find(cls=POPUP_CLASS), 30, what="the popup window")[0]


def popup(env):
    windows = env.probe.find(cls=POPUP_CLASS)
    return windows[0] if windows else None


def popup_shown(env):
    window = popup(env)
    return bool(window and window.visible and window.width > 0)


def wait_popup(env, shown=True, timeout=10):
    wait_until(lambda: popup_shown(env) == shown, timeout,
               what="the popup to " + ("show" if shown else "hide"))
    return popup(env)


def open_with(env, *keys):
    """Holds the trigger's keys, taps e, waits for the popup; the keys stay down."""
    for key in keys:
        env.keyboard.down(key)
    env.keyboard.tap("e")
    return wait_popup(env)


def release(env, *keys):
    for key in reversed(keys):
        env.keyboard.up(key)


def gesture_target(env, zavora, **user):
    start_zavora(env, zavora, **user)
    target = env.target()
    # Keep the pointer off the place where the popup appears. Under Wine, a window that
    # shows beneath the pointer makes the X server report its whole keymap, and Wine then
    # takes every physically held key as down, a swallowed function-key trigger included;
    # its swallowed release would leave it down for Wine. Windows has no such step.
    env.mouse.move(5, 5)
    target.clear()
    return target


def assert_typed_alone(target, text):
    """`text` arrived as WM_CHAR, nothing else arrived, the menu bar stayed closed."""
    target.wait_for_chars(text)
    time.sleep(SETTLE)
    assert target.chars() == text
    assert target.syschars() == ""
    assert not target.menu_entered()
    assert target.has_focus()


@pytest.fixture
def alt_gr(env, zavora):
    return env, gesture_target(env, zavora)


def test_number_after_letting_go_types_that_candidate(alt_gr):
    env, target = alt_gr
    shown = open_with(env, "altgr")
    # The popup never takes the focus, and lies centred on the 1024 x 768 desktop.
    assert target.has_focus()
    assert shown.style & WS_POPUP
    assert shown.exstyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE) == \
        WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE
    assert shown.width == 145 and shown.height == 369
    assert shown.rect[:2] == [439, 199]
    path = env.screenshot("popup-e-open")
    print("popup screenshot:", path)
    release(env, "altgr")
    env.screenshot("popup-e-released")
    env.keyboard.tap("2")
    wait_popup(env, shown=False)
    assert_typed_alone(target, E_GRAVE)


def test_number_while_the_trigger_is_held_does_nothing(alt_gr):
    env, target = alt_gr
    open_with(env, "altgr")
    env.keyboard.tap("2")
    time.sleep(SETTLE)
    assert popup_shown(env)
    assert target.typed() == ""
    release(env, "altgr")
    env.keyboard.tap("3")
    assert_typed_alone(target, E_CIRCUMFLEX)


def test_down_and_enter_type_the_second_candidate(alt_gr):
    env, target = alt_gr
    open_with(env, "altgr")
    release(env, "altgr")  # the first candidate is highlighted now
    env.keyboard.tap("Down")
    env.keyboard.tap("Return")
    wait_popup(env, shown=False)
    assert_typed_alone(target, E_GRAVE)


def test_repeated_letter_steps_and_the_release_inserts(alt_gr):
    env, target = alt_gr
    open_with(env, "altgr")
    env.keyboard.tap("e", "e", "e")  # selection 0, 1, 2
    time.sleep(SETTLE)
    assert popup_shown(env)
    assert target.typed() == ""
    release(env, "altgr")
    wait_popup(env, shown=False)
    assert_typed_alone(target, E_CIRCUMFLEX)


def test_shift_opens_in_upper_case(alt_gr):
    env, target = alt_gr
    open_with(env, "altgr", "shift")
    env.screenshot("popup-e-upper-case")
    release(env, "altgr", "shift")
    env.keyboard.tap("1")
    wait_popup(env, shown=False)
    assert_typed_alone(target, CAPITAL_E_ACUTE)


def test_escape_closes_without_typing(alt_gr):
    env, target = alt_gr
    open_with(env, "altgr")
    release(env, "altgr")
    env.keyboard.tap("Escape")
    wait_popup(env, shown=False)
    env.keyboard.tap("x")  # typing goes on normally afterwards
    assert_typed_alone(target, "x")


def test_key_without_characters_is_swallowed_and_opens_nothing(alt_gr):
    env, target = alt_gr
    with env.keyboard.hold("altgr"):
        env.keyboard.tap("q")
        time.sleep(SETTLE)
        assert not popup_shown(env)
    env.keyboard.tap("x")
    assert_typed_alone(target, "x")


def test_lone_candidate_is_inserted_at_once(env, zavora):
    target = gesture_target(env, zavora, AutoInsert="Yes")
    with env.keyboard.hold("altgr"):
        env.keyboard.tap("a")
        # Typed while Alt Gr is still held: the trigger keys are released for the system
        # first, so the application gets a plain WM_CHAR, not an Alt combination.
        target.wait_for_chars(A_ACUTE)
        assert not popup_shown(env)
    env.keyboard.tap("x")
    assert_typed_alone(target, A_ACUTE + "x")


def test_ctrl_alt_lone_candidate_leaves_no_ctrl_down(env, zavora):
    target = gesture_target(env, zavora, AutoInsert="Yes", Trigger="1")
    with env.keyboard.hold("ctrl", "alt"):
        env.keyboard.tap("a")
        target.wait_for_chars(A_ACUTE)
    # The left Ctrl and Alt went down again as themselves: letting them go leaves nothing
    # down, so x arrives as x and not as Ctrl+X.
    env.keyboard.tap("x")
    assert_typed_alone(target, A_ACUTE + "x")


def test_function_key_trigger(env, zavora):
    target = gesture_target(env, zavora, Trigger="2")  # F10
    open_with(env, "F10")
    release(env, "F10")
    # A function-key trigger counts as held for half a second after its release.
    time.sleep(FUNCTION_KEY_RECENCY)
    env.keyboard.tap("2")
    wait_popup(env, shown=False)
    # F10 alone would open the menu bar; the trigger never reaches the application.
    assert_typed_alone(target, E_GRAVE)


def test_alt_release_after_a_swallowed_key_leaves_the_menu_bar_closed(alt_gr):
    env, target = alt_gr
    # Right Alt is plain Alt on this layout: down, a swallowed key, up.
    open_with(env, "altgr")
    release(env, "altgr")
    time.sleep(SETTLE)
    assert not target.menu_entered()
    assert not env.probe.focus()["inmenu"]
    env.keyboard.tap("1")
    assert_typed_alone(target, E_ACUTE)
