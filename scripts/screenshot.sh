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

# A display of its own.
source scripts/private-display.sh
xvfb=
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    return 0
}
trap cleanup EXIT
start_private_display

"$program" >/dev/null 2>&1 &
pid=$!
window=$(xdotool search --sync --onlyvisible --name '^CD Vennix Designer$' | head -1)
sleep 0.5 # let it paint
import -window "$window" "$output"
echo "saved $output"
