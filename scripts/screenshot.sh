#!/usr/bin/env bash
# Starts the program under Xvfb and saves a picture of its main window, by default to
# docs/main-window.png. Needs a built program (scripts/run.sh or the cdvennix target) and
# ImageMagick's import.
#
#     scripts/screenshot.sh [output.png] [program]
set -euo pipefail
cd "$(dirname "$0")/.."

output=${1:-docs/main-window.png}
program=${2:-build/src/cdvennix}
display=${CDV_SCREENSHOT_DISPLAY:-:72}

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.05
done

"$program" >/dev/null 2>&1 &
pid=$!
window=$(xdotool search --sync --onlyvisible --name '^CD Vennix Designer$' | head -1)
sleep 0.5 # let it paint
import -window "$window" "$output"
echo "saved $output"
