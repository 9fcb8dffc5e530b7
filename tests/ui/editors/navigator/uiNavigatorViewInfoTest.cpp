#include "ui/editors/navigator/uiNavigatorViewInfo.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/ui/editors/navigator/NavigatorTestSupport.h"
#include "ui/core/controls/services/uiTimers.h"
#include "ui/core/graphics/uiDCServices.h"
#include "ui/editors/navigator/uiNavigatorButtons.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/hints/HintWindow.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using ui::nbiFirst;
using ui::nbiLast;
using ui::nbiNext;
using ui_test::NavigatorTest;

// Sets the left mouse button's bit of this thread's keyboard state, which the press timer reads.
class TLeftButtonState {
public:
    explicit TLeftButtonState(bool down) { Set(down); }
    ~TLeftButtonState() { Set(false); }
    TLeftButtonState(const TLeftButtonState&) = delete;
    TLeftButtonState& operator=(const TLeftButtonState&) = delete;

    static void Set(bool down) {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_LBUTTON] = down ? 0x80 : 0;
        SetKeyboardState(state);
    }
};

// The window's invalid region, which the test owns.
struct TUpdateRegion {
    explicit TUpdateRegion(HWND window) : Region(CreateRectRgn(0, 0, 0, 0)) { GetUpdateRgn(window, Region, FALSE); }
    ~TUpdateRegion() { DeleteObject(Region); }
    TUpdateRegion(const TUpdateRegion&) = delete;
    TUpdateRegion& operator=(const TUpdateRegion&) = delete;
    bool Holds(vcl::TPoint point) const { return PtInRegion(Region, point.X, point.Y) != FALSE; }

    HRGN Region;
};

// A list of count images of width x height, image i filled with colors[i].
std::unique_ptr<vcl::TCustomImageList> SolidImages(int32_t width, int32_t height,
                                                   const std::vector<vcl::TColor>& colors) {
    auto images = std::make_unique<vcl::TCustomImageList>(nullptr, width, height);
    for (const vcl::TColor color : colors) {
        vcl::TBitmap image;
        image.SetSize(width, height);
        image.Canvas().Brush().SetColor(color);
        image.Canvas().FillRect({0, 0, width, height});
        images->Add(image, nullptr);
    }
    return images;
}

// The pixels of rect on a surface of the host's size.
std::vector<vcl::TColor> PixelsOf(const ui_test::TDibSurface& surface, const vcl::TRect& rect) {
    std::vector<vcl::TColor> pixels;
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        for (int x = rect.Left; x < rect.Right; ++x) {
            pixels.push_back(surface.Pixel(x, y));
        }
    }
    return pixels;
}

// The smallest rectangle holding every pixel of color inside rect; empty when none is.
vcl::TRect ExtentOf(const ui_test::TDibSurface& surface, const vcl::TRect& rect, vcl::TColor color) {
    vcl::TRect extent{rect.Right, rect.Bottom, rect.Left, rect.Top};
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        for (int x = rect.Left; x < rect.Right; ++x) {
            if (surface.Pixel(x, y) == color) {
                extent = {std::min(extent.Left, x), std::min(extent.Top, y), std::max(extent.Right, x + 1),
                          std::max(extent.Bottom, y + 1)};
            }
        }
    }
    return extent;
}

class NavigatorBarTest : public NavigatorTest {
protected:
    std::unique_ptr<ui_test::TDibSurface> Painted() const {
        auto surface = std::make_unique<ui_test::TDibSurface>(Host->Width(), Host->Height());
        ui_test::PaintControl(*Host, *surface);
        return surface;
    }
    // The host painted, then made valid, so that what a change invalidates shows alone.
    void ValidateHost() const {
        Host->Update();
        ValidateRect(Host->Handle(), nullptr);
    }
};

TEST_F(NavigatorBarTest, FifteenStandardButtonsNeed255PixelsAndShareOutOnlyWholePixels) {
    struct TCase {
        int32_t Width;
        int32_t Reported;
        int32_t ButtonWidth;
    };
    for (const TCase& testCase : {TCase{0, 255, 17}, TCase{265, 255, 17}, TCase{290, 285, 19}}) {
        int32_t width = testCase.Width;
        int32_t height = 0;
        ViewInfo().ArrangeButtons(width, height, true);
        EXPECT_EQ(width, testCase.Reported) << testCase.Width;
        EXPECT_EQ(height, 16) << "2 + 2 + 1 and the glyph's 11";
        EXPECT_TRUE(ViewInfo().IsDirty());
        ASSERT_EQ(ViewInfo().ButtonCount(), 15);
        for (int32_t position = 0; position < 15; ++position) {
            const int32_t left = position * testCase.ButtonWidth;
            EXPECT_EQ(ViewInfo().Buttons(position).Bounds, (vcl::TRect{left, 0, left + testCase.ButtonWidth, 16}))
                << testCase.Width << ", button " << position;
        }
    }
}

