#!/usr/bin/python3
"""The real program, headless with its demo cameras broadcasting: ffprobe opens the stream as
ASF with WMV2 pictures of the camera's size and rate, over plain HTTP and over MMS-over-HTTP,
and a browser gets the live page."""
import json
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import urllib.request

exe = sys.argv[1]
failures = []
passes = []


def check(cond, what):
    print(("ok   " if cond else "FAIL ") + what)
    (passes if cond else failures).append(what)


def probe(url):
    r = subprocess.run(["ffprobe", "-v", "error", "-rw_timeout", "15000000", "-show_format",
                        "-show_streams", "-of", "json", url],
                       capture_output=True, text=True, timeout=60)
    return json.loads(r.stdout or "{}")


if not shutil.which("ffprobe"):
    print("ffprobe is not installed (scripts/install-deps installs it)")
    sys.exit(77)

with tempfile.TemporaryDirectory() as home:
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + "/.config",
               XDG_RUNTIME_DIR=home + "/run", LC_ALL="C.UTF-8")
    os.makedirs(home + "/run", mode=0o700)
    program = subprocess.Popen([exe, "--headless", "--demo", "--broadcast"], env=env,
                               stdout=subprocess.PIPE)
    out = b""
    end = time.time() + 30
    # Cameras that cannot broadcast say so on the error output; the others print one line each,
    # among the lines of the log the program prints as well.
    while time.time() < end and out.count(b" broadcasts: ") < 4:
        ready, _, _ = select.select([program.stdout], [], [], 1.0)
        if ready:
            chunk = os.read(program.stdout.fileno(), 4096)
            if not chunk:
                break
            out += chunk
    ports = {int(c): int(p) for c, p in
             re.findall(r"camera (\d) broadcasts: mms://\S+:(\d+)", out.decode())}
    # Another program on the machine may hold one of the demo ports: that camera alone fails.
    check(len(ports) >= 3, f"the demo cameras broadcast ({ports})")
    check(len(set(ports.values())) == len(ports), "each on its own port")
    port = next(iter(ports.values()), 8080)
    time.sleep(2)  # a key frame or two into the stream

    for scheme in ("http", "mmsh"):
        info = probe(f"{scheme}://127.0.0.1:{port}/")
        video = [s for s in info.get("streams", []) if s.get("codec_type") == "video"]
        check(info.get("format", {}).get("format_name") == "asf", f"{scheme}: ASF")
        check(bool(video) and video[0].get("codec_name") == "wmv2", f"{scheme}: WMV2 video")
        check(bool(video) and (video[0].get("width"), video[0].get("height")) == (640, 480),
              f"{scheme}: 640 x 480")
        check(bool(video) and video[0].get("avg_frame_rate") in ("30/1", "0/0")
              and video[0].get("r_frame_rate") == "30/1", f"{scheme}: 30 frames per second")

    page = urllib.request.urlopen(f"http://127.0.0.1:{port}/live", timeout=10).read()
    check(b"/mjpeg" in page, "the browser page shows the moving pictures")

    program.send_signal(signal.SIGTERM)
    check(program.wait(timeout=30) == 0, "SIGTERM ends the broadcasting program cleanly")

print(f"{len(passes)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
