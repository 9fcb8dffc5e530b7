// The filter control: the row menu, the selector combo box over a bool operator, item or operator, and the in-place
// editor of a value.

#include "rtl/WindowsApi.h"
#include "rtl/text/StringUtils.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/editors/dropdown/combobox/uiComboBox.h"
#include "ui/editors/filter/uiFilterControlOperators.h"
#include "ui/editors/filter/uiFilterControlStrs.h"
#include "ui/editors/filtercontrol/uiFilterControl.h"
#include "ui/editors/filtercontrol/uiFilterControlCriteria.h"
#include "ui/editors/filtercontrol/uiFilterControlViewInfo.h"
#include "ui/editors/framework/buttons/uiEditButtons.h"
#include "ui/editors/framework/control/uiCustomEdit.h"
#include "ui/editors/framework/control/uiInplaceEditList.h"
#include "ui/editors/text/lookup/uiEditListBox.h"
#include "ui/editors/text/textedit/uiFilterTextEditHelper.h"
#include "vcl/graphics/Font.h"
#include "vcl/menus/Menus.h"

#include <algorithm>

namespace ui {

namespace {

// The selector shows at most this many rows of its list at once.
constexpr int32_t MaxSelectorRows = 12;

// The row menu's entries in their order.
enum TRowMenuEntry : int32_t { rmeAddCondition, rmeAddGroup, rmeSeparator, rmeRemove };

bool ContainsFocus(const vcl::TWinControl& control) {
    if (!control.HandleAllocated()) {
        return false;
    }
    const HWND focus = GetFocus();
    return focus != nullptr && (focus == control.WindowHandle() || IsChild(control.WindowHandle(), focus));
}

} // namespace

void TuiCustomFilterControl::CreateSelectors() {
    FSelector.reset(static_cast<TuiComboBox*>(TuiCustomEdit::CreateInplace(TuiComboBox::StaticClass(), nullptr)));
    TuiComboBoxProperties& properties = FSelector->ComboBoxProperties();
    properties.SetDropDownListStyle(lsFixedList);
    if (properties.Buttons().Count() > 0) {
        properties.Buttons().Items(0).SetVisible(false);
    }
    properties.SetOnPopup([this](rtl::TObject*) {
        if (TuiCustomEditListBox* list = FSelector->LookupData().GetListControl()) {
            list->Font().SetStyle({});
        }
    });
    FSelector->SetOnKeyDown([](rtl::TObject*, uint16_t& key, vcl::TShiftState) {
        if (key == VK_SPACE) {
            key = VK_RETURN;
        }
    });
    FSelector->SetOnKeyPress([](rtl::TObject*, char16_t& key) {
        if (key == u' ') {
            key = 0;
        }
    });
    FSelector->SetOnClosePopup([this](TuiCustomDropDownEdit& selector, TuiPopupCloseReason reason) {
        SelectorClosed(IsAcceptingCloseReason(reason) && static_cast<TuiComboBox&>(selector).GetItemIndex() >= 0);
    });
    FSelector->SetOnExit([this](rtl::TObject*) { HideSelector(); });
    SyncComboBoxColor();

    FRowMenu = new vcl::TPopupMenu(this);
    for (int32_t entry = rmeAddCondition; entry <= rmeRemove; ++entry) {
        auto* item = new vcl::TMenuItem(FRowMenu);
        item->SetOnClick([this, entry](rtl::TObject*) { RowMenuClicked(entry); });
        FRowMenu->Items().Add(item);
    }
    FRowMenu->Items().Items(rmeSeparator)->SetCaption(u"-");
}

void TuiCustomFilterControl::CloseSelectors() {
    if (FOpenSelector != fcsValueEditor) {
        HideSelector();
    }
}

// The row menu.

void TuiCustomFilterControl::ShowRowMenu(TuiCustomRowViewInfo& row) {
    vcl::TMenuItem& items = FRowMenu->Items();
    items.Items(rmeAddCondition)->SetCaption(LoadResStringText(uiSFilterAddCondition));
    items.Items(rmeAddGroup)->SetCaption(LoadResStringText(uiSFilterAddGroup));
    items.Items(rmeRemove)->SetCaption(LoadResStringText(row.IsRoot() ? uiSFilterClearAll : uiSFilterRemoveRow));
    const bool removable = !row.IsRoot() || FRoot->RowCount() > 0;
    items.Items(rmeSeparator)->SetVisible(removable);
    items.Items(rmeRemove)->SetVisible(removable);
    const vcl::TPoint corner = ClientToScreen({row.ButtonRect().Left, row.ButtonRect().Bottom});
    FMenuRow = &row;
    FOpenSelector = fcsRowMenu;
    FRowMenu->SetPopupComponent(this);
    try {
        FRowMenu->Popup(corner.X, corner.Y);
    } catch (...) {
        FMenuRow = nullptr;
        FOpenSelector = fcsNone;
        throw;
    }
    FMenuRow = nullptr;
    FOpenSelector = fcsNone;
}

void TuiCustomFilterControl::RowMenuClicked(int32_t entry) {
    TuiCustomRowViewInfo* row = std::exchange(FMenuRow, nullptr);
    if (row == nullptr) {
        return;
    }
    FOpenSelector = fcsNone;
    switch (entry) {
    case rmeAddCondition:
        AddConditionRow(row->OwnGroup());
        break;
    case rmeAddGroup:
        AddGroupRow(row->OwnGroup());
        break;
    case rmeRemove:
        if (row->IsRoot()) {
            ClearAll();
        } else {
            RemoveRow(*row);
        }
        break;
    default:
        break;
    }
}

// The selector combo box.

void TuiCustomFilterControl::FillItemList(std::vector<rtl::UnicodeString>& captions,
                                          std::vector<int32_t>& values) const {
    // The editor properties' capability of filtering their items.
    constexpr uint32_t FilterCapability = 8;
    IuiFilterControl* link = GetLinkInterface();
    for (int32_t index = 0; link != nullptr && index < link->ItemCount(); ++index) {
        const TuiCustomEditProperties* properties = link->ItemProperties(index);
        if (properties != nullptr && (properties->GetCapabilities() & FilterCapability) != 0) {
            values.push_back(index);
        }
    }
    if (FSortItems) {
        std::stable_sort(values.begin(), values.end(), [link](int32_t a, int32_t b) {
            return rtl::WideCompareText(link->ItemCaption(a), link->ItemCaption(b)) < 0;
        });
    }
    for (const int32_t index : values) {
        captions.push_back(link->ItemCaption(index));
    }
}

void TuiCustomFilterControl::FillOperatorList(const TuiConditionViewInfo& condition,
                                              std::vector<rtl::UnicodeString>& captions,
                                              std::vector<int32_t>& values) const {
    for (int32_t number = fcopEqual; number < uiFilterControlOperatorCount; ++number) {
        if (condition.SupportedOperators().test(static_cast<size_t>(number))) {
            captions.push_back(GetFilterOperatorCaption(number));
            values.push_back(number);
        }
    }
}

void TuiCustomFilterControl::EditBoolOperator(TuiGroupViewInfo& group) {
    std::vector<rtl::UnicodeString> captions;
    std::vector<int32_t> values;
    for (int32_t kind = fboAnd; kind < uiFilterBoolOperatorKindCount; ++kind) {
        captions.push_back(FilterBoolOperatorCaption(static_cast<TuiFilterBoolOperatorKind>(kind)));
        values.push_back(kind);
    }
    ShowSelector(fcsBoolOperatorList, group, fcpBoolOperator, captions, std::move(values), group.BoolOperator(),
                 *FFontBoolOperator);
}

void TuiCustomFilterControl::EditItem(TuiConditionViewInfo& condition) {
    std::vector<rtl::UnicodeString> captions;
    std::vector<int32_t> values;
    FillItemList(captions, values);
    ShowSelector(fcsItemList, condition, fcpItem, captions, std::move(values), condition.ItemIndex(), *FFontItem);
}

void TuiCustomFilterControl::EditOperator(TuiConditionViewInfo& condition) {
    std::vector<rtl::UnicodeString> captions;
    std::vector<int32_t> values;
    FillOperatorList(condition, captions, values);
    ShowSelector(fcsOperatorList, condition, fcpOperator, captions, std::move(values), condition.Operator(),
                 *FFontCondition);
}

void TuiCustomFilterControl::ShowSelector(TuiFilterControlSelector kind, TuiCustomRowViewInfo& row,
                                          TuiFilterControlPart part, const std::vector<rtl::UnicodeString>& captions,
                                          std::vector<int32_t> values, int32_t current, vcl::TFont& font) {
    if (captions.empty() || !HandleAllocated()) {
        return;
    }
    FocusPart(&row, part);
    TuiComboBox& selector = *FSelector;
    TuiComboBoxProperties& properties = selector.ComboBoxProperties();
    properties.Items().Clear();
    for (const rtl::UnicodeString& caption : captions) {
        properties.Items().Add(caption);
    }
    properties.SetDropDownRows(std::min(static_cast<int32_t>(captions.size()), MaxSelectorRows));
    FSelectorValues = std::move(values);
    FSelectorRow = &row;
    selector.Style().SetFont(font);
    selector.SetParent(this);
    selector.SetBoundsRect(FViewInfo->PartRect(&row, part, -1));
    const auto found = std::find(FSelectorValues.begin(), FSelectorValues.end(), current);
    selector.SetItemIndex(found == FSelectorValues.end() ? -1 : static_cast<int32_t>(found - FSelectorValues.begin()));
    FOpenSelector = kind;
    selector.SetVisible(true);
    selector.SetFocus();
    selector.SetDroppedDown(true);
}

void TuiCustomFilterControl::SelectorClosed(bool accepted) {
    const TuiFilterControlSelector kind = FOpenSelector;
    TuiCustomRowViewInfo* row = FSelectorRow;
    const int32_t entry = FSelector->GetItemIndex();
    HideSelector();
    if (!accepted || row == nullptr || entry < 0 || entry >= static_cast<int32_t>(FSelectorValues.size())) {
        return;
    }
    const int32_t value = FSelectorValues[static_cast<size_t>(entry)];
    switch (kind) {
    case fcsBoolOperatorList:
        SetGroupBoolOperator(static_cast<TuiGroupViewInfo&>(*row), static_cast<TuiFilterBoolOperatorKind>(value));
        break;
    case fcsItemList:
        SetConditionItem(static_cast<TuiConditionViewInfo&>(*row), value);
        break;
    case fcsOperatorList:
        SetConditionOperator(static_cast<TuiConditionViewInfo&>(*row), value);
        break;
    default:
        break;
    }
}

void TuiCustomFilterControl::HideSelector() {
    if (FOpenSelector != fcsItemList && FOpenSelector != fcsBoolOperatorList && FOpenSelector != fcsOperatorList) {
        return;
    }
    FOpenSelector = fcsNone;
    FSelectorRow = nullptr;
    const bool hadFocus = ContainsFocus(*FSelector);
    FSelector->SetDroppedDown(false);
    if (hadFocus && CanFocus()) {
        SetFocus();
    }
    FSelector->SetVisible(false);
    LayoutChanged();
    MakeFocusedVisible();
}

// The value editor.

void TuiCustomFilterControl::KeepEditorData(TuiCustomEditData* data) {
    const bool kept = std::any_of(FEditData.begin(), FEditData.end(),
                                  [data](const std::unique_ptr<TuiCustomEditData>& own) { return own.get() == data; });
    if (data != nullptr && !kept) {
        FEditData.emplace_back(data);
    }
}

void TuiCustomFilterControl::EditValue(TuiConditionViewInfo& condition, int32_t valueIndex,
                                       TuiValueActivation activation, char16_t key, vcl::TPoint point) {
    if (!HandleAllocated() || !condition.TakesValues() || FValueEditor != nullptr) {
        return;
    }
    FocusPart(&condition, fcpValue, valueIndex);
    TuiCustomEdit* editor = CreateFilterEdit(condition.Helper(), condition.Properties(), *FEditList);
    if (editor == nullptr) {
        return;
    }
    TuiCustomEditProperties& properties = editor->GetEffectiveProperties();
    condition.Helper().ApplyFilterValue(*editor, properties, condition.Values().Value(valueIndex).Value);
    const bool like = condition.Operator() == fcopLike || condition.Operator() == fcopNotLike;
    AcceptFilterWildcards(properties, FCriteria->PercentWildcard(), FCriteria->UnderscoreWildcard(), like);
    TuiContainerStyle& style = editor->Style();
    style.SetColor(vcl::clWindow);
    style.SetFont(*FFontValue);
    style.SetTextColor(FFontValue->Color());
    FValueEditor = editor;
    FEditedCondition = &condition;
    FEditedValue = valueIndex;
    FOpenSelector = fcsValueEditor;
    editor->SetParent(this);
    editor->SetBoundsRect(condition.Values().Value(valueIndex).ValueRect);
    editor->SetOnKeyDown(
        [this](rtl::TObject*, uint16_t& pressed, vcl::TShiftState shift) { ValueEditorKeyDown(pressed, shift); });
    editor->SetOnExit([this](rtl::TObject*) { ValueEditorExit(); });
    // The data made by the first activation is kept for the condition's next one.
    TuiCustomEditData*& data = condition.EditorData();
    switch (activation) {
    case vaKey:
        editor->ActivateByKey(key, data);
        break;
    case vaMouse:
        editor->ActivateByMouse({vcl::ssLeft}, point.X, point.Y, data);
        break;
    case vaPlain:
        editor->Activate(data);
        break;
    }
    KeepEditorData(data);
}

void TuiCustomFilterControl::ValueEditorKeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (FValueEditor == nullptr) {
        return;
    }
    const auto* dropDown = dynamic_cast<const TuiCustomDropDownEdit*>(FValueEditor);
    const bool popupOpen = dropDown != nullptr && dropDown->DroppedDown();
    const bool ctrl = shift.Contains(vcl::ssCtrl);
    switch (key) {
    case VK_RETURN:
        if (popupOpen) {
            return;
        }
        key = 0;
        EndValueEditing(true);
        break;
    case VK_ESCAPE:
        if (popupOpen) {
            return;
        }
        key = 0;
        EndValueEditing(false);
        break;
    case VK_TAB:
        if (!FWantTabs || ctrl) {
            return;
        }
        key = 0;
        EndValueEditing(true);
        shift.Contains(vcl::ssShift) ? MoveFocusLeft(true) : MoveFocusRight(true);
        break;
    case VK_UP:
    case VK_DOWN:
        if (popupOpen) {
            return;
        }
        {
            const bool up = key == VK_UP;
            key = 0;
            EndValueEditing(true);
            up ? FocusPreviousRow(false) : FocusNextRow(false);
        }
        break;
    case VK_DELETE:
        if (!ctrl) {
            return;
        }
        key = 0;
        EndValueEditing(false);
        RemoveFocused();
        break;
    default:
        break;
    }
}

