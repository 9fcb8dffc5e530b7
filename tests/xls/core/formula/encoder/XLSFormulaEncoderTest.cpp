#include "xls/core/formula/encoder/XLSFormulaEncoder.h"

#include "tests/xls/core/formula/XLSFormulaTestSupport.h"
#include "xls/core/formula/tokenizer/XLSTokenizer.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using formula_test::Describe;
using formula_test::TFormulaModel;

struct TEncodeCase {
    const char16_t* Text;
    std::string Tokens;
    int32_t Sheet = 0;
};

void CheckEncodes(TFormulaModel& model, const std::vector<TEncodeCase>& cases) {
    for (const TEncodeCase& test : cases) {
        SCOPED_TRACE(formula_test::Utf8(test.Text));
        EXPECT_EQ(model.Encode(test.Text, test.Sheet), test.Tokens);
    }
}

TEST(XLSFormulaEncoder, OperatorsTakeTheirPrecedence) {
    TFormulaModel model;
    CheckEncodes(model, {
                            {u"1+2*3", "Int 1 | Int 2 | Int 3 | Mul | Add"},
                            {u"(1+2)*3", "Int 1 | Int 2 | Add | Paren | Int 3 | Mul"},
                            // Operators of one precedence group from the left.
                            {u"2^3^2", "Int 2 | Int 3 | Power | Int 2 | Power"},
                            {u"8/4/2", "Int 8 | Int 4 | Div | Int 2 | Div"},
                            {u"-2^2", "Int 2 | Uminus | Int 2 | Power"},
                            {u"2*-3", "Int 2 | Int 3 | Uminus | Mul"},
                            // < <= >= > bind tighter than = and <>.
                            {u"1=2<3", "Int 1 | Int 2 | Int 3 | Lt | Eq"},
                            {u"10%", "Int 10 | Percent"},
                            {u"2^3%", "Int 2 | Int 3 | Percent | Power"},
                            {u"1&2+3", "Int 1 | Int 2 | Int 3 | Add | Concat"},
                            {u"A1:B2 B2:C3", "Area A1:B2 | Area B2:C3 | Isect 1"},
                            {u"A1:INDEX(B1:B3,2)", "Ref A1 | Area B1:B3 | Int 2 | FuncVar INDEX 2 | Range"},
                            // Spaces lay the text out; each is written before the token it preceded.
                            {u"1 + 2", "Int 1 | Space 1 | Space 1 | Int 2 | Add"},
                        });
}

TEST(XLSFormulaEncoder, FunctionsCountTheirArguments) {
    TFormulaModel model;
    CheckEncodes(model, {
                            {u"SUM(A1,B1)", "Ref A1 | Ref B1 | FuncVar SUM 2"},
                            {u"SUM()", "FuncVar SUM 0"},
                            {u"sum(1)", "Int 1 | FuncVar SUM 1"},
                            {u"IF(A1,,1)", "Ref A1 | MissArg | Int 1 | FuncVar IF 3"},
                            // Empty arguments first and last.
                            {u"IF(,1)", "MissArg | Int 1 | FuncVar IF 2"},
                            {u"SUM(1,)", "Int 1 | MissArg | FuncVar SUM 2"},
                            {u"SUM(1, ,2)", "Int 1 | Space 1 | MissArg | Int 2 | FuncVar SUM 3"},
                            {u"PI()", "Func PI"},
                            {u"ROUND(1.5,0)", "Num 1.5 | Int 0 | Func ROUND"},
                            {u"MYFUNC(1,2)", "Int 1 | Int 2 | UserFunc MYFUNC 2"},
                            {u"MYFUNC()", "UserFunc MYFUNC 0"},
                            {u"_xlfn.IFS(1,2)", "Int 1 | Int 2 | UserFunc _xlfn.IFS 2"},
                            {u"SUM(MAX(1,2),3)", "Int 1 | Int 2 | FuncVar MAX 2 | Int 3 | FuncVar SUM 2"},
                        });
}

