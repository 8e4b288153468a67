#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A Wine prefix's state as plain lines, to compare before and after an
# installer runs: every folder and file under drive_c (with size and digest)
# and every registry key and value of the exported hives. A shortcut is
# written down by the texts in it (target, folder, icon, description), not
# its bytes, which hold the time it was made.
#
#   snapshot.py PREFIX EXPORTED.reg... > STATE
import hashlib
import os
import re
import sys


def shortcut_texts(content):
    """The readable texts of a .lnk file, wide and narrow, in order."""
    wide = [t.decode("utf-16-le") for t in re.findall(rb"(?:[\x20-\x7e]\x00){4,}", content)]
    narrow = [t.decode("ascii") for t in re.findall(rb"[\x20-\x7e]{4,}", content)]
    return " | ".join(wide + narrow)


def files(prefix):
    root = os.path.join(prefix, "drive_c")
    for folder, subfolders, names in os.walk(root):
        subfolders.sort()
        relative = os.path.relpath(folder, root)
        yield f"folder {relative}"
        for name in sorted(names):
            path = os.path.join(folder, name)
            if os.path.islink(path):
                yield f"link {os.path.join(relative, name)} -> {os.readlink(path)}"
                continue
            with open(path, "rb") as opened:
                content = opened.read()
            if name.lower().endswith(".lnk"):
                yield f"shortcut {os.path.join(relative, name)} {shortcut_texts(content)}"
                continue
            digest = hashlib.sha1(content).hexdigest()
            yield f"file {os.path.join(relative, name)} {len(content)} {digest}"


def registry(exported):
    """Lines "key\\value=data" from a file written by `reg export` (UTF-16)."""
    with open(exported, encoding="utf-16") as text:
        key = ""
        pending = ""
        for line in text:
            line = pending + line.rstrip("\r\n")
            if line.endswith("\\"):  # a long value goes on on the next line
                pending = line[:-1].strip() if pending else line[:-1]
                continue
            pending = ""
            if line.startswith("[") and line.endswith("]"):
                key = line[1:-1]
                yield f"key {key}"
            elif line and not line.startswith("Windows Registry Editor"):
                yield f"value {key}\\{line}"


def main():
    prefix, exports = sys.argv[1], sys.argv[2:]
    for line in files(prefix):
        print(line)
    for exported in exports:
        for line in registry(exported):
            print(line)


if __name__ == "__main__":
    main()
