"""The Dutch analysis files (analyse.anl, transit.anl, comptwo.anl): the same
sections as the English ones, written from Dutch keyword tables with
sentences of their own. The sentences keep the subject before its verb or
put the verb second, so that the tables' phrases fit every pattern."""

import re

from make_analysis_files import cap, pick

# number: (name, in a word (singular), what it stands for (plural subject),
# its best, its trap)
BODIES = {
    1: ("de Zon", "het zelfgevoel", "het zelfgevoel en de wil om te stralen", "warmte en doelgerichtheid", "trots"),
    2: ("de Maan", "het gevoel", "gevoelens, gewoonten en de behoefte aan geborgenheid", "zorgzaamheid en instinct",
        "humeurigheid"),
    3: ("Mercurius", "het denken", "denken, spreken en leren", "een vlugge, nieuwsgierige geest", "zenuwachtig gepraat"),
    4: ("Venus", "de liefde", "liefde, smaak en het verlangen naar harmonie", "charme en genegenheid",
        "toegeeflijkheid"),
    5: ("Mars", "de daadkracht", "daadkracht, verlangen en moed", "energie en durf", "woede"),
    6: ("Jupiter", "de groei", "groei, vertrouwen en geluk", "vrijgevigheid en vertrouwen", "overdaad"),
    7: ("Saturnus", "de discipline", "plicht, grenzen en de lessen van de tijd", "geduld en uithoudingsvermogen",
        "angst en starheid"),
    8: ("Uranus", "de vrijheid", "vrijheid, verandering en oorspronkelijkheid", "vindingrijke onafhankelijkheid",
        "rusteloze opstandigheid"),
    9: ("Neptunus", "de verbeelding", "dromen, mededogen en het verlangen naar het oneindige",
        "verbeelding en inlevingsvermogen", "illusie"),
    10: ("Pluto", "de innerlijke kracht", "macht, diepgang en transformatie", "de kracht om te vernieuwen",
         "de drang om te beheersen"),
    11: ("Lilith", "het ongetemde zelf", "de ongetemde kant en de weigering om zich te laten overheersen",
         "felle eerlijkheid", "verbittering"),
    12: ("de Noordknoop", "de levensrichting", "groei en de weg waartoe dit leven uitnodigt", "richtinggevoel",
         "vastklampen aan het vertrouwde"),
    13: ("de Ascendant", "de zelfexpressie", "de eerste indruk en de manier waarop iemand de wereld tegemoet treedt",
         "een heldere uitstraling", "een masker"),
    22: ("het MC", "de roeping", "roeping, aanzien en levensdoelen", "een waardig doel", "eerzucht als doel op zich"),
    25: ("Chiron", "de heling", "oude wonden en de heling die ze leren", "de wijsheid van de heler",
         "twijfel aan zichzelf"),
    26: ("Ceres", "de zorg", "zorg en de kringloop van geven en ontvangen", "koesterende zorg", "verstikking"),
    27: ("Pallas", "het inzicht", "praktische wijsheid en de gave om patronen te zien", "een heldere strategie",
         "koele berekening"),
    28: ("Juno", "de toewijding", "toewijding en de ideale partner", "trouw", "jaloezie"),
}

