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

} // namespace test_support
