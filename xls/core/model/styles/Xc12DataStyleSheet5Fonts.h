#pragma once
// The fonts of the style sheet. Font 0 is the workbook's default font: column widths are counted in its digits, so
// the font list measures the widest digit of font 0 on the screen whenever font 0 gets a size. Fonts are shared by
// cell formats and by rich-text runs, which hold one use each; a run array pairs character positions with fonts.

#include "rtl/core/SmallSet.h"
#include "rtl/text/StringTypes.h"
#include "xls/core/base/XLSPlatform.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5Common.h"

#include <array>
#include <cstdint>
#include <vector>

namespace xls {

enum TXc12FontStyle : uint8_t { xfsBold, xfsItalic, xfsStrikeOut, xfsOutline, xfsShadow, xfsCondense, xfsExtend };
// Held as bits 1 bold, 2 italic, 4 strike-out, 8 outline, 16 shadow, 32 condense, 64 extend.
using TXc12FontStyles = rtl::TSmallSet<TXc12FontStyle>;

enum TXc12Underline : uint8_t { xulNone, xulSingle, xulDouble, xulSingleAccount, xulDoubleAccount };

enum TXc12SubSuperscript : uint8_t { xssNone, xssSuperscript, xssSubscript };

// The font scheme (theme fonts) a font belongs to.
enum TXc12FontScheme : uint8_t { efsNone, efsMajor, efsMinor };

// The fields of a Windows logical font (LOGFONTW) that describe a style-sheet font; the face name stays UTF-16, so
// that names such as 宋体 survive.
struct TXc12LogFont {
    static constexpr int32_t FaceNameSize = 32;

    // Twentieths of a point, or for a given resolution the negated pixel height.
    int32_t lfHeight = 0;
    int32_t lfWeight = 0;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    // 7 (OUT_TT_ONLY_PRECIS) for a resolution, else 0.
    uint8_t lfOutPrecision = 0;
    // At most 31 characters, zero-filled.
    std::array<char16_t, FaceNameSize> lfFaceName{};
};

class TXc12Fonts;

// The GDI font (an HFONT on Windows) made from a style-sheet font for painting: made on first use and kept until the
// font changes, then deleted. Only Windows has GDI: elsewhere no handle is ever made.
class TXc12FontHandle {
public:
    TXc12FontHandle() = default;
    TXc12FontHandle(const TXc12FontHandle&) = delete;
    TXc12FontHandle& operator=(const TXc12FontHandle&) = delete;
    ~TXc12FontHandle() { Free(); }

    // The held handle, or one made from logFont (the stock system font when GDI cannot make it); nullptr without
    // GDI.
    void* Get(const TXc12LogFont& logFont);
    void* Held() const { return FHandle; }
    // Deletes the handle the holder made.
    void Free() noexcept;

private:
    void* FHandle = nullptr;
    // The stock system font is the system's own and is never deleted.
    bool FStock = false;
};

// A font of the style sheet.
class TXc12Font : public TXLSStyleObject {
public:
    // owner is the list that will hold the font, or nullptr for a free-standing one.
    explicit TXc12Font(TXLSStyleObjectList* owner = nullptr) : TXLSStyleObject(owner) {}

    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView name);
    // A Windows character set number.
    int32_t GetCharset() const { return FCharset; }
    void SetCharset(int32_t charset);
    int32_t GetFamily() const { return FFamily; }
    void SetFamily(int32_t family);
    TXc12FontStyles GetStyle() const { return FStyle; }
    void SetStyle(TXc12FontStyles style);
    TXc12Underline GetUnderline() const { return FUnderline; }
    void SetUnderline(TXc12Underline underline);
    TXc12SubSuperscript GetSubSuperscript() const { return FSubSuperscript; }
    void SetSubSuperscript(TXc12SubSuperscript subSuperscript);
    const TXc12ColorRec& GetColor() const { return FColor; }
    void SetColor(const TXc12ColorRec& color);
    // In points.
    double GetSize() const { return FSize; }
    // A size above 0 given to font 0 of a font list measures the list's digit width again.
    void SetSize(double size);
    TXc12FontScheme GetScheme() const { return FScheme; }
    void SetScheme(TXc12FontScheme scheme);

    // Copies every field of other.
    void Assign(const TXc12Font& other);
    // No name, size 0, automatic colour, every other field 0.
    void Clear();
    void UpdateIndexedColors(const TXc12Palette& palette);

    // The logical font in twentieths of a point, and the resolved value of the font's colour.
    void FillLogFont(TXc12LogFont& logFont, uint32_t& color) const;
    // The logical font a screen font of this font is made from at dpi: the height in whole points turned into
    // pixels (negated, as GDI takes a character height) and TrueType output; dpi <= 0 keeps twentieths of a point.
    TXc12LogFont GetLogFont(int32_t dpi) const;
    // What the platform measures text with.
    TXLSFontDescription GetDescription() const;
    // The GDI font of this font (GetLogFont(dpi)), kept from the first call until the name, family, size, style or
    // sub/superscript changes, whatever dpi later calls give; nullptr where there is no GDI.
    void* GetHandle(int32_t dpi) { return FHandle.Get(GetLogFont(dpi)); }
    void FreeHandle() { FHandle.Free(); }
    bool HasHandle() const { return FHandle.Held() != nullptr; }

    // Names compare ignoring case in full UTF-16 case folding; sizes compare exactly.
    bool Equals(const TXLSStyleObject& other) const override;
    void DumpText(int32_t level, rtl::UnicodeString& text) const override;

protected:
    void CalcHash() override;

private:
    void Changed() { SetHashValid(false); }

    rtl::UnicodeString FName;
    int32_t FCharset = 0;
    int32_t FFamily = 0;
    TXc12FontStyles FStyle;
    TXc12Underline FUnderline = xulNone;
    TXc12SubSuperscript FSubSuperscript = xssNone;
    TXc12ColorRec FColor;
    double FSize = 0;
    TXc12FontScheme FScheme = efsNone;
    TXc12FontHandle FHandle;
};

// The fonts of a style sheet; the predefined one is "Calibri" 11.
class TXc12Fonts : public TXc12StyleObjectList<TXc12Font> {
public:
    TXc12Font* GetDefaultFont() const { return GetItem(0); }
    // The first font that Equals font, else nullptr.
    TXc12Font* FindFont(const TXc12Font& font) const;
    // Measures the widest digit of font 0 on the screen and takes font 0's pixel height there.
    void CalcDigitWidth();

    // Pixels; 0 until measured.
    int32_t MaxDigitWidth() const { return FMaxDigitWidth; }
    // The lfHeight of font 0 at the screen's resolution when last measured: a negative pixel height.
    int32_t DefaultFontHeight() const { return FDefaultFontHeight; }

protected:
    void AddDefaults() override;

private:
    int32_t FMaxDigitWidth = 0;
    int32_t FDefaultFontHeight = 0;
};

// One run of rich text: the font that formats the text from the character at Position on (the font may be absent).
struct TXc12FontRun {
    int32_t Position = 0;
    TXc12Font* Font = nullptr; // not owned; the run holds one use of it
};
using TXc12DynFontRunArray = std::vector<TXc12FontRun>;

// One phonetic run of rich text: its characters Start to End and the reading.
struct TXc12PhoneticRun {
    int32_t Start = 0;
    int32_t End = 0;
    rtl::UnicodeString Text;
};
using TXc12DynPhoneticRunArray = std::vector<TXc12PhoneticRun>;

} // namespace xls
