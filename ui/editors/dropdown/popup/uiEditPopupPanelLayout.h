#pragma once
// The layout of an editor popup's frame: the inner rectangle inside its border and shadow, and on its system panel
// the size grip (in the grip corner) and the close button (on the other side), each drawn by the visual-styles theme
// at the theme's size when the theme gives one.

#include "ui/editors/dropdown/popup/uiEditPopupGeometry.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace ui {

struct TuiEditPopupPanelSettings {
    vcl::TSize WindowSize;
    TuiEditPopupFrameLook Look;
    bool Shadow = false;
    int32_t SysPanelHeight = 0;      // the effective panel height; 0: no system panel
    int32_t MeasuredPanelHeight = 0; // from the system metrics (and the theme)
    bool Sizeable = false;
    bool CloseButton = false;
    TuiEditPopupGripCorner GripCorner = epgcBottomRight;
    vcl::TSize ThemedSizeBox;     // empty when the theme does not draw the size box
    vcl::TSize ThemedCloseButton; // empty when the theme does not draw the close button
};

struct TuiEditPopupPanelLayout {
    vcl::TRect InnerRect;   // content and system panel
    vcl::TRect GripHitRect; // empty without a grip
    vcl::TRect GripRect;    // where the grip is drawn
    vcl::TRect CloseButtonRect;
};

TuiEditPopupPanelLayout EditPopupPanelLayout(const TuiEditPopupPanelSettings& settings);

} // namespace ui
