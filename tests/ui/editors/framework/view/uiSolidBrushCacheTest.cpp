#include "ui/editors/framework/view/uiSolidBrushCache.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/DibSurface.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

constexpr vcl::TColor Rgb(int r, int g, int b) {
    return static_cast<vcl::TColor>(r | (g << 8) | (b << 16));
}

// Fills the cache with Capacity colours brighter than RGB(2, 2, 2), each found again once.
void FillWithBrighterColors(TuiSolidBrushCache& cache) {
    for (int i = 0; i < TuiSolidBrushCache::Capacity; ++i) {
        const vcl::TColor color = Rgb(10 + i, 10, 10);
        cache.GetSolidBrush(color);
        cache.GetSolidBrush(color);
    }
}

TEST(uiSolidBrushCache, OneColourOneBrushAndSystemColoursNeverEnter) {
    TuiSolidBrushCache cache;
    const HBRUSH first = cache.GetSolidBrush(Rgb(1, 2, 3));
    EXPECT_EQ(cache.GetSolidBrush(Rgb(1, 2, 3)), first);
    EXPECT_EQ(cache.UseCount(Rgb(1, 2, 3)), 1);
    EXPECT_EQ(cache.GetSolidBrush(vcl::clBtnFace), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_FALSE(cache.Contains(vcl::clBtnFace));
    EXPECT_EQ(cache.Count(), 1);
}

TEST(uiSolidBrushCache, AFullCacheEvictsANeverReusedEntryFirst) {
    TuiSolidBrushCache cache;
    cache.GetSolidBrush(Rgb(200, 0, 0)); // never found again
    for (int i = 1; i < TuiSolidBrushCache::Capacity; ++i) {
        cache.GetSolidBrush(Rgb(i, 0, 0));
        cache.GetSolidBrush(Rgb(i, 0, 0));
    }
    ASSERT_EQ(cache.Count(), TuiSolidBrushCache::Capacity);
    cache.GetSolidBrush(Rgb(0, 0, 250));
    EXPECT_EQ(cache.Count(), TuiSolidBrushCache::Capacity);
    EXPECT_FALSE(cache.Contains(Rgb(200, 0, 0)));
    EXPECT_TRUE(cache.Contains(Rgb(1, 0, 0)));
    EXPECT_TRUE(cache.Contains(Rgb(0, 0, 250)));
    // With every entry found again, the least used one with the lowest colour goes.
    cache.GetSolidBrush(Rgb(0, 0, 250));
    cache.GetSolidBrush(Rgb(1, 0, 0));
    cache.GetSolidBrush(Rgb(0, 1, 250));
    EXPECT_FALSE(cache.Contains(Rgb(2, 0, 0)));
}

// An editor takes its background brush, then asks for the border colour: the background's new entry is the one
// evicted, yet the fill must still paint the background colour.
TEST(uiSolidBrushCache, ABrushHandedOutInAPaintOutlivesItsEviction) {
    TuiSolidBrushCache cache;
    FillWithBrighterColors(cache);
    ui_test::TDibSurface surface(4, 4);
    surface.Fill(vcl::clWhite);
    cache.BeginPaint();
    const HBRUSH background = cache.GetSolidBrush(Rgb(1, 1, 1));
    cache.GetSolidBrush(Rgb(2, 2, 2));
    EXPECT_FALSE(cache.Contains(Rgb(1, 1, 1)));
    RECT rect{0, 0, 4, 4};
    EXPECT_NE(FillRect(surface.DC(), &rect, background), 0);
    cache.EndPaint();
    EXPECT_EQ(surface.Pixel(2, 2), Rgb(1, 1, 1));
}

TEST(uiSolidBrushCache, TheEditorsCacheLivesUntilItIsFreed) {
    const HBRUSH brush = SolidBrushCache().GetSolidBrush(Rgb(7, 7, 7));
    EXPECT_EQ(SolidBrushCache().GetSolidBrush(Rgb(7, 7, 7)), brush);
    {
        const TuiSolidBrushPaintScope scope;
        SolidBrushCache().Clear();
        EXPECT_EQ(SolidBrushCache().Count(), 0);
    }
    FreeSolidBrushCache();
    EXPECT_EQ(SolidBrushCache().Count(), 0);
}

} // namespace
} // namespace ui
