#!/usr/bin/env python3
"""Draws the game's pictures as SVG and renders them to the PNG textures the materials use.

Every picture is drawn here from shapes; nothing is traced or copied. Fish are drawn facing
left and fill their rectangle from edge to edge (nose to tail, back to belly), because the
game decides a touch by the rectangle. The right-facing textures are mirror images.

Needs rsvg-convert (librsvg2-bin) and convert (imagemagick). Run from anywhere:
    python3 resources/art/make_art.py
"""
import os
import random
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
SVG_DIR = os.path.join(HERE, "svg")
TEXTURES = os.path.join(os.path.dirname(HERE), "textures")

FISH_W, FISH_H = 256, 64


def svg(width, height, body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}"><defs>{defs}</defs>{body}</svg>\n')


def vertical_gradient(name, stops):
    parts = "".join(f'<stop offset="{o}" stop-color="{c}" stop-opacity="{a}"/>'
                    for o, c, a in stops)
    return f'<linearGradient id="{name}" x1="0" y1="0" x2="0" y2="1">{parts}</linearGradient>'


# ---------------------------------------------------------------- fish

def fish_body_path(top=0.0, bottom=64.0, tail_start=200.0, snout=0.0):
    """An elongated fish body facing left: rounded snout at x=snout, tail wrist near tail_start."""
    mid = (top + bottom) / 2
    h = bottom - top
    return (f"M {snout} {mid} "
            f"C {snout + 10} {top + h * 0.05}, {snout + 70} {top}, {snout + 110} {top + h * 0.02} "
            f"C {snout + 160} {top + h * 0.06}, {tail_start - 15} {mid - h * 0.22}, {tail_start} {mid - h * 0.08} "
            f"L {tail_start} {mid + h * 0.08} "
            f"C {tail_start - 15} {mid + h * 0.22}, {snout + 160} {bottom - h * 0.06}, {snout + 110} {bottom - h * 0.02} "
            f"C {snout + 70} {bottom}, {snout + 10} {bottom - h * 0.05}, {snout} {mid} Z")


def forked_tail(x0, top=0.0, bottom=64.0, notch=30.0):
    mid = (top + bottom) / 2
    return (f"M {x0 - 6} {mid - 5} C {x0 + 20} {mid - 12}, {FISH_W - 20} {top + 6}, {FISH_W} {top} "
            f"C {FISH_W - 8} {mid - 12}, {FISH_W - notch} {mid - 4}, {FISH_W - notch} {mid} "
            f"C {FISH_W - notch} {mid + 4}, {FISH_W - 8} {mid + 12}, {FISH_W} {bottom} "
            f"C {FISH_W - 20} {bottom - 6}, {x0 + 20} {mid + 12}, {x0 - 6} {mid + 5} Z")


def round_tail(x0, top=0.0, bottom=64.0):
    mid = (top + bottom) / 2
    return (f"M {x0 - 6} {mid - 5} C {x0 + 10} {mid - 16}, {FISH_W - 14} {top}, {FISH_W} {top + 6} "
            f"C {FISH_W - 6} {mid - 8}, {FISH_W - 6} {mid + 8}, {FISH_W} {bottom - 6} "
            f"C {FISH_W - 14} {bottom}, {x0 + 10} {mid + 16}, {x0 - 6} {mid + 5} Z")


def eye(cx, cy, r, ring="#ffffff"):
    return (f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{ring}" stroke="#1b1b1b" stroke-width="1.2"/>'
            f'<circle cx="{cx - r * 0.15}" cy="{cy}" r="{r * 0.6}" fill="#101018"/>'
            f'<circle cx="{cx - r * 0.35}" cy="{cy - r * 0.3}" r="{r * 0.22}" fill="#ffffff"/>')


def fin(path, colour, opacity=0.9):
    return f'<path d="{path}" fill="{colour}" fill-opacity="{opacity}" stroke="#00000055" stroke-width="1"/>'


