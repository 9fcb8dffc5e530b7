#!/usr/bin/python3
"""Compares the cell values read_workbook gives for .xls workbooks with those of xlrd (Debian: python3-xlrd).

Every workbook that both readers open must give the same cells in every worksheet xlrd lists, matched by name: the
same positions, strings exactly, booleans and error codes alike, numbers (and dates, as serial numbers) to 15
significant digits. Blank cells are left out on both sides. A file that either reader refuses is counted, not compared:
which files must open is the business of the readers' own tests. On a difference the file and its first differing
cells are named.

Usage: /usr/bin/python3 compare_with_xlrd.py [--verbose] READ_WORKBOOK FOLDER_OR_FILE...
(--verbose also names the refused files, with what each reader said)
Exits 0 when every compared file agrees, 1 when one differs, 77 (skipped) when xlrd or every folder is absent.
"""
import concurrent.futures
import math
import os
import subprocess
import sys

SKIPPED = 77
DIFFERENCES_SHOWN = 5
# The cell kinds read_workbook prints (TXLSWorksheet::GetCellType).
BOOLEAN_KINDS = {2, 8}
ERROR_KINDS = {3, 9}
STRING_KINDS = {4, 7}
NUMBER_KINDS = {5, 6}
# A hostile file may take a reader long; none of the corpus takes a second.
READ_TIMEOUT = 60
READERS_AT_ONCE = 3


def unescaped(text):
    out, i = [], 0
    escapes = {"t": "\t", "n": "\n", "r": "\r", "\\": "\\"}
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            out.append(escapes.get(text[i + 1], text[i + 1]))
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def value(kind, text):
    """A cell of either reader as a comparable tuple."""
    if kind == "number":
        number = float(text)
        return ("number", float(f"{number:.15g}") if math.isfinite(number) else number)
    return (kind, text)


def ours(program, path):
    """{sheet name: {(row, col): value}}, or the error message when read_workbook refuses the file."""
    try:
        run = subprocess.run([program, "--names", path], capture_output=True, timeout=READ_TIMEOUT)
    except subprocess.TimeoutExpired:
        return f"read_workbook took more than {READ_TIMEOUT} s"
    if run.returncode != 0:
        return run.stderr.decode("utf-8", "replace").strip() or f"exit code {run.returncode}"
    names, sheets = {}, {}
    for line in run.stdout.decode("utf-8").split("\n"):
        if not line:
            continue
        fields = line.split("\t", 4)
        if fields[0] == "#sheet":
            names[fields[1]] = unescaped(fields[2])
            sheets.setdefault(names[fields[1]], {})
            continue
        sheet, row, col, kind, text = fields
        kind = int(kind)
        if kind in NUMBER_KINDS:
            cell = value("number", text)
        elif kind in BOOLEAN_KINDS:
            cell = value("boolean", text == "TRUE")
        elif kind in ERROR_KINDS:
            cell = value("error", text)
        elif kind in STRING_KINDS:
            cell = value("string", unescaped(text))
        else:
            continue
        sheets[names[sheet]][(int(row), int(col))] = cell
    return sheets


def theirs(xlrd, path, log):
    """{sheet name: {(row, col): value}}, or the error message when xlrd refuses the file; its warnings go to log."""
    try:
        book = xlrd.open_workbook(path, logfile=log)
    except Exception as error:  # xlrd raises many kinds on damaged files
        return f"xlrd: {type(error).__name__}: {error}"
    sheets = {}
    for sheet in book.sheets():
        cells = {}
        for row in range(sheet.nrows):
            for col in range(sheet.ncols):
                cell = sheet.cell(row, col)
                if cell.ctype in (xlrd.XL_CELL_NUMBER, xlrd.XL_CELL_DATE):
                    cells[(row, col)] = value("number", cell.value)
                elif cell.ctype == xlrd.XL_CELL_TEXT:
                    cells[(row, col)] = value("string", cell.value)
                elif cell.ctype == xlrd.XL_CELL_BOOLEAN:
                    cells[(row, col)] = value("boolean", bool(cell.value))
                elif cell.ctype == xlrd.XL_CELL_ERROR:
                    cells[(row, col)] = value("error", xlrd.error_text_from_code.get(cell.value, "#???"))
        sheets[sheet.name] = cells
    return sheets


def differences(our_sheets, their_sheets):
    """Texts naming the first cells that differ, in sheet order."""
    found = []
    if len(our_sheets) == 1 and len(their_sheets) == 1:
        # A BIFF2-4 file has one sheet and no sheet list: each reader names it its own way.
        our_sheets = {name: cells for name in their_sheets for cells in our_sheets.values()}
    for name, their_cells in their_sheets.items():
        if name not in our_sheets:
            found.append(f"sheet {name!r} is missing")
            continue
        our_cells = our_sheets[name]
        for position in sorted(set(their_cells) | set(our_cells)):
            ours_cell, theirs_cell = our_cells.get(position), their_cells.get(position)
            if ours_cell != theirs_cell:
                row, col = position
                found.append(f"sheet {name!r} row {row} col {col}: ours {ours_cell}, xlrd {theirs_cell}")
            if len(found) >= DIFFERENCES_SHOWN:
                return found
    return found


def workbooks(places):
    for place in places:
        if os.path.isfile(place):
            yield place
        for folder, _, files in sorted(os.walk(place)):
            for name in sorted(files):
                if name.lower().endswith(".xls"):
                    yield os.path.join(folder, name)


def main():
    if len(sys.argv) < 3:
        print(__doc__.strip().split("\n\n")[2], file=sys.stderr)
        return 2
    verbose = "--verbose" in sys.argv
    arguments = [a for a in sys.argv[1:] if a != "--verbose"]
    program, places = arguments[0], [p for p in arguments[1:] if os.path.exists(p)]
    try:
        import xlrd
    except ImportError:
        print("xlrd is not installed (Debian: python3-xlrd); nothing compared")
        return SKIPPED
    if not places:
        print("no workbooks at " + ", ".join(sys.argv[2:]) + "; nothing compared")
        return SKIPPED
    compared, refused, differing = 0, 0, 0
    paths = list(workbooks(places))
    # read_workbook runs in processes of its own, a few at a time, while xlrd reads here.
    with concurrent.futures.ThreadPoolExecutor(max_workers=READERS_AT_ONCE) as pool, open(os.devnull, "w") as log:
        our_reads = pool.map(lambda path: ours(program, path), paths)
        for path, our_sheets in zip(paths, our_reads):
            their_sheets = theirs(xlrd, path, log)
            if isinstance(our_sheets, str) or isinstance(their_sheets, str):
                refused += 1
                if verbose:
                    print(f"{path} refused: ours: {str(our_sheets)[:200]!r}; xlrd: {str(their_sheets)[:200]!r}")
                continue
            compared += 1
            found = differences(our_sheets, their_sheets)
            if found:
                differing += 1
                print(f"{path} differs:")
                for text in found:
                    print("    " + text)
    print(f"{compared} workbooks compared, {differing} differ; {refused} refused by one reader or both")
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
