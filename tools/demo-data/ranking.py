"""Puts a headword's translations in the order a learner needs them.

Every source gives `Evidence` (jmdict_source.Evidence): a Japanese translation of an English
word, with its part of speech, how central the English gloss is to the Japanese word, how
common the Japanese word is and a penalty for narrow senses. A translation's score adds up
how central it is, how common it is and whether both sources give it; the English word's
commonest part of speech (WordNet's tagged counts) comes first in the meaning and each other
part of speech follows after " / ".
"""

import functools
import re
from collections import defaultdict

# What the JMdict side says counts most: its glosses are ordered by sense. The Wiktionary
# side orders its senses by their English gloss, so its first sense is weaker evidence.
JMDICT = "jmdict"
WIKTIONARY = "wiktionary"
BASE = {JMDICT: 6.0, WIKTIONARY: 3.0}
PLACE_COST = {JMDICT: 1.0, WIKTIONARY: 0.5}
COMMON_WEIGHT = 0.75
AGREEMENT = 2.0
# A translation this far below the best is left out: a rare sense, not a second meaning.
CUTOFF = 7.0
MAX_TRANSLATIONS = 6
# Translations of the first part of speech when the word has others: the meaning is cut at
# 29 half-width characters, and the other parts of speech should fit in it too.
FIRST_GROUP_ROOM = 3
# Japanese endings added to a stem for the English part of speech; translations that differ
# only by them are the same word when sources are compared.
ENDINGS = ("する", "な", "の", "に", "と")


def bare(japanese):
    for ending in ENDINGS:
        if japanese.endswith(ending) and len(japanese) > len(ending):
            return japanese[:-len(ending)]
    return japanese


class Candidate:
    __slots__ = ("japanese", "pos", "score", "sources", "jpos", "stem", "ident")

    def __init__(self, japanese, pos, jpos, stem, ident=None):
        self.japanese, self.pos, self.jpos, self.stem = japanese, pos, jpos, stem
        self.ident = ident if ident is not None else bare(japanese)
        self.score = float("-inf")
        self.sources = set()


KANA_ONLY = re.compile("[\u3041-\u309f\u30a1-\u30fc]+")


@functools.lru_cache(maxsize=None)
def other_script(shown, forms):
    """The spellings of a JMdict word in the other script than the one shown, bare: its
    kanji forms when it is shown in kana (すでに: 既に), its kana reading when shown in
    kanji. Other kanji spellings are left out: they often belong to another sense of the
    reading (首 is also read こうべ, written 頭). Cached: every rank asks it twice."""
    shown_kana = KANA_ONLY.fullmatch(bare(shown)) is not None
    return tuple(bare(f) for f in forms if (KANA_ONLY.fullmatch(f) is None) == shown_kana)


def spelling_aliases(evidences):
    """Maps each spelling of the headword's JMdict words to the bare form their evidence
    shows, so that a translation another source spells otherwise counts as that word
    (Wiktionary's 既に is JMdict's すでに). A spelling of two words (既に: すでに, すんでに)
    goes to the commoner."""
    alias, rank_of = {}, {}
    for source, ev in evidences:
        if source != JMDICT:
            continue
        shown = bare(ev.japanese)
        for key in other_script(ev.japanese, ev.forms):
            if key not in alias or (ev.common, -ev.place) > rank_of[key]:
                alias[key], rank_of[key] = shown, (ev.common, -ev.place)
    return alias


# A loanword in katakana is rarely the translation a learner looks for (ワールド for world,
# フェアな for fair, レポートする for report) when a native word is there too; it still comes
# first when it is all there is.
KATAKANA_COST = 2.0


KATAKANA = re.compile("[\u30a1-\u30fc]+")


def is_katakana(text):
    return KATAKANA.fullmatch(text) is not None


def score_of(source, evidence):
    return (BASE[source] - PLACE_COST[source] * evidence.place - evidence.register
            + COMMON_WEIGHT * evidence.common - (KATAKANA_COST if is_katakana(bare(evidence.japanese)) else 0.0))


