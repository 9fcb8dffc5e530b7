#!/usr/bin/python3
"""Writes the .xls fixtures of the BIFF reader's tests, each beside the .xlsx twin that holds the same workbook:

- libreoffice-sales.xls (BIFF8, LibreOffice headless, filter "MS Excel 97") and libreoffice-sales.xlsx: a sales list
  with Chinese names, codes and an amount as text, numbers, dates, booleans, formulas with number, text, boolean and
  error results, a blank row and a total row; and a sheet of formulas: columns filled down (which the .xls keeps as
  shared formulas), an array formula over B1:B3, array constants, functions, texts, unions and names; and a sheet
  of hyperlinks to a web address, a file and a place in the workbook;
- gnumeric-sales.xls (BIFF7, Gnumeric's ssconvert, "Gnumeric_Excel:excel_biff7", written in the zh_CN locale so that
  its text is in code page 936) from libreoffice-sales.xlsx, its twin (LibreOffice 7.4 exports no BIFF7);
- libreoffice-references.xls (BIFF8, LibreOffice headless) and libreoffice-references.xlsx: formulas that name other
  sheets, a sheet whose name needs quotes, a range of sheets, a workbook name and a name local to a sheet (LibreOffice
  writes no sheet names of another workbook into an .xls, so the tests build such references byte by byte);
- xlwt-sales.xls (BIFF8, Debian's python3-xlwt): the sales list of ../api/openpyxl-sales.xlsx, its twin.

Needs soffice, ssconvert (gnumeric) and python3-xlwt. Run from this folder: /usr/bin/python3 make_fixtures.py
"""
import datetime
import html
import os
import subprocess

import xlwt

HEADER = """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:xlink="http://www.w3.org/1999/xlink"
 xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"
 office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:automatic-styles>
<number:date-style style:name="D"><number:year number:style="long"/><number:text>-</number:text>
<number:month number:style="long"/><number:text>-</number:text><number:day number:style="long"/></number:date-style>
<style:style style:name="date" style:family="table-cell" style:data-style-name="D"/>
</office:automatic-styles>
<office:body><office:spreadsheet>
"""
FOOTER = """<table:named-expressions>
<table:named-range table:name="Quantities" table:base-cell-address="$'销货清单'.$A$1"
 table:cell-range-address="$'销货清单'.$C$2:.$C$4"/>
</table:named-expressions>
</office:spreadsheet></office:body></office:document>
"""


def text(value):
    return f'<table:table-cell office:value-type="string"><text:p>{html.escape(value)}</text:p></table:table-cell>'


def number(value):
    return f'<table:table-cell office:value-type="float" office:value="{value}"/>'


def boolean(value):
    return f'<table:table-cell office:value-type="boolean" office:boolean-value="{str(value).lower()}"/>'


def date(value):
    return f'<table:table-cell table:style-name="date" office:value-type="date" office:date-value="{value}"/>'


def formula(expression, columns=1, rows=1):
    spread = (f' table:number-matrix-columns-spanned="{columns}" table:number-matrix-rows-spanned="{rows}"'
              if columns * rows > 1 else "")
    return f'<table:table-cell table:formula="of:={html.escape(expression)}"{spread}/>'


def empty():
    return "<table:table-cell/>"


def table(name, rows):
    return f'<table:table table:name="{name}">' + "".join(
        "<table:table-row>" + "".join(cells) + "</table:table-row>\n" for cells in rows) + "</table:table>\n"


SALES = [
    ("笔记本电脑", "1234567890123456789", 2, 4999.5, 0.13, "1,234.50", "2026-12-10", True),
    ("无线鼠标", "0012345678901234567", 10, 0.1, 0.13, "加急", "2026-12-11", False),
    ("电脑显示器", "9876543210987654321", 3, 1500.5, 0.09, "", "2026-12-31", True),
]


def sales_sheet():
    rows = [[text(h) for h in ["商品名称", "商品编码", "数量", "单价", "金额", "税率", "税额", "备注", "日期", "含税"]]]
    for r, (name, code, quantity, price, rate, remark, day, taxed) in enumerate(SALES, start=2):
        rows.append([text(name), text(code), number(quantity), number(price), formula(f"[.C{r}]*[.D{r}]"),
                     number(rate), formula(f"ROUND([.E{r}]*[.F{r}];2)"), text(remark) if remark else empty(),
                     date(day), boolean(taxed)])
    rows.append([])
    rows.append([text("合计"), empty(), formula("SUM([.C2:.C4])"), empty(), formula("SUM([.E2:.E4])"), empty(),
                 formula("SUM([.G2:.G4])"), formula('[.A2]&"等"&COUNTA([.A2:.A4])&"项"'), formula("1/0"),
                 formula("[.C6]>10")])
    return table("销货清单", rows)


