#pragma once
// TCustomListBox and TListBox: the Windows list box as a framework control. Items keeps the strings (and an object
// per string) whether or not the window exists, and every change reaches the window at once. An owner-draw list box
// (fixed or variable item heights) draws its items through DrawItem (OnDrawItem, or the text on the brush) and asks
// MeasureItem for the heights, when its parent reflects WM_DRAWITEM and WM_MEASUREITEM back to it.

#include "rtl/text/StringList.h"
#include "vcl/controls/ControlCanvas.h"
#include "vcl/controls/WinControl.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace vcl {

class TCustomListBox;

enum TListBoxStyle : uint8_t { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

// odComboBoxEdit: the item is drawn in a combo box's edit field rather than in its list.
enum TOwnerDrawStateFlag : uint8_t {
    odSelected,
    odGrayed,
    odDisabled,
    odChecked,
    odFocused,
    odDefault,
    odComboBoxEdit
};
using TOwnerDrawState = rtl::TSmallSet<TOwnerDrawStateFlag>;

using TDrawItemEvent =
    std::function<void(rtl::TObject* sender, int32_t index, const TRect& rect, TOwnerDrawState state)>;
using TMeasureItemEvent = std::function<void(rtl::TObject* sender, int32_t index, int32_t& height)>;

// The strings of a list box: kept here, and passed on to the window whenever it exists.
class TListBoxStrings : public rtl::TStringList {
public:
    explicit TListBoxStrings(TCustomListBox& listBox) : FListBox(listBox) {}

    int32_t AddObject(rtl::UnicodeStringView text, rtl::TObject* object) override;
    void InsertObject(int32_t index, rtl::UnicodeStringView text, rtl::TObject* object) override;
    void Delete(int32_t index) override;
    void Clear() override;
    void Put(int32_t index, rtl::UnicodeStringView text) override;
    void Sort() override;
    void CustomSort(const rtl::TStringListSortCompare& compare) override;

private:
    TCustomListBox& FListBox;
};

// A Windows list box. Columns above 0 lays the items out in columns of that many to the client width, scrolled
// sideways; ScrollWidth is the width the horizontal bar scrolls over (0: none); TabWidth above 0 expands tabs in the
// items to stops of that many dialog units.
class TCustomListBox : public TWinControl {
    RTL_DECLARE_CLASS(TCustomListBox, TWinControl)
public:
    explicit TCustomListBox(rtl::TComponent* owner);
    ~TCustomListBox() override;

    void Dispatch(TMessage& message) override;

    rtl::TStringList& Items() const { return *FItems; }
    int32_t Count() const { return FItems->Count(); }
    void Clear() { FItems->Clear(); }
    // The selected item (the focused one of a multi-select list box), -1 for none.
    int32_t ItemIndex();
    void SetItemIndex(int32_t value);
    // The first visible item.
    int32_t TopIndex();
    void SetTopIndex(int32_t value);
    bool Selected(int32_t index);
    void SetSelected(int32_t index, bool value);
    int32_t SelCount();
    // The item at a client point; with existing, -1 below the last item (else the count).
    int32_t ItemAtPos(TPoint point, bool existing);
    TRect ItemRect(int32_t index);

    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle value);
    // The height of the items of a fixed owner-draw list box (others measure theirs).
    int32_t ItemHeight();
    void SetItemHeight(int32_t value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool value);
    // How several items are selected: with Shift and Ctrl (extended), or each click toggling an item.
    bool ExtendedSelect() const { return FExtendedSelect; }
    void SetExtendedSelect(bool value);
    int32_t Columns() const { return FColumns; }
    // Negative counts are ignored.
    void SetColumns(int32_t value);
    int32_t ScrollWidth() const { return FScrollWidth; }
    void SetScrollWidth(int32_t value);
    int32_t TabWidth() const { return FTabWidth; }
    void SetTabWidth(int32_t value);
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool value);
    bool IntegralHeight() const { return FIntegralHeight; }
    void SetIntegralHeight(bool value);
    // Whether typing selects the item that begins with what was typed.
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool value) { FAutoComplete = value; }

    TCanvas& Canvas() const { return *FCanvas; }

    const TDrawItemEvent& OnDrawItem() const { return FOnDrawItem; }
    void SetOnDrawItem(TDrawItemEvent handler) { FOnDrawItem = std::move(handler); }
    const TMeasureItemEvent& OnMeasureItem() const { return FOnMeasureItem; }
    void SetOnMeasureItem(TMeasureItemEvent handler) { FOnMeasureItem = std::move(handler); }

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWindowHandle() override;
    // Draws an item of an owner-draw list box on Canvas: OnDrawItem, or the item's text on the brush.
    virtual void DrawItem(int32_t index, const TRect& rect, TOwnerDrawState state);
    // The height of an item of a variable owner-draw list box: OnMeasureItem may change it.
    virtual void MeasureItem(int32_t index, int32_t& height);
    void Resize() override;

private:
    friend class TListBoxStrings;

    void CNCommand(TMessage& message);
    void CNDrawItem(TMessage& message);
    void CNMeasureItem(TMessage& message);
    void FillWindow();
    void UpdateColumnWidth();
    void ApplyWindowSettings();
    intptr_t Send(uint32_t msg, uintptr_t wParam = 0, intptr_t lParam = 0);

    std::unique_ptr<TListBoxStrings> FItems;
    std::unique_ptr<TControlCanvas> FCanvas;
    TListBoxStyle FStyle = lbStandard;
    int32_t FItemHeight = 16;
    bool FMultiSelect = false;
    bool FExtendedSelect = true;
    int32_t FColumns = 0;
    int32_t FScrollWidth = 0;
    int32_t FTabWidth = 0;
    bool FIntegralHeight = false;
    bool FAutoComplete = true;
    int32_t FSavedItemIndex = -1; // kept while the window is recreated
    TDrawItemEvent FOnDrawItem;
    TMeasureItemEvent FOnMeasureItem;
};

// The list box components place on forms.
class TListBox : public TCustomListBox {
    RTL_DECLARE_CLASS(TListBox, TCustomListBox)
public:
    using TCustomListBox::TCustomListBox;
};

} // namespace vcl
