// The tabs of a tab control: the first tab selected without events, image indexes and when they are written, the
// errors of out-of-range indexes (the tabs, the visible tabs, the image list wrapper), TabIndex's range and the
// change events, what the tabs keep through deletion, moves and hiding, and the slants.

#include "ui/pagecontrol/tabs/uiTabs.h"

#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "tests/ui/pagecontrol/tabs/TabControlTestSupport.h"
#include "ui/core/objects/uxException.h"
#include "ui/pagecontrol/tabs/uiPCImageList.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/imagelists/ImageList.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace ui {
namespace {

using ui_test::AddNumberedTabs;
using ui_test::ShowTabControlForm;

void ExpectRaises(const std::function<void()>& action, const char16_t* message) {
    try {
        action();
        ADD_FAILURE() << "nothing raised, expected " << rtl::Exception(message).what();
    } catch (const EuxException& error) {
        EXPECT_EQ(error.Message(), message);
    }
}

TEST(uiTabs, TheFirstTabIsSelectedWithoutChangeEvents) {
    auto host = ShowTabControlForm(300, 100);
    TuiTabControl& control = *host.Control;
    int changes = 0;
    control.SetOnChange([&changes](rtl::TObject*) { ++changes; });
    control.SetOnChanging([&changes](rtl::TObject*, bool&) { ++changes; });
    control.Tabs().Add(u"First");
    EXPECT_EQ(control.TabIndex(), 0);
    EXPECT_EQ(control.MainTabVisibleIndex(), 0);
    control.Tabs().Add(u"Second");
    EXPECT_EQ(control.TabIndex(), 0);
    EXPECT_EQ(changes, 0);
}

TEST(uiTabs, ImageIndexStartsAtTheTabsIndexAndIsWrittenOnlyWhenItDiffers) {
    auto host = ShowTabControlForm(300, 100);
    TuiTabs& tabs = host.Control->Tabs();
    AddNumberedTabs(*host.Control, 3);
    tabs.Insert(3, u"Fourth");
    TuiTab& fourth = tabs.Tab(3);
    EXPECT_EQ(fourth.ImageIndex(), 3);
    EXPECT_FALSE(fourth.IsImageIndexStored());
    fourth.SetImageIndex(-5);
    EXPECT_EQ(fourth.ImageIndex(), -1);
    EXPECT_TRUE(fourth.IsImageIndexStored());
    tabs.Insert(0, u"Zeroth");
    EXPECT_EQ(fourth.Index(), 4) << "a tab inserted before renumbers the ones after it";
    EXPECT_EQ(tabs.Tab(1).ImageIndex(), 0);
    EXPECT_TRUE(tabs.Tab(1).IsImageIndexStored()) << "the image index stays when the tab moves";
}

TEST(uiTabs, IndexesOutOfRangeRaiseWithTheOperationsName) {
    auto host = ShowTabControlForm(300, 100);
    TuiTabs& tabs = host.Control->Tabs();
    AddNumberedTabs(*host.Control, 5);
    ExpectRaises([&] { tabs.Tab(5); }, u"TuiTabs.GetTab: Tab's index (5) out of bounds");
    ExpectRaises([&] { tabs.Tab(-1).Caption(); }, u"TuiTabs.GetTab: Tab's index (-1) out of bounds");
    ExpectRaises([&] { tabs.Strings(5); }, u"TuiTabs.Get: Tab's index (5) out of bounds");
    ExpectRaises([&] { tabs.Insert(7, u"Late"); }, u"TuiTabs.Insert: Tab's index (7) out of bounds");
    ExpectRaises([&] { tabs.Delete(5); }, u"TuiTabs.Delete: Tab's index (5) out of bounds");
    tabs.Tab(4).SetVisible(false);
    ExpectRaises([&] { tabs.VisibleTab(4); }, u"TuiTabs.GetVisibleTab: TabVisibleIndex (4) must be between 0 and 3");
    EXPECT_EQ(tabs.Count(), 5) << "nothing changed";
}

TEST(uiTabs, TheVisibleTabsMapVisibleIndexesToTabs) {
    auto host = ShowTabControlForm(300, 100);
    TuiCustomTabControl& control = *host.Control;
    AddNumberedTabs(*host.Control, 5);
    host.Control->Tabs().Tab(1).SetVisible(false);
    host.Control->Tabs().Tab(3).SetVisible(false);
    const TuiVisibleTabList& visible = control.VisibleTabs();
    ASSERT_EQ(visible.Count(), 3);
    EXPECT_EQ(visible.Tab(1).Index(), 2);
    EXPECT_EQ(visible.VisibleIndexOf(4), 2);
    EXPECT_EQ(visible.VisibleIndexOf(3), -1);
    EXPECT_TRUE(host.Control->Tabs().Tab(3).GetVisibleRect().IsEmpty());
    ExpectRaises([&] { visible.Tab(3); }, u"TuiVisibleTabList.GetTab: TabVisibleIndex (3) must be between 0 and 2");
    host.Control->Tabs().Clear();
    ExpectRaises([&] { visible.Tab(0); }, u"TuiVisibleTabList.GetTab: There are no visible tabs");
}

TEST(uiTabs, TheImageWrapperRaisesWithoutImagesAndForAnIndexOutsideThem) {
    TuiPCImageList wrapper;
    ui_test::TCanvasOnSurface surface;
    ExpectRaises([&] { wrapper.Draw(surface.Canvas, 0, 0, 0, true, vcl::clWindow); },
                 u"TuiPCImageList.Draw: BaseImages is not assigned");
    vcl::TImageList images(nullptr);
    vcl::TBitmap image(16, 16);
    for (int i = 0; i < 5; ++i) {
        images.Add(image, nullptr);
    }
    wrapper.SetBaseImages(&images);
    ExpectRaises([&] { wrapper.Draw(surface.Canvas, 0, 0, 7, true, vcl::clWindow); },
                 u"TuiPCImageList.Draw: Index (7) must be between 0 and 4");
    EXPECT_EQ(wrapper.GetImageSize(), (vcl::TSize{16, 16}));
    wrapper.SetBaseImages(nullptr);
}

TEST(uiTabs, TheWrapperTurnsItsImagesAndForgetsAFreedList) {
    TuiPCImageList wrapper;
    int changes = 0;
    wrapper.SetOnChange([&changes](rtl::TObject*) { ++changes; });
    auto* images = new vcl::TImageList(nullptr);
    images->SetSize(16, 10);
    wrapper.SetBaseImages(images);
    wrapper.SetRotation(TuiRotationAngle::Clockwise);
    EXPECT_EQ(wrapper.GetImageSize(), (vcl::TSize{10, 16}));
    const int before = changes;
    rtl::TComponent::Free(images);
    EXPECT_EQ(wrapper.BaseImages(), nullptr);
    EXPECT_EQ(changes, before + 1) << "the control hears that its images went";
    EXPECT_EQ(wrapper.GetImageSize(), (vcl::TSize{0, 0}));
}

TEST(uiTabs, TabIndexOutOfRangeIsIgnoredAndMinusOneDeselects) {
    auto host = ShowTabControlForm(300, 100);
    TuiTabControl& control = *host.Control;
    AddNumberedTabs(control, 5);
    int changes = 0;
    control.SetOnChange([&changes](rtl::TObject*) { ++changes; });
    control.SetTabIndex(2);
    EXPECT_EQ(changes, 1);
    for (int ignored : {7, 5, -2}) {
        control.SetTabIndex(ignored);
        EXPECT_EQ(control.TabIndex(), 2) << ignored;
    }
    EXPECT_EQ(changes, 1);
    control.SetTabIndex(-1);
    EXPECT_EQ(control.TabIndex(), -1);
    EXPECT_EQ(control.MainTabVisibleIndex(), -1);
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(control.Tabs().Tab(i).IsActiveTab()) << i;
    }
    EXPECT_EQ(changes, 2);
}

