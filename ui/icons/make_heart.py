#!/usr/bin/env python3
"""Draws Tandro's heart icon and writes it as the files the program and the desktop use.

    make_heart.py [FOLDER]      (default: the folder of this script)

writes heart.ico (16 colours, a 32 x 32 and a 16 x 16 image, each with its transparency mask)
and heart-32.png and heart-16.png (the same pictures, for desktop icon themes).

The heart is pure red (255, 0, 0), filled solid: two round lobes meeting in a notch at the top
centre, tapering to a point at the bottom centre. A one-pixel grey (128, 128, 128) shadow runs
along its right and lower-right edge. In the 32 x 32 image the heart and its shadow fill the
square but for a one-pixel transparent margin on every side. Only the standard library is used,
and the output is the same byte for byte at every run.
"""

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


def inside_heart(x, y):
    """The heart curve (x^2 + y^2 - 1)^3 = x^2 y^3: lobes up to y = 1.24, the point at y = -1."""
    return (x * x + y * y - 1) ** 3 - x * x * y ** 3 <= 0


def heart(size, margin):
    """Rows of palette indexes (TRANSPARENT for none) of a size x size heart with its shadow."""
    span = size - 2 * margin - 1  # the heart itself; its shadow takes one pixel more
    x_reach, y_top, y_bottom = 1.14, 1.24, -1.0
    red = set()
    for row in range(span):
        for column in range(span):
            x = ((column + 0.5) / span * 2 - 1) * x_reach
            y = y_top - (row + 0.5) / span * (y_top - y_bottom)
            if inside_heart(x, y):
                red.add((margin + column, margin + row))
    # The shadow is the heart moved one pixel right and down, where the heart does not cover it,
    # right of the heart's middle only (along the lower-left edge it would show as stray dots),
    # closed up by the pixel just right of each row's end where the right edge steps outwards.
    middle = margin + (span - 1) // 2
    grey = {(column + 1, row + 1) for (column, row) in red if column + 1 > middle}
    grey |= {(column + 1, row) for (column, row) in red if column > middle}
    grey -= red
    return [[RED if (column, row) in red else GREY if (column, row) in grey else TRANSPARENT
             for column in range(size)] for row in range(size)]


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


def ico(images):
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries, data = b'', b''
    for pixels in images:
        image = ico_image(pixels)
        size = len(pixels)
        entries += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(image), offset + len(data))
        data += image
    return directory + entries + data


def png(pixels):
    """An 8-bit RGBA PNG."""
    width, height = len(pixels[0]), len(pixels)
    raw = b''
    for row in pixels:
        raw += b'\0' + b''.join(bytes(PALETTE[index]) + b'\xff' if index is not TRANSPARENT
                                else b'\0\0\0\0' for index in row)

    def chunk(kind, body):
        return (struct.pack('>I', len(body)) + kind + body
                + struct.pack('>I', zlib.crc32(kind + body) & 0xffffffff))

    return (b'\x89PNG\r\n\x1a\n'
            + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    large, small = heart(32, margin=1), heart(16, margin=0)
    outputs = {'heart.ico': ico([large, small]), 'heart-32.png': png(large),
               'heart-16.png': png(small)}
    for name, content in outputs.items():
        with open(os.path.join(folder, name), 'wb') as file:
            file.write(content)


if __name__ == '__main__':
    main()
