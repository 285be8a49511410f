"""Assembles the word bank: groups of near-synonyms and reviewed antonym pairs of common words."""

import re
from collections import defaultdict

BANK_SIZE = 1413
MIN_FREQUENCY = 300  # jieba corpus count below which a word is too rare for a pupil
MAX_GLOSS_SHARERS = 8  # a gloss shared by more candidates is too vague to mark synonyms
MAX_GROUP_SIZE = 3
# Share of the shorter gloss list two words must have in common to count as near-synonyms;
# words that also share a character need less.
MIN_COVER = 0.4
MIN_COVER_SHARING_CHARACTER = 0.5
SKIPPED_GLOSS = re.compile(
    r"variant of|\bsee\b|abbr\.|surname|used in|\bCL:|erhua|\bpr\.|classifier|\(bound form\)"
    r"|\(old\)|archaic|\(literary\)|\(dialect\)|\(Tw\)|loanword",
    re.I,
)


def gloss_key(gloss: str) -> str:
    """The comparable core of a gloss: lower case, no notes in parentheses, no leading 'to'."""
    key = re.sub(r"\([^)]*\)", "", gloss).lower()
    key = re.sub(r"^(to|a|an|the) ", "", key.strip())
    return re.sub(r"[^a-z' -]", "", key).strip()


class WordBank:
    """Candidate words with their gloss keys, after the content review."""

    def __init__(self, entries: list, frequencies: dict, choices: dict):
        self.frequencies = frequencies
        self.pinyin = {}
        self.keys = defaultdict(set)
        rejected = {w for entry in choices["rejected_words"] for w in entry["words"]}
        unsuitable = re.compile(choices["unsuitable_gloss_pattern"], re.I)
        unsuitable_words = set()
        for simplified, pinyin, glosses in entries:
            self.pinyin.setdefault(simplified, _sort_pinyin(pinyin))
            if not _is_common_word(simplified, pinyin, frequencies):
                continue
            entry_keys = []
            for gloss in glosses:
                if unsuitable.search(gloss):
                    unsuitable_words.add(simplified)
                key = gloss_key(gloss)
                if not SKIPPED_GLOSS.search(gloss) and len(key) >= 3:
                    entry_keys.append(key)
            if entry_keys:
                self.keys[simplified].update(entry_keys)
        self.unsuitable = sorted(unsuitable_words)
        self.candidates = sorted(w for w in self.keys if w not in rejected and w not in unsuitable_words)

    def sort_key(self, word: str) -> tuple:
        return (self.pinyin.get(word, ""), word)


def build_word_bank(bank: WordBank, choices: dict) -> tuple:
    """Returns (groups in list order, report). Each group is a list of words."""
    fixed = choices["fixed_groups"]
    antonyms = [list(pair) for pair in choices["antonym_pairs"]["approved"]]
    fixed_words = [w for g in fixed["head"] + [fixed["anchor"]] + fixed["tail"] for w in g]
    used = set(fixed_words) | {w for pair in antonyms for w in pair}
    rejected_groups = [set(g) for entry in choices["rejected_groups"] for g in entry["groups"]]
    synonyms = _synonym_groups(bank, used, rejected_groups)

    anchor = fixed["anchor"]
    head_rows = sum(len(g) for g in fixed["head"])
    rows_before_anchor = choices["anchor_row"] - 1 - head_rows
    rows_after_anchor = (
        BANK_SIZE - sum(len(g) for g in fixed["tail"]) - choices["anchor_row"] - (len(anchor) - 1)
    )
    before, after = [], []
    room = {"before": rows_before_anchor, "after": rows_after_anchor}
    for group in antonyms + synonyms:
        side = "before" if bank.sort_key(group[0]) < bank.sort_key(anchor[0]) else "after"
        left = room[side] - len(group)
        if left == 0 or left >= 2:
            (before if side == "before" else after).append(group)
            room[side] = left
    if room["before"] or room["after"]:
        raise ValueError(f"not enough word groups to fill the bank: {room}")

    before.sort(key=lambda g: bank.sort_key(g[0]))
    after.sort(key=lambda g: bank.sort_key(g[0]))
    groups = fixed["head"] + before + [anchor] + after + fixed["tail"]
    chosen_antonyms = sum(1 for g in before + after if g in antonyms)
    report = {
        "common two-character GBK words with a usable gloss": len(bank.keys),
        "words left out by the gloss content filter": len(bank.unsuitable),
        "words rejected by review": sum(len(e["words"]) for e in choices["rejected_words"]),
        "synonym groups rejected by review": len(rejected_groups),
        "synonym groups proposed": len(synonyms),
        "antonym pairs approved / used": f"{len(antonyms)} / {chosen_antonyms}",
        "groups in the bank": len(groups),
    }
    return groups, report


def _synonym_groups(bank: WordBank, used: set, rejected_groups: list) -> list:
    """Disjoint groups of two or three words linked by shared gloss keys, most common first."""
    sharers = defaultdict(list)
    for word in bank.candidates:
        if word not in used:
            for key in bank.keys[word]:
                sharers[key].append(word)
    links = defaultdict(int)
    neighbours = defaultdict(set)
    for key, words in sharers.items():
        if 2 <= len(words) <= MAX_GLOSS_SHARERS:
            for i, a in enumerate(words):
                for b in words[i + 1 :]:
                    links[a, b] += 1
                    links[b, a] += 1
                    neighbours[a].add(b)
                    neighbours[b].add(a)

    def linked(a, b):
        shared = links.get((a, b), 0)
        cover = shared / min(len(bank.keys[a]), len(bank.keys[b]))
        if set(a) & set(b):
            return cover >= MIN_COVER_SHARING_CHARACTER
        return shared >= 2 and cover >= MIN_COVER

    freq = bank.frequencies
    pairs = sorted(
        ((a, b) for (a, b) in links if a < b and linked(a, b)),
        key=lambda p: (-links[p], -min(freq[p[0]], freq[p[1]]), p),
    )
    group_of = {}
    groups = []
    for a, b in pairs:
        if a in group_of or b in group_of or _holds_rejected({a, b}, rejected_groups):
            continue
        group = [a, b]
        partners = sorted(
            (w for w in neighbours[a] if w not in group_of and w != b),
            key=lambda w: (-freq[w], w),
        )
        for c in partners:
            if len(group) == MAX_GROUP_SIZE:
                break
            if all(linked(c, w) for w in group) and not _holds_rejected({c, *group}, rejected_groups):
                group.append(c)
        group.sort(key=lambda w: (-freq[w], w))
        for w in group:
            group_of[w] = group
        groups.append(group)
    groups.sort(key=lambda g: (-min(freq[w] for w in g), g))
    return groups


def _holds_rejected(words: set, rejected_groups: list) -> bool:
    """True when the words include every word of a group the review rejected."""
    return any(rejected <= words for rejected in rejected_groups)


def _is_common_word(word: str, pinyin: str, frequencies: dict) -> bool:
    if len(word) != 2 or pinyin[:1].isupper() or frequencies.get(word, 0) < MIN_FREQUENCY:
        return False
    try:
        return len(word.encode("cp936")) == 4
    except UnicodeEncodeError:
        return False


def _sort_pinyin(pinyin: str) -> str:
    return pinyin.lower().replace("u:", "v")
