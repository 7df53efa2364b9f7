#!/usr/bin/env python3
"""Makes the engine benchmark's data in a directory of its own: a sorted PDIC one-line
dictionary of 2,000,000 lines (about 100 MB, Shift-JIS meanings), the same lines shuffled
(for -S), a document of 100,000 words, and a program directory with env/ lists."""
import os
import random
import sys

LINES = 2_000_000
WORDS = 100_000

SYLLABLES = ["ba", "be", "bo", "ca", "co", "da", "de", "di", "fa", "fo", "ga", "ge", "ha",
             "he", "ka", "ke", "la", "le", "li", "lo", "ma", "me", "mi", "mo", "na", "ne",
             "no", "pa", "pe", "ra", "re", "ri", "ro", "sa", "se", "so", "ta", "te", "to",
             "va", "ve", "za"]
KANA = [chr(c) for c in range(0x3042, 0x3093)]
KANJI = "語彙単語意味辞書英文学習試験問題解答文章読書記憶発音練習表現説明内容資料"


def headwords(rng):
    words = set()
    while len(words) < LINES:
        n = rng.choice((2, 3, 3, 4, 4, 5))
        words.add("".join(rng.choice(SYLLABLES) for _ in range(n)))
    return sorted(words, key=lambda w: w.lower().encode("ascii"))


def meaning(rng):
    parts = []
    for _ in range(rng.randint(1, 4)):
        parts.append("".join(rng.choice(KANJI) for _ in range(rng.randint(2, 4))) +
                     "".join(rng.choice(KANA) for _ in range(rng.randint(1, 4))))
    return "、".join(parts)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    rng = random.Random(20261207)
    words = headwords(rng)
    lines = [f"{w} /// {meaning(rng)}\r\n".encode("cp932") for w in words]
    with open(os.path.join(out, "sorted.dic"), "wb") as f:
        f.writelines(lines)
    rng.shuffle(lines)
    with open(os.path.join(out, "unsorted.dic"), "wb") as f:
        f.writelines(lines)

    # A vocabulary of 20,000 headwords with skewed frequencies, some inflected, some unknown.
    pool = rng.sample(words, 20_000)
    weights = [1.0 / (i + 1) for i in range(len(pool))]
    text, sentence = [], []
    for w in rng.choices(pool, weights=weights, k=WORDS):
        r = rng.random()
        if r < 0.1:
            w += "s"
        elif r < 0.15:
            w += "ed"
        elif r < 0.2:
            w = "zq" + w
        sentence.append(w)
        if len(sentence) >= rng.randint(6, 18):
            text.append(" ".join(sentence).capitalize() + ".")
            sentence = []
    if sentence:
        text.append(" ".join(sentence) + ".")
    with open(os.path.join(out, "document.txt"), "w", encoding="ascii", newline="\r\n") as f:
        for i in range(0, len(text), 5):
            f.write(" ".join(text[i:i + 5]) + "\n\n")

    for name, dic in (("sorted", "sorted.dic"), ("unsorted", "unsorted.dic")):
        env = os.path.join(out, "prog-" + name, "env")
        os.makedirs(env, exist_ok=True)
        with open(os.path.join(env, "dict.txt"), "w", newline="\r\n") as f:
            f.write("../" + dic + "\n")
        with open(os.path.join(env, "ignore.txt"), "w", newline="\r\n") as f:
            f.write("# function words\nthe\na\nof\n")
        with open(os.path.join(env, "replace.txt"), "w", newline="\r\n") as f:
            f.write("went go\nchildren child\n")
        with open(os.path.join(env, "symbol.txt"), "w", newline="\r\n") as f:
            f.write("\u2019\t'\n")


if __name__ == "__main__":
    main()
