"""Start-up roles and commands between instances, checked on the real zavora.exe from
outside: main windows by class and caption, processes, the command boxes, CommHwds."""
import time

import pytest

from harness.waiting import holds_for, wait_until
from harness.zavora import COMMAND_BOX_CLASS


def start_and_settle(zavora, *args, **presets):
    zavora.start(*args, **presets)
    options, service = zavora.wait_settled()
    return options[0], service[0]


def test_a_plain_start_leaves_one_hidden_options_window_and_one_service(zavora):
    # Entries of CommHwds that name no command box are cleaned away: a dead handle, junk.
    options, service = start_and_settle(zavora, machine={"CommHwds": "123456;junk"})
    assert options.pid != service.pid
    assert not options.visible and not service.visible
    boxes = [zavora.command_box(window) for window in (options, service)]
    assert [(box.cls, box.text) for box in boxes] == [(COMMAND_BOX_CLASS, "Text1")] * 2
    assert sorted(zavora.comm_hwds()) == sorted(str(box.hwnd) for box in boxes)
    # Nothing else follows: no second service, no second interception instance.
    holds_for(lambda: zavora.settled(), 1.5, what="one interception and one service instance")


def test_a_second_start_replaces_the_first_and_keeps_the_service(zavora):
    first, service = start_and_settle(zavora)
    zavora.start()
    wait_until(lambda: zavora.settled() and zavora.options_windows()[0].pid != first.pid, 30,
               what=f"a new interception instance to take over ({zavora.describe()})")
    second = zavora.options_windows()[0]
    assert second.hwnd != first.hwnd
    assert not zavora.probe.exists(first.hwnd)
    assert first.pid not in zavora.pids()
    assert [w.hwnd for w in zavora.service_windows()] == [service.hwnd]


def test_a_second_service_ends_at_once_and_leaves_the_first(zavora):
    options, service = start_and_settle(zavora)
    zavora.run("/service", timeout=30)
    now_options, now_service = zavora.wait_settled()
    assert [now_options[0].hwnd, now_service[0].hwnd] == [options.hwnd, service.hwnd]


def test_close_ends_every_instance(zavora):
    start_and_settle(zavora)
    zavora.run("/close", timeout=30)
    zavora.wait_no_process()
    assert zavora.main_windows() == []


def test_overlapping_starts_leave_one_of_each_and_close_during_start_up_ends_all(zavora):
    zavora.start()
    time.sleep(0.05)  # the overlap under test, not a wait for anything
    zavora.start()
    zavora.wait_settled(timeout=40)
    holds_for(lambda: zavora.settled(), 1.5, what="one interception and one service instance")
    # "/close" while a third instance starts (it has its window and is taking over).
    running = set(zavora.pids())
    zavora.start()
    wait_until(lambda: any(w.pid not in running for w in zavora.main_windows()), 30,
               what="a third instance starting up")
    zavora.run("/close", timeout=30)
    zavora.wait_no_process()


@pytest.mark.parametrize("auto_start, args, interception_instances", [
    ("Yes", ["/service"], 1),
    ("No", ["/service"], 0),
    ("No", ["/service", "/install"], 1),
])
def test_auto_start_decides_whether_the_service_starts_the_interception_instance(
        zavora, auto_start, args, interception_instances):
    zavora.start(*args, user={"AutoStart": auto_start})
    # The service registers its command box after it has started (or not) the
    # interception instance, so once settled, a started process would be listed.
    zavora.wait_settled(options=interception_instances, service=1)
    holds_for(lambda: zavora.settled(options=interception_instances, service=1), 1.5,
              what=f"{interception_instances} interception instance(s) beside the service")


def test_commands_written_into_command_boxes_follow_the_receivers_rules(zavora):
    options, service = start_and_settle(zavora)
    service_box = zavora.command_box(service)
    # "close" is not for the service: its box returns to "Text1" and it runs on.
    zavora.probe.settext(service_box.hwnd, "close")
    assert zavora.probe.text(service_box.hwnd) == "Text1"
    # Any other text is ignored the same way.
    zavora.probe.settext(zavora.command_box(options).hwnd, "hello")
    zavora.wait_settled()
    # "close" ends the interception instance only.
    zavora.probe.settext(zavora.command_box(options).hwnd, "close")
    wait_until(lambda: options.pid not in zavora.pids(), 15, what="the interception instance to end")
    zavora.wait_settled(options=0, service=1)
    # "closeall" ends the service too.
    zavora.probe.settext(service_box.hwnd, "closeall")
    zavora.wait_no_process(15)
