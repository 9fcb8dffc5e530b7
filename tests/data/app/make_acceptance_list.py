#!/usr/bin/python3
"""Writes the sales list that the end-to-end run of the program imports, twice: acceptance-list.xlsx with Debian's
python3-openpyxl and its twin acceptance-list.xls (Excel 97-2003) with python3-xlwt, cell for cell the same.

Five lines as the template has them: a price times a quantity for most, one amount typed as the text "12.345" (the
import rounds it to 12.35), one line at another tax rate, one deduction that is no number ("无", reported as a cell
the import cannot take); 19-digit tax classification codes; then a totals row without a product name, which ends
the list. acceptance-list.xml beside them is the invoice file the program must write from either, typed by hand.

long-list.xlsx holds 25 lines, more than the main window's grid shows at once, each with a model text (规格型号) wider than
the grid, so that the grid scrolls both ways; its total stays under the smallest invoice limit.

Run from this folder: /usr/bin/python3 make_acceptance_list.py
"""
import xlwt
from openpyxl import Workbook

HEADER = ["商品名称", "规格型号", "计量单位", "数量", "单价", "金额", "税率", "税收分类编码", "企业自编码",
          "是否使用优惠政策", "零税率标识", "优惠政策说明", "差额税计算扣除额"]

# Columns A to M of each line; None leaves the cell out.
LINES = [
    ["办公椅", "人体工学", "把", 2, 565, 1130, 0.13, "1050201020000000000", "BG001"],
    ["打印纸", "A4 70克", "箱", 10, 22.6, 226, 0.13, "1060101000000000000", "BG002"],
    ["技术服务费", None, None, None, None, "12.345", 0.13, "3040201000000000000"],
    ["运输服务", "市内", "次", 1, 106, 106, 0.06, "3010102000000000000"],
    ["包装箱", "纸箱", "个", 5, 2.26, 11.3, 0.13, "1060201000000000000", None, None, None, None, "无"],
    [None, "合计", None, None, None, 1485.65],
]

SHEET_TITLE = "销货清单"

LONG_MODEL = "不锈钢材质，双层真空保温，容量五百毫升，附带滤网与提绳，适合办公室及户外使用"
LONG_LINES = [["保温杯%d号" % (n + 1), LONG_MODEL, "个", 1, 10, 10, 0.13, "1060201000000000000"]
              for n in range(25)]


def rows():
    return [HEADER] + LINES


def write_xlsx(path, lines=LINES):
    book = Workbook()
    sheet = book.active
    sheet.title = SHEET_TITLE
    for row in [HEADER] + lines:
        sheet.append(row)
    book.save(path)


def write_xls(path):
    book = xlwt.Workbook(encoding="utf-8")
    sheet = book.add_sheet(SHEET_TITLE)
    for r, row in enumerate(rows()):
        for c, value in enumerate(row):
            if value is not None:
                sheet.write(r, c, value)
    book.save(path)


def main():
    write_xlsx("acceptance-list.xlsx")
    write_xls("acceptance-list.xls")
    write_xlsx("long-list.xlsx", LONG_LINES)


if __name__ == "__main__":
    main()