TEST(XLSFormulaEncoder, ConstantsAndArrays) {
    TFormulaModel model;
    CheckEncodes(model, {
                            {u"2147483647", "Int 2147483647"},
                            {u"2147483648", "Num 2147483648"},
                            {u"\"a\"\"b\"", "Str \"a\"b\""},
                            {u"TRUE", "Bool 1"},
                            {u"#DIV/0!", "Err 2"},
                            {u"{1,2;3,4}", "Int 1 | Int 2 | Int 3 | Int 4 | Array 2x2"},
                            {u"{1,2}", "Int 1 | Int 2 | Array 2x1"},
                            {u"{-1,\"a\";TRUE,#N/A}", "Int 1 | Uminus | Str \"a\" | Bool 1 | Err 7 | Array 2x2"},
                            {u"SUM({1,2})", "Int 1 | Int 2 | Array 2x1 | FuncVar SUM 1"},
                            // A union needs two references; a separator between arguments only separates.
                            {u"(A1,B1)", "Ref A1 | Ref B1 | Union | Paren"},
                            {u"(A1, B1)", "Ref A1 | Space 1 | Ref B1 | Union | Paren"},
                            {u"(A1,B1,C1)", "Ref A1 | Ref B1 | Union | Ref C1 | Union | Paren"},
                            {u"SUM((A1,Rate))", "Ref A1 | Name 0 | Union | Paren | FuncVar SUM 1"},
                        });
}

TEST(XLSFormulaEncoder, ReferencesAndNamesResolveInTheModel) {
    TFormulaModel model;
    CheckEncodes(model, {
                            {u"$A$1", "Ref $A$1"},
                            {u"A:C", "Area A1:C1048576"},
                            {u"$2:3", "Area A$2:XFD3"},
                            {u"Sheet2!A1:B2", "Area3d 1 A1:B2"},
                            {u"'My Sheet'!$A$1", "Ref3d 2 $A$1"},
                            {u"'Bob''s'!A1", "Ref3d 3 A1"},
                            {u"'2019'!A1", "Ref3d 4 A1"},
                            {u"sheet2!B:B", "Area3d 1 B1:B1048576"},
                            {u"Sheet1:Sheet2!A1", "Ref3dRange 0:1 A1"},
                            {u"[1]Prices!A1", "RefExt 0 0 A1"},
                            {u"'[1]Q 1'!B2:C3", "AreaExt 0 1 B2:C3"},
                            {u"'[C:\\Books\\Prices.xlsx]Prices:Q 1'!A1", "RefExtRange 0 0:1 A1"},
                            {u"Sheet2!#REF!", "Ref3dErr 4"},
                            {u"Rate*2", "Name 0 | Int 2 | Mul"},
                            {u"Nothing", "Err 5"},
                            // A sheet's own names come first; another sheet's are named with it.
                            {u"Local", "Err 5"},
                            {u"Local", "Name 1", 1},
                            {u"Sheet2!Local", "Name 1"},
                            {u"Sheet1!Local", "Name 65535"},
                            {u"[0]!Rate", "Name 0"},
                        });
}

TEST(XLSFormulaEncoder, StructuredReferencesNameTablesAndColumns) {
    TFormulaModel model;
    CheckEncodes(
        model,
        {
            {u"Table1[Amount]", "ListColumn 0 1 C3:C5 | List 0 0 1 B3:D5"},
            {u"table1[price'#]", "ListColumn 0 2 D3:D5 | List 0 0 1 B3:D5"},
            {u"Table1[[#Headers],[Item]]", "ListSpecial 3 0 B2:D2 | ListColumn 0 0 B3:B5 | List 0 0 2 B3:D5"},
            {u"Table1[[#Data],[#Totals]]", "ListSpecial 2 0 B3:D5 | ListSpecial 4 0 B6:D6 | List 0 0 2 B3:D5"},
            {u"Table1[#All]", "ListSpecial 1 0 B2:D6 | List 0 0 1 B3:D5"},
            // Operators between the items come before the table, those after it after.
            {u"Table1[[Item]:[Amount]]", "ListColumn 0 0 B3:B5 | ListColumn 0 1 C3:C5 | Range | List 0 0 1 B3:D5"},
            {u"1+Table1[Amount]", "Int 1 | ListColumn 0 1 C3:C5 | List 0 0 1 B3:D5 | Add"},
            {u"Table1[Amount]*2", "ListColumn 0 1 C3:C5 | List 0 0 1 B3:D5 | Int 2 | Mul"},
            {u"Table1[]", "List 0 0 0 B3:D5"},
        });
}

