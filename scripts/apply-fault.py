#!/usr/bin/env python3
"""Reads and plants the faults of scripts/faults/ (used by scripts/measure-faults.sh).

A fault file holds, in this order:

    description: <one line>
    file: <path from the repository's root>
    --- find
    <the exact text to look for, one or more lines; it must occur exactly once>
    --- replace
    <the text that takes its place>
    --- end

Usage:
    apply-fault.py describe FAULT   prints the description
    apply-fault.py file FAULT       prints the file the fault is planted in
    apply-fault.py apply FAULT      plants it; exit 3 when the find text does not occur exactly once
"""
import sys
from pathlib import Path


class Malformed(Exception):
    pass


def parse(path):
    lines = Path(path).read_text(encoding="utf-8").split("\n")
    fields = {}
    blocks = {}
    current = None
    for line in lines:
        if line in ("--- find", "--- replace"):
            current = line[4:]
            blocks[current] = []
        elif line == "--- end":
            current = None
        elif current is not None:
            blocks[current].append(line)
        elif ":" in line and not blocks:
            key, _, value = line.partition(":")
            fields[key.strip()] = value.strip()
    for key in ("description", "file"):
        if not fields.get(key):
            raise Malformed(f"{path}: no '{key}:' line")
    for key in ("find", "replace"):
        if key not in blocks:
            raise Malformed(f"{path}: no '--- {key}' block")
    if not blocks["find"] or not "".join(blocks["find"]).strip():
        raise Malformed(f"{path}: the find block is empty")
    return fields["description"], fields["file"], "\n".join(blocks["find"]), "\n".join(blocks["replace"])


def main(argv):
    if len(argv) != 3 or argv[1] not in ("describe", "file", "apply"):
        print(__doc__, file=sys.stderr)
        return 2
    try:
        description, target, find, replace = parse(argv[2])
    except (Malformed, OSError) as error:
        print(error, file=sys.stderr)
        return 2
    if argv[1] == "describe":
        print(description)
        return 0
    if argv[1] == "file":
        print(target)
        return 0
    path = Path(target)
    if not path.is_file():
        print(f"{target}: no such file", file=sys.stderr)
        return 3
    # newline="" keeps the file's own line ends; the find text matches LF files only.
    with open(path, encoding="utf-8", newline="") as f:
        text = f.read()
    count = text.count(find)
    if count != 1:
        print(f"{target}: the find text occurs {count} times", file=sys.stderr)
        return 3
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(text.replace(find, replace, 1))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
