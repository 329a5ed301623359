#!/usr/bin/env bash
# Runs every test: logic and widget tests offscreen, clipboard tests on a private Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xvfb.sh
start_private_display
ctest --preset default
# quorpix again under the sanitizers, with a bounded run of each decoder's fuzz target.
scripts/fuzz.sh
