#pragma once
// TuiCustomComboBoxProperties: the drop-down properties of a combo box: its item list, whether the text is free,
// completed from the items or only one of them, how many rows the open list shows and how high they are, and
// whether a double click steps to the next item.

#include "ui/editors/dropdown/uiDropDownEditProperties.h"
#include "vcl/stdctrls/ListBox.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace vcl {
class TWinControl;
} // namespace vcl

namespace ui {

class TuiCanvas;
class TuiCustomComboBox;

enum TuiEditDropDownListStyle : uint8_t { lsEditFixedList, lsEditList, lsFixedList };

class TuiCustomComboBoxProperties : public TuiCustomDropDownEditProperties {
    RTL_DECLARE_CLASS(TuiCustomComboBoxProperties, TuiCustomDropDownEditProperties)
public:
    // control is nullptr where a value is painted without an editor (a grid cell).
    using TDrawItemEvent = std::function<void(TuiCustomComboBox* control, TuiCanvas& canvas, int32_t index,
                                              const vcl::TRect& rect, vcl::TOwnerDrawState state)>;
    using TMeasureItemEvent = std::function<void(vcl::TWinControl* control, int32_t index, int32_t& height)>;

    explicit TuiCustomComboBoxProperties(rtl::TPersistent* owner) : TuiCustomDropDownEditProperties(owner) {}

    // From combo box properties, inside one update.
    void Assign(const rtl::TPersistent* source) override;

    TuiEditDropDownListStyle DropDownListStyle() const { return FDropDownListStyle; }
    void SetDropDownListStyle(TuiEditDropDownListStyle value) { SetAndNotify(FDropDownListStyle, value); }
    int32_t DropDownRows() const { return FDropDownRows; }
    // Only values above 0 are taken.
    void SetDropDownRows(int32_t value);
    // 0 or below: the list's own item height.
    int32_t ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int32_t value) { SetAndNotify(FItemHeight, value); }
    bool Revertable() const { return FRevertable; }
    void SetRevertable(bool value) { FRevertable = value; }
    // Draws the items itself (in the list and, for a fixed list, in the edit field).
    const TDrawItemEvent& OnDrawItem() const { return FOnDrawItem; }
    void SetOnDrawItem(TDrawItemEvent handler) { FOnDrawItem = std::move(handler); }
    // Gives items heights of their own.
    const TMeasureItemEvent& OnMeasureItem() const { return FOnMeasureItem; }
    void SetOnMeasureItem(TMeasureItemEvent handler) { FOnMeasureItem = std::move(handler); }

    // The items: the lookup items.
    rtl::TStringList& Items() const { return LookupItems(); }
    void SetItems(const rtl::TStringList& items) { SetLookupItems(items); }
    bool Sorted() const { return LookupItemsSorted(); }
    void SetSorted(bool value) { SetLookupItemsSorted(value); }
    bool DropDownAutoWidth() const { return PopupAutoSize(); }
    void SetDropDownAutoWidth(bool value) { SetPopupAutoSize(value); }
    bool DropDownSizeable() const { return PopupSizeable(); }
    void SetDropDownSizeable(bool value) { SetPopupSizeable(value); }
    int32_t DropDownWidth() const { return PopupWidth(); }
    void SetDropDownWidth(int32_t value) { SetPopupWidth(value); }

    TuiTextEditingStyle GetEditingStyle() const override;
    int32_t GetDropDownRowCount() const override { return FDropDownRows; }
    bool IsFixedList() const override { return FDropDownListStyle == lsFixedList; }
    bool UsesLookupData() const override { return true; }
    // The lookup data that also fills and sizes the popup's list.
    std::unique_ptr<TuiCustomTextEditLookupData> CreateLookupData(TuiTextEditLookupOwner* owner) const override;
    const rtl::TMetaclass& GetPopupWindowClass() const override;
    const rtl::TMetaclass& GetContainerClass() const override;
    std::unique_ptr<TuiCustomEditViewData> CreateViewData(TuiCustomEditStyle& style, bool isInplace,
                                                          bool extraFlag = false) override;

private:
    TuiEditDropDownListStyle FDropDownListStyle = lsEditList;
    int32_t FDropDownRows = 8;
    int32_t FItemHeight = 0;
    bool FRevertable = false;
    TDrawItemEvent FOnDrawItem;
    TMeasureItemEvent FOnMeasureItem;
};

// The stored properties of the combo box and of its repository item.
class TuiComboBoxProperties : public TuiCustomComboBoxProperties {
    RTL_DECLARE_CLASS(TuiComboBoxProperties, TuiCustomComboBoxProperties)
public:
    explicit TuiComboBoxProperties(rtl::TPersistent* owner) : TuiCustomComboBoxProperties(owner) {}
    const rtl::TMetaclass& GetContainerClass() const override;
};

} // namespace ui
