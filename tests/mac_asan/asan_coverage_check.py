#!/usr/bin/env python3
"""Checks that an AddressSanitizer bundle instruments the code of ours it runs.

    asan_coverage_check.py EXECUTABLE CLASS...

Disassembles EXECUTABLE and looks at every function of the named classes
or namespaces (demangled names beginning CLASS::). A function that reads or
writes memory through a pointer (an operand based on a register other than
the stack, frame or instruction pointer) must reference the sanitizer's
run-time (__asan_...): otherwise it was compiled without AddressSanitizer
and its memory errors go unseen. Every class must have functions in the executable,
so a renamed class cannot pass unseen. Prints each uninstrumented function;
exit 1 when there is one, 77 when objdump or the executable is missing.
"""
import re
import shutil
import subprocess
import sys

FUNCTION = re.compile(r"^[0-9a-f]+ <(.*)>:$")
INSTRUCTION = re.compile(r"^\s*[0-9a-f]+:\s+(\S+)\s*(.*)$")
# AT&T memory operands: offset(base,index,scale); the base is what is read.
MEMORY = re.compile(r"\(%([a-z0-9]+)")
UNCHECKED_BASES = {"rsp", "esp", "rbp", "ebp", "rip"}


DESTINATION = re.compile(r",?%([a-z0-9]+)$")


def touches_memory(body):
    """Whether the function reads or writes memory through a pointer. A
    register loaded with an address relative to the instruction pointer
    points at constant data (a switch's jump table), which is not checked."""
    constant = set()
    for mnemonic, operands, _ in body:
        target = DESTINATION.search(operands)
        if mnemonic.startswith("lea") and "(%rip)" in operands and target:
            constant.add(target.group(1))
            continue
        if mnemonic.startswith(("lea", "nop", "prefetch", "call", "jmp")) or "nop" in operands:
            continue
        bases = set(MEMORY.findall(operands)) - UNCHECKED_BASES - constant
        if bases:
            return True
        if target:
            constant.discard(target.group(1))
    return False


def functions(path):
    listing = subprocess.run(["objdump", "-d", "-C", "--no-show-raw-insn", path],
                             capture_output=True, text=True, check=True).stdout
    name, body = None, []
    for line in listing.splitlines():
        start = FUNCTION.match(line)
        if start:
            if name:
                yield name, body
            name, body = start.group(1), []
        elif name:
            insn = INSTRUCTION.match(line)
            if insn:
                body.append((insn.group(1), insn.group(2).split("#")[0].strip(), line))
    if name:
        yield name, body


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    path, classes = argv[1], argv[2:]
    if not shutil.which("objdump"):
        print("SKIPPED: no objdump")
        return 77
    try:
        open(path, "rb").close()
    except OSError:
        print("SKIPPED: no %s (the GNUstep tree is not built)" % path)
        return 77
    seen = {c: 0 for c in classes}
    bare = []
    for name, body in functions(path):
        owner = next((c for c in classes if name.startswith(c + "::")), None)
        # A function's cold part is judged with the function.
        if owner is None or "[clone .cold" in name:
            continue
        seen[owner] += 1
        checked = any("__asan_" in line for _, _, line in body)
        if not checked and touches_memory(body):
            bare.append(name)
    failed = False
    for c, n in seen.items():
        if n == 0:
            print("FAIL: no function of %s in %s" % (c, path))
            failed = True
    for name in bare:
        print("FAIL: uninstrumented: %s" % name)
    print("%s: %d functions of %d classes, %d uninstrumented" % (path, sum(seen.values()), len(classes), len(bare)))
    return 1 if failed or bare else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
