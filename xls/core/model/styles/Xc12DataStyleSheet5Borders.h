#pragma once
// The borders of the style sheet: seven sides, each a line style in a colour, and the diagonal and outline options.
// Border 0 is the default, with no lines.

#include "xls/core/model/styles/Xc12DataStyleSheet5Common.h"

#include <array>
#include <cstdint>

namespace xls {

enum TXc12CellBorderStyle : uint8_t {
    cbsNone,
    cbsThin,
    cbsMedium,
    cbsDashed,
    cbsDotted,
    cbsThick,
    cbsDouble,
    cbsHair,
    cbsMediumDashed,
    cbsDashDot,
    cbsMediumDashDot,
    cbsDashDotDot,
    cbsMediumDashDotDot,
    cbsSlantedDashDot,
};

// The sides of a border, in the order they are kept and dumped.
enum TXc12BorderSide : uint8_t { xbsLeft, xbsTop, xbsRight, xbsBottom, xbsDiagonal, xbsHorizontal, xbsVertical };
inline constexpr int32_t XC12BorderSideCount = 7;

// Border options, bits of an 8-bit set.
inline constexpr uint8_t XC12BorderDiagonalDown = 1;
inline constexpr uint8_t XC12BorderDiagonalUp = 2;
inline constexpr uint8_t XC12BorderOutline = 4;

// One side of a border.
class TXc12BorderPr {
public:
    TXc12CellBorderStyle GetStyle() const { return FStyle; }
    void SetStyle(TXc12CellBorderStyle style) { FStyle = style; }
    const TXc12ColorRec& GetColor() const { return FColor; }
    void SetColor(const TXc12ColorRec& color) { FColor = color; }
    // No line, automatic colour.
    void Clear() { *this = TXc12BorderPr(); }
    void UpdateIndexedColors(const TXc12Palette& palette);

    bool Equals(const TXc12BorderPr& other) const;
    uint32_t Hash() const;

private:
    TXc12CellBorderStyle FStyle = cbsNone;
    TXc12ColorRec FColor;
};

// A border of the style sheet.
class TXc12Border : public TXLSStyleObject {
public:
    explicit TXc12Border(TXLSStyleObjectList* owner = nullptr) : TXLSStyleObject(owner) {}

    uint8_t GetOptions() const { return FOptions; }
    void SetOptions(uint8_t options) { FOptions = options; }
    TXc12BorderPr& GetSide(TXc12BorderSide side) { return FSides.at(side); }
    const TXc12BorderPr& GetSide(TXc12BorderSide side) const { return FSides.at(side); }

    // No options, every side cleared.
    void Clear();
    void UpdateIndexedColors(const TXc12Palette& palette);

    bool Equals(const TXLSStyleObject& other) const override;
    void DumpText(int32_t level, rtl::UnicodeString& text) const override;

protected:
    // Computed afresh each time: the sides change without telling the border.
    void CalcHash() override;

private:
    uint8_t FOptions = 0;
    std::array<TXc12BorderPr, XC12BorderSideCount> FSides;
};

// The borders of a style sheet; the predefined one has no lines.
class TXc12Borders : public TXc12StyleObjectList<TXc12Border> {
public:
    TXc12Border* GetDefaultBorder() const { return GetItem(0); }

protected:
    void AddDefaults() override;
};

} // namespace xls
