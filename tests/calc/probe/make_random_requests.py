#!/usr/bin/env python3
"""Writes a deterministic mix of ppicalc-cli batch requests to stdout, for
checking that the native, sanitized and Windows builds answer alike:

  python3 tests/calc/probe/make_random_requests.py > /tmp/requests.txt
  build/calc-native/tools/ppicalc_cli/ppicalc-cli --batch < /tmp/requests.txt > native.txt
  wine build/calc-win32/tools/ppicalc_cli/ppicalc-cli.exe --batch < /tmp/requests.txt > win32.txt
  cmp native.txt win32.txt
"""
import random
import struct
import sys

rng = random.Random(20240611)


def Hex(text):
    return text.encode("latin-1").hex()


def Bits():
    return "%016x" % rng.getrandbits(64)


def NiceDouble():
    value = rng.uniform(-1, 1) * 10 ** rng.randint(-30, 30)
    return struct.pack(">d", value).hex()


def DecimalText():
    digits = "".join(rng.choice("0123456789") for _ in range(rng.randint(1, 40)))
    point = rng.randint(0, len(digits))
    text = digits[:point] + "." + digits[point:]
    if rng.random() < 0.5:
        text += rng.choice("eEdD") + rng.choice(["", "-", "+"]) + str(rng.randint(0, 330))
    return rng.choice(["", "-", "+", " "]) + text


def Request():
    kind = rng.randrange(6)
    if kind == 0:
        return "parse\t" + Hex(DecimalText())
    if kind == 1:
        return "format\t" + (Bits() if rng.random() < 0.5 else NiceDouble())
    if kind == 2:
        return "round\t%s\t%d" % (NiceDouble(), rng.randint(-22, 22))
    if kind == 3:
        base = struct.pack(">d", rng.uniform(0, 1e6)).hex()
        exponent = struct.pack(">d", rng.choice([0.5, 2.0, 3.0, rng.uniform(-5, 5)])).hex()
        return "pow\t%s\t%s" % (base, exponent)
    if kind == 4:
        return "fold\t" + bytes(rng.getrandbits(8) or 1 for _ in range(rng.randint(0, 12))).hex()
    sizes = [str(rng.randint(0, 8000)), str(rng.randint(0, 8000)), "%.1f" % rng.uniform(0, 100)]
    return "ppi\t" + "\t".join(Hex(s) for s in sizes)


for _ in range(int(sys.argv[1]) if len(sys.argv) > 1 else 20000):
    print(Request())
