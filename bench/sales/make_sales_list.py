#!/usr/bin/python3
"""Writes the benchmark sales list: a header row and ROWS rows of 13 columns, the shape of a real invoicing export.

Usage: make_sales_list.py OUTPUT.xlsx [ROWS]   (default 200000 data rows)
       make_sales_list.py OUTPUT.xls [ROWS]    the same rows as an Excel 97-2003 workbook, in sheets of 50,000 rows
                                               each (a BIFF8 sheet holds 65,536): 4 sheets by default

Columns: order number (mostly unique text), order date, customer (Chinese, from a pool), product name (Chinese, from a
pool), product code (19-digit text), size and model, unit, quantity, unit price, amount, tax rate, tax amount, remark.
Text goes to the shared-string table, as Excel writes it. The output depends only on ROWS (fixed random seed). Needs
Debian's python3-xlsxwriter, and python3-xlwt for the .xls.
"""
import datetime
import random
import sys


# Rows of one sheet of the .xls.
XLS_SHEET_ROWS = 50000

HEADER = ["订单编号", "订单日期", "客户名称", "商品名称", "商品编码", "规格型号", "单位",
          "数量", "单价", "金额", "税率", "税额", "备注"]
SURNAMES = "赵钱孙李周吴郑王冯陈褚卫蒋沈韩杨朱秦尤许何吕施张孔曹严华金魏陶姜"
CITIES = ["北京", "上海", "广州", "深圳", "杭州", "南京", "成都", "武汉", "西安", "苏州", "天津", "重庆"]
TRADES = ["商贸", "科技", "电子", "机械", "食品", "建材", "化工", "服饰", "医药", "物流"]
GOODS = ["笔记本电脑", "激光打印机", "办公椅", "不锈钢保温杯", "电动牙刷", "无线鼠标", "机械键盘", "显示器",
         "空气净化器", "电饭煲", "羽绒服", "运动鞋", "绿茶", "矿泉水", "复印纸", "墨盒", "投影仪", "路由器"]
UNITS = ["台", "个", "件", "箱", "瓶", "包", "双", "套"]
RATES = [0.13, 0.09, 0.06, 0.03]


def pools(rng):
    customers = [f"{c}{rng.choice(SURNAMES)}{rng.choice(SURNAMES)}{rng.choice(TRADES)}有限公司"
                 for c in CITIES for _ in range(40)]
    products = [f"{g}{rng.choice('ABCDEFGHJK')}{rng.randint(100, 999)}" for g in GOODS for _ in range(60)]
    codes = ["".join(rng.choice("0123456789") for _ in range(19)) for _ in range(len(products))]
    models = [f"{rng.randint(1, 99)}*{rng.randint(1, 99)}mm" for _ in range(300)]
    return customers, products, codes, models


def rows(count, rng):
    customers, products, codes, models = pools(rng)
    for i in range(count):
        product = rng.randrange(len(products))
        quantity = rng.randint(1, 500)
        price = round(rng.uniform(0.5, 9999), 2)
        amount = round(quantity * price, 2)
        rate = rng.choice(RATES)
        # Every 50th order number repeats the previous one: orders with several lines.
        order = f"SO{20260000000 + (i - 1 if i % 50 == 49 else i)}"
        yield [order, datetime.datetime(2026, 1, 1) + datetime.timedelta(days=i % 365), rng.choice(customers), products[product],
               codes[product], rng.choice(models), rng.choice(UNITS), quantity, price, amount, rate,
               round(amount * rate, 2), "加急" if i % 97 == 0 else "常规"]


def write_xlsx(output, count, rng):
    import xlsxwriter
    workbook = xlsxwriter.Workbook(output)
    date_format = workbook.add_format({"num_format": "yyyy-mm-dd"})
    sheet = workbook.add_worksheet("销货清单")
    sheet.write_row(0, 0, HEADER)
    for index, row in enumerate(rows(count, rng), start=1):
        sheet.write_row(index, 0, row)
        sheet.write_datetime(index, 1, row[1], date_format)
    workbook.close()


def write_xls(output, count, rng):
    import xlwt
    workbook = xlwt.Workbook(encoding="utf-8")
    date_format = xlwt.easyxf(num_format_str="yyyy-mm-dd")
    sheet = None
    index = 0
    for number, row in enumerate(rows(count, rng)):
        if number % XLS_SHEET_ROWS == 0:
            sheet = workbook.add_sheet(f"销货清单{number // XLS_SHEET_ROWS + 1}")
            for col, title in enumerate(HEADER):
                sheet.write(0, col, title)
            index = 1
        for col, value in enumerate(row):
            if col == 1:
                sheet.write(index, col, value, date_format)
            else:
                sheet.write(index, col, value)
        index += 1
    workbook.save(output)


def main():
    output = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 200000
    rng = random.Random(20261210)
    if output.lower().endswith(".xls"):
        write_xls(output, count, rng)
    else:
        write_xlsx(output, count, rng)


if __name__ == "__main__":
    main()