TEST(XLSFormulaEncoder, StructuredReferencesWithoutATableNameUseTheTableOfTheCell) {
    TFormulaModel model;
    TXLSTokenizer tokenizer(model.Errors);
    tokenizer.SetText(u"[Amount]*2");
    const auto tokens = tokenizer.Tokenize();
    ASSERT_NE(tokens, nullptr);
    TXLSFormulaEncoder encoder(model.Manager);
    encoder.SetTables(&model.Manager.Worksheets().GetItem(0)->GetTables());
    std::vector<uint8_t> ptgs;
    ASSERT_GT(encoder.Encode(*tokens, ptgs, 0, 2, 3), 0);
    EXPECT_EQ(Describe(ptgs), "ListColumn 0 1 C3:C5 | Int 2 | Mul");
    EXPECT_EQ(test_support::MessageOf([&] { encoder.Encode(*tokens, ptgs, 0, 9, 9); }),
              "E4024: Unknown table \"at J10\"");
}

TEST(XLSFormulaEncoder, ErrorsInTheFormulaAreReported) {
    TFormulaModel model;
    CheckEncodes(model, {
                            {u"(1,2)", "! E4018: Invalid use of operator"},
                            {u"{1,2;3}", "! E4022: Array constant columns not the same on each row"},
                            {u"Nosuch!A1", "! E4016: Uknown sheet name \"Nosuch\""},
                            {u"Sheet1:Nosuch!A1", "! E4016: Uknown sheet name \"Nosuch\""},
                            {u"[2]Prices!A1", "! E4012: Invalid workbook name"},
                            {u"[1]Nosuch!A1", "! E4016: Uknown sheet name \"Nosuch\""},
                            {u"0:3", "! E4010: Invalid cell reference"},
                            {u"Table9[Item]", "! E4024: Unknown table \"Table9\""},
                            {u"Table1[Nope]", "! E4025: Unknown table columns \"Nope\""},
                            {u"Table1[#Foo]", "! E4026: Unknown table special \"Foo\""},
                            {u"Table1[[Item],[#Headers]]", "! E4030: Table specials must be first in expression"},
                            {u"Table1[[#Headers],[#Totals]]", "! E4026: Unknown table special \"Totals\""},
                            {u"Table1[[#Headers]:[Item]]", "! E4028: Invalid use of operator in table"},
                            {u"[Item]", "! E4024: Unknown table \"at \""},
                            // What no formula of a file can mean raises without an error number.
                            {u"[1]!Rate", "! Unknown workbook \"1\" name"},
                            {u"Sheet1:Sheet2!Rate", "! Unknown name reference"},
                        });
}

// With a manager that keeps its errors the formula is encoded as far as it goes; a structured reference that breaks
// the rules rejects it whole.
TEST(XLSFormulaEncoder, AManagerThatKeepsErrorsGetsWhatCouldBeEncoded) {
    TFormulaModel model;
    model.Errors.SetSaveToList(true);
    EXPECT_EQ(model.Encode(u"(1,2)"), "Int 1 | Int 2 | Paren");
    EXPECT_EQ(model.Encode(u"Nosuch!A1+1"), "Int 1 | Add");
    std::vector<uint8_t> ptgs = {1, 2, 3};
    EXPECT_EQ(model.Handler.EncodeFormula(u"Table1[[Item],[#Headers]]", ptgs, 0), 0);
    EXPECT_EQ(ptgs, (std::vector<uint8_t>{1, 2, 3}));
    std::vector<int32_t> numbers;
    for (const TXLSErrorMessage& message : model.Errors.Messages()) {
        numbers.push_back(message.Number);
    }
    EXPECT_EQ(numbers,
              (std::vector<int32_t>{XLSErrorInvalidOperator, XLSErrorUnknownSheet, XLSErrorTableSpecialsFirst}));
}

} // namespace
} // namespace xls
