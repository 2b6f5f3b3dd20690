#!/usr/bin/env python3
"""Where the head's bytes go: sums the linker map's kept input sections per object file and
per library, largest first.   tools/head-size.py out/win64/src/programs/PatchHead/PatchHead.map [N]
The head is linked whole-program: configure with -DQUEN_HEAD_LTO=OFF to see it per object."""
import re
import sys
from collections import defaultdict

def rows(path):
    """(section, size, input) for each kept input section of the map's memory map that takes
    bytes in the file (zero-filled .bss takes none)."""
    lines = open(path, encoding='latin-1').read().split('\n')
    start = next((i for i, l in enumerate(lines) if l.startswith('Linker script and memory map')), 0)
    pending = None
    for line in lines[start:]:
        if line.startswith('/DISCARD/'):
            break
        m = re.match(r'^ (\.\S+)\s*$', line)
        if m:  # a long section name: its address and size are on the next line
            pending = m.group(1)
            continue
        m = re.match(r'^ (\.\S+)?\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$', line)
        if m and (m.group(1) or pending) and not (m.group(1) or pending).startswith('.bss'):
            yield m.group(1) or pending, int(m.group(3), 16), m.group(4).strip()
        pending = None

def owner(inp):
    """'lib.a(member.o)' -> (library, member); an object alone is its own library."""
    m = re.match(r'^(.*?)\((.*)\)$', inp)
    lib, member = (m.group(1), m.group(2)) if m else (inp, inp)
    short = lambda p: re.sub(r'^.*/(CMakeFiles/[^/]+\.dir/)?', '', p)
    return short(lib), short(member)

def main():
    path = sys.argv[1]
    top = int(sys.argv[2]) if len(sys.argv) > 2 else 25
    by_object, by_library = defaultdict(int), defaultdict(int)
    total = 0
    for section, size, inp in rows(path):
        if section.startswith(('.debug', '.comment')) or size == 0:
            continue
        lib, member = owner(inp)
        by_object[(lib, member)] += size
        by_library[lib] += size
        total += size
    print(f'| library | bytes | share |\n|---|---:|---:|')
    for lib, size in sorted(by_library.items(), key=lambda kv: -kv[1])[:top]:
        print(f'| {lib} | {size} | {100 * size / total:.1f}% |')
    print(f'| all | {total} | 100% |\n\n| object | library | bytes |\n|---|---|---:|')
    for (lib, member), size in sorted(by_object.items(), key=lambda kv: -kv[1])[:top]:
        print(f'| {member} | {lib} | {size} |')

if __name__ == '__main__':
    main()
