#!/usr/bin/python3
"""The real program, headless, in an empty HOME: first start, files written at SIGTERM, the
day's log, a second instance handing over, what it prints, and the informational options."""
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
    out_path = os.path.join(home, "stdout.txt")
    out_file = open(out_path, "w")
    first = subprocess.Popen([exe, "--headless"], env=env, stdout=out_file)
    check(wait_for(lambda: any(n.endswith(".txt") for n in os.listdir(user))
                   if os.path.isdir(user) else False, 20), "user folder and log created")

    second = subprocess.run([exe, "--headless"], env=env, timeout=30, capture_output=True,
                            text=True)
    check(second.returncode == 1 and f"already running (pid {first.pid})" in second.stderr,
          "a second instance says so and exits 1")
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

    # What a terminal or the journal shows: the user folder, the language module and the
    # sounds it found beside the program, then exactly the lines the log file received.
    out_file.close()
    out = open(out_path, encoding="utf-8").read().splitlines()
    check(f"trelvix: user folder {user}/" in out, "the user folder is printed")
    exe_dir = os.path.dirname(os.path.realpath(exe))
    check(f"trelvix: language module {exe_dir}/LangEN.qm" in out,
          "the language module beside the program is printed")
    check(f"trelvix: sounds {exe_dir}/media/" in out, "the sounds folder is printed")
    check(any(l == "trelvix: no camera to run: the program waits with an empty grid"
              or l.startswith("trelvix: camera 0: ") for l in out), "the cameras are printed")
    echoed = [l for l in out if not l.startswith("trelvix: ")]
    check(echoed == lines, f"every log line is printed as written: {echoed}")

    # A user folder that cannot be created ends start-up with the message.
    blocked = os.path.join(home, "blocked")
    os.makedirs(os.path.join(blocked, "run"), mode=0o700)
    open(os.path.join(blocked, "Documents"), "w").close()
    r = subprocess.run([exe, "--headless"], env=env_for(blocked), capture_output=True, text=True,
                       timeout=30)
    check(r.returncode != 0 and "Cannot create User folder directory." in r.stderr,
          "an impossible user folder ends start-up with its message")

# A reader of the printed log that goes away costs nothing: the program still ends cleanly
# and saves its files.
with tempfile.TemporaryDirectory() as home:
    program = subprocess.Popen([exe, "--headless"], env=env_for(home), stdout=subprocess.PIPE)
    program.stdout.readline()
    program.stdout.close()
    time.sleep(0.5)
    program.send_signal(signal.SIGTERM)
    rc = program.wait(timeout=30)
    user = os.path.join(home, "Documents", "Vantiro Driving Records Files")
    check(rc == 0 and os.path.exists(os.path.join(user, "kvCamera.ini")),
          f"a closed output ends nothing early (exit {rc})")

# With the synthetic cameras: each one is printed with its device, and their log lines follow.
with tempfile.TemporaryDirectory() as home:
    out_path = os.path.join(home, "stdout.txt")
    with open(out_path, "w") as out_file:
        demo = subprocess.Popen([exe, "--headless", "--demo"], env=env_for(home), stdout=out_file)
        printed = lambda: open(out_path, encoding="utf-8").read()
        wait_for(lambda: "trelvix: camera 3: " in printed(), 60)
        demo.send_signal(signal.SIGTERM)
        rc = demo.wait(timeout=60)
    out = printed().splitlines()
    check(rc == 0, f"the demo ends cleanly (exit {rc})")
    cams = [l for l in out if l.startswith("trelvix: camera ")]
    check(len(cams) == 4 and all(f"camera {i}: " in cams[i] and " at test:" in cams[i]
                                 and ", running" in cams[i] for i in range(4)),
          f"four synthetic cameras printed running: {cams}")
    user = os.path.join(home, "Documents", "Vantiro Driving Records Files")
    logs = [n for n in os.listdir(user) if n.endswith(".txt")]
    written = open(os.path.join(user, logs[0]), encoding="utf-8").read().splitlines()
    echoed = [l for l in out if not l.startswith("trelvix: ")]
    check(len(written) > 2 and echoed == written,
          f"the cameras' own log lines are printed too ({len(echoed)} of {len(written)})")

print(f"{len(passes)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
