"""Processes a session starts end with it, also when the session's own process is killed (a CTest
timeout, a closed terminal) before it could stop them: each child asks the kernel for a SIGTERM
when its parent goes (Linux's parent-death signal, kept across exec)."""
import ctypes
import os
import signal
import subprocess

_PR_SET_PDEATHSIG = 1
_libc = ctypes.CDLL(None, use_errno=True)


def ends_with_us():
    """For subprocess.Popen(preexec_fn=...)."""
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


def stop_all(processes):
    """Ends the processes, the last started first: each is asked to end, and killed if it has not
    within 10 s."""
    for process in reversed(processes):
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()


def as_a_user(command):
    """The command as a child or a teacher runs it. Root reads and writes past every file's
    permissions, which nobody at a desktop does: run as root (as CI is), the command is started
    without those powers, so that a folder made unreadable is unreadable to it."""
    if os.geteuid() != 0:
        return command
    return ["setpriv", "--bounding-set=-dac_override,-dac_read_search", "--", *command]
