#include "ui/editors/framework/view/uiSolidBrushCache.h"

#include "rtl/WindowsApi.h"

#include <memory>

namespace ui {

namespace {

constexpr int32_t systemColorCount = 31;

bool IsCachedSystemColor(vcl::TColor color) {
    const int64_t index = static_cast<int64_t>(color) - vcl::SystemColorBase;
    return index >= 0 && index < systemColorCount;
}

// Sorted by the signed difference of the colour values, as system colours are negative.
bool ColorBefore(vcl::TColor a, vcl::TColor b) {
    return static_cast<int64_t>(a) < static_cast<int64_t>(b);
}

std::unique_ptr<TuiSolidBrushCache>& EditorsBrushCache() {
    static std::unique_ptr<TuiSolidBrushCache> cache;
    return cache;
}

} // namespace

TuiSolidBrushCache::~TuiSolidBrushCache() {
    FPaintCount = 0;
    Clear();
    EndPaint();
}

size_t TuiSolidBrushCache::PositionOf(vcl::TColor color, bool& found) const {
    size_t low = 0;
    size_t high = FEntries.size();
    while (low < high) {
        const size_t middle = (low + high) / 2;
        if (ColorBefore(FEntries[middle].Color, color)) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    found = low < FEntries.size() && FEntries[low].Color == color;
    return low;
}

size_t TuiSolidBrushCache::LeastUsedPosition() const {
    size_t least = 0;
    for (size_t i = 0; i < FEntries.size(); ++i) {
        if (FEntries[i].UseCount == 0) {
            return i;
        }
        if (FEntries[i].UseCount < FEntries[least].UseCount) {
            least = i;
        }
    }
    return least;
}

void TuiSolidBrushCache::ReleaseBrush(HBRUSH brush) {
    if (FPaintCount > 0) {
        FDeferred.push_back(brush);
    } else {
        DeleteObject(brush);
    }
}

HBRUSH TuiSolidBrushCache::GetSolidBrush(vcl::TColor color) {
    if (IsCachedSystemColor(color)) {
        return GetSysColorBrush(static_cast<int>(color - vcl::SystemColorBase));
    }
    bool found = false;
    size_t position = PositionOf(color, found);
    if (found) {
        ++FEntries[position].UseCount;
        return FEntries[position].Brush;
    }
    if (FEntries.size() >= static_cast<size_t>(Capacity)) {
        const size_t evicted = LeastUsedPosition();
        ReleaseBrush(FEntries[evicted].Brush);
        FEntries.erase(FEntries.begin() + static_cast<std::ptrdiff_t>(evicted));
        if (evicted < position) {
            --position;
        }
    }
    const HBRUSH brush = CreateSolidBrush(vcl::ColorToRGB(color));
    FEntries.insert(FEntries.begin() + static_cast<std::ptrdiff_t>(position), TEntry{color, brush, 0});
    return brush;
}

void TuiSolidBrushCache::Clear() {
    for (const TEntry& entry : FEntries) {
        ReleaseBrush(entry.Brush);
    }
    FEntries.clear();
}

void TuiSolidBrushCache::EndPaint() {
    if (FPaintCount > 0 && --FPaintCount > 0) {
        return;
    }
    for (const HBRUSH brush : FDeferred) {
        DeleteObject(brush);
    }
    FDeferred.clear();
}

bool TuiSolidBrushCache::Contains(vcl::TColor color) const {
    bool found = false;
    PositionOf(color, found);
    return found;
}

int32_t TuiSolidBrushCache::UseCount(vcl::TColor color) const {
    bool found = false;
    const size_t position = PositionOf(color, found);
    return found ? FEntries[position].UseCount : -1;
}

TuiSolidBrushCache& SolidBrushCache() {
    std::unique_ptr<TuiSolidBrushCache>& cache = EditorsBrushCache();
    if (!cache) {
        cache = std::make_unique<TuiSolidBrushCache>();
    }
    return *cache;
}

void FreeSolidBrushCache() {
    EditorsBrushCache().reset();
}

} // namespace ui
