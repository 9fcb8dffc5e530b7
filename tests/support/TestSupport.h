#pragma once
// Helpers shared by the test executables.

#include "rtl/StringTypes.h"

#include <functional>
#include <string>

namespace test_support {

// The UTF-8 message of the rtl::Exception that action raises, or "no exception" when it raises none.
std::string MessageOf(const std::function<void()>& action);

// UTF-16 text as UTF-8, so that assertions on texts print readably.
std::string Utf8(rtl::UnicodeStringView text);

// The path of a fixture, given relative to tests/data.
rtl::UnicodeString DataPath(std::string_view relative);

// A number to 15 significant digits, as a spreadsheet program shows it in a general cell.
std::string NumberText(double value);

} // namespace test_support
