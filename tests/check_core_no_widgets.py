#!/usr/bin/python3
"""Fails when a source of trelvix_core includes, directly or through our own headers, a header
of QtWidgets or QtMultimediaWidgets."""
import os
import re
import sys

sources_list, src_root, widgets_cmake_dir = sys.argv[1], sys.argv[2], sys.argv[3]

# Every header name that QtWidgets installs, e.g. QWidget, qwidget.h, QtWidgets.
widget_names = {"QtWidgets", "QtMultimediaWidgets", "QVideoWidget", "QGraphicsVideoItem"}
include_root = None
for candidate in ("/usr/include/x86_64-linux-gnu/qt6", "/usr/include/aarch64-linux-gnu/qt6",
                  "/usr/include/qt6"):
    if os.path.isdir(os.path.join(candidate, "QtWidgets")):
        include_root = candidate
        break
if include_root is None:
    print("QtWidgets headers not found; cannot check")
    sys.exit(1)
widget_names.update(os.listdir(os.path.join(include_root, "QtWidgets")))

include_re = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
seen, offenders = set(), []


def visit(path, chain):
    path = os.path.normpath(path)
    if path in seen:
        return
    seen.add(path)
    try:
        text = open(path, encoding="utf-8", errors="replace").read()
    except OSError:
        return
    for kind, name in include_re.findall(text):
        parts = name.split("/")
        if parts[0] in ("QtWidgets", "QtMultimediaWidgets") or \
                (len(parts) == 1 and parts[0] in widget_names):
            offenders.append(" -> ".join(chain + [path, name]))
            continue
        # Our own headers: relative to the including file, or to src/.
        for base in (os.path.dirname(path), src_root):
            candidate = os.path.join(base, name)
            if os.path.isfile(candidate):
                visit(candidate, chain + [path])
                break


with open(sources_list) as f:
    sources = [line.strip() for line in f if line.strip()]
if not sources:
    print("no core sources listed")
    sys.exit(1)
for s in sources:
    if not os.path.isabs(s):
        s = os.path.join(src_root, s)
    visit(s, [])
    header = os.path.splitext(s)[0] + ".h"
    if os.path.isfile(header):
        visit(header, [])

if offenders:
    print("trelvix_core must not include widget headers:")
    for o in offenders:
        print("  " + o)
    sys.exit(1)
print(f"checked {len(seen)} files of trelvix_core: no widget headers")
