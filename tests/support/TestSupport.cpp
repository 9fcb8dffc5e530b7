#include "tests/support/TestSupport.h"

#include "rtl/CodePages.h"
#include "rtl/Exceptions.h"

#include <sstream>

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

rtl::UnicodeString DataPath(std::string_view relative) {
    return rtl::Utf8ToUnicode(std::string(TALLYVANE_TEST_DATA_DIR) + "/" + std::string(relative));
}

std::string NumberText(double value) {
    std::ostringstream text;
    text.precision(15);
    text << value;
    return text.str();
}

} // namespace test_support
