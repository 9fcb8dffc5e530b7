#include "ui/editors/choice/checklistbox/uiCheckListBox.h"

#include "rtl/core/Exceptions.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/graphics/uiSharedCanvases.h"
#include "ui/core/images/uiImageList.h"
#include "ui/core/objects/uxException.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/editors/choice/uiEditSupportRoutines.h"
#include "ui/editors/framework/properties/uiEditValueRoutines.h"
#include "ui/editors/framework/strings/uiExtEditConsts.h"
#include "ui/editors/framework/view/uiEditDrawing.h"
#include "vcl/imagelists/ImageList.h"

#include <algorithm>

namespace ui {

namespace {

const rtl::TMetaclass& CheckedInnerClass(const rtl::TMetaclass& innerListBoxClass) {
    if (!innerListBoxClass.InheritsFrom(TuiCustomInnerCheckListBox::StaticClass())) {
        throw rtl::EInvalidCast(rtl::RtlMessages::InvalidCast);
    }
    return innerListBoxClass;
}

TuiContainerBorderStyle CheckBorderStyleOfKind(TuiLookAndFeelKind kind) {
    switch (kind) {
    case lfFlat:
        return cbsFlat;
    case lfUltraFlat:
        return cbsUltraFlat;
    case lfOffice11:
        return cbsOffice11;
    default:
        return cbs3D;
    }
}

} // namespace

TuiCustomCheckListBox::TuiCustomCheckListBox(rtl::TComponent* owner)
    : TuiCustomCheckListBox(owner, TuiCustomInnerCheckListBox::StaticClass(), TuiCustomDataBinding::StaticClass()) {}

TuiCustomCheckListBox::TuiCustomCheckListBox(rtl::TComponent* owner, const rtl::TMetaclass& innerListBoxClass,
                                             const rtl::TMetaclass& dataBindingClass)
    : TuiListBoxContainer(owner, CheckedInnerClass(innerListBoxClass), dataBindingClass), FEditValue(int64_t{0}),
      FImageChangeLink(std::make_unique<vcl::TChangeLink>()) {
    FImageChangeLink->SetOnChange([this](rtl::TObject*) { InnerCheckListBox().LayoutChanged(); });
    UpdateNativeStyle();
    InnerCheckListBox().LayoutChanged();
}

TuiCustomCheckListBox::~TuiCustomCheckListBox() {
    SetImages(nullptr);
}

TuiCustomInnerCheckListBox& TuiCustomCheckListBox::InnerCheckListBox() const {
    return static_cast<TuiCustomInnerCheckListBox&>(InnerListBox());
}

void TuiCustomCheckListBox::SetItems(const TuiCheckListBoxItems& items) {
    Items().Assign(&items);
    SyncInnerControlHook();
}

bool TuiCustomCheckListBox::EditValueChangeFires(const rtl::Variant& value) const {
    return FOnEditValueChanged && !VariantsEqualSameType(value, FEditValue);
}

void TuiCustomCheckListBox::SetEditValue(const rtl::Variant& value) {
    FValueFromStates = false;
    const bool changed = EditValueChangeFires(value);
    FEditValue = value;
    ApplyEditValueToStates();
    if (changed) {
        DoEditValueChanged();
    }
}

void TuiCustomCheckListBox::DoEditValueChanged() {
    if (FOnEditValueChanged) {
        FOnEditValueChanged(this);
    }
}

// A value the format cannot decode leaves every item unchecked; the decoder says so, nothing else needs to know.
void TuiCustomCheckListBox::ApplyEditValueToStates() {
    TuiCheckStates states(static_cast<size_t>(Items().Count()), cbsUnchecked);
    if (FOnEditValueToCheckStates) {
        FOnEditValueToCheckStates(this, FEditValue, states);
        states.resize(static_cast<size_t>(Items().Count()), cbsUnchecked);
    } else {
        EditValueToCheckStates(FEditValue, Items(), FEditValueFormat, states);
    }
    Items().LockChanged(true);
    try {
        for (int32_t i = 0; i < Items().Count(); ++i) {
            Items().GetItem(i)->SetState(states[static_cast<size_t>(i)]);
        }
    } catch (...) {
        Items().LockChanged(false);
        throw;
    }
    Items().LockChanged(false);
}

void TuiCustomCheckListBox::ApplyStatesToEditValue() {
    TuiCheckStates states;
    states.reserve(static_cast<size_t>(Items().Count()));
    for (int32_t i = 0; i < Items().Count(); ++i) {
        states.push_back(Items().GetItem(i)->State());
    }
    rtl::Variant value;
    if (FOnCheckStatesToEditValue) {
        FOnCheckStatesToEditValue(this, states, value);
    } else {
        value = CheckStatesToEditValue(states, Items(), FEditValueFormat);
    }
    const bool changed = EditValueChangeFires(value);
    FEditValue = std::move(value);
    FValueFromStates = true;
    if (changed) {
        DoEditValueChanged();
    }
}

void TuiCustomCheckListBox::ItemsChanged() {
    if (FValueFromStates) {
        ApplyStatesToEditValue();
    } else {
        ApplyEditValueToStates();
    }
    ValidateItemCount(GetEffectiveEditValueFormat());
}

TuiCheckStatesValueFormatEx TuiCustomCheckListBox::GetEffectiveEditValueFormat() const {
    return FOnEditValueToCheckStates && FOnCheckStatesToEditValue ? cvfCustom : FEditValueFormat;
}

void TuiCustomCheckListBox::ValidateItemCount(TuiCheckStatesValueFormatEx format) const {
    if (format == cvfInteger && Items().Count() > uiCheckStatesIntegerBits) {
        throw EuxException(LoadResStringText(uiSCheckControlIncorrectItemCount));
    }
}

// The format is checked before it is taken, so that a refused one leaves the list as it was.
void TuiCustomCheckListBox::SetEditValueFormat(TuiCheckStatesValueFormat value) {
    if (value == FEditValueFormat || value > cvfStatesString) {
        return;
    }
    const bool custom = GetEffectiveEditValueFormat() == cvfCustom;
    ValidateItemCount(custom ? cvfCustom : value);
    FEditValueFormat = value;
    if (!FValueFromStates) {
        ApplyEditValueToStates();
        return;
    }
    if (value == cvfInteger) {
        Items().LockChanged(true);
        for (int32_t i = 0; i < Items().Count(); ++i) {
            if (Items().GetItem(i)->State() == cbsGrayed) {
                Items().GetItem(i)->SetState(cbsUnchecked);
            }
        }
        Items().LockChanged(false);
    }
    ApplyStatesToEditValue();
}

bool TuiCustomCheckListBox::IsValidEditValue(const rtl::Variant& value, bool allowEmpty) {
    if (IsVarNullOrEmpty(value)) {
        return allowEmpty;
    }
    if (rtl::VarIsNumeric(value)) {
        return true;
    }
    if (!rtl::VarIsStr(value)) {
        return false;
    }
    const rtl::UnicodeString text = rtl::VarToStr(value);
    return IsValidIntegerText(text) || IsValidFloatText(text);
}

void TuiCustomCheckListBox::SetOnCheckStatesToEditValue(TCheckStatesToEditValueEvent handler) {
    FOnCheckStatesToEditValue = std::move(handler);
}

void TuiCustomCheckListBox::SetOnEditValueToCheckStates(TEditValueToCheckStatesEvent handler) {
    FOnEditValueToCheckStates = std::move(handler);
}

void TuiCustomCheckListBox::SetShowChecks(bool value) {
    if (value == FShowChecks) {
        return;
    }
    FShowChecks = value;
    InnerCheckListBox().LayoutChanged();
    DataBinding().ResetDisplay();
}

void TuiCustomCheckListBox::SetImageLayout(TuiCheckListBoxImageLayout value) {
    if (value != FImageLayout) {
        FImageLayout = value;
        InnerCheckListBox().InvalidateClient();
    }
}

void TuiCustomCheckListBox::SetImages(vcl::TCustomImageList* value) {
    AssignImageList(value, FImages, FImageChangeLink.get(), this);
}

void TuiCustomCheckListBox::Notification(rtl::TComponent* component, rtl::TOperation operation) {
    TuiListBoxContainer::Notification(component, operation);
    if (operation == rtl::TOperation::opRemove && component == FImages) {
        FImages = nullptr;
        InnerCheckListBox().LayoutChanged();
    }
}

bool TuiCustomCheckListBox::Sorted() const {
    return ComponentState().Contains(rtl::TComponentState::csLoading) ? FSortedWhileLoading : Items().Sorted();
}

void TuiCustomCheckListBox::SetSorted(bool value) {
    if (ComponentState().Contains(rtl::TComponentState::csLoading)) {
        FSortedWhileLoading = value;
        return;
    }
    Items().SetSortedMode(value);
}

void TuiCustomCheckListBox::Loaded() {
    TuiListBoxContainer::Loaded();
    DataBinding().ResetDisplay();
    SetSorted(FSortedWhileLoading);
    if (InnerCheckListBox().HandleAllocated()) {
        InnerCheckListBox().RecreateWnd();
    }
}

void TuiCustomCheckListBox::UpdateNativeStyle() {
    const TuiLookAndFeel& look = LookAndFeel();
    FNativeStyle = look.NativeStyle() && AreVisualStylesActive({totButton, totComboBox});
    if (!FNativeStyle) {
        FCheckBorderStyle = CheckBorderStyleOfKind(look.Kind());
    }
}

void TuiCustomCheckListBox::LookAndFeelChanged(TuiLookAndFeel* sender, TuiLookAndFeelValues changed) {
    TuiListBoxContainer::LookAndFeelChanged(sender, changed);
    UpdateNativeStyle();
    InnerCheckListBox().LayoutChanged();
}

// An unbound list has no value from elsewhere: its own EditValue stays and the states follow it.
void TuiCustomCheckListBox::SyncInnerControlHook() {
    if (!FShowChecks) {
        TuiListBoxContainer::SyncInnerControlHook();
        return;
    }
    if (!DataBinding().IsDataActive()) {
        ItemsChanged();
        return;
    }
    SetEditValue(DataBinding().GetStoredValue(dbvsValue, Focused()));
}

void TuiCustomCheckListBox::AfterRegionHook() {
    if (FShowChecks) {
        DataBinding().SetStoredValue(dbvsValue, FEditValue);
    } else {
        TuiListBoxContainer::AfterRegionHook();
    }
}

int32_t TuiCustomCheckListBox::IntegralRowHeight(int32_t) {
    return InnerCheckListBox().GetStandardItemHeight();
}

int32_t TuiCustomCheckListBox::GetHeightForRows(int32_t rows) const {
    const vcl::TRect borders = BorderExtensionRect();
    return rows * InnerCheckListBox().GetStandardItemHeight() + borders.Top + borders.Bottom;
}

int32_t TuiCustomCheckListBox::GetItemWidth(int32_t index) const {
    const vcl::TRect borders = BorderExtensionRect();
    TuiCanvas& canvas = *GetSharedScreenCanvas();
    canvas.SetFont(EffectiveFont());
    return borders.Left + borders.Right + InnerCheckListBox().GetCheckRegionWidth() +
           canvas.GetTextWidth(Items().GetItem(index)->Text()) +
           TuiCustomInnerCheckListBox::GetMetrics().TextRightMargin;
}

int32_t TuiCustomCheckListBox::CalcOptimalWidth() const {
    const vcl::TRect borders = BorderExtensionRect();
    TuiCanvas& canvas = *GetSharedScreenCanvas();
    canvas.SetFont(EffectiveFont());
    int32_t widest = 0;
    for (int32_t i = 0; i < Items().Count(); ++i) {
        widest = std::max(widest, canvas.GetTextWidth(Items().GetItem(i)->Text()));
    }
    return borders.Left + borders.Right + InnerCheckListBox().GetCheckRegionWidth() +
           TuiCustomInnerCheckListBox::GetMetrics().TextRightMargin + widest;
}

bool TuiCustomCheckListBox::DoDrawItem(TuiCanvas& canvas, int32_t index, const vcl::TRect& rect,
                                       vcl::TOwnerDrawState state) {
    if (index >= 0 && index < Items().Count()) {
        DrawRow(canvas, *Items().GetItem(index), rect, state);
    }
    if (FOnDrawItem) {
        FOnDrawItem(*this, index, state, rect);
    }
    return true;
}

} // namespace ui
