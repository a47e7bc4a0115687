#!/usr/bin/env python3
"""Checks the built programs as files: PE32 or PE32+, GUI subsystem, at most 200 KiB for the
release, and imports from system DLLs only. Usage: check_exe.py EXE [EXE ...]"""
import os
import struct
import subprocess
import sys

SYSTEM_DLLS = {'kernel32.dll', 'user32.dll', 'gdi32.dll', 'comdlg32.dll', 'shell32.dll', 'advapi32.dll',
               'ole32.dll', 'msvcrt.dll', 'comctl32.dll', 'dnsapi.dll', 'shlwapi.dll'}
BUDGET = 200 * 1024


def check(path):
    problems = []
    data = open(path, 'rb').read()
    pe = struct.unpack_from('<I', data, 0x3C)[0]
    if data[pe:pe + 4] != b'PE\0\0':
        return [f'{path}: not a PE file']
    machine = struct.unpack_from('<H', data, pe + 4)[0]
    magic, = struct.unpack_from('<H', data, pe + 24)
    subsystem, = struct.unpack_from('<H', data, pe + 24 + 68)
    is32 = machine == 0x14C and magic == 0x10B
    is64 = machine == 0x8664 and magic == 0x20B
    if not (is32 or is64):
        problems.append(f'{path}: machine {machine:#x}, optional header {magic:#x}')
    if subsystem != 2:
        problems.append(f'{path}: subsystem {subsystem}, not the Windows GUI (2)')
    tool = 'i686-w64-mingw32-objdump' if is32 else 'x86_64-w64-mingw32-objdump'
    dump = subprocess.run([tool, '-p', path], check=True, stdout=subprocess.PIPE, text=True).stdout
    dlls = sorted({line.split(':', 1)[1].strip().lower() for line in dump.splitlines() if 'DLL Name:' in line})
    foreign = [d for d in dlls if d not in SYSTEM_DLLS]
    if foreign:
        problems.append(f'{path}: imports non-system DLLs {foreign}')
    size = os.path.getsize(path)
    if is32 and size > BUDGET:
        problems.append(f'{path}: {size} bytes, over the budget of {BUDGET}')
    print(f'{path}: {"PE32" if is32 else "PE32+"}, GUI, {size} bytes, imports {", ".join(dlls)}')
    return problems


problems = [p for exe in sys.argv[1:] for p in check(exe)]
for p in problems:
    print('FAIL', p)
sys.exit(1 if problems else 0)
