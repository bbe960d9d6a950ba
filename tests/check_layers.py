#!/usr/bin/python3
"""Fails when an include of ours points up the layers, or a window's source lies in an engine
folder. Lowest first: common, config, history, upload, notify, record, broadcast, capture, host,
then the windows: views (dialogs and widgets), settings, app. A file may include its own
layer and the ones below."""
import os
import re
import sys

ui_sources_list, src_root = sys.argv[1], sys.argv[2]
LAYERS = ["common", "config", "history", "upload", "notify", "record", "broadcast", "capture",
          "host", "views", "settings", "app"]
WINDOWS = LAYERS[LAYERS.index("views"):]


def folder_of(path):
    return os.path.relpath(os.path.normpath(path), src_root).split(os.sep)[0]


offenders = []
with open(ui_sources_list) as f:
    for line in f:
        line = line.strip()
        if not line:
            continue
        path = line if os.path.isabs(line) else os.path.join(src_root, line)
        # What the build generates (moc) lies outside the sources.
        if os.path.relpath(os.path.normpath(path), src_root).startswith(".."):
            continue
        if folder_of(path) not in WINDOWS:
            offenders.append(f"{os.path.relpath(path, src_root)} is a window outside "
                             + "/, ".join(WINDOWS) + "/")

include_re = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)
checked = 0
for dirpath, _, names in os.walk(src_root):
    for name in names:
        if not name.endswith((".h", ".cpp")):
            continue
        path = os.path.join(dirpath, name)
        if folder_of(path) not in LAYERS:
            continue
        own = LAYERS.index(folder_of(path))
        checked += 1
        text = open(path, encoding="utf-8", errors="replace").read()
        for target in include_re.findall(text):
            full = os.path.join(src_root, target)
            if os.path.isfile(full) and folder_of(full) in LAYERS \
                    and LAYERS.index(folder_of(full)) > own:
                offenders.append(f"{os.path.relpath(path, src_root)} -> {target}")

if offenders:
    print("includes that point up the layers (" + " < ".join(LAYERS) + "):")
    for o in sorted(offenders):
        print("  " + o)
    sys.exit(1)
print(f"checked {checked} files: every include points down or sideways")
