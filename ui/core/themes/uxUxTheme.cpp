#include "ui/core/themes/uxUxTheme.h"

#include "rtl/WindowsApi.h"
#include "rtl/text/CodePages.h"
#include "ui/core/themes/uxLibraryBinding.h"
#include "vcl/system/Seam.h"

#include <array>
#include <commctrl.h>
#include <uxtheme.h>

namespace ui {

namespace {

// The library's functions, in the order they are looked up.
enum TUxThemeEntry : uint8_t {
    uxeCloseThemeData,
    uxeDrawThemeBackground,
    uxeDrawThemeEdge,
    uxeDrawThemeIcon,
    uxeDrawThemeParentBackground,
    uxeDrawThemeText,
    uxeDrawThemeTextEx,
    uxeEnableThemeDialogTexture,
    uxeGetCurrentThemeName,
    uxeGetThemeAppProperties,
    uxeGetThemeBackgroundContentRect,
    uxeGetThemeBackgroundRegion,
    uxeGetThemeBackgroundExtent,
    uxeGetThemeBool,
    uxeGetThemeColor,
    uxeGetThemeDocumentationProperty,
    uxeGetThemeEnumValue,
    uxeGetThemeFilename,
    uxeGetThemeFont,
    uxeGetThemeInt,
    uxeGetThemeIntList,
    uxeGetThemeMargins,
    uxeGetThemeMetric,
    uxeGetThemePartSize,
    uxeGetThemePosition,
    uxeGetThemePropertyOrigin,
    uxeGetThemeRect,
    uxeGetThemeString,
    uxeGetThemeSysBool,
    uxeGetThemeSysColor,
    uxeGetThemeSysColorBrush,
    uxeGetThemeSysFont,
    uxeGetThemeSysInt,
    uxeGetThemeSysSize,
    uxeGetThemeSysString,
    uxeGetThemeTextExtent,
    uxeGetThemeTextMetrics,
    uxeGetWindowTheme,
    uxeHitTestThemeBackground,
    uxeIsAppThemed,
    uxeIsThemeActive,
    uxeIsThemePartDefined,
    uxeIsThemeBackgroundPartiallyTransparent,
    uxeIsThemeDialogTextureEnabled,
    uxeOpenThemeData,
    uxeSetThemeAppProperties,
    uxeSetWindowTheme,
    uxeBufferedPaintInit,
    uxeBufferedPaintUnInit,
    uxeBeginBufferedPaint,
    uxeEndBufferedPaint,
    uxeBufferedPaintSetAlpha,
    uxeEntryCount
};

constexpr std::array<const char*, uxeEntryCount> UxThemeEntryNames = {
    "CloseThemeData",
    "DrawThemeBackground",
    "DrawThemeEdge",
    "DrawThemeIcon",
    "DrawThemeParentBackground",
    "DrawThemeText",
    "DrawThemeTextEx",
    "EnableThemeDialogTexture",
    "GetCurrentThemeName",
    "GetThemeAppProperties",
    "GetThemeBackgroundContentRect",
    "GetThemeBackgroundRegion",
    "GetThemeBackgroundExtent",
    "GetThemeBool",
    "GetThemeColor",
    "GetThemeDocumentationProperty",
    "GetThemeEnumValue",
    "GetThemeFilename",
    "GetThemeFont",
    "GetThemeInt",
    "GetThemeIntList",
    "GetThemeMargins",
    "GetThemeMetric",
    "GetThemePartSize",
    "GetThemePosition",
    "GetThemePropertyOrigin",
    "GetThemeRect",
    "GetThemeString",
    "GetThemeSysBool",
    "GetThemeSysColor",
    "GetThemeSysColorBrush",
    "GetThemeSysFont",
    "GetThemeSysInt",
    "GetThemeSysSize",
    "GetThemeSysString",
    "GetThemeTextExtent",
    "GetThemeTextMetrics",
    "GetWindowTheme",
    "HitTestThemeBackground",
    "IsAppThemed",
    "IsThemeActive",
    "IsThemePartDefined",
    "IsThemeBackgroundPartiallyTransparent",
    "IsThemeDialogTextureEnabled",
    "OpenThemeData",
    "SetThemeAppProperties",
    "SetWindowTheme",
    "BufferedPaintInit",
    "BufferedPaintUnInit",
    "BeginBufferedPaint",
    "EndBufferedPaint",
    "BufferedPaintSetAlpha",
};

TuxLibraryBinding UxThemeLibrary;

// The bound function of entry with the type of the system's declaration, or nullptr.
template <class TFunction>
TFunction Bound(TUxThemeEntry entry) {
    return UxThemeLibrary.Function<TFunction>(entry);
}

const RECT* AsRect(const vcl::TRect* rect) {
    return reinterpret_cast<const RECT*>(rect);
}

RECT* AsRect(vcl::TRect* rect) {
    return reinterpret_cast<RECT*>(rect);
}

// A copy of rect for the functions that declare a rectangle they only read as writable; nullptr for none.
RECT* WritableCopy(const vcl::TRect* rect, RECT& copy) {
    if (!rect) {
        return nullptr;
    }
    copy = {rect->Left, rect->Top, rect->Right, rect->Bottom};
    return &copy;
}

int32_t NotImplemented() {
    return static_cast<int32_t>(E_NOTIMPL);
}

constexpr int ThemeNameCapacity = 1024;

const TuxThemeApi LibraryThemeApi{};
vcl::TSeam<const TuxThemeApi> UxThemeSeam(LibraryThemeApi);

} // namespace

bool TuxThemeApi::IsLoaded() const {
    return UxThemeLibrary.Loaded();
}

bool TuxThemeApi::IsThemeActive() const {
    const auto function = Bound<decltype(&::IsThemeActive)>(uxeIsThemeActive);
    return function && function();
}

HTHEME TuxThemeApi::OpenThemeData(HWND window, const rtl::UnicodeString& classList) const {
    const auto function = Bound<decltype(&::OpenThemeData)>(uxeOpenThemeData);
    return function ? function(window, reinterpret_cast<LPCWSTR>(classList.c_str())) : nullptr;
}

int32_t TuxThemeApi::CloseThemeData(HTHEME theme) const {
    const auto function = Bound<decltype(&::CloseThemeData)>(uxeCloseThemeData);
    return function ? function(theme) : NotImplemented();
}

bool TuxThemeApi::GetCurrentThemeName(rtl::UnicodeString* fileName, rtl::UnicodeString* colorName,
                                      rtl::UnicodeString* sizeName) const {
    const auto function = Bound<decltype(&::GetCurrentThemeName)>(uxeGetCurrentThemeName);
    if (!function) {
        return false;
    }
    wchar_t buffers[3][ThemeNameCapacity] = {};
    rtl::UnicodeString* names[3] = {fileName, colorName, sizeName};
    const auto buffer = [&](int index) { return names[index] ? buffers[index] : nullptr; };
    const auto capacity = [&](int index) { return names[index] ? ThemeNameCapacity : 0; };
    if (FAILED(function(buffer(0), capacity(0), buffer(1), capacity(1), buffer(2), capacity(2)))) {
        return false;
    }
    for (int index = 0; index < 3; ++index) {
        if (names[index]) {
            *names[index] = reinterpret_cast<const char16_t*>(buffers[index]);
        }
    }
    return true;
}

int32_t TuxThemeApi::DrawThemeBackground(HTHEME theme, HDC dc, int32_t part, int32_t state, const vcl::TRect& rect,
                                         const vcl::TRect* clipRect) const {
    const auto function = Bound<decltype(&::DrawThemeBackground)>(uxeDrawThemeBackground);
    return function ? function(theme, dc, part, state, AsRect(&rect), AsRect(clipRect)) : NotImplemented();
}

int32_t TuxThemeApi::DrawThemeText(HTHEME theme, HDC dc, int32_t part, int32_t state, rtl::UnicodeStringView text,
                                   uint32_t textFlags, uint32_t textFlags2, const vcl::TRect& rect) const {
    const auto function = Bound<decltype(&::DrawThemeText)>(uxeDrawThemeText);
    return function ? function(theme, dc, part, state, reinterpret_cast<LPCWSTR>(text.data()),
                               static_cast<int>(text.size()), textFlags, textFlags2, AsRect(&rect))
                    : NotImplemented();
}

int32_t TuxThemeApi::GetThemeBackgroundContentRect(HTHEME theme, HDC dc, int32_t part, int32_t state,
                                                   const vcl::TRect& bounds, vcl::TRect& content) const {
    const auto function = Bound<decltype(&::GetThemeBackgroundContentRect)>(uxeGetThemeBackgroundContentRect);
    return function ? function(theme, dc, part, state, AsRect(&bounds), AsRect(&content)) : NotImplemented();
}

int32_t TuxThemeApi::GetThemePartSize(HTHEME theme, HDC dc, int32_t part, int32_t state, const vcl::TRect* rect,
                                      int32_t sizeKind, vcl::TSize& size) const {
    const auto function = Bound<decltype(&::GetThemePartSize)>(uxeGetThemePartSize);
    SIZE result{};
    RECT area{};
    const HRESULT outcome =
        function ? function(theme, dc, part, state, WritableCopy(rect, area), static_cast<THEMESIZE>(sizeKind), &result)
                 : NotImplemented();
    if (SUCCEEDED(outcome)) {
        size = {result.cx, result.cy};
    }
    return outcome;
}

int32_t TuxThemeApi::GetThemeBackgroundRegion(HTHEME theme, HDC dc, int32_t part, int32_t state, const vcl::TRect& rect,
                                              HRGN& region) const {
    const auto function = Bound<decltype(&::GetThemeBackgroundRegion)>(uxeGetThemeBackgroundRegion);
    return function ? function(theme, dc, part, state, AsRect(&rect), &region) : NotImplemented();
}

int32_t TuxThemeApi::DrawThemeEdge(HTHEME theme, HDC dc, int32_t part, int32_t state, const vcl::TRect& rect,
                                   uint32_t edge, uint32_t flags, vcl::TRect* contentRect) const {
    const auto function = Bound<decltype(&::DrawThemeEdge)>(uxeDrawThemeEdge);
    return function ? function(theme, dc, part, state, AsRect(&rect), edge, flags, AsRect(contentRect))
                    : NotImplemented();
}

bool TuxThemeApi::IsThemeBackgroundPartiallyTransparent(HTHEME theme, int32_t part, int32_t state) const {
    const auto function =
        Bound<decltype(&::IsThemeBackgroundPartiallyTransparent)>(uxeIsThemeBackgroundPartiallyTransparent);
    return function && function(theme, part, state);
}

int32_t TuxThemeApi::GetThemeColor(HTHEME theme, int32_t part, int32_t state, int32_t property, uint32_t& color) const {
    const auto function = Bound<decltype(&::GetThemeColor)>(uxeGetThemeColor);
    COLORREF result = 0;
    const HRESULT outcome = function ? function(theme, part, state, property, &result) : NotImplemented();
    if (SUCCEEDED(outcome)) {
        color = result;
    }
    return outcome;
}

int32_t TuxThemeApi::DrawThemeParentBackground(HWND window, HDC dc, const vcl::TRect* rect) const {
    const auto function = Bound<decltype(&::DrawThemeParentBackground)>(uxeDrawThemeParentBackground);
    if (!function) {
        return NotImplemented();
    }
    HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    RECT area{};
    const HRESULT outcome = function(window, dc, WritableCopy(rect, area));
    SelectObject(dc, font);
    return outcome;
}

HPAINTBUFFER TuxThemeApi::BeginBufferedPaint(HDC target, const vcl::TRect& rect, int32_t format, HDC& paintDC) const {
    const auto function = Bound<decltype(&::BeginBufferedPaint)>(uxeBeginBufferedPaint);
    paintDC = nullptr;
    return function ? function(target, AsRect(&rect), static_cast<BP_BUFFERFORMAT>(format), nullptr, &paintDC)
                    : nullptr;
}

int32_t TuxThemeApi::EndBufferedPaint(HPAINTBUFFER buffer, bool updateTarget) const {
    const auto function = Bound<decltype(&::EndBufferedPaint)>(uxeEndBufferedPaint);
    return function ? function(static_cast<::HPAINTBUFFER>(buffer), updateTarget) : NotImplemented();
}

int32_t TuxThemeApi::BufferedPaintSetAlpha(HPAINTBUFFER buffer, const vcl::TRect* rect, uint8_t alpha) const {
    const auto function = Bound<decltype(&::BufferedPaintSetAlpha)>(uxeBufferedPaintSetAlpha);
    return function ? function(static_cast<::HPAINTBUFFER>(buffer), AsRect(rect), alpha) : NotImplemented();
}

const TuxThemeApi& UxTheme() {
    return UxThemeSeam.Current();
}

const TuxThemeApi* SetUxTheme(const TuxThemeApi* api) {
    return UxThemeSeam.Inject(api);
}

bool IsUxThemeLoaded() {
    return UxTheme().IsLoaded();
}

int32_t DrawThemeTextAnsi(HTHEME theme, HDC dc, int32_t part, int32_t state, std::string_view text, uint32_t textFlags,
                          uint32_t textFlags2, const vcl::TRect& rect) {
    return UxTheme().DrawThemeText(theme, dc, part, state, rtl::AnsiToUnicode(text), textFlags, textFlags2, rect);
}

void InitializeUxThemeUnit() {
    InitCommonControls();
    UxThemeLibrary.Load("UxTheme.dll", UxThemeEntryNames);
}

void FinalizeUxThemeUnit() {
    UxThemeLibrary.Free();
}

} // namespace ui
