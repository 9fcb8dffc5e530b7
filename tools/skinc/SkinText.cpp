#include "tools/skinc/SkinText.h"

#include "rtl/io/Streams.h"
#include "rtl/text/CodePages.h"
#include "tools/support/GeneratedFiles.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace tools {

namespace {

constexpr std::array<const char*, ui::SkinElementStateCount> StateNames = {
    "normal",      "hot",     "pressed",  "disabled",       "active",      "focused",
    "droppeddown", "checked", "hotcheck", "activedisabled", "checkpressed"};
constexpr std::array<const char*, 3> StretchNames = {"stretch", "tile", "noresize"};
constexpr std::array<const char*, 2> LayoutNames = {"horizontal", "vertical"};
constexpr std::array<const char*, 4> GradientNames = {"horizontal", "vertical", "forwarddiagonal", "backwarddiagonal"};
constexpr std::array<const char*, 4> SideNames = {"left", "top", "right", "bottom"};

// ---- Writing ----

std::string ColorText(vcl::TColor color) {
    if (color == vcl::clNone) {
        return "clNone";
    }
    if (color == vcl::clDefault) {
        return "clDefault";
    }
    char text[16];
    const auto value = static_cast<uint32_t>(color);
    if ((value & 0xFF000000u) == 0) {
        std::snprintf(text, sizeof(text), "#%02X%02X%02X", value & 0xFF, value >> 8 & 0xFF, value >> 16 & 0xFF);
    } else {
        std::snprintf(text, sizeof(text), "$%08X", value);
    }
    return text;
}

std::string QuotedAnsi(const std::string& bytes) {
    std::string text = "\"";
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (byte == '"' || byte == '\\') {
            text += '\\';
            text += byte;
        } else if (code < 0x20 || code >= 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof(escape), "\\x%02X", code);
            text += escape;
        } else {
            text += byte;
        }
    }
    return text + "\"";
}

std::string QuotedWide(const rtl::UnicodeString& value) {
    std::string text = "\"";
    for (const char16_t unit : value) {
        if (unit == u'"' || unit == u'\\') {
            text += '\\';
            text += static_cast<char>(unit);
        } else if (unit < 0x20 || unit >= 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof(escape), "\\u%04X", static_cast<unsigned>(unit));
            text += escape;
        } else {
            text += static_cast<char>(unit);
        }
    }
    return text + "\"";
}

// A name bare when it is a plain word, else quoted.
std::string NameText(const std::string& name) {
    const bool plain = !name.empty() && name.find_first_of(" \t\"#=\\") == std::string::npos &&
                       std::all_of(name.begin(), name.end(), [](char c) { return c > 0x20 && c < 0x7F; });
    return plain ? name : QuotedAnsi(name);
}

std::string RectText(const vcl::TRect& rect) {
    return std::to_string(rect.Left) + "," + std::to_string(rect.Top) + "," + std::to_string(rect.Right) + "," +
           std::to_string(rect.Bottom);
}

std::string PropertyValueText(const ui::TuxSkinProperty& property) {
    if (const auto* wide = dynamic_cast<const ui::TuxSkinWideStringProperty*>(&property)) {
        return QuotedWide(wide->WideValue());
    }
    if (const auto* text = dynamic_cast<const ui::TuxSkinStringProperty*>(&property)) {
        return QuotedAnsi(text->Value());
    }
    if (const auto* integer = dynamic_cast<const ui::TuxSkinIntegerProperty*>(&property)) {
        return std::to_string(integer->Value());
    }
    if (const auto* boolean = dynamic_cast<const ui::TuxSkinBooleanProperty*>(&property)) {
        return boolean->Value() ? "true" : "false";
    }
    if (const auto* color = dynamic_cast<const ui::TuxSkinColor*>(&property)) {
        return ColorText(color->Value());
    }
    if (const auto* rect = dynamic_cast<const ui::TuxSkinRectProperty*>(&property)) {
        return RectText(rect->Value());
    }
    const auto& size = dynamic_cast<const ui::TuxSkinSizeProperty&>(property);
    return std::to_string(size.Value().cx) + "," + std::to_string(size.Value().cy);
}

void WriteProperties(std::ostringstream& out, const ui::TuxSkinPersistent& persistent, const char* indent) {
    for (int32_t i = 0; i < persistent.GetPropertyCount(); ++i) {
        const ui::TuxSkinProperty& property = *persistent.GetProperty(i);
        out << indent << "property " << NameText(property.Name()) << " "
            << rtl::UnicodeToAnsi(property.GetTypeName(), rtl::cpUtf8) << " " << PropertyValueText(property) << "\n";
    }
}

