#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints a Windows program file's version record as "Name: value" lines, read
# with pefile: the fixed file and product versions, then every text entry.
#
#   version_record.py PROGRAM.exe
import sys

import pefile


def dotted(most, least):
    return f"{most >> 16}.{most & 0xFFFF}.{least >> 16}.{least & 0xFFFF}"


def main():
    program = pefile.PE(sys.argv[1], fast_load=True)
    program.parse_data_directories(
        directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    if not getattr(program, "VS_FIXEDFILEINFO", None):
        sys.exit(f"{sys.argv[1]}: no version record")
    fixed = program.VS_FIXEDFILEINFO[0]
    print("FileVersion (fixed):", dotted(fixed.FileVersionMS, fixed.FileVersionLS))
    print("ProductVersion (fixed):", dotted(fixed.ProductVersionMS, fixed.ProductVersionLS))
    for info in program.FileInfo[0]:
        if info.Key != b"StringFileInfo":
            continue
        for table in info.StringTable:
            for name, value in table.entries.items():
                print(f"{name.decode()}: {value.decode()}")


if __name__ == "__main__":
    main()
