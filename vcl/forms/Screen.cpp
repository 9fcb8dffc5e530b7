#include "vcl/forms/Screen.h"

#include "rtl/core/Exceptions.h"
#include "vcl/controls/pointer/Cursors.h"
#include "vcl/forms/Form.h"
#include "vcl/graphics/Font.h"
#include "vcl/system/Win32.h"

#include <algorithm>

namespace vcl {

TScreen& Screen() {
    static TScreen screen;
    return screen;
}

TCustomForm* TScreen::Forms(int32_t index) const {
    if (index < 0 || index >= FormCount()) {
        throw rtl::EListError(u"Form index out of bounds");
    }
    return FForms[static_cast<size_t>(index)];
}

void TScreen::AddForm(TCustomForm* form) {
    FForms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
    std::erase(FForms, form);
    if (FActiveForm == form) {
        FActiveForm = nullptr;
    }
}

// The active form keeps its active control right as controls go, so the screen asks it.
TWinControl* TScreen::ActiveControl() const {
    return FActiveForm ? FActiveForm->ActiveControl() : nullptr;
}

void TScreen::SetActiveForm(TCustomForm* form) {
    if (form == FActiveForm) {
        return;
    }
    FActiveForm = form;
    if (FOnActiveFormChange) {
        FOnActiveFormChange(nullptr);
    }
}

void TScreen::ActiveControlChanged() {
    const TWinControl* control = ActiveControl();
    if (control == FAnnouncedActiveControl) {
        return;
    }
    FAnnouncedActiveControl = control;
    if (FOnActiveControlChange) {
        FOnActiveControlChange(nullptr);
    }
}

TCursor TScreen::Cursor() const {
    return ScreenCursor();
}

void TScreen::SetCursor(TCursor value) {
    SetScreenCursor(value);
}

HCURSOR TScreen::Cursors(TCursor index) const {
    return CursorHandle(index);
}

void TScreen::SetCursors(TCursor index, HCURSOR handle) {
    SetCursorHandle(index, handle);
}

namespace {

int CALLBACK AddFontFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names) {
    reinterpret_cast<std::vector<rtl::UnicodeString>*>(names)->push_back(AsUtf16(font->lfFaceName));
    return 1;
}

} // namespace

const std::vector<rtl::UnicodeString>& TScreen::Fonts() {
    if (!FFonts.empty()) {
        return FFonts;
    }
    HDC screen = GetDC(nullptr);
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(screen, &all, AddFontFamily, reinterpret_cast<LPARAM>(&FFonts), 0);
    ReleaseDC(nullptr, screen);
    std::sort(FFonts.begin(), FFonts.end());
    FFonts.erase(std::unique(FFonts.begin(), FFonts.end()), FFonts.end());
    return FFonts;
}

int32_t TScreen::PixelsPerInch() const {
    return ScreenPixelsPerInch();
}

int32_t TScreen::Width() const {
    return GetSystemMetrics(SM_CXSCREEN);
}

int32_t TScreen::Height() const {
    return GetSystemMetrics(SM_CYSCREEN);
}

TRect TScreen::DesktopRect() const {
    return Bounds(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                  GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

TRect TScreen::WorkAreaRect() const {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return ToRect(area);
}

namespace {

TMonitor DescribeMonitor(HMONITOR handle) {
    TMonitor monitor;
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!handle || !GetMonitorInfoW(handle, &info)) {
        return monitor;
    }
    monitor.Handle = handle;
    monitor.BoundsRect = ToRect(info.rcMonitor);
    monitor.WorkareaRect = ToRect(info.rcWork);
    monitor.Primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    return monitor;
}

BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, LPRECT, LPARAM monitors) {
    auto& list = *reinterpret_cast<std::vector<TMonitor>*>(monitors);
    TMonitor monitor = DescribeMonitor(handle);
    monitor.MonitorNum = static_cast<int32_t>(list.size());
    list.push_back(monitor);
    return TRUE;
}

DWORD MonitorFlags(TMonitorDefaultTo defaultTo) {
    switch (defaultTo) {
    case mdNull:
        return MONITOR_DEFAULTTONULL;
    case mdPrimary:
        return MONITOR_DEFAULTTOPRIMARY;
    default:
        return MONITOR_DEFAULTTONEAREST;
    }
}

// The monitor as listed (with its number), or described alone when the list does not hold it.
TMonitor ListedMonitor(const std::vector<TMonitor>& monitors, HMONITOR handle) {
    const auto found =
        std::find_if(monitors.begin(), monitors.end(), [handle](const TMonitor& m) { return m.Handle == handle; });
    return found != monitors.end() ? *found : DescribeMonitor(handle);
}

} // namespace

std::vector<TMonitor> TScreen::Monitors() const {
    std::vector<TMonitor> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

TMonitor TScreen::MonitorFromPoint(TPoint point, TMonitorDefaultTo defaultTo) const {
    return ListedMonitor(Monitors(), ::MonitorFromPoint(POINT{point.X, point.Y}, MonitorFlags(defaultTo)));
}

TMonitor TScreen::MonitorFromWindow(HWND window, TMonitorDefaultTo defaultTo) const {
    return ListedMonitor(Monitors(), ::MonitorFromWindow(window, MonitorFlags(defaultTo)));
}

TMonitor TScreen::MonitorFromRect(const TRect& rect, TMonitorDefaultTo defaultTo) const {
    return ListedMonitor(Monitors(), ::MonitorFromRect(AsRECT(&rect), MonitorFlags(defaultTo)));
}

} // namespace vcl
