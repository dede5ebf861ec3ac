#!/usr/bin/env python3
"""Draws Tandro's heart icon and writes it as the files the program and the desktops use.

    make_heart.py [FOLDER]      (default: the folder of this script)

writes heart-32.png and heart-16.png (16 colours, a 32 x 32 and a 16 x 16 picture), heart-48.png,
heart-64.png, heart-128.png and heart-256.png (the same heart at larger sizes, for screens of more
pixels and software centres), heart.svg (the same heart, scalable), and heart-windows.ico, the icon
of the Windows executable: the 32 x 32 and 16 x 16 pictures, each with its transparency mask, in 16
colours, and the 48 x 48 and 256 x 256 hearts for Windows' larger views.
For the web page installed as an app: heart-192.png and heart-512.png (the same heart), and
heart-maskable-512.png and heart-touch-180.png, the heart on the page's dark grey (51, 51, 51),
small enough that a phone may cut the square to a circle or a rounded square round it.

The heart is pure red (255, 0, 0), filled solid: two round lobes meeting in a notch at the top
centre, tapering to a point at the bottom centre. A grey (128, 128, 128) shadow runs along its
right and lower-right edge, one pixel wide in 32 pixels. In the 32 x 32 image the heart and its
shadow fill the square but for a one-pixel transparent margin on every side; larger images keep
those proportions, and the 16 x 16 one has no margin. Every picture is drawn from the one curve of
inside_heart(). Only the standard library is used, and the output is the same byte for byte at
every run.
"""

import math
import os
import struct
import sys
import zlib

# The standard 16-colour palette, in its usual order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
TRANSPARENT, GREY, RED = None, 8, 9
# The web page's background, behind the heart of the icons that a phone shapes itself.
PAGE = (51, 51, 51)


def inside_heart(x, y):
    """The heart curve (x^2 + y^2 - 1)^3 = x^2 y^3: lobes up to y = 1.24, the point at y = -1."""
    return (x * x + y * y - 1) ** 3 - x * x * y ** 3 <= 0


# The part of the curve that the square shows: x from -X_REACH to X_REACH, y from Y_TOP down to
# Y_BOTTOM.
X_REACH, Y_TOP, Y_BOTTOM = 1.14, 1.24, -1.0


def curve_point(x, y, margin, span):
    """The curve's point (x, y) in the picture's coordinates, pixels from its top-left corner."""
    return (margin + (x / X_REACH + 1) / 2 * span, margin + (Y_TOP - y) / (Y_TOP - Y_BOTTOM) * span)


def heart(size, margin, shadow):
    """Rows of palette indexes (TRANSPARENT for none) of a size x size heart with a shadow shadow
    pixels wide."""
    span = size - 2 * margin - shadow  # the heart itself; its shadow takes the rest
    red = set()
    for row in range(span):
        for column in range(span):
            x = ((column + 0.5) / span * 2 - 1) * X_REACH
            y = Y_TOP - (row + 0.5) / span * (Y_TOP - Y_BOTTOM)
            if inside_heart(x, y):
                red.add((margin + column, margin + row))
    # The shadow is the heart moved right and down, pixel by pixel, where the heart does not cover
    # it, right of the heart's middle only (along the lower-left edge it would show as stray dots),
    # closed up by the pixel just right of each row's end where the right edge steps outwards.
    middle = margin + (span - 1) // 2
    grey = set()
    for step in range(1, shadow + 1):
        grey |= {(column + step, row + step) for (column, row) in red if column + step > middle}
        grey |= {(column + step, row + step - 1) for (column, row) in red
                 if column + step - 1 > middle}
    grey -= red
    return [[RED if (column, row) in red else GREY if (column, row) in grey else TRANSPARENT
             for column in range(size)] for row in range(size)]


def outline(points):
    """Points along the edge of the heart, as (x, y) on the curve, going once round it. Each lies
    where a ray from the heart's middle leaves it for the last time."""
    edge = []
    for step in range(points):
        angle = 2 * math.pi * step / points
        dx, dy = math.cos(angle), math.sin(angle)
        outside = 2.0  # beyond the square on every ray
        inside = outside
        while not inside_heart(inside * dx, inside * dy):
            inside -= 1 / 64
        for _ in range(40):
            halfway = (inside + outside) / 2
            if inside_heart(halfway * dx, halfway * dy):
                inside = halfway
            else:
                outside = halfway
        edge.append((inside * dx, inside * dy))
    return edge


