#include "tests/ui/editors/choice/ButtonTestSupport.h"

#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "vcl/graphics/Canvas.h"

namespace ui_test {

std::unique_ptr<vcl::TBitmap> MakeGlyphBitmap(std::initializer_list<vcl::TColor> colors, int size) {
    auto bitmap = MakePlainBitmap(size * static_cast<int>(colors.size()), size, glyphGround);
    int left = 0;
    for (vcl::TColor color : colors) {
        bitmap->Canvas().Brush().SetColor(color);
        bitmap->Canvas().FillRect({left + 3, 3, left + size - 3, size - 3});
        left += size;
    }
    bitmap->SetTransparentColor(glyphGround);
    return bitmap;
}

std::unique_ptr<vcl::TBitmap> MakePlainBitmap(int width, int height, vcl::TColor color) {
    auto bitmap = std::make_unique<vcl::TBitmap>(width, height, vcl::pf24bit);
    bitmap->Canvas().Brush().SetColor(color);
    bitmap->Canvas().FillRect({0, 0, width, height});
    return bitmap;
}

int CountPixels(const TDibSurface& surface, vcl::TColor color) {
    int count = 0;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            count += surface.Pixel(x, y) == Rgb(color) ? 1 : 0;
        }
    }
    return count;
}

} // namespace ui_test
