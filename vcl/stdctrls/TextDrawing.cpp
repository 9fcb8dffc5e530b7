#include "vcl/stdctrls/TextDrawing.h"

#include "vcl/graphics/GdiObjects.h"
#include "vcl/system/Win32.h"

namespace vcl {

namespace {

// A font selected into a device context with transparent text output, both undone on every way out.
class TCaptionFont {
public:
    TCaptionFont(HDC dc, TFont& font)
        : FDC(dc), FOldFont(SelectObject(dc, font.Handle())), FOldMode(SetBkMode(dc, TRANSPARENT)) {}
    ~TCaptionFont() {
        SetBkMode(FDC, FOldMode);
        SelectObject(FDC, FOldFont);
    }
    TCaptionFont(const TCaptionFont&) = delete;
    TCaptionFont& operator=(const TCaptionFont&) = delete;

private:
    HDC FDC;
    HGDIOBJ FOldFont;
    int FOldMode;
};

int DrawTextIn(HDC dc, rtl::UnicodeStringView text, TRect& rect, uint32_t flags) {
    return DrawTextW(dc, AsWide(text.data()), static_cast<int>(text.size()), AsRECT(&rect), flags);
}

} // namespace

int32_t DrawCaption(HDC dc, TFont& font, TColor color, rtl::UnicodeStringView text, const TRect& rect, uint32_t flags) {
    const TCaptionFont selected(dc, font);
    const COLORREF oldColor = SetTextColor(dc, ColorToRGB(color));
    TRect area = rect;
    const int32_t height = DrawTextIn(dc, text, area, flags);
    SetTextColor(dc, oldColor);
    return height;
}

void DrawControlCaption(const TControl& control, HDC dc, rtl::UnicodeStringView text, const TRect& rect,
                        uint32_t flags) {
    TFont& font = control.Font();
    if (control.Enabled()) {
        DrawCaption(dc, font, font.Color(), text, rect, flags);
        return;
    }
    DrawCaption(dc, font, clBtnHighlight, text, OffsetRect(rect, 1, 1), flags);
    DrawCaption(dc, font, clBtnShadow, text, rect, flags);
}

TRect MeasureCaption(TFont& font, rtl::UnicodeStringView text, const TRect& rect, uint32_t flags) {
    const TScreenDC screen;
    const TCaptionFont selected(screen.Get(), font);
    TRect area = rect;
    DrawTextIn(screen.Get(), text, area, flags | DT_CALCRECT);
    return area;
}

} // namespace vcl
