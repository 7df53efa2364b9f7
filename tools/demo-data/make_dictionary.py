#!/usr/bin/env python3
"""Builds the demo English-Japanese dictionary shipped in dic/.

Gathers translations from two sources, the FreeDict English-Japanese dictionary (a dictd
database: the .index file and the gzip-compressed .dict.dz beside it; translations from
Wiktionary) and JMdict/EDICT turned round (jmdict_source.py), ranks them for a learner
(ranking.py, with WordNet's parts of speech: wordnet_source.py), makes the adverbs and nouns
no source has from their adjective and the relational adjectives from their noun, and writes a one-line text dictionary: `headword ///
meaning`, Shift-JIS (code page 932), CR LF, ordered by headword bytes with ASCII letters
lower-cased, so the engine can binary-search it without an index. Also writes the licence
notice that travels with it.

Standard library only; the output depends on the input files alone, so two builds give the
same bytes. `--explain WORD` shows on stderr how a word's translations were ranked.
"""

import argparse
import functools
import gzip
import os
import re
import sys
from collections import defaultdict

import jmdict_source
import ranking
from demo_common import read_scowl_list, write_atomic
from jmdict_source import Evidence
from wordnet_source import WordNet, regular_bases

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


def part_of_speech(header):
    match = re.search(r"<([^<>]*)>\s*$", header)
    return match.group(1) if match else ""


def wiktionary_evidence(index_path, dict_path, priorities):
    """Evidence from the FreeDict English-Japanese database (translations from Wiktionary).

    Each article is one part of speech of a headword; its senses come in the source's order
    (specialised ones last), and within a sense its comma-separated terms.
    """
    for word, text in read_entries(index_path, dict_path):
        if word.startswith("00database"):
            continue
        lines = text.rstrip("\n").split("\n")
        headword = clean_headword(lines[0]) or word
        # The engine's words are ASCII; a headword it can never look up is left out.
        if not headword.isascii() or not headword.isprintable() or " /// " in headword:
            continue
        pos = WORDNET_POS.get(part_of_speech(lines[0]), "other")
        seen = set()
        for number, sense in enumerate(translations(lines[1:])):
            for place, term in enumerate(t for t in sense.split(",")):
                term = term.strip()
                if not useful_term(term) or term in seen or place >= MAX_TERMS_PER_SENSE:
                    continue
                seen.add(term)
                yield Evidence(headword, term, pos, min(number, 6) * 1.5 + place,
                               priorities.get(term, 0.0), 0, "", term)


