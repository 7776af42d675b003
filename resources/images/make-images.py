#!/usr/bin/env python3
"""Writes the program's images (SVG) and their resource list orvex_images.qrc.

    resources/images/make-images.py

One dark style throughout: charcoal backgrounds, light grey glyphs, one amber accent.
Run it again after changing a drawing here; the SVG files are committed.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))

BG_DARK = "#1e2126"
BG = "#2a2e35"
BG_LIGHT = "#3a3f47"
VIDEO = "#121418"
TEXT = "#d0d4da"
DIM = "#7c838d"
ACCENT = "#f5a623"
ACCENT_DARK = "#b8761a"

images = {}


def svg(name, w, h, body):
    images[name] = (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
        f'viewBox="0 0 {w} {h}">\n{body}\n</svg>\n'
    )


# The application icon: a dash camera seen from the front, its lens ringed in amber.
svg("orvex", 128, 128, f"""
<defs>
 <linearGradient id="body" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="{BG_LIGHT}"/><stop offset="1" stop-color="{BG_DARK}"/>
 </linearGradient>
 <radialGradient id="glass" cx="0.4" cy="0.35" r="0.7">
  <stop offset="0" stop-color="#4a6b8a"/><stop offset="0.45" stop-color="#16212c"/><stop offset="1" stop-color="#07090c"/>
 </radialGradient>
</defs>
<rect x="4" y="4" width="120" height="120" rx="24" fill="{BG_DARK}"/>
<rect x="50" y="14" width="28" height="14" rx="4" fill="{BG_LIGHT}"/>
<rect x="14" y="26" width="100" height="76" rx="16" fill="url(#body)" stroke="#4a5059" stroke-width="2"/>
<circle cx="64" cy="64" r="30" fill="{BG_DARK}"/>
<circle cx="64" cy="64" r="26" fill="none" stroke="{ACCENT}" stroke-width="5"/>
<circle cx="64" cy="64" r="19" fill="url(#glass)"/>
<circle cx="64" cy="64" r="8" fill="#05070a"/>
<ellipse cx="57" cy="56" rx="6" ry="4" fill="#ffffff" fill-opacity="0.35" transform="rotate(-30 57 56)"/>
<circle cx="100" cy="40" r="4" fill="#e04848"/>
<rect x="24" y="38" width="14" height="4" rx="2" fill="{DIM}"/>
""")


# Nine-part frames behind the two videos: "v1" (large video), "v2" (small video).
def nine_part(base, c, radius, line):
    frame = BG_LIGHT

    def corner(name, transform):
        svg(f"{base}_{name}", c, c, f"""<g transform="{transform}">
<path d="M0,{c} L0,{radius} A{radius},{radius} 0 0 1 {radius},0 L{c},0 L{c},{c} Z" fill="{BG_DARK}"/>
<path d="M{line/2},{c} L{line/2},{radius} A{radius - line/2},{radius - line/2} 0 0 1 {radius},{line/2} L{c},{line/2}"
 fill="none" stroke="{frame}" stroke-width="{line}"/>
<rect x="{line + 2}" y="{line + 2}" width="{c - line - 2}" height="{c - line - 2}" fill="{VIDEO}"/>
</g>""")

    corner("top_left_corner", "")
    corner("top_right_corner", f"translate({c},0) scale(-1,1)")
    corner("bottom_left_corner", f"translate(0,{c}) scale(1,-1)")
    corner("bottom_right_corner", f"translate({c},{c}) scale(-1,-1)")

    def edge(name, transform):
        svg(f"{base}_{name}", c, c, f"""<g transform="{transform}">
