#!/usr/bin/env python3
"""Writes the fuzzer's seed corpus: real save files of slimes in every walk of life, each set
packed as the fuzzer reads it (see save_run.h), one file per set.

usage: make_seeds.py FOLDER
"""
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from make_slime import field  # noqa: E402  text fields as the game stores them

SEED_DAY = 36135  # the day the saves were written on; the header's day shift moves today


def pet(name="すらいむ", age=5, condition=0, asobi=50, esa=60, ondo=50, words=(), state=1,
        lastdate=SEED_DAY):
    return field(name, 10) + struct.pack("<7hd", age, condition, asobi, esa, ondo, len(words),
                                         state, float(lastdate))


def packed(data, words=(), size=10, day_shift=0, dice=0):
    word = b"".join(field(w, 20) for w in words)
    big = struct.pack("<h", size) if size is not None else b""
    minutes = 6 - 1  # the longest run: through the growth tick
    return struct.pack("<bBBBH", day_shift, dice, minutes, len(data), len(word)) + data + word + big


def slime(size=10, day_shift=0, dice=0, **record):
    """A slime's three files; its words go into word.sura and their count into the record."""
    data = pet(**record)
    words = record.get("words", ())
    return packed(data, words, size, day_shift, dice)


WORDS = ["ぷよ", "すき", "げんき", "ABC", "ごはん", "あそぼ", "ねむい", "おなか", "ZUPEL", "そら",
         "うみ", "やま", "ほし", "つき", "はな", "みず", "ひかり", "かぜ", "ゆき", "あめ"]

SEEDS = {
    "first_start": packed(b"", size=None),
    "newborn": slime(age=1, esa=30, asobi=20, size=10, dice=3),
    "young_with_words": slime(age=8, words=WORDS[:6], size=14, dice=7),
    "grown_talkative": slime(age=40, ondo=80, words=WORDS, size=32, dice=11),
    "grown_away_a_month": slime(age=35, words=WORDS[:9], size=32, day_shift=30, dice=5),
    "young_away_too_long": slime(age=6, size=16, day_shift=5),
    "back_next_day": slime(age=3, words=WORDS[:2], size=12, day_shift=1, dice=9),
    "frozen": slime(age=12, state=2, words=WORDS[:5], size=20, day_shift=90, dice=13),
    "hungry": slime(age=10, esa=0, asobi=5, size=18, dice=21),
    "cold_room": slime(age=15, ondo=10, words=WORDS[:3], size=24, dice=17),
    "overfed": slime(age=9, condition=8, esa=100, size=16, dice=2),
    "just_fed": slime(age=22, condition=4, words=WORDS[:12], size=32, dice=4),
    "dead": slime(age=30, condition=2, size=32),
    "weak": slime(age=20, condition=1, esa=2, size=30, dice=6),
    "long_name": slime(name="ABCDEFGHIJKLMNOP", age=25, words=["あいうえおかきくけこさしすせそ"],
                       size=32, dice=8),
    "old_calendar_back": slime(age=50, words=WORDS[:15], size=32, day_shift=-3, dice=1),
}


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, data in SEEDS.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
