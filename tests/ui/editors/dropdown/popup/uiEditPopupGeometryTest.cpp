#include "ui/editors/dropdown/popup/uiEditPopupGeometry.h"

#include <gtest/gtest.h>

namespace {

using ui::TuiEditPopupFrameLook;

TEST(EditPopupGeometry, BorderAndClientEdgeWidthsFollowTheBorderStyle) {
    const struct {
        TuiEditPopupFrameLook look;
        int32_t border;
        int32_t withClientEdge;
    } cases[] = {
        {{ui::epbsDefault, false, false}, 0, 0}, {{ui::epbsSingle, false, false}, 1, 1},
        {{ui::epbsFrame3D, false, false}, 4, 4}, {{ui::epbsFlat, false, false}, 2, 2},
        {{ui::epbsDefault, false, true}, 0, 0},  {{ui::epbsSingle, false, true}, 1, 3},
        {{ui::epbsFrame3D, false, true}, 4, 6},  {{ui::epbsFlat, false, true}, 2, 3},
        {{ui::epbsFrame3D, true, false}, 1, 1},  {{ui::epbsFlat, true, true}, 1, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.look.BorderStyle) << " native " << c.look.NativeOrSkinned
                                        << " client edge " << c.look.ClientEdge);
        EXPECT_EQ(ui::EditPopupBorderWidth(c.look, false), c.border);
        EXPECT_EQ(ui::EditPopupBorderWidth(c.look, true), c.withClientEdge);
    }
}

TEST(EditPopupGeometry, ClientExtentAddsShadowStripsAndThePanelOnTheGripSide) {
    ui::TuiEditPopupExtentLayout layout;
    layout.Look = {ui::epbsSingle, false, false};
    EXPECT_EQ(ui::EditPopupClientExtent(layout), (vcl::TRect{1, 1, 1, 1}));
    layout.Shadow = true;
    EXPECT_EQ(ui::EditPopupClientExtent(layout), (vcl::TRect{1, 1, 4, 4}));
    // A single border draws a separator line between the panel and the content.
    layout.SysPanelHeight = 17;
    EXPECT_EQ(ui::EditPopupClientExtent(layout), (vcl::TRect{1, 1, 4, 22}));
    layout.GripCorner = ui::epgcTopRight;
    EXPECT_EQ(ui::EditPopupClientExtent(layout), (vcl::TRect{1, 19, 4, 4}));
    layout.Look = {ui::epbsFrame3D, false, false};
    EXPECT_EQ(ui::EditPopupClientExtent(layout), (vcl::TRect{4, 21, 7, 7}));
}

TEST(EditPopupGeometry, PanelHeightAndMinimumSize) {
    EXPECT_EQ(ui::EditPopupEffectiveSysPanelHeight(17, 0), 17);
    EXPECT_EQ(ui::EditPopupEffectiveSysPanelHeight(17, 12), 17);
    EXPECT_EQ(ui::EditPopupEffectiveSysPanelHeight(17, 30), 30);
    const vcl::TRect extent{1, 1, 4, 22};
    EXPECT_EQ(ui::EditPopupMinimumSize(extent, false, 13, 15), (vcl::TSize{5, 23}));
    EXPECT_EQ(ui::EditPopupMinimumSize(extent, true, 13, 15), (vcl::TSize{43, 23}));
}

TEST(EditPopupGeometry, GripCornerLiesAwayFromTheEditor) {
    EXPECT_EQ(ui::EditPopupGripCornerFor(false, false), ui::epgcBottomRight);
    EXPECT_EQ(ui::EditPopupGripCornerFor(false, true), ui::epgcTopRight);
    EXPECT_EQ(ui::EditPopupGripCornerFor(true, false), ui::epgcBottomLeft);
    EXPECT_EQ(ui::EditPopupGripCornerFor(true, true), ui::epgcTopLeft);
}

