#pragma once
// The combo box: the drop-down editor whose popup lists its items. The text follows the current item (an item index,
// -1 none): typing searches the items, the arrow and page keys and the wheel step through them, a click in the list
// or Enter takes the list's item. With the lsFixedList style the text is always one of the items and a focused,
// closed combo box shows it as a selected item. OnClick fires when ItemIndex changes, never for a mouse click.

#include "ui/editors/dropdown/uiComboBoxListBox.h"
#include "ui/editors/dropdown/uiComboBoxProperties.h"
#include "ui/editors/dropdown/uiDropDownEdit.h"
#include "ui/editors/dropdown/uiEditPopupWindow.h"

#include <cstdint>
#include <memory>

namespace ui {

class TuiCustomComboBox : public TuiCustomDropDownEdit, public TuiTextEditLookupOwner {
    RTL_DECLARE_CLASS(TuiCustomComboBox, TuiCustomDropDownEdit)
public:
    ~TuiCustomComboBox() override;

    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiCustomComboBoxProperties::StaticClass(); }
    // The properties in force.
    TuiCustomComboBoxProperties& GetComboProperties();
    TuiComboBoxLookupData& LookupData() const { return *FLookupData; }

    // The current item; -1 none.
    int32_t GetItemIndex() const { return FLookupData->CurrentKey(); }
    // Makes index the current item and shows its text; a change of item clicks the editor.
    void SetItemIndex(int32_t index);

    vcl::TSize GetPopupContentSize() override;
    void PositionPopupContent(const vcl::TRect& rect) override;
    bool AdjustPopupContentSize(vcl::TSize& size, vcl::TSize maxSize) override;
    void PopupClosed() override;
    // Whether the popup opened under the pointer and the first move over the list is still to come; answering
    // clears it.
    bool TakeListSelectionFlag();
    bool IsEditableText() override;

    // TuiTextEditLookupOwner
    TuiCustomTextEditProperties& LookupProperties() override { return GetTextProperties(); }
    rtl::UnicodeString LookupText() override { return GetDisplayText(); }
    bool IsInEditingEvent() const override { return false; }
    void SetLookupUpdating(bool value) override { FLookupUpdating = value; }
    bool CanEditForLookup() override { return TryBeginEdit(); }

    // IuiInnerTextEditHost: a click on the text is no click of the combo box.
    void InnerClick(bool doubleClick) override;

protected:
    TuiCustomComboBox(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass);

    bool CanDropDown() override { return !FLookupData->IsEmpty(); }
    void InitLookupPopup() override;
    void SetupPopupWindow() override;
    void PreparePopup() override;
    void ApplyPopupSelection() override;
    void PopupWindowShown() override;
    void PropertiesChanged(TuiCustomEditProperties* properties) override;
    void HandleUserChange() override;
    void DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) override;
    void DoEditKeyPress(char16_t& key) override;
    bool DoMouseWheel(vcl::TShiftState shift, int32_t wheelDelta, vcl::TPoint mousePos) override;
    void DblClick() override;
    bool IsInnerEditShown() const override;
    void AlignInnerControl() override;

private:
    // The lookup's select-item handler: the editor takes the current item's text as the user's value.
    void ApplyLookupKey();
    bool ShouldSyncList();
    // Moves through the items as the user does; a changed item counts as the user's change and posts with
    // ImmediatePost.
    void NavigateAsUser(TuiLookupNavigation direction, bool cycle);
    bool HandleNavigationKey(uint16_t key, vcl::TShiftState shift);
    // A character typed into a list style searches the items; false when the style leaves it to the text.
    bool SearchTypedCharacter(char16_t character);
    char16_t TypedCharacter(char16_t key);
    void NotifyIfKeyChanged(int32_t oldKey);

    std::unique_ptr<TuiComboBoxLookupData> FLookupData;
    bool FLookupUpdating = false;
    bool FSettingItemIndex = false;
    bool FSkipImeTrailByte = false;
};

class TuiComboBox : public TuiCustomComboBox {
    RTL_DECLARE_CLASS(TuiComboBox, TuiCustomComboBox)
public:
    explicit TuiComboBox(rtl::TComponent* owner) : TuiCustomComboBox(owner, TuiComboBoxProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TuiComboBoxProperties::StaticClass(); }
    TuiComboBoxProperties& ComboBoxProperties() const { return static_cast<TuiComboBoxProperties&>(Properties()); }
};

// The combo box's popup: as wide as the editor at least, as high as the list's rows.
class TuiComboBoxPopupWindow : public TuiCustomEditPopupWindow {
    RTL_DECLARE_CLASS(TuiComboBoxPopupWindow, TuiCustomEditPopupWindow)
public:
    explicit TuiComboBoxPopupWindow(rtl::TComponent* owner) : TuiCustomEditPopupWindow(owner) {}
    void CalculateSize() override;
};

// Registers the combo box properties among the editor properties classes; the finalisation removes them.
void InitializeComboBoxUnit();
void FinalizeComboBoxUnit();

} // namespace ui