<rect x="0" y="0" width="{c}" height="{c}" fill="{BG_DARK}"/>
<rect x="0" y="0" width="{c}" height="{line}" fill="{frame}"/>
<rect x="0" y="{line + 2}" width="{c}" height="{c - line - 2}" fill="{VIDEO}"/>
</g>""")

    edge("top_edge_fill", "")
    edge("bottom_edge_fill", f"translate(0,{c}) scale(1,-1)")
    edge("left_edge_fill", f"translate(0,{c}) rotate(-90)")
    edge("right_edge_fill", f"translate({c},0) rotate(90)")
    svg(f"{base}_center_fill", c, c, f'<rect width="{c}" height="{c}" fill="{VIDEO}"/>')


nine_part("v1", 12, 10, 2)
nine_part("v2", 8, 6, 1.5)


# Channel logos shown in the middle of an empty video area.
def camera_glyph(x, y, s, colour):
    return f"""<g transform="translate({x},{y}) scale({s})">
<rect x="0" y="6" width="30" height="20" rx="4" fill="none" stroke="{colour}" stroke-width="2.5"/>
<rect x="10" y="1.5" width="10" height="5" rx="1.5" fill="{colour}"/>
<circle cx="15" cy="16" r="6" fill="none" stroke="{ACCENT}" stroke-width="2.5"/>
</g>"""


def logo(name, w, h, word, s):
    size = 15 * s
    svg(name, w, h, f"""
{camera_glyph(4 * s, (h - 28 * s) / 2, s, DIM)}
<text x="{42 * s}" y="{h / 2 + size * 0.36:.1f}" font-family="DejaVu Sans, Liberation Sans, sans-serif"
 font-size="{size:.1f}" font-weight="bold" letter-spacing="{2 * s:.1f}" fill="{DIM}">{word}</text>""")


logo("v1_front_logo", 150, 44, "FRONT", 1.0)
logo("v1_rear_logo", 136, 44, "REAR", 1.0)
logo("v2_front_logo", 112, 33, "FRONT", 0.75)
logo("v2_rear_logo", 102, 33, "REAR", 0.75)

# Full-screen control bar: the same image serves as its left, middle and right part.
svg("bottom-background", 36, 36, f"""
<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">
 <stop offset="0" stop-color="{BG}" stop-opacity="0.92"/><stop offset="1" stop-color="{BG_DARK}" stop-opacity="0.92"/>
