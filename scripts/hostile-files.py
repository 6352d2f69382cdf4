#!/usr/bin/env python3
"""Writes seeded hostile input files for the campaign of scripts/hostile-campaign.sh.

    hostile-files.py SEED COUNT BUILD_BIN OUT_DIR

COUNT files of each kind go into OUT_DIR/profile (libraries and settings), OUT_DIR/language
(compiled language files), OUT_DIR/source (language sources) and OUT_DIR/picture (icons and
skin pictures). Each starts from a sound file (records made by BUILD_BIN/sudoku-engine, the
built SuDoku.lng, the shipped icons) and is damaged by a few seeded changes: text values set to
edge values, sections repeated or forged, line ends mixed, bytes flipped, ranges cut, repeated
or spliced, 8-, 16- and 32-bit fields set to edge values, icon directories and picture headers
that lie. The same SEED gives the same files.
"""
import os
import random
import struct
import subprocess
import sys
import zlib

SHAPES = ["2x2", "2x3", "2x4", "2x5", "2x6", "2x7", "2x8", "3x2", "3x3", "3x4", "3x5", "4x2",
          "4x3", "4x4", "5x2", "5x3", "6x2", "7x2", "8x2"]
EDGE_TEXT = ["", "0", "-1", "1", "2", "3", "4", "5", "9", "10", "16", "17", "255", "256",
             "65536", "2147483647", "2147483648", "-2147483648", "-2147483649",
             "99999999999999999999", "$FFFFFFFF", "$7FFFFFFF", "0x80000000", "0X", "$", "1e308",
             "nan", "=", "[", "]", "|", ",", "\x00", "\xff\xfe", "%s%n%x", "000000000000",
             "FFFFFFFFFFFF", "GGGGGGGGGGGG", "00B519112D0F", "Marlbrook", "Self"]
EDGE_INT = [0, 1, 0x7F, 0x80, 0xFF, 0x100, 0x7FFF, 0x8000, 0xFFFF, 0x10000, 0x7FFFFFFF,
            0x80000000, 0xFFFFFFFF, 0xFFFFFFF0]


def engine_records(bin_dir, rnd):
    """Sound library text: generated puzzles of several shapes as records of three users."""
    lines = []
    for n, shape in enumerate(rnd.sample(SHAPES, 6)):
        out = subprocess.run([os.path.join(bin_dir, "sudoku-engine"), "generate", "--shape",
                              shape, "--seed", str(rnd.randrange(1 << 31)), "--with-solution"],
                             capture_output=True, text=True, check=True).stdout.split()
        puzzle, solution = out[0], out[1]
        cols, rows = shape.split("x")
        hexed = lambda s: "".join("%02X" % ("123456789QRSTUVW".find(c) + 1) for c in s)
        size = len(puzzle)
        user = rnd.choice(["root", "Default User", "other"])
        name = "%s@Puzzle %d" % (user, n)
        history = "".join("%d,%d=%s|" % (rnd.randint(1, 9), rnd.randint(1, 9),
                                          rnd.choice(["", "3", "1,2"])) for _ in range(5))
        rec = [("Name", name), ("Tc", "00B519112D0F"), ("L", str(rnd.randint(0, 3))),
               ("O", "Marlbrook"), ("I", "0"), ("Nc", cols), ("Nr", rows),
               ("M1", hexed(solution)), ("M2", hexed(puzzle)), ("M3", hexed(puzzle)),
               ("M4", "|" * size), ("Tpts", "00B519112D0F"), ("Tptl", "00B519112D0F"),
               ("Tpt", "000000011E0F"), ("Tptm", "000000000000"), ("Sn", "3"), ("Sp", "0"),
               ("Sh", "1"), ("Se", "0"), ("Sr", "0"), ("Sa", "0"), ("U", history),
               ("S", str(rnd.randint(0, 5)))]
        section = rnd.choice([name, "root.Last_PlayNSolve", "root.Last_EnterNDesign"])
        lines.append("[%s]" % section)
        lines += ["%s=%s" % kv for kv in rec]
    lines += ["[root.Options]", "LngID=44", "BackgroundColor=16777215", "FontName=Arial",
              "DisplaySet=123456789", "Level=1", "Ruler=1", "Hints=1", "Errors=1",
              "Alternatives=0", "TimeLimited=1", "PlayTimeLimit=01:00:00", "ScreenSize=0"]
    return ("\r\n".join(lines) + "\r\n").encode("latin-1")


