#include "tests/support/TestSupport.h"

#include "rtl/CodePages.h"
#include "rtl/Exceptions.h"

namespace test_support {

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const rtl::Exception& e) {
        return rtl::UnicodeToUtf8(e.Message());
    }
    return "no exception";
}

std::string Utf8(rtl::UnicodeStringView text) {
    return rtl::UnicodeToUtf8(text);
}

} // namespace test_support
