#!/usr/bin/env python3
"""Checks the idiom files (zi4.txt ... zi7.txt) and the motto file (my.txt) in an assets folder:
byte counts, GBK and CR LF format, line counts, the rows the worksheets rely on, lengths, distinctness."""
import sys
from pathlib import Path

IDIOM_FILES = ["zi4.txt", "zi5.txt", "zi6.txt", "zi7.txt"]
IDIOM_COUNT, IDIOM_FILE_BYTES = 1766, 7064
IDIOM_ROWS = {1: "平易近人", 2: "宽宏大度", 3: "冰清玉洁", 671: "心慈面善", 672: "蓬头垢面", 673: "雍容华贵", 1766: "坚贞不屈"}
MOTTO_COUNT, MOTTO_FILE_BYTES = 397, 15943
MOTTO_ROWS = {
    2: "把自己当傻瓜，不懂就问，你会学的更多。",
    3: "宝剑不磨要生锈，人不学习要落后。",
    301: "温故而知新。",
    356: "以铜为镜，可以正衣冠;以古为镜，可以知兴替;以人为镜，可以明得失。",
    397: "做到老，学到老，活到八十还学巧。",
}
SHORTEST_ROW, LONGEST_ROW = 301, 356
ALLOWED_ASCII = set(b" ()-;.")

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def check_raw(name, data, size):
    check(len(data) == size, f"{name}: {len(data)} bytes, expected {size}")
    check(not data.startswith(b"\xef\xbb\xbf"), f"{name}: starts with a byte-order mark")
    check(b"\x00" not in data and b"\x1a" not in data, f"{name}: holds NUL or 1A bytes")
    check(data.replace(b"\r\n", b"").count(b"\r") == 0, f"{name}: CR outside a CR LF")
    check(data.replace(b"\r\n", b"").count(b"\n") == 0, f"{name}: LF outside a CR LF")


def read_idiom_bank(folder):
    columns = []
    for name in IDIOM_FILES:
        data = (folder / name).read_bytes()
        check_raw(name, data, IDIOM_FILE_BYTES)
        check(data.endswith(b"\r\n"), f"{name}: last line has no CR LF")
        lines = data[:-2].split(b"\r\n") if data.endswith(b"\r\n") else data.split(b"\r\n")
        check(len(lines) == IDIOM_COUNT, f"{name}: {len(lines)} lines, expected {IDIOM_COUNT}")
        for row, line in enumerate(lines, 1):
            check(len(line) == 2 and 0x81 <= line[0] <= 0xFE, f"{name} line {row}: not one two-byte character")
        columns.append([line.decode("gbk", errors="replace") for line in lines])
    return ["".join(chars) for chars in zip(*columns)]


def check_idioms(folder):
    idioms = read_idiom_bank(folder)
    check(all(len(i) == 4 for i in idioms), "idioms: an idiom is not four characters")
    check(len(set(idioms)) == len(idioms), "idioms: not all distinct")
    for row, text in IDIOM_ROWS.items():
        check(row <= len(idioms) and idioms[row - 1] == text, f"idiom row {row}: expected {text}")
    return len(idioms)


def check_mottos(folder):
    data = (folder / "my.txt").read_bytes()
    check_raw("my.txt", data, MOTTO_FILE_BYTES)
    check(not data.endswith(b"\r\n"), "my.txt: CR LF after the last motto")
    lines = data.split(b"\r\n")
    check(len(lines) == MOTTO_COUNT, f"my.txt: {len(lines)} lines, expected {MOTTO_COUNT}")
    check(all(lines), "my.txt: an empty line")
    check(data.count(b".") == 1, f"my.txt: {data.count(b'.')} ASCII full stops, expected 1")
    texts = []
    for row, line in enumerate(lines, 1):
        text = line.decode("gbk")
        texts.append(text)
        ascii_bytes = {ord(c) for c in text if ord(c) < 0x80}
        check(ascii_bytes <= ALLOWED_ASCII, f"my.txt line {row}: ASCII other than blank ( ) - ; .")
        check(12 <= len(line) <= 64, f"my.txt line {row}: {len(line)} bytes")
    lengths = [len(line) for line in lines]
    check(lengths[SHORTEST_ROW - 1] == 12 and lengths.count(12) == 1, "my.txt: row 301 is not the only shortest (12 bytes)")
    check(lengths[LONGEST_ROW - 1] == 64 and lengths.count(64) == 1, "my.txt: row 356 is not the only longest (64 bytes)")
    check(len(set(texts)) == len(texts), "my.txt: mottos not distinct")
    for row, text in MOTTO_ROWS.items():
        check(row <= len(texts) and texts[row - 1] == text, f"motto row {row}: expected {text}")
    return len(texts)


def main():
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else "assets")
    idioms = check_idioms(folder)
    mottos = check_mottos(folder)
    for message in failures:
        print(f"FAIL {message}")
    print(f"{idioms} idioms, {mottos} mottos: {'all checks passed' if not failures else f'{len(failures)} checks failed'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
