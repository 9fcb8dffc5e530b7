#pragma once
// The items of a check list box: caption items that also carry a check state, an image index, an enabled flag and an
// object of the program's (not owned). The collection keeps the list box's strings in step with the items' texts and,
// after every change, the list's EditValue with the states: a change of state rebuilds the value, a change of the
// items re-reads the states from the value unless the states were the last to change it.

#include "ui/core/painters/uiCheckBoxState.h"
#include "ui/editors/choice/uiCaptionItems.h"

#include <cstdint>

namespace ui {

class TuiCustomInnerCheckListBox;

class TuiCheckListBoxItem : public TuiCaptionItem {
    RTL_DECLARE_CLASS(TuiCheckListBoxItem, TuiCaptionItem)
public:
    using TuiCaptionItem::TuiCaptionItem;

    // From another check list box item: its enabled flag, image index, object and state, then caption and tag.
    void Assign(const rtl::TPersistent* source) override;
    // The text, or the class's name while it is empty.
    rtl::UnicodeString GetDisplayName() const override;

    // The caption under the name the list shows it by.
    const rtl::UnicodeString& Text() const { return Caption(); }
    void SetText(rtl::UnicodeStringView value) { SetCaption(value); }
    // A disabled item never toggles and shows its text and image disabled.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    // The image of the list's Images, -1 for none.
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t value);
    rtl::TObject* ItemObject() const { return FItemObject; }
    void SetItemObject(rtl::TObject* value) { FItemObject = value; }
    TuiCheckBoxState State() const { return FState; }
    // In a list, grayed stands for unchecked under cvfInteger; a changed state repaints the check and, outside an
    // update of the items, rebuilds the list's EditValue.
    void SetState(TuiCheckBoxState value);
    bool Checked() const { return FState == cbsChecked; }
    void SetCheckedState(bool checked) { SetState(checked ? cbsChecked : cbsUnchecked); }

private:
    TuiCustomInnerCheckListBox* CheckListBox() const;

    bool FEnabled = true;
    int32_t FImageIndex = -1;
    rtl::TObject* FItemObject = nullptr; // not owned
    TuiCheckBoxState FState = cbsUnchecked;
};

class TuiCheckListBoxItems : public TuiCaptionItems {
    RTL_DECLARE_CLASS(TuiCheckListBoxItems, TuiCaptionItems)
public:
    // checkListBox: the list box that owns the items; nullptr for items standing alone.
    explicit TuiCheckListBoxItems(TuiCustomInnerCheckListBox* checkListBox);
    ~TuiCheckListBoxItems() override;

    TuiCheckListBoxItem* GetItem(int32_t index) const { return static_cast<TuiCheckListBoxItem*>(Items(index)); }
    TuiCheckListBoxItem* AddItem() { return static_cast<TuiCheckListBoxItem*>(Add()); }
    // The first item of that text, in any case; -1 for none.
    int32_t IndexOf(rtl::UnicodeStringView text) const;
    // The first item holding object; -1 for none.
    int32_t IndexOfItemObject(const rtl::TObject* object) const;
    TuiCustomInnerCheckListBox* CheckListBox() const { return FCheckListBox; }

    // While locked, a change of an item's state does not rebuild the list's value. Unlocking the last lock reports a
    // change of the whole list when invokeChanged is set.
    void LockChanged(bool lock, bool invokeChanged = false);
    // Inside BeginUpdate or LockChanged.
    bool IsStateChangeHeld() const { return UpdateCount() > 0 || FChangeLockCount > 0; }

protected:
    // The list box's strings follow the texts, its value the change, and the count is checked.
    void Update(rtl::TCollectionItem* item) override;

private:
    TuiCustomInnerCheckListBox* FCheckListBox; // not owned: the owner
    int32_t FChangeLockCount = 0;
};

} // namespace ui
