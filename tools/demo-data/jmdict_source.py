"""Japanese-English data of the JMdict project, turned round into English headwords.

Two of Debian's packages carry it: `edict` (EDICT, one line per written form, with parts of
speech per sense and a (P) mark on common forms) and `dict-freedict-jpn-eng` (JMdict in a
dictd database, with JMdict's priority codes per written form: news1/2, ichi1/2, spec1/2,
gai1/2 and the frequency bands nf01-nf48). EDICT gives the senses and glosses; the priority
codes say how common each Japanese form is.

An English gloss becomes a headword when it is a plain word or a real English expression
(the caller says which multi-word glosses are real); explanations, notes in parentheses and
"e.g." texts never do. Each gloss gives one `Evidence`: the Japanese form as a learner should
meet it (a suru noun as 修正する for a `to X` gloss, a na-adjective as 明らかな for an
English adjective), its part of speech and how central the gloss is to the Japanese word.
"""

import gzip
import re
from collections import namedtuple

# One reason to translate `english` by `japanese`.
#   pos       n, v, adj, adv or other: the part of speech of the English word in this gloss
#   place     how central the gloss is to the Japanese word: 0 for the first gloss of the
#             first sense, growing with later glosses and senses
#   common    how common the Japanese form is, 0 (no mark) to 7 (the commonest)
#   register  0, or a penalty for slang, vulgar or specialised senses
#   jpos      the Japanese word's own class for derivations: na, i, no, adv or ""
#   stem      the Japanese form before a suffix was added (明らか for 明らかな)
#   forms     every spelling of the Japanese word, kanji and kana (既に, すでに): another
#             source that gives one of them gives the same word
Evidence = namedtuple("Evidence", "english japanese pos place common register jpos stem forms",
                      defaults=((),))

# Sense tags that mean the sense is not for a learner's list at all.
SKIPPED_TAGS = {"arch", "obs", "obsc", "rare", "X", "vulg", "derog", "sens", "joc"}
# Form tags: irregular, old or outdated written forms.
IRREGULAR_FORM_TAGS = {"iK", "ik", "io", "oK", "ok", "oik"}
# Colloquial or narrow senses: kept, but after the plain ones.
LOW_REGISTER_TAGS = {"sl": 3, "col": 1, "male": 1, "fem": 1, "hum": 3, "hon": 3, "pol": 0,
                     "uk": 0, "abbr": 2, "yoji": 2, "id": 2, "proverb": 4, "chn": 2, "on-mim": 2.5,
                     "fam": 1, "poet": 3, "ateji": 1, "gikun": 1}
# Tags of a field of knowledge (medicine, Buddhism, baseball ...) are any other lower-case
# tag; such a sense is specialised.
SPECIALISED_PENALTY = 4

# Parts of speech of a word that stands on its own.
WORD_POS = {"n", "n-adv", "n-t", "n-pr", "adj-i", "adj-na", "adj-no", "adj-pn", "adj-t", "adj-f",
            "adv", "adv-to", "exp", "int", "conj", "pn", "vs", "vt", "vi", "vk", "vz", "v1"} | {
            "v5" + e for e in ("u", "k", "g", "s", "t", "n", "b", "m", "r", "k-s", "r-i", "aru", "u-s")} | {
            "vs-s", "vs-i", "vs-c"}
VERB_POS = re.compile(r"^v(?:[15]|k$|z$|s(?:-[si])?$|2|4|r$|n$|-unspec)")
POS_TAGS = re.compile(r"^(?:n(?:-\w+)?|v[\w-]*|adj-\w+|adv(?:-to)?|exp|int|conj|prt|pn|pref|suf|"
                      r"ctr|num|aux(?:-\w+)?|cop(?:-da)?|unc)$")

TAG_GROUP = re.compile(r"^\(([^()]*)\)\s*")
TAG = re.compile(r"^[A-Za-z][\w-]*$")
HEAD = re.compile(r"^(\S+)(?: \[(\S+)\])?$")
# A gloss that is an English word or expression: letters, inner apostrophes and hyphens.
PLAIN_GLOSS = re.compile(r"^[A-Za-z]+(?:['-][A-Za-z]+)*(?: [A-Za-z]+(?:['-][A-Za-z]+)*){0,3}$")
# Notes in parentheses before or after the gloss proper: "(one's) lover", "to play (games, etc.)".
LEADING_NOTE = re.compile(r"^\([^()]*\)\s*")
TRAILING_NOTE = re.compile(r"\s*\([^()]*\)$")
PATTERN_WORDS = {"one's", "someone", "something", "somebody", "oneself", "sth", "sb", "etc",
                 "eg", "ie", "someone's", "something's", "one"}
