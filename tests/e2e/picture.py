#!/usr/bin/env python3
"""Reads pixels of a screenshot for the e2e scripts (ImageMagick decodes it; no Python imaging library needed).
Several requests separated by "--" share one decoding; each prints one line.

  picture.py FILE size                        -> "W H"
  picture.py FILE pixel X Y                   -> "R G B"
  picture.py FILE share X Y W H CONDITION     -> fraction (0..1) of the region's pixels for which CONDITION holds,
                                                 a Python expression over r, g, b
  picture.py FILE mask X Y W H R G B          -> "COUNT DIGEST" of the pixels in the region with exactly that colour
"""
import hashlib
import subprocess
import sys


def load(path):
    data = subprocess.run(['/usr/bin/convert', path, '-depth', '8', 'ppm:-'], check=True,
                          stdout=subprocess.PIPE).stdout
    fields, pos = [], 0
    while len(fields) < 4:  # magic, width, height, maximum, separated by white space
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    return int(fields[1]), int(fields[2]), data[pos + 1:]


def region(width, height, pixels, x, y, w, h):
    for yy in range(max(0, y), min(height, y + h)):
        row = yy * width * 3
        for xx in range(max(0, x), min(width, x + w)):
            i = row + xx * 3
            yield xx, yy, pixels[i], pixels[i + 1], pixels[i + 2]


def main(argv):
    width, height, pixels = load(argv[1])
    request = []
    for word in argv[2:] + ['--']:
        if word != '--':
            request.append(word)
        elif request:
            answer(width, height, pixels, request[0], request[1:])
            request = []


def answer(width, height, pixels, what, args):
    if what == 'size':
        print(width, height)
    elif what == 'pixel':
        x, y = int(args[0]), int(args[1])
        i = (y * width + x) * 3
        print(pixels[i], pixels[i + 1], pixels[i + 2])
    elif what == 'share':
        x, y, w, h = map(int, args[:4])
        test = eval('lambda r, g, b: ' + args[4])
        total = hits = 0
        for _, _, r, g, b in region(width, height, pixels, x, y, w, h):
            total += 1
            hits += 1 if test(r, g, b) else 0
        print('%.4f' % (hits / total if total else 0))
    elif what == 'mask':
        x, y, w, h, r0, g0, b0 = map(int, args[:7])
        found = [(xx, yy) for xx, yy, r, g, b in region(width, height, pixels, x, y, w, h) if (r, g, b) == (r0, g0, b0)]
        print(len(found), hashlib.sha1(repr(found).encode()).hexdigest()[:16])
    else:
        sys.exit('unknown request ' + what)


main(sys.argv)
