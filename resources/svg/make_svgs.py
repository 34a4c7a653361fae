#!/usr/bin/env python3
"""Writes the SVG sources of the program's pictures and icons (one file each).

The pictures are illustrations drawn from a few shared parts: the ZQ antenna
(two equal cylinders one diameter apart with the tuning coil between them),
people, masts, sky and ground. Run it, then convert.sh, and commit both.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
FONT = "Liberation Sans, Arial, sans-serif"

DEFS = """<defs>
<linearGradient id="metal" x1="0" y1="0" x2="1" y2="0">
 <stop offset="0" stop-color="#8a939c"/><stop offset="0.35" stop-color="#eef2f5"/>
 <stop offset="0.6" stop-color="#b9c2ca"/><stop offset="1" stop-color="#69727b"/></linearGradient>
<linearGradient id="copper" x1="0" y1="0" x2="1" y2="0">
 <stop offset="0" stop-color="#8c4a1c"/><stop offset="0.5" stop-color="#e59a5c"/><stop offset="1" stop-color="#7a3e15"/></linearGradient>
<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
 <stop offset="0" stop-color="#5d9bd6"/><stop offset="1" stop-color="#d6ecfa"/></linearGradient>
<linearGradient id="dusk" x1="0" y1="0" x2="0" y2="1">
 <stop offset="0" stop-color="#0d2a52"/><stop offset="1" stop-color="#1f5c99"/></linearGradient>
<linearGradient id="grass" x1="0" y1="0" x2="0" y2="1">
 <stop offset="0" stop-color="#6fa84a"/><stop offset="1" stop-color="#3f7a2a"/></linearGradient>
<linearGradient id="wood" x1="0" y1="0" x2="0" y2="1">
 <stop offset="0" stop-color="#b98a55"/><stop offset="1" stop-color="#8b6236"/></linearGradient>
<linearGradient id="indoor" x1="0" y1="0" x2="0" y2="1">
 <stop offset="0" stop-color="#efe6d6"/><stop offset="1" stop-color="#d8cbb3"/></linearGradient>