def build(wiktionary, jmdict, wordnet, explain=(), suru_nouns=frozenset(), spellings=frozenset()):
    """Maps each headword (as written) to its meaning: groups of Japanese texts, the first
    group the word's main part of speech. `wiktionary` and `jmdict` are iterables of
    Evidence; `wordnet` a WordNet (or anything with its methods); `suru_nouns` the nouns
    that take する, which Wiktionary gives bare as verb translations (参加 for take part);
    `spellings` the words of a spelling list (read_spellings)."""
    evidences = defaultdict(list)
    of_gerunds = defaultdict(list)  # verb -> evidence from glosses in -ing (stanching: 止血)
    shadowed = defaultdict(list)  # a noun WordNet links to a verb, left out as a headword
    shadowing = {}
    for source, found in ((ranking.WIKTIONARY, wiktionary), (ranking.JMDICT, jmdict)):
        for ev in found:
            if ev.english not in shadowing:
                shadowing[ev.english] = wordnet.shadows_its_lemma(ev.english)
            if shadowing[ev.english]:
                if ev.english in wordnet.verbs_of_noun:
                    shadowed[ev.english].append((source, ev))  # joining: 参加 still gives 参加する
                verb = verb_of_gerund(ev, source, wordnet)
                if verb:
                    of_gerunds[verb].append((source, ev._replace(
                        english=verb, japanese=ev.japanese + "する", pos="v", jpos="")))
                continue
            # A capitalised gloss WordNet does not know is a name or a term in romaji
            # (Emma for 閻魔), not a translation of the English word. An abbreviation in
            # capitals is a term of its own (POSIX: ポジックス).
            if (source == ranking.JMDICT and ev.english[:1].isupper()
                    and not is_abbreviation(ev.english) and ev.english.lower() not in wordnet.parts):
                continue
            if (source == ranking.WIKTIONARY and ev.pos == "v" and ev.japanese in suru_nouns
                    and not ev.japanese.endswith("する")):  # 属する is a verb already
                ev = ev._replace(japanese=ev.japanese + "する")
            # A translation with a character code page 932 cannot hold is left out whole:
            # without the character it would be another word.
            if printable_cp932(ev.japanese):
                evidences[ev.english].append((source, ev))
    add_verbs_of_suru_nouns(evidences, wordnet, shadowed)
    # A verb nothing above translates, named only by a gloss in -ing of a noun that takes
    # する (stanch: 止血 for stanching). A verb translated otherwise keeps its translations:
    # the noun's sense is often a narrow one (charging: 充電, for charge).
    for verb, found in of_gerunds.items():
        if verb not in evidences:
            evidences[verb] = found
    add_american_spellings(evidences, wordnet)
    meanings, ranked = {}, {}
    for headword, found in evidences.items():
        groups = ranking.rank(found, wordnet.pos_order(headword))
        ranked[headword] = groups
        if headword in explain:
            print_ranking(headword, found, groups)
        shown = ranking.choose(groups)
        if shown:
            meanings[headword] = shown
    # Adverbs in -ly and nouns in -ness no source has, from their adjective (明確な ->
    # 明確に, 強い -> 強く, 親切な -> 親切さ). Only then: WordNet links the adverb to one
    # sense of the adjective, and the adjective's first translation may be another sense
    # (clear: 透明な, clearly: not 透明に).
    for word, adjectives in derivable_words(wordnet, meanings):
        made = {}
        for adjective in adjectives:
            for text, score in ranking.derived_from_adjective(ranked.get(adjective, []), word[-2:]):
                if printable_cp932(text) and score > made.get(text, float("-inf")):
                    made[text] = score
        if made:
            best = sorted(made, key=lambda text: (-made[text], text))
            meanings[word] = [best[:3]]
    # Relational adjectives no source has, from the noun their main sense pertains to
    # (abdominal: 腹部 -> 腹部の).
    for adjective, nouns in sorted(wordnet.nouns_of_adjective.items()):
        if adjective in meanings or not adjective.islower():
            continue
        made = []
        for noun in nouns:
            text = noun_with_no(ranked.get(noun) or ranked.get(noun.lower(), []))
            if text and text not in made:
                made.append(text)
        if made:
            meanings[adjective] = [made[:3]]
    # Beside the sources' own adverbs, which in JMdict are often mimetic words (きっぱり
    # for clearly), the adverb made from the adjective WordNet links it to, ranked a little
    # below that adjective's translation.
    for adverb, adjectives in sorted(wordnet.pertainyms.items()):
        groups = ranked.get(adverb)
        if not groups or " " in adverb or not adverb.endswith("ly"):
            continue
        group = next((g for pos, g in groups if pos == "adv"), None)
        if group is None:
            continue
        have = {c.japanese for c in group}
        for adjective in adjectives:
            for text, score in ranking.derived_from_adjective(ranked.get(adjective, []), "ly"):
                if text not in have and printable_cp932(text) and not ranking.is_katakana(text[:-1]):
                    have.add(text)
                    cand = ranking.Candidate(text, "adv", "", text)
                    cand.score = score - DERIVED_COST
                    group.append(cand)
        group.sort(key=lambda c: (-c.score, c.japanese))
        meanings[adverb] = ranking.choose(groups)
    add_closed_compounds(meanings, spellings)
    return meanings


def is_abbreviation(word):
    """True for a word in capitals throughout, two letters or more (POSIX, ISO)."""
    return len(word) > 1 and word.isalpha() and word.isupper()