class TSkinTextWriter {
public:
    TSkinTextWriter(const ui::TuxSkin& skin, std::filesystem::path folder) : FSkin(skin), FFolder(std::move(folder)) {}

    std::string Write() {
        FOut << "skin " << QuotedAnsi(FSkin.Name()) << "\n";
        for (int32_t i = 0; i < FSkin.Colors().Count(); ++i) {
            const ui::TuxSkinColor& color = *FSkin.Colors().Color(i);
            FOut << "color " << NameText(color.Name()) << " " << ColorText(color.Value()) << "\n";
        }
        WriteProperties(FOut, FSkin, "");
        for (int32_t i = 0; i < FSkin.Groups().Count(); ++i) {
            WriteGroup(*FSkin.Groups().Item(i));
        }
        return FOut.str();
    }

private:
    void WriteGroup(const ui::TuxSkinControlGroup& group) {
        FOut << "\ngroup " << NameText(group.Name()) << "\n";
        WriteProperties(FOut, group, "  ");
        for (int32_t i = 0; i < group.Count(); ++i) {
            WriteElement(group, *group.Element(i));
        }
    }

    void WriteElement(const ui::TuxSkinControlGroup& group, ui::TuxSkinElement& element) {
        FOut << "  element " << NameText(element.Name());
        if (element.Color() != vcl::clDefault) {
            FOut << " color=" << ColorText(element.Color());
        }
        if (element.Alpha() != 255) {
            FOut << " alpha=" << int(element.Alpha());
        }
        if (element.ImageCount() != 1) {
            FOut << " imagecount=" << element.ImageCount();
        }
        if (element.ContentOffset() != vcl::TRect{}) {
            FOut << " contentoffset=" << RectText(element.ContentOffset());
        }
        if (element.TextColor() != vcl::clDefault) {
            FOut << " textcolor=" << ColorText(element.TextColor());
        }
        if (element.MinSize() != vcl::TSize{}) {
            FOut << " minsize=" << element.MinSize().cx << "," << element.MinSize().cy;
        }
        FOut << "\n";
        WriteImage("image", group, element, element.Image());
        WriteImage("glyph", group, element, element.Glyph());
        for (size_t side = 0; side < SideNames.size(); ++side) {
            const ui::TuxSkinBorder& border = element.Borders().Side(static_cast<ui::TuxSkinBorderSide>(side));
            if (border.Color() != vcl::clNone || border.Thin() != 1) {
                FOut << "    border " << SideNames[side] << " " << ColorText(border.Color()) << " " << border.Thin()
                     << "\n";
            }
        }
        WriteProperties(FOut, element, "    ");
    }

    void WriteImage(const char* keyword, const ui::TuxSkinControlGroup& group, const ui::TuxSkinElement& element,
                    const ui::TuxSkinImage& image) {
        std::ostringstream line;
        if (!image.Texture().Empty()) {
            const std::string name = group.Name() + "/" + element.GetImageFileName(image);
            rtl::TStringStream png;
            image.Texture().SaveToStream(png);
            WriteIfChanged(FFolder / name, png.DataString());
            line << " texture=" << QuotedAnsi(name);
        }
        if (!image.States().IsEmpty()) {
            line << " states=";
            const char* separator = "";
            for (size_t state = 0; state < StateNames.size(); ++state) {
                if (image.States().Contains(static_cast<ui::TuxSkinElementState>(state))) {
                    line << separator << StateNames[state];
                    separator = ",";
                }
            }
        }
        if (image.ImageLayout() != ui::ilHorizontal) {
            line << " layout=" << LayoutNames[image.ImageLayout()];
        }
        if (image.Stretch() != ui::smStretch) {
            line << " stretch=" << StretchNames[image.Stretch()];
        }
        if (image.Margins() != vcl::TRect{}) {
            line << " margins=" << RectText(image.Margins());
        }
        if (image.Gradient() != ui::gmHorizontal) {
            line << " gradient=" << GradientNames[image.Gradient()];
        }
        if (image.GradientBeginColor() != vcl::clNone) {
            line << " begin=" << ColorText(image.GradientBeginColor());
        }
        if (image.GradientEndColor() != vcl::clNone) {
            line << " end=" << ColorText(image.GradientEndColor());
        }
        if (!line.str().empty()) {
            FOut << "    " << keyword << line.str() << "\n";
        }
    }

