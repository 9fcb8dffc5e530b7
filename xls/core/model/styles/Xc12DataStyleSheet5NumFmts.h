#pragma once
// The number formats of the style sheet, kept by id: item n is the format with id n. Ids 0 to 49 are the built-in
// formats, several of them without a text; a workbook's own formats take ids from 164 on, and the ids between stay
// empty formats.

#include "rtl/text/StringTypes.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5Common.h"

#include <cstdint>

namespace xls {

class TXc12NumberFormats;

// A number format: its format text.
class TXc12NumberFormat : public TXLSStyleObject {
public:
    explicit TXc12NumberFormat(TXLSStyleObjectList* owner = nullptr) : TXLSStyleObject(owner) {}

    // Empty for the general format and for built-in ids without a text.
    const rtl::UnicodeString& GetText() const { return FText; }
    void SetText(rtl::UnicodeStringView text);
    // Set when a workbook gave a built-in id a text of its own.
    bool BuiltInChanged() const { return FBuiltInChanged; }

    // Copies the text of other, unless this format is predefined.
    void Assign(const TXc12NumberFormat& other);

    // Texts compare case-sensitively.
    bool Equals(const TXLSStyleObject& other) const override;
    // The text, or "@" when it is empty, after the indentation; no line end.
    void DumpText(int32_t level, rtl::UnicodeString& text) const override;

protected:
    void CalcHash() override;

private:
    friend class TXc12NumberFormats;

    rtl::UnicodeString FText;
    bool FBuiltInChanged = false;
};

// The number formats of a style sheet, indexed by id; the predefined ones are the 50 built-in formats.
class TXc12NumberFormats : public TXc12StyleObjectList<TXc12NumberFormat> {
public:
    static constexpr int32_t BuiltInCount = 50;
    // Number format ids are 16-bit in BIFF files; a larger id in a workbook file is refused rather than allowed to
    // grow the list without bound.
    static constexpr int32_t MaxId = 0xFFFF;

    // Appends a format with text and the predefined flag.
    TXc12NumberFormat* AddFormat(rtl::UnicodeStringView text, bool predefined);
    // Gives format id the text: a built-in id is marked as changed; a larger id grows the list with empty formats up
    // to it. An id below 0 or above MaxId raises the list index error.
    TXc12NumberFormat* SetFormatAt(rtl::UnicodeStringView text, int32_t id);
    // The general format, id 0.
    TXc12NumberFormat* GetDefault() const { return GetItem(0); }

protected:
    void AddDefaults() override;
};

} // namespace xls