def formulas_sheet():
    rows = []
    for r in range(1, 11):
        cells = [number(r), formula(f"[.A1:.A3]*2", 1, 3) if r == 1 else empty(), formula(f"[.A{r}]*10+1"),
                 formula(f"IF([.A{r}]>5;\"big\";\"small\")"), formula(f"SUM([.$A$1:.A{r}])"),
                 formula(f"[.A{r}]&\"-\"&[.C{r}]")]
        rows.append(cells)
    rows.append([formula("SUM({1;2;3|4;5;6})"), empty(), formula("MAX([.A1:.A2];[.A5])"), formula("-[.A1]%"),
                 formula("SUM(Quantities)"), formula('"a""b"')])
    return table("Formulas", rows)


def link(label, target):
    return (f'<table:table-cell office:value-type="string"><text:p><text:a xlink:href="{html.escape(target)}">'
            f'{html.escape(label)}</text:a></text:p></table:table-cell>')


def links_sheet():
    return table("Links", [[link("网站", "https://example.com/发票?id=1")],
                           [link("Report", "../reports/report.xls")],
                           [link("Total", "#Formulas.A11")]])


def references_book():
    first = [number(1), number(2), formula("['My Sheet'.A1]*2"), formula("SUM(['My Sheet'.A1:.B2])"),
             formula("SUM([$Sheet1.A1:$Sheet3.A1])"), formula("Totals+1"), formula("[$Sheet3.B2]"),
             formula("SUM([$Sheet3.A1:.B2];[$'My Sheet'.B2])")]
    names = ('<table:named-expressions><table:named-range table:name="Totals" '
             'table:base-cell-address="$Sheet1.$A$1" table:cell-range-address="$Sheet1.$A$1"/>'
             '</table:named-expressions>')
    local = ('<table:named-expressions><table:named-range table:name="Local" '
             'table:base-cell-address="$Sheet3.$A$1" table:cell-range-address="$Sheet3.$B$2"/>'
             '</table:named-expressions>')
    sheets = (table("Sheet1", [first]) + table("My Sheet", [[number(3), number(4)], [number(5), number(6)]]) +
              table("Sheet3", [[number(7), formula("Local+[$Sheet1.B1]")], [empty(), number(8)]]).replace(
                  "</table:table>", local + "</table:table>"))
    return HEADER + sheets + names + "</office:spreadsheet></office:body></office:document>\n"


def convert(source, targets):
    for target in targets:
        subprocess.run(["soffice", "--headless", "--convert-to", target, "--outdir", ".", source], check=True,
                       stdout=subprocess.DEVNULL)


def write_references():
    try:
        with open("libreoffice-references.fods", "w", encoding="utf-8") as f:
            f.write(references_book())
        convert("libreoffice-references.fods", ["xls:MS Excel 97", "xlsx"])
    finally:
        os.remove("libreoffice-references.fods")


def write_xlwt_sales(path):
    """The rows of ../api/make_openpyxl_sales.py, as xlwt writes them."""
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet("销货清单")
    for col, value in enumerate(["商品名称", "商品编码", "数量", "单价", "金额", "日期"]):
        sheet.write(0, col, value)
    sheet.write(1, 0, "笔记本电脑")
    sheet.write(1, 1, "1234567890123456789")
    sheet.write(1, 2, 2)
    sheet.write(1, 3, 4999.5)
    sheet.write(1, 4, xlwt.Formula("C2*D2"))
    sheet.write(1, 5, datetime.datetime(2026, 12, 10), xlwt.easyxf(num_format_str="yyyy-mm-dd h:mm:ss"))
    sheet.write(2, 0, "无线鼠标")
    sheet.write(2, 1, 1234567890123456789)
    sheet.write(2, 2, 10)
    sheet.write(2, 3, 0.1)
    sheet.write(4, 0, "合计")
    sheet.write(4, 2, xlwt.Formula("SUM(C2:C3)"))
    book.save(path)


def main():
    # The source lies here while it is converted, so that the relative link keeps its path.
    source = "libreoffice-sales.fods"
    try:
        with open(source, "w", encoding="utf-8") as f:
            f.write(HEADER + sales_sheet() + formulas_sheet() + links_sheet() + FOOTER)
        convert(source, ["xls:MS Excel 97", "xlsx"])
    finally:
        os.remove(source)
    environment = dict(os.environ, LC_ALL="zh_CN.UTF-8", LANG="zh_CN.UTF-8")
    subprocess.run(["ssconvert", "-T", "Gnumeric_Excel:excel_biff7", "libreoffice-sales.xlsx", "gnumeric-sales.xls"],
                   check=True, env=environment, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    write_references()
    write_xlwt_sales("xlwt-sales.xls")


if __name__ == "__main__":
    main()
