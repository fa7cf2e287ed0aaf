#!/usr/bin/python3
"""Regenerates all the interface artwork under resources/, in order (the menu and subject
pictures are drawn on pieces of the backgrounds, so the backgrounds come first).

    tools/art/make_all.py [SHEETS]

With SHEETS, every generator also writes contact sheets (PNG) into that folder, and preview.py
writes mock-ups of the windows there, for looking at the results."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import about          # noqa: E402
import animations     # noqa: E402
import backgrounds    # noqa: E402
import cursor         # noqa: E402
import flags          # noqa: E402
import icon           # noqa: E402
import letters        # noqa: E402
import pictures       # noqa: E402
import preview        # noqa: E402
import skins          # noqa: E402


def main(sheets=None):
    if sheets:
        os.makedirs(sheets, exist_ok=True)
    for module in (skins, cursor, backgrounds, icon, pictures, flags, about, letters, animations):
        print("making", module.__name__, flush=True)
        module.main(sheets)
    if sheets:
        preview.main(sheets)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else None)