NEGATED = "(not) "
HEAD_FORM = re.compile(r"(?:^|,)\s*(?:\[\w+\]\s*)*([^\s\[\]/,]+) /")
KANA = re.compile("[\u3041-\u309f\u30a1-\u30ff]+")
# One written form or reading of an entry's head line, with its priority codes and notes
# before it: " [ichi1]  [news2]  (gikun (meaning as reading))  たばこ /täbˈäko̞/".
HEAD_ITEM = re.compile(r"(?:^|,)\s*((?:\[\w+\]\s*|\((?:[^()]|\([^()]*\))*\)\s*)*)([^\s\[\]/,()]+) /")
# JMdict's priority marks before a form: a list's short name and its rank ([news1], [ichi2],
# [nf12], ...); no other bracketed note there ends in a number.
PRIORITY_CODE = re.compile(r"((?:\[[a-z]{2,4}\d\d?\]\s*)+)\s*([^\s\[\]/,]+) /")


def read_edict(path):
    """Yields (form, reading, senses, common) for each line of an EDICT file (EUC-JP).

    `senses` is a list of (tags, glosses): the sense's tags (parts of speech, usage and
    field) and its glosses, in the file's order; lines with the same text share one list.
    `common` is True for a (P) line.
    """
    with open(path, "rb") as f:
        data = f.read().decode("euc_jp", errors="replace")
    parsed = {}  # the forms of one word share their line's text: parsed once, one object
    for line in data.split("\n"):
        if not line or line.startswith("\u3000"):
            continue
        head, sep, body = line.partition(" /")
        if not sep:
            continue
        match = HEAD.match(head)
        if not match:
            continue
        form, reading = match.group(1), match.group(2) or match.group(1)
        common = body.endswith("/(P)/")
        if common:
            body = body[:-4]
        senses = parsed.get(body)
        if senses is None:
            senses = parsed[body] = parse_senses(body)
        yield form, reading, senses, common


def parse_senses(body):
    """The senses of an EDICT line's part after the headword: [(tags, glosses)]."""
    fields = [f for f in body.split("/") if f]
    senses = []
    for field in fields:
        field_tags = []
        # Leading groups of tags: "(v5r,vt) (1) (uk) to take".
        while True:
            m = TAG_GROUP.match(field)
            if not m:
                break
            inner = m.group(1)
            if inner.isdigit():
                field = field[m.end():]
                senses.append([[], []])  # a numbered new sense
                continue
            parts = inner.split(",")
            if inner == "not" or not all(TAG.match(p) for p in parts):
                break  # a gloss that starts with a parenthesis: "(one's) lover"
            field_tags.extend(parts)
            field = field[m.end():]
        if not senses:
            senses.append([[], []])
        sense = senses[-1]
        if field_tags:
            if any(POS_TAGS.match(t) for t in field_tags) and sense[1]:
                # Parts of speech in the middle of a sense start a new one (unnumbered
                # entries list them per group of glosses).
                senses.append([[], []])
                sense = senses[-1]
            sense[0].extend(field_tags)
        if field:
            sense[1].append(field)
    # A sense without a part of speech has that of the sense before it.
    last_pos = []
    for sense in senses:
        pos = [t for t in sense[0] if POS_TAGS.match(t)]
        if pos:
            last_pos = pos
        else:
            sense[0].extend(last_pos)
    return [(s[0], s[1]) for s in senses if s[1]]


def read_priorities(dict_path):
    """Reads the priority codes of the JMdict dictd database.

    Returns (priorities, first_forms, readings): each written form's commonness (see
    commonness()); (form, reading) for the form that comes first in its entry, which JMdict
    gives as the word's usual spelling (目, not 眼, for め); and for each written form and
    reading of an entry, how common that pair is in that entry (煙草 is common as たばこ,
    not as えんそう, though the text えんそう is common as 演奏).
    """
    with gzip.open(dict_path, "rb") as f:
        data = f.read().decode("utf-8", errors="replace")
    best, first_forms, readings, seen_lines = {}, set(), {}, set()
    for match in PRIORITY_CODE.finditer(data):
        codes = re.findall(r"\[(\w+?)(\d\d?)\]", match.group(1))
        value = commonness({name + number for name, number in codes})
        form = match.group(2)
        if value > best.get(form, -1):
            best[form] = value
        line_start = data.rfind("\n", 0, match.start()) + 1
        if line_start not in seen_lines:
            seen_lines.add(line_start)
            line = data[line_start:data.find("\n", match.end())]
            # The entry's head line: its written forms, then its readings in kana.
            forms = HEAD_FORM.findall(line)
            for reading in (f for f in forms if KANA.fullmatch(f)):
                first_forms.add((forms[0], reading))
            items = [(text, commonness({a + b for a, b in re.findall(r"\[([a-z]{2,4})(\d\d?)\]", marks)}))
                     for marks, text in HEAD_ITEM.findall(line)]
            written = [(text, c) for text, c in items if not KANA.fullmatch(text)]
            for text, how_common in items:
                if KANA.fullmatch(text):
                    # A written form and a reading together are as common as the rarer:
                    # 応える and こたえる are marked, 徹える is not.
                    for each, each_common in written or [(text, how_common)]:
                        pair = min(how_common, each_common)
                        readings[(each, text)] = max(readings.get((each, text), 0.0), pair)
    return best, first_forms, readings


