#!/usr/bin/env bash
# Takes the README's pictures on a private Xvfb: each page of the main window, with two grabs in
# a fresh storage folder and the first one selected, and the About window.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xvfb.sh
start_private_display
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
store=$(mktemp -d)
convert -seed 7 -size 640x400 plasma:steelblue-orange "$store/grab_000.jpg"
convert -size 400x300 gradient:navy-white "$store/grab_001.jpg"
printf '[CStash]\nStore=%s\n' "$store" >"$XDG_CONFIG_HOME/Velmor.conf"
mkdir -p docs
build/program/clipstash &
app=$!
window=$(xdotool search --sync --onlyvisible --name '^Clipstash$' | head -n 1)
sleep 1

# Clicks at a point of the main window (window coordinates), then lets it repaint.
click() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 1
}

click 200 40 # the first grab in the list
import -window "$window" docs/page-cstash.png
click 85 13 # the Setup tab
import -window "$window" docs/page-setup.png
click 133 13 # the Info tab
import -window "$window" docs/page-info.png
click 450 273 # the About button
about=$(xdotool search --sync --onlyvisible --name '^About' | head -n 1)
import -window "$about" docs/about.png

kill "$app"
wait "$app" || true
rm -rf "$store" "$XDG_CONFIG_HOME"
ls docs/page-cstash.png docs/page-setup.png docs/page-info.png docs/about.png
