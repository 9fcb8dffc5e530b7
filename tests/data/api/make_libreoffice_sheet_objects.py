#!/usr/bin/python3
"""Writes libreoffice-sheet-objects.xlsx, the fixture of the facade's sheet-object tests: a workbook saved by
LibreOffice headless with a table with an autofilter, structured references, conditional formats, data validations,
hyperlinks to a web address and to a place in the workbook, comments with rich text, and print settings with a
header and footer, a print area and print titles.

openpyxl lays the workbook out; LibreOffice, driven through its UNO bridge, opens it, formats the comments' text
(openpyxl writes plain comments only) and saves it, so every byte of the fixture is LibreOffice's. LibreOffice
headless keeps no window view, so it writes no frozen panes; nor does it write custom views (it has none) or a
table's sort state: the tests take those from other fixtures. Run from this folder with Debian's python3
(python3-openpyxl, python3-uno) and soffice (libreoffice-calc-nogui): /usr/bin/python3 make_libreoffice_sheet_objects.py
"""
import os
import shutil
import subprocess
import tempfile
import time

import openpyxl
import uno
from com.sun.star.beans import PropertyValue
from com.sun.star.connection import NoConnectException
from openpyxl.comments import Comment
from openpyxl.formatting.rule import CellIsRule
from openpyxl.styles import PatternFill
from openpyxl.worksheet.datavalidation import DataValidation
from openpyxl.worksheet.hyperlink import Hyperlink
from openpyxl.worksheet.filters import AutoFilter
from openpyxl.worksheet.table import Table, TableStyleInfo

ROWS = [("Item", "Qty", "Price", "Amount"), ("Apple", 10, 2.5), ("Pear", 3, 1.25), ("Plum", 7, 0.5), ("Fig", 12, 3)]
PIPE = "tallyvane_fixtures"


def layout(path):
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "Sales"
    for row in ROWS:
        ws.append(row)
    for r in range(2, 6):
        ws.cell(r, 4).value = "=Prices[[#This Row],[Qty]]*Prices[[#This Row],[Price]]"
    ws["F1"] = "Total"
    ws["F2"] = "=SUM(Prices[Amount])"
    table = Table(displayName="Prices", ref="A1:D5")
    table.tableStyleInfo = TableStyleInfo(name="TableStyleMedium9", showRowStripes=True)
    table.autoFilter = AutoFilter(ref="A1:D5")
    ws.add_table(table)
    yellow = PatternFill("solid", fgColor="FFFF00")
    ws.conditional_formatting.add("B2:B5", CellIsRule(operator="greaterThan", formula=["5"], fill=yellow))
    whole = DataValidation(type="whole", operator="between", formula1="1", formula2="100", showErrorMessage=True,
                           errorTitle="Quantity", error="A whole number from 1 to 100")
    whole.add("B2:B5")
    ws.add_data_validation(whole)
    items = DataValidation(type="list", formula1='"Apple,Pear,Plum,Fig"', showDropDown=False)
    items.add("A2:A5")
    ws.add_data_validation(items)
    ws["A7"] = "Catalogue"
    ws["A7"].hyperlink = "https://example.com/catalogue?kind=fruit&page=2"
    ws["A8"] = "Notes"
    ws["A8"].hyperlink = Hyperlink(ref="A8", location="Notes!B2")
    ws["A2"].comment = Comment("Fresh apples from the north", "Ann")
    ws["B3"].comment = Comment("Count again", "Bob")
    ws.page_setup.orientation = "landscape"
    ws.page_setup.paperSize = 9
    ws.page_margins.left = 0.5
    ws.oddHeader.left.text = "Sales"
    ws.oddHeader.right.text = "Page &P"
    ws.oddFooter.center.text = "Confidential"
    ws.print_title_rows = "1:1"
    ws.print_area = "A1:D5"
    notes = wb.create_sheet("Notes")
    notes["B2"] = "Prices are per kilogram."
    wb.save(path)


def prop(name, value):
    result = PropertyValue()
    result.Name = name
    result.Value = value
    return result


def connect(work):
    process = subprocess.Popen(["soffice", "-env:UserInstallation=file://" + os.path.join(work, "profile"),
                                "--headless", "--invisible", "--norestore", "--accept=pipe,name=%s;urp;" % PIPE])
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
    for _ in range(240):
        try:
            context = resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % PIPE)
            return process, context.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", context)
        except NoConnectException:
            time.sleep(0.5)
    process.kill()
    raise RuntimeError("LibreOffice did not start")


def bold(annotation, characters):
    cursor = annotation.createTextCursor()
    cursor.gotoStart(False)
    cursor.goRight(characters, True)
    cursor.CharWeight = 150.0


def save_with_libreoffice(source, target):
    work = tempfile.mkdtemp()
    process, desktop = connect(work)
    try:
        doc = desktop.loadComponentFromURL(uno.systemPathToFileUrl(source), "_blank", 0, (prop("Hidden", True),))
        sheet = doc.Sheets.getByName("Sales")
        bold(sheet.getCellByPosition(0, 1).Annotation, len("Fresh"))
        out = os.path.join(work, "out.xlsx")
        doc.storeToURL(uno.systemPathToFileUrl(out), (prop("FilterName", "Calc MS Excel 2007 XML"),))
        doc.close(True)
        shutil.copy(out, target)
    finally:
        try:
            desktop.terminate()
        except Exception:
            pass
        process.wait(timeout=120)
        shutil.rmtree(work)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    work = tempfile.mkdtemp()
    try:
        source = os.path.join(work, "layout.xlsx")
        layout(source)
        save_with_libreoffice(source, os.path.join(here, "libreoffice-sheet-objects.xlsx"))
    finally:
        shutil.rmtree(work)
