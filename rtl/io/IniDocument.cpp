#include "rtl/io/IniDocument.h"

#include "rtl/text/CodePages.h"
#include "rtl/text/StringUtils.h"

namespace rtl {

namespace {

constexpr std::string_view Utf16Mark = "\xFF\xFE";
constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

UnicodeString DecodeUtf16(std::string_view bytes) {
    UnicodeString text(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        text[i] =
            static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) | static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
    }
    return text;
}

std::string EncodeUtf16(UnicodeStringView text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// Splits at CR LF, LF or CR; a last line without a break counts, an empty text has no lines.
std::vector<UnicodeStringView> SplitLines(UnicodeStringView text) {
    std::vector<UnicodeStringView> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

} // namespace

TIniDocument::TIniDocument(uint32_t ansiCodePage) : FAnsiCodePage(ansiCodePage) {}

TIniDocument TIniDocument::Parse(std::string_view bytes, uint32_t ansiCodePage) {
    TIniDocument document(ansiCodePage);
    UnicodeString text;
    if (bytes.starts_with(Utf16Mark)) {
        document.FEncoding = TIniEncoding::ieUtf16;
        text = DecodeUtf16(bytes.substr(Utf16Mark.size()));
    } else if (bytes.starts_with(Utf8Mark)) {
        document.FEncoding = TIniEncoding::ieUtf8;
        text = Utf8ToUnicode(bytes.substr(Utf8Mark.size()));
    } else {
        text = AnsiToUnicode(bytes, ansiCodePage);
    }
    for (const UnicodeStringView line : SplitLines(text)) {
        document.FLines.push_back(ParseLine(line));
    }
    return document;
}

std::string TIniDocument::Encode() const {
    UnicodeString text;
    for (const TLine& line : FLines) {
        text += LineText(line);
        text += u"\r\n";
    }
    switch (FEncoding) {
    case TIniEncoding::ieUtf16:
        return std::string(Utf16Mark) + EncodeUtf16(text);
    case TIniEncoding::ieUtf8:
        return std::string(Utf8Mark) + UnicodeToUtf8(text);
    default:
        return UnicodeToAnsi(text, FAnsiCodePage);
    }
}

TIniDocument::TLine TIniDocument::ParseLine(UnicodeStringView line) {
    const UnicodeString trimmed = Trim(line);
    if (trimmed.starts_with(u'[')) {
        const size_t close = trimmed.find(u']');
        return {TLineKind::Section, UnicodeString(line), Trim(UnicodeStringView(trimmed).substr(1, close - 1)), {}};
    }
    if (trimmed.empty() || trimmed.starts_with(u';')) {
        return {TLineKind::Other, UnicodeString(line), {}, {}};
    }
    const size_t equals = trimmed.find(u'=');
    if (equals == UnicodeString::npos) {
        return {TLineKind::Entry, UnicodeString(line), trimmed, {}};
    }
    const UnicodeStringView view(trimmed);
    return {TLineKind::Entry, UnicodeString(line), Trim(view.substr(0, equals)), Trim(view.substr(equals + 1))};
}

UnicodeString TIniDocument::LineText(const TLine& line) {
    return line.Kind == TLineKind::Entry && line.Text.empty() ? line.Name + u"=" + line.Value : line.Text;
}

int32_t TIniDocument::FindSection(UnicodeStringView section) const {
    for (size_t i = 0; i < FLines.size(); ++i) {
        if (FLines[i].Kind == TLineKind::Section && WideSameText(FLines[i].Name, section)) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

size_t TIniDocument::SectionEnd(size_t header) const {
    size_t end = header + 1;
    while (end < FLines.size() && FLines[end].Kind != TLineKind::Section) {
        ++end;
    }
    return end;
}

int32_t TIniDocument::FindEntry(UnicodeStringView section, UnicodeStringView key) const {
    const int32_t header = FindSection(section);
    if (header < 0) {
        return -1;
    }
    const size_t end = SectionEnd(static_cast<size_t>(header));
    for (size_t i = static_cast<size_t>(header) + 1; i < end; ++i) {
        if (FLines[i].Kind == TLineKind::Entry && WideSameText(FLines[i].Name, key)) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

bool TIniDocument::FindValue(UnicodeStringView section, UnicodeStringView key, UnicodeString& value) const {
    const int32_t entry = FindEntry(section, key);
    if (entry < 0) {
        return false;
    }
    value = FLines[static_cast<size_t>(entry)].Value;
    return true;
}

void TIniDocument::SetValue(UnicodeStringView section, UnicodeStringView key, UnicodeStringView value) {
    const TLine line{TLineKind::Entry, {}, UnicodeString(key), UnicodeString(value)};
    const int32_t entry = FindEntry(section, key);
    if (entry >= 0) {
        FLines[static_cast<size_t>(entry)] = line;
        return;
    }
    const int32_t header = FindSection(section);
    if (header < 0) {
        FLines.push_back({TLineKind::Section, u"[" + UnicodeString(section) + u"]", UnicodeString(section), {}});
        FLines.push_back(line);
        return;
    }
    // After the section's last entry, so the blank lines and comments that close it stay below.
    size_t position = static_cast<size_t>(header) + 1;
    for (size_t i = position; i < SectionEnd(static_cast<size_t>(header)); ++i) {
        position = FLines[i].Kind == TLineKind::Entry ? i + 1 : position;
    }
    FLines.insert(FLines.begin() + static_cast<std::ptrdiff_t>(position), line);
}

std::vector<UnicodeString> TIniDocument::SectionNames() const {
    std::vector<UnicodeString> names;
    for (size_t i = 0; i < FLines.size(); ++i) {
        if (FLines[i].Kind == TLineKind::Section && FindSection(FLines[i].Name) == static_cast<int32_t>(i)) {
            names.push_back(FLines[i].Name);
        }
    }
    return names;
}

std::vector<UnicodeString> TIniDocument::KeyNames(UnicodeStringView section) const {
    std::vector<UnicodeString> names;
    const int32_t header = FindSection(section);
    if (header < 0) {
        return names;
    }
    const size_t end = SectionEnd(static_cast<size_t>(header));
    for (size_t i = static_cast<size_t>(header) + 1; i < end; ++i) {
        if (FLines[i].Kind == TLineKind::Entry && FindEntry(section, FLines[i].Name) == static_cast<int32_t>(i)) {
            names.push_back(FLines[i].Name);
        }
    }
    return names;
}

bool TIniDocument::EraseSection(UnicodeStringView section) {
    const int32_t header = FindSection(section);
    if (header < 0) {
        return false;
    }
    const auto first = FLines.begin() + header;
    FLines.erase(first, FLines.begin() + static_cast<std::ptrdiff_t>(SectionEnd(static_cast<size_t>(header))));
    return true;
}

bool TIniDocument::DeleteKey(UnicodeStringView section, UnicodeStringView key) {
    const int32_t entry = FindEntry(section, key);
    if (entry < 0) {
        return false;
    }
    FLines.erase(FLines.begin() + entry);
    return true;
}

} // namespace rtl
