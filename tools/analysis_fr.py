"""The French analysis files (analyse.afr, transit.afr, comptwo.afr): the same
sections as the English ones, written from French keyword tables with
sentences of their own. Nouns of the tables are singular where a verb
follows them; "de" and "à" before an article are contracted."""

import re

from make_analysis_files import cap, pick

# number: (name with its article, in a word, what it stands for (a plural
# subject), its best (singular), its trap (singular))
BODIES = {
    1: ("le Soleil", "l'identité", "le sens de soi et la volonté de briller", "la chaleur du cœur", "l'orgueil"),
    2: ("la Lune", "la sensibilité", "les émotions, les habitudes et le besoin de sécurité", "l'intuition bienveillante",
        "l'humeur changeante"),
    3: ("Mercure", "l'esprit", "la pensée, la parole et l'apprentissage", "la vivacité d'esprit", "le bavardage nerveux"),
    4: ("Vénus", "l'amour", "l'amour, le goût et le désir d'harmonie", "le charme", "la complaisance"),
    5: ("Mars", "l'énergie", "l'élan, le désir et le courage", "le courage", "la colère"),
    6: ("Jupiter", "l'expansion", "la croissance, la foi et la chance", "la générosité", "l'excès"),
    7: ("Saturne", "la discipline", "le devoir, les limites et les leçons du temps", "la patience", "la rigidité"),
    8: ("Uranus", "la liberté", "la liberté, le changement et l'originalité", "l'indépendance inventive", "la révolte"),
    9: ("Neptune", "l'imagination", "les rêves, la compassion et la soif d'infini", "l'imagination compatissante",
        "l'illusion"),
    10: ("Pluton", "la puissance intérieure", "le pouvoir, la profondeur et la transformation",
         "la force de se renouveler", "le besoin de tout contrôler"),
    11: ("Lilith", "la part indomptée", "la part sauvage et le refus d'être dominé", "la franchise farouche",
         "l'amertume"),
    12: ("le nœud nord", "la direction de vie", "la croissance et le chemin que cette vie propose",
         "le sens de l'orientation", "l'attachement au connu"),
    13: ("l'Ascendant", "l'expression de soi", "la première impression et la manière d'aller vers le monde",
         "une présence nette", "le masque"),
    22: ("le Milieu du Ciel", "la vocation", "la vocation, la réputation et les buts de la vie", "un but digne",
         "l'ambition pour elle-même"),
    25: ("Chiron", "la guérison", "les vieilles blessures et la guérison qu'elles enseignent", "la sagesse du guérisseur",
         "le doute de soi"),
    26: ("Cérès", "le soin", "le soin et les cycles du donner et du recevoir", "la sollicitude", "l'étouffement"),
    27: ("Pallas", "la clairvoyance", "la sagesse pratique et le don de voir les structures", "la stratégie claire",
         "le calcul froid"),
    28: ("Junon", "l'engagement", "l'engagement et le partenaire idéal", "la loyauté", "la jalousie"),
}