TEST(EditPopupGeometry, OpeningSideIsReadFromWhereThePlacementPutThePopup) {
    const vcl::TRect owner{300, 400, 420, 421};
    const vcl::TRect work{0, 0, 1024, 768};
    const struct {
        const char* name;
        vcl::TPoint position;
        ui::TuiPopupAlignHorz alignHorz;
        ui::TuiEditPopupGripCorner corner;
        int32_t shadowedY;
    } cases[] = {
        {"below, to the right", {300, 421}, ui::pahLeft, ui::epgcBottomRight, 421},
        {"above", {300, 250}, ui::pahLeft, ui::epgcTopRight, 253},
        {"below, right-aligned", {270, 421}, ui::pahRight, ui::epgcBottomLeft, 421},
        {"below, flipped at the work area's right", {874, 421}, ui::pahLeft, ui::epgcBottomRight, 421},
        {"above, pushed left by the work area", {250, 250}, ui::pahLeft, ui::epgcTopRight, 253},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ui::TuiEditPopupPlacement placement{c.position, {150, 150}, owner, work, c.alignHorz, ui::pavBottom, false};
        EXPECT_EQ(ui::EditPopupOpening(placement).GripCorner, c.corner);
        EXPECT_EQ(ui::EditPopupOpening(placement).Position, c.position);
        placement.Shadow = true;
        EXPECT_EQ(ui::EditPopupOpening(placement).Position, (vcl::TPoint{c.position.X, c.shadowedY}));
    }
}

TEST(EditPopupGeometry, OpeningAgainstTheWorkAreasEdgesCountsAsTheFarSide) {
    const vcl::TRect owner{900, 700, 1000, 721};
    const vcl::TRect work{0, 0, 1024, 768};
    // Clamped into the bottom-right corner of the work area: it lies left of and above the owner's far edges.
    const ui::TuiEditPopupPlacement placement{{874, 568}, {150, 200}, owner, work, ui::pahLeft, ui::pavBottom, false};
    EXPECT_EQ(ui::EditPopupOpening(placement).GripCorner, ui::epgcTopLeft);
}

TEST(EditPopupGeometry, MaxContentSizeTakesTheLargerSideOfTheOwner) {
    const vcl::TRect owner{300, 100, 420, 121};
    const vcl::TRect work{0, 0, 1024, 768};
    const vcl::TRect extent{1, 1, 4, 4};
    EXPECT_EQ(ui::EditPopupMaxContentSize(owner, work, ui::pdVertical, false, extent), (vcl::TSize{1019, 642}));
    const vcl::TRect lowOwner{300, 700, 420, 721};
    EXPECT_EQ(ui::EditPopupMaxContentSize(lowOwner, work, ui::pdVertical, true, extent), (vcl::TSize{1019, 698}));
    EXPECT_EQ(ui::EditPopupMaxContentSize(owner, work, ui::pdHorizontal, false, extent), (vcl::TSize{600, 763}));
}

class EditPopupSizeRuleTest : public testing::Test {
protected:
    EditPopupSizeRuleTest() {
        rule.OwnerWidth = 120;
        rule.Extent = {1, 1, 4, 4};
        rule.MinimumSize = {5, 5};
        rule.ContentSize = {80, 60};
    }
    ui::TuiEditPopupSizeRule rule;
};

TEST_F(EditPopupSizeRuleTest, UnsetWidthTakesTheOwnersWidth) {
    EXPECT_EQ(ui::EditPopupSize(rule), (vcl::TSize{120, 5}));
    rule.PopupWidth = 90;
    rule.PopupHeight = 70;
    EXPECT_EQ(ui::EditPopupSize(rule), (vcl::TSize{90, 70}));
}

TEST_F(EditPopupSizeRuleTest, AutoSizeWrapsTheContent) {
    rule.AutoSize = true;
    rule.PopupWidth = 300;
    EXPECT_EQ(ui::EditPopupSize(rule), (vcl::TSize{85, 65}));
}

