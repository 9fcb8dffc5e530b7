#pragma once
// Windows visual styles through UxTheme.dll, which the UI core loads by name when it starts and binds entry point by
// entry point, so the library runs where the library or one of its functions is missing. Every theme call goes
// through the theme API in place: the library's own, which calls the bound functions, or one that a test puts in its
// place to switch styles off, hide a theme class or report another theme's names.

#include "rtl/text/StringTypes.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace ui {

// An open theme (0: none).
using HTHEME = void*;
// An open buffered paint (0: none).
using HPAINTBUFFER = void*;

// The sizes GetThemePartSize tells (THEMESIZE).
inline constexpr int32_t uxThemeSizeMin = 0;
inline constexpr int32_t uxThemeSizeTrue = 1;
inline constexpr int32_t uxThemeSizeDraw = 2;

// The theme functions the library calls, with the system functions' meaning; results that the system gives as an
// HRESULT are one here (0 for success). The base calls UxTheme.dll; where the library or the function is missing a
// call fails (E_NOTIMPL, 0 or false) instead of crashing. Tests derive from it and override what they pin.
class TuxThemeApi {
public:
    virtual ~TuxThemeApi() = default;

    // UxTheme.dll was loaded when the UI core started.
    virtual bool IsLoaded() const;
    // False when the function is missing.
    virtual bool IsThemeActive() const;
    // classList: one class name or several separated by ";".
    virtual HTHEME OpenThemeData(HWND window, const rtl::UnicodeString& classList) const;
    virtual int32_t CloseThemeData(HTHEME theme) const;
    // The current theme's file, colour and size names, each read into a buffer of 1024 characters when asked for
    // (nullptr: not asked). False, the names untouched, when the system fails.
    virtual bool GetCurrentThemeName(rtl::UnicodeString* fileName, rtl::UnicodeString* colorName,
                                     rtl::UnicodeString* sizeName) const;
    virtual int32_t DrawThemeBackground(HTHEME theme, HDC dc, int32_t part, int32_t state, const vcl::TRect& rect,
                                        const vcl::TRect* clipRect = nullptr) const;
    virtual int32_t DrawThemeText(HTHEME theme, HDC dc, int32_t part, int32_t state, rtl::UnicodeStringView text,
                                  uint32_t textFlags, uint32_t textFlags2, const vcl::TRect& rect) const;
    virtual int32_t GetThemeBackgroundContentRect(HTHEME theme, HDC dc, int32_t part, int32_t state,
                                                  const vcl::TRect& bounds, vcl::TRect& content) const;
    // rect: the rectangle the part is drawn in, or nullptr; sizeKind: uxThemeSizeMin, True or Draw.
    virtual int32_t GetThemePartSize(HTHEME theme, HDC dc, int32_t part, int32_t state, const vcl::TRect* rect,
                                     int32_t sizeKind, vcl::TSize& size) const;
    // The region is the caller's to delete.
    virtual int32_t GetThemeBackgroundRegion(HTHEME theme, HDC dc, int32_t part, int32_t state, const vcl::TRect& rect,
                                             HRGN& region) const;
    virtual int32_t DrawThemeEdge(HTHEME theme, HDC dc, int32_t part, int32_t state, const vcl::TRect& rect,
                                  uint32_t edge, uint32_t flags, vcl::TRect* contentRect = nullptr) const;
    virtual bool IsThemeBackgroundPartiallyTransparent(HTHEME theme, int32_t part, int32_t state) const;
    // color: an RGB colour (0x00BBGGRR).
    virtual int32_t GetThemeColor(HTHEME theme, int32_t part, int32_t state, int32_t property, uint32_t& color) const;
    // The parent's background under window's rect (nullptr: all of it). The font selected in dc is selected again
    // afterwards: the system call may leave another one there.
    virtual int32_t DrawThemeParentBackground(HWND window, HDC dc, const vcl::TRect* rect) const;
    // A buffer over target's rect in format (BP_BUFFERFORMAT) with default parameters; paintDC receives the buffer's
    // device context. 0 when the system refuses.
    virtual HPAINTBUFFER BeginBufferedPaint(HDC target, const vcl::TRect& rect, int32_t format, HDC& paintDC) const;
    virtual int32_t EndBufferedPaint(HPAINTBUFFER buffer, bool updateTarget) const;
    // rect: a part of the buffer, or nullptr for all of it.
    virtual int32_t BufferedPaintSetAlpha(HPAINTBUFFER buffer, const vcl::TRect* rect, uint8_t alpha) const;
};

// The theme API in place.
const TuxThemeApi& UxTheme();
// Puts api (not owned) in place and returns the one it replaces (nullptr for the library's own); nullptr goes back to
// the library's own.
const TuxThemeApi* SetUxTheme(const TuxThemeApi* api);

// UxTheme.dll was loaded (through the theme API in place).
bool IsUxThemeLoaded();
// DrawThemeText of ANSI text (the process's code page), converted to UTF-16 first.
int32_t DrawThemeTextAnsi(HTHEME theme, HDC dc, int32_t part, int32_t state, std::string_view text, uint32_t textFlags,
                          uint32_t textFlags2, const vcl::TRect& rect);

// Start-up: the common controls are initialised and UxTheme.dll loaded and bound. Shut-down frees it.
void InitializeUxThemeUnit();
void FinalizeUxThemeUnit();

} // namespace ui
