// The Tabs painter under visual styles. The system themes draw tabs on the top only, so each tab is rendered into
// its paint bitmap in top-tab orientation and turned (and mirrored) into place; the page is the theme's tab pane, the
// navigator buttons the spin and window classes' parts.

#include "rtl/WindowsApi.h"
#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiControlBackground.h"
#include "ui/core/painters/looks/uiNativeParts.h"
#include "ui/pagecontrol/painters/uiPCTabsPainter.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int32_t TabPartPane = 9;
constexpr int32_t SpinPartUp = 1;
constexpr int32_t SpinPartDown = 2;
constexpr int32_t SpinPartRight = 3;
constexpr int32_t SpinPartLeft = 4;
constexpr int32_t WindowPartSmallClose = 19;

// How a tab's paint bitmap is turned for each text-and-side kind (1-12): into the tab's orientation for its
// background and back, into the orientation its content is drawn in, and at last onto the control.
struct TNativeTurns {
    TuiRotationAngle First;
    TuiRotationAngle Second;
    TuiRotationAngle Face;
    bool Mirrored;
    TuiRotationAngle Final;
};

constexpr TuiRotationAngle R0 = TuiRotationAngle::None;
constexpr TuiRotationAngle R1 = TuiRotationAngle::CounterClockwise;
constexpr TuiRotationAngle R2 = TuiRotationAngle::Clockwise;
constexpr TuiRotationAngle R3 = TuiRotationAngle::HalfTurn;

constexpr TNativeTurns NativeTurns[12] = {{R0, R0, R0, false, R0}, {R0, R0, R2, false, R1}, {R0, R0, R1, false, R2},
                                          {R2, R1, R3, true, R1},  {R2, R1, R0, true, R2},  {R2, R1, R1, true, R0},
                                          {R2, R1, R3, false, R1}, {R2, R1, R0, false, R2}, {R2, R1, R2, false, R0},
                                          {R0, R0, R0, true, R0},  {R0, R0, R1, true, R1},  {R0, R0, R2, true, R2}};

const TNativeTurns& TurnsOf(const TuiTab& tab) {
    return NativeTurns[std::clamp(tab.TextSideKind(), 1, 12) - 1];
}

int32_t NavigatorButtonThemeState(TuiPCNavigatorButtonState state) {
    switch (state) {
    case nbsPressed:
        return 3;
    case nbsHot:
        return 2;
    case nbsDisabled:
        return 4;
    default:
        return 1;
    }
}

} // namespace

vcl::TRect TuiPCTabsPainter::NativeTabRect(const TuiTab& tab) const {
    const vcl::TRect rect = tab.GetFullRect();
    return tab.IsActiveTab() ? GrowTowardPage(rect, tab.EffectiveTabPosition(), 1) : rect;
}

void TuiPCTabsPainter::DrawNativeTab(TuiTab& tab, int32_t visibleIndex) {
    const vcl::TRect rect = NativeTabRect(tab);
    TuiBitmap32& bitmap = *tab.PaintBitmap();
    const TuiTabPosition side = tab.EffectiveTabPosition();
    const bool across = side == tpLeft || side == tpRight;
    bitmap.SetSize(across ? rect.Height() : rect.Width(), across ? rect.Width() : rect.Height());
    const TNativeTurns& turns = TurnsOf(tab);
    bitmap.Rotate(turns.First, turns.Mirrored);
    FillTabBitmapBackground(bitmap, rect, tab);
    bitmap.Rotate(turns.Second, turns.Mirrored);
    DrawNativeTabBackground(bitmap.Canvas().Handle(), visibleIndex, bitmap.GetClientRect());
    bitmap.Rotate(turns.Face, turns.Mirrored);
}

