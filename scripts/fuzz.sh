#!/usr/bin/env bash
# quorpix under AddressSanitizer and UndefinedBehaviorSanitizer: builds it in build-fuzz,
# runs its unit tests there, then runs each decoder's fuzz target for a bounded time from
# seeds the test helpers write. Any crash, leak, hang or sanitizer report fails the run.
#   FUZZ_SECONDS  time each target runs (default 30, at most 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-30}
[ "$seconds" -le 60 ] || seconds=60

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j2 --target quorpix quorpix-convert quorpix_tests \
    quorpix_viewer_tests quorpix_fuzzers
(cd build-fuzz && ctest -R '^quorpix\.' --output-on-failure)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build-fuzz/program/quorpix_fuzz_seeds "$work/seeds"
for target in bmp jpeg png tiff webp pnm tga gif; do
    mkdir -p "$work/$target"
    log="$work/$target.log"
    # New inputs go to the first folder; the seeds are read from the second. An input that
    # runs 10 s counts as a hang.
    if ! "build-fuzz/program/fuzz_$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 -artifact_prefix="$work/" \
        "$work/$target" "$work/seeds/$target" >"$log" 2>&1; then
        tail -n 60 "$log"
        for input in "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*; do
            [ -e "$input" ] && echo "input $(basename "$input"): $(base64 -w0 "$input")"
        done
        echo "fuzz_$target failed" >&2
        exit 1
    fi
    awk -v t="$target" '/^stat::number_of_executed_units/ {runs=$2}
        /^stat::peak_rss_mb/ {rss=$2}
        /cov: / {cov=$0}
        END {sub(/.*cov: /, "", cov); sub(/ .*/, "", cov);
             printf "fuzz_%s: %d runs, coverage %s, peak %s MB\n", t, runs, cov, rss}' "$log"
done
