#!/usr/bin/env python3
"""Blind test of mirrored pair texts: can a reader tell a+b from b+a?

  make SEED N OUT       writes OUT.txt (the questions for a reader) and OUT.key
  score OUT ANSWERS     scores a reader's answers (lines 'k: 1', 'k: 2' or 'k: ?')

N couples a<b are drawn with random.Random(SEED).sample over all 630; the two
texts of a couple (short and long) are shown in an order drawn from the same
generator. The reader says which text belongs to a+b, where the first card is
the subject, or '?' when it could be either.
"""
import os
import random
import re
import sys

from pair_review import load

PAIRS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "pairs")
NAMES = (
    "Ruiter Klaverblad Schip Huis Boom Wolken Slang Lijkkist Ruiker Zeisen Roede Vogels "
    "Kindje Vosje Beer Ster Ooievaar Hond Toren Tuin Berg Wegen Muizen Hart Ring Boek "
    "Brief Heer Vrouw Lelies Zonne Maantje Sleutel Vissen Anker Kruis"
).split()


def make(seed, n, out):
    pairs = load(PAIRS)
    couples = [(a, b) for a in range(1, 37) for b in range(a + 1, 37)]
    rng = random.Random(seed)
    questions, answers = [], []
    for k, (a, b) in enumerate(rng.sample(couples, n), 1):
        ab_first = rng.random() < 0.5
        # A pair's short text, then its long lines.
        ab, ba = [[short, *long] for short, long in (pairs[(a, b)], pairs[(b, a)])]
        one, two = (ab, ba) if ab_first else (ba, ab)
        first, second = NAMES[a - 1], NAMES[b - 1]
        questions.append(
            f"=== {k}. Kaarten: {a} {first} en {b} {second}\n"
            f"Vraag: welke tekst hoort bij {a} {first} + {b} {second} (dus {first} als onderwerp)?\n"
            "Tekst 1:\n  " + "\n  ".join(one) + "\nTekst 2:\n  " + "\n  ".join(two) + "\n"
        )
        answers.append(f"{k}: {1 if ab_first else 2}  ({a:02d}+{b:02d})")
    with open(out + ".txt", "w", encoding="utf-8") as text:
        text.write("\n".join(questions))
    with open(out + ".key", "w", encoding="utf-8") as key:
        key.write("\n".join(answers) + "\n")


def score(out, answers):
    key = {}
    with open(out + ".key", encoding="utf-8") as source:
        for line in source:
            match = re.match(r"(\d+): (\d)", line)
            key[int(match.group(1))] = match.group(2)
    right, wrong, either = 0, [], []
    with open(answers, encoding="utf-8") as source:
        for line in source:
            match = re.match(r"\s*(\d+)\s*:\s*([12?])", line)
            if not match:
                continue
            k, answer = int(match.group(1)), match.group(2)
            if answer == "?":
                either.append(k)
            elif answer == key[k]:
                right += 1
            else:
                wrong.append(k)
    print(f"right {right}, wrong {len(wrong)} {wrong}, could be either {len(either)} {either}, of {len(key)}")


if __name__ == "__main__":
    if len(sys.argv) == 5 and sys.argv[1] == "make":
        make(int(sys.argv[2]), int(sys.argv[3]), sys.argv[4])
    elif len(sys.argv) == 4 and sys.argv[1] == "score":
        score(sys.argv[2], sys.argv[3])
    else:
        sys.exit(__doc__)
