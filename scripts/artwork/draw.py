#!/usr/bin/env python3
"""Writes Cirrovanta's drawings as SVG files.

images/*.svg are the drawings the game shows (SVG 1.1 Tiny: plain shapes,
paths, gradients and opacity, so Qt's SVG renderer draws them as intended).
images/src/*.svg are the sources of the raster images and of the guide
animation frames; make-artwork.sh turns those into PNG, JPEG and GIF.

Usage: draw.py <repository root>
"""
import math
import os
import sys

# Palette (see docs/artwork-style.md).
INK = "#23344a"          # the one outline colour
SKY_DEEP = "#2f7fc1"
SKY = "#55b3e8"
SKY_PALE = "#bfe8ff"
TEAL = "#4fc6c0"
SAND = "#f2d79b"
GRASS = "#7cc56b"
GRASS_DARK = "#4e9a4a"
ROCK = "#8c7b6b"
ROCK_DARK = "#5f5248"
SNOW = "#f7f9fb"
CLOUD_SHADE = "#dfe9f2"
ORANGE = "#ff8a2a"
RED = "#e23b3b"
YELLOW = "#ffd23f"
GOLD = "#f5b82e"
NAVY = "#1d3b5c"
SLATE = "#8fa3b8"
SLATE_DARK = "#5d7189"
SKIN = "#f4c7a1"
SKIN_SHADE = "#dba47f"
LINE = 2                 # outline width in base-resolution pixels


# ---------------------------------------------------------------- helpers

def num(v):
    if isinstance(v, str):
        return v
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def el(tag, **attrs):
    parts = []
    for k, v in attrs.items():
        if v is None:
            continue
        k = k.rstrip("_").replace("_", "-")
        parts.append('%s="%s"' % (k, num(v)))
    return "<%s %s/>" % (tag, " ".join(parts))


def group(content, **attrs):
    a = " ".join('%s="%s"' % (k.rstrip("_").replace("_", "-"), num(v))
                 for k, v in attrs.items() if v is not None)
    return "<g%s>%s</g>" % ((" " + a) if a else "", "".join(content) if isinstance(content, list) else content)


def stops(items):
    out = []
    for it in items:
        off, col = it[0], it[1]
        op = it[2] if len(it) > 2 else None
        out.append(el("stop", offset=off, stop_color=col, stop_opacity=op))
    return "".join(out)


def lin(id_, x1, y1, x2, y2, items):
    return ('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s">%s</linearGradient>'
            % (id_, num(x1), num(y1), num(x2), num(y2), stops(items)))


def rad(id_, cx, cy, r, items, fx=None, fy=None):
    f = ""
    if fx is not None:
        f = ' fx="%s" fy="%s"' % (num(fx), num(fy))
    return ('<radialGradient id="%s" cx="%s" cy="%s" r="%s"%s>%s</radialGradient>'
            % (id_, num(cx), num(cy), num(r), f, stops(items)))


def doc(w, h, body, defs="", tiny=True):
    head = ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" version="1.1"%s '
            'width="%s" height="%s" viewBox="0 0 %s %s">\n'
            % (' baseProfile="tiny"' if tiny else "", num(w), num(h), num(w), num(h)))
    d = "<defs>%s</defs>\n" % defs if defs else ""
    return (head + d + '<g stroke-linejoin="round" stroke-linecap="round">\n'
            + (body if isinstance(body, str) else "\n".join(body)) + "\n</g>\n</svg>\n")


def ellipse_path(cx, cy, rx, ry):
    """A closed ellipse as a clockwise path (top, right, bottom, left)."""
    k = 0.5523
    return ("M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%sZ"
            % tuple(num(v) for v in (
                cx, cy - ry,
                cx + k * rx, cy - ry, cx + rx, cy - k * ry, cx + rx, cy,
                cx + rx, cy + k * ry, cx + k * rx, cy + ry, cx, cy + ry,
                cx - k * rx, cy + ry, cx - rx, cy + k * ry, cx - rx, cy,
                cx - rx, cy - k * ry, cx - k * rx, cy - ry, cx, cy - ry)))


def round_rect_path(x, y, w, h, r):
    """A clockwise rounded rectangle path."""
    return ("M%s,%s L%s,%s Q%s,%s %s,%s L%s,%s Q%s,%s %s,%s L%s,%s Q%s,%s %s,%s L%s,%s Q%s,%s %s,%sZ"
            % tuple(num(v) for v in (
                x + r, y, x + w - r, y, x + w, y, x + w, y + r,
                x + w, y + h - r, x + w, y + h, x + w - r, y + h,
                x + r, y + h, x, y + h, x, y + h - r,
                x, y + r, x, y, x + r, y)))


def polygon_path(points):
    return "M" + " L".join("%s,%s" % (num(x), num(y)) for x, y in points) + "Z"


def star_points(cx, cy, r_out, r_in, n=5, rot=0.0):
    pts = []
    for i in range(2 * n):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + i * 180.0 / n - 90)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def arc_path(cx, cy, r, a0, a1):
    """Arc from angle a0 to a1 (degrees, 0 = up, clockwise positive)."""
    def pt(a):
        t = math.radians(a)
        return cx + r * math.sin(t), cy - r * math.cos(t)
    x0, y0 = pt(a0)
    x1, y1 = pt(a1)
    large = 1 if abs(a1 - a0) > 180 else 0
    sweep = 1 if a1 > a0 else 0
    return "M%s,%s A%s,%s 0 %d %d %s,%s" % (num(x0), num(y0), num(r), num(r), large, sweep,
                                          num(x1), num(y1))


def wedge_path(cx, cy, r, a0, a1):
    return "M%s,%s L%s Z" % (num(cx), num(cy), arc_path(cx, cy, r, a0, a1)[1:])


def polar(cx, cy, r, a):
    t = math.radians(a)
    return cx + r * math.sin(t), cy - r * math.cos(t)


def check_clockwise(path):
    """Every subpath of a silhouette must turn the same way, so that a
    translucent fill of the whole path never leaves holes or darker seams."""
    import re
    for sub in path.split("M")[1:]:
        nums = [float(v) for v in re.findall(r"-?\d+(?:\.\d+)?", sub)]
        pts = list(zip(nums[0::2], nums[1::2]))
        area = sum(pts[i][0] * pts[(i + 1) % len(pts)][1] - pts[(i + 1) % len(pts)][0] * pts[i][1]
                   for i in range(len(pts)))
        assert area > 0, "silhouette part turns the wrong way: M" + sub


# ---------------------------------------------------------------- aeroplanes
# 64 x 64 user units, nose up, centre line x = 32.

def mirror(points):
    return [(64 - x, y) for x, y in reversed(points)]


PLANE_PARTS = {
    # Trainer: high wing, single propeller.
    1: [
        "M32,7 C35,7 36,10 36,14 L36,34 C36,42 34,50 33,56 L31,56 C30,50 28,42 28,34 L28,14 C28,10 29,7 32,7Z",
        round_rect_path(3, 19, 58, 10, 3),
        round_rect_path(19, 49, 26, 7, 2.5),
        round_rect_path(23, 5, 18, 1.8, 0.9),
    ],
    # Twin: low tapered wing, two engines.
    2: [
        "M32,4 C35.5,4 37,8 37,13 L37,38 C37,46 34.5,54 33.5,59 L30.5,59 C29.5,54 27,46 27,38 L27,13 C27,8 28.5,4 32,4Z",
        "M6,25 L58,25 Q62,25.5 62,28.5 Q62,31 58,31.5 L36,34 L28,34 L6,31.5 Q2,31 2,28.5 Q2,25.5 6,25Z",
        "M17,17 C19.5,17 20,20 20,23 L20,34 Q20,37 17,37 Q14,37 14,34 L14,23 C14,20 14.5,17 17,17Z",
        "M47,17 C49.5,17 50,20 50,23 L50,34 Q50,37 47,37 Q44,37 44,34 L44,23 C44,20 44.5,17 47,17Z",
        "M22,53 L42,53 Q46,53 46,55.5 Q46,58 43,58 L21,58 Q18,58 18,55.5 Q18,53 22,53Z",
        round_rect_path(11, 15, 12, 1.6, 0.8),
        round_rect_path(41, 15, 12, 1.6, 0.8),
    ],
    # Jet: swept wings, engines under the wings.
    3: [
        "M32,2 C35,2 36,6 36,11 L36,52 C36,56 34,61 32,62 C30,61 28,56 28,52 L28,11 C28,6 29,2 32,2Z",
        polygon_path([(35, 21), (61, 37), (61, 41.5), (35, 34)]),
        polygon_path([(29, 21), (29, 34), (3, 41.5), (3, 37)]),
        polygon_path([(33.5, 49), (46, 56.5), (46, 59.5), (33.5, 57)]),
        polygon_path([(30.5, 49), (30.5, 57), (18, 59.5), (18, 56.5)]),
        ellipse_path(19, 31, 2.8, 6),
        ellipse_path(45, 31, 2.8, 6),
    ],
}