</linearGradient></defs>
<rect width="36" height="36" fill="url(#g)"/>
<rect width="36" height="1" fill="#4a5059"/>""")

# Round image buttons: _n normal, _f mouse over, _p pressed.
GLYPHS = {
    "play": '<path d="M19,14 L35,24 L19,34 Z" fill="{g}"/>',
    "pause": '<rect x="16" y="14" width="6" height="20" rx="1.5" fill="{g}"/>'
             '<rect x="26" y="14" width="6" height="20" rx="1.5" fill="{g}"/>',
    "fullscreen": '<path d="M14,20 V14 H20 M28,14 H34 V20 M34,28 V34 H28 M20,34 H14 V28" fill="none" '
                  'stroke="{g}" stroke-width="3" stroke-linecap="round" stroke-linejoin="round"/>',
    "folder": '<path d="M13,17 H21 L24,20 H35 V33 H13 Z" fill="none" stroke="{g}" stroke-width="2.5" '
              'stroke-linejoin="round"/>',
    "setting": '<circle cx="24" cy="24" r="7" fill="none" stroke="{g}" stroke-width="3"/>'
               '<path d="M24,12 V16 M24,32 V36 M12,24 H16 M32,24 H36 M15.5,15.5 L18.3,18.3 M29.7,29.7 L32.5,32.5 '
               'M15.5,32.5 L18.3,29.7 M29.7,18.3 L32.5,15.5" stroke="{g}" stroke-width="3" stroke-linecap="round"/>',
    "clock": '<circle cx="24" cy="24" r="11" fill="none" stroke="{g}" stroke-width="2.5"/>'
             '<path d="M24,17 V24 L29,27" fill="none" stroke="{g}" stroke-width="2.5" stroke-linecap="round"/>',
    "snapshot": '<rect x="13" y="18" width="22" height="15" rx="3" fill="none" stroke="{g}" stroke-width="2.5"/>'
                '<path d="M19,18 L21,14 H27 L29,18" fill="none" stroke="{g}" stroke-width="2.5" '
                'stroke-linejoin="round"/><circle cx="24" cy="25.5" r="4" fill="none" stroke="{g}" stroke-width="2.5"/>',
    "print": '<path d="M17,20 V13 H31 V20" fill="none" stroke="{g}" stroke-width="2.5" stroke-linejoin="round"/>'
             '<rect x="12" y="20" width="24" height="10" rx="2" fill="none" stroke="{g}" stroke-width="2.5"/>'
             '<rect x="17" y="27" width="14" height="8" fill="{bg}" stroke="{g}" stroke-width="2.5"/>',
    "close": '<path d="M17,17 L31,31 M31,17 L17,31" stroke="{g}" stroke-width="3" stroke-linecap="round"/>',
    "export": '<path d="M14,26 V33 H34 V26" fill="none" stroke="{g}" stroke-width="2.5" stroke-linejoin="round"/>'
              '<path d="M24,28 V12 M18,18 L24,12 L30,18" fill="none" stroke="{g}" stroke-width="2.5" '
              'stroke-linecap="round" stroke-linejoin="round"/>',
    # Ten-second jumps: a turning arrow with the number of seconds inside.
    "jump_backward": '<path d="M15,17 A11,11 0 1 1 13,27" fill="none" stroke="{g}" stroke-width="2.5" '
                     'stroke-linecap="round"/><path d="M10,13 L16,17 L11,22 Z" fill="{g}"/>'
                     '<text x="24" y="28.5" text-anchor="middle" font-family="DejaVu Sans, sans-serif" '
                     'font-size="10" font-weight="bold" fill="{g}">10</text>',
    "jump_forward": '<path d="M33,17 A11,11 0 1 0 35,27" fill="none" stroke="{g}" stroke-width="2.5" '
                    'stroke-linecap="round"/><path d="M38,13 L32,17 L37,22 Z" fill="{g}"/>'
                    '<text x="24" y="28.5" text-anchor="middle" font-family="DejaVu Sans, sans-serif" '
                    'font-size="10" font-weight="bold" fill="{g}">10</text>',
    "audio_front": '<path d="M13,20 H18 L24,15 V33 L18,28 H13 Z" fill="{g}"/>'
                   '<path d="M28,19 Q32,24 28,29 M31,16 Q37,24 31,32" fill="none" stroke="{g}" '
                   'stroke-width="2.2" stroke-linecap="round"/>'
                   '<text x="34" y="38" font-family="DejaVu Sans, sans-serif" font-size="9" font-weight="bold" '
                   'fill="{g}">F</text>',
    "audio_rear": '<path d="M13,20 H18 L24,15 V33 L18,28 H13 Z" fill="{g}"/>'
                  '<path d="M28,19 Q32,24 28,29 M31,16 Q37,24 31,32" fill="none" stroke="{g}" '
                  'stroke-width="2.2" stroke-linecap="round"/>'
                  '<text x="34" y="38" font-family="DejaVu Sans, sans-serif" font-size="9" font-weight="bold" '
                  'fill="{g}">R</text>',
}
STATES = {
    "n": dict(fill=BG, ring="#4a5059", glyph=TEXT),
    "f": dict(fill=BG_LIGHT, ring=ACCENT, glyph=ACCENT),
    "p": dict(fill=ACCENT, ring=ACCENT_DARK, glyph=BG_DARK),
    "d": dict(fill=BG_DARK, ring=BG_LIGHT, glyph="#555b64"),
}
for glyph, path in GLYPHS.items():
    for state, st in STATES.items():
        svg(f"icon_{glyph}_{state}", 48, 48, f"""
