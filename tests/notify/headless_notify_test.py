#!/usr/bin/python3
"""The headless program with its demo cameras tells a real mosquitto broker on 127.0.0.1 the
same as the windowed one: online, each camera announced for Home Assistant with its recording
state, offline at its end; the log and the terminal say so without the password."""
import json
import os
import signal
import socket
import subprocess
import sys
import tempfile
import time

exe = sys.argv[1]
PASSWORD = "mq-s3cret"
failures = []


def check(cond, what):
    print(("ok   " if cond else "FAIL ") + what)
    if not cond:
        failures.append(what)


def wait_for(pred, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        if pred():
            return True
        time.sleep(0.1)
    return pred()


def free_port():
    s = socket.socket()
    s.bind(("127.0.0.1", 0))
    port = s.getsockname()[1]
    s.close()
    return port


def retained(port, topic):
    """The retained messages under `topic` (wildcards allowed), as {topic: payload}."""
    r = subprocess.run(["mosquitto_sub", "-h", "127.0.0.1", "-p", str(port), "-t", topic, "-v",
                        "--retained-only", "-W", "1"], capture_output=True, text=True)
    out = {}
    for line in r.stdout.splitlines():
        t, _, payload = line.partition(" ")
        out[t] = payload
    return out


with tempfile.TemporaryDirectory() as home:
    port = free_port()
    conf = os.path.join(home, "mosquitto.conf")
    with open(conf, "w") as f:
        f.write(f"listener {port} 127.0.0.1\nallow_anonymous true\npersistence false\n"
                "log_dest none\n")
    broker = subprocess.Popen(["/usr/sbin/mosquitto", "-c", conf])
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + "/.config",
               XDG_RUNTIME_DIR=home + "/run", LC_ALL="C.UTF-8")
    env.pop("XDG_DOCUMENTS_DIR", None)
    os.makedirs(home + "/run", mode=0o700)
    user = os.path.join(home, "Documents", "Vantiro Driving Records Files")
    os.makedirs(user)
    with open(os.path.join(user, "notify.ini"), "w") as f:
        f.write(f"[MQTT]\nEnabled=True\nHost=127.0.0.1\nPort={port}\nUser=cam\n"
                f"Password={PASSWORD}\n")
    out_path = os.path.join(home, "stdout.txt")
    with open(out_path, "w") as out:
        program = subprocess.Popen([exe, "--headless", "--demo"], env=env, stdout=out,
                                   stderr=subprocess.STDOUT)
        try:
            check(wait_for(lambda: retained(port, "trelvix/status").get("trelvix/status")
                           == "online"), "the program says it is online")
            configs = {}
            check(wait_for(lambda: len(configs.update(retained(port, "homeassistant/#"))
                                       or configs) >= 3), "its cameras are announced")
            sensor = json.loads(configs.get(
                "homeassistant/binary_sensor/trelvix/0_motion/config", "{}"))
            check(sensor.get("state_topic") == "trelvix/0/motion",
                  "the motion sensor names its state topic")
            check(retained(port, "trelvix/0/recording").get("trelvix/0/recording")
                  in ("ON", "OFF"), "the recording state is retained")
        finally:
            program.send_signal(signal.SIGTERM)
            rc = program.wait(timeout=60)
    check(rc == 0, f"SIGTERM ends the program cleanly (exit {rc})")
    check(retained(port, "trelvix/status").get("trelvix/status") == "offline",
          "it says offline at its end")
    broker.kill()
    broker.wait()
    printed = open(out_path, encoding="utf-8", errors="replace").read()
    check("MQTT broker connected" in printed, "the terminal shows the connection")
    logs = "".join(open(os.path.join(user, n), encoding="utf-8", errors="replace").read()
                   for n in os.listdir(user) if n.endswith(".txt"))
    check("MQTT broker connected" in logs, "the day's log shows the connection")
    check(PASSWORD not in printed and PASSWORD not in logs, "the password shows nowhere")

sys.exit(1 if failures else 0)