# Propeller blades are left out of the drawn outline (they are a blur when
# running) but belong to the shadow.
PROPELLERS = {1: [3], 2: [5, 6], 3: []}


def plane_silhouette(n, with_propellers=True):
    d = " ".join(part for i, part in enumerate(PLANE_PARTS[n])
                 if with_propellers or i not in PROPELLERS[n])
    check_clockwise(d)
    return d


def plane_defs(n, body, wing, accent):
    return (lin("body%d" % n, 0, 0, 1, 0, [(0, "#ffffff"), (0.45, body), (0.55, body),
                                             (1, shade(body, 0.82))])
            + lin("wing%d" % n, 0, 0, 0, 1, [(0, tint(wing, 0.25)), (0.5, wing), (1, shade(wing, 0.85))])
            + lin("glass%d" % n, 0, 0, 1, 1, [(0, "#cdefff"), (0.4, SKY), (1, SKY_DEEP)])
            + rad("disc%d" % n, 0.5, 0.5, 0.5, [(0, "#ffffff", 0.0), (0.8, "#c8d6e4", 0.25),
                                                (1, "#ffffff", 0.0)]))


def shade(hexcol, f):
    r, g, b = (int(hexcol[i:i + 2], 16) for i in (1, 3, 5))
    return "#%02x%02x%02x" % (int(r * f), int(g * f), int(b * f))


def tint(hexcol, f):
    r, g, b = (int(hexcol[i:i + 2], 16) for i in (1, 3, 5))
    return "#%02x%02x%02x" % (int(r + (255 - r) * f), int(g + (255 - g) * f), int(b + (255 - b) * f))


def outline_under(d):
    """The shared sticker outline: the whole silhouette stroked twice as wide,
    then the parts are painted over it, leaving LINE px outside."""
    return el("path", d=d, fill=INK, stroke=INK, stroke_width=2 * LINE)


def plane_1():
    n = 1
    p = PLANE_PARTS[n]
    defs = plane_defs(n, YELLOW, YELLOW, ORANGE)
    b = [outline_under(plane_silhouette(n, False)),
         # propeller disc and blades
         el("circle", cx=32, cy=6, r=11, fill="url(#disc1)"),
         el("path", d=p[3], fill=INK),
         el("path", d=p[2], fill="url(#wing1)"),
         el("path", d="M19.5,52.5 L44.5,52.5", stroke=shade(YELLOW, 0.8), stroke_width=1, fill="none"),
         el("path", d=p[0], fill="url(#body1)"),
         # cowling and tail fin
         el("path", d="M32,7 C35,7 36,10 36,12.5 L28,12.5 C28,10 29,7 32,7Z", fill=ORANGE),
         el("path", d="M32,44 L32,56", stroke=ORANGE, stroke_width=2.2, fill="none"),
         # windscreen
         el("path", d="M28.8,14.5 L35.2,14.5 L34.5,18.5 L29.5,18.5Z", fill="url(#glass1)", stroke=INK,
            stroke_width=0.8),
         # wing on top of the cabin (high wing)
         el("path", d=p[1], fill="url(#wing1)"),
         el("path", d=round_rect_path(3, 19, 9, 10, 3), fill=ORANGE),
         el("path", d=round_rect_path(52, 19, 9, 10, 3), fill=ORANGE),
         el("path", d="M12,19 L12,29 M52,19 L52,29", stroke=INK, stroke_width=0.8, fill="none"),
         el("path", d="M5,21 L59,21", stroke="#ffffff", stroke_width=1, fill="none", stroke_opacity=0.7),
         el("path", d="M14,27.5 L22,27.5 M42,27.5 L50,27.5", stroke=shade(YELLOW, 0.7), stroke_width=0.8,
            fill="none"),
         # roof window seen through the wing root
         el("rect", x=29.5, y=21, width=5, height=6, rx=1.5, fill="url(#glass1)", stroke=INK,
            stroke_width=0.8),
         el("circle", cx=32, cy=7.2, r=1.6, fill=INK)]
    return doc(64, 64, b, defs)


def plane_2():
    n = 2
    p = PLANE_PARTS[n]
    white = SNOW
    defs = plane_defs(n, white, white, RED) + lin("nac2", 0, 0, 1, 0, [(0, "#ff8080"), (0.5, RED),
                                                                       (1, shade(RED, 0.8))])
    b = [outline_under(plane_silhouette(n, False)),
         el("circle", cx=17, cy=15.8, r=8, fill="url(#disc2)"),
         el("circle", cx=47, cy=15.8, r=8, fill="url(#disc2)"),
         el("path", d=p[5], fill=INK),
         el("path", d=p[6], fill=INK),
         el("path", d=p[4], fill="url(#wing2)"),
         el("path", d=round_rect_path(18, 53, 5, 5, 2), fill=RED),
         el("path", d=round_rect_path(41, 53, 5, 5, 2), fill=RED),
         el("path", d=p[1], fill="url(#wing2)"),
         # red wing tips and a flap line
         el("path", d="M6,25 L9,25 L9,31.8 L6,31.5 Q2,31 2,28.5 Q2,25.5 6,25Z", fill=RED),
         el("path", d="M58,25 L55,25 L55,31.8 L58,31.5 Q62,31 62,28.5 Q62,25.5 58,25Z", fill=RED),
         el("path", d="M9,31 L26,33 M38,33 L55,31", stroke=SLATE, stroke_width=0.8, fill="none"),
         el("path", d="M4,26.3 L60,26.3", stroke="#ffffff", stroke_width=1, fill="none"),
         el("path", d=p[2], fill="url(#nac2)"),
         el("path", d=p[3], fill="url(#nac2)"),
         el("circle", cx=17, cy=17.6, r=1.4, fill=INK),
         el("circle", cx=47, cy=17.6, r=1.4, fill=INK),
         el("path", d="M17,24 L17,34 M47,24 L47,34", stroke="#ffffff", stroke_width=0.8, fill="none",
            stroke_opacity=0.6),
         el("path", d=p[0], fill="url(#body2)"),
         # red nose and cheat line
         el("path", d="M32,4 C35.5,4 37,8 37,11 L27,11 C27,8 28.5,4 32,4Z", fill=RED),
         el("path", d="M32,40 L32,58", stroke=RED, stroke_width=2.4, fill="none"),
         el("path", d="M28.2,12.5 L35.8,12.5 L35,17 L29,17Z", fill="url(#glass2)", stroke=INK,
            stroke_width=0.8)]
    for y in (20, 23.5, 36.5, 40):
        b.append(el("rect", x=28.4, y=y, width=1.6, height=2, rx=0.6, fill=SKY_DEEP))
        b.append(el("rect", x=34, y=y, width=1.6, height=2, rx=0.6, fill=SKY_DEEP))
    return doc(64, 64, b, defs)