TEST(uiTabs, OnChangingMayRefuseANewTab) {
    auto host = ShowTabControlForm(300, 100);
    TuiTabControl& control = *host.Control;
    AddNumberedTabs(control, 3);
    control.SetOnChanging([](rtl::TObject*, bool& allow) { allow = false; });
    control.SetTabIndex(1);
    EXPECT_EQ(control.TabIndex(), 0);
}

TEST(uiTabs, DeletingTheLastTabSelectsTheOneBeforeIt) {
    auto host = ShowTabControlForm(300, 100);
    TuiTabControl& control = *host.Control;
    AddNumberedTabs(control, 3);
    control.SetTabIndex(2);
    control.Tabs().Delete(2);
    EXPECT_EQ(control.TabIndex(), 1);
    control.Tabs().SetStrings(0, u"Renamed");
    EXPECT_EQ(control.Tabs().Tab(0).Caption(), u"Renamed");
    control.Tabs().SetObjects(0, &control);
    EXPECT_EQ(control.Tabs().Objects(0), &control);
    control.Tabs().Move(0, 1);
    EXPECT_EQ(control.Tabs().Strings(1), u"Renamed");
    EXPECT_EQ(control.Tabs().Tab(1).Index(), 1);
    control.Tabs().Clear();
    EXPECT_EQ(control.TabIndex(), -1);
    EXPECT_EQ(ui_test::PaintTabControl(control)->Width(), 300) << "an empty control paints";
}

