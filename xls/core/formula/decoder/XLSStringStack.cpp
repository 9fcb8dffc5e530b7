#include "xls/core/formula/decoder/XLSStringStack.h"

#include "xls/core/formula/tokens/XLSFormulaError.h"

#include <iterator>
#include <utility>

namespace xls {

void TStringStack::Push(rtl::UnicodeString text, TEntryKind kind) {
    if (FEntries.size() >= static_cast<size_t>(XLSDecodeStackSize)) {
        throw EXLSFormulaError(DecodeStackMessages::Full);
    }
    FEntries.push_back({std::move(text), kind});
}

void TStringStack::Need(int64_t count) const {
    if (count > static_cast<int64_t>(FEntries.size())) {
        throw EXLSFormulaError(DecodeStackMessages::Empty);
    }
}

void TStringStack::Combine(rtl::UnicodeStringView op) {
    Need(2);
    TEntry right = std::move(FEntries.back());
    FEntries.pop_back();
    TEntry& left = FEntries.back();
    left.Text += op;
    left.Text += right.Text;
    left.Kind = ekText;
}

void TStringStack::Prefix(rtl::UnicodeStringView text) {
    Need(1);
    FEntries.back().Text.insert(0, text);
    FEntries.back().Kind = ekText;
}

void TStringStack::Suffix(rtl::UnicodeStringView text) {
    Need(1);
    FEntries.back().Text += text;
    FEntries.back().Kind = ekText;
}

void TStringStack::Wrap(rtl::UnicodeStringView open, rtl::UnicodeStringView close) {
    Prefix(open);
    FEntries.back().Text += close;
}

rtl::UnicodeString TStringStack::Join(int32_t count, rtl::UnicodeStringView separator) {
    const auto first = FEntries.end() - count;
    rtl::UnicodeString text;
    for (auto entry = first; entry != FEntries.end(); ++entry) {
        if (entry != first) {
            text += separator;
        }
        text += entry->Text;
    }
    FEntries.erase(first, FEntries.end());
    return text;
}

void TStringStack::Call(rtl::UnicodeStringView name, int32_t count, rtl::UnicodeStringView separator) {
    if (count < 1) {
        Push(rtl::UnicodeString(name) + u"()");
        return;
    }
    Need(count);
    rtl::UnicodeString text = rtl::UnicodeString(name) + u"(" + Join(count, separator) + u")";
    FEntries.push_back({std::move(text), ekText});
}

void TStringStack::Table(rtl::UnicodeStringView name, int32_t count, rtl::UnicodeStringView separator) {
    if (count < 1) {
        Push(rtl::UnicodeString(name) + u"[]");
        return;
    }
    Need(count);
    rtl::UnicodeString text(name);
    if (count == 1 && FEntries.back().Kind == ekTableItem) {
        text += Join(1, {});
    } else {
        text += u"[" + Join(count, separator) + u"]";
    }
    FEntries.push_back({std::move(text), ekText});
}

void TStringStack::Array(int64_t cols, int64_t rows, rtl::UnicodeStringView columnSeparator,
                         rtl::UnicodeStringView rowSeparator) {
    if (cols <= 0 || rows <= 0) {
        Push(u"{}");
        return;
    }
    Need(cols * rows);
    const auto first = FEntries.end() - cols * rows;
    rtl::UnicodeString text = u"{";
    int64_t index = 0;
    for (auto entry = first; entry != FEntries.end(); ++entry, ++index) {
        if (index > 0) {
            text += index % cols == 0 ? rowSeparator : columnSeparator;
        }
        text += entry->Text;
    }
    text += u'}';
    FEntries.erase(first, FEntries.end());
    FEntries.push_back({std::move(text), ekText});
}

} // namespace xls
