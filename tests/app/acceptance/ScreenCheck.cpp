#include "tests/app/acceptance/ScreenCheck.h"

#include "tests/support/ui/FailureScreenshot.h"

#include <algorithm>
#include <cstdio>

namespace acceptance {

namespace {

// A black square of this size is no text, no frame and no grid line: an area left unpainted.
constexpr int BlackBlockSize = 24;
constexpr uint32_t BlackLimit = 0x18;
constexpr uint32_t DarkLimit = 0x60;
constexpr uint32_t LightLimit = 0xC0;

uint32_t Channel(uint32_t pixel, int shift) {
    return (pixel >> shift) & 0xFF;
}

bool AllChannelsBelow(uint32_t pixel, uint32_t limit) {
    return Channel(pixel, 0) < limit && Channel(pixel, 8) < limit && Channel(pixel, 16) < limit;
}

bool AllChannelsAbove(uint32_t pixel, uint32_t limit) {
    return Channel(pixel, 0) > limit && Channel(pixel, 8) > limit && Channel(pixel, 16) > limit;
}

bool IsBlackBlock(const TScreenPicture& picture, int left, int top) {
    for (int y = top; y < top + BlackBlockSize; ++y) {
        for (int x = left; x < left + BlackBlockSize; ++x) {
            if (!AllChannelsBelow(picture.At(x, y), BlackLimit)) {
                return false;
            }
        }
    }
    return true;
}

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof(text), "#%06X", value & 0xFFFFFF);
    return text;
}

} // namespace

uint32_t TScreenPicture::At(int x, int y) const {
    return Pixels[static_cast<size_t>(y) * static_cast<size_t>(Width()) + static_cast<size_t>(x)];
}

bool IsDarkPixel(uint32_t pixel) {
    return AllChannelsBelow(pixel, DarkLimit);
}

TScreenPicture ReadScreenPicture(const RECT& rect) {
    TScreenPicture picture;
    picture.Rect = rect;
    picture.Pixels = ui_test::ReadScreen(rect.left, rect.top, picture.Width(), picture.Height());
    return picture;
}

std::optional<TRowBand> RowsOfColour(const TScreenPicture& picture, uint32_t colour, int x) {
    if (picture.Pixels.empty() || x < 0 || x >= picture.Width()) {
        return std::nullopt;
    }
    for (int y = 0; y < picture.Height(); ++y) {
        int end = y;
        while (end < picture.Height() && picture.At(x, end) == colour) {
            ++end;
        }
        if (end - y >= 2) {
            return TRowBand{picture.Rect.top + y, picture.Rect.top + end};
        }
        y = end;
    }
    return std::nullopt;
}

std::string UnpaintedReason(const TScreenPicture& picture) {
    if (picture.Pixels.empty()) {
        return "no picture of it could be read";
    }
    if (std::all_of(picture.Pixels.begin(), picture.Pixels.end(),
                    [&](uint32_t pixel) { return pixel == picture.Pixels.front(); })) {
        return "it is one colour, " + Hex(picture.Pixels.front());
    }
    // Blocks half overlapping one another find every black square of twice their step.
    constexpr int step = BlackBlockSize / 2;
    for (int top = 0; top + BlackBlockSize <= picture.Height(); top += step) {
        for (int left = 0; left + BlackBlockSize <= picture.Width(); left += step) {
            if (IsBlackBlock(picture, left, top)) {
                return "it holds a black area at (" + std::to_string(left) + ", " + std::to_string(top) + ")";
            }
        }
    }
    return {};
}

bool HoldsDarkTextOnLightFace(const TScreenPicture& picture, const RECT& area) {
    const int left = std::max<int>(area.left - picture.Rect.left, 0);
    const int top = std::max<int>(area.top - picture.Rect.top, 0);
    const int right = std::min<int>(area.right - picture.Rect.left, picture.Width());
    const int bottom = std::min<int>(area.bottom - picture.Rect.top, picture.Height());
    long dark = 0;
    long light = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const uint32_t pixel = picture.At(x, y);
            dark += IsDarkPixel(pixel) ? 1 : 0;
            light += AllChannelsAbove(pixel, LightLimit) ? 1 : 0;
        }
    }
    const long all = static_cast<long>(std::max(right - left, 0)) * std::max(bottom - top, 0);
    return dark > 0 && 2 * light > all;
}

} // namespace acceptance
