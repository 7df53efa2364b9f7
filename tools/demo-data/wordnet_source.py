"""What the demo dictionary takes from WordNet 3.0 (Debian's wordnet-base).

- Lemmas and their parts of speech, with how often each part of speech was met in WordNet's
  tagged texts: a word's commonest part of speech comes first in its meaning, and a gloss
  of several words becomes a headword only when WordNet knows it as an expression.
- Pertainyms of adverbs (clearly -> clear), from which an adverb in -ly no source has is
  translated through its adjective.
- Pertainyms of relational adjectives (abdominal -> abdomen), kept only where that is the
  adjective's main sense and the noun's main sense: the noun's translation then serves the
  adjective with の (腹部の).
"""

import os
import re

POS_FILES = {"noun": "n", "verb": "v", "adj": "adj", "adv": "adv"}
# How often WordNet's tagged texts must meet a word spelt as a past form (bed, seed) for it to
# count as a word of its own.
OWN_WORD_MET = 10
# How often an adjective spelt as a participle must be met to be weighed against its verb.
PARTICIPLE_MET = 5


def read_synsets(path, keep=None):
    """The synsets of a WordNet data file, in file order: (offset, words, pointers). The words
    have spaces for "_" and no adjective marker ("(a)"); each pointer is (symbol, offset,
    part of speech, source word number, target word number), 0 meaning the whole synset.
    `keep`, when given, skips the lines it is false for before they are split."""
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            if line.startswith(" ") or (keep and not keep(line)):
                continue  # the licence at the top
            fields = line.split()
            count = int(fields[3], 16)
            words = [re.sub(r"\(\w+\)$", "", fields[4 + 2 * i]).replace("_", " ") for i in range(count)]
            at = 4 + 2 * count
            pointers = []
            for i in range(int(fields[at])):
                symbol, offset, pos, numbers = fields[at + 1 + 4 * i: at + 5 + 4 * i]
                pointers.append((symbol, offset, pos, int(numbers[:2], 16), int(numbers[2:], 16)))
            yield fields[0], words, pointers


