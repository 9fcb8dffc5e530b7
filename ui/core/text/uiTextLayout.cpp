#include "ui/core/text/uiTextLayout.h"

#include <algorithm>
#include <cmath>

namespace ui {

TuiTextParams TextParamsOf(const TuiTextFontMetrics& font, uint32_t flags, double lineSpacing, int32_t ellipsisWidth,
                           int32_t onePixel, bool farEastLocale) {
    TuiTextParams params;
    params.UseExternalLeading = (flags & tlExternalLeading) != 0;
    params.RowHeight = font.Height;
    params.ExternalLeading = params.UseExternalLeading ? font.ExternalLeading : 0;
    params.FullRowHeight =
        static_cast<int32_t>(std::nearbyint((params.RowHeight + params.ExternalLeading) * lineSpacing));
    params.EndEllipsis = (flags & tlEndEllipsis) != 0;
    params.EndEllipsisWidth = params.EndEllipsis ? ellipsisWidth : 0;
    params.Bold = font.Weight >= 700;
    params.BreakChar = font.BreakChar;
    const uint32_t horz = flags & tlHorzAlignMask;
    params.HorzAlign = horz <= thaDistribute ? static_cast<TuiTextHorzAlign>(horz) : thaLeft;
    params.VertAlign = static_cast<TuiTextVertAlign>((flags & tlVertAlignMask) >> tlVertAlignShift);
    params.WordBreak = (flags & tlWordBreak) != 0;
    params.SingleLine = (flags & tlSingleLine) != 0;
    params.ExpandTabs = (flags & tlExpandTabs) != 0;
    params.EditControl = (flags & tlEditControl) != 0;
    params.ExcelStyleSpaces = (flags & tlExcelStyleSpaces) != 0;
    params.NoClip = (flags & tlNoClip) != 0;
    params.AutoIndents = (flags & tlAutoIndents) != 0;
    params.PatternedText = (flags & tlPatternedText) != 0;
    params.PreventLeftExceed = (flags & tlPreventLeftExceed) != 0;
    params.PreventTopExceed = (flags & tlPreventTopExceed) != 0;
    params.CharBreak = (flags & tlCharBreak) != 0 || farEastLocale;
    params.CalcRowCount = (flags & tlCalcRowCount) != 0;
    params.CalcRect = (flags & tlCalcRect) != 0;
    params.HidePrefix = (flags & tlHidePrefix) != 0;
    params.MaxCharWidth = font.MaxCharWidth;
    params.CharSet = font.CharSet;
    params.OnePixel = onePixel;
    return params;
}

void TuiTextRows::Clear() {
    FCount = 0;
    FDynamicRows.clear();
    FDynamicRows.shrink_to_fit();
}

TuiTextRow& TuiTextRows::operator[](int32_t index) {
    return index < InlineCount ? FInlineRows[static_cast<size_t>(index)]
                               : FDynamicRows[static_cast<size_t>(index - InlineCount)];
}

const TuiTextRow& TuiTextRows::operator[](int32_t index) const {
    return index < InlineCount ? FInlineRows[static_cast<size_t>(index)]
                               : FDynamicRows[static_cast<size_t>(index - InlineCount)];
}

// Rows beyond the inline ones go to the dynamic part, which grows four rows beyond what is needed at a time.
TuiTextRow& TuiTextRows::Add() {
    const int32_t index = FCount++;
    if (index < InlineCount) {
        return FInlineRows[static_cast<size_t>(index)] = {};
    }
    if (FDynamicRows.size() == FDynamicRows.capacity()) {
        FDynamicRows.reserve(FDynamicRows.size() + 5);
    }
    return FDynamicRows.emplace_back();
}

void TuiTextRows::SetText(rtl::UnicodeString text) {
    Clear();
    FText = std::move(text);
}

rtl::UnicodeStringView TuiTextRows::RowText(int32_t index) const {
    const TuiTextRow& row = (*this)[index];
    return rtl::UnicodeStringView(FText).substr(static_cast<size_t>(row.Offset), static_cast<size_t>(row.Length));
}

void LayOutTextRows(const vcl::TRect& rect, const TuiTextParams& params, TuiTextRows& rows) {
    const int32_t count = rows.Count();
    if (count == 0) {
        return;
    }
    int32_t fullRowHeight = params.FullRowHeight;
    int32_t remainder = 0;
    if (params.VertAlign == tvaDistribute && count > 1) {
        const int32_t spread = rect.Height() - params.RowHeight;
        if (params.RowHeight * (count - 1) < spread) {
            fullRowHeight = spread / (count - 1);
            remainder = spread % (count - 1);
        }
    }
    int32_t y = rect.Top;
    if (params.VertAlign == tvaCenter) {
        y = rect.Top + (rect.Height() - count * fullRowHeight) / 2;
    } else if (params.VertAlign == tvaBottom) {
        y = rect.Bottom - count * fullRowHeight + params.ExternalLeading;
    }
    if (params.PreventTopExceed) {
        y = std::max(y, rect.Top);
    }
    for (int32_t i = 0; i < count; ++i) {
        TuiTextRow& row = rows[i];
        if (params.HorzAlign == thaCenter) {
            row.X = rect.Left + (rect.Width() - row.Width) / 2;
        } else if (params.HorzAlign == thaRight) {
            row.X = rect.Right - row.Width;
        } else {
            row.X = rect.Left;
        }
        if (params.PreventLeftExceed) {
            row.X = std::max(row.X, rect.Left);
        }
        row.Y = y;
        y += fullRowHeight + (i < remainder ? 1 : 0);
    }
}

int32_t LongestTextRowWidth(const TuiTextRows& rows, int32_t n) {
    int32_t longest = 0;
    for (int32_t i = 0; i < std::min(n, rows.Count()); ++i) {
        longest = std::max(longest, rows[i].Width);
    }
    return longest;
}

vcl::TRect TextRectWithIndents(const vcl::TRect& rect, const TuiTextParams& params, int32_t leftIndent,
                               int32_t rightIndent) {
    const int32_t autoIndent = params.AutoIndents ? 2 * params.OnePixel : 0;
    return {rect.Left + autoIndent + leftIndent * params.OnePixel, rect.Top + autoIndent,
            rect.Right - autoIndent - rightIndent * params.OnePixel, rect.Bottom - autoIndent};
}

vcl::TRect TextRectWithoutIndents(const vcl::TRect& rect, const TuiTextParams& params, int32_t leftIndent,
                                  int32_t rightIndent) {
    const int32_t autoIndent = params.AutoIndents ? 2 * params.OnePixel : 0;
    return {rect.Left - autoIndent - leftIndent * params.OnePixel, rect.Top - autoIndent,
            rect.Right + autoIndent + rightIndent * params.OnePixel, rect.Bottom + autoIndent};
}

rtl::UnicodeString RemoveAccelerators(rtl::UnicodeStringView text) {
    rtl::UnicodeString result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            result.push_back(text[i]);
        } else if (i + 1 < text.size()) {
            result.push_back(text[++i]);
        }
    }
    return result;
}

} // namespace ui