    const ui::TuxSkin& FSkin;
    std::filesystem::path FFolder;
    std::ostringstream FOut;
};

// ---- Reading ----

// The words of a line: bare words, quoted texts (kept with their quotes, escapes resolved later) and key=value pairs.
std::vector<std::string> SplitWords(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            word += c;
            if (c == '\\' && i + 1 < line.size()) {
                word += line[++i];
            } else if (c == '"') {
                quoted = false;
            }
        } else if (c == '#' && word.empty() && words.empty()) {
            break;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            if (!word.empty()) {
                words.push_back(std::move(word));
                word.clear();
            }
        } else {
            quoted = c == '"';
            word += c;
        }
    }
    if (quoted) {
        throw std::invalid_argument("a text without its closing quote");
    }
    if (!word.empty()) {
        words.push_back(std::move(word));
    }
    return words;
}

int32_t ParseInteger(const std::string& text) {
    size_t used = 0;
    long long value = 0;
    try {
        value = std::stoll(text, &used, 10);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || text.empty() || value < INT32_MIN || value > INT32_MAX) {
        throw std::invalid_argument("\"" + text + "\" is not an integer");
    }
    return static_cast<int32_t>(value);
}

std::vector<int32_t> ParseIntegers(const std::string& text, size_t count) {
    std::vector<int32_t> values;
    std::istringstream parts(text);
    std::string part;
    while (std::getline(parts, part, ',')) {
        values.push_back(ParseInteger(part));
    }
    if (values.size() != count) {
        throw std::invalid_argument("\"" + text + "\" is not " + std::to_string(count) + " integers");
    }
    return values;
}

vcl::TRect ParseRect(const std::string& text) {
    const std::vector<int32_t> v = ParseIntegers(text, 4);
    return {v[0], v[1], v[2], v[3]};
}

vcl::TSize ParseSize(const std::string& text) {
    const std::vector<int32_t> v = ParseIntegers(text, 2);
    return {v[0], v[1]};
}

uint32_t ParseHex(const std::string& digits) {
    if (digits.empty() || digits.find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos) {
        throw std::invalid_argument("\"" + digits + "\" is not hexadecimal");
    }
    return static_cast<uint32_t>(std::stoul(digits, nullptr, 16));
}

vcl::TColor ParseColor(const std::string& text) {
    if (text == "clNone") {
        return vcl::clNone;
    }
    if (text == "clDefault") {
        return vcl::clDefault;
    }
    if (text.size() == 7 && text[0] == '#') {
        const uint32_t rgb = ParseHex(text.substr(1));
        return static_cast<vcl::TColor>((rgb & 0xFF) << 16 | (rgb & 0xFF00) | rgb >> 16);
    }
    if (text.size() == 9 && text[0] == '$') {
        return static_cast<vcl::TColor>(ParseHex(text.substr(1)));
    }
    throw std::invalid_argument("\"" + text + "\" is not a colour");
}

// The units of a quoted text: bytes for \xHH, UTF-16 units for \uXXXX, the line's bytes otherwise.
std::vector<uint32_t> UnquoteUnits(const std::string& text) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') {
        throw std::invalid_argument(text + " is not a quoted text");
    }
    std::vector<uint32_t> units;
    for (size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] != '\\') {
            units.push_back(static_cast<unsigned char>(text[i]));
            continue;
        }
        const char kind = text[++i];
        const size_t digits = kind == 'x' ? 2 : kind == 'u' ? 4 : 0;
        if (digits == 0) {
            units.push_back(static_cast<unsigned char>(kind));
            continue;
        }
        units.push_back(ParseHex(text.substr(i + 1, digits)));
        i += digits;
    }
    return units;
}

std::string UnquoteAnsi(const std::string& text) {
    std::string bytes;
    for (const uint32_t unit : UnquoteUnits(text)) {
        if (unit > 0xFF) {
            throw std::invalid_argument("an ANSI text holds bytes only");
        }
        bytes.push_back(static_cast<char>(unit));
    }
    return bytes;
}

rtl::UnicodeString UnquoteWide(const std::string& text) {
    rtl::UnicodeString value;
    for (const uint32_t unit : UnquoteUnits(text)) {
        value.push_back(static_cast<char16_t>(unit));
    }
    return value;
}

std::string NameOf(const std::string& word) {
    return word.front() == '"' ? UnquoteAnsi(word) : word;
}

template <size_t N>
uint8_t ParseChoice(const std::string& text, const std::array<const char*, N>& names, const char* what) {
    for (size_t i = 0; i < N; ++i) {
        if (text == names[i]) {
            return static_cast<uint8_t>(i);
        }
    }
    throw std::invalid_argument("\"" + text + "\" is no " + what);
}

