#!/usr/bin/env python3
"""Writes a catalog whose first disc title holds FILES files (100,000 by default)
in folders of 1,000, for timing how fast the file list fills; a small second
title follows. The same output for the same arguments.

Usage: generate_wide_title.py OUTPUT [FILES]
"""
import sys

FILES_PER_FOLDER = 1000


def main():
    output = sys.argv[1]
    files = int(sys.argv[2]) if len(sys.argv) > 2 else 100_000
    lines = ["|||Wide disc"]
    for serial in range(files):
        if serial % FILES_PER_FOLDER == 0:
            if serial:
                lines.append("..")
            lines.append("\\Folder %03d" % (serial // FILES_PER_FOLDER))
        lines.append("photo_%06d.jpg:%02d/%02d/%02d" % (serial, serial % 12 + 1, serial % 28 + 1, serial % 21))
    if files:
        lines.append("..")
    lines += ["<eof>", "|||Small disc", "readme.txt:01/05/99", "<eof>"]
    with open(output, "w", encoding="cp1252", newline="") as out:
        out.write("\r\n".join(lines) + "\r\n")
    sys.stderr.write("%s: %d lines, 2 titles, %d files in the first\n" % (output, len(lines), files))


if __name__ == "__main__":
    main()
