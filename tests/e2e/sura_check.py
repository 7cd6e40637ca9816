#!/usr/bin/env python3
"""Reads a slime's three save files and says what they hold; after a kill, checks that each
holds what it held before the player's action or what that action writes, never a mix.

usage: sura_check.py show FOLDER
       sura_check.py after ACTION BEFORE_FOLDER FOLDER [--today DAY] [--typed W1,W2,...]
ACTION is start, name, feed, teach, freeze or quit. Prints one line per file, saying which
record it holds ("before" or "after"); exits 1 with the reason when a file is broken or mixed.

What the game guarantees after a kill at any moment:
- data.sura is empty or one whole 32-byte record; big.sura is empty or one 2-byte record.
- word.sura is whole 20-byte records; only the last one may be short, and only when its write
  crossed a memory page (the kernel may stop a write there); the game does not count it.
- A named slime's size is on the disk before its record, so a slime never lacks a size.
- word.sura holds at least the words data.sura counts (a word is counted only when the game
  is saved, so it may hold more).
"""
import datetime
import os
import struct
import sys

DATA_LEN, WORD_LEN, BIG_LEN = 32, 20, 2
DAY_ZERO = datetime.date(1899, 12, 30)
CONDITIONS = range(0, 9)


class Broken(Exception):
    pass


def read(folder, name):
    path = os.path.join(folder, name)
    if not os.path.exists(path):
        return b""
    with open(path, "rb") as f:
        return f.read()


def text(field):
    return field.decode("cp932", errors="replace").rstrip(" \0")


def field(word, width):
    return word.encode("cp932")[:width].ljust(width, b" ")


def pet(data):
    if len(data) not in (0, DATA_LEN):
        raise Broken(f"data.sura has {len(data)} bytes, not 0 or {DATA_LEN}")
    if not data:
        return None
    age, cond, asobi, esa, ondo, words, state, day = struct.unpack("<7hd", data[10:])
    return dict(name=text(data[:10]), age=age, condition=cond, asobi=asobi, esa=esa, ondo=ondo,
                wordcount=words, state=state, lastdate=day)


def size(big):
    if len(big) not in (0, BIG_LEN):
        raise Broken(f"big.sura has {len(big)} bytes, not 0 or {BIG_LEN}")
    return struct.unpack("<h", big)[0] if big else None


def words(word, torn_ok=lambda tail: False):
    """The whole records, in order; a short last record must satisfy torn_ok."""
    whole, rest = divmod(len(word), WORD_LEN)
    if rest and not torn_ok(word[whole * WORD_LEN:]):
        raise Broken(f"word.sura ends in a torn record of {rest} bytes")
    return [word[i * WORD_LEN:(i + 1) * WORD_LEN] for i in range(whole)]


def describe(folder):
    data, word, big = (read(folder, n) for n in ("data.sura", "word.sura", "big.sura"))
    p = pet(data)
    lines = ["data.sura: " + ("empty" if p is None else
                              " ".join(f"{k}={v}" for k, v in p.items()))]
    w = words(word, lambda tail: True)
    short = len(word) % WORD_LEN
    lines.append(f"word.sura: {len(w)} words" + (f" and a torn record of {short} bytes" if short
                                                  else "") + "".join(f" [{text(r)}]" for r in w))
    lines.append("big.sura: " + ("empty" if not big else str(size(big))))
    return p, w, size(big), "\n".join(lines)


def expected_pet(action, before, today):
    """The record the action writes, from the one it started on; None for an action that
    writes none. Meters and condition change while the game runs, so they are left free."""
    if action == "name":
        return dict(name=None, age=1, ondo=50, wordcount=0, state=1, lastdate=float(today))
    if action not in ("quit", "freeze") or before is None:
        return None
    elapsed = int(today - before["lastdate"])
    # The catch-up adds the days since the last run (our slimes are never stale enough to end).
    ondo = min(max(round(before["ondo"] / 10), 0), 10) * 10
    return dict(name=before["name"], age=before["age"] + max(elapsed, 0), ondo=ondo,
                wordcount=before["wordcount"], state=1 if action == "quit" else 2,
                lastdate=float(today))


def matches(record, want):
    return all(v is None or record[k] == v for k, v in want.items()) and \
        record["condition"] in CONDITIONS


def check_pet(action, before, after, today, name):
    if after == before:
        return "before"
    want = expected_pet(action, before, today)
    if want is not None:
        if want["name"] is None:
            want["name"] = name
        if after is not None and matches(after, want):
            return "after"
    raise Broken(f"data.sura holds neither the record before ({before}) nor the one "
                 f"{action} writes ({want}): {after}")


def check_size(action, before, after, pet_after):
    if action == "name":
        if pet_after is not None and after != 10:
            raise Broken(f"a named slime is on the disk with size {after}, not 10")
        return "before" if after == before else "after"
    if after == before:
        return "before"
    # Quitting and freezing store the width shown: full size from age 22 on.
    if action in ("quit", "freeze") and after == 32 and pet_after and pet_after["age"] >= 22:
        return "after"
    raise Broken(f"big.sura holds {after}, neither {before} nor what {action} writes")


def check_words(action, before, counted, folder, typed):
    raw = read(folder, "word.sura")
    expected = [field(w, WORD_LEN) for w in typed]
    torn_ok = lambda tail: action == "teach" and any(e.startswith(tail) for e in expected)
    after = words(raw, torn_ok)
    if after == before:
        return "before"
    if action != "teach":
        raise Broken(f"word.sura changed while the player did {action}")
    # Learned words go in after the ones counted at the start, each typed word at most once and
    # in typing order; words learned in a run that was killed and never counted are overwritten.
    for k in range(len(after) - counted + 1):
        learned = after[counted:counted + k]
        spots = [expected.index(r) if r in expected else -1 for r in learned]
        if (after[:counted] == before[:counted] and after[counted + k:] == before[counted + k:]
                and -1 not in spots and spots == sorted(set(spots))):
            return "after"
    raise Broken("word.sura is not the words before with typed words learned after the "
                 f"{counted} counted: {[text(r) for r in after]}")


def main():
    args = sys.argv[1:]
    try:
        if len(args) == 2 and args[0] == "show":
            print(describe(args[1])[3])
            return 0
        if len(args) < 4 or args[0] != "after":
            print(__doc__, file=sys.stderr)
            return 2
        action, before_dir, folder = args[1:4]
        opts = dict(zip(args[4::2], args[5::2]))
        today = int(opts.get("--today", (datetime.date.today() - DAY_ZERO).days))
        typed = [w for w in opts.get("--typed", "").split(",") if w]
        name = opts.get("--name")
        p0, w0, s0, _ = describe(before_dir)
        p1, _, s1, shown = describe(folder)
        counted0 = min(max(p0["wordcount"], 0), len(w0)) if p0 else 0
        print(shown)
        verdict = [f"data.sura {check_pet(action, p0, p1, today, name)}",
                   f"big.sura {check_size(action, s0, s1, p1)}",
                   f"word.sura {check_words(action, w0, counted0, folder, typed)}"]
        if p1 is not None:
            counted = len(words(read(folder, "word.sura"), lambda tail: True))
            if counted < p1["wordcount"]:
                raise Broken(f"data.sura counts {p1['wordcount']} words, word.sura holds "
                             f"{counted}")
            if s1 is None:
                raise Broken("a slime is on the disk without its size")
        print("verdict: " + ", ".join(verdict))
        return 0
    except Broken as fault:
        print(f"BROKEN: {fault}")
        return 1


if __name__ == "__main__":
    sys.exit(main())
