#!/usr/bin/env python3
"""Writes the save files of a slime into a game folder, as the game itself would have left them,
so the real program can be started on a slime of any age, size and state.

usage: make_slime.py FOLDER [--name N] [--age A] [--ondo T] [--state S] [--condition C]
                            [--days-ago D] [--size PX] [--words W1,W2,...]
"""
import argparse
import datetime
import os
import struct

DAY_ZERO = datetime.date(1899, 12, 30)


def field(text, width):
    data = b""
    for ch in text:
        try:
            b = ch.encode("cp932")
        except UnicodeEncodeError:
            b = b"?"
        if len(data) + len(b) > width:
            break
        data += b
    return data.ljust(width, b" ")


def main():
    p = argparse.ArgumentParser()
    p.add_argument("folder")
    p.add_argument("--name", default="すらいむ")
    p.add_argument("--age", type=int, default=25)
    p.add_argument("--ondo", type=int, default=50)
    p.add_argument("--state", type=int, default=1)
    p.add_argument("--condition", type=int, default=0)
    p.add_argument("--days-ago", type=int, default=0)
    p.add_argument("--size", type=int, default=32)
    p.add_argument("--words", default="")
    a = p.parse_args()

    words = [w for w in a.words.split(",") if w]
    lastdate = float((datetime.date.today() - DAY_ZERO).days - a.days_ago)
    record = field(a.name, 10) + struct.pack(
        "<7hd", a.age, a.condition, 50, 60, a.ondo, len(words), a.state, lastdate)
    assert len(record) == 32
    with open(os.path.join(a.folder, "data.sura"), "wb") as f:
        f.write(record)
    with open(os.path.join(a.folder, "word.sura"), "wb") as f:
        f.write(b"".join(field(w, 20) for w in words))
    with open(os.path.join(a.folder, "big.sura"), "wb") as f:
        f.write(struct.pack("<h", a.size))


if __name__ == "__main__":
    main()
