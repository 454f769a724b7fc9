#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs the game in a fresh program folder under a private X server and accessibility bus,
# then a script that plays it the way a screen reader does.
# usage: run.sh PROGRAM_DIR SCRIPT KINDS QUESTIONS LEVEL [full]   (KINDS like "3 6 9")
# "full": the player chose full screen, on a 1920 x 1080 screen with a window manager.
set -u
bin=$1 script=$2 kinds=$3 questions=$4 level=$5 full=${6:-}
here=$(cd "$(dirname "$0")" && pwd)
wm=""
[ -n "$full" ] && wm=openbox
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher $wm; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is missing"; exit 77; }

work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
cp -r "$bin"/. "$work"/
/usr/bin/python3 - "$work/velk.INI" "$kinds" "$questions" "$level" <<'PY'
import sys
path, kinds, questions, level = sys.argv[1], sys.argv[2].split(), sys.argv[3], sys.argv[4]
lines = open(path, "rb").read().decode().split("\r\n")
lines[0] = f" 1             {level}             {questions}             0 "
for t in range(10):
    lines[13 + t] = "-1 " if str(t) in kinds else " 0 "
open(path, "wb").write("\r\n".join(lines).encode())
PY

# The server picks a free display itself and names it once it accepts connections.
screen=1280x1024x24
[ -n "$full" ] && screen=1920x1080x24
Xvfb -displayfd 3 -screen 0 $screen -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
display=$(tr -d '[:space:]' < "$work/display")
[ -n "$display" ] || { echo "FAIL: no X server"; exit 1; }
export DISPLAY=:$display QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
# The player's own choices (reading aloud) stay those of a first start.
export XDG_CONFIG_HOME="$work/config"
if [ -n "$full" ]; then
    mkdir -p "$XDG_CONFIG_HOME/morvane-velkins"
    printf '[General]\nfullScreen=true\n' > "$XDG_CONFIG_HOME/morvane-velkins/player.ini"
    export VELK_A11Y_LARGE=1
    openbox >/dev/null 2>&1 &
fi
export NO_AT_BRIDGE=0 GTK_A11Y=atspi
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    sleep 1
    (cd "$0" && exec ./velk > velk.out 2>&1) &
    game=$!
    timeout 150 /usr/bin/python3 "$1" "$2"
    status=$?
    kill $game 2>/dev/null
    wait $game 2>/dev/null
    [ $status -eq 0 ] || cat "$0/velk.out"
    exit $status
' "$work" "$here/$script" "$questions" 2>&1 | grep -v 'fd limit'
exit "${PIPESTATUS[0]}"