void TuiCustomFilterControl::ValueEditorExit() {
    if (FValueEditor == nullptr || IsDestroying()) {
        return;
    }
    EndValueEditing(true);
}

void TuiCustomFilterControl::EndValueEditing(bool accept) {
    if (FValueEditor == nullptr) {
        return;
    }
    TuiCustomEdit& editor = *FValueEditor;
    if (accept) {
        TuiConditionViewInfo& condition = *FEditedCondition;
        rtl::UnicodeString displayText;
        rtl::Variant value;
        try {
            if (!editor.Deactivate()) {
                return;
            }
            condition.Helper().GetFilterValue(editor, editor.GetEffectiveProperties(), displayText, value);
            ValidateFilterValue(value, condition.Operator(), condition.ValueType(), condition.Helper());
        } catch (...) {
            FValueInvalid = true;
            if (!ContainsFocus(editor) && editor.CanFocus()) {
                editor.SetFocus();
            }
            throw;
        }
        TuiValueInfo& info = condition.Values().Value(FEditedValue);
        info.Value = value;
        info.DisplayText = displayText;
    }
    DetachValueEditor();
}

void TuiCustomFilterControl::DetachValueEditor() {
    TuiCustomEdit* editor = std::exchange(FValueEditor, nullptr);
    editor->SetOnKeyDown({});
    editor->SetOnExit({});
    FValueInvalid = false;
    FEditedCondition = nullptr;
    FEditedValue = -1;
    FOpenSelector = fcsNone;
    if (ContainsFocus(*editor) && CanFocus()) {
        SetFocus();
    }
    editor->SetVisible(false);
    editor->SetParent(nullptr);
    LayoutChanged();
}

} // namespace ui