def bony_fish(name, back, belly, fin_colour, tail="forked", pattern="", eye_ring="#ffffff",
              outline="#00000066"):
    defs = vertical_gradient(f"{name}Body", [(0, back, 1), (0.55, belly, 1), (1, belly, 1)])
    defs += vertical_gradient(f"{name}Shine", [(0, "#ffffff", 0.55), (1, "#ffffff", 0)])
    tail_path = forked_tail(196) if tail == "forked" else round_tail(196)
    clip = f'<clipPath id="{name}Clip"><path d="{fish_body_path(tail_start=204)}"/></clipPath>'
    defs += clip
    body = fin(tail_path, fin_colour)
    # Dorsal and belly fins sit on the body's edge and stay inside the rectangle.
    body += fin("M 92 3 C 115 0, 150 2, 172 14 L 150 18 C 130 12, 110 10, 92 10 Z", fin_colour)
    body += fin("M 110 60 C 130 64, 150 62, 165 52 L 148 48 C 135 54, 122 56, 110 54 Z", fin_colour)
    body += (f'<path d="{fish_body_path(tail_start=204)}" fill="url(#{name}Body)" '
             f'stroke="{outline}" stroke-width="1.5"/>')
    body += f'<g clip-path="url(#{name}Clip)">{pattern}'
    body += f'<ellipse cx="95" cy="16" rx="80" ry="9" fill="url(#{name}Shine)"/></g>'
    # Gill line, pectoral fin, mouth and eye.
    body += '<path d="M 52 12 C 60 24, 60 40, 52 52" fill="none" stroke="#00000040" stroke-width="2"/>'
    body += fin("M 62 36 C 74 34, 88 40, 92 48 C 80 48, 68 44, 62 40 Z", fin_colour, 0.8)
    body += '<path d="M 2 34 C 7 36, 11 37, 15 36" fill="none" stroke="#00000080" stroke-width="1.5"/>'
    body += eye(26, 25, 7, eye_ring)
    return svg(FISH_W, FISH_H, body, defs)


def zorv_fish():
    # The player's kind: a bright orange fish with three white bands edged in black.
    bands = ""
    for x, w in ((44, 16), (112, 18), (180, 14)):
        bands += (f'<path d="M {x} -2 C {x + 8} 20, {x + 8} 44, {x} 66 L {x + w} 66 '
                  f'C {x + w + 8} 44, {x + w + 8} 20, {x + w} -2 Z" fill="#ffffff" '
                  f'stroke="#151515" stroke-width="3"/>')
    return bony_fish("Zorv", "#ff7a00", "#ffb347", "#ff8c1a", tail="round", pattern=bands)


def red_fish():
    scales = "".join(f'<path d="M {x} {y} q 6 5 0 10" fill="none" stroke="#7a0010" stroke-opacity="0.35" stroke-width="1.5"/>'
                     for x in range(60, 200, 12) for y in range(12, 54, 10))
    return bony_fish("Red", "#a3001b", "#ff5a5f", "#d7263d", pattern=scales)


def yellow_fish():
    stripe = ('<path d="M 20 0 C 34 20, 34 44, 20 64 L 34 64 C 46 44, 46 20, 34 0 Z" fill="#1d4ed8" fill-opacity="0.85"/>'
              '<path d="M 120 0 L 210 28 L 210 36 L 120 64 Z" fill="#f59e0b" fill-opacity="0.35"/>')
    return bony_fish("Yellow", "#f5c400", "#fff27a", "#ffd000", pattern=stripe, eye_ring="#fff8d0")


def green_fish():
    rng = random.Random(7)
    spots = "".join(f'<circle cx="{rng.uniform(50, 200):.1f}" cy="{rng.uniform(8, 56):.1f}" '
                    f'r="{rng.uniform(2.5, 5):.1f}" fill="#0b3d1a" fill-opacity="0.6"/>'
                    for _ in range(26))
    return bony_fish("Green", "#11692f", "#7bd88f", "#2f9e44", pattern=spots)


