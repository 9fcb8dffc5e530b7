#include "rtl/core/Exceptions.h"

#include "rtl/text/CodePages.h"

#include <utility>

namespace rtl {

Exception::Exception(UnicodeString message) : FMessage(std::move(message)), FMessageUtf8(UnicodeToUtf8(FMessage)) {}

void Exception::SetMessage(UnicodeString message) {
    FMessage = std::move(message);
    FMessageUtf8 = UnicodeToUtf8(FMessage);
}

const char* Exception::what() const noexcept {
    return FMessageUtf8.c_str();
}

} // namespace rtl
