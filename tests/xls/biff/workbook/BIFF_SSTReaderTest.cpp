#include "xls/biff/workbook/BIFF_SSTReader.h"

#include "tests/support/TestSupport.h"
#include "tests/xls/biff/workbook/BIFFReadTestSupport.h"
#include "xls/biff/BIFF_RecordIds.h"
#include "xls/core/model/styles/Xc12DataSST.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using test::Bytes8;
using test::Concat;
using test::DWord;
using test::TBytes;
using test::Utf16;
using test::Word;
using test_support::MessageOf;

// A style sheet with fonts and a shared-string table over it, and a reader that resolves BIFF font n to model font
// n + 1.
struct TSSTFixture {
    TXc12DataStyleSheet Styles;
    TXc12DataSST SST{&Styles};

    TSSTFixture() {
        Styles.Clear();
        for (int32_t i = 0; i < 3; ++i) {
            Styles.Fonts().Add();
        }
    }

    void Read(const std::vector<TBytes>& pieces) {
        TBIFFSSTReader reader(SST, [this](int32_t font) { return Styles.Fonts().GetItem(font + 1); });
        for (const TBytes& piece : pieces) {
            reader.AddPiece(piece);
        }
        reader.Read();
    }

    bool IsWide(int32_t index) const { return (TXc12DataSST::ItemFlags(SST.Item(index)) & XLSSSTWideChars) != 0; }
};

TBytes Header(uint32_t unique) {
    return Concat({DWord(unique), DWord(unique)});
}

// A plain string: count, option byte, characters.
TBytes String8(std::string_view text) {
    return Concat({Word(static_cast<uint16_t>(text.size())), {0}, Bytes8(text)});
}
TBytes String16(std::u16string_view text) {
    return Concat({Word(static_cast<uint16_t>(text.size())), {1}, Utf16(text)});
}

TEST(TBIFFSSTReader, AStringRunsOnOverTwoContinueRecords) {
    const std::string text(10000, 'a');
    const TBytes whole = String8(text);
    // The SST record holds the header and the first 5000 characters; the rest go on after option bytes.
    const TBytes first = Concat({Header(2), TBytes(whole.begin(), whole.begin() + 3 + 5000)});
    const TBytes second = Concat({{0}, Bytes8(std::string(4000, 'a'))});
    const TBytes third = Concat({{0}, Bytes8(std::string(1000, 'a')), String8("next")});
    TSSTFixture fixture;
    fixture.Read({first, second, third});
    ASSERT_EQ(fixture.SST.Count(), 2);
    EXPECT_EQ(fixture.SST.GetString(0), std::u16string(10000, u'a'));
    EXPECT_FALSE(fixture.IsWide(0));
    EXPECT_EQ(fixture.SST.GetString(1), u"next");
}

TEST(TBIFFSSTReader, EightBitCharactersContinuedAsUTF16GiveUTF16) {
    const TBytes first = Concat({Header(1), Word(4), {0}, Bytes8("ab")});
    const TBytes second = Concat({{1}, Utf16(u"中d")});
    TSSTFixture fixture;
    fixture.Read({first, second});
    EXPECT_EQ(fixture.SST.GetString(0), u"ab中d");
    EXPECT_TRUE(fixture.IsWide(0));
}

