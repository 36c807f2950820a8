#!/usr/bin/env python3
"""Writes a catalog of another mix than generate_catalog.py's, so that the
goals are measured on data that is not the one they were worked on: about
2,000,000 lines in 2,690-odd titles, names as cameras, players and installers
write them (IMG_0001.JPG, "07 - Track name.mp3", setup32.exe), longer and
deeper folders, fewer pictures, and a rare name ("setup32") on a few hundred
lines.

Usage: generate_other_catalog.py OUTPUT [LINES]   (the same output for the same arguments)
"""
import random
import sys

ARTISTS = ("Northwind Quartet", "Lena Marsh", "The Copper Lanterns", "Orbital Fields", "Kasimir", "Elm & Ash")
WORDS = ("Morning", "River", "Glass", "Static", "Harbour", "Letters", "Winter", "Signal", "Amber", "Tides",
         "Paper", "Lights", "Echo", "Marble", "Station", "Field")
DOCS = ("Invoice", "Minutes", "Budget", "Thesis draft", "CV", "Tax return", "Lease", "Manual", "Notes")
FOLDERS = ("DCIM", "100CANON", "Music", "Albums", "Installers", "Drivers", "Documents", "Scans", "Archive",
           "Projects", "Source", "Assets", "Backup 2003", "Backup 2004", "Old Stuff", "Video_TS", "Misc")
TITLES = ("Camera card", "Album rip", "Install CD", "Office backup", "Project DVD", "Mixed disc")


def date_text(rng):
    if rng.random() < 0.002:
        return rng.choice(("00/00/00", "04/31/02", "00/12/95", "12/32/99", "09/09/79"))
    year = rng.randint(95, 99) if rng.random() < 0.3 else rng.randint(0, 12)
    return "%02d/%02d/%02d" % (rng.randint(1, 12), rng.randint(1, 28), year)


def file_name(rng, kind):
    roll = rng.random()
    if kind == 0 or roll < 0.25:
        return "%s_%04d.%s" % (rng.choice(("IMG", "DSC", "P1")), rng.randint(0, 9999), rng.choice(("JPG", "jpg", "CR2")))
    if kind == 1 or roll < 0.45:
        return "%02d - %s %s.%s" % (rng.randint(1, 18), rng.choice(WORDS), rng.choice(WORDS),
                                    rng.choice(("mp3", "flac", "ogg", "m4a")))
    if kind == 2 and rng.random() < 0.003:
        return "setup32%s.exe" % rng.choice(("", "_x86", "-full"))
    if roll < 0.65:
        return "%s %d.%s" % (rng.choice(DOCS), rng.randint(1, 40), rng.choice(("doc", "docx", "pdf", "xls", "txt")))
    return "%s%s.%s" % (rng.choice(WORDS).lower(), rng.randint(0, 99),
                        rng.choice(("dll", "exe", "ini", "htm", "png", "gif", "zip", "cab", "inf")))


def main():
    output = sys.argv[1]
    target = int(sys.argv[2]) if len(sys.argv) > 2 else 2_000_000
    rng = random.Random(2026)
    lines = files = titles = 0
    with open(output, "w", encoding="cp1252", newline="") as out:
        while lines < target:
            titles += 1
            kind = titles % len(TITLES)
            chunk = ["|||%s %d - %s" % (TITLES[kind], titles, rng.choice(ARTISTS))]
            depth = 0
            for _ in range(rng.randint(200, 1300)):
                roll = rng.random()
                if roll < 0.05 and depth < 9:
                    chunk.append("\\" + rng.choice(FOLDERS))
                    depth += 1
                elif roll < 0.085 and depth > 0:
                    chunk.append("..")
                    depth -= 1
                else:
                    files += 1
                    chunk.append("%s:%s" % (file_name(rng, kind), date_text(rng)))
            chunk.extend([".."] * depth)
            chunk.append("<eof>")
            out.write("\r\n".join(chunk))
            out.write("\r\n")
            lines += len(chunk)
    sys.stderr.write("%s: %d lines, %d titles, %d files\n" % (output, lines, titles, files))


if __name__ == "__main__":
    main()
