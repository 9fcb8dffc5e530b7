#!/usr/bin/python3
"""Writes the sales lists of the application's import tests with Debian's python3-openpyxl, and lets LibreOffice
(libreoffice-calc-nogui) save the ones that need formula results or the .xls format:

- sales-list.xlsx: a whole list as the template has it (Chinese names, 20 lines, one cell that cannot be taken, a
  totals row at the bottom); sales-list.xls: the same list saved by LibreOffice as Excel 97-2003.
- cell-kinds.xlsx: every kind of cell in the columns the import converts, saved by LibreOffice so that its formulas
  carry their results.
- end-by-missing-name.xlsx, end-by-blank-name.xlsx, end-by-blank-text-name.xlsx: the row that ends a list, with its
  product name missing, a blank cell, or only blanks.
- header-below-top.xlsx: two empty rows above the header. header-only.xlsx: a header and nothing else.
- unwritable-text.xlsx: a model text with a character that GBK has no bytes for.

Run from this folder: /usr/bin/python3 make_sales_lists.py
"""
import os
import shutil
import subprocess
import tempfile

from openpyxl import Workbook

HEADER = ["商品名称", "规格型号", "计量单位", "数量", "单价", "金额", "税率", "税收分类编码", "企业自编码",
          "是否使用优惠政策", "零税率标识", "优惠政策说明", "差额税计算扣除额"]

PRODUCTS = [
    ("笔记本电脑", "ThinkPad X1", "台", 2, 8999, 17998, 0.13, "1090511030000000000"),
    ("无线鼠标", "M185", "个", 10, 59.9, 599, 0.13, "1090511030000000000"),
    ("机械键盘", "K8 青轴", "个", 5, 329.5, 1647.5, 0.13, "10905110300"),
    ("显示器", "27英寸 4K", "台", 3, 2199, 6597, 0.13, "1090511030000000000"),
    ("打印纸", "A4 70克", "箱", 20, 135, 2700, 0.13, "10601010000"),
    ("墨盒", "HP 803 黑色", "个", 8, 89.9, 719.2, 0.13, "1060101"),
    ("办公椅", "人体工学", "把", 6, 799, 4794, 0.13, "1050201020000000000"),
    ("文件柜", "四门钢制", "组", 2, 1280, 2560, 0.13, "10502010200"),
    ("咨询服务", None, "次", 1, 5000, 5000, 0.06, "3040203000000000000"),
    ("软件维护费", "年度", "年", 1, 12000, 12000, 0.06, "3040201"),
    ("大米", "东北珍珠米 10kg", "袋", 30, 68.8, 2064, 0.09, "1010101020000000000"),
    ("食用油", "5L 花生油", "桶", 12, 139, 1668, 0.09, "10301"),
    ("矿泉水", "550ml×24", "箱", 40, 36, 1440, 0.13, "1030307020000000000"),
    ("路由器", "AX3000", "台", 4, 399, 1596, 0.13, "1090511030000000000"),
    ("网线", "六类 305米", "箱", 2, 560.3, 1120.6, 0.13, "10905110300"),
    ("投影仪", "1080P", "台", 1, 4599, 4599, 0.13, "1090511030000000000"),
    ("白板", "120×90cm", "块", 3, 260, 780, 0.13, "1050201"),
    ("培训费", None, None, None, None, 3000, 0.06, "3070201000000000000"),
    ("运输费", "市内", "次", 2, 150, 300, 0.09, "3010102"),
    ("茶叶", "西湖龙井 250g", "盒", 10, 328, 3280, 0.13, "1030207"),
]


def new_sheet(title="销货清单"):
    book = Workbook()
    sheet = book.active
    sheet.title = title
    return book, sheet


def sales_list(path):
    book, sheet = new_sheet()
    sheet.append(HEADER)
    total = 0
    for index, (name, model, unit, quantity, price, amount, rate, code) in enumerate(PRODUCTS):
        own_code = "SP%04d" % (index + 1)
        # One amount entered as text, as users paste them; one deduction that is no number.
        amount_cell = "%.2f" % amount if index == 4 else amount
        deduction = "无" if index == 7 else None
        sheet.append([name, model, unit, quantity, price, amount_cell, rate, code, own_code, "0", None, None,
                      deduction])
        total += amount
    # The totals row: no product name, so it ends the list.
    sheet.append([None, "合计", None, None, None, round(total, 2), None])
    book.save(path)


