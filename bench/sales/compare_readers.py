#!/usr/bin/python3
"""Reads one workbook with our reader and with the peers installable here, side by side, and prints each one's wall
time and peak memory and our ratio to each.

Usage: compare_readers.py WORKBOOK.xlsx|WORKBOOK.xls [--runs N] [--ours build/native/bench/read_workbook]
                          [--node-modules DIR]

Every reader touches every cell of every sheet: ours through read_workbook --summary (the import's calls), R's readxl
(all columns as text) and the npm package xlsx (SheetJS) for both formats, openpyxl in read-only mode for .xlsx and
xlrd for .xls. A peer that is not installed is reported and skipped; install them with scripts/install-bench-peers.sh. Each reader runs --runs times (3 by default), one after the
other in turn, and its best time is kept, since timings on a shared machine swing from run to run.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys

OPENPYXL = """
import sys
from openpyxl import load_workbook
book = load_workbook(sys.argv[1], read_only=True, data_only=True)
cells = 0
for sheet in book.worksheets:
    for row in sheet.iter_rows(values_only=True):
        for value in row:
            if value is not None:
                cells += 1
print(cells)
"""

XLRD = """
import sys
import xlrd
book = xlrd.open_workbook(sys.argv[1])
cells = 0
for sheet in book.sheets():
    for row in range(sheet.nrows):
        for value in sheet.row_values(row):
            if value != "":
                cells += 1
print(cells)
"""

# %s: read_xlsx or read_xls.
READXL = """
args <- commandArgs(trailingOnly = TRUE)
cells <- 0
for (sheet in readxl::excel_sheets(args[1])) {
  frame <- readxl::%s(args[1], sheet = sheet, col_names = FALSE, col_types = "text", guess_max = 0)
  cells <- cells + sum(!is.na(as.matrix(frame)))
}
cat(cells, "\\n")
"""

SHEETJS = """
const XLSX = require(process.argv[2] + '/xlsx');
const book = XLSX.readFile(process.argv[1], {dense: true});
let cells = 0;
for (const name of book.SheetNames) {
  const sheet = book.Sheets[name];
  // Dense sheets keep their rows in '!data' (newer releases) or are the row array themselves.
  const rows = sheet['!data'] || (Array.isArray(sheet) ? sheet : []);
  for (const row of rows) {
    if (!row) continue;
    for (const cell of row) if (cell && cell.v !== undefined) cells++;
  }
}
console.log(cells);
"""


def measure(command):
    """Runs command under /usr/bin/time; returns (seconds, peak MiB, stdout) or None when it failed."""
    result = subprocess.run(["/usr/bin/time", "-f", "%e %M"] + command, capture_output=True, text=True)
    if result.returncode != 0:
        sys.stderr.write(f"{command[0]} failed: {result.stderr.strip()[-500:]}\n")
        return None
    seconds, kib = result.stderr.strip().splitlines()[-1].split()
    return float(seconds), int(kib) / 1024, result.stdout.strip()


def readers(args):
    xls = args.workbook.lower().endswith(".xls")
    yield "tallyvane", [args.ours, "--summary", args.workbook], os.path.exists(args.ours)
    if xls:
        yield "xlrd", ["/usr/bin/python3", "-c", XLRD, args.workbook], _has_module("xlrd")
    else:
        yield "openpyxl (read-only)", ["/usr/bin/python3", "-c", OPENPYXL, args.workbook], _has_module("openpyxl")
    yield "readxl (R)", ["Rscript", "-e", READXL % ("read_xls" if xls else "read_xlsx"), args.workbook], \
        _has_readxl()
    node_modules = os.path.abspath(args.node_modules)
    yield "xlsx (npm)", ["node", "-e", SHEETJS, args.workbook, node_modules], \
        os.path.isdir(os.path.join(node_modules, "xlsx"))


def _has_module(name):
    return subprocess.run(["/usr/bin/python3", "-c", f"import {name}"], capture_output=True).returncode == 0


def _has_readxl():
    return shutil.which("Rscript") is not None and subprocess.run(
        ["Rscript", "-e", "library(readxl)"], capture_output=True).returncode == 0


def cell_count(name, output):
    if name == "tallyvane":
        match = re.search(r"(\d+) cells", output)
        return match.group(1) if match else "?"
    return output.split()[-1] if output else "?"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("workbook")
    parser.add_argument("--ours", default="build/native/bench/read_workbook")
    parser.add_argument("--node-modules", default="build/bench-peers/node_modules")
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()

    available = []
    for name, command, installed in readers(args):
        if installed:
            available.append((name, command))
        else:
            print(f"{name:22} not installed, skipped")
    results = {}
    for _ in range(args.runs):
        for name, command in available:
            measured = measure(command)
            if measured is not None and (name not in results or measured[0] < results[name][0]):
                results[name] = measured
    for name, (seconds, mib, output) in results.items():
        print(f"{name:22} {seconds:8.2f} s {mib:9.1f} MiB   cells: {cell_count(name, output)}")

    ours = results.get("tallyvane")
    if ours is None:
        sys.exit("our reader did not run")
    for name, (seconds, mib, _) in results.items():
        if name != "tallyvane":
            print(f"{name:22} is {seconds / max(ours[0], 0.001):6.1f} times our time, "
                  f"{mib / max(ours[1], 0.001):5.1f} times our memory")


if __name__ == "__main__":
    main()
