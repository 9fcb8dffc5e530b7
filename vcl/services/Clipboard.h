#pragma once
// TClipboard: the system clipboard as text. Text is put and taken as UTF-16 (CF_UNICODETEXT) or as bytes of the
// process ANSI code page (CF_TEXT); Windows converts between the two, so text put in one form can be taken in the
// other. Open and Close bracket several operations on one opening (they nest); each operation opens the clipboard
// for itself when it is not open.

#include "rtl/core/Exceptions.h"
#include "rtl/text/StringTypes.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>
#include <string_view>

namespace vcl {

namespace VclMessages {
inline constexpr char16_t CannotOpenClipboard[] = u"Cannot open clipboard";
inline constexpr char16_t CannotSetClipboardData[] = u"Cannot put data on the clipboard";
} // namespace VclMessages

// The clipboard, opened through a hidden window of the program that owns what the program puts on it.
class TClipboard {
public:
    TClipboard() = default;
    ~TClipboard();
    TClipboard(const TClipboard&) = delete;
    TClipboard& operator=(const TClipboard&) = delete;

    // EOSError when another program keeps the clipboard open.
    void Open();
    void Close();
    // Empties the clipboard.
    void Clear();
    // Whether the clipboard holds data of a format (CF_TEXT, CF_UNICODETEXT, CF_BITMAP, ...) or data Windows can
    // convert into it.
    bool HasFormat(uint32_t format) const;

    // The text on the clipboard; empty when it holds none.
    rtl::UnicodeString AsText();
    // Replaces the clipboard's contents with text.
    void SetAsText(rtl::UnicodeStringView text);
    // The text on the clipboard in the process ANSI code page; empty when it holds none.
    rtl::AnsiString AnsiText();
    void SetAnsiText(std::string_view text);

private:
    // Puts bytes (ending with a zero character) on the clipboard in format, replacing what is there.
    void SetData(uint32_t format, const void* data, size_t bytes);
    // The bytes of format up to the first zero character of charSize bytes.
    std::string Data(uint32_t format, size_t charSize);
    HWND Window();

    HWND FWindow = nullptr; // owned
    int32_t FOpenCount = 0;
};

// The process's clipboard.
TClipboard& Clipboard();

} // namespace vcl
