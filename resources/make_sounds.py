#!/usr/bin/python3
"""Makes the two default sounds: a short shutter click and a short two-note chime."""
import math
import os
import random
import struct
import wave

RATE = 22050
here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "media")


def write(name, samples):
    with wave.open(os.path.join(here, name), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(max(-1, min(1, s)) * 30000)) for s in samples))


random.seed(7)
click = []
for i in range(int(RATE * 0.12)):
    t = i / RATE
    # Two clacks of filtered noise: the shutter opening and closing.
    env = math.exp(-t * 120) + (0.7 * math.exp(-(t - 0.06) * 140) if t >= 0.06 else 0)
    click.append(env * (0.6 * random.uniform(-1, 1) + 0.4 * math.sin(2 * math.pi * 1800 * t)))
write("拍照咔嚓.WAV", click)

chime = []
for i in range(int(RATE * 0.9)):
    t = i / RATE
    s = 0.0
    for start, freq in ((0.0, 880.0), (0.3, 659.25)):
        if t >= start:
            u = t - start
            s += 0.5 * math.exp(-u * 5) * (math.sin(2 * math.pi * freq * u) + 0.3 * math.sin(4 * math.pi * freq * u))
    chime.append(s)
write("欢迎光临.WAV", chime)
