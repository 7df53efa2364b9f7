#!/usr/bin/env python3
"""Builds the demo English-Japanese dictionary shipped in dic/.

Reads a dictd database (the .index file and the gzip-compressed .dict.dz beside it) and
writes a one-line text dictionary: `headword /// meaning`, Shift-JIS (code page 932),
CR LF, ordered by headword bytes with ASCII letters lower-cased, so the engine can
binary-search it without an index. Also writes the licence notice that travels with it.

Standard library only; the output depends on the input files alone, so two builds give the
same bytes.
"""

import argparse
import gzip
import os
import re
import sys

from demo_common import write_atomic

B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"

# Senses kept per headword and terms kept per sense: the list shows a meaning on one line,
# and a learner wants the common senses, not all of them.
MAX_SENSES = 8
MAX_TERMS_PER_SENSE = 4

# The longest meaning kept, in half-width characters (a double-byte character counts 2, so
# this is its length in code page 932 bytes). The window leaves out answers of 30 or more
# by default; a longer meaning would drop the most common words from every list. Senses
# and terms are added in order while they fit; the first term is always kept.
MAX_MEANING_WIDTH = 29

# Characters that code page 932 holds under another code point. Everything else it cannot
# hold is dropped.
CP932_FIXES = {
    "\u301c": "\uff5e",  # wave dash
    "\u2212": "\uff0d",  # minus sign
    "\u2014": "\u2015",  # em dash
    "\u2016": "\u2225",  # double vertical line
    "\u00a2": "\uffe0",  # cent
    "\u00a3": "\uffe1",  # pound
    "\u00ac": "\uffe2",  # not sign
    "\u00a0": " ",  # no-break space
}


class DataError(Exception):
    pass


def b64_number(text):
    value = 0
    for ch in text:
        pos = B64.find(ch)
        if pos < 0:
            raise DataError("bad base64 number %r in the index" % text)
        value = value * 64 + pos
    return value


