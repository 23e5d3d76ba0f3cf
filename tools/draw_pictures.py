#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws every picture of the program as an SVG file in assets/.

    python3 tools/draw_pictures.py [OUTDIR]

The committed SVGs are what the build uses; this script is how they were
made, so that dial centres, numeral positions and the hour marks are computed
from the same numbers as the hands that turn over them. Only the SVG Tiny
subset that QtSvg renders is used: no filters, masks or style sheets.

Text uses fonts from Debian packages listed in scripts/install-deps:
Liberation (sans, serif), Comic Neue and Dancing Script.
"""

import math
import os
import random
import sys

SANS = "Liberation Sans"
SERIF = "Liberation Serif"
ROUND = "Comic Neue"
SCRIPT = "Dancing Script"

NAVY = "#1b2a6b"
# Emblems are pale blue so they stand apart from cream and paper faces.
EMBLEM = "#dde9fb"

# The 212 x 209 faces are shown by two windows whose hands turn about
# slightly different points: (103, 103) in the move-the-hands window and
# (107, 107) in the write-the-time window. Each face is drawn about the point
# of the window that shows it; the one both show sits halfway, so both
# centres land well inside its emblem.
FACE_W, FACE_H = 212, 209
MOVE_HANDS_C = (103, 103)
WRITE_TIME_C = (107, 107)
SHARED_FACE_C = (105, 105)
# The move-the-hands window shows only 208 x 205 pixels of a face, so the rim
# stays inside that.
FACE_R = 98

# Where the hands of the other pictures turn.
HOUR_NAMES_C = (245, 161)
TRAIN_C = (170, 163)
DIALS6_C = [(69, 74), (215, 74), (362, 74), (69, 190), (215, 190), (362, 190)]
DIALS9_C = [(43 + 100 * col, 43 + 80 * row) for row in range(3) for col in range(3)]

HOUR_NAMES = ["les dotze", "la una", "les dues", "les tres", "les quatre", "les cinc",
              "les sis", "les set", "les vuit", "les nou", "les deu", "les onze"]
ROMAN = ["XII", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI"]


def f(v):
    """A coordinate written briefly."""
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def at(c, r, hour):
    """The point at radius r where a hand points at the given hour: 30 degrees
    an hour clockwise, twelve straight up."""
    a = math.radians(30 * hour)
    return c[0] + r * math.sin(a), c[1] - r * math.cos(a)


def esc(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def attrs(**kw):
    out = []
    for key, value in kw.items():
        if value is None:
            continue
        key = key.rstrip("_").replace("_", "-")
        out.append(f'{key}="{f(value) if isinstance(value, float) else value}"')
    return " ".join(out)


class Svg:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.defs = []
        self.body = []
        self.ids = 0

    def add(self, text):
        self.body.append(text)

    def new_id(self, stem):
        self.ids += 1
        return f"{stem}{self.ids}"

    def linear(self, x1, y1, x2, y2, stops):
        gid = self.new_id("g")
        s = "".join(f'<stop offset="{o}" stop-color="{c}"/>' for o, c in stops)
        self.defs.append(f'<linearGradient id="{gid}" gradientUnits="userSpaceOnUse" '
                         f'x1="{f(x1)}" y1="{f(y1)}" x2="{f(x2)}" y2="{f(y2)}">{s}</linearGradient>')
        return f"url(#{gid})"

    def radial(self, cx, cy, r, stops, fx=None, fy=None):
        gid = self.new_id("g")
        s = "".join(f'<stop offset="{o}" stop-color="{c}"/>' for o, c in stops)
        focus = f' fx="{f(fx)}" fy="{f(fy)}"' if fx is not None else ""
        self.defs.append(f'<radialGradient id="{gid}" gradientUnits="userSpaceOnUse" '
                         f'cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}"{focus}>{s}</radialGradient>')
        return f"url(#{gid})"

    def rect(self, x, y, w, h, **kw):
        self.add(f'<rect x="{f(x)}" y="{f(y)}" width="{f(w)}" height="{f(h)}" {attrs(**kw)}/>')

    def circle(self, cx, cy, r, **kw):
        self.add(f'<circle cx="{f(cx)}" cy="{f(cy)}" r="{f(r)}" {attrs(**kw)}/>')

    def ellipse(self, cx, cy, rx, ry, **kw):
        self.add(f'<ellipse cx="{f(cx)}" cy="{f(cy)}" rx="{f(rx)}" ry="{f(ry)}" {attrs(**kw)}/>')

    def line(self, x1, y1, x2, y2, **kw):
        self.add(f'<line x1="{f(x1)}" y1="{f(y1)}" x2="{f(x2)}" y2="{f(y2)}" {attrs(**kw)}/>')

    def polygon(self, points, **kw):
        pts = " ".join(f"{f(x)},{f(y)}" for x, y in points)
        self.add(f'<polygon points="{pts}" {attrs(**kw)}/>')

    def path(self, d, **kw):
        self.add(f'<path d="{d}" {attrs(**kw)}/>')

    def text(self, x, y, s, size, family, fill, weight="bold", anchor="middle", lift=0.36,
             outline=None, **kw):
        """Text whose digits or capitals are centred vertically on y. An
        outline is drawn as a ring of offset copies under the text: QtSvg
        strokes text with a hairline whatever the stroke width says."""
        if outline:
            colour, width = outline
            for k in range(16):
                a = 2 * math.pi * k / 16
                self.text(x + width * math.cos(a), y + width * math.sin(a), s, size, family,
                          colour, weight, anchor, lift)
        base = y + size * lift
        self.add(f'<text x="{f(x)}" y="{f(base)}" font-family="{family}" font-size="{f(size)}" '
                 f'font-weight="{weight}" text-anchor="{anchor}" fill="{fill}" '
                 f'{attrs(**kw)}>{esc(s)}</text>')

    def group(self, transform, parts):
        self.add(f'<g transform="{transform}">')
        self.body.extend(parts)
        self.add("</g>")

    def write(self, path):
        with open(path, "w", encoding="utf-8") as out:
            out.write('<?xml version="1.0" encoding="UTF-8"?>\n')
            out.write(f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                      f'width="{self.width}" height="{self.height}" '
                      f'viewBox="0 0 {self.width} {self.height}">\n')
            if self.defs:
                out.write("<defs>\n" + "\n".join(self.defs) + "\n</defs>\n")
            out.write("\n".join(self.body) + "\n</svg>\n")


# ---------------------------------------------------------------- dial parts

def star(svg, c, r, colour, width):
    """The twelve-pointed star of chords: each hour joined to the hour five on."""
    pts = [at(c, r, (5 * i) % 12) for i in range(12)]
    svg.polygon(pts, fill="none", stroke=colour, stroke_width=width, stroke_linejoin="round")


def hour_strokes(svg, c, r1, r2, colour, width):
    for h in range(12):
        x1, y1 = at(c, r1, h)
        x2, y2 = at(c, r2, h)
        svg.line(x1, y1, x2, y2, stroke=colour, stroke_width=width, stroke_linecap="round")


def minute_ticks(svg, c, r1, r2, colour, width):
    for m in range(60):
        if m % 5 == 0:
            continue
        a = math.radians(6 * m)
        svg.line(c[0] + r1 * math.sin(a), c[1] - r1 * math.cos(a), c[0] + r2 * math.sin(a),
                 c[1] - r2 * math.cos(a), stroke=colour, stroke_width=width)


def numerals(svg, c, r, labels, size, family, fill, lift=0.36, weight="bold", **kw):
    for h, label in enumerate(labels):
        x, y = at(c, r, h)
        svg.text(x, y, label, size, family, fill, weight=weight, lift=lift, **kw)


def arabic():
    return ["12"] + [str(h) for h in range(1, 12)]


# ------------------------------------------------------------------ emblems
# Emblems are drawn about (0, 0) in a box of about 52 x 52 units and placed
# with a translate and scale, so the middle of each emblem is where the hands
# turn.

def emblem_square(fill, stroke):
    return [f'<rect x="-26" y="-26" width="52" height="52" rx="10" fill="{fill}" '
            f'stroke="{stroke}" stroke-width="2.5"/>']


def tree_and_bench(ink):
    return [
        # fir tree, three tiers and a trunk
        f'<rect x="-14" y="10" width="5" height="9" fill="{ink}"/>',
        f'<polygon points="-11.5,-21 -3,-8 -20,-8" fill="{ink}"/>',
        f'<polygon points="-11.5,-14 -1,1 -22,1" fill="{ink}"/>',
        f'<polygon points="-11.5,-6 1,11 -24,11" fill="{ink}"/>',
        # picnic table with its two benches
        f'<rect x="3" y="3" width="20" height="3" rx="1" fill="{ink}"/>',
        f'<line x1="7" y1="6" x2="10" y2="19" stroke="{ink}" stroke-width="2"/>',
        f'<line x1="19" y1="6" x2="16" y2="19" stroke="{ink}" stroke-width="2"/>',
        f'<rect x="1" y="12" width="24" height="2.4" rx="1" fill="{ink}"/>',
        # ground
        f'<line x1="-22" y1="19.5" x2="23" y2="19.5" stroke="{ink}" stroke-width="1.5" '
        f'stroke-linecap="round"/>',
    ]


def train(ink, window):
    return [
        # smoke
        f'<circle cx="-10" cy="-19" r="3" fill="{ink}" fill-opacity="0.45"/>',
        f'<circle cx="-15" cy="-22" r="2.2" fill="{ink}" fill-opacity="0.3"/>',
        # boiler, chimney, cab and its window
        f'<rect x="-19" y="-4" width="26" height="13" rx="2" fill="{ink}"/>',
        f'<polygon points="-14,-4 -13,-14 -7,-14 -8,-4" fill="{ink}"/>',
        f'<rect x="4" y="-13" width="15" height="22" rx="1.5" fill="{ink}"/>',
        f'<rect x="1.5" y="-16" width="20" height="3.5" rx="1" fill="{ink}"/>',
        f'<rect x="8" y="-9" width="7" height="6" fill="{window}"/>',
        f'<polygon points="-19,5 -24,12 -19,12" fill="{ink}"/>',
        # wheels on the rail
        f'<circle cx="-12" cy="12" r="4.5" fill="{ink}" stroke="{window}" stroke-width="1"/>',
        f'<circle cx="-1" cy="12" r="4.5" fill="{ink}" stroke="{window}" stroke-width="1"/>',
        f'<circle cx="12" cy="11" r="5.5" fill="{ink}" stroke="{window}" stroke-width="1"/>',
        f'<line x1="-23" y1="17.5" x2="23" y2="17.5" stroke="{ink}" stroke-width="1.6" '
        f'stroke-linecap="round"/>',
    ]


def steaming_cup(ink):
    steam = ('stroke="{0}" stroke-width="2.2" fill="none" stroke-linecap="round"').format(ink)
    return [
        f'<path d="M -9 -8 C -13 -12 -5 -15 -9 -19 C -12 -22 -7 -24 -8 -25" {steam}/>',
        f'<path d="M 5 -8 C 1 -12 9 -15 5 -19 C 2 -22 7 -24 6 -25" {steam}/>',
        # handle, cup and saucer
        f'<circle cx="14" cy="3" r="6" fill="none" stroke="{ink}" stroke-width="3.5"/>',
        f'<path d="M -16 -5 L 15 -5 L 13 8 C 11 15 6 17 -1 17 C -8 17 -13 15 -14 8 Z" '
        f'fill="{ink}"/>',
        f'<ellipse cx="-0.5" cy="19.5" rx="21" ry="3.5" fill="{ink}"/>',
        f'<path d="M -11 -1 C -10 6 -8 10 -4 12" stroke="#ffffff" stroke-opacity="0.55" '
        f'stroke-width="2" fill="none" stroke-linecap="round"/>',
    ]


def wrist_watch():
    return [
        '<rect x="-7" y="-25" width="14" height="50" rx="3" fill="#8c6a48"/>',
        '<line x1="-7" y1="-17.5" x2="7" y2="-17.5" stroke="#6b4f33" stroke-width="1"/>',
        '<line x1="-7" y1="17.5" x2="7" y2="17.5" stroke="#6b4f33" stroke-width="1"/>',
        '<circle cx="0" cy="0" r="13.5" fill="#c9ccd2" stroke="#6e7380" stroke-width="2"/>',
        '<rect x="13" y="-2" width="3.5" height="4" rx="1" fill="#6e7380"/>',
        '<circle cx="0" cy="0" r="10.5" fill="#ffffff"/>',
        '<line x1="0" y1="0" x2="0" y2="-8" stroke="#303440" stroke-width="1.4" '
        'stroke-linecap="round"/>',
        '<line x1="0" y1="0" x2="5" y2="2" stroke="#303440" stroke-width="1.8" '
        'stroke-linecap="round"/>',
        '<circle cx="0" cy="0" r="1.6" fill="#c0392b"/>',
    ]


def place(svg, c, scale, parts):
    svg.group(f"translate({f(c[0])} {f(c[1])}) scale({f(scale)})", parts)


# -------------------------------------------------------------------- faces

def face_base(svg, c, back, dial, rim, rim_width=4):
    svg.rect(0, 0, FACE_W, FACE_H, fill=back)
    cx, cy = c
    svg.circle(cx + 1.5, cy + 2, FACE_R, fill="#000000", fill_opacity=0.12)
    svg.circle(cx, cy, FACE_R, fill=dial, stroke=rim, stroke_width=rim_width)


def face_script(svg, c):
    back = svg.linear(0, 0, FACE_W, FACE_H, [(0, "#cfe3f6"), (1, "#a9c8e8")])
    face_base(svg, c, back, "#ffffff", "#7d9fc0")
    star(svg, c, 62, "#d2d5da", 1.4)
    hour_strokes(svg, c, 88, 94, "#8a8f99", 2.2)
    numerals(svg, c, 75, arabic(), 25, SCRIPT, "#263238", weight="normal", lift=0.35)
    svg.circle(*c, 3, fill="#8a8f99")


def face_roman_picnic(svg, c):
    back = svg.linear(0, 0, 0, FACE_H, [(0, "#dff2cf"), (1, "#b9e0a0")])
    face_base(svg, c, back, "#fffdf4", "#5e9c46")
    star(svg, c, 62, "#b4b4b4", 1.4)
    for h in range(12):
        svg.circle(*at(c, 91, h), 4.6, fill="#ffd21f", stroke="#c99a00", stroke_width=1)
    numerals(svg, c, 74, ROMAN, 17, SERIF, NAVY, lift=0.34)
    place(svg, c, 1.0, emblem_square(EMBLEM, NAVY) + tree_and_bench(NAVY))


def face_24h(svg, c):
    face_base(svg, c, "#e2e4e9", "#ffffff", "#9a9ea8")
    star(svg, c, 62, "#c4c7cc", 1.4)
    hour_strokes(svg, c, 90, 95, "#a0a4ac", 2)
    labels = ["24"] + [str(h) for h in range(13, 24)]
    numerals(svg, c, 76, labels, 21, SANS, "#ffffff", outline=("#7b7f88", 1.3))
    place(svg, c, 1.0, wrist_watch())


def stone(svg, rng, count, colours, x0, y0, w, h):
    """A speckled stone texture: many small soft flecks."""
    for _ in range(count):
        x = x0 + rng.random() * w
        y = y0 + rng.random() * h
        r = 0.5 + rng.random() * 1.3
        colour = rng.choice(colours)
        svg.circle(x, y, r, fill=colour, fill_opacity=round(0.06 + rng.random() * 0.12, 2))


def face_embossed(svg, c, dark):
    rng = random.Random(12 if dark else 21)
    if dark:
        outer, dial, hi, lo, ink = "#3c3c3e", "#6a6a6c", "#9a9a9c", "#1c1c1e", "#6a6a6c"
    else:
        outer, dial, hi, lo, ink = "#9c9b96", "#cfcdc7", "#f4f3ef", "#6d6b66", "#cfcdc7"
    svg.rect(0, 0, FACE_W, FACE_H, fill=outer)
    stone(svg, rng, 500, ["#000000", "#ffffff", "#7a6e5c"], 0, 0, FACE_W, FACE_H)
    cx, cy = c
    # A raised disc: light from the top left.
    svg.circle(cx - 1.5, cy - 1.5, FACE_R, fill=hi)
    svg.circle(cx + 1.5, cy + 1.5, FACE_R, fill=lo)
    svg.circle(cx, cy, FACE_R, fill=dial)
    stone(svg, rng, 420, ["#000000", "#ffffff"], cx - 80, cy - 80, 160, 160)
    for h, label in enumerate(arabic()):
        x, y = at(c, 76, h)
        svg.text(x - 1.2, y - 1.2, label, 26, SERIF, hi, lift=0.35)
        svg.text(x + 1.2, y + 1.2, label, 26, SERIF, lo, lift=0.35)
        svg.text(x, y, label, 26, SERIF, ink, lift=0.35)
    # The stamped emblem is sunk into the stone: shadow top left, light
    # bottom right.
    svg.circle(cx - 1.2, cy - 1.2, 27, fill=lo)
    svg.circle(cx + 1.2, cy + 1.2, 27, fill=hi)
    svg.circle(cx, cy, 27, fill=dial)
    sun = []
    for i in range(12):
        a = math.radians(30 * i)
        sun.append(f"{f(9 * math.sin(a))},{f(-9 * math.cos(a))}")
        a2 = math.radians(30 * i + 15)
        sun.append(f"{f(15 * math.sin(a2))},{f(-15 * math.cos(a2))}")
    pts = " ".join(sun)
    for dx, colour in ((-1.2, lo), (1.2, hi), (0, dial)):
        svg.add(f'<polygon transform="translate({f(cx + dx)} {f(cy + dx)})" points="{pts}" '
                f'fill="{colour}"/>')
    svg.circle(cx - 1, cy - 1, 5, fill=hi)
    svg.circle(cx + 1, cy + 1, 5, fill=lo)
    svg.circle(cx, cy, 5, fill=dial)


def lined_paper(svg, width, height):
    svg.rect(0, 0, width, height, fill="#f3e6c4")
    for y in range(14, height, 13):
        svg.line(0, y + 0.5, width, y + 0.5, stroke="#a9c4de", stroke_width=1)
    svg.line(26.5, 0, 26.5, height, stroke="#e08a8a", stroke_width=1.2)


def face_picnic(svg, c):
    lined_paper(svg, FACE_W, FACE_H)
    svg.circle(*c, FACE_R, fill="none", stroke="#e8862a", stroke_width=2.5)
    star(svg, c, 62, "#f08c28", 1.8)
    hour_strokes(svg, c, 90, 95, "#e8862a", 2.4)
    numerals(svg, c, 76, arabic(), 25, ROUND, "#ffffff", outline=(NAVY, 1.5))
    place(svg, c, 1.0, emblem_square(EMBLEM, NAVY) + tree_and_bench(NAVY))


def face_blank(svg, c):
    back = svg.linear(0, 0, FACE_W, FACE_H, [(0, "#b4c2d4"), (1, "#94a4b8")])
    face_base(svg, c, back, "#ffffff", "#98a4b4")
    for r in (24, 46, 68, 88):
        svg.circle(*c, r, fill="none", stroke="#d4d7dc", stroke_width=1.2)
    for hour in range(12):
        svg.line(*at(c, 24, hour), *at(c, 95, hour), stroke="#dcdfe3", stroke_width=1)
    star(svg, c, 88, "#c6cad0", 1.6)
    hour_strokes(svg, c, 88, 95, "#b0b5bd", 2.4)


def face_train(svg, c):
    back = svg.linear(0, 0, FACE_W, FACE_H, [(0, "#fff1c4"), (1, "#f6d98a")])
    face_base(svg, c, back, "#ffffff", NAVY, 3.5)
    star(svg, c, 62, "#c4c7cc", 1.4)
    hour_strokes(svg, c, 90, 95, "#9ea3ab", 2)
    numerals(svg, c, 75, arabic(), 25, SCRIPT, "#1e2240", weight="normal", lift=0.35)
    place(svg, c, 1.0, emblem_square(EMBLEM, NAVY) + train(NAVY, "#ffffff"))


def face_roman_dark(svg, c):
    svg.rect(0, 0, FACE_W, FACE_H, fill="#000000")
    svg.circle(*c, FACE_R, fill="#0c0f1c", stroke="#3a3f52", stroke_width=3)
    star(svg, c, 62, "#343a4c", 1.5)
    for h in range(12):
        svg.circle(*at(c, 91, h), 4.6, fill="#1d2f8c", stroke="#6f83d6", stroke_width=1)
    numerals(svg, c, 74, ROMAN, 17, SERIF, "#e6e8f2", lift=0.34)
    place(svg, c, 1.0, emblem_square("#8e9096", "#b8bac0") + tree_and_bench("#2c2e34"))


# ------------------------------------------------------------------- boards

def board_hour_names(svg):
    w, h = 545, 321
    c = HOUR_NAMES_C
    rng = random.Random(5)
    svg.rect(0, 0, w, h, fill=svg.linear(0, 0, w, h, [(0, "#f4e8c8"), (1, "#e8d6a8")]))
    # Paper grain: soft horizontal fibres and flecks.
    for _ in range(90):
        y = rng.random() * h
        x = rng.random() * w
        svg.line(x, y, x + 20 + rng.random() * 60, y + rng.random() * 2 - 1, stroke="#b89a5c",
                 stroke_opacity=0.12, stroke_width=0.8)
    stone(svg, rng, 500, ["#8a6c36", "#ffffff"], 0, 0, w, h)
    svg.rect(1.5, 1.5, w - 3, h - 3, rx=8, fill="none", stroke="#c8a868", stroke_width=3)
    # The dial: a lighter disc with the yellow dots where the hour hand points.
    svg.circle(c[0] + 1.5, c[1] + 2, 106, fill="#8a6c36", fill_opacity=0.15)
    svg.circle(*c, 106, fill="#fbf4e2", stroke="#d4b878", stroke_width=2)
    svg.circle(*c, 95, fill="none", stroke="#e6d2a4", stroke_width=1.2)
    minute_ticks(svg, c, 100, 104, "#cdb27a", 1)
    for hour in range(12):
        svg.circle(*at(c, 95, hour), 7.5, fill="#ffd400", stroke="#c79500", stroke_width=1.5)
    # The words lie beyond the dots, where the long second hand reaches them.
    for hour, name in enumerate(HOUR_NAMES):
        x, y = at(c, 113, hour)
        if hour in (0, 6):
            anchor = "middle"
            y += -10 if hour == 0 else 10
        elif hour < 6:
            anchor = "start"
            x -= 4
        else:
            anchor = "end"
            x += 4
        svg.text(x, y, name, 26, ROUND, "#f4f8ff", anchor=anchor, lift=0.3,
                 outline=("#1546b8", 1.6))
    place(svg, c, 1.15, emblem_square("#fffaf0", NAVY) + steaming_cup(NAVY))


def board_glow(svg):
    w, h = 334, 322
    c = TRAIN_C
    svg.rect(0, 0, w, h, fill="#0b3a3c")
    svg.rect(4, 4, w - 8, h - 8, rx=14, fill="none", stroke="#1b6b6c", stroke_width=3)
    glow = svg.radial(c[0], c[1], 150, [(0, "#eafffb"), (0.25, "#7fe8dc"), (0.6, "#1f8f8c"),
                                         (1, "#0b3a3c")])
    svg.circle(*c, 150, fill=glow)
    for i in range(48):
        a = math.radians(7.5 * i)
        r1, r2 = 22, (140 if i % 4 == 0 else 110)
        svg.line(c[0] + r1 * math.sin(a), c[1] - r1 * math.cos(a), c[0] + r2 * math.sin(a),
                 c[1] - r2 * math.cos(a), stroke="#ffffff", stroke_opacity=0.25, stroke_width=1.5)
    for hour, label in enumerate(arabic()):
        x, y = at(c, 128, hour)
        bubble = svg.radial(x - 5, y - 6, 20, [(0, "#bfe3ff"), (0.5, "#3d8ee6"), (1, "#1546a8")])
        svg.circle(x, y, 16, fill=bubble, stroke="#0d2f73", stroke_width=1.2)
        svg.text(x, y, label, 17, SANS, "#ffffff")


def board_train(svg):
    w, h = 334, 322
    c = TRAIN_C
    svg.rect(0, 0, w, h, fill="#ffffff")
    star(svg, c, 100, "#c8cbd0", 1.6)
    minute_ticks(svg, c, 148, 153, "#b0b4bb", 1.2)
    hour_strokes(svg, c, 146, 155, "#7f8590", 2.6)
    numerals(svg, c, 126, arabic(), 36, SCRIPT, "#1e2240", weight="normal", lift=0.35)
    place(svg, c, 1.35, emblem_square(EMBLEM, NAVY) + train(NAVY, "#ffffff"))


def tv_set(svg, c, face_r, half_w, half_h, body, antenna):
    """A dial in a frame shaped like a small television set."""
    cx, cy = c
    dark = shade(body, 0.6)
    if antenna:
        top = cy - half_h
        for dx, dy in ((-antenna * 0.7, -antenna), (antenna * 0.6, -antenna * 0.95)):
            svg.line(cx, top + 1, cx + dx, top + dy, stroke="#555a63", stroke_width=1.6,
                     stroke_linecap="round")
            svg.circle(cx + dx, top + dy, 1.8, fill="#555a63")
        svg.ellipse(cx, top + 1, 5, 2.5, fill=dark)
    feet = half_h * 0.12
    for dx in (-half_w * 0.6, half_w * 0.6):
        svg.rect(cx + dx - 5, cy + half_h - 2, 10, feet + 2, rx=2, fill=dark)
    svg.rect(cx - half_w + 1.5, cy - half_h + 2, half_w * 2, half_h * 2, rx=half_h * 0.28,
             fill="#000000", fill_opacity=0.2)
    fill = svg.linear(cx, cy - half_h, cx, cy + half_h, [(0, shade(body, 1.18)), (1, body)])
    svg.rect(cx - half_w, cy - half_h, half_w * 2, half_h * 2, rx=half_h * 0.28, fill=fill,
             stroke=dark, stroke_width=1.5)
    # the screen's bezel, then the white dial
    svg.circle(cx, cy, face_r + 3.5, fill=dark)
    svg.circle(cx, cy, face_r, fill="#ffffff")
    for hour in range(12):
        x1, y1 = at(c, face_r * 0.16, hour)
        x2, y2 = at(c, face_r - 1, hour)
        svg.line(x1, y1, x2, y2, stroke="#c3c8d0", stroke_width=0.9)
    for hour in range(0, 12, 3):
        x1, y1 = at(c, face_r * 0.8, hour)
        x2, y2 = at(c, face_r - 1, hour)
        svg.line(x1, y1, x2, y2, stroke="#7d838d", stroke_width=2)
    # two knobs in the corners
    knob_r = max(2.5, half_w * 0.07)
    for sx in (-1, 1):
        kx = cx + sx * (half_w - knob_r - 3)
        ky = cy + half_h - knob_r - 3
        svg.circle(kx, ky, knob_r, fill=shade(body, 1.5), stroke=dark, stroke_width=1)


def shade(colour, k):
    r, g, b = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    if k <= 1:
        r, g, b = (int(v * k) for v in (r, g, b))
    else:
        r, g, b = (int(v + (255 - v) * (k - 1)) for v in (r, g, b))
    return f"#{min(r, 255):02x}{min(g, 255):02x}{min(b, 255):02x}"


TV_COLOURS = ["#7cc4f2", "#2f74d0", "#173a8a"]


def board_dials_6(svg):
    w, h = 456, 262
    svg.rect(0, 0, w, h, fill=svg.linear(0, 0, 0, h, [(0, "#a9adb3"), (1, "#8e9299")]))
    for i, c in enumerate(DIALS6_C):
        tv_set(svg, c, 43, 60, 50, TV_COLOURS[i % 3], 13)


def board_dials_9(svg):
    w, h = 300, 247
    svg.rect(0, 0, w, h, fill="#ff8000")
    for i, c in enumerate(DIALS9_C):
        # No aerials here: the rows stand too close for them.
        tv_set(svg, c, 29, 41, 35, TV_COLOURS[i % 3], 0)


def banner_click_text(svg):
    w, h = 271, 45
    svg.rect(0, 0, w, h, fill="#ff8000")
    svg.rect(4, 5, w - 6, h - 7, rx=9, fill="#000000", fill_opacity=0.10)
    svg.rect(3, 4, w - 6, h - 7, rx=9, fill="#000000", fill_opacity=0.12)
    fill = svg.linear(0, 1, 0, h - 4, [(0, "#ffd08a"), (0.55, "#ffad40"), (1, "#f59a1c")])
    svg.rect(1, 1, w - 5, h - 6, rx=8, fill=fill, stroke="#d86a00", stroke_width=1)
    svg.text((w - 4) / 2 + 0.8, 19.8, "Fes clic a sobre del text correcte...", 14.5, SANS,
             "#ffffff", fill_opacity=0.45)
    svg.text((w - 4) / 2, 19, "Fes clic a sobre del text correcte...", 14.5, SANS, "#3a1d00")


# -------------------------------------------------------------------- icons
# The small icons are shown in 20 x 20 pixel boxes, so what matters is drawn
# in the top-left 20 x 20 of their 24 x 24.

def mix(a, b, t):
    pa = [int(a[i:i + 2], 16) for i in (1, 3, 5)]
    pb = [int(b[i:i + 2], 16) for i in (1, 3, 5)]
    return "#" + "".join(f"{round(x + (y - x) * t):02x}" for x, y in zip(pa, pb))


def icon_clock(svg, index):
    colour = mix("#ffc8d2", "#7a0010", index / 5)
    svg.rect(0.5, 0.5, 19, 19, rx=3, fill=colour, stroke=shade(colour, 0.7), stroke_width=1)
    svg.circle(10, 10, 7.2, fill="#ffffff", stroke="#3a3a3a", stroke_width=1)
    for hour in range(0, 12, 3):
        x1, y1 = at((10, 10), 5, hour)
        x2, y2 = at((10, 10), 6.4, hour)
        svg.line(x1, y1, x2, y2, stroke="#3a3a3a", stroke_width=1)
    svg.line(10, 10, 10, 4.6, stroke="#1a1a1a", stroke_width=1.2, stroke_linecap="round")
    svg.line(10, 10, 13.5, 11.5, stroke="#c00000", stroke_width=1.5, stroke_linecap="round")


BLOCK_COLOURS = ["#e53935", "#fdd835", "#43a047", "#1e88e5", "#fb8c00", "#8e24aa"]


def block(svg, x, y, w, h, colour):
    svg.rect(x, y, w, h, rx=1, fill=colour, stroke=shade(colour, 0.6), stroke_width=1)
    svg.line(x + 1, y + 1.2, x + w - 1, y + 1.2, stroke="#ffffff", stroke_opacity=0.5,
             stroke_width=1)


def icon_blocks(svg, count):
    if count == 12:
        for i in range(12):
            block(svg, 1.5 + (i % 3) * 6, 0.5 + (i // 3) * 5, 5, 4,
                  BLOCK_COLOURS[i % len(BLOCK_COLOURS)])
    elif count == 4:
        for i, colour in enumerate(["#e53935", "#fdd835", "#43a047", "#1e88e5"]):
            block(svg, 1.5 + (i % 2) * 9, 1.5 + (i // 2) * 9, 8, 8, colour)
    elif count == 2:
        block(svg, 2.5, 1.5, 7, 17, "#1e88e5")
        block(svg, 10.5, 1.5, 7, 17, "#fdd835")
    else:
        block(svg, 1.5, 3.5, 17, 13, "#e53935")


def icon_window(svg, variant):
    # Sixteen-colour palette only, on whole pixels.
    svg.rect(0, 0, 16, 16, fill="#00a000")
    svg.rect(16, 0, 16, 16, fill="#0000ff")
    svg.rect(0, 16, 16, 16, fill="#ffff00")
    svg.rect(16, 16, 16, 16, fill="#00a000")
    svg.polygon([(16, 1), (31, 16), (16, 31), (1, 16)], fill="#ff0000", stroke="#800000",
                stroke_width=1)
    svg.polygon([(16, 1), (16, 16), (1, 16)], fill="#c00000")
    svg.polygon([(31, 16), (16, 16), (16, 31)], fill="#c00000")
    svg.rect(15, 1, 2, 30, fill="#800000")
    svg.rect(1, 15, 30, 2, fill="#800000")
    if variant == "a":
        # hourglass in the top-left quarter
        svg.rect(3, 2, 10, 2, fill="#000000")
        svg.rect(3, 13, 10, 2, fill="#000000")
        svg.polygon([(4, 4), (12, 4), (8.5, 8.5), (12, 13), (4, 13), (7.5, 8.5)], fill="#ffffff",
                    stroke="#000000", stroke_width=1)
        svg.polygon([(5.5, 5), (10.5, 5), (8, 7.5)], fill="#ffff00")
        svg.polygon([(8, 10), (11, 12.5), (5, 12.5)], fill="#ffff00")
    elif variant == "b":
        # grey stripes in the top-left quarter, coloured bars below
        for y in (3, 6, 9, 12):
            svg.rect(3, y, 10, 2, fill="#808080")
            svg.rect(3, y, 10, 1, fill="#c0c0c0")
        svg.rect(2, 29, 13, 1, fill="#000000")
        for x, top, colour in ((3, 23, "#ff0000"), (6, 19, "#0000ff"), (9, 25, "#00ff00"),
                               (12, 21, "#ff00ff")):
            svg.rect(x - 1, top - 1, 4, 30 - top, fill="#000000")
            svg.rect(x, top, 2, 29 - top, fill=colour)


# --------------------------------------------------------------------- main

PICTURES = {
    "face_script": (FACE_W, FACE_H, lambda s: face_script(s, MOVE_HANDS_C)),
    "face_roman_picnic": (FACE_W, FACE_H, lambda s: face_roman_picnic(s, SHARED_FACE_C)),
    "face_24h": (FACE_W, FACE_H, lambda s: face_24h(s, MOVE_HANDS_C)),
    "face_embossed_light": (FACE_W, FACE_H, lambda s: face_embossed(s, MOVE_HANDS_C, dark=False)),
    "face_embossed_dark": (FACE_W, FACE_H, lambda s: face_embossed(s, WRITE_TIME_C, dark=True)),
    "face_picnic": (FACE_W, FACE_H, lambda s: face_picnic(s, MOVE_HANDS_C)),
    "face_blank": (FACE_W, FACE_H, lambda s: face_blank(s, MOVE_HANDS_C)),
    "face_train": (FACE_W, FACE_H, lambda s: face_train(s, WRITE_TIME_C)),
    "face_roman_dark": (FACE_W, FACE_H, lambda s: face_roman_dark(s, WRITE_TIME_C)),
    "board_hour_names": (545, 321, board_hour_names),
    "board_glow": (334, 322, board_glow),
    "board_train": (334, 322, board_train),
    "board_dials_6": (456, 262, board_dials_6),
    "board_dials_9": (300, 247, board_dials_9),
    "banner_click_text": (271, 45, banner_click_text),
    "icon_blocks_12": (24, 24, lambda s: icon_blocks(s, 12)),
    "icon_blocks_4": (24, 24, lambda s: icon_blocks(s, 4)),
    "icon_blocks_2": (24, 24, lambda s: icon_blocks(s, 2)),
    "icon_blocks_1": (24, 24, lambda s: icon_blocks(s, 1)),
    "icon_window_a": (32, 32, lambda s: icon_window(s, "a")),
    "icon_window_b": (32, 32, lambda s: icon_window(s, "b")),
    "icon_window_c": (32, 32, lambda s: icon_window(s, "c")),
}
for _i in range(6):
    PICTURES[f"icon_clock_red{_i}"] = (24, 24, lambda s, i=_i: icon_clock(s, i))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    outdir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets")
    os.makedirs(outdir, exist_ok=True)
    for name, (width, height, draw) in PICTURES.items():
        svg = Svg(width, height)
        draw(svg)
        svg.write(os.path.join(outdir, name + ".svg"))


if __name__ == "__main__":
    main()
