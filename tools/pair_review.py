#!/usr/bin/env python3
"""Review figures for the pair texts in resources/pairs/*.txt.

Usage:
    tools/pair_review.py [--rows A-B] [--pairs DIR] [--sample SEED N]

Prints:
  (a) the share of long texts whose last line is a caution (rule below),
      and the share whose second line names both love and work;
  (b) the mean Jaccard index of the content-word sets of mirrored short
      texts (a+b against b+a), and as a baseline the mean Jaccard index of
      two unrelated pairs of the same first card (every couple a+b, a+c with
      b != c);
  (c) the mirrored pairs whose short texts share a whole clause;
  (d) every whole long-text line that also appears in another long text;
  (e) with --sample SEED N: N unordered pairs drawn with random.Random(SEED),
      both orders of their short texts.

--rows A-B restricts (a), (b), (c) and (d) to the pairs whose first card lies
in A..B; a pair is still compared with its mirror and with every other long
text, wherever these lie. Without --rows, all 36 rows count.

Caution rule for (a). The last line of a long text counts as a caution when
  1. it opens with a warning phrase: "Let op", "Pas op", "Let erop", "Waak",
     "Vermijd", "Voorkom", "Wees voorzichtig", "Wees op je hoede", "Hoed je",
     "Blijf", "Vertrouw niet", "Houd ... in de gaten", "Zorg dat ... niet/geen",
     "Wie ..." (a conditional warning: "Wie te lang wacht, ..."), "Niet elk..."; or
  2. it opens with an imperative (a first word that is not an article,
     pronoun, determiner, conjunction or adverb from the list below) and its
     first clause (up to ";", ":" or ",") holds a negation: niet, geen,
     niets, nooit, niemand, nergens ("Laat je niet ...", "Maak er geen ...");
     or
  3. it names a danger or a cost: "te veel", "te snel", "te lang", "te hard",
     "te vroeg", "gevaar", "risico", "valkuil", "voorzichtig", "op je hoede",
     "oppassen", or a "kan" sentence with a harmful verb ("kan ... kosten",
     "... schaden", "... ondermijnen", "... uitputten", "... verstikken",
     "... breken", "... omslaan", "... ontaarden", "... in de weg staan",
     "... verblinden", "... vergiftigen"); or
  4. it warns in a plain statement: a clause whose first four words name a
     trouble ("Perfectionisme maakt van werk een last", "Paniek leidt tot
     ...", "Koppigheid kan een breuk definitief maken", "Verzwegen zwakte
     ...": see TROUBLE); or a clause that names harm done ("... maakt het
     erger", "... leidt tot", "... kost energie", "... rekt ... op",
     "... vergroot de schade", "... werkt als gif", "... verdeelt", "...
     is niet altijd ...", "... dreigt": see HARM); or a statement clause
     (opening with an article, determiner or pronoun other than "je") whose
     main part, before any "die", "dat", "wat", "als" or "om", holds a
     negation ("Een vriendschap hoort niet om cadeaus te draaien", "Zijn
     stemming is niet jouw verantwoordelijkheid").
Anything else (encouragement, a suggestion, a question, an image, a timing
hint) is not a caution. Rules 1, 2 and 4 are checked per clause (split at
"; ", ": ", sentence ends and ", maar"/", want"/", dus"), so "...; laat je niet
meeslepen" counts too; a clause opening with a guarding verb ("Controleer",
"Bewaak", "Wantrouw", "Lees ... goed", "Reken ... door", "Stel ... grenzen")
counts as rule 1. Rule 3 also takes risk words such as "overmoedig",
"kwetsbaar", "uitputten", "ten koste", "naïef". The rule is a heuristic: a
warning without any of these words or forms slips through, and a trouble
named only to be set aside ("Angst voor de ingreep is begrijpelijk; ...")
counts. On 60 last lines drawn with random.Random(60).sample it agreed with
a careful reader on 56.

Content words for (b): the text is lower-cased, split into words of letters
(apostrophes and hyphens join), and the Dutch stop words in STOP_WORDS are
removed.

Clauses for (c): the short text is split at "; ", ": " and sentence ends
(". ", "! ", "? "); each part is lower-cased, stripped of punctuation and
its blanks collapsed; empty parts are dropped.
"""

import argparse
import glob
import itertools
import os
import random
import re
import sys

STOP_WORDS = set(
    """
aan al alle alles als altijd ander andere anders ben bent bij binnen boven
da dan dat de deze die dit doch doen doet door dus een eens eigen en er
even ge geen gij had heb hebben heeft hem het hier hij hoe hoeft hun ieder
iedere iemand iets ik in is ja je jij jou jouw jullie kan kun kunnen komt
krijgt laat maar me meer men met mij mijn moet na naar niet niets nog nooit
nu of om omdat onder ons ook op over reeds soms te tegen toch toe tot u uit
uw van veel voor want waren was wat we wel welk welke werd wie wil worden
wordt zal ze zelf zich zij zijn zo zoals zonder zou zullen staat gaat wat
waar wanneer eerst weer jezelf elkaar iemands elk elke mag hem haar hen
""".split()
)

LOVE = re.compile(
    r"\b(liefde|liefdes\w*|relatie\w*|partner\w*|geliefde\w*|verliefd\w*|"
    r"romantiek|romantisch\w*|flirt\w*|huwelijk\w*|samenwonen|date\w*|"
    r"hart(?:\b|s\w*))",
    re.I,
)
WORK = re.compile(
    r"\b(werk\w*|baan|banen|collega\w*|kantoor|zaak|zaken|carrière|beroep\w*|"
    r"job|loopbaan|project\w*|leidinggevende\w*|baas|bedrijf\w*|sollicit\w*|"
    r"vak\w*|zakelijk\w*|klant\w*|opdracht\w*|team\w*)",
    re.I,
)

CAUTION_OPENERS = re.compile(
    r"^(let op|pas op|let erop|let er op|waak|vermijd|voorkom|wees voorzichtig|"
    r"wees op je hoede|wees alert|hoed je|blijf|vertrouw niet|wie |niet elk|"
    r"houd\b.*\bin de gaten|zorg dat\b[^;:,]*\b(niet|geen)\b)",
    re.I,
)
NEGATION = re.compile(r"\b(niet|geen|niets|nooit|niemand|nergens)\b", re.I)
NOT_IMPERATIVE = set(
    """
de het een dit dat deze die zo ook soms elk elke ieder iedere je jij jouw ze
zij hij haar zijn hun wat wie waar wanneer als als dan maar en of want toch
iemand iets men er hier daar nu straks vandaag morgen misschien juist vaak
alleen zelfs wel pas eerst ook mensen jouw uw ons onze mijn wij we
""".split()
)
GUARD = re.compile(
    r"^(controleer|bewaak|wantrouw|check|bescherm|lees\b.*\bgoed|reken\b.*\bdoor|"
    r"neem\b.*\bserieus|stel\b.*\bgrenzen|trek\b.*\bgrens|houd\b.*\bgrens|denk\b.*\btwee keer)",
    re.I,
)
DANGER = re.compile(
    r"\b(te veel|te snel|te lang|te hard|te vroeg|gevaar\w*|risico\w*|valkuil\w*|"
    r"voorzichtig\w*|op je hoede|oppassen|kwetsba\w+|riskant\w*|overmo\w+|uitput\w*|"
    r"put\w* [^;]*\buit|verstik\w*|bederf\w*|bederven|beschadig\w*|tegen je|slordig\w*|"
    r"struikel\w*|ten koste|vijand\w*|duur uit\w*|gevangen|kooi|op de loer|etter\w*|"
    r"sluip\w*|lokaas|opgebrand|ondermijn\w*|vertroebel\w*|chaos|misbruik\w*|uitbuit\w*|"
    r"naïe?\w*|blind\w*|roekeloos|onbezonnen|overhaast\w*|te hoog|te weinig|te ver|te zwaar)\b|"
    r"\bkan\b.*\b(kosten|schaden|ondermijnen|uitputten|verstikken|breken|"
    r"omslaan|ontaarden|in de weg staan|verblinden|vergiftigen)\b",
    re.I,
)

# Rule 4: troubles that, named at the head of a clause, make it a warning.
TROUBLE = re.compile(
    r"\b(paniek\w*|angst\w*|pieker\w*|jaloe\w*|wrevel\w*|wrok|koppig\w*|halsstarrig\w*|"
    r"bezitsdrang|geheimen|taboe\w*|somberheid|conflict\w*|ruzie\w*|isolement|perfectionisme|uitstel|"
    r"afgunst|leugen\w*|verraad|misleiding|stress|mopper\w*|dominant\w*|overbescherm\w*|passief|"
    r"ongeduld\w*|verzweg\w*|verzwijg\w*|onuitgesproken|intimidatie|dreigement\w*|macht|fraude|"
    r"manipul\w*|kwaadwillend\w*|roddel\w*|wantrouwen|hoogmoed|jaloers|hebzucht\w*|sleur|"
    r"uitputting|twijfel\w*|schuldgevoel\w*|verbitter\w*|frustratie\w*|onrust)\b",
    re.I,
)
# Rule 4: harm done, anywhere in a clause.
HARM = re.compile(
    r"\b(erger|moeilijker|zwaarder|zwakker|leidt tot|leiden tot|kost|rekt|verlengt|vergroot|"
    r"schaadt|schaden|verdeelt|verdelen|benauw\w*|afrem\w*|remt|remmen|tegenwerk\w*|tegen te werken|"
    r"escaleer\w*|escaleren|verstopt zich|verstoppen zich|drukt op|drukken op|wegen zwaar|weegt zwaar|"
    r"gif|giftig|verlam\w*|oplaaien|laait op|uitgroeien tot|groeit uit tot|knellen|knelt|verdamp\w*|"
    r"in stand|een last|niet altijd|weinig ruimte|verscheurd|ongelijkheid|brandt\b[^;]*\bop|"
    r"slaat\b[^;]*\btoe|houdt je vast|vast in|eenzaam|afstandelijk|dreigt|dreigen|ten onder|"
    r"verspil\w*|verzwijg\w*|eigen belang\w*|afhankelijk maken|moeilijk binden|kleine lettertjes)\b",
    re.I,
)
STATEMENT_OPENERS = set(
    """
de het een dit dat deze die zijn haar hun zo'n elk elke wat zo ook soms vaak iemand iets mensen
""".split()
)
SUBORDINATE = re.compile(r"\b(die|dat|wat|als|om)\b", re.I)


def clauses_of_line(text):
    return [c.strip() for c in re.split(r"[;:.!?]\s+|,\s+(?:maar|want|dus|anders)\s+", text) if c.strip()]


def is_statement_warning(clause):
    words = clause.split()
    if TROUBLE.search(" ".join(words[:4])) or HARM.search(clause):
        return True
    if words[0].lower() not in STATEMENT_OPENERS:
        return False
    main_part = words[0] + " " + SUBORDINATE.split(" ".join(words[1:]))[0]
    return bool(NEGATION.search(main_part))


def is_caution(line):
    text = line.strip()
    for clause in clauses_of_line(text):
        if CAUTION_OPENERS.search(clause) or GUARD.search(clause) or is_statement_warning(clause):
            return True
        first_word = re.sub(r"[^\w]", "", clause.split()[0]).lower()
        if first_word not in NOT_IMPERATIVE and NEGATION.search(re.split(r",", clause)[0]):
            return True
    return bool(DANGER.search(text))


def content_words(text):
    words = re.findall(r"[^\W\d_]+(?:['’-][^\W\d_]+)*", text.lower())
    return {w for w in words if w not in STOP_WORDS}


def jaccard(x, y):
    union = x | y
    return len(x & y) / len(union) if union else 0.0


def clauses(text):
    parts = re.split(r";\s+|:\s+|[.!?]\s+", text)
    result = []
    for part in parts:
        norm = re.sub(r"[^\w\s]", " ", part.lower())
        norm = " ".join(norm.split())
        if norm:
            result.append(norm)
    return result


