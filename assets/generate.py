#!/usr/bin/python3
"""Rebuilds the launcher's pictures (banner, button faces, pointer, icon).

The PNGs (for GTK) and the BMP, ICO and CUR files (for the Windows resource
script) are committed, so the build never needs Python; run this only after
changing the artwork:  /usr/bin/python3 assets/generate.py
Output is deterministic: no randomness, no metadata chunks.
"""

import os
import struct

from PIL import Image, ImageChops, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))

WHITE = (255, 255, 255)
SKY = (140, 202, 238)        # banner band, figure inside the crest
NAVY = (16, 31, 136)         # crest and banner text
FIGURE = (196, 230, 250)     # lighter highlights inside the crest
INK = (27, 31, 88)           # button labels and outlines
SHADE = (122, 118, 145)      # pressed-button shading
HALF = (188, 186, 200)       # SHADE blended halfway to white
TINT = (238, 237, 243)       # pressed face background

FONT_DIRS = ("/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/truetype/liberation")

# Crest geometry is drawn on a supersampled canvas and box-filtered down, so
# curved edges are smooth but never spill outside the target rectangle.
SS = 8


def font(name, size):
    for d in FONT_DIRS:
        path = os.path.join(d, name)
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    raise SystemExit("font not found: " + name)


def save(img, name):
    # No pnginfo: keeps the files byte-identical between runs.
    img.save(os.path.join(HERE, name), optimize=True)


# --- Windows formats ---------------------------------------------------------
# Written with struct rather than Pillow's BMP/ICO writers: the resource
# compiler and LoadImage want exactly 24-bit BI_RGB, and Pillow's ICO writer
# only produces PNG or 32-bit entries.

# ID of the icon image inside the executable; icon_group.bin refers to it and
# the resource script must give the raw RT_ICON resource the same ID.
ICON_IMAGE_ID = 30001


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def bgr_rows(img):
    """24-bit DIB pixels: bottom-up BGR rows, each padded to 4 bytes."""
    w, h = img.size
    raw = img.convert("RGB").tobytes("raw", "BGR")
    stride, pad = 3 * w, b"\0" * (-3 * w % 4)
    return b"".join(raw[y * stride:(y + 1) * stride] + pad for y in reversed(range(h)))


def mask_rows(transparent, w, h):
    """1-bit AND mask, bottom-up, rows padded to 4 bytes; 1 = transparent."""
    stride = (w + 31) // 32 * 4
    out = bytearray()
    for y in reversed(range(h)):
        row = bytearray(stride)
        for x in range(w):
            if transparent(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def info_header(w, h, size_image):
    # BITMAPINFOHEADER: 1 plane, 24 bits, BI_RGB, no resolution, no palette.
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, size_image, 0, 0, 0, 0)


def save_bmp(img, name):
    pixels = bgr_rows(img)
    header = info_header(img.width, img.height, len(pixels))
    offset = 14 + len(header)
    write(name, struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
          + header + pixels)


def icon_image(img, transparent=lambda x, y: False):
    """Icon/cursor image as stored in ICO, CUR and RT_ICON: header, XOR, AND.
    The header's height counts both bitmaps."""
    w, h = img.size
    bits = bgr_rows(img) + mask_rows(transparent, w, h)
    return info_header(w, 2 * h, len(bits)) + bits


def dir_entry(w, h, field1, field2, size):
    # ICONDIRENTRY without its last field; field1/field2 are planes and bit
    # count in an icon, the hot spot in a cursor. 0 colours: more than 256.
    return struct.pack("<BBBBHHI", w, h, 0, 0, field1, field2, size)


def save_icon(img):
    image = icon_image(img)
    entry = dir_entry(img.width, img.height, 1, 24, len(image))
    write("icon.ico", struct.pack("<HHH", 0, 1, 1) + entry + struct.pack("<I", 6 + 16) + image)
    # The same image as raw resources, so the resource script can put icon
    # ICON_IMAGE_ID in group 1 (windres numbers an ICON statement's images itself).
    write("icon_image.bin", image)
    write("icon_group.bin", struct.pack("<HHH", 0, 1, 1) + entry + struct.pack("<H", ICON_IMAGE_ID))


