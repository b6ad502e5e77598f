"""The key popup seen from outside, shared by the scenarios that type through it: the
program started with a user language that fixes the candidates (e offers é è ê ë, a
offers á alone, q nothing), the trigger held, and what the target window received."""
from harness.waiting import holds_for, wait_until

POPUP_CLASS = "KelvraZavoraPopup"
TEST_LANGUAGE = "e 00E900E800EA00EB;;a 00E1"
E_ACUTE, E_GRAVE, E_CIRCUMFLEX, A_ACUTE = "\u00e9", "\u00e8", "\u00ea", "\u00e1"
# Long enough for a key that is wrongly let through to reach the target.
SETTLE = 0.5
# A function-key trigger counts as held for half a second after its release.
FUNCTION_KEY_RECENCY = 0.7


def start(env, zavora, languages="Testlang", test_language=TEST_LANGUAGE, **user):
    """zavora.exe settled with its (hidden) popup window made, and a focused target."""
    zavora.start(user={"Languages": languages, "AutoStart": "No", **user},
                 machine={r"Languages\Testlang": test_language})
    zavora.wait_settled(options=1, service=1, timeout=60)
    wait_until(lambda: env.probe.find(cls=POPUP_CLASS), 30, what="the popup window")
    target = env.target()
    # Under Wine a window shown beneath the pointer makes X report the whole keymap, and
    # Wine then takes held keys as pressed anew (a swallowed trigger included).
    env.mouse.move(5, 5)
    target.clear()
    return target


def popup(env):
    windows = env.probe.find(cls=POPUP_CLASS)
    return windows[0] if windows else None


def shown(env):
    window = popup(env)
    return bool(window and window.visible and window.width > 0)


def wait_popup(env, visible=True, timeout=10):
    wait_until(lambda: shown(env) == visible, timeout,
               what="the popup to " + ("show" if visible else "hide"))
    return popup(env)


def open_with(env, *keys, letter="e"):
    """Holds the trigger's keys, taps the letter, waits for the popup; the keys stay down."""
    for key in keys:
        env.keyboard.down(key)
    env.keyboard.tap(letter)
    return wait_popup(env)


def release(env, *keys):
    for key in reversed(keys):
        env.keyboard.up(key)


def assert_typed_alone(target, text):
    """`text` arrived as WM_CHAR and nothing after it, the menu bar stayed closed and the
    target kept the focus."""
    target.wait_for_chars(text)
    holds_for(lambda: target.chars() == text, SETTLE, what=f"nothing typed after {text!r}")
    assert target.syschars() == ""
    assert not target.menu_entered()
    assert target.has_focus()
