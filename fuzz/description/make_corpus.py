#!/usr/bin/env python3
"""Writes the seed corpus of form_description_fuzzer.

usage: make_corpus.py <form_writer> <corpus dir>

The seeds are the declared main window (with a 1x1 PNG standing in for the
formula, to keep the seed small), a few damaged copies of it, and the kind
records it holds (one of each kind), which seed the kind-record readers.
"""
import os
import struct
import subprocess
import sys
import tempfile
import zlib


def TinyPng():
    def Chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    header = struct.pack('>IIBBBBB', 1, 1, 8, 6, 0, 0, 0)
    pixels = zlib.compress(b'\x00\xff\xff\xff\xff')
    return b'\x89PNG\r\n\x1a\n' + Chunk(b'IHDR', header) + Chunk(b'IDAT', pixels) + Chunk(b'IEND', b'')


def ZeroTerminatedEnd(data, at):
    return data.index(b'\x00', at) + 1


def KindRecord(record):
    """The bytes after the common head of one record."""
    at = 24
    at = ZeroTerminatedEnd(record, at)  # name
    at = ZeroTerminatedEnd(record, at)  # remark
    at += 4 * 7  # liveObject, place, cursor, parent
    (children,) = struct.unpack_from('<I', record, at)
    at += 4 + 4 * children
    (pointerLength,) = struct.unpack_from('<I', record, at)
    at += 4 + pointerLength
    at = ZeroTerminatedEnd(record, at)  # tag
    at += 12  # reserved, stateFlags, tabOrder
    (events,) = struct.unpack_from('<I', record, at)
    at += 4 + 8 * events + 20
    return record[at:]


def Records(description):
    """(id, record offset in the description, record bytes) of the one window."""
    (tableLength,) = struct.unpack_from('<I', description, 0)
    at = 4 + tableLength + 8
    for _ in range(2):
        (textLength,) = struct.unpack_from('<I', description, at)
        at += 4 + textLength
    (count, bufferLength) = struct.unpack_from('<II', description, at)
    buffer = at + 8
    ids = struct.unpack_from('<%dI' % count, description, buffer)
    offsets = struct.unpack_from('<%dI' % count, description, buffer + 4 * count)
    records = buffer + 8 * count
    result = []
    for elementId, offset in zip(ids, offsets):
        (length,) = struct.unpack_from('<I', description, records + offset)
        start = records + offset + 4
        result.append((elementId, start, description[start:start + length]))
    return buffer, result


def Patched(data, at, value):
    return data[:at] + struct.pack('<I', value) + data[at + 4:]


def main():
    formWriter, corpus = sys.argv[1], sys.argv[2]
    os.makedirs(corpus, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        png = os.path.join(work, 'tiny.png')
        out = os.path.join(work, 'description.bin')
        with open(png, 'wb') as f:
            f.write(TinyPng())
        subprocess.run([formWriter, png, out], check=True)
        with open(out, 'rb') as f:
            description = f.read()
    buffer, records = Records(description)
    windowStart = records[0][1]
    kindOfWindow = windowStart + len(records[0][2]) - len(KindRecord(records[0][2]))
    seeds = {
        'main_window': description,
        'cut_by_one': description[:-1],
        'window_version_7': Patched(description, kindOfWindow, 7),
        'menu_item_element': Patched(description, buffer + 4, 0x26010032),
        'overlapping_records': Patched(description, buffer + 4 * len(records) + 4, 0),
        'two_windows_one_table_entry': Patched(description, 0, 16),
    }
    kindNames = {1: 'window', 5: 'edit_box', 6: 'picture_box', 10: 'label', 11: 'button'}
    for _, _, record in records:
        (kind,) = struct.unpack_from('<I', record, 0)
        name = 'kind_record_' + kindNames.get(kind & 0xFFFF, 'other')
        kindRecord = KindRecord(record)
        if kindRecord and name not in seeds:
            seeds[name] = kindRecord
    for name, data in seeds.items():
        with open(os.path.join(corpus, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main()
