// The layout of a scroll bar: buttons at both ends, the thumb in the track between them, the page areas on either
// side of the thumb. Range arithmetic runs in 64 bits: Max - Min + 1 exceeds 32 bits for the whole integer range.

#include "rtl/WindowsApi.h"
#include "ui/core/painters/uiScrollBar.h"

#include <algorithm>
#include <cmath>

namespace ui {

int64_t ScrollMulDiv(int64_t a, int64_t b, int64_t c) {
    if (c == 0) {
        return 0;
    }
    const long double exact = static_cast<long double>(a) * static_cast<long double>(b) / static_cast<long double>(c);
    return static_cast<int64_t>(std::llround(exact));
}

TuiScrollBarViewInfo::TuiScrollBarViewInfo(TuiScrollBar& scrollBar) : FScrollBar(scrollBar) {}

bool TuiScrollBarViewInfo::Horizontal() const {
    return FScrollBar.Kind() == sbHorizontal;
}

vcl::TRect TuiScrollBarViewInfo::SpanRect(int32_t start, int32_t end) const {
    return Horizontal() ? vcl::TRect{start, 0, end, FScrollBar.Height()}
                        : vcl::TRect{0, start, FScrollBar.Width(), end};
}

int32_t TuiScrollBarViewInfo::TrackStart() const {
    return Horizontal() ? FLineUpButtonRect.Right : FLineUpButtonRect.Bottom;
}

int32_t TuiScrollBarViewInfo::TrackLength() const {
    return (Horizontal() ? FLineDownButtonRect.Left : FLineDownButtonRect.Top) - TrackStart();
}

int32_t TuiScrollBarViewInfo::ThumbStart() const {
    return Horizontal() ? FThumbRect.Left : FThumbRect.Top;
}

int32_t TuiScrollBarViewInfo::ThumbLength() const {
    return Horizontal() ? FThumbRect.Width() : FThumbRect.Height();
}

void TuiScrollBarViewInfo::CalculatePartRects() {
    const int32_t width = FScrollBar.Width();
    const int32_t height = FScrollBar.Height();
    if (Horizontal()) {
        const int32_t arrow = std::min(GetSystemMetrics(SM_CYHSCROLL), width / 2);
        FLineUpButtonRect = {0, 0, arrow, height};
        FLineDownButtonRect = {width - arrow, 0, width, height};
    } else {
        const int32_t arrow = std::min(GetSystemMetrics(SM_CXVSCROLL), height / 2);
        FLineUpButtonRect = {0, 0, width, arrow};
        FLineDownButtonRect = {0, height - arrow, width, height};
    }
    CalculateThumb();
}

void TuiScrollBarViewInfo::CalculateThumb() {
    FThumbRect = {};
    CalculatePageRects();
    if (!FScrollBar.Enabled()) {
        return;
    }
    const int64_t min = FScrollBar.Min();
    const int64_t max = FScrollBar.Max();
    const int64_t position = FScrollBar.Position();
    const int64_t pageSize = FScrollBar.PageSize();
    const int64_t track = TrackLength();
    int64_t length = 0;
    int64_t offset = 0;
    if (pageSize != 0) {
        length = std::min(track, ScrollMulDiv(pageSize, track, max - min + 1));
        if (track < FMinThumbSize || max == min) {
            return;
        }
        length = std::max<int64_t>(length, FMinThumbSize);
        const int64_t scrollable = max - min - pageSize + 1;
        offset = scrollable > 0 ? ScrollMulDiv(track - length, std::min(position - min, scrollable), scrollable) : 0;
    } else {
        length = GetSystemMetrics(Horizontal() ? SM_CXHTHUMB : SM_CYVTHUMB);
        if (track < length) {
            return;
        }
        offset = track - length > 0 && max != min ? ScrollMulDiv(track - length, position - min, max - min) : 0;
    }
    const auto start = static_cast<int32_t>(TrackStart() + offset);
    FThumbRect = SpanRect(start, start + static_cast<int32_t>(length));
    CalculatePageRects();
}

void TuiScrollBarViewInfo::CalculatePageRects() {
    if (FThumbRect.IsEmpty()) {
        FPageUpRect = {};
        FPageDownRect = {};
        return;
    }
    FPageUpRect = SpanRect(TrackStart(), ThumbStart());
    FPageDownRect = SpanRect(ThumbStart() + ThumbLength(), TrackStart() + TrackLength());
}

void TuiScrollBarViewInfo::MoveThumb(int32_t start) {
    const int32_t length = ThumbLength();
    FThumbRect = SpanRect(start, start + length);
}

void TuiScrollBarViewInfo::UpdateMinThumbSize() {
    FMinThumbSize = FScrollBar.MinThumbSize();
}

} // namespace ui
