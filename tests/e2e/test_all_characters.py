"""The all-characters screen end to end: Alt Gr + space opens it over our target window,
which keeps the focus throughout; the keys, the mouse (through the low-level mouse hook)
and the search by name choose a character, and the target receives exactly that one.

The screen lists the shipped data: the first character type is "with acute", whose
characters start á, é, í, ó, ú (the type's records in characters.dat order)."""
from harness.waiting import holds_for, wait_until
from harness.zavora import USER_KEY

POPUP_CLASS = "KelvraZavoraPopup"
PANEL_CLASS = "KelvraZavoraAllCharacters"
A_ACUTE, E_ACUTE, I_ACUTE = "\u00e1", "\u00e9", "\u00ed"
SBM_GETPOS = 0x00E1
TWIPS_PER_PIXEL = 15  # the suite runs at 96 dpi
# Window twips of the screen's controls (the container sits at 360, 1320).
CHARACTER_LIST = (360 + 30, 1320 + 2310)  # left, top; rows 400 twips high
LANGUAGES_OPTION = (360 + 1920, 1320 + 120)
SETTLE = 0.5


def start(env, zavora, **user):
    zavora.start(user={"AutoStart": "No", **user})
    zavora.wait_settled(options=1, service=1, timeout=60)
    wait_until(lambda: env.probe.find(cls=POPUP_CLASS), 30, what="the popup window")
    target = env.target()
    target.clear()
    return target


def popup(env):
    windows = env.probe.find(cls=POPUP_CLASS)
    return windows[0] if windows else None


