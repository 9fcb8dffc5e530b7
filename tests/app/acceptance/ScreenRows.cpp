#include "tests/app/acceptance/ScreenRows.h"

#include "tests/app/acceptance/ScreenCheck.h"

namespace acceptance {

std::vector<TRowBand> DarkRowBandsOf(const RECT& rect) {
    const TScreenPicture picture = ReadScreenPicture(rect);
    std::vector<TRowBand> bands;
    if (picture.Pixels.empty()) {
        return bands;
    }
    bool inBand = false;
    for (int y = 0; y < picture.Height(); ++y) {
        bool dark = false;
        for (int x = 0; x < picture.Width() && !dark; ++x) {
            dark = IsDarkPixel(picture.At(x, y));
        }
        if (dark && !inBand) {
            bands.push_back({rect.top + y, rect.top + y + 1});
        } else if (dark) {
            bands.back().Bottom = rect.top + y + 1;
        }
        inBand = dark;
    }
    return bands;
}

int DarkRowBands(const RECT& rect) {
    return static_cast<int>(DarkRowBandsOf(rect).size());
}

} // namespace acceptance
