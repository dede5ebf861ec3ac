#!/usr/bin/env python3
"""Writes the fuzzer's seed inputs into corpus/: a few pairs of names of every kind.

Each input is one byte saying where the user's name ends, as a fraction of the rest (0 to 255),
then both names in UTF-16, little-endian.
"""

import os

SEEDS = {
    'ram-sita': ('Ram', 'Sita'),
    'anna-hanna': ('Anna', 'Hanna'),
    'no-result': ('Anna', 'anna'),
    'spaces-around': (' a ', ' a'),
    'mary-ann-tom': ('Mary Ann', 'Tom'),
    'empty-partner': ('Ram', ''),
    'digit-and-apostrophe': ("O'Neil", 'Jo3'),
    'tab-and-nul': ('Ra\tm', 'Si\0ta'),
    'emoji': ('Ram\U0001F496', 'Sita'),
    'combining-and-zero-width': ('Rame\u0301', 'Si\u200bta'),
    'right-to-left': ('\u05e8\u05dd', '\u202eSita'),
    'special-lower-case': ('\u0130stanbul \u03a3', 'istanbul \u03c3'),
    'long': ('abcdefghijklm' * 40, 'nopqrstuvwxyz' * 40),
}


def encode(your, partner):
    your_bytes = your.encode('utf-16-le')
    partner_bytes = partner.encode('utf-16-le')
    units = (len(your_bytes) + len(partner_bytes)) // 2
    # The byte b splits at units * b // 255; find the b that splits where the names meet.
    split = len(your_bytes) // 2
    fraction = next(b for b in range(256) if units == 0 or units * b // 255 >= split)
    return bytes([fraction]) + your_bytes + partner_bytes


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'corpus')
    os.makedirs(folder, exist_ok=True)
    for name, (your, partner) in SEEDS.items():
        with open(os.path.join(folder, name), 'wb') as seed:
            seed.write(encode(your, partner))


if __name__ == '__main__':
    main()