def screen_shown(env):
    """The popup is shown in the all-characters screen's size, with its panel visible."""
    window = popup(env)
    if not (window and window.visible and window.width == 4335 // TWIPS_PER_PIXEL):
        return None
    panels = [c for c in env.probe.children(window.hwnd) if c.cls == PANEL_CLASS and c.visible]
    return window if panels else None


def popup_hidden(env):
    window = popup(env)
    return window is not None and not (window.visible and window.width > 0)


def open_screen(env):
    env.keyboard.right_alt_down()
    env.keyboard.tap("space")
    env.keyboard.right_alt_up()
    return wait_until(lambda: screen_shown(env), 10, what="the all-characters screen")


def controls(env, window, cls):
    return [c for c in env.probe.children(window.hwnd) if c.cls.lower() == cls.lower()]


def characters_bar(env, window):
    """The taller of the two scroll bars belongs to the characters list."""
    bars = controls(env, window, "ScrollBar")
    return max(bars, key=lambda bar: bar.rect[3] - bar.rect[1])


def character_row(window, row):
    """The screen point in the middle of a visible row of the characters list."""
    left = window.rect[0] + CHARACTER_LIST[0] // TWIPS_PER_PIXEL
    top = window.rect[1] + (CHARACTER_LIST[1] + 400 * row + 200) // TWIPS_PER_PIXEL
    return left + 100, top


def caption_texts(env, window):
    return [c.text for c in controls(env, window, "Static")]


def saved_state(env):
    """`OptionSel`, `List2Sel` and `CharSel` (as a number) as the screen stored them."""
    key = USER_KEY + r"\AllCharactersScreen"
    values = [env.probe.reg_get(key, name) for name in ("OptionSel", "List2Sel", "CharSel")]
    return values[0], values[1], int(values[2] or 0)


def assert_typed_alone(target, text):
    target.wait_for_chars(text)
    holds_for(lambda: target.chars() == text, SETTLE, what="nothing more typed")
    assert target.syschars() == ""
    assert not target.menu_entered()
    assert target.has_focus()


def test_trigger_and_space_open_the_screen_and_the_arrows_and_enter_type(env, zavora):
    target = start(env, zavora, RememberState="No")
    window = open_screen(env)
    assert target.has_focus()
    labels = [c.text for c in controls(env, window, "Button")]
    assert labels == ["Character Types", "Languages"]
    assert caption_texts(env, window) == ["Character Types:", "Characters:"]
    env.keyboard.tap("Down")
    env.keyboard.tap("Return")
    wait_until(lambda: popup_hidden(env), 10, what="the screen to close")
    assert_typed_alone(target, E_ACUTE)


def test_double_click_on_a_row_types_it_and_the_target_keeps_the_focus(env, zavora):
    target = start(env, zavora, RememberState="No")
    window = open_screen(env)
    env.mouse.double_click(*character_row(window, 2))
    wait_until(lambda: popup_hidden(env), 10, what="the screen to close")
    assert_typed_alone(target, I_ACUTE)


def test_the_wheel_scrolls_the_characters_list(env, zavora):
    target = start(env, zavora, RememberState="No")
    window = open_screen(env)
    bar = characters_bar(env, window)
    assert env.probe.send(bar.hwnd, SBM_GETPOS)["result"] == 0
    env.mouse.wheel(*character_row(window, 3), -1)  # one notch towards the user
    wait_until(lambda: env.probe.send(bar.hwnd, SBM_GETPOS)["result"] == 3, 10,
               what="the characters list to scroll by three rows")
    # The wheel turned over the target window, outside the screen, scrolls the screen back.
    # (Under Wine a second notch at the very same pointer position never reaches the hook
    # until the pointer moves, so the notches are turned at two places.)
    edit = env.probe.info(target.edit)
    env.mouse.wheel(edit.rect[0] + 20, edit.rect[1] + 40, 1)
    wait_until(lambda: env.probe.send(bar.hwnd, SBM_GETPOS)["result"] == 0, 10,
               what="the characters list to scroll back")
    assert screen_shown(env) and target.has_focus() and target.chars() == ""


def test_dragging_the_thumb_scrolls_the_list_and_a_press_on_an_arrow_steps_one_row(env, zavora):
    target = start(env, zavora, RememberState="No")
    window = open_screen(env)
    bar = characters_bar(env, window)
    x = (bar.rect[0] + bar.rect[2]) // 2
    env.mouse.click(x, bar.rect[3] - 5)               # the down arrow
    wait_until(lambda: env.probe.send(bar.hwnd, SBM_GETPOS)["result"] == 1, 10,
               what="one row down")
    # The thumb sits just below the up arrow; drag it halfway down the bar.
    env.mouse.down(x, bar.rect[1] + 20)
    env.mouse.move(x, (bar.rect[1] + bar.rect[3]) // 2)
    wait_until(lambda: env.probe.send(bar.hwnd, SBM_GETPOS)["result"] > 1, 10,
               what="the thumb to follow the pointer")
    env.mouse.up()
    dragged = env.probe.send(bar.hwnd, SBM_GETPOS)["result"]
    # The drag is over: pressing the up arrow steps one row again.
    env.mouse.click(x, bar.rect[1] + 5)
    wait_until(lambda: env.probe.send(bar.hwnd, SBM_GETPOS)["result"] == dragged - 1, 10,
               what="one row up after the drag")
    assert screen_shown(env) and target.has_focus() and target.chars() == ""


def test_a_click_outside_closes_the_screen_and_reaches_the_target(env, zavora):
    target = start(env, zavora, RememberState="No")
    env.keyboard.tap("x", "y", "z")
    target.wait_for_chars("xyz")
    window = open_screen(env)
    edit = env.probe.info(target.edit)
    # Left of the popup, inside the edit box, before its first character.
    x, y = edit.rect[0] + 2, edit.rect[1] + 8
    assert x < window.rect[0]
    env.mouse.click(x, y)
    wait_until(lambda: popup_hidden(env), 10, what="the screen to close")
    # The click placed the caret at the start of the text: the application received it.
    env.keyboard.tap("w")
    wait_until(lambda: target.text() == "wxyz", 10, what="w typed where the click put the caret")
    assert target.has_focus()


def test_remembered_state_reopens_on_the_language_and_character_left(env, zavora):
    target = start(env, zavora, RememberState="Yes")
    window = open_screen(env)
    left = window.rect[0] + LANGUAGES_OPTION[0] // TWIPS_PER_PIXEL + 20
    top = window.rect[1] + LANGUAGES_OPTION[1] // TWIPS_PER_PIXEL + 8
    env.mouse.click(left, top)
    wait_until(lambda: "Languages:" in caption_texts(env, window), 10, what="the languages list")
    env.keyboard.tap("Down")                        # the top list has the keys: the second language
    env.mouse.click(*character_row(window, 4))      # its fifth character; the list takes the keys
    env.keyboard.tap("Escape")
    wait_until(lambda: popup_hidden(env), 10, what="the screen to close")
    option, language, code = saved_state(env)
    assert option == "1" and language and code > 0

    window = open_screen(env)
    assert "Languages:" in caption_texts(env, window)
    bar = characters_bar(env, window)
    assert env.probe.send(bar.hwnd, SBM_GETPOS)["result"] == 0  # the fifth row is in view
    env.keyboard.tap("Return")
    wait_until(lambda: popup_hidden(env), 10, what="the screen to close")
    assert_typed_alone(target, chr(code))
    assert saved_state(env) == (option, language, code)


def test_a_search_by_name_lists_the_matches_and_enter_types_the_first(env, zavora):
    target = start(env, zavora, RememberState="No")
    window = open_screen(env)
    env.keyboard.tap("Down", "Down")                # away from the first character
    env.keyboard.tap("e", "space", "a", "c")
    wait_until(lambda: "Search: e ac" in caption_texts(env, window), 10, what="the search caption")
    print("screenshot:", env.screenshot("all-characters-search"))
    assert target.chars() == ""
    env.keyboard.tap("Return")
    wait_until(lambda: popup_hidden(env), 10, what="the screen to close")
    assert_typed_alone(target, E_ACUTE)


def test_a_double_click_in_the_key_popup_types_that_candidate(env, zavora):
    # A user language fixes the key popup's candidates: e offers é è ê ë.
    zavora.start(user={"AutoStart": "No", "Languages": "Testlang"},
                 machine={r"Languages\Testlang": "e 00E900E800EA00EB"})
    zavora.wait_settled(options=1, service=1, timeout=60)
    wait_until(lambda: env.probe.find(cls=POPUP_CLASS), 30, what="the popup window")
    target = env.target()
    target.clear()
    env.keyboard.right_alt_down()
    env.keyboard.tap("e")
    env.keyboard.right_alt_up()
    window = wait_until(lambda: (w := popup(env)) and w.visible and w.width > 0 and w, 10,
                        what="the key popup")
    # The rows (`pic1`) start 1590 twips down, 615 twips each; the second is è.
    x = window.rect[0] + (240 + 1695 // 2) // TWIPS_PER_PIXEL
    y = window.rect[1] + (1590 + 615 + 307) // TWIPS_PER_PIXEL
    env.mouse.double_click(x, y)
    wait_until(lambda: popup_hidden(env), 10, what="the key popup to close")
    assert_typed_alone(target, "\u00e8")
