"""Chooses the character list: common level-1 characters of the 2013 general standard table."""

import re
from collections import Counter

from sources import read_unihan_field

LIST_LENGTH = 2537
LEVEL_ONE_SIZE = 3500
# Characters taught in Hong Kong primary grades 1 to 6 move this many places up the
# frequency ranking: the news corpora behind the frequencies favour names and places.
SCHOOL_GRADE_BONUS = 500


def build_character_list(inputs, jieba_frequencies: dict, choices: dict) -> tuple:
    """Returns the chosen characters in list order and a report of the choice."""
    table_positions = _level_one_positions(inputs)
    head, tail = list(choices["head"]), list(choices["tail"])
    rejected = {c for group in choices["rejects"] for c in group["characters"]}
    rank = _rank(inputs, jieba_frequencies, list(table_positions))

    pool = [c for c in table_positions if c not in rejected and c not in head and c not in tail]
    pool.sort(key=lambda c: (rank[c], table_positions[c]))
    body = head + pool[: LIST_LENGTH - len(head) - len(tail)]
    body.sort(key=lambda c: table_positions[c])
    if body[: len(head)] != head:
        raise ValueError("the fixed head is not the start of the stroke order")

    characters = body + tail
    report = {
        "level one characters": len(table_positions),
        "chosen from level one in stroke order": len(body),
        "fixed tail": len(tail),
        "rejected by review": len(rejected),
        "next candidates left out": "".join(pool[len(body) - len(head) :][:60]),
    }
    return characters, report


def _level_one_positions(inputs) -> dict:
    positions = {}
    for character, value in read_unihan_field(inputs, "Unihan_OtherMappings.txt.bz2", "kTGH").items():
        position = int(value.split(":")[1])
        if position <= LEVEL_ONE_SIZE:
            positions[character] = position
    return dict(sorted(positions.items(), key=lambda item: item[1]))


def _rank(inputs, jieba_frequencies: dict, characters: list) -> dict:
    """Mean of the jieba and Hanyu Pinlu frequency ranks, less the school-grade bonus."""
    word_frequency_sum = Counter()
    for word, frequency in jieba_frequencies.items():
        for character in word:
            word_frequency_sum[character] += frequency
    pinlu = {
        c: sum(int(n) for n in re.findall(r"\((\d+)\)", v))
        for c, v in read_unihan_field(inputs, "Unihan_Readings.txt.bz2", "kHanyuPinlu").items()
    }
    by_jieba = _positions(sorted(characters, key=lambda c: -word_frequency_sum[c]))
    by_pinlu = _positions(sorted(characters, key=lambda c: -pinlu.get(c, 0)))
    grades = _school_grades(inputs)
    return {
        c: (by_jieba[c] + by_pinlu[c]) / 2 - (SCHOOL_GRADE_BONUS if c in grades else 0)
        for c in characters
    }


def _school_grades(inputs) -> set:
    """Characters with a primary grade, directly or through a traditional form."""
    graded = set(read_unihan_field(inputs, "Unihan_DictionaryLikeData.txt.bz2", "kGradeLevel"))
    traditional = read_unihan_field(inputs, "Unihan_Variants.txt.bz2", "kTraditionalVariant")
    result = set(graded)
    for character, forms in traditional.items():
        if any(chr(int(form[2:], 16)) in graded for form in forms.split()):
            result.add(character)
    return result


def _positions(ordered: list) -> dict:
    return {c: i for i, c in enumerate(ordered)}