def add_closed_compounds(meanings, spellings):
    """A hyphenated headword also serves the same word written closed, where no source has
    that spelling and a spelling list says it is a word: built-in gives builtin."""
    for headword in sorted(meanings):
        if headword.count("-") != 1 or not headword.islower():
            continue
        first, _, second = headword.partition("-")
        closed = first + second
        if first.isalpha() and second.isalpha() and closed not in meanings and closed in spellings:
            meanings[closed] = meanings[headword]


# SCOWL's list sizes read as spellings: up to 50, the words of a large general dictionary.
SPELLING_SIZES = (10, 20, 35, 40, 50)


def read_spellings(scowl_dir):
    """The lower-case words of SCOWL's English and American lists up to size 50."""
    words = set()
    for size in SPELLING_SIZES:
        for variety in ("english", "american"):
            entries = read_scowl_list(scowl_dir, variety, "words", size)
            if entries is None and (variety, size) == ("english", 10):
                raise DataError("%s: english-words.10 is missing" % scowl_dir)
            words.update(w for w in entries or () if w.isalpha() and w.islower())
    return words


def verb_of_gerund(ev, source, wordnet):
    """The verb a plain JMdict gloss in -ing names when the Japanese is a noun that takes
    する (止血: stanching -> 止血する for stanch), else None. Not from a gloss of a narrow
    register (slang, mimetic words, a field's term) or a late sense, and not when the form
    could come from two verbs (sniping: snip or snipe)."""
    if (source != ranking.JMDICT or ev.jpos != "vs" or ev.pos != "n" or ev.register
            or ev.place > 2 or not ev.english.endswith("ing")):
        return None
    verbs = {base for base, pos in regular_bases(ev.english)
             if pos == "v" and "v" in wordnet.parts.get(base, ())}
    return verbs.pop() if len(verbs) == 1 else None


def derivable_words(wordnet, meanings):
    """(word, adjectives) for each adverb in -ly and noun in -ness of WordNet that has no
    meaning yet, with the adjectives it comes from: WordNet's own link for adverbs, else
    the adjective its spelling gives (quickly: quick, happily: happy, possibly: possible,
    basically: basic, kindness: kind) when WordNet knows that adjective."""
    for word in sorted(wordnet.parts):
        if word in meanings or " " in word or not word.islower():
            continue
        parts = wordnet.parts[word]
        if word.endswith("ly") and "adv" in parts:
            found = list(wordnet.pertainyms.get(word, []))
            stems = (word[:-2], word[:-3] + "y", word[:-2] + "e", word[:-1] + "e", word[:-4])
        elif word.endswith("ness") and "n" in parts:
            found = []
            stems = (word[:-4], word[:-5] + "y")
        else:
            continue
        if not found:
            found = [s for s in stems if len(s) > 2 and "adj" in wordnet.parts.get(s, ())][:1]
        if found:
            yield word, found


def noun_with_no(groups):
    """The adjective made from a noun's ranked translations: its first translation as a
    noun, with の (園芸 -> 園芸の). None when the noun's first translation is not a plain
    noun (it would be a verb or adjective with の), or when the two sources do not agree on
    it: the adjective means the noun's main sense, and a translation only one source gives
    first is too often another sense (denomination: 単位, quadrangle: 中庭)."""
    for pos, group in groups:
        if pos != "n" or not group:
            continue
        text = group[0].japanese
        if (group[0].jpos not in ("", "no") or text.endswith(ranking.ENDINGS + ("い",))
                or len(group[0].sources) < 2):
            return None
        return text + "の" if printable_cp932(text) else None
    return None


def print_ranking(headword, found, groups):
    """Shows on stderr why a headword's translations come in their order (--explain)."""
    print("%s:" % headword, file=sys.stderr)
    for pos, group in groups:
        for cand in group:
            print("  %-5s %6.2f %s %s" % (pos, cand.score, cand.japanese, "+".join(sorted(cand.sources))),
                  file=sys.stderr)
    for source, ev in found:
        print("    %s %s" % (source, tuple(ev)), file=sys.stderr)


