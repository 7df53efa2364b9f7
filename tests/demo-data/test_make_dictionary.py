"""The demo dictionary converter's rules, on small inputs written here.

Run from this directory with tools/demo-data on PYTHONPATH (ctest does).
"""
import gzip
import os
import tempfile
import unittest

import jmdict_source
import make_dictionary
from jmdict_source import Evidence
from wordnet_source import WordNet, made_from_noun


def small_wordnet(parts, tagged=None, pertainyms=None, verbs_of_noun=None, nouns_of_adjective=None):
    """A WordNet of a few words: {lemma: {pos, ...}}, {(lemma, pos): count}, {adverb: [adj]},
    {noun: [verb]}, {adjective: [noun]}."""
    wordnet = WordNet.__new__(WordNet)
    wordnet.parts = {k: set(v) for k, v in parts.items()}
    wordnet.tagged = tagged or {}
    wordnet.met = wordnet.tagged
    wordnet.pertainyms = pertainyms or {}
    wordnet.verbs_of_noun = verbs_of_noun or {}
    wordnet.nouns_of_adjective = nouns_of_adjective or {}
    wordnet.irregular = {"children": [("child", "n")]}
    return wordnet


WORDNET = small_wordnet(
    {"modify": {"v"}, "amendment": {"n"}, "clearly": {"adv"}, "clear": {"adj", "v"},
     "take care": {"v"}, "house": {"n", "v"}, "strictly": {"adv"}, "strict": {"adj"},
     "neighbor": {"n"}, "friend": {"n"}, "explain": {"v"}, "explanation": {"n"},
     "quick": {"adj"}, "quickly": {"adv"}, "happy": {"adj"}, "happily": {"adv"}, "kind": {"adj", "n"},
     "kindness": {"n"}, "fair": {"adj"}, "active": {"adj"}, "actively": {"adv"}, "activeness": {"n"}, "usable": {"adj"}, "usably": {"adv"},
     "usableness": {"n"}, "stanch": {"v"}, "charge": {"v", "n"}, "snip": {"v"},
     "snipe": {"v", "n"}, "cosy": {"adj"}, "cosily": {"adv"}, "cosiness": {"n"}, "vegetable": {"n"}, "decide": {"v"}, "decided": {"adj"}, "tire": {"v", "n"},
     "tired": {"adj"}, "build": {"v"}, "building": {"n"}, "japan": {"n"}, "child": {"n"},
     "horticulture": {"n"}, "horticultural": {"adj"}, "denomination": {"n"},
     "denominational": {"adj"}, "lie": {"v", "n"}, "lied": {"n"}, "strange": {"adj"},
     "stranger": {"n"}, "never": {"adv"}, "ever": {"adv"}, "always": {"adv"}, "much": {"adv", "adj"},
     "already": {"adv"}, "rear": {"n", "v", "adj"}, "power": {"n", "v"}, "looking": {"n"},
     "look": {"v"}, "joining": {"n"}, "join": {"v"}, "bed": {"n", "v"}, "be": {"v"},
     "interesting": {"adj"}, "interest": {"n", "v"}, "increasing": {"adj"}, "increase": {"n", "v"}},
    {("house", "n"): 100, ("house", "v"): 3, ("decide", "v"): 50, ("decided", "adj"): 2,
     ("tire", "v"): 5, ("tired", "adj"): 20, ("build", "v"): 80, ("building", "n"): 40,
     ("lie", "v"): 60, ("strange", "adj"): 30, ("stranger", "n"): 10, ("looking", "n"): 1,
     ("look", "v"): 400, ("joining", "n"): 2, ("join", "v"): 100, ("bed", "n"): 56,
     ("be", "v"): 9000, ("interesting", "adj"): 27, ("interest", "v"): 8, ("increasing", "adj"): 14,
     ("increase", "v"): 147},
    {"clearly": ["clear"], "strictly": ["strict"]},
    {"explanation": ["explain"], "joining": ["join"]},
    {"horticultural": ["horticulture"], "denominational": ["denomination"]})


def edict_lines(text):
    """EDICT lines as read_edict yields them, from text written as the file holds it."""
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, "edict")
        with open(path, "wb") as f:
            f.write(text.encode("euc_jp"))
        return list(jmdict_source.read_edict(path))


