// The routines containers and controls share: input classification in tables, frame geometry painted on DIBs and
// read back, window regions, the message queue, native scroll-bar information, the swallowing of one message (also
// from inside a window-procedure hook, where popups call it) and the height of popup menus.

#include "rtl/WindowsApi.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "ui/core/controls/containers/uiContainerPainting.h"
#include "ui/core/controls/routines/uiInputRoutines.h"
#include "ui/core/controls/routines/uiWindowRoutines.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "vcl/graphics/Colors.h"
#include "vcl/menus/Menus.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace ui {
namespace {

using ui_test::AllPixelsAre;
using ui_test::BoundsOf;
using ui_test::PixelsOfColor;
using ui_test::TCanvasOnSurface;

// A plain top-level window of the system's static class, destroyed with the holder.
class TPlainWindow {
public:
    explicit TPlainWindow(DWORD style = WS_POPUP)
        : FWindow(CreateWindowExW(0, L"STATIC", L"", style, 0, 0, 100, 80, nullptr, nullptr, nullptr, nullptr)) {}
    ~TPlainWindow() { DestroyWindow(FWindow); }
    HWND Get() const { return FWindow; }

private:
    HWND FWindow;
};

TEST(uiInputRoutines, StripAccelCharsDropsMarksAndKeepsDoubledAmpersands) {
    struct TCase {
        const char* Caption;
        bool Underscore;
        const char* Expected;
    };
    for (const TCase& c :
         {TCase{"&File", false, "File"}, TCase{"Save && Exit", false, "Save & Exit"}, TCase{"Next&", true, "Next_"},
          TCase{"Next&", false, "Next"}, TCase{"&", true, "_"}, TCase{"", false, ""}, TCase{"a&&&b", false, "a&b"}}) {
        SCOPED_TRACE(c.Caption);
        EXPECT_EQ(StripAccelChars(c.Caption, c.Underscore), c.Expected);
        const std::string caption(c.Caption);
        const std::string expected(c.Expected);
        EXPECT_EQ(StripAccelCharsWide(rtl::UnicodeString(caption.begin(), caption.end()), c.Underscore),
                  rtl::UnicodeString(expected.begin(), expected.end()));
    }
}

TEST(uiInputRoutines, NumberCharactersByMode) {
    struct TCase {
        char16_t Character;
        int32_t Mode;
        bool Expected;
    };
    for (const TCase& c : {TCase{u'e', 1, false}, TCase{u'e', 2, true}, TCase{u'E', 2, true}, TCase{u'.', 0, false},
                           TCase{u'.', 1, true}, TCase{u'.', 2, true}, TCase{u'.', 3, false}, TCase{u'7', 0, true},
                           TCase{u'-', 5, true}, TCase{u'+', 0, true}, TCase{u',', 1, false}, TCase{u'x', 2, false}}) {
        SCOPED_TRACE(std::string(1, static_cast<char>(c.Character)) + " mode " + std::to_string(c.Mode));
        EXPECT_EQ(IsNumberChar(c.Character, c.Mode, u'.'), c.Expected);
    }
    EXPECT_TRUE(IsNumberChar(u',', 1, u','));
}

TEST(uiInputRoutines, NonCharKeysAndEditCharacters) {
    for (const uint32_t key : {3u, 8u, 13u, 16u, 27u, 33u, 46u, 91u, 101u, 112u, 145u, 160u, 165u, 229u, 246u, 254u}) {
        EXPECT_TRUE(IsNonCharKey(key)) << key;
    }
    for (const uint32_t key : {0u, 32u, 48u, 65u, 90u, 146u, 186u, 255u, 256u, 0x10065u}) {
        EXPECT_FALSE(IsNonCharKey(key)) << key;
    }
    EXPECT_TRUE(IsEditChar(22));
    EXPECT_TRUE(IsEditChar(24));
    EXPECT_TRUE(IsEditChar(8));
    EXPECT_FALSE(IsEditChar(3));
    EXPECT_TRUE(IsTextOrBackspace(8));
    EXPECT_FALSE(IsTextOrBackspace(22));
    EXPECT_TRUE(IsNotControlChar(u' '));
    EXPECT_FALSE(IsNotControlChar(31));
}

TEST(uiInputRoutines, ShiftStatesAndButtons) {
    EXPECT_EQ(ShiftToMkFlags({vcl::ssShift, vcl::ssCtrl, vcl::ssLeft}), 13u);
    EXPECT_EQ(ShiftToMkFlags({vcl::ssAlt}), 0u);
    EXPECT_EQ(ShiftToMkFlags({vcl::ssRight, vcl::ssMiddle, vcl::ssDouble}),
              static_cast<uint32_t>(MK_RBUTTON | MK_MBUTTON));
    EXPECT_FALSE(IsShiftLeftButtonOnly({vcl::ssLeft, vcl::ssDouble}, false));
    EXPECT_TRUE(IsShiftLeftButtonOnly({vcl::ssLeft, vcl::ssDouble}, true));
    EXPECT_FALSE(IsShiftLeftButtonOnly({vcl::ssLeft, vcl::ssCtrl}, true));
    EXPECT_TRUE(IsShiftMoveOnly({}));
    EXPECT_FALSE(IsShiftMoveOnly({vcl::ssDouble}));
    EXPECT_EQ(ConvertMouseButton(vcl::mbLeft), 1);
    EXPECT_EQ(ConvertMouseButton(vcl::mbRight), 2);
    EXPECT_EQ(ConvertMouseButton(vcl::mbMiddle), 3);
}

TEST(uiInputRoutines, TextsMatchWithAndWithoutCase) {
    EXPECT_TRUE(TextsMatch(u"Invoice", u"INVOICE", false));
    EXPECT_FALSE(TextsMatch(u"Invoice", u"INVOICE", true));
    EXPECT_TRUE(TextsMatch(u"\u53d1\u7968", u"\u53d1\u7968", true));
    EXPECT_FALSE(TextsMatch(u"abc", u"abd", false));
}

TEST(uiContainerPainting, BorderWidthsAndIndents) {
    struct TCase {
        TuiContainerBorderStyle Style;
        int32_t Width;
        int32_t WithSkin;
    };
    const TuiCustomLookAndFeelPainter& skinPainter = TuiCustomLookAndFeelPainter::Instance();
    for (const TCase& c : {TCase{cbsNone, 0, 0}, TCase{cbsSingle, 1, 1}, TCase{cbsThick, 2, 2}, TCase{cbsFlat, 2, 1},
                           TCase{cbs3D, 2, 1}, TCase{cbsUltraFlat, 1, 1}, TCase{cbsOffice11, 1, 1}}) {
        SCOPED_TRACE(static_cast<int>(c.Style));
        EXPECT_EQ(GetContainerBorderWidth(c.Style), c.Width);
        EXPECT_EQ(GetBorderWidthForPainter(c.Style, nullptr), c.Width);
        EXPECT_EQ(GetBorderWidthForPainter(c.Style, &skinPainter), c.WithSkin);
    }
    EXPECT_EQ(GetContainerBorderIndent(lfFlat), 2);
    EXPECT_EQ(GetContainerBorderIndent(lfStandard), 2);
    EXPECT_EQ(GetContainerBorderIndent(lfUltraFlat), 1);
    EXPECT_EQ(GetContainerBorderIndent(lfOffice11), 1);
}

TEST(uiContainerPainting, EdgesGrowAndShrinkOnlyOnTheirSides) {
    vcl::TRect rect{10, 10, 20, 20};
    GrowRectByEdges(rect, 2, {bLeft, bBottom});
    EXPECT_EQ(rect, (vcl::TRect{8, 10, 20, 22}));
    rect = {10, 10, 20, 20};
    ShrinkRectOnMissingEdges(rect, 2, {bLeft, bBottom});
    EXPECT_EQ(rect, (vcl::TRect{10, 12, 18, 20}));
}

TEST(uiContainerPainting, InvalidateRectExceptLeavesTheExcludedRectangleValid) {
    TPlainWindow window(WS_POPUP | WS_VISIBLE);
    ValidateRect(window.Get(), nullptr);
    InvalidateRectExcept(window.Get(), {0, 0, 40, 30}, {10, 10, 20, 20}, false);
    const vcl::TRegionHandle update(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetUpdateRgn(window.Get(), update.Get(), FALSE), NULLREGION);
    EXPECT_TRUE(PtInRegion(update.Get(), 5, 15));
    EXPECT_TRUE(PtInRegion(update.Get(), 15, 5));
    EXPECT_TRUE(PtInRegion(update.Get(), 15, 25));
    EXPECT_TRUE(PtInRegion(update.Get(), 25, 15));
    EXPECT_FALSE(PtInRegion(update.Get(), 15, 15));
    EXPECT_FALSE(PtInRegion(update.Get(), 45, 15));
}

TEST(uiContainerPainting, ShadowStripsAreThreePixelsOffsetAndClippedAway) {
    TCanvasOnSurface on(30, 30);
    const vcl::TRect rect{5, 5, 20, 20};
    PaintContainerShadow(on.Canvas, rect);
    const vcl::TColor shadow = vcl::ColorToRGB(vcl::clBtnShadow);
    EXPECT_TRUE(AllPixelsAre(on.Surface, {8, 20, 20, 23}, shadow));
    EXPECT_TRUE(AllPixelsAre(on.Surface, {20, 8, 23, 23}, shadow));
    EXPECT_EQ(PixelsOfColor(on.Surface, shadow).size(), 12u * 3u + 3u * 15u);
    // The strips are out of the clip region: a later fill leaves them.
    on.Canvas.FillRectColor({0, 0, 30, 30}, vcl::clBlue);
    EXPECT_EQ(PixelsOfColor(on.Surface, shadow).size(), 12u * 3u + 3u * 15u);
}

TEST(uiContainerPainting, WindowRegionsAreSetOnlyWhenTheyDiffer) {
    TPlainWindow window;
    EXPECT_FALSE(IsWindowRegionDifferent(window.Get(), nullptr));
    const vcl::TRegionHandle region(CreateRectRgn(0, 0, 50, 40));
    EXPECT_TRUE(IsWindowRegionDifferent(window.Get(), region.Get()));
    SetWindowRegionIfChanged(window.Get(), vcl::TRegionHandle(CreateRectRgn(0, 0, 50, 40)));
    EXPECT_TRUE(IsWindowRegionDifferent(window.Get(), nullptr));
    EXPECT_FALSE(IsWindowRegionDifferent(window.Get(), region.Get()));
    SetWindowRegionIfChanged(window.Get(), vcl::TRegionHandle());
    EXPECT_FALSE(IsWindowRegionDifferent(window.Get(), nullptr));
}

TEST(uiContainerPainting, PopupShadowRegionIsTheBoundsAndTheShiftedShadow) {
    EXPECT_FALSE(CreatePopupShadowRegion({0, 0, 20, 10}, {}, false, false, {}).Get());
    EXPECT_FALSE(CreatePopupShadowRegion({0, 0, 20, 10}, {}, true, true, {}).Get());
    const vcl::TRegionHandle region = CreatePopupShadowRegion({0, 0, 20, 10}, {1, 0, 0, 0}, false, true, {5, 0, 8, 2});
    ASSERT_TRUE(region.Get());
    const auto inside = [&](int x, int y) { return PtInRegion(region.Get(), x, y) != 0; };
    EXPECT_TRUE(inside(0, 0));
    EXPECT_TRUE(inside(22, 12));
    EXPECT_TRUE(inside(4, 12));
    EXPECT_FALSE(inside(3, 12)); // the inset moved the shadow's left side one pixel in
    EXPECT_FALSE(inside(22, 2)); // top-right corner left out
    EXPECT_FALSE(inside(6, 1));  // the excluded rectangle
    EXPECT_FALSE(inside(23, 12));
}

TEST(uiWindowRoutines, FitRectToWorkAreaMovesInsideAndAlignsLargeRectsTopLeft) {
    const vcl::TRect area = DesktopWorkAreaAt({0, 0});
    vcl::TRect beyond{area.Right - 10, area.Bottom - 10, area.Right + 40, area.Bottom + 20};
    FitRectToWorkArea(beyond, {0, 0});
    EXPECT_EQ(beyond, (vcl::TRect{area.Right - 50, area.Bottom - 30, area.Right, area.Bottom}));
    vcl::TRect wide{area.Left - 5, area.Top + 1, area.Right + 100, area.Top + 11};
    FitRectToWorkArea(wide, {0, 0});
    EXPECT_EQ(wide.Left, area.Left);
    EXPECT_EQ(wide.Top, area.Top + 1);
}

TEST(uiWindowRoutines, WindowQueriesAndRectangles) {
    TPlainWindow parent(WS_POPUP);
    const HWND child =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 10, 5, 20, 20, parent.Get(), nullptr, nullptr, nullptr);
    EXPECT_TRUE(IsChildWindowStyle(child));
    EXPECT_FALSE(IsChildWindowStyle(parent.Get()));
    EXPECT_TRUE(IsSameOrChildWindow(parent.Get(), child));
    EXPECT_TRUE(IsSameOrChildWindow(parent.Get(), parent.Get()));
    EXPECT_FALSE(IsSameOrChildWindow(nullptr, child));
    EXPECT_EQ(FindNonChildAncestorWindow(child), parent.Get());
    EXPECT_EQ(WindowRectOrEmpty(nullptr), uiEmptyRect);
    vcl::TRect rect{0, 0, 4, 4};
    MapRectBetweenWindows(child, parent.Get(), rect);
    EXPECT_EQ(rect, (vcl::TRect{10, 5, 14, 9}));
}

