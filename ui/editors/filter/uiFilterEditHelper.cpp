#include "ui/editors/filter/uiFilterEditHelper.h"

#include "rtl/variants/VariantConversions.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/data/values/uiValueType.h"
#include "ui/editors/filter/uiFilterControlOperators.h"
#include "ui/editors/filter/uiFilterControlStrs.h"
#include "ui/editors/framework/buttons/uiEditButtons.h"
#include "ui/editors/framework/control/uiCustomEdit.h"
#include "ui/editors/framework/control/uiInplaceEditList.h"
#include "ui/editors/framework/properties/uiEditProperties.h"

namespace ui {

namespace {

// The controller lives from the first registration to the removal of the last one.
std::unique_ptr<TuiFilterEditsController>& FilterEditsControllerInstance() {
    static std::unique_ptr<TuiFilterEditsController> controller;
    return controller;
}

// Registrations are kept under the parent of the class given, so its siblings share them.
TuiClass FilterKeyClass(const rtl::TMetaclass& propertiesClass) {
    return propertiesClass.ClassParent() != nullptr ? propertiesClass.ClassParent() : &propertiesClass;
}

} // namespace

TuiFilterControlOperators FilterControlOperatorRange(int32_t first, int32_t last) {
    TuiFilterControlOperators operators;
    for (int32_t number = first; number <= last; ++number) {
        operators.set(static_cast<size_t>(number));
    }
    return operators;
}

TuiFilterControlOperators NumericFilterControlOperators(bool extended) {
    TuiFilterControlOperators operators = FilterControlOperatorRange(1, extended ? 14 : 10);
    operators.reset(fcopLike);
    operators.reset(fcopNotLike);
    return operators;
}

void TuiCustomFilterEditHelper::ClearPropertiesEvents(TuiCustomEditProperties* properties) const {
    if (properties == nullptr) {
        return;
    }
    properties->SetOnButtonClick({});
    properties->SetOnChange({});
    properties->SetOnEditValueChanged({});
    properties->SetOnValidate({});
}

void TuiCustomFilterEditHelper::InitializeFilterEdit(TuiCustomEdit& editor,
                                                     const TuiCustomEditProperties& source) const {
    PrepareFilterProperties(editor.GetEffectiveProperties(), source, GetOption());
}

void TuiCustomFilterEditHelper::GetFilterValue(TuiCustomEdit& editor, TuiCustomEditProperties& properties,
                                               rtl::UnicodeString& displayText, rtl::Variant& value) const {
    value = editor.EditValue();
    displayText = properties.GetDisplayText(value);
}

TuiFilterControlOperators TuiCustomFilterEditHelper::GetSupportedOperators(TuiCustomEditProperties&,
                                                                           const TuiValueType* valueType,
                                                                           bool extended) const {
    TuiFilterControlOperators operators = FilterControlOperatorRange(1, extended ? 14 : 10);
    if (valueType != nullptr && !valueType->IsStringType()) {
        operators.reset(fcopLike);
        operators.reset(fcopNotLike);
    }
    return operators;
}

void TuiCustomFilterEditHelper::PrepareFilterProperties(TuiCustomEditProperties& target,
                                                        const TuiCustomEditProperties& source, bool keepButtons) const {
    target.Assign(&source);
    target.GetAlignment().SetHorz(vcl::taLeftJustify);
    target.GetAlignment().SetVert(taTopJustify);
    target.SetBeepOnError(false);
    if (!keepButtons) {
        target.Buttons().Clear();
    }
    target.SetReadOnly(false);
    target.SetValidateOnEnter(true);
    if (!KeepsDefaultValuesProvider(source)) {
        target.AssignDefaultValuesProvider(nullptr);
    }
    ClearPropertiesEvents(&target);
}

bool TuiCustomFilterEditHelper::CheckValueForType(const TuiValueType& valueType, rtl::Variant& value) const {
    return valueType.CoerceVariant(value);
}

void TuiFilterEditsController::RegisterHelper(const rtl::TMetaclass& propertiesClass,
                                              const TuiCustomFilterEditHelper& helper) {
    FClasses.Register(FilterKeyClass(propertiesClass), &helper.ClassType());
    FHelpers[&helper.ClassType()] = &helper;
}

void TuiFilterEditsController::UnregisterHelper(const rtl::TMetaclass& propertiesClass,
                                                const TuiCustomFilterEditHelper& helper) {
    FClasses.Unregister(FilterKeyClass(propertiesClass), &helper.ClassType());
}

const TuiCustomFilterEditHelper*
TuiFilterEditsController::HelperForProperties(const rtl::TMetaclass& propertiesClass) const {
    const TuiClass helperClass = FClasses.LookupClass(FilterKeyClass(propertiesClass));
    const auto found = FHelpers.find(helperClass);
    return found != FHelpers.end() ? found->second : nullptr;
}

TuiFilterEditsController& GetFilterEditsController() {
    std::unique_ptr<TuiFilterEditsController>& controller = FilterEditsControllerInstance();
    if (controller == nullptr) {
        controller = std::make_unique<TuiFilterEditsController>();
    }
    return *controller;
}

void UnregisterFilterEditHelper(const rtl::TMetaclass& propertiesClass, const TuiCustomFilterEditHelper& helper) {
    std::unique_ptr<TuiFilterEditsController>& controller = FilterEditsControllerInstance();
    if (controller == nullptr) {
        return;
    }
    controller->UnregisterHelper(propertiesClass, helper);
    if (controller->IsEmpty()) {
        controller.reset();
    }
}

TuiFilterEditPtr CreateFilterEdit(const TuiCustomFilterEditHelper& helper, const TuiCustomEditProperties& source) {
    const rtl::TMetaclass* editClass = helper.FilterEditClass();
    if (editClass == nullptr) {
        return nullptr;
    }
    TuiFilterEditPtr editor(static_cast<TuiCustomEdit*>(rtl::TComponent::Create(*editClass, nullptr)));
    helper.InitializeFilterEdit(*editor, source);
    return editor;
}

TuiCustomEdit* CreateFilterEdit(const TuiCustomFilterEditHelper& helper, const TuiCustomEditProperties& source,
                                TuiInplaceEditList& list) {
    const rtl::TMetaclass* editClass = helper.FilterEditClass();
    if (editClass == nullptr) {
        return nullptr;
    }
    TuiCustomEdit& editor = list.GetEditorOfClass(FilterEditPropertiesClass(*editClass));
    helper.InitializeFilterEdit(editor, source);
    return &editor;
}

const rtl::TMetaclass& FilterEditPropertiesClass(const rtl::TMetaclass& editClass) {
    static std::map<const rtl::TMetaclass*, const rtl::TMetaclass*> propertiesClasses;
    const rtl::TMetaclass*& propertiesClass = propertiesClasses[&editClass];
    if (propertiesClass == nullptr) {
        const TuiFilterEditPtr probe(static_cast<TuiCustomEdit*>(rtl::TComponent::Create(editClass, nullptr)));
        propertiesClass = &probe->GetPropertiesClass();
    }
    return *propertiesClass;
}

EuiFilterControlError::~EuiFilterControlError() = default;

void RaiseFilterControlError(rtl::UnicodeStringView message) {
    throw EuiFilterControlError(rtl::UnicodeString(message));
}

void ValidateFilterValue(rtl::Variant& value, int32_t operatorNumber, const TuiValueType* valueType,
                         const TuiCustomFilterEditHelper& helper) {
    if (valueType == nullptr) {
        return;
    }
    if (!valueType->IsStringType() && rtl::VarIsStr(value) && rtl::VarToStr(value).empty()) {
        value = rtl::Variant::Null();
    }
    if (value.IsNull() || operatorNumber == fcopLike || operatorNumber == fcopNotLike) {
        return;
    }
    bool accepted = false;
    try {
        accepted = helper.CheckValueForType(*valueType, value);
    } catch (const std::exception&) {
        accepted = false;
    }
    if (!accepted) {
        RaiseFilterControlError(LoadResStringText(uiSFilterDialogInvalidValue));
    }
}

} // namespace ui
