#include "xls/core/model/worksheet/Xc12DataWorksheet5Printing.h"

#include "rtl/core/Exceptions.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>

namespace xls {
namespace {

TEST(Xc12DataWorksheet5Printing, ClearGivesTheDefaultsBack) {
    TXc12PageMargins margins;
    margins.SetLeft(2);
    margins.SetFooter(0);
    margins.Clear();
    const double expected[] = {0.7, 0.7, 0.75, 0.75, 0.3, 0.3};
    const double actual[] = {margins.GetLeft(),   margins.GetRight(),  margins.GetTop(),
                             margins.GetBottom(), margins.GetHeader(), margins.GetFooter()};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(actual[i], expected[i]);
    }

    TXc12PrintOptions options;
    options.SetGridLines(true);
    options.SetGridLinesSet(false);
    options.Clear();
    EXPECT_FALSE(options.GetGridLines());
    EXPECT_TRUE(options.GetGridLinesSet());

    TXc12HeaderFooter headerFooter;
    headerFooter.SetOddHeader(u"&L&\"宋体\"&P");
    headerFooter.SetScaleWithDoc(false);
    headerFooter.Clear();
    EXPECT_TRUE(headerFooter.GetOddHeader().empty());
    EXPECT_TRUE(headerFooter.GetScaleWithDoc());
    EXPECT_TRUE(headerFooter.GetAlignWithMargins());
    EXPECT_FALSE(headerFooter.GetDifferentFirst());
}

TEST(Xc12DataWorksheet5Printing, PageBreaksAreAnOwningList) {
    TXc12PageBreaks breaks;
    TXc12Break* first = breaks.Add();
    first->SetId(10);
    first->SetMax(16383);
    first->SetMan(true);
    breaks.Add()->SetId(20);
    EXPECT_EQ(breaks.GetItem(0), first);
    EXPECT_EQ(breaks.GetItem(1)->GetId(), 20);
    EXPECT_THROW(breaks.GetItem(2), rtl::EListError);
    EXPECT_THROW(breaks.GetItem(-1), rtl::EListError);
    first->Clear();
    EXPECT_EQ(first->GetMax(), 0);
    EXPECT_FALSE(first->GetMan());
    breaks.Clear();
    EXPECT_EQ(breaks.Count(), 0);
}

std::unique_ptr<rtl::TStream> StreamOf(const char* bytes) {
    auto stream = std::make_unique<rtl::TMemoryStream>();
    stream->WriteBuffer(bytes, static_cast<int32_t>(std::strlen(bytes)));
    return stream;
}

std::string ContentOf(rtl::TMemoryStream& stream) {
    return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

TEST(Xc12DataWorksheet5Printing, ANewPageSetupNamesNoPaperAndPrintsAt600Dpi) {
    TXc12PageSetup setup;
    const int32_t expected[] = {TXc12PageSetup::PaperSizeNotSet, 100, 1, 1, 1, 600, 600, 1};
    const int32_t actual[] = {setup.GetPaperSize(),   setup.GetScale(),       setup.GetFirstPageNumber(),
                              setup.GetFitToWidth(),  setup.GetFitToHeight(), setup.GetHorizontalDpi(),
                              setup.GetVerticalDpi(), setup.GetCopies()};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(actual[i], expected[i]);
    }
    EXPECT_EQ(TXc12PageSetup::PaperSizeNotSet, 0);
    EXPECT_TRUE(setup.GetUsePrinterDefaults());
    EXPECT_EQ(setup.GetPrinterSettings(), nullptr);

    setup.SetPaperSize(9);
    setup.SetScale(55);
    setup.SetUsePrinterDefaults(false);
    setup.SetPrinterSettings(StreamOf("DEVMODE"));
    setup.Clear();
    EXPECT_EQ(setup.GetPaperSize(), 0);
    EXPECT_EQ(setup.GetScale(), 100);
    EXPECT_TRUE(setup.GetUsePrinterDefaults());
    EXPECT_EQ(setup.GetPrinterSettings(), nullptr);
}

TEST(Xc12DataWorksheet5Printing, PrinterSettingsKeepOnlyTheLastDataGiven) {
    TXc12PageSetup setup;
    setup.SetPrinterSettings(StreamOf("first"));
    auto second = StreamOf("second");
    second->SetPosition(3); // the whole stream is taken, wherever it stands
    setup.SetPrinterSettings(std::move(second));
    ASSERT_NE(setup.GetPrinterSettings(), nullptr);
    EXPECT_EQ(ContentOf(*setup.GetPrinterSettings()), "second");
    setup.SetPrinterSettings(nullptr);
    EXPECT_EQ(setup.GetPrinterSettings(), nullptr);
}

} // namespace
} // namespace xls
