#!/usr/bin/env python3
"""Writes the reader's fixture workbooks with LibreOffice headless from flat OpenDocument sheets written here.

sales.xlsx: a sales list with Chinese product names, a header row, codes stored as text and as a number, a formula
column and a blank row. Run from this folder: python3 make_fixtures.py
"""
import os
import shutil
import subprocess
import tempfile

HEADER = """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:body><office:spreadsheet><table:table table:name="销售">
"""
FOOTER = "</table:table></office:spreadsheet></office:body></office:document>\n"


def text(value):
    return f'<table:table-cell office:value-type="string"><text:p>{value}</text:p></table:table-cell>'


def number(value):
    return f'<table:table-cell office:value-type="float" office:value="{value}"><text:p>{value}</text:p></table:table-cell>'


def formula(expression):
    return f'<table:table-cell table:formula="of:{expression}" office:value-type="float"/>'


def row(*cells):
    return "<table:table-row>" + "".join(cells) + "</table:table-row>\n"


SALES = [
    row(text("产品"), text("编号"), text("数量"), text("单价"), text("金额")),
    row(text("苹果"), text("00123"), number(10), number(2.5), formula("[.C2]*[.D2]")),
    row(text("香蕉"), text("4567890123456789012"), number(3), number(1.25), formula("[.C3]*[.D3]")),
    row(),
    row(text("橙子"), number(1234567890123456789), number(7), number(0.1), formula("[.C5]*[.D5]")),
]


def convert(name, rows):
    work = tempfile.mkdtemp()
    try:
        source = os.path.join(work, name + ".fods")
        with open(source, "w", encoding="utf-8") as out:
            out.write(HEADER + "".join(rows) + FOOTER)
        subprocess.run(["soffice", "-env:UserInstallation=file://" + os.path.join(work, "profile"), "--headless",
                        "--convert-to", "xlsx", "--outdir", work, source], check=True, timeout=120)
        shutil.copy(os.path.join(work, name + ".xlsx"), os.path.join(os.path.dirname(__file__) or ".", name + ".xlsx"))
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    convert("sales", SALES)
