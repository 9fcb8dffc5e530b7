#pragma once
// For the framework's sources only: the Windows API through the project's one wrapper header, with the conversions
// between the framework's geometry types and the Windows structures they mirror. Never include it from a header that
// other layers include.

#include "rtl/WindowsApi.h"
#include "rtl/text/StringTypes.h"
#include "vcl/system/Types.h"

namespace vcl {

inline RECT* AsRECT(TRect* rect) {
    return reinterpret_cast<RECT*>(rect);
}

inline const RECT* AsRECT(const TRect* rect) {
    return reinterpret_cast<const RECT*>(rect);
}

inline POINT* AsPOINT(TPoint* point) {
    return reinterpret_cast<POINT*>(point);
}

inline TRect ToRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

inline TPoint ToPoint(const POINT& point) {
    return {point.x, point.y};
}

inline const wchar_t* AsWide(const char16_t* text) {
    return reinterpret_cast<const wchar_t*>(text);
}

// A text as an optional argument of a Windows function: no text at all when it is empty.
inline const wchar_t* AsWideOrNull(const rtl::UnicodeString& text) {
    return text.empty() ? nullptr : AsWide(text.c_str());
}

inline const char16_t* AsUtf16(const wchar_t* text) {
    return reinterpret_cast<const char16_t*>(text);
}

} // namespace vcl
