#include "ui/core/text/uiTextBreaking.h"

#include "ui/core/text/uiTextBreakRules.h"

namespace ui {

namespace {

// Where a row's characters end and where the next row starts.
struct TMadeRow {
    int32_t End;
    int32_t Next;
    bool WidthBreak;
};

// Makes the rows of one text in one width, one at a time.
class TTextRowBreaker {
public:
    TTextRowBreaker(TuiTextDevice& device, const TuiTextParams& params, rtl::UnicodeStringView text, int32_t width)
        : FDevice(device), FParams(params), FText(text), FLength(static_cast<int32_t>(text.size())), FWidth(width) {
        FWrapping = !params.SingleLine &&
                    (params.WordBreak || params.HorzAlign == thaJustify || params.HorzAlign == thaDistribute);
        FBreakInsideWords = FWrapping && (params.CharBreak || params.EditControl);
        FLineEndsOnly = params.CalcRect || !FWrapping;
    }

    // The row from start; ellipsisRow when the end ellipsis will shorten it.
    TMadeRow MakeRow(int32_t start, bool ellipsisRow) {
        int32_t committed = start;
        bool holdsCandidate = false;
        while (committed < FLength) {
            const int32_t candidate = NextCandidateEnd(committed);
            if (!FWrapping || Measure(start, candidate) <= FWidth) {
                if (candidate < FLength && IsLineEndCharacter(FText[candidate])) {
                    return {candidate, AfterLineEnd(candidate), false};
                }
                committed = candidate;
                holdsCandidate = true;
                continue;
            }
            if (holdsCandidate && !ellipsisRow) {
                return WidthBreak(start, committed);
            }
            if (FBreakInsideWords) {
                return WidthBreak(start, LongestFittingEnd(start, committed, candidate));
            }
            // The word stays whole; the ellipsis will shorten it, so a line end right after it goes with it.
            if (ellipsisRow && candidate < FLength && IsLineEndCharacter(FText[candidate])) {
                return {candidate, AfterLineEnd(candidate), false};
            }
            return WidthBreak(start, candidate);
        }
        return {FLength, FLength, false};
    }

    int32_t Measure(int32_t start, int32_t end) { return Extent(start, end).cx; }

    vcl::TSize Extent(int32_t start, int32_t end) {
        return FDevice.TextExtent(FText.substr(static_cast<size_t>(start), static_cast<size_t>(end - start)),
                                  FParams.ExpandTabs);
    }

private:
    bool IsEastAsian(char16_t c) { return c >= 0x80 && (IsInEastAsianRanges(c) || FDevice.IsDoubleByteCharacter(c)); }

    int32_t NextLineEnd(int32_t from) const {
        while (from < FLength && !IsLineEndCharacter(FText[from])) {
            ++from;
        }
        return from;
    }

    // The end of the word that starts at from: a space or tab belongs to the word it starts; an East Asian character
    // is a word with at most one following line-start prohibited character.
    int32_t NextCandidateEnd(int32_t from) {
        if (FLineEndsOnly) {
            return NextLineEnd(from);
        }
        int32_t at = from;
        if (IsLineEndCharacter(FText[at])) {
            return at;
        }
        if (IsSpaceOrTab(FText[at])) {
            ++at;
        } else if (IsEastAsian(FText[at])) {
            ++at;
            return at < FLength && IsLineStartProhibited(FText[at]) ? at + 1 : at;
        }
        while (at < FLength && !IsSpaceOrTab(FText[at]) && !IsLineEndCharacter(FText[at]) && !IsEastAsian(FText[at])) {
            ++at;
        }
        return at;
    }

    // After a line end: CR LF and LF CR count as one.
    int32_t AfterLineEnd(int32_t at) const {
        const char16_t first = FText[at];
        const bool pair = at + 1 < FLength && IsLineEndCharacter(FText[at + 1]) && FText[at + 1] != first;
        return at + (pair ? 2 : 1);
    }

    // The longest end within the word [wordStart, wordEnd) up to which the row fits, at least one character in.
    int32_t LongestFittingEnd(int32_t start, int32_t wordStart, int32_t wordEnd) {
        int32_t fits = wordStart + 1;
        int32_t tooWide = wordEnd;
        while (tooWide - fits > 1) {
            const int32_t middle = fits + (tooWide - fits) / 2;
            if (Measure(start, middle) <= FWidth) {
                fits = middle;
            } else {
                tooWide = middle;
            }
        }
        return fits;
    }

