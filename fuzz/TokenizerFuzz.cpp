// Tokenizes the input, read as UTF-16LE code units, as a formula text: once with an error manager that raises, once
// with one that keeps the errors, so that scanning goes on after each. Every token must lie within the text.

#include "rtl/core/Exceptions.h"
#include "xls/core/formula/XLSTokenizer.h"
#include "xls/core/base/XLSErrorManager.h"

#include <cstdlib>

namespace {

void CheckTokens(const xls::TXLSTokenList& tokens, size_t textSize) {
    for (int32_t index = 0; index < tokens.Count(); ++index) {
        const xls::TXLSToken& token = tokens.GetToken(index);
        if (token.Start < 0 || token.Start > token.End || static_cast<size_t>(token.End) > textSize) {
            std::abort();
        }
    }
}

void Tokenize(const rtl::UnicodeString& text, bool keepErrors) {
    xls::TXLSErrorManager errors;
    errors.SetSaveToList(keepErrors);
    xls::TXLSTokenizer tokenizer(errors);
    tokenizer.SetText(text);
    try {
        if (const auto tokens = tokenizer.Tokenize()) {
            CheckTokens(*tokens, text.size());
        }
    } catch (const rtl::Exception&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    rtl::UnicodeString text(size / 2, u'\0');
    for (size_t index = 0; index < text.size(); ++index) {
        text[index] = static_cast<char16_t>(data[index * 2] | (data[index * 2 + 1] << 8));
    }
    Tokenize(text, false);
    Tokenize(text, true);
    return 0;
}
