#!/usr/bin/env python3
"""Draws the About pages' pictures of the sample models into the prefix
template: for each model a normal picture (16 colours) and a high-colour
picture (24 bits) for each role. Run it again after changing a drawing; the
files are small enough to keep in the repository."""
import os
import struct
import sys

FOLDER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "models", "template",
                      "drive_c", "windows", "system32", "spool", "drivers", "x64", "3")

# The 16 colours of the classic palette the normal pictures use.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]

MODELS = {
    # base name: accent colours (body accent, band colours)
    "VML42": {"accent": (64, 64, 64), "band": [(0, 0, 0), (96, 96, 96), (160, 160, 160)]},
    "VCL65": {"accent": (0, 90, 160),
              "band": [(0, 160, 224), (224, 0, 128), (255, 224, 0), (0, 0, 0)]},
    "VIJ98": {"accent": (0, 128, 128), "band": [(0, 160, 160), (0, 96, 128), (128, 192, 192)]},
}


class Canvas:
    def __init__(self, width, height, background):
        self.width, self.height = width, height
        self.pixels = [[background] * width for _ in range(height)]

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.height, y1)):
            row = self.pixels[y]
            for x in range(max(0, x0), min(self.width, x1)):
                row[x] = colour

    def vertical_gradient(self, x0, y0, x1, y1, top, bottom):
        span = max(1, y1 - y0 - 1)
        for y in range(y0, y1):
            t = (y - y0) / span
            colour = tuple(int(a + (b - a) * t) for a, b in zip(top, bottom))
            self.rect(x0, y, x1, y + 1, colour)

    def disc(self, cx, cy, radius, colour):
        for y in range(cy - radius, cy + radius + 1):
            for x in range(cx - radius, cx + radius + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius and \
                        0 <= x < self.width and 0 <= y < self.height:
                    self.pixels[y][x] = colour


def nearest(colour):
    return min(range(16), key=lambda i: sum((a - b) ** 2 for a, b in zip(PALETTE[i], colour)))


def write_bmp(path, canvas, high_colour):
    width, height = canvas.width, canvas.height
    if high_colour:
        stride = (width * 3 + 3) & ~3
        rows = []
        for y in reversed(range(height)):
            row = b"".join(bytes((b, g, r)) for r, g, b in canvas.pixels[y])
            rows.append(row + b"\0" * (stride - len(row)))
        palette, bits = b"", 24
    else:
        stride = ((width + 1) // 2 + 3) & ~3
        rows = []
        for y in reversed(range(height)):
            indexes = [nearest(c) for c in canvas.pixels[y]] + [0]
            row = bytes((indexes[i] << 4) | indexes[i + 1] for i in range(0, width, 2))
            rows.append(row + b"\0" * (stride - len(row)))
        palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
        bits = 4
    data = b"".join(rows)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835,
                       16 if bits == 4 else 0, 0)
    with open(path, "wb") as out:
        out.write(header + info + palette + data)


def printer(canvas, model, high_colour, style, background):
    w, h = canvas.width, canvas.height
    accent = model["accent"]
    light, dark = (235, 235, 235), (150, 150, 150)
    # Paper coming out of the top.
    canvas.rect(w // 4, h // 8, 3 * w // 4, h // 2, (255, 255, 255))
    for line in range(4):
        y = h // 8 + 6 + line * 6
        canvas.rect(w // 4 + 6, y, 3 * w // 4 - 6 - line * 5, y + 2, (128, 128, 128))
    # The body.
    if high_colour:
        canvas.vertical_gradient(w // 10, 3 * h // 8, 9 * w // 10, 7 * h // 8, light, dark)
    else:
        canvas.rect(w // 10, 3 * h // 8, 9 * w // 10, 7 * h // 8, (192, 192, 192))
    canvas.rect(w // 10, 3 * h // 8, 9 * w // 10, 3 * h // 8 + 3, accent)
    # Output slot, panel and tray.
    canvas.rect(w // 5, h // 2, 4 * w // 5, h // 2 + 4, (40, 40, 40))
    canvas.rect(5 * w // 8, 5 * h // 8, 5 * w // 6, 5 * h // 8 + 8, accent)
    canvas.disc(w // 4, 5 * h // 8 + 4, 3, (0, 200, 0) if high_colour else (0, 255, 0))
    canvas.rect(w // 8, 7 * h // 8, 7 * w // 8, 7 * h // 8 + 5, (96, 96, 96))
    # The model's colours along the bottom.
    band = model["band"]
    step = (3 * w // 4) // len(band)
    for i, colour in enumerate(band):
        canvas.rect(w // 8 + i * step, 3 * h // 4, w // 8 + (i + 1) * step, 3 * h // 4 + 4, colour)
    if style == "circle":
        for y in range(h):
            for x in range(w):
                if (x - w / 2) ** 2 + (y - h / 2) ** 2 > (w / 2) ** 2:
                    canvas.pixels[y][x] = background
        if high_colour:
            ring = (w / 2) ** 2
            for y in range(h):
                for x in range(w):
                    d = (x - w / 2) ** 2 + (y - h / 2) ** 2
                    if ring * 0.86 < d <= ring:
                        canvas.pixels[y][x] = model["accent"]


def band_picture(canvas, model):
    band = model["band"]
    step = canvas.width // len(band)
    for i, colour in enumerate(band):
        canvas.rect(i * step, 0, (i + 1) * step, canvas.height, colour)
    canvas.rect(0, canvas.height // 2 - 1, canvas.width, canvas.height // 2 + 1, (255, 255, 255))


# Role: (normal name, high-colour name, background, style)
ROLES = [
    ("B", "A", (255, 255, 255), "front"),
    ("I", "H", (253, 250, 240), "front"),
    ("Y", "X", (192, 192, 192), "front"),
    ("E", "D", (192, 192, 192), "circle"),
    # The driver's own picture, kept under the module's name ("VML42U.bmp"):
    # under the driver's base name it would be the printer preview's.
    ("U", None, (192, 192, 192), "front"),
]


def main():
    size = 88
    for base, model in MODELS.items():
        for normal, high, background, style in ROLES:
            for name, high_colour in ((normal, False), (high, True)):
                if name is None:
                    continue
                canvas = Canvas(size, size, background)
                printer(canvas, model, high_colour, style, background)
                write_bmp(os.path.join(FOLDER, base + name + ".bmp"), canvas, high_colour)
        canvas = Canvas(128, 24, (192, 192, 192))
        band_picture(canvas, model)
        write_bmp(os.path.join(FOLDER, base + "Z.bmp"), canvas, False)
    return 0


if __name__ == "__main__":
    sys.exit(main())
