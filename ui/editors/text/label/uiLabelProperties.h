#pragma once
// TuiCustomLabelProperties: the description of a label, a read-only editor that shows its value as text with effects:
// a turn by any angle, a depth drawn as extrusion or shadow in one of eight directions, a raised, lowered or outlined
// text, and an etched line beside or through the text. The grid paints its label columns through it.

#include "ui/editors/framework/properties/uiEditProperties.h"
#include "vcl/graphics/Colors.h"

#include <cstdint>
#include <memory>

namespace vcl {
class TBitmap;
} // namespace vcl

namespace ui {

enum TuiLabelLineAlignment : uint8_t { uillaTop, uillaCenter, uillaBottom };
enum TuiLabelEffect : uint8_t { uileNormal, uileFun, uileExtrude, uileCool };
enum TuiLabelStyle : uint8_t { uilsNormal, uilsRaised, uilsLowered, uilsOutLine };
enum TuiLabelOrientation : uint8_t {
    uioLeft,
    uioRight,
    uioTop,
    uioBottom,
    uioLeftTop,
    uioLeftBottom,
    uioRightTop,
    uioRightBottom
};

// The etched line of a label: where it runs, its two colours and whether it shows.
class TuiLabelLineOptions : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiLabelLineOptions, rtl::TPersistent)
public:
    TuiLabelLineOptions() = default;

    void Assign(const rtl::TPersistent* source) override;

    TuiLabelLineAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TuiLabelLineAlignment value) { SetAndNotify(FAlignment, value); }
    vcl::TColor InnerColor() const { return FInnerColor; }
    void SetInnerColor(vcl::TColor value) { SetAndNotify(FInnerColor, value); }
    vcl::TColor OuterColor() const { return FOuterColor; }
    void SetOuterColor(vcl::TColor value) { SetAndNotify(FOuterColor, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { SetAndNotify(FVisible, value); }

    void SetOnChanged(rtl::TNotifyEvent handler) { FOnChanged = std::move(handler); }

private:
    template <class T>
    void SetAndNotify(T& field, T value) {
        if (field != value) {
            field = value;
            Changed();
        }
    }
    void Changed();

    TuiLabelLineAlignment FAlignment = uillaCenter;
    vcl::TColor FInnerColor = vcl::clDefault;
    vcl::TColor FOuterColor = vcl::clDefault;
    bool FVisible = false;
    rtl::TNotifyEvent FOnChanged;
};

class TuiCustomLabelProperties : public TuiCustomEditProperties {
    RTL_DECLARE_CLASS(TuiCustomLabelProperties, TuiCustomEditProperties)
public:
    explicit TuiCustomLabelProperties(rtl::TPersistent* owner);
    ~TuiCustomLabelProperties() override;

    void Assign(const rtl::TPersistent* source) override;

    int32_t Angle() const { return FAngle; }
    void SetAngle(int32_t value) { SetAndNotify(FAngle, value); }
    // The picture that fills the letters of a TrueType font, tiled; made empty on first read. A change of it is a
    // change of the properties.
    vcl::TBitmap& Glyph();
    // nullptr frees the picture; reading it again makes an empty one.
    void SetGlyph(const vcl::TBitmap* value);
    bool HasGlyph() const;
    const vcl::TBitmap* GlyphOrNull() const { return FGlyph.get(); }
    uint16_t Depth() const { return FDepth; }
    void SetDepth(uint16_t value) { SetAndNotify(FDepth, value); }
    TuiLabelEffect LabelEffect() const { return FLabelEffect; }
    void SetLabelEffect(TuiLabelEffect value) { SetAndNotify(FLabelEffect, value); }
    TuiLabelStyle LabelStyle() const { return FLabelStyle; }
    void SetLabelStyle(TuiLabelStyle value) { SetAndNotify(FLabelStyle, value); }
    TuiLabelLineOptions& LineOptions() const { return *FLineOptions; }
    void SetLineOptions(const TuiLabelLineOptions& value) { FLineOptions->Assign(&value); }
    TuiLabelOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TuiLabelOrientation value) { SetAndNotify(FOrientation, value); }
    int32_t PenWidth() const { return FPenWidth; }
    void SetPenWidth(int32_t value) { SetAndNotify(FPenWidth, value); }
    vcl::TColor ShadowedColor() const { return FShadowedColor; }
    void SetShadowedColor(vcl::TColor value) { SetAndNotify(FShadowedColor, value); }
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value) { SetAndNotify(FShowAccelChar, value); }
    // Kept for the forms that set it; the label's drawing takes the end ellipsis from the host's paint options.
    bool ShowEndEllipsis() const { return FShowEndEllipsis; }
    void SetShowEndEllipsis(bool value) { FShowEndEllipsis = value; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value) { SetAndNotify(FWordWrap, value); }

    // How far the depth copies reach: (0, 0) without effect; Depth along the orientation's axes.
    virtual vcl::TSize GetDepthExtent() const;

    std::unique_ptr<TuiCustomEditViewData> CreateViewData(TuiCustomEditStyle& style, bool isInplace,
                                                          bool extraFlag = false) override;
    std::unique_ptr<TuiCustomEditViewInfo> CreateViewInfo() const override;
    bool NotifiesEditValueChange() const override { return true; }
    bool IsChangeEventFromText() const override { return true; }
    bool CanShowDataDisplayText(bool) override { return true; }
    uint32_t GetCapabilities() const override { return 1418; }
    void PrepareDisplayValue(const rtl::Variant& editValue, rtl::Variant& displayValue, bool editing) override;
    rtl::UnicodeString GetDisplayText(const rtl::Variant& editValue, bool fullText = false,
                                      bool isInplace = true) override;

private:
    int32_t FAngle = 0;
    uint16_t FDepth = 0;
    std::unique_ptr<vcl::TBitmap> FGlyph;
    TuiLabelEffect FLabelEffect = uileNormal;
    TuiLabelStyle FLabelStyle = uilsNormal;
    std::unique_ptr<TuiLabelLineOptions> FLineOptions;
    TuiLabelOrientation FOrientation = uioRightBottom;
    int32_t FPenWidth = 1;
    vcl::TColor FShadowedColor = vcl::clGrayText;
    bool FShowAccelChar = true;
    bool FShowEndEllipsis = false;
    bool FWordWrap = false;
};

// The properties of the label and of its repository item.
class TuiLabelProperties : public TuiCustomLabelProperties {
    RTL_DECLARE_CLASS(TuiLabelProperties, TuiCustomLabelProperties)
public:
    explicit TuiLabelProperties(rtl::TPersistent* owner) : TuiCustomLabelProperties(owner) {}
};

// 0..359 for a TrueType font, else 0: other fonts never turn.
int32_t NormalizeLabelAngle(int32_t angle, bool isTrueType);

} // namespace ui