def save_cursor(img, hot_x, hot_y):
    alpha = img.getchannel("A")
    transparent = lambda x, y: alpha.getpixel((x, y)) == 0
    # Transparent pixels are black in the XOR bitmap so the screen shows through.
    xor = Image.new("RGB", img.size, (0, 0, 0))
    xor.paste(img.convert("RGB"), (0, 0), alpha.point(lambda a: 255 if a else 0))
    image = icon_image(xor, transparent)
    entry = dir_entry(img.width, img.height, hot_x, hot_y, len(image))
    write("hand.cur", struct.pack("<HHH", 0, 2, 1) + entry + struct.pack("<I", 6 + 16) + image)


# --- crest -----------------------------------------------------------------

def shield_outline(w, h, inset=0.0):
    """Polygon of a heater shield filling a w x h box (in supersampled units)."""
    pts = []
    l, r, t, b = inset, w - inset, inset, h - inset
    cx = w / 2.0
    notch = w * 0.10
    # Flat top with clipped corners and a shallow dip in the middle.
    pts += [(l, t + notch), (l + notch, t), (cx - notch, t), (cx, t + notch * 0.5),
            (cx + notch, t), (r - notch, t), (r, t + notch)]
    # Straight right side down to the shoulder, then a curve into the point.
    shoulder = t + (b - t) * 0.50
    steps = 24
    for i in range(steps + 1):
        s = i / steps
        # Quadratic Bezier from (r, shoulder) via (r, b - small) to (cx, b).
        p0, p1, p2 = (r, shoulder), (r - (r - cx) * 0.05, b - (b - t) * 0.12), (cx, b)
        x = (1 - s) ** 2 * p0[0] + 2 * (1 - s) * s * p1[0] + s * s * p2[0]
        y = (1 - s) ** 2 * p0[1] + 2 * (1 - s) * s * p1[1] + s * s * p2[1]
        pts.append((x, y))
    # Mirror the curve for the left side.
    right_curve = pts[7:]
    for x, y in reversed(right_curve[:-1]):
        pts.append((w - x, y))
    return pts


def crest_layers(w, h):
    """Returns (shield mask, figure mask, highlight mask), each w x h 'L'."""
    W, H = w * SS, h * SS
    u = W / 67.0   # figure is laid out in 67-wide units so it scales with the crest

    shield = Image.new("L", (W, H), 0)
    ImageDraw.Draw(shield).polygon(shield_outline(W - 1, H - 1), fill=255)

    # Thin light rim just inside the edge, as on an enamel badge.
    rim = Image.new("L", (W, H), 0)
    d = ImageDraw.Draw(rim)
    d.polygon(shield_outline(W - 1, H - 1, inset=3.2 * u), fill=255)
    d.polygon(shield_outline(W - 1, H - 1, inset=4.8 * u), fill=0)

    # Cash register: display on a post, body with key grid, drawer below.
    fig = Image.new("L", (W, H), 0)
    d = ImageDraw.Draw(fig)
    cx = W / 2.0

    def box(x0, y0, x1, y1, **kw):
        d.rounded_rectangle((cx + x0 * u, y0 * u, cx + x1 * u, y1 * u), **kw)

    box(-10, 11, 10, 21, radius=1.5 * u, fill=255)           # customer display
    box(-2.5, 21, 2.5, 26, fill=255)                          # display post
    d.polygon([(cx - 21 * u, 47 * u), (cx - 17 * u, 26 * u),
               (cx + 17 * u, 26 * u), (cx + 21 * u, 47 * u)], fill=255)  # body
    box(-23, 48.5, 23, 58, radius=1.5 * u, fill=255)          # cash drawer
    # Cut-outs in the figure let the navy show through.
    box(-7.5, 13.5, 7.5, 18.5, radius=0.8 * u, fill=0)       # display window
    for row in range(3):
        for col in range(4):
            x = -14 + col * 7.5
            y = 29.5 + row * 5.5
            box(x, y, x + 4.5, y + 3.2, fill=0)               # keys
    box(-5, 52, 5, 54.5, fill=0)                              # drawer handle

    hi = Image.new("L", (W, H), 0)
    d = ImageDraw.Draw(hi)
    d.rounded_rectangle((cx - 6 * u, 14.5 * u, cx + 1 * u, 16.0 * u), fill=255)  # digits glint

    def down(m):
        return m.resize((w, h), Image.BOX)

    return down(shield), down(ImageChops.lighter(rim, fig)), down(hi)