def svg():
    """The 32 x 32 picture as a scalable drawing: the heart's outline, filled, over its shadow."""
    margin, span = 1, 30 - 1
    path = 'M' + ' L'.join('%.3f %.3f' % curve_point(x, y, margin, span)
                           for (x, y) in outline(720)) + ' Z'
    middle = margin + span // 2 + 1  # the first column of the shadow, as in the 32 x 32 picture
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"'
            ' width="32" height="32" viewBox="0 0 32 32">\n'
            '  <defs>\n'
            '    <path id="heart" d="%s"/>\n'
            '    <clipPath id="right-half"><rect x="%d" y="0" width="%d" height="32"/></clipPath>\n'
            '  </defs>\n'
            '  <g clip-path="url(#right-half)" fill="#808080">\n'
            '    <use xlink:href="#heart" x="1" y="1"/>\n'
            '    <use xlink:href="#heart" x="1" y="0"/>\n'
            '  </g>\n'
            '  <use xlink:href="#heart" fill="#ff0000"/>\n'
            '</svg>\n' % (path, middle, 32 - middle)).encode('ascii')


def ico_image(pixels):
    """A 4-bit BMP with its AND mask, as an .ico stores it: bottom row first."""
    size = len(pixels)
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    xor_stride = (size * 4 + 31) // 32 * 4
    and_stride = (size + 31) // 32 * 4
    colours, mask = b'', b''
    for row in reversed(pixels):
        nibbles = [0 if index is TRANSPARENT else index for index in row]
        line = bytes(nibbles[i] << 4 | nibbles[i + 1] for i in range(0, size, 2))
        colours += line.ljust(xor_stride, b'\0')
        bits = 0
        for column, index in enumerate(row):
            if index is TRANSPARENT:
                bits |= 1 << (and_stride * 8 - 1 - column)
        mask += bits.to_bytes(and_stride, 'big')
    return header + palette + colours + mask


def ico_image_full_colour(pixels):
    """A 32-bit BMP with an alpha channel and its AND mask, as an .ico stores it: bottom row
    first."""
    size = len(pixels)
    header = struct.pack('<IiiHHIIiiII', 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    and_stride = (size + 31) // 32 * 4
    colours, mask = b'', b''
    for row in reversed(pixels):
        for index in row:
            colours += (b'\0\0\0\0' if index is TRANSPARENT
                        else bytes(reversed(PALETTE[index])) + b'\xff')
        bits = 0
        for column, index in enumerate(row):
            if index is TRANSPARENT:
                bits |= 1 << (and_stride * 8 - 1 - column)
        mask += bits.to_bytes(and_stride, 'big')
    return header + colours + mask


def ico(images):
    """An .ico of the images: 16-colour bitmaps up to 32 pixels, a 32-bit bitmap up to 255, and
    a PNG above, as Windows expects them."""
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries, data = b'', b''
    for pixels in images:
        size = len(pixels)
        if size <= 32:
            image, colours, bits = ico_image(pixels), 16, 4
        elif size < 256:
            image, colours, bits = ico_image_full_colour(pixels), 0, 32
        else:
            image, colours, bits = png(pixels), 0, 32
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, colours, 0, 1, bits,
                               len(image), offset + len(data))
        data += image
    return directory + entries + data


def on_background(pixels, size, colour):
    """The picture in the middle of a size x size square of colour, as rows of colours."""
    margin = (size - len(pixels)) // 2
    rows = [[colour] * size for _ in range(size)]
    for y, row in enumerate(pixels):
        for x, index in enumerate(row):
            if index is not TRANSPARENT:
                rows[margin + y][margin + x] = PALETTE[index]
    return rows


def png(pixels):
    """An 8-bit RGBA PNG of rows of palette indexes, or of colours (red, green, blue)."""
    width, height = len(pixels[0]), len(pixels)
    raw = b''
    for row in pixels:
        raw += b'\0' + b''.join(b'\0\0\0\0' if index is TRANSPARENT
                                else bytes(index if isinstance(index, tuple) else PALETTE[index])
                                + b'\xff' for index in row)

    def chunk(kind, body):
        return (struct.pack('>I', len(body)) + kind + body
                + struct.pack('>I', zlib.crc32(kind + body) & 0xffffffff))

    return (b'\x89PNG\r\n\x1a\n'
            + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    large, small = heart(32, margin=1, shadow=1), heart(16, margin=0, shadow=1)
    outputs = {'heart-32.png': png(large), 'heart-16.png': png(small), 'heart.svg': svg()}
    larger = {size: heart(size, margin=size // 32, shadow=size // 32) for size in (48, 64, 128, 256)}
    for size, pixels in larger.items():
        outputs['heart-%d.png' % size] = png(pixels)
    outputs['heart-windows.ico'] = ico([large, small, larger[48], larger[256]])
    for size in (192, 512):
        outputs['heart-%d.png' % size] = png(heart(size, margin=size // 32, shadow=size // 32))
    # A maskable icon keeps what matters within the circle of 80 % of its side.
    outputs['heart-maskable-512.png'] = png(on_background(heart(288, 0, 9), 512, PAGE))
    outputs['heart-touch-180.png'] = png(on_background(heart(128, 0, 4), 180, PAGE))
    for name, content in outputs.items():
        with open(os.path.join(folder, name), 'wb') as file:
            file.write(content)


if __name__ == '__main__':
    main()
