#!/usr/bin/env python3
"""Reads pixels of a screenshot for the e2e scripts (ImageMagick decodes it; no Python imaging library needed), or
of a window as it is now when FILE is "window:ID" (read from the X server as `import -window` does, but fast enough
to poll for pictures that last only a second). Several requests separated by "--" share one picture; each prints one
line. A window that cannot be read (not mapped) reads as 0x0, so every share is 0.

  picture.py window:ID poll SECONDS CONDITION SAVE REQUESTS...
      reads the window until the numbers a[0], a[1]... of the answers make the Python CONDITION true, keeps that
      picture as the file SAVE and prints the answers; status 1 if that does not happen within SECONDS.
      "window:@FILE" instead of an id: see the poll code.

  picture.py FILE size                        -> "W H"
  picture.py FILE pixel X Y                   -> "R G B"
  picture.py FILE share X Y W H CONDITION     -> fraction (0..1) of the region's pixels for which CONDITION holds,
                                                 a Python expression over r, g, b
  picture.py FILE mask X Y W H R G B          -> "COUNT DIGEST" of the pixels in the region with exactly that colour
"""
import ctypes
import hashlib
import os
import subprocess
import sys
import time


class XImage(ctypes.Structure):
    _fields_ = [('width', ctypes.c_int), ('height', ctypes.c_int), ('xoffset', ctypes.c_int), ('format', ctypes.c_int),
                ('data', ctypes.POINTER(ctypes.c_char)), ('byte_order', ctypes.c_int), ('bitmap_unit', ctypes.c_int),
                ('bitmap_bit_order', ctypes.c_int), ('bitmap_pad', ctypes.c_int), ('depth', ctypes.c_int),
                ('bytes_per_line', ctypes.c_int), ('bits_per_pixel', ctypes.c_int)]


_x = {}  # the X library and one display connection, opened once however often the window is read


def read_window(window):
    if not _x:
        xlib = ctypes.CDLL('libX11.so.6')
        xlib.XOpenDisplay.restype = ctypes.c_void_p
        xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        xlib.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 7
        xlib.XGetImage.restype = ctypes.POINTER(XImage)
        xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                   ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        xlib.XFree.argtypes = [ctypes.c_void_p]
        handler_type = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
        _x['ignore'] = handler_type(lambda display, event: 0)  # an unmapped window must not end the process
        xlib.XSetErrorHandler(_x['ignore'])
        display = xlib.XOpenDisplay(None)
        if not display:
            sys.exit('cannot open display')
        _x.update(xlib=xlib, display=display)
    xlib, display = _x['xlib'], _x['display']
    root, x, y = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()
    w, h, border, depth = ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint()
    if not xlib.XGetGeometry(display, window, ctypes.byref(root), ctypes.byref(x), ctypes.byref(y), ctypes.byref(w),
                             ctypes.byref(h), ctypes.byref(border), ctypes.byref(depth)):
        return 0, 0, b''
    image = xlib.XGetImage(display, window, 0, 0, w.value, h.value, 0xffffffff, 2)  # ZPixmap
    if not image or image.contents.bits_per_pixel != 32:
        return 0, 0, b''
    im = image.contents
    width, height, stride = im.width, im.height, im.bytes_per_line
    data = ctypes.string_at(im.data, stride * height)
    xlib.XFree(im.data)  # XDestroyImage is a macro; these two frees are what it does for a server image
    xlib.XFree(image)
    rgb = bytearray(width * height * 3)
    for row in range(height):  # 32-bit little-endian pixels: blue, green, red, unused
        line = data[row * stride:row * stride + width * 4]
        base = row * width * 3
        rgb[base:base + width * 3:3] = line[2::4]
        rgb[base + 1:base + width * 3:3] = line[1::4]
        rgb[base + 2:base + width * 3:3] = line[0::4]
    return width, height, bytes(rgb)


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


def requests(words):
    request = []
    for word in words + ['--']:
        if word != '--':
            request.append(word)
        elif request:
            yield request[0], request[1:]
            request = []


def answers(picture, words):
    return [answer(*picture, what, args) for what, args in requests(words)]


def main(argv):
    if argv[2] != 'poll':
        for line in answers(load(argv[1]), argv[2:]):
            print(line)
        return
    # Reads the window again and again until the answers a[0], a[1]... make CONDITION true (a picture that may last
    # only a few frames), then keeps that picture as SAVE; gives up after SECONDS with status 1.
    seconds, condition, save = float(argv[3]), eval('lambda a: ' + argv[4]), argv[5]
    deadline = time.monotonic() + seconds
    source = argv[1]
    if source.startswith('window:@'):
        # The window does not exist yet: this process starts first (its own start-up can take longer than a short
        # picture lasts), creates FILE.ready once it can read windows, and then waits for the window's id in FILE.
        id_file = source[len('window:@'):]
        read_window(0)
        open(id_file + '.ready', 'w').close()
        while not (os.path.exists(id_file) and open(id_file).read().strip()):
            if time.monotonic() > deadline:
                sys.exit(1)
            time.sleep(0.005)
        source = 'window:' + open(id_file).read().strip()
    while time.monotonic() < deadline:
        picture = load(source)
        found = answers(picture, argv[6:])
        if condition([float(x) for line in found for x in line.split()]):
            width, height, pixels = picture
            subprocess.run(['/usr/bin/convert', 'ppm:-', save], check=True,
                           input=b'P6 %d %d 255\n' % (width, height) + pixels)
            print(' '.join(found))
            return
        time.sleep(0.04)
    sys.exit(1)


def answer(width, height, pixels, what, args):
    if what == 'size':
        return '%d %d' % (width, height)
    if what == 'pixel':
        x, y = int(args[0]), int(args[1])
        i = (y * width + x) * 3
        return ' '.join(map(str, pixels[i:i + 3] if 0 <= x < width and 0 <= y < height else (0, 0, 0)))
    if what == 'share':
        x, y, w, h = map(int, args[:4])
        test = eval('lambda r, g, b: ' + args[4])
        total = hits = 0
        for _, _, r, g, b in region(width, height, pixels, x, y, w, h):
            total += 1
            hits += 1 if test(r, g, b) else 0
        return '%.4f' % (hits / total if total else 0)
    if what == 'mask':
        x, y, w, h, r0, g0, b0 = map(int, args[:7])
        found = [(xx, yy) for xx, yy, r, g, b in region(width, height, pixels, x, y, w, h) if (r, g, b) == (r0, g0, b0)]
        return '%d %s' % (len(found), hashlib.sha1(repr(found).encode()).hexdigest()[:16])
    sys.exit('unknown request ' + what)


main(sys.argv)
