#!/usr/bin/env python3
"""The everyday words of Debian's German or French word list, one a line, in the list's order.

Usage: common_words.py de|fr WORDLIST > words

Debian's lists (wngerman, wfrench) are spelling lists: every inflected form of every word, rare
and technical ones included, and no word frequencies. What the game's German and French sets take
from them, for words a player knows:

1. Base forms only. A word that is another word of the list plus an ending is an inflected form
   and is left out: plurals and case endings (Tische, maisons), verb forms (weckten, wedelst,
   mangeait, finissons, vendu), compared adjectives (kleiner). What stays is what a dictionary
   lists: nouns in the singular, verbs in the infinitive, adjectives in their plain form; and, in
   French, the present forms in -e that are nouns as often as verbs (porte, danse).
2. In German, a capitalised word is a word only when it is a noun, and a noun is known by its
   plural or case forms in the list (Tisch: Tische, Tisches; Garten: Gärten). A name has only its
   genitive -s (Peter, Peters; Schmidt, Schmidts) and is left out, as are abbreviations (ASCII).
3. Common: a base form that at least three other base forms of the list begin with, in any letter
   case: its compounds and derivations (Tisch: Tischdecke, Tischler, Tischtennis; jardin:
   jardinage, jardiner, jardinier), a verb counted from its stem (wecken: Wecker; manger:
   mangeable, mangeoire, mangeur). Everyday words have such families; rare and technical ones
   (Lakonie, abaca, glatir) stand alone.

The game's own --make-set then keeps the words of 5 to 7 letters, after --fold-accents (French)
or --ascii (German, which leaves out words with Ä, Ö, Ü or ß).
"""
import bisect
import sys

FAMILY = 3

# German: the endings of nouns, and those of adjectives and verbs, added to a word of the list.
DE_NOUN_ENDINGS = ('e', 'en', 'n', 'es', 's', 'er', 'ern', 'ns')
DE_OTHER_ENDINGS = ('e', 'en', 'er', 'es', 'em', 'n', 's', 'st', 't', 'et', 'est', 'te', 'ten', 'tet',
                    'test', 'ere', 'eren', 'erer', 'eres', 'erem', 'ste', 'sten', 'ster', 'stes', 'stem')
# ... and of a verb, added to its stem (weck-en: weckst, weckte, weckend).
DE_VERB_ENDINGS = ('e', 'st', 't', 'et', 'est', 'te', 'ten', 'tet', 'test', 'end')
DE_UMLAUT = {'a': 'ä', 'o': 'ö', 'u': 'ü'}

# French: the endings of the three verb groups, added to the stem of an infinitive of the list
# (mang-er, fin-ir, vend-re). The -e forms of the first group stay: most are nouns as well.
FR_ER = ('es', 'ent', 'ons', 'ez', 'ais', 'ait', 'aient', 'ions', 'iez', 'ai', 'as', 'a', 'âmes', 'âtes',
         'èrent', 'erai', 'eras', 'era', 'erons', 'erez', 'eront', 'erais', 'erait', 'erions', 'eriez',
         'eraient', 'asse', 'asses', 'ât', 'assions', 'assiez', 'assent', 'ant', 'é', 'ée', 'és', 'ées')
FR_IR = ('is', 'it', 'issons', 'issez', 'issent', 'issais', 'issait', 'issaient', 'issions', 'issiez',
         'irai', 'iras', 'ira', 'irons', 'irez', 'iront', 'irais', 'irait', 'irions', 'iriez', 'iraient',
         'îmes', 'îtes', 'irent', 'isse', 'isses', 'ît', 'issant', 'i', 'ie', 'ies')
FR_RE = ('s', 't', 'ons', 'ez', 'ent', 'ais', 'ait', 'aient', 'ions', 'iez', 'u', 'ue', 'us', 'ues', 'ant',
         'rai', 'ras', 'ra', 'rons', 'rez', 'ront', 'rais', 'rait', 'raient', 'is', 'it', 'îmes', 'îtes',
         'irent', 'isse', 'isses', 'ît', 'e', 'es')
FR_GROUPS = (('er', FR_ER), ('ir', FR_IR), ('re', FR_RE))
FR_PLAIN = str.maketrans('àâäéèêëîïôöùûüÿç', 'aaaeeeeiioouuuyc')