def plane_3():
    n = 3
    p = PLANE_PARTS[n]
    white = SNOW
    defs = (plane_defs(n, white, white, SKY_DEEP)
            + lin("eng3", 0, 0, 1, 0, [(0, "#8fd0ff"), (0.5, SKY_DEEP), (1, shade(SKY_DEEP, 0.75))]))
    b = [outline_under(plane_silhouette(n, False))]
    for part in p[1:5]:
        b.append(el("path", d=part, fill="url(#wing3)"))
    b += [
        # slats and flaps, wing tips
        el("path", d="M36,23.5 L59,37.6 M28,23.5 L5,37.6", stroke="#ffffff", stroke_width=1, fill="none"),
        el("path", d="M38,33.5 L52,37.5 M26,33.5 L12,37.5", stroke=SLATE, stroke_width=0.8, fill="none"),
        el("path", d=polygon_path([(58, 35.2), (61, 37), (61, 41.5), (58, 40.6)]), fill=SKY_DEEP),
        el("path", d=polygon_path([(6, 35.2), (6, 40.6), (3, 41.5), (3, 37)]), fill=SKY_DEEP),
        el("path", d=p[5], fill="url(#eng3)"),
        el("path", d=p[6], fill="url(#eng3)"),
        el("ellipse", cx=19, cy=26.5, rx=1.8, ry=1.2, fill=INK),
        el("ellipse", cx=45, cy=26.5, rx=1.8, ry=1.2, fill=INK),
        el("path", d=p[0], fill="url(#body3)"),
        # blue fin seen edge-on, belly stripe, cockpit, cabin windows
        el("path", d="M32,44 L32,61", stroke=SKY_DEEP, stroke_width=2.6, fill="none"),
        el("path", d="M29.5,6.5 C30.5,5 33.5,5 34.5,6.5 L34,9 L30,9Z", fill="url(#glass3)", stroke=INK,
           stroke_width=0.8),
    ]
    for i in range(9):
        y = 13 + i * 3.6
        b.append(el("rect", x=28.6, y=y, width=1.3, height=2, rx=0.6, fill=SKY_DEEP))
        b.append(el("rect", x=34.1, y=y, width=1.3, height=2, rx=0.6, fill=SKY_DEEP))
    return doc(64, 64, b, defs)


def plane_shadow(n, near):
    d = plane_silhouette(n)
    if near:
        # the aeroplane just above the ground: a crisp dark silhouette
        return doc(64, 64, el("path", d=d, fill="#0d1b2a", fill_opacity=0.38))
    # higher up: smaller and softer, built from three nested silhouettes
    layers = []
    for scale, op in ((0.84, 0.04), (0.82, 0.04), (0.8, 0.05), (0.78, 0.05), (0.76, 0.05)):
        off = 32 * (1 - scale)
        layers.append(group(el("path", d=d, fill="#0d1b2a", fill_opacity=op),
                            transform="translate(%s,%s) scale(%s)" % (num(off), num(off), num(scale))))
    return doc(64, 64, layers)


DRAWINGS = {}


def drawing(name):
    def register(fn):
        DRAWINGS[name] = fn
        return fn
    return register


DRAWINGS["plane_1.svg"] = plane_1
DRAWINGS["plane_2.svg"] = plane_2
DRAWINGS["plane_3.svg"] = plane_3
for _n in (1, 2, 3):
    DRAWINGS["plane_%d_shadow_1.svg" % _n] = (lambda n=_n: plane_shadow(n, True))
    DRAWINGS["plane_%d_shadow_2.svg" % _n] = (lambda n=_n: plane_shadow(n, False))


# ---------------------------------------------------------------- buoys

def buoy(color):
    defs = (rad("float", 0.5, 0.5, 0.5, [(0, tint(color, 0.45)), (0.55, color), (1, shade(color, 0.78))],
                fx=0.35, fy=0.3)
            + rad("cap", 0.5, 0.5, 0.5, [(0, "#ffffff"), (1, CLOUD_SHADE)], fx=0.35, fy=0.3))
    b = [el("circle", cx=16, cy=16, r=13, fill="url(#float)", stroke=INK, stroke_width=LINE),
         el("circle", cx=16, cy=16, r=8.5, fill="none", stroke="#ffffff", stroke_width=3),
         el("circle", cx=16, cy=16, r=5, fill="url(#cap)", stroke=INK, stroke_width=1.2),
         el("path", d=arc_path(16, 16, 10.5, -80, -10), fill="none", stroke="#ffffff", stroke_width=1.6,
            stroke_opacity=0.7)]
    return doc(32, 32, b, defs)


DRAWINGS["buoy1.svg"] = lambda: buoy(YELLOW)
DRAWINGS["buoy2.svg"] = lambda: buoy(RED)
DRAWINGS["buoy3.svg"] = lambda: buoy(GRASS)


@drawing("buoy_hat.svg")
def buoy_hat():
    # the lamp on top of a buoy, drawn over the buoy's centre
    defs = rad("halo", 0.5, 0.5, 0.5, [(0, "#fff6c0", 0.9), (0.45, YELLOW, 0.45), (1, YELLOW, 0)])
    b = [el("circle", cx=16, cy=16, r=12, fill="url(#halo)"),
         el("circle", cx=16, cy=16, r=4.5, fill=ORANGE, stroke=INK, stroke_width=1.2),
         el("circle", cx=16, cy=16, r=2.4, fill="#fff6c0"),
         el("circle", cx=15, cy=15, r=0.9, fill="#ffffff")]
    return doc(32, 32, b, defs)


# ---------------------------------------------------------------- cockpit lamps
# 48 x 48: a dark housing with a coloured lens; "on" glows, "off" is dim.

LENS = {"belt": (YELLOW, ORANGE), "fuel": ("#ff9d6b", RED), "sound": ("#b8f0a8", GRASS_DARK)}


def lamp(kind, on, symbol):
    light, deep = LENS[kind]
    defs = lin("housing", 0, 0, 0, 1, [(0, "#3d5673"), (1, NAVY)])
    if on:
        defs += rad("lens", 0.5, 0.5, 0.6, [(0, "#fffbe8"), (0.35, light), (1, deep)], fx=0.4, fy=0.35)
        ink = "#3a1c06" if kind != "sound" else "#123a14"
    else:
        defs += lin("lens", 0, 0, 0, 1, [(0, "#52677f"), (1, "#3a4b60")])
        ink = "#7d90a6"
    b = [el("path", d=round_rect_path(2, 2, 44, 44, 9), fill="url(#housing)", stroke=INK, stroke_width=LINE),
         el("path", d=round_rect_path(7, 7, 34, 34, 6), fill="url(#lens)", stroke="#0f1f30",
            stroke_width=1.2),
         symbol(ink),
         el("path", d="M10,12 Q10,9.5 12.5,9.5 L24,9.5", stroke="#ffffff", stroke_width=1.6,
            fill="none", stroke_opacity=0.45 if on else 0.2)]
    return doc(48, 48, b, defs)


def belt_symbol(ink):
    return group([el("circle", cx=24, cy=14.5, r=3.6, fill=ink),
                  el("path", d="M17.5,34 L17.5,24 Q17.5,19.5 22,19.5 L26,19.5 Q30.5,19.5 30.5,24 L30.5,34Z",
                     fill=ink),
                  el("path", d="M13,27 L35,27", stroke=ink, stroke_width=2.6, fill="none"),
                  el("rect", x=21, y=24.5, width=6, height=5, rx=1, fill="#ffffff", fill_opacity=0.85,
                     stroke=ink, stroke_width=1.2)])


def fuel_symbol(ink):
    return group([el("path", d=round_rect_path(14, 13, 13, 22, 2), fill=ink),
                  el("rect", x=16.5, y=16, width=8, height=6, rx=1, fill="#ffffff", fill_opacity=0.8),
                  el("path", d="M27,18 L30.5,18 Q32.5,18 32.5,20 L32.5,30 Q32.5,32 34,32 Q35.5,32 35.5,30 "
                                "L35.5,19 L33,15.5", stroke=ink, stroke_width=1.8, fill="none"),
                  el("rect", x=12, y=34, width=17, height=2.5, rx=1, fill=ink)])


def speaker(ink):
    return el("path", d="M12,20 L17,20 L24,14 L24,34 L17,28 L12,28Z", fill=ink, stroke=ink, stroke_width=1)


def sound_symbol(ink):
    return group([speaker(ink),
                  el("path", d=arc_path(24, 24, 5, 45, 135), stroke=ink, stroke_width=2, fill="none"),
                  el("path", d=arc_path(24, 24, 9.5, 40, 140), stroke=ink, stroke_width=2, fill="none")])


def mute_symbol(ink):
    return group([speaker(ink),
                  el("path", d="M28,19.5 L36,28.5 M36,19.5 L28,28.5", stroke=ink, stroke_width=2.2,
                     fill="none")])


DRAWINGS["indicator_belton.svg"] = lambda: lamp("belt", True, belt_symbol)
DRAWINGS["indicator_beltoff.svg"] = lambda: lamp("belt", False, belt_symbol)
DRAWINGS["indicator_fuelon.svg"] = lambda: lamp("fuel", True, fuel_symbol)
DRAWINGS["indicator_fueloff.svg"] = lambda: lamp("fuel", False, fuel_symbol)
DRAWINGS["indicator_soundon.svg"] = lambda: lamp("sound", True, sound_symbol)
DRAWINGS["indicator_soundoff.svg"] = lambda: lamp("sound", False, mute_symbol)