def rank(evidences, pos_order=()):
    """The candidates of one headword, grouped by part of speech, each group best first.

    `evidences` are (source, Evidence) pairs. Returns a list of (pos, [Candidate]) with the
    groups in the order of `pos_order` (the English word's commonest part of speech first),
    then any other group by its best score.
    """
    candidates = {}
    places = defaultdict(set)  # a candidate's places in JMdict: each sense that gives it
    best_place = {}  # (source, word) -> the best place that source gives it
    alias = spelling_aliases(evidences)
    spellings = defaultdict(set)  # a JMdict candidate's spellings, bare
    # A text shown is as common as the commonest JMdict word it shows that translates this
    # headword: 力 read りき (power) is rare, but a learner reads 力 as ちから, which
    # translates power too. (殿 read しんがり, rear, stays rare: 殿 read との does not.)
    shown_common = defaultdict(float)
    for source, ev in evidences:
        if source == JMDICT:
            shown_common[ev.japanese] = max(shown_common[ev.japanese], ev.common)
    for source, ev in evidences:
        if source == JMDICT:
            ev = ev._replace(common=shown_common[ev.japanese])
        key = (ev.pos, ev.japanese)
        cand = candidates.get(key)
        if cand is None:
            word = bare(ev.japanese)
            cand = candidates[key] = Candidate(ev.japanese, ev.pos, ev.jpos, ev.stem,
                                               word if source == JMDICT else alias.get(word, word))
        cand.score = max(cand.score, score_of(source, ev))
        cand.sources.add(source)
        if not cand.jpos and ev.jpos:
            cand.jpos, cand.stem = ev.jpos, ev.stem
        words = {bare(ev.japanese)}
        if source == JMDICT:
            places[key].add(ev.place)
            words.update(other_script(ev.japanese, ev.forms))
            spellings[key].update(words)
        for word in words:
            agreed = (source, word)
            best_place[agreed] = min(best_place.get(agreed, ev.place), ev.place)
    for key, cand in candidates.items():
        # Both sources give it, in any of its spellings; the earlier Wiktionary lists it,
        # the more that counts.
        own = spellings[key] | {cand.ident, bare(cand.japanese)}
        wiktionary_places = [best_place[(WIKTIONARY, word)] for word in own
                             if (WIKTIONARY, word) in best_place]
        if (JMDICT, cand.ident) in best_place and wiktionary_places:
            cand.score += AGREEMENT + max(0.0, 2.0 - 0.5 * min(wiktionary_places))
        # Several senses of one Japanese word that all give this English word: it is
        # central to it (強い: strong in three senses).
        cand.score += min(2.0, 0.4 * (len(places[key]) - 1)) if places[key] else 0.0
    if not candidates:
        return []
    best = max(c.score for c in candidates.values())
    groups = defaultdict(list)
    for cand in candidates.values():
        if cand.score >= best - CUTOFF:
            groups[cand.pos].append(cand)
    for group in groups.values():
        group.sort(key=lambda c: (-c.score, c.japanese))
    known = [p for p in pos_order if p in groups]
    rest = sorted((p for p in groups if p not in known), key=lambda p: -groups[p][0].score)
    order = known + rest
    # A part of speech WordNet calls commoner still yields to a much better translation:
    # WordNet counts senses of the English word, not how well a source translates it.
    if len(order) > 1 and groups[order[0]][0].score + 4.0 < max(groups[p][0].score for p in order):
        order.sort(key=lambda p: -groups[p][0].score)
    return [(p, groups[p]) for p in order]


def choose(groups, limit=MAX_TRANSLATIONS):
    """The translations to show: the best of the first part of speech, then the best one or
    two of each other one, so that every part of speech stays visible in a short meaning
    (light: 光, 明かり, 灯 / 明るい, 軽い); each Japanese text once. Returns a list of
    groups of texts."""
    shown, seen, total = [], set(), 0
    first_room = limit if len(groups) == 1 else FIRST_GROUP_ROOM
    for number, (_, group) in enumerate(groups):
        room = min(first_room if number == 0 else 2, limit - total)
        texts, words = [], set()
        for cand in group:
            if len(texts) >= room:
                break
            if cand.japanese in seen or cand.ident in words:
                continue  # one spelling of a word is enough (既に after すでに)
            seen.add(cand.japanese)
            words.add(cand.ident)
            texts.append(cand.japanese)
        if texts:
            shown.append(texts)
            total += len(texts)
        if total >= limit:
            break
    return shown


def derived_from_adjective(groups, ending):
    """Translations of an adverb in -ly (ending "ly") or a noun in -ness ("ss") made from an
    adjective's ranked translations, where the rule is reliably right: a na-adjective takes
    に or さ (明確な -> 明確に, 親切な -> 親切さ), an i-adjective's い becomes く or さ
    (厳しい -> 厳しく, 強い -> 強さ). Other translations give nothing, and neither a clause
    nor a -的 adjective gives a noun (居心地がよい -> 居心地がよく, 積極的な -> 積極的に, but
    not 居心地がよさ, 積極的さ). Nouns in 性 are nouns already (繊維性な -> 繊維性), and
    可能な takes 性 (使用可能な -> 使用可能性)."""
    made = []
    for pos, group in groups:
        if pos != "adj":
            continue
        for cand in group:
            if cand.jpos == "na" and ending != "ly":
                if cand.stem.endswith(("的", "よう")):
                    continue  # 積極的な: its noun is 積極性; 積極的さ, 押したようさ are no words
                if cand.stem.endswith("性"):
                    made.append((cand.stem, cand.score))  # 繊維性な -> 繊維性
                    continue
                if cand.stem.endswith("可能"):
                    made.append((cand.stem + "性", cand.score))  # 使用可能な -> 使用可能性
                    continue
            if cand.jpos == "na":
                made.append((cand.stem + ("に" if ending == "ly" else "さ"), cand.score))
            elif ending != "ly" and "が" in cand.stem:
                continue  # a clause (居心地がよい) has no noun in さ
            elif cand.jpos == "i" and cand.stem.endswith("い") and len(cand.stem) > 1:
                made.append((cand.stem[:-1] + ("く" if ending == "ly" else "さ"), cand.score))
    return made
