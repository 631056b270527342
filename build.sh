#!/usr/bin/env bash
# Installs what the build needs, then builds every deliverable into dist/:
# the native Linux tree (build/, also the tests), then the Windows tree
# (build-windows/) and the GNUstep tree (build-macos-gnustep/), each when its
# compiler is on this machine.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
scripts/install-deps.sh
. scripts/cross_compilers.sh

build_tree() {
  local dir="$1"; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}

build_tree build
if have_mingw; then
  build_tree build-windows -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchain-mingw64.cmake"
else
  echo "No mingw-w64 compiler: the Windows tree is not built."
fi
if have_gnustep; then
  build_tree build-macos-gnustep -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchain-gnustep.cmake" \
    -DVLT_PLATFORM=macos-gnustep
else
  echo "No GNUstep or Objective-C++ compiler: the GNUstep tree is not built."
fi
echo "Deliverables in dist/:"
find dist -type f 2>/dev/null | sort | sed 's/^/  /'
