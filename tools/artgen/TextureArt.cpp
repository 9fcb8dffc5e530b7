#include "tools/artgen/TextureArt.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <stdexcept>

namespace artgen {

namespace {

using TPixelTest = std::function<bool(int32_t x, int32_t y, int32_t w, int32_t h)>;

uint32_t ParseTextureColor(const std::string& text) {
    if ((text.size() != 6 && text.size() != 8) ||
        text.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos) {
        throw std::invalid_argument("\"" + text + "\" is not RRGGBB or AARRGGBB");
    }
    const auto value = static_cast<uint32_t>(std::stoul(text, nullptr, 16));
    return text.size() == 6 ? 0xFF000000u | value : value;
}

uint32_t Mix(uint32_t from, uint32_t to, int32_t step, int32_t steps) {
    if (steps <= 1) {
        return from;
    }
    uint32_t mixed = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const int a = static_cast<int>(from >> shift & 0xFF);
        const int b = static_cast<int>(to >> shift & 0xFF);
        mixed |= static_cast<uint32_t>(a + (b - a) * step / (steps - 1)) << shift;
    }
    return mixed;
}

// The pixels of each glyph within a frame of w x h, centred.
const std::map<std::string, TPixelTest>& Glyphs() {
    static const std::map<std::string, TPixelTest> glyphs = {
        {"check",
         [](int32_t x, int32_t y, int32_t w, int32_t h) {
             const int32_t cx = x - w / 2;
             const int32_t cy = y - h / 2;
             return (cx >= -3 && cx <= -1 && cy == cx + 2) || (cx >= -3 && cx <= -1 && cy == cx + 3) ||
                    (cx >= -1 && cx <= 3 && cy == 1 - cx) || (cx >= -1 && cx <= 3 && cy == 2 - cx);
         }},
        {"arrowdown",
         [](int32_t x, int32_t y, int32_t w, int32_t h) {
             const int32_t row = y - (h / 2 - 1);
             return row >= 0 && row < 3 && std::abs(x - w / 2) <= 2 - row;
         }},
        {"arrowup",
         [](int32_t x, int32_t y, int32_t w, int32_t h) {
             const int32_t row = (h / 2 + 1) - y;
             return row >= 0 && row < 3 && std::abs(x - w / 2) <= 2 - row;
         }},
        {"arrowright",
         [](int32_t x, int32_t y, int32_t w, int32_t h) {
             const int32_t column = x - (w / 2 - 1);
             return column >= 0 && column < 3 && std::abs(y - h / 2) <= 2 - column;
         }},
        {"arrowleft",
         [](int32_t x, int32_t y, int32_t w, int32_t h) {
             const int32_t column = (w / 2 + 1) - x;
             return column >= 0 && column < 3 && std::abs(y - h / 2) <= 2 - column;
         }},
        {"cross",
         [](int32_t x, int32_t y, int32_t w, int32_t h) {
             const int32_t cx = x - w / 2;
             const int32_t cy = y - h / 2;
             return std::abs(cx) <= 3 && (cx == cy || cx == -cy || cx == cy + 1 || cx + 1 == -cy);
         }},
        {"plus",
         [](int32_t x, int32_t y, int32_t w, int32_t h) {
             return (y == h / 2 && std::abs(x - w / 2) <= 3) || (x == w / 2 && std::abs(y - h / 2) <= 3);
         }},
        {"minus", [](int32_t x, int32_t y, int32_t w, int32_t h) { return y == h / 2 && std::abs(x - w / 2) <= 3; }},
        {"dot",
         [](int32_t x, int32_t y, int32_t w, int32_t h) { return std::abs(x - w / 2) + std::abs(y - h / 2) <= 2; }},
        {"grip",
         [](int32_t x, int32_t y, int32_t w, int32_t h) {
             return x % 3 == 1 && y % 3 == 1 && x > 0 && y > 0 && x < w - 1 && y < h - 1 && x + y >= w - 1;
         }},
        {"line", [](int32_t, int32_t y, int32_t, int32_t h) { return y == h / 2; }},
    };
    return glyphs;
}

// One frame of the picture, drawn by its operations.
class TFramePainter {
public:
    TFramePainter(tools::TPngPicture* picture, int32_t left, int32_t top, int32_t width, int32_t height)
        : FPicture(picture), FLeft(left), FTop(top), FWidth(width), FHeight(height) {}

    void Run(const std::string& operations) {
        std::istringstream words(operations);
        std::string operation;
        while (words >> operation) {
            RunOne(operation, words);
        }
    }

private:
    std::string Word(std::istringstream& words, const std::string& operation) const {
        std::string word;
        if (!(words >> word)) {
            throw std::invalid_argument("\"" + operation + "\" lacks a value");
        }
        return word;
    }
    uint32_t Color(std::istringstream& words, const std::string& operation) const {
        return ParseTextureColor(Word(words, operation));
    }

