#!/usr/bin/env bash
# Runs a test program on a virtual X display with a real window manager, so frame sizes and
# maximise/restore behave as on a desktop. Usage: run_with_window_manager.sh <program> [args]
set -euo pipefail
if ! command -v xvfb-run >/dev/null || ! command -v openbox >/dev/null; then
  echo "xvfb-run or openbox missing: scripts/install-deps --tests installs them" >&2
  exit 1
fi
exec xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  openbox --sm-disable >/dev/null 2>&1 &
  wm=$!
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
  done
  QT_QPA_PLATFORM=xcb "$@"
  rc=$?
  kill $wm 2>/dev/null || true
  exit $rc
' run "$@"
