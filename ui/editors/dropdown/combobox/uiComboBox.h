#pragma once
// The combo box: the drop-down editor whose popup lists its items. The text follows the current item (an item index,
// -1 none): typing searches the items, the arrow and page keys and the wheel step through them (the text editor's
// lookup), a click in the list or Enter takes the list's item. With the lsFixedList style the text is always one of the
// items and a focused, closed combo box shows it as a selected item. OnClick fires when ItemIndex changes, never for a
// mouse click.

#include "ui/editors/dropdown/combobox/uiComboBoxListBox.h"
#include "ui/editors/dropdown/combobox/uiComboBoxProperties.h"
#include "ui/editors/dropdown/edit/uiDropDownEdit.h"
#include "ui/editors/dropdown/popup/uiEditPopupWindow.h"

#include <cstdint>

namespace ui {

class TuiCustomComboBox : public TuiCustomDropDownEdit {
    RTL_DECLARE_CLASS(TuiCustomComboBox, TuiCustomDropDownEdit)
public:
    ~TuiCustomComboBox() override;

    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiCustomComboBoxProperties::StaticClass(); }
    // The properties in force.
    TuiCustomComboBoxProperties& GetComboProperties();
    // The text editor's lookup data, which the combo box's properties make with the list of the popup.
    TuiComboBoxLookupData& LookupData() const {
        return static_cast<TuiComboBoxLookupData&>(*TuiCustomDropDownEdit::LookupData());
    }

    vcl::TSize GetPopupContentSize() override;
    void PositionPopupContent(const vcl::TRect& rect) override;
    bool AdjustPopupContentSize(vcl::TSize& size, vcl::TSize maxSize) override;
    void PopupClosed() override;
    // Whether the popup opened under the pointer and the first move over the list is still to come; answering
    // clears it.
    bool TakeListSelectionFlag();
    bool IsEditableText() override;
    void SetDisplayValue(const rtl::Variant& value) override;

    // A handler of the own properties or of the properties in force draws the items.
    bool IsOwnerDrawn();
    // A handler gives items heights of their own.
    bool HasVariableItemHeights();
    // The handlers draw item index into rect: the own properties' first, then those in force.
    void DoDrawItem(TuiCanvas& canvas, int32_t index, const vcl::TRect& rect, vcl::TOwnerDrawState state);
    void DoMeasureItem(int32_t index, int32_t& height);

    // IuiInnerTextEditHost: a click on the text is no click of the combo box.
    void InnerClick(bool doubleClick) override;

protected:
    TuiCustomComboBox(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass);

    bool CanDropDown() override { return !LookupData().IsEmpty(); }
    void InitLookupPopup() override;
    void SetupPopupWindow() override;
    void PreparePopup() override;
    void ApplyPopupSelection() override;
    void PopupOpenedByPaste() override;
    void Dispatch(vcl::TMessage& message) override;
    void PopupWindowShown() override;
    bool ShouldSyncList() override;
    void DblClick() override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    void InitViewData(TuiCustomEditViewData& viewData) override;

private:
    void NotifyIfKeyChanged(int32_t oldKey);
    // The list follows a pasted text once the popup shows.
    void SyncListWithPastedText();
    // The own properties and, with a repository item, the properties in force.
    TuiCustomComboBoxProperties& OwnComboProperties() const;
    TuiCustomComboBoxProperties* ItemComboProperties() const;
};

class TuiComboBox : public TuiCustomComboBox {
    RTL_DECLARE_CLASS(TuiComboBox, TuiCustomComboBox)
public:
    explicit TuiComboBox(rtl::TComponent* owner) : TuiCustomComboBox(owner, TuiComboBoxProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiComboBoxProperties::StaticClass(); }
    TuiComboBoxProperties& ComboBoxProperties() const { return static_cast<TuiComboBoxProperties&>(Properties()); }
};

// The repository item of the combo box.
class TuiEditRepositoryComboBoxItem : public TuiEditRepositoryItemOf<TuiComboBoxProperties> {
    RTL_DECLARE_CLASS(TuiEditRepositoryComboBoxItem, TuiEditRepositoryItemOf<TuiComboBoxProperties>)
public:
    using TuiEditRepositoryItemOf::TuiEditRepositoryItemOf;
};

// The combo box's popup: as wide as the editor at least, as high as the list's rows.
class TuiComboBoxPopupWindow : public TuiCustomEditPopupWindow {
    RTL_DECLARE_CLASS(TuiComboBoxPopupWindow, TuiCustomEditPopupWindow)
public:
    explicit TuiComboBoxPopupWindow(rtl::TComponent* owner) : TuiCustomEditPopupWindow(owner) {}
    void CalculateSize() override;
};

} // namespace ui