TEST(uiTabs, AHiddenTabKeepsItsCaptionAndComesBackInItsPlace) {
    auto host = ShowTabControlForm(300, 100);
    TuiTabControl& control = *host.Control;
    AddNumberedTabs(control, 3);
    TuiTab& middle = control.Tabs().Tab(1);
    middle.SetVisible(false);
    middle.SetCaption(u"Renamed");
    EXPECT_EQ(control.VisibleTabs().Count(), 2);
    middle.SetVisible(true);
    EXPECT_EQ(control.VisibleTabs().Tab(1).Caption(), u"Renamed");
    EXPECT_TRUE(middle.HasVisibleRect());
}

TEST(uiTabs, ATabCopiesAnother) {
    auto host = ShowTabControlForm(300, 100);
    TuiTabControl& control = *host.Control;
    AddNumberedTabs(control, 2);
    TuiTab& source = control.Tabs().Tab(1);
    source.SetEnabled(false);
    source.SetHighlighted(true);
    source.SetImageIndex(4);
    control.Tabs().Tab(0).Assign(&source);
    const TuiTab& copy = control.Tabs().Tab(0);
    EXPECT_EQ(copy.Caption(), u"Tab 1");
    EXPECT_FALSE(copy.Enabled());
    EXPECT_TRUE(copy.Highlighted());
    EXPECT_EQ(copy.ImageIndex(), 4);
}

TEST(uiTabs, SlantsTellOfEachChangeAndCopyAnother) {
    auto host = ui_test::ShowTabControlForm(200, 100);
    TuiTabSlants& slants = host.Control->TabSlants();
    EXPECT_EQ(slants.Kind(), skSlant);
    EXPECT_EQ(slants.Positions(), TuiTabSlantPositions{spLeft});
    int changes = 0;
    slants.SetOnChange([&](rtl::TObject*) { ++changes; });
    slants.SetKind(skSlant);
    EXPECT_EQ(changes, 0);
    slants.SetKind(skCutCorner);
    slants.SetPositions({spLeft, spRight});
    EXPECT_EQ(changes, 2);

    TuiTabSlants other;
    other.SetPositions({spRight});
    slants.Assign(&other);
    EXPECT_EQ(slants.Kind(), skSlant);
    EXPECT_EQ(slants.Positions(), TuiTabSlantPositions{spRight});
    EXPECT_EQ(changes, 4);
}

} // namespace
} // namespace ui