class WordNet:
    def __init__(self, directory):
        # (lemma, pos) -> how many of its senses were met in WordNet's tagged texts, and
        # how often it was met there in all; lemma -> set of parts of speech
        self.tagged = {}
        self.met = {}
        self.parts = {}
        self.first_sense = {}  # (lemma, pos) -> offset of its commonest synset
        self.pertainyms = {}  # adverb -> adjectives it pertains to, in WordNet's order
        self.nouns_of_adjective = {}  # relational adjective -> the noun its main sense is of
        for name, pos in POS_FILES.items():
            self._read_index(os.path.join(directory, "index." + name), pos)
        self._read_sense_counts(os.path.join(directory, "cntlist.rev"))
        self._read_pertainyms(directory)
        self.verbs_of_noun = {}  # noun -> verbs it derives from or gives (explanation -> explain)
        self._read_noun_verb_links(directory)
        self.irregular = {}  # irregular form -> [(base, pos)]: children -> child, went -> go
        for name, pos in POS_FILES.items():
            with open(os.path.join(directory, name + ".exc"), encoding="utf-8", errors="replace") as f:
                for line in f:
                    fields = line.split()
                    if len(fields) >= 2:
                        self.irregular.setdefault(fields[0].replace("_", " "), []).extend(
                            (base.replace("_", " "), pos) for base in fields[1:])

    def _read_index(self, path, pos):
        with open(path, encoding="utf-8", errors="replace") as f:
            for line in f:
                if line.startswith(" "):
                    continue  # the licence at the top
                fields = line.split()
                if len(fields) < 6:
                    continue
                lemma = fields[0].replace("_", " ")
                pointer_count = int(fields[3])
                tagged = int(fields[5 + pointer_count]) if len(fields) > 5 + pointer_count else 0
                self.tagged[(lemma, pos)] = tagged
                self.first_sense[(lemma, pos)] = fields[-int(fields[2])]
                self.parts.setdefault(lemma, set()).add(pos)

    # Sense keys' kinds of synset: noun, verb, adjective, adverb, adjective satellite.
    SENSE_KEY_POS = {"1": "n", "2": "v", "3": "adj", "4": "adv", "5": "adj"}

    def _read_sense_counts(self, path):
        """How often each (lemma, part of speech) was met in WordNet's tagged texts: the sum
        of its senses' counts (free: 54 as an adjective, 17 as a verb). The index files
        only say how many senses were met at all."""
        counts = {}
        with open(path, encoding="utf-8", errors="replace") as f:
            for line in f:
                fields = line.split()
                if len(fields) != 3 or "%" not in fields[0] or not fields[2].isdigit():
                    continue
                lemma, _, kind = fields[0].partition("%")
                pos = self.SENSE_KEY_POS.get(kind[:1])
                if pos:
                    key = (lemma.replace("_", " "), pos)
                    counts[key] = counts.get(key, 0) + int(fields[2])
        self.met = counts

    def _read_pertainyms(self, directory):
        adjectives = {}  # offset -> words of the synset
        of_nouns = []  # (adjective, its synset, the noun's synset, the noun's number in it)
        for synset, words, pointers in read_synsets(os.path.join(directory, "data.adj")):
            adjectives[synset] = words
            for symbol, offset, pos, source, target in pointers:
                if symbol == "\\" and pos == "n" and source and target:
                    of_nouns.append((words[source - 1], synset, offset, target))
        for _, words, pointers in read_synsets(os.path.join(directory, "data.adv")):
            for symbol, offset, pos, source, target in pointers:
                if symbol != "\\" or pos not in ("a", "s") or offset not in adjectives:
                    continue
                sources = words if source == 0 else words[source - 1:source]
                targets = adjectives[offset] if target == 0 else adjectives[offset][target - 1:target]
                for adverb in sources:
                    found = self.pertainyms.setdefault(adverb, [])
                    found.extend(t for t in targets if t not in found)
        self._keep_main_sense_links(directory, of_nouns)

    def _keep_main_sense_links(self, directory, of_nouns):
        """Keeps an adjective's link to a noun when it joins the main senses of both: a
        relational adjective whose main sense is another (a pertainym of a rare sense)
        would take a wrong translation."""
        nouns = {}  # offset -> words of the synset, for the synsets linked to
        wanted = {offset for _, _, offset, _ in of_nouns}
        with open(os.path.join(directory, "data.noun"), encoding="utf-8", errors="replace") as f:
            for line in f:
                offset = line[:8]
                if offset in wanted:
                    fields = line.split()
                    nouns[offset] = [fields[4 + 2 * i].replace("_", " ")
                                     for i in range(int(fields[3], 16))]
        for adjective, adj_offset, offset, target in of_nouns:
            noun = nouns.get(offset, [])[target - 1:target]
            if (not noun or not made_from_noun(adjective, noun[0])
                    or self.first_sense.get((adjective.lower(), "adj")) != adj_offset
                    or self.first_sense.get((noun[0].lower(), "n")) != offset):
                continue
            found = self.nouns_of_adjective.setdefault(adjective, [])
            if noun[0] not in found:
                found.append(noun[0])

    def _read_noun_verb_links(self, directory):
        verbs = {synset: words for synset, words, _ in read_synsets(os.path.join(directory, "data.verb"))}
        nouns = read_synsets(os.path.join(directory, "data.noun"), keep=lambda line: " v " in line)
        for _, words, pointers in nouns:
            for symbol, offset, pos, source, target in pointers:
                if symbol != "+" or pos != "v" or offset not in verbs or not source or not target:
                    continue
                noun, verb = words[source - 1], verbs[offset][target - 1]
                # Only a derivation in form (modification -> modify), not a link in
                # meaning alone (whole -> unify).
                if " " in noun or " " in verb or noun[:4] != verb[:4] or noun == verb:
                    continue
                found = self.verbs_of_noun.setdefault(noun, [])
                if verb not in found:
                    found.append(verb)

    def tagged_count(self, word, parts=("n", "v", "adj", "adv")):
        return sum(self.tagged.get((word, p), 0) for p in parts)

    def shadows_its_lemma(self, word):
        """True for an inflected form (vegetables, decided, older, children) of a commoner WordNet
        word: as a headword of its own it would be found before that word in every text
        (the engine looks a word up as written first), with the rare meaning of the form.
        A form WordNet counts more often than its lemma stays (tired, interested), and so
        does a noun of its own that is not a past form (building, stranger) unless it is an
        -ing form WordNet rarely meets as a noun (looking)."""
        word = word.lower()
        if " " in word:
            return False
        own = self.parts.get(word, set())
        for base, pos in self.irregular.get(word, []) + regular_bases(word):
            if base == word or pos not in self.parts.get(base, ()):
                continue
            if not own:
                return True  # vegetables, neighbors: not a word of WordNet's own
            met = sum(self.met.get((word, p), 0) for p in own)
            if "n" in own and pos != "n" and not word.endswith("ed"):
                # building, stranger: a noun of its own. An -ing noun WordNet meets less
                # than once for twenty times its verb (looking, making, getting) is the
                # verb's form in almost every text.
                return word.endswith("ing") and pos == "v" and met * 20 < self.met.get((base, "v"), 0)
            # A word spelt as a past form that WordNet meets often in its own right is a
            # word of its own (bed is no past of be, nor seed of see, and married is an
            # adjective). A rare one ("lied", a German song) is judged by how often WordNet
            # counts it against its verb, as any other form is.
            if word.endswith("ed") and met >= OWN_WORD_MET:
                return False
            # A participle that WordNet meets as an adjective at least once for eight times
            # its verb is an adjective a learner looks up as such (interesting, tired,
            # worried); one met less (increasing, known, finished) is the verb's form.
            as_adjective = self.met.get((word, "adj"), 0)
            if (pos == "v" and as_adjective >= PARTICIPLE_MET
                    and as_adjective * 8 >= self.met.get((base, "v"), 0)):
                return False
            return self.tagged_count(word) < self.tagged_count(base, (pos,))
        return False

    def is_expression(self, text):
        return text.lower() in self.parts

    def pos_order(self, word):
        """The parts of speech of `word`, commonest first; one goes before another that comes
        first among noun, verb, adj, adv only when WordNet met it at least twice as often
        (the counts are small: bat is met 13 times as a verb, 8 as a noun)."""
        word = word.lower()
        order = ["n", "v", "adj", "adv"]
        count = {p: self.met.get((word, p), 0) for p in self.parts.get(word, set())}
        ranked = sorted(count, key=lambda p: (-count[p], order.index(p)))
        changed = True
        while changed:
            changed = False
            for i in range(len(ranked) - 1):
                first, second = ranked[i], ranked[i + 1]
                if order.index(first) > order.index(second) and count[first] < 2 * count[second]:
                    ranked[i], ranked[i + 1] = second, first
                    changed = True
        return ranked

    def english_pos(self, word, japanese_tags):
        """The part of speech of a one-word gloss, judged from WordNet and the Japanese sense."""
        parts = self.parts.get(word.lower(), set())
        tags = set(japanese_tags)
        if tags & {"adv", "adv-to"} and "adv" in parts:
            return "adv"
        if any(t.startswith("adj") for t in tags) and "adj" in parts:
            return "adj"
        if "n-adv" in tags and "adv" in parts and "n" not in parts:
            return "adv"
        if "n" in parts or not parts:
            return "n"
        if parts == {"adj"}:
            return "adj"
        if parts == {"adv"}:
            return "adv"
        return "other"


