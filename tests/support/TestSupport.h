#pragma once
// Helpers shared by the test executables.

#include <functional>
#include <string>

namespace test_support {

// The UTF-8 message of the rtl::Exception that action raises, or "no exception" when it raises none.
std::string MessageOf(const std::function<void()>& action);

} // namespace test_support
