"""The all-characters screen end to end: Alt Gr + space opens it over our target window,
which keeps the focus throughout; the mouse (through the low-level mouse hook) chooses a
character, and the target receives exactly that one. (The screen's keys are the
simulated desktop's: AllCharsScreenTest.EnterTypesTheSelectedCharacterInTheChosenCase.)

The screen lists the shipped data: the first character type is "with acute", whose
characters start á, é, í, ó, ú (the type's records in characters.dat order)."""
import pytest

from harness.waiting import wait_until

import options_ui as ui
import popup_ui as pu

SBM_GETPOS = 0x00E1
# The characters list's left and top in twips (the suite runs at 96 dpi: 15 to the
# pixel); its rows are 400 twips high.
LIST_LEFT, LIST_TOP = 360 + 30, 1320 + 2310


@pytest.fixture
def target(env, zavora):
    return pu.start(env, zavora, RememberState="No")


def screen_shown(env):
    """The popup in the all-characters screen's size, with its panel visible."""
    window = pu.popup(env)
    return (window if window and window.visible and window.width == 4335 // 15 and
            ui.controls(env, "KelvraZavoraAllCharacters", window=window, visible=True) else None)


def open_screen(env):
    with env.keyboard.hold("altgr"):
        env.keyboard.tap("space")
    return wait_until(lambda: screen_shown(env), 10, what="the all-characters screen")


def scroll_position(env, window):
    """The position of the taller scroll bar, the characters list's, and the bar."""
    bar = max(ui.controls(env, "ScrollBar", window=window), key=lambda b: b.height)
    return env.probe.send(bar.hwnd, SBM_GETPOS), bar


def character_row(window, row):
    """The screen point in the middle of a visible row of the characters list."""
    return window.rect[0] + LIST_LEFT // 15 + 100, window.rect[1] + (LIST_TOP + 400 * row + 200) // 15


def test_trigger_and_space_open_the_screen_and_a_double_click_on_a_row_types_it(env, target):
    window = open_screen(env)
    assert target.has_focus()
    assert [c.text for c in ui.controls(env, "Button", window=window)] == ["Character Types", "Languages"]
    env.mouse.double_click(*character_row(window, 2))
    pu.pick(env, target, "\u00ed")


def test_the_wheel_the_thumb_and_the_arrows_scroll_the_characters_list(env, target):
    window = open_screen(env)
    env.mouse.wheel(*character_row(window, 3), -1)  # one notch towards the user
    wait_until(lambda: scroll_position(env, window)[0] == 3, 10, what="three rows down")
    # The wheel turned over the target window, outside the screen, scrolls the screen back.
    # (Under Wine a second notch at the very same pointer position never reaches the hook
    # until the pointer moves, so the notches are turned at two places.)
    edit = env.probe.info(target.edit)
    env.mouse.wheel(edit.rect[0] + 20, edit.rect[1] + 40, 1)
    wait_until(lambda: scroll_position(env, window)[0] == 0, 10, what="the list scrolled back")
    _, bar = scroll_position(env, window)
    x = bar.center[0]
    # The thumb sits just below the up arrow; dragged halfway, it scrolls; afterwards a
    # press on the up arrow steps one row again.
    env.mouse.down(x, bar.rect[1] + 20)
    env.mouse.move(x, bar.center[1])
    wait_until(lambda: scroll_position(env, window)[0] > 1, 10, what="the thumb to follow")
    env.mouse.up()
    dragged = scroll_position(env, window)[0]
    env.mouse.click(x, bar.rect[1] + 5)
    wait_until(lambda: scroll_position(env, window)[0] == dragged - 1, 10, what="one row up")
    assert screen_shown(env) and target.has_focus() and target.chars() == ""


def test_a_click_outside_closes_the_screen_and_reaches_the_target(env, target):
    env.keyboard.tap("x", "y", "z")
    target.wait_for_chars("xyz")
    window = open_screen(env)
    edit = env.probe.info(target.edit)
    x, y = edit.rect[0] + 2, edit.rect[1] + 8  # in the edit box, before its first character
    assert x < window.rect[0]
    env.mouse.click(x, y)
    pu.wait_popup(env, visible=False)
    env.keyboard.tap("w")  # the click placed the caret: the application received it
    wait_until(lambda: target.text() == "wxyz", 10, what="w typed where the click put the caret")
    assert target.has_focus()
