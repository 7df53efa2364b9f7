#!/usr/bin/env python3
"""Builds env/replace.txt: irregular English forms and the headword to look up instead.

Reads WordNet's exception lists (noun.exc, verb.exc, adj.exc, adv.exc: `form base...`) and
writes one `form base` per line: ASCII, CR LF, sorted by form, with a comment header. Also
writes the licence notice that travels with it. Standard library only.
"""

import argparse
import os
import re
import sys

from demo_common import write_ascii_notice, write_atomic

PARTS = ("noun", "verb", "adj", "adv")

# Forms that are everyday English words in their own right, which the exception lists map
# to an unrelated foreign or rare base (`offer` as the comparative of `off`, `dive` as the
# plural of `diva`). A reader meets the ordinary word far more often, so these are left out.
MISLEADING = {
    "offer", "dive", "cola", "stamina", "trivia", "lei", "roma", "miri", "signore",
    "guilder", "gurnard", "lumbus", "collier", "tanner", "hinder",
}

# What the engine counts as a word: ASCII letters with inner apostrophes and hyphens.
WORD = re.compile(r"[a-z]+(?:['-][a-z]+)*")


class DataError(Exception):
    pass


def read_pairs(wordnet_dir):
    """(form, base) pairs in the order noun, verb, adjective, adverb; first base only."""
    pairs = []
    for part in PARTS:
        path = os.path.join(wordnet_dir, part + ".exc")
        with open(path, encoding="ascii", errors="strict") as f:
            for number, line in enumerate(f, 1):
                fields = line.split()
                if not fields:
                    continue
                if len(fields) < 2:
                    raise DataError("%s:%d: a form without a base" % (path, number))
                pairs.append((fields[0], fields[1]))
    return pairs


def select(pairs):
    chosen = {}
    for form, base in pairs:
        if form == base or form in chosen or form in MISLEADING:
            continue
        # Multi-word forms (`_`) and forms the engine never sees as one word are skipped.
        if not WORD.fullmatch(form) or not WORD.fullmatch(base):
            continue
        chosen[form] = base
    return sorted(chosen.items())


HEADER = """\
# replace.txt: irregular forms and the word to look up instead
# One "form base" per line, separated by a space. Blank lines and lines starting
# with # are skipped. Used before the regular rules (-s, -ed, -ing ...).
#
# Made from the exception lists of WordNet 3.0 (Princeton University).
# WordNet 3.0 Copyright 2006 by Princeton University. All rights reserved.
# Used under the WordNet 3.0 licence: see replace.COPYING.txt beside this file.
# You may add your own lines anywhere.
"""


def write_replace(out_path, pairs):
    text = HEADER + "".join("%s %s\n" % pair for pair in pairs)
    write_atomic(out_path, text.replace("\n", "\r\n").encode("ascii"))


def write_notice(out_path, copyright_path):
    with open(copyright_path, encoding="utf-8") as f:
        paragraphs = f.read().split("\n\n")
    stanza = next((p.strip("\n") for p in paragraphs
                   if p.strip("\n").startswith("Files: *")), None)
    if stanza is None:
        raise DataError("%s: no Files: * stanza" % copyright_path)
    body = []
    for line in stanza.split("\n"):
        line = line[1:] if line.startswith(" ") else line
        body.append("" if line == "." else line)
    write_ascii_notice(out_path, [
        "replace.txt: irregular English forms",
        "",
        "replace.txt is made by Vokanti's build from the exception lists of WordNet 3.0",
        "(noun.exc, verb.exc, adj.exc, adv.exc, as shipped in Debian's package",
        "wordnet-base): the first base of each single-word form, a few misleading",
        "entries left out. WordNet is made by the Cognitive Science Laboratory of",
        "Princeton University (https://wordnet.princeton.edu/).",
        "",
        "Its licence, as Debian records it:",
        "",
    ] + [line.replace("\u00a9", "(C)") for line in body] + [""])


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--wordnet", required=True, help="directory holding the .exc files")
    ap.add_argument("--copyright", required=True, help="Debian copyright file of WordNet")
    ap.add_argument("--out", required=True, help="replace.txt to write")
    ap.add_argument("--notice", required=True, help="licence notice to write")
    args = ap.parse_args()
    try:
        pairs = select(read_pairs(args.wordnet))
        if not pairs:
            raise DataError("no forms found in %s" % args.wordnet)
        write_replace(args.out, pairs)
        write_notice(args.notice, args.copyright)
    except (OSError, DataError, UnicodeError) as e:
        print("make_replace: %s" % e, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
