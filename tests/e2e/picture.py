#!/usr/bin/env python3
"""Reads pixels of a screenshot for the e2e scripts (ImageMagick decodes it; no Python imaging library needed), or
of a window as it is now when FILE is "window:ID" (read from the X server as `import -window` does, but fast enough
to poll for pictures that last only a second). Several requests separated by "--" share one picture; each prints one
line. A window that cannot be read (not mapped) reads as 0x0, so every share is 0.

  picture.py FILE size                        -> "W H"
  picture.py FILE pixel X Y                   -> "R G B"
  picture.py FILE share X Y W H CONDITION     -> fraction (0..1) of the region's pixels for which CONDITION holds,
                                                 a Python expression over r, g, b
  picture.py FILE mask X Y W H R G B          -> "COUNT DIGEST" of the pixels in the region with exactly that colour
"""
import ctypes
import hashlib
import subprocess
import sys


class XImage(ctypes.Structure):
    _fields_ = [('width', ctypes.c_int), ('height', ctypes.c_int), ('xoffset', ctypes.c_int), ('format', ctypes.c_int),
                ('data', ctypes.POINTER(ctypes.c_char)), ('byte_order', ctypes.c_int), ('bitmap_unit', ctypes.c_int),
                ('bitmap_bit_order', ctypes.c_int), ('bitmap_pad', ctypes.c_int), ('depth', ctypes.c_int),
                ('bytes_per_line', ctypes.c_int), ('bits_per_pixel', ctypes.c_int)]


def read_window(window):
    xlib = ctypes.CDLL('libX11.so.6')
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 7
    xlib.XGetImage.restype = ctypes.POINTER(XImage)
    xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                               ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    handler_type = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
    ignore_errors = handler_type(lambda display, event: 0)  # an unmapped window must not end the process
    xlib.XSetErrorHandler(ignore_errors)
    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit('cannot open display')
    root, x, y = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()
    w, h, border, depth = ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint()
    if not xlib.XGetGeometry(display, window, ctypes.byref(root), ctypes.byref(x), ctypes.byref(y), ctypes.byref(w),
                             ctypes.byref(h), ctypes.byref(border), ctypes.byref(depth)):
        return 0, 0, b''
    image = xlib.XGetImage(display, window, 0, 0, w.value, h.value, 0xffffffff, 2)  # ZPixmap
    if not image or image.contents.bits_per_pixel != 32:
        return 0, 0, b''
    im = image.contents
    data = ctypes.string_at(im.data, im.bytes_per_line * im.height)
    rgb = bytearray(im.width * im.height * 3)
    for row in range(im.height):  # 32-bit little-endian pixels: blue, green, red, unused
        line = data[row * im.bytes_per_line:row * im.bytes_per_line + im.width * 4]
        base = row * im.width * 3
        rgb[base:base + im.width * 3:3] = line[2::4]
        rgb[base + 1:base + im.width * 3:3] = line[1::4]
        rgb[base + 2:base + im.width * 3:3] = line[0::4]
    return im.width, im.height, bytes(rgb)


def load(path):
    if path.startswith('window:'):
        return read_window(int(path[len('window:'):], 0))
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
        print(*(pixels[i:i + 3] if 0 <= x < width and 0 <= y < height else (0, 0, 0)))
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
