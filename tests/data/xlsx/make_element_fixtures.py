#!/usr/bin/python3
"""Writes the fixtures of the element-class tests: one workbook saved by openpyxl and the same workbook saved again by
LibreOffice headless, each with the sheet members, comments, a table, an autofilter with a sort state, a chart sheet
(openpyxl only; LibreOffice turns it into a worksheet) and an external link with cached values.

openpyxl-elements.xlsx, libreoffice-elements.xlsx. Run from this folder with Debian's python3 (python3-openpyxl) and
soffice (libreoffice-calc-nogui): /usr/bin/python3 make_element_fixtures.py
"""
import os
import shutil
import subprocess
import tempfile

import openpyxl
from openpyxl.chart import BarChart, Reference
from openpyxl.comments import Comment
from openpyxl.formatting.rule import CellIsRule, ColorScaleRule, DataBarRule, IconSetRule
from openpyxl.packaging.relationship import Relationship
from openpyxl.styles import PatternFill
from openpyxl.workbook.external_link.external import (ExternalBook, ExternalCell, ExternalDefinedName, ExternalLink,
                                                      ExternalRow, ExternalSheetData, ExternalSheetDataSet,
                                                      ExternalSheetNames)
from openpyxl.worksheet.datavalidation import DataValidation
from openpyxl.worksheet.pagebreak import Break
from openpyxl.worksheet.scenario import InputCells, Scenario
from openpyxl.worksheet.table import Table, TableStyleInfo

ROWS = [("Item", "Qty", "Price"), ("Apple", 10, 2.5), ("Pear", 3, 1.25), ("Plum", 7, 0.5)]


def sales_sheet(ws):
    for row in ROWS:
        ws.append(row)
    ws.merge_cells("E1:F2")
    yellow = PatternFill("solid", fgColor="FFFF00")
    ws.conditional_formatting.add("B2:B4", CellIsRule(operator="greaterThan", formula=["5"], fill=yellow))
    ws.conditional_formatting.add("C2:C4", ColorScaleRule(start_type="min", start_color="FF0000", end_type="max",
                                                          end_color="00FF00"))
    ws.conditional_formatting.add("B2:B4", DataBarRule(start_type="num", start_value=0, end_type="num", end_value=10,
                                                       color="638EC6"))
    ws.conditional_formatting.add("C2:C4", IconSetRule("3Arrows", "percent", [0, 33, 67]))
    validation = DataValidation(type="whole", operator="between", formula1="1", formula2="100", allow_blank=True,
                                showErrorMessage=True, errorTitle="Bad", error="1 to 100")
    validation.add("B2:B4")
    ws.add_data_validation(validation)
    ws["A2"].hyperlink = "https://example.com/apple"
    ws["A3"].hyperlink = "#Sales!C3"
    ws["A2"].comment = Comment("Fresh apples", "Ann")
    ws["B3"].comment = Comment("Check count", "Bob")
    ws.print_options.gridLines = True
    ws.page_margins.left = 0.5
    ws.page_setup.orientation = "landscape"
    ws.page_setup.paperSize = 9
    ws.oddHeader.center.text = "Sales &D"
    ws.row_breaks.append(Break(id=2))
    ws.col_breaks.append(Break(id=1))
    ws.freeze_panes = "B2"
    table = Table(displayName="Prices", ref="A1:C4")
    table.tableStyleInfo = TableStyleInfo(name="TableStyleMedium9", showRowStripes=True)
    ws.add_table(table)
    ws["D2"] = "=[1]Rates!$B$1*C2"


def filtered_sheet(ws):
    for row in ROWS:
        ws.append(row)
    ws.auto_filter.ref = "A1:C4"
    ws.auto_filter.add_filter_column(0, ["Apple", "Plum"])
    ws.auto_filter.add_sort_condition("B2:B4", descending=True)
    ws.scenarios.append(Scenario(name="High", user="Ann", inputCells=[InputCells(r="B2", val="20")]))
    ws.protection.sheet = True


def external_link():
    cells = [ExternalCell(r="A1", t="str", v="VAT"), ExternalCell(r="B1", v="0.13")]
    book = ExternalBook(sheetNames=ExternalSheetNames(sheetName=["Rates", "Notes"]),
                        definedNames=[ExternalDefinedName(name="Rate", refersTo="Rates!$B$1")],
                        sheetDataSet=ExternalSheetDataSet(
                            sheetData=[ExternalSheetData(sheetId=0, row=[ExternalRow(r=1, cell=cells)])]),
                        id="rId1")
    link = ExternalLink(externalBook=book)
    link.file_link = Relationship(type="externalLinkPath", Target="rates.xlsx", TargetMode="External", Id="rId1")
    return link


def write(folder):
    wb = openpyxl.Workbook()
    sales = wb.active
    sales.title = "Sales"
    sales_sheet(sales)
    filtered_sheet(wb.create_sheet("Filtered"))
    chart = BarChart()
    chart.add_data(Reference(sales, min_col=2, min_row=1, max_row=4), titles_from_data=True)
    wb.create_chartsheet("Chart").add_chart(chart)
    wb._external_links.append(external_link())
    path = os.path.join(folder, "openpyxl-elements.xlsx")
    wb.save(path)
    return path


def convert(source, target):
    work = tempfile.mkdtemp()
    try:
        subprocess.run(["soffice", "-env:UserInstallation=file://" + os.path.join(work, "profile"), "--headless",
                        "--convert-to", "xlsx", "--outdir", work, source], check=True, timeout=180)
        shutil.copy(os.path.join(work, os.path.basename(source)), target)
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    convert(write(here), os.path.join(here, "libreoffice-elements.xlsx"))
