#!/usr/bin/env bash
# Runs the benchmarks and prints each figure beside its reference, as a ratio.
#   BENCH_SECONDS  length of each idle-CPU measurement (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xvfb.sh
start_private_display
bin=build/program
seconds=${BENCH_SECONDS:-60}

echo "== (a) one grab to JPEG on disk vs TurboJPEG compress in memory"
"$bin/grab_bench" --benchmark_counters_tabular=true

echo "== (a2) a 4K grab shown in the 240-pixel thumbnail vs decoding it alone; a cache hit"
"$bin/thumb_bench" --benchmark_counters_tabular=true

echo "== (b) CPU while monitoring at the 100 ms poll, ${seconds}s each"
cpu() { "$bin/idle_monitor_bench" "$1" "$seconds" | sed 's/.*cpu_percent=//'; }
for clipboard in empty text; do
    owner=""
    if [ "$clipboard" = text ]; then
        echo "some text" | xclip -quiet -selection clipboard -i &
        owner=$!
        sleep 0.5
    fi
    ours=$(cpu clipstash)
    reference=$(cpu qtpoll)
    [ -z "$owner" ] || kill "$owner"
    awk -v c="$clipboard" -v o="$ours" -v r="$reference" 'BEGIN {
        printf "%s clipboard: clipstash %.3f%% of a core, hasImage poll %.3f%%, ratio %.3f\n",
               c, o, r, (r > 0 ? o / r : 0) }'
done

echo "== (c) memory of the idle program"
XDG_CONFIG_HOME=$(mktemp -d) "$bin/clipstash" &
app=$!
xdotool search --sync --onlyvisible --name '^Clipstash$' >/dev/null
sleep 3
rss=$(awk '/VmHWM/ {print $2}' "/proc/$app/status")
kill "$app"
awk -v kb="$rss" 'BEGIN { printf "peak RSS %.1f MB (target under 60 MB, ratio %.2f)\n", kb / 1024, kb / 1024 / 60 }'

echo "== (d) quorpix-convert against cjpeg/djpeg, ImageMagick and vips"
bench/quorpix.sh
