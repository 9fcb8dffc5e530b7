#include "ui/editors/choice/checklistbox/uiCheckListBoxItems.h"

#include "rtl/text/StringUtils.h"
#include "ui/editors/choice/checklistbox/uiInnerCheckListBox.h"

namespace ui {

void TuiCheckListBoxItem::Assign(const rtl::TPersistent* source) {
    if (const auto* item = dynamic_cast<const TuiCheckListBoxItem*>(source)) {
        SetEnabled(item->Enabled());
        SetImageIndex(item->ImageIndex());
        FItemObject = item->ItemObject();
        SetState(item->State());
    }
    TuiCaptionItem::Assign(source);
}

rtl::UnicodeString TuiCheckListBoxItem::GetDisplayName() const {
    return Text().empty() ? TuiCaptionItem::GetDisplayName() : Text();
}

TuiCustomInnerCheckListBox* TuiCheckListBoxItem::CheckListBox() const {
    const auto* items = dynamic_cast<const TuiCheckListBoxItems*>(Collection());
    return items ? items->CheckListBox() : nullptr;
}

void TuiCheckListBoxItem::SetEnabled(bool value) {
    if (value != FEnabled) {
        FEnabled = value;
        Changed(false);
    }
}

void TuiCheckListBoxItem::SetImageIndex(int32_t value) {
    if (value != FImageIndex) {
        FImageIndex = value;
        Changed(false);
    }
}

void TuiCheckListBoxItem::SetState(TuiCheckBoxState value) {
    TuiCustomInnerCheckListBox* list = CheckListBox();
    if (!list) {
        FState = value;
        return;
    }
    if (value == cbsGrayed && !list->KeepsGrayedState()) {
        value = cbsUnchecked;
    }
    if (value == FState) {
        return;
    }
    FState = value;
    list->InvalidateCheck(Index());
    if (!static_cast<TuiCheckListBoxItems*>(Collection())->IsStateChangeHeld()) {
        list->ItemStateChanged();
    }
}

TuiCheckListBoxItems::TuiCheckListBoxItems(TuiCustomInnerCheckListBox* checkListBox)
    : TuiCaptionItems(checkListBox, TuiCheckListBoxItem::StaticClass()), FCheckListBox(checkListBox) {}

// The items go without telling the list box of each.
TuiCheckListBoxItems::~TuiCheckListBoxItems() {
    FCheckListBox = nullptr;
}

int32_t TuiCheckListBoxItems::IndexOf(rtl::UnicodeStringView text) const {
    for (int32_t i = 0; i < Count(); ++i) {
        if (rtl::WideSameText(GetItem(i)->Text(), text)) {
            return i;
        }
    }
    return -1;
}

int32_t TuiCheckListBoxItems::IndexOfItemObject(const rtl::TObject* object) const {
    for (int32_t i = 0; i < Count(); ++i) {
        if (GetItem(i)->ItemObject() == object) {
            return i;
        }
    }
    return -1;
}

void TuiCheckListBoxItems::LockChanged(bool lock, bool invokeChanged) {
    if (lock) {
        ++FChangeLockCount;
        return;
    }
    if (FChangeLockCount == 0) {
        return;
    }
    --FChangeLockCount;
    if (invokeChanged && FChangeLockCount == 0) {
        Changed();
    }
}

void TuiCheckListBoxItems::Update(rtl::TCollectionItem* item) {
    TuiCaptionItems::Update(item);
    if (FCheckListBox) {
        FCheckListBox->ItemsChanged(static_cast<TuiCheckListBoxItem*>(item));
    }
}

} // namespace ui