def made_from_noun(adjective, noun):
    """True when the adjective is the noun's stem with a relational ending (abdomen ->
    abdominal, alphabet -> alphabetic, psychiatry -> psychiatric): it then means "of the
    noun". Links in meaning alone (solar: sun, gubernatorial: governor) are left out, as are
    prefixed words (postnuptial: wedding, agonadal), words of "without" or "like" (recoilless,
    shelflike, toll-free, wrinkleproof, acneiform), compounds and the -y adjectives (ratty, tinny), which mostly mean something
    else."""
    adjective, noun = adjective.lower(), noun.lower()
    if not adjective.isalpha() or not noun.isalpha():
        return False
    if adjective.endswith(("less", "like", "free", "proof", "form")) or len(adjective) > len(noun) + 5:
        return False  # also compounds: abdominovesical is not just "of the abdomen"
    if adjective.endswith("y") and adjective[:-1] in (noun, noun + noun[-1:]):
        return False
    return adjective.startswith(noun[:max(len(noun) - 2, min(len(noun), 4))])


def regular_bases(word):
    """(base, part of speech) the regular rules of English inflection could make `word` from,
    the likelier first: plurals and third persons, past forms, -ing forms, comparatives."""
    found = []
    def add(base, *parts):
        if len(base) > 1:
            found.extend((base, p) for p in parts)
    if word.endswith("ies"):
        add(word[:-3] + "y", "n", "v")
    if word.endswith("es"):
        add(word[:-2], "n", "v")
    if word.endswith("s") and not word.endswith("ss"):
        add(word[:-1], "n", "v")
    if word.endswith("ied"):
        add(word[:-3] + "y", "v")
    if word.endswith("ed"):
        add(word[:-2], "v")
        add(word[:-1], "v")
        if len(word) > 4 and word[-3] == word[-4]:
            add(word[:-3], "v")
    if word.endswith("ing"):
        add(word[:-3], "v")
        add(word[:-3] + "e", "v")
        if len(word) > 5 and word[-4] == word[-5]:
            add(word[:-4], "v")
    for ending in ("er", "est"):
        if word.endswith(ending):
            stem = word[:-len(ending)]
            add(stem, "adj")
            add(stem + "e", "adj")
            if stem.endswith("i"):
                add(stem[:-1] + "y", "adj")
            if len(stem) > 2 and stem[-1] == stem[-2]:
                add(stem[:-1], "adj")
    return found