def paint_crest(img, x, y, w, h):
    shield, fig, hi = crest_layers(w, h)
    img.paste(Image.new("RGB", (w, h), NAVY), (x, y), shield)
    img.paste(Image.new("RGB", (w, h), SKY), (x, y), fig)
    img.paste(Image.new("RGB", (w, h), FIGURE), (x, y), hi)


# --- banner ----------------------------------------------------------------

def banner():
    img = Image.new("RGB", (390, 225), WHITE)
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, 389, 65), fill=SKY)

    paint_crest(img, 15, 1, 67, 79)

    big = font("DejaVuSans-Bold.ttf", 46)
    small = font("DejaVuSans-Bold.ttf", 18)

    # Centre the ink of "KAS" vertically on the band.
    x0 = 94
    bb = d.textbbox((0, 0), "KAS", font=big)
    ky = (66 - (bb[3] - bb[1])) // 2 - bb[1]
    d.text((x0 - bb[0], ky), "KAS", font=big, fill=NAVY)
    kas_right = x0 + (bb[2] - bb[0])

    # Two-line title, block centred on the band, left edge after a small gap.
    # Both lines are placed by the first line's box so they share a baseline step.
    lines = ("KasTerminal", "Kassa-software")
    bb = d.textbbox((0, 0), lines[0], font=small)
    cap = bb[3] - bb[1]
    step = cap + 8
    ty = (66 - (cap + step)) // 2 - bb[1]
    tx = kas_right + 14 - bb[0]
    d.text((tx, ty), lines[0], font=small, fill=NAVY)
    d.text((tx, ty + step), lines[1], font=small, fill=NAVY)
    save(img, "banner.png")
    save_bmp(img, "banner.bmp")


# --- buttons ---------------------------------------------------------------

BW, BH = 103, 27


def rounded_mask(box, radius):
    m = Image.new("L", (BW, BH), 0)
    ImageDraw.Draw(m).rounded_rectangle(box, radius=radius, fill=255)
    return m


def centred_label(img, text, f, dx=0, dy=0):
    d = ImageDraw.Draw(img)
    bb = d.textbbox((0, 0), text, font=f)
    # Centre the ink box, not the advance box; cap height decides vertically
    # so descenders don't push the label upwards.
    cap = d.textbbox((0, 0), "E", font=f)
    x = (BW - (bb[2] - bb[0])) // 2 - bb[0] + dx
    y = (BH - (cap[3] - cap[1]) + 1) // 2 - cap[1] + dy
    d.text((x, y), text, font=f, fill=INK)


def button_normal(label, name):
    img = Image.new("RGB", (BW, BH), WHITE)
    ImageDraw.Draw(img).rounded_rectangle((1, 1, BW - 2, BH - 2), radius=5,
                                          outline=INK, width=1)
    centred_label(img, label, font("DejaVuSans.ttf", 12))
    save(img, name + ".png")
    save_bmp(img, name + ".bmp")


