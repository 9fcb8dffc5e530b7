#pragma once
// TuiCustomLabel: the standalone label. Its caption is its value; it takes the focus only in place, hands it to its
// FocusControl when its accelerator letter arrives, and paints through the label's view data and view info. A
// visible line and auto size exclude each other.

#include "ui/editors/framework/control/uiCustomEdit.h"
#include "ui/editors/text/label/uiLabelPictureCache.h"
#include "ui/editors/text/label/uiLabelProperties.h"

namespace ui {

// The label's styles: a label shows no border unless its normal style is given one.
class TuiLabelEditStyle : public TuiEditStyle {
    RTL_DECLARE_CLASS(TuiLabelEditStyle, TuiEditStyle)
public:
    using TuiEditStyle::TuiEditStyle;

protected:
    TuiContainerBorderStyle FallbackBorderStyle() const override {
        return IsMainStyle() ? cbsNone : TuiEditStyle::FallbackBorderStyle();
    }
};

// Makes one of a label's four styles (a TuiContainerStyleFactory).
std::unique_ptr<TuiContainerStyle> MakeLabelEditStyle(rtl::TPersistent* owner, TuiContainerStyle* parentStyle,
                                                      TuiContainerStyleState state);

class TuiCustomLabel : public TuiCustomEdit {
    RTL_DECLARE_CLASS(TuiCustomLabel, TuiCustomEdit)
public:
    explicit TuiCustomLabel(rtl::TComponent* owner) : TuiCustomLabel(owner, TuiCustomLabelProperties::StaticClass()) {}

    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiCustomLabelProperties::StaticClass(); }
    TuiCustomLabelProperties& Properties() const {
        return static_cast<TuiCustomLabelProperties&>(TuiCustomEdit::Properties());
    }
    TuiCustomLabelProperties& ActiveProperties() {
        return static_cast<TuiCustomLabelProperties&>(GetEffectiveProperties());
    }

    // Never the label itself; cleared when the control goes.
    vcl::TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(vcl::TWinControl* value);

    rtl::UnicodeString GetDisplayText() const override { return Caption(); }
    void SetDisplayValue(const rtl::Variant& value) override;
    bool CanFocus() const override;
    void SetAutoSize(bool value) override;
    // The drawn picture kept between paints; every change of what the label shows invalidates it.
    TuiLabelPictureCache& PictureCache() { return FPictureCache; }

protected:
    TuiCustomLabel(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass);

    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;
    void ApplyEditValue(const rtl::Variant& value, bool validated) override;
    void PropertiesChanged(TuiCustomEditProperties* properties) override;
    void ContainerStyleChanged() override;
    void BoundsChanged() override;
    void ColorChanged() override;
    void FontChanged() override;
    void LookAndFeelChanged(TuiLookAndFeel* sender, TuiLookAndFeelValues changed) override;
    void InitViewData(TuiCustomEditViewData& viewData) override;
    bool IsEditable() const override { return false; }
    bool KeepsWidthWhenAutoSizing() const override;
    bool AreButtonsAutoWidth() const override { return true; }
    bool UsesAnchorX() const override;
    bool UsesAnchorY() const override;
    bool IsHorzAnchorCentred() const override;
    bool IsVertAnchorCentred() const override;
    bool CanFocusOnClick() const override { return IsInplace(); }
    void Dispatch(vcl::TMessage& message) override;

private:
    // An accelerator of the caption gives the focus to FocusControl.
    bool HandleDialogChar(char16_t key);

    vcl::TWinControl* FFocusControl = nullptr; // not owned
    bool FTextSettingFlag = false;
    TuiLabelPictureCache FPictureCache;
};

// The label a form places: its properties are TuiLabelProperties.
class TuiLabel : public TuiCustomLabel {
    RTL_DECLARE_CLASS(TuiLabel, TuiCustomLabel)
public:
    explicit TuiLabel(rtl::TComponent* owner) : TuiCustomLabel(owner, TuiLabelProperties::StaticClass()) {}

    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiLabelProperties::StaticClass(); }
};

// The label unit's start-up registers TuiLabelProperties with the registry of properties classes; shut-down removes it.
void InitializeLabelUnit();
void FinalizeLabelUnit();

} // namespace ui
