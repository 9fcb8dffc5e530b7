#include "ui/grid/cells/uiGridCellViewInfo.h"

#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/TestForms.h"
#include "ui/core/controls/control/uiControl.h"
#include "ui/grid/cells/uiGridCellPainter.h"
#include "ui/grid/cells/uiGridHitTests.h"
#include "vcl/graphics/Canvas.h"

#include <functional>
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
    rtl::UnicodeString Caption;
    TuiBorders Sides;
    int32_t SideWidth = 1;
    vcl::TColor SideColor = vcl::clBlack;
    vcl::TColor Background = vcl::clWhite;
    TuiCanvas* MeasureOn = nullptr;
    // Draws instead of the default painting when set; sees the canvas as the cell left it.
    std::function<bool(TuiCanvas&)> OnCustomDraw;

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
    rtl::UnicodeString GetText() const override { return Caption; }
    TuiBorders GetBorders() const override { return Sides; }
    int32_t GetBorderWidth(TuiBorder /*side*/) const override { return SideWidth; }
    vcl::TColor GetBorderColor(TuiBorder /*side*/) const override { return SideColor; }
    void GetViewParams(TuiDrawParams& params) const override {
        params.Color = Background;
        params.TextColor = vcl::clBlack;
    }
    TuiCanvas* GetCanvas() const override { return MeasureOn; }
    bool HasCustomDraw() const override { return static_cast<bool>(OnCustomDraw); }
    bool DoCustomDraw(TuiCanvas& canvas) override { return OnCustomDraw(canvas); }
};

// A canvas over a 32-bit surface.
struct TCellSurface {
    ui_test::TDibSurface Surface;
    vcl::TCanvas Frame;
    TuiCanvas Canvas{Frame};

    TCellSurface(int width, int height) : Surface(width, height) {
        Surface.Fill(vcl::clFuchsia);
        Frame.SetHandle(Surface.DC());
    }
    ~TCellSurface() { Frame.SetHandle(nullptr); }
};

TEST(GridCellText, AlignmentsGiveTheirTextFlagsAndTheMarginsAddFour) {
    EXPECT_EQ(AlignmentToTextFlags(vcl::taLeftJustify), 1u);
    EXPECT_EQ(AlignmentToTextFlags(vcl::taRightJustify), 2u);
    EXPECT_EQ(AlignmentToTextFlags(vcl::taCenter), static_cast<uint32_t>(tfAlignHCenter));
    int32_t width = 30;
    AddCellTextMargins(width);
    EXPECT_EQ(width, 34);
}

TEST(GridCellText, TextBoundsPlaceTheTextByItsAlignmentsAndKeepACutMultiLineArea) {
    TCellSurface on(300, 100);
    TTestCell cell;
    cell.MeasureOn = &on.Canvas;
    cell.Caption = u"Wide text";
    cell.Horizontal = vcl::taCenter;
    cell.Vertical = vaBottom;
    cell.Calculate(10, 0, 200, 40);
    const vcl::TRect area = cell.GetTextAreaBounds();
    const int32_t width = cell.TextWidth();
    const int32_t height = cell.TextHeight();
    ASSERT_GT(width, 0);
    ASSERT_GT(height, 0);
    const vcl::TRect centred = cell.TextBounds(true, true);
    EXPECT_EQ(centred.Left, (area.Left + area.Right - width) / 2);
    EXPECT_EQ(centred.Width(), width);
    EXPECT_EQ(centred.Bottom, area.Bottom);
    EXPECT_EQ(centred.Height(), height);
    EXPECT_EQ(cell.TextBounds(false, false), area);
    EXPECT_EQ(cell.TextWidthWithOffset(), width + 4);

    TTestCell narrow;
    narrow.MeasureOn = &on.Canvas;
    narrow.Caption = u"A text wider than its cell";
    narrow.PaintsMultiLine = true;
    narrow.Calculate(0, 0, 20, 40);
    EXPECT_EQ(narrow.TextBounds(true, false), narrow.GetTextAreaBounds());
}