def button_pressed(label, name):
    img = Image.new("RGB", (BW, BH), WHITE)
    d = ImageDraw.Draw(img)
    outer = (1, 1, BW - 2, BH - 2)
    d.rounded_rectangle(outer, radius=5, outline=INK, width=2)
    # Sunken look: a faint tint over the whole face, then a shadow band along
    # the inner top and left edges (the inner area minus itself shifted
    # down-right), softened by a half-tone step on its inner side.
    inner = rounded_mask((3, 3, BW - 4, BH - 4), 3)
    img.paste(TINT, (0, 0), inner)

    def band(shift):
        lit = ImageChops.offset(inner, shift, shift)
        lit.paste(0, (0, 0, BW, shift))
        lit.paste(0, (0, 0, shift, BH))
        return ImageChops.subtract(inner, lit)

    img.paste(HALF, (0, 0), band(3))
    img.paste(SHADE, (0, 0), band(2))
    # Label nudged down-right like a key that has been pushed in.
    centred_label(img, label, font("DejaVuSans-Bold.ttf", 12), dx=1, dy=1)
    save(img, name + ".png")
    save_bmp(img, name + ".bmp")


# --- pointer ---------------------------------------------------------------

# '#' black outline, '.' white fill, ' ' transparent.
HAND = [
    "     ##          ",
    "    #..#         ",
    "    #..#         ",
    "    #..#         ",
    "    #..#         ",
    "    #..###       ",
    "    #..#..###    ",
    "    #..#..#..##  ",
    "    #..#..#..#.# ",
    " ## #..#..#..#..#",
    "#..##..#..#..#..#",
    "#...#...........#",
    "#...............#",
    " #..............#",
    " #..............#",
    "  #............# ",
    "  #............# ",
    "   #..........#  ",
    "   #..........#  ",
    "    #........#   ",
    "    #........#   ",
    "    ##########   ",
]


def hand():
    assert len(HAND) == 22 and all(len(r) == 17 for r in HAND)
    img = Image.new("RGBA", (17, 22), (0, 0, 0, 0))
    px = img.load()
    colours = {"#": (0, 0, 0, 255), ".": (255, 255, 255, 255)}
    for y, row in enumerate(HAND):
        for x, c in enumerate(row):
            if c in colours:
                px[x, y] = colours[c]
    save(img, "hand.png")
    save_cursor(img, 5, 0)


# --- icon ------------------------------------------------------------------

def icon():
    # At 32 px the banner's figure turns to mush, so the register is redrawn
    # on whole pixels with fewer, bigger keys. Shield spans x 2..29, centre 15.5.
    img = Image.new("RGB", (32, 32), WHITE)
    shield, _, _ = crest_layers(28, 31)
    img.paste(Image.new("RGB", (28, 31), NAVY), (2, 0), shield)
    d = ImageDraw.Draw(img)
    d.rectangle((11, 4, 20, 8), fill=SKY)          # display
    d.rectangle((13, 5, 18, 7), fill=NAVY)         # display window
    d.rectangle((14, 6, 16, 6), fill=FIGURE)       # digits glint
    d.rectangle((14, 9, 17, 10), fill=SKY)         # post
    for i, y in enumerate(range(11, 18)):          # body, widening downwards
        inset = 0 if i >= 4 else 1
        d.line((8 + inset, y, 23 - inset, y), fill=SKY)
    for kx in (11, 15, 19):
        for ky in (12, 15):
            d.rectangle((kx, ky, kx + 1, ky + 1), fill=NAVY)  # keys
    d.rectangle((7, 19, 24, 22), fill=SKY)         # drawer
    d.line((14, 20, 17, 20), fill=NAVY)            # drawer handle
    save(img, "icon.png")
    save_icon(img)


def main():
    banner()
    for label, stem in (("Uitvoeren", "uitvoeren"), ("Installeren", "installeren"),
                        ("Einde", "eind")):
        button_normal(label, stem + "_nrm")
        button_pressed(label, stem + "_dwn")
    hand()
    icon()


if __name__ == "__main__":
    main()
