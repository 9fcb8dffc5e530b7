#pragma once
// A text device for layout tests: every character is CharWidth wide and the rows RowHeight high, and characters from
// U+2000 on count as double-byte, as in a Chinese code page.

#include "ui/core/text/uiTextLayout.h"

#include <cstdint>

namespace ui_test {

class TFixedWidthTextDevice final : public ui::TuiTextDevice {
public:
    static constexpr int32_t CharWidth = 10;
    static constexpr int32_t RowHeight = 16;

    vcl::TSize TextExtent(rtl::UnicodeStringView text, bool) override {
        ++Measures;
        return {static_cast<int32_t>(text.size()) * CharWidth, RowHeight};
    }
    bool IsDoubleByteCharacter(char16_t c) override { return c >= 0x2000; }

    int32_t Measures = 0;
};

} // namespace ui_test
