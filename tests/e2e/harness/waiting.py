"""Waiting for conditions. Every wait has a timeout and, when it gives up, says what it waited for
and what it saw last, so a failure reads like the behaviour that did not happen."""
import time

POLL_SECONDS = 0.05


class WaitTimeout(AssertionError):
    pass


class QueryFailed(RuntimeError):
    """A driver could not answer a question this time (its helper stumbled on a loaded machine,
    a window went away between two calls). A wait counts it as "not yet"."""


def wait_until(what, check, timeout=10.0, seen=None, poll=POLL_SECONDS):
    """Calls check() until it returns something true, and returns that. On timeout raises
    WaitTimeout naming `what` and the last value of seen() (or of check() itself)."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            result = check()
        except QueryFailed as error:
            result = error
        else:
            if result:
                return result
        if time.monotonic() >= deadline:
            last = result if seen is None or isinstance(result, QueryFailed) else seen()
            raise WaitTimeout(f"timed out after {timeout:g} s waiting for {what}; last saw: {last!r}")
        time.sleep(poll)


def wait_for(what, query, wanted, timeout=10.0, poll=POLL_SECONDS):
    """Waits until query() equals `wanted` (or, when `wanted` is callable, until wanted(value) is
    true) and returns the last value."""
    matches = wanted if callable(wanted) else (lambda value: value == wanted)
    last = [None]

    def check():
        last[0] = query()
        return matches(last[0])

    wait_until(what, check, timeout, seen=lambda: last[0], poll=poll)
    return last[0]