    // A row ended by the width: the spaces at the break are dropped as the alignment asks.
    TMadeRow WidthBreak(int32_t start, int32_t end) {
        int32_t next = end;
        const TuiTextHorzAlign align = FParams.HorzAlign;
        if ((align == thaCenter || align == thaRight) && end > start && IsSpaceOrTab(FText[end - 1])) {
            --end;
        }
        if ((align == thaLeft || align == thaCenter) && next < FLength && IsSpaceOrTab(FText[next])) {
            ++next;
        }
        if (FParams.ExcelStyleSpaces) {
            while (next < FLength && FText[next] == u' ') {
                ++next;
            }
        }
        return {end, next, true};
    }

    TuiTextDevice& FDevice;
    const TuiTextParams& FParams;
    rtl::UnicodeStringView FText;
    int32_t FLength;
    int32_t FWidth;
    bool FWrapping = false;
    bool FBreakInsideWords = false;
    bool FLineEndsOnly = false;
};

// Justified rows lose their trailing spaces and tabs and count the ones inside, among which the extra width goes.
void PrepareJustifiedRow(rtl::UnicodeStringView text, TuiTextRow& row) {
    while (row.Length > 0 && IsSpaceOrTab(text[static_cast<size_t>(row.Offset + row.Length - 1)])) {
        --row.Length;
    }
    row.BreakCount = 0;
    for (int32_t i = 0; i < row.Length; ++i) {
        row.BreakCount += IsSpaceOrTab(text[static_cast<size_t>(row.Offset + i)]) ? 1 : 0;
    }
}

bool IsLastRow(const TuiTextParams& params, int32_t totalHeight, int32_t rectHeight, int32_t count, int32_t maxRows) {
    if (params.SingleLine || (maxRows > 0 && count >= maxRows)) {
        return true;
    }
    if (params.VertAlign != tvaTop || params.CalcRect || params.CalcRowCount) {
        return false;
    }
    if (params.EditControl && !params.NoClip) {
        return totalHeight + params.FullRowHeight > rectHeight;
    }
    // A row that reaches the bottom exactly is the last one shown: the next would lie wholly outside.
    return totalHeight >= rectHeight;
}

} // namespace

bool BreakTextIntoRows(TuiTextDevice& device, const vcl::TRect& rect, const TuiTextParams& params, TuiTextRows& rows,
                       int32_t maxRows) {
    rows.Clear();
    const rtl::UnicodeStringView text = rows.Text();
    if (text.empty()) {
        return true;
    }
    const bool calculating = params.CalcRect || params.CalcRowCount;
    TTextRowBreaker breaker(device, params, text, rect.Width());
    const auto length = static_cast<int32_t>(text.size());
    if (params.CalcRect && params.SingleLine) {
        TuiTextRow& row = rows.Add();
        row.Length = length;
        const vcl::TSize extent = breaker.Extent(0, length);
        row.Width = extent.cx;
        row.Height = extent.cy;
        return true;
    }
    const bool justifying = params.HorzAlign == thaJustify || params.HorzAlign == thaDistribute;
    const bool ellipsisOnLastRow = params.EndEllipsis && !params.NoClip && !calculating && !justifying;
    int32_t position = 0;
    int32_t totalHeight = 0;
    bool last = false;
    while (position < length && !last) {
        TuiTextRow& row = rows.Add();
        totalHeight += params.FullRowHeight;
        last = IsLastRow(params, totalHeight, rect.Height(), rows.Count(), maxRows);
        const TMadeRow made = breaker.MakeRow(position, last && ellipsisOnLastRow);
        row.Offset = position;
        row.Length = made.End - position;
        if (params.HorzAlign == thaDistribute || (params.HorzAlign == thaJustify && made.WidthBreak)) {
            PrepareJustifiedRow(text, row);
        }
        const vcl::TSize extent = breaker.Extent(row.Offset, row.Offset + row.Length);
        row.Width = extent.cx;
        row.Height = extent.cy;
        position = made.Next;
    }
    if (calculating) {
        return true;
    }
    if (params.SingleLine) {
        return rect.Width() >= rows[0].Width;
    }
    return position >= length;
}

} // namespace ui
