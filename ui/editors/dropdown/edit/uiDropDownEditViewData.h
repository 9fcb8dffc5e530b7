#pragma once
// TuiCustomDropDownEditViewData: the text view data of a drop-down editor. It knows whether the editor's popup is
// open (and the pointer over the editor meanwhile), draws the drop-down button pressed while it is, shows the text of
// a focused, closed list-only editor as a selected item and gives a list-only editor the combo box's theme states.

#include "ui/editors/text/textedit/uiTextEditViewData.h"

namespace ui {

class TuiCustomDropDownEditViewData : public TuiCustomTextEditViewData {
    RTL_DECLARE_CLASS(TuiCustomDropDownEditViewData, TuiCustomTextEditViewData)
public:
    using TuiCustomTextEditViewData::TuiCustomTextEditViewData;

    void Calculate(TuiCanvas& canvas, const vcl::TRect& bounds, bool keepPressed, TuiCustomEditViewInfo& viewInfo,
                   vcl::TShiftState shift, std::optional<vcl::TMouseButton> button, vcl::TPoint mousePos) override;

    // The popup is open and the last calculation found the pointer over the editor.
    bool IsPopupHot() const;
    // On Windows 6 and later a list-only editor takes the themed combo box's states: disabled, open, hot and normal.
    int32_t GetEditNativeState() const override;

    // Host fields.
    bool PopupShown = false;
    // The editor's typed prefix is being completed.
    bool CompletionActive = false;
    bool Transparent = false;

protected:
    bool CanPressButton(TuiCustomEditViewInfo& viewInfo, int32_t index) const override;
    bool IsButtonDown(TuiCustomEditViewInfo& viewInfo, int32_t index) const override;

private:
    bool IsDropDownButton(int32_t index) const;
    bool FPressedLook = false;
};

} // namespace ui