</defs>"""


def svg(w, h, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
            f'viewBox="0 0 {w} {h}">\n{DEFS}\n{body}\n</svg>\n')


def text(x, y, s, size=12, weight="normal", fill="#000", anchor="start", style=""):
    return (f'<text x="{x}" y="{y}" font-family="{FONT}" font-size="{size}" font-weight="{weight}" '
            f'fill="{fill}" text-anchor="{anchor}" {style}>{s}</text>')


def cylinder(x, y, d, length, fill="url(#metal)"):
    """A vertical cylinder seen slightly from above: x, y its top left."""
    ry = d * 0.12
    return (f'<path d="M{x},{y} L{x},{y+length} A{d/2},{ry} 0 0 0 {x+d},{y+length} L{x+d},{y} Z" '
            f'fill="{fill}" stroke="#444" stroke-width="{max(0.6, d/40):.2f}"/>'
            f'<ellipse cx="{x+d/2}" cy="{y}" rx="{d/2}" ry="{ry}" fill="#d9dfe4" stroke="#444" '
            f'stroke-width="{max(0.6, d/40):.2f}"/>')


def coil(cx, y, d, height, turns=7):
    """The tuning coil: turns of copper wire round a former of diameter d."""
    parts = [f'<rect x="{cx-d*0.3}" y="{y}" width="{d*0.6}" height="{height}" fill="#f4efe2" stroke="#8b8066" stroke-width="0.5"/>']
    step = height / turns
    sw = max(1.0, step * 0.45)
    for i in range(turns):
        yy = y + step * (i + 0.5)
        parts.append(f'<path d="M{cx-d*0.32},{yy-step*0.25} Q{cx},{yy+step*0.55} {cx+d*0.32},{yy+step*0.25}" '
                     f'stroke="url(#copper)" stroke-width="{sw:.2f}" fill="none" stroke-linecap="round"/>')
    return "".join(parts)


def zq_antenna(cx, top, d, ratio=2.2, coil_turns=7):
    """Two equal cylinders one diameter apart, the tuning coil between them.
    Returns (svg, total height)."""
    length = d * ratio
    x = cx - d / 2
    body = [cylinder(x, top, d, length)]
    gap_top = top + length + d * 0.12
    body.append(coil(cx, gap_top, d, d * 0.88, coil_turns))
    body.append(cylinder(x, top + length + d, d, length))
    return "".join(body), length * 2 + d


def mast(cx, top, bottom, w=4):
    return (f'<rect x="{cx-w/2}" y="{top}" width="{w}" height="{bottom-top}" fill="#7d858c" stroke="#4b5157" stroke-width="0.6"/>')


def person(x, feet, h, shirt="#3b6fb0", trousers="#3a3f4a", skin="#e8b996", hair="#5a4632", arm=None):
    """A standing person, x the centre, feet the ground line, h the height."""
    head = h * 0.13
    sh = feet - h * 0.82
    parts = [
        f'<rect x="{x-h*0.1}" y="{feet-h*0.47}" width="{h*0.085}" height="{h*0.47}" rx="{h*0.03}" fill="{trousers}"/>',
        f'<rect x="{x+h*0.015}" y="{feet-h*0.47}" width="{h*0.085}" height="{h*0.47}" rx="{h*0.03}" fill="{trousers}"/>',
        f'<rect x="{x-h*0.13}" y="{sh}" width="{h*0.26}" height="{h*0.4}" rx="{h*0.06}" fill="{shirt}"/>',
        f'<rect x="{x-h*0.035}" y="{sh-h*0.05}" width="{h*0.07}" height="{h*0.07}" fill="{skin}"/>',
        f'<circle cx="{x}" cy="{sh-head*0.95}" r="{head*0.72}" fill="{skin}"/>',
        f'<path d="M{x-head*0.74},{sh-head*0.95} A{head*0.74},{head*0.78} 0 0 1 {x+head*0.74},{sh-head*0.95} '
        f'Q{x},{sh-head*1.35} {x-head*0.74},{sh-head*0.95} Z" fill="{hair}"/>',
    ]
    if arm == "up":
        parts.append(f'<path d="M{x+h*0.11},{sh+h*0.05} L{x+h*0.24},{sh-h*0.08}" stroke="{shirt}" stroke-width="{h*0.06}" stroke-linecap="round"/>')
        parts.append(f'<path d="M{x-h*0.11},{sh+h*0.05} L{x-h*0.16},{sh+h*0.33}" stroke="{shirt}" stroke-width="{h*0.06}" stroke-linecap="round"/>')
    else:
        for side in (-1, 1):
            parts.append(f'<path d="M{x+side*h*0.11},{sh+h*0.05} L{x+side*h*0.16},{sh+h*0.33}" stroke="{shirt}" '
                         f'stroke-width="{h*0.06}" stroke-linecap="round"/>')
    return "".join(parts)


def outdoor(w, h, horizon, sky="url(#sky)"):
    return (f'<rect width="{w}" height="{h}" fill="{sky}"/>'
            f'<rect y="{horizon}" width="{w}" height="{h-horizon}" fill="url(#grass)"/>')


def clouds(points):
    out = []
    for x, y, s in points:
        out.append(f'<g fill="#ffffff" opacity="0.85"><ellipse cx="{x}" cy="{y}" rx="{s}" ry="{s*0.45}"/>'
                   f'<ellipse cx="{x+s*0.6}" cy="{y-s*0.2}" rx="{s*0.6}" ry="{s*0.4}"/>'
                   f'<ellipse cx="{x-s*0.6}" cy="{y+s*0.05}" rx="{s*0.5}" ry="{s*0.3}"/></g>')
    return "".join(out)


def waves(cx, cy, radii, color="#ffffff", width=2, opacity=0.7):
    out = []
    for r in radii:
        for sweep_dir in (1, -1):
            x1 = cx + sweep_dir * r * 0.7
            out.append(f'<path d="M{x1},{cy-r*0.7} A{r},{r} 0 0 {1 if sweep_dir > 0 else 0} {x1},{cy+r*0.7}" '
                       f'stroke="{color}" stroke-width="{width}" fill="none" opacity="{opacity}"/>')
    return "".join(out)


def radio(x, y, w, h):
    """A transceiver on a desk: display, dial, knobs."""
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{h*0.08}" fill="#2c3036" stroke="#15171a"/>'
            f'<rect x="{x+w*0.06}" y="{y+h*0.15}" width="{w*0.4}" height="{h*0.3}" fill="#7fd0ff"/>'
            + text(x + w * 0.26, y + h * 0.38, "7.150", size=h * 0.2, weight="bold", fill="#0b2a40", anchor="middle")
            + f'<circle cx="{x+w*0.72}" cy="{y+h*0.5}" r="{h*0.28}" fill="#50565e" stroke="#111"/>'
            f'<circle cx="{x+w*0.72}" cy="{y+h*0.5}" r="{h*0.08}" fill="#999"/>'
            + "".join(f'<circle cx="{x+w*(0.1+0.12*i)}" cy="{y+h*0.75}" r="{h*0.07}" fill="#8a9099"/>' for i in range(4)))


def write(name, content):
    with open(os.path.join(HERE, name), "w", encoding="utf-8") as f:
        f.write(content)


# --- Main window -----------------------------------------------------------

def banner():
    w, h = 1325, 137
    ant, _ = zq_antenna(150, 16, 26, ratio=1.6, coil_turns=5)
    body = [f'<rect width="{w}" height="{h}" fill="url(#dusk)"/>',
            f'<path d="M0,{h} Q{w*0.35},{h*0.55} {w},{h*0.8} L{w},{h} Z" fill="#123a6b" opacity="0.8"/>',
            waves(150, 68, [44, 60, 76], color="#8fd3ff", width=3, opacity=0.55),
            ant,
            text(230, 66, "ZQ ANTENNA DESIGNER", size=46, weight="bold", fill="#ffffff"),
            text(232, 102, "Compact high-frequency antennas for the radio amateur", size=22, fill="#bfe3ff"),
            text(w - 40, 60, "Design", size=26, weight="bold", fill="#ffd26a", anchor="end"),
            text(w - 40, 90, "Build  \u2022  Tune  \u2022  Share", size=20, fill="#ffffff", anchor="end")]
    write("mt_business_top.svg", svg(w, h, "".join(body)))


def antenna_on_mast():
    w, h = 242, 320
    ant, ah = zq_antenna(121, 38, 34, ratio=2.0)
    body = [outdoor(w, h, 262), clouds([(60, 40, 26), (190, 80, 20)]),
            f'<path d="M0,262 L0,235 L70,200 L140,235 L140,262 Z" fill="#b4543c"/>',
            f'<rect x="14" y="232" width="112" height="30" fill="#efe2c8"/>',
            f'<rect x="30" y="240" width="20" height="16" fill="#6b8cae"/><rect x="88" y="240" width="20" height="16" fill="#6b8cae"/>',
            mast(121, 38 + ah, 300, 6), ant,
            f'<path d="M121,{38+ah+10} L70,300 M121,{38+ah+10} L172,300" stroke="#555" stroke-width="0.8"/>',
            f'<rect x="108" y="298" width="26" height="6" fill="#777"/>']
    write("zqantenna1.svg", svg(w, h, "".join(body)))


def van():
    w, h = 478, 329
    ant, ah = zq_antenna(300, 26, 26, ratio=2.0)
    body = [f'<rect width="{w}" height="{h}" fill="url(#sky)"/>', clouds([(90, 50, 30), (400, 40, 24)]),
            f'<rect y="270" width="{w}" height="{h-270}" fill="#6d6f73"/>',
            f'<rect y="295" width="{w}" height="6" fill="#e8e8e8"/>',
            mast(300, 26 + ah, 150, 7), ant,
            # the van
            f'<path d="M40,160 L330,160 L330,150 L350,150 L350,160 L380,160 Q405,162 420,200 L440,215 L440,262 L40,262 Z" fill="#fafafa" stroke="#666" stroke-width="1.5"/>',
            f'<path d="M385,170 Q403,175 415,205 L385,205 Z" fill="#8db8d8" stroke="#555"/>',
            f'<rect x="40" y="215" width="400" height="18" fill="#e4672c"/>',
            f'<rect x="40" y="233" width="400" height="8" fill="#1d4f91"/>',
            text(236, 200, "EMERGENCY COMMUNICATIONS", size=17, weight="bold", fill="#1d4f91", anchor="middle"),
            text(200, 228, "AMATEUR RADIO", size=13, weight="bold", fill="#ffffff", anchor="middle"),
            f'<rect x="52" y="166" width="36" height="18" fill="#8db8d8" stroke="#555"/>',
            f'<rect x="355" y="152" width="24" height="8" fill="#e43" />',
            ''.join(f'<circle cx="{cx}" cy="262" r="24" fill="#222"/><circle cx="{cx}" cy="262" r="10" fill="#aaa"/>' for cx in (110, 370))]
    write("van.svg", svg(w, h, "".join(body)))


def portrait():
    w, h = 161, 176
    body = [f'<rect width="{w}" height="{h}" fill="#c9d6e3"/>',
            f'<rect x="0" y="0" width="{w}" height="{h}" fill="url(#indoor)" opacity="0.35"/>',
            # shoulders and jacket
            f'<path d="M10,{h} Q18,122 80,116 Q143,122 151,{h} Z" fill="#34495e"/>',
            f'<path d="M62,118 L80,150 L98,118 Z" fill="#f2f2f2"/>',
            f'<path d="M76,124 L80,150 L84,124 L80,120 Z" fill="#8b1e2b"/>',
            f'<rect x="68" y="98" width="24" height="24" fill="#e2b08c"/>',
            # head
            f'<ellipse cx="80" cy="72" rx="30" ry="36" fill="#e8b996"/>',
            f'<path d="M50,66 Q52,30 82,32 Q110,32 110,66 Q104,46 80,46 Q58,46 50,66 Z" fill="#9a9a9a"/>',
            f'<ellipse cx="50" cy="76" rx="5" ry="9" fill="#dba985"/><ellipse cx="110" cy="76" rx="5" ry="9" fill="#dba985"/>',
            # glasses, eyes, smile
            f'<g fill="none" stroke="#333" stroke-width="2"><rect x="58" y="66" width="18" height="12" rx="4"/>'
            f'<rect x="84" y="66" width="18" height="12" rx="4"/><path d="M76,71 L84,71"/></g>',
            f'<circle cx="67" cy="72" r="2.2" fill="#333"/><circle cx="93" cy="72" r="2.2" fill="#333"/>',
            f'<path d="M70,92 Q80,99 90,92" stroke="#9b4f3a" stroke-width="2" fill="none"/>']
    write("portrait.svg", svg(w, h, "".join(body)))


# --- Pictures window ---------------------------------------------------------

def group_of_builders():
    w, h = 578, 369
    body = [outdoor(w, h, 250), clouds([(100, 60, 34), (420, 50, 28)]),
            f'<rect x="0" y="200" width="{w}" height="52" fill="#8fb26b" opacity="0.6"/>']
    shirts = ["#c0392b", "#2e86c1", "#27ae60", "#8e44ad", "#d68910"]
    for i, shirt in enumerate(shirts):
        x = 70 + i * 108
        ant, ah = zq_antenna(x + 36, 150 - (i % 2) * 14, 16, ratio=2.2, coil_turns=5)
        body.append(mast(x + 36, 150 - (i % 2) * 14 + ah, 330, 3))
        body.append(ant)
        body.append(f'<path d="M{x+24},330 L{x+48},330" stroke="#555" stroke-width="3"/>')
        body.append(person(x, 335, 150 - (i % 2) * 10, shirt=shirt, hair=["#5a4632", "#222", "#a67b4b", "#777", "#3b2a1a"][i]))
    write("zq_008.svg", svg(w, h, "".join(body)))


def row_of_antennas():
    w, h = 228, 369
    body = [f'<rect width="{w}" height="{h}" fill="url(#indoor)"/>',
            f'<rect y="300" width="{w}" height="{h-300}" fill="url(#wood)"/>',
            f'<rect y="296" width="{w}" height="6" fill="#6e4b28"/>']
    for i in range(4):
        d = 26 - i * 3
        x = 38 + i * 52
        top = 60 + i * 14
        ant, ah = zq_antenna(x, top, d, ratio=2.4, coil_turns=6)
        body.append(mast(x, top + ah, 298, 3))
        body.append(ant)
        body.append(f'<rect x="{x-12}" y="294" width="24" height="5" fill="#555"/>')
    body.append(text(w / 2, 30, "Ready for the air", size=16, weight="bold", fill="#6e4b28", anchor="middle"))
    write("ex2.svg", svg(w, h, "".join(body)))


def under_roof():
    w, h = 214, 239
    ant, ah = zq_antenna(107, 74, 22, ratio=2.0)
    body = [f'<rect width="{w}" height="{h}" fill="#5a4030"/>',
            f'<path d="M0,{h} L107,20 L{w},{h} Z" fill="#c8a77c"/>',
            ''.join(f'<path d="M{107-k*18},{20+k*18*2.04} L{107+k*18},{20+k*18*2.04}" stroke="#8b6a44" stroke-width="2"/>' for k in range(1, 6)),
            f'<path d="M0,{h} L107,20 L{w},{h}" stroke="#6b4a2a" stroke-width="8" fill="none"/>',
            f'<path d="M107,20 L107,74" stroke="#333" stroke-width="1.5"/>',
            ant,
            f'<path d="M107,{74+ah} Q120,{h-10} 170,{h-6}" stroke="#222" stroke-width="3" fill="none"/>',
            f'<rect y="{h-12}" width="{w}" height="12" fill="#7a5a3a"/>']
    write("station1.svg", svg(w, h, "".join(body)))


def rooftop():
    w, h = 209, 227
    ant, ah = zq_antenna(150, 20, 18, ratio=2.0, coil_turns=5)
    body = [f'<rect width="{w}" height="{h}" fill="url(#sky)"/>', clouds([(50, 40, 22)]),
            f'<path d="M0,150 L104,95 L{w},150 L{w},{h} L0,{h} Z" fill="#f0e3c8"/>',
            f'<path d="M-10,155 L104,92 L{w+10},155" fill="#a9442f" stroke="#7b2f20" stroke-width="5"/>',
            f'<rect x="40" y="170" width="34" height="30" fill="#6b8cae" stroke="#fff" stroke-width="3"/>',
            f'<rect x="130" y="170" width="34" height="30" fill="#6b8cae" stroke="#fff" stroke-width="3"/>',
            mast(150, 20 + ah, 128, 4), ant]
    write("station2.svg", svg(w, h, "".join(body)))


def beside_radio():
    w, h = 209, 227
    ant, ah = zq_antenna(160, 30, 22, ratio=2.0)
    body = [f'<rect width="{w}" height="{h}" fill="url(#indoor)"/>',
            f'<rect y="160" width="{w}" height="{h-160}" fill="url(#wood)"/>',
            radio(12, 112, 110, 48),
            f'<rect x="20" y="70" width="70" height="40" rx="3" fill="#3c4148"/>'
            f'<circle cx="55" cy="90" r="14" fill="#22262b"/><circle cx="55" cy="90" r="6" fill="#555"/>',
            mast(160, 30 + ah, 158, 4), ant,
            f'<rect x="146" y="156" width="28" height="6" fill="#555"/>',
            f'<path d="M122,140 Q140,150 160,158" stroke="#111" stroke-width="3" fill="none"/>']
    write("ex5.svg", svg(w, h, "".join(body)))


def two_cones():
    w, h = 209, 227
    cx = 104
    body = [outdoor(w, h, 200), clouds([(40, 30, 20), (170, 50, 16)]),
            f'<path d="M{cx-34},20 L{cx+34},20 L{cx+5},92 L{cx-5},92 Z" fill="url(#metal)" stroke="#444"/>',
            f'<ellipse cx="{cx}" cy="20" rx="34" ry="6" fill="#d9dfe4" stroke="#444"/>',
            coil(cx, 92, 22, 24, 5),
            f'<path d="M{cx-5},116 L{cx+5},116 L{cx+34},188 L{cx-34},188 Z" fill="url(#metal)" stroke="#444"/>',
            f'<ellipse cx="{cx}" cy="188" rx="34" ry="6" fill="#a9b2ba" stroke="#444"/>',
            mast(cx, 194, 226, 5)]
    write("ex6.svg", svg(w, h, "".join(body)))


def on_the_bench():
    w, h = 209, 227
    body = [f'<rect width="{w}" height="{h}" fill="#dfe6ea"/>',
            f'<rect y="150" width="{w}" height="{h-150}" fill="url(#wood)"/>',
            # antenna lying along the bench
            f'<g transform="translate(18,178) rotate(-90)">{zq_antenna(0, 0, 26, ratio=2.3)[0]}</g>',
            # the analyser with a VSWR dip on its screen
            f'<rect x="110" y="40" width="90" height="104" rx="6" fill="#f2c14e" stroke="#8a6a1e" stroke-width="2"/>',
            f'<rect x="118" y="50" width="74" height="52" fill="#10301a"/>',
            f'<path d="M120,58 Q140,60 150,92 Q160,60 190,58" stroke="#6dff8a" stroke-width="2" fill="none"/>',
            text(155, 116, "SWR 1.1", size=11, weight="bold", fill="#3a2a05", anchor="middle"),
            f'<circle cx="135" cy="130" r="7" fill="#444"/><circle cx="175" cy="130" r="7" fill="#444"/>',
            f'<path d="M155,144 Q150,170 110,176" stroke="#111" stroke-width="3" fill="none"/>']
    write("ex3.svg", svg(w, h, "".join(body)))


def users_with_antennas():
    w, h = 209, 227
    body = [outdoor(w, h, 170), clouds([(150, 30, 18)])]
    for x, shirt, hair, top in ((60, "#16a085", "#3b2a1a", 30), (150, "#c0392b", "#777", 44)):
        ant, ah = zq_antenna(x + 28, top, 14, ratio=2.2, coil_turns=5)
        body.append(mast(x + 28, top + ah, 150, 3))
        body.append(ant)
        body.append(person(x, 215, 120, shirt=shirt, hair=hair, arm="up"))
    write("ex7.svg", svg(w, h, "".join(body)))


# --- Calculator logo and schematic --------------------------------------------

def logo():
    w, h = 170, 196
    ant, ah = zq_antenna(48, 28, 26, ratio=1.9, coil_turns=6)
    body = [f'<rect width="{w}" height="{h}" rx="14" fill="#0f3d73"/>',
            f'<rect x="5" y="5" width="{w-10}" height="{h-10}" rx="11" fill="none" stroke="#ffd26a" stroke-width="3"/>',
            waves(48, 28 + ah / 2, [40, 54], color="#8fd3ff", width=3, opacity=0.6),
            ant,
            text(122, 98, "ZQ", size=52, weight="bold", fill="#ffffff", anchor="middle"),
            text(122, 126, "ANTENNA", size=15, weight="bold", fill="#ffd26a", anchor="middle"),
            text(w / 2, 178, "designer", size=18, fill="#bfe3ff", anchor="middle")]
    write("ZQ_logo_small.svg", svg(w, h, "".join(body)))


def schematic():
    """Two cylinders of diameter D one diameter apart, the tuning coil between
    them, the tap of the source coil near its bottom, the fixed matching
    capacitor to the feed point, the variable capacitor wire."""
    w, h = 482, 270
    ax, d = 120, 44
    x0, x1 = ax - d / 2, ax + d / 2
    up_top, up_bot = 16, 101
    lo_top, lo_bot = up_bot + d, up_bot + d + 85
    coil_top, coil_bot = up_bot + 4, lo_top - 4
    tap_y = coil_bot - 7
    shield_y = lo_top + 32
    ink = "#000000"
    b = [f'<rect width="{w}" height="{h}" fill="#ffffff"/>']
    # cylinders
    for top, bot, name, label_y in ((up_top, up_bot, "Upper cylinder", up_top + 24),
                                    (lo_top, lo_bot, "Lower cylinder", lo_top + 52)):
        b.append(f'<rect x="{x0}" y="{top}" width="{d}" height="{bot-top}" fill="#e6e9ed" stroke="{ink}" stroke-width="2"/>')
        b.append(text(x1 + 10, label_y, name, size=13))
    # tuning coil: helical turns on the axis, leads to both cylinders
    b.append(f'<path d="M{ax},{up_bot} L{ax},{coil_top} M{ax},{coil_bot} L{ax},{lo_top}" stroke="{ink}" stroke-width="2"/>')
    turns = 8
    step = (coil_bot - coil_top) / turns
    pts = [f'M{ax},{coil_top}']
    for i in range(turns):
        y = coil_top + i * step
        pts.append(f'C{ax+20},{y} {ax+20},{y+step} {ax},{y+step}' if i % 2 == 0 else
                   f'C{ax-20},{y} {ax-20},{y+step} {ax},{y+step}')
    b.append(f'<path d="{" ".join(pts)}" stroke="{ink}" stroke-width="1.8" fill="none"/>')
    b.append(text(x1 + 10, coil_top + 4, "Tuning coil", size=13))
    # tap of the source coil, matching capacitor, feed point
    tap_x = ax + 15
    cap_x = 285
    feed_x = 340
    b.append(f'<circle cx="{tap_x}" cy="{tap_y}" r="3.5" fill="{ink}"/>')
    b.append(f'<path d="M{tap_x},{tap_y} L{cap_x-4},{tap_y} M{cap_x+4},{tap_y} L{feed_x},{tap_y}" stroke="{ink}" stroke-width="2"/>')
    b.append(f'<path d="M{cap_x-4},{tap_y-12} L{cap_x-4},{tap_y+12} M{cap_x+4},{tap_y-12} L{cap_x+4},{tap_y+12}" stroke="{ink}" stroke-width="3"/>')
    b.append(text(cap_x, tap_y - 16, "Matching capacitor", size=13, anchor="middle"))
    b.append(text(x1 + 10, tap_y + 20, "Tap: source coil below it", size=12, fill="#333"))
    # the source coil: bracket from the tap to the bottom of the coil
    b.append(f'<path d="M{x0-6},{tap_y} L{x0-10},{tap_y} L{x0-10},{coil_bot} L{x0-6},{coil_bot}" stroke="#333" stroke-width="1.5" fill="none"/>')
    # shield of the feed line to the lower cylinder
    b.append(f'<path d="M{x1},{shield_y} L{feed_x},{shield_y}" stroke="{ink}" stroke-width="2"/>')
    b.append(f'<circle cx="{x1}" cy="{shield_y}" r="3.5" fill="{ink}"/>')
    for y in (tap_y, shield_y):
        b.append(f'<circle cx="{feed_x}" cy="{y}" r="5" fill="#ffffff" stroke="{ink}" stroke-width="2"/>')
    b.append(f'<path d="M{feed_x+5},{tap_y} L{feed_x+40},{tap_y} M{feed_x+5},{shield_y} L{feed_x+40},{shield_y}" stroke="{ink}" stroke-width="2" stroke-dasharray="5,3"/>')
    b.append(text(feed_x + 12, (tap_y + shield_y) / 2 + 5, "Feed point", size=14, weight="bold"))
    b.append(text(feed_x + 12, shield_y + 20, "to the transmitter", size=12, fill="#333"))
    # variable capacitor wire down the inside edge of both cylinders
    wx = x0 + 5
    wire_end = lo_top + 48
    b.append(f'<path d="M{wx},{up_top+8} L{wx},{wire_end}" stroke="#b00000" stroke-width="2.5"/>')
    b.append(f'<path d="M{wx-5},{wire_end+6} L{wx},{wire_end+14} L{wx+5},{wire_end+6} M{wx-5},{wire_end-6+22} L{wx},{wire_end+22-14}" stroke="#b00000" stroke-width="1.5" fill="none"/>')
    b.append(f'<path d="M{wx+4},{wire_end} L{x1+8},{lo_bot-12}" stroke="#b00000" stroke-width="1"/>')
    b.append(text(x1 + 10, lo_bot - 8, "Variable capacitor wire", size=13, fill="#b00000"))
    b.append(text(x1 + 10, lo_bot + 8, "(slide to tune)", size=12, fill="#b00000"))
    # dimensions: cylinder length L, spacing D, diameter D
    dim = 60
    b.append(f'<path d="M{dim},{up_top} L{dim},{up_bot} M{dim},{up_bot} L{dim},{lo_top} M{dim-6},{up_top} L{dim+6},{up_top} '
             f'M{dim-6},{up_bot} L{dim+6},{up_bot} M{dim-6},{lo_top} L{dim+6},{lo_top}" stroke="#333" stroke-width="1.2"/>')
    b.append(text(dim - 8, (up_top + up_bot) / 2 + 5, "L", size=15, weight="bold", anchor="end"))
    b.append(text(dim - 8, (up_bot + lo_top) / 2 + 5, "D", size=15, weight="bold", anchor="end"))
    b.append(f'<path d="M{x0},{lo_bot+10} L{x1},{lo_bot+10} M{x0},{lo_bot+4} L{x0},{lo_bot+16} M{x1},{lo_bot+4} L{x1},{lo_bot+16}" stroke="#333" stroke-width="1.2"/>')
    b.append(text(ax, lo_bot + 30, "D", size=15, weight="bold", anchor="middle"))
    b.append(text(w - 12, 30, "ZQ antenna", size=18, weight="bold", anchor="end"))
    b.append(text(w - 12, 50, "cylinders one diameter apart", size=12, fill="#333", anchor="end"))
    write("ZQSchematic.svg", svg(w, h, "".join(b)))


# --- Icons --------------------------------------------------------------------

def program_icon():
    s = 256
    ant, ah = zq_antenna(128, 30, 64, ratio=1.2, coil_turns=5)
    body = [f'<rect x="8" y="8" width="240" height="240" rx="44" fill="#0f3d73"/>',
            waves(128, 30 + ah / 2, [92, 112], color="#8fd3ff", width=10, opacity=0.8),
            ant]
    write("MILNM.svg", svg(s, s, "".join(body)))


def agent_icon():
    s = 256
    body = [f'<circle cx="128" cy="128" r="120" fill="#1d7a46"/>',
            f'<circle cx="128" cy="92" r="40" fill="#f4d2b0"/>',
            f'<path d="M52,214 Q60,140 128,140 Q196,140 204,214 Z" fill="#ffffff"/>',
            f'<path d="M86,90 A42,42 0 0 1 170,90" stroke="#222" stroke-width="10" fill="none"/>',
            f'<rect x="76" y="84" width="16" height="28" rx="6" fill="#222"/><rect x="164" y="84" width="16" height="28" rx="6" fill="#222"/>',
            f'<path d="M170,108 Q168,130 140,130" stroke="#222" stroke-width="6" fill="none"/>',
            text(128, 200, "?", size=56, weight="bold", fill="#1d7a46", anchor="middle")]
    write("AGENT.svg", svg(s, s, "".join(body)))


if __name__ == "__main__":
    for make in (banner, antenna_on_mast, van, portrait, group_of_builders, row_of_antennas, under_roof,
                 rooftop, beside_radio, two_cones, on_the_bench, users_with_antennas, logo, schematic,
                 program_icon, agent_icon):
        make()
