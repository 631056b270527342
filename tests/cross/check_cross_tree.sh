#!/usr/bin/env bash
# check_cross_tree.sh HAVE_CHECK TREE FORMAT OBJDUMP NATIVE_TREE "GENERATED..." FILE...
# Exit 77 (skipped) when this machine lacks the tree's compiler. Otherwise
# every FILE in TREE must exist and every object in it be of FORMAT, and
# every GENERATED source must be the same bytes as in NATIVE_TREE.
set -uo pipefail
have="$1" tree="$2" format="$3" objdump="$4" native="$5" generated="$6"
shift 6
. "$(dirname "$0")/../../scripts/cross_compilers.sh"
if ! "$have"; then
  echo "SKIPPED: no compiler for $(basename "$tree") on this machine ($have failed)"
  exit 77
fi
if [ ! -d "$tree" ]; then
  echo "FAIL: $tree was not built: run ./build.sh"
  exit 1
fi

failed=0
for file in "$@"; do
  path="$tree/$file"
  if [ ! -f "$path" ]; then
    echo "FAIL: $file missing"; failed=1; continue
  fi
  # objdump -f prints one "file format" line per archive member.
  formats="$("$objdump" -f "$path" | sed -n 's/.*file format //p' | sort -u)"
  if [ "$formats" != "$format" ]; then
    echo "FAIL: $file is '$formats', not $format"; failed=1
  else
    echo "ok: $file ($format)"
  fi
done
for file in $generated; do
  if cmp -s "$native/$file" "$tree/$file"; then
    echo "ok: $file same bytes as the native tree's"
  else
    echo "FAIL: $file differs from the native tree's"; failed=1
  fi
done
exit $failed