<circle cx="24" cy="24" r="22" fill="{st['fill']}" stroke="{st['ring']}" stroke-width="2"/>
{path.format(g=st['glyph'], bg=st['fill'])}""")

# Recording kind images of the list: a car seen from the side, the camera that recorded marked in
# amber at its front or its back; the body tells the kind (grey: always, outline: motion, amber: event).
CAR = "M3,12 L5,7 Q6,5 8,5 L17,5 Q19,5 20,7 L22,9 L25,10 Q27,10.5 27,12 L27,13 L3,13 Z"
for channel in ("front", "rear"):
    for kind in ("alwa", "motion", "event"):
        body = {"alwa": f'fill="{DIM}"', "motion": f'fill="none" stroke="{TEXT}" stroke-width="1.3"',
                "event": f'fill="{ACCENT}"'}[kind]
        marker_x = 25 if channel == "front" else 1
        extra = ""
        if kind == "motion":
            extra = f'<path d="M0,7 H3 M0,10 H2" stroke="{ACCENT}" stroke-width="1.2" stroke-linecap="round"/>' \
                if channel == "front" else \
                f'<path d="M27,7 H30 M28,10 H30" stroke="{ACCENT}" stroke-width="1.2" stroke-linecap="round"/>'
        svg(f"car_{channel}_{kind}", 30, 18, f"""
<path d="{CAR}" {body} stroke-linejoin="round"/>
<circle cx="9" cy="13.5" r="2.5" fill="{BG_DARK}" stroke="{TEXT}" stroke-width="1.2"/>
<circle cx="21" cy="13.5" r="2.5" fill="{BG_DARK}" stroke="{TEXT}" stroke-width="1.2"/>
<rect x="{marker_x}" y="1" width="4" height="4" rx="1" fill="{ACCENT}" stroke="{BG_DARK}" stroke-width="0.8"/>
{extra}""")


# Side buttons above the right column: the recording list ("record") and the map ("information").
def side_button(name, pressed, glyph):
    w, h = 167, 32
    fill = BG_DARK if pressed else BG
    colour = ACCENT if pressed else DIM
    underline = f'<rect x="0" y="{h - 3}" width="{w}" height="3" fill="{ACCENT}"/>' if pressed else \
        f'<rect x="0" y="{h - 1}" width="{w}" height="1" fill="{BG_LIGHT}"/>'
    svg(name, w, h, f"""<rect width="{w}" height="{h}" fill="{fill}"/>
<rect x="{w - 1}" y="0" width="1" height="{h}" fill="{BG_LIGHT}"/>{underline}
<g transform="translate({w / 2 - 10},{h / 2 - 11})">{glyph.format(c=colour)}</g>""")


LIST = ('<rect x="1" y="4" width="18" height="14" rx="2" fill="none" stroke="{c}" stroke-width="2"/>'
        '<path d="M5,4 V18 M15,4 V18" stroke="{c}" stroke-width="1.5"/>'
        '<path d="M1,8.5 H5 M1,13.5 H5 M15,8.5 H19 M15,13.5 H19" stroke="{c}" stroke-width="1.5"/>')
PIN = ('<path d="M10,21 C4,13 3,10 3,8 A7,7 0 0 1 17,8 C17,10 16,13 10,21 Z" fill="none" stroke="{c}" '
       'stroke-width="2" stroke-linejoin="round"/><circle cx="10" cy="8" r="2.5" fill="{c}"/>')
side_button("record_n", False, LIST)
side_button("record_p", True, LIST)
side_button("information_n", False, PIN)
side_button("information_p", True, PIN)


# Three-part bezel of text buttons; the "_pressed" set has the amber rim.
def bezel(suffix, pressed):
    rim = ACCENT if pressed else "#4a5059"
    top, bottom = (BG_DARK, "#16181c") if pressed else (BG_LIGHT, BG)
    grad = f"""<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">
<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/></linearGradient></defs>"""
    svg(f"bg_bt_info_left{suffix}", 8, 24, f"""{grad}
