#include "xls/core/model/worksheet/Xc12DataWorksheet5Views.h"

#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"
#include "tests/xls/core/model/worksheet/Xc12DataWorksheet5TestSupport.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <memory>

namespace xls {
namespace {

void ExpectSelectionOfA1(TXc12Selection& selection) {
    EXPECT_EQ(selection.GetPane(), x12pTopLeft);
    EXPECT_EQ(selection.GetActiveCell(), (TXLSCellAreaRec{0, 0, 0, 0}));
    EXPECT_EQ(selection.GetActiveCellId(), 0);
    ASSERT_EQ(selection.GetRanges().Count(), 1);
    EXPECT_EQ(selection.GetRanges().GetItem(0)->GetRect(), (TXLSCellAreaRec{0, 0, 0, 0}));
}

void ExpectClearedPane(const TXc12Pane& pane) {
    EXPECT_EQ(pane.GetXSplit(), 0);
    EXPECT_EQ(pane.GetYSplit(), 0);
    EXPECT_EQ(pane.GetTopLeftCell(), TXLSCellAreaRec{});
    EXPECT_EQ(pane.GetActivePane(), x12pTopLeft);
    EXPECT_EQ(pane.GetState(), 0);
}

TEST(Xc12DataWorksheet5Views, ASelectionIsA1UntilChangedAndAfterClear) {
    TXc12Selections selections;
    TXc12Selection* selection = selections.Add();
    ExpectSelectionOfA1(*selection);
    selection->SetPane(x12pBottomRight);
    selection->SetActiveCell({4, 4, 2, 2});
    selection->SetActiveCellId(1);
    selection->GetRanges().SetFromText(u"A1:B2 C5");
    selection->Clear();
    ExpectSelectionOfA1(*selection);
}

TEST(Xc12DataWorksheet5Views, ClearGivesASheetViewItsDefaults) {
    TXc12SheetViews views;
    TXc12SheetView* view = views.Add();
    view->SetShowGridLines(false);
    view->SetShowZeros(false);
    view->SetTabSelected(true);
    view->SetView(2);
    view->SetTopLeftCell({10, 10, 0, 0});
    view->SetColorId(8);
    view->SetZoomScale(85);
    view->SetWorkbookViewId(1);
    view->GetPane().SetXSplit(3);
    view->GetPane().SetState(1);
    view->GetPane().SetActivePane(x12pBottomRight);
    view->GetSelections().Add();
    view->GetPivotSelections().Add();
    view->Clear();

    const bool shownByDefault[] = {view->GetShowGridLines(), view->GetShowRowColHeaders(),  view->GetShowZeros(),
                                   view->GetShowRuler(),     view->GetShowOutlineSymbols(), view->GetDefaultGridColor(),
                                   view->GetShowWhiteSpace()};
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(shownByDefault[i]);
    }
    EXPECT_FALSE(view->GetTabSelected());
    EXPECT_FALSE(view->GetWindowProtection());
    EXPECT_EQ(view->GetView(), 0);
    EXPECT_EQ(view->GetTopLeftCell(), TXLSCellAreaRec{});
    EXPECT_EQ(view->GetColorId(), 64);
    EXPECT_EQ(view->GetZoomScale(), 100);
    EXPECT_EQ(view->GetWorkbookViewId(), 0);
    ExpectClearedPane(view->GetPane());
    EXPECT_EQ(view->GetSelections().Count(), 0);
    EXPECT_EQ(view->GetPivotSelections().Count(), 0);
    EXPECT_EQ(views.GetItem(0), view);
    EXPECT_THROW(views.GetItem(1), rtl::EListError);
}

TEST(Xc12DataWorksheet5Views, PivotSelectionsClearTheirAreaAndReferences) {
    TXc12PivotSelections selections;
    TXc12PivotSelection* selection = selections.Add();
    EXPECT_EQ(selection->GetPane(), x12pTopLeft);
    EXPECT_EQ(selection->GetAxis(), TXc12PivotArea::AxisNone);
    TXc12PivotArea& area = selection->GetPivotArea();
    EXPECT_EQ(area.GetType(), TXc12PivotArea::TypeNormal);
    EXPECT_TRUE(area.GetDataOnly());
    EXPECT_TRUE(area.GetOutline());
    EXPECT_EQ(area.GetOffset(), TXLSCellAreaRec{});
    EXPECT_EQ(area.GetAxis(), TXc12PivotArea::AxisNone);

    TXc12PivotAreaReference* reference = area.GetReferences().Add();
    EXPECT_TRUE(reference->GetSelected());
    reference->GetX().Add(3);
    reference->SetSumSubtotal(true);
    reference->SetSelected(false);
    reference->Clear();
    EXPECT_EQ(reference->GetX().Count(), 0);
    EXPECT_FALSE(reference->GetSumSubtotal());
    EXPECT_TRUE(reference->GetSelected());

    area.GetReferences().Add();
    area.SetDataOnly(false);
    area.SetOffset({0, 1, 0, 1});
    selection->SetRId("rId3");
    selection->SetAxis(0);
    selection->SetActiveRow(7);
    selection->Clear();
    EXPECT_EQ(area.GetReferences().Count(), 0);
    EXPECT_TRUE(area.GetDataOnly());
    EXPECT_EQ(area.GetOffset(), TXLSCellAreaRec{});
    EXPECT_TRUE(selection->GetRId().empty());
    EXPECT_EQ(selection->GetAxis(), TXc12PivotArea::AxisNone);
    EXPECT_EQ(selection->GetActiveRow(), 0);
}

void ExpectClearedCustomView(TXc12CustomSheetView& view) {
    EXPECT_TRUE(view.GetGuid().empty());
    EXPECT_EQ(view.GetScale(), 100);
    EXPECT_EQ(view.GetColorId(), 64);
    const bool shownByDefault[] = {view.GetShowGridLines(), view.GetShowRowCol(), view.GetOutlineSymbols(),
                                   view.GetZeroValues(), view.GetShowRuler()};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(shownByDefault[i]);
    }
    EXPECT_FALSE(view.GetShowPageBreaks());
    EXPECT_FALSE(view.GetHiddenRows());
    EXPECT_EQ(view.GetState(), 0);
    EXPECT_EQ(view.GetView(), 0);
    EXPECT_EQ(view.GetTopLeftCell(), TXLSCellAreaRec{});
    ExpectClearedPane(view.GetPane());
    ExpectSelectionOfA1(view.GetSelection());
    EXPECT_EQ(view.GetRowBreaks().Count(), 0);
    EXPECT_EQ(view.GetColBreaks().Count(), 0);
    EXPECT_EQ(view.GetPageMargins().GetLeft(), 0.7);
    EXPECT_EQ(view.GetPageMargins().GetTop(), 0.75);
    EXPECT_EQ(view.GetPageMargins().GetFooter(), 0.3);
    EXPECT_TRUE(view.GetPrintOptions().GetGridLinesSet());
    EXPECT_EQ(view.GetPageSetup().GetScale(), 100);
    EXPECT_EQ(view.GetPageSetup().GetPrinterSettings(), nullptr);
    EXPECT_TRUE(view.GetHeaderFooter().GetOddHeader().empty());
    EXPECT_EQ(view.GetAutoFilter().GetArea(), TXLSCellAreaRec{});
    EXPECT_EQ(view.GetAutoFilter().GetFilterColumns().Count(), 0);
}

