#pragma once
// Helpers of the mask engine's tests: separators the test sets, and the texts of errors and lexems.

#include "tests/support/TestSupport.h"
#include "ui/editors/mask/regexpr/uiRegExpr.h"
#include "ui/editors/mask/regexpr/uiRegExprSeparators.h"

#include <gtest/gtest.h>
#include <string>

namespace ui::test {

// Separators that a test may change between two characters, as a locale change would.
struct TTestSeparators : IuiRegExprSeparators {
    char16_t Date = u'.';
    char16_t Time = u'-';
    char16_t Decimal = u',';

    char16_t DateSeparator() const override { return Date; }
    char16_t TimeSeparator() const override { return Time; }
    char16_t DecimalSeparator() const override { return Decimal; }
};

// The full texts of the errors, joined by " | ".
inline std::string ErrorTexts(const TuiRegExprErrors& errors) {
    std::string text;
    for (int32_t i = 0; i < errors.Count(); ++i) {
        text += (i == 0 ? "" : " | ") + test_support::Utf8(errors.Item(i).FullText());
    }
    return text;
}

// Compiles the mask and answers the full texts of its errors, empty when it compiles.
inline std::string CompileErrors(TuiRegExpr& expression, rtl::UnicodeStringView mask) {
    try {
        expression.Compile(mask);
    } catch (const EuiRegExprError& error) {
        EXPECT_EQ(&error.Errors(), &expression.Errors());
        return ErrorTexts(error.Errors());
    }
    return {};
}

// Accepts each character in turn; false at the first refused one.
inline bool AcceptAll(TuiRegExpr& expression, rtl::UnicodeStringView text) {
    for (char16_t character : text) {
        if (!expression.Accept(character)) {
            return false;
        }
    }
    return true;
}

} // namespace ui::test
