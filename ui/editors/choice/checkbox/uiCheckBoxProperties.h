#pragma once
// TuiCustomCheckBoxProperties: the description of a check box, two- or three-state. Its value is a Variant that
// compares with three configurable values (ValueChecked, ValueUnchecked, ValueGrayed) to give the state shown; every
// value that matches neither the checked nor the unchecked value (Null included) shows grayed. The three values stay
// pairwise different by type and value, and neither the checked nor the unchecked value is ever Null: setters ignore
// a value that would break that. It also holds the three display texts of the states (filters, hints, copies), an
// optional glyph of the check's images, and how a Null value shows.

#include "rtl/variants/Variant.h"
#include "ui/core/painters/uiPainterTypes.h"
#include "ui/editors/framework/properties/uiEditProperties.h"

#include <cstdint>
#include <memory>

namespace vcl {
class TBitmap;
} // namespace vcl

namespace ui {

// How a grayed state shows in the flat looks: as unchecked, as an inactive (button-face) square, or as a check sign
// in the shadow colour.
enum TuiCheckBoxNullValueShowingStyle : uint8_t { nssUnchecked, nssInactive, nssGrayedChecked };

class TuiCustomCheckBoxProperties : public TuiCustomEditProperties {
    RTL_DECLARE_CLASS(TuiCustomCheckBoxProperties, TuiCustomEditProperties)
public:
    explicit TuiCustomCheckBoxProperties(rtl::TPersistent* owner);
    ~TuiCustomCheckBoxProperties() override;

    // From other check box properties, in one update: the base properties, the flags, texts, glyph, null style and,
    // when they are acceptable together, the three values.
    void Assign(const rtl::TPersistent* source) override;

    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { SetAndNotify(FAllowGrayed, value); }
    // A caption given with the properties (as older form data does): the editor takes it as its own Caption at the
    // next change of its properties.
    const rtl::UnicodeString& Caption() const { return FCaption; }
    bool IsCaptionAssigned() const { return FCaptionAssigned; }
    void SetCaption(rtl::UnicodeStringView value);
    void ClearCaptionAssigned() { FCaptionAssigned = false; }
    const rtl::UnicodeString& DisplayChecked() const { return FDisplayChecked; }
    void SetDisplayChecked(rtl::UnicodeStringView value) { SetAndNotify(FDisplayChecked, rtl::UnicodeString(value)); }
    const rtl::UnicodeString& DisplayGrayed() const { return FDisplayGrayed; }
    void SetDisplayGrayed(rtl::UnicodeStringView value) { SetAndNotify(FDisplayGrayed, rtl::UnicodeString(value)); }
    const rtl::UnicodeString& DisplayUnchecked() const { return FDisplayUnchecked; }
    void SetDisplayUnchecked(rtl::UnicodeStringView value) {
        SetAndNotify(FDisplayUnchecked, rtl::UnicodeString(value));
    }
    // The focus frame fills the text rectangle instead of hugging the caption.
    bool FullFocusRect() const { return FFullFocusRect; }
    void SetFullFocusRect(bool value) { SetAndNotify(FFullFocusRect, value); }
    // The images of the check side by side (by state, then pressed), made empty on first request; a change of it is a
    // change of the properties.
    virtual vcl::TBitmap& GetGlyph();
    // nullptr frees the glyph; any other bitmap is copied into it.
    void SetGlyph(const vcl::TBitmap* value);
    // The glyph when there is one, else nullptr.
    vcl::TBitmap* GlyphOrNull() const { return FGlyph.get(); }
    int32_t GlyphCount() const { return FGlyphCount; }
    void SetGlyphCount(int32_t value);
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool value) { SetAndNotify(FMultiLine, value); }
    TuiCheckBoxNullValueShowingStyle NullStyle() const { return FNullStyle; }
    void SetNullStyle(TuiCheckBoxNullValueShowingStyle value) { SetAndNotify(FNullStyle, value); }
    // In place the alignment places the check as it does standalone (else the check is centred).
    bool UseAlignmentWhenInplace() const { return FUseAlignmentWhenInplace; }
    void SetUseAlignmentWhenInplace(bool value) { SetAndNotify(FUseAlignmentWhenInplace, value); }
    const rtl::Variant& ValueChecked() const { return FValueChecked; }
    const rtl::Variant& ValueGrayed() const { return FValueGrayed; }
    const rtl::Variant& ValueUnchecked() const { return FValueUnchecked; }
    // Each ignores a value equal (by type and value) to one of the three, and the checked and unchecked ones also
    // Null; while the owning component loads every value is taken.
    void SetValueChecked(const rtl::Variant& value);
    void SetValueGrayed(const rtl::Variant& value);
    void SetValueUnchecked(const rtl::Variant& value);

