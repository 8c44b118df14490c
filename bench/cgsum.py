#!/usr/bin/env python3
"""cgsum.py OUT FRAMES - instructions per frame from a callgrind.out file, split by object file:
game (the statically linked benchmark binary: update, recording, replay, batching), Mesa (libGL, the driver),
JIT (llvmpipe's generated shaders, which callgrind sees as unnamed code), libc, X11 and the rest."""
import re
import sys


def category(obj):
    name = obj.rsplit('/', 1)[-1]
    if name.startswith('skarnfell') or name.startswith('peer_'):
        return 'game'
    if name in ('???', '') or name.startswith('0x'):
        return 'JIT'
    if 'LLVM' in name:
        return 'LLVM'
    if any(k in name for k in ('swrast', 'gallium', 'dri', 'GLX', 'glapi', 'libGL', 'mesa')):
        return 'Mesa'
    if any(k in name for k in ('libc.', 'libm.', 'ld-linux', 'libstdc++', 'libgcc')):
        return 'libc'
    if any(k in name for k in ('X11', 'xcb', 'Xext', 'Xau', 'Xdmcp', 'glfw')):
        return 'X11'
    if 'SDL2' in name:
        return 'SDL2'
    return 'other'


def main():
    path, frames = sys.argv[1], int(sys.argv[2])
    names, per, current = {}, {}, '???'
    skip_next = False
    for line in open(path, errors='replace'):
        c = line[:1]
        if c.isdigit() or c in '+-*':
            if skip_next:  # the cost line after calls= is inclusive cost of the callee: not this object's own
                skip_next = False
                continue
            parts = line.split()
            if len(parts) >= 2:
                per[current] = per.get(current, 0) + int(parts[1])
        elif line.startswith(('ob=', 'cob=')):
            m = re.match(r'c?ob=\((\d+)\)(?: (.*))?', line.rstrip('\n'))
            if m and m.group(2) is not None:
                names[m.group(1)] = m.group(2)
            if line.startswith('ob='):
                current = names.get(m.group(1), '???') if m else line[3:].strip()
        elif line.startswith('calls='):
            skip_next = True
    cats = {}
    for obj, ir in per.items():
        cats[category(obj)] = cats.get(category(obj), 0) + ir
    total = sum(cats.values())
    parts = ' '.join('cg_%s_M=%.3f' % (k, v / frames / 1e6) for k, v in sorted(cats.items(), key=lambda kv: -kv[1]))
    print('cg_total_M=%.2f %s' % (total / frames / 1e6, parts))


if __name__ == '__main__':
    main()
