#include "tests/ui/core/graphics/GraphicsTestSupport.h"

#include "rtl/WindowsApi.h"

#include <algorithm>

namespace ui_test {

TPixelSet PixelsOfColor(const TDibSurface& surface, vcl::TColor color) {
    TPixelSet pixels;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            if (surface.Pixel(x, y) == color) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

TPixelSet PixelsOtherThan(const TDibSurface& surface, vcl::TColor background) {
    TPixelSet pixels;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            if (surface.Pixel(x, y) != background) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

vcl::TRect BoundsOf(const TPixelSet& pixels) {
    if (pixels.empty()) {
        return {};
    }
    vcl::TRect bounds{pixels.begin()->first, pixels.begin()->second, pixels.begin()->first, pixels.begin()->second};
    for (const auto& [x, y] : pixels) {
        bounds.Left = std::min(bounds.Left, x);
        bounds.Top = std::min(bounds.Top, y);
        bounds.Right = std::max(bounds.Right, x + 1);
        bounds.Bottom = std::max(bounds.Bottom, y + 1);
    }
    return bounds;
}

bool AllPixelsAre(const TDibSurface& surface, const vcl::TRect& rect, vcl::TColor color) {
    for (int y = std::max(rect.Top, 0); y < std::min(rect.Bottom, surface.Height()); ++y) {
        for (int x = std::max(rect.Left, 0); x < std::min(rect.Right, surface.Width()); ++x) {
            if (surface.Pixel(x, y) != color) {
                return false;
            }
        }
    }
    return true;
}

TFilledControl::TFilledControl(rtl::TComponent* owner) : TCustomControl(owner) {
    SetParentColor(false);
}

void TFilledControl::CreateParams(vcl::TCreateParams& params) {
    TCustomControl::CreateParams(params);
    if (Border == TBorder::Single) {
        params.Style |= WS_BORDER;
    } else if (Border == TBorder::ClientEdge) {
        params.ExStyle |= WS_EX_CLIENTEDGE;
    }
}

void TFilledControl::Paint() {
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
}

} // namespace ui_test
