#!/usr/bin/env python3
"""Measures the demo dictionary as a learner meets it, through the engine.

Runs the engine (a program directory holding vokan, env/ and dic/) over three kinds of
documents and prints one Markdown table:

  - coverage of Debian's scowl word lists, cumulative by size (10, 20, 35, 50): word types
    the engine lists with a translation, with -y -n so that every word comes back;
  - coverage of real English texts that Debian ships (licences, documentation): lower-case
    word types and tokens with a translation;
  - first-translation accuracy on the hand-judged set (judged.tsv beside this script): the
    meaning's first term is among the Japanese meanings a teacher would accept.

The word lists of the failures go to the work directory for reading.
"""

import argparse
import csv
import gzip
import io
import os
import re
import statistics
import subprocess
import sys
import time
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SCOWL = "/usr/share/dict/scowl"
SCOWL_SIZES = (10, 20, 35, 50)
TEXTS = (
    ("GPL-3 (legal)", "/usr/share/common-licenses/GPL-3"),
    ("Apache-2.0 (legal)", "/usr/share/common-licenses/Apache-2.0"),
    ("bash INTRO (documentation)", "/usr/share/doc/bash/INTRO.gz"),
)
LOWER_WORD = re.compile(r"^[a-z]+(?:['-][a-z]+)*$")


def read_text(path):
    opener = gzip.open if path.endswith(".gz") else open
    with opener(path, "rb") as f:
        return f.read().decode("utf-8", errors="replace")


def run_engine(program_dir, document_text, work, name, extra=()):
    """Runs a csv job with -y -n and returns its rows as (word, meaning, count)."""
    doc = os.path.join(work, name + ".txt")
    out = os.path.join(work, name + ".csv")
    with open(doc, "w", encoding="utf-8") as f:
        f.write(document_text)
    engine = os.path.join(program_dir, "vokan")
    cmd = [engine, "-t", "-c", "-T", "-y", "-n", *extra, "-i", doc, "-o", out]
    result = subprocess.run(cmd, capture_output=True)
    if result.returncode != 0:
        sys.exit("measure: %s failed with %d: %s" % (" ".join(cmd), result.returncode,
                                                      result.stderr.decode(errors="replace")))
    with open(out, "rb") as f:
        reader = csv.reader(io.StringIO(f.read().decode("cp932"), newline=""))
        rows = list(reader)[1:]
    return [(r[0], r[1], int(r[2])) for r in rows]


def word_document(words):
    # One word a sentence, so that no word's lookup depends on its neighbours.
    return "".join(w + ".\n" for w in words)


def scowl_words(size):
    words = set()
    for level in (s for s in (10, 20, 35, 40, 50) if s <= size):
        for variety in ("english", "american"):
            path = os.path.join(SCOWL, "%s-words.%d" % (variety, level))
            with open(path, encoding="latin-1") as f:
                words.update(w for w in f.read().split() if LOWER_WORD.match(w))
    return sorted(words)


def percent(part, whole):
    return "%.1f%%" % (100.0 * part / whole) if whole else "-"


def save(work, name, lines):
    with open(os.path.join(work, name), "w", encoding="utf-8") as f:
        f.write("".join(line + "\n" for line in lines))


def first_term(meaning):
    return re.split(r" / |, ", meaning, maxsplit=1)[0].strip()


def normalise(term):
    return re.sub(r"[\s〜～]", "", term)


def read_judged(path):
    judged = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) < 2:
                sys.exit("measure: %s:%d: expected a word and accepted meanings" % (path, number))
            judged.append((fields[0], {normalise(t) for t in fields[1:] if t.strip()}))
    return judged


def dictionary_rows(program_dir):
    """The size of each dictionary of env/dict.txt, as it is and deflated (as in the zip)."""
    rows = []
    with open(os.path.join(program_dir, "env", "dict.txt"), encoding="utf-8") as f:
        for name in (line.strip() for line in f if line.strip() and not line.startswith("#")):
            with open(os.path.join(program_dir, name.replace("\\", "/")), "rb") as dic:
                data = dic.read()
            rows.append(("%s: size, deflated" % name, "%.1f MB, %.1f MB" % (
                len(data) / 1e6, len(zlib.compress(data, 9)) / 1e6)))
            rows.append(("%s: lines" % name, "%d" % data.count(b"\n")))
    return rows


def sample_job_ms(args):
    sample = os.path.join(args.program_dir, "sample", "sample.txt")
    out = os.path.join(args.work, "sample.csv")
    cmd = [os.path.join(args.program_dir, "vokan"), "-c", "-i", sample, "-o", out]
    times = []
    for _ in range(7):
        start = time.perf_counter()
        subprocess.run(cmd, check=True, capture_output=True)
        times.append((time.perf_counter() - start) * 1000)
    return statistics.median(times)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("program_dir", help="directory with vokan, env/ and dic/")
    ap.add_argument("work", help="directory for documents, lists and failures")
    ap.add_argument("--judged", default=os.path.join(HERE, "judged.tsv"))
    args = ap.parse_args()
    os.makedirs(args.work, exist_ok=True)
    rows = []

    for size in SCOWL_SIZES:
        listed = run_engine(args.program_dir, word_document(scowl_words(size)), args.work,
                            "scowl-%d" % size)
        found = [w for w, m, _ in listed if m]
        save(args.work, "scowl-%d-missing.txt" % size, [w for w, m, _ in listed if not m])
        rows.append(("scowl sizes <= %d: word types" % size, "%d / %d" % (len(found), len(listed)),
                     percent(len(found), len(listed))))

    for label, path in TEXTS:
        name = re.sub(r"\W+", "-", label.split()[0]).strip("-").lower()
        listed = [r for r in run_engine(args.program_dir, read_text(path), args.work, name)
                  if LOWER_WORD.match(r[0])]
        types = sum(1 for w, m, _ in listed if m)
        tokens_all = sum(c for _, _, c in listed)
        tokens = sum(c for _, m, c in listed if m)
        save(args.work, name + "-missing.txt", [w for w, m, _ in listed if not m])
        rows.append(("%s: lower-case types" % label, "%d / %d" % (types, len(listed)),
                     percent(types, len(listed))))
        rows.append(("%s: lower-case tokens" % label, "%d / %d" % (tokens, tokens_all),
                     percent(tokens, tokens_all)))

    judged = read_judged(args.judged)
    listed = {w: m for w, m, _ in run_engine(args.program_dir, word_document(w for w, _ in judged),
                                             args.work, "judged", ("-N",))}
    good, report = 0, []
    for word, accepted in judged:
        first = first_term(listed.get(word, ""))
        ok = normalise(first) in accepted
        good += ok
        report.append("%s\t%s\t%s\t%s" % ("ok" if ok else "WRONG", word, first or "(none)",
                                           listed.get(word, "")))
    save(args.work, "judged-result.txt", report)
    rows.append(("hand-judged set: first translation acceptable", "%d / %d" % (good, len(judged)),
                 percent(good, len(judged))))

    for label, value in dictionary_rows(args.program_dir):
        rows.append((label, value, ""))
    rows.append(("csv job on sample/sample.txt, median of 7", "%.0f ms" % sample_job_ms(args), ""))

    print("| measure | count | share |")
    print("|---|---:|---:|")
    for row in rows:
        print("| %s | %s | %s |" % row)
    return 0


if __name__ == "__main__":
    sys.exit(main())
