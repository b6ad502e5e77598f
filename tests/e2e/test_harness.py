"""The harness's own tools checked against Wine's Notepad and our target window, so a
failing scenario points at zavora.exe and not at the harness."""
import struct

from harness.keyboard import RIGHT_ALT_KEYCODE, type_text
from harness.waiting import wait_until

VK_MENU = 0x12
VK_RMENU_SCAN = 0x38


def start_notepad(env):
    env.prefix.start(["notepad.exe"], "notepad")
    return wait_until(lambda: env.probe.find(cls="Notepad", visible=True), 60,
                      what="Notepad's window")[0]


def test_probe_sees_windows_processes_and_text_of_other_programs(env):
    notepad = start_notepad(env)
    assert [p["pid"] for p in env.probe.processes("notepad.exe")] == [notepad.pid]
    # Hidden windows of other processes are listed too (the desktop's own ones at least).
    hidden = [w for w in env.probe.windows() if not w.visible and w.pid != notepad.pid]
    assert hidden
    edit = [c for c in env.probe.children(notepad.hwnd) if c.cls.lower() == "edit"][0]
    wait_until(lambda: env.probe.focus()["focus"] == edit.hwnd, 15, what="Notepad's edit box focused")
    type_text(env.display, "hello e2e")
    wait_until(lambda: env.probe.text(edit.hwnd) == "hello e2e", 10, what="the text in Notepad")
    assert env.probe.settext(edit.hwnd, "replaced")["ok"]
    assert env.probe.text(edit.hwnd) == "replaced"


def test_target_records_characters_system_characters_and_menu_entry_apart(env):
    target = env.target()
    env.keyboard.tap("a", "b")
    target.wait_for_chars("ab")
    assert target.syschars() == "" and not target.menu_entered()

    target.clear()
    env.keyboard.chord("alt", "f")  # Alt+F opens the File menu
    target.wait_for_event("ENTERMENULOOP")
    assert target.syschars() == "f" and target.chars() == ""
    env.keyboard.tap("Escape", "Escape")
    target.wait_for_event("EXITMENULOOP")

    # Emptied between checks, the log goes on at its new end.
    target.clear()
    env.keyboard.tap("x")
    target.wait_for_chars("x")
    assert target.chars() == "x"
    assert target.text() == "abx"


def test_real_right_alt_arrives_as_one_extended_alt_and_opens_the_menu_bar(env):
    target = env.target()
    target.clear()
    env.keyboard.tap(RIGHT_ALT_KEYCODE)
    target.wait_for_event("ENTERMENULOOP")
    alt_downs = [e for e in target.events("SYSKEYDOWN", "KEYDOWN") if e.code == VK_MENU]
    assert [(int(e.fields[1], 16), e.fields[2]) for e in alt_downs] == [(VK_RMENU_SCAN, "1")]
    assert env.probe.focus()["inmenu"]
    env.keyboard.tap("Escape")
    target.wait_for_event("EXITMENULOOP")


def test_a_click_moves_the_focus_between_windows(env):
    first = env.target("Target One", position=(40, 40))
    second = env.target("Target Two", position=(520, 400))
    assert second.has_focus() and not first.has_focus()
    first.click_into(env.mouse)
    assert not second.has_focus()
    env.keyboard.tap("q")
    first.wait_for_chars("q")
    assert second.chars() == ""


def test_registry_values_of_any_type_round_trip(env):
    key = r"HKCU\Software\Kelvra\HarnessCheck"
    env.probe.reg_set(key, "Text", r"ab\0cd")
    env.probe.reg_set(key, "Number", "7", kind="dword")
    env.probe.reg_set(key, "Blob", "00ff10", kind="hex:3")
    assert env.probe.reg_get(key, "Text") == "ab\0cd"
    assert env.probe.reg_raw(key, "Number") == {"exists": True, "type": 4, "hex": "07000000"}
    assert env.probe.reg_raw(key, "Blob")["hex"] == "00ff10"
    assert sorted(v["name"] for v in env.probe.reg_list(key)["values"]) == ["Blob", "Number", "Text"]
    assert env.probe.reg_delete(key, "Text")
    assert env.probe.reg_get(key, "Text") is None
    assert env.probe.reg_delete(r"HKCU\Software\Kelvra")
    assert not env.probe.reg_list(key)["exists"]


def test_screenshot_holds_the_whole_virtual_desktop(env):
    env.target()
    path = env.screenshot("harness-target")
    with open(path, "rb") as png:
        header = png.read(24)
    assert header[:8] == b"\x89PNG\r\n\x1a\n"
    assert struct.unpack(">II", header[16:24]) == (1024, 768)
