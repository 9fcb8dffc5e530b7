// artgen: draws the program's small bitmap resources from their pixel sources.
//
//   artgen <output root> <source>...
//
// A source lists colours and pictures, one character per pixel:
//
//   # a comment
//   palette # 000000          the character "#" stands for the colour RRGGBB from here on
//   palette . vgradient 0B3D91 5B9BD5
//                             "." shades from the first colour in the top row to the second in the bottom row
//                             (24-bit bitmaps only)
//   bitmap UI_ARROWBITMAP 4   a picture of that resource name, 4 bits per pixel (16 colours) or 24
//   bitmap AUWIZARDPIC 24 scale 2
//                             the same with each character drawing a square of 2 x 2 pixels (1 to 8)
//   |..#.....|                one row per line, top row first, between bars; every row equally wide
//   cursor UI_DRAGCURSOR 0 0  a 32 x 32 monochrome cursor with its hot spot at (0, 0): "#" black, "o" white,
//                             "." transparent (the palette plays no part)
//
// Each picture becomes resources/bitmaps/<name>.bmp below the output root (the repository, or a scratch folder when
// checking that the committed files are current), an uncompressed bottom-up BMP file; a 4-bit picture's colour table
// holds the palette's colours in the order they were given. Each cursor becomes <name>.cur there (the cursor file
// format: one 1-bit image with its colour and transparency masks). A source may also hold skin textures, drawn from
// recipes into PNG files below resources/skins (TextureArt.h). A file is written only when its content changes.

#include "tools/artgen/TextureArt.h"
#include "tools/support/GeneratedFiles.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr const char* OutputFolder = "resources/bitmaps";
constexpr const char* TextureFolder = "resources/skins";

struct TPaletteEntry {
    char Pixel;
    uint32_t Color; // RRGGBB; the top row's for a gradient
    bool Gradient = false;
    uint32_t BottomColor = 0;
};

// A cursor's pixels: colours stand for the masks' bits.
constexpr uint32_t CursorBlack = 0x000000;
constexpr uint32_t CursorWhite = 0xFFFFFF;
constexpr uint32_t CursorTransparent = 0xFF000000;
constexpr size_t CursorSize = 32;

constexpr int MaxScale = 8;

struct TPicture {
    std::string Name;
    int Bits = 0;
    int Scale = 1;
    bool IsCursor = false;
    int HotSpotX = 0;
    int HotSpotY = 0;
    // The palette as it stood at the picture's "bitmap" line, in the order it was given.
    std::vector<TPaletteEntry> Palette;
    std::vector<std::string> Rows;

    const TPaletteEntry* Find(char pixel) const {
        for (const TPaletteEntry& entry : Palette) {
            if (entry.Pixel == pixel) {
                return &entry;
            }
        }
        return nullptr;
    }
};

struct TSource {
    std::vector<TPaletteEntry> Palette;
    std::vector<TPicture> Pictures;
    std::vector<artgen::TTexture> Textures;
};

class TSourceReader {
public:
    explicit TSourceReader(std::string path) : FPath(std::move(path)) {}

    TSource Read() {
        std::ifstream file(FPath);
        if (!file) {
            throw std::runtime_error(FPath + ": cannot be read");
        }
        std::string line;
        while (std::getline(file, line)) {
            ++FLine;
            ReadLine(line);
        }
        CheckLastPicture();
        return std::move(FSource);
    }

private:
    [[noreturn]] void Fail(const std::string& message) const {
        throw std::runtime_error(FPath + ":" + std::to_string(FLine) + ": " + message);
    }

    void ReadLine(const std::string& line) {
        if (line.empty() || line[0] == '#') {
            return;
        }
        if (line[0] == '|') {
            ReadRow(line);
            return;
        }
        std::istringstream words(line);
        std::string keyword;
        words >> keyword;
        if (keyword == "palette") {
            ReadPalette(words);
        } else if (keyword == "bitmap") {
            ReadBitmap(words);
        } else if (keyword == "cursor") {
            ReadCursor(words);
        } else if (keyword == "texture") {
            ReadTexture(words);
        } else if (keyword == "frame") {
            ReadFrame(line.substr(keyword.size()));
        } else {
            Fail("unknown line \"" + keyword + "\"");
        }
    }