def main_readings(readings):
    """Each written form's commonest reading, when one is commoner than the others (既に:
    すでに, not すんでに; 吐く: はく)."""
    ranked = {}
    for (form, reading), how_common in readings.items():
        if form == reading:
            continue
        old = ranked.get(form)
        if old is None or how_common > old[1]:
            ranked[form] = (reading, how_common, True)
        elif how_common == old[1]:
            ranked[form] = (old[0], old[1], False)
    return {form: reading for form, (reading, _, unique) in ranked.items() if unique}


def commonness(codes):
    """0 to 7. A word of the basic vocabulary list (ichi1) counts most: the newspaper bands
    (nfNN, news1) favour the words of the news (和平, 勢力) over everyday ones."""
    if "ichi1" in codes:
        value = 6.0
    elif codes & {"news1", "spec1"}:
        value = 4.0
    elif "gai1" in codes:
        value = 3.0
    elif codes & {"news2", "ichi2", "spec2", "gai2"}:
        value = 2.0
    else:
        value = 0.0
    bands = [int(code[2:]) for code in codes if code.startswith("nf")]
    if bands:
        value += 1.0 * (48 - min(bands)) / 47
    return value


def clean_gloss(gloss):
    """The gloss as a headword, or None when it is an explanation rather than a word.

    Returns (text, is_verb_phrase, noted): "to play (games, etc.)" gives ("play", True, True).
    A note in parentheses is left out of the headword; the caller ranks a noted gloss lower.
    """
    gloss = gloss.strip()
    noted = False
    # "(not) ever", "(not) at all" (決して): the Japanese word means the negated gloss, so
    # the gloss itself is the opposite of a translation. Only "not ever" has a word of its own.
    if gloss.startswith(NEGATED):
        gloss = gloss[len(NEGATED):].strip()
        if gloss != "ever":
            return None
        gloss, noted = "never", True
    # Notes before and after the gloss proper are left out ("(with neg. verb) never" for
    # 決して); one inside it makes it an explanation.
    while "(" in gloss:
        stripped = TRAILING_NOTE.sub("", LEADING_NOTE.sub("", gloss))
        if stripped == gloss:
            return None
        gloss, noted = stripped, True
    verb = gloss.startswith("to ")
    if verb:
        gloss = gloss[3:]
    if not PLAIN_GLOSS.match(gloss):
        return None
    words = gloss.split()
    if not verb and len(words) > 1 and words[0] in ("the", "a", "an"):
        words, noted = words[1:], True  # "the world"
        gloss = " ".join(words)
    # "one's", "someone", "something" mark a pattern, not an expression of its own.
    if not PATTERN_WORDS.isdisjoint(w.lower() for w in words):
        return None
    if verb and len(words) > 1 and words[0] in ("be", "become", "get"):
        return None  # "to be clear": a state described, not a verb of its own
    return gloss, verb, noted


def japanese_for(form, tags, english_pos):
    """The Japanese form shown for an English word of `english_pos` glossing a word with these
    tags, with its class for derivations; None when the pairing makes no sense."""
    tags = set(tags)
    verb_tags = [t for t in tags if VERB_POS.match(t)]
    if english_pos == "v":
        if not verb_tags:
            return None
        if any(t.startswith("vs") for t in verb_tags) and not any(
                t.startswith(("v1", "v5", "vk", "vz")) for t in verb_tags):
            if form.endswith("する"):
                return form, "", form
            return form + "する", "", form
        return form, "", form
    if "adj-i" in tags:
        return form, "i", form
    # A word JMdict marks as taking の takes it: 本当の, 同一の (本当な is not Japanese).
    if "adj-no" in tags and english_pos == "adj":
        return form + "の", "no", form
    if "adj-na" in tags:
        return (form + "な", "na", form) if english_pos == "adj" else (form, "", form)
    if "adv" in tags or "adv-to" in tags:
        return form, "adv", form
    if english_pos == "adj" and tags & {"adj-pn", "adj-f", "adj-t"}:
        return form, "", form  # 一貫した, 堂々たる: already a form that qualifies a noun
    if english_pos == "adv" and "n-adv" in tags:
        return form, "", form
    if english_pos in ("adj", "adv"):
        return None  # a noun glossed by an English adjective or adverb: no safe form
    if any(t.startswith("vs") for t in verb_tags):
        return form, "vs", form  # a noun that takes する: its verb can be made
    return form, "", form


