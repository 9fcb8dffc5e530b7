#pragma once
// TClipboard: the system clipboard. Text is put and taken as UTF-16 (CF_UNICODETEXT) or as bytes of the process ANSI
// code page (CF_TEXT); Windows converts between the two, so text put in one form can be taken in the other. Pictures
// go through their handles (CF_BITMAP, CF_ENHMETAFILE) and through memory blocks of a registered format
// (graphics/images/PictureClipboard.h puts and takes them). Open and Close bracket several operations on one opening
// (they nest); each operation opens the clipboard for itself when it is not open.

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

    // The data handle of a format (a bitmap, a metafile), which stays the clipboard's; nullptr when there is none.
    void* AsHandle(uint32_t format);
    // Adds a handle under format to what the clipboard holds; the clipboard owns it once it took it, else it is freed
    // with freeHandle and EOSError raised.
    void AddHandle(uint32_t format, void* handle, void (*freeHandle)(void*));
    // Every byte of a format held as a memory block; empty when there is none.
    std::string AsBytes(uint32_t format);
    // Adds a memory block of bytes under format to what the clipboard holds.
    void AddBytes(uint32_t format, const void* data, size_t bytes);

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
