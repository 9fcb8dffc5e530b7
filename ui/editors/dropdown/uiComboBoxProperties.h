#pragma once
// TuiCustomComboBoxProperties: the drop-down properties of a combo box: its item list, whether the text is free,
// completed from the items or only one of them, how many rows the open list shows and how high they are, and
// whether a double click steps to the next item.

#include "ui/editors/dropdown/uiDropDownEditProperties.h"

#include <cstdint>

namespace ui {

enum TuiEditDropDownListStyle : uint8_t { lsEditFixedList, lsEditList, lsFixedList };

class TuiCustomComboBoxProperties : public TuiCustomDropDownEditProperties {
    RTL_DECLARE_CLASS(TuiCustomComboBoxProperties, TuiCustomDropDownEditProperties)
public:
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
    const rtl::TMetaclass& GetPopupWindowClass() const override;
    const rtl::TMetaclass& GetContainerClass() const override;
    std::unique_ptr<TuiCustomEditViewData> CreateViewData(TuiCustomEditStyle& style, bool isInplace,
                                                          bool extraFlag = false) override;

private:
    template <class T>
    void SetAndNotify(T& field, const T& value) {
        if (field != value) {
            field = value;
            Changed();
        }
    }

    TuiEditDropDownListStyle FDropDownListStyle = lsEditList;
    int32_t FDropDownRows = 8;
    int32_t FItemHeight = 0;
    bool FRevertable = false;
};

// The stored properties of the combo box and of its repository item.
class TuiComboBoxProperties : public TuiCustomComboBoxProperties {
    RTL_DECLARE_CLASS(TuiComboBoxProperties, TuiCustomComboBoxProperties)
public:
    explicit TuiComboBoxProperties(rtl::TPersistent* owner) : TuiCustomComboBoxProperties(owner) {}
    const rtl::TMetaclass& GetContainerClass() const override;
};

} // namespace ui
