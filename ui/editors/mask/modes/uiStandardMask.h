#pragma once
// TuiStandardMask: the picture mask of the standard mask kind. A mask text such as "!\(999\) 000-0000;1;_" becomes a
// row of positions, one per character of the masked text: a fixed literal, or an editable position that accepts one
// class of characters (and may convert their letter case). The mask lays texts into the positions, checks them, and
// tells the value a masked text stands for.

#include "rtl/text/StringTypes.h"
#include "ui/editors/mask/regexpr/uiRegExprSeparators.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiStandardMaskCustomItem {
public:
    virtual ~TuiStandardMaskCustomItem();
    // May change the character's letter case, whatever the answer.
    virtual bool Accepts(char16_t& character) const = 0;
    virtual bool IsLiteral() const { return false; }
};

class TuiStandardMaskLiteralItem : public TuiStandardMaskCustomItem {
public:
    explicit TuiStandardMaskLiteralItem(char16_t literal) : FLiteral(literal) {}
    bool Accepts(char16_t& character) const override { return character == FLiteral; }
    bool IsLiteral() const override { return true; }
    char16_t Literal() const { return FLiteral; }

private:
    char16_t FLiteral;
};

enum class TuiStandardMaskCase : uint8_t { Upper = 0, Lower = 1, Unchanged = 2 };

enum class TuiStandardMaskClass { Alpha, AlphaNumeric, ASCII, Numeric, NumericSymbol };

// An editable position.
class TuiStandardMaskManyItem : public TuiStandardMaskCustomItem {
public:
    TuiStandardMaskManyItem(TuiStandardMaskClass kind, TuiStandardMaskCase caseControl, bool optional)
        : FCaseControl(caseControl), FClass(kind), FOptional(optional) {}
    bool Accepts(char16_t& character) const override;
    // The position may stay blank in a valid text.
    bool Optional() const { return FOptional; }

private:
    TuiStandardMaskCase FCaseControl;
    TuiStandardMaskClass FClass;
    bool FOptional;
};

class TuiStandardMask {
public:
    // The separators (not owned) outlive the mask; they are read when a mask is compiled.
    explicit TuiStandardMask(const IuiRegExprSeparators& separators);
    ~TuiStandardMask();

    void Compile(const rtl::UnicodeString& mask);
    const rtl::UnicodeString& Mask() const { return FMask; }
    int32_t ItemCount() const { return static_cast<int32_t>(FItems.size()); }
    const TuiStandardMaskCustomItem& ItemAt(int32_t index) const { return *FItems.at(static_cast<size_t>(index)); }
    char16_t Blank() const { return FBlank; }
    bool SaveLiterals() const { return FSaveLiterals; }
    bool Leading() const { return FLeading; }

    // The text an empty editor shows: literals, and the blank character in each editable position.
    rtl::UnicodeString EmptyMaskText() const;
    // The value of an empty editor: a space per editable position, and the literals when they are saved.
    rtl::UnicodeString EmptyValueText() const;
    void LayText(rtl::UnicodeString& text, bool useConvertedChars, bool textIncludesLiterals) const;
    // Accepted characters are case-converted in place.
    bool IsTextValid(rtl::UnicodeString& text) const;
    void ToValueText(rtl::UnicodeString& text) const;

private:
    // The ";S" or ";S;B" suffix at p, when it is one: sets its flags and answers true.
    bool ReadSuffix(const rtl::UnicodeString& mask, size_t p);
    bool PositionTakes(size_t position, char16_t character, char16_t& converted) const;

    char16_t FBlank = u'_';
    std::vector<std::unique_ptr<TuiStandardMaskCustomItem>> FItems;
    bool FLeading = false;
    bool FSaveLiterals = true;
    rtl::UnicodeString FMask;
    const IuiRegExprSeparators& FSeparators;
};

} // namespace ui
