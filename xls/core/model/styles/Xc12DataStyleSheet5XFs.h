#pragma once
// Cell formats (XFs) and differential formats. A cell format combines a number format, a font, a fill and a border
// of the style sheet's lists with its own alignment and protection; a cell refers to a position in the cell-format
// list, position 0 being the default format. A cell format may be based on a format of a named style (its style
// format). A differential format holds only the parts a conditional format or a table style changes, each its own.

#include "xls/core/model/styles/Xc12DataStyleSheet5Borders.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5Fills.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5Fonts.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5NumFmts.h"

#include <cstdint>
#include <memory>

namespace xls {

class TXc12DataStyleSheet;

// Horizontal alignments: 0 general, 1 left, 2 center, 3 right, 4 fill, 5 justify, 6 center continuous,
// 7 distributed. Vertical alignments: 0 top, 1 center, 2 bottom, 3 justify, 4 distributed.
inline constexpr uint8_t XC12VertAlignmentBottom = 2;

// Alignment options, bits of an 8-bit set.
inline constexpr uint8_t XC12AlignmentWrapText = 1;
inline constexpr uint8_t XC12AlignmentShrinkToFit = 2;
inline constexpr uint8_t XC12AlignmentJustifyLastLine = 4;

// Protection, bits of an 8-bit set.
inline constexpr uint8_t XC12ProtectionLocked = 1;
inline constexpr uint8_t XC12ProtectionHidden = 2;

// Which parts a cell format applies over its style format (the applyX attributes of a workbook file), bits of an 8-bit
// set.
inline constexpr uint8_t XC12ApplyNumberFormat = 1;
inline constexpr uint8_t XC12ApplyFont = 2;
inline constexpr uint8_t XC12ApplyFill = 4;
inline constexpr uint8_t XC12ApplyBorder = 8;
inline constexpr uint8_t XC12ApplyAlignment = 16;
inline constexpr uint8_t XC12ApplyProtection = 32;

// How text sits in a cell.
class TXc12CellAlignment {
public:
    uint8_t GetHorizAlignment() const { return FHorizAlignment; }
    void SetHorizAlignment(uint8_t value);
    uint8_t GetVertAlignment() const { return FVertAlignment; }
    void SetVertAlignment(uint8_t value);
    // As the file gives it.
    int32_t GetRotation() const { return FRotation; }
    void SetRotation(int32_t value);
    uint8_t GetOptions() const { return FOptions; }
    void SetOptions(uint8_t value);
    int32_t GetIndent() const { return FIndent; }
    void SetIndent(int32_t value);
    int32_t GetRelativeIndent() const { return FRelativeIndent; }
    void SetRelativeIndent(int32_t value);
    uint8_t GetReadingOrder() const { return FReadingOrder; }
    void SetReadingOrder(uint8_t value);

    // Copies the seven fields of other.
    void Assign(const TXc12CellAlignment& other);
    bool Equals(const TXc12CellAlignment& other) const;
    // The sum of the seven fields, kept until a field changes.
    uint32_t GetHash() const;

private:
    void Changed() { FHashValid = false; }

    uint8_t FHorizAlignment = 0;
    uint8_t FVertAlignment = XC12VertAlignmentBottom;
    int32_t FRotation = 0;
    uint8_t FOptions = 0;
    int32_t FIndent = 0;
    int32_t FRelativeIndent = 0;
    uint8_t FReadingOrder = 0;
    mutable uint32_t FHash = 0;
    mutable bool FHashValid = false;
};

// A cell format. It refers to its number format, font, fill, border and style format without owning them; a part
// may be absent (nullptr) until a reader sets it.
class TXc12XF : public TXLSStyleObject {
public:
    // owner is the list that will hold the format, or nullptr for a free-standing one.
    explicit TXc12XF(TXLSStyleObjectList* owner = nullptr) : TXLSStyleObject(owner) {}

