#pragma once
// What the skins' tests share: skin streams built field by field, flat-coloured PNG textures, and a small skin that
// holds one of everything a stream can carry.

#include "rtl/text/StringTypes.h"
#include "tools/support/PngWriter.h"
#include "ui/core/skins/elements/uxSkin.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ui_test {

// Little-endian fields appended one after another.
class TSkinBytes {
public:
    TSkinBytes& Int32(int32_t value);
    TSkinBytes& Byte(uint8_t value);
    TSkinBytes& Word(uint16_t value);
    TSkinBytes& Double(double value);
    TSkinBytes& Raw(const std::string& bytes);
    // An int32 length, then the bytes.
    TSkinBytes& Ansi(const std::string& text);
    // An int32 count, then UTF-16LE units.
    TSkinBytes& Wide(const rtl::UnicodeString& text);
    // The signature (first four bytes as given), "uxSkin" and the version.
    TSkinBytes& Header(double version, int32_t firstFour = 6);
    // An image record without a texture: margins, layout, states, stretch, then the gradient fields when
    // withGradient, then the texture size and bytes.
    TSkinBytes& Image(bool withGradient, const std::string& png = {});

    const std::string& Data() const { return FData; }

private:
    std::string FData;
};

// The PNG file of a picture whose frames, laid side by side, are each one colour (0xAARRGGBB).
std::string FlatFramesPng(int32_t frameWidth, int32_t height, const std::vector<uint32_t>& frameColors,
                          tools::TPngColorType colorType = tools::TPngColorType::TruecolorAlpha, int bitDepth = 8);

// A skin "Sample" with two colours, a property of every class, and two groups whose elements carry textures,
// borders, gradients and properties.
std::unique_ptr<ui::TuxSkin> MakeSampleSkin();
// The whole stream of a skin.
std::string SaveSkin(const ui::TuxSkin& skin);
// The skin a stream loads into a fresh skin named "Fresh".
std::unique_ptr<ui::TuxSkin> LoadSkin(const std::string& bytes);

// Counts the notices of a skin's listeners.
class TCountingSkinSink final : public ui::IuxSkinChangeSink {
public:
    void SkinChanged(ui::TuxSkin*) override { ++Count; }
    int Count = 0;
};

} // namespace ui_test
