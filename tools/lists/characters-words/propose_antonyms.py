"""Prints antonym pairs for review: WordNet's antonymous English lemmas, each matched to the
candidate words that have exactly that lemma among their glosses. Pairs already approved in
data/words.json are left out; the rest is printed most common words first.

Usage: propose_antonyms.py CACHE_DIR
"""

import json
import sys
from collections import defaultdict
from pathlib import Path

from sources import Inputs, read_cedict, read_jieba_frequencies, read_wordnet_antonyms
from words import WordBank

TOOL_DIR = Path(__file__).resolve().parent


def main(cache: Path) -> None:
    inputs = Inputs(cache)
    choices = json.loads((TOOL_DIR / "data/words.json").read_text(encoding="utf-8"))
    frequencies = read_jieba_frequencies(inputs)
    bank = WordBank(read_cedict(inputs), frequencies, choices)
    decided = {frozenset(p) for p in choices["antonym_pairs"]["approved"]}

    words_by_key = defaultdict(list)
    for word in bank.candidates:
        for key in bank.keys[word]:
            words_by_key[key].append(word)
    proposals = {}
    for left, right in read_wordnet_antonyms(inputs):
        for a in words_by_key.get(left, []):
            for b in words_by_key.get(right, []):
                if a != b and frozenset((a, b)) not in decided:
                    proposals.setdefault(frozenset((a, b)), (a, b, left, right))
    ranked = sorted(proposals.values(), key=lambda p: (-min(frequencies[p[0]], frequencies[p[1]]), p))
    for a, b, left, right in ranked:
        print(f'["{a}", "{b}"],  # {left} / {right}')


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(Path(sys.argv[1]))
