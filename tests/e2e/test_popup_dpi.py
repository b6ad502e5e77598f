"""The popup at 150 %: every length of the window scales with the screen's DPI, so the
window is 1.5 times as large and drawn as sharply as at 100 %."""
import popup_ui as pu


def test_popup_scales_to_the_screen_dpi(dpi144, zavora):
    env = dpi144
    target = pu.start(env, zavora)
    shown = pu.open_with(env, "altgr")
    pu.release(env, "altgr")
    # 2175 x 5535 twips at 144 dpi: 217.5 and 553.5 pixels, halves to the even side.
    assert (shown.width, shown.height) == (218, 554)
    print("popup screenshot at 144 dpi:", env.screenshot("popup-e-144dpi"))
    env.keyboard.tap("2")
    pu.wait_popup(env, visible=False)
    pu.assert_typed_alone(target, pu.E_GRAVE)
