#!/usr/bin/env bash
# Takes the README's picture of the main window on a private Xvfb, with two grabs in a fresh
# storage folder and the first one selected.
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
build/program/clipstash &
app=$!
window=$(xdotool search --sync --onlyvisible --name '^Clipstash$' | head -n 1)
sleep 1
xdotool mousemove --window "$window" 200 40 click 1 # the first grab in the list
sleep 1
import -window "$window" docs/screenshot.png
kill "$app"
wait "$app" || true
rm -rf "$store" "$XDG_CONFIG_HOME"
echo "docs/screenshot.png"
