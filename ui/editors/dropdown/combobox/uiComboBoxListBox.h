#pragma once
// The list of a combo box's popup and the lookup data that fills it: TuiComboBoxListBox takes its row height from the
// combo box's properties and closes the popup, taking the item, when the user releases the left button on an item;
// TuiComboBoxLookupData measures the list for the popup (the rows the properties ask for, as wide as the widest
// item) and snaps a size the user drags the popup to to whole rows.

#include "ui/editors/text/lookup/uiEditListBox.h"
#include "ui/editors/text/lookup/uiTextEditLookupData.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace ui {

class TuiCustomComboBox;

class TuiComboBoxListBox : public TuiCustomEditListBox {
    RTL_DECLARE_CLASS(TuiComboBoxListBox, TuiCustomEditListBox)
public:
    explicit TuiComboBoxListBox(rtl::TComponent* owner) : TuiCustomEditListBox(owner) {}

    // The combo box whose popup holds the list; nullptr for a list outside a popup.
    TuiCustomComboBox* ComboBox() const;
    // The properties' ItemHeight when positive, else the list's own; the combo box's handlers may change an item's.
    int32_t GetItemHeight(int32_t index) override;
    // Rows of their own heights when the combo box measures its items.
    void UpdateItemMetrics() override;
    // The sum of the first count items' heights.
    int32_t GetItemsHeight(int32_t count);

protected:
    bool DoDrawItem(int32_t index, const vcl::TRect& rect, vcl::TOwnerDrawState state) override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
};

class TuiComboBoxLookupData : public TuiCustomTextEditLookupData {
    RTL_DECLARE_CLASS(TuiComboBoxLookupData, TuiCustomTextEditLookupData)
public:
    explicit TuiComboBoxLookupData(TuiTextEditLookupOwner* owner) : TuiCustomTextEditLookupData(owner) {}

    const rtl::TMetaclass* GetListBoxClass() const override { return &TuiComboBoxListBox::StaticClass(); }
    TuiComboBoxListBox* ComboListBox() const { return static_cast<TuiComboBoxListBox*>(GetListControl()); }
    // The list's size for the popup: the first DropDownRows items, the widest item, and room for the scroll bars
    // the limits (0: none) make necessary.
    vcl::TSize GetListContentSize(int32_t maxHeight, int32_t maxWidth);
    // Snaps a size the user drags the list to to whole items within maxHeight (0: none): a larger list rounds down,
    // a smaller one up, never taller than all items. Always accepted.
    bool AdjustListSize(vcl::TSize& size, int32_t maxHeight, int32_t maxWidth);
};

} // namespace ui
