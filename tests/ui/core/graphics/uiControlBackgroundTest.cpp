// Painting what lies behind controls: a parent with three windowed children painted into a DIB, with a child left
// out, with window edges, under a child's rectangle and as the themed parent background; invalidating windows.

#include "ui/core/graphics/uiControlBackground.h"

#include "tests/support/ui/TestForms.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "ui/core/graphics/uiDCServices.h"
#include "ui/core/themes/uxUxTheme.h"
#include "vcl/system/Win32.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace ui {
namespace {

using ui_test::TCanvasOnSurface;
using ui_test::TFilledControl;
using vcl::Rect;

// A grey parent (100 x 60) holding red, green and blue children side by side, each 20 x 20 at y 10, overlapping
// nothing.
struct TThreeChildren {
    ui_test::TFormPtr<vcl::TForm> Form = ui_test::ShowNewTestForm(200, 100, ui_test::TFormPlacement::OffScreen);
    TFilledControl* Parent = new TFilledControl(Form.get());
    TFilledControl* Children[3] = {new TFilledControl(Form.get()), new TFilledControl(Form.get()),
                                   new TFilledControl(Form.get())};

    TThreeChildren() {
        Parent->SetParent(Form.get());
        Parent->SetBounds(0, 0, 100, 60);
        Parent->SetColor(vcl::clGray);
        const vcl::TColor colors[] = {vcl::clRed, vcl::clLime, vcl::clBlue};
        for (int i = 0; i < 3; ++i) {
            Children[i]->SetParent(Parent);
            Children[i]->SetBounds(10 + 30 * i, 10, 20, 20);
            Children[i]->SetColor(colors[i]);
        }
    }
};

TEST(uiControlBackground, PaintingStopsAtTheFirstExcludedChild) {
    TThreeChildren controls;
    TCanvasOnSurface on(100, 60);
    vcl::TControl* const excluded[] = {controls.Children[1]};
    PaintControlTo(*controls.Parent, on.Canvas, {0, 0}, Rect(0, 0, 100, 60), false, false, excluded, true);
    EXPECT_TRUE(ui_test::AllPixelsAre(on.Surface, Rect(10, 10, 30, 30), vcl::clRed));
    EXPECT_TRUE(ui_test::AllPixelsAre(on.Surface, Rect(40, 10, 60, 30), vcl::clGray)) << "the excluded child";
    EXPECT_TRUE(ui_test::AllPixelsAre(on.Surface, Rect(70, 10, 90, 30), vcl::clGray)) << "above the excluded one";
    EXPECT_TRUE(ui_test::AllPixelsAre(on.Surface, Rect(0, 0, 100, 10), vcl::clGray));
    EXPECT_FALSE(controls.Parent->ControlState().Contains(vcl::csPaintCopy)) << "the paint-copy state is over";
}

TEST(uiControlBackground, PaintingIsClippedToTheRectangleAndMovedByTheOffset) {
    TThreeChildren controls;
    TCanvasOnSurface on(100, 60);
    PaintControlTo(*controls.Parent, on.Canvas, {5, 5}, Rect(0, 0, 40, 40), false, false, {}, true);
    EXPECT_TRUE(ui_test::AllPixelsAre(on.Surface, Rect(15, 15, 35, 35), vcl::clRed));
    EXPECT_TRUE(ui_test::AllPixelsAre(on.Surface, Rect(45, 15, 100, 60), vcl::clWhite)) << "outside the rectangle";
    EXPECT_TRUE(ui_test::AllPixelsAre(on.Surface, Rect(0, 0, 5, 60), vcl::clWhite));
    EXPECT_EQ(on.Canvas.GetWindowOrigin(), vcl::Point(0, 0)) << "the device context's state comes back";
    EXPECT_EQ(GetClipRgn(on.Surface.DC(), TuiRegion().Handle()), 0);
}

TEST(uiControlBackground, WindowEdgesAreDrawnAroundTheContents) {
    for (const TFilledControl::TBorder border :
         {TFilledControl::TBorder::Single, TFilledControl::TBorder::ClientEdge}) {
        SCOPED_TRACE(static_cast<int>(border));
        TThreeChildren controls;
        controls.Parent->Border = border;
        controls.Parent->RecreateWnd();
        controls.Parent->HandleNeeded();
        TCanvasOnSurface on(100, 60);
        PaintControlTo(*controls.Parent, on.Canvas, {0, 0}, Rect(0, 0, 100, 60), true, false, {}, false);
        const int edge = border == TFilledControl::TBorder::Single ? 1 : 2;
        EXPECT_NE(on.Surface.Pixel(0, 30), vcl::clGray) << "the edge";
        EXPECT_EQ(on.Surface.Pixel(edge, 30), vcl::clGray) << "the contents start inside it";
        EXPECT_NE(on.Surface.Pixel(99, 30), vcl::clGray);
        EXPECT_NE(on.Surface.Pixel(99 - edge + 1, 59 - edge + 1), vcl::clGray);
    }
}

// A filled control that asks for no window edge.
class TEdgelessControl : public TFilledControl, public IuiWindowEdgePainting {
public:
    using TFilledControl::TFilledControl;
    bool QueryInterface(const rtl::TGUID& iid, void** object) override {
        return rtl::QueryInterfaceOf<IuiWindowEdgePainting>(this, iid, object) ||
               TFilledControl::QueryInterface(iid, object);
    }
    int32_t AddRef() override { return TFilledControl::AddRef(); }
    int32_t Release() override { return TFilledControl::Release(); }
    bool PaintsWindowEdge() override { return false; }
};

TEST(uiControlBackground, AControlMayDeclineItsWindowEdge) {
    ui_test::TFormPtr<vcl::TForm> form = ui_test::ShowNewTestForm(200, 100, ui_test::TFormPlacement::OffScreen);
    auto* control = new TEdgelessControl(form.get());
    control->Border = TFilledControl::TBorder::Single;
    control->SetParent(form.get());
    control->SetBounds(0, 0, 50, 30);
    control->SetColor(vcl::clGray);
    control->HandleNeeded();
    TCanvasOnSurface on(50, 30);
    PaintControlTo(*control, on.Canvas, {0, 0}, Rect(0, 0, 50, 30), true, false, {}, false);
    EXPECT_EQ(on.Surface.Pixel(0, 0), vcl::clGray);
}

TEST(uiControlBackground, AChildsBackgroundIsTheParentAndTheSiblingsBelowIt) {
    TThreeChildren controls;
    controls.Children[0]->SetBounds(10, 10, 40, 20);
    controls.Children[1]->SetBounds(30, 10, 40, 20);
    TCanvasOnSurface on(40, 20);
    DrawTransparentControlBackground(*controls.Children[1], on.Canvas, Rect(0, 0, 40, 20), true);
    EXPECT_TRUE(ui_test::AllPixelsAre(on.Surface, Rect(0, 0, 20, 20), vcl::clRed)) << "the sibling below";
    EXPECT_TRUE(ui_test::AllPixelsAre(on.Surface, Rect(20, 0, 40, 20), vcl::clGray)) << "the parent";

    TCanvasOnSurface withoutChildren(40, 20);
    DrawTransparentControlBackgroundOnCanvas(*controls.Children[1], withoutChildren.Frame, Rect(0, 0, 40, 20), false);
    EXPECT_TRUE(ui_test::AllPixelsAre(withoutChildren.Surface, Rect(0, 0, 40, 20), vcl::clGray));

    TCanvasOnSurface moved(40, 20);
    DrawTransparentControlBackgroundAt(*controls.Children[1], moved.Canvas, Rect(0, 0, 40, 20), {10, 0}, true);
    EXPECT_TRUE(ui_test::AllPixelsAre(moved.Surface, Rect(10, 0, 30, 20), vcl::clRed));
    EXPECT_EQ(moved.Canvas.GetWindowOrigin(), vcl::Point(0, 0));

    // A part of the control gets what lies under that part, and nothing else is drawn.
    TCanvasOnSurface part(40, 20);
    DrawTransparentControlBackground(*controls.Children[1], part.Canvas, Rect(15, 5, 30, 15), true);
    EXPECT_TRUE(ui_test::AllPixelsAre(part.Surface, Rect(15, 5, 20, 15), vcl::clRed));
    EXPECT_TRUE(ui_test::AllPixelsAre(part.Surface, Rect(20, 5, 30, 15), vcl::clGray));
    EXPECT_TRUE(ui_test::AllPixelsAre(part.Surface, Rect(0, 0, 40, 5), vcl::clWhite));
    EXPECT_TRUE(ui_test::AllPixelsAre(part.Surface, Rect(0, 5, 15, 15), vcl::clWhite));
}

// Visual styles loaded or not, as the test says; it records the themed parent backgrounds asked for and draws none.
class TRecordingParentTheme final : public TuxThemeApi {
public:
    explicit TRecordingParentTheme(bool loaded) : FLoaded(loaded), FPrevious(SetUxTheme(this)) {}
    ~TRecordingParentTheme() override { SetUxTheme(FPrevious); }
    TRecordingParentTheme(const TRecordingParentTheme&) = delete;
    TRecordingParentTheme& operator=(const TRecordingParentTheme&) = delete;

