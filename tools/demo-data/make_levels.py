#!/usr/bin/env python3
"""Builds env/level.txt: how common each English word is, as a learner's level.

Reads SCOWL's word lists of sizes 10, 20 and 35 (the English and American lists of words,
capitalised words and contractions, as Debian's package scowl ships them) and writes one
`word<TAB>level` per line: level 1 for size 10, 2 for size 20, 3 for size 35, each word
lower-cased and at its lowest level. ASCII, CR LF, sorted by word (byte order, which the
engine then need not sort again), with a comment header. Also writes the licence notice that travels with it, and prints how many
words each level holds. Standard library only.
"""

import argparse
import re
import sys

from demo_common import read_scowl_list, write_ascii_notice, write_atomic

# SCOWL size -> level. Sizes between and above these are not levels: size 35 is already
# an advanced reader's vocabulary, and 40 and up are the lists of a spelling checker.
SIZES = ((10, 1), (20, 2), (35, 3))
SPELLINGS = ("english", "american")
KINDS = ("words", "upper", "contractions")

# The names of the days and months are capitalised, so SCOWL has them in its lists of
# capitalised words, which begin at size 35; a learner meets them in the first year.
FIRST_YEAR = (
    "sunday monday tuesday wednesday thursday friday saturday "
    "january february march april may june july august september october november december"
).split()

# What the engine counts as a word: ASCII letters with inner apostrophes and hyphens.
# Possessives ("child's") are never headwords: the engine takes the word itself.
WORD = re.compile(r"[a-z]+(?:['-][a-z]+)*")


class DataError(Exception):
    pass


def read_levels(scowl_dir):
    """{word: level} from the lists present; a missing size-10 English list is an error."""
    levels = {}
    for size, level in SIZES:
        for spelling in SPELLINGS:
            for kind in KINDS:
                entries = read_scowl_list(scowl_dir, spelling, kind, size)
                if entries is None:
                    if (size, spelling, kind) == (10, "english", "words"):
                        raise DataError("%s: english-words.10 is missing" % scowl_dir)
                    continue  # not every list exists at every size
                for entry in entries:
                    word = entry.lower()
                    if not WORD.fullmatch(word) or word.endswith("'s"):
                        continue
                    levels.setdefault(word, level)
    for word in FIRST_YEAR:
        levels[word] = 1
    return levels


HEADER = """\
# level.txt: how common each English word is, for leaving out the words a learner knows
# One "word<TAB>level" per line: level 1 = the most common words. With a level chosen,
# every word of that level and below is left out of the list. Blank lines and lines
# starting with # are skipped; a word given twice keeps its lowest level.
#
# Made from the word lists of SCOWL (Kevin Atkinson and others): level 1 = size 10 and
# the names of the days and months, level 2 = size 20, level 3 = size 35.
# See level.COPYING.txt beside this file.
# {counts}
"""


def write_levels(out_path, levels):
    rows = sorted(levels.items())
    counts = ", ".join("level %d: %d words" % (level, sum(1 for v in levels.values() if v == level))
                       for _, level in SIZES)
    text = HEADER.format(counts=counts) + "".join("%s\t%d\n" % row for row in rows)
    write_atomic(out_path, text.replace("\n", "\r\n").encode("ascii"))


def write_notice(out_path, copyright_path):
    # The licence asks for its notice in all copies; the UKACD part asks for its text
    # verbatim: so Debian's record is copied whole.
    with open(copyright_path, encoding="utf-8") as f:
        record = f.read()
    write_ascii_notice(out_path, [
        "level.txt: how common each English word is",
        "",
        "level.txt is made by Vokanti's build from the word lists of SCOWL (Spell Checker",
        "Oriented Word Lists) by Kevin Atkinson, as shipped in Debian's package scowl:",
        "the English and American lists of sizes 10, 20 and 35, lower-cased, possessives",
        "and words with letters beyond ASCII left out; the names of the days and months",
        "are put at level 1.",
        "",
        "Its copyright and licence, as Debian records them:",
        "",
        record.rstrip("\n"),
        "",
    ])


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--scowl", required=True, help="directory of SCOWL's lists")
    ap.add_argument("--copyright", required=True, help="Debian copyright file of scowl")
    ap.add_argument("--out", required=True, help="level.txt to write")
    ap.add_argument("--notice", required=True, help="licence notice to write")
    args = ap.parse_args()
    try:
        levels = read_levels(args.scowl)
        write_levels(args.out, levels)
        write_notice(args.notice, args.copyright)
    except (OSError, DataError, UnicodeError) as e:
        print("make_levels: %s" % e, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
