#pragma once
// What the encoder, decoder and handler tests share: a workbook model with sheets, defined names, an external book and
// a table for formulas to name; compiled formulas written as readable token lists; and the platform's separators set
// for one test.

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "tests/xls/core/model/XLSPlainModelFactory.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/base/XLSPlatform.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/formula/XLSFormulaHandler.h"
#include "xls/core/formula/functions/XLSExcelFuncNames.h"
#include "xls/core/formula/tokens/XLSIteratePtgs.h"
#include "xls/core/formula/tokens/XLSPtgs.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"
#include "xls/core/model/workbook/Xc12DataXLinks5.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/core/model/worksheet/Xc12DataTable5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <charconv>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace xls::formula_test {

using test_support::Utf8;

// A platform whose locale has the given decimal and list separators.
class TSeparatorsPlatform : public TXLSPlatform {
public:
    TSeparatorsPlatform(char16_t decimal, char16_t list) : FDecimal(decimal), FList(list) {}
    char16_t GetDecimalSeparator() const override { return FDecimal; }
    char16_t GetListSeparator() const override { return FList; }

private:
    char16_t FDecimal;
    char16_t FList;
};

// The separators of a locale, in place while the scope lives: "." and "," unless told otherwise. Made before the
// model, whose array column separator follows the decimal separator.
class TSeparatorsScope {
public:
    explicit TSeparatorsScope(char16_t decimal = u'.', char16_t list = u',')
        : FPlatform(decimal, list), FPrevious(SetXLSPlatform(&FPlatform)) {}
    TSeparatorsScope(const TSeparatorsScope&) = delete;
    TSeparatorsScope& operator=(const TSeparatorsScope&) = delete;
    ~TSeparatorsScope() { SetXLSPlatform(FPrevious); }

private:
    TSeparatorsPlatform FPlatform;
    const TXLSPlatform* FPrevious;
};

// A workbook for formulas to name:
//   sheets  0 Sheet1, 1 Sheet2, 2 "My Sheet", 3 "Bob's", 4 "2019";
//   names   0 Rate (workbook), 1 Local (Sheet2), 2 Print_Area (reserved, Sheet1);
//   book    [1] C:\Books\Prices.xlsx with the sheets Prices and "Q 1";
//   table   Table1 on Sheet1 at B2:D6, one header and one totals row, columns Item, Amount, Price#.
struct TFormulaModel {
    TSeparatorsScope Separators;
    TXLSErrorManager Errors;
    model_test::TPlainModelFactory Factory;
    TXc12Manager Manager{&Factory, &Errors};
    TXLSFormulaHandler Handler{Manager};

    explicit TFormulaModel(char16_t decimal = u'.', char16_t list = u',') : Separators(decimal, list) {
        Manager.CreateParts();
        for (const char16_t* name : {u"Sheet1", u"Sheet2", u"My Sheet", u"Bob's", u"2019"}) {
            Manager.Worksheets().Add(-1)->SetName(name);
        }
        TXc12DefinedNames& names = Manager.Workbook().GetDefinedNames();
        names.AddName(u"Rate", -1)->SetDefinition(u"0.17");
        names.AddName(u"Local", 1)->SetDefinition(u"Sheet2!$A$1");
        names.AddBuiltin(4, 0)->SetDefinition(u"Sheet1!$A$1:$B$2");
        TXc12XExternalBook& book = Manager.XLinks().Add()->GetExternalBook();
        book.SetPath(u"C:\\Books\\Prices.xlsx");
        book.GetSheetNames().Add(u"Prices");
        book.GetSheetNames().Add(u"Q 1");
        TXc12Table* table = Manager.Worksheets().GetItem(0)->GetTables().Add();
        table->SetName(u"Table1");
        table->SetArea({1, 5, 1, 3});
        table->SetTotalsRowCount(1);
        for (const char16_t* column : {u"Item", u"Amount", u"Price#"}) {
            table->GetColumns().Add()->SetName(column);
        }
    }