# name, element with its article, kind of sign, three qualities (adjectives,
# used as predicates), how it acts (verb first, third person), its gift,
# its shadow
SIGNS = [
    ("Ram", "het vuur", "hoofdteken", ("moedig", "direct", "vurig"), "handelt eerst en denkt daarna",
     "moed en een gave voor het begin", "ongeduld"),
    ("Stier", "de aarde", "vast teken", ("standvastig", "zinnelijk", "geduldig"),
     "bouwt langzaam en houdt vast wat verworven is", "betrouwbaarheid en gevoel voor wat blijft", "koppigheid"),
    ("Tweelingen", "de lucht", "beweeglijk teken", ("nieuwsgierig", "levendig", "veelzijdig"),
     "bekijkt elke kant en praat erover", "geestigheid en gemakkelijk contact", "versnippering"),
    ("Kreeft", "het water", "hoofdteken", ("teder", "beschermend", "ontvankelijk"),
     "tast zich een weg en bewaakt wat dierbaar is", "toewijding en een sterk geheugen", "lichtgeraaktheid"),
    ("Leeuw", "het vuur", "vast teken", ("warm", "trots", "gul"), "stapt in het licht en geeft vanuit het hart",
     "zelfvertrouwen en scheppingsvreugde", "ijdelheid"),
    ("Maagd", "de aarde", "beweeglijk teken", ("zorgvuldig", "bescheiden", "precies"),
     "ordent, verbetert en dient", "vakmanschap en oog voor detail", "zorgen en kritiek"),
    ("Weegschaal", "de lucht", "hoofdteken", ("hoffelijk", "rechtvaardig", "gezellig"),
     "zoekt evenwicht en werkt via anderen", "tact en gevoel voor schoonheid", "besluiteloosheid"),
    ("Schorpioen", "het water", "vast teken", ("intens", "gesloten", "vastberaden"),
     "gaat onder de oppervlakte en laat niet los", "diepgang en de kracht tot vernieuwing", "achterdocht"),
    ("Boogschutter", "het vuur", "beweeglijk teken", ("optimistisch", "openhartig", "avontuurlijk"),
     "mikt ver en vertrouwt op de reis", "visie en goede humor", "zorgeloosheid"),
    ("Steenbok", "de aarde", "hoofdteken", ("ernstig", "ambitieus", "gedisciplineerd"),
     "klimt stap voor stap naar een doel", "verantwoordelijkheid en volharding", "kilte"),
    ("Waterman", "de lucht", "vast teken", ("onafhankelijk", "origineel", "vriendelijk"),
     "denkt voor de groep en stelt gewoonten ter discussie", "frisse ideeën en trouw aan vrienden", "afstandelijkheid"),
    ("Vissen", "het water", "beweeglijk teken", ("gevoelig", "fantasierijk", "zachtaardig"),
     "gaat mee met het getij en voelt met iedereen mee", "mededogen en inspiratie", "vluchtgedrag"),
]

ORDINALS = ["eerste", "tweede", "derde", "vierde", "vijfde", "zesde", "zevende", "achtste", "negende", "tiende",
            "elfde", "twaalfde"]
HOUSES = [
    "het zelf, het lichaam en de manier waarop iets begint",
    "geld, bezit en de waarden waarnaar men leeft",
    "dagelijkse contacten, broers en zussen, korte reizen en leren",
    "huis, gezin, wortels en het privéleven",
    "plezier, creativiteit, verliefdheid en kinderen",
    "werk, gezondheid en de dagelijkse gang van zaken",
    "partnerschap, huwelijk en open omgang met anderen",
    "gedeelde middelen, crises, seksualiteit en erfenis",
    "hogere studie, verre reizen, geloof en filosofie",
    "loopbaan, maatschappelijke positie en levensdoelen",
    "vrienden, groepen, hoop en plannen voor de toekomst",
    "eenzaamheid, het verborgen leven, terugtrekking en dienstbaarheid",
]


def planet_sign(n, s):
    nm, word, domain, best, trap = BODIES[n]
    sg, element, kind, q, act, gift, shadow = SIGNS[s - 1]
    texts = [
        f"{cap(nm)} in {sg}: hier zijn {domain} {q[0]} en {q[1]}. Dit deel van de persoonlijkheid {act}; het "
        f"brengt {gift}, zolang {shadow} niet de overhand krijgt.",
        f"{cap(nm)} in {sg} drukt {domain} uit op een manier die {q[2]} is. {{Hij|Zij}} toont {best} door "
        f"{element} van {sg}, en leert op te passen voor {shadow} en {trap}.",
        f"Hier spreekt {nm} met de stem van {sg}: {q[0]}, {q[1]} en {q[2]}. Voor {domain} geldt: "
        f"{{hij|zij}} {act}. De gave van deze stand is {gift}.",
        f"{cap(nm)} in {sg} geeft {word} het karakter van een {kind}. In het beste geval betekent dit {best}, "
        f"met {gift}; onder druk kan het omslaan in {shadow}.",
    ]
    return pick(texts, n, s)


def planet_house(n, h):
    nm, word, domain, best, trap = BODIES[n]
    area = HOUSES[h - 1]
    texts = [
        f"{cap(nm)} in het {ORDINALS[h - 1]} huis: {domain} worden beleefd op het terrein van {area}. Hier "
        f"vindt {{hij|zij}} {best}, en hier moet {trap} in de gaten worden gehouden.",
        f"Het {ORDINALS[h - 1]} huis herbergt {nm}, zodat {area} het toneel voor {domain} worden. Een groot "
        f"deel van het levensverhaal wordt hier geschreven.",
        f"Met {nm} in het {ORDINALS[h - 1]} huis ontmoet {{hij|zij}} {domain} vooral via {area}. Goed gebruikt "
        f"brengt deze stand {best}.",
    ]
    return pick(texts, n, h)