std::map<std::string, std::string> ParseAttributes(const std::vector<std::string>& words, size_t first) {
    std::map<std::string, std::string> attributes;
    for (size_t i = first; i < words.size(); ++i) {
        const size_t equals = words[i].find('=');
        if (equals == std::string::npos || equals == 0) {
            throw std::invalid_argument("\"" + words[i] + "\" is not key=value");
        }
        if (!attributes.emplace(words[i].substr(0, equals), words[i].substr(equals + 1)).second) {
            throw std::invalid_argument("\"" + words[i].substr(0, equals) + "\" given twice");
        }
    }
    return attributes;
}

class TSkinTextReader {
public:
    explicit TSkinTextReader(std::filesystem::path path) : FPath(std::move(path)) {}

    std::unique_ptr<ui::TuxSkin> Read() {
        std::ifstream file(FPath, std::ios::binary);
        if (!file) {
            throw std::runtime_error(FPath.string() + ": cannot be read");
        }
        std::string line;
        while (std::getline(file, line)) {
            ++FLine;
            try {
                ReadLine(SplitWords(line));
            } catch (const std::exception& error) {
                throw std::runtime_error(FPath.string() + ":" + std::to_string(FLine) + ": " + error.what());
            }
        }
        if (!FSkin) {
            throw std::runtime_error(FPath.string() + ": no skin statement");
        }
        return std::move(FSkin);
    }

private:
    void ReadLine(const std::vector<std::string>& words) {
        if (words.empty()) {
            return;
        }
        const std::string& keyword = words[0];
        if (keyword == "skin") {
            Expect(words, 2);
            if (FSkin) {
                throw std::invalid_argument("a second skin statement");
            }
            FSkin = std::make_unique<ui::TuxSkin>(UnquoteAnsi(words[1]));
            return;
        }
        if (!FSkin) {
            throw std::invalid_argument("the text starts with the skin statement");
        }
        if (keyword == "color") {
            Expect(words, 3);
            FSkin->Colors().AddColor(NameOf(words[1]), ParseColor(words[2]));
        } else if (keyword == "property") {
            ReadProperty(words);
        } else if (keyword == "group") {
            Expect(words, 2);
            FGroup = FSkin->AddGroup(NameOf(words[1]));
            FElement = nullptr;
        } else if (keyword == "element") {
            ReadElement(words);
        } else if (keyword == "image" || keyword == "glyph") {
            ReadImage(keyword == "image" ? CurrentElement().Image() : CurrentElement().Glyph(), words);
        } else if (keyword == "border") {
            Expect(words, 4);
            ui::TuxSkinBorder& border = CurrentElement().Borders().Side(
                static_cast<ui::TuxSkinBorderSide>(ParseChoice(words[1], SideNames, "border side")));
            border.SetColor(ParseColor(words[2]));
            border.SetThin(ParseInteger(words[3]));
        } else {
            throw std::invalid_argument("unknown statement \"" + keyword + "\"");
        }
    }

    static void Expect(const std::vector<std::string>& words, size_t count) {
        if (words.size() != count) {
            throw std::invalid_argument("\"" + words[0] + "\" takes " + std::to_string(count - 1) + " values");
        }
    }

    ui::TuxSkinElement& CurrentElement() const {
        if (!FElement) {
            throw std::invalid_argument("no element above");
        }
        return *FElement;
    }

    ui::TuxSkinPersistent& CurrentPersistent() const {
        if (FElement) {
            return *FElement;
        }
        if (FGroup) {
            return *FGroup;
        }
        return *FSkin;
    }

