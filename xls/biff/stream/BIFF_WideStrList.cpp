#include "xls/biff/stream/BIFF_WideStrList.h"

#include "rtl/text/StringUtils.h"

namespace xls {

namespace {

bool IsLineBreak(char16_t character) {
    switch (character) {
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case u'\u2028':
    case u'\u2029':
        return true;
    default:
        return false;
    }
}

} // namespace

int32_t TXLSWideStringList::AddWithValue(rtl::UnicodeStringView text, int32_t value) {
    FEntries.push_back({rtl::UnicodeString(text), value});
    Changed();
    return Count() - 1;
}

void TXLSWideStringList::Clear() {
    FEntries.clear();
    Changed();
}

rtl::UnicodeString TXLSWideStringList::GetString(int32_t index) const {
    return index >= 0 && index < Count() ? FEntries[index].Text : rtl::UnicodeString();
}

int32_t TXLSWideStringList::GetValue(int32_t index) const {
    return index >= 0 && index < Count() ? FEntries[index].Value : 0;
}

void TXLSWideStringList::SetText(rtl::UnicodeStringView text) {
    Clear();
    size_t lineStart = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (!IsLineBreak(text[i])) {
            ++i;
            continue;
        }
        Add(text.substr(lineStart, i - lineStart));
        ++i;
        if (i < text.size() && (text[i] == u'\r' || text[i] == u'\n')) {
            ++i;
        }
        lineStart = i;
    }
    if (lineStart < text.size()) {
        Add(text.substr(lineStart));
    }
}

int32_t TXLSWideStringList::AddAfterSpace(rtl::UnicodeStringView text) {
    const size_t space = text.find(u' ');
    if (space == rtl::UnicodeStringView::npos || space == 0) {
        return Add(text);
    }
    return Add(rtl::Trim(text.substr(space + 1)));
}

void TXLSWideStringList::Changed() {
    if (FOnChange && !FUpdating) {
        FOnChange(this);
    }
}

} // namespace xls