TEST_F(NavigatorBarTest, CalculateFillsTheHostsHeightAndReadsEnabledStatesAndHints) {
    Host->SetHeight(24);
    ViewInfo().Calculate();
    EXPECT_FALSE(ViewInfo().IsDirty());
    EXPECT_EQ(Laid(nbiFirst).Bounds, (vcl::TRect{0, 0, 19, 24}));
    EXPECT_FALSE(Laid(nbiFirst).Enabled);
    EXPECT_TRUE(Laid(nbiNext).Enabled);
    EXPECT_EQ(Laid(nbiNext).Hint, u"Next record");
}

TEST_F(NavigatorBarTest, HitTestsExcludeTheRightAndBottomEdges) {
    EXPECT_EQ(ViewInfo().HitTest({18, 15}), &Laid(nbiFirst));
    EXPECT_EQ(ViewInfo().HitTest({19, 0}), &Laid(ui::nbiPriorPage));
    EXPECT_EQ(ViewInfo().HitTest({284, 0}), &Laid(ui::nbiFilter));
    EXPECT_EQ(ViewInfo().HitTest({285, 0}), nullptr);
    EXPECT_EQ(ViewInfo().HitTest({0, 16}), nullptr);
}

TEST_F(NavigatorBarTest, HotAndPressedButtonsSurviveARelayoutWhileTheirButtonsStayVisible) {
    const vcl::TPoint next = CentreOf(nbiNext);
    ViewInfo().TrackMouseMove(next.X, next.Y);
    ViewInfo().TrackMouseDown(next.X, next.Y);
    Buttons().Append().SetVisible(true);
    ViewInfo().Calculate();
    ASSERT_NE(ViewInfo().HotButton(), nullptr);
    ASSERT_NE(ViewInfo().PressedButton(), nullptr);
    EXPECT_EQ(ViewInfo().HotButton()->Button, &Buttons().Next());
    EXPECT_EQ(ViewInfo().PressedButton(), ViewInfo().HotButton());
    EXPECT_EQ(ViewInfo().GetButtonState(Laid(nbiNext)), ui::uibsPressed);
    Buttons().Next().SetVisible(false);
    ViewInfo().Calculate();
    EXPECT_EQ(ViewInfo().HotButton(), nullptr);
    EXPECT_EQ(ViewInfo().PressedButton(), nullptr);
    ViewInfo().TrackMouseUp(-1, -1);
    EXPECT_TRUE(Host->Actions.empty());
}

TEST_F(NavigatorBarTest, PressingMovingOffAndReleasingClicksNothing) {
    const vcl::TPoint next = CentreOf(nbiNext);
    const vcl::TPoint last = CentreOf(nbiLast);
    ui_test::MouseMove(*Host, next);
    ui_test::MouseDown(*Host, vcl::mbLeft, next);
    ui_test::MouseMove(*Host, last, {vcl::ssLeft});
    ui_test::MouseUp(*Host, vcl::mbLeft, last);
    EXPECT_TRUE(Host->Actions.empty());
    EXPECT_EQ(ViewInfo().PressedButton(), nullptr);
    EXPECT_FALSE(ViewInfo().PressTimer().Enabled());
    ui_test::Click(*Host, next);
    EXPECT_EQ(Host->Actions, std::vector<int32_t>{nbiNext});
    EXPECT_EQ(Host->Data().GetFocusedRowIndex(), 1);
}

TEST_F(NavigatorBarTest, APressOnADisabledButtonDoesNothing) {
    const vcl::TPoint first = CentreOf(nbiFirst);
    ui_test::MouseMove(*Host, first);
    ui_test::MouseDown(*Host, vcl::mbLeft, first);
    EXPECT_EQ(ViewInfo().PressedButton(), nullptr);
    EXPECT_FALSE(ViewInfo().PressTimer().Enabled());
    ui_test::MouseUp(*Host, vcl::mbLeft, first);
    EXPECT_TRUE(Host->Actions.empty());
}

