#pragma once
// TuiCustomCheckBox: the check box editor, two- or three-state, standalone or in place over a grid's cell. Its value
// is the edit value its properties turn into a state; a click (released over the box), the space key (on release)
// and the caption's accelerator step the state: unchecked, checked (grayed between them when AllowGrayed), unchecked.
// Each step is the user's change and obeys read-only; OnClick fires when the state changes. The check is painted by
// the check box view info, and only its rectangle repaints when its hot or pressed look changes.

#include "ui/editors/choice/checkbox/uiCheckBoxProperties.h"
#include "ui/editors/choice/checkbox/uiCheckGlyph.h"
#include "ui/editors/framework/control/uiCustomEdit.h"
#include "ui/editors/framework/repository/uiEditRepository.h"

namespace ui {

class TuiCustomCheckBoxViewInfo;

// The check box's styles: the border style they give frames the check, never the editor.
class TuiCheckBoxStyle : public TuiEditStyle {
    RTL_DECLARE_CLASS(TuiCheckBoxStyle, TuiEditStyle)
public:
    using TuiEditStyle::TuiEditStyle;
    bool ShowsBorder() const override { return false; }
};

// Makes one of a check box's four styles (a TuiContainerStyleFactory).
std::unique_ptr<TuiContainerStyle> MakeCheckBoxStyle(rtl::TPersistent* owner, TuiContainerStyle* parentStyle,
                                                     TuiContainerStyleState state);

class TuiCustomCheckBox : public TuiCustomEdit {
    RTL_DECLARE_CLASS(TuiCustomCheckBox, TuiCustomEdit)
public:
    explicit TuiCustomCheckBox(rtl::TComponent* owner)
        : TuiCustomCheckBox(owner, TuiCustomCheckBoxProperties::StaticClass()) {}

    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiCustomCheckBoxProperties::StaticClass(); }
    TuiCustomCheckBoxProperties& Properties() const {
        return static_cast<TuiCustomCheckBoxProperties&>(TuiCustomEdit::Properties());
    }
    TuiCustomCheckBoxProperties& ActiveProperties() {
        return static_cast<TuiCustomCheckBoxProperties&>(GetEffectiveProperties());
    }
    TuiCheckBoxStyle& Style() const { return static_cast<TuiCheckBoxStyle&>(EditStyle(essNormal)); }

    // The state of the edit value. Set while the form loads, it is applied at Loaded; else a new state sets the
    // value it stands for.
    TuiCheckBoxState State();
    void SetState(TuiCheckBoxState value);
    bool Checked() { return State() == cbsChecked; }
    void SetChecked(bool value) { SetState(value ? cbsChecked : cbsUnchecked); }
    // Steps the state as a click does, as the user's change: unchecked, checked (grayed first with AllowGrayed),
    // unchecked; a grayed box becomes checked. With ImmediatePost the new value is posted.
    virtual void Toggle();

    void Loaded() override;
    bool UsesParentThemedBackground() const override;

protected:
    TuiCustomCheckBox(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass);

    // OnClick, unless notifications are locked or the box is being loaded or destroyed.
    void Click() override;
    void PropertiesChanged(TuiCustomEditProperties* properties) override;
    void ApplyEditValue(const rtl::Variant& value, bool validated) override;
    rtl::Variant GetClearValue() const override;
    void InitViewData(TuiCustomEditViewData& viewData) override;
    void DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) override;
    void DoEditKeyPress(char16_t& key) override;
    void KeyUp(uint16_t& key, vcl::TShiftState shift) override;
    void DoExit() override;
    // A left press that ends hot over the check toggles it.
    void AfterHotTrackHook() override;
    bool PaintsOwnBorder() const override;
    bool PrefersParentColor() const override { return true; }
    // Enabled or disabled only: a check box has no inactive or read-only colours.
    int32_t EditorColorState() const override { return Enabled() ? 0 : 1; }
    vcl::TRect OuterBorderRect() const override;
    TuiContainerStyleValues GetUnpublishedStyleValues() const override;
    void Dispatch(vcl::TMessage& message) override;

private:
    TuiCustomCheckBoxViewInfo* CheckViewInfo();
    TuiCheckHotState HotState();
    bool HandleDialogChar(char16_t key);

    bool FSpacePressed = false;
    bool FInLoading = false;
    bool FStateRemembered = false;
    TuiCheckBoxState FRememberedState = cbsUnchecked;
    // The state last shown, so that a change of it fires OnClick once.
    TuiCheckBoxState FShownState = cbsUnchecked;
};

// The check box a form places: its properties are TuiCheckBoxProperties.
class TuiCheckBox : public TuiCustomCheckBox {
    RTL_DECLARE_CLASS(TuiCheckBox, TuiCustomCheckBox)
public:
    explicit TuiCheckBox(rtl::TComponent* owner) : TuiCustomCheckBox(owner, TuiCheckBoxProperties::StaticClass()) {}

    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiCheckBoxProperties::StaticClass(); }
    TuiCheckBoxProperties& Properties() const {
        return static_cast<TuiCheckBoxProperties&>(TuiCustomEdit::Properties());
    }
};

// The repository item of the check box; the default editor of Boolean values.
class TuiEditRepositoryCheckBoxItem : public TuiEditRepositoryItemOf<TuiCheckBoxProperties> {
    RTL_DECLARE_CLASS(TuiEditRepositoryCheckBoxItem, TuiEditRepositoryItemOf<TuiCheckBoxProperties>)
public:
    using TuiEditRepositoryItemOf::TuiEditRepositoryItemOf;
};

// Registers the check box properties among the properties classes and its filter helper; the finalisation removes
// both and frees the check-sign mask.
void InitializeCheckBoxUnit();
void FinalizeCheckBoxUnit();

} // namespace ui
