#include "ui/grid/customtable/items/uiGridItemDataBinding.h"

#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiValueTypeClassList.h"
#include "ui/editors/framework/repository/uiEditRepository.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"

namespace ui {

TuiGridDefaultValuesProvider::TuiGridDefaultValuesProvider(TuiGridItemDataBinding& dataBinding)
    : TuiCustomEditDefaultValuesProvider(&dataBinding), FDataBinding(dataBinding) {}

bool TuiGridDefaultValuesProvider::IsDisplayFormatDefined(bool) {
    TuiCustomGridTableItem& item = FDataBinding.Item();
    if (item.HasGetDataTextHandler()) {
        return true;
    }
    TuiCustomGridTableView* view = item.GridView();
    return view && item.Index() >= 0 && view->DataController().GetItemTextStored(item.Index());
}

TuiGridItemDataBinding::TuiGridItemDataBinding(TuiCustomGridTableItem& item)
    : FItem(item), FDefaultValuesProvider(std::make_unique<TuiGridDefaultValuesProvider>(*this)) {}

TuiGridItemDataBinding::~TuiGridItemDataBinding() = default;

rtl::TPersistent* TuiGridItemDataBinding::GetOwner() const {
    return &FItem;
}

void TuiGridItemDataBinding::Assign(const rtl::TPersistent* source) {
    const auto* binding = dynamic_cast<const TuiGridItemDataBinding*>(source);
    if (!binding) {
        TPersistent::Assign(source);
        return;
    }
    SetData(binding->FData);
    SetValueTypeClass(binding->ValueTypeClass());
}

TuiValueTypeClass TuiGridItemDataBinding::ValueTypeClass() const {
    TuiCustomGridTableView* view = FItem.GridView();
    return view && FItem.Index() >= 0 ? view->DataController().GetItemValueTypeClass(FItem.Index()) : nullptr;
}

void TuiGridItemDataBinding::SetValueTypeClass(TuiValueTypeClass value) {
    if (TuiCustomGridTableView* view = FItem.GridView(); view && FItem.Index() >= 0) {
        view->DataController().ChangeValueTypeClass(FItem.Index(), value);
    }
}

rtl::UnicodeString TuiGridItemDataBinding::ValueType() const {
    const TuiValueTypeClass valueType = ValueTypeClass();
    return valueType ? valueType->GetCaption() : rtl::UnicodeString();
}

void TuiGridItemDataBinding::SetValueType(rtl::UnicodeStringView caption) {
    if (ValueType() != caption) {
        SetValueTypeClass(GetValueTypeClassList().FindByCaption(caption));
    }
}

TuiValueTypeClass TuiGridItemDataBinding::GetDefaultValueTypeClass() const {
    return &TuiStringValueType::Instance();
}

TuiEditRepositoryItem* TuiGridItemDataBinding::GetDefaultRepositoryItem() const {
    return GetEditDataRegisteredRepositoryItems().GetItem(ValueTypeClass());
}

int32_t TuiGridItemDataBinding::GetDefaultWidth() const {
    return TuiCustomGridTableItem::DefaultWidth;
}

void TuiGridItemDataBinding::SetData(rtl::TObject* value) {
    if (FData != value) {
        FData = value;
        FItem.Changed(0);
    }
}

} // namespace ui
