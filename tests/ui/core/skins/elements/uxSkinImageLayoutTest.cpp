#include "ui/core/skins/elements/uxSkinImageLayout.h"

#include "tests/support/ui/GeometryPrinting.h"

#include <gtest/gtest.h>

namespace {

using ui::TuxSkinElementStates;

TEST(SkinFrameLayout, FramesLieOnePerStateInEachGroup) {
    struct TCase {
        int32_t ImageCount;
        TuxSkinElementStates States;
        int32_t ImageIndex;
        ui::TuxSkinElementState State;
        vcl::TRect Frame;
    };
    const TuxSkinElementStates three{ui::esNormal, ui::esHot, ui::esPressed};
    const TuxSkinElementStates normal{ui::esNormal};
    const TCase cases[] = {
        {1, three, 0, ui::esNormal, {0, 0, 20, 20}},
        {1, three, 0, ui::esHot, {20, 0, 40, 20}},
        {1, three, 0, ui::esPressed, {40, 0, 60, 20}},
        {1, three, 0, ui::esDisabled, {0, 0, 20, 20}},
        {2, normal, 0, ui::esNormal, {0, 0, 30, 20}},
        {2, normal, 1, ui::esNormal, {30, 0, 60, 20}},
        // Indexes outside the groups stay in the texture: the first group below, the last one above.
        {2, normal, -4, ui::esNormal, {0, 0, 30, 20}},
        {2, normal, 7, ui::esNormal, {30, 0, 60, 20}},
        // No state: no frame at all, so nothing is drawn.
        {1, TuxSkinElementStates{}, 0, ui::esHot, {}},
    };
    for (const TCase& test : cases) {
        const ui::TuxSkinFrameLayout layout({60, 20}, ui::ilHorizontal, test.States, test.ImageCount, {});
        EXPECT_EQ(layout.FrameRect(test.ImageIndex, test.State), test.Frame)
            << "count " << test.ImageCount << " index " << test.ImageIndex << " state " << int(test.State);
    }
}

TEST(SkinFrameLayout, VerticalFramesStackAndSizesTruncate) {
    const ui::TuxSkinFrameLayout layout({16, 50}, ui::ilVertical, {ui::esNormal, ui::esChecked}, 2, {});
    EXPECT_EQ(layout.FrameSize(), (vcl::TSize{16, 12}));
    EXPECT_EQ(layout.FrameRect(0, ui::esChecked), (vcl::TRect{0, 12, 16, 24}));
    EXPECT_EQ(layout.FrameRect(1, ui::esChecked), (vcl::TRect{0, 36, 16, 48}));
    EXPECT_EQ(layout.ValidateState(ui::esFocused), ui::esNormal);
}

TEST(SkinFrameLayout, NineGridPartsFollowTheMargins) {
    const ui::TuxSkinNineParts parts = ui::CalcNineGridParts({0, 0, 30, 20}, {5, 4, 6, 3});
    EXPECT_EQ(parts[0], (vcl::TRect{0, 0, 5, 4}));
    EXPECT_EQ(parts[4], (vcl::TRect{5, 4, 24, 17}));
    EXPECT_EQ(parts[8], (vcl::TRect{24, 17, 30, 20}));
    // Margins wider than the frame leave no centre column; a negative margin counts as 0.
    const ui::TuxSkinNineParts tight = ui::CalcNineGridParts({0, 0, 8, 8}, {10, 3, 10, -2});
    EXPECT_EQ(tight[0], (vcl::TRect{0, 0, 8, 3}));
    EXPECT_TRUE(tight[1].IsEmpty());
    EXPECT_TRUE(tight[ui::SkinCentrePart].IsEmpty());
    EXPECT_EQ(tight[3], (vcl::TRect{0, 3, 8, 8}));
}

TEST(SkinFrameLayout, MarginsShrinkToFitTheDestination) {
    struct TCase {
        vcl::TRect Margins;
        vcl::TRect Dest;
        vcl::TRect Fitted;
    };
    const TCase cases[] = {
        {{10, 0, 10, 0}, {0, 0, 12, 30}, {6, 0, 6, 0}}, {{10, 8, 10, 8}, {0, 0, 40, 10}, {10, 5, 10, 5}},
        {{3, 0, 9, 0}, {0, 0, 8, 5}, {2, 0, 6, 0}},     {{-5, 0, 10, 0}, {0, 0, 4, 5}, {0, 0, 4, 0}},
        {{10, 0, 10, 0}, {0, 0, 0, 5}, {0, 0, 0, 0}},
    };
    for (const TCase& test : cases) {
        EXPECT_EQ(ui::FitMarginsToRect(test.Margins, test.Dest), test.Fitted);
    }
    const ui::TuxSkinNineParts parts = ui::CalcNineGridParts({0, 0, 12, 30}, {6, 0, 6, 0});
    EXPECT_TRUE(parts[ui::SkinCentrePart].IsEmpty());
}

} // namespace
