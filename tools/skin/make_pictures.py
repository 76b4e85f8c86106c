#!/usr/bin/env python3
"""Writes the player's skin: every picture of resources/pictures/ as SVG.

The pictures are generated so that the whole skin shares one palette, one button body per kind and one
stroke weight; change a colour here and run the script again (the SVG files are committed, the build does not
run this). Sizes are logical pixels: the SVG canvas is the size the control shows the picture at.
"""
import math
import os
import sys

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "resources",
                                                          "pictures")

# Palette
GLYPH = "#e3e9f0"       # light glyphs
GLYPH_DIM = "#6d7884"   # glyphs of an "off" state
ACCENT_HI = "#5cc4ff"   # the player's blue, top of its gradient
ACCENT_LO = "#1a6fd6"   # the player's blue, bottom
RED = "#ff5e55"
AMBER = "#ffb428"
GREEN_HI = "#5ff09a"
GREEN_LO = "#17a358"
BODY_HI = "#2c333c"     # button body, top
BODY_LO = "#121519"     # button body, bottom
EDGE = "#3d4651"        # button rim
FONT = "Liberation Sans, Arial, DejaVu Sans, sans-serif"


def svg(w, h, body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n'
            f'<defs>\n{defs}</defs>\n{body}</svg>\n')


def vgrad(gid, stops):
    s = "".join(f'<stop offset="{o}" stop-color="{c}"{"" if a is None else f" stop-opacity={chr(34)}{a}{chr(34)}"}/>'
                for o, c, a in stops)
    return f'<linearGradient id="{gid}" x1="0" y1="0" x2="0" y2="1">{s}</linearGradient>\n'


COMMON_DEFS = (vgrad("body", [(0, BODY_HI, None), (1, BODY_LO, None)]) +
               vgrad("acc", [(0, ACCENT_HI, None), (1, ACCENT_LO, None)]) +
               vgrad("gloss", [(0, "#ffffff", 0.10), (1, "#ffffff", 0.0)]) +
               vgrad("red", [(0, "#ff7a70", None), (1, "#d8322a", None)]) +
               vgrad("amber", [(0, "#ffd060", None), (1, "#e8900c", None)]) +
               vgrad("green", [(0, GREEN_HI, None), (1, GREEN_LO, None)]))


def rounded_body(w, h, r):
    """The rounded-rectangle body every rectangular button shares: dark gradient, rim, soft top gloss."""
    return (f'<rect x="0.5" y="0.5" width="{w - 1}" height="{h - 1}" rx="{r}" fill="url(#body)" stroke="{EDGE}"/>\n'
            f'<rect x="1.5" y="1.5" width="{w - 3}" height="{(h - 3) / 2:.1f}" rx="{max(r - 1, 1)}" '
            f'fill="url(#gloss)"/>\n')


def round_body(d):
    c = d / 2
    return (f'<circle cx="{c}" cy="{c}" r="{c - 0.5}" fill="url(#body)" stroke="{EDGE}"/>\n'
            f'<ellipse cx="{c}" cy="{c * 0.62:.1f}" rx="{c * 0.72:.1f}" ry="{c * 0.42:.1f}" fill="url(#gloss)"/>\n')


def button(w, h, r, glyph):
    return svg(w, h, rounded_body(w, h, r) + glyph, COMMON_DEFS)


def stroke(d, colour, width=2.2, extra=""):
    return (f'<path d="{d}" fill="none" stroke="{colour}" stroke-width="{width}" stroke-linecap="round" '
            f'stroke-linejoin="round"{extra}/>\n')


def fill(d, colour, extra=""):
    return f'<path d="{d}" fill="{colour}"{extra}/>\n'


def text(x, y, size, colour, s, weight="bold", anchor="middle"):
    return (f'<text x="{x}" y="{y}" font-family="{FONT}" font-size="{size}" font-weight="{weight}" '
            f'text-anchor="{anchor}" fill="{colour}">{s}</text>\n')


def gear(cx, cy, outer, inner, teeth, hole, colour, bg):
    pts = []
    for i in range(teeth * 4):
        a = 2 * math.pi * i / (teeth * 4) - math.pi / 2
        r = outer if (i % 4) in (1, 2) else inner
        pts.append(f"{cx + r * math.cos(a):.2f} {cy + r * math.sin(a):.2f}")
    return (fill("M" + " L".join(pts) + " Z", colour) +
            f'<circle cx="{cx}" cy="{cy}" r="{hole}" fill="{bg}"/>\n')


