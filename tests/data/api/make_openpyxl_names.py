#!/usr/bin/python3
"""Writes openpyxl-names.xlsx, the fixture of the facade's names and external-link tests: a workbook saved by openpyxl
with defined names of the workbook and of a sheet, a print area and print titles, an external link to rates.xlsx with
cached values and a defined name, formulas that name the external book and the names, frozen panes and an autofilter
with a sort state.

Run from this folder with Debian's python3 (python3-openpyxl): /usr/bin/python3 make_openpyxl_names.py
"""
import os

import openpyxl
from openpyxl.packaging.relationship import Relationship
from openpyxl.workbook.defined_name import DefinedName
from openpyxl.workbook.external_link.external import (ExternalBook, ExternalCell, ExternalDefinedName, ExternalLink,
                                                      ExternalRow, ExternalSheetData, ExternalSheetDataSet,
                                                      ExternalSheetNames)

ROWS = [("Item", "Qty", "Price"), ("Apple", 10, 2.5), ("Pear", 3, 1.25), ("Plum", 7, 0.5)]


def external_link():
    cells = [ExternalCell(r="A1", t="str", v="VAT"), ExternalCell(r="B1", v="0.13"), ExternalCell(r="C1", t="b", v="1")]
    book = ExternalBook(sheetNames=ExternalSheetNames(sheetName=["Rates"]),
                        definedNames=[ExternalDefinedName(name="VatRate", refersTo="Rates!$B$1")],
                        sheetDataSet=ExternalSheetDataSet(
                            sheetData=[ExternalSheetData(sheetId=0, row=[ExternalRow(r=1, cell=cells)])]),
                        id="rId1")
    link = ExternalLink(externalBook=book)
    link.file_link = Relationship(type="externalLinkPath", Target="rates.xlsx", TargetMode="External", Id="rId1")
    return link


def write(path):
    wb = openpyxl.Workbook()
    data = wb.active
    data.title = "Data"
    for row in ROWS:
        data.append(row)
    data.freeze_panes = "B2"
    data.auto_filter.ref = "A1:C4"
    data.auto_filter.add_sort_condition("B2:B4", descending=True)
    data.print_area = "A1:C4"
    data.print_title_rows = "1:1"
    data.print_title_cols = "A:A"
    summary = wb.create_sheet("Summary")
    summary["A1"] = "Tax"
    summary["B1"] = "=[1]Rates!$B$1*Data!C2"
    summary["A2"] = "Total"
    summary["B2"] = "=SUM(Quantities)"
    summary["B3"] = "=Discount*2"
    wb.defined_names.append(DefinedName("Rate", attr_text="[1]Rates!$B$1"))
    wb.defined_names.append(DefinedName("Quantities", attr_text="Data!$B$2:$B$4"))
    wb.defined_names.append(DefinedName("Discount", localSheetId=1, attr_text="Summary!$C$1"))
    summary["C1"] = 0.05
    wb._external_links.append(external_link())
    wb.save(path)


if __name__ == "__main__":
    write(os.path.join(os.path.dirname(os.path.abspath(__file__)), "openpyxl-names.xlsx"))