# ---------------------------------------------------------------- petrol gauge
# A bar gauge: indicator_bg (128 x 40) is the housing with an empty trough;
# indicator_fg (118 x 30) is the full bar that fits the trough 5 px inside the
# housing and is cut from the right as petrol burns, so little petrol leaves
# only its red end showing.

@drawing("indicator_bg.svg")
def indicator_bg():
    defs = (lin("housing", 0, 0, 0, 1, [(0, "#4d6a8c"), (1, NAVY)])
            + lin("trough", 0, 0, 0, 1, [(0, "#0b1724"), (1, "#1d2e42")]))
    b = [el("path", d=round_rect_path(1, 1, 126, 38, 10), fill="url(#housing)", stroke=INK, stroke_width=LINE),
         el("path", d=round_rect_path(5, 5, 118, 30, 6), fill="url(#trough)"),
         el("path", d=round_rect_path(5, 5, 24, 30, 6), fill=RED, fill_opacity=0.3)]
    for i in range(1, 4):
        x = 5 + 118 * i / 4
        b.append(el("path", d="M%s,8 L%s,13 M%s,27 L%s,32" % (num(x), num(x), num(x), num(x)),
                    stroke="#ffffff", stroke_opacity=0.35, stroke_width=1.4, fill="none"))
    b.append(el("path", d="M12,3.4 L116,3.4", stroke="#ffffff", stroke_width=1.2, stroke_opacity=0.4,
                fill="none"))
    return doc(128, 40, b, defs)


@drawing("indicator_fg.svg")
def indicator_fg():
    defs = (lin("petrol", 0, 0, 1, 0, [(0, RED), (0.18, ORANGE), (0.45, YELLOW), (0.75, GRASS),
                                       (1, GRASS)])
            + lin("gloss", 0, 0, 0, 1, [(0, "#ffffff", 0.55), (0.45, "#ffffff", 0.05),
                                        (0.55, "#000000", 0), (1, "#000000", 0.18)]))
    b = [el("path", d=round_rect_path(0, 0, 118, 30, 6), fill="url(#petrol)"),
         el("path", d=round_rect_path(0, 0, 118, 30, 6), fill="url(#gloss)")]
    seams = " ".join("M%s,2 L%s,28" % (num(118 * i / 12), num(118 * i / 12)) for i in range(1, 12))
    b.append(el("path", d=seams, stroke=INK, stroke_opacity=0.3, stroke_width=1.2, fill="none"))
    return doc(118, 30, b, defs)


# ---------------------------------------------------------------- radar
# 128 x 128 layers stacked in this order: radar_bg, the sweep wedges
# (radar_fwww, radar_fww, radar_fw, radar_f; rotated about the centre),
# radar_fg. radar_center is a small 24 x 24 mark set over the centre.
# The sweep's leading edge points up and trails anticlockwise.

RADAR_GLOW = "#8ff5c8"


@drawing("radar_bg.svg")
def radar_bg():
    defs = rad("scope", 0.5, 0.5, 0.5, [(0, "#1d5a4e"), (0.7, "#123f3a"), (1, "#0b2a2b")])
    b = [el("circle", cx=64, cy=64, r=60, fill="url(#scope)", stroke=INK, stroke_width=LINE)]
    grid = dict(stroke=RADAR_GLOW, stroke_opacity=0.3, fill="none", stroke_width=1)
    for r in (18, 36, 54):
        b.append(el("circle", cx=64, cy=64, r=r, **grid))
    b.append(el("path", d="M64,8 L64,120 M8,64 L120,64", **grid))
    for a in range(0, 360, 30):
        x0, y0 = polar(64, 64, 54, a)
        x1, y1 = polar(64, 64, 58, a)
        b.append(el("line", x1=x0, y1=y0, x2=x1, y2=y1, stroke=RADAR_GLOW, stroke_opacity=0.55,
                    stroke_width=1.4))
    return doc(128, 128, b, defs)


def radar_sweep(width, opacity):
    if width == 0:
        b = [el("line", x1=64, y1=64, x2=64, y2=6, stroke=RADAR_GLOW, stroke_width=2.2),
             el("line", x1=64, y1=64, x2=64, y2=6, stroke="#ffffff", stroke_width=0.8, stroke_opacity=0.8)]
    else:
        b = [el("path", d=wedge_path(64, 64, 58, -width, 0), fill=RADAR_GLOW, fill_opacity=opacity)]
    return doc(128, 128, b)


DRAWINGS["radar_f.svg"] = lambda: radar_sweep(0, 1)
DRAWINGS["radar_fw.svg"] = lambda: radar_sweep(12, 0.3)
DRAWINGS["radar_fww.svg"] = lambda: radar_sweep(28, 0.2)
DRAWINGS["radar_fwww.svg"] = lambda: radar_sweep(55, 0.12)


@drawing("radar_center.svg")
def radar_center():
    # the own-aeroplane mark, nose up, placed over the radar's centre
    mark = el("path", d="M64,55 L66,60 L72,64 L72,66 L66,65 L65.5,70 L68,72 L68,73.5 L64,72.5 L60,73.5 "
                        "L60,72 L62.5,70 L62,65 L56,66 L56,64 L62,60Z",
              fill="#ffffff", stroke=INK, stroke_width=1.2)
    return doc(24, 24, group(mark, transform="translate(12,12) scale(1.1) translate(-64,-64.25)"))


@drawing("radar_fg.svg")
def radar_fg():
    defs = (lin("rim", 0, 0, 1, 1, [(0, "#6d8bb0"), (0.5, "#3a5576"), (1, NAVY)])
            + lin("glare", 0, 0, 1, 1, [(0, "#ffffff", 0.32), (1, "#ffffff", 0)]))
    ring = ellipse_path(64, 64, 63, 63) + " " + ellipse_path(64, 64, 56, 56)
    b = [el("path", d=ring, fill="url(#rim)", fill_rule="evenodd", stroke=INK, stroke_width=LINE)]
    for a in (45, 135, 225, 315):
        x, y = polar(64, 64, 59.5, a)
        b.append(el("circle", cx=x, cy=y, r=2, fill=CLOUD_SHADE, stroke=INK, stroke_width=0.8))
    b.append(el("path", d="M20,58 C22,34 40,18 62,16 C46,24 32,38 26,60Z", fill="url(#glare)"))
    return doc(128, 128, b, defs)


# ---------------------------------------------------------------- rank
# Shoulder boards 96 x 40: navy board, gold stripes, button at the collar end.

def rank(stripes, wings=False):
    defs = (lin("board", 0, 0, 0, 1, [(0, "#34557e"), (1, NAVY)])
            + lin("gold", 0, 0, 0, 1, [(0, "#ffe58a"), (0.5, GOLD), (1, "#c98a14")]))
    b = [el("path", d="M6,8 L70,5 L90,20 L70,35 L6,32 Q3,32 3,29 L3,11 Q3,8 6,8Z", fill="url(#board)",
            stroke=INK, stroke_width=LINE),
         el("circle", cx=75, cy=20, r=5, fill="url(#gold)", stroke=INK, stroke_width=1.2),
         el("circle", cx=75, cy=20, r=1.6, fill="#c98a14")]
    for i in range(stripes):
        x = 9 + i * 9
        b.append(el("rect", x=x, y=8.5 + i * 0.35, width=5.5, height=23 - i * 0.7, rx=1,
                    fill="url(#gold)", stroke=INK, stroke_width=1))
    if wings:
        b.append(group(wings_badge(53, 20, 0.7)))
    return doc(96, 40, b, defs)


def wings_badge(cx, cy, s, fill="url(#gold)"):
    left = [(cx - 4 * s, cy - 3 * s), (cx - 22 * s, cy - 7 * s), (cx - 18 * s, cy - 3 * s),
            (cx - 20 * s, cy - 2 * s), (cx - 14 * s, cy + 1 * s), (cx - 15 * s, cy + 2 * s),
            (cx - 4 * s, cy + 3 * s)]
    right = [(2 * cx - x, y) for x, y in reversed(left)]
    return [el("path", d=polygon_path(left), fill=fill, stroke=INK, stroke_width=0.9),
            el("path", d=polygon_path(right), fill=fill, stroke=INK, stroke_width=0.9),
            el("circle", cx=cx, cy=cy, r=4.2 * s, fill=fill, stroke=INK, stroke_width=0.9)]


