#!/usr/bin/env bash
# Runs every test: logic and widget tests offscreen, clipboard tests on a private Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xvfb.sh
start_private_display
# quorpix under the sanitizers, with a bounded run of each decoder's fuzz target; then every
# test of the program, whose summary closes the run.
scripts/fuzz.sh
ctest --preset default
