"""Builds assets/zi1.txt (characters) and zi2.txt/zi3.txt (word bank) from the pinned inputs.

Usage: build_lists.py CACHE_DIR ASSETS_DIR REVIEW_DIR
CACHE_DIR holds the unpacked inputs (see build.sh); REVIEW_DIR receives readable listings
of every choice for the reviewer.
"""

import json
import sys
from pathlib import Path

from characters import build_character_list
from list_file import character_list_bytes, write_if_changed
from sources import Inputs, index_glosses, read_cedict, read_jieba_frequencies
from words import WordBank, build_word_bank

TOOL_DIR = Path(__file__).resolve().parent


def main(cache: Path, assets: Path, review: Path) -> None:
    inputs = Inputs(cache)
    frequencies = read_jieba_frequencies(inputs)
    review.mkdir(parents=True, exist_ok=True)

    character_choices = _load_choices("characters.json")
    characters, character_report = build_character_list(inputs, frequencies, character_choices)
    write_if_changed(assets / "zi1.txt", character_list_bytes(characters))

    entries = read_cedict(inputs)
    word_choices = _load_choices("words.json")
    bank = WordBank(entries, frequencies, word_choices)
    groups, word_report = build_word_bank(bank, word_choices)
    words = [w for g in groups for w in g]
    write_if_changed(assets / "zi2.txt", character_list_bytes([w[0] for w in words]))
    write_if_changed(assets / "zi3.txt", character_list_bytes([w[1] for w in words]))

    glosses = index_glosses(entries)
    _write_review(review / "words.txt", groups, glosses)
    _write_review(review / "filtered-words.txt", [[w] for w in bank.unsuitable], glosses)
    for title, report in (("characters", character_report), ("words", word_report)):
        print(f"{title}:")
        for name, value in report.items():
            print(f"  {name}: {value}")


def _load_choices(name: str) -> dict:
    return json.loads((TOOL_DIR / "data" / name).read_text(encoding="utf-8"))


def _write_review(path: Path, groups: list, glosses: dict) -> None:
    """One group a paragraph, each word with its glosses, rows numbered as in the bank."""
    lines, row = [], 1
    for group in groups:
        for word in group:
            lines.append(f"{row:5d} {word}  {'; '.join(glosses[word])[:150]}")
            row += 1
        lines.append("")
    path.write_text("\n".join(lines), encoding="utf-8")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*(Path(a) for a in sys.argv[1:]))