TEST(Xc12DataWorksheet5Views, ACustomViewHasItsOwnMembersAndClearsThemAll) {
    worksheet_test::TTestFactory factory;
    TXc12CustomSheetViews views(&factory);
    TXc12CustomSheetView* view = views.Add();
    EXPECT_EQ(views.GetItem(0), view);
    EXPECT_EQ(view->GetClassFactory(), &factory);
    EXPECT_EQ(view->GetAutoFilter().GetClassFactory(), &factory);
    ExpectClearedCustomView(*view);

    view->SetGuid(u"{5E6B1A4C-0000-4000-8000-000000000001}");
    view->SetScale(75);
    view->SetShowGridLines(false);
    view->SetState(2);
    view->SetTopLeftCell({3, 3, 1, 1});
    view->GetPane().SetYSplit(2);
    view->GetSelection().SetActiveCell({3, 3, 1, 1});
    view->GetSelection().GetRanges().Clear();
    view->GetRowBreaks().Add()->SetId(5);
    view->GetColBreaks().Add()->SetId(2);
    view->GetPageMargins().SetLeft(1);
    view->GetPrintOptions().SetGridLinesSet(false);
    view->GetPageSetup().SetScale(50);
    view->GetPageSetup().SetPrinterSettings(std::make_unique<rtl::TMemoryStream>());
    view->GetHeaderFooter().SetOddHeader(u"&P");
    view->GetAutoFilter().SetArea({0, 9, 0, 3});
    view->Clear();
    ExpectClearedCustomView(*view);

    EXPECT_NE(views.Add(), view);
    EXPECT_EQ(views.Count(), 2);
    EXPECT_THROW(views.GetItem(2), rtl::EListError);
}

} // namespace
} // namespace xls
