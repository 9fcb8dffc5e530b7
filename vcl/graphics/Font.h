#pragma once
// TFont: the description of a font (face name, height, character set, style, colour, pitch, orientation) with the GDI
// font made from it on first use. Every change drops the GDI font and calls OnChange once; a control answers by sending
// itself CM_FONTCHANGED. Height is in pixels as GDI takes it (negative: character height without internal leading);
// Size is in points at the font's PixelsPerInch.

#include "rtl/core/Events.h"
#include "rtl/core/Persistent.h"
#include "rtl/core/SmallSet.h"
#include "vcl/graphics/Colors.h"
#include "vcl/graphics/GdiObjects.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace vcl {

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = rtl::TSmallSet<TFontStyle>;

enum TFontPitch : uint8_t { fpDefault, fpVariable, fpFixed };

using TFontCharset = uint8_t;
inline constexpr TFontCharset DEFAULT_CHARSET_VALUE = 1;
inline constexpr TFontCharset GB2312_CHARSET_VALUE = 134;

// A font description whose GDI font is created when first asked for and released when the description changes.
class TFont : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TFont, rtl::TPersistent)
public:
    // The face name, size and character set of a font made without further settings.
    static constexpr char16_t DefaultName[] = u"宋体";
    static constexpr int32_t DefaultSize = 9;

    TFont();
    ~TFont() override;

    void Assign(const rtl::TPersistent* source) override;

    const rtl::UnicodeString& Name() const { return FName; }
    void SetName(rtl::UnicodeStringView name);
    int32_t Height() const { return FHeight; }
    void SetHeight(int32_t height);
    int32_t Size() const;
    void SetSize(int32_t size);
    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset charset);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch pitch);
    // The angle of the text's baseline in tenths of a degree, counter-clockwise; 0 runs left to right.
    int32_t Orientation() const { return FOrientation; }
    void SetOrientation(int32_t orientation);
    // The resolution Size converts at; changing it keeps Height.
    int32_t PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int32_t pixelsPerInch) { FPixelsPerInch = pixelsPerInch; }

    // The GDI font of the description, owned by this object; valid until the next change.
    HFONT Handle();
    // Takes handle over (owned from now on): the description becomes the font's, then OnChange fires.
    void SetHandle(HFONT handle);
    bool HandleAllocated() const { return static_cast<bool>(FHandle); }

    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }

    // True when both describe the same font (colour included).
    bool SameAs(const TFont& other) const;

private:
    void Changed();

    rtl::UnicodeString FName = DefaultName;
    int32_t FHeight = 0;
    TFontCharset FCharset = DEFAULT_CHARSET_VALUE;
    TFontStyles FStyle;
    TColor FColor = clWindowText;
    TFontPitch FPitch = fpDefault;
    int32_t FOrientation = 0;
    int32_t FPixelsPerInch = 96;
    TFontHandle FHandle;
    rtl::TNotifyEvent FOnChange;
};

// The vertical resolution of the screen in pixels per inch.
int32_t ScreenPixelsPerInch();

} // namespace vcl