TEST(TBIFFSSTReader, RunsAndPhoneticDataGoOnWithoutAnOptionByte) {
    // Two runs, the second at the boundary; then phonetic data of 6 bytes split by the next record.
    const TBytes first =
        Concat({Header(2), Word(3), {0x08 | 0x04}, Word(2), DWord(6), Bytes8("xyz"), Word(0), Word(1)});
    const TBytes second = Concat({Word(2), Word(2), TBytes{9, 9}});
    const TBytes third = Concat({TBytes{9, 9, 9, 9}, String16(u"后")});
    TSSTFixture fixture;
    fixture.Read({first, second, third});
    ASSERT_EQ(fixture.SST.Count(), 2);
    EXPECT_EQ(fixture.SST.GetString(0), u"xyz");
    const uint8_t* item = fixture.SST.Item(0);
    ASSERT_EQ(TXc12DataSST::ItemRunCount(item), 2);
    EXPECT_EQ(TXc12DataSST::ItemFontRun(item, 0).Font, fixture.Styles.Fonts().GetItem(2));
    EXPECT_EQ(TXc12DataSST::ItemFontRun(item, 1).Position, 2);
    EXPECT_EQ(TXc12DataSST::ItemFontRun(item, 1).Font, fixture.Styles.Fonts().GetItem(3));
    EXPECT_EQ(fixture.Styles.Fonts().GetItem(3)->UseCount(), 1);
    EXPECT_EQ(fixture.SST.GetString(1), u"后");
}

TEST(TBIFFSSTReader, TheTableEndsWithItsDataWhateverItsCountSays) {
    TSSTFixture fixture;
    fixture.Read({Concat({Header(7668), String8("one")}), String8("two")});
    EXPECT_EQ(fixture.SST.Count(), 2);
    // A count below the strings there stops at the count.
    TSSTFixture counted;
    counted.Read({Concat({Header(1), String8("one"), String8("two")})});
    EXPECT_EQ(counted.SST.Count(), 1);
}

TEST(TBIFFSSTReader, DamagedStringsFailClearly) {
    const struct {
        std::vector<TBytes> Pieces;
        const char* Message;
    } cases[] = {
        {{Concat({Header(1), Word(5), {0}, Bytes8("ab")})}, "CONTINUE record is missing in SST"},
        {{Concat({Header(1), Word(3), {0x02}, Bytes8("abc")})}, "STT: Unhandled string type in Read (02)"},
        {{Concat({Header(1), Word(2), {1}, TBytes{'a'}}), Concat({{1}, Utf16(u"bc")})},
         "SST string is damaged: a UTF-16 character is split between two records"},
        {{Concat({Header(1), Word(1), {0x08}, Word(0xFFFF), Bytes8("a")})}, "CONTINUE record is missing in SST"},
        {{Concat({Header(1), Word(1), {0x04}, DWord(0xFFFFFFF0), Bytes8("a")})}, "CONTINUE record is missing in SST"},
    };
    for (const auto& c : cases) {
        TSSTFixture fixture;
        EXPECT_EQ(MessageOf([&] { fixture.Read(c.Pieces); }), c.Message);
    }
}

TEST(TXLSReadBIFF, TheSharedStringTableTakesItsContinueRecordsAndTheReadGoesOnAfterThem) {
    using test::Record;
    test::TBIFFModel model;
    model.ReadWorkbook8(
        Concat({test::BOF8(test::SubstreamGlobals),
                Record(BIFFRecordSST, Concat({Header(9), String8("one"), Word(3), {0}, Bytes8("t")})),
                Record(BIFFRecordContinue, Concat({{0}, Bytes8("wo")})), Record(BIFFRecordExtSST, Word(8)),
                test::BoundSheet8(u"S"), test::EOFRecord(), test::Substream8(test::SubstreamWorksheet, {})}));
    ASSERT_EQ(model.Manager.SST().Count(), 2);
    EXPECT_EQ(model.Manager.SST().GetString(1), u"two");
    EXPECT_EQ(model.Manager.Worksheets().Count(), 1);
}

TEST(TXLSReadBIFF, ACorpusTableThatClaimsMoreStringsThanItHoldsReadsWhatItHolds) {
    if (!test_support::HasCorpus()) {
        GTEST_SKIP() << "no corpus";
    }
    test::TBIFFModel model;
    model.Biff.SetFilename(test_support::CorpusDir() + u"/calamine/tests/gh548_incorrect_sst_unique_count.xls");
    model.Biff.LoadFromFile();
    EXPECT_EQ(model.Manager.SST().Count(), 892);
}

} // namespace
} // namespace xls