    TXLSCellMMU& Cells(int32_t sheet = 0) { return Manager.Worksheets().GetItem(sheet)->GetCells(); }

    // The tokens of text on sheet (Sheet1 unless told otherwise), "" for none, or "! " and the message raised.
    std::string Encode(rtl::UnicodeStringView text, int32_t sheet = 0);
    std::vector<uint8_t> Compile(rtl::UnicodeStringView text, int32_t sheet = 0);
    // The text of ptgs on sheet, or "! " and the message raised.
    std::string Decode(std::span<const uint8_t> ptgs, int32_t sheet = 0, bool bookNumbers = false);
};

// One token as the tests write it: its name and payload ("Int 1", "Ref $A$1", "FuncVar SUM 2").
inline std::string DescribeToken(const TXLSPtgToken& token, bool biff) {
    const auto cell = [](const TXLSPtgCell& c) { return Utf8(PtgCellRefToStr(c.ColWord, c.RowWord)); };
    const auto area = [&](const TXLSPtgArea& a) { return cell(a.First()) + ":" + cell(a.Last()); };
    const auto number = [](auto value) { return std::to_string(value); };
    if (biff) {
        return "Biff " + Utf8(rtl::IntToHex(token.Id(), 2));
    }
    static const std::map<uint8_t, std::string> plain = {
        {PtgAdd, "Add"},
        {PtgSub, "Sub"},
        {PtgMul, "Mul"},
        {PtgDiv, "Div"},
        {PtgPower, "Power"},
        {PtgConcat, "Concat"},
        {PtgLt, "Lt"},
        {PtgLe, "Le"},
        {PtgEq, "Eq"},
        {PtgGe, "Ge"},
        {PtgGt, "Gt"},
        {PtgNe, "Ne"},
        {PtgUnion, "Union"},
        {PtgRange, "Range"},
        {PtgUplus, "Uplus"},
        {PtgUminus, "Uminus"},
        {PtgPercent, "Percent"},
        {PtgParen, "Paren"},
        {ptgxMissArg, "MissArg"},
        {ptgxBiff, "BiffMarker"},
        {ptgxRefErr, "RefErr"},
        {ptgxAreaErr, "AreaErr"},
    };
    const uint8_t id = token.Id();
    if (const auto found = plain.find(id); found != plain.end()) {
        return found->second;
    }
    switch (id) {
    case PtgIsect:
        return "Isect " + number(token.Byte(1));
    case PtgErr:
        return "Err " + number(token.Byte(1));
    case PtgBool:
        return "Bool " + number(token.Byte(1));
    case PtgNum:
        return "Num " + test_support::NumberText(token.Double(1));
    case ptgxInt:
        return "Int " + number(static_cast<int32_t>(token.Long(1)));
    case ptgxStr:
        return "Str \"" + Utf8(token.Text(1)) + "\"";
    case ptgxSpace:
        return "Space " + number(token.Byte(1));
    case ptgxArray:
        return "Array " + number(token.Word(1)) + "x" + number(token.Long(3));
    case ptgxFunc:
        return "Func " + Utf8(TXLSExcelFuncNames::GetName(token.Word(1)));
    case ptgxFuncVar:
        return "FuncVar " + Utf8(TXLSExcelFuncNames::GetName(token.Word(2))) + " " + number(token.Byte(1));
    case ptgxUserFunc:
        return "UserFunc " + Utf8(token.Text(2)) + " " + number(token.Byte(1));
    case ptgxName:
        return "Name " + number(token.Word(1));
    case ptgxRef:
        return "Ref " + cell(token.Cell(1));
    case ptgxArea:
        return "Area " + area(token.Area(1));
    case ptgxRef3d:
        return "Ref3d " + number(token.Byte(7)) + " " + cell(token.Cell(1));
    case ptgxRef3dRange:
        return "Ref3dRange " + number(token.Byte(7)) + ":" + number(token.Byte(8)) + " " + cell(token.Cell(1));
    case ptgxRefExt:
        return "RefExt " + number(token.Word(7)) + " " + number(token.Byte(9)) + " " + cell(token.Cell(1));
    case ptgxRefExtRange:
        return "RefExtRange " + number(token.Word(7)) + " " + number(token.Byte(9)) + ":" + number(token.Byte(10)) +
               " " + cell(token.Cell(1));
    case ptgxArea3d:
        return "Area3d " + number(token.Byte(13)) + " " + area(token.Area(1));
    case ptgxArea3dRange:
        return "Area3dRange " + number(token.Byte(13)) + ":" + number(token.Byte(14)) + " " + area(token.Area(1));
    case ptgxAreaExt:
        return "AreaExt " + number(token.Word(13)) + " " + number(token.Byte(15)) + " " + area(token.Area(1));
    case ptgxAreaExtRange:
        return "AreaExtRange " + number(token.Word(13)) + " " + number(token.Byte(15)) + ":" + number(token.Byte(16)) +
               " " + area(token.Area(1));
    case ptgxRef3dErr:
    case ptgxRef3dRangeErr:
        return std::string(id == ptgxRef3dErr ? "Ref3dErr " : "Ref3dRangeErr ") + number(token.Byte(7));
    case ptgxArea3dErr:
    case ptgxArea3dRangeErr:
        return std::string(id == ptgxArea3dErr ? "Area3dErr " : "Area3dRangeErr ") + number(token.Byte(13));
    case ptgxExp:
        return "Exp " + cell(token.ColRowCell(1));
    case ptgxShared:
        return "Shared " + cell(token.ColRowCell(1));
    case ptgxTbl:
        return "Tbl " + cell(token.ColRowCell(1));
    case ptgxDataTable:
        return "DataTable " + number(token.Byte(1)) + " " + cell(token.ColRowCell(2)) + " " + cell(token.ColRowCell(8));
    case ptgxList:
        return "List " + number(token.Word(1)) + " " + number(static_cast<int16_t>(token.Word(3))) + " " +
               number(token.Byte(5)) + " " + area(token.Area(7));
    case ptgxListColumn:
        return "ListColumn " + number(token.Word(1)) + " " + number(token.Word(3)) + " " + area(token.Area(6));
    case ptgxListSpecial:
        return "ListSpecial " + number(token.Byte(1)) + " " + number(token.Byte(2)) + " " + area(token.Area(4));
    default:
        return "Id " + Utf8(rtl::IntToHex(id, 2));
    }
}

