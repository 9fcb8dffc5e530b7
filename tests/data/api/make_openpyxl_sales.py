#!/usr/bin/python3
"""Writes openpyxl-sales.xlsx with Debian's python3-openpyxl: a small sales list as openpyxl writes it (text as
inline strings, a date cell, a formula without a cached result, a long code stored as text and as a number).

Run from this folder: /usr/bin/python3 make_openpyxl_sales.py
"""
import datetime

from openpyxl import Workbook

book = Workbook()
sheet = book.active
sheet.title = "销货清单"
sheet.append(["商品名称", "商品编码", "数量", "单价", "金额", "日期"])
sheet.append(["笔记本电脑", "1234567890123456789", 2, 4999.5, "=C2*D2", datetime.datetime(2026, 12, 10)])
sheet.append(["无线鼠标", 1234567890123456789, 10, 0.1, None, None])
sheet.append([])
sheet.append(["合计", None, "=SUM(C2:C3)", None, None, None])
book.save("openpyxl-sales.xlsx")