# name, "of the sign", element, mode, three qualities (nouns), how it acts
# (a verb phrase in the third person), its gift, its shadow
SIGNS = [
    ("Bélier", "du Bélier", "du feu", "cardinal", ("l'audace", "la spontanéité", "l'élan"),
     "agit d'abord et réfléchit ensuite", "le courage et le goût des commencements", "l'impatience"),
    ("Taureau", "du Taureau", "de la terre", "fixe", ("la constance", "la sensualité", "la patience"),
     "construit lentement et garde ce qui est acquis", "la fiabilité et le sens de ce qui dure", "l'entêtement"),
    ("Gémeaux", "des Gémeaux", "de l'air", "mutable", ("la curiosité", "la vivacité", "la souplesse"),
     "regarde chaque facette et en parle", "l'esprit et l'aisance dans les contacts", "la dispersion"),
    ("Cancer", "du Cancer", "de l'eau", "cardinal", ("la tendresse", "le besoin de protéger", "la réceptivité"),
     "avance à l'instinct et veille sur ce qui lui est cher", "le dévouement et une mémoire fidèle", "la susceptibilité"),
    ("Lion", "du Lion", "du feu", "fixe", ("la chaleur", "la fierté", "la générosité"),
     "se place dans la lumière et donne de tout son cœur", "la confiance et la joie de créer", "la vanité"),
    ("Vierge", "de la Vierge", "de la terre", "mutable", ("le soin", "la modestie", "la précision"),
     "trie, améliore et se rend utile", "l'habileté et le sens du détail", "l'inquiétude et la critique"),
    ("Balance", "de la Balance", "de l'air", "cardinal", ("la grâce", "le sens de la justice", "la sociabilité"),
     "cherche l'équilibre et agit avec les autres", "le tact et le sens de la beauté", "l'indécision"),
    ("Scorpion", "du Scorpion", "de l'eau", "fixe", ("l'intensité", "la discrétion", "la détermination"),
     "va sous la surface et ne lâche pas prise", "la profondeur et le pouvoir de se régénérer", "la méfiance"),
    ("Sagittaire", "du Sagittaire", "du feu", "mutable", ("l'optimisme", "la franchise", "le goût de l'aventure"),
     "vise loin et fait confiance au voyage", "la vision et la bonne humeur", "l'insouciance"),
    ("Capricorne", "du Capricorne", "de la terre", "cardinal", ("le sérieux", "l'ambition", "la discipline"),
     "gravit pas à pas le chemin vers un but", "le sens des responsabilités et l'endurance", "la froideur"),
    ("Verseau", "du Verseau", "de l'air", "fixe", ("l'indépendance", "l'originalité", "l'esprit fraternel"),
     "pense pour le groupe et interroge les usages", "les idées neuves et la fidélité en amitié", "le détachement"),
    ("Poissons", "des Poissons", "de l'eau", "mutable", ("la sensibilité", "l'imagination", "la douceur"),
     "suit le courant et ressent pour tous", "la compassion et l'inspiration", "la fuite"),
]

ROMAN = ["I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX", "X", "XI", "XII"]
HOUSES = [
    "le moi, le corps et la manière de commencer les choses",
    "l'argent, les biens et les valeurs qui guident la vie",
    "les contacts quotidiens, les frères et sœurs, les petits voyages et l'apprentissage",
    "le foyer, la famille, les racines et la vie privée",
    "le plaisir, la création, les amours et les enfants",
    "le travail, la santé et le quotidien",
    "le couple, le mariage et les relations déclarées",
    "les ressources partagées, les crises, la sexualité et l'héritage",
    "les études supérieures, les grands voyages, la foi et la philosophie",
    "la carrière, la position sociale et les buts de la vie",
    "les amis, les groupes, les espoirs et les projets",
    "la solitude, la vie cachée, le retrait et le dévouement",
]

VOWELS = "aeiouyéèêàâîôûœAEIOUYÉÈÊÀÂÎÔÛŒ"


def de(x):
    """"de" before x, contracted with its article."""
    if x.startswith("le "):
        return "du " + x[3:]
    if x.startswith("les "):
        return "des " + x[4:]
    if x.startswith(("la ", "l'")) or x[0] not in VOWELS:
        return "de " + x
    return "d'" + x


def a_(x):
    """"à" before x, contracted with its article."""
    if x.startswith("le "):
        return "au " + x[3:]
    if x.startswith("les "):
        return "aux " + x[4:]
    return "à " + x


def planet_sign(n, s):
    nm, word, domain, best, trap = BODIES[n]
    sg, of_sg, element, mode, q, act, gift, shadow = SIGNS[s - 1]
    texts = [
        f"Avec {nm} en {sg}, {domain} s'expriment avec {q[0]} et {q[1]}. Cette part de la personnalité {act} ; "
        f"elle apporte {gift}, tant que {shadow} ne prend pas le dessus.",
        f"{cap(nm)} en {sg} : {domain} passent par {q[2]}. {{Il|Elle}} montre {best} à la manière {of_sg}, "
        f"signe {element}, et apprend à se méfier {de(shadow)} comme {de(trap)}.",
        f"Ici, {nm} parle avec la voix {of_sg} : {q[0]}, {q[1]} et {q[2]}. Pour tout ce qui touche "
        f"{a_(domain)}, {{il|elle}} {act}. Le don de cette position est {gift}.",
        f"{cap(nm)} en {sg} donne {a_(word)} un caractère {mode}. Au mieux, cela signifie {best}, avec {gift} ; "
        f"sous tension, cela peut tourner {a_(shadow)}.",
    ]
    return pick(texts, n, s)


