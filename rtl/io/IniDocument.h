#pragma once
// The text of an INI file read as lines: "[section]" headers, "key=value" entries and the lines that are neither
// (comments starting with ';', blank lines), which are kept as they stand. Section and key names compare
// case-insensitively; names and values are trimmed of blanks; where a name repeats, the first one counts. A file is
// UTF-16LE or UTF-8 after its byte-order mark, otherwise ANSI text, and is written back in the encoding it came in.

#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace rtl {

enum class TIniEncoding : uint8_t { ieAnsi, ieUtf8, ieUtf16 };

class TIniDocument {
public:
    // An empty document that will be written as ANSI text in ansiCodePage.
    explicit TIniDocument(uint32_t ansiCodePage);
    // Reads the bytes of a file; text without a byte-order mark is ANSI text in ansiCodePage.
    static TIniDocument Parse(std::string_view bytes, uint32_t ansiCodePage);
    // The bytes of the file: its byte-order mark, then every line ended by CR LF.
    std::string Encode() const;
    TIniEncoding Encoding() const { return FEncoding; }

    // The value of the first entry named key in the first section named section.
    bool FindValue(UnicodeStringView section, UnicodeStringView key, UnicodeString& value) const;
    // Replaces that entry's value, or adds the entry at the end of the section, or the section at the end.
    void SetValue(UnicodeStringView section, UnicodeStringView key, UnicodeStringView value);
    // The names in file order; a section name appears once however often it repeats.
    std::vector<UnicodeString> SectionNames() const;
    std::vector<UnicodeString> KeyNames(UnicodeStringView section) const;
    // Removes the first section of that name with all its lines; false when there is none.
    bool EraseSection(UnicodeStringView section);
    // Removes the first entry of that name from the section; false when there is none.
    bool DeleteKey(UnicodeStringView section, UnicodeStringView key);

private:
    enum class TLineKind : uint8_t { Section, Entry, Other };
    struct TLine {
        TLineKind Kind;
        UnicodeString Text; // the line as read, for lines that are neither section nor entry
        UnicodeString Name;
        UnicodeString Value;
    };

    static TLine ParseLine(UnicodeStringView line);
    static UnicodeString LineText(const TLine& line);
    // The index of the section's header, or -1.
    int32_t FindSection(UnicodeStringView section) const;
    // One past the section's last line.
    size_t SectionEnd(size_t header) const;
    int32_t FindEntry(UnicodeStringView section, UnicodeStringView key) const;

    std::vector<TLine> FLines;
    TIniEncoding FEncoding = TIniEncoding::ieAnsi;
    uint32_t FAnsiCodePage;
};

} // namespace rtl