    uint32_t ReadColor(const std::string& hex) const {
        if (hex.size() != 6 || hex.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos) {
            Fail("the colour \"" + hex + "\" is not six hexadecimal digits");
        }
        return static_cast<uint32_t>(std::stoul(hex, nullptr, 16));
    }

    void ReadPalette(std::istringstream& words) {
        std::string character;
        std::string hex;
        words >> character >> hex;
        if (character.size() != 1 || character[0] == '|') {
            Fail("a palette entry names one character other than \"|\"");
        }
        TPaletteEntry entry{character[0], 0};
        if (hex == "vgradient") {
            std::string bottom;
            words >> hex >> bottom;
            entry.Gradient = true;
            entry.BottomColor = ReadColor(bottom);
        }
        entry.Color = ReadColor(hex);
        for (TPaletteEntry& earlier : FSource.Palette) {
            if (earlier.Pixel == entry.Pixel) {
                earlier = entry;
                return;
            }
        }
        FSource.Palette.push_back(entry);
    }

    void CheckName(const TPicture& picture) const {
        if (picture.Name.empty() ||
            picture.Name.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_") != std::string::npos) {
            Fail("the name \"" + picture.Name + "\" is not upper-case letters, digits and \"_\"");
        }
        for (const TPicture& earlier : FSource.Pictures) {
            if (earlier.Name == picture.Name) {
                Fail("a second picture \"" + picture.Name + "\"");
            }
        }
    }

    void ReadCursor(std::istringstream& words) {
        CheckLastPicture();
        TPicture picture;
        picture.IsCursor = true;
        picture.HotSpotX = -1;
        picture.HotSpotY = -1;
        words >> picture.Name >> picture.HotSpotX >> picture.HotSpotY;
        CheckName(picture);
        const auto limit = static_cast<int>(CursorSize);
        if (picture.HotSpotX < 0 || picture.HotSpotX >= limit || picture.HotSpotY < 0 || picture.HotSpotY >= limit) {
            Fail("the hot spot of " + picture.Name + " lies outside its 32 x 32 pixels");
        }
        picture.Palette = {{'#', CursorBlack}, {'o', CursorWhite}, {'.', CursorTransparent}};
        FSource.Pictures.push_back(std::move(picture));
    }

    void ReadBitmap(std::istringstream& words) {
        CheckLastPicture();
        TPicture picture;
        std::string scale;
        words >> picture.Name >> picture.Bits >> scale;
        CheckName(picture);
        if (picture.Bits != 4 && picture.Bits != 24) {
            Fail("a bitmap has 4 or 24 bits per pixel");
        }
        if (picture.Bits == 4 && FSource.Palette.size() > 16) {
            Fail("a 4-bit bitmap has at most 16 colours, the palette has " + std::to_string(FSource.Palette.size()));
        }
        if (!scale.empty()) {
            if (scale != "scale" || !(words >> picture.Scale) || picture.Scale < 1 || picture.Scale > MaxScale) {
                Fail("a bitmap's scale is \"scale\" and 1 to " + std::to_string(MaxScale));
            }
        }
        picture.Palette = FSource.Palette;
        FSource.Pictures.push_back(std::move(picture));
    }

    void ReadRow(const std::string& line) {
        if (FSource.Pictures.empty()) {
            Fail("a row before the first picture");
        }
        TPicture& picture = FSource.Pictures.back();
        if (line.size() < 3 || line.back() != '|') {
            Fail("a row is pixels between two bars");
        }
        const std::string row = line.substr(1, line.size() - 2);
        for (const char pixel : row) {
            const TPaletteEntry* entry = picture.Find(pixel);
            if (!entry) {
                Fail(std::string("the pixel \"") + pixel + "\" has no palette entry");
            }
            if (entry->Gradient && picture.Bits != 24) {
                Fail(std::string("the gradient \"") + pixel + "\" needs a 24-bit bitmap");
            }
        }
        if (!picture.Rows.empty() && row.size() != picture.Rows.front().size()) {
            Fail("a row of " + picture.Name + " is " + std::to_string(row.size()) + " wide, not " +
                 std::to_string(picture.Rows.front().size()));
        }
        picture.Rows.push_back(row);
    }