def house_sign(h, s):
    sg, element, kind, q, act, gift, shadow = SIGNS[s - 1]
    area = HOUSES[h - 1]
    if h == 1:
        return (f"Ascendant in {sg}: de eerste indruk is {q[0]} en {q[1]}. In de omgang met de wereld geldt: "
                f"{{hij|zij}} {act}, en anderen merken al snel {gift} op.")
    if h == 10:
        return (f"MC in {sg}: in loopbaan en openbaar leven is {{hij|zij}} {q[0]} en {q[2]}; {{hij|zij}} {act}. "
                f"Succes komt door {gift}; {shadow} is de valkuil.")
    texts = [
        f"Het {ORDINALS[h - 1]} huis begint in {sg}: {area} worden {q[0]} en {q[1]} benaderd.",
        f"{sg} op de cusp van het {ORDINALS[h - 1]} huis kleurt {area}; hier geldt: men {act}.",
        f"Met het {ORDINALS[h - 1]} huis in {sg} vragen {area} om {gift}, en kan {shadow} de valkuil zijn.",
    ]
    return pick(texts, h, s)


def sun_rising(s, r):
    ss = SIGNS[s - 1]
    rs = SIGNS[r - 1]
    if s == r:
        return (f"Zon en Ascendant beide in {ss[0]}: wat {{hij|zij}} is en hoe {{hij|zij}} overkomt, vallen samen. "
                f"De aard van {ss[0]}, {ss[3][0]} en {ss[3][1]}, laat zich openlijk zien, ten goede en ten kwade.")
    texts = [
        f"Een Zon in {ss[0]} met {rs[0]} als Ascendant: de kern is {ss[3][0]}, maar de wereld ziet eerst iemand "
        f"die {rs[3][1]} is. Wie {{hem|haar}} goed kent, vindt meer diepte dan de eerste indruk doet vermoeden.",
        f"Zon in {ss[0]}, Ascendant in {rs[0]}: de buitenkant {rs[4]}, de kern {ss[4]}. Die twee samenbrengen "
        f"is een levenslange kunst.",
        f"De Zon in {ss[0]} geeft {ss[5]}; de Ascendant in {rs[0]} voegt daar {rs[5]} aan toe. Anderen leren "
        f"eerst de kant kennen die {rs[3][2]} is, en pas later het hart dat {ss[3][2]} is.",
    ]
    return pick(texts, s, r)