// A compiled formula as "Int 1 | Int 2 | Add".
inline std::string Describe(std::span<const uint8_t> ptgs) {
    std::string text;
    TXLSIteratePtgs walk(ptgs);
    while (walk.Next()) {
        text += (text.empty() ? "" : " | ") + DescribeToken(walk.Current(), walk.IsBiff());
    }
    return text;
}

inline std::vector<uint8_t> TFormulaModel::Compile(rtl::UnicodeStringView text, int32_t sheet) {
    std::vector<uint8_t> ptgs;
    static_cast<void>(Handler.EncodeFormula(text, ptgs, sheet));
    return ptgs;
}

inline std::string TFormulaModel::Encode(rtl::UnicodeStringView text, int32_t sheet) {
    try {
        return Describe(Compile(text, sheet));
    } catch (const rtl::Exception& error) {
        return "! " + Utf8(error.Message());
    }
}

inline std::string TFormulaModel::Decode(std::span<const uint8_t> ptgs, int32_t sheet, bool bookNumbers) {
    try {
        rtl::UnicodeString text;
        Handler.DecodeFormula(&Cells(std::max(sheet, 0)), sheet, text, bookNumbers, ptgs);
        return Utf8(text);
    } catch (const rtl::Exception& error) {
        return "! " + Utf8(error.Message());
    }
}

} // namespace xls::formula_test
