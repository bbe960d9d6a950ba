#!/usr/bin/python3
"""The real program on a failing disk: the user folder on a small tmpfs (or, where mounting is
not allowed, under a file-size limit of 0) filled up while four demo cameras record, and a disk
whose writes fail with EIO part-way. At exit every settings file must be as it was and every
closed recording readable; once the fault is gone, recording goes on."""
import os
import resource
import signal
import subprocess
import sys
import tempfile
import time

exe, eio_shim, ffprobe = sys.argv[1], sys.argv[2], "/usr/bin/ffprobe"
failures = []


def check(cond, what):
    print(("ok   " if cond else "FAIL ") + what)
    if not cond:
        failures.append(what)


def env_for(home):
    env = dict(os.environ)
    env.update(HOME=home, XDG_CONFIG_HOME=home + "/.config", XDG_RUNTIME_DIR=home + "/run",
               LC_ALL="C.UTF-8", QT_QPA_PLATFORM="offscreen")
    env.pop("XDG_DOCUMENTS_DIR", None)
    os.makedirs(home + "/run", mode=0o700, exist_ok=True)
    return env


def run(home, seconds, limit=None, extra_env=None, until=None):
    """Runs the program for `seconds`; with `until`, first for as long as it takes to come true
    (a slow build reaches the state later, not never)."""
    pre = None
    if limit is not None:
        def pre():
            signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
            resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))
    env = env_for(home)
    env.update(extra_env or {})
    p = subprocess.Popen([exe, "--headless", "--demo"], env=env, preexec_fn=pre,
                         stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    deadline = time.monotonic() + 120
    while until and not until() and p.poll() is None and time.monotonic() < deadline:
        time.sleep(0.1)
    time.sleep(seconds)
    p.send_signal(signal.SIGTERM)
    try:
        rc = p.wait(timeout=60)
    except subprocess.TimeoutExpired:
        p.kill()
        rc = "hung"
    return rc


def settings_files(user):
    return {n: open(os.path.join(user, n), "rb").read() for n in sorted(os.listdir(user))
            if n.endswith((".ini", ".bin"))}


def recordings(root):
    for folder, _, names in os.walk(root):
        for n in names:
            if n.endswith(".mp4"):
                yield os.path.join(folder, n)


def readable(path):
    r = subprocess.run([ffprobe, "-v", "error", "-count_frames", "-select_streams", "v:0",
                        "-show_entries", "stream=nb_read_frames", "-of", "csv=p=0", path],
                       capture_output=True, text=True, timeout=60)
    frames = r.stdout.strip().split(",")[0]
    return r.returncode == 0 and frames.isdigit() and int(frames) > 0


def try_mount(path, size):
    if os.geteuid() != 0:
        return False
    r = subprocess.run(["mount", "-t", "tmpfs", "-o", f"size={size}", "tmpfs", path],
                       capture_output=True)
    return r.returncode == 0


with tempfile.TemporaryDirectory() as home:
    user = os.path.join(home, "Documents", "Vantiro Driving Records Files")
    os.makedirs(user)
    mounted = try_mount(user, "16m")
    try:
        check(run(home, 4) == 0, "a first run ends cleanly and writes its settings")
        before = settings_files(user)
        check({"kvCamera.ini", "config.bin", "device.bin", "0.bin"} <= set(before),
              "settings files are there: " + " ".join(before))
        if mounted:
            print("user folder on a 16 MiB tmpfs, filled up to 1.5 MiB")
            fd = os.open(os.path.join(user, "filler"), os.O_WRONLY | os.O_CREAT, 0o600)
            try:
                while os.write(fd, b"\0" * 512):
                    pass
            except OSError:
                pass
            # Room for the recordings to start, and run out while they are written.
            os.ftruncate(fd, max(0, os.fstat(fd).st_size - 1536 * 1024))
            os.close(fd)
            def full():
                return os.statvfs(user).f_bavail * os.statvfs(user).f_frsize < 64 * 1024
            # It goes on for a while on the full disk before it is asked to end.
            rc = run(home, 3, until=full)
            check(full(), "the recordings filled the disk")
        else:
            print("no tmpfs here: every write fails through a file-size limit of 0")
            rc = run(home, 5, limit=0)
        check(rc == 0, f"the program runs and ends cleanly on a full disk (exit {rc})")
        after = settings_files(user)
        for name, data in before.items():
            check(after.get(name) == data, f"{name} is as it was before")
        segments = list(recordings(home))
        bad = [s for s in segments if not readable(s)]
        check(not bad, f"every recording of {len(segments)} is readable: {bad}")
    finally:
        if mounted:
            subprocess.run(["umount", "-l", user])

with tempfile.TemporaryDirectory() as home:
    user = os.path.join(home, "Documents", "Vantiro Driving Records Files")
    check(run(home, 4) == 0, "EIO: a first run ends cleanly")
    before = settings_files(user)
    known = set(recordings(home))
    eio = {"LD_PRELOAD": eio_shim, "TRELVIX_EIO_PREFIX": home + "/",
           "TRELVIX_EIO_AFTER": str(400 * 1024),
           "ASAN_OPTIONS": "verify_asan_link_order=0:" + os.environ.get("ASAN_OPTIONS", "")}
    rc = run(home, 6, extra_env=eio)
    check(rc == 0, f"EIO: the program runs and ends cleanly when writes fail (exit {rc})")
    after = settings_files(user)
    for name, data in before.items():
        check(after.get(name) == data, f"EIO: {name} is as it was before")
    bad = [s for s in recordings(home) if not readable(s)]
    check(not bad, f"EIO: every recording left is readable: {bad}")
    during = set(recordings(home))
    check(run(home, 5) == 0, "EIO: a run after the fault ends cleanly")
    new = [s for s in set(recordings(home)) - during if readable(s)]
    check(len(new) >= 4, f"EIO: once the disk works again every camera records ({len(new)})")
    check(known <= set(recordings(home)), "EIO: no earlier recording was lost")

print(f"{len(failures)} failures")
sys.exit(1 if failures else 0)