def aspect_text(a, c, positive, moment=False):
    na, wa, da, ba, ta = BODIES[a]
    nc, wc, dc, bc, tc = BODIES[c]
    if moment:
        if a == c:
            if positive:
                return (f"{cap(na)} vormt een harmonieuze hoek met de eigen plaats in de geboortehoroscoop: {wa} "
                        f"vernieuwt zich, en {ba} komt gemakkelijk.")
            return (f"{cap(na)} staat in een moeilijke hoek met de eigen plaats in de geboortehoroscoop: {wa} wordt "
                    f"op de proef gesteld. Let op {ta}; wat nu geleerd wordt, blijft.")
        if positive:
            options = [
                f"Een gunstig contact tussen {na} en {nc}: een tijd lang steunen {wa} en {wc} elkaar, met "
                f"{ba} en {bc} als vrucht. Een goed moment om verder te gaan.",
                f"{cap(na)} en {nc} ontmoeten elkaar vloeiend; {wa} en {wc} krijgen steun, en {bc} gaat "
                f"makkelijker dan anders.",
                f"Een behulpzaam contact tussen {na} en {nc}: {wa} en {wc} werken een tijd samen. Goede dagen om "
                f"te doen wat ertoe doet.",
            ]
        else:
            options = [
                f"Een beproevend contact tussen {na} en {nc}: {wa} en {wc} komen onder druk te staan. Let op "
                f"{ta}, en op {tc}; geduld maakt van de druk groei.",
                f"{cap(na)} en {nc} staan onder spanning; waar het om {wa} en {wc} gaat, worden oude patronen ter "
                f"discussie gesteld. Zet één stap tegelijk.",
                f"Een gespannen contact tussen {na} en {nc}: {wa} en {wc} trekken in verschillende richtingen, tot "
                f"de les geleerd is.",
            ]
        return pick(options, a, c)
    if a == c:
        if positive:
            return f"Beiden delen de energie van {na}: {wa} wordt meteen begrepen, en samen zijn voelt vanzelfsprekend."
        return (f"Beiden delen de energie van {na}, en daarmee dezelfde zwakke plek: {ta} kan zich verdubbelen "
                f"wanneer ze elkaar ontmoeten.")
    if positive:
        options = [
            f"{cap(na)} en {nc} werken harmonieus samen: {wa} ondersteunt {wc}, en {ba} gaat samen met {bc}.",
            f"Een vloeiende verbinding tussen {na} en {nc}: waar het om {wc} gaat, kan {{hij|zij}} rekenen op {ba}.",
            f"{cap(na)} in goed aspect met {nc}: een natuurlijk talent dat {wa} verbindt met {wc}.",
        ]
    else:
        options = [
            f"{cap(na)} en {nc} staan op gespannen voet: {wa} en {wc} trekken in verschillende richtingen. Let op "
            f"{ta}; wie de spanning doorwerkt, vindt er een bron van kracht in.",
            f"Een moeizame verbinding tussen {na} en {nc}: {{hij|zij}} kan heen en weer slingeren tussen {ta} en "
            f"{tc}, tot beide behoeften aan hun trekken komen.",
            f"{cap(na)} in spanning met {nc}: een uitdaging die inzet vraagt. Met zorg behandeld levert die {ba} "
            f"en {bc} op.",
        ]
    return pick(options, a, c)


# The headings of the files, by section key (see make_analysis_files.HEADINGS).
HEADINGS = {
    "0.": "Deze duiding beschrijft de geboortehoroscoop stukje voor stukje: de planeten in de tekens, de Zon "
          "met de Ascendant, de planeten in de huizen, de huiscuspen en de aspecten. Elke tekst beschrijft één "
          "neiging; de hele mens is de mengeling van alle.",
    "0.4": "De zonnerevolutie beschrijft het jaar van de ene verjaardag tot de volgende: de thema's, de kansen "
           "en de beproevingen.",
    "0.5": "De geprogresseerde horoscoop toont hoe de geboortehoroscoop zich met de jaren ontvouwt: welke "
           "thema's nu rijpen.",
    "1.": "DE PLANETEN IN DE TEKENS\r\nHet teken van een planeet vertelt hoe haar energie zich uit.",
    "2.": "DE PLANETEN IN DE HUIZEN\r\nHet huis van een planeet vertelt op welk levensterrein haar energie werkt.",
    "3.": "DE ASPECTEN\r\nDe aspecten tonen hoe de planeten samenwerken; de sterkste komen eerst.",
    "4.": "DE HUISCUSPEN\r\nHet teken op elke cusp kleurt dat levensterrein.",
    "5.": "ZON EN ASCENDANT",
    "0.1": "TRANSITS\r\nDe planeten van de komende periode raken de geboortehoroscoop; elk contact hieronder "
           "staat bij zijn exacte dag.",
    "0.2": "VERGELIJKING MET EEN DAG\r\nDe hemel van de gekozen dag vergeleken met de geboortehoroscoop.",
    "0.6": "VERGELIJKING MET DE REVOLUTIE\r\nDe revolutiehoroscoop vergeleken met de geboortehoroscoop.",
    "0.7": "VERGELIJKING MET DE PROGRESSIE\r\nDe geprogresseerde horoscoop vergeleken met de geboortehoroscoop.",
    "transit 3.": "DE CONTACTEN\r\nElk contact van de bewegende hemel met de geboortehoroscoop.",
    "0.3": "SYNASTRIE\r\nDe twee geboortehoroscopen vergeleken: waar de twee mensen elkaar gemakkelijk vinden "
           "en waar ze elkaar uitdagen.",
    "comptwo 3.": "De verbindingen tussen de twee horoscopen, van de sterkste af.",
}


_faults = re.compile(r"\b(de het|het de|een een)\b| {2}")


def grammar_faults(text):
    """Doubled articles and doubled blanks the tables could produce."""
    return [m.group(0) for m in _faults.finditer(text)]
