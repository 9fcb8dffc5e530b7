#include "xls/core/cells/XLSCellMMU.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "xls/core/base/XLSReadLimits.h"
#include "xls/core/cells/XLSPackedBytes.h"
#include "xls/core/model/styles/Xc12DataSST.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <variant>
#include <vector>

namespace xls {
namespace {

using test_support::Utf8;

using test_support::MessageOf;

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof(double)) == 0;
}

// A store on a style sheet with cell formats 0..7 and its string table.
class TStore {
public:
    TStore() {
        for (int32_t i = 1; i < 8; ++i) {
            FStyles.XFs().Add();
        }
    }

    int32_t Uses(int32_t xf) { return FStyles.XFs().GetItem(xf)->UseCount(); }
    std::vector<int32_t> AllUses() {
        std::vector<int32_t> uses;
        for (int32_t xf = 0; xf < FStyles.XFs().Count(); ++xf) {
            uses.push_back(Uses(xf));
        }
        return uses;
    }
    TXLSCellHandle Find(int32_t col, int32_t row) {
        TXLSCellHandle handle;
        FCells.FindCell(col, row, handle);
        return handle;
    }

    TXc12DataStyleSheet FStyles;
    TXc12DataSST FSST{&FStyles};
    TXLSCellMMU FCells{0, FStyles.XFEditor(), FSST};
};

TEST(XLSCellMMU, CompactNumber) {
    const struct {
        double Value;
        uint8_t Code;
        int64_t Stored; // the integer kept, for codes 2 to 6
    } cases[] = {
        {0, 2, 0},
        {127, 2, 127},
        {-128, 2, -128},
        {128, 3, 128},
        {-32768, 3, -32768},
        {32768, 4, 32768},
        {2147483647, 4, 2147483647},
        {-2147483646, 4, -2147483646},
        {-2147483647, 8, 0},
        {-2147483648.0, 8, 0},
        {2147483648.0, 8, 0},
        {0.01, 5, 1},
        {0.5, 5, 50},
        {-0.5, 5, -50},
        {1.2345, 6, 12345},
        {0.0001, 6, 1},
        {214748.3647, 6, 2147483647},
        {0.00001, 8, 0},
        {3.0000000000001, 8, 0},
        {0.123456, 8, 0},
        {300000.5, 8, 0},
        {1e20, 8, 0},
        {-0.0, 8, 0},
        {std::numeric_limits<double>::infinity(), 8, 0},
        {std::numeric_limits<double>::quiet_NaN(), 8, 0},
    };
    TStore store;
    int32_t row = 0;
    for (const auto& test : cases) {
        SCOPED_TRACE(testing::Message() << test.Value);
        std::array<uint8_t, 8> bytes;
        ASSERT_EQ(TXLSCellMMU::CompactNumber(test.Value, bytes), test.Code);
        switch (test.Code) {
        case 2:
            EXPECT_EQ(static_cast<int8_t>(bytes[0]), test.Stored);
            break;
        case 3:
            EXPECT_EQ(GetPacked<int16_t>(bytes.data()), test.Stored);
            break;
        case 8:
            EXPECT_TRUE(SameBits(GetPacked<double>(bytes.data()), test.Value));
            break;
        default:
            EXPECT_EQ(GetInt32(bytes.data()), test.Stored);
            break;
        }
        // Stored and read back, the number is the same to the bit.
        store.FCells.StoreFloat(0, row, 0, test.Value);
        const TXLSCellHandle cell = store.Find(0, row++);
        EXPECT_EQ(cell.CellType, test.Code);
        EXPECT_EQ(store.FCells.GetKind(cell), XLSKindFloat);
        EXPECT_TRUE(SameBits(store.FCells.GetFloat(cell), test.Value));
    }
}

TEST(XLSCellMMU, TypeCodes) {
    TStore store;
    for (int32_t i = 0; i <= 65536; ++i) {
        store.FSST.AddString(u"s" + rtl::Utf8ToUnicode(std::to_string(i)));
    }
    const struct {
        const char* Name;
        std::function<void(TXLSCellMMU&)> Store;
        int32_t Type;
        int32_t Kind;
        int32_t XF;
    } cases[] = {
        {"double", [](TXLSCellMMU& cells) { cells.StoreFloat(0, 0, 0, 0.1234567); }, 8, XLSKindFloat, 0},
        {"double with XF 3", [](TXLSCellMMU& cells) { cells.StoreFloat(0, 0, 3, 0.1234567); }, 72, XLSKindFloat, 3},
        {"int8 with XF 3", [](TXLSCellMMU& cells) { cells.StoreFloat(0, 0, 3, 5); }, 66, XLSKindFloat, 3},
        {"blank without XF", [](TXLSCellMMU& cells) { cells.StoreBlank(0, 0, 0); }, 65, XLSKindBlank, 0},
        {"blank", [](TXLSCellMMU& cells) { cells.StoreBlank(0, 0, 2); }, 65, XLSKindBlank, 2},
        {"boolean", [](TXLSCellMMU& cells) { cells.StoreBoolean(0, 0, 0, true); }, 11, XLSKindBoolean, 0},
        {"boolean with XF", [](TXLSCellMMU& cells) { cells.StoreBoolean(0, 0, 1, false); }, 75, XLSKindBoolean, 1},
        {"error", [](TXLSCellMMU& cells) { cells.StoreError(0, 0, 0, 7); }, 12, XLSKindError, 0},
        {"error with XF", [](TXLSCellMMU& cells) { cells.StoreError(0, 0, 4, 2); }, 76, XLSKindError, 4},
        {"string 65535", [](TXLSCellMMU& cells) { cells.StoreSSTIndex(0, 0, 0, 65535); }, 9, XLSKindString, 0},
        {"string 65536", [](TXLSCellMMU& cells) { cells.StoreSSTIndex(0, 0, 0, 65536); }, 10, XLSKindString, 0},
        {"string with XF", [](TXLSCellMMU& cells) { cells.StoreSSTIndex(0, 0, 5, 65536); }, 74, XLSKindString, 5},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        test.Store(store.FCells);
        const TXLSCellHandle cell = store.Find(0, 0);
        EXPECT_EQ(cell.CellType, test.Type);
        EXPECT_EQ(store.FCells.GetKind(cell), test.Kind);
        EXPECT_EQ(store.FCells.GetXF(cell), test.XF);
    }
    const TXLSCellHandle text = store.Find(0, 0);
    EXPECT_EQ(store.FCells.GetSSTIndex(text), 65536);
    EXPECT_EQ(Utf8(store.FCells.GetString(text)), "s65536");
}

