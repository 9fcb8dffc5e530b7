#pragma once
// The button editor: the mask editor with buttons at its side. Its properties start with one ellipsis button that is
// also the default one (Ctrl+Enter clicks it); a form read into the editor replaces that button with the stored ones.

#include "ui/editors/framework/repository/uiEditRepository.h"
#include "ui/editors/mask/editor/uiMaskEdit.h"
#include "ui/editors/mask/editor/uiMaskEditProperties.h"

namespace ui {

class TuiCustomButtonEditProperties : public TuiCustomMaskEditProperties {
    RTL_DECLARE_CLASS(TuiCustomButtonEditProperties, TuiCustomMaskEditProperties)
public:
    explicit TuiCustomButtonEditProperties(rtl::TPersistent* owner);
    // The button editor control; defined with it.
    const rtl::TMetaclass& GetContainerClass() const override;
};

class TuiButtonEditProperties : public TuiCustomButtonEditProperties {
    RTL_DECLARE_CLASS(TuiButtonEditProperties, TuiCustomButtonEditProperties)
public:
    explicit TuiButtonEditProperties(rtl::TPersistent* owner) : TuiCustomButtonEditProperties(owner) {}
};

class TuiCustomButtonEdit : public TuiCustomMaskEdit {
    RTL_DECLARE_CLASS(TuiCustomButtonEdit, TuiCustomMaskEdit)
public:
    explicit TuiCustomButtonEdit(rtl::TComponent* owner)
        : TuiCustomButtonEdit(owner, TuiCustomButtonEditProperties::StaticClass()) {}

    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiCustomButtonEditProperties::StaticClass(); }
    // The styles store the button style, transparency and gradient when assigned.
    TuiContainerStyleValues GetUnpublishedStyleValues() const override;
    // Whether the user may type the text freely: not while a mask or a password holds it.
    bool IsEditableTextField() { return IsEditableText(); }

protected:
    TuiCustomButtonEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass)
        : TuiCustomMaskEdit(owner, propertiesClass) {}
};

class TuiButtonEdit : public TuiCustomButtonEdit {
    RTL_DECLARE_CLASS(TuiButtonEdit, TuiCustomButtonEdit)
public:
    explicit TuiButtonEdit(rtl::TComponent* owner)
        : TuiCustomButtonEdit(owner, TuiButtonEditProperties::StaticClass()) {}

    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiButtonEditProperties::StaticClass(); }
    TuiButtonEditProperties& ButtonEditProperties() const {
        return static_cast<TuiButtonEditProperties&>(Properties());
    }
    // The first read drops the default button, so the editor has exactly the buttons the form stores; a later read
    // (an inherited form over the same editor) keeps what the first one gave.
    void ReadState(vcl::TWinControl* parent, const std::function<void()>& readProperties) override;

private:
    bool FButtonsCleared = false;
};

// The repository item of the button editor.
class TuiEditRepositoryButtonItem : public TuiEditRepositoryItemOf<TuiButtonEditProperties> {
    RTL_DECLARE_CLASS(TuiEditRepositoryButtonItem, TuiEditRepositoryItemOf<TuiButtonEditProperties>)
public:
    using TuiEditRepositoryItemOf::TuiEditRepositoryItemOf;
};

// Registers the button properties among the editor properties classes; the finalisation removes them.
void InitializeButtonEditUnit();
void FinalizeButtonEditUnit();

} // namespace ui
