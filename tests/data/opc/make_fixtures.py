#!/usr/bin/python3
# Writes the package fixtures of the OPC tests: one workbook saved by openpyxl and one package written part by part,
# by hand in the shape LibreOffice gives an .xlsx with a drawing, an image, a table, comments and a calculation chain.
# Run with Debian's python3 (python3-openpyxl).
import zipfile
import openpyxl

wb = openpyxl.Workbook()
ws = wb.active
ws.title = "Sales"
ws["A1"] = "Item"
ws["B1"] = 42
wb.create_sheet("Second")["A1"] = "x"
wb.properties.creator = "fixture"
wb.save("openpyxl.xlsx")

R = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
PKG = "http://schemas.openxmlformats.org/package/2006/relationships"


def rels(*items):
    body = "".join('<Relationship Id="%s" Type="%s" Target="%s"%s/>' % (i, t, g, ' TargetMode="External"' if e else "")
                   for i, t, g, e in items)
    return '<?xml version="1.0" encoding="UTF-8"?>\n<Relationships xmlns="%s">%s</Relationships>' % (PKG, body)


parts = {
    "[Content_Types].xml": '<?xml version="1.0" encoding="UTF-8"?>\n'
    '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
    '<Default Extension="xml" ContentType="application/xml"/>'
    '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
    '<Default Extension="png" ContentType="image/x-own-png"/>'
    '<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>'
    '<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>'
    '<Override PartName="/xl/drawings/drawing1.xml" ContentType="application/vnd.openxmlformats-officedocument.drawing+xml"/>'
    '<Override PartName="/xl/tables/table1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.table+xml"/>'
    '<Override PartName="/xl/comments1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.comments+xml"/>'
    '<Override PartName="/xl/calcChain.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml"/>'
    '<Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>'
    '<Override PartName="/docProps/app.xml" ContentType="application/vnd.openxmlformats-officedocument.extended-properties+xml"/>'
    '<Override PartName="/docProps/core.xml" ContentType="application/vnd.openxmlformats-package.core-properties+xml"/>'
    '</Types>',
    "_rels/.rels": rels(("rId1", R + "officeDocument", "xl/workbook.xml", False),
                        ("rId2", PKG + "/metadata/core-properties", "docProps/core.xml", False),
                        ("rId3", R + "extended-properties", "docProps/app.xml", False)),
    "docProps/app.xml": '<?xml version="1.0" encoding="UTF-8"?>\n<Properties '
    'xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"><Application>LibreOffice'
    '</Application></Properties>',
    "docProps/core.xml": '<?xml version="1.0" encoding="UTF-8"?>\n<cp:coreProperties '
    'xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties" '
    'xmlns:dc="http://purl.org/dc/elements/1.1/"><dc:creator>LibreOffice fixture</dc:creator></cp:coreProperties>',
    "xl/_rels/workbook.xml.rels": rels(("rId1", R + "styles", "styles.xml", False),
                                       ("rId2", R + "worksheet", "worksheets/sheet1.xml", False),
                                       ("rId3", R + "calcChain", "calcChain.xml", False)),
    "xl/workbook.xml": '<?xml version="1.0" encoding="UTF-8"?>\n<workbook '
    'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="%s"><sheets>'
    '<sheet name="Sheet1" sheetId="1" r:id="rId2"/></sheets></workbook>' % R[:-1],
    "xl/styles.xml": '<?xml version="1.0" encoding="UTF-8"?>\n<styleSheet '
    'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"/>',
    "xl/calcChain.xml": '<?xml version="1.0" encoding="UTF-8"?>\n<calcChain '
    'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><c r="A2" i="1"/></calcChain>',
    "xl/worksheets/_rels/sheet1.xml.rels": rels(("rId1", R + "drawing", "../drawings/drawing1.xml", False),
                                                ("rId2", R + "table", "../tables/table1.xml", False),
                                                ("rId3", R + "comments", "../comments1.xml", False),
                                                ("rId4", R + "hyperlink", "https://example.com/a", True)),
    "xl/worksheets/sheet1.xml": '<?xml version="1.0" encoding="UTF-8"?>\n<worksheet '
    'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData/></worksheet>',
    "xl/drawings/_rels/drawing1.xml.rels": rels(("rId1", R + "image", "../media/image1.png", False)),
    "xl/drawings/drawing1.xml": '<?xml version="1.0" encoding="UTF-8"?>\n<xdr:wsDr '
    'xmlns:xdr="http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing"/>',
    "xl/media/image1.png": b"\x89PNG\r\n\x1a\n",
    "xl/tables/table1.xml": '<?xml version="1.0" encoding="UTF-8"?>\n<table '
    'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" id="1" name="Table1" ref="A1:B2"/>',
    "xl/comments1.xml": '<?xml version="1.0" encoding="UTF-8"?>\n<comments '
    'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"/>',
}
with zipfile.ZipFile("handwritten.xlsx", "w", zipfile.ZIP_DEFLATED) as z:
    for name, data in parts.items():
        z.writestr(name, data)
