#!/usr/bin/env python3
"""Draws Velmora's icon (a folder under a magnifying glass) and writes it as a
Windows .ico file with 128, 64, 48, 32 and 16 pixel images, 32-bit colour with
alpha.

Every size is drawn from the shapes at its own resolution, with its own stroke
widths and with edges placed on whole pixels at the small sizes, so the 16 and
32 pixel images stay sharp. Edges are anti-aliased from each shape's signed
distance. Only exactly rounded arithmetic is used and nothing depends on the
time or the machine, so the output is the same file on every run.

    make_icon.py [FILE]          write the icon (default: ui/resources/velmora.ico)
    make_icon.py --check [FILE]  exit 1 unless FILE holds exactly what would be written
"""

import math
import struct
import sys
from pathlib import Path

SIZES = (128, 64, 48, 32, 16)
DEFAULT_OUTPUT = Path(__file__).resolve().parent.parent / "ui" / "resources" / "velmora.ico"


# ---------------------------------------------------------------- shapes
# Each shape is a signed distance in pixels: negative inside, positive outside.

def length(dx, dy):
    return math.sqrt(dx * dx + dy * dy)


def rounded_box(left, top, right, bottom, radius):
    cx, cy = (left + right) / 2, (top + bottom) / 2
    hx, hy = (right - left) / 2 - radius, (bottom - top) / 2 - radius

    def distance(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = length(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return distance


def circle(cx, cy, radius):
    return lambda x, y: length(x - cx, y - cy) - radius


def capsule(x0, y0, x1, y1, radius):
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def distance(x, y):
        t = min(max(((x - x0) * dx + (y - y0) * dy) / length2, 0.0), 1.0)
        return length(x - x0 - t * dx, y - y0 - t * dy) - radius
    return distance


def convex_polygon(points):
    """Corners in clockwise order on screen (y down)."""
    edges = []
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        norm = length(x1 - x0, y1 - y0)
        edges.append((x0, y0, (y1 - y0) / norm, (x0 - x1) / norm))
    return lambda x, y: max((x - x0) * nx + (y - y0) * ny for x0, y0, nx, ny in edges)


def ring(shape, width):
    return lambda x, y: abs(shape(x, y) + width / 2) - width / 2


def inset(shape, amount):
    return lambda x, y: shape(x, y) + amount


def intersect(a, b):
    return lambda x, y: max(a(x, y), b(x, y))


def union(a, b):
    return lambda x, y: min(a(x, y), b(x, y))


# ---------------------------------------------------------------- paint

def rgb(hex_text):
    return tuple(int(hex_text[i:i + 2], 16) / 255 for i in (0, 2, 4))


def solid(colour):
    return lambda x, y: colour


def vertical_gradient(top_y, top_colour, bottom_y, bottom_colour):
    def colour(_x, y):
        t = min(max((y - top_y) / (bottom_y - top_y), 0.0), 1.0)
        return tuple(a + (b - a) * t for a, b in zip(top_colour, bottom_colour))
    return colour


class Canvas:
    """Premultiplied RGBA in floats, pixel (x, y) covers [x, x+1) x [y, y+1)."""

    def __init__(self, size):
        self.size = size
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]

    def fill(self, shape, paint, opacity=1.0, softness=0.0):
        """Paints the inside of shape over what is there. Softness widens the
        anti-aliased edge (in pixels), for shadows."""
        ramp = 1.0 + 2.0 * softness
        for y in range(self.size):
            cy = y + 0.5
            for x in range(self.size):
                cx = x + 0.5
                coverage = min(max(0.5 - shape(cx, cy) / ramp, 0.0), 1.0)
                if coverage <= 0.0:
                    continue
                alpha = coverage * opacity
                r, g, b = paint(cx, cy)
                pixel = self.pixels[y * self.size + x]
                keep = 1.0 - alpha
                pixel[0] = r * alpha + pixel[0] * keep
                pixel[1] = g * alpha + pixel[1] * keep
                pixel[2] = b * alpha + pixel[2] * keep
                pixel[3] = alpha + pixel[3] * keep

    def bgra_rows_bottom_up(self):
        """The pixels as straight-alpha BGRA bytes, last row first (DIB order)."""
        out = bytearray()
        for y in reversed(range(self.size)):
            for x in range(self.size):
                r, g, b, a = self.pixels[y * self.size + x]
                alpha = round(a * 255)
                if alpha == 0:
                    out += b"\0\0\0\0"
                    continue
                out += bytes(min(255, round(c / a * 255)) for c in (b, g, r))
                out.append(alpha)
        return bytes(out)


# ---------------------------------------------------------------- the picture

FOLDER_BACK_TOP = rgb("E39B2E")
FOLDER_BACK_BOTTOM = rgb("C97F17")
FOLDER_FRONT_TOP = rgb("FFDA73")
FOLDER_FRONT_BOTTOM = rgb("F5B335")
FOLDER_EDGE = rgb("9A5B0E")
PAPER = rgb("FFFFFF")
PAPER_EDGE = rgb("B9C0CA")
PAPER_LINE = rgb("C8D0DA")
RIM_TOP = rgb("4F769F")
RIM_BOTTOM = rgb("1B3150")
GLASS_TOP = rgb("F6FBFF")
GLASS_BOTTOM = rgb("B8D9F2")
GLINT = rgb("FFFFFF")
HANDLE_TOP = rgb("5A4636")
HANDLE_BOTTOM = rgb("2A1F18")
SHADOW = rgb("000000")


def draw(size):
    """The icon at one size, in pixels. The design is laid out on a unit
    square; below 48 pixels its edges and the lens centre fall on whole
    pixels, and details that would only blur are left out."""
    s = size
    small = size < 48

    def at(unit):
        return float(round(unit * s)) if small else unit * s

    canvas = Canvas(size)
    draw_folder(canvas, s, at, edge=max(1.0, s / 40), corner=max(1.0, s * 0.04))
    draw_magnifier(canvas, s, at, small)
    return canvas


def draw_folder(canvas, s, at, edge, corner):
    """A back panel with its tab, a sheet of paper, the front panel."""
    left, right = at(0.03), at(0.86)
    tab_top, back_top, front_top, bottom = at(0.12), at(0.19), at(0.34), at(0.84)
    tab_right, slope = at(0.36), at(0.07)
    tab = intersect(convex_polygon([(left, tab_top), (tab_right, tab_top), (tab_right + slope, back_top),
                                    (tab_right + slope, bottom), (left, bottom)]),
                    rounded_box(left, tab_top, tab_right + slope + corner, bottom, corner))
    back = union(tab, rounded_box(left, back_top, right, bottom, corner))
    canvas.fill(back, solid(FOLDER_EDGE))
    canvas.fill(inset(back, edge), vertical_gradient(tab_top, FOLDER_BACK_TOP, bottom, FOLDER_BACK_BOTTOM))

    if s >= 32:
        paper = rounded_box(at(0.11), at(0.24), at(0.76), at(0.70), max(1.0, s * 0.02))
        canvas.fill(paper, solid(PAPER_EDGE))
        canvas.fill(inset(paper, edge), solid(PAPER))
    if s >= 48:
        line = rounded_box(at(0.17), at(0.28), at(0.56), at(0.28) + s * 0.025, s * 0.01)
        canvas.fill(line, solid(PAPER_LINE))

    front = rounded_box(left, front_top, right, bottom, corner)
    canvas.fill(front, solid(FOLDER_EDGE))
    canvas.fill(inset(front, edge), vertical_gradient(front_top, FOLDER_FRONT_TOP, bottom, FOLDER_FRONT_BOTTOM))


def draw_magnifier(canvas, s, at, small):
    """A glass lens in a dark rim, its handle towards the lower right corner."""
    # Small sizes get a smaller lens so that the handle still shows.
    cx = cy = at(0.56) if small else at(0.60)
    outer = at(0.27) if small else at(0.30)
    rim = max(1.5, s * 0.075)
    lens = outer - rim
    handle_radius = max(1.25, s * 0.07)
    # The handle starts under the rim and ends at the corner, rounded off.
    start = (outer - rim / 2) / math.sqrt(2)
    end = s - 0.3 - handle_radius * 1.2
    handle = capsule(cx + start, cy + start, end, end, handle_radius)

    if not small:
        offset, softness = s * 0.025, s * 0.02
        shadow = union(circle(cx + offset, cy + offset, outer),
                       capsule(cx + start + offset, cy + start + offset, end + offset, end + offset, handle_radius))
        canvas.fill(shadow, solid(SHADOW), opacity=0.25, softness=softness)

    canvas.fill(handle, vertical_gradient(cy + start, HANDLE_TOP, end + handle_radius, HANDLE_BOTTOM))
    canvas.fill(circle(cx, cy, lens + 0.5), vertical_gradient(cy - lens, GLASS_TOP, cy + lens, GLASS_BOTTOM),
                opacity=0.82)
    if s >= 32:
        arc = ring(circle(cx, cy, lens * 0.78), max(1.0, s * 0.035))
        upper_left = convex_polygon([(cx - lens, cy - lens), (cx + lens * 0.15, cy - lens),
                                     (cx - lens, cy + lens * 0.15)])
        canvas.fill(intersect(arc, upper_left), solid(GLINT), opacity=0.95)
    canvas.fill(ring(circle(cx, cy, outer), rim), vertical_gradient(cy - outer, RIM_TOP, cy + outer, RIM_BOTTOM))


# ---------------------------------------------------------------- the file

def icon_image(size):
    """One image of an .ico file: a DIB header, the colour pixels and the
    1-bit mask (1 where the pixel is fully transparent)."""
    colour = draw(size).bgra_rows_bottom_up()
    mask_stride = (size + 31) // 32 * 4
    mask = bytearray()
    for y in range(size):
        row = bytearray(mask_stride)
        for x in range(size):
            if colour[(y * size + x) * 4 + 3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + bytes(mask)


def icon_file():
    images = [icon_image(size) for size in SIZES]
    offset = 6 + 16 * len(images)
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    for size, image in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    return bytes(out)


def main(arguments):
    check = "--check" in arguments
    paths = [argument for argument in arguments if argument != "--check"]
    if len(paths) > 1 or any(path.startswith("-") for path in paths):
        print(__doc__, file=sys.stderr)
        return 2
    path = Path(paths[0]) if paths else DEFAULT_OUTPUT
    data = icon_file()
    if check:
        if not path.is_file() or path.read_bytes() != data:
            print(f"{path} differs from what tools/make_icon.py draws; run it to regenerate the icon",
                  file=sys.stderr)
            return 1
        return 0
    path.write_bytes(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