def dictionary(edict_text, priorities=None, wiktionary=(), first_forms=(), readings=None):
    """Headword -> meaning as the converter writes it (text, not bytes)."""
    lines = edict_lines(edict_text)
    evidences = jmdict_source.invert(lines, priorities or {}, WORDNET.is_expression,
                                     WORDNET.english_pos, first_forms, readings)
    meanings = make_dictionary.build(list(wiktionary), evidences, WORDNET,
                                     suru_nouns=jmdict_source.suru_nouns(lines))
    return {h: make_dictionary.fit_meaning(m).decode("cp932") for h, m in meanings.items()}


class Inversion(unittest.TestCase):
    def test_verbs_suru_nouns_adjectives_and_adverbs_get_their_japanese_form(self):
        found = dictionary(
            "修正 [しゅうせい] /(n,vs) amendment/correction/(vs) to modify/(P)/\n"
            "明らか [あきらか] /(adj-na) clear/obvious/(P)/\n"
            "はっきり /(adv,adv-to) clearly/plainly/(P)/\n"
            "直す [なおす] /(v5s,vt) to modify/to fix/\n")
        self.assertEqual(found["modify"].split(", ")[0], "修正する")
        self.assertIn("直す", found["modify"])
        self.assertEqual(found["amendment"], "修正")
        self.assertEqual(found["clear"], "明らかな")
        self.assertEqual(found["clearly"].split(", ")[0], "はっきり")

    def test_explanations_and_notes_never_become_headwords(self):
        found = dictionary(
            "家 [け] /(n) house (e.g. of Tokugawa)/family/\n"
            "世話 [せわ] /(n,vs) looking after someone/(vs) to take care of/\n"
            "気をつける [きをつける] /(exp,v1) to take care/to be careful/\n"
            "某 [なにがし] /(n) (1) a certain person; the name of which is unknown/\n"
            "遊ぶ [あそぶ] /(v5b,vi) (1) to play (games, sports)/(P)/\n"
            "古語 [こご] /(n) (arch) house/\n")
        self.assertEqual(found.get("take care"), "気をつける")  # WordNet knows it
        self.assertNotIn("take care of", found)  # WordNet does not
        self.assertNotIn("looking after someone", found)
        self.assertFalse(any("e.g." in h or "(" in h or ";" in h for h in found), found)
        self.assertEqual(found["play"], "遊ぶ")  # the note "(games, sports)" left out
        self.assertEqual(found["house"], "家")  # and the archaic sense not used
        self.assertEqual(found["family"], "家")

    def test_forms_sharing_a_word_give_the_commonest_and_uk_senses_the_reading(self):
        found = dictionary(
            "見付ける [みつける] /(v1,vt) to find/\n"
            "見つける [みつける] /(v1,vt) to find/(P)/\n"
            "為る [する] /(vs-i) (uk) to do/(P)/\n")
        self.assertEqual(found["find"], "見つける")
        self.assertEqual(found["do"], "する")


    def test_a_negated_gloss_translates_its_negation_or_nothing(self):
        found = dictionary("決して [けっして] /(adv) (not) ever/(not) at all/(P)/\n"
                           "何時も [いつも] /(adv,n) (1) (uk) always/(adv,n) (2) (uk) never/(P)/\n"
                           "余り [あまり] /(adv) (uk) (not) much/(P)/\n", {"決して": 6.9, "何時も": 6.0})
        self.assertEqual(found["never"].split(", ")[0], "決して")
        self.assertNotIn("ever", found)  # 決して is "not ever"
        self.assertNotIn("much", found)  # あまり is "not much"
        self.assertEqual(found["always"], "いつも")

    def test_inflected_forms_and_unknown_names_never_hide_the_word(self):
        # The engine looks a word up as written first: "vegetables" or "decided" as
        # headwords would hide vegetable and decide with a rare meaning.
        found = dictionary("青物 [あおもの] /(n) vegetables/greens/\n既決 [きけつ] /(adj-no) decided/\n"
                           "疲れた [つかれた] /(adj-f) tired/\n建物 [たてもの] /(n) building/(P)/\n"
                           "閻魔 [えんま] /(n) Emma/Yama/\n日本 [にほん] /(n) Japan/(P)/\n"
                           "子供達 [こどもたち] /(n) children/\nリート /(n) lied/\n"
                           "他人 [たにん] /(n) stranger/(P)/\n寝台 [しんだい] /(n) bed/(P)/\n")
        self.assertNotIn("vegetables", found)
        self.assertNotIn("children", found)
        self.assertNotIn("decided", found)
        self.assertNotIn("Emma", found)
        self.assertEqual(found["tired"], "疲れた")  # commoner than the verb it comes from
        self.assertEqual(found["building"], "建物")  # a noun of its own
        self.assertEqual(found["stranger"], "他人")  # a noun of its own, not "more strange"
        self.assertNotIn("lied", found)  # a rare noun spelt as the past of lie
        self.assertEqual(found["bed"], "寝台")  # a common one stays
        self.assertEqual(found["Japan"], "日本")
        # An -ing noun WordNet rarely meets beside its verb is the verb's form; its
        # translation as a noun that takes する still serves the verb.
        found = dictionary("一見 [いっけん] /(n) looking/glance/\n建物 [たてもの] /(n) building/(P)/\n"
                           "参加 [さんか] /(n,vs) joining/participation/(P)/\n")
        self.assertNotIn("looking", found)
        self.assertNotIn("joining", found)
        self.assertEqual(found["join"], "参加する")
        self.assertEqual(found["building"], "建物")
        # A participle met often as an adjective beside its verb is an adjective of its own.
        found = dictionary("面白い [おもしろい] /(adj-i) interesting/(P)/\n"
                           "漸増 [ぜんぞう] /(adj-no) increasing/\n")
        self.assertEqual(found["interesting"], "面白い")
        self.assertNotIn("increasing", found)


