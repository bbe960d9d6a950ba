#!/usr/bin/python3
"""The real program, headless with its demo cameras broadcasting: ffprobe opens the stream as
ASF with WMV2 pictures of the camera's size and rate, over plain HTTP and over MMS-over-HTTP,
and a browser gets the live page. Camera 0 has sound on: its stream carries the demo's tone as
WMA, and ffmpeg decodes both streams without timestamp complaints."""
import json
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import struct
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


# The camera file's items up to the sound switch: T text, I int32, F font, C colour, B byte.
BEFORE_AUDIO = "TTTTTIIFCIIIIIIIBITTBTBIIIFCBTBTBBTTIBIIII"


def switch_sound_on(path):
    data = bytearray(open(path, "rb").read())
    pos = 0
    for item in BEFORE_AUDIO:
        if item == "T":
            pos += 4 + max(0, struct.unpack_from("<i", data, pos)[0])
        else:
            pos += {"I": 4, "F": 92, "C": 3, "B": 1}[item]
    data[pos] = 1
    open(path, "wb").write(data)


def decode(url):
    r = subprocess.run(["ffmpeg", "-nostdin", "-v", "warning", "-rw_timeout", "15000000",
                        "-i", url, "-t", "3", "-f", "null", "-"],
                       capture_output=True, text=True, timeout=60)
    return r.returncode, r.stderr


if not shutil.which("ffprobe") or not shutil.which("ffmpeg"):
    print("ffprobe is not installed (scripts/install-deps installs it)")
    sys.exit(77)

with tempfile.TemporaryDirectory() as home:
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + "/.config",
               XDG_RUNTIME_DIR=home + "/run", LC_ALL="C.UTF-8")
    os.makedirs(home + "/run", mode=0o700)
    # A first run writes the camera files; camera 0 then gets sound.
    first = subprocess.Popen([exe, "--headless", "--demo"], env=env, stdout=subprocess.DEVNULL)
    camera0 = os.path.join(home, "Documents", "Vantiro Driving Records Files", "0.bin")
    end = time.time() + 30
    while time.time() < end and not os.path.exists(camera0):
        time.sleep(0.2)
    time.sleep(1)
    first.send_signal(signal.SIGTERM)
    first.wait(timeout=30)
    switch_sound_on(camera0)

    program = subprocess.Popen([exe, "--headless", "--demo", "--broadcast"], env=env,
                               stdout=subprocess.PIPE)
    try:
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
        # Keep reading, so the program never waits on a full pipe while it is probed.
        threading.Thread(target=lambda: program.stdout.read(), daemon=True).start()
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

        port0 = ports.get(0)
        check(port0 is not None, "camera 0, with sound, broadcasts")
        for scheme in ("http", "mmsh") if port0 else ():
            url = f"{scheme}://127.0.0.1:{port0}/"
            streams = probe(url).get("streams", [])
            audio = [s for s in streams if s.get("codec_type") == "audio"]
            check([s.get("codec_name") for s in streams] == ["wmav2", "wmv2"],
                  f"{scheme}: WMA sound as stream 1 and WMV2 pictures as stream 2")
            check(bool(audio) and (audio[0].get("sample_rate"), audio[0].get("channels"))
                  == ("44100", 2), f"{scheme}: 44100 Hz stereo")
            code, errors = decode(url)
            check(code == 0 and not re.search(r"(?i)timestamp|dts|pts", errors),
                  f"{scheme}: three seconds of both decode cleanly ({errors.strip()[:300]})")
        others = [p for c, p in ports.items() if c != 0]
        if others:
            streams = probe(f"http://127.0.0.1:{others[0]}/").get("streams", [])
            check([s.get("codec_name") for s in streams] == ["wmv2"],
                  "a camera with sound off broadcasts pictures only")

        page = urllib.request.urlopen(f"http://127.0.0.1:{port}/live", timeout=10).read()
        check(b"/mjpeg" in page, "the browser page shows the moving pictures")

        program.send_signal(signal.SIGTERM)
        check(program.wait(timeout=30) == 0, "SIGTERM ends the broadcasting program cleanly")
    finally:
        # A failed check never leaves the program running (and holding its ports).
        if program.poll() is None:
            program.kill()
            program.wait()

print(f"{len(passes)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)
