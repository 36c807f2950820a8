#!/usr/bin/env python3
"""Makes a folder tree of about N files (default 200,000) for the scan benchmark."""
import os
import random
import sys


def main():
    root = sys.argv[1]
    total = int(sys.argv[2]) if len(sys.argv) > 2 else 200_000
    random.seed(7)
    words = ["photo", "report", "setup", "readme", "track", "invoice", "scan", "draft", "backup", "index"]
    exts = [".jpg", ".txt", ".doc", ".mp3", ".exe", ".htm", ".dat"]
    made = 0
    folder_id = 0
    stamp = 1_050_000_000
    while made < total:
        depth = random.randint(1, 5)
        parts = [f"{random.choice(words).upper()}_{folder_id % 97:02d}"]
        parts += [f"sub{random.randint(0, 9)}" for _ in range(depth - 1)]
        folder = os.path.join(root, *parts, f"d{folder_id}")
        os.makedirs(folder, exist_ok=True)
        for i in range(min(random.randint(20, 80), total - made)):
            name = os.path.join(folder, f"{random.choice(words)}{i:04d}{random.choice(exts)}")
            with open(name, "wb"):
                pass
            os.utime(name, (stamp, stamp + made))
            made += 1
        folder_id += 1
    print(f"{made} files in {folder_id} folders under {root}")


if __name__ == "__main__":
    main()
