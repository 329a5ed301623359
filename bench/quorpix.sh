#!/usr/bin/env bash
# quorpix-convert as a whole process against the established tools, on a 3840x2160
# screen-like picture: medians from hyperfine, peak memory from GNU time, printed as ratios
# beside the targets.
#   QUORPIX_BENCH_RUNS  timed runs of each command (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(pwd)/build/program
runs=${QUORPIX_BENCH_RUNS:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

"$bin/screenbmp" 3840 2160 screen.bmp 2>/dev/null
cjpeg -quality 90 -outfile screen.jpg screen.bmp

# Median milliseconds of one command, run without a shell.
median_ms() {
    hyperfine -N --warmup 3 --runs "$runs" --export-csv times.csv "$1" >/dev/null
    awk -F, 'NR == 2 { printf "%.1f", $4 * 1000 }' times.csv
}

peak_mb() {
    /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1 | awk '{ printf "%.1f", $1 / 1024 }'
}

# name, our figure, reference figure, unit, and the ratio a target allows (none: for comparison)
report() {
    awk -v n="$1" -v o="$2" -v r="$3" -v u="$4" -v t="${5:-}" 'BEGIN {
        ratio = o / r
        verdict = t == "" ? "" : sprintf(" (target <= %s: %s)", t, ratio <= t ? "met" : "MISSED")
        printf "%-44s quorpix %10.1f %-2s reference %10.1f %-2s ratio %.2f%s\n",
               n, o, u, r, u, ratio, verdict }'
}

echo "== quorpix-convert against cjpeg/djpeg, ImageMagick and vips (medians of $runs runs)"
q=$(median_ms "$bin/quorpix-convert screen.bmp q.jpg --quality 90")
c=$(median_ms "cjpeg -quality 90 -sample 1x1 -outfile c.jpg screen.bmp")
m=$(median_ms "convert screen.bmp -quality 90 -sampling-factor 1x1 m.jpg")
v=$(median_ms "vips copy screen.bmp v.jpg[Q=90,subsample-mode=off]")
report "BMP to JPEG q90 vs cjpeg -sample 1x1" "$q" "$c" ms 1.0
report "BMP to JPEG q90 vs ImageMagick" "$q" "$m" ms
report "BMP to JPEG q90 vs vips" "$q" "$v" ms

q=$(median_ms "$bin/quorpix-convert screen.jpg q.bmp --scale 3")
d=$(median_ms "djpeg -scale 1/8 -bmp -outfile d.bmp screen.jpg")
v=$(median_ms "vipsthumbnail screen.jpg --size 480 -o $work/v.jpg")
report "JPEG to BMP at 1/8 vs djpeg -scale 1/8 -bmp" "$q" "$d" ms 1.2
report "JPEG at 1/8 vs vipsthumbnail (writes JPEG)" "$q" "$v" ms

q=$(median_ms "$bin/quorpix-convert screen.bmp q.png")
m=$(median_ms "convert screen.bmp m.png")
v=$(median_ms "vips copy screen.bmp v.png")
report "BMP to PNG vs ImageMagick" "$q" "$m" ms 0.6
report "BMP to PNG vs vips" "$q" "$v" ms
report "PNG size vs ImageMagick's" "$(stat -c %s q.png)" "$(stat -c %s m.png)" B 1.05

q=$(peak_mb "$bin/quorpix-convert" screen.bmp q.jpg --quality 90)
m=$(peak_mb convert screen.bmp -quality 90 m.jpg)
c=$(peak_mb cjpeg -quality 90 -sample 1x1 -outfile c.jpg screen.bmp)
report "peak memory, BMP to JPEG, vs 40 MB" "$q" 40 MB 1.0
report "peak memory, BMP to JPEG, vs ImageMagick" "$q" "$m" MB
report "peak memory, BMP to JPEG, vs cjpeg" "$q" "$c" MB
