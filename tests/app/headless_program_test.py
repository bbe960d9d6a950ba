#!/usr/bin/python3
"""The real program, headless, in an empty HOME: first start, files written at SIGTERM, the
day's log, a second instance handing over, and the informational options."""
import os
import signal
import subprocess
import sys
import tempfile
import time

exe = sys.argv[1]
failures = []
passes = []


def check(cond, what):
    print(("ok   " if cond else "FAIL ") + what)
    (passes if cond else failures).append(what)


def env_for(home):
    env = dict(os.environ)
    env.update(HOME=home, XDG_CONFIG_HOME=home + "/.config", XDG_RUNTIME_DIR=home + "/run",
               LC_ALL="C.UTF-8")
    env.pop("XDG_DOCUMENTS_DIR", None)
    os.makedirs(home + "/run", mode=0o700, exist_ok=True)
    return env


def wait_for(pred, seconds):
    end = time.time() + seconds
    while time.time() < end:
        if pred():
            return True
        time.sleep(0.05)
    return pred()


for opt, word in (("--help", "Usage"), ("--version", "1.6")):
    r = subprocess.run([exe, opt], capture_output=True, text=True, timeout=30)
    check(r.returncode == 0 and word in r.stdout, f"{opt} prints and exits 0")
r = subprocess.run([exe, "--bogus"], capture_output=True, text=True, timeout=30)
check(r.returncode == 2, "an unknown option is refused")

with tempfile.TemporaryDirectory() as home:
    env = env_for(home)
    user = os.path.join(home, "Documents", "Vantiro Driving Records Files")
    first = subprocess.Popen([exe, "--headless"], env=env)
    check(wait_for(lambda: any(n.endswith(".txt") for n in os.listdir(user))
                   if os.path.isdir(user) else False, 20), "user folder and log created")

    second = subprocess.run([exe, "--headless"], env=env, timeout=30)
    check(second.returncode == 0, "a second instance exits 0")
    check(first.poll() is None, "the first instance keeps running")

    first.send_signal(signal.SIGTERM)
    rc = first.wait(timeout=30)
    check(rc == 0, f"SIGTERM ends the program cleanly (exit {rc})")

    files = set(os.listdir(user))
    check({"kvCamera.ini", "config.bin", "device.bin"} <= files, "settings files written")
    check(os.path.getsize(os.path.join(user, "config.bin")) == 108, "config.bin is 108 bytes")
    ini = open(os.path.join(user, "kvCamera.ini"), encoding="utf-8").read()
    for key, value in (("CameraRows", "1"), ("historyDays", "7"), ("diskspaceLimited", "500"),
                       ("systray", "False"), ("start_powon", "True")):
        check(f"{key}={value}" in ini, f"kvCamera.ini has {key}={value}")
    logs = [n for n in files if n.endswith(".txt")]
    check(len(logs) == 1, "one log file for the day")
    lines = open(os.path.join(user, logs[0]), encoding="utf-8", newline="").read().split("\r\n")
    lines = [l for l in lines if l]
    check(len(lines) == 2, "a start and an exit line")
    for line in lines:
        fields = line.split("|")
        check(len(fields) == 9 and fields[-1] == "" and fields[0] == "3" and fields[6] == "-1",
              "eight-field program line: " + line)
    check(os.path.exists(os.path.join(home, ".config", "autostart", "Trelvix.desktop")),
          "autostart entry written")

    # A user folder that cannot be created ends start-up with the message.
    blocked = os.path.join(home, "blocked")
    os.makedirs(os.path.join(blocked, "run"), mode=0o700)
    open(os.path.join(blocked, "Documents"), "w").close()
    r = subprocess.run([exe, "--headless"], env=env_for(blocked), capture_output=True, text=True,
                       timeout=30)
    check(r.returncode != 0 and "Cannot create User folder directory." in r.stderr,
          "an impossible user folder ends start-up with its message")

print(f"{len(passes)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