def mutate_text(data, rnd):
    """Damage of the profile-file kind: values, keys, sections and line ends."""
    lines = data.split(b"\r\n")
    for _ in range(rnd.randint(1, 6)):
        i = rnd.randrange(len(lines))
        op = rnd.randrange(9)
        if op == 0 and b"=" in lines[i]:
            key = lines[i].split(b"=", 1)[0]
            lines[i] = key + b"=" + rnd.choice(EDGE_TEXT).encode("latin-1")
        elif op == 1 and b"=" in lines[i]:
            key = lines[i].split(b"=", 1)[0]
            lines[i] = key + b"=" + rnd.choice([b"0", b"F", b"|", b",", b"9", b"1,2|"]) * \
                rnd.choice([1, 31, 161, 163, 511, 513, 5000, 200000])
        elif op == 2:
            lines[i:i] = lines[i:i + rnd.randint(1, 30)] * rnd.choice([2, 100, 3000])
        elif op == 3:
            lines.insert(i, b"[" + rnd.choice([b"", b"root.Last_PlayNSolve", b"root@",
                                                b"[[", b"root.Options", b"a]b"]) + b"]")
        elif op == 4:
            lines[i] = lines[i].replace(b"=", rnd.choice([b"", b"==", b" = ", b"\x00"]), 1)
        elif op == 5:
            del lines[i:i + rnd.randint(1, 20)]
        elif op == 6:
            lines[i] = b"Nc=" + str(rnd.choice([0, 1, 5, 8, 16, -3, 100, 2147483647])).encode()
        elif op == 7:
            lines[i] = b"Nr=" + str(rnd.choice([0, 1, 5, 8, 16, -3, 100, 2147483647])).encode()
        else:
            lines[i] = b"U=" + b"".join(b"%d,%d=%s|" % (rnd.randint(-2, 20), rnd.randint(-2, 20),
                                                       rnd.choice([b"", b"7", b"1,2,3", b"=",
                                                                   b"99"]))
                                         for _ in range(rnd.choice([1, 50, 5000])))
        if not lines:
            lines = [b""]
    sep = rnd.choice([b"\r\n"] * 6 + [b"\n", b"\r", b"\n\r", b"\r\r\n"])
    out = sep.join(lines)
    if rnd.random() < 0.1:
        out = b"\xef\xbb\xbf" + out
    return mutate_bytes(out, rnd) if rnd.random() < 0.3 else out


def mutate_bytes(data, rnd, fields=False):
    """Damage of any file: flips, edge values in fields, cuts, repeats and splices."""
    data = bytearray(data)
    for _ in range(rnd.randint(1, 5)):
        if not data:
            data = bytearray(b"\x00")
        at = rnd.randrange(len(data))
        op = rnd.randrange(7 if fields else 5)
        if op == 0:
            data[at] ^= 1 << rnd.randrange(8)
        elif op == 1:
            data[at] = rnd.choice([0, 0xFF, 0x7F, 0x80, ord("["), ord("="), 10, 13])
        elif op == 2:
            del data[at:at + rnd.choice([1, 4, 64, 4096, len(data)])]
        elif op == 3:
            data[at:at] = data[at:at + rnd.choice([1, 16, 256])] * rnd.choice([2, 50, 1000])
        elif op == 4:
            data[at:at] = bytes(rnd.randrange(256) for _ in range(rnd.choice([1, 8, 100])))
        else:
            width, fmt = rnd.choice([(1, "<B"), (2, "<H"), (4, "<I")])
            value = rnd.choice(EDGE_INT) & ((1 << (8 * width)) - 1)
            aligned = at - at % width if op == 6 else at
            data[aligned:aligned + width] = struct.pack(fmt, value)
    return bytes(data)


