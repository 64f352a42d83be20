#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite under the offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure
