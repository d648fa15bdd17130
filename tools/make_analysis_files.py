#!/usr/bin/env python3
"""Writes the English analysis files (analyse.agb, transit.agb, comptwo.agb)
into share/home from the keyword tables below. Sections are "\\KEY text",
lines end with CR LF, {he|she} groups carry the wording that depends on the
first chart's sex. Run it again after editing a table; commit the output.
With --check it writes nothing: it fails when the committed files differ
from what it would write, or when a sentence fails the grammar pass."""

import os
import re
import sys

# number: (name, in a word, what it stands for, how it shows at its best, its trap)
BODIES = {
    1: ("the Sun", "identity", "the sense of self and the will to shine", "warmth and purpose", "pride"),
    2: ("the Moon", "feelings", "feelings, habits and the need for safety", "care and instinct", "moodiness"),
    3: ("Mercury", "the mind", "thought, speech and learning", "a quick and curious mind", "nervous chatter"),
    4: ("Venus", "love", "love, taste and the wish for harmony", "charm and affection", "indulgence"),
    5: ("Mars", "drive", "drive, desire and courage", "energy and nerve", "anger"),
    6: ("Jupiter", "growth", "growth, faith and good fortune", "generosity and trust", "excess"),
    7: ("Saturn", "discipline", "duty, limits and the lessons of time", "patience and endurance", "fear and rigidity"),
    8: ("Uranus", "freedom", "freedom, change and originality", "inventive independence", "restless rebellion"),
    9: ("Neptune", "imagination", "dreams, compassion and the longing for the infinite", "imagination and empathy", "illusion"),
    10: ("Pluto", "inner power", "power, depth and transformation", "the strength to renew", "the urge to control"),
    11: ("Lilith", "the untamed self", "the untamed side and the refusal to be ruled", "fierce honesty", "bitterness"),
    12: ("the north node", "life's direction", "growth and the path this life invites", "a sense of direction", "clinging to the familiar"),
    13: ("the Ascendant", "self-expression", "the first impression and the way of meeting the world", "a clear presence", "a mask"),
    22: ("the Midheaven", "vocation", "vocation, reputation and aims in life", "a worthy goal", "ambition for its own sake"),
    25: ("Chiron", "healing", "old wounds and the healing they teach", "the wisdom of the healer", "self-doubt"),
    26: ("Ceres", "nurture", "nurture and the cycles of giving and receiving", "nourishing care", "smothering"),
    27: ("Pallas", "insight", "practical wisdom and the gift for patterns", "clear strategy", "cold calculation"),
    28: ("Juno", "commitment", "commitment and the ideal partner", "loyalty", "jealousy"),
}

# name, element, mode, three qualities, how it acts, its gift, its shadow
SIGNS = [
    ("Aries", "fire", "cardinal", ("bold", "direct", "spirited"), "acts first and thinks afterwards",
     "courage and a gift for beginnings", "impatience"),
    ("Taurus", "earth", "fixed", ("steady", "sensual", "patient"), "builds slowly and holds on to what is gained",
     "reliability and a feel for what lasts", "stubbornness"),
    ("Gemini", "air", "mutable", ("curious", "lively", "versatile"), "looks at every side and talks it over",
     "wit and easy contact with others", "scattered attention"),
    ("Cancer", "water", "cardinal", ("tender", "protective", "receptive"), "feels its way and guards what it loves",
     "devotion and a strong memory", "touchiness"),
    ("Leo", "fire", "fixed", ("warm", "proud", "generous"), "steps into the light and gives from the heart",
     "confidence and creative joy", "vanity"),
    ("Virgo", "earth", "mutable", ("careful", "modest", "precise"), "sorts, improves and serves",
     "skill and a sense for detail", "worry and criticism"),
    ("Libra", "air", "cardinal", ("gracious", "fair", "sociable"), "seeks balance and works through others",
     "tact and a sense of beauty", "indecision"),
    ("Scorpio", "water", "fixed", ("intense", "private", "determined"), "goes below the surface and does not let go",
     "depth and the power to regenerate", "suspicion"),
    ("Sagittarius", "fire", "mutable", ("optimistic", "frank", "adventurous"), "aims far and trusts the journey",
     "vision and good humour", "carelessness"),
    ("Capricorn", "earth", "cardinal", ("serious", "ambitious", "disciplined"), "climbs step by step towards a goal",
     "responsibility and staying power", "coldness"),
    ("Aquarius", "air", "fixed", ("independent", "original", "friendly"), "thinks for the group and questions custom",
     "fresh ideas and loyalty to friends", "detachment"),
    ("Pisces", "water", "mutable", ("sensitive", "imaginative", "gentle"), "flows with the tide and feels for all",
     "compassion and inspiration", "escapism"),
]

ORDINALS = ["first", "second", "third", "fourth", "fifth", "sixth", "seventh", "eighth", "ninth", "tenth",
            "eleventh", "twelfth"]
HOUSES = [
    "the self, the body and the way of starting things",
    "money, possessions and the values one lives by",
    "daily contacts, brothers and sisters, short journeys and learning",
    "home, family, roots and the private life",
    "pleasure, creativity, love affairs and children",
    "work, health and daily routine",
    "partnership, marriage and open dealings with others",
    "shared resources, crises, sexuality and inheritance",
    "higher learning, long journeys, faith and philosophy",
    "career, public standing and the aims of life",
    "friends, groups, hopes and plans for the future",
    "solitude, the hidden life, retreat and service",
]

ASPECT_BODIES = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 22]
SIGN_BODIES = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 25, 26, 27, 28]
HOUSE_BODIES = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 25, 26, 27, 28]


# Phrases of the tables that take a plural verb ("feelings are", "warmth and
# purpose come"); every other phrase takes a singular one.
PLURAL = {"feelings", "warmth and purpose", "care and instinct", "charm and affection", "energy and nerve",
          "generosity and trust", "patience and endurance", "imagination and empathy", "fear and rigidity"}


def cap(s):
    return s[0].upper() + s[1:]


def article(word):
    """"a" or "an" before a word, by its first sound."""
    return "an " + word if word[0].lower() in "aeiou" else "a " + word


def verb(subject, singular, plural):
    """The subject followed by the verb form that agrees with it."""
    return f"{subject} {plural if subject in PLURAL else singular}"


def name(n):
    return BODIES[n][0]


def short(n):
    return BODIES[n][1]


def bare(n):
    """The body's name without the article, for titles."""
    nm = name(n)
    return nm[4:] if nm.startswith("the ") else nm


def pick(options, *numbers):
    return options[sum(numbers) % len(options)]


def planet_sign(n, s):
    nm, word, domain, best, trap = BODIES[n]
    sg, element, mode, q, act, gift, shadow = SIGNS[s - 1]
    a, b, c = q
    texts = [
        f"With {nm} in {sg}, {domain} take {article(a)} and {b} form. This part of the personality {act}; "
        f"it brings {gift}, as long as {shadow} does not get the upper hand.",
        f"{cap(nm)} in {sg}: {domain} are expressed in {article(c)} way. {{He|She}} shows {best} "
        f"through the {element} of {sg}, and learns to watch for {shadow} and {trap}.",
        f"Here {nm} speaks with the voice of {sg}, {a}, {b} and {c}. In matters of {domain} "
        f"{{he|she}} {act}. The gift of this position is {gift}.",
        f"{cap(nm)} placed in {sg} gives {word} {article(mode)} and {b} character. At best this means {best}, "
        f"with {gift}; under stress it can turn into {shadow}.",
    ]
    return pick(texts, n, s)


def planet_house(n, h):
    nm, word, domain, best, trap = BODIES[n]
    area = HOUSES[h - 1]
    texts = [
        f"{cap(nm)} in the {ORDINALS[h - 1]} house: {domain} are lived out in the field of {area}. "
        f"This is where {{he|she}} finds {best}, and where {trap} must be watched.",
        f"The {ORDINALS[h - 1]} house holds {nm}, so {area} become a stage for {domain}. "
        f"Much of the life story is written here.",
        f"With {nm} in the {ORDINALS[h - 1]} house, {{he|she}} meets {domain} above all through {area}. "
        f"Used well, this placing brings {best}.",
    ]
    return pick(texts, n, h)


def house_sign(h, s):
    sg, element, mode, q, act, gift, shadow = SIGNS[s - 1]
    area = HOUSES[h - 1]
    if h == 1:
        return (f"{sg} rising: the first impression is {q[0]} and {q[1]}. Facing the world, {{he|she}} {act}, "
                f"and others soon notice {gift}.")
    if h == 10:
        return (f"The Midheaven in {sg}: in career and public life {{he|she}} is {q[0]} and {q[2]}, and "
                f"{act}. Success comes through {gift}; {shadow} is the pitfall.")
    texts = [
        f"The {ORDINALS[h - 1]} house begins in {sg}: {area} are approached in {article(q[0])} and {q[1]} way.",
        f"{sg} on the cusp of the {ORDINALS[h - 1]} house colours {area}; here one {act}.",
        f"With the {ORDINALS[h - 1]} house in {sg}, {area} call for {gift}, and {shadow} can be the trap.",
    ]
    return pick(texts, h, s)


def sun_rising(s, r):
    ss = SIGNS[s - 1]
    rs = SIGNS[r - 1]
    if s == r:
        return (f"Sun and Ascendant both in {ss[0]}: what {{he|she}} is and how {{he|she}} appears are one. "
                f"The {ss[3][0]} and {ss[3][1]} nature of {ss[0]} is shown openly, for better and for worse.")
    texts = [
        f"{cap(article(ss[0]))} Sun with {rs[0]} rising: the {ss[3][0]} core of the personality meets the world "
        f"through {article(rs[3][1])} manner. Those who know {{him|her}} well find more {ss[1]} than the first "
        f"impression suggests.",
        f"Sun in {ss[0]}, Ascendant in {rs[0]}: {{he|she}} {rs[4]} at first sight, while deep down the will "
        f"{ss[4]}. Bringing the two together is a lifelong art.",
        f"The {ss[0]} Sun gives {ss[5]}; the {rs[0]} Ascendant adds {rs[5]}. Others first meet the "
        f"{rs[3][2]} side, and only later the {ss[3][2]} heart.",
    ]
    return pick(texts, s, r)


def aspect_text(a, c, positive, moment=False):
    na, wa, da, ba, ta = BODIES[a]
    nc, wc, dc, bc, tc = BODIES[c]
    if moment:
        # The same key serves a transit (the first body moving) and a
        # comparison with a day (the lower body first, either chart): the
        # texts name no acting body.
        if a == c:
            if positive:
                return (f"{cap(na)} returns to a harmonious angle with its own place in the birth chart: "
                        f"{verb(wa, 'is', 'are')} renewed, and {verb(ba, 'comes', 'come')} easily.")
            return (f"{cap(na)} stands at a hard angle to its own place in the birth chart: {verb(wa, 'is', 'are')} "
                    f"tested. Watch out for {ta}; what is learnt now lasts.")
        if positive:
            options = [
                f"A favourable contact between {na} and {nc}: {wa} and {wc} support each other for a while, "
                f"bringing {ba} as well as {bc}. A good time to move forward.",
                f"{cap(na)} and {nc} meet in a flowing way; {wa} and {wc} are helped along, and "
                f"{verb(bc, 'comes', 'come')} more easily than usual.",
                f"A helpful contact between {na} and {nc}: {wa} and {wc} work together for a while. "
                f"Good days to act on what matters.",
            ]
        else:
            options = [
                f"A testing contact between {na} and {nc}: {wa} and {wc} are put under pressure. Watch out for "
                f"{ta}, and for {tc}; patience turns the pressure into growth.",
                f"{cap(na)} and {nc} are in tension; where {wa} and {wc} are concerned, old patterns are "
                f"questioned. Take one step at a time.",
                f"A tense contact between {na} and {nc}: {wa} and {wc} pull in different directions "
                f"until the lesson is learnt.",
            ]
        return pick(options, a, c)
    if a == c:
        if positive:
            return (f"Both share the energy of {na}: {verb(wa, 'is', 'are')} understood at once, and being together "
                    f"feels natural.")
        return f"Both share the energy of {na}, and with it the same weak spot: {ta} can double when they meet."
    if positive:
        options = [
            f"{cap(na)} and {nc} work in harmony: {verb(wa, 'supports', 'support')} {wc}, bringing {ba} together "
            f"with {bc}.",
            f"A flowing link between {na} and {nc}: {{he|she}} can rely on {ba} where {verb(wc, 'is', 'are')} "
            f"concerned.",
            f"{cap(na)} in good aspect to {nc}: an easy talent that joins {wa} with {wc}.",
        ]
    else:
        options = [
            f"{cap(na)} and {nc} are at odds: {wa} and {wc} pull in different directions. Watch for {ta}; "
            f"worked through, the tension becomes a source of strength.",
            f"A hard link between {na} and {nc}: {{he|she}} may swing between {ta} and {tc} until both "
            f"needs get their due.",
            f"{cap(na)} in tension with {nc}: a challenge that asks for effort. Handled with care it yields "
            f"{ba} as well as {bc}.",
        ]
    return pick(options, a, c)


def section(key, text):
    return "\\" + key + " " + text + "\r\n"


# The headings of the files, by section key: the texts around the generated
# ones. Each language gives the same keys.
HEADINGS = {
    "0.": "This interpretation describes the birth chart piece by piece: the planets in the signs, the Sun with "
          "the rising sign, the planets in the houses, the house cusps and the aspects. Each text describes one "
          "tendency; the whole person is the blend of all of them.",
    "0.4": "The solar return chart describes the year from one birthday to the next: its themes, its "
           "opportunities and its trials.",
    "0.5": "The progressed chart shows how the birth chart unfolds with age: which themes are ripening now.",
    "1.": "PLANETS IN THE SIGNS\r\nThe sign of a planet tells how its energy is expressed.",
    "2.": "PLANETS IN THE HOUSES\r\nThe house of a planet tells in which area of life its energy works.",
    "3.": "ASPECTS\r\nThe aspects show how the planets work together; the strongest come first.",
    "4.": "THE HOUSE CUSPS\r\nThe sign on each cusp colours that area of life.",
    "5.": "SUN AND RISING SIGN",
    "0.1": "TRANSITS\r\nThe planets of the coming period touch the birth chart; each contact below is dated by "
           "its exact day.",
    "0.2": "COMPARISON WITH A DAY\r\nThe sky of the chosen day compared with the birth chart.",
    "0.6": "COMPARISON WITH THE RETURN\r\nThe return chart compared with the birth chart.",
    "0.7": "COMPARISON WITH THE PROGRESSION\r\nThe progressed chart compared with the birth chart.",
    "transit 3.": "THE CONTACTS\r\nEach contact of the moving sky with the birth chart.",
    "0.3": "SYNASTRY\r\nThe two birth charts compared: where the two people meet easily and where they "
           "challenge each other.",
    "comptwo 3.": "The links between the two charts, from the strongest.",
}


def analyse_file(t):
    """The birth-chart file of a language t (this module or one of its own):
    its HEADINGS and its sentence functions."""
    h = t.HEADINGS
    out = [section(k, h[k]) for k in ("0.", "0.4", "0.5", "1.")]
    for n in SIGN_BODIES:
        for s in range(1, 13):
            out.append(section(f"1.{n}.{s}", t.planet_sign(n, s)))
    out.append(section("2.", h["2."]))
    for n in HOUSE_BODIES:
        for hs in range(1, 13):
            out.append(section(f"2.{n}.{hs}", t.planet_house(n, hs)))
    out.append(section("3.", h["3."]))
    for i, a in enumerate(ASPECT_BODIES):
        for c in ASPECT_BODIES[i + 1:]:
            out.append(section(f"3.{a}.{2 * c - 1}", t.aspect_text(a, c, True)))
            out.append(section(f"3.{a}.{2 * c}", t.aspect_text(a, c, False)))
    out.append(section("4.", h["4."]))
    for hs in range(1, 13):
        for s in range(1, 13):
            out.append(section(f"4.{hs}.{s}", t.house_sign(hs, s)))
    out.append(section("5.", h["5."]))
    for s in range(1, 13):
        for r in range(1, 13):
            out.append(section(f"5.{s}.{r}", t.sun_rising(s, r)))
    return out