def planet_house(n, h):
    nm, word, domain, best, trap = BODIES[n]
    area = HOUSES[h - 1]
    texts = [
        f"{cap(nm)} en maison {ROMAN[h - 1]} : {domain} se vivent dans le champ {de(area)}. "
        f"C'est là qu'{{il|elle}} trouve {best}, et là qu'il faut surveiller {trap}.",
        f"La maison {ROMAN[h - 1]} accueille {nm} : {area} deviennent la scène où se jouent {domain}. "
        f"Une grande part de l'histoire de la vie s'écrit ici.",
        f"Avec {nm} en maison {ROMAN[h - 1]}, {{il|elle}} rencontre {domain} avant tout à travers {area}. "
        f"Bien vécue, cette position apporte {best}.",
    ]
    return pick(texts, n, h)


def house_sign(h, s):
    sg, of_sg, element, mode, q, act, gift, shadow = SIGNS[s - 1]
    area = HOUSES[h - 1]
    if h == 1:
        return (f"Ascendant {sg} : la première impression est faite {de(q[0])} et {de(q[1])}. Face au monde, "
                f"{{il|elle}} {act}, et les autres remarquent vite {gift}.")
    if h == 10:
        return (f"Milieu du Ciel en {sg} : dans la carrière et la vie publique, {{il|elle}} {act}, avec {q[0]} et "
                f"{q[2]}. La réussite passe par {gift} ; {shadow} est l'écueil.")
    texts = [
        f"La maison {ROMAN[h - 1]} commence en {sg} : {area} s'abordent avec {q[0]} et {q[1]}.",
        f"{sg} à la pointe de la maison {ROMAN[h - 1]} colore {area} ; ici, on {act}.",
        f"Avec la maison {ROMAN[h - 1]} en {sg}, {area} demandent {gift}, et {shadow} peut être le piège.",
    ]
    return pick(texts, h, s)


def sun_rising(s, r):
    ss = SIGNS[s - 1]
    rs = SIGNS[r - 1]
    if s == r:
        return (f"Soleil et Ascendant tous deux en {ss[0]} : ce qu'{{il|elle}} est et ce qu'{{il|elle}} montre ne "
                f"font qu'un. {cap(ss[4][0])} et {ss[4][1]} {ss[1]} se voient au grand jour, pour le meilleur et "
                f"pour le pire.")
    texts = [
        f"Un Soleil en {ss[0]} avec un Ascendant {rs[0]} : {ss[4][0]} du fond de la personnalité rencontre le "
        f"monde à travers {rs[4][1]}. Ceux qui {{le|la}} connaissent bien découvrent plus de profondeur que ne "
        f"le laisse croire la première impression.",
        f"Soleil en {ss[0]}, Ascendant {rs[0]} : au premier regard, {{il|elle}} {rs[5]}, tandis qu'au fond, la "
        f"volonté {ss[5]}. Réunir les deux est l'art de toute une vie.",
        f"Le Soleil en {ss[0]} apporte {ss[6]} ; l'Ascendant {rs[0]} y ajoute {rs[6]}. Les autres rencontrent "
        f"d'abord {rs[4][2]}, et ne découvrent que plus tard {ss[4][2]} qui habite le cœur.",
    ]
    return pick(texts, s, r)


