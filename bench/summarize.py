#!/usr/bin/env python3
"""summarize.py RAW - the markdown table of bench/run.sh: medians over the repetitions, (min-max) in brackets."""
import re
import statistics
import sys

KV = re.compile(r'(\w+)=("([^"]*)"|\S+)')
BUSY = ('busy', 'full')  # the game's scripted round; the peers' comparable frame
LABEL = {'game': 'Skarnfell', 'game_straight': 'Skarnfell, straightforward path', 'sdl': 'SDL2 renderer peer',
         'gl11': 'GL 1.1 batcher peer'}


def parse(line):
    return {m.group(1): m.group(3) if m.group(3) is not None else m.group(2) for m in KV.finditer(line)}


def fmt(xs, prec=2):
    if not xs:
        return 'n/a'
    m = statistics.median(xs)
    return f'{m:.{prec}f}' if len(xs) == 1 else f'{m:.{prec}f} ({min(xs):.{prec}f}-{max(xs):.{prec}f})'


def main():
    runs, draws, cg, kernels, notes = [], {}, [], [], []
    for line in open(sys.argv[1]):
        line = line.rstrip('\n')
        if line.startswith('RESULT '):
            runs.append(parse(line))
        elif line.startswith('DRAWS '):
            d = parse(line)
            draws[d['size']] = float(d['draws_per_frame'])
        elif line.startswith('CALLGRIND '):
            cg.append(parse(line))
        elif line.startswith('KERNEL '):
            kernels.append(line[7:])
        elif line.startswith('#') or line.startswith('FAILED'):
            notes.append(line.lstrip('# '))

    def sel(prog, size, mode, key, scenes=BUSY):
        return [float(r[key]) for r in runs if r.get('prog') == prog and r.get('size') == size
                and r.get('mode') == mode and r.get('scene') in scenes and key in r]

    sizes = []
    for r in runs:
        if r.get('size') not in sizes and r.get('scene') in BUSY:
            sizes.append(r['size'])
    print('CPU = the whole process (user + system, every thread including the rasterizer\'s); Xvfb = the X server\'s '
          'CPU over the same run. Uncapped: no sleeping, fixed frames. Paced: 60 updates/s with real sleeps.\n')
    print('| size | program | uncapped CPU ms/frame | of which update | uncapped fps | uncapped Xvfb ms/frame | '
          'paced CPU ms/frame | paced fps | paced CPU share | draw calls/frame | list entries/frame | peak RSS MB |')
    print('|---|---|---|---|---|---|---|---|---|---|---|---|')
    for z in sizes:
        for p in ('game', 'game_straight', 'sdl', 'gl11'):
            if not sel(p, z, 'uncapped', 'fps'):
                continue
            d = sel(p, z, 'uncapped', 'draws_per_frame')
            if p == 'sdl' and z in draws:
                d = [draws[z]]
            rss = [x / 1024 for x in sel(p, z, 'uncapped', 'peak_rss_kb')]
            print(f'| {z} | {LABEL[p]} | {fmt(sel(p, z, "uncapped", "cpu_ms_per_frame"))} | '
                  f'{fmt(sel(p, z, "uncapped", "update_cpu_ms"), 3)} | {fmt(sel(p, z, "uncapped", "fps"), 0)} | '
                  f'{fmt(sel(p, z, "uncapped", "xvfb_ms_per_frame"))} | {fmt(sel(p, z, "paced", "cpu_ms_per_frame"))} | '
                  f'{fmt(sel(p, z, "paced", "fps"), 1)} | {fmt(sel(p, z, "paced", "cpu_share"), 3)} | '
                  f'{fmt([x for x in d if x >= 0], 1)} | {fmt(sel(p, z, "uncapped", "entries_per_frame"), 0)} | '
                  f'{fmt(rss, 0)} |')
    print()
    for z in sizes:
        g, s = sel('game', z, 'uncapped', 'cpu_ms_per_frame'), sel('sdl', z, 'uncapped', 'cpu_ms_per_frame')
        gp, sp = sel('game', z, 'paced', 'cpu_ms_per_frame'), sel('sdl', z, 'paced', 'cpu_ms_per_frame')
        st = sel('game_straight', z, 'uncapped', 'cpu_ms_per_frame')
        line = f'- {z}: game / SDL2 peer CPU per busy frame: uncapped {statistics.median(g) / statistics.median(s):.2f}x'
        if gp and sp:
            line += f', paced {statistics.median(gp) / statistics.median(sp):.2f}x'
        if st:
            line += f'; optimised / straightforward path {statistics.median(g) / statistics.median(st):.2f}x'
        print(line)
    print('\nTitle menu, paced (60 updates/s):\n')
    for z in sizes:
        t = lambda k, p=2: fmt(sel('game', z, 'paced', k, ('title',)), p)
        print(f'- {z}: CPU {t("cpu_ms_per_frame")} ms/frame, {t("fps", 1)} fps, CPU share {t("cpu_share", 3)}')
    print('\nStart-up (from process start; the kernel counts the start in 10 ms ticks):\n')
    for z in sizes:
        s = lambda k: fmt(sel('game', z, 'paced', k, ('startup',)), 0)
        print(f'- {z}: first rendered frame {s("first_frame_ms")} ms, title menu ready {s("title_ready_ms")} ms')
    if cg:
        print('\nCallgrind, instructions per frame inside the measured loop (M = millions; game = the benchmark '
              'binary with the whole game linked in):\n')
        for c in cg:
            rest = ' '.join(f'{k[3:-2]} {v}' for k, v in c.items() if k.startswith('cg_') and k != 'cg_total_M')
            print(f'- {c["prog"]} {c["size"]} ({c["frames"]} frames): total {c["cg_total_M"]} M; {rest}')
    if kernels:
        print('\nKernels (Google Benchmark):\n\n```')
        for k in kernels:
            print(k)
        print('```')
    print('\nNotes:\n')
    for n in notes:
        print('- ' + n)


if __name__ == '__main__':
    main()
