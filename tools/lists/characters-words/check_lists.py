"""Checks zi1.txt, zi2.txt and zi3.txt: format, sizes, telling rows and distinct entries.

Usage: check_lists.py ASSETS_DIR    (exit status 1 and one line per fault when a check fails)
"""

import shutil
import subprocess
import sys
from pathlib import Path

EXPECTED = {"zi1.txt": (2537, 10148), "zi2.txt": (1413, 5652), "zi3.txt": (1413, 5652)}
CHARACTER_ROWS = {**dict(enumerate("一乙二十丁厂七卜人入", 1)), **dict(enumerate("尉吁浒咋幢", 2533))}
WORD_ROWS = {
    **dict(enumerate("爱抚 爱戴 爱慕 爱好 喜好 嗜好 爱护 爱惜".split(), 1)),
    473: "瞭望",
    **dict(enumerate("来回 往返 立刻 赶快 赶紧".split(), 1409)),
}


def check_format(name: str, data: bytes, faults: list) -> list:
    """Returns the lines of one character-per-line file, noting every format fault."""
    lines, size = EXPECTED[name]
    if len(data) != size:
        faults.append(f"{name}: {len(data)} bytes, expected {size}")
    if data.startswith(b"\xef\xbb\xbf") or b"\x00" in data or b"\x1a" in data:
        faults.append(f"{name}: holds a byte-order mark, NUL or 1A")
    if not data.endswith(b"\r\n"):
        faults.append(f"{name}: the last line has no CR LF")
    rows = data.split(b"\r\n")[:-1]
    if len(rows) != lines:
        faults.append(f"{name}: {len(rows)} lines, expected {lines}")
    texts = []
    for number, row in enumerate(rows, 1):
        is_double_byte = len(row) == 2 and 0x81 <= row[0] <= 0xFE and 0x40 <= row[1] <= 0xFE and row[1] != 0x7F
        if not is_double_byte:
            faults.append(f"{name}: line {number} is not one double-byte character: {row!r}")
            texts.append("")
            continue
        texts.append(row.decode("cp936"))
    _compare_with_iconv(name, data, faults)
    return texts


def _compare_with_iconv(name: str, data: bytes, faults: list) -> None:
    """glibc's CP936 is the reference for what Windows reads; the decodings must agree."""
    if shutil.which("iconv") is None:
        faults.append("iconv not found: cannot compare with glibc's CP936")
        return
    result = subprocess.run(["iconv", "-f", "CP936", "-t", "UTF-8"], input=data, capture_output=True)
    if result.returncode != 0 or result.stdout.decode("utf-8") != data.decode("cp936", "replace"):
        faults.append(f"{name}: glibc iconv CP936 reads it differently")


def check_rows(name: str, entries: list, expected: dict, faults: list) -> None:
    for row, text in expected.items():
        actual = entries[row - 1] if row <= len(entries) else None
        if actual != text:
            faults.append(f"{name}: row {row} is {actual!r}, expected {text!r}")


def check_distinct(name: str, entries: list, faults: list) -> None:
    seen = {}
    for row, text in enumerate(entries, 1):
        if text in seen:
            faults.append(f"{name}: row {row} repeats row {seen[text]}: {text}")
        seen.setdefault(text, row)


def main(assets: Path) -> int:
    faults = []
    files = {name: (assets / name).read_bytes() for name in EXPECTED}
    characters = check_format("zi1.txt", files["zi1.txt"], faults)
    firsts = check_format("zi2.txt", files["zi2.txt"], faults)
    seconds = check_format("zi3.txt", files["zi3.txt"], faults)
    words = [a + b for a, b in zip(firsts, seconds)]

    check_rows("zi1.txt", characters, CHARACTER_ROWS, faults)
    check_rows("zi2.txt + zi3.txt", words, WORD_ROWS, faults)
    if files["zi2.txt"][472 * 4 : 472 * 4 + 2] != b"\xb2\x74":
        faults.append("zi2.txt: line 473 is not the bytes B2 74")
    check_distinct("zi1.txt", characters, faults)
    check_distinct("zi2.txt + zi3.txt", words, faults)

    for fault in faults:
        print(fault)
    print(f"{len(characters)} characters, {len(words)} words: {'FAILED' if faults else 'all checks passed'}")
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(main(Path(sys.argv[1])))
