#pragma once
// The match items of a mask regular expression: what one position of the mask accepts (a character, a class of
// characters, a locale separator, a bracketed enumeration).

#include "ui/editors/mask/regexpr/uiRegExprSeparators.h"

#include <memory>
#include <vector>

namespace ui {

class TuiRegExprItem {
public:
    virtual ~TuiRegExprItem() = default;
    // Whether the character may stand here. A case-insensitive match of a symbol hands the symbol's own letter case
    // back in character.
    virtual bool Matches(char16_t& character, bool caseInsensitive) const = 0;
    virtual std::unique_ptr<TuiRegExprItem> Duplicate() const = 0;
    // The one character the item stands for, for the items that stand for exactly one (symbols and separators).
    virtual bool IsFixedCharacter(char16_t& character) const;
};

// One character; case-insensitively, any character whose upper case is the same.
class TuiRegExprSymbol : public TuiRegExprItem {
public:
    explicit TuiRegExprSymbol(char16_t character) : FCharacter(character) {}
    bool Matches(char16_t& character, bool caseInsensitive) const override;
    std::unique_ptr<TuiRegExprItem> Duplicate() const override;
    bool IsFixedCharacter(char16_t& character) const override;

private:
    char16_t FCharacter;
};

// A locale separator, read each time it is tested (not owned: it outlives the expression).
class TuiRegExprSeparatorItem : public TuiRegExprItem {
public:
    explicit TuiRegExprSeparatorItem(const IuiRegExprSeparators& separators) : FSeparators(separators) {}
    bool Matches(char16_t& character, bool caseInsensitive) const override;
    bool IsFixedCharacter(char16_t& character) const override;

protected:
    const IuiRegExprSeparators& Separators() const { return FSeparators; }
    virtual char16_t Separator() const = 0;

private:
    const IuiRegExprSeparators& FSeparators;
};

class TuiRegExprTimeSeparator : public TuiRegExprSeparatorItem {
public:
    using TuiRegExprSeparatorItem::TuiRegExprSeparatorItem;
    std::unique_ptr<TuiRegExprItem> Duplicate() const override;

protected:
    char16_t Separator() const override { return Separators().TimeSeparator(); }
};

class TuiRegExprDateSeparator : public TuiRegExprSeparatorItem {
public:
    using TuiRegExprSeparatorItem::TuiRegExprSeparatorItem;
    std::unique_ptr<TuiRegExprItem> Duplicate() const override;

protected:
    char16_t Separator() const override { return Separators().DateSeparator(); }
};

// low <= character <= high by code unit; letter case is not folded.
class TuiRegExprSubrange : public TuiRegExprItem {
public:
    TuiRegExprSubrange(char16_t low, char16_t high) : FLow(low), FHigh(high) {}
    bool Matches(char16_t& character, bool caseInsensitive) const override;
    std::unique_ptr<TuiRegExprItem> Duplicate() const override;

private:
    char16_t FLow;
    char16_t FHigh;
};

// A set of characters that may be inverted.
class TuiRegExprEnumeration : public TuiRegExprItem {
public:
    explicit TuiRegExprEnumeration(bool inverse) : FInverse(inverse) {}
    bool Inverse() const { return FInverse; }
    bool Matches(char16_t& character, bool caseInsensitive) const final;

protected:
    virtual bool Contains(char16_t& character, bool caseInsensitive) const = 0;

private:
    bool FInverse;
};

// The items of a bracketed enumeration, tested in order; the first that matches decides.
class TuiRegExprUserEnumeration : public TuiRegExprEnumeration {
public:
    using TuiRegExprEnumeration::TuiRegExprEnumeration;
    void Add(std::unique_ptr<TuiRegExprItem> item) { FItems.push_back(std::move(item)); }
    std::unique_ptr<TuiRegExprItem> Duplicate() const override;

protected:
    bool Contains(char16_t& character, bool caseInsensitive) const override;

private:
    std::vector<std::unique_ptr<TuiRegExprItem>> FItems;
};

// 0 to 9.
class TuiRegExprDigit : public TuiRegExprEnumeration {
public:
    using TuiRegExprEnumeration::TuiRegExprEnumeration;
    std::unique_ptr<TuiRegExprItem> Duplicate() const override;

protected:
    bool Contains(char16_t& character, bool caseInsensitive) const override;
};

// a-z, A-Z, 0-9 and _.
class TuiRegExprIdLetter : public TuiRegExprEnumeration {
public:
    using TuiRegExprEnumeration::TuiRegExprEnumeration;
    std::unique_ptr<TuiRegExprItem> Duplicate() const override;

protected:
    bool Contains(char16_t& character, bool caseInsensitive) const override;
};

// Space, NUL, tab, line feed, form feed and carriage return.
class TuiRegExprSpace : public TuiRegExprEnumeration {
public:
    using TuiRegExprEnumeration::TuiRegExprEnumeration;
    std::unique_ptr<TuiRegExprItem> Duplicate() const override;

protected:
    bool Contains(char16_t& character, bool caseInsensitive) const override;
};

// Any character.
class TuiRegExprAll : public TuiRegExprItem {
public:
    bool Matches(char16_t& character, bool caseInsensitive) const override;
    std::unique_ptr<TuiRegExprItem> Duplicate() const override;
};

// The blank characters of the mask language (space, NUL, tab, line feed, form feed, carriage return).
constexpr bool IsRegExprBlank(char16_t character) {
    return character == u' ' || character == 0 || character == u'\t' || character == u'\n' || character == u'\f' ||
           character == u'\r';
}

} // namespace ui
