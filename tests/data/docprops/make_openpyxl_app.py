#!/usr/bin/python3
# Writes openpyxl-app.xml: the docProps/app.xml of a small workbook saved by openpyxl (Debian python3-openpyxl).
import io
import pathlib
import zipfile

import openpyxl

workbook = openpyxl.Workbook()
workbook.active.title = "Sales"
workbook.active["A1"] = 1
workbook.create_sheet("Notes")
buffer = io.BytesIO()
workbook.save(buffer)
with zipfile.ZipFile(buffer) as package:
    app = package.read("docProps/app.xml")
pathlib.Path(__file__).with_name("openpyxl-app.xml").write_bytes(app)