def umlauted(word):
    """The word with its last a, o, u or au umlauted, as many German plurals are (Garten: Gärten)."""
    for i in range(len(word) - 1, -1, -1):
        c = word[i]
        if c == 'u' and i > 0 and word[i - 1] == 'a':
            return word[:i - 1] + 'ä' + word[i:]
        if c in DE_UMLAUT:
            return word[:i] + DE_UMLAUT[c] + word[i + 1:]
    return None


def german_base_forms(words):
    known = set(words)

    def is_noun(word):
        if any(word + e in known for e in ('e', 'en', 'es')):
            return True
        # The plural in -n follows -e, -el and -er (Kanne, Kugel, Feder).
        if word[-1] in 'elr' and word + 'n' in known:
            return True
        u = umlauted(word)
        return u is not None and any(u + e in known for e in ('', 'e', 'er'))

    def is_inflected(word):
        for e in DE_NOUN_ENDINGS if word[0].isupper() else DE_OTHER_ENDINGS:
            if word.endswith(e) and len(word) > len(e) and word[:-len(e)] in known:
                return True
        if word[0].islower():
            for e in DE_VERB_ENDINGS:
                stem = word[:-len(e)]
                if word.endswith(e) and stem and word not in (stem + 'en', stem + 'n') and \
                        (stem + 'en' in known or stem + 'n' in known):
                    return True
            # The verb's own stem (stell, torkel) is its imperative, and the colloquial first person
            # of -eln and -ern verbs drops an e (nagle, klettre).
            if (word + 'en' in known or word + 'n' in known) and (word + 't' in known or word + 'te' in known):
                return True
            if word[-2:] in ('le', 're') and word[:-2] + 'e' + word[-2] + 'n' in known:
                return True
        return False

    for word in words:
        if not word.isalpha():
            continue
        if word[0].isupper():
            if not word[1:].islower() or not is_noun(word):
                continue
        elif not word.islower():
            continue
        if not is_inflected(word):
            yield word


def french_base_forms(words):
    known = set(words)
    # Stem changes are spelt with accents (pèsera from peser, aèrerai from aérer): verbs are also
    # looked up without them.
    plain = {w.translate(FR_PLAIN) for w in words}

    def is_infinitive(stem, ending):
        return stem + ending in known or (stem + ending).translate(FR_PLAIN) in plain

    def is_inflected(word):
        if word[-1] in 'sx' and word[:-1] in known:
            return True
        for infinitive, endings in FR_GROUPS:
            for e in endings:
                if not word.endswith(e) or len(word) <= len(e):
                    continue
                stem = word[:-len(e)]
                if stem + infinitive != word and is_infinitive(stem, infinitive):
                    return True
                # The e and ç kept before a and o (mangeons, plaçait).
                if e[0] in 'aoâ' and stem[-1] in 'eç' and \
                        is_infinitive(stem[:-1] + ('' if stem[-1] == 'e' else 'c'), infinitive):
                    return True
        return False

    for word in words:
        # Elided forms (quelqu', lorsqu') are listed without their apostrophe.
        if word.isalpha() and word.islower() and not word.endswith('qu') and not is_inflected(word):
            yield word


def french_stem(word):
    # manger: mange-able, mange-oire, mange-ur; finir: fini-tion; vendre: vend-eur.
    if len(word) > 4 and word[-2:] in ('er', 'ir'):
        return word[:-1]
    return word[:-2] if len(word) > 4 and word.endswith('re') else word


def german_stem(word):
    if word[0].isupper() or len(word) <= 4:
        return word
    return word[:-2] if word.endswith('en') else word[:-1] if word[-2:] in ('ln', 'rn') else word


def common(base, stem_of):
    """The base forms that at least FAMILY other base forms begin with (a verb: its stem)."""
    ordered = sorted(w.lower() for w in base)
    for word in base:
        start = stem_of(word).lower()
        i = bisect.bisect_left(ordered, start)
        family = 0
        while i < len(ordered) and ordered[i].startswith(start) and family < FAMILY + 1:
            family += ordered[i] != word.lower()
            i += 1
        if family >= FAMILY:
            yield word


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ('de', 'fr'):
        sys.exit('Usage: common_words.py de|fr WORDLIST')
    with open(sys.argv[2], encoding='utf-8') as f:
        words = [line.strip() for line in f if line.strip()]
    if sys.argv[1] == 'de':
        kept = common(list(german_base_forms(words)), german_stem)
    else:
        kept = common(list(french_base_forms(words)), french_stem)
    sys.stdout.writelines(w + '\n' for w in kept)


if __name__ == '__main__':
    main()
