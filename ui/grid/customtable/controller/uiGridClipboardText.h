#pragma once
// The text a table view copies to the clipboard: lines of fields separated by tabs, each line ended by CR LF but the
// last. A field holding a tab or a line break is quoted with its quotes doubled, as spreadsheet programs write and
// read tab-separated text, so that pasting it does not shift the cells after it; other fields stay as they are.

#include "rtl/text/StringTypes.h"

#include <span>

namespace ui {

class TuiGridClipboardText {
public:
    void AddLine(std::span<const rtl::UnicodeString> fields);
    // Without its final CR LF.
    rtl::UnicodeString Text() const;

private:
    rtl::UnicodeString FText;
};

// The field as it goes between the tabs.
rtl::UnicodeString ClipboardField(rtl::UnicodeStringView text);

} // namespace ui
