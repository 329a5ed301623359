#!/usr/bin/env bash
# Starts the freshly built Clipstash on the current display.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "make run: no display found (DISPLAY is not set). Run it from a desktop session." >&2
    exit 1
fi
exec build/program/clipstash
