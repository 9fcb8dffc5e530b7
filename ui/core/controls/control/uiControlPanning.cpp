// The panning mode of a middle-button press: an anchor shows where the press was, and the content scrolls toward the
// pointer, faster the farther it is, until a button, the wheel, Escape or a lost capture ends it.

#include "ui/core/controls/control/uiControlPanning.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/control/uiControl.h"
#include "ui/core/controls/routines/uiControlRoutines.h"
#include "ui/core/controls/routines/uiWindowRoutines.h"
#include "ui/core/controls/uiControlsUnit.h"
#include "vcl/controls/pointer/Cursors.h"
#include "vcl/graphics/images/Bitmap.h"

#include <algorithm>
#include <cstdlib>

namespace ui {

namespace {

constexpr UINT PanningTickMilliseconds = 20;
constexpr int32_t PanningMaxSpeed = 12;
constexpr int32_t PanningPixelsPerSpeed = 5;

vcl::TCursor PanningCursor(TuiDirection direction, bool horizontalBar, bool verticalBar) {
    switch (direction) {
    case dirUp:
        return crUpScroll;
    case dirRight:
        return crRightScroll;
    case dirDown:
        return crDownScroll;
    case dirLeft:
        return crLeftScroll;
    default:
        return horizontalBar && verticalBar ? crFullScroll : horizontalBar ? crHorScroll : crVerScroll;
    }
}

const wchar_t* PanningBitmapName(bool horizontalBar, bool verticalBar) {
    if (horizontalBar && verticalBar) {
        return L"UI_FULLSCROLLBITMAP";
    }
    return horizontalBar ? L"UI_HORSCROLLBITMAP" : L"UI_VERSCROLLBITMAP";
}

// The round window that marks the anchor, with the bitmap and an outline drawn once; its later paints are
// swallowed by the mode's loop.
class TPanningAnchorWindow {
public:
    TPanningAnchorWindow(HWND owner, vcl::TPoint anchor, bool horizontalBar, bool verticalBar) {
        FBitmap.LoadFromResourceName(GetModuleHandleW(nullptr),
                                     reinterpret_cast<const char16_t*>(PanningBitmapName(horizontalBar, verticalBar)));
        const int32_t width = FBitmap.Width();
        const int32_t height = FBitmap.Height();
        FWindow =
            CreateWindowExW(WS_EX_TOPMOST, L"STATIC", nullptr, WS_POPUP, anchor.X - width / 2, anchor.Y - height / 2,
                            width, height, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!FWindow) {
            return;
        }
        SetWindowRgn(FWindow, CreateEllipticRgn(0, 0, width + 1, height + 1), TRUE);
        ShowWindow(FWindow, SW_SHOWNOACTIVATE);
        const HDC dc = GetDC(FWindow);
        BitBlt(dc, 0, 0, width, height, FBitmap.Canvas().Handle(), 0, 0, SRCCOPY);
        const HRGN outline = CreateEllipticRgn(0, 0, width + 1, height + 1);
        FrameRgn(dc, outline, GetSysColorBrush(COLOR_WINDOWTEXT), 1, 1);
        DeleteObject(outline);
        ReleaseDC(FWindow, dc);
    }
    ~TPanningAnchorWindow() {
        if (FWindow) {
            DestroyWindow(FWindow);
        }
    }
    TPanningAnchorWindow(const TPanningAnchorWindow&) = delete;
    TPanningAnchorWindow& operator=(const TPanningAnchorWindow&) = delete;

