"""Condition-based waiting. Every wait in the suite has a time bound and a description
that ends up in the failure message."""
import time


class WaitTimeout(AssertionError):
    pass


def wait_until(condition, timeout=10.0, interval=0.1, what="the condition"):
    """Calls `condition` until it returns a truthy value and returns that value; fails
    after `timeout` seconds, naming `what` and the last value seen."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise WaitTimeout(f"timed out after {timeout:.1f}s waiting for {what} (last: {value!r})")
        time.sleep(interval)


def holds_for(condition, duration, interval=0.1, what="the condition"):
    """Checks that `condition` stays truthy for `duration` seconds (an observation window
    for "nothing more happens", used only after the awaited state has been reached)."""
    deadline = time.monotonic() + duration
    while time.monotonic() < deadline:
        value = condition()
        if not value:
            raise AssertionError(f"{what} stopped holding (got {value!r})")
        time.sleep(interval)
    return True
