"""The Options dialog laid out at the screen's DPI: every length of the dialog is in
twips, so at 144 dpi the window and its controls are 1.5 times their size at 96 dpi.
The three pages are kept as screenshots (options-<page>-<dpi>dpi.png) at both."""
import pytest


import options_ui as ui
from options_ui import twips

PAGES = ("general", "languages", "advanced")


def show_pages(env, zavora, dpi):
    ui.start(env, zavora)
    window = ui.open_options(env)
    assert window.width == twips(6240, dpi)
    c = ui.controls(env)
    for caption, left in (("Help", 120), ("OK", 2520), ("Cancel", 3720), ("Apply", 4920)):
        button = c.button(caption)
        assert button.width == twips(left + 1095, dpi) - twips(left, dpi)
        assert button.height == twips(6360 + 375, dpi) - twips(6360, dpi)
    assert c.list_view().width == twips(120 + 3735, dpi) - twips(120, dpi)
    for n, page in enumerate(PAGES):
        if n:
            ui.next_page(env)
        shown = ui.controls(env).visible_page()
        assert (shown.width, shown.height) == (twips(240 + 5655, dpi) - twips(240, dpi),
                                               twips(480 + 5655, dpi) - twips(480, dpi))
        print(f"{page} page at {dpi} dpi:", env.screenshot(f"options-{page}-{dpi}dpi"))
    env.keyboard.tap("Escape")
    ui.wait_closed(env)


@pytest.mark.parametrize("dpi", [96, 144])
def test_pages_scale_with_the_screen_dpi(env, zavora, dpi, request):
    show_pages(request.getfixturevalue("dpi144") if dpi == 144 else env, zavora, dpi)