TEST(uiWindowRoutines, DiscardingPendingMessagesKeepsAQuitRequest) {
    TPlainWindow window;
    const uint32_t message = WM_USER + 7;
    for (int i = 0; i < 3; ++i) {
        PostMessageW(window.Get(), message, 0, 0);
    }
    EXPECT_TRUE(HasPendingMessage(window.Get(), message));
    EXPECT_TRUE(DiscardPendingMessages(window.Get(), message, message, false));
    EXPECT_TRUE(HasPendingMessage(window.Get(), message));
    EXPECT_TRUE(DiscardPendingMessages(window.Get(), message, message, true));
    EXPECT_FALSE(HasPendingMessage(window.Get(), message));
    EXPECT_FALSE(DiscardPendingMessages(window.Get(), message, message, true));

    PostQuitMessage(5);
    EXPECT_FALSE(DiscardPendingMessages(nullptr, 0, 0, true));
    MSG quit;
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 5u);
}

TEST(uiWindowRoutines, NativeScrollBarInformation) {
    ASSERT_TRUE(IsScrollBarInfoAvailable());
    TPlainWindow window(WS_POPUP | WS_VSCROLL | WS_VISIBLE);
    SCROLLBARINFO info{};
    ASSERT_TRUE(QueryScrollBarInfo(window.Get(), OBJID_VSCROLL, info));
    EXPECT_EQ(info.cbSize, sizeof(SCROLLBARINFO));
    EXPECT_EQ(info.rgstate[0] & STATE_SYSTEM_INVISIBLE, 0u);
    EXPECT_GT(info.rcScrollBar.right - info.rcScrollBar.left, 0);
    ASSERT_TRUE(QueryScrollBarInfo(window.Get(), OBJID_HSCROLL, info));
    EXPECT_NE(info.rgstate[0] & STATE_SYSTEM_INVISIBLE, 0u);
}