def add_verbs_of_suru_nouns(evidences, wordnet, shadowed=None):
    """A noun that takes する, translating an English noun, translates the verb that noun is
    made from with する (修正 for modification gives 修正する for modify): JMdict often
    glosses such nouns by nouns alone. Ranked a little below a direct `to X` gloss.
    `shadowed` holds the evidence of nouns that are no headwords of their own (joining)."""
    nouns = [(noun, list(found)) for noun, found in evidences.items()]
    nouns += list((shadowed or {}).items())
    for noun, found in nouns:
        verbs = wordnet.verbs_of_noun.get(noun)
        if not verbs:
            continue
        for source, ev in found:
            if source != ranking.JMDICT or ev.jpos != "vs" or ev.pos != "n":
                continue
            for verb in verbs:
                evidences[verb].append((source, ev._replace(
                    english=verb, japanese=ev.japanese + "する", pos="v", place=ev.place + 1.5, jpos="")))


# An adverb made from its adjective ranks this much below the adjective's translation.
DERIVED_COST = 1.5


# British spellings JMdict uses, and the American ones WordNet knows.
SPELLINGS = ((r"our$", "or"), (r"ise$", "ize"), (r"isation$", "ization"), (r"ised$", "ized"),
             (r"tre$", "ter"), (r"yse$", "yze"), (r"ogue$", "og"), (r"lled$", "led"))


def add_american_spellings(evidences, wordnet):
    """A British-spelled headword's evidence also serves its American spelling (neighbour ->
    neighbor), when WordNet knows the American word."""
    for headword in list(evidences):
        if headword.lower() in wordnet.parts or not headword.islower():
            continue
        for pattern, ending in SPELLINGS:
            american = re.sub(pattern, ending, headword)
            if american != headword and american in wordnet.parts:
                evidences[american].extend(
                    (source, ev._replace(english=american)) for source, ev in evidences[headword])
                break


@functools.lru_cache(maxsize=None)
def printable_cp932(text):
    """True when code page 932 holds every character (after the usual substitutions)."""
    fixed = "".join(CP932_FIXES.get(ch, ch) for ch in text)
    try:
        fixed.encode("cp932")
    except UnicodeEncodeError:
        return False
    return True


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


def write_notice(out_path, dict_name, info, copyrights):
    """The notice that travels with the dictionary: where every part came from and under
    which licence. `copyrights` holds the Debian copyright files of the four packages."""
    text = "\n".join([
        "%s: English-Japanese dictionary" % dict_name,
        "",
        "Vokanti's build made this file from four free sources shipped by Debian:",
        "",
        "  - the FreeDict English-Japanese dictionary (FreeDict + WikDict, translations",
        "    from Wiktionary via DBnary), package dict-freedict-eng-jpn;",
        "  - EDICT, the Japanese-English dictionary of the JMdict/EDICT project of the",
        "    Electronic Dictionary Research and Development Group (EDRDG), package edict;",
        "  - JMdict in the FreeDict Japanese-English dictionary, package",
        "    dict-freedict-jpn-eng, of which only the priority codes of the Japanese",
        "    words (how common each is) were used;",
        "  - WordNet 3.0 of Princeton University, package wordnet-base: English parts of",
        "    speech and how often each was met, multi-word expressions, irregular",
        "    forms, and the links between adverbs and adjectives, adjectives and",
        "    nouns, nouns and verbs.",
        "",
        "SCOWL's word lists (package scowl; its notice is env/level.COPYING.txt) only",
        "told which closed spellings of hyphenated headwords are English words (built-in",
        "also serves builtin); no text of them is in this file beyond those spellings.",
        "",
        "The English glosses of JMdict/EDICT were turned into English headwords with",
        "their Japanese words as translations, merged with the Wiktionary translations,",
        "ranked (main sense and common words first) and written as a one-line text",
        "dictionary (Shift-JIS, one headword per line). Translations were also made",
        "by rule: of adverbs in -ly and nouns in -ness from their adjective's",
        "(明確な -> 明確に, 強い -> 強さ), of relational adjectives from their noun's",
        "(園芸 -> 園芸の for horticultural), and of verbs from a noun that takes する",
        "(修正 for modification -> 修正する for modify). This adaptation is licensed",
        "under the licence of the originals:",
        "",
        "  Creative Commons Attribution-ShareAlike 3.0 Unported (CC BY-SA 3.0)",
        "  https://creativecommons.org/licenses/by-sa/3.0/",
        "",
        "The WordNet data used is under the WordNet 3.0 licence, quoted below.",
        "",
        "=" * 72,
        "FreeDict English-Japanese: copyright as Debian records it",
        "",
        files_stanza(copyrights["eng_jpn"], "eng-jpn/"),
        "",
        "About the database (its own information entry):",
        "",
        info.strip("\n"),
        "",
        "=" * 72,
        "JMdict in FreeDict Japanese-English: copyright as Debian records it",
        "",
        files_stanza(copyrights["jpn_eng"], "jpn-eng/"),
        "",
        "=" * 72,
        "EDICT: Debian's copyright file of the package edict, with the EDRDG licence",
        "",
        read_text(copyrights["edict"]).strip("\n"),
        "",
        "=" * 72,
        "WordNet 3.0: copyright and licence as Debian records them",
        "",
        files_stanza(copyrights["wordnet"], "*"),
        "",
        "=" * 72,
        "The licence CC BY-SA 3.0:",
        "",
        licence_text(copyrights["eng_jpn"], "CC-BY-SA-3.0"),
        "",
    ])
    # UTF-8 with a byte-order mark so that Windows editors show the Japanese title right.
    write_atomic(out_path, b"\xef\xbb\xbf" + text.replace("\n", "\r\n").encode("utf-8"))


