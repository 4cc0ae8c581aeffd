#!/usr/bin/env python3
"""The contrast of the text in boxes of a screenshot against what is behind it.

    text_contrast.py IMAGE.ppm NAME:X,Y,W,H:MINIMUM...

IMAGE is a binary PPM (P6, 8 bits a channel), as ImageMagick's convert writes
it. In each box the background is its most frequent colour and the text its
pixel of the highest contrast against that background; the contrast is the
ratio of their relative luminances plus 0.05, the usual measure for the
readability of text (4.5 is the usual floor for body text, 3 for large or
decorative text). A box where fewer than MIN_TEXT_PIXELS pixels differ from
the background holds no text yet (the window has not been painted), which is
an error of its own. Prints one line a box and ends with status 1 when a box
falls short of its minimum, 2 when a box holds no text or lies outside the
image.
"""

import collections
import sys

MIN_TEXT_PIXELS = 12


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos : pos + 1].isspace():
            pos += 1
        if data[pos : pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        start = pos
        while not data[pos : pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise ValueError(f"{path}: not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1 : pos + 1 + 3 * width * height]


def luminance(rgb):
    def linear(channel):
        c = channel / 255.0
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = (linear(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def box_pixels(image, x, y, w, h):
    width, height, data = image
    if x < 0 or y < 0 or w <= 0 or h <= 0 or x + w > width or y + h > height:
        raise IndexError(f"box {w}x{h}+{x}+{y} lies outside the {width}x{height} image")
    for row in range(y, y + h):
        start = 3 * (row * width + x)
        line = data[start : start + 3 * w]
        for i in range(0, len(line), 3):
            yield tuple(line[i : i + 3])


def hex_colour(rgb):
    return "#{:02x}{:02x}{:02x}".format(*rgb)


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    image = read_ppm(argv[1])
    status = 0
    for spec in argv[2:]:
        name, box, minimum = spec.rsplit(":", 2)
        x, y, w, h = (int(v) for v in box.split(","))
        try:
            counts = collections.Counter(box_pixels(image, x, y, w, h))
        except IndexError as error:
            print(f"{name}: {error}")
            return 2
        background, _ = counts.most_common(1)[0]
        others = sum(n for colour, n in counts.items() if colour != background)
        if others < MIN_TEXT_PIXELS:
            print(f"{name}: no text in the box {w}x{h}+{x}+{y} (background {hex_colour(background)})")
            return 2
        text = max(counts, key=lambda colour: contrast(colour, background))
        ratio = contrast(text, background)
        verdict = "ok" if ratio >= float(minimum) else "TOO LOW"
        print(
            f"{name}: text {hex_colour(text)} on {hex_colour(background)}: "
            f"contrast {ratio:.2f} to 1 (at least {minimum}) {verdict}"
        )
        if ratio < float(minimum):
            status = 1
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv))