    bool IsLoaded() const override { return FLoaded; }
    int32_t DrawThemeParentBackground(HWND window, HDC, const vcl::TRect* rect) const override {
        Asked.push_back({window, rect != nullptr ? *rect : vcl::TRect{}});
        return 0;
    }
    mutable std::vector<std::pair<HWND, vcl::TRect>> Asked;

private:
    bool FLoaded;
    const TuxThemeApi* FPrevious;
};

TEST(uiControlBackground, TheThemedParentBackgroundFallsBackToTheParentUnderTheControl) {
    const struct {
        bool Loaded;
        bool ParentDoubleBuffered;
        bool Themed;
    } cases[] = {{false, false, false}, {true, true, false}, {true, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Loaded * 2 + c.ParentDoubleBuffered);
        TThreeChildren controls;
        controls.Children[0]->SetBounds(10, 10, 40, 20);
        controls.Children[1]->SetBounds(30, 10, 40, 20);
        controls.Parent->SetDoubleBuffered(c.ParentDoubleBuffered);
        TRecordingParentTheme theme(c.Loaded);
        TCanvasOnSurface on(40, 20);
        DrawThemeParentBackgroundOnCanvas(*controls.Children[1], on.Frame, Rect(0, 0, 40, 20));
        if (c.Themed) {
            ASSERT_EQ(theme.Asked.size(), 1u);
            EXPECT_EQ(theme.Asked[0].first, controls.Children[1]->WindowHandle());
            EXPECT_EQ(theme.Asked[0].second, Rect(0, 0, 40, 20));
            continue;
        }
        EXPECT_TRUE(theme.Asked.empty());
        // The parent's own pixels under the control: its face, not the sibling below the control.
        TCanvasOnSurface parent(40, 20);
        PaintControlTo(*controls.Parent, parent.Canvas, {-30, -10}, Rect(30, 10, 70, 30), false, true, {}, false);
        EXPECT_EQ(on.Surface.Pixels(), parent.Surface.Pixels());
        EXPECT_TRUE(ui_test::AllPixelsAre(on.Surface, Rect(0, 0, 40, 20), vcl::clGray));
    }
}

TEST(uiControlBackground, InvalidatingAWindowMarksTheRectangleOrTheWholeClientArea) {
    TThreeChildren controls;
    HWND window = controls.Parent->WindowHandle();
    const auto updateRect = [window] {
        RECT update{};
        GetUpdateRect(window, &update, FALSE);
        return Rect(update.left, update.top, update.right, update.bottom);
    };
    ValidateRect(window, nullptr);
    InvalidateWindowRect(window, Rect(5, 6, 25, 16), false);
    EXPECT_EQ(updateRect(), Rect(5, 6, 25, 16));
    ValidateRect(window, nullptr);
    InvalidateWindow(window, true);
    EXPECT_EQ(updateRect(), Rect(0, 0, 100, 60));
    ValidateRect(window, nullptr);
}

TEST(uiControlBackground, AControlWithoutParentDrawsNothing) {
    TFilledControl orphan(nullptr);
    TCanvasOnSurface on;
    DrawTransparentControlBackground(orphan, on.Canvas, Rect(0, 0, 40, 30), true);
    EXPECT_TRUE(ui_test::AllPixelsAre(on.Surface, Rect(0, 0, 40, 30), vcl::clWhite));
}

} // namespace
} // namespace ui
