#pragma once
// TuiCustomComboBoxViewData: the drop-down view data of a combo box. Its text reads as a selected item, and a
// fixed-list combo box whose items are drawn by a handler has its edit field drawn by that handler too: by the
// editor's handlers when there is an editor, by the properties' handler for a value painted without one.

#include "ui/editors/dropdown/edit/uiDropDownEditViewData.h"

#include <cstdint>

namespace ui {

class TuiCustomComboBox;

class TuiCustomComboBoxViewData : public TuiCustomDropDownEditViewData {
    RTL_DECLARE_CLASS(TuiCustomComboBoxViewData, TuiCustomDropDownEditViewData)
public:
    using TuiCustomDropDownEditViewData::TuiCustomDropDownEditViewData;

    bool HasListSelection() const override { return true; }
    void Calculate(TuiCanvas& canvas, const vcl::TRect& bounds, bool keepPressed, TuiCustomEditViewInfo& viewInfo,
                   vcl::TShiftState shift, std::optional<vcl::TMouseButton> button, vcl::TPoint mousePos) override;
    void ApplyDisplayValue(TuiCanvas& canvas, const rtl::Variant& value, TuiCustomEditViewInfo& viewInfo) override;

    // Host fields: the editor (nullptr without one) and its item.
    TuiCustomComboBox* Editor = nullptr; // not owned
    int32_t EditorItemIndex = -1;

private:
    // Hands the edit field to the item drawing for index (-1: the plain text).
    void SetOwnerDrawnItem(TuiCustomTextEditViewInfo& viewInfo, int32_t index);
};

} // namespace ui
