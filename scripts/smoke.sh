#!/usr/bin/env bash
# Starts the program on a virtual display and checks that it is still running after a
# few seconds; with a second argument, saves a screenshot there.
set -euo pipefail
program=$1
shot=${2:-}
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
log=$(mktemp)
DISPLAY=$display "$program" >"$log" 2>&1 &
pid=$!
sleep 3
if ! kill -0 $pid 2>/dev/null; then
  echo "the program ended early:" >&2
  cat "$log" >&2
  exit 1
fi
[ -n "$shot" ] && DISPLAY=$display import -window root "$shot"
kill $pid
wait $pid 2>/dev/null || true
echo "-- the program ran on a virtual display"
