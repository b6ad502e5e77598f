"""The Options dialog laid out at the screen's DPI: every length of the dialog is in
twips, so at 144 dpi the window and its controls are 1.5 times their size at 96 dpi.
The three pages are kept as screenshots (options-<page>-<dpi>dpi.png) at both."""
import pytest

import options_ui as ui
from options_ui import twips


def span(start, length, dpi):
    """Pixels of a length placed at `start` twips: its edges are converted each."""
    return twips(start + length, dpi) - twips(start, dpi)


@pytest.mark.parametrize("dpi", [96, 144], indirect=True)
def test_pages_scale_with_the_screen_dpi(env, zavora, dpi):
    ui.start(env, zavora)
    assert ui.open_options(env).width == twips(6240, dpi)
    for caption, left in (("Help", 120), ("OK", 2520), ("Cancel", 3720), ("Apply", 4920)):
        button = ui.button(env, caption)
        assert (button.width, button.height) == (span(left, 1095, dpi), span(6360, 375, dpi))
    assert ui.one(env, "SysListView32").width == span(120, 3735, dpi)
    for n, name in enumerate(("general", "languages", "advanced")):
        page = ui.next_page(env) if n else ui.page(env)
        assert (page.width, page.height) == (span(240, 5655, dpi), span(480, 5655, dpi))
        print(f"{name} page at {dpi} dpi:", env.screenshot(f"options-{name}-{dpi}dpi"))
    env.keyboard.tap("Escape")
    ui.wait_closed(env)