    void ReadTexture(std::istringstream& words) {
        try {
            FSource.Textures.push_back(artgen::ReadTextureLine(words));
        } catch (const std::invalid_argument& error) {
            Fail(error.what());
        }
    }

    void ReadFrame(const std::string& operations) {
        if (FSource.Textures.empty()) {
            Fail("a frame before the first texture");
        }
        try {
            artgen::CheckFrameLine(operations);
        } catch (const std::invalid_argument& error) {
            Fail(error.what());
        }
        FSource.Textures.back().Frames.push_back(operations);
    }

    void CheckLastPicture() const {
        if (FSource.Pictures.empty()) {
            return;
        }
        const TPicture& last = FSource.Pictures.back();
        if (last.Rows.empty()) {
            Fail("the picture " + last.Name + " has no rows");
        }
        if (last.IsCursor && (last.Rows.size() != CursorSize || last.Rows.front().size() != CursorSize)) {
            Fail("the cursor " + last.Name + " is not 32 x 32 pixels");
        }
    }

    std::string FPath;
    int FLine = 0;
    TSource FSource;
};

void PutLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
    }
}

int PaletteIndex(const TPicture& picture, char pixel) {
    return static_cast<int>(picture.Find(pixel) - picture.Palette.data());
}

// The colour of an entry in pixel row y of height rows: a gradient's share of the way from top to bottom.
uint32_t ColorAt(const TPaletteEntry& entry, uint32_t y, uint32_t height) {
    if (!entry.Gradient || height < 2) {
        return entry.Color;
    }
    uint32_t rgb = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t top = entry.Color >> shift & 0xFF;
        const uint32_t bottom = entry.BottomColor >> shift & 0xFF;
        const uint32_t channel = (top * (height - 1 - y) + bottom * y + (height - 1) / 2) / (height - 1);
        rgb |= channel << shift;
    }
    return rgb;
}

// Pixel row y of a picture height pixels high as the BMP file holds it, each character drawn Scale pixels wide,
// padded to four bytes.
std::string EncodeRow(const TPicture& picture, const std::string& row, uint32_t y, uint32_t height) {
    std::string pixels;
    for (const char pixel : row) {
        pixels.append(static_cast<size_t>(picture.Scale), pixel);
    }
    std::string bytes;
    if (picture.Bits == 24) {
        for (const char pixel : pixels) {
            const uint32_t rgb = ColorAt(*picture.Find(pixel), y, height);
            bytes.push_back(static_cast<char>(rgb & 0xFF));
            bytes.push_back(static_cast<char>(rgb >> 8 & 0xFF));
            bytes.push_back(static_cast<char>(rgb >> 16 & 0xFF));
        }
    } else {
        for (size_t x = 0; x < pixels.size(); x += 2) {
            const int high = PaletteIndex(picture, pixels[x]);
            const int low = x + 1 < pixels.size() ? PaletteIndex(picture, pixels[x + 1]) : 0;
            bytes.push_back(static_cast<char>(high << 4 | low));
        }
    }
    bytes.resize((bytes.size() + 3) / 4 * 4, '\0');
    return bytes;
}

std::string EncodeBitmap(const TPicture& picture) {
    const auto scale = static_cast<uint32_t>(picture.Scale);
    const auto width = static_cast<uint32_t>(picture.Rows.front().size()) * scale;
    const auto height = static_cast<uint32_t>(picture.Rows.size()) * scale;
    const uint32_t paletteSize = picture.Bits == 4 ? 16 * 4 : 0;
    std::string pixels;
    for (uint32_t y = height; y-- > 0;) {
        pixels += EncodeRow(picture, picture.Rows[y / scale], y, height);
    }
    constexpr uint32_t fileHeaderSize = 14;
    constexpr uint32_t infoHeaderSize = 40;
    const uint32_t offset = fileHeaderSize + infoHeaderSize + paletteSize;
    std::string out = "BM";
    PutLittleEndian(out, offset + static_cast<uint32_t>(pixels.size()), 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, offset, 4);
    PutLittleEndian(out, infoHeaderSize, 4);
    PutLittleEndian(out, width, 4);
    PutLittleEndian(out, height, 4);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, static_cast<uint32_t>(picture.Bits), 2);
    PutLittleEndian(out, 0, 4); // BI_RGB
    PutLittleEndian(out, static_cast<uint32_t>(pixels.size()), 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, picture.Bits == 4 ? 16 : 0, 4);
    PutLittleEndian(out, 0, 4);
    if (picture.Bits == 4) {
        for (size_t index = 0; index < 16; ++index) {
            const uint32_t rgb = index < picture.Palette.size() ? picture.Palette[index].Color : 0;
            // RGBQUAD: blue, green, red, reserved; RRGGBB written little-endian gives that order.
            PutLittleEndian(out, rgb, 4);
        }
    }
    return out + pixels;
}