    void Set(int32_t x, int32_t y, uint32_t color) {
        if (FPicture) {
            FPicture->At(FLeft + x, FTop + y) = color;
        }
    }
    void Each(const std::function<void(int32_t, int32_t)>& paint) {
        for (int32_t y = 0; y < FHeight; ++y) {
            for (int32_t x = 0; x < FWidth; ++x) {
                paint(x, y);
            }
        }
    }
    void Ring(int32_t inset, uint32_t color) {
        Each([&](int32_t x, int32_t y) {
            const bool inside = x >= inset && y >= inset && x < FWidth - inset && y < FHeight - inset;
            const bool edge = x == inset || y == inset || x == FWidth - 1 - inset || y == FHeight - 1 - inset;
            if (inside && edge) {
                Set(x, y, color);
            }
        });
    }

    void RunOne(const std::string& operation, std::istringstream& words) {
        if (operation == "fill") {
            const uint32_t color = Color(words, operation);
            Each([&](int32_t x, int32_t y) { Set(x, y, color); });
        } else if (operation == "clear") {
            Each([&](int32_t x, int32_t y) { Set(x, y, 0); });
        } else if (operation == "vgradient" || operation == "hgradient") {
            const uint32_t from = Color(words, operation);
            const uint32_t to = Color(words, operation);
            const bool vertical = operation == "vgradient";
            Each([&](int32_t x, int32_t y) {
                Set(x, y, vertical ? Mix(from, to, y, FHeight) : Mix(from, to, x, FWidth));
            });
        } else if (operation == "gloss") {
            const uint32_t c1 = Color(words, operation);
            const uint32_t c2 = Color(words, operation);
            const uint32_t c3 = Color(words, operation);
            const uint32_t c4 = Color(words, operation);
            const int32_t half = FHeight / 2;
            Each([&](int32_t x, int32_t y) {
                Set(x, y, y < half ? Mix(c1, c2, y, half) : Mix(c3, c4, y - half, FHeight - half));
            });
        } else if (operation == "border" || operation == "inset") {
            Ring(operation == "border" ? 0 : 1, Color(words, operation));
        } else if (operation == "round") {
            for (const auto& [x, y] : {std::pair{0, 0}, {FWidth - 1, 0}, {0, FHeight - 1}, {FWidth - 1, FHeight - 1}}) {
                Set(x, y, 0);
            }
        } else if (operation == "glyph") {
            const std::string name = Word(words, operation);
            const auto glyph = Glyphs().find(name);
            if (glyph == Glyphs().end()) {
                throw std::invalid_argument("no glyph \"" + name + "\"");
            }
            const uint32_t color = Color(words, operation);
            Each([&](int32_t x, int32_t y) {
                if (glyph->second(x, y, FWidth, FHeight)) {
                    Set(x, y, color);
                }
            });
        } else {
            throw std::invalid_argument("unknown operation \"" + operation + "\"");
        }
    }

    tools::TPngPicture* FPicture; // not owned; nullptr when only checking
    int32_t FLeft;
    int32_t FTop;
    int32_t FWidth;
    int32_t FHeight;
};

} // namespace

TTexture ReadTextureLine(std::istringstream& words) {
    TTexture texture;
    std::string size;
    int colorType = 0;
    std::string layout;
    words >> texture.Path >> size >> colorType >> texture.BitDepth >> layout;
    const size_t x = size.find('x');
    if (texture.Path.empty() || x == std::string::npos) {
        throw std::invalid_argument("a texture line is: texture <path> <width>x<height> <type> <depth> [vertical]");
    }
    texture.FrameWidth = std::atoi(size.substr(0, x).c_str());
    texture.FrameHeight = std::atoi(size.substr(x + 1).c_str());
    if (texture.FrameWidth <= 0 || texture.FrameHeight <= 0 || texture.FrameWidth > 256 || texture.FrameHeight > 256) {
        throw std::invalid_argument("a frame is 1 to 256 pixels wide and high, not " + size);
    }
    if (colorType != 2 && colorType != 3 && colorType != 6) {
        throw std::invalid_argument("a texture is of PNG colour type 2, 3 or 6");
    }
    texture.ColorType = static_cast<tools::TPngColorType>(colorType);
    if (!layout.empty() && layout != "vertical") {
        throw std::invalid_argument("\"" + layout + "\" is not \"vertical\"");
    }
    texture.Vertical = layout == "vertical";
    return texture;
}

void CheckFrameLine(const std::string& operations) {
    TFramePainter(nullptr, 0, 0, 1, 1).Run(operations);
}

std::vector<uint8_t> DrawTexture(const TTexture& texture) {
    const auto frames = static_cast<int32_t>(texture.Frames.size());
    if (frames == 0) {
        throw std::invalid_argument(texture.Path + " has no frame");
    }
    tools::TPngPicture picture(texture.Vertical ? texture.FrameWidth : texture.FrameWidth * frames,
                               texture.Vertical ? texture.FrameHeight * frames : texture.FrameHeight);
    for (int32_t frame = 0; frame < frames; ++frame) {
        TFramePainter(&picture, texture.Vertical ? 0 : frame * texture.FrameWidth,
                      texture.Vertical ? frame * texture.FrameHeight : 0, texture.FrameWidth, texture.FrameHeight)
            .Run(texture.Frames[static_cast<size_t>(frame)]);
    }
    try {
        return tools::EncodePng(picture, texture.ColorType, texture.BitDepth);
    } catch (const std::invalid_argument& error) {
        throw std::invalid_argument(texture.Path + ": " + error.what());
    }
}

} // namespace artgen
