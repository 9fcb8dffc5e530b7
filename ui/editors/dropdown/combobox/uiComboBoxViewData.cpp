#include "ui/editors/dropdown/combobox/uiComboBoxViewData.h"

#include "rtl/variants/VariantConversions.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/editors/dropdown/combobox/uiComboBox.h"

namespace ui {

void TuiCustomComboBoxViewData::Calculate(TuiCanvas& canvas, const vcl::TRect& bounds, bool keepPressed,
                                          TuiCustomEditViewInfo& viewInfo, vcl::TShiftState shift,
                                          std::optional<vcl::TMouseButton> button, vcl::TPoint mousePos) {
    TuiCustomDropDownEditViewData::Calculate(canvas, bounds, keepPressed, viewInfo, shift, button, mousePos);
    if (auto* textViewInfo = dynamic_cast<TuiCustomTextEditViewInfo*>(&viewInfo)) {
        const bool ownerDrawn = Editor != nullptr && EditingStyle() == tesListOnly && Editor->IsOwnerDrawn();
        SetOwnerDrawnItem(*textViewInfo, ownerDrawn ? EditorItemIndex : -1);
    }
}

void TuiCustomComboBoxViewData::ApplyDisplayValue(TuiCanvas& canvas, const rtl::Variant& value,
                                                  TuiCustomEditViewInfo& viewInfo) {
    TuiCustomDropDownEditViewData::ApplyDisplayValue(canvas, value, viewInfo);
    auto* textViewInfo = dynamic_cast<TuiCustomTextEditViewInfo*>(&viewInfo);
    const auto* properties = dynamic_cast<const TuiCustomComboBoxProperties*>(&Properties());
    if (Editor != nullptr || textViewInfo == nullptr || properties == nullptr) {
        return;
    }
    const bool ownerDrawn = EditingStyle() == tesListOnly && static_cast<bool>(properties->OnDrawItem());
    SetOwnerDrawnItem(*textViewInfo, ownerDrawn ? properties->Items().IndexOf(rtl::VarToStr(value)) : -1);
}

// The handler draws on the item's own colours: the selection bar's when it shows, else the field's.
void TuiCustomComboBoxViewData::SetOwnerDrawnItem(TuiCustomTextEditViewInfo& viewInfo, int32_t index) {
    viewInfo.OwnerDrawn = index != -1;
    if (!viewInfo.OwnerDrawn) {
        viewInfo.OnOwnerDraw = nullptr;
        return;
    }
    TuiCustomComboBox* editor = Editor;
    const auto* properties = static_cast<const TuiCustomComboBoxProperties*>(&Properties());
    viewInfo.OnOwnerDraw = [editor, properties, index](TuiCustomTextEditViewInfo& sender, TuiCanvas& target,
                                                       vcl::TRect& rect) {
        vcl::TOwnerDrawState state{vcl::odComboBoxEdit};
        if (sender.Focused) {
            state.Include(vcl::odSelected);
            state.Include(vcl::odFocused);
        }
        if (sender.Font != nullptr) {
            target.SetFont(*sender.Font);
        }
        target.SetBrushColor(sender.SelectionBarVisible ? vcl::clHighlight : sender.BackgroundColor);
        target.Font().SetColor(sender.SelectionBarVisible ? vcl::clHighlightText : sender.TextColor);
        if (editor != nullptr) {
            editor->DoDrawItem(target, index, rect, state);
        } else if (properties->OnDrawItem()) {
            properties->OnDrawItem()(nullptr, target, index, rect, state);
        }
    };
}

} // namespace ui
