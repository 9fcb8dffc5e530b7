#pragma once
// TuiListBox: the styled list box a form places. A TuiListBoxContainer whose inner list box holds its strings; its
// items are drawn and measured by the list box's own handlers, which name the list box rather than the inner window,
// and the selection follows the bound value's text.

#include "ui/editors/listbox/uiListBoxContainer.h"
#include "vcl/stdctrls/ListBox.h"

#include <cstdint>
#include <functional>

namespace ui {

class TuiListBox : public TuiListBoxContainer {
    RTL_DECLARE_CLASS(TuiListBox, TuiListBoxContainer)
public:
    using TDrawItemEvent = std::function<void(TuiListBox& control, TuiCanvas& canvas, int32_t index,
                                              const vcl::TRect& rect, vcl::TOwnerDrawState state)>;
    using TMeasureItemEvent = std::function<void(TuiListBox& control, int32_t index, int32_t& height)>;

    explicit TuiListBox(rtl::TComponent* owner);

    rtl::TStringList& Items() const { return InnerListBox().Items(); }
    // A copy of items; the selection then follows the bound value again.
    void SetItems(const rtl::TStringList& items);
    void Clear() { InnerListBox().Clear(); }
    int32_t Count() const { return InnerListBox().Count(); }

    bool ExtendedSelect() const { return InnerListBox().ExtendedSelect(); }
    void SetExtendedSelect(bool value) { InnerListBox().SetExtendedSelect(value); }
    int32_t ItemHeight() const { return InnerListBox().ItemHeight(); }
    void SetItemHeight(int32_t value) { InnerListBox().SetItemHeight(value); }
    vcl::TListBoxStyle ListStyle() const { return InnerListBox().Style(); }
    void SetListStyle(vcl::TListBoxStyle value) { InnerListBox().SetStyle(value); }
    bool MultiSelect() const { return InnerListBox().MultiSelect(); }
    void SetMultiSelect(bool value) { InnerListBox().SetMultiSelect(value); }
    bool Sorted() const { return InnerListBox().Sorted(); }
    void SetSorted(bool value) { InnerListBox().SetSorted(value); }

    // Draws the items of the owner-draw styles; the list box draws the text where it is unassigned.
    const TDrawItemEvent& OnDrawItem() const { return FOnDrawItem; }
    void SetOnDrawItem(TDrawItemEvent handler) { FOnDrawItem = std::move(handler); }
    // The height of each item of the variable owner-draw style.
    const TMeasureItemEvent& OnMeasureItem() const { return FOnMeasureItem; }
    void SetOnMeasureItem(TMeasureItemEvent handler);

    // OnDrawItem, when assigned.
    bool DoDrawItem(TuiCanvas& canvas, int32_t index, const vcl::TRect& rect, vcl::TOwnerDrawState state) override;

protected:
    // A descendant passes its own classes of inner list box and binding.
    TuiListBox(rtl::TComponent* owner, const rtl::TMetaclass& innerListBoxClass,
               const rtl::TMetaclass& dataBindingClass)
        : TuiListBoxContainer(owner, innerListBoxClass, dataBindingClass) {}

    // The text height of the font in the standard style, ItemHeight in the owner-draw ones, for an item of the
    // variable style as OnMeasureItem measures it.
    int32_t IntegralRowHeight(int32_t index) override;

private:
    TDrawItemEvent FOnDrawItem;
    TMeasureItemEvent FOnMeasureItem;
};

} // namespace ui
