#include "ui/editors/mask/regexpr/uiRegExprMatchItems.h"

#include "rtl/text/StringUtils.h"

namespace ui {

namespace {

char16_t UpperCaseCharacter(char16_t character) {
    return rtl::WideUpperCase(rtl::UnicodeStringView(&character, 1))[0];
}

} // namespace

bool TuiRegExprItem::IsFixedCharacter(char16_t&) const {
    return false;
}

bool TuiRegExprSymbol::Matches(char16_t& character, bool caseInsensitive) const {
    if (character == FCharacter) {
        return true;
    }
    if (!caseInsensitive || UpperCaseCharacter(character) != UpperCaseCharacter(FCharacter)) {
        return false;
    }
    character = FCharacter;
    return true;
}

std::unique_ptr<TuiRegExprItem> TuiRegExprSymbol::Duplicate() const {
    return std::make_unique<TuiRegExprSymbol>(FCharacter);
}

bool TuiRegExprSymbol::IsFixedCharacter(char16_t& character) const {
    character = FCharacter;
    return true;
}

bool TuiRegExprSeparatorItem::Matches(char16_t& character, bool) const {
    return character == Separator();
}

bool TuiRegExprSeparatorItem::IsFixedCharacter(char16_t& character) const {
    character = Separator();
    return true;
}

std::unique_ptr<TuiRegExprItem> TuiRegExprTimeSeparator::Duplicate() const {
    return std::make_unique<TuiRegExprTimeSeparator>(Separators());
}

std::unique_ptr<TuiRegExprItem> TuiRegExprDateSeparator::Duplicate() const {
    return std::make_unique<TuiRegExprDateSeparator>(Separators());
}

bool TuiRegExprSubrange::Matches(char16_t& character, bool) const {
    return FLow <= character && character <= FHigh;
}

std::unique_ptr<TuiRegExprItem> TuiRegExprSubrange::Duplicate() const {
    return std::make_unique<TuiRegExprSubrange>(FLow, FHigh);
}

bool TuiRegExprEnumeration::Matches(char16_t& character, bool caseInsensitive) const {
    return Contains(character, caseInsensitive) != FInverse;
}

std::unique_ptr<TuiRegExprItem> TuiRegExprUserEnumeration::Duplicate() const {
    auto copy = std::make_unique<TuiRegExprUserEnumeration>(Inverse());
    for (const std::unique_ptr<TuiRegExprItem>& item : FItems) {
        copy->Add(item->Duplicate());
    }
    return copy;
}

bool TuiRegExprUserEnumeration::Contains(char16_t& character, bool caseInsensitive) const {
    for (const std::unique_ptr<TuiRegExprItem>& item : FItems) {
        if (item->Matches(character, caseInsensitive)) {
            return true;
        }
    }
    return false;
}

std::unique_ptr<TuiRegExprItem> TuiRegExprDigit::Duplicate() const {
    return std::make_unique<TuiRegExprDigit>(Inverse());
}

bool TuiRegExprDigit::Contains(char16_t& character, bool) const {
    return rtl::IsAsciiDigit(character);
}

std::unique_ptr<TuiRegExprItem> TuiRegExprIdLetter::Duplicate() const {
    return std::make_unique<TuiRegExprIdLetter>(Inverse());
}

bool TuiRegExprIdLetter::Contains(char16_t& character, bool) const {
    return (character >= u'a' && character <= u'z') || (character >= u'A' && character <= u'Z') ||
           rtl::IsAsciiDigit(character) || character == u'_';
}

std::unique_ptr<TuiRegExprItem> TuiRegExprSpace::Duplicate() const {
    return std::make_unique<TuiRegExprSpace>(Inverse());
}

bool TuiRegExprSpace::Contains(char16_t& character, bool) const {
    return IsRegExprBlank(character);
}

bool TuiRegExprAll::Matches(char16_t&, bool) const {
    return true;
}

std::unique_ptr<TuiRegExprItem> TuiRegExprAll::Duplicate() const {
    return std::make_unique<TuiRegExprAll>();
}

} // namespace ui
