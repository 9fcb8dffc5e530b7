#include "tests/ui/core/skins/SkinTestSupport.h"

#include "rtl/io/Streams.h"

#include <bit>

namespace ui_test {

TSkinBytes& TSkinBytes::Int32(int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        FData.push_back(static_cast<char>(bits >> shift));
    }
    return *this;
}

TSkinBytes& TSkinBytes::Byte(uint8_t value) {
    FData.push_back(static_cast<char>(value));
    return *this;
}

TSkinBytes& TSkinBytes::Word(uint16_t value) {
    return Byte(static_cast<uint8_t>(value)).Byte(static_cast<uint8_t>(value >> 8));
}

TSkinBytes& TSkinBytes::Double(double value) {
    const auto bits = std::bit_cast<uint64_t>(value);
    for (int shift = 0; shift < 64; shift += 8) {
        FData.push_back(static_cast<char>(bits >> shift));
    }
    return *this;
}

TSkinBytes& TSkinBytes::Raw(const std::string& bytes) {
    FData += bytes;
    return *this;
}

TSkinBytes& TSkinBytes::Ansi(const std::string& text) {
    return Int32(static_cast<int32_t>(text.size())).Raw(text);
}

TSkinBytes& TSkinBytes::Wide(const rtl::UnicodeString& text) {
    Int32(static_cast<int32_t>(text.size()));
    for (const char16_t unit : text) {
        Word(static_cast<uint16_t>(unit));
    }
    return *this;
}

TSkinBytes& TSkinBytes::Header(double version, int32_t firstFour) {
    return Int32(firstFour).Raw("uxSkin").Double(version);
}

TSkinBytes& TSkinBytes::Image(bool withGradient, const std::string& png) {
    Int32(0).Int32(0).Int32(0).Int32(0).Byte(0).Word(1).Byte(0);
    if (withGradient) {
        Int32(static_cast<int32_t>(vcl::clNone)).Int32(static_cast<int32_t>(vcl::clNone)).Byte(0);
    }
    return Int32(static_cast<int32_t>(png.size())).Raw(png);
}

std::string FlatFramesPng(int32_t frameWidth, int32_t height, const std::vector<uint32_t>& frameColors,
                          tools::TPngColorType colorType, int bitDepth) {
    tools::TPngPicture picture(frameWidth * static_cast<int32_t>(frameColors.size()), height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < picture.Width; ++x) {
            picture.At(x, y) = frameColors[static_cast<size_t>(x / frameWidth)];
        }
    }
    const std::vector<uint8_t> png = tools::EncodePng(picture, colorType, bitDepth);
    return std::string(png.begin(), png.end());
}

namespace {

void LoadSampleTexture(ui::TuxSkinImage& image, const std::string& png) {
    rtl::TStringStream stream(png);
    image.LoadTexture(stream);
}

void AddSampleProperties(ui::TuxSkinPersistent& persistent) {
    ui::TuxSkinProperties& properties = persistent.Properties();
    static_cast<ui::TuxSkinIntegerProperty*>(
        properties.AddProperty("FontDelta", ui::TuxSkinIntegerProperty::StaticClass()))
        ->SetValue(-3);
    static_cast<ui::TuxSkinBooleanProperty*>(
        properties.AddProperty("MergeBorders", ui::TuxSkinBooleanProperty::StaticClass()))
        ->SetValue(true);
    properties.AddColor("TextColorHot", vcl::clRed);
    static_cast<ui::TuxSkinRectProperty*>(properties.AddProperty("Padding", ui::TuxSkinRectProperty::StaticClass()))
        ->SetValue({1, 2, 3, 4});
    static_cast<ui::TuxSkinSizeProperty*>(properties.AddProperty("Extent", ui::TuxSkinSizeProperty::StaticClass()))
        ->SetValue({5, 6});
    static_cast<ui::TuxSkinStringProperty*>(properties.AddProperty("Note", ui::TuxSkinStringProperty::StaticClass()))
        ->SetValue("plain");
}

} // namespace

std::unique_ptr<ui::TuxSkin> MakeSampleSkin() {
    auto skin = std::make_unique<ui::TuxSkin>("Sample");
    skin->Colors().AddColor("ContentColor", 0x00FFEFE3);
    skin->Colors().AddColor("SelectionColor", vcl::clHighlight);
    static_cast<ui::TuxSkinWideStringProperty*>(
        skin->Properties().AddProperty("DisplayName", ui::TuxSkinWideStringProperty::StaticClass()))
        ->SetWideValue(u"Sample \u84dd");
    ui::TuxSkinControlGroup* common = skin->AddGroup("Common");
    AddSampleProperties(*common);
    ui::TuxSkinElement* header = common->AddElement("Header");
    header->SetColor(0x00FDEFE3);
    header->SetAlpha(200);
    header->SetImageCount(2);
    header->SetContentOffset({2, 3, 4, 5});
    header->SetTextColor(vcl::clBlue);
    header->SetMinSize({7, 8});
    header->Image().SetStates(ui::TuxSkinElementStates{ui::esNormal, ui::esHot});
    header->Image().SetMargins({3, 3, 3, 3});
    header->Image().SetStretch(ui::smTile);
    header->Image().SetGradientBeginColor(vcl::clWhite);
    header->Image().SetGradientEndColor(vcl::clNavy);
    header->Image().SetGradient(ui::gmBackwardDiagonal);
    LoadSampleTexture(header->Image(), FlatFramesPng(10, 12, {0xFFFF0000, 0xFF00FF00, 0x80FF0000, 0x8000FF00}));
    header->Glyph().SetImageLayout(ui::ilVertical);
    header->Glyph().SetStretch(ui::smNoResize);
    LoadSampleTexture(header->Glyph(), FlatFramesPng(4, 4, {0xFF0000FF}, tools::TPngColorType::Indexed, 1));
    header->Borders().Left().SetColor(vcl::clRed);
    header->Borders().Bottom().SetThin(2);
    AddSampleProperties(*header);
    skin->AddGroup("Grid")->AddElement("FooterCell");
    return skin;
}

std::string SaveSkin(const ui::TuxSkin& skin) {
    rtl::TStringStream stream;
    skin.SaveToStream(stream);
    return stream.DataString();
}

std::unique_ptr<ui::TuxSkin> LoadSkin(const std::string& bytes) {
    auto skin = std::make_unique<ui::TuxSkin>("Fresh");
    rtl::TStringStream stream(bytes);
    skin->LoadFromStream(stream);
    return skin;
}

} // namespace ui_test
