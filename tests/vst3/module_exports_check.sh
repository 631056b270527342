#!/usr/bin/env bash
# The module exports its three entry points and nothing else.
set -euo pipefail
module="$1"
exports="$(nm -D --defined-only "$module" | awk '{print $3}' | sort | tr '\n' ' ')"
if [ "$exports" != "GetPluginFactory ModuleEntry ModuleExit " ]; then
  echo "unexpected exports: $exports"
  exit 1
fi
echo "1 passed, 0 failed"