def png(width, height, colour=(0, 0, 200, 255)):
    raw = b"".join(b"\0" + bytes(colour) * width for _ in range(min(height, 64)))
    chunk = lambda kind, body: (struct.pack(">I", len(body)) + kind + body +
                                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6,
                                                                 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def crafted_icon(rnd, seeds):
    """An icon directory that lies: many entries, far offsets, sizes and pictures that differ."""
    count = rnd.choice([0, 1, 2, 255, 4096, 65535])
    picture = rnd.choice([png(256, 256), png(rnd.choice([1, 16, 30000, 65535]),
                                             rnd.choice([1, 16, 30000, 65535])),
                          rnd.choice(seeds)[22:], b"", b"\x89PNG"])
    listed = min(count, rnd.choice([count, 1, 0]))
    base = 6 + 16 * listed
    entries = b""
    for _ in range(listed):
        offset = rnd.choice([base, base, 0, 6, 0xFFFFFFF0, base + len(picture)])
        size = rnd.choice([len(picture), 0, 0xFFFFFFFF, 40])
        entries += struct.pack("<BBBBHHII", rnd.choice([0, 16, 32, 255]),
                               rnd.choice([0, 16, 32]), 0, 0, 1, rnd.choice([0, 1, 32, 64]),
                               size, offset)
    return struct.pack("<HHH", 0, rnd.choice([1, 1, 1, 2, 0]), count) + entries + picture


def bmp(rnd):
    """A Windows bitmap header with edge sizes and depths."""
    width = rnd.choice([1, 16, -16, 0, 0x7FFFFFFF, 40000])
    height = rnd.choice([1, 16, -16, 0, -0x80000000, 40000])
    bits = rnd.choice([1, 4, 8, 16, 24, 32, 0, 3, 64])
    body = bytes(rnd.randrange(256) for _ in range(rnd.choice([0, 64, 4096])))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, rnd.choice([0, 1, 2, 3, 99]),
                       len(body), 0, 0, rnd.choice([0, 2, 256, 0xFFFFFFFF]), 0)
    offset = rnd.choice([54, 0, 0xFFFFFFFF, 54 + 1024])
    return b"BM" + struct.pack("<IHHI", 54 + len(body), 0, 0, offset) + info + body


def main():
    seed, count, bin_dir, out = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3], sys.argv[4]
    rnd = random.Random(seed)
    here = os.path.dirname(os.path.abspath(__file__))
    lng = open(os.path.join(bin_dir, "SuDoku.lng"), "rb").read()
    sources = [open(os.path.join(here, "..", "resources", "lang", f), "rb").read()
               for f in sorted(os.listdir(os.path.join(here, "..", "resources", "lang")))]
    icons = []
    for root, _, files in os.walk(os.path.join(bin_dir, "Display Sets")):
        icons += [open(os.path.join(root, f), "rb").read() for f in sorted(files)]
    profiles = [engine_records(bin_dir, rnd) for _ in range(8)]
    makers = {
        "profile": lambda i: mutate_text(rnd.choice(profiles), rnd),
        "language": lambda i: mutate_bytes(lng, rnd, fields=True),
        "source": lambda i: mutate_bytes(rnd.choice(sources), rnd),
        "picture": lambda i: (crafted_icon(rnd, icons) if i % 3 == 0 else bmp(rnd) if i % 3 == 1
                              else mutate_bytes(rnd.choice(icons), rnd, fields=True)),
    }
    for kind, make in makers.items():
        os.makedirs(os.path.join(out, kind), exist_ok=True)
        for i in range(count):
            with open(os.path.join(out, kind, "%s-%05d" % (kind, i)), "wb") as f:
                f.write(make(i))


if __name__ == "__main__":
    main()