// The timer's ticks are fired by the test, with no message handled between them, so that no real tick interferes.
TEST_F(NavigatorBarTest, HeldOnNextTheButtonRepeatsAfter400AndThenEvery100Milliseconds) {
    Host->FillRecords(20);
    ViewInfo().Calculate();
    const TLeftButtonState held(true);
    const vcl::TPoint next = CentreOf(nbiNext);
    ViewInfo().TrackMouseMove(next.X, next.Y);
    ViewInfo().TrackMouseDown(next.X, next.Y);
    ui::TuiTimer& timer = ViewInfo().PressTimer();
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 400u);
    EXPECT_TRUE(Host->Actions.empty());
    timer.FireTimer();
    EXPECT_EQ(Host->Actions.size(), 1u);
    EXPECT_EQ(timer.Interval(), 100u);
    timer.FireTimer();
    EXPECT_EQ(Host->Actions.size(), 2u);
    ViewInfo().TrackMouseUp(next.X, next.Y);
    EXPECT_EQ(Host->Actions, (std::vector<int32_t>{nbiNext, nbiNext, nbiNext}));
    EXPECT_EQ(Host->Data().GetFocusedRowIndex(), 3);
    EXPECT_FALSE(timer.Enabled());
}

TEST_F(NavigatorBarTest, HeldOnLastTheButtonNeverRepeats) {
    const TLeftButtonState held(true);
    const vcl::TPoint last = CentreOf(nbiLast);
    ViewInfo().TrackMouseMove(last.X, last.Y);
    ViewInfo().TrackMouseDown(last.X, last.Y);
    ViewInfo().PressTimer().FireTimer();
    ViewInfo().PressTimer().FireTimer();
    EXPECT_TRUE(Host->Actions.empty());
    ViewInfo().TrackMouseUp(last.X, last.Y);
    EXPECT_EQ(Host->Actions, std::vector<int32_t>{nbiLast});
}

TEST_F(NavigatorBarTest, ATickThatFindsTheMouseButtonUpEndsThePressWithoutAClick) {
    const TLeftButtonState released(false);
    const vcl::TPoint next = CentreOf(nbiNext);
    ViewInfo().TrackMouseMove(next.X, next.Y);
    ViewInfo().TrackMouseDown(next.X, next.Y);
    ViewInfo().PressTimer().FireTimer();
    EXPECT_EQ(ViewInfo().PressedButton(), nullptr);
    EXPECT_FALSE(ViewInfo().PressTimer().Enabled());
    ViewInfo().TrackMouseUp(next.X, next.Y);
    EXPECT_TRUE(Host->Actions.empty());
}

TEST_F(NavigatorBarTest, MovingFromTheFirstRecordToTheSecondInvalidatesOnlyTheButtonsBackwards) {
    ValidateHost();
    Host->Data().ChangeFocusedRowIndex(1);
    Host->RefreshNavigator();
    const TUpdateRegion invalid(Host->Handle());
    for (int32_t position = 0; position < ViewInfo().ButtonCount(); ++position) {
        const ui::TuiNavigatorButtonViewInfo& viewInfo = ViewInfo().Buttons(position);
        const int32_t index = viewInfo.Button->DefaultIndex();
        const bool backwards = index == nbiFirst || index == ui::nbiPriorPage || index == ui::nbiPrior;
        EXPECT_EQ(invalid.Holds(CentreOf(index)), backwards) << "button " << index;
    }
}

TEST_F(NavigatorBarTest, UnderUltraFlatAHotButtonInvalidatesTheBarsRing) {
    const vcl::TPoint last = CentreOf(nbiLast);
    const vcl::TPoint insert = CentreOf(ui::nbiInsert);
    ViewInfo().TrackMouseMove(last.X, last.Y);
    ViewInfo().TrackMouseMove(-1, -1);
    ValidateHost();
    ViewInfo().TrackMouseMove(last.X, last.Y);
    EXPECT_FALSE(TUpdateRegion(Host->Handle()).Holds({insert.X, 0})) << "the standard look does not hot-track";

    Host->LookAndFeel().SetKind(ui::lfUltraFlat);
    ViewInfo().TrackMouseMove(-1, -1);
    ASSERT_FALSE(Host->Focused());
    ValidateHost();
    ViewInfo().TrackMouseMove(last.X, last.Y);
    EXPECT_TRUE(ViewInfo().IsSelected());
    const TUpdateRegion invalid(Host->Handle());
    EXPECT_TRUE(invalid.Holds(last));
    EXPECT_TRUE(invalid.Holds({insert.X, 0}));
    EXPECT_TRUE(invalid.Holds({insert.X, Host->Height() - 1}));
    EXPECT_TRUE(invalid.Holds({0, insert.Y}));
    EXPECT_FALSE(invalid.Holds(insert));
}