TEST(GridCellText, BestFitIsTheBordersAndTheTextWithItsMargins) {
    TCellSurface on(100, 100);
    TTestCell cell;
    cell.MeasureOn = &on.Canvas;
    cell.Caption = u"Fit me";
    cell.Sides = TuiBorders{bLeft, bRight};
    cell.SideWidth = 3;
    cell.Calculate(0, 0, 10, 20);
    EXPECT_EQ(cell.GetBestFitWidth(), 3 + cell.TextWidth() + 4 + 3);
    TTestCell unmeasured;
    unmeasured.Caption = u"No canvas";
    unmeasured.Calculate(0, 0, 10, 20);
    EXPECT_EQ(unmeasured.TextWidth(), 0);
}

TEST(GridCellPainter, BordersBackgroundAndTextFillTheCellAndPaintingTwiceGivesTheSamePixels) {
    TTestCell cell;
    cell.Caption = u"X";
    cell.Sides = uiAllBorders;
    cell.SideWidth = 2;
    cell.SideColor = vcl::clRed;
    cell.Background = vcl::clYellow;
    cell.Calculate(10, 10, 40, 30);
    TCellSurface first(60, 50);
    cell.Paint(first.Canvas);
    const vcl::TColor red = static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clRed));
    const vcl::TColor yellow = static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clYellow));
    for (const vcl::TPoint border : {vcl::Point(10, 10), vcl::Point(11, 25), vcl::Point(49, 39), vcl::Point(30, 38)}) {
        EXPECT_EQ(first.Surface.Pixel(border.X, border.Y), red) << border.X << ", " << border.Y;
    }
    EXPECT_EQ(first.Surface.Pixel(45, 35), yellow) << "the background inside the borders, away from the text";
    EXPECT_NE(first.Surface.Pixel(9, 9), red) << "nothing outside the cell";
    int textPixels = 0;
    for (int y = 12; y < 38; ++y) {
        for (int x = 12; x < 48; ++x) {
            textPixels += first.Surface.Pixel(x, y) == 0 ? 1 : 0;
        }
    }
    EXPECT_GT(textPixels, 0) << "the text in the cell's text colour";
    TCellSurface second(60, 50);
    cell.Paint(second.Canvas);
    EXPECT_EQ(first.Surface.Pixels(), second.Surface.Pixels());
}

TEST(GridCellPainter, ACustomDrawThatPaintsLeavesOnlyTheBordersAndOneThatChangesTheBrushTurnsTheBackground) {
    TTestCell cell;
    cell.Sides = uiAllBorders;
    cell.SideColor = vcl::clRed;
    cell.Background = vcl::clYellow;
    cell.Calculate(0, 0, 20, 20);
    vcl::TColor seen = vcl::clNone;
    cell.OnCustomDraw = [&](TuiCanvas& canvas) {
        seen = canvas.Brush().Color();
        canvas.FillRectColor(vcl::Rect(0, 0, 20, 20), vcl::clBlue);
        return true;
    };
    TCellSurface painted(20, 20);
    cell.Paint(painted.Canvas);
    EXPECT_EQ(seen, vcl::clYellow) << "the handler sees the cell's colours on the canvas";
    EXPECT_EQ(painted.Surface.Pixel(10, 10), static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clBlue)));
    EXPECT_EQ(painted.Surface.Pixel(0, 10), static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clRed)));

    cell.OnCustomDraw = [](TuiCanvas& canvas) {
        canvas.SetBrushColor(vcl::clLime);
        return false;
    };
    TCellSurface changed(20, 20);
    cell.Paint(changed.Canvas);
    EXPECT_EQ(changed.Surface.Pixel(10, 10), static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clLime)));
    EXPECT_EQ(cell.Params().Color, vcl::clYellow) << "the cell's own colour comes back after painting";
}

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
