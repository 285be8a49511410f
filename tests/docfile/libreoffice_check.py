#!/usr/bin/python3
"""Reads the worksheet template and a finished worksheet with LibreOffice (headless, UNO).

Checks the template's paragraphs, its 156 drawn boxes (groups of a text box and two dotted
guide lines), their positions, sizes and stacking, and what a character typed at the start of
each box looks like; renders the template and the finished worksheet to PDF and PNG, keeps the
pictures in the artefacts folder and checks the rendered grid and the one-page worksheet.

usage: libreoffice_check.py TEMPLATE.doc FIXTURE-WRITER ARTEFACTS-FOLDER
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import uno
from com.sun.star.beans import PropertyValue
from com.sun.star.connection import NoConnectException

ROWS, COLUMNS = 13, 12
COLUMN_LEFT = [0, 831, 1665, 2500, 3334, 4168, 5002, 5836, 6670, 7504, 8338, 9172]  # twips
BOX_WIDTH, BOX_HEIGHT = 839, 834
MARGIN_LEFT, TEXT_WIDTH = 947, 10012
GUIDE_GREY = 0xC0C0C0
KAITI = "楷体"
DPI = 100

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def hundredths_of_mm(twips):
    return twips * 2540 / 1440


def near(value, expected, tolerance=3):
    return abs(value - expected) <= tolerance


def prop(name, value):
    p = PropertyValue()
    p.Name, p.Value = name, value
    return p


class Office:
    """One LibreOffice process with a private profile, ended with the checks."""

    def __init__(self, profile):
        pipe = "mochi_docfile_%d" % os.getpid()
        self.process = subprocess.Popen(
            ["soffice", "--headless", "--invisible", "--norestore", "--nologo", "--nodefault",
             "-env:UserInstallation=file://" + profile, "--accept=pipe,name=%s;urp;" % pipe],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext(
            "com.sun.star.bridge.UnoUrlResolver", local)
        context = None
        for _ in range(600):
            try:
                context = resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
                break
            except NoConnectException:
                time.sleep(0.1)
        if context is None:
            self.close()
            raise RuntimeError("LibreOffice did not start")
        self.desktop = context.ServiceManager.createInstanceWithContext(
            "com.sun.star.frame.Desktop", context)

    def load(self, path):
        return self.desktop.loadComponentFromURL(
            uno.systemPathToFileUrl(os.path.abspath(path)), "_blank", 0, (prop("Hidden", True),))

    def close(self):
        try:
            self.desktop.terminate()
        except Exception:
            pass
        try:
            self.process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            os.killpg(self.process.pid, signal.SIGKILL)


def paragraphs(text):
    found = []
    walk = text.createEnumeration()
    while walk.hasMoreElements():
        element = walk.nextElement()
        if element.supportsService("com.sun.star.text.Paragraph"):
            found.append(element)
    return found


def paragraph_of(document, starts, anchor):
    """1-based number of the main-text paragraph holding an anchor."""
    low, high = 0, len(starts) - 1
    while low < high:
        middle = (low + high + 1) // 2
        # compareRegionStarts: -1 when the first starts after the second.
        if document.Text.compareRegionStarts(starts[middle], anchor) == -1:
            high = middle - 1
        else:
            low = middle
    return low + 1


def column_of(group):
    for column, left in enumerate(COLUMN_LEFT, start=1):
        if near(group.HoriOrientPosition, hundredths_of_mm(left)):
            return column
    return None


def export(document, pdf, png_base):
    document.storeToURL(uno.systemPathToFileUrl(pdf), (prop("FilterName", "writer_pdf_Export"),))
    subprocess.run(["pdftoppm", "-r", str(DPI), "-png", "-singlefile", pdf, png_base], check=True)
    subprocess.run(["pdftoppm", "-r", str(DPI), "-gray", "-singlefile", pdf, png_base], check=True)
    return read_pgm(png_base + ".pgm")


def read_pgm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, offset = [], 0
    while len(fields) < 4:
        while data[offset:offset + 1].isspace():
            offset += 1
        end = offset
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[offset:end])
        offset = end
    width, height = int(fields[1]), int(fields[2])
    pixels = data[offset + 1:]
    return width, height, [pixels[y * width:(y + 1) * width] for y in range(height)]


def dark_runs(values):
    runs, inside = [], False
    for i, v in enumerate(values):
        if v < 128 and not inside:
            runs.append(i)
        inside = v < 128
    return runs


def page_pixels(twips_from_page_edge):
    return twips_from_page_edge / 1440 * DPI


def check_template(office, template, artefacts):
    document = office.load(template)
    main = paragraphs(document.Text)
    check(len(main) == 40, "template: %d paragraphs, expected 40" % len(main))
    if len(main) == 40:
        check(main[0].CharHeight == 22 and main[0].OutlineLevel == 1,
              "paragraph 1: %s pt, outline level %s" % (main[0].CharHeight, main[0].OutlineLevel))
        for number in (1, 3, 40):
            check(main[number - 1].ParaAdjust == 3, "paragraph %d not centred" % number)
        check(main[3].ParaAdjust == 2, "Normal paragraphs not justified")
        check(main[39].getString() == "\n\n\n", "paragraph 40 does not open with three line breaks")
    starts = [p.getStart() for p in main]

    page = document.DrawPage
    check(page.Count == 156, "template: %d drawn objects, expected 156" % page.Count)
    boxes = {}
    for index in range(page.Count):
        group = page.getByIndex(index)
        where = "object %d" % index
        if group.ShapeType != "com.sun.star.drawing.GroupShape" or group.Count != 3:
            check(False, "%s: %s of %d shapes, expected a group of 3" % (where, group.ShapeType,
                                                                        group.Count))
            continue
        column = column_of(group)
        row = (paragraph_of(document, starts, group.Anchor) - 4) // 3 + 1
        check(column is not None, "%s: horizontal position %d is no column's" %
              (where, group.HoriOrientPosition))
        if column is None:
            continue
        where = "row %d column %d" % (row, column)
        boxes[(row, column)] = group
        check(group.VertOrientPosition == 0, where + ": not at the top of its paragraph")
        check(near(group.Size.Width, hundredths_of_mm(BOX_WIDTH)) and
              near(group.Size.Height, hundredths_of_mm(BOX_HEIGHT)),
              "%s: size %dx%d" % (where, group.Size.Width, group.Size.Height))
        check(group.ZOrder == (row - 1) * COLUMNS + column - 1,
              "%s: stacked at %d, expected reading order" % (where, group.ZOrder))
        text_box, across, down = (group.getByIndex(i) for i in range(3))
        check(text_box.ShapeType == "com.sun.star.drawing.TextShape", where + ": no text box below")
        check(len(paragraphs(text_box.getText())) == 2, where + ": text box without 2 paragraphs")
        check(text_box.LineWidth == 35 and text_box.LineColor == 0 and text_box.FillColor == 0xFFFFFF,
              where + ": text box border or fill")
        for line, name in ((across, "horizontal"), (down, "vertical")):
            check(line.ShapeType == "com.sun.star.drawing.LineShape" and
                  line.LineStyle.value == "DASH" and line.LineColor == GUIDE_GREY and
                  line.LineWidth == 53 and line.LineCap.value == "ROUND",
                  "%s: %s guide line is not a grey 1.5 pt round-dotted line" % (where, name))
        check(near(across.Position.Y - group.Position.Y, hundredths_of_mm(418)) and
              near(across.Size.Width, hundredths_of_mm(839)), where + ": horizontal guide")
        check(near(down.Position.X - group.Position.X, hundredths_of_mm(417)) and
              near(down.Size.Height, hundredths_of_mm(828)), where + ": vertical guide")
    check(len(boxes) == 156, "template: %d distinct boxes, expected 156" % len(boxes))
    for paragraph in range(4, 41, 3):
        row = (paragraph - 4) // 3 + 1
        check(all((row, c) in boxes for c in range(1, 13)),
              "paragraph %d does not anchor all of row %d" % (paragraph, row))

    grid = export(document, os.path.join(artefacts, "template.pdf"),
                  os.path.join(artefacts, "template"))
    check_rendered_grid(grid)

    # Typing: a character typed at the start of each box.
    for (row, column), group in sorted(boxes.items()):
        text = group.getByIndex(0).getText()
        cursor = text.createTextCursor()
        cursor.gotoStart(False)
        text.insertString(cursor, "永", False)
        typed = text.createTextCursor()
        typed.gotoStart(False)
        typed.goRight(1, True)
        if column <= 4:
            check(typed.CharHeight == 36, "row %d column %d: typed at %s pt, expected 36" %
                  (row, column, typed.CharHeight))
        else:
            check(typed.CharHeight == 30 and typed.CharFontNameAsian.split(";")[0] == KAITI,
                  "row %d column %d: typed at %s pt %s, expected 30 pt %s" %
                  (row, column, typed.CharHeight, typed.CharFontNameAsian, KAITI))
    document.close(True)


def check_rendered_grid(picture):
    """The picture of the template: 13 rows of 12 boxes filling the text width, a dotted grey
    cross in every box."""
    width, height, rows = picture
    left = page_pixels(MARGIN_LEFT)
    right = page_pixels(MARGIN_LEFT + TEXT_WIDTH - 1)
    column_scan = [rows[y][int(left + page_pixels(BOX_WIDTH) / 4)] for y in range(height)]
    edges = dark_runs(column_scan)
    check(len(edges) == 2 * ROWS, "picture: %d horizontal borders, expected %d" %
          (len(edges), 2 * ROWS))
    if len(edges) != 2 * ROWS:
        return
    for row in range(ROWS):
        top, bottom = edges[2 * row], edges[2 * row + 1]
        middle = rows[(top + bottom) // 2 + 3]  # a little below the horizontal guide
        borders = dark_runs(middle)
        check(len(borders) == COLUMNS + 1, "picture row %d: %d vertical borders, expected 13" %
              (row + 1, len(borders)))
        check(near(borders[0], left, 2) and near(borders[-1], right, 2),
              "picture row %d: grid from %d to %d px, text column %.0f to %.0f" %
              (row + 1, borders[0], borders[-1], left, right))
        guide = rows[(top + bottom) // 2]
        for column in range(COLUMNS):
            x0 = int(left + page_pixels(COLUMN_LEFT[column])) + 4
            span = guide[x0:x0 + int(page_pixels(BOX_WIDTH)) - 8]
            check(any(100 < v < 240 for v in span),
                  "picture row %d column %d: no grey guide" % (row + 1, column + 1))


def check_worksheet(office, fixture_writer, artefacts):
    path = os.path.join(artefacts, "worksheet.doc")
    subprocess.run([fixture_writer, path], check=True)
    document = office.load(path)
    main = paragraphs(document.Text)
    check(len(main) == 40, "worksheet: %d paragraphs" % len(main))
    if len(main) == 40:
        title = main[0]
        check(title.getString() == "小学生学写成语练习" and title.CharHeight == 22 and
              title.CharWeight == 150 and title.ParaAdjust == 3,
              "worksheet title: %r %s pt weight %s" % (title.getString(), title.CharHeight,
                                                       title.CharWeight))
        check(main[2].getString().startswith("常用成语大全") and main[2].ParaAdjust == 3,
              "worksheet header: %r" % main[2].getString())
        check(main[39].getString().endswith("书山有路勤为径，学海无涯苦作舟。") and
              main[39].ParaAdjust == 3, "worksheet closing line: %r" % main[39].getString())
    typed = 0
    page = document.DrawPage
    for index in range(page.Count):
        group = page.getByIndex(index)
        text = group.getByIndex(0).getText()
        content = text.getString().strip()
        if content:
            typed += 1
            cursor = text.createTextCursor()
            cursor.gotoStart(False)
            cursor.goRight(1, True)
            check(cursor.CharHeight == 36 and column_of(group) <= 4,
                  "worksheet box %d: %r at %s pt" % (index, content, cursor.CharHeight))
    check(typed == 52, "worksheet: %d boxes hold text, expected 52" % typed)

    pdf = os.path.join(artefacts, "worksheet.pdf")
    picture = export(document, pdf, os.path.join(artefacts, "worksheet"))
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    check("Pages:           1" in info, "worksheet: not one page")
    check("(A4)" in info, "worksheet: not A4")
    document.close(True)
    return picture


def check_closing_line_below_grid(template_picture, worksheet_picture):
    """The closing line stands below the grid, centred on the text column."""
    _, height, template_rows = template_picture
    _, _, sheet_rows = worksheet_picture
    grid_bottom = max(y for y in range(height) if any(v < 128 for v in template_rows[y]))
    ink = [(y, x) for y in range(grid_bottom + 2, height)
           for x, v in enumerate(sheet_rows[y]) if v < 128]
    check(bool(ink), "worksheet: nothing below the grid")
    if ink:
        xs = [x for _, x in ink]
        centre = page_pixels(MARGIN_LEFT + TEXT_WIDTH / 2)
        check(near((min(xs) + max(xs)) / 2, centre, 8),
              "worksheet: closing line centred at %.0f px, text column at %.0f px" %
              ((min(xs) + max(xs)) / 2, centre))


def main():
    template, fixture_writer, artefacts = sys.argv[1:4]
    os.makedirs(artefacts, exist_ok=True)
    profile = tempfile.mkdtemp(prefix="mochi-lo-profile-")
    office = Office(profile)
    try:
        check_template(office, template, artefacts)
        worksheet = check_worksheet(office, fixture_writer, artefacts)
        template_picture = read_pgm(os.path.join(artefacts, "template.pgm"))
        check_closing_line_below_grid(template_picture, worksheet)
    finally:
        office.close()
        shutil.rmtree(profile, ignore_errors=True)
    for failure in failures[:40]:
        print("FAIL:", failure)
    print("%d failures; pictures in %s" % (len(failures), artefacts))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