def suru_nouns(edict_lines):
    """The written forms that take する (修正, 説明): a verb translation given as one of them
    alone means the form with する."""
    found = set()
    for form, _, senses, _ in edict_lines:
        for tags, _ in senses:
            if any(t.startswith("vs") for t in tags) and not any(
                    t.startswith(("v1", "v5", "vk", "vz")) for t in tags):
                found.add(form)
                break
    return found


def invert(edict_lines, priorities, is_expression, english_pos_of, first_forms=(), readings=None):
    """Evidences for English headwords from EDICT's lines.

    `is_expression(text)` says whether a multi-word gloss is a real English expression;
    `english_pos_of(word, tags)` gives the English part of speech of a single-word gloss
    (n, adj, adv or other) given the Japanese sense's tags.
    Forms that share a reading and senses are one word; the form shown is the commonest,
    the entry's first form winning a near tie. A word is as common as JMdict marks its
    reading in its entry (`readings`, from read_priorities), not as another word written
    alike (殿 read しんがり, rear, is not common as 殿 read どの): a form that some entry
    marks counts only where it is marked. An evidence's spellings are those another source
    may write the same word with: its reading and the written forms of which it is the
    main reading (煙草 for たばこ, not for えんそう).
    """
    readings = readings or {}
    main_reading = main_readings(readings)
    marked_forms = {form for form, _ in readings}
    words = {}
    for form, reading, senses, common in edict_lines:
        key = (reading, id(senses))  # read_edict gives equal texts one senses object
        as_written = max(priorities.get(form, 0.0), 4.0 if common else 0.0)
        value = (max(readings.get((form, reading), 0.0), 4.0 if common else 0.0)
                 if form in marked_forms else as_written)
        choice = as_written + (1.0 if (form, reading) in first_forms else 0.0)
        old = words.get(key)
        if old is None:
            words[key] = old = [form, choice, value, reading, senses, {reading}]
        else:
            if choice > old[1]:
                old[0], old[1] = form, choice
            old[2] = max(old[2], value)
        if form == reading or main_reading.get(form) == reading:
            old[5].add(form)
    for form, _, value, reading, senses, spellings in words.values():
        spellings = tuple(sorted(spellings))
        if not senses or set(senses[0][0]) & IRREGULAR_FORM_TAGS:
            continue  # the tags of an irregular written form come first on its line
        for number, (tags, glosses) in enumerate(senses):
            tag_set = set(tags)
            if tag_set & SKIPPED_TAGS or tag_set & IRREGULAR_FORM_TAGS:
                continue
            if not tag_set & WORD_POS:
                continue  # suffixes, prefixes, counters: not words of their own
            register = max([LOW_REGISTER_TAGS.get(t, 0) for t in tags] + [0])
            if any(t not in LOW_REGISTER_TAGS and not POS_TAGS.match(t) and t not in ("vt", "vi")
                   and t[:1].islower() for t in tags):
                register = max(register, SPECIALISED_PENALTY)
            shown = reading if "uk" in tag_set else form
            for position, gloss in enumerate(glosses):
                cleaned = clean_gloss(gloss)
                if not cleaned:
                    continue
                english, verb, noted = cleaned
                if " " in english and not is_expression(english):
                    continue
                if verb:
                    pos = "v"
                elif " " in english:
                    pos = "other"
                else:
                    pos = english_pos_of(english, tags)
                made = japanese_for(shown, tags, pos)
                if not made:
                    continue
                japanese, jpos, stem = made
                # A gloss alone in its sense is what the Japanese word means (時間: time);
                # one of many is one shade of it (時期: time, season, period, phase).
                # A gloss with a note is a narrower sense (撮る: to take (a photo)).
                alone = 1.0 if len(glosses) == 1 else 0.5 if len(glosses) == 2 else 0.0
                place = position + min(number, 6) * 1.5 + (0.5 if noted else -alone)
                yield Evidence(english, japanese, pos, place, value, register, jpos, stem, spellings)