// One mask row of a cursor: a bit per pixel, set where the pixel has setColor, the first pixel in the highest bit.
std::string EncodeMaskRow(const TPicture& picture, const std::string& row, uint32_t setColor) {
    std::string bytes(CursorSize / 8, '\0');
    for (size_t x = 0; x < row.size(); ++x) {
        if (picture.Find(row[x])->Color == setColor) {
            bytes[x / 8] = static_cast<char>(bytes[x / 8] | (0x80 >> (x % 8)));
        }
    }
    return bytes;
}

// A .cur file: the directory with the hot spot, then a 1-bit DIB twice the height, the colour mask (white bits)
// above the transparency mask, both bottom-up.
std::string EncodeCursor(const TPicture& picture) {
    std::string colorMask;
    std::string transparencyMask;
    for (auto row = picture.Rows.rbegin(); row != picture.Rows.rend(); ++row) {
        colorMask += EncodeMaskRow(picture, *row, CursorWhite);
        transparencyMask += EncodeMaskRow(picture, *row, CursorTransparent);
    }
    constexpr uint32_t directorySize = 6 + 16;
    constexpr uint32_t infoHeaderSize = 40;
    const auto imageSize = static_cast<uint32_t>(infoHeaderSize + 2 * 4 + colorMask.size() + transparencyMask.size());
    std::string out;
    PutLittleEndian(out, 0, 2);
    PutLittleEndian(out, 2, 2); // a cursor
    PutLittleEndian(out, 1, 2);
    out.push_back(static_cast<char>(CursorSize));
    out.push_back(static_cast<char>(CursorSize));
    out.push_back(2); // colours
    out.push_back(0);
    PutLittleEndian(out, static_cast<uint32_t>(picture.HotSpotX), 2);
    PutLittleEndian(out, static_cast<uint32_t>(picture.HotSpotY), 2);
    PutLittleEndian(out, imageSize, 4);
    PutLittleEndian(out, directorySize, 4);
    PutLittleEndian(out, infoHeaderSize, 4);
    PutLittleEndian(out, CursorSize, 4);
    PutLittleEndian(out, 2 * CursorSize, 4);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 0, 4); // BI_RGB
    PutLittleEndian(out, static_cast<uint32_t>(colorMask.size() + transparencyMask.size()), 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 2, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 0x000000, 4);
    PutLittleEndian(out, 0xFFFFFF, 4);
    return out + colorMask + transparencyMask;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: artgen <output root> <source>...\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = std::filesystem::path(argv[1]) / OutputFolder;
        for (int argument = 2; argument < argc; ++argument) {
            const TSource source = TSourceReader(argv[argument]).Read();
            for (const TPicture& picture : source.Pictures) {
                if (picture.IsCursor) {
                    tools::WriteIfChanged(folder / (picture.Name + ".cur"), EncodeCursor(picture));
                } else {
                    tools::WriteIfChanged(folder / (picture.Name + ".bmp"), EncodeBitmap(picture));
                }
            }
            for (const artgen::TTexture& texture : source.Textures) {
                const std::vector<uint8_t> png = artgen::DrawTexture(texture);
                tools::WriteIfChanged(std::filesystem::path(argv[1]) / TextureFolder / texture.Path,
                                      std::string(png.begin(), png.end()));
            }
        }
    } catch (const std::exception& error) {
        std::cerr << "artgen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
