#include "xls/core/model/worksheet/Xc12DataWorksheet5Areas.h"

#include "rtl/core/Exceptions.h"
#include "tests/support/TestSupport.h"
#include "tests/xls/core/model/worksheet/Xc12DataWorksheet5TestSupport.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <memory>

namespace xls {
namespace {

using test_support::Utf8;
using worksheet_test::TFacadeHyperlink;
using worksheet_test::TFacadeMergedCell;
using worksheet_test::TTestFactory;

TEST(Xc12DataWorksheet5Areas, AddRectMakesAMergedCellWithTheRecordsBounds) {
    const struct {
        const char* Name;
        bool HasFactory;
        bool FactoryRefuses;
        bool FacadeClass;
    } cases[] = {
        {"from the factory", true, false, true},
        {"a factory that makes none", true, true, false},
        {"no factory", false, false, false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        TTestFactory factory;
        if (test.FactoryRefuses) {
            factory.Refused.insert(xckMergedCell);
        }
        TXc12MergedCells cells(test.HasFactory ? &factory : nullptr);
        TXc12MergedCell* cell = cells.AddRect({2, 4, 1, 3});
        EXPECT_EQ(cell->GetCol1(), 1);
        EXPECT_EQ(cell->GetRow1(), 2);
        EXPECT_EQ(cell->GetCol2(), 3);
        EXPECT_EQ(cell->GetRow2(), 4);
        EXPECT_EQ(cells.GetItem(0), cell);
        EXPECT_EQ(dynamic_cast<TFacadeMergedCell*>(cell) != nullptr, test.FacadeClass);
        if (test.HasFactory) {
            EXPECT_EQ(factory.OwnerOf(xckMergedCell), &cells);
        }
    }
}

TEST(Xc12DataWorksheet5Areas, AWrongClassFromTheFactoryAddsNothing) {
    TTestFactory factory;
    factory.WrongClass = {xckMergedCell, xckHyperlink};
    TXc12MergedCells cells(&factory);
    EXPECT_THROW(cells.AddRect({0, 0, 0, 1}), rtl::EInvalidCast);
    EXPECT_EQ(cells.Count(), 0);
    TXc12Hyperlinks links(&factory);
    EXPECT_THROW(links.Add(), rtl::EInvalidCast);
    EXPECT_EQ(links.Count(), 0);
}

TEST(Xc12DataWorksheet5Areas, MergingStillAbsorbsOverlappingAreas) {
    TXc12MergedCells cells(nullptr);
    cells.AddRect({0, 1, 0, 1});
    TCellArea* merged = cells.AddMerge({1, 3, 1, 3});
    ASSERT_EQ(cells.Count(), 1);
    EXPECT_NE(dynamic_cast<TXc12MergedCell*>(merged), nullptr);
    EXPECT_EQ(merged->GetRect(), (TXLSCellAreaRec{0, 3, 0, 3}));
}

TEST(Xc12DataWorksheet5Areas, HyperlinksAreMadeByTheFactoryAndCleared) {
    TTestFactory factory;
    TXc12Hyperlinks links(&factory);
    TXc12Hyperlink* link = links.Add();
    EXPECT_NE(dynamic_cast<TFacadeHyperlink*>(link), nullptr);
    EXPECT_EQ(factory.OwnerOf(xckHyperlink), &links);
    EXPECT_EQ(link->GetKind(), 0);
    EXPECT_EQ(link->GetArea(), TXLSCellAreaRec{});
    EXPECT_EQ(links.GetItem(0), link);
    EXPECT_THROW(links.GetItem(1), rtl::EListError);
}

TEST(Xc12DataWorksheet5Areas, ClearKeepsWhatOnlyBinaryFilesGive) {
    TXc12Hyperlinks links(nullptr);
    TXc12Hyperlink* link = links.Add();
    link->SetKind(4);
    link->SetDisplay(u"Total");
    link->SetAddress(u"http://example.com/");
    link->SetLocation(u"Sheet2!A1");
    link->SetTooltip(u"#Sheet2!A1");
    link->SetRect({1, 2, 3, 4});
    link->SetTargetFrame(u"_blank");
    link->SetLocation2(u"A1");
    link->SetMonikerKind(2);
    link->Clear();
    EXPECT_EQ(link->GetKind(), 0);
    EXPECT_TRUE(link->GetDisplay().empty());
    EXPECT_TRUE(link->GetAddress().empty());
    EXPECT_TRUE(link->GetLocation().empty());
    EXPECT_TRUE(link->GetTooltip().empty());
    EXPECT_EQ(link->GetArea(), TXLSCellAreaRec{});
    EXPECT_EQ(Utf8(link->GetTargetFrame()), "_blank");
    EXPECT_EQ(Utf8(link->GetLocation2()), "A1");
    EXPECT_EQ(link->GetMonikerKind(), 2);
}

TEST(Xc12DataWorksheet5Areas, SetAddressLetsTheSubclassReadTheStoredAddress) {
    TTestFactory factory;
    TXc12Hyperlinks links(&factory);
    auto* link = static_cast<TFacadeHyperlink*>(links.Add());
    link->SetAddress(u"www.example.com");
    EXPECT_EQ(link->AddressChanges, 1);
    EXPECT_EQ(Utf8(link->AddressSeen), "www.example.com");
    EXPECT_EQ(Utf8(link->GetAddress()), "rewritten:www.example.com");
}

TEST(Xc12DataWorksheet5Areas, PiecesOfACutHyperlinkComeFromTheFactory) {
    TTestFactory factory;
    TXc12Hyperlinks links(&factory);
    links.Add()->SetRect({0, 4, 0, 0});
    links.DeleteCells({2, 2, 0, 0});
    ASSERT_EQ(links.Count(), 2);
    for (int32_t i = 0; i < links.Count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NE(dynamic_cast<TFacadeHyperlink*>(links.GetItem(i)), nullptr);
    }
}

} // namespace
} // namespace xls
