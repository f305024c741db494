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

# A display of its own: Xvfb picks a free number and reports it.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    kill "$xvfb" 2>/dev/null || true
    rm -f "$displayfile"
}
trap cleanup EXIT
for _ in $(seq 100); do
    [ -s "$displayfile" ] && break
    sleep 0.05
done
[ -s "$displayfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -1 "$displayfile")

"$program" >/dev/null 2>&1 &
pid=$!
window=$(xdotool search --sync --onlyvisible --name '^CD Vennix Designer$' | head -1)
sleep 0.5 # let it paint
import -window "$window" "$output"
echo "saved $output"