def aspect_text(a, c, positive, moment=False):
    na, wa, da, ba, ta = BODIES[a]
    nc, wc, dc, bc, tc = BODIES[c]
    if moment:
        if a == c:
            if positive:
                return (f"{cap(na)} revient en angle harmonieux avec sa propre place dans le thème natal : {wa} se "
                        f"renouvelle, et {ba} vient sans effort.")
            return (f"{cap(na)} forme un angle difficile avec sa propre place dans le thème natal : {wa} traverse "
                    f"une épreuve. Attention {a_(ta)} ; ce qui s'apprend maintenant demeure.")
        if positive:
            options = [
                f"Un contact favorable entre {na} et {nc} : pour un temps, {wa} et {wc} se soutiennent, apportant "
                f"{ba} ainsi que {bc}. Un bon moment pour avancer.",
                f"{cap(na)} et {nc} se rencontrent de façon fluide ; {wa} et {wc} trouvent un appui, et {bc} "
                f"vient plus facilement que d'habitude.",
                f"Un contact porteur entre {na} et {nc} : {wa} et {wc} collaborent pour un temps. De bons jours "
                f"pour agir sur l'essentiel.",
            ]
        else:
            options = [
                f"Un contact éprouvant entre {na} et {nc} : {wa} et {wc} subissent une pression. Attention "
                f"{a_(ta)}, et {a_(tc)} ; la patience transforme la pression en croissance.",
                f"{cap(na)} et {nc} sont en tension ; pour {wa} et {wc}, les vieux schémas sont remis en "
                f"question. Mieux vaut avancer pas à pas.",
                f"Un contact tendu entre {na} et {nc} : {wa} et {wc} tirent dans des directions différentes "
                f"jusqu'à ce que la leçon soit apprise.",
            ]
        return pick(options, a, c)
    if a == c:
        if positive:
            return (f"Tous deux partagent l'énergie {de(na)} : {wa} se comprend d'emblée, et être ensemble semble "
                    f"naturel.")
        return (f"Tous deux partagent l'énergie {de(na)}, et avec elle le même point faible : {ta} peut "
                f"s'amplifier quand ils se rencontrent.")
    if positive:
        options = [
            f"{cap(na)} et {nc} travaillent en harmonie : {wa} soutient {wc}, et {ba} s'unit {a_(bc)}.",
            f"Un lien fluide entre {na} et {nc} : {{il|elle}} peut compter sur {ba} pour tout ce qui touche "
            f"{a_(wc)}.",
            f"{cap(na)} en bon aspect avec {nc} : un talent naturel qui relie {wa} et {wc}.",
        ]
    else:
        options = [
            f"{cap(na)} et {nc} s'opposent : {wa} et {wc} tirent dans des directions différentes. Attention "
            f"{a_(ta)} ; une fois travaillée, cette tension devient une source de force.",
            f"Un lien difficile entre {na} et {nc} : {{il|elle}} peut osciller entre {ta} et {tc} jusqu'à ce "
            f"que chaque besoin soit reconnu.",
            f"{cap(na)} en tension avec {nc} : un défi qui demande de l'effort. Traité avec soin, il apporte "
            f"{ba} comme {bc}.",
        ]
    return pick(options, a, c)


# The headings of the files, by section key (see make_analysis_files.HEADINGS).
HEADINGS = {
    "0.": "Cette interprétation décrit le thème natal élément par élément : les planètes dans les signes, le "
          "Soleil et l'Ascendant, les planètes dans les maisons, les pointes des maisons et les aspects. "
          "Chaque texte décrit une tendance ; la personne entière est le mélange de toutes.",
    "0.4": "La révolution solaire décrit l'année d'un anniversaire au suivant : ses thèmes, ses chances et ses "
           "épreuves.",
    "0.5": "Le thème progressé montre comment le thème natal se déploie avec l'âge : quels thèmes mûrissent "
           "maintenant.",
    "1.": "LES PLANÈTES DANS LES SIGNES\r\nLe signe d'une planète dit comment son énergie s'exprime.",
    "2.": "LES PLANÈTES DANS LES MAISONS\r\nLa maison d'une planète dit dans quel domaine de la vie son énergie agit.",
    "3.": "LES ASPECTS\r\nLes aspects montrent comment les planètes agissent ensemble ; les plus forts "
          "viennent en premier.",
    "4.": "LES POINTES DES MAISONS\r\nLe signe de chaque pointe colore ce domaine de la vie.",
    "5.": "LE SOLEIL ET L'ASCENDANT",
    "0.1": "TRANSITS\r\nLes planètes de la période à venir touchent le thème natal ; chaque contact ci-dessous "
           "est daté de son jour exact.",
    "0.2": "COMPARAISON AVEC UN JOUR\r\nLe ciel du jour choisi comparé au thème natal.",
    "0.6": "COMPARAISON AVEC LA RÉVOLUTION\r\nLe thème de révolution comparé au thème natal.",
    "0.7": "COMPARAISON AVEC LA PROGRESSION\r\nLe thème progressé comparé au thème natal.",
    "transit 3.": "LES CONTACTS\r\nChaque contact du ciel en mouvement avec le thème natal.",
    "0.3": "SYNASTRIE\r\nLes deux thèmes natals comparés : là où les deux personnes se rejoignent sans peine et "
           "là où elles se mettent à l'épreuve.",
    "comptwo 3.": "Les liens entre les deux thèmes, du plus fort au plus faible.",
}


_faults = re.compile(r"\b(de les? |à les? |de [aeiouéèêAEIOUÉ]\w*)")


def grammar_faults(text):
    """Contractions the tables could miss ("de le", "à les") and "de" before
    a vowel."""
    return [m.group(0) for m in _faults.finditer(text)]
