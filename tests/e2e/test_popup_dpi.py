"""The popup at 150 % and 200 %: every length of the window scales with the screen's DPI, so
the window is that much larger, drawn as sharply as at 100 %, and the mouse finds its rows
and arrows where they are drawn."""
from harness.waiting import holds_for

import popup_ui as pu

# Eight candidates, so the key popup's down arrow is active.
EIGHT = "e 00E900E800EA00EB0113011B01170119"


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


def at_192_dpi(window, x_twips, y_twips):
    """A screen point `x_twips, y_twips` from the popup's corner, 7.5 twips to the pixel."""
    return window.rect[0] + x_twips * 192 // 1440, window.rect[1] + y_twips * 192 // 1440


def test_mouse_at_200_percent_hits_the_arrow_and_the_rows(dpi192, zavora):
    env = dpi192
    target = pu.start(env, zavora, test_language=EIGHT)
    # The sixth row (1590 twips down, 615 each) holds the sixth candidate, e with caron.
    window = pu.open_with(env, "altgr")
    pu.release(env, "altgr")
    env.mouse.double_click(*at_192_dpi(window, 1087, 1590 + 5 * 615 + 307))
    pu.wait_popup(env, visible=False)
    pu.assert_typed_alone(target, "\u011b")
    # The down arrow (5280 twips down) shows the next candidate and selects it; the popup stays.
    target.clear()
    window = pu.open_with(env, "altgr")
    pu.release(env, "altgr")
    env.mouse.click(*at_192_dpi(window, 1087, 5280 + 127))
    holds_for(lambda: pu.shown(env), 0.5, what="the popup to stay open")
    env.keyboard.tap("Return")
    pu.wait_popup(env, visible=False)
    pu.assert_typed_alone(target, pu.E_GRAVE)