def purple_fish():
    waves = "".join(f'<path d="M 40 {y} C 80 {y - 6}, 120 {y + 6}, 210 {y}" fill="none" '
                    f'stroke="#f0abfc" stroke-opacity="0.55" stroke-width="2.5"/>'
                    for y in (18, 30, 42))
    return bony_fish("Purple", "#4c1d95", "#c084fc", "#7e22ce", tail="round", pattern=waves,
                     eye_ring="#f5e1ff")


def shark_fish():
    # Grey back, white belly, tall dorsal fin, crescent tail, gill slits: reads as a shark.
    defs = vertical_gradient("SharkBody", [(0, "#56606b", 1), (0.5, "#8a96a3", 1),
                                           (0.62, "#e9eef2", 1), (1, "#f7f9fb", 1)])
    body_path = ("M 0 44 C 8 34, 40 24, 90 22 C 140 20, 190 28, 224 36 L 224 42 "
                 "C 190 54, 140 62, 90 62 C 50 62, 14 58, 0 50 Z")
    tail = ("M 218 38 C 228 24, 240 10, 256 0 C 250 14, 246 28, 240 38 "
            "C 246 46, 250 54, 254 64 C 240 58, 228 50, 218 42 Z")
    dorsal = "M 96 24 C 108 14, 120 4, 136 0 C 134 10, 136 18, 146 24 Z"
    pectoral = "M 70 50 C 80 56, 96 62, 112 64 C 104 56, 96 52, 86 48 Z"
    small_fins = "M 190 30 L 202 24 L 204 32 Z M 176 56 L 190 62 L 192 54 Z"
    body = fin(tail, "#5f6b77", 1)
    body += fin(dorsal, "#56606b", 1)
    body += fin(small_fins, "#5f6b77", 1)
    body += f'<path d="{body_path}" fill="url(#SharkBody)" stroke="#2c333a" stroke-width="1.5"/>'
    body += fin(pectoral, "#6b7784", 1)
    for i, x in enumerate((56, 61, 66, 71, 76)):
        body += f'<path d="M {x} {33 + i * 0.3} C {x + 3} 38, {x + 3} 44, {x} {49 - i * 0.3}" fill="none" stroke="#3a424a" stroke-width="1.4"/>'
    body += '<path d="M 8 51 C 18 54, 30 54, 40 50" fill="none" stroke="#2c333a" stroke-width="1.5"/>'
    body += '<path d="M 14 52 l 2 3 l 2 -3 l 2 3 l 2 -3 l 2 3 l 2 -3 l 2 3 l 2 -3" fill="none" stroke="#ffffff" stroke-width="1"/>'
    body += '<circle cx="30" cy="38" r="3.2" fill="#0b0b0f"/><circle cx="29" cy="37" r="1" fill="#ffffff"/>'
    return svg(FISH_W, FISH_H, body, defs)


# ---------------------------------------------------------------- tank

