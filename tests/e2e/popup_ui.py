"""The key popup seen from outside, shared by the scenarios that type through it: the
program started with a user language that fixes the candidates (e offers é è ê ë, a
offers á alone, q nothing), the trigger held, and what the target window received."""
from harness.waiting import holds_for, wait_until

POPUP_CLASS = "KelvraZavoraPopup"
TEST_LANGUAGE = "e 00E900E800EA00EB;;a 00E1"
E_ACUTE, E_GRAVE, A_ACUTE = "\u00e9", "\u00e8", "\u00e1"
# Long enough for a key that is wrongly let through to reach the target.
SETTLE = 0.5


def launch(zavora, *args, test_language=TEST_LANGUAGE, user=None, machine=None):
    """Starts zavora.exe with the test language alone in use and no start at logon."""
    return zavora.start(*args, user={"Languages": "Testlang", "AutoStart": "No", **(user or {})},
                        machine={r"Languages\Testlang": test_language, **(machine or {})})


def start(env, zavora, test_language=TEST_LANGUAGE, **user):
    """zavora.exe settled with its (hidden) popup window made, and a focused target."""
    launch(zavora, test_language=test_language, user=user)
    zavora.wait_settled(timeout=60)
    wait_until(lambda: env.probe.find(cls=POPUP_CLASS), 30, what="the popup window")
    return env.target()


def popup(env, cls=POPUP_CLASS):
    return next(iter(env.probe.find(cls=cls)), None)


def shown(env, cls=POPUP_CLASS):
    window = popup(env, cls)
    return bool(window and window.visible and window.width > 0)


def wait_popup(env, visible=True, cls=POPUP_CLASS):
    wait_until(lambda: shown(env, cls) == visible, 10, what=f"the {cls} window to " + ("show" if visible else "hide"))
    return popup(env, cls)


def open_with(env, *keys, release=True):
    """Holds the trigger's keys, taps e, waits for the popup and lets the keys go (unless
    `release` is False); returns the popup window."""
    for key in keys:
        env.keyboard.down(key)
    env.keyboard.tap("e")
    window = wait_popup(env)
    for key in reversed(keys if release else []):
        env.keyboard.up(key)
    return window


def assert_typed_alone(target, text):
    """`text` arrived as WM_CHAR and nothing after it, the menu bar stayed closed and the
    target kept the focus."""
    target.wait_for_chars(text)
    holds_for(lambda: target.chars() == text, SETTLE, what=f"nothing typed after {text!r}")
    assert target.chars("SYSCHAR") == "" and not target.menu_entered() and target.has_focus()


def pick(env, target, text, *keys):
    """Taps the keys (if any) into the shown popup, waits for it to close and for `text`
    alone to arrive."""
    env.keyboard.tap(*keys)
    wait_popup(env, visible=False)
    assert_typed_alone(target, text)
