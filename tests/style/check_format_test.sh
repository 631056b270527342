#!/usr/bin/env bash
# check_format.sh on small trees of its own: it passes a formatted tree,
# fails an unformatted one, and fails (instead of finding "0 differ") when
# clang-format itself fails: a config it cannot read, a file it cannot open.
set -u
check="$(cd "$(dirname "$0")" && pwd)/check_format.sh"
work=$(mktemp -d) || exit 2
trap 'rm -rf "$work"' EXIT
failures=0

# tree NAME CONFIG: a git checkout with one formatted source, a.cpp.
tree() {
    local dir="$work/$1"
    mkdir -p "$dir" && cd "$dir" || exit 2
    printf '%s\n' "$2" >.clang-format
    printf 'int x;\n' >a.cpp
    git init -q . && git add .clang-format a.cpp || exit 2
}

# expect NAME STATUS TEXT: check_format.sh on tree NAME exits with STATUS
# and says TEXT.
expect() {
    local out status
    out=$("$check" "$work/$1" 2>&1)
    status=$?
    if [ $status -ne "$2" ] || [[ "$out" != *"$3"* ]]; then
        echo "FAIL $1: exit $status (expected $2), output:"
        echo "$out"
        failures=$((failures + 1))
    else
        echo "ok $1: exit $status, \"$3\""
    fi
}

tree formatted 'BasedOnStyle: LLVM'
expect formatted 0 "0 of 1 sources differ"

tree unformatted 'BasedOnStyle: LLVM'
printf 'int  x;\n' >a.cpp
expect unformatted 1 "not formatted: a.cpp"

tree unknown-key $'BasedOnStyle: LLVM\nNoSuchKey: 1'
expect unknown-key 2 "clang-format failed on 1 of 1 sources"

tree unreadable 'BasedOnStyle: LLVM'
printf 'int y;\n' >b.cpp
git add b.cpp && rm b.cpp
expect unreadable 2 "clang-format failed on 1 of 2 sources"

[ $failures -eq 0 ]
