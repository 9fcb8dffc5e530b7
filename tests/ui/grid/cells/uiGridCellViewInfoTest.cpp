#include "ui/grid/cells/uiGridCellViewInfo.h"

#include "tests/support/ui/TestForms.h"
#include "ui/core/controls/control/uiControl.h"
#include "ui/grid/cells/uiGridHitTests.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

class TCellHitTest : public TuiCustomGridHitTest {
public:
    int32_t GetHitTestCode() const override { return 50; }
};

// A cell whose parameters and behaviour the test sets.
class TTestCell : public TuiCustomGridCellViewInfo {
public:
    vcl::TAlignment Horizontal = vcl::taLeftJustify;
    TuiAlignmentVert Vertical = vaTop;
    bool MultiLine = false;
    bool PaintsMultiLine = false;
    int32_t Width = 0;
    int32_t Height = 0;
    bool Popup = false;
    TuiControl* Control = nullptr;
    int Clicks = 0;
    int PopupsShown = 0;

protected:
    TuiCustomGridHitTest* CreateHitTest(vcl::TPoint point) override {
        return &TuiCustomGridHitTest::Instance<TCellHitTest>(point);
    }
    vcl::TAlignment GetAlignmentHorz() const override { return Horizontal; }
    TuiAlignmentVert GetAlignmentVert() const override { return Vertical; }
    bool GetMultiLine() const override { return MultiLine; }
    bool GetMultiLinePainting() const override { return PaintsMultiLine; }
    int32_t CalculateWidth() const override { return Width; }
    int32_t CalculateHeight() const override { return Height; }
    bool HotTrack() const override { return true; }
    bool HasPopup() const override { return Popup; }
    bool CaptureMouseOnPress() const override { return true; }
    TuiControl* GetControl() const override { return Control; }
    void Click() override { ++Clicks; }
    void ShowPopup() override { ++PopupsShown; }
};

TEST(GridCellViewInfo, TextAttributesFollowAlignmentAndLines) {
    TTestCell cell;
    cell.Horizontal = vcl::taCenter;
    cell.Vertical = vaCenter;
    cell.PaintsMultiLine = true;
    cell.Calculate(0, 0);
    EXPECT_EQ(cell.GetTextAttributes(true), 0x424u);
    EXPECT_EQ(cell.GetTextAttributes(false), 0x4u | 0x20u | 0x40u);
}

TEST(GridCellViewInfo, CalculateTakesTheCellsOwnSizeForMinusOne) {
    TTestCell cell;
    cell.Width = 50;
    cell.Height = 18;
    cell.Calculate(10, 20);
    EXPECT_EQ(cell.Bounds(), vcl::Rect(10, 20, 60, 38));
    cell.Calculate(10, 20, 5, 6);
    EXPECT_EQ(cell.Bounds(), vcl::Rect(10, 20, 15, 26));
    cell.CalculateInRect(vcl::Rect(4, 4, 2, 2));
    EXPECT_EQ(cell.Bounds(), vcl::Rect(4, 4, 4, 4));
}

class GridCellMouse : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(200, 200, ui_test::TFormPlacement::OffScreen);
        Control = new TuiControl(Form.get());
        Control->SetParent(Form.get());
        Control->SetBounds(0, 0, 150, 150);
        Cell.Control = Control;
        Cell.Calculate(10, 10, 40, 20);
    }
    TuiCustomGridHitTest& Over() { return *Cell.GetHitTest(vcl::Point(20, 20)); }
    TuiCustomGridHitTest& Away() { return TuiCustomGridHitTest::Instance<TuiGridNoneHitTest>(vcl::Point(90, 90)); }

    ui_test::TFormPtr<vcl::TForm> Form;
    TuiControl* Control = nullptr;
    TTestCell Cell;
};

