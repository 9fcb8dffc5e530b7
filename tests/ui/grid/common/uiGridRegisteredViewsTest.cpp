#include "ui/grid/common/uiGridRegisteredViews.h"

#include "rtl/core/Object.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

// Classes that stand for views in the registry.
class TFirstViewClass : public rtl::TObject {
    RTL_DECLARE_CLASS(TFirstViewClass, rtl::TObject)
};
class TSecondViewClass : public rtl::TObject {
    RTL_DECLARE_CLASS(TSecondViewClass, rtl::TObject)
};
class TThirdViewClass : public rtl::TObject {
    RTL_DECLARE_CLASS(TThirdViewClass, rtl::TObject)
};

TEST(GridRegisteredViews, DescriptionsBeginningWithDBGoLast) {
    TuiGridRegisteredViews views;
    views.Register(&TFirstViewClass::StaticClass(), u"DB Table");
    views.Register(&TSecondViewClass::StaticClass(), u"Table");
    views.Register(&TThirdViewClass::StaticClass(), u"Banded Table");
    ASSERT_EQ(views.GetCount(), 3);
    EXPECT_EQ(views.GetDescriptionText(0), u"Banded Table");
    EXPECT_EQ(views.GetDescriptionText(1), u"Table");
    EXPECT_EQ(views.GetDescriptionText(2), u"DB Table");
}

TEST(GridRegisteredViews, TheRegistryLivesWithTheGridUnit) {
    EXPECT_NO_THROW(GridRegisteredViews());
}

} // namespace
} // namespace ui