void TuiPCTabsPainter::DrawNativeTabBody(TuiTab& tab, int32_t visibleIndex) {
    const vcl::TRect rect = NativeTabRect(tab);
    TuiBitmap32& bitmap = *tab.PaintBitmap();
    const TuiRotationAngle turn = TurnsOf(tab).Final;
    bitmap.Rotate(turn);
    const int32_t width = bitmap.Width();
    const int32_t height = bitmap.Height();
    TuiPCTabContentData& data = MutableTabContentData();
    const vcl::TRect text = data.TextRect;
    if (turn == TuiRotationAngle::CounterClockwise) {
        data.TextRect = {text.Top, width - text.Right, text.Bottom, width - text.Left};
    } else if (turn == TuiRotationAngle::Clockwise) {
        data.TextRect = {height - text.Bottom, text.Left, height - text.Top, text.Right};
    }
    data.TextRect = vcl::OffsetRect(data.TextRect, rect.Left, rect.Top);
    TuiCanvas& canvas = ParentInfo().Canvas();
    BitBlt(canvas.Handle(), rect.Left, rect.Top, rect.Width(), rect.Height(), bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
    DrawFocusRect(visibleIndex, TabFocusRectOf(rect));
}

void TuiPCTabsPainter::FillTabBitmapBackground(TuiBitmap32& bitmap, const vcl::TRect& rect, TuiTab& /*tab*/) {
    if (IsNativePainting() && Control().ParentBackground()) {
        DrawTransparentControlBackgroundAt(Control(), bitmap.Canvas(), rect, {-rect.Left, -rect.Top}, true);
        return;
    }
    bitmap.Canvas().FillRectColor(bitmap.GetClientRect(), GetTabsBackgroundColor());
}

void TuiPCTabsPainter::DrawNativeTabBackground(HDC dc, int32_t visibleIndex, const vcl::TRect& rect) {
    int32_t part = 0;
    int32_t state = 0;
    GetNativeTabPartAndState(visibleIndex, part, state);
    UxTheme().DrawThemeBackground(NativeTheme(totTab), dc, part, state, rect);
}

void TuiPCTabsPainter::GetNativeTabPartAndState(int32_t visibleIndex, int32_t& part, int32_t& state) {
    const TuiPCPainterParentInfo& info = ParentInfo();
    const TuiTab& tab = info.VisibleTab(visibleIndex);
    const std::vector<TuiPCLineIndexBounds>& lines = Control().LineIndexBounds();
    TuiPCLineIndexBounds line{visibleIndex, visibleIndex};
    if (tab.Row() >= 0 && tab.Row() < static_cast<int32_t>(lines.size())) {
        line = lines[static_cast<size_t>(tab.Row())];
    }
    // 0: the item with its left edge, 1: an item, 2: the item with its right edge.
    int32_t position = 1;
    if (!info.IsTabStripMode()) {
        if (!info.MultiLine() || info.RaggedRight()) {
            if (visibleIndex == line.First) {
                position = 0;
            } else if (visibleIndex == Control().VisibleTabs().Count() - 1 && !tab.IsActiveTab()) {
                position = 2;
            }
        } else if (visibleIndex == line.Last) {
            position = 2;
        } else if (visibleIndex == line.First) {
            position = 0;
        }
    }
    static constexpr int32_t InactiveParts[3] = {2, 1, 3};
    static constexpr int32_t ActiveParts[3] = {6, 5, 7};
    part = tab.IsActiveTab() ? ActiveParts[position] : InactiveParts[position];
    state = tab.IsActiveTab() ? 3 : tab.IsHotTracked() ? 2 : 1;
}

void TuiPCTabsPainter::DrawNativeFrame(TuiCanvas& canvas) {
    vcl::TRect rect = GetPageBoundsRect();
    if (rect.IsEmpty()) {
        return;
    }
    const vcl::TRect margins = GetNativeContentOffsets();
    rect.Right = std::max(rect.Right, rect.Left + margins.Left + margins.Right);
    rect.Bottom = std::max(rect.Bottom, rect.Top + margins.Top + margins.Bottom);
    const HTHEME theme = NativeTheme(totTab);
    if (Control().ParentBackground() && UxTheme().IsThemeBackgroundPartiallyTransparent(theme, TabPartPane, 0)) {
        UxTheme().DrawThemeParentBackground(Control().WindowHandle(), canvas.Handle(), &rect);
    } else {
        canvas.FillRectColor(rect, ParentInfo().Color());
    }
    UxTheme().DrawThemeBackground(theme, canvas.Handle(), TabPartPane, 0, rect);
    canvas.ExcludeClipArea(rect);
}

void TuiPCTabsPainter::DrawNativePageBackground(HDC dc, vcl::TPoint origin) {
    const vcl::TRect page = InflateRectBy(GetPageBoundsRect(), 2, 2);
    UxTheme().DrawThemeBackground(NativeTheme(totTab), dc, TabPartPane, 0, vcl::OffsetRect(page, -origin.X, -origin.Y));
}

void TuiPCTabsPainter::DrawNavigatorButton(TuiPCNavigatorButton button, const vcl::TRect& rect) {
    if (!IsNativePainting()) {
        TuiPCStandardPainter::DrawNavigatorButton(button, rect);
        return;
    }
    HTHEME theme = nullptr;
    int32_t part = 0;
    const bool horizontal = IsHorizontalLine();
    switch (button) {
    case nbClose:
        theme = NativeTheme(totWindow);
        part = WindowPartSmallClose;
        break;
    case nbGoDialog:
        part = SpinPartDown;
        break;
    case nbTopLeft:
        part = horizontal ? SpinPartLeft : SpinPartUp;
        break;
    case nbBottomRight:
        part = horizontal ? SpinPartRight : SpinPartDown;
        break;
    }
    if (button != nbClose) {
        theme = NativeTheme(totSpin);
    }
    const int32_t state = NavigatorButtonThemeState(ParentInfo().NavigatorButtonState(button));
    TuiCanvas& canvas = ParentInfo().Canvas();
    if (Control().ParentBackground() && UxTheme().IsThemeBackgroundPartiallyTransparent(theme, part, state)) {
        UxTheme().DrawThemeParentBackground(Control().WindowHandle(), canvas.Handle(), &rect);
    } else {
        canvas.FillRectColor(rect, ParentInfo().Color());
    }
    UxTheme().DrawThemeBackground(theme, canvas.Handle(), part, state, rect);
}

} // namespace ui
