#!/usr/bin/env bash
# Installs what the build needs, then builds every deliverable into dist/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build build --parallel "$(nproc)"
echo "Deliverables in dist/:"
find dist -type f 2>/dev/null | sort | sed 's/^/  /'
