#!/usr/bin/env python3
"""Writes the fuzzers' seed corpus: a few event sequences that play the
first level, small PNG files of several colour types, some with a header
that lies about the size, and state files, some at the reader's limits."""
import os
import struct
import zlib

here = os.path.dirname(os.path.abspath(__file__))

PRESS, RELEASE, AIM, TEST_KEY, FRAME = 0, 1, 2, 3, 4
SOURCE, SINK = 16, 17


def click(node):
    return [AIM, node, 4, 4, PRESS, 0, RELEASE, 0]


def level_one():
    events = [PRESS, 0, RELEASE, 0, PRESS, 1, RELEASE, 1]  # title, instructions
    events += click(SOURCE)
    for node in (0, 5, 6, 11):  # (0,0) (1,1) (1,2) (2,3)
        events += click(node) + click(node)
    events += click(SINK)
    events += [FRAME, 16] * 80 + [TEST_KEY]
    return bytes(events)


def loop_and_unlink():
    events = [PRESS, 2, PRESS, 2]
    for node in (0, 1, 5, 0):
        events += click(node) + click(node)
    events += click(0) + [TEST_KEY, FRAME, 200, AIM, 250, 10, 20]
    return bytes(events)


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png(width, height, depth, colour, rows, extra=b"", interlace=0):
    header = struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0,
                         interlace)
    raw = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + extra +
            chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


seeds_input = {"level_one": level_one(), "loop_and_unlink": loop_and_unlink()}
seeds_png = {
    "rgb_1x1.png": png(1, 1, 8, 2, [b"\xff\x00\x00"]),
    "rgba_2x2.png": png(2, 2, 8, 6, [b"\x00\x00\xff\x80" * 2] * 2),
    "grey16_3x1.png": png(3, 1, 16, 0, [b"\x12\x34\x56\x78\x9a\xbc"]),
    "palette_trns_2x2.png": png(
        2, 2, 8, 3, [b"\x00\x01", b"\x01\x00"],
        chunk(b"PLTE", b"\xff\x00\x00\x00\xff\x00") + chunk(b"tRNS", b"\x00")),
    "grey_alpha_gama_1x2.png": png(
        1, 2, 8, 4, [b"\x80\xff", b"\x40\x00"],
        chunk(b"gAMA", struct.pack(">I", 100000))),
    # Headers that claim far more pixels than the data holds, plain and
    # interlaced.
    "lying_16384x16384.png": png(16384, 16384, 8, 6, [b"\x00\x00\x00\xff"]),
    "lying_interlaced_8192x8192.png": png(
        8192, 8192, 1, 0, [b"\x80"], interlace=1),
}

HEAD = "linkloom progress 1\n"
seeds_progress = {
    "example": HEAD + "streak 2026-12-08 3\npuzzle 17 daily 2026-12-08\n"
    "solved 1 65200 0\nsolved 2 41800 1\npuzzle 16 seed 42 hard\n"
    "solved 1 190340 2\n",
    "limits": HEAD + "streak 2026-12-07 1000000\n"
    "puzzle 18446744073709551615 pack 00ff00ff00ff00ff\n"
    "solved 1 999999999 1000000\nsolved 100 0 0\n",
    "many_puzzles": HEAD + "".join(
        "puzzle %d p%d\n" % ((i * 37) % 211 + 1, i) for i in range(211)),
    "damaged": HEAD + "puzzle 1 a\nsolved x\n",
}

for name, data in seeds_progress.items():
    os.makedirs(os.path.join(here, "corpus", "progress"), exist_ok=True)
    with open(os.path.join(here, "corpus", "progress", name), "w") as f:
        f.write(data)
for name, data in seeds_input.items():
    with open(os.path.join(here, "corpus", "input", name), "wb") as f:
        f.write(data)
for name, data in seeds_png.items():
    with open(os.path.join(here, "corpus", "png", name), "wb") as f:
        f.write(data)
