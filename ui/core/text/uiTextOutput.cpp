#include "ui/core/text/uiTextOutput.h"

#include "rtl/text/CodePages.h"
#include "ui/core/system/uxSystemInfo.h"
#include "vcl/system/Win32.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

constexpr UINT DrawTextMeasureFlags = DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE | DT_EXPANDTABS;
constexpr size_t MaxTabbedExtentLength = 4095;
constexpr int32_t TabbedExtentWrap = 0xFFFF;

int Length(rtl::UnicodeStringView text) {
    return static_cast<int>(text.size());
}

// The W functions on the NT family; the A functions with ANSI text on the Windows 9x family.
class TSystemTextOutput final : public TuiTextOutput {
public:
    vcl::TSize MeasureText(HDC dc, rtl::UnicodeStringView text) override {
        SIZE size{};
        if (OSFlags().IsWin9x) {
            const rtl::AnsiString ansi = rtl::UnicodeToAnsi(text);
            GetTextExtentPoint32A(dc, ansi.data(), static_cast<int>(ansi.size()), &size);
        } else {
            GetTextExtentPoint32W(dc, vcl::AsWide(text.data()), Length(text), &size);
        }
        return {size.cx, size.cy};
    }

    uint32_t MeasureTabbedText(HDC dc, rtl::UnicodeStringView text) override {
        if (OSFlags().IsWin9x) {
            const rtl::AnsiString ansi = rtl::UnicodeToAnsi(text);
            return GetTabbedTextExtentA(dc, ansi.data(), static_cast<int>(ansi.size()), 0, nullptr);
        }
        return GetTabbedTextExtentW(dc, vcl::AsWide(text.data()), Length(text), 0, nullptr);
    }

    vcl::TSize MeasureWithDrawText(HDC dc, rtl::UnicodeStringView text) override {
        RECT rect{};
        if (OSFlags().IsWin9x) {
            rtl::AnsiString ansi = rtl::UnicodeToAnsi(text);
            DrawTextA(dc, ansi.data(), static_cast<int>(ansi.size()), &rect, DrawTextMeasureFlags);
        } else {
            DrawTextW(dc, vcl::AsWide(text.data()), Length(text), &rect, DrawTextMeasureFlags);
        }
        return {rect.right - rect.left, rect.bottom - rect.top};
    }

    void OutputText(HDC dc, int32_t x, int32_t y, rtl::UnicodeStringView text) override {
        if (OSFlags().IsWin9x) {
            const rtl::AnsiString ansi = rtl::UnicodeToAnsi(text);
            TextOutA(dc, x, y, ansi.data(), static_cast<int>(ansi.size()));
            return;
        }
        TextOutW(dc, x, y, vcl::AsWide(text.data()), Length(text));
    }

    void OutputTabbedText(HDC dc, int32_t x, int32_t y, rtl::UnicodeStringView text, int32_t tabOrigin) override {
        if (OSFlags().IsWin9x) {
            const rtl::AnsiString ansi = rtl::UnicodeToAnsi(text);
            TabbedTextOutA(dc, x, y, ansi.data(), static_cast<int>(ansi.size()), 0, nullptr, tabOrigin);
            return;
        }
        TabbedTextOutW(dc, x, y, vcl::AsWide(text.data()), Length(text), 0, nullptr, tabOrigin);
    }

    void OutputClippedText(HDC dc, int32_t x, int32_t y, const vcl::TRect* clip, rtl::UnicodeStringView text) override {
        const UINT options = clip ? ETO_CLIPPED : 0;
        if (OSFlags().IsWin9x) {
            const rtl::AnsiString ansi = rtl::UnicodeToAnsi(text);
            ExtTextOutA(dc, x, y, options, vcl::AsRECT(clip), ansi.data(), static_cast<UINT>(ansi.size()), nullptr);
            return;
        }
        ExtTextOutW(dc, x, y, options, vcl::AsRECT(clip), vcl::AsWide(text.data()), static_cast<UINT>(text.size()),
                    nullptr);
    }
};

TSystemTextOutput SystemTextOutput;
vcl::TSeam<TuiTextOutput> TextOutputs(SystemTextOutput);

} // namespace

vcl::TSeam<TuiTextOutput>& TextOutputSeam() {
    return TextOutputs;
}

// GetTabbedTextExtent answers 16 bits of width: a text that may be wider takes the whole multiples of 65535 that
// DrawText's measure shows are missing.
vcl::TSize MeasureTextExtent(HDC dc, rtl::UnicodeStringView text) {
    TuiTextOutput& output = TextOutput();
    if (text.find(u'\t') == rtl::UnicodeStringView::npos) {
        return output.MeasureText(dc, text);
    }
    if (text.size() <= MaxTabbedExtentLength) {
        const uint32_t extent = output.MeasureTabbedText(dc, text);
        vcl::TSize size{static_cast<int32_t>(extent & 0xFFFF), static_cast<int32_t>(extent >> 16)};
        if (static_cast<int64_t>(text.size()) * output.MeasureText(dc, u"W").cx > TabbedExtentWrap) {
            const int32_t measured = output.MeasureWithDrawText(dc, text).cx;
            size.cx +=
                static_cast<int32_t>(std::lround((measured - size.cx) / double{TabbedExtentWrap})) * TabbedExtentWrap;
        }
        return size;
    }
    const vcl::TSize size = output.MeasureWithDrawText(dc, text);
    if (size.cx != 0) {
        return size;
    }
    return output.MeasureWithDrawText(dc, text.substr(0, uiMaxTabbedTextOutLength));
}

void TabbedTextOutLimited(HDC dc, int32_t x, int32_t y, rtl::UnicodeStringView text, int32_t tabOrigin) {
    TextOutput().OutputTabbedText(dc, x, y, text.substr(0, uiMaxTabbedTextOutLength), tabOrigin);
}

} // namespace ui
