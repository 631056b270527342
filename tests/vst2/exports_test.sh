#!/usr/bin/env bash
# The plug-in library must export `main` and nothing else.
set -euo pipefail
lib="$1"
exported="$(nm -D --defined-only "$lib" | awk '{print $3}')"
if [ "$exported" != "main" ]; then
  echo "expected only main to be exported, got:"
  echo "$exported"
  exit 1
fi
# Every undefined symbol must come from a library it links (-z defs).
ldd -r "$lib" 2>&1 | grep -q 'undefined symbol' && { ldd -r "$lib"; exit 1; }
echo "only main is exported"