TEST_F(EditPopupSizeRuleTest, MinimaHoldForSizeablePopupsAndTheWindowMinimumAlways) {
    rule.PopupWidth = 40;
    rule.PopupHeight = 30;
    rule.MinWidth = 100;
    rule.MinHeight = 50;
    EXPECT_EQ(ui::EditPopupSize(rule), (vcl::TSize{40, 30}));
    rule.Sizeable = true;
    EXPECT_EQ(ui::EditPopupSize(rule), (vcl::TSize{100, 50}));
    rule.MinimumSize = {150, 80};
    EXPECT_EQ(ui::EditPopupSize(rule), (vcl::TSize{150, 80}));
}

TEST(EditPopupGeometry, SizingZonesAreTheGripAndTheBorderBandOnTheGripSides) {
    ui::TuiEditPopupSizingZones zones;
    zones.Size = {200, 150};
    zones.InnerRect = {1, 1, 196, 146};
    zones.GripHitRect = {181, 131, 196, 146};
    zones.SizingBorderWidth = 17;
    const struct {
        ui::TuiEditPopupGripCorner corner;
        vcl::TPoint point;
        bool sizes;
        ui::TuiEditPopupSizingDirections directions;
    } cases[] = {
        {ui::epgcBottomRight, {190, 140}, true, {1, 1}}, // on the grip
        {ui::epgcBottomRight, {100, 70}, false, {0, 0}}, // the content
        {ui::epgcBottomRight, {198, 20}, true, {1, 0}},  // right border
        {ui::epgcBottomRight, {100, 148}, true, {0, 1}}, // bottom border
        {ui::epgcBottomRight, {0, 0}, true, {0, 0}},     // border away from the grip: no edge moves
        {ui::epgcBottomRight, {200, 20}, false, {0, 0}}, // outside
        {ui::epgcTopLeft, {190, 140}, true, {-1, -1}},   // the grip rectangle takes the corner's directions
        {ui::epgcTopLeft, {0, 0}, true, {-1, -1}},       {ui::epgcBottomLeft, {0, 148}, true, {-1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.corner) << " at " << c.point.X << "," << c.point.Y);
        zones.GripCorner = c.corner;
        ui::TuiEditPopupSizingDirections directions{7, 7};
        EXPECT_EQ(ui::EditPopupSizingHitTest(zones, c.point, directions), c.sizes);
        EXPECT_EQ(directions, c.directions);
    }
}

TEST(EditPopupGeometry, WithoutAPanelTheWholeBandOnTheGripSidesSizes) {
    ui::TuiEditPopupSizingZones zones;
    zones.Size = {200, 150};
    zones.InnerRect = {2, 2, 198, 148};
    zones.SizingBorderWidth = 17;
    ui::TuiEditPopupSizingDirections directions;
    EXPECT_TRUE(ui::EditPopupSizingHitTest(zones, {199, 149}, directions));
    EXPECT_EQ(directions, (ui::TuiEditPopupSizingDirections{1, 1}));
    // Inside the border, the band is the content's.
    EXPECT_FALSE(ui::EditPopupSizingHitTest(zones, {190, 140}, directions));
}

TEST(EditPopupGeometry, CursorShowsTheMovingEdges) {
    EXPECT_EQ(ui::EditPopupSizingCursor({1, 1}), vcl::crSizeNWSE);
    EXPECT_EQ(ui::EditPopupSizingCursor({-1, -1}), vcl::crSizeNWSE);
    EXPECT_EQ(ui::EditPopupSizingCursor({1, -1}), vcl::crSizeNESW);
    EXPECT_EQ(ui::EditPopupSizingCursor({-1, 1}), vcl::crSizeNESW);
    EXPECT_EQ(ui::EditPopupSizingCursor({-1, 0}), vcl::crSizeWE);
    EXPECT_EQ(ui::EditPopupSizingCursor({0, 1}), vcl::crSizeNS);
    EXPECT_EQ(ui::EditPopupSizingCursor({0, 0}), vcl::crDefault);
}

} // namespace
