"""The popup at 150 % and 200 %: every length of the window scales with the screen's DPI,
so the window is that much larger, drawn as sharply as at 100 % (kept as screenshots),
and the mouse finds its rows and arrows where they are drawn."""
import pytest

from harness.waiting import holds_for

import options_ui as ui
import popup_ui as pu

# Eight candidates, so the key popup's down arrow is active.
EIGHT = "e 00E900E800EA00EB0113011B01170119"


@pytest.mark.parametrize("dpi", [144, 192], indirect=True)
def test_popup_scales_and_the_mouse_hits_its_rows_and_arrow(env, zavora, dpi):
    target = pu.start(env, zavora, test_language=EIGHT)

    def at(window, x, y):
        """The screen point `x, y` twips from the popup's corner."""
        return window.rect[0] + x * dpi // 1440, window.rect[1] + y * dpi // 1440

    window = pu.open_with(env, "altgr")
    # 2175 x 5535 twips, halves to the even side (217.5 x 553.5 pixels at 144 dpi).
    assert (window.width, window.height) == (ui.twips(2175, dpi), ui.twips(5535, dpi))
    print("popup screenshot:", env.screenshot(f"popup-e-{dpi}dpi"))
    # The sixth row (1590 twips down, 615 each) holds the sixth candidate, e with caron.
    env.mouse.double_click(*at(window, 1087, 1590 + 5 * 615 + 307))
    pu.pick(env, target, "\u011b")
    # The down arrow (5280 twips down) shows the next candidate and selects it; the popup stays.
    target.clear()
    window = pu.open_with(env, "altgr")
    env.mouse.click(*at(window, 1087, 5280 + 127))
    holds_for(lambda: pu.shown(env), 0.5, what="the popup to stay open")
    pu.pick(env, target, pu.E_GRAVE, "Return")
