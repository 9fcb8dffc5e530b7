#include "ui/editors/dropdown/popup/uiEditPopupPanelLayout.h"

#include <gtest/gtest.h>

namespace {

// A 200 x 150 popup with a single border, a shadow and a 17-pixel system panel.
ui::TuiEditPopupPanelSettings PanelSettings(ui::TuiEditPopupGripCorner corner) {
    ui::TuiEditPopupPanelSettings settings;
    settings.WindowSize = {200, 150};
    settings.Look = {ui::epbsSingle, false, true};
    settings.Shadow = true;
    settings.SysPanelHeight = 17;
    settings.MeasuredPanelHeight = 17;
    settings.Sizeable = true;
    settings.CloseButton = true;
    settings.GripCorner = corner;
    return settings;
}

TEST(EditPopupPanelLayout, InnerRectLeavesBorderAndShadowAndTheClientEdgeOnlyWithoutAPanel) {
    ui::TuiEditPopupPanelSettings settings = PanelSettings(ui::epgcBottomRight);
    EXPECT_EQ(ui::EditPopupPanelLayout(settings).InnerRect, (vcl::TRect{1, 1, 196, 146}));
    settings.SysPanelHeight = 0;
    const ui::TuiEditPopupPanelLayout layout = ui::EditPopupPanelLayout(settings);
    EXPECT_EQ(layout.InnerRect, (vcl::TRect{3, 3, 194, 144}));
    EXPECT_TRUE(layout.GripHitRect.IsEmpty());
    EXPECT_TRUE(layout.CloseButtonRect.IsEmpty());
}

TEST(EditPopupPanelLayout, GripSitsInItsCornerAndTheCloseButtonOnTheOtherSide) {
    const struct {
        ui::TuiEditPopupGripCorner corner;
        vcl::TRect gripHit;
        vcl::TRect grip;
        vcl::TRect closeButton;
    } cases[] = {
        {ui::epgcBottomRight, {181, 131, 196, 146}, {181, 131, 194, 144}, {4, 131, 17, 144}},
        {ui::epgcTopRight, {181, 1, 196, 16}, {181, 3, 194, 16}, {4, 3, 17, 16}},
        {ui::epgcBottomLeft, {1, 131, 16, 146}, {3, 131, 16, 144}, {180, 131, 193, 144}},
        {ui::epgcTopLeft, {1, 1, 16, 16}, {3, 3, 16, 16}, {180, 3, 193, 16}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.corner));
        const ui::TuiEditPopupPanelLayout layout = ui::EditPopupPanelLayout(PanelSettings(c.corner));
        EXPECT_EQ(layout.GripHitRect, c.gripHit);
        EXPECT_EQ(layout.GripRect, c.grip);
        EXPECT_EQ(layout.CloseButtonRect, c.closeButton);
    }
}

TEST(EditPopupPanelLayout, ThemedPartsTakeTheThemesSizes) {
    ui::TuiEditPopupPanelSettings settings = PanelSettings(ui::epgcBottomRight);
    settings.SysPanelHeight = 21;
    settings.ThemedSizeBox = {17, 17};
    settings.ThemedCloseButton = {13, 13};
    const ui::TuiEditPopupPanelLayout layout = ui::EditPopupPanelLayout(settings);
    EXPECT_EQ(layout.GripHitRect, (vcl::TRect{177, 127, 196, 146}));
    // Centred in the panel, one pixel from the inner left edge.
    EXPECT_EQ(layout.CloseButtonRect, (vcl::TRect{2, 129, 15, 142}));
}

TEST(EditPopupPanelLayout, FixedSizeHasNoGrip) {
    ui::TuiEditPopupPanelSettings settings = PanelSettings(ui::epgcBottomRight);
    settings.Sizeable = false;
    const ui::TuiEditPopupPanelLayout layout = ui::EditPopupPanelLayout(settings);
    EXPECT_TRUE(layout.GripHitRect.IsEmpty());
    EXPECT_FALSE(layout.CloseButtonRect.IsEmpty());
}

} // namespace
