#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the application icon, data/io.github.quirvel.Rellotge.svg.

    python3 tools/draw_app_icon.py [OUT.svg]

It borrows the drawing helpers and colours of tools/draw_pictures.py, so the
icon looks like the program's own pictures: a white dial with a navy rim and
the yellow hour dots on the warm board of the train faces, its first quarter
shaded, and the hands at a quarter past one ("un quart de dues"), the phrase
the program teaches first. No text: numerals vanish at menu sizes, and an
icon must not depend on the fonts of the desktop that shows it.
"""

import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True
sys.path.insert(0, HERE)

from draw_pictures import NAVY, Svg, at, f  # noqa: E402

SIZE = 128
C = (64, 66)
R = 45


def hand(svg, hour, length, width, colour):
    x, y = at(C, length, hour)
    svg.line(*C, x, y, stroke=colour, stroke_width=width, stroke_linecap="round")


def draw():
    svg = Svg(SIZE, SIZE)
    # The board: a rounded tile with a soft shadow, warm like the train faces.
    svg.rect(10, 12, 112, 112, rx=24, fill="#000000", fill_opacity=0.18)
    back = svg.linear(0, 8, 0, 120, [(0, "#fff1c4"), (1, "#f2cf72")])
    svg.rect(8, 8, 112, 112, rx=24, fill=back, stroke="#c99a00", stroke_width=2)
    # The dial.
    svg.circle(C[0] + 1.5, C[1] + 2.5, R, fill="#000000", fill_opacity=0.15)
    svg.circle(*C, R, fill="#ffffff")
    # The first quarter of the hour, the unit of the Catalan phrases.
    top = at(C, R - 3, 0)
    right = at(C, R - 3, 3)
    svg.path(f"M {f(C[0])} {f(C[1])} L {f(top[0])} {f(top[1])} "
             f"A {R - 3} {R - 3} 0 0 1 {f(right[0])} {f(right[1])} Z", fill="#cddff8")
    svg.circle(*C, R, fill="none", stroke=NAVY, stroke_width=5)
    for h in range(12):
        if h % 3 == 0:
            x1, y1 = at(C, R - 13, h)
            x2, y2 = at(C, R - 6, h)
            svg.line(x1, y1, x2, y2, stroke=NAVY, stroke_width=4.5, stroke_linecap="round")
        else:
            svg.circle(*at(C, R - 9, h), 3.4, fill="#ffd21f", stroke="#c99a00", stroke_width=1)
    # A quarter past one: the hour hand a quarter of the way from one to two.
    hand(svg, 1 + 15 / 60, 24, 7, NAVY)
    hand(svg, 3, 34, 4.5, "#c0392b")
    svg.circle(*C, 5, fill=NAVY)
    svg.circle(*C, 2, fill="#ffd21f")
    return svg


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        HERE, "..", "data", "io.github.quirvel.Rellotge.svg")
    draw().write(out)


if __name__ == "__main__":
    main()