    // cbsChecked for a value equal to ValueChecked, cbsUnchecked for one equal to ValueUnchecked, else cbsGrayed.
    TuiCheckBoxState GetStateByValue(const rtl::Variant& value) const;
    // The value a state stands for.
    rtl::Variant GetValueByState(TuiCheckBoxState state) const;
    // The display text of a state.
    const rtl::UnicodeString& GetDisplayTextByState(TuiCheckBoxState state) const;
    // In place the check box shows no caption.
    virtual bool HasInplaceCaption() const { return false; }

    std::unique_ptr<TuiCustomEditViewData> CreateViewData(TuiCustomEditStyle& style, bool isInplace,
                                                          bool extraFlag = false) override;
    std::unique_ptr<TuiCustomEditViewInfo> CreateViewInfo() const override;
    const rtl::TMetaclass& GetContainerClass() const override;
    bool CanValidate() const override { return true; }
    bool CanResetValue() const override { return true; }
    bool IsChangeEventFromText() const override { return true; }
    bool NotifiesEditValueChange() const override { return true; }
    uint32_t GetCapabilities() const override { return 0x05AD; }
    // Valid only when equal by type and value to one of the three values.
    bool IsEditValueValid(rtl::Variant& value, bool editing) override;
    // The display value of an edit value is its state, as an Integer.
    void PrepareDisplayValue(const rtl::Variant& editValue, rtl::Variant& displayValue, bool editing) override;
    // The display text of the value's state.
    rtl::UnicodeString GetDisplayText(const rtl::Variant& editValue, bool fullText = false,
                                      bool isInplace = true) override;

private:
    bool IsOwnerLoading() const;
    // A value that neither is Null (unless nullAllowed) nor equals one of the three.
    bool IsNewValueAcceptable(const rtl::Variant& value, bool nullAllowed) const;
    void SetValue(rtl::Variant& field, const rtl::Variant& value, bool nullAllowed);

    bool FAllowGrayed = false;
    rtl::UnicodeString FCaption;
    bool FCaptionAssigned = false;
    rtl::UnicodeString FDisplayChecked;
    rtl::UnicodeString FDisplayGrayed;
    rtl::UnicodeString FDisplayUnchecked;
    bool FFullFocusRect = false;
    std::unique_ptr<vcl::TBitmap> FGlyph;
    int32_t FGlyphCount = 6;
    bool FMultiLine = false;
    TuiCheckBoxNullValueShowingStyle FNullStyle = nssGrayedChecked;
    bool FUseAlignmentWhenInplace = false;
    rtl::Variant FValueChecked;
    rtl::Variant FValueGrayed;
    rtl::Variant FValueUnchecked;
};

// The properties of the check box and of its repository item.
class TuiCheckBoxProperties : public TuiCustomCheckBoxProperties {
    RTL_DECLARE_CLASS(TuiCheckBoxProperties, TuiCustomCheckBoxProperties)
public:
    explicit TuiCheckBoxProperties(rtl::TPersistent* owner) : TuiCustomCheckBoxProperties(owner) {}
};

} // namespace ui
