// The text of formulas that reach other sheets, other workbooks and add-in functions through the external-sheet
// entries of a read BIFF8 workbook.

#include "xls/biff/workbook/BIFF_ExternSheets.h"

#include "tests/support/TestSupport.h"
#include "tests/xls/biff/workbook/BIFFReadTestSupport.h"
#include "xls/biff/BIFF_RecordIds.h"
#include "xls/biff/formula/BIFF_DecodeFormula.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using test::Concat;
using test::Flagged16;
using test::Record;
using test::TBytes;
using test::Word;
using test_support::MessageOf;
using test_support::Utf8;

// An EXTERNNAME of a workbook or add-in name, without a definition.
TBytes ExternNameRecord(std::u16string_view name) {
    return Record(BIFFRecordExternName,
                  Concat({Word(0), Word(0), Word(0), {static_cast<uint8_t>(name.size())}, Flagged16(name), Word(0)}));
}

TBytes SheetNameOf(std::u16string_view name) {
    return Concat({Word(static_cast<uint16_t>(name.size())), Flagged16(name)});
}

// The workbook itself, another workbook (C:\data\book.xls, encoded as a VirtualPath) with two sheets and one name,
// and add-in functions with one name; the entries: the own sheet, the other workbook's first sheet and both its
// sheets, the add-in, a deleted sheet of the workbook and the workbook's own names.
TBytes ExternalGlobals() {
    const std::u16string path = u"\x01\x01"
                                u"Cdata\x03"
                                u"book.xls";
    const std::vector<std::array<uint16_t, 3>> entries = {
        {0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {2, 0xFFFE, 0xFFFE}, {0, 0xFFFF, 0xFFFF}, {0, 0xFFFE, 0xFFFE}};
    // The count claims more entries than the record holds, as a damaged file may.
    TBytes externSheet = Word(200);
    for (const auto& entry : entries) {
        externSheet = Concat({externSheet, Word(entry[0]), Word(entry[1]), Word(entry[2])});
    }
    return Concat({
        Record(BIFFRecordSupBook, Concat({Word(1), Word(0x0401)})),
        Record(BIFFRecordSupBook, Concat({Word(2), Word(static_cast<uint16_t>(path.size())), Flagged16(path),
                                          SheetNameOf(u"S1"), SheetNameOf(u"Sales 2")})),
        ExternNameRecord(u"Rate"),
        Record(BIFFRecordSupBook, Concat({Word(1), Word(0x3A01)})),
        ExternNameRecord(u"EUROCONVERT"),
        Record(BIFFRecordExternSheet, externSheet),
        Record(BIFFRecordName,
               Concat({Word(0), {0, 5}, Word(3), Word(0), Word(0), {0, 0, 0, 0}, Flagged16(u"Total"), {0x1E, 7, 0}})),
    });
}

struct TExternalModel : test::TBIFFModel {
    TBIFFExternSheets ExternSheets{Biff};

    TExternalModel() {
        ReadWorkbook8(test::Workbook8WithSheet({ExternalGlobals()}));
        ExternSheets.Load();
        Manager.SetExternalNames(&ExternSheets);
    }

    std::string Decode(const TBytes& tokens) {
        TBIFFFormulaDecoder decoder(Manager);
        const TBytes buffer = Concat({{0xFF}, tokens});
        rtl::UnicodeString text;
        decoder.DecodeBIFFFormula(buffer.data(), static_cast<int32_t>(buffer.size()), 0, text, u',', 0, 0);
        return Utf8(text);
    }
};

// PtgRef3d and PtgArea3d of an entry (cell A1, area A1:B2), PtgNameX of an entry and name.
TBytes Ref3d(uint16_t entry) {
    return Concat({{0x3A}, Word(entry), Word(0), Word(0xC000)});
}
TBytes Area3d(uint16_t entry) {
    return Concat({{0x3B}, Word(entry), Word(0), Word(1), Word(0xC000), Word(0xC001)});
}
TBytes NameX(uint16_t entry, uint16_t name) {
    return Concat({{0x39}, Word(entry), Word(name), Word(0)});
}

TEST(TBIFFExternSheets, ReferencesGiveTheTextsOfAnXlsxFormula) {
    TExternalModel model;
    const std::vector<std::pair<TBytes, std::string>> cases = {
        {Ref3d(0), "S!A1"},
        {Ref3d(1), "'[C:\\data\\book.xls]S1'!A1"},
        {Area3d(2), "'[C:\\data\\book.xls]S1:Sales 2'!A1:B2"},
        {NameX(1, 1), "'[C:\\data\\book.xls]'!Rate"},
        {Concat({NameX(3, 1), {0x42, 1}, Word(255)}), "EUROCONVERT()"},
        {Ref3d(4), "#REF!A1"},
        {NameX(5, 1), "Total"},
        {{0x23, 1, 0, 0, 0}, "Total"},
    };
    for (const auto& [tokens, text] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(model.Decode(tokens), text);
    }
}

TEST(TBIFFExternSheets, EntriesAndNamesTheFileLacksRaise) {
    TExternalModel model;
    for (const TBytes& tokens : {Ref3d(6), NameX(1, 2), NameX(3, 2)}) {
        EXPECT_NE(MessageOf([&] { model.Decode(tokens); }).find("which the file does not have"), std::string::npos);
    }
    int32_t first = -1;
    int32_t last = -1;
    EXPECT_FALSE(model.ExternSheets.GetExternSheetRange(2, first, last));
    EXPECT_EQ(last, 1);
    EXPECT_FALSE(model.ExternSheets.GetExternSheetRange(6, first, last));
}

} // namespace
} // namespace xls
