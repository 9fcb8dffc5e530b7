#include "ui/grid/customtable/controller/uiGridClipboardText.h"

namespace ui {

rtl::UnicodeString ClipboardField(rtl::UnicodeStringView text) {
    if (text.find_first_of(u"\t\r\n") == rtl::UnicodeStringView::npos) {
        return rtl::UnicodeString(text);
    }
    rtl::UnicodeString quoted;
    quoted.reserve(text.size() + 2);
    quoted += u'"';
    for (const char16_t c : text) {
        if (c == u'"') {
            quoted += u'"';
        }
        quoted += c;
    }
    quoted += u'"';
    return quoted;
}

void TuiGridClipboardText::AddLine(std::span<const rtl::UnicodeString> fields) {
    for (size_t index = 0; index < fields.size(); ++index) {
        if (index > 0) {
            FText += u'\t';
        }
        FText += ClipboardField(fields[index]);
    }
    FText += u"\r\n";
}

rtl::UnicodeString TuiGridClipboardText::Text() const {
    if (FText.size() > 1 && FText.ends_with(u"\r\n")) {
        return FText.substr(0, FText.size() - 2);
    }
    return FText;
}

} // namespace ui
