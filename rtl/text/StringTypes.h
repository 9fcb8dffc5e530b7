#pragma once
// The two string kinds of the system: UTF-16 text (the spreadsheet library, the Windows W API) and bytes in an
// ANSI code page (the application's own text, code page 936).

#include <string>
#include <string_view>

namespace rtl {

using UnicodeString = std::u16string;
using UnicodeStringView = std::u16string_view;
using AnsiString = std::string;

} // namespace rtl