# --- the pictures -------------------------------------------------------------------------------------------

def transport(d, glyph):
    return svg(d, d, round_body(d) + glyph, COMMON_DEFS)


def play_button(glyph):
    # The primary action: a filled blue disc, bigger than its neighbours.
    body = ('<circle cx="24" cy="24" r="23.5" fill="url(#acc)" stroke="#8fd6ff" stroke-width="1"/>\n'
            '<ellipse cx="24" cy="15" rx="17" ry="10" fill="url(#gloss)"/>\n')
    return svg(48, 48, body + glyph, COMMON_DEFS)


def pictures():
    p = {}
    shadow = ' opacity="0.35"'
    p["play.svg"] = play_button(fill("M19.5 14.5 L35 24 L19.5 33.5 Z", "#0b2f5c", shadow + ' transform="translate(0.8 1)"') +
                                fill("M19.5 14.5 L35 24 L19.5 33.5 Z", "#ffffff", ' stroke="#ffffff" stroke-width="1.5" stroke-linejoin="round"'))
    p["pause.svg"] = play_button(
        f'<rect x="16.5" y="14.5" width="5.5" height="19" rx="1.6" fill="#ffffff"/>\n'
        f'<rect x="26" y="14.5" width="5.5" height="19" rx="1.6" fill="#ffffff"/>\n')
    p["stop.svg"] = transport(40, '<rect x="14" y="14" width="12" height="12" rx="2" fill="%s"/>\n' % GLYPH)
    p["slow.svg"] = transport(40, fill("M11.5 20 L19.5 14 L19.5 26 Z", GLYPH, ' stroke="%s" stroke-linejoin="round"' % GLYPH) +
                              fill("M19.5 20 L27.5 14 L27.5 26 Z", GLYPH, ' stroke="%s" stroke-linejoin="round"' % GLYPH))
    p["fast.svg"] = transport(40, fill("M28.5 20 L20.5 14 L20.5 26 Z", GLYPH, ' stroke="%s" stroke-linejoin="round"' % GLYPH) +
                              fill("M20.5 20 L12.5 14 L12.5 26 Z", GLYPH, ' stroke="%s" stroke-linejoin="round"' % GLYPH))

    # Left row, 48 x 36
    p["open.svg"] = button(48, 36, 7,
                           fill("M13 11.5 H20.5 L23 14 H35 V27 H13 Z", GLYPH) +
                           fill("M13 27 L16.2 17.5 H38 L34.8 27 Z", "url(#acc)"))
    p["snap.svg"] = button(48, 36, 7,
                           fill("M19.5 12.5 L21 10 H27 L28.5 12.5 Z", GLYPH) +
                           '<rect x="13" y="12.5" width="22" height="15" rx="3" fill="%s"/>\n' % GLYPH +
                           '<circle cx="24" cy="20" r="5.2" fill="#15191e" stroke="url(#acc)" stroke-width="2"/>\n'
                           '<circle cx="24" cy="20" r="1.8" fill="%s"/>\n' % ACCENT_HI +
                           '<circle cx="31.5" cy="15.5" r="1" fill="%s"/>\n' % RED)
    p["save.svg"] = button(48, 36, 7,
                           stroke("M14.5 21.5 V26.5 H33.5 V21.5", GLYPH, 2.4) +
                           stroke("M24 9 V21", ACCENT_HI, 2.8) +
                           stroke("M19 16.5 L24 21.5 L29 16.5", ACCENT_HI, 2.8))
    p["delete.svg"] = button(48, 36, 7,
                             stroke("M15 12.5 H33", GLYPH, 2.2) +
                             stroke("M21 12 V10 H27 V12", GLYPH, 1.8) +
                             fill("M16.8 14.5 H31.2 L29.9 28 H18.1 Z", "url(#red)") +
                             stroke("M21.3 17.5 V25 M24 17.5 V25 M26.7 17.5 V25", "#5a1310", 1.3))
    p["conf.svg"] = button(48, 36, 7, gear(24, 18, 10, 7.6, 8, 3.4, GLYPH, "#1d2228") +
                           f'<circle cx="24" cy="18" r="3.4" fill="none" stroke="{ACCENT_HI}" stroke-width="1.4"/>\n')

    # Right row, square 32 x 32
    loop = (stroke("M9.5 19.5 V16 A4 4 0 0 1 13.5 12 H22", "{c}", 2.4) + stroke("M19.5 9 L22.5 12 L19.5 15", "{c}", 2.4) +
            stroke("M22.5 12.5 V16 A4 4 0 0 1 18.5 20 H10", "{c}", 2.4) + stroke("M12.5 23 L9.5 20 L12.5 17", "{c}", 2.4))
    p["loop-on.svg"] = button(32, 32, 6, loop.replace("{c}", ACCENT_HI))
    p["loop-off.svg"] = button(32, 32, 6, loop.replace("{c}", GLYPH_DIM) + stroke("M8 24.5 L24 7.5", RED, 2.2))
    p["kml.svg"] = button(32, 32, 6,
                          '<ellipse cx="16" cy="25.5" rx="7" ry="2" fill="#000000" opacity="0.45"/>\n' +
                          stroke("M5.5 26 C9 22 11 27 14 24", GLYPH_DIM, 1.4, ' stroke-dasharray="2 2"') +
                          fill("M16 6 A6.5 6.5 0 0 1 22.5 12.5 C22.5 17 16 24.5 16 24.5 C16 24.5 9.5 17 9.5 12.5 "
                               "A6.5 6.5 0 0 1 16 6 Z", "url(#acc)") +
                          '<circle cx="16" cy="12.5" r="2.4" fill="#15191e"/>\n')
    p["map.svg"] = button(32, 32, 6,
                          fill("M6 10 L12 7.5 V22.5 L6 25 Z", GLYPH) +
                          fill("M12 7.5 L20 10 V25 L12 22.5 Z", "#b5c0cc") +
                          fill("M20 10 L26 7.5 V22.5 L20 25 Z", GLYPH) +
                          stroke("M8 20 C11 14 15 21 18 15 S23 12 24.5 11.5", ACCENT_LO, 1.8))
    p["gsensor.svg"] = button(32, 32, 6,
                              stroke("M7 8 V24 H25.5", GLYPH_DIM, 1.6) +
                              stroke("M8 17 L11 12 L14 21 L17 10.5 L20 19 L23 15 L25 16.5", ACCENT_HI, 2) +
                              stroke("M8 19 L11 17.5 L14 19.5 L17 16.5 L20 18.5 L23 18 L25 19", "#54e38c", 1.4) +
                              stroke("M8 21.5 L11 21 L14 22 L17 20.5 L20 21.5 L25 21.3", RED, 1.4))
    p["unlock.svg"] = button(32, 32, 6,
                             stroke("M11.5 15 V11 A4.5 4.5 0 0 1 20.3 9.6", GLYPH, 2.6) +
                             '<rect x="8.5" y="15" width="15" height="11" rx="2.5" fill="url(#amber)"/>\n' +
                             '<circle cx="16" cy="19.5" r="1.7" fill="#4a2c00"/>\n' +
                             stroke("M16 20.5 V23", "#4a2c00", 1.6))

    # Volume, a 12 x 24 pill beside the volume slider
    vol_body = (f'<rect x="0.5" y="0.5" width="11" height="23" rx="5" fill="url(#body)" stroke="{EDGE}"/>\n')
    speaker = "M2.5 6 H4.6 L8.6 3 V13 L4.6 10 H2.5 Z"
    p["volume.svg"] = svg(12, 24, vol_body + fill(speaker, GLYPH) +
                          '<rect x="2.4" y="18" width="1.9" height="3" rx="0.6" fill="%s"/>\n' % ACCENT_HI +
                          '<rect x="5.05" y="16.5" width="1.9" height="4.5" rx="0.6" fill="%s"/>\n' % ACCENT_HI +
                          '<rect x="7.7" y="15" width="1.9" height="6" rx="0.6" fill="%s"/>\n' % ACCENT_HI,
                          COMMON_DEFS)
    p["volume-muted.svg"] = svg(12, 24, vol_body + fill(speaker, GLYPH_DIM) +
                                stroke("M3.5 15.5 L8.5 20.5 M8.5 15.5 L3.5 20.5", RED, 1.8), COMMON_DEFS)

    # Window buttons, 25 x 25
    p["window-close.svg"] = button(25, 25, 5, stroke("M8.5 8.5 L16.5 16.5 M16.5 8.5 L8.5 16.5", RED, 2.2))
    p["window-maximize.svg"] = button(25, 25, 5,
                                      '<rect x="7.5" y="7.5" width="10" height="10" rx="1.5" fill="none" '
                                      f'stroke="{GLYPH}" stroke-width="1.8"/>\n' + stroke("M8 8.6 H17", GLYPH, 2.4))
    p["window-minimize.svg"] = button(25, 25, 5, stroke("M8 16.5 H17", GLYPH, 2.2))
    p["about.svg"] = button(25, 25, 5, text(12.5, 17.4, 14, ACCENT_HI, "?"))

    # Preset sizes, 16 x 16
    for letter in "SML":
        p[f"size-{letter.lower()}.svg"] = button(16, 16, 4, text(8, 12, 10, GLYPH, letter))

    # Compass, 48 x 48, one picture per point; the needle shows the heading, the letters name it.
    ticks = "".join(
        stroke(f"M{24 + 19.5 * math.sin(a):.2f} {24 - 19.5 * math.cos(a):.2f} "
               f"L{24 + 22 * math.sin(a):.2f} {24 - 22 * math.cos(a):.2f}", GLYPH_DIM, 1.4 if i % 2 else 2)
        for i, a in enumerate(k * math.pi / 4 for k in range(8)))
    compass_defs = COMMON_DEFS + (
        '<radialGradient id="dial" cx="0.5" cy="0.4" r="0.6"><stop offset="0" stop-color="#2a3139"/>'
        '<stop offset="1" stop-color="#0c0e11"/></radialGradient>\n' +
        vgrad("needle", [(0, "#ffd36a", None), (1, "#ff7a1a", None)]))
    points = [("n", "N", 0), ("nw", "NW", 315), ("w", "W", 270), ("sw", "SW", 225),
              ("s", "S", 180), ("se", "SE", 135), ("e", "E", 90), ("ne", "NE", 45)]
    for name, letters, angle in points:
        body = (f'<circle cx="24" cy="24" r="23.3" fill="url(#dial)" stroke="{EDGE}" stroke-width="1.2"/>\n' + ticks +
                f'<g transform="rotate({angle} 24 24)">' +
                fill("M24 1.8 L29 11.5 L24 9.6 L19 11.5 Z", "url(#needle)", ' stroke="#2a1400" stroke-width="0.6"') +
                '</g>\n' +
                text(24, 29.8 if len(letters) == 1 else 28.6, 16 if len(letters) == 1 else 13, "#f2f5f8", letters))
        p[f"compass-{name}.svg"] = svg(48, 48, body, compass_defs)

    # GPS lamp, 36 x 32: a green satellite dish; the control greys it while there is no fix.
    p["gps.svg"] = svg(36, 32,
                       fill("M12.5 26 L9 31 H20 L16.5 26 Z", "#0f6b39") +
                       fill("M5 11 A13 13 0 0 0 23 29 Z", "url(#green)", ' stroke="#0d5a30" stroke-width="0.8"') +
                       stroke("M13 21 L20.5 13.5", "#bff5d4", 1.6) +
                       '<circle cx="21" cy="13" r="1.9" fill="#eafff2"/>\n' +
                       stroke("M24 7.5 A6 6 0 0 1 27.5 11", GREEN_HI, 1.8) +
                       stroke("M25 3 A10.5 10.5 0 0 1 32 10", GREEN_HI, 1.8),
                       COMMON_DEFS)

    # The lists' lock icons: one 96 x 24 strip of four 24 x 24 cells (empty, G, M, G and M).
    def padlock(x, letters):
        body = (stroke(f"M{x + 7.5} 11 V8 A4.5 4.5 0 0 1 {x + 16.5} 8 V11", "#a9bfdc", 2.2) +
                f'<rect x="{x + 3.5}" y="10.5" width="17" height="12" rx="2.5" fill="url(#acc)" stroke="#0d3f86" '
                f'stroke-width="0.8"/>\n')
        for lx, size, colour, s in letters:
            body += text(x + lx, 20.3, size, colour, s)
        return body
    p["lock-icons.svg"] = svg(96, 24,
                              padlock(24, [(12, 9.5, "#ffd84a", "G")]) +
                              padlock(48, [(12, 9.5, "#5cf08d", "M")]) +
                              padlock(72, [(8.4, 7.5, "#ffd84a", "G"), (15.8, 7.5, "#5cf08d", "M")]),
                              COMMON_DEFS)

    # Tooltip icon, 32 x 32
    p["check.svg"] = svg(32, 32,
                         stroke("M7 16.5 L13.5 23 L25.5 9.5", "#0b4d27", 6.2) +
                         stroke("M7 16.5 L13.5 23 L25.5 9.5", "url(#green)", 4.2), COMMON_DEFS)

    # Idle pane: the logo in grey on black, 733 x 566; and the plain black pane, 320 x 240.
    logo_defs = (vgrad("ring", [(0, "#8d949c", None), (1, "#3e434a", None)]) +
                 vgrad("word", [(0, "#9aa1a9", None), (1, "#5d636b", None)]))
    p["logo.svg"] = svg(733, 566,
                        '<rect width="733" height="566" fill="#000000"/>\n'
                        '<circle cx="366.5" cy="218" r="92" fill="none" stroke="url(#ring)" stroke-width="16"/>\n'
                        '<circle cx="366.5" cy="218" r="70" fill="#15171a" stroke="#2b2f34" stroke-width="3"/>\n'
                        '<circle cx="366.5" cy="218" r="46" fill="none" stroke="#3a3f45" stroke-width="2"/>\n' +
                        fill("M350 188 L350 248 L400 218 Z", "url(#word)") +
                        '<circle cx="437" cy="148" r="9" fill="#6e747b"/>\n' +
                        text(366.5, 392, 68, "url(#word)", "Orvan Player") +
                        text(366.5, 436, 22, "#50565d", "FRONT · REAR · GPS · G-SENSOR", weight="normal"),
                        logo_defs)
    p["black.svg"] = svg(320, 240, '<rect width="320" height="240" fill="#000000"/>\n')

    # Status board bar: light, dark, light blue from top to bottom, tiled.
    p["progress-pattern.svg"] = svg(30, 30, '<rect width="30" height="30" fill="url(#bar)"/>\n',
                                    vgrad("bar", [(0, "#9fdcff", None), (0.5, "#1450a8", None), (1, "#9fdcff", None)]))

    # Application icon (also the desktop's scalable icon).
    icon_defs = (vgrad("tile", [(0, "#26323f", None), (1, "#0b0e12", None)]) +
                 vgrad("lens", [(0, ACCENT_HI, None), (1, ACCENT_LO, None)]) +
                 vgrad("gloss", [(0, "#ffffff", 0.14), (1, "#ffffff", 0.0)]))
    p["orvan-player.svg"] = svg(256, 256,
                                '<rect x="8" y="8" width="240" height="240" rx="52" fill="url(#tile)" '
                                'stroke="#3d4651" stroke-width="3"/>\n'
                                '<circle cx="128" cy="118" r="74" fill="#0c1015" stroke="url(#lens)" stroke-width="18"/>\n'
                                '<circle cx="128" cy="118" r="50" fill="none" stroke="#1f2935" stroke-width="4"/>\n' +
                                fill("M110 86 L110 150 L164 118 Z", "#ffffff", ' stroke="#ffffff" stroke-width="6" '
                                     'stroke-linejoin="round"') +
                                '<circle cx="200" cy="50" r="13" fill="#ff4a3d" stroke="#0b0e12" stroke-width="4"/>\n'
                                '<path d="M8 60 Q8 8 60 8 L196 8 Q248 8 248 60 L248 100 Q128 70 8 100 Z" '
                                'fill="url(#gloss)"/>\n',
                                icon_defs)
    return p


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, content in sorted(pictures().items()):
        with open(os.path.join(OUT, name), "w", encoding="utf-8") as f:
            f.write(content)
    print(f"{len(pictures())} pictures written to {os.path.normpath(OUT)}")


if __name__ == "__main__":
    main()
