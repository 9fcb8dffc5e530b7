#pragma once
// TuiListBoxContainer: the base of the library's list boxes (the styled list box and the check list box). It frames
// one borderless inner list box (TuiInnerListBox) in its style and look, and binds the list to data: the binding
// decides whether the user may change the selection (a read-only list box takes the focus on a click but keeps its
// selection, and ignores the navigation keys and typing; Escape resets the binding), hears of the value when the data
// changes and is committed when the focus leaves. IntegralHeight snaps the height to whole items, and list-box
// messages sent to the container's window are the inner window's.

#include "ui/core/controls/containers/uiContainer.h"
#include "ui/core/controls/listboxes/uiInnerListBox.h"
#include "ui/data/common/uiCustomDataBinding.h"

#include <cstdint>
#include <memory>

namespace ui {

class TuiListBoxContainer;

// The inner list box of a TuiListBoxContainer: presses, clicks and focus follow its container's binding, and its
// items are drawn by the container when the container draws them.
class TuiInnerListBox : public TuiCustomInnerListBox {
    RTL_DECLARE_CLASS(TuiInnerListBox, TuiCustomInnerListBox)
public:
    explicit TuiInnerListBox(rtl::TComponent* owner) : TuiCustomInnerListBox(owner) {}

    // The container's answer.
    bool CanFocus() const override;
    void WndProc(vcl::TMessage& message) override;
    // The container that hosts the list box; nullptr while it stands alone.
    TuiListBoxContainer* ListContainer() const;

protected:
    void CreateWindowHandle(const vcl::TCreateParams& params) override;
    // Only while the container lets the selection change.
    void Click() override;
    void DrawItem(int32_t index, const vcl::TRect& rect, vcl::TOwnerDrawState state) override;
    // The container's answer; true while the list box stands alone.
    bool AllowsSelectionChange() const;

private:
    // A press that may not select: the focus and the mouse-down event alone.
    void PressWithoutSelecting(const vcl::TMessage& message);
};

class TuiListBoxContainer : public TuiContainer {
    RTL_DECLARE_CLASS(TuiListBoxContainer, TuiContainer)
public:
    ~TuiListBoxContainer() override;

    TuiInnerListBox& InnerListBox() const { return *FInnerListBox; }
    TuiCustomDataBinding& DataBinding() const { return *FDataBinding; }

    // The binding's read-only flag.
    bool ReadOnly() const { return FDataBinding->GetReadOnly(); }
    void SetReadOnly(bool value) { FDataBinding->ChangeReadOnly(value); }
    // Snap the height to whole items, unless the list is aligned to the left, right or client area.
    bool IntegralHeight() const { return FIntegralHeight; }
    void SetIntegralHeight(bool value);

    // The inner list box's properties.
    bool AutoComplete() const { return FInnerListBox->AutoComplete(); }
    void SetAutoComplete(bool value) { FInnerListBox->SetAutoComplete(value); }
    uint32_t AutoCompleteDelay() const { return FInnerListBox->AutoCompleteDelay(); }
    void SetAutoCompleteDelay(uint32_t value) { FInnerListBox->SetAutoCompleteDelay(value); }
    int32_t Columns() const { return FInnerListBox->Columns(); }
    // The library's bars follow the new layout.
    void SetColumns(int32_t value);
    int32_t ScrollWidth() const { return FInnerListBox->ScrollWidth(); }
    void SetScrollWidth(int32_t value) { FInnerListBox->SetScrollWidth(value); }
    int32_t TabWidth() const { return FInnerListBox->TabWidth(); }
    void SetTabWidth(int32_t value) { FInnerListBox->SetTabWidth(value); }
    // The selected item, -1 for none.
    int32_t ItemIndex() const { return FInnerListBox->ItemIndex(); }
    void SetItemIndex(int32_t value) { FInnerListBox->SetItemIndex(value); }
    // The first visible item.
    int32_t TopIndex() const { return FInnerListBox->TopIndex(); }
    void SetTopIndex(int32_t value) { FInnerListBox->SetTopIndex(value); }
    // The item at point (the container's client coordinates): with existing -1 where no item is, else the count.
    int32_t ItemAtPos(vcl::TPoint point, bool existing) const;
    // The rectangle of item index in the container's client coordinates.
    vcl::TRect GetItemRectInContainer(int32_t index) const;

    // Whether the user may change the selection now: unless the binding holds it still.
    bool AllowsSelectionChange() const { return !BindingHoldsSelection() || FDataBinding->CanModify(); }
    // Draws item index of the inner list box on canvas; false leaves it to the list box.
    virtual bool DoDrawItem(TuiCanvas& canvas, int32_t index, const vcl::TRect& rect, vcl::TOwnerDrawState state);
    // List-box messages (LB_ADDSTRING .. 0x1B0) are answered by the inner window.
    void WndProc(vcl::TMessage& message) override;
    // The inner list box's bars too.
    bool IsInternalControl(const vcl::TControl* control) const override;

protected:
    // innerListBoxClass: TuiInnerListBox or a descendant; dataBindingClass: TuiCustomDataBinding or a descendant.
    TuiListBoxContainer(rtl::TComponent* owner, const rtl::TMetaclass& innerListBoxClass,
                        const rtl::TMetaclass& dataBindingClass);

    bool CanResize(int32_t& newWidth, int32_t& newHeight) override;
    // Snaps the height first when IntegralHeight applies.
    void AlignInnerControl() override;
    // The items take the new font's height.
    void FontChanged() override;
    // While the binding holds the selection, the navigation keys do nothing.
    void KeyDown(uint16_t& key, vcl::TShiftState shift) override;
    // While the binding holds the selection, typing does nothing; Escape resets the binding.
    void KeyPress(char16_t& key) override;
    // Commits the binding; when that raises, the focus comes back and the exception goes on without OnExit.
    void DoExit() override;
    // The frame shows read-only when the binding is.
    bool InnerControlStateHook() const override { return FDataBinding->IsControlReadOnly(); }

    // Whether a binding that refuses changes also holds the selection still.
    virtual bool BindingHoldsSelection() const { return true; }
    // The bound value arrived: the item showing its text (in any case) is selected, none when no item does or the
    // binding has no value.
    virtual void SyncInnerControlHook();
    // The binding asks for the value: the selected item's text, empty without a selection.
    virtual void AfterRegionHook();
    // The height of row index for the integral height; asked also for the row past the items.
    virtual int32_t IntegralRowHeight(int32_t index) = 0;
    // The height snapped to whole rows.
    void CalcIntegralHeight(int32_t& height);
    // The text of the bound value.
    rtl::UnicodeString BoundText();

private:
    bool SnapsHeight() const;

    TuiInnerListBox* FInnerListBox = nullptr; // owned as a component
    std::unique_ptr<TuiCustomDataBinding> FDataBinding;
    bool FIntegralHeight = false;
    bool FExiting = false;
};

} // namespace ui