DRAWINGS["rank_cadett.svg"] = lambda: rank(1)
DRAWINGS["rank_officer.svg"] = lambda: rank(2)
DRAWINGS["rank_officer2.svg"] = lambda: rank(3)
DRAWINGS["rank_captain.svg"] = lambda: rank(4)


# ---------------------------------------------------------------- caps
# 96 x 72 pilot caps from the front, one step more gold per rank.

def cap(badge, cord=False, leaves=False):
    defs = (lin("crown", 0, 0, 0, 1, [(0, "#ffffff"), (0.7, SNOW), (1, CLOUD_SHADE)])
            + lin("band", 0, 0, 0, 1, [(0, "#34557e"), (1, NAVY)])
            + lin("visor", 0, 0, 0, 1, [(0, "#3a4656"), (1, "#141c26")])
            + lin("gold", 0, 0, 0, 1, [(0, "#ffe58a"), (0.5, GOLD), (1, "#c98a14")]))
    b = [el("path", d="M8,30 C8,14 30,8 48,8 C66,8 88,14 88,30 L80,38 L16,38Z", fill="url(#crown)",
            stroke=INK, stroke_width=LINE),
         el("path", d="M22,14 C30,11 40,10 48,10", stroke="#ffffff", stroke_width=2.5, fill="none"),
         el("path", d="M16,36 L80,36 L80,50 L16,50Z", fill="url(#band)", stroke=INK, stroke_width=LINE),
         el("path", d="M14,50 L82,50 Q84,58 72,63 Q48,69 24,63 Q12,58 14,50Z", fill="url(#visor)",
            stroke=INK, stroke_width=LINE),
         el("path", d="M22,55 Q48,60 70,55", stroke="#ffffff", stroke_width=1.6, fill="none",
            stroke_opacity=0.35)]
    if cord:
        b.append(el("path", d="M17,48 L79,48", stroke="url(#gold)", stroke_width=3))
        b.append(el("path", d="M17,48 L79,48", stroke="#c98a14", stroke_width=0.8, stroke_dasharray="2,2"))
        b.append(el("circle", cx=18, cy=48, r=2.4, fill="url(#gold)", stroke=INK, stroke_width=0.8))
        b.append(el("circle", cx=78, cy=48, r=2.4, fill="url(#gold)", stroke=INK, stroke_width=0.8))
    if leaves:
        for i, x in enumerate((26, 33, 40, 56, 63, 70)):
            y = 57 + (0.5 if i in (2, 3) else 0)
            rot = -20 if x < 48 else 20
            b.append(el("ellipse", cx=x, cy=y, rx=3.4, ry=1.6, fill="url(#gold)", stroke=INK,
                        stroke_width=0.6, transform="rotate(%d %s %s)" % (rot, x, y)))
    if badge == "round":
        b.append(el("circle", cx=48, cy=30, r=6, fill="url(#gold)", stroke=INK, stroke_width=1.2))
        b.append(el("path", d="M48,26 L48,34 M44.5,30 L51.5,30", stroke="#c98a14", stroke_width=1.4))
    else:
        b += wings_badge(48, 29, 1.25 if badge == "wings" else 1.45)
        if badge == "crown":
            b.append(el("path", d=polygon_path(star_points(48, 19.5, 4.5, 1.9)), fill="url(#gold)",
                        stroke=INK, stroke_width=0.8))
    return doc(96, 72, b, defs)


DRAWINGS["hat_cadett.svg"] = lambda: cap("round")
DRAWINGS["hat_cadett2.svg"] = lambda: cap("wings")
DRAWINGS["hat_officer.svg"] = lambda: cap("wings", cord=True)
DRAWINGS["hat_captain.svg"] = lambda: cap("crown", cord=True, leaves=True)


# ---------------------------------------------------------------- menu panel
# 400 wide. menu_top, menu_bg (stretched to any height) and menu_bottom stack
# into one panel; menu_bar is one entry on it.

PANEL = "#ffffff"


@drawing("menu_top.svg")
def menu_top():
    defs = lin("head", 0, 0, 0, 1, [(0, SKY), (1, SKY_DEEP)])
    b = [el("path", d="M1,48 L1,17 Q1,1 17,1 L383,1 Q399,1 399,17 L399,48Z", fill="url(#head)",
            stroke=INK, stroke_width=LINE),
         el("path", d="M14,6 L386,6", stroke="#ffffff", stroke_width=2, stroke_opacity=0.5, fill="none"),
         el("path", d="M1,40 L399,40 L399,48 L1,48Z", fill=PANEL, fill_opacity=0.92),
         el("path", d="M1,40 L399,40", stroke=INK, stroke_width=LINE),
         el("path", d="M1,40 L1,48 M399,40 L399,48", stroke=INK, stroke_width=LINE)]
    return doc(400, 48, b, defs)


@drawing("menu_bg.svg")
def menu_bg():
    b = [el("rect", x=1, y=0, width=398, height=64, fill=PANEL, fill_opacity=0.92),
         el("path", d="M1,0 L1,64 M399,0 L399,64", stroke=INK, stroke_width=LINE, stroke_linecap="butt")]
    return doc(400, 64, b)


@drawing("menu_bottom.svg")
def menu_bottom():
    b = [el("path", d="M1,0 L1,15 Q1,31 17,31 L383,31 Q399,31 399,15 L399,0Z", fill=PANEL,
            fill_opacity=0.92),
         el("path", d="M1,0 L1,15 Q1,31 17,31 L383,31 Q399,31 399,15 L399,0", fill="none", stroke=INK,
            stroke_width=LINE),
         el("path", d="M150,22 L250,22", stroke=SKY, stroke_width=3, fill="none", stroke_opacity=0.6)]
    return doc(400, 32, b)


@drawing("menu_bar.svg")
def menu_bar():
    defs = lin("bar", 0, 0, 0, 1, [(0, "#8fd3f7"), (0.5, SKY), (1, SKY_DEEP)])
    b = [el("path", d=round_rect_path(2, 2, 356, 44, 22), fill="url(#bar)", stroke=INK, stroke_width=LINE),
         el("path", d="M22,9 L338,9", stroke="#ffffff", stroke_width=3, stroke_opacity=0.45, fill="none"),
         el("path", d=polygon_path([(330, 16), (340, 24), (330, 32)]), fill="#ffffff", stroke=INK,
            stroke_width=1.4)]
    return doc(360, 48, b, defs)


# ---------------------------------------------------------------- buttons
# 64 x 64 round buttons with a white symbol.

def button(symbol, base=SKY):
    defs = rad("btn", 0.5, 0.5, 0.5, [(0, tint(base, 0.45)), (0.7, base), (1, shade(base, 0.7))],
               fx=0.35, fy=0.3)
    b = [el("circle", cx=33.5, cy=34, r=28, fill="#0d1b2a", fill_opacity=0.25),
         el("circle", cx=32, cy=32, r=28, fill="url(#btn)", stroke=INK, stroke_width=LINE),
         el("path", d=arc_path(32, 32, 23, -75, -15), stroke="#ffffff", stroke_width=3, fill="none",
            stroke_opacity=0.6)]
    if symbol:
        b.append(symbol)
    return doc(64, 64, b, defs)


WHITE_SYMBOL = dict(fill="#ffffff", stroke=INK, stroke_width=1.6)


def sym_back():
    return el("path", d="M16,32 L30,19 L30,27 L46,27 L46,37 L30,37 L30,45Z", **WHITE_SYMBOL)


def sym_info():
    return group([el("circle", cx=32, cy=19.5, r=4, **WHITE_SYMBOL),
                  el("path", d="M27,27 L35,27 L35,42 L38,42 L38,47 L26,47 L26,42 L29,42 L29,32 L27,32Z",
                     **WHITE_SYMBOL)])


def sym_speaker():
    return el("path", d="M15,27 L22,27 L31,19 L31,45 L22,37 L15,37Z", **WHITE_SYMBOL)


def sym_sound_on():
    wave = dict(stroke="#ffffff", stroke_width=3, fill="none")
    under = dict(stroke=INK, stroke_width=6, fill="none")
    arcs = [arc_path(31, 32, 7, 45, 135), arc_path(31, 32, 14, 45, 135)]
    return group([sym_speaker()] + [el("path", d=a, **under) for a in arcs]
                 + [el("path", d=a, **wave) for a in arcs])


