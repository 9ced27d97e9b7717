#!/usr/bin/env python3
"""Writes JWC_TEMP.TXT of a small house as Jw_cad hands it over with "bz" (paper millimetres):
a 1:100 plan in layer group 0 with double-line walls that meet in T-junctions, sliding doors,
a front door with its swing, a bathtub, a round column, a wall end that stops just short of
the outline, dimension-like lines on another layer; and a 1:20 detail of a toilet in group 1.

Rooms of the plan at real size (walls 150 mm): A 4775 x 2775 mm (bottom left, the near-miss
wall's room), B 4775 x 4775 mm (top left, with a column of 300 mm), C 4775 x 3775 mm (bottom
right, with the front door's swing of 900 mm), D 4775 x 3775 mm (top right, with a bathtub of
1600 x 800 mm). The detail's room is 1600 x 700 mm with a toilet bowl of 400 mm across.
"""

import math

lines = []


def out(s):
    lines.append(s)


def line(x1, y1, x2, y2):
    out(f"{x1:g} {y1:g} {x2:g} {y2:g}")


def rect(x0, y0, x1, y1):
    line(x0, y0, x1, y0), line(x1, y0, x1, y1), line(x1, y1, x0, y1), line(x0, y1, x0, y0)


def circle(cx, cy, r):
    out(f"ci {cx:g} {cy:g} {r:g}")


def arc(cx, cy, r, start, end):
    out(f"ci {cx:g} {cy:g} {r:g} {start:g} {end:g} 1 0")


out("hq")
out("file=C:\\jww\\house.jww")
out("hs 100 20 100 100 100 100 100 100 100 100 100 100 100 100 100 100")
out("hcw 2 2.5 3 4 5 6 7 8 9 10")
out("hch 2 2.5 3 4 5 6 7 8 9 10")
out("hcd 0 0 0.5 0.5 0.5 0.5 1 1 1 1")
out("bz")

# Group 0, 1:100: the plan. Outer face 0..100 x 0..80, inner face 1.5 in.
out("lg0")
out("ly0")
out("lc2")
out("lt1")
# Outer wall, broken on the bottom side for the front door (x 70 to 79).
line(0, 0, 70, 0), line(79, 0, 100, 0), line(100, 0, 100, 80), line(100, 80, 0, 80)
line(0, 80, 0, 0)
line(1.5, 1.5, 70, 1.5), line(79, 1.5, 98.5, 1.5), line(98.5, 1.5, 98.5, 78.5)
line(98.5, 78.5, 1.5, 78.5), line(1.5, 78.5, 1.5, 1.5)
line(70, 0, 70, 1.5), line(79, 0, 79, 1.5)  # the door's jambs close the wall's cavity
# The front door: its leaf closed across the opening, and its swing into room C.
rect(70, 0.5, 79, 1.0)
arc(70, 1.5, 9, 0, 90)
line(70, 1.5, 70, 10.5)
# W1: the middle wall, from the bottom inner face to the top one (T-junctions), with a sliding
# door between A and C (y 10 to 18): two panels lying in the wall.
line(49.25, 1.5, 49.25, 10), line(49.25, 18, 49.25, 78.5)
line(50.75, 1.5, 50.75, 10), line(50.75, 18, 50.75, 78.5)
line(49.25, 10, 50.75, 10), line(49.25, 18, 50.75, 18)
rect(49.5, 9.8, 50.0, 14.2), rect(50.0, 13.8, 50.5, 18.2)
# W2: right half, between C (below) and D (above), meeting W1 and the outer wall in T-junctions.
line(50.75, 39.25, 98.5, 39.25), line(50.75, 40.75, 98.5, 40.75)
# W3: left half, between A (below) and B (above); its upper face stops 0.05 short of the
# outline: a near miss that leaves A's wall cavity open to B unless a gap joins it.
line(1.5, 29.25, 49.25, 29.25), line(1.55, 30.75, 49.25, 30.75)
# Room B: a round column of 300 mm.
circle(25, 55, 1.5)
# Room D: a bathtub, its outer rim and inner basin.
rect(80, 60, 96, 68)
rect(81, 61, 95, 67)
# Dimension lines on another layer (they take part too: kept outside the house).
out("ly1")
out("lc1")
line(0, -10, 100, -10), line(0, -12, 0, -8), line(100, -12, 100, -8)

# Group 1, 1:20: the toilet detail, beside the plan. Walls 100 mm (5 paper mm).
out("lg1")
out("ly0")
out("lc2")
ox, oy = 120, 0
rect(ox, oy, ox + 90, oy + 45)
rect(ox + 5, oy + 5, ox + 85, oy + 40)
circle(ox + 60, oy + 22.5, 10)
out("")
text = "\r\n".join(lines)
with open("JWC_TEMP.TXT", "w", newline="") as f:
    f.write(text)
