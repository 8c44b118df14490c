#!/usr/bin/env python3
"""Measures stretches of a captured WAV (sox decodes it to 16-bit mono at a low rate; times in seconds).

  sound.py level FILE START END              -> "RMS PEAK", both relative to full scale
  sound.py match FILE SOUND START END        -> "CORRELATION AT": the best normalised correlation of the sound file
                                                SOUND with the capture, over start times from START to END (a copy of
                                                the sound, at any volume, gives 1), and the start time where it is best
"""
import array
import math
import subprocess
import sys

RATE = 2000


def decode(path):
    raw = subprocess.run(['sox', path, '-t', 'raw', '-e', 'signed', '-b', '16', '-c', '1', '-r', str(RATE), '-'],
                         check=True, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout
    return array.array('h', raw)


def main(argv):
    what, capture = argv[1], decode(argv[2])
    if what == 'level':
        start, end = float(argv[3]), float(argv[4])
        part = capture[max(0, int(start * RATE)):max(0, int(end * RATE))]
        if not part:
            sys.exit('the capture does not reach %s s' % argv[3])
        rms = math.sqrt(sum(s * s for s in part) / len(part)) / 32768
        print('%.5f %.4f' % (rms, max(abs(s) for s in part) / 32768))
    elif what == 'match':
        sound = decode(argv[3])
        start, end = int(float(argv[4]) * RATE), int(float(argv[5]) * RATE)
        sound_norm = math.sqrt(sum(s * s for s in sound))
        best, best_at = 0.0, start
        for lag in range(max(0, start), min(end, len(capture) - len(sound)) + 1):
            part = capture[lag:lag + len(sound)]
            dot = sum(a * b for a, b in zip(part, sound))
            norm = math.sqrt(sum(a * a for a in part)) * sound_norm
            if norm > 0 and dot / norm > best:
                best, best_at = dot / norm, lag
        print('%.3f %.3f' % (best, best_at / RATE))
    else:
        sys.exit('unknown request ' + what)


main(sys.argv)
