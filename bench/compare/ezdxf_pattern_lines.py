#!/usr/bin/python3
"""The side-by-side floor of the pattern-sheet benchmark: the hatch lines of every pattern of a
pattern file in the sheets' 157.2 x 116 pt cell, at the scale the sheets choose, computed by the
ezdxf hatch library (lines only, no PDF). Prints the patterns, segments and CPU seconds.

    /usr/bin/python3 bench/compare/ezdxf_pattern_lines.py FILE.pat
"""
import sys
import time

import ezdxf
from ezdxf.math import Vec2
from ezdxf.render import hatching
from ezdxf.tools import pattern as patterns


def auto_scale(m):
    # The sheets' choice from the largest spacing of the pattern.
    if m <= 0.3:
        return 100
    if m < 0.5:
        return 50
    if m <= 1:
        return 25
    if m <= 1.5:
        return 15
    if m < 5:
        return 10
    return 5


def main(path):
    with open(path, encoding="cp1252", errors="replace") as f:
        table = patterns.parse(f.read())
    doc = ezdxf.new()
    msp = doc.modelspace()
    cell = [(0, 0), (157.2, 0), (157.2, 116), (0, 116)]
    hatches = []
    for name, lines in table.items():
        # The offsets come rotated by the line's angle; the largest spacing is the file's.
        spacings = [Vec2(line[2]).rotate_deg(-line[0]) for line in lines]
        m = max([max(abs(s.x), abs(s.y)) for s in spacings] + [0])
        hatch = msp.add_hatch()
        hatch.paths.add_polyline_path(cell, is_closed=True)
        hatch.set_pattern_fill(name, definition=lines, scale=auto_scale(m))
        hatches.append(hatch)
    start = time.process_time()
    segments = 0
    for hatch in hatches:
        try:
            for _ in hatching.hatch_entity(hatch):
                segments += 1
        except hatching.HatchingError:
            pass
    seconds = time.process_time() - start
    print(f"{path}: {len(hatches)} patterns, {segments} segments, {seconds:.2f} s CPU")


if __name__ == "__main__":
    main(sys.argv[1])
