#pragma once
// IuiRegExprSeparators: where a mask regular expression reads the locale's separators. The date and time separators
// are asked each time a character is tested against them, so a locale change applies without recompiling; the
// decimal separator is asked once per compilation.

namespace ui {

class IuiRegExprSeparators {
public:
    virtual char16_t DateSeparator() const = 0;
    virtual char16_t TimeSeparator() const = 0;
    virtual char16_t DecimalSeparator() const = 0;

protected:
    ~IuiRegExprSeparators() = default;
};

} // namespace ui