def read_entries(index_path, dict_path):
    """Yields (index headword, entry text) for every article, in index order."""
    with gzip.open(dict_path, "rb") as f:
        data = f.read()
    with open(index_path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line:
                continue
            parts = line.split("\t")
            if len(parts) != 3:
                raise DataError("%s:%d: expected three fields" % (index_path, number))
            word, offset, length = parts[0], b64_number(parts[1]), b64_number(parts[2])
            if offset + length > len(data):
                raise DataError("%s:%d: article beyond the end of the data" % (index_path, number))
            yield word, data[offset:offset + length].decode("utf-8", errors="replace")


def database_info(index_path, dict_path):
    for word, text in read_entries(index_path, dict_path):
        if word == "00databaseinfo":
            return text
    return ""


def to_cp932(text):
    """The text as code page 932 bytes; characters it cannot hold are dropped."""
    text = "".join(CP932_FIXES.get(ch, ch) for ch in text)
    return text.encode("cp932", errors="ignore")


def clean_headword(header):
    """The headword of an article's first line: `word /pron/ <pos>`."""
    word = re.split(r" /| <", header, maxsplit=1)[0]
    return " ".join(word.split())


def translations(lines):
    """The Japanese senses of an article (its lines after the first).

    An article is either one unnumbered sense (translation line, then an English gloss) or
    numbered senses (`N. translation`, then a gloss). Where one translation covers several
    glosses the source leaves a dangling ` N.` after it and ` N.` lines between glosses.

    The source orders senses by their English gloss, so a specialised sense ("baseball: ...",
    "slang: ...") may come before the everyday one; those are moved after the others.
    """
    found = []  # (specialised, text)
    for pos, line in enumerate(lines):
        match = re.match(r"^(\d+)\.\s+(.*)$", line)
        if match:
            text = match.group(2)
        elif pos == 0 and line.strip() and not line.startswith(" "):
            text = line
        else:
            continue
        gloss = lines[pos + 1] if pos + 1 < len(lines) else ""
        specialised = bool(re.match(r"^\(?[A-Za-z][A-Za-z ,]*\)?:\s|^\([A-Za-z][A-Za-z ,]*\)\s", gloss))
        text = re.sub(r"\s+\d+\.\s*$", "", text)
        text = re.sub(r"<[^>]*>", "", text)
        # Readings in parentheses ("(まげる, mageru)") and sense numbers ("(1, 2)").
        text = re.sub(r"\s*[(（][^()（）]*[A-Za-z]{2,}[^()（）]*[)）]", "", text)
        text = re.sub(r"\s*[(（][\d,\s]*[)）]", "", text)
        text = " ".join(text.split())
        if text:
            found.append((specialised, text))
    found.sort(key=lambda sense: sense[0])  # stable
    return [text for _, text in found]


def useful_term(term):
    """False for empty terms, romanised readings and fragments of cut parentheses.

    Latin-script translations are kept when they look like names or abbreviations
    (`CD`, `3x3`, `C++`); lower-case Latin text is a reading (`kaamposatu`).
    """
    if not term:
        return False
    if term.count("(") != term.count(")") or term.count("（") != term.count("）"):
        return False
    if term.isascii():
        return any(ch.isupper() or ch.isdigit() for ch in term)
    return True


# Parts of speech of the articles' first lines, as WordNet names them in its sense keys.
WORDNET_POS = {"n": "n", "v": "v", "adj": "adj", "adv": "adv"}
WORDNET_SS_TYPE = {"1": "n", "2": "v", "3": "adj", "4": "adv", "5": "adj"}


def read_usage_counts(cntlist_path):
    """How often each (lemma, part of speech) was met in WordNet's tagged texts.

    cntlist.rev lines are `sense_key sense_number tag_count`, the sense key being
    `lemma%ss_type:...`. Used only to put a word's commonest part of speech first.
    """
    counts = {}
    if not cntlist_path:
        return counts
    with open(cntlist_path, encoding="utf-8", errors="replace") as f:
        for line in f:
            fields = line.split()
            if len(fields) != 3 or "%" not in fields[0] or not fields[2].isdigit():
                continue
            lemma, _, rest = fields[0].partition("%")
            pos = WORDNET_SS_TYPE.get(rest[:1])
            if pos:
                key = (lemma.lower(), pos)
                counts[key] = counts.get(key, 0) + int(fields[2])
    return counts


def part_of_speech(header):
    match = re.search(r"<([^<>]*)>\s*$", header)
    return match.group(1) if match else ""


def build(index_path, dict_path, usage_counts=None):
    """Maps each headword (as written) to its list of senses, each a list of terms.

    A headword may have several articles (one per part of speech). The part of speech met
    most often in WordNet's tagged texts comes first (`water` as a noun, `take` as a verb);
    without counts, the article with the most senses. A term already given in an earlier
    sense is not repeated.
    """
    usage_counts = usage_counts or {}
    articles = {}
    for word, text in read_entries(index_path, dict_path):
        if word.startswith("00database"):
            continue
        lines = text.rstrip("\n").split("\n")
        headword = clean_headword(lines[0]) or word
        # The engine's words are ASCII; a headword it can never look up is left out.
        if not headword.isascii() or not headword.isprintable() or " /// " in headword:
            continue
        pos = WORDNET_POS.get(part_of_speech(lines[0]))
        usage = usage_counts.get((headword.lower().replace(" ", "_"), pos), 0) if pos else 0
        articles.setdefault(headword, []).append((usage, translations(lines[1:])))
    meanings = {}
    for headword, found in articles.items():
        # Stable: articles that tie keep the source order.
        found.sort(key=lambda article: (article[0], len(article[1])), reverse=True)
        senses, seen = [], set()
        for sense in (s for _, article in found for s in article):
            terms = []
            for term in sense.split(","):
                term = to_cp932(term.strip()).decode("cp932").strip()
                if not useful_term(term):
                    continue
                if term not in seen and term not in terms:
                    terms.append(term)
            if terms:
                senses.append(terms[:MAX_TERMS_PER_SENSE])
                seen.update(terms)
        meanings[headword] = senses
    return meanings


def sort_key(headword_bytes):
    return (headword_bytes.lower(), headword_bytes)


def fit_meaning(senses):
    """The meaning as code page 932 bytes: senses joined with " / ", terms with ", ",
    cut at a term boundary to at most MAX_MEANING_WIDTH bytes (never below one term)."""
    out = b""
    for sense in senses[:MAX_SENSES]:
        for number, term in enumerate(sense):
            piece = to_cp932(term)
            joiner = b"" if not out else (b", " if number else b" / ")
            if out and len(out) + len(joiner) + len(piece) > MAX_MEANING_WIDTH:
                return out
            out += joiner + piece
    return out


def write_dictionary(meanings, out_path):
    lines = []
    for headword, senses in meanings.items():
        if not senses:
            continue
        lines.append((headword.encode("ascii"), fit_meaning(senses)))
    lines.sort(key=lambda item: sort_key(item[0]))
    write_atomic(out_path, b"".join(h + b" /// " + m + b"\r\n" for h, m in lines))
    return len(lines)


def licence_text(copyright_path, name):
    """The text of a standalone `License: name` paragraph of a Debian copyright file."""
    with open(copyright_path, encoding="utf-8") as f:
        paragraphs = f.read().split("\n\n")
    for para in paragraphs:
        first, _, rest = para.strip("\n").partition("\n")
        if first.strip() == "License: " + name and rest:
            body = []
            for line in rest.split("\n"):
                line = line[1:] if line.startswith(" ") else line
                body.append("" if line == "." else line)
            return "\n".join(body)
    raise DataError("%s: no licence text named %s" % (copyright_path, name))


def files_stanza(copyright_path, pattern):
    with open(copyright_path, encoding="utf-8") as f:
        for para in f.read().split("\n\n"):
            if para.strip("\n").startswith("Files: " + pattern):
                return para.strip("\n")
    raise DataError("%s: no Files stanza for %s" % (copyright_path, pattern))


def write_notice(out_path, dict_name, info, copyright_path):
    stanza = files_stanza(copyright_path, "eng-jpn/")
    text = "\n".join([
        "%s: English-Japanese dictionary" % dict_name,
        "",
        "This file is an adaptation of the FreeDict English-Japanese dictionary",
        "(FreeDict + WikDict, data from Wiktionary via DBnary), made by the FreeDict",
        "contributors. Vokanti's build converted it from the dictd database of",
        "Debian's package dict-freedict-eng-jpn to a one-line text dictionary",
        "(Shift-JIS, one headword per line, Japanese senses only, pronunciations",
        "and English glosses left out, a word's parts of speech ordered by how often",
        "WordNet 3.0 met them). The adaptation is licensed under the same",
        "licence as the original:",
        "",
        "  Creative Commons Attribution-ShareAlike 3.0 Unported (CC BY-SA 3.0)",
        "  https://creativecommons.org/licenses/by-sa/3.0/",
        "",
        "Copyright of the original data, as Debian records it:",
        "",
        stanza,
        "",
        "About the original database (its own information entry):",
        "",
        info.strip("\n"),
        "",
        "-" * 72,
        "The licence:",
        "",
        licence_text(copyright_path, "CC-BY-SA-3.0"),
        "",
    ])
    # UTF-8 with a byte-order mark so that Windows editors show the Japanese title right.
    write_atomic(out_path, b"\xef\xbb\xbf" + text.replace("\n", "\r\n").encode("utf-8"))


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--index", required=True, help="dictd .index file")
    ap.add_argument("--dict", required=True, help="dictd .dict.dz file")
    ap.add_argument("--copyright", required=True, help="Debian copyright file of the data")
    ap.add_argument("--usage-counts", help="WordNet's cntlist.rev, to order parts of speech")
    ap.add_argument("--out", required=True, help="dictionary to write")
    ap.add_argument("--notice", required=True, help="licence notice to write")
    args = ap.parse_args()
    try:
        meanings = build(args.index, args.dict, read_usage_counts(args.usage_counts))
        count = write_dictionary(meanings, args.out)
        write_notice(args.notice, os.path.basename(args.out),
                     database_info(args.index, args.dict), args.copyright)
    except (OSError, DataError, EOFError, UnicodeError) as e:
        print("make_dictionary: %s" % e, file=sys.stderr)
        return 1
    if count == 0:
        print("make_dictionary: no entries found", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
