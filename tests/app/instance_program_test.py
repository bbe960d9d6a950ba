#!/usr/bin/python3
"""One program per user folder: a second headless start on the same folder, from another
runtime folder or none, is refused before it writes anything; another folder runs beside it."""
import os
import signal
import subprocess
import sys
import tempfile
import time

exe = sys.argv[1]
failures = []


def check(cond, what):
    print(("ok   " if cond else "FAIL ") + what)
    if not cond:
        failures.append(what)


def env_for(home, runtime):
    env = dict(os.environ)
    env.update(HOME=home, XDG_CONFIG_HOME=home + "/.config", LC_ALL="C.UTF-8")
    env.pop("XDG_DOCUMENTS_DIR", None)
    env.pop("XDG_RUNTIME_DIR", None)
    if runtime:
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        env["XDG_RUNTIME_DIR"] = runtime
    return env


def wait_for(pred, seconds):
    end = time.time() + seconds
    while time.time() < end:
        if pred():
            return True
        time.sleep(0.05)
    return pred()


def snapshot(folder):
    return {n: os.path.getmtime(os.path.join(folder, n)) for n in os.listdir(folder)}


def settled(folder):
    """The folder once the first instance has finished writing its start (two equal looks)."""
    last = snapshot(folder)
    for _ in range(40):
        time.sleep(0.25)
        now = snapshot(folder)
        if now == last:
            return now
        last = now
    return last


def run_second(env):
    p = subprocess.Popen([exe, "--headless", "--demo"], env=env, stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE, text=True)
    try:
        out, err = p.communicate(timeout=20)
    except subprocess.TimeoutExpired:  # it runs beside the first
        p.send_signal(signal.SIGTERM)
        out, err = p.communicate(timeout=30)
        return None, err
    return p.returncode, err


with tempfile.TemporaryDirectory() as home, tempfile.TemporaryDirectory() as home2:
    user = os.path.join(home, "Documents", "Vantiro Driving Records Files")
    first = subprocess.Popen([exe, "--headless"], env=env_for(home, home + "/run"),
                             stdout=subprocess.DEVNULL)
    check(wait_for(lambda: os.path.isdir(user) and
                   any(n.endswith(".txt") for n in os.listdir(user)), 20), "first one runs")
    for runtime in (home + "/other-run", None):
        before = settled(user)
        rc, err = run_second(env_for(home, runtime))
        where = f"runtime folder {runtime or 'unset'}"
        check(rc == 1, f"{where}: the second start exits 1 (got {rc})")
        check(f"already running (pid {first.pid})" in err, f"{where}: it says so: {err!r}")
        check(snapshot(user) == before, f"{where}: nothing in the user folder changed")
    check(first.poll() is None, "the first one keeps running")

    # Another user folder is never blocked, even through the same runtime folder.
    other = subprocess.Popen([exe, "--headless"], env=env_for(home2, home + "/run"),
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    user2 = os.path.join(home2, "Documents", "Vantiro Driving Records Files")
    check(wait_for(lambda: os.path.isdir(user2) and
                   any(n.endswith(".txt") for n in os.listdir(user2)), 20),
          "another user folder runs beside it")
    for p in (other, first):
        if p.poll() is None:
            p.send_signal(signal.SIGTERM)
        check(p.wait(timeout=30) == 0, "each ends cleanly")

if failures:
    print(f"{len(failures)} failed")
    sys.exit(1)