TEST(XLSCellMMU, ValuesReadBack) {
    TStore store;
    TXLSCellMMU& cells = store.FCells;
    cells.StoreBoolean(0, 0, 0, true);
    cells.StoreBoolean(1, 0, 2, false);
    cells.StoreError(2, 0, 3, 8);
    cells.StoreString(3, 0, u"Nord", 0);
    cells.StoreFloat(4, 0, 1, 19.99);
    const struct {
        int32_t Col;
        bool Boolean;
        int32_t Error;
        const char* Text;
        double Float;
    } cases[] = {
        {0, true, 0, "", 0},      {1, false, 0, "", 0},     {2, false, 8, "", 0},
        {3, false, 0, "Nord", 0}, {4, false, 0, "", 19.99},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Col);
        const TXLSCellHandle cell = store.Find(test.Col, 0);
        EXPECT_EQ(cells.GetBoolean(cell), test.Boolean);
        EXPECT_EQ(cells.GetError(cell), test.Error);
        EXPECT_EQ(Utf8(cells.GetString(cell)), test.Text);
        EXPECT_EQ(cells.GetFloat(cell), test.Float);
        EXPECT_EQ(cells.GetFormulaFloatResult(cell), 0);
        EXPECT_EQ(Utf8(cells.GetFormulaText(cell)), "");
        EXPECT_FALSE(cells.IsFormulaCompiled(cell));
    }
    const TXLSCellHandle none = store.Find(9, 0);
    EXPECT_EQ(none.Data, nullptr);
    EXPECT_EQ(cells.GetKind(none), XLSKindNone);
    EXPECT_EQ(cells.GetSSTIndex(none), -1);
    EXPECT_EQ(store.Find(0, -1).Data, nullptr);
    EXPECT_EQ(store.Find(0, 5000).Data, nullptr);
}

TEST(XLSCellMMU, CellKinds) {
    const struct {
        int32_t Type;
        int32_t Kind;
    } cases[] = {{1, 1},  {65, 1}, {2, 5},    {8, 5},    {72, 5},   {9, 4},    {10, 4},  {11, 2},
                 {75, 2}, {12, 3}, {0x94, 6}, {0xD4, 6}, {0x95, 7}, {0x96, 8}, {0x97, 9}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Type);
        EXPECT_EQ(TXLSCellMMU::CellKind(test.Type), test.Kind);
    }
    for (const int32_t type : {0, 13, 19, 24, 31, 0x40}) {
        SCOPED_TRACE(type);
        EXPECT_EQ(MessageOf([type] { TXLSCellMMU::CellKind(type); }), "Invalid XLate code");
    }
}

