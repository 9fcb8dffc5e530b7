#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <iconv.h>
#include <map>
#include <memory>
#include <string>

namespace rtl {

namespace {

// The code page number a locale's character set name stands for ("zh_CN.GBK" -> 936).
uint32_t CodePageOfLocaleName(std::string_view name) {
    const auto dot = name.find('.');
    if (dot == std::string_view::npos) {
        return cpUtf8;
    }
    std::string charset;
    for (char c : name.substr(dot + 1, name.find('@') - dot - 1)) {
        if (c != '-' && c != '_') {
            charset.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
        }
    }
    if (charset == "GBK" || charset == "GB2312" || charset == "CP936") {
        return cpSimplifiedChinese;
    }
    if (charset == "ISO88591" || charset == "CP1252") {
        return cpWesternEuropean;
    }
    return cpUtf8;
}

// iconv knows most Windows code pages as "CP" and the number; these it names otherwise.
std::string IconvName(uint32_t codePage) {
    switch (codePage) {
    case cpGB18030:
        return "GB18030";
    case cpMacRoman:
        return "MACINTOSH";
    default:
        return "CP" + std::to_string(codePage);
    }
}

struct IconvCloser {
    void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

// iconv descriptors are costly to open: keep one per direction and code page for each thread.
iconv_t Converter(const std::string& to, const std::string& from) {
    thread_local std::map<std::string, IconvHandle> cache;
    auto& handle = cache[to + '<' + from];
    if (!handle) {
        iconv_t opened = iconv_open(to.c_str(), from.c_str());
        if (opened == reinterpret_cast<iconv_t>(-1)) {
            throw EConvertError(Utf8ToUnicode("Code page conversion " + from + " to " + to + " is not supported"));
        }
        handle.reset(opened);
    }
    iconv(static_cast<iconv_t>(handle.get()), nullptr, nullptr, nullptr, nullptr);
    return static_cast<iconv_t>(handle.get());
}

// Appends what the converter still holds back and returns it to its initial state. Some converters keep the last
// character of their input until they know what follows it (CP1258 waits for a combining mark to join a letter), so a
// conversion that ends without this loses that character.
void Flush(iconv_t converter, std::string& output) {
    char buffer[64];
    char* out = buffer;
    size_t outLeft = sizeof buffer;
    iconv(converter, nullptr, nullptr, &out, &outLeft);
    output.append(buffer, out - buffer);
}

// Converts input through iconv, at most step bytes at a time with the converter flushed after each; a unit that cannot
// be converted (skipSize bytes of input) becomes replacement.
std::string ConvertLossy(iconv_t converter, std::string_view input, size_t step, size_t skipSize,
                         std::string_view replacement) {
    std::string output;
    output.reserve(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0) {
        size_t stepLeft = std::min(step, inLeft);
        inLeft -= stepLeft;
        while (stepLeft > 0) {
            char* out = buffer;
            size_t outLeft = sizeof buffer;
            const size_t result = iconv(converter, &in, &stepLeft, &out, &outLeft);
            output.append(buffer, out - buffer);
            if (result != static_cast<size_t>(-1) || errno == E2BIG) {
                continue;
            }
            // An incomplete sequence at the end of the text fails as EINVAL and is replaced like an invalid one.
            const size_t skip = std::min(skipSize, stepLeft);
            in += skip;
            stepLeft -= skip;
            Flush(converter, output);
            output.append(replacement);
        }
        Flush(converter, output);
    }
    return output;
}

// glibc joins a letter and the combining mark after it into one precomposed character in the code pages of Hebrew and
// Vietnamese; Windows gives every byte of them its own character, and so does the conversion here, one byte at a time.
size_t AnsiStep(uint32_t codePage) {
    constexpr uint32_t cpHebrew = 1255;
    constexpr uint32_t cpVietnamese = 1258;
    return codePage == cpHebrew || codePage == cpVietnamese ? 1 : SIZE_MAX;
}

} // namespace

uint32_t ProcessAnsiCodePage() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return CodePageOfLocaleName(value);
        }
    }
    return cpUtf8;
}

namespace detail {

UnicodeString PlatformAnsiToUnicode(std::string_view text, uint32_t codePage) {
    const std::string bytes = ConvertLossy(Converter("UTF-16LE", IconvName(codePage)), text, AnsiStep(codePage), 1,
                                           std::string_view("?\0", 2));
    UnicodeString result(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < result.size(); ++i) {
        result[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                          (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    }
    return result;
}

AnsiString PlatformUnicodeToAnsi(UnicodeStringView text, uint32_t codePage) {
    std::string bytes(text.size() * 2, '\0');
    for (size_t i = 0; i < text.size(); ++i) {
        bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    return ConvertLossy(Converter(IconvName(codePage), "UTF-16LE"), bytes, SIZE_MAX, 2, "?");
}

} // namespace detail

} // namespace rtl
