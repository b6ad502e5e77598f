"""The popup at 150 %: every length of the window design scales with the screen's DPI, so
the window is 1.5 times as large and drawn as sharply as at 100 %."""
import pytest

from test_gesture import gesture_target, open_with, release, wait_popup, assert_typed_alone, E_GRAVE


@pytest.fixture
def dpi144(env):
    env.prefix.set_dpi(144)
    yield env
    env.clean()
    env.prefix.set_dpi(96)


def test_popup_scales_to_the_screen_dpi(dpi144, zavora):
    env = dpi144
    target = gesture_target(env, zavora)
    shown = open_with(env, "altgr")
    release(env, "altgr")
    # 2175 x 5535 twips at 144 dpi: 217.5 and 553.5 pixels, halves to the even side.
    assert (shown.width, shown.height) == (218, 554)
    print("popup screenshot at 144 dpi:", env.screenshot("popup-e-144dpi"))
    env.keyboard.tap("2")
    wait_popup(env, shown=False)
    assert_typed_alone(target, E_GRAVE)
