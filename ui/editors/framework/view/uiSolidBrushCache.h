#pragma once
// TuiSolidBrushCache: the solid brushes every editor fill goes through, so that no paint creates brushes. System
// colours take the system's own brushes; up to 128 other colours keep a brush each, sorted by colour, and the least
// used one makes room for a new colour. A brush handed out during a paint stays valid until that paint ends: an entry
// evicted meanwhile keeps its brush alive until then.

#include "vcl/graphics/Colors.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>
#include <vector>

namespace ui {

class TuiSolidBrushCache {
public:
    static constexpr int32_t Capacity = 128;

    TuiSolidBrushCache() = default;
    ~TuiSolidBrushCache();
    TuiSolidBrushCache(const TuiSolidBrushCache&) = delete;
    TuiSolidBrushCache& operator=(const TuiSolidBrushCache&) = delete;

    // The brush of the colour, owned by the cache (or by the system for a system colour).
    HBRUSH GetSolidBrush(vcl::TColor color);
    // Deletes every brush not handed out during a paint that is still running.
    void Clear();

    // Paints nest; the outermost end deletes the brushes evicted meanwhile.
    void BeginPaint() { ++FPaintCount; }
    void EndPaint();

    int32_t Count() const { return static_cast<int32_t>(FEntries.size()); }
    // Whether the colour holds an entry.
    bool Contains(vcl::TColor color) const;
    // The entry's use count (how often it was found again), -1 without an entry.
    int32_t UseCount(vcl::TColor color) const;

private:
    struct TEntry {
        vcl::TColor Color;
        HBRUSH Brush;
        int32_t UseCount;
    };

    // The position of color's entry, or where it would go; found tells which.
    size_t PositionOf(vcl::TColor color, bool& found) const;
    // The first entry never found again, else the least used (the lowest position on ties).
    size_t LeastUsedPosition() const;
    void ReleaseBrush(HBRUSH brush);

    std::vector<TEntry> FEntries;
    std::vector<HBRUSH> FDeferred; // evicted while a paint runs
    int32_t FPaintCount = 0;
};

// The editors' cache, made on first use; FreeSolidBrushCache deletes its brushes (the framework's shut-down).
TuiSolidBrushCache& SolidBrushCache();
void FreeSolidBrushCache();

// Holds the editors' cache in a paint for its lifetime.
class TuiSolidBrushPaintScope {
public:
    TuiSolidBrushPaintScope() { SolidBrushCache().BeginPaint(); }
    ~TuiSolidBrushPaintScope() { SolidBrushCache().EndPaint(); }
    TuiSolidBrushPaintScope(const TuiSolidBrushPaintScope&) = delete;
    TuiSolidBrushPaintScope& operator=(const TuiSolidBrushPaintScope&) = delete;
};

} // namespace ui
