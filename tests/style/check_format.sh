#!/usr/bin/env bash
# Every C, C++ and Objective-C source of the tree is written as .clang-format
# says. Lists the files that are not, with the first lines that differ.
# In a git checkout the tracked files are checked; elsewhere (an unpacked
# tarball) every source outside the build trees.
set -uo pipefail
root="$1"
cd "$root" || exit 2
command -v clang-format >/dev/null || { echo "clang-format is missing (scripts/packages/style.txt)"; exit 2; }
[ -f .clang-format ] || { echo "no .clang-format in $root"; exit 2; }

pattern='\.(h|hpp|c|cc|cpp|m|mm)$'
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -d '' files < <(git ls-files -z | grep -zE "$pattern")
else
    mapfile -d '' files < <(find . \( -path './build*' -o -path './dist' -o -path './.git' \) -prune -o \
        -type f -print0 | grep -zE "$pattern")
fi
[ ${#files[@]} -gt 0 ] || { echo "no sources found under $root"; exit 2; }

# One clang-format run per batch of files; its warnings name the files.
mapfile -t bad < <(printf '%s\0' "${files[@]}" \
    | xargs -0 -n 64 -P 4 clang-format --dry-run --Werror 2>&1 \
    | sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' | sort -u)
for f in "${bad[@]}"; do
    echo "not formatted: $f"
    clang-format "$f" | diff -u "$f" - | sed -n '3,12p'
done
echo "${#bad[@]} of ${#files[@]} sources differ from .clang-format"
[ ${#bad[@]} -eq 0 ]
