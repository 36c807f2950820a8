#!/usr/bin/env python3
"""Writes a large new-format catalog for the benchmarks: about 2,000,000 lines
of many disc titles with nested folders, realistic file names (more than
half of them .jpg, so that a search for ".jpg" has about a million hits),
a few impossible dates, and a rare name ("zx81") on a handful of lines.

Usage: generate_catalog.py OUTPUT [LINES]   (the same output for the same arguments)
"""
import random
import sys

WORDS = ("holiday beach family report budget invoice letter music track setup readme index draft final "
         "summer winter garden house car party wedding birthday school project notes scan photo image "
         "backup archive data system config driver install manual guide chapter album live remix").split()
FOLDERS = ("Pictures Photos Documents Music Backup Projects Letters Raw Edited Drivers Setup Docs Images "
           "Archive 2001 2002 2003 2004 Old New Misc Work Private Travel Scans").split()
EXTENSIONS = [".jpg"] * 58 + [".txt"] * 8 + [".doc"] * 6 + [".mp3"] * 8 + [".htm"] * 4 + [".exe"] * 3 + \
             [".dll"] * 4 + [".pdf"] * 5 + [".raw"] * 4
TITLE_KINDS = ("Holiday photos", "Backup disc", "Music collection", "Work archive", "Scans", "Software")


def date_text(rng):
    if rng.random() < 0.001:
        return rng.choice(("00/00/00", "02/30/03", "13/01/99", "01/01/21", ""))
    return "%02d/%02d/%02d" % (rng.randint(1, 12), rng.randint(1, 28), rng.choice(range(0, 21)) if rng.random() < 0.6
                               else rng.randint(80, 99))


def file_name(rng, serial):
    if serial % 400_000 == 199_999:
        return "zx81_emulator_%d.zip" % serial
    stem = rng.choice(WORDS)
    if rng.random() < 0.5:
        stem += "_" + rng.choice(WORDS)
    if rng.random() < 0.6:
        stem += "%04d" % rng.randint(0, 9999)
    if rng.random() < 0.15:
        stem = stem.upper()
    return stem + rng.choice(EXTENSIONS)


def main():
    output = sys.argv[1]
    target = int(sys.argv[2]) if len(sys.argv) > 2 else 2_000_000
    rng = random.Random(1981)
    lines = 0
    serial = 0
    title = 0
    with open(output, "w", encoding="cp1252", newline="") as out:
        while lines < target:
            title += 1
            chunk = ["|||%s %d" % (TITLE_KINDS[title % len(TITLE_KINDS)], title)]
            depth = 0
            budget = rng.randint(400, 1600)
            for _ in range(budget):
                roll = rng.random()
                if roll < 0.06 and depth < 5:
                    chunk.append("\\" + rng.choice(FOLDERS))
                    depth += 1
                elif roll < 0.10 and depth > 0:
                    chunk.append("..")
                    depth -= 1
                else:
                    serial += 1
                    chunk.append("%s:%s" % (file_name(rng, serial), date_text(rng)))
            chunk.extend([".."] * depth)
            chunk.append("<eof>")
            out.write("\r\n".join(chunk))
            out.write("\r\n")
            lines += len(chunk)
    sys.stderr.write("%s: %d lines, %d titles, %d files\n" % (output, lines, title, serial))


if __name__ == "__main__":
    main()