// Counts the messages that reach a window's own procedure.
struct TMessageCounter {
    static inline std::vector<std::pair<HWND, UINT>> Received;
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        Received.emplace_back(window, message);
        return DefWindowProcW(window, message, wParam, lParam) + 2;
    }
};

const uint32_t uiProbeMessage = WM_USER + 11;

TEST(uiWindowRoutines, SwallowNextMessageGivesEachWindowItsOwnProcedureBack) {
    TPlainWindow first;
    TPlainWindow second;
    for (HWND window : {first.Get(), second.Get()}) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TMessageCounter::Procedure));
    }
    TMessageCounter::Received.clear();
    SwallowNextMessage(first.Get());
    SwallowNextMessage(second.Get());
    SwallowNextMessage(second.Get()); // again before its message: still one message
    EXPECT_EQ(SendMessageW(second.Get(), uiProbeMessage, 0, 0), 1);
    EXPECT_EQ(SendMessageW(first.Get(), uiProbeMessage, 0, 0), 1);
    EXPECT_TRUE(TMessageCounter::Received.empty());
    EXPECT_EQ(SendMessageW(first.Get(), uiProbeMessage, 0, 0), 2);
    EXPECT_EQ(SendMessageW(second.Get(), uiProbeMessage, 0, 0), 2);
    const std::vector<std::pair<HWND, UINT>> expected{{first.Get(), uiProbeMessage}, {second.Get(), uiProbeMessage}};
    EXPECT_EQ(TMessageCounter::Received, expected);
}

