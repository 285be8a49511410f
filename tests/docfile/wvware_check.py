#!/usr/bin/python3
"""Reads the worksheet template and a finished worksheet with wvWare, a reader independent of
LibreOffice: paragraphs, styles, alignment, drawn-object anchors, and where typed text lands.

usage: wvware_check.py TEMPLATE.doc FIXTURE-WRITER ARTEFACTS-FOLDER
"""
import os
import subprocess
import sys

IDIOMS = ["一心一意", "三心二意", "四面八方", "五湖四海", "七上八下", "九牛一毛", "十全十美",
          "百发百中", "千言万语", "万紫千红", "山清水秀", "鸟语花香", "春暖花开"]
HEADER = "常用成语大全" + " " * 26 + "姓名：" + " " * 17 + "评分："
CLOSING = "书山有路勤为径，学海无涯苦作舟。"

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def wvware(path, config):
    run = subprocess.run(["wvWare", "-x", "/usr/share/wv/" + config, path],
                         capture_output=True, text=True)
    check(run.returncode == 0 and not run.stderr.strip(),
          "%s: wvWare exit %d: %s" % (path, run.returncode, run.stderr.strip()[:200]))
    return run.stdout


def main():
    template, fixture_writer, artefacts = sys.argv[1:4]
    os.makedirs(artefacts, exist_ok=True)

    xml = wvware(template, "wvXml.xml")
    # 40 main paragraphs, 3 in each of the 156 boxes' ranges, the spare range, the final mark.
    check(xml.count("<p class=") == 510, "template: %d paragraphs" % xml.count("<p class="))
    check(xml.count('<p class="Title"') == 1, "template: not one Title paragraph")
    check(xml.count("text-align: center") == 3, "template: %d centred paragraphs, expected 3" %
          xml.count("text-align: center"))
    check(xml.count('alt="0x08 graphic"') == 156, "template: %d drawn-object anchors" %
          xml.count('alt="0x08 graphic"'))

    worksheet = os.path.join(artefacts, "worksheet-wv.doc")
    subprocess.run([fixture_writer, worksheet], check=True)
    lines = [line.strip("\n") for line in wvware(worksheet, "wvText.xml").splitlines()]
    lines = [line for line in lines if line.strip()]
    check(lines[:2] == ["小学生学写成语练习", HEADER], "worksheet: title and header %r" % lines[:2])
    closing = [i for i, line in enumerate(lines) if line.endswith(CLOSING)]
    check(len(closing) == 1, "worksheet: closing line not found once")
    if closing:
        # The text-box story follows the main text, box by box in anchor order: each row from
        # column 12 to column 1.
        boxes = "".join(lines[closing[0] + 1:])
        expected = "".join(idiom[::-1] for idiom in IDIOMS)
        check(boxes == expected, "worksheet: box text %r, expected %r" % (boxes, expected))

    for failure in failures:
        print("FAIL:", failure)
    print("%d failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
