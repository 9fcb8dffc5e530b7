#!/usr/bin/python3
"""Writes an RC4-encrypted .xls workbook and its plain twin with LibreOffice headless, through UNO.

libreoffice-rc4.xls is saved with the password "Tallyvane-41" (LibreOffice encrypts BIFF8 with RC4, FILEPASS
version 1.1); libreoffice-plain.xls is the same workbook saved without one. The sheet "Sales" holds "lorem ipsum" in
A1 and 3 in B1, then 120 rows of an item text, a number and two formulas, so that the encrypted records run over many
1024-byte blocks. Needs python3-uno and libreoffice-calc-nogui; run from this folder with Debian's python:
/usr/bin/python3 make_encrypted_fixtures.py
"""
import os
import subprocess
import tempfile
import time

import uno
from com.sun.star.beans import PropertyValue

PASSWORD = "Tallyvane-41"
ROWS = 120


def prop(name, value):
    p = PropertyValue()
    p.Name = name
    p.Value = value
    return p


def connect(profile, port):
    office = subprocess.Popen(
        ["soffice", "--headless", "--invisible", "--norestore", f"-env:UserInstallation=file://{profile}",
         f"--accept=socket,host=localhost,port={port};urp;"],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    resolver = uno.getComponentContext().ServiceManager.createInstanceWithContext(
        "com.sun.star.bridge.UnoUrlResolver", uno.getComponentContext())
    for _ in range(120):
        try:
            context = resolver.resolve(f"uno:socket,host=localhost,port={port};urp;StarOffice.ComponentContext")
            return office, context.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", context)
        except Exception:
            time.sleep(0.5)
    office.kill()
    raise RuntimeError("LibreOffice did not start")


def fill(document):
    sheet = document.Sheets.getByIndex(0)
    sheet.Name = "Sales"
    sheet.getCellByPosition(0, 0).String = "lorem ipsum"
    sheet.getCellByPosition(1, 0).Value = 3
    for r in range(1, ROWS + 1):
        sheet.getCellByPosition(0, r).String = f"item {r:03d}"
        sheet.getCellByPosition(1, r).Value = r * 1.5
        sheet.getCellByPosition(2, r).Formula = f"=B{r + 1}*2+B1"
        sheet.getCellByPosition(3, r).Formula = f"=SUM($B$2:B{r + 1})"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    with tempfile.TemporaryDirectory() as profile:
        office, desktop = connect(profile, 2041)
        try:
            document = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, (prop("Hidden", True),))
            fill(document)
            document.calculateAll()
            for name, extra in (("libreoffice-rc4.xls", (prop("Password", PASSWORD),)), ("libreoffice-plain.xls", ())):
                url = uno.systemPathToFileUrl(os.path.join(here, name))
                document.storeToURL(url, (prop("FilterName", "MS Excel 97"),) + extra)
            document.close(True)
        finally:
            try:
                desktop.terminate()
            except Exception:
                pass
            office.wait(timeout=60)


if __name__ == "__main__":
    main()