def sym_sound_off():
    cross = "M37,26 L49,38 M49,26 L37,38"
    return group([sym_speaker(), el("path", d=cross, stroke=INK, stroke_width=6.5, fill="none"),
                  el("path", d=cross, stroke="#ffffff", stroke_width=3.5, fill="none")])


def sym_share():
    pts = [(22, 32), (42, 21), (42, 43)]
    return group([el("path", d="M22,32 L42,21 M22,32 L42,43", stroke=INK, stroke_width=5.5, fill="none"),
                  el("path", d="M22,32 L42,21 M22,32 L42,43", stroke="#ffffff", stroke_width=2.5, fill="none")]
                 + [el("circle", cx=x, cy=y, r=5.5, **WHITE_SYMBOL) for x, y in pts])


def sym_star():
    return el("path", d=polygon_path(star_points(32, 33.5, 16, 7)), **WHITE_SYMBOL)


DRAWINGS["button_back.svg"] = lambda: button(sym_back())
DRAWINGS["button_empty.svg"] = lambda: button(None)
DRAWINGS["button_info.svg"] = lambda: button(sym_info())
DRAWINGS["button_soundon.svg"] = lambda: button(sym_sound_on())
DRAWINGS["button_soundoff.svg"] = lambda: button(sym_sound_off(), base=SLATE)
DRAWINGS["button_facebook.svg"] = lambda: button(sym_share(), base=TEAL)
DRAWINGS["button_twitter.svg"] = lambda: button(sym_star(), base=ORANGE)


# ---------------------------------------------------------------- banners
# 320 x 140 ribbons; the words are set over them by the user interface.

def banner(won):
    main_col, fold_col = (YELLOW, ORANGE) if won else (SLATE, SLATE_DARK)
    defs = (lin("ribbon", 0, 0, 0, 1, [(0, tint(main_col, 0.35)), (0.5, main_col), (1, shade(main_col, 0.85))])
            + lin("starfill", 0, 0, 0, 1, [(0, "#fff3b0"), (0.5, YELLOW), (1, GOLD)]))
    b = [
        # tails behind the ribbon
        el("path", d="M6,72 L52,72 L52,118 L6,118 L20,95Z", fill=fold_col, stroke=INK, stroke_width=LINE),
        el("path", d="M314,72 L268,72 L268,118 L314,118 L300,95Z", fill=fold_col, stroke=INK,
           stroke_width=LINE),
        el("path", d="M36,108 L52,118 L52,108Z", fill=shade(fold_col, 0.7), stroke=INK, stroke_width=LINE),
        el("path", d="M284,108 L268,118 L268,108Z", fill=shade(fold_col, 0.7), stroke=INK, stroke_width=LINE),
        el("path", d="M36,62 Q160,50 284,62 L284,108 Q160,96 36,108Z", fill="url(#ribbon)", stroke=INK,
           stroke_width=LINE),
        el("path", d="M46,69 Q160,58 274,69", stroke="#ffffff", stroke_width=2.5, fill="none",
           stroke_opacity=0.55),
    ]
    for cx, cy, r, rot in ((118, 36, 17, -12), (160, 28, 24, 0), (202, 36, 17, 12)):
        pts = star_points(cx, cy, r, r * 0.45, rot=rot)
        if won:
            b.append(el("path", d=polygon_path(pts), fill="url(#starfill)", stroke=INK, stroke_width=LINE))
        else:
            b.append(el("path", d=polygon_path(pts), fill="#ffffff", fill_opacity=0.55, stroke=INK,
                        stroke_width=LINE))
    if won:
        for x, y, r in ((78, 30, 5), (244, 26, 6), (96, 8, 3.5), (226, 6, 4)):
            b.append(el("path", d=polygon_path(star_points(x, y, r, r * 0.35, n=4)), fill="#ffffff",
                        stroke=ORANGE, stroke_width=1))
    return doc(320, 140, b, defs)


DRAWINGS["win.svg"] = lambda: banner(True)
DRAWINGS["lose.svg"] = lambda: banner(False)


# ---------------------------------------------------------------- small pieces

def candle(lit):
    defs = (lin("wax", 0, 0, 1, 0, [(0, "#ffffff"), (0.6, SNOW), (1, CLOUD_SHADE)])
            + rad("glow", 0.5, 0.5, 0.5, [(0, "#fff6c0", 0.9), (0.5, YELLOW, 0.4), (1, YELLOW, 0)])
            + lin("flame", 0, 0, 0, 1, [(0, YELLOW), (0.6, ORANGE), (1, RED)]))
    b = []
    if lit:
        b.append(el("circle", cx=12, cy=9, r=10, fill="url(#glow)"))
    b += [el("path", d=round_rect_path(6, 15, 12, 15, 2), fill="url(#wax)", stroke=INK, stroke_width=LINE),
          el("path", d="M12,15 L12,11.5", stroke=INK, stroke_width=1.4)]
    if lit:
        b.append(el("path", d="M12,2.5 C14.5,6 16,8.5 14.8,10.8 C14,12.4 10,12.4 9.2,10.8 C8,8.5 9.5,6 12,2.5Z",
                    fill="url(#flame)", stroke=INK, stroke_width=1))
        b.append(el("ellipse", cx=12, cy=9.5, rx=1.2, ry=1.8, fill="#fff6c0"))
    else:
        b.append(el("path", d="M12,10 C10,8 14,6 12,3", stroke=SLATE, stroke_width=1.2, fill="none",
                    stroke_opacity=0.8))
    return doc(24, 32, b, defs)


DRAWINGS["candleon.svg"] = lambda: candle(True)
DRAWINGS["candleoff.svg"] = lambda: candle(False)


@drawing("bubble_bit.svg")
def bubble_bit():
    # the tail of a speech bubble; its top edge tucks under the bubble's border
    b = [el("path", d="M6,0 L26,0 L3,22Z", fill="#ffffff"),
         el("path", d="M6,0 L3,22 L26,0", fill="none", stroke=INK, stroke_width=LINE)]
    return doc(32, 24, b)


def level_tile(kind):
    if kind == "bonus":
        defs = lin("tile", 0, 0, 1, 1, [(0, "#ffe58a"), (0.5, YELLOW), (1, GOLD)])
    else:
        defs = lin("tile", 0, 0, 1, 1, [(0, "#b4c4d4"), (0.5, SLATE), (1, SLATE_DARK)])
    b = [el("path", d=round_rect_path(5, 5, 88, 88, 16), fill="#0d1b2a", fill_opacity=0.25),
         el("path", d=round_rect_path(2, 2, 88, 88, 16), fill="url(#tile)", stroke=INK, stroke_width=LINE),
         el("path", d="M10,24 Q10,10 24,10 L60,10", stroke="#ffffff", stroke_width=3, fill="none",
            stroke_opacity=0.55)]
    if kind == "bonus":
        b.append(el("path", d=polygon_path(star_points(46, 48, 28, 12)), fill="#ffffff", stroke=INK,
                    stroke_width=LINE))
        b.append(el("path", d=polygon_path(star_points(46, 49, 14, 6)), fill=ORANGE))
        for x, y, r in ((76, 20, 6), (18, 74, 5)):
            b.append(el("path", d=polygon_path(star_points(x, y, r, r * 0.35, n=4)), fill="#ffffff",
                        stroke=INK, stroke_width=1))
    else:
        q = "M34,36 C34,22 58,22 58,36 C58,46 46,46 46,58"
        b += [el("path", d=q, stroke=INK, stroke_width=14, fill="none"),
              el("path", d=q, stroke="#ffffff", stroke_width=9, fill="none"),
              el("circle", cx=46, cy=72, r=6.5, fill="#ffffff", stroke=INK, stroke_width=LINE)]
    return doc(96, 96, b, defs)


DRAWINGS["level_bonus.svg"] = lambda: level_tile("bonus")
DRAWINGS["level_unknown.svg"] = lambda: level_tile("unknown")