TEST(XLSCellMMU, RefusesBadPositionsAndIndexes) {
    const struct {
        const char* Name;
        std::function<void(TStore&)> Operation;
        const char* Message;
    } cases[] = {
        {"column -1", [](TStore& s) { s.FCells.StoreFloat(-1, 0, 0, 1); }, "Invalid cell column -1"},
        {"column 16384", [](TStore& s) { s.FCells.StoreBlank(16384, 0, 1); }, "Invalid cell column 16384"},
        {"row -1", [](TStore& s) { s.FCells.StoreBoolean(0, -1, 0, true); }, "Invalid cell row -1"},
        {"row 1048576", [](TStore& s) { s.FCells.StoreError(0, 1048576, 0, 1); }, "Invalid cell row 1048576"},
        {"string at a bad column", [](TStore& s) { s.FCells.StoreString(20000, 0, u"x", 0); },
         "Invalid cell column 20000"},
        {"row format at a bad row", [](TStore& s) { s.FCells.SetRowFormat(2000000, 1); }, "Invalid cell row 2000000"},
        {"XF -1", [](TStore& s) { s.FCells.StoreFloat(0, 0, -1, 1); }, "Invalid cell format index -1"},
        {"XF 65536", [](TStore& s) { s.FCells.StoreFloat(0, 0, 65536, 1); }, "Invalid cell format index 65536"},
        {"XF beyond the style sheet", [](TStore& s) { s.FCells.StoreFloat(0, 0, 8, 1); },
         "List index out of bounds (8)"},
        {"row format XF beyond the style sheet", [](TStore& s) { s.FCells.SetRowFormat(0, 9); },
         "List index out of bounds (9)"},
        {"SST index beyond the table", [](TStore& s) { s.FCells.StoreSSTIndex(0, 0, 0, 2); }, "Index out of range"},
        {"negative SST index", [](TStore& s) { s.FCells.StoreSSTIndex(0, 0, 0, -1); }, "Index out of range"},
        {"freed SST slot",
         [](TStore& s) {
             s.FSST.AddRef(0);
             s.FSST.Release(0);
             s.FCells.StoreSSTIndex(0, 0, 0, 0);
         },
         "SST String is Nil"},
        {"error index 9", [](TStore& s) { s.FCells.StoreError(0, 0, 0, 9); }, "Invalid error value"},
        {"formula outside the sheet",
         [](TStore& s) {
             s.FCells.FormulaHelper().SetCell(0, -5);
             s.FCells.FormulaHelper().SetFloatResult(1);
             s.FCells.StoreFormula();
         },
         "Invalid cell row -5"},
        {"formula area outside the sheet",
         [](TStore& s) {
             TXLSFormulaHelper& helper = s.FCells.FormulaHelper();
             helper.SetCell(0, 0);
             helper.SetFloatResult(1);
             helper.SetArea(0, 0, 70000, 3);
             helper.SetHasArea(true);
             s.FCells.StoreFormula();
         },
         "Invalid cell column 70000"},
        {"shared member whose master is outside the sheet",
         [](TStore& s) {
             TXLSFormulaHelper& helper = s.FCells.FormulaHelper();
             helper.SetCell(0, 0);
             helper.SetFloatResult(1);
             helper.SetFormulaKind(XLSFormulaSharedMember);
             helper.SetMaster(0, 1048576);
             s.FCells.StoreFormula();
         },
         "Invalid cell row 1048576"},
        {"formula without a result",
         [](TStore& s) {
             s.FCells.FormulaHelper().SetCell(0, 0);
             s.FCells.StoreFormula();
         },
         "Invalid formula cell type"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        TStore store;
        store.FSST.AddString(u"a");
        store.FSST.AddString(u"b");
        store.FCells.StoreFloat(0, 0, 2, 42);
        const std::vector<int32_t> uses = store.AllUses();
        EXPECT_EQ(MessageOf([&] { test.Operation(store); }), test.Message);
        // Nothing changed: the cell, the use counts, the strings.
        const TXLSCellHandle cell = store.Find(0, 0);
        EXPECT_EQ(store.FCells.GetFloat(cell), 42);
        EXPECT_EQ(store.FCells.GetXF(cell), 2);
        EXPECT_EQ(store.AllUses(), uses);
        EXPECT_EQ(TXc12DataSST::ItemRefCount(store.FSST.Item(1)), 0);
        EXPECT_EQ(store.FCells.GetRowRecord(0).XF(), 0);
    }
}

TEST(XLSCellMMU, UseCounts) {
    TStore store;
    TXLSCellMMU& cells = store.FCells;
    // A new row holds a use of XF 0 through its row record; every cell one of its XF, XF 0 too.
    cells.StoreFloat(0, 0, 3, 1);
    EXPECT_EQ(store.AllUses(), (std::vector<int32_t>{1, 0, 0, 1, 0, 0, 0, 0}));
    cells.StoreFloat(1, 0, 0, 2);
    EXPECT_EQ(store.AllUses(), (std::vector<int32_t>{2, 0, 0, 1, 0, 0, 0, 0}));
    // Overwriting gives back the old cell's use.
    cells.StoreBlank(0, 0, 5);
    EXPECT_EQ(store.AllUses(), (std::vector<int32_t>{2, 0, 0, 0, 0, 1, 0, 0}));
    // A row format replaces the row record's use.
    TXLSRowRecord record = cells.SetRowFormat(0, 6);
    EXPECT_EQ(store.AllUses(), (std::vector<int32_t>{1, 0, 0, 0, 0, 1, 1, 0}));
    EXPECT_EQ(record.XF(), 6);
    EXPECT_EQ(record.Height(), 300);
    // A row format for a new row takes only the format's use.
    record = cells.SetRowFormat(700, 7);
    record.SetHeight(-1);
    record.SetFlags(XLSRowHidden | XLSRowCustomHeight);
    record.SetOutlineLevel(2);
    EXPECT_EQ(store.AllUses(), (std::vector<int32_t>{1, 0, 0, 0, 0, 1, 1, 1}));
    const TXLSRowRecord again = cells.GetRowRecord(700);
    EXPECT_EQ(again.Height(), -1);
    EXPECT_EQ(again.Flags(), XLSRowHidden | XLSRowCustomHeight);
    EXPECT_EQ(again.OutlineLevel(), 2);
    EXPECT_EQ(again.XF(), 7);
}

// The parts of a formula cell that the store keeps, as text (the position is the caller's).
std::string HelperText(const TXLSFormulaHelper& helper) {
    std::string text = "kind " + std::to_string(helper.FormulaKind()) + " xf " + std::to_string(helper.XF()) +
                       " result " + std::to_string(helper.ResultKind()) + " " + std::to_string(helper.FloatResult()) +
                       " " + Utf8(helper.StringResult()) + " " + std::to_string(helper.BooleanResult()) + " " +
                       std::to_string(helper.ErrorResult()) + " text " + Utf8(helper.FormulaText()) + " tokens";
    for (int32_t i = 0; i < helper.PtgsSize(); ++i) {
        text += " " + std::to_string(helper.Ptgs()[i]);
    }
    if (helper.HasArea()) {
        text += " area " + std::to_string(helper.AreaCol1()) + "," + std::to_string(helper.AreaRow1()) + ":" +
                std::to_string(helper.AreaCol2()) + "," + std::to_string(helper.AreaRow2());
    }
    if (helper.HasTable()) {
        text += " table " + std::to_string(helper.TableOptions());
    }
    if (helper.HasTable() || helper.FormulaKind() == XLSFormulaDataTable) {
        text += " inputs " + std::to_string(helper.TableRef1Col()) + "," + std::to_string(helper.TableRef1Row()) + " " +
                std::to_string(helper.TableRef2Col()) + "," + std::to_string(helper.TableRef2Row());
    }
    if (helper.FormulaKind() >= XLSFormulaArrayMember) {
        text += " master " + std::to_string(helper.MasterCol()) + "," + std::to_string(helper.MasterRow());
    }
    return text;
}

TEST(XLSCellMMU, FormulaCellsLoadBack) {
    static const uint8_t encoded[] = {0x1E, 0x05, 0x00};
    const struct {
        const char* Name;
        std::function<void(TXLSFormulaHelper&)> Fill;
        int32_t Type;
        int32_t XF;
        const char* Text;            // the formula text, or the error reading it raises
        std::vector<uint8_t> Tokens; // the tokens GetFormulaPtgs gives, for compiled formulas
    } cases[] = {
        {"8-bit text, float result",
         [](TXLSFormulaHelper& h) {
             h.SetFormulaText(u"SUM(A1:B2)*\u00E9");
             h.SetFloatResult(3.5);
         },
         0x94,
         0,
         "SUM(A1:B2)*\xC3\xA9",
         {}},
        {"16-bit text with an array area, string result",
         [](TXLSFormulaHelper& h) {
             h.SetXF(4);
             h.SetFormulaKind(XLSFormulaArray);
             h.SetFormulaText(u"\u4E2D&\"x\"");
             h.SetStringResult(u"abc\u4E2D");
             EXPECT_TRUE(h.SetAreaText(u"A1:B3"));
         },
         0xD5,
         4,
         "\u4E2D&\"x\"",
         {}},
        {"BIFF tokens, boolean result",
         [](TXLSFormulaHelper& h) {
             h.SetCompiledPtgs(encoded, 3);
             h.SetBooleanResult(true);
         },
         0x96,
         0,
         "Formula is compiled",
         {0xFF, 0x1E, 0x05, 0x00}},
        {"BIFF tokens with extra data, error result",
         [](TXLSFormulaHelper& h) {
             h.SetXF(2);
             h.SetPtgsWithExtra(encoded, 1, 2);
             h.SetErrorResult(7);
         },
         0xD7,
         2,
         "Formula is compiled",
         {0xFE, 0x02, 0x00, 0x1E, 0x05, 0x00}},
        {"attached encoder tokens",
         [](TXLSFormulaHelper& h) {
             h.AttachPtgs(encoded);
             h.SetPtgsSize(3);
             h.SetFloatResult(-1);
         },
         0x94,
         0,
         "Formula is compiled",
         {0x1E, 0x05, 0x00}},
        {"array member",
         [](TXLSFormulaHelper& h) {
             h.SetFormulaKind(XLSFormulaArrayMember);
             h.SetMaster(2, 70000);
             h.SetFloatResult(1);
         },
         0x94,
         0,
         "Formula is compiled",
         {0xB8, 2, 0, 0x70, 0x11, 0x01, 0}},
        {"shared member",
         [](TXLSFormulaHelper& h) {
             h.SetFormulaKind(XLSFormulaSharedMember);
             h.SetMaster(300, 1);
             h.SetErrorResult(2);
         },
         0x97,
         0,
         "Formula is compiled",
         {0xB9, 0x2C, 0x01, 1, 0, 0, 0}},
        {"data-table member",
         [](TXLSFormulaHelper& h) {
             h.SetFormulaKind(XLSFormulaTableMember);
             h.SetMaster(0, 0);
             h.SetBooleanResult(false);
         },
         0x96,
         0,
         "Formula is compiled",
         {0xBB, 0, 0, 0, 0, 0, 0}},
        {"data table",
         [](TXLSFormulaHelper& h) {
             h.SetFormulaKind(XLSFormulaDataTable);
             h.SetTableOptions(0x0C);
             EXPECT_TRUE(h.SetTableRef1Text(u"B1"));
             EXPECT_TRUE(h.SetTableRef2Text(u"C2"));
             EXPECT_TRUE(h.SetAreaText(u"A1:C3"));
             h.SetFloatResult(2);
         },
         0x94,
         0,
         "Formula is compiled",
         {0xBA, 0x0C, 1, 0, 0, 0, 0, 0, 2, 0, 1, 0, 0, 0}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        TStore store;
        TXLSFormulaHelper& helper = store.FCells.FormulaHelper();
        helper.Clear();
        helper.SetCell(3, 700);
        test.Fill(helper);
        const std::string stored = HelperText(helper);
        store.FCells.StoreFormula();
        helper.Clear();

        const TXLSCellHandle cell = store.Find(3, 700);
        EXPECT_EQ(cell.CellType, test.Type);
        EXPECT_EQ(store.FCells.GetKind(cell), (test.Type & 0x1F) - 14);
        EXPECT_EQ(store.FCells.GetXF(cell), test.XF);
        const std::string text = MessageOf([&] { throw rtl::Exception(store.FCells.GetFormulaText(cell)); });
        EXPECT_EQ(text, test.Text);
        EXPECT_EQ(store.FCells.IsFormulaCompiled(cell), !test.Tokens.empty());
        if (!test.Tokens.empty()) {
            int32_t length = 0;
            const uint8_t* tokens = store.FCells.GetFormulaPtgs(cell, length);
            EXPECT_EQ(std::vector<uint8_t>(tokens, tokens + length), test.Tokens);
        }
        store.FCells.LoadFormula(cell);
        EXPECT_EQ(HelperText(helper), stored);
    }
}

TEST(XLSCellMMU, FormulaCellLimits) {
    const struct {
        const char* Name;
        std::u16string Text;
        std::u16string Result;
        const char* Message;
    } cases[] = {
        {"65535 bytes", std::u16string(65530, u'A'), u"", "no exception"},
        {"65536 bytes", std::u16string(65531, u'A'), u"", "Formula cell too large (65536 bytes)"},
        {"16-bit text", std::u16string(32767, u'\u4E2D'), u"", "Formula cell too large (65539 bytes)"},
        {"long string result", u"A1", std::u16string(40000, u'x'), "Formula cell too large (80008 bytes)"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        TStore store;
        TXLSFormulaHelper& helper = store.FCells.FormulaHelper();
        helper.SetCell(0, 0);
        helper.SetFormulaText(test.Text);
        if (test.Result.empty()) {
            helper.SetBooleanResult(true);
        } else {
            helper.SetStringResult(test.Result);
        }
        EXPECT_EQ(MessageOf([&] { store.FCells.StoreFormula(); }), test.Message);
        const TXLSCellHandle cell = store.Find(0, 0);
        EXPECT_EQ(cell.Data != nullptr, std::string(test.Message) == "no exception");
        if (cell.Data != nullptr) {
            EXPECT_EQ(store.FCells.GetFormulaText(cell), test.Text);
        }
    }

    TStore store;
    store.FCells.StoreFloat(0, 0, 0, 1);
    const TXLSCellHandle number = store.Find(0, 0);
    EXPECT_EQ(MessageOf([&] { store.FCells.LoadFormula(number); }), "Cell is not formula");
    int32_t length = 0;
    EXPECT_EQ(MessageOf([&] { store.FCells.GetFormulaPtgs(number, length); }), "Formula is not compiled");
    TXLSFormulaHelper& helper = store.FCells.FormulaHelper();
    helper.SetCell(1, 0);
    helper.SetFormulaText(u"A1");
    helper.SetFloatResult(1);
    store.FCells.StoreFormula();
    EXPECT_EQ(MessageOf([&] { store.FCells.GetFormulaPtgs(store.Find(1, 0), length); }), "Formula is not compiled");
}

TEST(XLSCellMMU, FormulaStringResult) {
    TStore store;
    TXLSFormulaHelper& helper = store.FCells.FormulaHelper();
    helper.SetCell(2, 2);
    helper.SetXF(6);
    helper.SetFormulaText(u"A1&B1");
    helper.SetFloatResult(0);
    store.FCells.StoreFormula();
    // An empty text still makes a float result a string result.
    store.FCells.SetFormulaStringResult(2, 2, u"");
    TXLSCellHandle cell = store.Find(2, 2);
    EXPECT_EQ(store.FCells.GetKind(cell), XLSResultString);
    store.FCells.SetFormulaStringResult(2, 2, u"Nordost");
    cell = store.Find(2, 2);
    EXPECT_EQ(Utf8(store.FCells.GetFormulaStringResult(cell)), "Nordost");
    EXPECT_EQ(Utf8(store.FCells.GetFormulaText(cell)), "A1&B1");
    EXPECT_EQ(store.FCells.GetXF(cell), 6);
    EXPECT_EQ(store.Uses(6), 1);
}

// One cell of every kind at row 0, for the tests that change cells in place.
struct TKindCase {
    const char* Name;
    std::function<void(TXLSCellMMU&, int32_t xf)> Store;
};

std::vector<TKindCase> KindCases() {
    return {
        {"blank", [](TXLSCellMMU& cells, int32_t xf) { cells.StoreBlank(0, 0, xf); }},
        {"boolean", [](TXLSCellMMU& cells, int32_t xf) { cells.StoreBoolean(0, 0, xf, true); }},
        {"error", [](TXLSCellMMU& cells, int32_t xf) { cells.StoreError(0, 0, xf, 4); }},
        {"string", [](TXLSCellMMU& cells, int32_t xf) { cells.StoreString(0, 0, u"Süd", xf); }},
        {"float", [](TXLSCellMMU& cells, int32_t xf) { cells.StoreFloat(0, 0, xf, 1234.5678); }},
        {"formula",
         [](TXLSCellMMU& cells, int32_t xf) {
             TXLSFormulaHelper& helper = cells.FormulaHelper();
             helper.Clear();
             helper.SetCell(0, 0);
             helper.SetXF(xf);
             helper.SetFormulaText(u"B1*2");
             helper.SetFloatResult(9.5);
             helper.SetArea(0, 0, 0, 3);
             helper.SetHasArea(true);
             helper.SetFormulaKind(XLSFormulaArray);
             cells.StoreFormula();
         }},
    };
}

// What a cell holds apart from its XF, as text.
std::string Describe(TXLSCellMMU& cells) {
    TXLSCellHandle cell;
    cells.FindCell(0, 0, cell);
    std::string text = std::to_string(cells.GetKind(cell)) + " " + std::to_string(cells.GetBoolean(cell)) + " " +
                       std::to_string(cells.GetError(cell)) + " " + Utf8(cells.GetString(cell)) + " " +
                       std::to_string(cells.GetFloat(cell)) + " " + Utf8(cells.GetFormulaText(cell));
    if (cells.GetKind(cell) >= XLSResultFloat) {
        cells.LoadFormula(cell);
        const TXLSFormulaHelper& helper = cells.FormulaHelper();
        text += " " + std::to_string(helper.FormulaKind()) + " " + std::to_string(helper.HasArea()) + " " +
                std::to_string(helper.AreaRow2());
    }
    return text;
}

TEST(XLSCellMMU, SetCellXFKeepsValueAndCounts) {
    const struct {
        int32_t From;
        int32_t To;
    } changes[] = {{5, 0}, {0, 3}, {5, 3}, {4, 4}};
    for (const TKindCase& kind : KindCases()) {
        for (const auto& change : changes) {
            SCOPED_TRACE(testing::Message() << kind.Name << " " << change.From << " to " << change.To);
            TStore store;
            kind.Store(store.FCells, change.From);
            const std::string before = Describe(store.FCells);
            std::vector<int32_t> uses = store.AllUses();
            store.FCells.SetCellXF(0, 0, change.To);
            --uses[change.From];
            ++uses[change.To];
            EXPECT_EQ(store.AllUses(), uses);
            EXPECT_EQ(Describe(store.FCells), before);
            const TXLSCellHandle cell = store.Find(0, 0);
            EXPECT_EQ(store.FCells.GetXF(cell), change.To);
            // Only a blank cell keeps an XF field for XF 0.
            const bool field = change.To != 0 || store.FCells.GetKind(cell) == XLSKindBlank;
            EXPECT_EQ((cell.CellType & XLSCellHasXF) != 0, field);
            if (store.FCells.GetKind(cell) == XLSKindString) {
                EXPECT_EQ(TXc12DataSST::ItemRefCount(store.FSST.Item(0)), 1);
                EXPECT_EQ(cell.CellType, change.To == 0 ? 9 : 73);
            }
        }
    }
    TStore store;
    store.FCells.SetCellXF(3, 3, 2);
    EXPECT_EQ(store.Find(3, 3).Data, nullptr);
}

TEST(XLSCellMMU, SetString) {
    const struct {
        const char* Name;
        int32_t XF;
        int32_t ExpectedKind;
        int32_t ExpectedXF;
    } results[] = {
        {"blank", 5, XLSKindString, 5},  {"boolean", 5, XLSKindString, 5}, {"error", 0, XLSKindString, 4},
        {"string", 5, XLSKindString, 5}, {"float", 0, XLSKindString, 4},   {"formula", 5, XLSResultString, 5},
    };
    const std::vector<TKindCase> kinds = KindCases();
    for (size_t i = 0; i < kinds.size(); ++i) {
        SCOPED_TRACE(kinds[i].Name);
        TStore store;
        kinds[i].Store(store.FCells, results[i].XF);
        store.FCells.SetString(0, 0, u"West", 4);
        const TXLSCellHandle cell = store.Find(0, 0);
        EXPECT_EQ(store.FCells.GetKind(cell), results[i].ExpectedKind);
        EXPECT_EQ(store.FCells.GetXF(cell), results[i].ExpectedXF);
        const std::string text =
            Utf8(results[i].ExpectedKind == XLSKindString ? store.FCells.GetString(cell)
                                                          : store.FCells.GetFormulaStringResult(cell));
        EXPECT_EQ(text, "West");
        // The old string of a text cell is freed with its last reference.
        int32_t strings = 0;
        for (int32_t index = 0; index < store.FSST.Count(); ++index) {
            if (store.FSST.Item(index) != nullptr) {
                ++strings;
                EXPECT_EQ(TXc12DataSST::ItemRefCount(store.FSST.Item(index)), 1);
            }
        }
        EXPECT_EQ(strings, results[i].ExpectedKind == XLSKindString ? 1 : 0);
        std::vector<int32_t> uses(8, 0);
        uses[0] = 1;
        ++uses[results[i].ExpectedXF];
        EXPECT_EQ(store.AllUses(), uses);
    }
    TStore store;
    store.FCells.SetString(7, 7, u"Ost", 2);
    EXPECT_EQ(store.FCells.GetXF(store.Find(7, 7)), 2);
    EXPECT_EQ(MessageOf([&] { store.FCells.SetFormulaStringResult(7, 7, u"x"); }), "Cell is not formula");
    EXPECT_EQ(MessageOf([&] { store.FCells.SetFormulaStringResult(8, 8, u"x"); }), "Cell is not formula");
}

TEST(XLSCellMMU, SetStringAcrossTheSixteenBitIndexes) {
    TStore store;
    for (int32_t i = 0; i < 65536; ++i) {
        store.FSST.AddString(u"s" + rtl::Utf8ToUnicode(std::to_string(i)));
    }
    store.FCells.StoreSSTIndex(0, 0, 3, 5);
    store.FCells.SetString(0, 0, u"new", 0);
    TXLSCellHandle cell = store.Find(0, 0);
    EXPECT_EQ(cell.CellType, XLSCellSST32 | XLSCellHasXF);
    EXPECT_EQ(store.FCells.GetSSTIndex(cell), 65536);
    EXPECT_EQ(store.FSST.Item(5), nullptr);
    // The freed slot 5 is reused, which fits 16 bits again.
    store.FCells.SetString(0, 0, u"newer", 0);
    cell = store.Find(0, 0);
    EXPECT_EQ(cell.CellType, XLSCellSST16 | XLSCellHasXF);
    EXPECT_EQ(store.FCells.GetSSTIndex(cell), 5);
    EXPECT_EQ(store.FSST.Count(), 65536);
    EXPECT_EQ(store.Uses(3), 1);
}

TEST(XLSCellMMU, Dimension) {
    const struct {
        const char* Name;
        std::function<void(TXLSCellMMU&)> Fill;
        TXLSCellAreaRec Expected;
    } cases[] = {
        {"empty", [](TXLSCellMMU&) {}, {0, 0, 0, 0}},
        {"only a row record", [](TXLSCellMMU& cells) { cells.SetRowFormat(5, 1); }, {0, 0, 0, 0}},
        {"rows 300 to 310 of a later block",
         [](TXLSCellMMU& cells) {
             for (int32_t row = 299; row <= 309; ++row) {
                 cells.StoreFloat(2 + row % 3, row, 0, row);
             }
         },
         {299, 309, 2, 4}},
        {"a row record widens the rows",
         [](TXLSCellMMU& cells) {
             cells.StoreFloat(3, 5, 0, 1);
             cells.SetRowFormat(1000, 0);
         },
         {5, 1000, 3, 3}},
        {"the last cell of the sheet",
         [](TXLSCellMMU& cells) {
             cells.StoreFloat(XLSMaxCol, XLSMaxRow, 0, 1);
             cells.StoreBlank(7, 0, 1);
         },
         {0, XLSMaxRow, 7, XLSMaxCol}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        TStore store;
        EXPECT_EQ(store.FCells.Dimension(), TXLSCellAreaRec{});
        test.Fill(store.FCells);
        store.FCells.CalcDimension();
        EXPECT_EQ(store.FCells.Dimension(), test.Expected);
    }
}

TEST(XLSCellMMU, Iteration) {
    TStore store;
    TXLSCellMMU& cells = store.FCells;
    EXPECT_EQ(cells.LastRow(), -1);
    cells.SetRowFormat(2, 1);
    cells.StoreFloat(4, 3, 0, 1);
    cells.StoreFloat(1, 600, 0, 2);
    cells.StoreString(9, 600, u"x", 0);
    EXPECT_EQ(cells.LastRow(), 600);
    // The first present row holds only its row record: no cell, though later rows hold some.
    ASSERT_TRUE(cells.BeginIterate(0));
    EXPECT_EQ(cells.IterRow(), 2);
    EXPECT_EQ(cells.IterRowRecord().XF(), 1);
    EXPECT_FALSE(cells.NextCell());

    std::vector<std::pair<int32_t, int32_t>> found;
    ASSERT_TRUE(cells.BeginIterate(0));
    do {
        while (cells.NextCell()) {
            found.emplace_back(cells.IterRow(), cells.IterCol());
            EXPECT_EQ(cells.IterCell().Data, store.Find(cells.IterCol(), cells.IterRow()).Data);
        }
    } while (cells.NextRow());
    EXPECT_EQ(found, (std::vector<std::pair<int32_t, int32_t>>{{3, 4}, {600, 1}, {600, 9}}));
    EXPECT_TRUE(cells.BeginIterate(4));
    EXPECT_EQ(cells.IterRow(), 600);
    EXPECT_FALSE(cells.BeginIterate(601));

    cells.Clear();
    EXPECT_EQ(store.Find(4, 3).Data, nullptr);
    EXPECT_FALSE(cells.BeginIterate(0));
    EXPECT_EQ(cells.LastRow(), -1);
}

TEST(XLSCellMMU, MemoryPerCell) {
    // A row of 100 numbers of one form costs its header, its row record, one run header per 127 cells and the
    // payloads.
    // The block keeps an eighth spare once writing has moved on to the next block, whose one cell costs the same in
    // a store without the row.
    TStore store;
    for (int32_t col = 0; col < 100; ++col) {
        store.FCells.StoreFloat(col, 0, 0, 1000 + col);
    }
    store.FCells.StoreBoolean(0, XLSMMUBlockRows, 0, true);
    TStore nextBlockOnly;
    nextBlockOnly.FCells.StoreBoolean(0, XLSMMUBlockRows, 0, true);
    EXPECT_LE(store.FCells.MemorySize() - nextBlockOnly.FCells.MemorySize(), (6 + 6 + 2 + 100 * 2) * 9 / 8 + 1);

    const int64_t empty = TStore().FCells.MemorySize();

    // One cell in the last row costs one block, not a record for each of the 4096 blocks above it.
    TStore far;
    far.FCells.StoreBoolean(0, XLSMaxRow, 0, true);
    EXPECT_LT(far.FCells.MemorySize() - empty, 4096 * static_cast<int64_t>(sizeof(void*)) + 2 * sizeof(TXLSMMUBlock));
    EXPECT_EQ(far.FCells.LastRow(), XLSMaxRow);
    EXPECT_TRUE(far.FCells.BeginIterate(0));
    EXPECT_EQ(far.FCells.IterRow(), XLSMaxRow);
}

// The random test's model of one cell.
struct TModelCell {
    int32_t Kind = XLSKindNone;
    std::variant<bool, int32_t, double, std::u16string> Value;
    int32_t XF = 0;
    bool operator==(const TModelCell&) const = default;
};

TModelCell ReadCell(TXLSCellMMU& cells, const TXLSCellHandle& cell) {
    TModelCell model;
    model.Kind = cells.GetKind(cell);
    model.XF = cells.GetXF(cell);
    switch (model.Kind) {
    case XLSKindBoolean:
        model.Value = cells.GetBoolean(cell);
        break;
    case XLSKindError:
        model.Value = cells.GetError(cell);
        break;
    case XLSKindString:
        model.Value = cells.GetString(cell);
        break;
    case XLSKindFloat:
        model.Value = cells.GetFloat(cell);
        break;
    case XLSResultFloat:
        model.Value = cells.GetFormulaText(cell) + u"=" + rtl::Utf8ToUnicode(std::to_string(cells.GetFloat(cell)));
        break;
    case XLSResultString:
        model.Value = cells.GetFormulaText(cell) + u"=" + cells.GetFormulaStringResult(cell);
        break;
    default:
        break;
    }
    return model;
}

TEST(XLSCellMMU, RandomOperationsMatchAModel) {
    TStore store;
    TXLSCellMMU& cells = store.FCells;
    std::mt19937 random(20240611);
    std::map<std::pair<int32_t, int32_t>, TModelCell> model; // (row, col)
    std::map<int32_t, int32_t> rowFormats;                   // row -> XF of its row record
    const std::u16string texts[] = {u"Nord", u"Süd", u"Ost", u"West", u"中部", u"", u"Nordwest"};
    const double numbers[] = {0, 1, -7, 250, 70000, 0.25, 19.99, 1234.5678, 3.0000000000001, -1e300};

    const auto check = [&] {
        // Every cell reads back, in order, and nothing else is there.
        auto expected = model.begin();
        if (cells.BeginIterate(0)) {
            do {
                while (cells.NextCell()) {
                    ASSERT_NE(expected, model.end());
                    ASSERT_EQ(std::make_pair(cells.IterRow(), cells.IterCol()), expected->first);
                    ASSERT_TRUE(ReadCell(cells, cells.IterCell()) == expected->second)
                        << expected->first.first << "," << expected->first.second;
                    ++expected;
                }
                ASSERT_EQ(cells.IterRowRecord().XF(), rowFormats.at(cells.IterRow()));
            } while (cells.NextRow());
        }
        ASSERT_EQ(expected, model.end());
        // Use counts: one per row record and cell; references: one per text cell.
        std::vector<int32_t> uses(8, 0);
        std::map<std::u16string, int32_t> references;
        for (const auto& [row, xf] : rowFormats) {
            ++uses[xf];
        }
        for (const auto& [position, cell] : model) {
            ++uses[cell.XF];
            if (cell.Kind == XLSKindString) {
                ++references[std::get<std::u16string>(cell.Value)];
            }
        }
        ASSERT_EQ(store.AllUses(), uses);
        int32_t strings = 0;
        for (int32_t index = 0; index < store.FSST.Count(); ++index) {
            if (const uint8_t* item = store.FSST.Item(index)) {
                ++strings;
                ASSERT_EQ(TXc12DataSST::ItemRefCount(item), references[TXc12DataSST::ItemToString(item)]);
            }
        }
        ASSERT_EQ(strings, static_cast<int32_t>(references.size()));
    };

    for (int32_t step = 0; step < 6000; ++step) {
        const int32_t row = static_cast<int32_t>(random() % 700);
        const int32_t col = static_cast<int32_t>(random() % 300);
        const int32_t xf = static_cast<int32_t>(random() % 8);
        const auto position = std::make_pair(row, col);
        const auto it = model.find(position);
        const int32_t operation = static_cast<int32_t>(random() % 9);
        TModelCell cell{XLSKindNone, false, xf};
        switch (operation) {
        case 0:
            cells.StoreBlank(col, row, xf);
            cell.Kind = XLSKindBlank;
            break;
        case 1:
            cell.Value = static_cast<bool>(random() % 2);
            cells.StoreBoolean(col, row, xf, std::get<bool>(cell.Value));
            cell.Kind = XLSKindBoolean;
            break;
        case 2:
            cell.Value = static_cast<int32_t>(1 + random() % 8);
            cells.StoreError(col, row, xf, std::get<int32_t>(cell.Value));
            cell.Kind = XLSKindError;
            break;
        case 3:
            cell.Value = numbers[random() % std::size(numbers)];
            cells.StoreFloat(col, row, xf, std::get<double>(cell.Value));
            cell.Kind = XLSKindFloat;
            break;
        case 4:
            cell.Value = texts[random() % std::size(texts)];
            cells.StoreString(col, row, std::get<std::u16string>(cell.Value), xf);
            cell.Kind = XLSKindString;
            break;
        case 5: {
            TXLSFormulaHelper& helper = cells.FormulaHelper();
            helper.Clear();
            helper.SetCell(col, row);
            helper.SetXF(xf);
            const std::u16string formula = u"A" + rtl::Utf8ToUnicode(std::to_string(step));
            helper.SetFormulaText(formula);
            helper.SetFloatResult(step);
            cells.StoreFormula();
            cell.Kind = XLSResultFloat;
            cell.Value = formula + u"=" + rtl::Utf8ToUnicode(std::to_string(double(step)));
            break;
        }
        case 6:
            cells.SetCellXF(col, row, xf);
            if (it == model.end()) {
                continue;
            }
            cell = it->second;
            cell.XF = xf;
            break;
        case 7: {
            const std::u16string text = texts[random() % std::size(texts)];
            cells.SetString(col, row, text, xf);
            if (it == model.end() || it->second.Kind < XLSResultFloat) {
                cell.Kind = XLSKindString;
                cell.Value = text;
                // A cell keeps its own XF; one without an XF field (XF 0, not blank) takes the default.
                const bool ownXF = it != model.end() && (it->second.Kind == XLSKindBlank ||
                                                         it->second.Kind == XLSKindString || it->second.XF != 0);
                cell.XF = ownXF ? it->second.XF : xf;
            } else {
                const std::u16string& old = std::get<std::u16string>(it->second.Value);
                cell = it->second;
                cell.Kind = XLSResultString;
                cell.Value = old.substr(0, old.find(u'=')) + u"=" + text;
            }
            break;
        }
        default:
            cells.SetRowFormat(row, xf);
            rowFormats[row] = xf;
            continue;
        }
        model[position] = cell;
        rowFormats.emplace(row, 0);
        if (step % 500 == 499) {
            check();
        }
    }
    check();
}

} // namespace
} // namespace xls
