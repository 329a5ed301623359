#!/usr/bin/env bash
# Renders data/icons/clipstash.svg to the hicolor theme sizes and to the 32 px window icon; run by hand after editing the SVG.
set -euo pipefail

if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "rsvg-convert is missing: install the Debian package librsvg2-bin" >&2
    exit 1
fi

root="$(cd "$(dirname "$0")/.." && pwd)"
source_svg="$root/data/icons/clipstash.svg"
hicolor="$root/data/icons/hicolor"
app_id="com.example.velmor_graphics.Clipstash"

for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "$hicolor/${size}x${size}/apps"
    rsvg-convert --width "$size" --height "$size" --output "$hicolor/${size}x${size}/apps/$app_id.png" "$source_svg"
done

mkdir -p "$hicolor/scalable/apps"
cp "$source_svg" "$hicolor/scalable/apps/$app_id.svg"

# The window icon and the About window picture are compiled in from this file.
rsvg-convert --width 32 --height 32 --output "$root/app/clipstash.png" "$source_svg"
