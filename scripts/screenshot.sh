#!/usr/bin/env bash
# Takes the README's picture of the main window on a private Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xvfb.sh
start_private_display
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
build/program/clipstash &
app=$!
window=$(xdotool search --sync --onlyvisible --name '^Clipstash$' | head -n 1)
sleep 1
import -window "$window" docs/screenshot.png
kill "$app"
echo "docs/screenshot.png"
