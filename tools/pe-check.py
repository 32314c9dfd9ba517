#!/usr/bin/env python3
"""Checks a PE file against what its callers rely on: machine type, subsystem, export table.

usage: pe-check.py FILE [--machine i386|x86-64] [--subsystem N] [--dll-name NAME] [--base N]
                        [--slots N] [--export ORDINAL=NAME ...]
Slots not named by --export must be empty (no function, no name). Exits 1 on any mismatch.
"""
import argparse
import struct
import sys

MACHINES = {'i386': 0x14C, 'x86-64': 0x8664}


def read_exports(data):
    pe = struct.unpack_from('<I', data, 0x3C)[0]
    if data[pe:pe + 4] != b'PE\0\0':
        raise ValueError('not a PE file')
    machine, sections = struct.unpack_from('<HH', data, pe + 4)
    optional_size = struct.unpack_from('<H', data, pe + 20)[0]
    optional = pe + 24
    magic = struct.unpack_from('<H', data, optional)[0]
    subsystem = struct.unpack_from('<H', data, optional + 68)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    export_rva = struct.unpack_from('<I', data, directories)[0]
    if export_rva == 0:
        return machine, subsystem, None, 0, [], {}
    table = optional + optional_size
    spans = [struct.unpack_from('<IIII', data, table + 40 * i + 8) for i in range(sections)]

    def offset(rva):
        for size, address, raw_size, raw in spans:
            if address <= rva < address + max(size, raw_size):
                return raw + rva - address
        raise ValueError('RVA %x outside the sections' % rva)

    d = offset(export_rva)
    name_rva, base, functions, names, functions_rva, names_rva, ordinals_rva = \
        struct.unpack_from('<IIIIIII', data, d + 12)

    def cstring(rva):
        o = offset(rva)
        return data[o:data.index(b'\0', o)].decode('ascii')

    addresses = [struct.unpack_from('<I', data, offset(functions_rva) + 4 * i)[0] for i in range(functions)]
    named = {}
    for i in range(names):
        name = cstring(struct.unpack_from('<I', data, offset(names_rva) + 4 * i)[0])
        index = struct.unpack_from('<H', data, offset(ordinals_rva) + 2 * i)[0]
        named[base + index] = name
    return machine, subsystem, cstring(name_rva), base, addresses, named


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('file')
    parser.add_argument('--machine')
    parser.add_argument('--subsystem', type=int)
    parser.add_argument('--dll-name')
    parser.add_argument('--base', type=int)
    parser.add_argument('--slots', type=int)
    parser.add_argument('--export', action='append', default=[])
    args = parser.parse_args()
    machine, subsystem, dll_name, base, addresses, named = read_exports(open(args.file, 'rb').read())
    wanted = {int(o): n for o, n in (e.split('=', 1) for e in args.export)}
    errors = []
    if args.machine and machine != MACHINES[args.machine]:
        errors.append('machine %#x, expected %s' % (machine, args.machine))
    if args.subsystem is not None and subsystem != args.subsystem:
        errors.append('subsystem %d, expected %d' % (subsystem, args.subsystem))
    if args.dll_name and dll_name != args.dll_name:
        errors.append('export-table name %r, expected %r' % (dll_name, args.dll_name))
    if args.base is not None and base != args.base:
        errors.append('ordinal base %d, expected %d' % (base, args.base))
    if args.slots is not None and len(addresses) != args.slots:
        errors.append('%d slots, expected %d' % (len(addresses), args.slots))
    for i, address in enumerate(addresses):
        ordinal = base + i
        if ordinal in wanted:
            if address == 0:
                errors.append('ordinal %d has no function' % ordinal)
            if named.get(ordinal) != wanted[ordinal]:
                errors.append('ordinal %d is named %r, expected %r' % (ordinal, named.get(ordinal), wanted[ordinal]))
        elif address != 0 or ordinal in named:
            errors.append('ordinal %d should be empty' % ordinal)
    print('machine %#x, subsystem %d, export name %s, base %d, %d slots, names %s'
          % (machine, subsystem, dll_name, base, len(addresses), named))
    for e in errors:
        print('MISMATCH:', e, file=sys.stderr)
    return 1 if errors else 0


if __name__ == '__main__':
    sys.exit(main())
