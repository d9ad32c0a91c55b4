#!/usr/bin/env bash
# Starts the program on a virtual display and checks that it is still running after a
# few seconds; with a second argument, saves a screenshot there. Then, with the parameter
# panel of a demo open: a name under /proc typed into the open dialog leaves the program
# answering, and quitting through the menu ends it; SIGTERM ends it promptly and cleanly.
set -euo pipefail
program=$1
shot=${2:-}
demo="$(dirname "$program")/demo/parameter.lpw"
display=":$((90 + RANDOM % 100))"
export DISPLAY=$display
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
log=$(mktemp)

fail() {
  echo "$1" >&2
  cat "$log" >&2
  exit 1
}

# Starts the program with the arguments given; its id in $pid.
start() {
  "$program" "$@" >"$log" 2>&1 &
  pid=$!
  sleep 3
  kill -0 $pid 2>/dev/null || fail "the program ended early:"
}

# Waits up to $1 seconds for the program to end; its exit status in $status (137 when it
# had to be killed).
await_end() {
  (sleep "$1"; kill -9 $pid 2>/dev/null) &
  local guard=$!
  status=0
  wait $pid || status=$?
  kill $guard 2>/dev/null || true
  wait $guard 2>/dev/null || true
}

# Top-left corner of the window titled $1 into $x, $y.
corner() {
  local id
  id=$(xdotool search --onlyvisible --name "$1" | head -1)
  [ -n "$id" ] || fail "no window \"$1\""
  eval "$(xdotool getwindowgeometry --shell "$id")"
  x=$X y=$Y
}

start
[ -n "$shot" ] && import -window root "$shot"
kill $pid
wait $pid 2>/dev/null || true
echo "-- the program ran on a virtual display"

start "$demo"
corner "ﾊﾟﾗﾒ|パラメ"
corner "Lumenplotter navi"
xdotool mousemove $((x + 39)) $((y + 31)) click 1  # "開"
sleep 1
corner "読み込む数式ファイル名の設定"
xdotool mousemove $((x + 100)) $((y + 100))
xdotool type --delay 50 "/proc/nope.png"
sleep 1
xdotool key Escape
sleep 1
corner "Lumenplotter navi"
xdotool mousemove $((x + 20)) $((y + 10)) click 1  # "ファイル"
sleep 0.5
xdotool key Up Return  # " Lumenplotterの終了"
sleep 0.5
xdotool key Return  # "了解"
await_end 5
[ $status -eq 0 ] || fail "quitting with the panel open left the program running (status $status)"
echo "-- a file dialog over /proc and quitting with the parameter panel open"

start "$demo"
kill -TERM $pid
await_end 3
[ $status -eq 0 ] || fail "SIGTERM did not end the program cleanly (status $status)"
echo "-- SIGTERM ends the program"
