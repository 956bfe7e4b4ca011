#!/bin/sh
# Runs a Qt test program on the xcb platform, in an X server of its own
# (Xvfb), so that clicks, moves and the wheel arrive as the window system
# delivers them. Where no X server can be started the program runs on
# offscreen and, told that it wanted xcb, skips itself.
set -u
dir=$(mktemp -d) || exit 1
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$dir"' EXIT
display=""
if command -v Xvfb >/dev/null 2>&1; then
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -ac 3>"$dir/display" >"$dir/log" 2>&1 &
  xvfb=$!
  for _ in $(seq 200); do
    [ -s "$dir/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.05
  done
  display=$(cat "$dir/display")
fi
if [ -n "$display" ]; then
  DISPLAY=":$display" QT_QPA_PLATFORM=xcb KALTERON_PLATFORM=xcb "$@"
else
  QT_QPA_PLATFORM=offscreen KALTERON_PLATFORM=xcb "$@"
fi
