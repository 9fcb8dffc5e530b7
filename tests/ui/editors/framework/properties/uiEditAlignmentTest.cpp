#include "ui/editors/framework/properties/uiEditAlignment.h"

#include "rtl/core/Exceptions.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

struct TAlignmentFixture {
    TuiEditAlignment Alignment{nullptr};
    int32_t Notifications = 0;
    TAlignmentFixture() {
        Alignment.SetOnChanged([this](rtl::TObject*) { ++Notifications; });
    }
};

TEST(uiEditAlignment, AssigningTheCurrentHorzToANewAlignmentStoresItAndNotifies) {
    TAlignmentFixture fixture;
    EXPECT_FALSE(fixture.Alignment.IsHorzStored());
    fixture.Alignment.SetHorz(vcl::taLeftJustify);
    EXPECT_EQ(fixture.Notifications, 1);
    EXPECT_TRUE(fixture.Alignment.IsHorzStored());
    fixture.Alignment.SetHorz(vcl::taLeftJustify);
    EXPECT_EQ(fixture.Notifications, 1);
    fixture.Alignment.Reset();
    EXPECT_EQ(fixture.Notifications, 2);
    EXPECT_FALSE(fixture.Alignment.IsHorzAssigned());
}

TEST(uiEditAlignment, VertIsStoredAwayFromTheTop) {
    TAlignmentFixture fixture;
    fixture.Alignment.SetVert(taTopJustify);
    EXPECT_EQ(fixture.Notifications, 0);
    fixture.Alignment.SetVert(taVCenter);
    EXPECT_EQ(fixture.Notifications, 1);
    EXPECT_TRUE(fixture.Alignment.IsVertStored());
}

TEST(uiEditAlignment, AssignCopiesBothValuesAndTheAssignedFlag) {
    TuiEditAlignment source(nullptr);
    source.SetHorz(vcl::taRightJustify);
    source.SetVert(taBottomJustify);
    TAlignmentFixture fixture;
    fixture.Alignment.Assign(&source);
    EXPECT_EQ(fixture.Notifications, 1);
    EXPECT_EQ(fixture.Alignment.Horz(), vcl::taRightJustify);
    EXPECT_EQ(fixture.Alignment.Vert(), taBottomJustify);
    EXPECT_TRUE(fixture.Alignment.IsHorzAssigned());
    const rtl::TPersistent unrelated;
    EXPECT_THROW(fixture.Alignment.Assign(&unrelated), rtl::EConvertError);
}

} // namespace
} // namespace ui