// A window-procedure hook that swallows the probe message of one window from inside the hook, as popups do.
struct TSwallowingHook {
    static inline HWND Target = nullptr;
    static LRESULT CALLBACK Procedure(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && call->hwnd == Target && call->message == uiProbeMessage) {
            SwallowNextMessage(call->hwnd);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
};

TEST(uiWindowRoutines, AProcedureReplacedInsideTheHookGetsThatMessage) {
    TPlainWindow window;
    SetWindowLongPtrW(window.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TMessageCounter::Procedure));
    TMessageCounter::Received.clear();
    TSwallowingHook::Target = window.Get();
    const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &TSwallowingHook::Procedure, nullptr, GetCurrentThreadId());
    ASSERT_TRUE(hook);
    EXPECT_EQ(SendMessageW(window.Get(), uiProbeMessage, 0, 0), 1);
    TSwallowingHook::Target = nullptr;
    UnhookWindowsHookEx(hook);
    EXPECT_TRUE(TMessageCounter::Received.empty());
    EXPECT_EQ(SendMessageW(window.Get(), uiProbeMessage, 0, 0), 2);
}

TEST(uiWindowRoutines, PopupMenuHeightCountsVisibleItemsInColumns) {
    TCanvasOnSurface on(10, 10);
    const int32_t line = on.Frame.TextHeight(u"Qg") + 4;
    vcl::TPopupMenu menu(nullptr);
    for (int i = 0; i < 4; ++i) {
        auto* item = new vcl::TMenuItem(nullptr);
        item->SetCaption(u"Item");
        menu.Items().Add(item);
    }
    menu.Items().Items(3)->SetVisible(false);
    EXPECT_EQ(PopupMenuHeight(menu, on.Frame), 3 * line + 4);
    menu.Items().Items(2)->SetBreak(vcl::mbBreak);
    EXPECT_EQ(PopupMenuHeight(menu, on.Frame), 2 * line + 4);
    // Owner-drawn items measure themselves: a column of 50 and 10 against one of 7.
    menu.SetOwnerDraw(true);
    for (const auto& [index, itemHeight] : {std::pair{0, 50}, std::pair{1, 10}, std::pair{2, 7}}) {
        menu.Items().Items(index)->SetOnMeasureItem(
            [itemHeight](rtl::TObject*, vcl::TCanvas&, int32_t&, int32_t& height) { height = itemHeight; });
    }
    EXPECT_EQ(PopupMenuHeight(menu, on.Frame), 64);
    EXPECT_GT(PopupMenuHeight(menu), 50);
}

} // namespace
} // namespace ui