<path d="M8,0.5 H6 A5.5,5.5 0 0 0 0.5,6 V18 A5.5,5.5 0 0 0 6,23.5 H8" fill="url(#g)" stroke="{rim}"/>""")
    svg(f"bg_bt_info_center{suffix}", 8, 24, f"""{grad}
<rect y="0" width="8" height="24" fill="url(#g)"/>
<rect y="0" width="8" height="1" fill="{rim}"/><rect y="23" width="8" height="1" fill="{rim}"/>""")
    svg(f"bg_bt_info_right{suffix}", 8, 24, f"""{grad}
<path d="M0,0.5 H2 A5.5,5.5 0 0 1 7.5,6 V18 A5.5,5.5 0 0 1 2,23.5 H0" fill="url(#g)" stroke="{rim}"/>""")


bezel("", False)
bezel("_pressed", True)

# Progress bars over the application icon: 128 by 16, the bar in the lower 11 points.
svg("blueProgress", 128, 16, f"""<defs><linearGradient id="g" x1="0" y1="0" x2="0" y2="1">
<stop offset="0" stop-color="#ffc45e"/><stop offset="1" stop-color="{ACCENT_DARK}"/></linearGradient></defs>
<rect x="0" y="5" width="128" height="11" fill="url(#g)"/>
<rect x="0" y="5" width="128" height="1" fill="#ffe0a6"/>""")
svg("greyProgress", 128, 16, f"""<rect x="0" y="5" width="128" height="11" fill="#5a616b"/>
<rect x="0" y="5" width="128" height="1" fill="#8a919b"/><rect x="0" y="15" width="128" height="1" fill="#464c55"/>""")
stripes = "".join(f'<path d="M{x},16 L{x + 11},5 L{x + 27},5 L{x + 16},16 Z" fill="{ACCENT}"/>'
                  for x in range(-32, 192, 32))
svg("barberProgress", 160, 16, f"""<rect x="0" y="5" width="160" height="11" fill="{BG}"/>
{stripes}<rect x="0" y="5" width="160" height="1" fill="#ffe0a6" fill-opacity="0.6"/>""")


# The eco-drive range slider: its bar and two knobs pointing down at the scale under it;
# the left knob carries its grip lines towards the low end, the right one towards the high end.
svg("eco_barFill", 12, 6, f"""<rect x="0.5" y="0.5" width="11" height="5" rx="2.5" fill="{BG_DARK}" stroke="#4a5059"/>""")


def eco_knob(name, grip_x):
    grad = f"""<defs><linearGradient id="k" x1="0" y1="0" x2="0" y2="1">
<stop offset="0" stop-color="#e4e7eb"/><stop offset="1" stop-color="#a9b0ba"/></linearGradient></defs>"""
    grips = "".join(f'<rect x="{x}" y="5" width="1" height="8" fill="{BG}"/>' for x in grip_x)
    svg(name, 14, 22, f"""{grad}
<path d="M2,0.5 H12 A1.5,1.5 0 0 1 13.5,2 V15 L7,21.5 L0.5,15 V2 A1.5,1.5 0 0 1 2,0.5 Z"
 fill="url(#k)" stroke="{BG_DARK}"/>{grips}""")


eco_knob("eco_knob_left", (4, 6))
eco_knob("eco_knob_right", (8, 10))


def main():
    for name, text in images.items():
        with open(os.path.join(HERE, name + ".svg"), "w", encoding="utf-8") as out:
            out.write(text)
    with open(os.path.join(HERE, "orvex_images.qrc"), "w", encoding="utf-8") as out:
        out.write('<!DOCTYPE RCC>\n<RCC version="1.0">\n    <qresource prefix="/images">\n')
        for name in sorted(images):
            out.write(f"        <file>{name}.svg</file>\n")
        out.write("    </qresource>\n</RCC>\n")
    print(f"{len(images)} images")


if __name__ == "__main__":
    main()
