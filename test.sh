#!/usr/bin/env bash
# Builds if needed, then runs every test.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
./build.sh
cd build
ctest --output-on-failure --parallel "$(nproc)" "$@"