TEST_F(NavigatorBarTest, AfterHalfASecondAtRestTheShortHintOpensBelowTheCursor) {
    Host->SetShowHint(true);
    Buttons().Next().SetHint(u"Onward|Moves to the next record");
    ui_test::MouseMove(*Host, CentreOf(nbiNext));
    EXPECT_TRUE(ViewInfo().HintTimer().Enabled());
    EXPECT_EQ(ViewInfo().HintTimer().Interval(), 500u);
    EXPECT_EQ(ViewInfo().HintWindow(), nullptr);
    ASSERT_TRUE(ui_test::PumpUntil([&] { return ViewInfo().HintWindow() != nullptr; }, 3000));
    const vcl::THintWindow& window = *ViewInfo().HintWindow();
    EXPECT_EQ(window.Caption(), u"Onward");
    POINT cursor{};
    GetCursorPos(&cursor);
    EXPECT_EQ(window.Left(), cursor.x);
    EXPECT_EQ(window.Top(), cursor.y + ui::GetCursorSize().cy);
    EXPECT_TRUE(IsWindowVisible(window.WindowHandle()));
    EXPECT_FALSE(ViewInfo().HintTimer().Enabled());
}

TEST_F(NavigatorBarTest, NoHintShowsWhenTheHostDeclinesHints) {
    Host->SetShowHint(false);
    ui_test::MouseMove(*Host, CentreOf(nbiNext));
    ViewInfo().HintTimer().FireTimer();
    EXPECT_EQ(ViewInfo().HintWindow(), nullptr);
    Host->SetShowHint(true);
    ViewInfo().HintTimer().FireTimer();
    EXPECT_NE(ViewInfo().HintWindow(), nullptr);
}

TEST_F(NavigatorBarTest, APressHidesTheHint) {
    Host->SetShowHint(true);
    const vcl::TPoint next = CentreOf(nbiNext);
    ui_test::MouseMove(*Host, next);
    ViewInfo().HintTimer().FireTimer();
    ASSERT_NE(ViewInfo().HintWindow(), nullptr);
    ui_test::MouseDown(*Host, vcl::mbLeft, next);
    EXPECT_EQ(ViewInfo().HintWindow(), nullptr);
    EXPECT_FALSE(ViewInfo().HintTimer().Enabled());
    ui_test::MouseUp(*Host, vcl::mbLeft, next);
}

TEST(NavigatorGlyphs, TheBuiltInListHolds22GlyphsOf12By11MadeOnce) {
    vcl::TCustomImageList& images = ui::NavigatorBuiltInImages();
    EXPECT_EQ(&ui::NavigatorBuiltInImages(), &images);
    EXPECT_EQ(images.Width(), 12);
    EXPECT_EQ(images.Height(), 11);
    EXPECT_EQ(images.Count(), 22);
    ui::FinalizeNavigatorUnit();
}

TEST_F(NavigatorBarTest, AnImageIndexWithUserImagesDrawsTheirImage) {
    const std::vector<vcl::TColor> colors = {vcl::clRed, vcl::clLime, vcl::clBlue, vcl::clYellow, vcl::clAqua};
    const auto images = SolidImages(12, 11, colors);
    Buttons().SetImages(images.get());
    Buttons().Next().SetImageIndex(3);
    const auto surface = Painted();
    const vcl::TPoint next = CentreOf(nbiNext);
    EXPECT_EQ(surface->Pixel(next.X, next.Y), vcl::clYellow);
    const vcl::TRect glyph = ExtentOf(*surface, Laid(nbiNext).Bounds, vcl::clYellow);
    EXPECT_EQ(glyph.Width(), 12);
    EXPECT_EQ(glyph.Height(), 11);
    const vcl::TPoint last = CentreOf(nbiLast);
    for (const vcl::TColor color : colors) {
        EXPECT_NE(surface->Pixel(last.X, last.Y), color) << "Last keeps its built-in glyph";
    }
}

