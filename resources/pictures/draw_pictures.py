#!/usr/bin/env python3
"""Draws the installer's button pictures (PNG) and banner bitmaps (BMP).

Every picture is described here as a stack of simple shapes (discs, rings,
bars, polygons, strokes) and rasterised with 4 x 4 supersampling, so the
output is reproducible from this file alone (standard library only).

Usage: draw_pictures.py <output folder>
"""
import math
import os
import struct
import sys
import zlib

SIZE = 24
SAMPLES = 4

# One palette for the whole set: a coloured disc carries a white glyph.
GREEN = (46, 150, 72)
RED = (200, 52, 46)
ORANGE = (226, 128, 24)
BLUE = (36, 110, 196)
TEAL = (22, 140, 150)
PURPLE = (120, 78, 170)
GREY = (120, 126, 134)
YELLOW = (236, 186, 58)
DARK = (60, 66, 76)
WHITE = (255, 255, 255)
PAPER = (250, 250, 246)


# --- shapes: predicates on a point (x, y) in pixel units --------------------

def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_out, r_in, start=0.0, end=360.0):
    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        if d2 > r_out * r_out or d2 < r_in * r_in:
            return False
        angle = math.degrees(math.atan2(cy - y, x - cx)) % 360.0
        if start <= end:
            return start <= angle <= end
        return angle >= start or angle <= end
    return inside


def box(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


def stroke(x0, y0, x1, y1, width):
    half = width / 2.0

    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx, y0 + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= half * half
    return inside


def any_of(*shapes):
    return lambda x, y: any(shape(x, y) for shape in shapes)


def minus(shape, cut):
    return lambda x, y: shape(x, y) and not cut(x, y)


# --- rasteriser -------------------------------------------------------------

def render(layers, width=SIZE, height=SIZE):
    """layers: (colour, shape) from bottom to top. Returns RGBA rows."""
    pixels = [[(0, 0, 0, 0)] * width for _ in range(height)]
    offsets = [(i + 0.5) / SAMPLES for i in range(SAMPLES)]
    for py in range(height):
        for px in range(width):
            r = g = b = a = 0.0
            for colour, shape in layers:
                hits = sum(1 for oy in offsets for ox in offsets if shape(px + ox, py + oy))
                if hits == 0:
                    continue
                cover = hits / (SAMPLES * SAMPLES)
                alpha = cover + a * (1.0 - cover)
                r = (colour[0] * cover + r * a * (1.0 - cover)) / alpha
                g = (colour[1] * cover + g * a * (1.0 - cover)) / alpha
                b = (colour[2] * cover + b * a * (1.0 - cover)) / alpha
                a = alpha
            pixels[py][px] = (round(r), round(g), round(b), round(a * 255))
    return pixels


def write_png(path, pixels):
    height, width = len(pixels), len(pixels[0])
    raw = b"".join(b"\x00" + bytes(c for p in row for c in p) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                  + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def write_bmp(path, width, height, colour_at):
    """A 24-bit bottom-up BMP; colour_at(x, y) gives (r, g, b)."""
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = colour_at(x, y)
            row += bytes((b, g, r))
        row += b"\x00" * (stride - width * 3)
        rows.append(bytes(row))
    data = b"".join(rows)
    with open(path, "wb") as out:
        out.write(b"BM" + struct.pack("<IHHI", 54 + len(data), 0, 0, 54))
        out.write(struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0))
        out.write(data)


# --- the pictures -----------------------------------------------------------

C = 12.0   # centre of a 24-pixel picture
R = 11.0   # radius of the coloured disc


def on_disc(colour, *glyph):
    return [(colour, disc(C, C, R))] + [(WHITE, shape) for shape in glyph]


def down_arrow(top, bottom, shaft=3.0, head=5.5):
    return any_of(box(C - shaft / 2, top, C + shaft / 2, bottom - head + 0.5),
                  polygon([(C - head, bottom - head), (C + head, bottom - head), (C, bottom)]))


def document(x0, y0, x1, y1, fold=4.0):
    return polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)])