@drawing("msgex.svg")
def msgex():
    defs = lin("head", 0, 0, 0, 1, [(0, SKY), (1, SKY_DEEP)])
    b = [el("path", d=round_rect_path(6, 6, 392, 232, 20), fill="#0d1b2a", fill_opacity=0.25),
         el("path", d=round_rect_path(2, 2, 392, 232, 20), fill="#ffffff", fill_opacity=0.95),
         el("path", d="M2,46 L2,22 Q2,2 22,2 L374,2 Q394,2 394,22 L394,46Z", fill="url(#head)"),
         el("path", d="M2,46 L394,46", stroke=INK, stroke_width=LINE),
         el("path", d="M20,8 L376,8", stroke="#ffffff", stroke_width=2, stroke_opacity=0.5, fill="none"),
         el("path", d=round_rect_path(2, 2, 392, 232, 20), fill="none", stroke=INK, stroke_width=LINE)]
    for i, x in enumerate((20, 34, 48)):
        b.append(el("circle", cx=x, cy=25, r=4.5, fill=(YELLOW, SNOW, SNOW)[i], stroke=INK, stroke_width=1.2))
    return doc(396, 240, b, defs)


# ---------------------------------------------------------------- raster sources
# These are drawn for rsvg-convert only (make-artwork.sh), so they may use
# blur filters for softness; the results are PNG, JPEG and GIF files.

SOURCES = {}


def source(name):
    def register(fn):
        SOURCES[name] = fn
        return fn
    return register


def parts_of(svg_text):
    """The gradients and the drawing of one of our SVG documents, for reuse
    inside another picture."""
    defs = ""
    if "<defs>" in svg_text:
        defs = svg_text.split("<defs>", 1)[1].split("</defs>", 1)[0]
    body = svg_text.split('<g stroke-linejoin="round" stroke-linecap="round">', 1)[1]
    body = body.rsplit("</g>", 1)[0]
    return defs, body


def blur(id_, sd):
    return ('<filter id="%s" x="-30%%" y="-30%%" width="160%%" height="160%%">'
            '<feGaussianBlur stdDeviation="%s"/></filter>' % (id_, num(sd)))


CLOUD_PUFFS = [(62, 96, 40), (104, 70, 48), (152, 88, 42), (184, 110, 28), (40, 118, 26),
               (112, 118, 36), (150, 124, 26)]


def cloud_shape(puffs, dx=0, dy=0, shrink=0):
    return " ".join(ellipse_path(x + dx, y + dy, r - shrink, r - shrink) for x, y, r in puffs)


@source("cloud.svg")
def cloud_source():
    defs = blur("soft", 1.2) + lin("puff", 0, 0, 1, 1, [(0, "#ffffff"), (1, SNOW)])
    b = [group([el("path", d=cloud_shape(CLOUD_PUFFS), fill="#b9cde0", stroke="#b9cde0", stroke_width=4),
                el("path", d=cloud_shape(CLOUD_PUFFS), fill=CLOUD_SHADE),
                el("path", d=cloud_shape(CLOUD_PUFFS, -5, -6, 4), fill="url(#puff)"),
                el("path", d=cloud_shape([(92, 58, 20), (54, 88, 14), (140, 76, 14)], -4, -4), fill="#ffffff")],
               filter="url(#soft)", opacity=0.96)]
    return doc(224, 164, b, defs, tiny=False)


@source("fog.svg")
def fog_source():
    defs = blur("haze", 13)
    blobs = [(70, 70, 44, 28), (120, 60, 52, 30), (150, 80, 38, 24), (96, 86, 46, 22)]
    b = [group([el("ellipse", cx=x, cy=y, rx=rx, ry=ry, fill="#ffffff") for x, y, rx, ry in blobs],
               filter="url(#haze)", opacity=0.62)]
    return doc(213, 134, b, defs, tiny=False)


def spark(w, h, rays, seed):
    cx, cy = w / 2, h / 2
    pts = []
    for i in range(2 * rays):
        a = math.radians(i * 180.0 / rays + seed * 17)
        if i % 2 == 0:
            r = min(w, h) / 2 - 2 - ((i * 7 + seed * 5) % 9)
        else:
            r = 6 + (i % 3)
        pts.append((cx + r * math.sin(a), cy - r * math.cos(a)))
    defs = (blur("glow", 2.5)
            + rad("fire", 0.5, 0.5, 0.5, [(0, "#ffffff"), (0.3, YELLOW), (0.75, ORANGE), (1, RED)]))
    b = [el("circle", cx=cx, cy=cy, r=min(w, h) / 2.6, fill=YELLOW, fill_opacity=0.55, filter="url(#glow)"),
         el("path", d=polygon_path(pts), fill="url(#fire)", stroke=INK, stroke_width=1.5),
         el("circle", cx=cx, cy=cy, r=4.5, fill="#ffffff")]
    return doc(w, h, b, defs, tiny=False)


SOURCES["spark1.svg"] = lambda: spark(47, 50, 8, 1)
SOURCES["spark2.svg"] = lambda: spark(51, 50, 7, 4)


def island(points, grass=True, scale=1.0):
    """An island from above: shallow water, a sand rim and (optionally) grass."""
    def ring(pts, grow):
        cx = sum(p[0] for p in pts) / len(pts)
        cy = sum(p[1] for p in pts) / len(pts)
        out = []
        for x, y in pts:
            dx, dy = x - cx, y - cy
            d = math.hypot(dx, dy) or 1
            out.append((x + dx / d * grow * scale, y + dy / d * grow * scale))
        return out

    def smooth(pts):
        # closed Catmull-Rom through the points, written as cubic curves
        n = len(pts)
        d = "M%s,%s" % (num(pts[0][0]), num(pts[0][1]))
        for i in range(n):
            p0, p1, p2, p3 = pts[i - 1], pts[i], pts[(i + 1) % n], pts[(i + 2) % n]
            c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
            c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
            d += " C%s,%s %s,%s %s,%s" % tuple(num(v) for v in (*c1, *c2, *p2))
        return d + "Z"

    out = [el("path", d=smooth(ring(points, 26)), fill=TEAL, fill_opacity=0.75),
           el("path", d=smooth(ring(points, 12)), fill="#8fe0d6", fill_opacity=0.8),
           el("path", d=smooth(points), fill=SAND, stroke=INK, stroke_width=LINE)]
    if grass:
        out.append(el("path", d=smooth(ring(points, -9)), fill=GRASS))
        out.append(el("path", d=smooth(ring(points, -22)), fill=GRASS_DARK, fill_opacity=0.45))
    return out


def blob(cx, cy, rx, ry, n=9, seed=0):
    pts = []
    for i in range(n):
        a = 2 * math.pi * i / n
        k = 1 + 0.18 * math.sin(3 * a + seed) + 0.1 * math.cos(5 * a + 2 * seed)
        pts.append((cx + rx * k * math.cos(a), cy + ry * k * math.sin(a)))
    return pts


def sky_cloud(x, y, s, shadow=True):
    puffs = [(x + px * s, y + py * s, r * s) for px, py, r in
             ((0, 0, 22), (24, -10, 28), (50, 2, 22), (22, 12, 20))]
    out = []
    if shadow:
        out.append(el("path", d=cloud_shape(puffs, 26 * s, 30 * s), fill="#0d1b2a", fill_opacity=0.18))
    out += [el("path", d=cloud_shape(puffs), fill=CLOUD_SHADE, stroke="#b9cde0", stroke_width=LINE),
            el("path", d=cloud_shape(puffs, -3 * s, -4 * s, 3 * s), fill="#ffffff")]
    return out


def runway(x, y, length, angle):
    b = [el("rect", x=-length / 2, y=-11, width=length, height=22, rx=3, fill="#5d6670", stroke=INK,
            stroke_width=LINE)]
    for i in range(int(length / 28) - 1):
        b.append(el("rect", x=-length / 2 + 18 + i * 28, y=-1.2, width=14, height=2.4, fill="#ffffff"))
    for end in (-1, 1):
        for k in range(4):
            b.append(el("rect", x=end * (length / 2 - 8) - 2, y=-8 + k * 4.6, width=4, height=2.4,
                        fill="#ffffff"))
    return group(b, transform="translate(%s,%s) rotate(%s)" % (num(x), num(y), num(angle)))


def sea_waves(w, h, count, seed):
    out = []
    for i in range(count):
        x = (i * 137 + seed * 59) % w
        y = (i * 89 + seed * 31) % h
        out.append(el("path", d="M%s,%s q6,-4 12,0 q6,4 12,0" % (num(x), num(y)), stroke="#ffffff",
                      stroke_width=1.6, fill="none", stroke_opacity=0.35))
    return out


