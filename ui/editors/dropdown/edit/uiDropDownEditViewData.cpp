#include "ui/editors/dropdown/edit/uiDropDownEditViewData.h"

#include "ui/core/system/uxSystemInfo.h"
#include "ui/editors/dropdown/edit/uiDropDownEditProperties.h"

namespace ui {

bool TuiCustomDropDownEditViewData::IsDropDownButton(int32_t index) const {
    const auto* properties = dynamic_cast<const TuiCustomDropDownEditProperties*>(&Properties());
    return properties != nullptr && index == properties->GetDropDownButtonIndex();
}

void TuiCustomDropDownEditViewData::Calculate(TuiCanvas& canvas, const vcl::TRect& bounds, bool keepPressed,
                                              TuiCustomEditViewInfo& viewInfo, vcl::TShiftState shift,
                                              std::optional<vcl::TMouseButton> button, vcl::TPoint mousePos) {
    const bool nativeVista = IsNativeStyle(Style().LookAndFeel()) && OSFlags().IsWinVistaOrLater;
    const auto* properties = dynamic_cast<const TuiCustomDropDownEditProperties*>(&Properties());
    FPressedLook = (properties != nullptr && properties->KeepDropDownButtonDown()) || nativeVista;
    TuiCustomTextEditViewData::Calculate(canvas, bounds, keepPressed, viewInfo, shift, button, mousePos);
    auto* textViewInfo = dynamic_cast<TuiCustomTextEditViewInfo*>(&viewInfo);
    if (textViewInfo == nullptr) {
        return;
    }
    const TuiCustomTextEditProperties* textProperties = TextProperties();
    const bool prefixCompletion =
        textProperties != nullptr && textProperties->ListPrefixSelection() && CompletionActive;
    textViewInfo->PopupShown = PopupShown;
    textViewInfo->SelectionBarVisible = !IsInplace() && EditingStyle() == tesListOnly && !prefixCompletion && Focused &&
                                        !Transparent && !PopupShown && !nativeVista;
}

bool TuiCustomDropDownEditViewData::IsPopupHot() const {
    return PopupShown && ContainerState().Contains(csHotTrack);
}

int32_t TuiCustomDropDownEditViewData::GetEditNativeState() const {
    if (!OSFlags().IsWinVistaOrLater || EditingStyle() != tesListOnly) {
        return TuiCustomTextEditViewData::GetEditNativeState();
    }
    if (!Enabled) {
        return 4;
    }
    if (PopupShown) {
        return 3;
    }
    return ContainerState().Contains(csHotTrack) ? 2 : 1;
}

bool TuiCustomDropDownEditViewData::CanPressButton(TuiCustomEditViewInfo&, int32_t index) const {
    return !(IsPopupHot() && IsDropDownButton(index));
}

bool TuiCustomDropDownEditViewData::IsButtonDown(TuiCustomEditViewInfo& viewInfo, int32_t index) const {
    return TuiCustomTextEditViewData::IsButtonDown(viewInfo, index) ||
           (PopupShown && FPressedLook && IsDropDownButton(index));
}

} // namespace ui