def refresh_arrows(colour):
    arc_a = ring(C, C, 6.5, 4.0, 200.0, 340.0 + 20.0)
    arc_b = ring(C, C, 6.5, 4.0, 20.0, 160.0)
    head_a = polygon([(C + 3.0, C - 0.5), (C + 8.5, C - 0.5), (C + 5.75, C + 3.5)])
    head_b = polygon([(C - 8.5, C + 0.5), (C - 3.0, C + 0.5), (C - 5.75, C - 3.5)])
    return on_disc(colour, arc_a, arc_b, head_a, head_b)


def info_glyph():
    return any_of(disc(C, 7.0, 1.8), box(C - 1.4, 10.0, C + 1.4, 17.5), box(C - 3.0, 16.0, C + 3.0, 17.8),
                  box(C - 3.0, 10.0, C, 11.6))


PICTURES = {
    # id: (file, what it shows, layers)
    188: ("run_188.png", "Run: white play triangle on a green disc",
          lambda: on_disc(GREEN, polygon([(9.0, 6.5), (18.0, 12.0), (9.0, 17.5)]))),
    189: ("remove_189.png", "Remove (tutorial): white cross on a red disc",
          lambda: on_disc(RED, stroke(7.5, 7.5, 16.5, 16.5, 3.0), stroke(16.5, 7.5, 7.5, 16.5, 3.0))),
    190: ("uninstall_190.png", "Uninstall / Remove: white minus bar on a red disc",
          lambda: on_disc(RED, box(6.0, 10.5, 18.0, 13.5))),
    191: ("install_191.png", "Install: white plus on a green disc",
          lambda: on_disc(GREEN, box(6.0, 10.5, 18.0, 13.5), box(10.5, 6.0, 13.5, 18.0))),
    192: ("repair_192.png", "Repair: white wrench on an orange disc",
          lambda: on_disc(ORANGE, stroke(8.0, 16.0, 14.0, 10.0, 3.2),
                          minus(disc(15.5, 8.5, 4.0), any_of(disc(17.5, 6.5, 2.0), stroke(16.0, 8.0, 19.0, 5.0, 2.6))))),
    194: ("pdf_194.png", "PDF document: white page with a red band and lines",
          lambda: [(DARK, document(4.0, 1.0, 20.0, 23.0)), (PAPER, document(5.0, 2.0, 19.0, 22.0, 3.5)),
                   (RED, box(3.0, 13.0, 21.0, 19.0)), (WHITE, box(6.0, 14.5, 18.0, 17.5)),
                   (DARK, any_of(box(8.0, 6.0, 16.0, 7.0), box(8.0, 9.0, 16.0, 10.0)))]),
    197: ("change_197.png", "Change: two opposite white arrows on a purple disc",
          lambda: on_disc(PURPLE, box(6.0, 7.5, 14.0, 10.0), polygon([(13.5, 5.0), (18.5, 8.75), (13.5, 12.5)]),
                          box(10.0, 14.0, 18.0, 16.5), polygon([(10.5, 11.5), (5.5, 15.25), (10.5, 19.0)]))),
    201: ("delete_copy_201.png", "Delete Copy: white cross over a page on a red disc",
          lambda: on_disc(RED, minus(document(7.0, 5.0, 17.0, 19.0, 3.0), document(8.5, 6.5, 15.5, 17.5, 2.0)),
                          stroke(9.5, 9.5, 14.5, 14.5, 2.2), stroke(14.5, 9.5, 9.5, 14.5, 2.2))),
    202: ("download_202.png", "Download: white arrow down onto a bar on a blue disc",
          lambda: on_disc(BLUE, down_arrow(5.0, 15.5), box(6.5, 16.5, 17.5, 18.5))),
    203: ("refresh_203.png", "Refresh: two white circling arrows on a teal disc",
          lambda: refresh_arrows(TEAL)),
    204: ("copy_204.png", "Create Copy / Copy / Install All: two white pages on a blue disc",
          lambda: on_disc(BLUE, minus(document(5.5, 4.5, 13.5, 15.0, 2.5), document(9.0, 8.0, 18.5, 20.0, 3.0)),
                          minus(document(9.0, 8.0, 18.5, 20.0, 3.0), document(10.5, 9.5, 17.0, 18.5, 2.0)))),
    206: ("information_206.png", "Information: white \"i\" on a blue disc",
          lambda: on_disc(BLUE, info_glyph())),
    207: ("video_207.png", "Video: white film frame with a play triangle on a purple disc",
          lambda: on_disc(PURPLE, minus(box(5.0, 7.0, 19.0, 17.0), box(6.5, 8.5, 17.5, 15.5)),
                          polygon([(10.0, 9.5), (15.0, 12.0), (10.0, 14.5)]))),
    208: ("browse_208.png", "Browse: yellow folder",
          lambda: [(DARK, polygon([(2.0, 5.0), (9.0, 5.0), (11.0, 7.5), (22.0, 7.5), (22.0, 20.0), (2.0, 20.0)])),
                   (YELLOW, polygon([(3.0, 6.0), (8.5, 6.0), (10.5, 8.5), (21.0, 8.5), (21.0, 19.0), (3.0, 19.0)])),
                   ((250, 214, 110), box(3.0, 11.0, 21.0, 19.0))]),
    209: ("install_all_209.png", "Install All / Move: two white chevrons down on a green disc",
          lambda: on_disc(GREEN, stroke(7.0, 6.5, 12.0, 11.0, 2.8), stroke(12.0, 11.0, 17.0, 6.5, 2.8),
                          stroke(7.0, 12.5, 12.0, 17.0, 2.8), stroke(12.0, 17.0, 17.0, 12.5, 2.8))),
    210: ("information_beta_210.png", "Beta information: white \"i\" on an orange disc",
          lambda: on_disc(ORANGE, info_glyph())),
}