TEST_F(NavigatorBarTest, SkinBlueGivesBuiltInGlyphsTheSkinsGlyphSize) {
    Host->LookAndFeel().SetSkinName(u"Blue");
    const ui::TuiLookAndFeelPainterClass skin = Host->LookAndFeel().SkinPainter();
    ASSERT_NE(skin, nullptr);
    const vcl::TSize glyph = skin->NavigatorGlyphSize();
    EXPECT_EQ(Buttons().Next().GetGlyphSize(), glyph);
    const auto images = SolidImages(16, 16, {vcl::clRed});
    Buttons().SetImages(images.get());
    EXPECT_EQ(Buttons().Next().GetGlyphSize(), glyph) << "no image index: the built-in glyph";
    Buttons().Next().SetImageIndex(0);
    EXPECT_EQ(Buttons().Next().GetGlyphSize(), (vcl::TSize{16, 16}));
    Buttons().Next().SetImageIndex(-1);
    const vcl::TRect frame = skin->ButtonGroupFrameWidths(3, 1);
    int32_t width = 0;
    int32_t height = 0;
    ViewInfo().ArrangeButtons(width, height, true);
    EXPECT_EQ(width, 15 * (glyph.cx + frame.Left + frame.Right + 1));
    EXPECT_EQ(height, glyph.cy + frame.Top + frame.Bottom + 1);
}

TEST_F(NavigatorBarTest, APressedGlyphMovesByOnePixel) {
    const auto images = SolidImages(12, 11, {vcl::clRed});
    Buttons().SetImages(images.get());
    Buttons().Next().SetImageIndex(0);
    const vcl::TRect bounds = Laid(nbiNext).Bounds;
    const vcl::TRect normal = ExtentOf(*Painted(), bounds, vcl::clRed);
    const vcl::TPoint next = CentreOf(nbiNext);
    ViewInfo().TrackMouseMove(next.X, next.Y);
    ViewInfo().TrackMouseDown(next.X, next.Y);
    const vcl::TRect pressed = ExtentOf(*Painted(), bounds, vcl::clRed);
    ViewInfo().TrackMouseUp(-1, -1);
    EXPECT_EQ(normal.Width(), 12);
    EXPECT_EQ(pressed, vcl::OffsetRect(normal, 1, 1));
}

TEST_F(NavigatorBarTest, ADisabledButtonLooksOtherThanAnEnabledOne) {
    const vcl::TRect bounds = Laid(nbiNext).Bounds;
    const std::vector<vcl::TColor> enabled = PixelsOf(*Painted(), bounds);
    Buttons().Next().SetEnabled(false);
    const std::vector<vcl::TColor> disabled = PixelsOf(*Painted(), bounds);
    EXPECT_FALSE(Laid(nbiNext).Enabled);
    EXPECT_NE(enabled, disabled);
}

TEST_F(NavigatorBarTest, TheFocusRectangleShowsOnlyForAFocusedTabStopHost) {
    Host->SetTabStop(true);
    Host->SetFocus();
    ui_test::ProcessPendingMessages();
    ASSERT_TRUE(Host->Focused());
    const vcl::TRect first = Laid(nbiFirst).Bounds;
    const std::vector<vcl::TColor> focused = PixelsOf(*Painted(), first);
    Host->SetTabStop(false);
    const std::vector<vcl::TColor> notTabStop = PixelsOf(*Painted(), first);
    Host->SetTabStop(true);
    auto* other = new ui_test::TNavigatorTestHost(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(10, 40, 290, 16);
    other->SetFocus();
    ui_test::ProcessPendingMessages();
    ASSERT_FALSE(Host->Focused());
    const std::vector<vcl::TColor> unfocused = PixelsOf(*Painted(), first);
    EXPECT_NE(focused, unfocused);
    EXPECT_EQ(notTabStop, unfocused);
}

TEST_F(NavigatorBarTest, PaintingTwiceGivesTheSamePixels) {
    Host->Data().ChangeFocusedRowIndex(2);
    Host->RefreshNavigator();
    const auto first = Painted();
    const auto second = Painted();
    EXPECT_EQ(first->Pixels(), second->Pixels());
    EXPECT_NE(first->Pixel(0, 0), vcl::clFuchsia) << "the bar covers the host";
}

} // namespace