def transit_file(t):
    h = t.HEADINGS
    out = [section(k, h[k]) for k in ("0.1", "0.2", "0.6", "0.7")] + [section("3.", h["transit 3."])]
    for a in ASPECT_BODIES:
        for c in ASPECT_BODIES:
            out.append(section(f"3.{a}.{2 * c - 1}", t.aspect_text(a, c, True, moment=True)))
            out.append(section(f"3.{a}.{2 * c}", t.aspect_text(a, c, False, moment=True)))
    return out


def comptwo_file(t):
    h = t.HEADINGS
    out = [section("0.3", h["0.3"]), section("3.", h["comptwo 3."])]
    for i, a in enumerate(ASPECT_BODIES):
        for c in ASPECT_BODIES[i:]:
            out.append(section(f"3.{a}.{2 * c - 1}", t.aspect_text(a, c, True)))
            out.append(section(f"3.{a}.{2 * c}", t.aspect_text(a, c, False)))
    return out


def grammar_faults(text):
    """A simple grammar pass: "a"/"an" by the next word's first sound, and the
    number of the tables' phrases against the verbs the patterns put after
    them."""
    faults = []
    for m in re.finditer(r"\b([Aa]n?) ([A-Za-z]+)", text):
        art, word = m.group(1).lower(), m.group(2).lower()
        vowel = word[0] in "aeiou" and not word.startswith(("uni", "use", "one"))
        if (art == "a") == vowel:
            faults.append(m.group(0))
    phrases = {p for b in BODIES.values() for p in (b[1], b[3], b[4])}
    for p in phrases:
        wrong = r"(is|was|has|comes|supports|brings)" if p in PLURAL else r"(are|were|have|come|support)"
        for m in re.finditer(re.escape(p) + r" " + wrong + r"\b", text):
            # "identity and the mind are": the last of a compound subject.
            if p not in PLURAL and text[:m.start()].endswith(" and "):
                continue
            faults.append(m.group(0))
    for m in re.finditer(r"\bsome (the|a|an)\b", text):
        faults.append(m.group(0))
    return faults


def languages():
    """Each language's texts and the extension of its files: English here,
    French and Dutch from modules of their own (German reads the English
    files)."""
    import analysis_fr
    import analysis_nl

    return ((sys.modules[__name__], "agb"), (analysis_fr, "afr"), (analysis_nl, "anl"))


def files(t, extension):
    return ((f"analyse.{extension}", analyse_file(t)), (f"transit.{extension}", transit_file(t)),
            (f"comptwo.{extension}", comptwo_file(t)))


def main():
    check = "--check" in sys.argv[1:]
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "share", "home")
    problems = []
    for texts, extension in languages():
        for name_, sections in files(texts, extension):
            problems += write(root, name_, sections, texts.grammar_faults, check)
    for p in problems:
        print(p, file=sys.stderr)
    if check and not problems:
        print("1 passed, 0 failed")
    sys.exit(1 if problems else 0)


def write(root, name_, sections, faults, check):
    """Writes one file (or, with check, compares it); the problems found."""
    data = "".join(sections).encode("cp1252")
    keys = [s.split(" ", 1)[0][1:] for s in sections]
    assert all(len(k) <= 7 for k in keys), [k for k in keys if len(k) > 7]
    assert len(set(keys)) == len(keys)
    problems = []
    for sec in sections:
        problems += [f"{name_} {sec.split(' ', 1)[0]}: \"{f}\"" for f in faults(sec)]
    path = os.path.join(root, name_)
    if check:
        with open(path, "rb") as f:
            if f.read() != data:
                problems.append(f"{name_} is not what the generator writes: run tools/make_analysis_files.py")
        return problems
    with open(path, "wb") as f:
        f.write(data)
    print(f"{name_}: {len(sections)} sections, {len(data)} bytes", file=sys.stderr)
    return problems


if __name__ == "__main__":
    main()
