#!/usr/bin/python3
"""mochi-sheet's .doc as LibreOffice sees it: one A4 page holding the sheet mochi-sheet printed.

Makes a Words sheet, converts it to PDF with LibreOffice (headless, private profile), checks the
page count and size and that the title, the header and every typed character are on the page,
and keeps the PDF and a PNG of the page in the artefacts folder.

usage: sheet_render_check.py MOCHI-SHEET ARTEFACTS-FOLDER
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile


def main():
    sheet, artefacts = sys.argv[1:3]
    os.makedirs(artefacts, exist_ok=True)
    doc = os.path.join(artefacts, "mochi-sheet-words.doc")
    printed = subprocess.run([sheet, "--kind", "words", "--seed", "5", "-o", doc],
                             capture_output=True, text=True, check=True).stdout
    typed = re.findall(r"\| (\S) \| (\S) \|", printed)
    failures = []
    if len(typed) != 13:
        failures.append("mochi-sheet printed %d filled rows, expected 13" % len(typed))

    profile = tempfile.mkdtemp(prefix="mochi-lo-sheet-")
    try:
        subprocess.run(["soffice", "--headless", "--norestore",
                        "-env:UserInstallation=file://" + profile,
                        "--convert-to", "pdf", "--outdir", artefacts, doc],
                       capture_output=True, check=True, timeout=180)
    finally:
        shutil.rmtree(profile, ignore_errors=True)
    pdf = doc[:-4] + ".pdf"
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    if not re.search(r"^Pages:\s+1$", info, re.M):
        failures.append("not one page:\n" + info)
    if "(A4)" not in info:
        failures.append("not A4:\n" + info)

    text = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True,
                          check=True).stdout
    for expected in ("小学生学写词组练习", "常用近、反义词组库", "姓名：", "评分："):
        if expected not in text:
            failures.append("%s is not on the page" % expected)
    for first, second in typed:
        for character in (first, second):
            if character not in text:
                failures.append("typed %s is not on the page" % character)

    subprocess.run(["pdftoppm", "-png", "-r", "80", "-singlefile", pdf, doc[:-4]], check=True)
    for failure in failures:
        print("FAIL:", failure)
    print("%d failures; page in %s.png" % (len(failures), doc[:-4]))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
