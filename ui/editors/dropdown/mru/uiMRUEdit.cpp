#include "ui/editors/dropdown/mru/uiMRUEdit.h"

#include "rtl/WindowsApi.h"
#include "ui/editors/filter/uiFilterEditHelper.h"
#include "ui/editors/framework/buttons/uiEditButtons.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/text/textedit/uiFilterTextEditHelper.h"

#include <algorithm>

namespace ui {

namespace {

constexpr int32_t EllipsisButtonIndex = 1;

int32_t& MRUEditUnitStarts() {
    static int32_t starts = 0;
    return starts;
}

} // namespace

TuiCustomMRUEditProperties::TuiCustomMRUEditProperties(rtl::TPersistent* owner) : TuiCustomComboBoxProperties(owner) {
    BeginUpdate();
    TuiEditButton& ellipsis = Buttons().Add();
    ellipsis.SetKind(bkEllipsis);
    ellipsis.SetDefault(true);
    SetRecentItemsMode(true);
    EndUpdate(false);
}

void TuiCustomMRUEditProperties::Assign(const rtl::TPersistent* source) {
    const auto* mru = dynamic_cast<const TuiCustomMRUEditProperties*>(source);
    if (mru == nullptr) {
        TuiCustomComboBoxProperties::Assign(source);
        return;
    }
    BeginUpdate();
    try {
        TuiCustomComboBoxProperties::Assign(source);
        SetMaxItemCount(mru->FMaxItemCount);
        SetShowEllipsis(mru->FShowEllipsis);
        FOnDeleteLookupItem = mru->FOnDeleteLookupItem;
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TuiCustomMRUEditProperties::CopyRuntimeData(TuiCustomEditProperties& target) const {
    TuiCustomComboBoxProperties::CopyRuntimeData(target);
    if (auto* mru = dynamic_cast<TuiCustomMRUEditProperties*>(&target)) {
        mru->LookupItems().Assign(LookupItems());
    }
}

void TuiCustomMRUEditProperties::SetMaxItemCount(int32_t value) {
    value = std::max(value, 0);
    if (value == FMaxItemCount) {
        return;
    }
    FMaxItemCount = value;
    TrimHistory();
    Changed();
}

void TuiCustomMRUEditProperties::SetShowEllipsis(bool value) {
    if (value == FShowEllipsis) {
        return;
    }
    BeginUpdate();
    FShowEllipsis = value;
    if (Buttons().Count() > EllipsisButtonIndex) {
        Buttons().Items(EllipsisButtonIndex).SetVisible(value);
    }
    EndUpdate();
}

void TuiCustomMRUEditProperties::TrimHistory() {
    rtl::TStringList& history = LookupItems();
    while (FMaxItemCount > 0 && history.Count() > FMaxItemCount) {
        const int32_t last = history.Count() - 1;
        if (FOnDeleteLookupItem) {
            FOnDeleteLookupItem(*this, last);
        }
        history.Delete(last);
    }
}

void TuiCustomMRUEditProperties::FireNewLookupDisplayText(const rtl::UnicodeString& text) {
    if (OnNewLookupDisplayText()) {
        OnNewLookupDisplayText()(this, text);
    }
}

void TuiCustomMRUEditProperties::AddToHistory(const rtl::UnicodeString& text, bool notify) {
    if (text.empty()) {
        return;
    }
    rtl::TStringList& history = LookupItems();
    const int32_t index = history.IndexOf(text);
    if (index == 0 || (index > 0 && history.Sorted())) {
        return;
    }
    if (index > 0) {
        const rtl::UnicodeString known = history.Get(index);
        history.Delete(index);
        history.Insert(0, known);
        return;
    }
    if (notify) {
        FireNewLookupDisplayText(text);
    }
    history.Insert(0, text);
    TrimHistory();
}

const rtl::TMetaclass& TuiCustomMRUEditProperties::GetContainerClass() const {
    return TuiMRUEdit::StaticClass();
}

void TuiCustomMRUEdit::ApplyHistoryText(const rtl::UnicodeString& text) {
    if (text.empty()) {
        return;
    }
    TuiCustomMRUEditProperties& properties = GetMRUProperties();
    if (properties.LookupItems().IndexOf(text) < 0) {
        DoNewLookupDisplayText(text);
    }
    properties.AddToHistory(text, false);
}

void TuiCustomMRUEdit::DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (key == VK_RETURN && !shift.Contains(vcl::ssAlt) && !(DroppedDown() && LookupData().ListItemIndex() >= 0)) {
        ApplyHistoryText(Text());
    }
    TuiCustomComboBox::DoEditKeyDown(key, shift);
}

void InitializeMRUEditUnit() {
    if (MRUEditUnitStarts()++ != 0) {
        return;
    }
    GetEditPropertiesRegistry().Register(&TuiMRUEditProperties::StaticClass(),
                                         LoadResStringText(suiSEditRepositoryMRUItem));
    GetFilterEditsController().RegisterHelper(TuiMRUEditProperties::StaticClass(), TuiFilterTextEditHelper::Instance());
}

void FinalizeMRUEditUnit() {
    if (MRUEditUnitStarts() == 0 || --MRUEditUnitStarts() != 0) {
        return;
    }
    UnregisterFilterEditHelper(TuiMRUEditProperties::StaticClass(), TuiFilterTextEditHelper::Instance());
    GetEditPropertiesRegistry().Unregister(&TuiMRUEditProperties::StaticClass());
}

} // namespace ui
