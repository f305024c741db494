#!/usr/bin/env bash
# Start-up time of the program: from process start until its main window is mapped, measured
# from outside under Xvfb, as the median over several runs.
#
#     bench/startup.sh [runs] [program]      (defaults: 21 runs, build/src/cdvennix)
#
# The wait polls "xdotool search --onlyvisible" every 5 ms instead of using its --sync option,
# which looks again only every half second and so cannot measure a few hundred milliseconds.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-21}
program=${2:-build/src/cdvennix}
display=${CDV_BENCH_DISPLAY:-:71}
title='^CD Vennix Designer$'

[ -x "$program" ] || { echo "no program at $program (build the cdvennix target first)" >&2; exit 1; }

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.05
done

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

times=()
cpu=()
for i in $(seq "$runs"); do
    log=$(mktemp)
    start=$(now_ms)
    "$program" >"$log" 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "run $i: the program ended before its window was mapped:" >&2
            cat "$log" >&2
            exit 1
        fi
        if (( $(now_ms) - start > 10000 )); then
            echo "run $i: no window after 10 s" >&2
            kill "$pid"
            exit 1
        fi
        sleep 0.005
    done
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
summary "start-up to mapped main window (wall)" "${times[@]:1}"
summary "CPU time of the program until then" "${cpu[@]:1}"