    TXc12CellAlignment& GetAlignment() { return FAlignment; }
    const TXc12CellAlignment& GetAlignment() const { return FAlignment; }
    uint8_t GetProtection() const { return FProtection; }
    void SetProtection(uint8_t protection) { FProtection = protection; }
    // The setters of the parts store the reference and leave use counts alone.
    TXc12NumberFormat* GetNumberFormat() const { return FNumberFormat; }
    void SetNumberFormat(TXc12NumberFormat* numberFormat) { FNumberFormat = numberFormat; }
    TXc12Font* GetFont() const { return FFont; }
    void SetFont(TXc12Font* font) { FFont = font; }
    TXc12Fill* GetFill() const { return FFill; }
    void SetFill(TXc12Fill* fill) { FFill = fill; }
    TXc12Border* GetBorder() const { return FBorder; }
    void SetBorder(TXc12Border* border) { FBorder = border; }
    // The format of the named style this format is based on, or nullptr.
    TXc12XF* GetStyleXF() const { return FStyleXF; }
    // A format cannot be based on itself: xf == this stores nullptr.
    void SetStyleXF(TXc12XF* xf) { FStyleXF = xf == this ? nullptr : xf; }
    uint8_t GetApplyFlags() const { return FApplyFlags; }
    void SetApplyFlags(uint8_t applyFlags) { FApplyFlags = applyFlags; }
    bool GetQuotePrefix() const { return FQuotePrefix; }
    void SetQuotePrefix(bool quotePrefix) { FQuotePrefix = quotePrefix; }
    bool GetPivotButton() const { return FPivotButton; }
    void SetPivotButton(bool pivotButton) { FPivotButton = pivotButton; }

    // True for position 0 of its list.
    bool IsDefault() const;
    // Copies everything but the apply flags.
    void Assign(const TXc12XF& other);

    // Every part by its own Equals, and the positions of the style formats when both have one; the apply flags do
    // not count.
    bool Equals(const TXLSStyleObject& other) const override;
    void DumpText(int32_t level, rtl::UnicodeString& text) const override;

protected:
    // Computed afresh each time: the parts change without telling the formats that use them. The style format counts
    // by its position, as Equals compares it, since style formats may refer to each other in a circle.
    void CalcHash() override;

private:
    TXc12CellAlignment FAlignment;
    uint8_t FProtection = XC12ProtectionLocked;
    TXc12NumberFormat* FNumberFormat = nullptr; // not owned
    TXc12Font* FFont = nullptr;                 // not owned
    TXc12Border* FBorder = nullptr;             // not owned
    TXc12Fill* FFill = nullptr;                 // not owned
    TXc12XF* FStyleXF = nullptr;                // not owned
    uint8_t FApplyFlags = 0;
    bool FQuotePrefix = false;
    bool FPivotButton = false;
};

// A list of cell formats of a style sheet (the cell formats or the style formats); its predefined format uses the
// style sheet's default parts.
class TXc12XFs : public TXc12StyleObjectList<TXc12XF> {
public:
    explicit TXc12XFs(TXc12DataStyleSheet* styleSheet) : FStyleSheet(styleSheet) {}

    // Appends xf, which must have been made with this list as its owner; returns its position.
    int32_t AddXF(std::unique_ptr<TXc12XF> xf);
    TXc12XF* GetDefaultXF() const { return GetItem(0); }
    // Frees every format, then adds the default one, reset to the style sheet's default parts.
    void Clear();
    TXc12DataStyleSheet* StyleSheet() const { return FStyleSheet; }

protected:
    void AddDefaults() override;

private:
    TXc12DataStyleSheet* FStyleSheet; // not owned
};

// A differential format: the parts it has, each its own and in no list.
class TXc12DXF : public TXLSStyleObject {
public:
    explicit TXc12DXF(TXLSStyleObjectList* owner = nullptr) : TXLSStyleObject(owner) {}

    TXc12Font* GetFont() const { return FFont.get(); }
    TXc12NumberFormat* GetNumberFormat() const { return FNumberFormat.get(); }
    TXc12Fill* GetFill() const { return FFill.get(); }
    TXc12Border* GetBorder() const { return FBorder.get(); }
    TXc12CellAlignment* GetAlignment() const { return FAlignment.get(); }
    uint8_t GetProtection() const { return FProtection; }
    void SetProtection(uint8_t protection) { FProtection = protection; }

    // Each creates its part and returns it; a part that exists already raises and stays as it is.
    TXc12Font* AddFont();
    TXc12NumberFormat* AddNumberFormat();
    TXc12Fill* AddFill();
    TXc12Border* AddBorder();
    TXc12CellAlignment* AddAlignment();
    void UpdateIndexedColors(const TXc12Palette& palette);

    // Differential formats are not compared: this raises EInvalidOperation.
    bool Equals(const TXLSStyleObject& other) const override;

protected:
    void CalcHash() override;

private:
    std::unique_ptr<TXc12Font> FFont;
    std::unique_ptr<TXc12NumberFormat> FNumberFormat;
    std::unique_ptr<TXc12Fill> FFill;
    std::unique_ptr<TXc12Border> FBorder;
    std::unique_ptr<TXc12CellAlignment> FAlignment;
    uint8_t FProtection = 0;
};

// The differential formats of a style sheet.
class TXc12DXFs : public TXc12StyleObjectList<TXc12DXF> {};

} // namespace xls
