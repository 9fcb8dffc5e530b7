#!/usr/bin/env python3
"""Writes xlsx-array-areas.xlsx: array formulas whose areas all run to the last row, then many plain cells.

Each of the AREAS rows of column A holds an array formula over A{row}:B1048576, so every area stays open to the end
of the sheet and they overlap; the PLAIN_ROWS rows below hold ten plain numbers each (columns A and B inside the
areas, C to J outside). A reader that tested every plain cell against every open area took time growing with cells
times areas. Run from this folder: python3 make_array_areas.py
"""
import os
import zipfile

AREAS = 2000
PLAIN_ROWS = 2000
MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PACKAGE_REL = "http://schemas.openxmlformats.org/package/2006/relationships"
COLUMNS = "ABCDEFGHIJ"


def sheet():
    rows = []
    for row in range(1, AREAS + 1):
        rows.append(f'<row r="{row}"><c r="A{row}"><f t="array" ref="A{row}:B1048576">{row}</f><v>{row}</v></c></row>')
    for row in range(AREAS + 1, AREAS + PLAIN_ROWS + 1):
        cells = "".join(f'<c r="{col}{row}"><v>{row}</v></c>' for col in COLUMNS)
        rows.append(f'<row r="{row}">{cells}</row>')
    return f'<worksheet xmlns="{MAIN}"><sheetData>{"".join(rows)}</sheetData></worksheet>'


PARTS = {
    "[Content_Types].xml":
        '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
        '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
        '<Default Extension="xml" ContentType="application/xml"/>'
        '<Override PartName="/xl/workbook.xml" '
        'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>'
        '<Override PartName="/xl/worksheets/sheet1.xml" '
        'ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/></Types>',
    "_rels/.rels":
        f'<Relationships xmlns="{PACKAGE_REL}"><Relationship Id="rId1" Target="xl/workbook.xml" '
        f'Type="{REL}/officeDocument"/></Relationships>',
    "xl/workbook.xml":
        f'<workbook xmlns="{MAIN}" xmlns:r="{REL}"><sheets><sheet name="Areas" sheetId="1" r:id="rId1"/></sheets>'
        '</workbook>',
    "xl/_rels/workbook.xml.rels":
        f'<Relationships xmlns="{PACKAGE_REL}"><Relationship Id="rId1" Target="worksheets/sheet1.xml" '
        f'Type="{REL}/worksheet"/></Relationships>',
    "xl/worksheets/sheet1.xml": sheet(),
}

if __name__ == "__main__":
    path = os.path.join(os.path.dirname(__file__) or ".", "xlsx-array-areas.xlsx")
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for name, text in PARTS.items():
            # A fixed date keeps the file the same on every run.
            archive.writestr(zipfile.ZipInfo(name, date_time=(2026, 1, 1, 0, 0, 0)), text, zipfile.ZIP_DEFLATED)
