#!/usr/bin/python3
"""Writes the two sales-list templates that the main window's template copy hands out, with Debian's
python3-openpyxl (开票清单模板.xlsx) and python3-xlwt (开票清单模板.xls):

- one header row on the first sheet with the captions of the grid's columns A to M (the unit price and the amount
  without a word on tax: the import asks about it);
- columns H (tax classification code) and I (the company's own product code) formatted as text, so that long codes
  keep their digits;
- no sample row: the first row below the header is the first product line.

Usage: /usr/bin/python3 make_templates.py OUTPUT_FOLDER
"""
import os
import sys

import xlwt
from openpyxl import Workbook
from openpyxl.styles import Alignment, Font, PatternFill
from openpyxl.utils import get_column_letter

SHEET_NAME = "开票清单"
HEADERS = ["商品名称", "规格型号", "计量单位", "数量", "单价", "金额", "税率", "税收分类编码", "企业自编码",
           "是否使用优惠政策", "零税率标识", "优惠政策说明", "差额税计算扣除额"]
# Column widths in characters.
WIDTHS = [24, 16, 10, 10, 12, 14, 8, 22, 16, 18, 12, 16, 18]
# Columns formatted as text as a whole (0-based): H and I. The format belongs to the column, not to cells, so the
# sheet holds no cell below the header.
TEXT_COLUMNS = (7, 8)


def write_xlsx(path):
    workbook = Workbook()
    sheet = workbook.active
    sheet.title = SHEET_NAME
    bold = Font(bold=True)
    fill = PatternFill("solid", fgColor="DDEBF7")
    centred = Alignment(horizontal="center", vertical="center")
    for col, (header, width) in enumerate(zip(HEADERS, WIDTHS), start=1):
        cell = sheet.cell(row=1, column=col, value=header)
        cell.font = bold
        cell.fill = fill
        cell.alignment = centred
        sheet.column_dimensions[get_column_letter(col)].width = width
    for col in TEXT_COLUMNS:
        sheet.column_dimensions[get_column_letter(col + 1)].number_format = "@"
    sheet.freeze_panes = "A2"
    workbook.save(path)


def write_xls(path):
    workbook = xlwt.Workbook(encoding="utf-8")
    sheet = workbook.add_sheet(SHEET_NAME)
    header_style = xlwt.easyxf("font: bold on; align: horiz center, vert center; "
                               "pattern: pattern solid, fore_colour pale_blue")
    text_style = xlwt.easyxf("", num_format_str="@")
    for col, (header, width) in enumerate(zip(HEADERS, WIDTHS)):
        sheet.write(0, col, header, header_style)
        sheet.col(col).width = width * 256
    for col in TEXT_COLUMNS:
        sheet.col(col).set_style(text_style)
    sheet.set_panes_frozen(True)
    sheet.set_horz_split_pos(1)
    workbook.save(path)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_templates.py OUTPUT_FOLDER")
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    write_xlsx(os.path.join(folder, "开票清单模板.xlsx"))
    write_xls(os.path.join(folder, "开票清单模板.xls"))


if __name__ == "__main__":
    main()