def placed(svg_text, x, y, size, angle, ident):
    defs, body = parts_of(svg_text)
    s = size / 64.0
    return defs, group(body, transform="translate(%s,%s) rotate(%s) scale(%s) translate(-32,-32)"
                             % (num(x), num(y), num(angle), num(s)))


@source("menubg.svg")
def menubg_source():
    w, h = 854, 480
    defs = lin("sea", 0, 0, 1, 1, [(0, SKY), (1, SKY_DEEP)])
    b = [el("rect", x=0, y=0, width=w, height=h, fill="url(#sea)")]
    b += sea_waves(w, h, 46, 1)
    b += island(blob(200, 330, 150, 95, seed=1))
    b.append(runway(200, 335, 210, -12))
    b += island(blob(640, 120, 95, 60, seed=2))
    b += island(blob(760, 380, 40, 28, seed=3), grass=False)
    b += island(blob(470, 70, 26, 18, seed=4), grass=False)
    b += [el("circle", cx=x, cy=y, r=r, fill=GRASS_DARK, stroke=INK, stroke_width=1.5)
          for x, y, r in ((130, 300, 9), (115, 318, 7), (280, 372, 8), (640, 110, 10), (662, 128, 7))]
    pdefs, plane = placed(plane_3(), 520, 250, 90, 35, "p3")
    sdefs, shadow = placed(plane_shadow(3, True), 560, 300, 90, 35, "s3")
    defs += pdefs + sdefs
    b += [shadow, plane]
    b += sky_cloud(40, 60, 1.3) + sky_cloud(700, 250, 1.1) + sky_cloud(380, 420, 0.9)
    return doc(w, h, b, defs, tiny=False)


@source("cirrovanta_99.svg")
def title_source():
    w, h = 600, 300
    defs = lin("sky", 0, 0, 0, 1, [(0, SKY_DEEP), (0.6, SKY), (1, SKY_PALE)])
    b = [el("rect", x=0, y=0, width=w, height=h, fill="url(#sky)")]
    b += sky_cloud(30, 230, 1.6, shadow=False) + sky_cloud(420, 250, 1.9, shadow=False)
    b += sky_cloud(470, 60, 0.9, shadow=False)
    pdefs, plane = placed(plane_1(), 500, 196, 136, 50, "p1")
    defs += pdefs
    b.append(plane)
    # contrail behind the aeroplane
    b.append(el("path", d="M60,286 Q220,240 400,222", stroke="#ffffff", stroke_width=6, fill="none",
                stroke_opacity=0.55))
    title = ('<text x="40" y="128" font-family="DejaVu Sans" font-weight="bold" font-size="66" '
             'fill="%s" stroke="%s" stroke-width="%s">Cirrovanta</text>')
    b.append(title % (INK, INK, 10))
    b.append(title % ("#ffffff", "#ffffff", 0.5))
    b.append('<text x="44" y="166" font-family="DejaVu Sans" font-weight="bold" font-size="22" '
             'fill="%s">tilt, fly, land</text>' % YELLOW)
    return doc(w, h, b, defs, tiny=False)


# ---------------------------------------------------------------- guide frames
# 640 x 360: a phone held in two hands, tilted one way and the other; the
# aeroplane on its screen turns with the tilt.

GUIDE_FRAMES = 12


def hand(x, y, side, thumb_len):
    """A hand gripping the phone's edge at (x, y); side -1 = left hand."""
    s = side
    palm = ellipse_path(x + s * 26, y + 18, 34, 46)
    fingers = [el("path", d=round_rect_path(x + s * 6 - 9, y - 40 + i * 22, 18, 16, 8), fill=SKIN,
                  stroke=INK, stroke_width=LINE) for i in range(3)]
    thumb = round_rect_path(x - (thumb_len if s < 0 else 0) + s * 4 - (0 if s < 0 else 0), y + 4,
                            thumb_len, 17, 8.5)
    return fingers, [el("path", d=palm, fill=SKIN, stroke=INK, stroke_width=LINE)], \
        [el("path", d=thumb, fill=SKIN, stroke=INK, stroke_width=LINE),
         el("path", d=round_rect_path(x - (thumb_len if s < 0 else 0) + s * 4 + 4, y + 8, thumb_len - 8, 4, 2),
            fill="#ffffff", fill_opacity=0.35)]


def guide_frame(landscape, i):
    w, h = 640, 360
    phase = 2 * math.pi * i / GUIDE_FRAMES
    tilt = 16 * math.sin(phase)     # the phone's roll, clockwise positive
    cx, cy = 320, 186
    pw, ph = (280, 140) if landscape else (124, 232)
    # flat colours only: a GIF's small palette would band a gradient
    defs = lin("screen", 0, 0, 0, 1, [(0, SKY), (1, SKY_DEEP)])
    b = [el("rect", x=0, y=0, width=w, height=h, fill=SKY_PALE),
         el("circle", cx=cx, cy=cy, r=150, fill="#ffffff", fill_opacity=0.5)]
    # arrows showing both ways to tilt; the active one is bright
    for side in (-1, 1):
        active = (tilt * side) > 4
        a0, a1 = (-62, -32) if side < 0 else (32, 62)
        col = ORANGE if active else SLATE
        r = 168
        b.append(el("path", d=arc_path(cx, cy, r, a0, a1), stroke=INK, stroke_width=10, fill="none"))
        b.append(el("path", d=arc_path(cx, cy, r, a0, a1), stroke=col, stroke_width=6, fill="none"))
        tip_a = a0 if side < 0 else a1
        tx, ty = polar(cx, cy, r, tip_a)
        back = tip_a - side * 10
        bx1, by1 = polar(cx, cy, r + 10, back)
        bx2, by2 = polar(cx, cy, r - 10, back)
        b.append(el("path", d=polygon_path([(tx, ty), (bx1, by1), (bx2, by2)]), fill=col, stroke=INK,
                    stroke_width=LINE))
    # phone, screen and hands turn together
    body = []
    grip = 0 if landscape else 30
    fing_l, palm_l, thumb_l = hand(cx - pw / 2, cy + grip, -1, 36)
    fing_r, palm_r, thumb_r = hand(cx + pw / 2, cy + grip, 1, 36)
    body += palm_l + palm_r + fing_l + fing_r
    body.append(el("path", d=round_rect_path(cx - pw / 2, cy - ph / 2, pw, ph, 22), fill="#2b3a4d",
                   stroke=INK, stroke_width=LINE))
    sx, sy, sw, sh = cx - pw / 2 + 12, cy - ph / 2 + 12, pw - 24, ph - 24
    body.append(el("path", d=round_rect_path(sx, sy, sw, sh, 12), fill="url(#screen)"))
    body += [el("path", d="M%s,%s q6,-4 12,0 q6,4 12,0" % (num(sx + 20 + k * 53 % (sw - 50)),
                                                            num(sy + 22 + k * 41 % (sh - 40))),
                stroke="#ffffff", stroke_width=1.6, fill="none", stroke_opacity=0.4) for k in range(6)]
    # rolling right turns the aeroplane right
    pdefs, plane = placed(plane_1(), cx, cy, 60 if landscape else 54, tilt * 1.5, "g")
    defs += pdefs
    body.append(plane)
    body.append(el("path", d="M%s,%s L%s,%s" % (num(sx + 10), num(sy + 8), num(sx + sw * 0.45), num(sy + 8)),
                   stroke="#ffffff", stroke_width=3, stroke_opacity=0.35, fill="none"))
    body += thumb_l + thumb_r
    b.append(group(body, transform="rotate(%s %s %s)" % (num(tilt), num(cx), num(cy))))
    return doc(w, h, b, defs, tiny=False)


for _i in range(GUIDE_FRAMES):
    SOURCES["guide_horizontal_%02d.svg" % _i] = (lambda i=_i: guide_frame(True, i))
    SOURCES["guide_vertical_%02d.svg" % _i] = (lambda i=_i: guide_frame(False, i))


# ---------------------------------------------------------------- main

def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.getcwd()
    images = os.path.join(root, "images")
    os.makedirs(os.path.join(images, "src"), exist_ok=True)
    for name, fn in sorted(DRAWINGS.items()):
        with open(os.path.join(images, name), "w", encoding="utf-8") as f:
            f.write(fn())
    for name, fn in sorted(SOURCES.items()):
        with open(os.path.join(images, "src", name), "w", encoding="utf-8") as f:
            f.write(fn())


if __name__ == "__main__":
    main()