def cell_kinds(path):
    book, sheet = new_sheet()
    sheet.append(HEADER)
    sheet.append(["甲", None, None, 2, "6.17", "12.345", 0.13])
    sheet.append([123, None, None, None, None, 12.345, 0.123456789, "1234567890123456789"])
    sheet.append(["丙", None, None, None, None, "abc", "13%"])
    sheet.append(["丁", None, None, None, None, "=2*3", "0.06", None, None, None, None, None, "无"])
    sheet.append(["戊", '=CONCATENATE("规","格")', None, None, None, 100, 0.13, None, None, None, None, None, None,
                  "多余", True, "=1/0"])
    sheet.append(["庚", None, None, None, None, 1e300, 0.13])
    sheet.append(["辛", None, None, "=1+1", None, '=TEXT(7.5,"0.00")', "=0.1+0.03"])
    sheet.append([None, None, None, None, None, 50, 0.13])
    sheet.append(["壬", None, None, None, None, 1, 0.13])
    book.save(path)


def ending_list(path, end_name, blank_cell=False):
    book, sheet = new_sheet()
    sheet.append(HEADER)
    sheet.append(["甲", None, None, None, None, 100, 0.13])
    sheet.append(["乙", None, None, None, None, 200, 0.13])
    sheet.append([end_name, "合计", None, None, None, 300, None])
    sheet.append(["丙", None, None, None, None, 400, 0.13])
    if blank_cell:
        # A cell that is there but blank: openpyxl writes a styled cell without a value.
        sheet["A4"].number_format = "@"
    book.save(path)


def header_below_top(path):
    book, sheet = new_sheet()
    for col, caption in enumerate(HEADER, start=1):
        sheet.cell(row=3, column=col, value=caption)
    sheet.append(["甲", None, None, None, None, 113, 0.13])
    sheet.append(["乙", None, None, None, None, 226, 0.13])
    book.save(path)


def header_only(path):
    book, sheet = new_sheet()
    sheet.append(HEADER)
    book.save(path)


def unwritable_text(path):
    book, sheet = new_sheet()
    sheet.append(HEADER)
    sheet.append(["甲", "普通规格", None, None, None, 100, 0.13])
    sheet.append(["乙", "笑脸\U0001F600", None, None, None, 200, 0.13])
    sheet.append(["丙", None, None, None, None, 300, 0.13])
    book.save(path)


def libreoffice_convert(source, target, filter_name):
    """Saves source as target through LibreOffice headless, with a profile of its own."""
    with tempfile.TemporaryDirectory() as work:
        profile = "file://" + os.path.join(work, "profile")
        subprocess.run(["soffice", "-env:UserInstallation=" + profile, "--headless", "--convert-to", filter_name,
                        "--outdir", work, source], check=True, stdout=subprocess.DEVNULL)
        produced = os.path.join(work, os.path.splitext(os.path.basename(source))[0] + os.path.splitext(target)[1])
        shutil.move(produced, target)


def main():
    sales_list("sales-list.xlsx")
    libreoffice_convert("sales-list.xlsx", "sales-list.xls", "xls:MS Excel 97")
    with tempfile.TemporaryDirectory() as work:
        source = os.path.join(work, "cell-kinds.xlsx")
        cell_kinds(source)
        libreoffice_convert(source, "cell-kinds.xlsx", "xlsx:Calc MS Excel 2007 XML")
    ending_list("end-by-missing-name.xlsx", None)
    ending_list("end-by-blank-name.xlsx", None, blank_cell=True)
    ending_list("end-by-blank-text-name.xlsx", "   ")
    header_below_top("header-below-top.xlsx")
    header_only("header-only.xlsx")
    unwritable_text("unwritable-text.xlsx")


if __name__ == "__main__":
    main()