def load(directory):
    pairs = {}
    for path in sorted(glob.glob(os.path.join(directory, "[0-9][0-9].txt"))):
        with open(path, encoding="utf-8") as f:
            content = f.read()
        for block in re.split(r"^## ", content, flags=re.M)[1:]:
            lines = [l.rstrip() for l in block.split("\n")]
            key = lines[0].strip()
            body = [l for l in lines[1:] if l.strip()]
            a, b = (int(n) for n in key.split("+"))
            pairs[(a, b)] = (body[0], body[1:])
    return pairs


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--pairs", default=os.path.join(os.path.dirname(__file__), "..", "resources", "pairs"))
    parser.add_argument("--rows", default="1-36")
    parser.add_argument("--sample", nargs=2, type=int, metavar=("SEED", "N"))
    args = parser.parse_args()
    pairs = load(args.pairs)
    lo, hi = (int(n) for n in args.rows.split("-"))
    mine = sorted(k for k in pairs if lo <= k[0] <= hi)
    print(f"pairs: {len(pairs)} loaded, {len(mine)} in rows {lo}..{hi}")

    if args.sample:
        seed, n = args.sample
        unordered = sorted({(min(a, b), max(a, b)) for a, b in pairs if (b, a) in pairs})
        print(f"\n(e) {n} mirrored pairs drawn with random.Random({seed}).sample")
        for a, b in random.Random(seed).sample(unordered, n):
            print(f"  {a:02d}+{b:02d}: {pairs[(a, b)][0]}")
            print(f"  {b:02d}+{a:02d}: {pairs[(b, a)][0]}")
        return

    cautions = [k for k in mine if pairs[k][1] and is_caution(pairs[k][1][-1])]
    both = [k for k in mine if len(pairs[k][1]) > 1 and LOVE.search(pairs[k][1][1]) and WORK.search(pairs[k][1][1])]
    print(f"\n(a) last line a caution: {len(cautions)} of {len(mine)} long texts = {100 * len(cautions) / len(mine):.1f} %")
    print(f"    line 2 names love and work: {len(both)} of {len(mine)} = {100 * len(both) / len(mine):.1f} %")

    mirrored = [jaccard(content_words(pairs[k][0]), content_words(pairs[(k[1], k[0])][0])) for k in mine if (k[1], k[0]) in pairs]
    baseline = []
    for first in range(lo, hi + 1):
        row = sorted(k for k in pairs if k[0] == first)
        for x, y in itertools.combinations(row, 2):
            baseline.append(jaccard(content_words(pairs[x][0]), content_words(pairs[y][0])))
    mean_m = sum(mirrored) / len(mirrored) if mirrored else 0.0
    mean_b = sum(baseline) / len(baseline) if baseline else 0.0
    print("\n(b) content words shared by short texts (Jaccard: |A and B| / |A or B|)")
    print(f"    mirrored pairs (a+b vs b+a): {mean_m:.3f} over {len(mirrored)} ordered pairs")
    print(f"    baseline (a+b vs a+c, b != c): {mean_b:.3f} over {len(baseline)} couples")
    if mean_b:
        print(f"    ratio: {mean_m / mean_b:.2f}")

    shared = []
    for a, b in mine:
        if (b, a) not in pairs or ((b, a) in mine and b < a):
            continue
        common = set(clauses(pairs[(a, b)][0])) & set(clauses(pairs[(b, a)][0]))
        if common:
            shared.append((a, b, sorted(common)))
    print(f"\n(c) mirrored pairs sharing a whole clause: {len(shared)}")
    for a, b, common in shared:
        print(f"  {a:02d}+{b:02d} / {b:02d}+{a:02d}: {' | '.join(common)}")

    where = {}
    for key, (_, body) in pairs.items():
        for line in body:
            where.setdefault(" ".join(line.split()), []).append(key)
    repeated = [(line, keys) for line, keys in where.items() if len(set(keys)) > 1 and any(k in mine for k in keys)]
    print(f"\n(d) long-text lines found in more than one long text: {len(repeated)}")
    for line, keys in sorted(repeated, key=lambda item: sorted(item[1])):
        print(f"  {', '.join(f'{a:02d}+{b:02d}' for a, b in sorted(set(keys)))}: {line}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