def ocean():
    w, h = 1000, 800
    rng = random.Random(42)
    defs = vertical_gradient("Water", [(0, "#4fc3dc", 1), (0.35, "#1c7fb0", 1),
                                       (0.75, "#0e4a80", 1), (1, "#0a2f5c", 1)])
    defs += vertical_gradient("Ray", [(0, "#ffffff", 0.28), (1, "#ffffff", 0)])
    defs += vertical_gradient("Sand", [(0, "#e8cf96", 1), (1, "#b89558", 1)])
    defs += vertical_gradient("Surface", [(0, "#ffffff", 0.45), (1, "#ffffff", 0)])
    body = f'<rect width="{w}" height="{h}" fill="url(#Water)"/>'
    body += f'<rect width="{w}" height="40" fill="url(#Surface)"/>'
    for x in (80, 260, 430, 610, 800, 930):
        top_w = rng.uniform(30, 60)
        spread = rng.uniform(90, 160)
        lean = rng.uniform(-120, 40)
        body += (f'<path d="M {x} 0 L {x + top_w} 0 L {x + top_w + spread + lean} {h * 0.8} '
                 f'L {x + lean} {h * 0.8} Z" fill="url(#Ray)"/>')
    # Distant rocks, then sand with a wavy edge.
    body += ('<path d="M 0 700 C 60 640, 140 630, 210 690 C 260 650, 330 660, 380 700 L 380 800 L 0 800 Z" '
             'fill="#2b4a63" fill-opacity="0.7"/>')
    body += ('<path d="M 640 705 C 700 620, 800 610, 880 680 C 920 650, 980 650, 1000 670 L 1000 800 L 640 800 Z" '
             'fill="#2b4a63" fill-opacity="0.7"/>')
    body += ('<path d="M 0 730 C 120 700, 240 750, 380 725 C 520 700, 640 745, 780 722 '
             'C 880 706, 950 728, 1000 716 L 1000 800 L 0 800 Z" fill="url(#Sand)"/>')
    for _ in range(70):
        x, y = rng.uniform(0, w), rng.uniform(740, 795)
        body += f'<circle cx="{x:.1f}" cy="{y:.1f}" r="{rng.uniform(1, 2.5):.1f}" fill="#a07d45" fill-opacity="0.6"/>'
    # Seaweed swaying up from the sand.
    for x in (40, 95, 330, 360, 560, 720, 760, 955):
        height = rng.uniform(160, 320)
        colour = rng.choice(["#2e8b57", "#3aa35f", "#1f6f43"])
        for k in range(3):
            sx = x + k * 9
            sway = rng.uniform(-30, 30)
            body += (f'<path d="M {sx} 760 C {sx + sway} {760 - height * 0.35}, {sx - sway} {760 - height * 0.7}, '
                     f'{sx + sway * 0.6} {760 - height}" fill="none" stroke="{colour}" '
                     f'stroke-width="{rng.uniform(6, 10):.1f}" stroke-linecap="round"/>')
    # Shells and pebbles.
    for x in (180, 470, 650, 870):
        body += (f'<path d="M {x} 760 a 14 12 0 0 1 28 0 Z" fill="#f4a6a6" stroke="#b56576" stroke-width="2"/>')
    # Bubbles rising.
    for _ in range(40):
        x, y, r = rng.uniform(0, w), rng.uniform(40, 700), rng.uniform(2, 8)
        body += (f'<circle cx="{x:.1f}" cy="{y:.1f}" r="{r:.1f}" fill="#ffffff" fill-opacity="0.12" '
                 f'stroke="#ffffff" stroke-opacity="0.6" stroke-width="1.2"/>'
                 f'<circle cx="{x - r * 0.35:.1f}" cy="{y - r * 0.35:.1f}" r="{r * 0.25:.1f}" fill="#ffffff" fill-opacity="0.8"/>')
    return svg(w, h, body, defs)


def hook():
    # A steel hook on a fishing line: the bend and barb sit at the bottom-left corner,
    # where the game feels for the hook.
    w, h = 30, 600
    defs = ('<linearGradient id="Steel" x1="0" y1="0" x2="1" y2="0">'
            '<stop offset="0" stop-color="#6b7280"/><stop offset="0.5" stop-color="#f3f4f6"/>'
            '<stop offset="1" stop-color="#4b5563"/></linearGradient>')
    body = '<line x1="22" y1="0" x2="22" y2="520" stroke="#e5e7eb" stroke-opacity="0.85" stroke-width="1.5"/>'
    body += '<ellipse cx="22" cy="524" rx="4" ry="5" fill="none" stroke="url(#Steel)" stroke-width="2.5"/>'
    body += ('<path d="M 22 529 L 22 578 C 22 596, 4 598, 4 582 L 4 566" fill="none" '
             'stroke="url(#Steel)" stroke-width="4" stroke-linecap="round"/>')
    body += '<path d="M 4 562 L 1 574 L 8 570 Z" fill="#d1d5db" stroke="#4b5563" stroke-width="1"/>'
    return svg(w, h, body, defs)


