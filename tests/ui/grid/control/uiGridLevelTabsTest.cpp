// The grid's level tab settings (LevelTabs): checked values, a grid laid out again after each change, the watched
// image list and Assign.

#include "ui/grid/control/uiGridLevelTabs.h"

#include "tests/ui/grid/GridTestSupport.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/imagelists/ImageList.h"

#include <functional>
#include <gtest/gtest.h>

namespace ui {
namespace {

class GridLevelTabsTest : public ui_test::GridOnFormTest {
protected:
    void SetUp() override {
        GridOnFormTest::SetUp();
        Grid->SetOnLayoutChanged([this](TuiCustomGrid&, TuiCustomGridView* view) {
            if (view == nullptr) {
                ++GridLayouts;
            }
        });
    }
    // How many grid-wide layouts change ran.
    int LayoutsOf(const std::function<void()>& change) {
        GridLayouts = 0;
        change();
        return GridLayouts;
    }

    int GridLayouts = 0;
};

TEST_F(GridLevelTabsTest, EachChangedValueLaysTheGridOutAndANegativeImageBorderIsZero) {
    TuiGridLevelTabs& tabs = Grid->LevelTabs();
    EXPECT_EQ(tabs.CaptionAlignment(), vcl::taCenter);
    EXPECT_EQ(tabs.ImageBorder(), 0);
    EXPECT_EQ(tabs.Images(), nullptr);
    EXPECT_EQ(tabs.Style(), 0);
    EXPECT_EQ(tabs.Slants().Kind(), skSlant);

    const std::function<void()> changes[] = {
        [&] { tabs.SetCaptionAlignment(vcl::taLeftJustify); },
        [&] { tabs.SetImageBorder(4); },
        [&] { tabs.SetStyle(7); },
        [&] { tabs.Slants().SetKind(skCutCorner); },
        [&] {
            tabs.Slants().SetPositions({spLeft, spRight});
        },
    };
    for (const auto& change : changes) {
        EXPECT_EQ(LayoutsOf(change), 1);
        EXPECT_EQ(LayoutsOf(change), 0) << "the same value again changes nothing";
    }
    EXPECT_EQ(LayoutsOf([&] { tabs.SetImageBorder(-3); }), 1);
    EXPECT_EQ(tabs.ImageBorder(), 0);
}

TEST_F(GridLevelTabsTest, TheImageListIsWatchedUntilItIsFreed) {
    TuiGridLevelTabs& tabs = Grid->LevelTabs();
    auto* images = new vcl::TImageList(Form.get());
    images->SetSize(16, 16);
    EXPECT_EQ(LayoutsOf([&] { tabs.SetImages(images); }), 1);
    EXPECT_EQ(tabs.Images(), images);
    vcl::TBitmap image;
    image.SetSize(16, 16);
    EXPECT_GE(LayoutsOf([&] { images->Add(image, nullptr); }), 1) << "a change of the list";

    EXPECT_EQ(LayoutsOf([&] { rtl::TComponent::Free(images); }), 1);
    EXPECT_EQ(tabs.Images(), nullptr);
}

TEST_F(GridLevelTabsTest, AssignCopiesTheFiveValues) {
    auto* images = new vcl::TImageList(Form.get());
    auto* other = new TuiGrid(Form.get());
    TuiGridLevelTabs& source = other->LevelTabs();
    source.SetCaptionAlignment(vcl::taRightJustify);
    source.SetImageBorder(3);
    source.SetImages(images);
    source.Slants().SetKind(skCutCorner);
    source.Slants().SetPositions({spRight});
    source.SetStyle(7);

    Grid->SetLevelTabs(source);
    const TuiGridLevelTabs& copy = Grid->LevelTabs();
    EXPECT_EQ(copy.CaptionAlignment(), vcl::taRightJustify);
    EXPECT_EQ(copy.ImageBorder(), 3);
    EXPECT_EQ(copy.Images(), images);
    EXPECT_EQ(copy.Slants().Kind(), skCutCorner);
    EXPECT_EQ(copy.Slants().Positions(), TuiTabSlantPositions{spRight});
    EXPECT_EQ(copy.Style(), 7);
}

} // namespace
} // namespace ui