class Ranking(unittest.TestCase):
    def test_the_common_main_sense_comes_first(self):
        edict = ("家屋 [かおく] /(n) house/building/\n"
                 "家 [いえ] /(n) (1) house/residence/(n) (2) family/(P)/\n"
                 "議院 [ぎいん] /(n) (1) house of parliament/(n) (2) house/\n")
        found = dictionary(edict, {"家": 9.0, "家屋": 5.0, "議院": 6.0})
        self.assertEqual(found["house"].split(", ")[0], "家")
        self.assertLess(found["house"].find("家屋"), found["house"].find("議院"))
        # A translation both sources give rises over one that only the first sense has.
        wiktionary = [Evidence("friend", "彼女", "n", 0, 8.0, 0, "", "彼女"),
                      Evidence("friend", "友達", "n", 1.5, 8.0, 0, "", "友達")]
        found = dictionary("友達 [ともだち] /(n) friend/companion/(P)/\n"
                           "彼女 [かのじょ] /(n) (1) she/(n) (2) girlfriend/(P)/\n",
                           {"友達": 8.0, "彼女": 8.0}, wiktionary)
        self.assertEqual(found["friend"].split(", ")[0], "友達")
        # A loanword in katakana yields to a native word, also with an ending (フェアな).
        found = dictionary("フェア /(adj-na) fair/(P)/\n公平 [こうへい] /(adj-na,n) fair/impartial/(P)/\n",
                           {"フェア": 7.0, "公平": 6.0})
        self.assertEqual(found["fair"], "公平な, フェアな")

    def test_the_commoner_part_of_speech_comes_first(self):
        found = dictionary("家 [いえ] /(n) house/(P)/\n"
                           "収容 [しゅうよう] /(n,vs) accommodation/(vs) to house/(P)/\n",
                           {"家": 9.0, "収容": 8.0})
        self.assertEqual(found["house"], "家 / 収容する")

    def test_translations_code_page_932_cannot_hold_are_left_out_whole(self):
        # 鷗 is in EUC-JP (JIS X 0212) but not in code page 932; 𠮟 in neither.
        wiktionary = [Evidence("scold", "𠮟る", "v", 0, 0.0, 0, "", "𠮟る")]
        found = dictionary("鷗 [かもめ] /(n) gull/\n鴎 [かもめ] /(n) gull/seagull/\n"
                           "叱る [しかる] /(v5r,vt) to scold/\n", {}, wiktionary)
        self.assertEqual(found["gull"], "鴎")
        self.assertEqual(found["scold"], "叱る")
        self.assertNotIn("?", "".join(found.values()))


