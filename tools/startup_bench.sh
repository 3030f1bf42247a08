#!/usr/bin/env bash
# Start-up of Tallimo against a bare Qt window of the same size, on the same
# X server, in one run: CPU time and wall-clock time from exec to the first
# paint of the window, and private memory (RssAnon) at that moment. Medians of
# N runs (default 15). The CPU time is the figure to compare: unlike the
# wall-clock time, it does not grow with what else the machine is doing.
# "text" is the bare window with one label: what starting the desktop's font
# system costs any window that shows text.
# Needs a built tree (tools/test.sh) and Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
probe=build/bench/startup_probe
display=:97
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb' EXIT
sleep 1
measure() {
    local start out wall rss cpu
    start=$(date +%s%N)
    out=$(DISPLAY=$display QT_QPA_PLATFORM=xcb "$probe" "$1" 2>/dev/null)
    read -r wall rss cpu <<<"$out"
    echo "$(( (wall - start) / 1000 )) $rss $cpu"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
: >/tmp/startup_bare; : >/tmp/startup_text; : >/tmp/startup_tallimo
for _ in $(seq "$runs"); do
    measure bare >>/tmp/startup_bare
    measure text >>/tmp/startup_text
    measure tallimo >>/tmp/startup_tallimo
done
for which in bare text tallimo; do
    t=$(cut -d' ' -f1 /tmp/startup_$which | median)
    m=$(cut -d' ' -f2 /tmp/startup_$which | median)
    c=$(cut -d' ' -f3 /tmp/startup_$which | median)
    printf '%-8s exec to first paint: CPU %6d us, wall %6d us (medians of %d)   RssAnon: %6d KiB\n' \
        "$which" "$c" "$t" "$runs" "$m"
    eval "cpu_$which=$c"
done
awk -v t="$cpu_tallimo" -v b="$cpu_bare" -v x="$cpu_text" \
    'BEGIN { printf "CPU time ratio tallimo/bare: %.2f   tallimo/text: %.2f\n", t / b, t / x }'
