#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets (tests/fuzz/corpus/<target>/)."""
import os
import random

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "fuzz", "corpus")
PAGES = [(0xF0, 0xE0), (0xF2, 0xE2), (0xF6, 0xE6), (0xF4, 0xE4), (0xD2, 0xC2), (0xF8, 0xE8),
         (0xD7, 0xC7), (0xFE, 0xEE), (0xD6, 0xC6), (0xD5, 0xC5), (0xFB, 0xED)]


def frame(b0, b1, payload=None, end=0xDA):
    body = list(payload or [0] * 29)
    return bytes([b0, b1] + body[:29] + [end])


def write(target, name, data):
    d = os.path.join(ROOT, target)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, name), "wb") as f:
        f.write(data)


rng = random.Random(20261208)
status = frame(0xDF, 0xEF, [0x10, 0x27, 0x34, 0x92, 0x00, 0x80, 5, 0xFF, 0x00, 0x20, 200, 0x10, 0x00,
                            0x3A, 0x30, 0xB1, 6, 0x00, 0x04, 0x05, 0x00, 0x01, 0x80, 0x02, 0x00, 9, 18, 3, 2])
user = frame(0xF1, 0xE1, [0xA2, ord('A')] + list(b"bc\x80\xe9") + [0] * 23)
replies = [frame(g, r, [rng.randrange(256) for _ in range(29)]) for g, r in PAGES]
notices = [frame(0xFF, c) for c in (0xFE, 0xFD, 0xFC, 0xFB, 0xFA, 0xF9)]
acks = [frame(g, r + 1) for g, r in PAGES] + [frame(0xFA, 0xEA), frame(0xD0, 0xC1)]

# receive: chunk selector byte, then a stream.
stream = b"".join([status, user] + replies + notices + acks)
for i, chunk in enumerate((0, 6, 31, 39, 0x85)):
    write("receive", f"stream_{i}", bytes([chunk]) + stream)
write("receive", "noise", bytes([3]) + bytes(rng.randrange(256) for _ in range(7)) + status * 3)
write("receive", "broken", bytes([0]) + frame(0xF0, 0xE0, end=0) + status)

for i, r in enumerate(replies):
    write("pages", f"page_{i}", bytes([i]) + r)
    write("pages", f"page_comma_{i}", bytes([0x80 | i]) + r)
write("status", "sample", status + b"\x00")
write("status", "comma", status + b"\x01")
write("status", "zeros", bytes(32))
write("user_name", "name", user[3:31])
write("user_name", "controls", b"A\x01\x1b[31m\x7f\xe2\x80\xae")
texts = ["72.5", "16.4", "-1", "0.5", "abc", "", "1e9", "4000", " 12 ", "1,234", "2.5", "Text1", "H", "L"]
for i, t in enumerate(texts):
    write("text", f"text_{i}", bytes([i % 11, i]) + t.encode())
print("corpus written to", os.path.normpath(ROOT))
