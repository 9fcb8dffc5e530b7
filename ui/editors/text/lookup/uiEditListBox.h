#pragma once
// TuiCustomEditListBox: the list of a text editor's popup: a borderless inner list box whose items are single text
// rows of one height ("Wg" in its font), which follows the pointer (hot tracking) and tells the lookup data when its
// selection changes. The wheel scrolls it by the system's wheel lines.

#include "rtl/core/Events.h"
#include "ui/core/controls/listboxes/uiInnerListBox.h"

#include <cstdint>

namespace ui {

class TuiCustomEditListBox : public TuiCustomInnerListBox {
    RTL_DECLARE_CLASS(TuiCustomEditListBox, TuiCustomInnerListBox)
public:
    explicit TuiCustomEditListBox(rtl::TComponent* owner);

    bool HotTrack() const { return FHotTrack; }
    void SetHotTrack(bool value) { FHotTrack = value; }
    // Selects index and tells OnSelectionChanged.
    void SelectItemIndex(int32_t index);
    // Exactly count items, empty ones added or removed at the end.
    void SetItemCount(int32_t count);
    bool IsListVisible();

    virtual rtl::UnicodeString GetItemText(int32_t index);
    virtual int32_t GetItemHeight(int32_t index);
    int32_t GetItemsHeight(int32_t count) { return count * GetItemHeight(0); }
    virtual int32_t GetItemWidth(int32_t index);
    // The fixed item height again, after a change of the font.
    virtual void UpdateItemMetrics();

    void SetOnSelectionChanged(rtl::TNotifyEvent handler) { FOnSelectionChanged = std::move(handler); }

protected:
    // Draws the item itself; false leaves it to the list box.
    virtual bool DoDrawItem(int32_t, const vcl::TRect&, vcl::TOwnerDrawState) { return false; }
    void DrawItem(int32_t index, const vcl::TRect& rect, vcl::TOwnerDrawState state) override;
    void MeasureItem(int32_t index, int32_t& height) override;
    void Click() override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    bool DoMouseWheel(vcl::TShiftState shift, int32_t wheelDelta, vcl::TPoint mousePos) override;

private:
    void NotifySelectionChanged();

    bool FHotTrack = true;
    rtl::TNotifyEvent FOnSelectionChanged;
};

} // namespace ui
