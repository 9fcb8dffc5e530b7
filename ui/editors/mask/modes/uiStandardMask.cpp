#include "ui/editors/mask/modes/uiStandardMask.h"

#include <algorithm>

namespace ui {

namespace {

bool IsStandardMaskDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool IsStandardMaskLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

char16_t ConvertStandardMaskCase(char16_t c, TuiStandardMaskCase caseControl) {
    if (caseControl == TuiStandardMaskCase::Upper && c >= u'a' && c <= u'z') {
        return static_cast<char16_t>(c - u'a' + u'A');
    }
    if (caseControl == TuiStandardMaskCase::Lower && c >= u'A' && c <= u'Z') {
        return static_cast<char16_t>(c - u'A' + u'a');
    }
    return c;
}

} // namespace

TuiStandardMaskCustomItem::~TuiStandardMaskCustomItem() = default;

bool TuiStandardMaskManyItem::Accepts(char16_t& character) const {
    const char16_t c = character;
    character = ConvertStandardMaskCase(c, FCaseControl);
    switch (FClass) {
    case TuiStandardMaskClass::Alpha:
        return IsStandardMaskLetter(c);
    case TuiStandardMaskClass::AlphaNumeric:
        return IsStandardMaskLetter(c) || IsStandardMaskDigit(c);
    case TuiStandardMaskClass::ASCII:
        return true;
    case TuiStandardMaskClass::Numeric:
        return IsStandardMaskDigit(c);
    case TuiStandardMaskClass::NumericSymbol:
        return IsStandardMaskDigit(c) || c == u'+' || c == u'-';
    }
    return false;
}

TuiStandardMask::TuiStandardMask(const IuiRegExprSeparators& separators) : FSeparators(separators) {}

TuiStandardMask::~TuiStandardMask() = default;

bool TuiStandardMask::ReadSuffix(const rtl::UnicodeString& mask, size_t p) {
    const size_t following = mask.size() - p - 1;
    const char16_t flag = following >= 1 ? mask[p + 1] : 0;
    if (flag != u'0' && flag != u'1') {
        return false;
    }
    if (following == 3 && mask[p + 2] == u';') {
        FBlank = mask[p + 3];
    } else if (following != 1) {
        return false;
    }
    FSaveLiterals = flag == u'1';
    return true;
}

void TuiStandardMask::Compile(const rtl::UnicodeString& mask) {
    FBlank = u'_';
    FSaveLiterals = true;
    FLeading = false;
    FItems.clear();
    FMask = mask;
    FLeading = !mask.empty() && mask[0] == u'!';
    TuiStandardMaskCase caseControl = TuiStandardMaskCase::Unchanged;
    const auto addMany = [&](TuiStandardMaskClass kind, bool optional) {
        FItems.push_back(std::make_unique<TuiStandardMaskManyItem>(kind, caseControl, optional));
    };
    const auto addLiteral = [&](char16_t c) { FItems.push_back(std::make_unique<TuiStandardMaskLiteralItem>(c)); };
    for (size_t p = FLeading ? 1 : 0; p < mask.size(); ++p) {
        const char16_t c = mask[p];
        switch (c) {
        case u'>':
            caseControl = TuiStandardMaskCase::Upper;
            break;
        case u'<':
            if (p + 1 < mask.size() && mask[p + 1] == u'>') {
                caseControl = TuiStandardMaskCase::Unchanged;
                ++p;
            } else {
                caseControl = TuiStandardMaskCase::Lower;
            }
            break;
        case u'L':
        case u'l':
            addMany(TuiStandardMaskClass::Alpha, c == u'l');
            break;
        case u'A':
        case u'a':
            addMany(TuiStandardMaskClass::AlphaNumeric, c == u'a');
            break;
        case u'C':
        case u'c':
            addMany(TuiStandardMaskClass::ASCII, c == u'c');
            break;
        case u'0':
        case u'9':
            addMany(TuiStandardMaskClass::Numeric, c == u'9');
            break;
        case u'#':
            addMany(TuiStandardMaskClass::NumericSymbol, true);
            break;
        case u':':
            addLiteral(FSeparators.TimeSeparator());
            break;
        case u'/':
            addLiteral(FSeparators.DateSeparator());
            break;
        case u'\\':
            if (++p < mask.size()) {
                addLiteral(mask[p]);
            }
            break;
        case u';':
            if (ReadSuffix(mask, p)) {
                return;
            }
            addLiteral(c);
            break;
        default:
            addLiteral(c);
            break;
        }
    }
}

rtl::UnicodeString TuiStandardMask::EmptyMaskText() const {
    rtl::UnicodeString text;
    for (const auto& item : FItems) {
        text += item->IsLiteral() ? static_cast<const TuiStandardMaskLiteralItem&>(*item).Literal() : FBlank;
    }
    return text;
}

rtl::UnicodeString TuiStandardMask::EmptyValueText() const {
    rtl::UnicodeString text;
    for (const auto& item : FItems) {
        if (!item->IsLiteral()) {
            text += u' ';
        } else if (FSaveLiterals) {
            text += static_cast<const TuiStandardMaskLiteralItem&>(*item).Literal();
        }
    }
    return text;
}

bool TuiStandardMask::PositionTakes(size_t position, char16_t character, char16_t& converted) const {
    converted = character;
    return FItems[position]->Accepts(converted);
}

void TuiStandardMask::LayText(rtl::UnicodeString& text, bool useConvertedChars, bool textIncludesLiterals) const {
    rtl::UnicodeString result = EmptyMaskText();
    const size_t count = FItems.size();
    const bool skipLiterals = !FSaveLiterals && !textIncludesLiterals;
    // Steps count from the first position forward, or from the last backward with the leading flag.
    size_t step = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = FLeading ? text[text.size() - 1 - i] : text[i];
        for (size_t tried = step; tried < count; ++tried) {
            const size_t position = FLeading ? count - 1 - tried : tried;
            const bool literal = FItems[position]->IsLiteral();
            if (literal && skipLiterals) {
                continue;
            }
            char16_t converted = 0;
            if (PositionTakes(position, c, converted)) {
                result[position] = useConvertedChars ? converted : c;
                step = tried + 1;
                break;
            }
            if (!literal && (c == FBlank || c == u' ')) {
                step = tried + 1;
                break;
            }
        }
    }
    text = std::move(result);
}

bool TuiStandardMask::IsTextValid(rtl::UnicodeString& text) const {
    if (text.size() != FItems.size()) {
        return false;
    }
    for (size_t position = 0; position < FItems.size(); ++position) {
        char16_t converted = 0;
        if (PositionTakes(position, text[position], converted)) {
            text[position] = converted;
            continue;
        }
        const auto* many = dynamic_cast<const TuiStandardMaskManyItem*>(FItems[position].get());
        if (many == nullptr || !many->Optional() || (text[position] != FBlank && text[position] != u' ')) {
            return false;
        }
    }
    return true;
}

void TuiStandardMask::ToValueText(rtl::UnicodeString& text) const {
    rtl::UnicodeString value;
    const size_t reached = std::min(text.size(), FItems.size());
    for (size_t position = 0; position < reached; ++position) {
        const bool literal = FItems[position]->IsLiteral();
        if (literal && !FSaveLiterals) {
            continue;
        }
        value += !literal && text[position] == FBlank ? u' ' : text[position];
    }
    text = std::move(value);
}

} // namespace ui