def black():
    return svg(8, 8, '<rect width="8" height="8" fill="#000000"/>')


def cues():
    """Three 64x64 cells: the marker over the player's fish (a chevron pointing down at it),
    the cue under a fish the player may eat (a plus in a green disc) and the cue under one
    that would end the game (an exclamation mark in a red triangle). Shape tells them apart
    as well as colour."""
    outline = 'stroke="#10202c" stroke-width="5" stroke-linejoin="round"'
    marker = (f'<path d="M 8 14 L 32 40 L 56 14 L 44 10 L 32 24 L 20 10 Z" fill="#ffe25a" '
              f'{outline}/>')
    eat = (f'<circle cx="96" cy="32" r="25" fill="#36c46a" {outline}/>'
           '<path d="M 89 16 H 103 V 25 H 112 V 39 H 103 V 48 H 89 V 39 H 80 V 25 H 89 Z" '
           'fill="#ffffff"/>')
    danger = (f'<path d="M 160 5 L 188 56 H 132 Z" fill="#e8413a" {outline}/>'
              '<path d="M 156 20 H 164 L 162 41 H 158 Z" fill="#ffffff"/>'
              '<circle cx="160" cy="48" r="4" fill="#ffffff"/>')
    return svg(192, 64, marker + eat + danger)


def icon():
    """The desktop icon: the player's fish in a round window of water."""
    fish = zorv_fish()
    inner = fish[fish.index(">") + 1:fish.rindex("</svg>")]
    defs = ('<radialGradient id="IconWater" cx="0.5" cy="0.35" r="0.7">'
            '<stop offset="0" stop-color="#6fd3ea"/><stop offset="1" stop-color="#0e4a80"/>'
            '</radialGradient>')
    body = '<circle cx="128" cy="128" r="124" fill="url(#IconWater)" stroke="#083358" stroke-width="6"/>'
    for x, y, r in ((70, 70, 9), (92, 48, 6), (190, 190, 7), (60, 180, 5)):
        body += (f'<circle cx="{x}" cy="{y}" r="{r}" fill="#ffffff" fill-opacity="0.15" '
                 f'stroke="#ffffff" stroke-opacity="0.7" stroke-width="2"/>')
    body += f'<svg x="16" y="100" width="224" height="56" viewBox="0 0 {FISH_W} {FISH_H}">{inner}</svg>'
    return svg(256, 256, body, defs)


def render(name, text, mirror=None, target_dir=TEXTURES):
    os.makedirs(SVG_DIR, exist_ok=True)
    os.makedirs(TEXTURES, exist_ok=True)
    source = os.path.join(SVG_DIR, name + ".svg")
    with open(source, "w") as out:
        out.write(text)
    target = os.path.join(target_dir, name + ".png")
    subprocess.run(["rsvg-convert", "-o", target, source], check=True)
    if mirror:
        subprocess.run(["convert", target, "-flop", os.path.join(TEXTURES, mirror + ".png")],
                       check=True)


def main():
    for name, draw in (("ZorvFish", zorv_fish), ("RedFish", red_fish),
                       ("YellowFish", yellow_fish), ("GreenFish", green_fish),
                       ("PurpleFish", purple_fish), ("SharkFish", shark_fish)):
        render(name, draw(), mirror=name + "Right")
    render("OceanBackground", ocean())
    render("Hook", hook())
    render("Black", black())
    render("Cues", cues())
    packaging = os.path.join(os.path.dirname(os.path.dirname(HERE)), "packaging")
    os.makedirs(packaging, exist_ok=True)
    render("fishtank", icon(), target_dir=packaging)


if __name__ == "__main__":
    main()
