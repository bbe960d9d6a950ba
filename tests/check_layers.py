#!/usr/bin/python3
"""Fails when an include of ours points up the layers. Lowest first: common, config, history,
upload, notify, record, broadcast, capture, host, then the windows (app/ and every source of
trelvix_ui, wherever it lies). A file may include its own layer and the ones below."""
import os
import re
import sys

ui_sources_list, src_root = sys.argv[1], sys.argv[2]
LAYERS = ["common", "config", "history", "upload", "notify", "record", "broadcast", "capture", "host",
          "app"]
WINDOWS = len(LAYERS) - 1

with open(ui_sources_list) as f:
    ui_files = set()
    for line in f:
        line = line.strip()
        if not line:
            continue
        path = os.path.normpath(line if os.path.isabs(line) else os.path.join(src_root, line))
        ui_files.add(path)
        ui_files.add(os.path.splitext(path)[0] + ".h")


def layer_of(path):
    if os.path.normpath(path) in ui_files:
        return WINDOWS
    folder = os.path.relpath(path, src_root).split(os.sep)[0]
    return LAYERS.index(folder) if folder in LAYERS else None


include_re = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)
offenders, checked = [], 0
for dirpath, _, names in os.walk(src_root):
    for name in names:
        if not name.endswith((".h", ".cpp")):
            continue
        path = os.path.join(dirpath, name)
        own = layer_of(path)
        if own is None:
            continue
        checked += 1
        text = open(path, encoding="utf-8", errors="replace").read()
        for target in include_re.findall(text):
            full = os.path.join(src_root, target)
            if not os.path.isfile(full):
                continue
            their = layer_of(full)
            if their is not None and their > own:
                offenders.append(f"{os.path.relpath(path, src_root)} -> {target}")

if offenders:
    print("includes that point up the layers (" + " < ".join(LAYERS[:-1]) + " < windows):")
    for o in sorted(offenders):
        print("  " + o)
    sys.exit(1)
print(f"checked {checked} files: every include points down or sideways")
