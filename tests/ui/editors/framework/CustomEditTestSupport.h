#pragma once
// A small editor for the editor control's tests: it shows its value as a text, takes typed characters into it as
// the user's change (refusing '#' through its properties' input filter), and turns the text back into a value when
// the entry is validated. Its properties validate, may reset a value and compare values.

#include "rtl/variants/VariantConversions.h"
#include "ui/editors/framework/control/uiCustomEdit.h"
#include "ui/editors/framework/repository/uiEditRepository.h"

#include <cstdint>

namespace ui_test {

class TTestEditProperties : public ui::TuiCustomEditProperties {
    RTL_DECLARE_CLASS(TTestEditProperties, ui::TuiCustomEditProperties)
public:
    using TuiCustomEditProperties::TuiCustomEditProperties;

    bool CanValidate() const override { return true; }
    bool CanResetValue() const override { return true; }
    bool NotifiesEditValueChange() const override { return true; }
    bool IsValidInputChar(char16_t ch) const override { return ch != u'#'; }
    const rtl::TMetaclass& GetContainerClass() const override;
};

// Properties of a subclass, edited by the same control class.
class TTestEditSubProperties : public TTestEditProperties {
    RTL_DECLARE_CLASS(TTestEditSubProperties, TTestEditProperties)
public:
    using TTestEditProperties::TTestEditProperties;
};

class TTestEdit : public ui::TuiCustomEdit {
    RTL_DECLARE_CLASS(TTestEdit, ui::TuiCustomEdit)
public:
    explicit TTestEdit(rtl::TComponent* owner) : TuiCustomEdit(owner, TTestEditProperties::StaticClass()) {}

    const rtl::TMetaclass& GetPropertiesClass() const override { return TTestEditProperties::StaticClass(); }
    rtl::UnicodeString GetDisplayText() const override { return Text; }
    void SetDisplayValue(const rtl::Variant& value) override { Text = rtl::VarToStr(value); }
    void UpdateDisplay() override { Text = rtl::VarToStr(EditValue()); }
    void SelectAll() override { ++SelectAllCount; }

    using TuiCustomEdit::AdjustSize;
    using TuiCustomEdit::CommitValue;
    using TuiCustomEdit::Deactivate;
    using TuiCustomEdit::UserEditInProgress;
    using TuiCustomEdit::ValidateEnteredText;

    rtl::UnicodeString Text;
    int32_t SelectAllCount = 0;
    bool HorzAnchor = false;
    bool CentredAnchor = false;

protected:
    // For test editors whose properties paint otherwise.
    TTestEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass) : TuiCustomEdit(owner, propertiesClass) {}

    rtl::Variant GetEditValueFromDisplay() override { return rtl::Variant(Text); }
    void WriteDisplayValue(const rtl::Variant& value) override { ApplyEditValue(value, true); }
    bool IsEditingChar(char16_t ch) const override { return ch >= u' '; }
    void DoEditKeyPress(char16_t& key) override {
        if (HandleKeyPress(key) && key >= u' ') {
            Text += key;
            HandleUserChange();
            key = 0;
        }
    }
    bool UsesAnchorX() const override { return HorzAnchor; }
    bool IsHorzAnchorCentred() const override { return CentredAnchor; }
};

inline const rtl::TMetaclass& TTestEditProperties::GetContainerClass() const {
    return TTestEdit::StaticClass();
}

// A repository item holding test properties.
class TTestEditRepositoryItem : public ui::TuiEditRepositoryItem {
    RTL_DECLARE_CLASS(TTestEditRepositoryItem, ui::TuiEditRepositoryItem)
public:
    explicit TTestEditRepositoryItem(rtl::TComponent* owner)
        : TuiEditRepositoryItem(owner, TTestEditProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TTestEditProperties::StaticClass(); }
};

} // namespace ui_test