class Derivation(unittest.TestCase):
    def test_adverbs_in_ly_come_from_their_adjective_only_by_safe_rules(self):
        found = dictionary("明確 [めいかく] /(adj-na,n) clear/precise/(P)/\n"
                           "厳しい [きびしい] /(adj-i) strict/severe/(P)/\n"
                           "厳格 [げんかく] /(adj-na) strict/rigorous/\n")
        self.assertEqual(found["clearly"], "明確に")
        self.assertEqual(found["strictly"].split(", ")[0], "厳しく")
        self.assertIn("厳格に", found["strictly"])
        # An adverb a source has keeps that source's translation, and the one made from
        # the adjective WordNet links it to comes beside it, a little lower.
        found = dictionary("明確 [めいかく] /(adj-na,n) clear/(P)/\nはっきり /(adv) clearly/(P)/\n"
                           "ずばり /(adv,on-mim) clearly/\n")
        self.assertEqual(found["clearly"], "はっきり, 明確に, ずばり")
        # An adjective known only as a noun gives no adverb.
        found = dictionary("透明 [とうめい] /(n) clear/\n")
        self.assertNotIn("clearly", found)
        # Without WordNet's link, the spelling gives the adjective; -ness nouns take さ.
        found = dictionary("速い [はやい] /(adj-i) quick/fast/(P)/\n親切 [しんせつ] /(adj-na,n) kind/(P)/\n"
                           "幸せ [しあわせ] /(adj-na,n) happy/(P)/\n")
        self.assertEqual(found["quickly"], "速く")
        self.assertEqual(found["happily"], "幸せに")
        self.assertEqual(found["kindness"], "親切さ")
        # A clause (居心地がよい) gives an adverb, but no noun in -ness: 居心地がよさ is no word.
        found = dictionary("居心地がよい [いごこちがよい] /(adj-i) cosy/comfortable/\n")
        self.assertEqual(found["cosily"], "居心地がよく")
        self.assertNotIn("cosiness", found)
        found = dictionary("積極的 [せっきょくてき] /(adj-na) active/positive/(P)/\n"
                           "活発 [かっぱつ] /(adj-na,n) active/lively/(P)/\n", {"積極的": 7.0, "活発": 6.0})
        self.assertEqual(found["actively"], "積極的に, 活発に")
        self.assertEqual(found["activeness"], "活発さ")
        found = dictionary("使用可能 [しようかのう] /(adj-na) usable/available/\n")
        self.assertEqual(found["usably"], "使用可能に")
        self.assertEqual(found["usableness"], "使用可能性")

    def test_sources_agree_across_kanji_and_kana_and_a_rare_reading_stays_rare(self):
        # Wiktionary's 既に is JMdict's すでに (usually in kana): they agree, and it is shown
        # once. すんでに, a rare reading of 既に, is not as common as 既に.
        edict = ("既に [すでに] /(adv) (uk) already/too late/(P)/\n"
                 "既に [すんでに] /(adv) (uk) already/too late/\n"
                 "最早 [もはや] /(adv) (uk) already/now/(P)/\n")
        wiktionary = [Evidence("already", "既に", "adv", 0, 6.9, 0, "", "既に")]
        found = dictionary(edict, {"既に": 6.9, "最早": 7.0}, wiktionary,
                           readings={("既に", "すでに"): 6.9, ("最早", "もはや"): 7.0})
        self.assertEqual(found["already"], "すでに, もはや")
        # 殿 read しんがり (rear) is rare though 殿 read との is common; 力 read りき is rare
        # too, but a learner reads 力 as ちから, which also means power.
        edict = ("殿 [しんがり] /(n) rear/rear guard/\n殿 [との] /(n,pn) (hon) feudal lord/(P)/\n"
                 "後ろ [うしろ] /(n) back/behind/rear/(P)/\n"
                 "力 [りき] /(n) power/\n力 [ちから] /(n) force/strength/power/(P)/\n"
                 "勢力 [せいりょく] /(n) influence/power/(P)/\n")
        priorities = {"殿": 6.8, "後ろ": 6.5, "力": 6.0, "勢力": 7.0}
        readings = {("殿", "との"): 6.8, ("後ろ", "うしろ"): 6.5, ("力", "ちから"): 6.0,
                    ("勢力", "せいりょく"): 7.0}
        found = dictionary(edict, priorities, readings=readings)
        self.assertEqual(found["rear"].split(", ")[0], "後ろ")
        self.assertEqual(found["power"].split(", ")[0], "力")

    def test_readings_are_as_common_as_their_entry_marks_them(self):
        # Head lines of JMdict's dictd database, as the package has them.
        text = (" [ichi1]  [news2]  [nf38]  煙草 /x/, 莨 /x/,  (gikun (meaning as reading) or "
                "jukujikun (special kanji reading))  [ichi1]  [news2]  [nf38]  たばこ /t/,  (煙草)  "
                "えんそう /e/,  ()  [gai1] タバコ /t/\nnoun\n"
                " [ichi1]  [news1]  [nf03]  演奏 /x/,  [ichi1]  [news1]  [nf03] えんそう /e/\nnoun\n"
                " [ichi1]  吐く /x/,  [ichi1] つく /t/\n [ichi1]  吐く /x/,  [ichi1] はく /h/\n")
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "jmdict.dict.dz")
            with gzip.open(path, "wb") as f:
                f.write(text.encode("utf-8"))
            priorities, _, readings = jmdict_source.read_priorities(path)
        self.assertGreater(priorities["煙草"], 6.0)
        self.assertGreater(readings[("煙草", "たばこ")], 6.0)
        self.assertEqual(readings[("煙草", "えんそう")], 0.0)  # common only as 演奏
        self.assertEqual(readings[("莨", "たばこ")], 0.0)  # 莨 itself is not marked
        main = jmdict_source.main_readings(readings)
        self.assertEqual(main["煙草"], "たばこ")
        self.assertNotIn("吐く", main)  # はく and つく are marked alike

    def test_parts_of_speech_in_the_order_of_how_often_wordnet_met_them(self):
        wordnet = small_wordnet({"free": {"adj", "v"}, "bat": {"n", "v"}, "present": {"n", "v", "adj"}})
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "cntlist.rev")
            with open(path, "w") as f:
                f.write("free%3:00:00:: 1 50\nfree%5:00:00:unpaid:00 2 4\nfree%2:40:00:: 1 17\n"
                        "bat%1:05:00:: 1 8\nbat%2:29:00:: 1 13\npresent%1:28:00:: 1 21\n"
                        "present%2:32:00:: 1 114\npresent%3:00:01:: 1 99\nbroken line\n")
            wordnet._read_sense_counts(path)
        self.assertEqual(wordnet.met[("free", "adj")], 54)  # satellites count as adjectives
        self.assertEqual(wordnet.pos_order("free"), ["adj", "v"])
        # A verb met 13 times against a noun met 8 is not clearly the commoner.
        self.assertEqual(wordnet.pos_order("bat"), ["n", "v"])
        self.assertEqual(wordnet.pos_order("present"), ["v", "adj", "n"])

    def test_abbreviations_stay_and_a_closed_spelling_takes_its_hyphenated_word(self):
        edict = ("ポジックス /(n) (comp) POSIX/\n閻魔 [えんま] /(n) Emma/\n"
                 "組み込み [くみこみ] /(adj-f) built-in/\n作り付け [つくりつけ] /(adj-no) built-in/\n"
                 "下見 [したみ] /(n) check-up/\n再実行 [さいじっこう] /(n) re-execute/\n")
        lines = edict_lines(edict)
        evidences = jmdict_source.invert(lines, {}, WORDNET.is_expression, WORDNET.english_pos)
        meanings = make_dictionary.build([], evidences, WORDNET, spellings={"builtin", "checkup"})
        found = {h: make_dictionary.fit_meaning(m).decode("cp932") for h, m in meanings.items()}
        self.assertEqual(found["POSIX"], "ポジックス")
        self.assertNotIn("Emma", found)
        self.assertEqual(found["builtin"], found["built-in"])
        self.assertEqual(found["checkup"], "下見")
        self.assertNotIn("reexecute", found)  # no word of the spelling list

    def test_a_words_usual_form_is_shown_and_wiktionarys_bare_suru_nouns_take_suru(self):
        found = dictionary("眼 [め] /(n) eye/eyeball/(P)/\n目 [め] /(n) eye/eyeball/(P)/\n",
                           {"眼": 6.7, "目": 6.0}, first_forms={("目", "め"), ("眼", "まなこ")})
        self.assertEqual(found["eye"], "目")
        wiktionary = [Evidence("join", "参加", "v", 0, 0.0, 0, "", "参加")]
        found = dictionary("参加 [さんか] /(n,vs) participation/joining/(P)/\n", {}, wiktionary)
        self.assertEqual(found["join"], "参加する")
        self.assertEqual(found["participation"], "参加")
        # A verb already in する form (属する, marked vs-s) gets no second する.
        wiktionary = [Evidence("join", "属する", "v", 0, 0.0, 0, "", "属する")]
        found = dictionary("属する [ぞくする] /(vs-s,vi) to belong to/to be affiliated/(P)/\n", {}, wiktionary)
        self.assertEqual(found["join"], "属する")

    def test_a_suru_noun_glossed_by_a_noun_translates_its_verb(self):
        found = dictionary("説明 [せつめい] /(n,vs) explanation/exposition/(P)/\n"
                           "説く [とく] /(v5k,vt) to explain/to advocate/\n"
                           "解説 [かいせつ] /(n) explanation/commentary/\n",
                           {"説明": 10.0, "説く": 5.0, "解説": 8.0})
        self.assertEqual(found["explain"], "説明する, 説く")  # 解説 is not marked as a suru noun
        self.assertEqual(found["explanation"].split(", ")[0], "説明")

    def test_a_relational_adjective_takes_its_nouns_translation_with_no(self):
        wiktionary = [Evidence("horticulture", "園芸", "n", 0, 0.0, 0, "", "園芸")]
        found = dictionary("園芸 [えんげい] /(n) horticulture/gardening/(P)/\n"
                           "単位 [たんい] /(n) unit/denomination/(P)/\n", {}, wiktionary)
        self.assertEqual(found["horticultural"], "園芸の")
        # Only one source gives 単位 first, which is another sense of the noun.
        self.assertNotIn("denominational", found)
        # Which links count: the adjective made from the noun's own stem, not a prefixed,
        # "without"/"like" or -y word, nor a link in meaning alone.
        self.assertTrue(made_from_noun("abdominal", "abdomen"))
        self.assertTrue(made_from_noun("psychiatric", "psychiatry"))
        self.assertTrue(made_from_noun("alphabetic", "alphabet"))
        for adjective, noun in (("solar", "sun"), ("postnuptial", "wedding"), ("agonadal", "gonad"),
                                ("recoilless", "recoil"), ("toll-free", "toll"), ("ratty", "rat"),
                                ("wrinkleproof", "wrinkle"), ("abdominovesical", "abdomen")):
            self.assertFalse(made_from_noun(adjective, noun), adjective)

    def test_a_gerund_gloss_of_a_suru_noun_names_a_verb_no_source_has(self):
        found = dictionary("止血 [しけつ] /(n,vs) stanching/hemostasis/(P)/\n"
                           "充電 [じゅうでん] /(n,vs) charging (e.g. a battery)/(P)/\n"
                           "請求 [せいきゅう] /(n,vs) claim/demand/(vs) to charge/(P)/\n"
                           "狙撃 [そげき] /(n,vs) sniping/shooting/(P)/\n")
        self.assertEqual(found["stanch"], "止血する")
        self.assertNotIn("stanching", found)  # the -ing form never hides the verb
        self.assertEqual(found["charge"], "請求する")  # a verb a source has keeps its own
        self.assertNotIn("snip", found)  # sniping: snip or snipe
        self.assertNotIn("snipe", found)

    def test_a_british_spelling_also_serves_the_american_one(self):
        found = dictionary("隣人 [りんじん] /(n) neighbour/(P)/\n")
        self.assertEqual(found["neighbor"], "隣人")
        self.assertEqual(found["neighbour"], "隣人")


class Writing(unittest.TestCase):
    def test_the_file_is_sorted_shift_jis_and_meanings_fit_the_window(self):
        meanings = {"b": [["二"]], "A": [["一"]], "a": [["あ"]], "long": [["長い"] * 1, ["とても長い訳語です"] * 1,
                                                                   ["もう一つの長い訳語です"]]}
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "dic.txt")
            make_dictionary.write_dictionary(meanings, path)
            with open(path, "rb") as f:
                lines = f.read().split(b"\r\n")
        self.assertEqual(lines[-1], b"")
        self.assertEqual([l.split(b" /// ")[0] for l in lines[:-1]], [b"A", b"a", b"b", b"long"])
        meaning = lines[3].split(b" /// ")[1]
        self.assertLessEqual(len(meaning), make_dictionary.MAX_MEANING_WIDTH)
        self.assertEqual(meaning.decode("cp932"), "長い / とても長い訳語です")


if __name__ == "__main__":
    unittest.main()
