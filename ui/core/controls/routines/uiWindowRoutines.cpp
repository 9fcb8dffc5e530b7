#include "ui/core/controls/routines/uiWindowRoutines.h"

#include "rtl/WindowsApi.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/Font.h"
#include "vcl/graphics/GdiObjects.h"
#include "vcl/menus/Menus.h"

#include <algorithm>
#include <map>

namespace ui {

namespace {

using TGetScrollBarInfoEntry = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);

// Bound at run time: systems before Windows 98 and NT 4 SP6 lack it.
TGetScrollBarInfoEntry GetScrollBarInfoEntry() {
    static const auto entry = reinterpret_cast<TGetScrollBarInfoEntry>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32"), "GetScrollBarInfo")));
    return entry;
}

// The procedures that windows waiting to swallow a message had before, by window: each window gets its own back,
// whatever order the messages come in.
std::map<HWND, WNDPROC>& SwallowingWindows() {
    static std::map<HWND, WNDPROC> windows;
    return windows;
}

LRESULT CALLBACK SwallowingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto& windows = SwallowingWindows();
    const auto found = windows.find(window);
    if (found == windows.end()) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(found->second));
    windows.erase(found);
    return 1;
}

// The height of one menu item: its text line, or what a self-measuring item says.
int32_t MenuItemHeight(const vcl::TMenu& menu, vcl::TMenuItem& item, vcl::TCanvas& canvas, int32_t lineHeight) {
    int32_t height = lineHeight;
    if (menu.OwnerDraw() || menu.Images() != nullptr || item.HasBitmap()) {
        int32_t width = 0;
        item.MeasureItem(canvas, width, height);
    }
    return height;
}

} // namespace

bool IsChildWindowStyle(HWND window) {
    return (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0;
}

bool IsSameOrChildWindow(HWND parent, HWND window) {
    return parent != nullptr && (window == parent || IsChild(parent, window));
}

HWND FindNonChildAncestorWindow(HWND window) {
    while (window != nullptr && IsChildWindowStyle(window)) {
        window = GetParent(window);
    }
    return window;
}

vcl::TRect WindowRectOrEmpty(HWND window) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) {
        return uiEmptyRect;
    }
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void MapPointBetweenWindows(HWND from, HWND to, vcl::TPoint& point) {
    POINT native{point.X, point.Y};
    MapWindowPoints(from, to, &native, 1);
    point = {native.x, native.y};
}

void MapRectBetweenWindows(HWND from, HWND to, vcl::TRect& rect) {
    vcl::TPoint topLeft{rect.Left, rect.Top};
    vcl::TPoint bottomRight{rect.Right, rect.Bottom};
    MapPointBetweenWindows(from, to, topLeft);
    MapPointBetweenWindows(from, to, bottomRight);
    rect = {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

vcl::TRect MonitorWorkArea(HMONITOR monitor) {
    RECT area{};
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (monitor != nullptr && GetMonitorInfoW(monitor, &info)) {
        area = info.rcWork;
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    return {area.left, area.top, area.right, area.bottom};
}

vcl::TRect DesktopWorkAreaAt(vcl::TPoint point) {
    return MonitorWorkArea(MonitorFromPoint(POINT{point.X, point.Y}, MONITOR_DEFAULTTONEAREST));
}

void FitRectToWorkArea(vcl::TRect& rect, vcl::TPoint point) {
    const vcl::TRect area = DesktopWorkAreaAt(point);
    const auto moveBy = [&rect](int32_t dx, int32_t dy) {
        rect = {rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy};
    };
    if (rect.Right > area.Right) {
        moveBy(area.Right - rect.Right, 0);
    }
    if (rect.Bottom > area.Bottom) {
        moveBy(0, area.Bottom - rect.Bottom);
    }
    if (rect.Left < area.Left) {
        moveBy(area.Left - rect.Left, 0);
    }
    if (rect.Top < area.Top) {
        moveBy(0, area.Top - rect.Top);
    }
}

bool HasPendingMessage(HWND window, uint32_t message) {
    MSG pending;
    return PeekMessageW(&pending, window, message, message, PM_NOREMOVE) && pending.hwnd == window;
}

bool NextMessageWhileCaptured(HWND window, MSG& message) {
    if (GetCapture() != window) {
        return false;
    }
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
        PostQuitMessage(static_cast<int>(message.wParam));
    }
    return got > 0;
}

bool DiscardPendingMessages(HWND window, uint32_t first, uint32_t last, bool all) {
    bool removed = false;
    MSG message;
    while (PeekMessageW(&message, window, first, last, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        removed = true;
        if (!all) {
            break;
        }
    }
    return removed;
}

bool IsScrollBarInfoAvailable() {
    return GetScrollBarInfoEntry() != nullptr;
}

bool QueryScrollBarInfo(HWND window, int32_t objectId, tagSCROLLBARINFO& info) {
    info.cbSize = sizeof(SCROLLBARINFO);
    const TGetScrollBarInfoEntry entry = GetScrollBarInfoEntry();
    return entry != nullptr && entry(window, objectId, &info);
}

void SwallowNextMessage(HWND window) {
    auto& windows = SwallowingWindows();
    if (window == nullptr || windows.contains(window)) {
        return;
    }
    const auto saved = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SwallowingWindowProc)));
    if (saved != nullptr) {
        windows.emplace(window, saved);
    }
}

int32_t PopupMenuHeight(const vcl::TMenu& menu, vcl::TCanvas& canvas) {
    // Each item's text line with the frame's margin; a break starts a new column.
    const int32_t lineHeight = canvas.TextHeight(u"Qg") + 4;
    int32_t column = 0;
    int32_t tallest = 0;
    const vcl::TMenuItem& items = menu.Items();
    for (int32_t index = 0; index < items.Count(); ++index) {
        vcl::TMenuItem& item = *items.Items(index);
        if (!item.Visible()) {
            continue;
        }
        const int32_t height = MenuItemHeight(menu, item, canvas, lineHeight);
        if (item.Break() != vcl::mbNone) {
            tallest = std::max(tallest, column);
            column = 0;
        }
        column += height;
    }
    return std::max(tallest, column) + 4;
}

int32_t PopupMenuHeight(const vcl::TMenu& menu) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    const vcl::TScreenDC screen;
    vcl::TCanvas canvas;
    canvas.SetHandle(screen.Get());
    canvas.Font().SetHandle(CreateFontIndirectW(&metrics.lfMenuFont));
    const int32_t height = PopupMenuHeight(menu, canvas);
    canvas.SetHandle(nullptr);
    return height;
}

} // namespace ui
