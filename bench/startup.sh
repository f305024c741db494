#!/usr/bin/env bash
# Start-up time of the program: from process start until its main window is mapped, measured
# from outside under Xvfb, as the median over several runs.
#
#     bench/startup.sh [runs] [program]      (defaults: 21 runs, build/src/cdvennix)
#
# The wait polls "xdotool search --onlyvisible" every 10 ms instead of using its --sync option,
# which looks again only every half second and so cannot measure a few hundred milliseconds.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-21}
program=${2:-build/src/cdvennix}
title='^CD Vennix Designer$'

[ -x "$program" ] || { echo "no program at $program (build the cdvennix target first)" >&2; exit 1; }

# A display of its own.
source scripts/private-display.sh
xvfb=
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
start_private_display

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

times=()
cpu=()
retries=0
i=0
while [ "$i" -lt "$runs" ]; do
    i=$((i + 1))
    log=$(mktemp)
    start=$(now_ms)
    "$program" >"$log" 2>&1 &
    pid=$!
    failed=
    until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
        if ! kill -0 "$pid" 2>/dev/null; then
            failed=ended
            break
        fi
        if (( $(now_ms) - start > 10000 )); then
            failed=timeout
            break
        fi
        sleep 0.01
    done
    if [ -n "$failed" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        # On a machine under heavy load the X server may refuse a connection now and then;
        # such a run measures nothing and is made again.
        if grep -q 'could not connect to display' "$log" && kill -0 "$xvfb" 2>/dev/null \
            && [ "$retries" -lt 5 ]; then
            retries=$((retries + 1))
            i=$((i - 1))
            rm -f "$log"
            continue
        fi
        echo "run $i: no main window ($failed):" >&2
        kill -0 "$xvfb" 2>/dev/null || echo "(the X server $DISPLAY has gone)" >&2
        cat "$log" >&2
        exit 1
    fi
    end=$(now_ms)
    # CPU time the program used until then (user + system, in clock ticks): a figure that a
    # busy machine does not inflate the way it does the wall time.
    read -r -a stat <"/proc/$pid/stat"
    cpu+=($(( (stat[13] + stat[14]) * 1000 / $(getconf CLK_TCK) )))
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rm -f "$log"
    times+=($((end - start)))
done

# The first run fills the file caches; it is not counted.
summary() {
    local sorted
    sorted=($(printf '%s\n' "${@:2}" | sort -n))
    local count=${#sorted[@]}
    echo "$1: median ${sorted[$((count / 2))]} ms, min ${sorted[0]} ms, max ${sorted[$((count - 1))]} ms over $count runs"
}
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
[ "$retries" -gt 0 ] && echo "runs made again after a refused X connection: $retries"
summary "start-up to mapped main window (wall)" "${times[@]:1}"
summary "CPU time of the program until then" "${cpu[@]:1}"
