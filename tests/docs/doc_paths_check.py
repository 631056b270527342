#!/usr/bin/env python3
"""Every tree path README.md and docs/*.md name must exist.

    doc_paths_check.py ROOT

A path is an inline code span (or a word of one) whose first part is an
entry of the checkout's top folder, or a relative Markdown link; a link's
"#anchor" must be a heading of the page it names (as GitHub makes anchors). "*" and
"<name>" stand for any name. A path in a build tree (build/, build-windows/,
build-macos-gnustep/, dist/) is checked only when that tree is built, and
its parent folder is enough: some are made by the commands the pages show.
Exit 1 with each missing path and where it is named.
"""
import glob
import os
import re
import sys

BUILD_ROOTS = {
    "build": "build",
    "build-windows": "build-windows",
    "build-macos-gnustep": "build-macos-gnustep",
    "dist/linux": "build",
    "dist/windows": "build-windows",
    "dist/macos-gnustep": "build-macos-gnustep",
}


def pages(root):
    yield os.path.join(root, "README.md")
    yield from sorted(glob.glob(os.path.join(root, "docs", "*.md")))


def candidates(text):
    """(line number, path) of every code-span word and relative link."""
    for number, line in enumerate(text.splitlines(), 1):
        if line.startswith("    "):  # an indented block: commands, run by hand
            continue
        for span in re.findall(r"`([^`]+)`", line):
            for word in span.split():
                yield number, word.strip("\"',;:()[]"), False
        for target in re.findall(r"\]\(([^)]+)\)", line):
            if "://" not in target:
                yield number, target, True


def anchors(page):
    """The anchors GitHub gives the page's headings."""
    with open(page, encoding="utf-8") as f:
        headings = [line.lstrip("#").strip() for line in f if line.startswith("#")]
    return {re.sub(r"[^\w\- ]", "", h.lower()).replace(" ", "-") for h in headings}


def tree_root(path):
    """The build tree a path lies in, or None for the source tree."""
    for prefix in sorted(BUILD_ROOTS, key=len, reverse=True):
        if path == prefix or path.startswith(prefix + "/"):
            return BUILD_ROOTS[prefix]
    return None


def exists(root, path):
    pattern = re.sub(r"<[^>]*>", "*", path)
    return bool(glob.glob(os.path.join(root, pattern))) if "*" in pattern else os.path.lexists(
        os.path.join(root, pattern))


def check(root):
    top = set(os.listdir(root)) | {"build", "build-windows", "build-macos-gnustep", "dist"}
    missing = []
    for page in pages(root):
        with open(page, encoding="utf-8") as f:
            text = f.read()
        base = os.path.dirname(page)
        for number, word, is_link in candidates(text):
            if is_link:
                target, _, anchor = word.partition("#")
                linked = os.path.normpath(os.path.join(base, target)) if target else page
                if anchor and linked.endswith(".md") and os.path.isfile(linked) and anchor not in anchors(linked):
                    missing.append((page, number, word))
                if not target:
                    continue
                path = os.path.relpath(linked, root)
            else:
                word = word[2:] if word.startswith("./") else word
                if word.startswith(("/", "-", "$", "~")) or "=" in word or "..." in word:
                    continue
                if word.split("/")[0] not in top:
                    continue
                path = word
            tree = tree_root(path)
            if tree is not None:
                if not os.path.isdir(os.path.join(root, tree)):
                    continue  # that tree is not built here
                if not exists(root, path) and not exists(root, os.path.dirname(path.rstrip("/"))):
                    missing.append((page, number, path))
            elif not exists(root, path):
                missing.append((page, number, path))
    return missing


def main():
    if len(sys.argv) != 2:
        print("usage: doc_paths_check.py ROOT")
        return 2
    root = os.path.abspath(sys.argv[1])
    missing = check(root)
    for page, number, path in missing:
        print(f"{os.path.relpath(page, root)}:{number}: no {path}")
    print(f"{len(missing)} missing paths" if missing else "every path the pages name exists")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
