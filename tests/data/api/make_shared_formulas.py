#!/usr/bin/python3
"""Writes shared-formulas.xlsx and shared-formulas.tsv with LibreOffice headless and Debian's python3-openpyxl.

LibreOffice writes the workbook from a flat OpenDocument sheet written here: a column of numbers, formula columns
filled down (relative, absolute and mixed references, another sheet's cells, a quoted sheet name, texts, functions
with several arguments) and defined names for a range, a cell and a constant. LibreOffice writes every formula of a
.xlsx package in full, while Excel writes a column filled down as one shared formula: the formula of its first cell
with the area it covers, the other cells naming it by its shared index. This script folds each column the same way,
taking a cell into the shared formula only when openpyxl's translator, moving the first cell's formula to it, gives
exactly the formula LibreOffice wrote there.

shared-formulas.tsv lists every formula cell of the first sheet with the formula it must read back as: for the other
cells of a shared formula, openpyxl's translation of the first cell's formula.

Run from this folder: /usr/bin/python3 make_shared_formulas.py
"""
import html
import os
import re
import shutil
import subprocess
import tempfile
import zipfile

from openpyxl.formula.translate import Translator
from openpyxl.utils.cell import coordinate_from_string

HEADER = """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:body><office:spreadsheet>
"""
FOOTER = """<table:named-expressions>
<table:named-range table:name="Prices" table:base-cell-address="$Data.$A$1" table:cell-range-address="$Data.$B$2:.$B$11"/>
<table:named-range table:name="First" table:base-cell-address="$Data.$A$1" table:cell-range-address="$Data.$A$2"/>
<table:named-expression table:name="Rate" table:base-cell-address="$Data.$A$1" table:expression="of:=0.17"/>
</table:named-expressions>
</office:spreadsheet></office:body></office:document>
"""
ROWS = range(2, 12)

# The formula columns of the Data sheet, C to K, in OpenFormula syntax with {r} for the row.
FORMULAS = [
    "[.A{r}]*[.B{r}]",
    "[.C{r}]/SUM([.$C$2:.$C$11])",
    'IF([.A{r}]>5;"big";"small")',
    "[$Other.A{r}]+[.A{r}]",
    "[$'My Sheet'.B{r}]*2",
    "ROUND([.B{r}]*1.1;2)",
    "SUM([.$A$2:.A{r}])",
    '[.A{r}]&"-"&[.B{r}]',
]


def text(value):
    return f'<table:table-cell office:value-type="string"><text:p>{value}</text:p></table:table-cell>'


def number(value):
    return f'<table:table-cell office:value-type="float" office:value="{value}"/>'


def formula(expression):
    return f'<table:table-cell table:formula="of:={html.escape(expression)}"/>'


def table(name, rows):
    return f'<table:table table:name="{name}">' + "".join(
        "<table:table-row>" + "".join(cells) + "</table:table-row>\n" for cells in rows) + "</table:table>\n"


def document():
    data = [[text(h) for h in ["Qty", "Price", "Amount", "Share", "Size", "Plus", "Double", "Taxed", "Running",
                              "Label", "Total"]]]
    for r in ROWS:
        cells = [number(r - 1), number(1.25 * r)] + [formula(f.format(r=r)) for f in FORMULAS]
        if r == 2:
            cells.append(formula("SUM(Prices)*Rate+First"))
        data.append(cells)
    other = [[number(10 * r)] for r in range(1, 12)]
    mine = [[number(0), number(r + 0.5)] for r in range(1, 12)]
    return HEADER + table("Data", data) + table("Other", other) + table("My Sheet", mine) + FOOTER


FORMULA_CELL = re.compile(r'<c r="([A-Z]+)(\d+)"([^>]*)><f aca="false">([^<]*)</f>')


def fold_shared_formulas(sheet):
    """The sheet XML with each column's formulas folded into shared formulas, and the formula of every cell."""
    cells = {(m.group(1), int(m.group(2))): html.unescape(m.group(4)) for m in FORMULA_CELL.finditer(sheet)}
    expected = dict(cells)
    groups = {}
    for column in sorted({c for c, _ in cells}):
        rows = sorted(r for c, r in cells if c == column)
        master = rows[0]
        translator = Translator("=" + cells[(column, master)], origin=f"{column}{master}")
        members = [master]
        for r in rows[1:]:
            moved = translator.translate_formula(f"{column}{r}")[1:]
            if moved != cells[(column, r)] or r != members[-1] + 1:
                break
            members.append(r)
            expected[(column, r)] = moved
        if len(members) > 1:
            groups[column] = (len(groups), members)

    def fold(m):
        column, row = m.group(1), int(m.group(2))
        if column not in groups or row not in groups[column][1]:
            return m.group(0)
        index, members = groups[column]
        if row == members[0]:
            return (f'<c r="{column}{row}"{m.group(3)}><f t="shared" ref="{column}{members[0]}:{column}{members[-1]}"'
                    f' si="{index}">{m.group(4)}</f>')
        return f'<c r="{column}{row}"{m.group(3)}><f t="shared" si="{index}"/>'

    return FORMULA_CELL.sub(fold, sheet), expected


def main():
    work = tempfile.mkdtemp()
    try:
        source = os.path.join(work, "shared-formulas.fods")
        with open(source, "w", encoding="utf-8") as f:
            f.write(document())
        subprocess.run(["soffice", "--headless", "--convert-to", "xlsx", "--outdir", work, source], check=True,
                       stdout=subprocess.DEVNULL)
        written = os.path.join(work, "shared-formulas.xlsx")
        with zipfile.ZipFile(written) as package:
            parts = {name: package.read(name) for name in package.namelist()}
        sheet, expected = fold_shared_formulas(parts["xl/worksheets/sheet1.xml"].decode("utf-8"))
        parts["xl/worksheets/sheet1.xml"] = sheet.encode("utf-8")
        with zipfile.ZipFile("shared-formulas.xlsx", "w", zipfile.ZIP_DEFLATED) as package:
            for name, data in parts.items():
                package.writestr(name, data)
        with open("shared-formulas.tsv", "w", encoding="utf-8") as f:
            f.write("# cell\tformula text (the other cells of a shared formula: openpyxl's translation)\n")
            for (column, row), value in sorted(expected.items(), key=lambda item: (item[0][1], item[0][0])):
                f.write(f"{column}{row}\t{value}\n")
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    main()
