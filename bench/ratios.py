#!/usr/bin/env python3
"""Prints each goal of a hyperfine JSON export as a ratio of two of its
commands' medians, measured side by side in that one run. Medians, not
means: on a shared machine a run now and then takes several times as long.

Usage: ratios.py EXPORT.json "NAME|ANCHOR|GOAL" ...   (GOAL: the largest ratio that meets it;
empty for a ratio shown for reference only)
"""
import json
import sys


def main():
    with open(sys.argv[1]) as export:
        medians = {result["command"]: result["median"] for result in json.load(export)["results"]}
    for goal in sys.argv[2:]:
        name, anchor, limit = goal.split("|")
        ratio = medians[name] / medians[anchor]
        if limit:
            verdict = "goal <= %s: %s" % (limit, "met" if ratio <= float(limit) else "not met")
        else:
            verdict = "for reference"
        print("   %-34s %7.1f ms / %-24s %7.1f ms = %5.2fx (%s)"
              % (name, medians[name] * 1000, anchor, medians[anchor] * 1000, ratio, verdict))


if __name__ == "__main__":
    main()