# The placeholder of a resource picture fills a 64 x 64 grid cell.
PLACEHOLDER = (205, "placeholder_205.png", "Placeholder of a resource picture (64 x 64): grey frame, hills and sun")


def draw_placeholder(path):
    layers = [((200, 204, 210), box(0.0, 0.0, 64.0, 64.0)), ((244, 245, 247), box(3.0, 3.0, 61.0, 61.0)),
              (YELLOW, disc(44.0, 20.0, 6.0)),
              ((140, 170, 120), polygon([(3.0, 52.0), (22.0, 28.0), (36.0, 44.0), (44.0, 36.0), (61.0, 52.0),
                                          (61.0, 61.0), (3.0, 61.0)]))]
    write_png(path, render(layers, 64, 64))


def gradient(top, bottom, t):
    return tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))


# Bitmaps of the banners: light, so that the black title text reads well.
BITMAPS = {
    129: ("banner_129.bmp", "Page banner (900 x 60)", 900, 60),
    134: ("side_band_134.bmp", "Side band (180 x 560)", 180, 560),
    138: ("session_banner_138.bmp", "Session banner (700 x 100)", 700, 100),
}


def draw_banner(path, width, height):
    def colour_at(x, y):
        if y >= height - 3:
            return BLUE
        t = x / max(1, width - 1)
        return gradient((255, 255, 255), (206, 224, 244), t * t)
    write_bmp(path, width, height, colour_at)


def draw_side_band(path, width, height):
    def colour_at(x, y):
        if x >= width - 3:
            return BLUE
        return gradient((206, 224, 244), (248, 251, 255), y / max(1, height - 1))
    write_bmp(path, width, height, colour_at)


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for file_name, _, layers in PICTURES.values():
        write_png(os.path.join(folder, file_name), render(layers()))
    draw_placeholder(os.path.join(folder, PLACEHOLDER[1]))
    for picture_id, (file_name, _, width, height) in BITMAPS.items():
        if picture_id == 134:
            draw_side_band(os.path.join(folder, file_name), width, height)
        else:
            draw_banner(os.path.join(folder, file_name), width, height)
    return 0


if __name__ == "__main__":
    sys.exit(main())