TEST_F(GridCellMouse, WithoutAPopupOnlyAReleaseWhilePressedClicks) {
    EXPECT_TRUE(Cell.MouseDown(Over(), vcl::mbLeft, {}));
    EXPECT_EQ(Cell.State(), cmsPressed);
    EXPECT_TRUE(Cell.HasMouseCapture());
    Cell.MouseMove(Away(), {});
    EXPECT_EQ(Cell.State(), cmsHot);
    EXPECT_FALSE(Cell.MouseUp(Away(), vcl::mbLeft, {}));
    EXPECT_EQ(Cell.Clicks, 0);
    EXPECT_EQ(Cell.State(), cmsNormal);
    EXPECT_FALSE(Cell.HasMouseCapture());

    Cell.MouseDown(Over(), vcl::mbLeft, {});
    Cell.MouseMove(Away(), {});
    Cell.MouseMove(Over(), {});
    EXPECT_EQ(Cell.State(), cmsPressed);
    EXPECT_TRUE(Cell.MouseUp(Over(), vcl::mbLeft, {}));
    EXPECT_EQ(Cell.Clicks, 1);
    EXPECT_FALSE(Cell.MouseDown(Over(), vcl::mbRight, {}));
}

TEST_F(GridCellMouse, WithAPopupASecondPressReturnsToHot) {
    Cell.Popup = true;
    Cell.MouseMove(Over(), {});
    EXPECT_EQ(Cell.State(), cmsHot);
    Cell.MouseDown(Over(), vcl::mbLeft, {});
    EXPECT_EQ(Cell.State(), cmsPressed);
    EXPECT_EQ(Cell.PopupsShown, 1);
    EXPECT_FALSE(Cell.MouseMove(Away(), {}));
    Cell.MouseDown(Over(), vcl::mbLeft, {});
    EXPECT_EQ(Cell.State(), cmsHot);
    EXPECT_FALSE(Cell.MouseUp(Over(), vcl::mbLeft, {}));
}

TEST(GridHitTests, TheSameClassGivesTheSameObjectAndTheFirstCellLosesItsLink) {
    TTestCell first;
    TTestCell second;
    first.Calculate(0, 0, 10, 10);
    second.Calculate(10, 0, 10, 10);
    TuiCustomGridHitTest* hitFirst = first.GetHitTest(vcl::Point(5, 5));
    ASSERT_NE(hitFirst, nullptr);
    EXPECT_EQ(first.LinkedHitTest(), hitFirst);
    TuiCustomGridHitTest* hitSecond = second.GetHitTest(vcl::Point(15, 5));
    EXPECT_EQ(hitSecond, hitFirst);
    EXPECT_EQ(hitSecond->Pos(), vcl::Point(15, 5));
    EXPECT_EQ(hitSecond->ViewInfo(), &second);
    EXPECT_EQ(first.LinkedHitTest(), nullptr);
    EXPECT_EQ(first.GetHitTest(vcl::Point(50, 50)), nullptr);
}

TEST(GridHitTests, AssignCopiesAndAssigningNothingChangesNothing) {
    TTestCell cell;
    cell.Calculate(0, 0, 10, 10);
    TuiCustomGridHitTest* hit = cell.GetHitTest(vcl::Point(3, 4));
    TuiGridNoneHitTest copy;
    copy.Assign(hit);
    EXPECT_EQ(copy.Pos(), vcl::Point(3, 4));
    EXPECT_EQ(copy.ViewInfo(), &cell);
    copy.Assign(nullptr);
    EXPECT_EQ(copy.Pos(), vcl::Point(3, 4));
    EXPECT_EQ(copy.ViewInfo(), &cell);
    copy.SetViewInfo(nullptr);
}

TEST(GridHitTests, AFreedCellLeavesItsHitTestWithoutACell) {
    TuiCustomGridHitTest* hit = nullptr;
    {
        TTestCell cell;
        cell.Calculate(0, 0, 10, 10);
        hit = cell.GetHitTest(vcl::Point(1, 1));
    }
    EXPECT_EQ(hit->ViewInfo(), nullptr);
    EXPECT_EQ(hit->GetHitTestCode(), 50);
}

} // namespace
} // namespace ui
