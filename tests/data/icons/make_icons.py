#!/usr/bin/env python3
"""Writes the icon files the icon tests read: solid squares with a transparent rim, in
.ico files with 32-bit entries, an SVG, a corrupt .ico and the Qt resource file."""
import os
import struct
import subprocess


def bmp_entry(size, rgb):
    r, g, b = rgb
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            rim = x == 0 or y == 0 or x == size - 1 or y == size - 1
            row += bytes((b, g, r, 0 if rim else 255))
        rows.append(bytes(row))
    pixels = b''.join(reversed(rows))  # bottom-up
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)  # alpha decides; the mask shows everything
    return header + pixels + mask


def ico(entries):
    data = struct.pack('<HHH', 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    blobs = []
    for size, rgb in entries:
        blob = bmp_entry(size, rgb)
        data += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return data + b''.join(blobs)


here = os.path.dirname(os.path.abspath(__file__))
os.makedirs(os.path.join(here, 'resources', 'icons'), exist_ok=True)
with open(os.path.join(here, 'sizes.ico'), 'wb') as f:
    f.write(ico([(16, (200, 0, 0)), (32, (0, 0, 200)), (48, (0, 160, 0))]))
with open(os.path.join(here, 'corrupt.ico'), 'wb') as f:
    f.write(struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', 32, 32, 0, 0, 1, 32, 4264, 22)
            + b'not an image at all')
with open(os.path.join(here, 'resources', 'icons', '101.ico'), 'wb') as f:
    f.write(ico([(32, (240, 120, 0)), (48, (120, 0, 160))]))
with open(os.path.join(here, 'resources', 'icons', 'star.svg'), 'w') as f:
    f.write('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">'
            '<rect width="32" height="32" fill="#10a0a0"/>'
            '<polygon points="16,3 20,12 30,12 22,18 25,29 16,22 7,29 10,18 2,12 12,12" '
            'fill="#ffe030"/></svg>\n')
with open(os.path.join(here, 'resources', 'icons.qrc'), 'w') as f:
    f.write('<!DOCTYPE RCC>\n<RCC version="1.0">\n<qresource prefix="/">\n'
            '    <file>icons/101.ico</file>\n    <file>icons/star.svg</file>\n'
            '</qresource>\n</RCC>\n')
subprocess.run(['/usr/lib/qt6/libexec/rcc', '--binary', '-o', os.path.join(here, 'icons.rcc'),
                os.path.join(here, 'resources', 'icons.qrc')], check=True)
