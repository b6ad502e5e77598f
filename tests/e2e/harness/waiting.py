"""Waiting on conditions: every wait has a time bound and says what it waited for."""
import time


def wait_until(condition, timeout=10.0, interval=0.1, what="the condition"):
    """Calls `condition` until it returns a truthy value and returns that value; fails
    after `timeout` seconds, naming `what` and the last value seen."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise AssertionError(f"timed out after {timeout:.1f}s waiting for {what} (last: {value!r})")
        time.sleep(interval)


def holds_for(condition, duration, what="the condition"):
    """Checks that `condition` stays truthy for `duration` seconds: an observation window
    for "nothing more happens", used only after the awaited state has been reached."""
    deadline = time.monotonic() + duration
    while time.monotonic() < deadline:
        assert condition(), f"{what} stopped holding"
        time.sleep(0.1)