    HWND Handle() const { return FWindow; }
    int32_t Width() const { return FBitmap.Width(); }

private:
    vcl::TBitmap FBitmap;
    HWND FWindow = nullptr;
};

bool EndsPanning(UINT message) {
    return (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDOWN) || message == WM_MBUTTONDBLCLK ||
           message == WM_MOUSEWHEEL;
}

} // namespace

TuiPanningStep PanningStepAt(vcl::TPoint anchor, vcl::TPoint point, int32_t bitmapWidth, bool horizontalBar,
                             bool verticalBar) {
    const int32_t half = bitmapWidth / 2;
    const bool insideAcross = !horizontalBar || (point.X >= anchor.X - half && point.X < anchor.X - half + bitmapWidth);
    const bool insideAlong = !verticalBar || (point.Y >= anchor.Y - half && point.Y < anchor.Y - half + bitmapWidth);
    if (insideAcross && insideAlong) {
        return {};
    }
    const int32_t dx = std::abs(point.X - anchor.X);
    const int32_t dy = std::abs(point.Y - anchor.Y);
    TuiPanningStep step;
    step.OutsideNeutralZone = true;
    int32_t distance = 0;
    if (!horizontalBar || (verticalBar && dy >= dx)) {
        step.Direction = point.Y < anchor.Y ? dirUp : dirDown;
        distance = dy;
    } else {
        step.Direction = point.X < anchor.X ? dirLeft : dirRight;
        distance = dx;
    }
    step.Speed = std::min((distance - half) / PanningPixelsPerSpeed + 1, PanningMaxSpeed);
    return step;
}

// A modal loop of its own, so that the control keeps the capture and nothing else sees the mouse meanwhile. Whatever
// ends it (a scroll step raising included), the capture, the timer, the anchor and the cursor are given back.
void TuiControl::RunPanningMode() {
    const bool horizontalBar = IsHScrollBarVisible();
    const bool verticalBar = IsVScrollBarVisible();
    if (!horizontalBar && !verticalBar) {
        return;
    }
    const HWND window = WindowHandle();
    const vcl::TControlLink link(this);
    const vcl::TPoint anchor = CursorPosOrInvalid();
    const TPanningAnchorWindow anchorWindow(window, anchor, horizontalBar, verticalBar);
    const vcl::TCursor previousCursor = vcl::ScreenCursor();
    const UINT_PTR timer = SetTimer(nullptr, 0, PanningTickMilliseconds, nullptr);
    FScrollingContent = true;
    const auto cleanUp = [&] {
        if (GetCapture() == window) {
            ReleaseCapture();
        }
        KillTimer(nullptr, timer);
        vcl::SetScreenCursor(previousCursor);
        if (link.Alive()) {
            FScrollingContent = false;
        }
    };
    TuiPanningStep step{dirNone, 1, false};
    bool leftNeutralZone = false;
    int32_t ticks = 0;
    vcl::TPoint lastPoint = anchor;
    vcl::SetScreenCursor(PanningCursor(dirNone, horizontalBar, verticalBar));
    SetCapture(window);
    try {
        MSG message;
        bool running = true;
        while (running && NextMessageWhileCaptured(window, message)) {
            if (message.message == WM_PAINT && message.hwnd == anchorWindow.Handle()) {
                ValidateRect(message.hwnd, nullptr);
            } else if (message.message == WM_TIMER && !message.hwnd && message.wParam == timer) {
                if (++ticks % (13 - step.Speed) == 0) {
                    ScrollContent(step.Direction);
                }
            } else if (message.message == WM_MOUSEMOVE) {
                POINT point{static_cast<int16_t>(LOWORD(message.lParam)), static_cast<int16_t>(HIWORD(message.lParam))};
                ::ClientToScreen(message.hwnd, &point);
                if (vcl::TPoint{point.x, point.y} != lastPoint) {
                    lastPoint = {point.x, point.y};
                    step = PanningStepAt(anchor, lastPoint, anchorWindow.Width(), horizontalBar, verticalBar);
                    leftNeutralZone = leftNeutralZone || step.OutsideNeutralZone;
                    vcl::SetScreenCursor(PanningCursor(step.Direction, horizontalBar, verticalBar));
                }
            } else if (EndsPanning(message.message)) {
                running = false;
            } else if (message.message == WM_MBUTTONUP) {
                running = !leftNeutralZone;
                DispatchMessageW(&message);
                // The release of the press that started the mode frees the capture on its way through the control;
                // the mode goes on, so it takes the capture back.
                if (running && link.Alive() && GetCapture() != window) {
                    SetCapture(window);
                }
            } else {
                const bool escape =
                    (message.message == WM_KEYDOWN || message.message == WM_KEYUP) && message.wParam == VK_ESCAPE;
                running = !escape;
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    } catch (...) {
        cleanUp();
        throw;
    }
    cleanUp();
}

} // namespace ui
