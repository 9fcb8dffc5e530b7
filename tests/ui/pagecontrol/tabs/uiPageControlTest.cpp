// The page control driven as a user and a program drive it: the first page active, tabs choosing pages once the
// change events agree, pages removed, hidden and moved (PageIndex and its errors), sheets refusing other parents,
// the focus following the page, Ctrl+Tab from inside a page, the pages' show and hide events, and a page's
// background painted from the page control.

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/ui/pagecontrol/tabs/TabControlTestSupport.h"
#include "ui/pagecontrol/painters/uiPCStandardPainter.h"
#include "vcl/extctrls/Panel.h"
#include "vcl/stdctrls/Edit.h"
#include "vcl/system/Messages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ui {
namespace {

using ui_test::ShowPageControlForm;

// Which pages are shown, one letter each: "_X_" when only the second one is.
std::string ShownPages(const ui_test::TPageControlForm& host) {
    std::string shown;
    for (const TuiTabSheet* page : host.Pages) {
        shown += page->Visible() ? 'X' : '_';
    }
    return shown;
}

TEST(uiPageControl, TheFirstPageBecomesActiveWithItsTabSelected) {
    auto host = ShowPageControlForm(300, 200, {u"One", u"Two", u"Three"});
    TuiPageControl& control = *host.Control;
    EXPECT_EQ(control.ActivePage(), host.Pages[0]);
    EXPECT_EQ(control.TabIndex(), 0);
    EXPECT_EQ(ShownPages(host), "X__");
    ASSERT_EQ(control.VisibleTabs().Count(), 3);
    EXPECT_EQ(control.VisibleTabs().Tab(2).Caption(), u"Three");
    EXPECT_EQ(control.VisibleTabs().Tab(2).Object(), host.Pages[2]);
    EXPECT_EQ(host.Pages[1]->Tab(), &control.VisibleTabs().Tab(1));
    EXPECT_EQ(host.Pages[0]->BoundsRect(), control.GetPageAreaRect()) << "a page fills the page area";
}

TEST(uiPageControl, AChosenTabShowsItsPageOnceTheChangeEventsAgree) {
    auto host = ShowPageControlForm(300, 200, {u"One", u"Two", u"Three"}, ui_test::TFormPlacement::OnScreen);
    TuiPageControl& control = *host.Control;
    bool allowChanging = true;
    bool allowPageChanging = true;
    std::vector<TuiTabSheet*> asked;
    int changes = 0;
    control.SetOnChanging([&](rtl::TObject*, bool& allow) { allow = allowChanging; });
    control.SetOnPageChanging([&](rtl::TObject*, TuiTabSheet* page, bool& allow) {
        asked.push_back(page);
        allow = allowPageChanging;
    });
    control.SetOnChange([&](rtl::TObject*) { ++changes; });

    ui_test::Click(control, ui_test::TabCenter(control, 1));
    EXPECT_EQ(control.ActivePage(), host.Pages[1]);
    EXPECT_EQ(ShownPages(host), "_X_");
    EXPECT_EQ(asked, std::vector<TuiTabSheet*>{host.Pages[1]});
    EXPECT_EQ(changes, 1);

    allowPageChanging = false;
    ui_test::Click(control, ui_test::TabCenter(control, 2));
    allowPageChanging = true;
    allowChanging = false;
    control.SetActivePage(host.Pages[0]);
    EXPECT_EQ(control.ActivePage(), host.Pages[1]) << "refused, nothing moves";
    EXPECT_EQ(control.TabIndex(), 1);
    EXPECT_EQ(ShownPages(host), "_X_");
    EXPECT_EQ(changes, 1);

    allowChanging = true;
    control.SetActivePage(host.Pages[2]);
    EXPECT_EQ(control.TabIndex(), 2) << "the tab follows the page";
    EXPECT_EQ(ShownPages(host), "__X");
    EXPECT_EQ(changes, 2);
}

TEST(uiPageControl, ARemovedActivePageHandsOverToTheNextPageWithAVisibleTab) {
    auto host = ShowPageControlForm(400, 200, {u"A", u"B", u"C", u"D"});
    TuiPageControl& control = *host.Control;
    host.Pages[2]->SetTabVisible(false);
    control.SetActivePage(host.Pages[1]);
    rtl::TComponent::Free(host.Pages[1]);
    host.Pages.erase(host.Pages.begin() + 1);
    EXPECT_EQ(control.ActivePage(), host.Pages[2]) << "D: C's tab is hidden";
    EXPECT_EQ(control.TabIndex(), 2);
    EXPECT_EQ(ShownPages(host), "__X");

    rtl::TComponent::Free(host.Pages[2]);
    host.Pages.pop_back();
    EXPECT_EQ(control.ActivePage(), host.Pages[0]) << "none after D, so the one before it with a visible tab";
    EXPECT_EQ(control.TabIndex(), 0);

    // A page that is not shown leaves the shown one in place.
    control.SetActivePage(host.Pages[1]);
    EXPECT_EQ(control.TabIndex(), -1);
    rtl::TComponent::Free(host.Pages[0]);
    host.Pages.erase(host.Pages.begin());
    EXPECT_EQ(control.ActivePage(), host.Pages[0]);
    EXPECT_EQ(control.PageCount(), 1);

    host.Pages[0]->SetPageControl(nullptr);
    EXPECT_EQ(control.ActivePage(), nullptr) << "the last page leaves none";
    EXPECT_EQ(host.Pages[0]->Parent(), nullptr);
    EXPECT_EQ(control.VisibleTabs().Count(), 0);
}

TEST(uiPageControl, APageWithAHiddenTabIsShownWithoutATab) {
    auto host = ShowPageControlForm(300, 200, {u"One", u"Two", u"Three"});
    TuiPageControl& control = *host.Control;
    host.Pages[2]->SetTabVisible(false);
    control.SetActivePage(host.Pages[2]);
    EXPECT_EQ(control.ActivePage(), host.Pages[2]);
    EXPECT_EQ(ShownPages(host), "__X");
    EXPECT_EQ(control.TabIndex(), -1);
    EXPECT_EQ(control.MainTabVisibleIndex(), -1);
    host.Pages[2]->SetTabVisible(true);
    EXPECT_EQ(control.TabIndex(), 2) << "its tab shows and is selected";
}

TEST(uiPageControl, HidingTheSelectedTabSelectsTheTabNowInItsPlace) {
    auto host = ShowPageControlForm(300, 200, {u"One", u"Two", u"Three"});
    TuiPageControl& control = *host.Control;
    control.SetActivePage(host.Pages[1]);
    host.Pages[1]->SetTabVisible(false);
    EXPECT_EQ(control.ActivePage(), host.Pages[2]);
    EXPECT_EQ(control.TabIndex(), 2);
    host.Pages[2]->SetTabVisible(false);
    EXPECT_EQ(control.ActivePage(), host.Pages[0]) << "after the last visible tab, the one before it";
    EXPECT_EQ(ShownPages(host), "X__");
}

TEST(uiPageControl, APagesCaptionEnabledStateImageAndHighlightDriveItsTab) {
    auto host = ShowPageControlForm(300, 200, {u"One", u"Two"});
    TuiTabSheet& page = *host.Pages[1];
    TuiTab& tab = *page.Tab();
    page.SetCaption(u"Renamed");
    page.SetEnabled(false);
    page.SetImageIndex(4);
    page.SetHighlighted(true);
    EXPECT_EQ(tab.Caption(), u"Renamed");
    EXPECT_FALSE(tab.Enabled());
    EXPECT_EQ(tab.ImageIndex(), 4);
    EXPECT_TRUE(tab.Highlighted());
    page.SetImageIndex(-3);
    EXPECT_EQ(page.ImageIndex(), -1);
    EXPECT_EQ(tab.ImageIndex(), -1);
}

TEST(uiPageControl, PageIndexMovesPageAndTabTogetherAndRaisesOutsideThePages) {
    auto host = ShowPageControlForm(300, 200, {u"One", u"Two", u"Three"});
    TuiPageControl& control = *host.Control;
    control.SetActivePage(host.Pages[1]);
    for (const int32_t bad : {3, -1}) {
        try {
            host.Pages[0]->SetPageIndex(bad);
            ADD_FAILURE() << bad << " was taken";
        } catch (const rtl::EListError& error) {
            EXPECT_EQ(error.Message(),
                      (bad == 3 ? u"3" : u"-1") + std::u16string(u" is an invalid PageIndex value.  PageIndex must be "
                                                                 u"between 0 and 2"));
        }
    }
    EXPECT_EQ(host.Pages[0]->PageIndex(), 0) << "nothing moved";
    host.Pages[0]->SetPageIndex(2);
    EXPECT_EQ(host.Pages[0]->PageIndex(), 2);
    EXPECT_EQ(control.Pages(0), host.Pages[1]);
    EXPECT_EQ(control.VisibleTabs().Tab(2).Caption(), u"One");
    EXPECT_EQ(control.VisibleTabs().Tab(0).Caption(), u"Two");
    EXPECT_EQ(control.TabIndex(), 0) << "the tab follows the active page";
    EXPECT_EQ(control.ActivePage(), host.Pages[1]);

    TuiTabSheet loose(nullptr);
    EXPECT_EQ(loose.PageIndex(), -1);
    loose.SetPageIndex(5);
}

TEST(uiPageControl, ASheetRefusesAParentOtherThanAPageControl) {
    auto host = ShowPageControlForm(300, 200, {u"One", u"Two"});
    auto* panel = new vcl::TPanel(host.Form.get());
    panel->SetParent(host.Form.get());
    host.Pages[1]->SetParent(panel);
    EXPECT_EQ(host.Pages[1]->Parent(), host.Control);
    EXPECT_EQ(host.Pages[1]->PageControl(), host.Control);
    EXPECT_EQ(host.Control->PageCount(), 2);
}

TEST(uiPageControl, AFocusInsideTheOldPageMovesToTheNewPagesFirstControl) {
    auto host = ShowPageControlForm(300, 200, {u"One", u"Two"}, ui_test::TFormPlacement::OnScreen);
    TuiPageControl& control = *host.Control;
    auto addEdit = [](TuiTabSheet& page, int top) {
        auto* edit = new vcl::TEdit(page.Owner());
        edit->SetBounds(10, top, 100, 22);
        edit->SetParent(&page);
        return edit;
    };
    vcl::TEdit* first = addEdit(*host.Pages[0], 10);
    vcl::TEdit* second = addEdit(*host.Pages[1], 10);
    addEdit(*host.Pages[1], 40);
    first->SetFocus();
    ui_test::ProcessPendingMessages();
    ASSERT_TRUE(first->Focused());

    control.SetActivePage(host.Pages[1]);
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(second->Focused());

    ui_test::PressKey(VK_TAB, {vcl::ssCtrl});
    EXPECT_EQ(control.ActivePage(), host.Pages[0]) << "Ctrl+Tab from an edit on a page";
    EXPECT_TRUE(first->Focused());
    ui_test::KeyDown(VK_CONTROL);
    EXPECT_EQ(host.Form->Perform(vcl::CM_DIALOGKEY, VK_TAB, 0), 1);
    ui_test::KeyUp(VK_CONTROL);
    EXPECT_EQ(control.ActivePage(), host.Pages[1]);
}

TEST(uiPageControl, AnExitHandlerThatKeepsTheFocusKeepsThePage) {
    auto host = ShowPageControlForm(300, 200, {u"One", u"Two"}, ui_test::TFormPlacement::OnScreen);
    TuiPageControl& control = *host.Control;
    auto* edit = new vcl::TEdit(host.Form.get());
    edit->SetBounds(10, 10, 100, 22);
    edit->SetParent(host.Pages[0]);
    edit->SetFocus();
    ui_test::ProcessPendingMessages();
    edit->SetOnExit([edit](rtl::TObject*) { edit->SetFocus(); });
    control.SetActivePage(host.Pages[1]);
    EXPECT_EQ(control.ActivePage(), host.Pages[0]);
    EXPECT_EQ(control.TabIndex(), 0);
    EXPECT_EQ(ShownPages(host), "X_");
}

TEST(uiPageControl, PagesTellWhenTheyShowAndHide) {
    auto host = ShowPageControlForm(300, 200, {u"One", u"Two"});
    std::vector<std::string> events;
    for (TuiTabSheet* page : host.Pages) {
        const std::string name = page == host.Pages[0] ? "One" : "Two";
        page->SetOnShow([&events, name](rtl::TObject*) { events.push_back("show " + name); });
        page->SetOnHide([&events, name](rtl::TObject*) { events.push_back("hide " + name); });
    }
    host.Control->SetActivePage(host.Pages[1]);
    EXPECT_EQ(events, (std::vector<std::string>{"hide One", "show Two"}));
}

TEST(uiPageControl, AClosedTabFreesItsPage) {
    auto host = ShowPageControlForm(300, 200, {u"One", u"Two"}, ui_test::TFormPlacement::OnScreen);
    TuiPageControl& control = *host.Control;
    control.SetOptions(uiPCDefaultOptions + TuiPCOptions{pcoCloseButton});
    const vcl::TControlLink closed(host.Pages[0]);
    vcl::TRect close;
    for (const auto& entry : dynamic_cast<TuiPCStandardPainter&>(control.Painter()).NavigatorButtonQueue()) {
        if (entry.Button == nbClose) {
            close = entry.Bounds;
        }
    }
    ui_test::Click(control, {(close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2});
    EXPECT_FALSE(closed.Alive());
    EXPECT_EQ(control.ActivePage(), host.Pages[1]);
    EXPECT_EQ(control.PageCount(), 1);
}

TEST(uiPageControl, APageShowsThePageAreaUnderIt) {
    auto host = ShowPageControlForm(300, 200, {u"One", u"Two"});
    TuiPageControl& control = *host.Control;
    control.SetColor(vcl::clAqua);
    TuiTabSheet& page = *host.Pages[0];
    ui_test::TDibSurface surface(page.Width(), page.Height());
    surface.Fill(vcl::clFuchsia);
    EXPECT_EQ(page.Perform(WM_ERASEBKGND, reinterpret_cast<uintptr_t>(surface.DC()), 0), 1);
    EXPECT_EQ(surface.Pixel(page.Width() / 2, page.Height() / 2), ui_test::Rgb(vcl::clAqua));
    EXPECT_EQ(surface.Pixel(0, 0), ui_test::Rgb(vcl::clAqua));

    page.SetColor(vcl::clYellow);
    ASSERT_FALSE(page.ParentColor());
    const auto painted = ui_test::PaintTabControl(control);
    const vcl::TRect area = control.GetPageAreaRect();
    EXPECT_EQ(painted->Pixel(area.Left + 5, area.Top + 5), ui_test::Rgb(vcl::clYellow))
        << "a page of its own colour colours the page area";
    EXPECT_EQ(painted->Pixel(area.Right - 1, area.Bottom - 1), ui_test::Rgb(vcl::clYellow));
    EXPECT_EQ(painted->Pixel(area.Left - 1, area.Top + 5), ui_test::Rgb(vcl::cl3DLight)) << "the frame stays";
}

TEST(uiPageControl, ASheetsBorderWidthKeepsItsControlsInside) {
    auto host = ShowPageControlForm(300, 200, {u"One"});
    TuiTabSheet& page = *host.Pages[0];
    auto* panel = new vcl::TPanel(host.Form.get());
    panel->SetAlign(vcl::alClient);
    panel->SetParent(&page);
    page.SetBorderWidth(6);
    EXPECT_EQ(panel->BoundsRect(), (vcl::TRect{6, 6, page.Width() - 6, page.Height() - 6}));
    page.SetBorderWidth(-2);
    EXPECT_EQ(page.BorderWidth(), 0);
    EXPECT_EQ(panel->BoundsRect(), page.ClientRect());
}

} // namespace
} // namespace ui