    void ReadProperty(const std::vector<std::string>& words) {
        Expect(words, 4);
        const ui::TuxSkinPropertyClass* propertyClass =
            ui::FindSkinPropertyType(rtl::AnsiToUnicode(words[2], rtl::cpUtf8));
        if (!propertyClass) {
            throw std::invalid_argument("\"" + words[2] + "\" is no property type");
        }
        ui::TuxSkinProperty& property =
            *CurrentPersistent().Properties().AddProperty(NameOf(words[1]), *propertyClass->Metaclass);
        const std::string& value = words[3];
        if (auto* wide = dynamic_cast<ui::TuxSkinWideStringProperty*>(&property)) {
            wide->SetWideValue(UnquoteWide(value));
        } else if (auto* text = dynamic_cast<ui::TuxSkinStringProperty*>(&property)) {
            text->SetValue(UnquoteAnsi(value));
        } else if (auto* integer = dynamic_cast<ui::TuxSkinIntegerProperty*>(&property)) {
            integer->SetValue(ParseInteger(value));
        } else if (auto* boolean = dynamic_cast<ui::TuxSkinBooleanProperty*>(&property)) {
            boolean->SetValue(ParseChoice(value, std::array<const char*, 2>{"false", "true"}, "boolean") != 0);
        } else if (auto* color = dynamic_cast<ui::TuxSkinColor*>(&property)) {
            color->SetValue(ParseColor(value));
        } else if (auto* rect = dynamic_cast<ui::TuxSkinRectProperty*>(&property)) {
            rect->SetValue(ParseRect(value));
        } else {
            dynamic_cast<ui::TuxSkinSizeProperty&>(property).SetValue(ParseSize(value));
        }
    }

    void ReadElement(const std::vector<std::string>& words) {
        if (!FGroup) {
            throw std::invalid_argument("an element outside a group");
        }
        if (words.size() < 2) {
            throw std::invalid_argument("an element needs a name");
        }
        FElement = FGroup->AddElement(NameOf(words[1]));
        for (const auto& [key, value] : ParseAttributes(words, 2)) {
            if (key == "color") {
                FElement->SetColor(ParseColor(value));
            } else if (key == "alpha") {
                const int32_t alpha = ParseInteger(value);
                if (alpha < 0 || alpha > 255) {
                    throw std::invalid_argument("an alpha of " + value);
                }
                FElement->SetAlpha(static_cast<uint8_t>(alpha));
            } else if (key == "imagecount") {
                FElement->SetImageCount(ParseInteger(value));
            } else if (key == "contentoffset") {
                FElement->SetContentOffset(ParseRect(value));
            } else if (key == "textcolor") {
                FElement->SetTextColor(ParseColor(value));
            } else if (key == "minsize") {
                FElement->SetMinSize(ParseSize(value));
            } else {
                throw std::invalid_argument("an element has no \"" + key + "\"");
            }
        }
    }

    void ReadImage(ui::TuxSkinImage& image, const std::vector<std::string>& words) const {
        for (const auto& [key, value] : ParseAttributes(words, 1)) {
            if (key == "texture") {
                LoadTexture(image, UnquoteAnsi(value));
            } else if (key == "states") {
                ui::TuxSkinElementStates states;
                std::istringstream names(value);
                std::string name;
                while (std::getline(names, name, ',')) {
                    states.Include(static_cast<ui::TuxSkinElementState>(ParseChoice(name, StateNames, "state")));
                }
                image.SetStates(states);
            } else if (key == "layout") {
                image.SetImageLayout(static_cast<ui::TuxSkinImageLayout>(ParseChoice(value, LayoutNames, "layout")));
            } else if (key == "stretch") {
                image.SetStretch(static_cast<ui::TuxSkinStretchMode>(ParseChoice(value, StretchNames, "stretch")));
            } else if (key == "margins") {
                image.SetMargins(ParseRect(value));
            } else if (key == "gradient") {
                image.SetGradient(static_cast<ui::TuxSkinGradientMode>(ParseChoice(value, GradientNames, "gradient")));
            } else if (key == "begin") {
                image.SetGradientBeginColor(ParseColor(value));
            } else if (key == "end") {
                image.SetGradientEndColor(ParseColor(value));
            } else {
                throw std::invalid_argument("an image has no \"" + key + "\"");
            }
        }
    }

    void LoadTexture(ui::TuxSkinImage& image, const std::string& name) const {
        const std::filesystem::path path = FPath.parent_path() / name;
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            throw std::invalid_argument("the texture " + path.string() + " cannot be read");
        }
        rtl::TStringStream png(std::string(std::istreambuf_iterator<char>(file), {}));
        image.LoadTexture(png);
    }

    std::filesystem::path FPath;
    int FLine = 0;
    std::unique_ptr<ui::TuxSkin> FSkin;
    ui::TuxSkinControlGroup* FGroup = nullptr; // not owned
    ui::TuxSkinElement* FElement = nullptr;    // not owned
};

} // namespace

std::unique_ptr<ui::TuxSkin> ReadSkinText(const std::filesystem::path& path) {
    return TSkinTextReader(path).Read();
}

std::string WriteSkinText(const ui::TuxSkin& skin, const std::filesystem::path& folder) {
    return TSkinTextWriter(skin, folder).Write();
}

} // namespace tools
