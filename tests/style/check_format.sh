#!/usr/bin/env bash
# Every C, C++ and Objective-C source of the tree is written as .clang-format
# says. Lists the files that are not, with the first lines that differ.
# In a git checkout the tracked files are checked; elsewhere (an unpacked
# tarball) every source outside the build trees.
# clang-format answers 1 both for a file that differs (with --Werror) and
# for a config it cannot read or a file it cannot open, so the check does
# not ask it for a verdict: each file is formatted, the result compared
# with the file, and any failure or message of clang-format's own fails the
# check (exit 2) instead of passing for "no differences".
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

# One line per file: "ok", "differs" or "error" with clang-format's status
# and the start of what it said, then a tab and the file.
check_files() {
    local out err f status
    out=$(mktemp) && err=$(mktemp) || { echo "error: no temporary file"; return 1; }
    for f; do
        clang-format -- "$f" >"$out" 2>"$err"
        status=$?
        if [ $status -ne 0 ] || [ -s "$err" ]; then
            printf 'error (status %d: %s)\t%s\n' $status "$(head -c 200 "$err" | tr '\n\t' '  ')" "$f"
        elif cmp -s -- "$f" "$out"; then
            printf 'ok\t%s\n' "$f"
        else
            printf 'differs\t%s\n' "$f"
        fi
    done
    rm -f "$out" "$err"
}
export -f check_files

mapfile -t results < <(printf '%s\0' "${files[@]}" | xargs -0 -n 64 -P 4 bash -c 'check_files "$@"' _)
xargs_status=$?

bad=() failed=()
for line in "${results[@]}"; do
    case "$line" in
    ok$'\t'*) ;;
    differs$'\t'*) bad+=("${line#*$'\t'}") ;;
    *) failed+=("$line") ;;
    esac
done
if [ $xargs_status -ne 0 ] || [ ${#failed[@]} -gt 0 ] || [ ${#results[@]} -ne ${#files[@]} ]; then
    printf '%s\n' "${failed[@]:0:10}"
    echo "clang-format failed on ${#failed[@]} of ${#files[@]} sources (${#results[@]} checked, run status" \
        "$xargs_status): the style could not be checked"
    exit 2
fi

mapfile -t bad < <(printf '%s\n' "${bad[@]}" | sed '/^$/d' | sort)
for f in "${bad[@]}"; do
    echo "not formatted: $f"
    clang-format "$f" | diff -u "$f" - | sed -n '3,12p'
done
echo "${#bad[@]} of ${#files[@]} sources differ from .clang-format"
[ ${#bad[@]} -eq 0 ]