def read_text(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--index", required=True, help="dictd .index of freedict-eng-jpn")
    ap.add_argument("--dict", required=True, help="dictd .dict.dz of freedict-eng-jpn")
    ap.add_argument("--copyright", required=True, help="Debian copyright file of dict-freedict-eng-jpn")
    ap.add_argument("--edict", required=True, help="the EDICT file (EUC-JP)")
    ap.add_argument("--edict-copyright", required=True, help="Debian copyright file of edict")
    ap.add_argument("--jmdict", required=True, help="dictd .dict.dz of freedict-jpn-eng")
    ap.add_argument("--jmdict-copyright", required=True, help="Debian copyright file of dict-freedict-jpn-eng")
    ap.add_argument("--wordnet", required=True, help="WordNet's dictionary directory")
    ap.add_argument("--wordnet-copyright", required=True, help="Debian copyright file of wordnet-base")
    ap.add_argument("--spellings", required=True, help="directory of SCOWL's word lists")
    ap.add_argument("--out", required=True, help="dictionary to write")
    ap.add_argument("--notice", required=True, help="licence notice to write")
    ap.add_argument("--explain", action="append", default=[], metavar="WORD",
                    help="show on stderr how WORD's translations were ranked")
    args = ap.parse_args()
    try:
        priorities, first_forms, readings = jmdict_source.read_priorities(args.jmdict)
        wordnet = WordNet(args.wordnet)
        edict = list(jmdict_source.read_edict(args.edict))
        jmdict = jmdict_source.invert(edict, priorities, wordnet.is_expression,
                                      wordnet.english_pos, first_forms, readings)
        wiktionary = wiktionary_evidence(args.index, args.dict, priorities)
        meanings = build(wiktionary, jmdict, wordnet, set(args.explain),
                         jmdict_source.suru_nouns(edict), read_spellings(args.spellings))
        count = write_dictionary(meanings, args.out)
        write_notice(args.notice, os.path.basename(args.out), database_info(args.index, args.dict), {
            "eng_jpn": args.copyright, "jpn_eng": args.jmdict_copyright,
            "edict": args.edict_copyright, "wordnet": args.wordnet_copyright})
    except (OSError, DataError, EOFError, UnicodeError, ValueError, IndexError) as e:
        print("make_dictionary: %s" % e, file=sys.stderr)
        return 1
    if count == 0:
        print("make_dictionary: no entries found", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
