#include "ui/editors/choice/uiPanelStyle.h"

#include <algorithm>

namespace ui {

void TuiPanelStyle::Assign(const rtl::TPersistent* source) {
    const auto* style = dynamic_cast<const TuiPanelStyle*>(source);
    if (style == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    SetActive(style->Active());
    SetCaptionIndent(style->CaptionIndent());
    SetWordWrap(style->WordWrap());
    SetOfficeBackgroundKind(style->OfficeBackgroundKind());
    SetBorderWidth(style->BorderWidth());
}

void TuiPanelStyle::SetActive(bool value) {
    if (value != FActive) {
        FActive = value;
        LayoutChanged(false);
    }
}

void TuiPanelStyle::SetBorderWidth(int32_t value) {
    value = std::max(value, 0);
    if (value != FBorderWidth) {
        FBorderWidth = value;
        LayoutChanged(true);
    }
}

void TuiPanelStyle::SetCaptionIndent(int32_t value) {
    value = std::max(value, 2);
    if (value != FCaptionIndent) {
        FCaptionIndent = value;
        LayoutChanged(true);
    }
}

void TuiPanelStyle::SetOfficeBackgroundKind(TuiPanelOffice11BackgroundKind value) {
    if (value != FOfficeBackgroundKind) {
        FOfficeBackgroundKind = value;
        LayoutChanged(true, true);
    }
}

void TuiPanelStyle::SetWordWrap(bool value) {
    if (value != FWordWrap) {
        FWordWrap = value;
        LayoutChanged(false);
    }
}

void TuiPanelStyle::LayoutChanged(bool onlyWhileActive, bool onlyInOffice11) {
    if (FOnLayoutChanged) {
        FOnLayoutChanged(onlyWhileActive, onlyInOffice11);
    }
}

} // namespace ui
