#include "ui/grid/control/uiCustomGrid.h"

#include "tests/ui/grid/GridTestSupport.h"
#include "tests/ui/grid/common/RefreshCountingNavigator.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/data/controller/details/uiDataRelations.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/grid/control/uiGridLevelStyles.h"
#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridSite.h"
#include "ui/grid/view/uiGridViewInfo.h"
#include "ui/grid/view/uiGridViewOptions.h"
#include "ui/grid/view/uiGridViewStyles.h"

#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace ui {
namespace {

// A view info that counts its layouts.
class TCountingViewInfo : public TuiCustomGridViewInfo {
public:
    TCountingViewInfo(TuiCustomGridView& gridView, int& layouts) : TuiCustomGridViewInfo(gridView), FLayouts(layouts) {}

    void ControlFocusChanged() override { ++FocusNotices; }
    int FocusNotices = 0;
    std::function<void()> OnCalculate;

protected:
    void Calculate() override {
        ++FLayouts;
        if (OnCalculate) {
            OnCalculate();
        }
    }

private:
    int& FLayouts;
};

// A view that counts its layouts and repaints and records its focus hooks.
class TRecordingGridView : public TuiCustomGridView {
    RTL_DECLARE_CLASS(TRecordingGridView, TuiCustomGridView)
public:
    explicit TRecordingGridView(rtl::TComponent* owner) : TuiCustomGridView(owner) {}
    void FocusChanged(bool focused) override {
        FocusHooks.push_back(focused);
        TuiCustomGridView::FocusChanged(focused);
    }
    void Repaint(const vcl::TRect& /*rect*/) override {
        ++Repaints;
        if (RepaintLog) {
            RepaintLog->push_back(this);
        }
    }

    int Layouts = 0;
    int Repaints = 0;
    // Outlives the view, for tests that free it.
    std::vector<TuiCustomGridView*>* RepaintLog = nullptr;
    std::vector<bool> FocusHooks;

protected:
    std::unique_ptr<TuiCustomGridViewInfo> CreateViewInfo() override {
        return std::make_unique<TCountingViewInfo>(*this, Layouts);
    }
};

class GridTest : public ui_test::GridOnFormTest {
protected:
    void SetUp() override {
        GridOnFormTest::SetUp();
        Grid->SetOnLayoutChanged([this](TuiCustomGrid&, TuiCustomGridView* view) { LaidOut.push_back(view); });
    }
    TRecordingGridView* AddViewLevel() {
        auto* view = new TRecordingGridView(Form.get());
        Grid->Levels().Add().SetGridView(view);
        return view;
    }

    std::vector<TuiCustomGridView*> LaidOut;
};

TEST_F(GridTest, ANegativeDragOpeningWaitTimeIsStoredAsZero) {
    EXPECT_EQ(Grid->DragOpeningWaitTime(), 800);
    Grid->SetDragOpeningWaitTime(-5);
    EXPECT_EQ(Grid->DragOpeningWaitTime(), 0);
}

TEST_F(GridTest, TheFirstLevelWithAViewBecomesActiveAndFocused) {
    TRecordingGridView* view = AddViewLevel();
    EXPECT_EQ(Grid->ActiveLevel(), view->Level());
    EXPECT_EQ(Grid->FocusedView(), view);
    EXPECT_EQ(view->FocusHooks, std::vector<bool>{true});
    EXPECT_EQ(Grid->ViewCount(), 1);
}

TEST_F(GridTest, LevelSettingsRefuseValuesOutOfRange) {
    TuiGridLevel& level = Grid->Levels().Add();
    level.SetImageIndex(-7);
    EXPECT_EQ(level.ImageIndex(), -1);
    level.SetMaxDetailHeight(-3);
    EXPECT_EQ(level.MaxDetailHeight(), 0);
    level.Options().SetDetailFrameWidth(-2);
    EXPECT_EQ(level.Options().DetailFrameWidth(), 0);
    EXPECT_EQ(Grid->RootLevelOptions().DetailFrameWidth(), 0);
    EXPECT_EQ(Grid->Levels().Add().Options().DetailFrameWidth(), 1);

    struct TCase {
        int32_t MaxDetailHeight;
        int32_t Asked;
        int32_t Given;
    };
    for (const TCase& test : {TCase{150, 300, 150}, TCase{0, 300, 300}, TCase{150, 100, 100}, TCase{0, -5, 0}}) {
        level.SetMaxDetailHeight(test.MaxDetailHeight);
        int32_t height = test.Asked;
        level.CheckHeight(height);
        EXPECT_EQ(height, test.Given) << test.MaxDetailHeight << " " << test.Asked;
    }

    level.SetCaption(u"&Sales && returns");
    EXPECT_EQ(level.GetDisplayCaption(), u"Sales & returns");
}

TEST_F(GridTest, AViewSetOnASecondLevelLeavesTheFirst) {
    TRecordingGridView* view = AddViewLevel();
    TuiGridLevel* first = view->Level();
    TuiGridLevel& second = Grid->Levels().Add();
    second.SetGridView(view);
    EXPECT_EQ(first->GridView(), nullptr);
    EXPECT_EQ(second.GridView(), view);
    EXPECT_EQ(view->Level(), &second);
}

TEST_F(GridTest, MoveItemClampsTheIndex) {
    TuiGridLevel& level = Grid->Levels().Add();
    TuiGridLevel* children[] = {&level.Add(), &level.Add(), &level.Add()};
    level.MoveItem(children[0], 99);
    EXPECT_EQ(children[0]->Index(), 2);
    level.MoveItem(children[0], -4);
    EXPECT_EQ(children[0]->Index(), 0);
}

TEST_F(GridTest, HidingTheActiveTopLevelActivatesTheFirstVisibleOneAndFocusesItsView) {
    TRecordingGridView* first = AddViewLevel();
    TRecordingGridView* second = AddViewLevel();
    second->Level()->SetActive(true);
    ASSERT_EQ(Grid->FocusedView(), second);
    second->Level()->SetVisible(false);
    EXPECT_EQ(Grid->ActiveLevel(), first->Level());
    EXPECT_EQ(Grid->FocusedView(), first);
    EXPECT_FALSE(second->CanFocus());
    second->Level()->SetActive(true);
    EXPECT_EQ(Grid->ActiveLevel(), first->Level());
}

TEST_F(GridTest, ATopViewsDataChangeLaysOutTheGridOnlyWithTabsHidingEmptyDetails) {
    struct TCase {
        TuiGridDetailTabsPosition Position;
        bool TabsForEmptyDetails;
        bool GridLaidOut;
    };
    for (const TCase& test : {TCase{dtpTop, false, true}, TCase{dtpTop, true, false}, TCase{dtpLeft, false, true},
                              TCase{dtpNone, false, false}}) {
        TRecordingGridView* view = AddViewLevel();
        Grid->RootLevelOptions().SetDetailTabsPosition(test.Position);
        Grid->RootLevelOptions().SetTabsForEmptyDetails(test.TabsForEmptyDetails);
        LaidOut.clear();
        view->DataController().SetRecordCount(3);
        const bool gridLaidOut = std::find(LaidOut.begin(), LaidOut.end(), nullptr) != LaidOut.end();
        EXPECT_EQ(gridLaidOut, test.GridLaidOut) << test.Position << test.TabsForEmptyDetails;
        rtl::TComponent::Free(view);
    }
}

TEST_F(GridTest, FreeingTheFocusedViewFocusesTheFirstLiveTopLevelView) {
    TRecordingGridView* first = AddViewLevel();
    TRecordingGridView* second = AddViewLevel();
    second->Level()->SetActive(true);
    rtl::TComponent::Free(second);
    EXPECT_EQ(Grid->FocusedView(), first);
    EXPECT_EQ(Grid->ViewCount(), 1);
}

TEST_F(GridTest, TwoViewLocksRunTheQueueAtTheSecondEnd) {
    TRecordingGridView* view = AddViewLevel();
    view->Repaints = 0;
    view->BeginUpdate();
    view->BeginUpdate();
    for (int count = 0; count < 10; ++count) {
        view->Invalidate();
    }
    view->EndUpdate();
    EXPECT_EQ(view->Repaints, 0);
    view->EndUpdate();
    EXPECT_EQ(view->Repaints, 1);
}

TEST_F(GridTest, ARepaintWithALayoutOfTheSameViewRunsTheLayoutOnly) {
    TRecordingGridView* view = AddViewLevel();
    view->Layouts = 0;
    view->Repaints = 0;
    LaidOut.clear();
    view->BeginUpdate();
    view->Invalidate();
    view->LayoutChanged();
    view->EndUpdate();
    EXPECT_EQ(view->Layouts, 1);
    EXPECT_EQ(view->Repaints, 1); // the layout repaints the view itself
    EXPECT_EQ(LaidOut, std::vector<TuiCustomGridView*>{view});
}

TEST_F(GridTest, AnExtraEndUpdateLeavesTheInfoLockAsItWas) {
    TRecordingGridView* view = AddViewLevel();
    view->DataController().LockInfoUpdate();
    view->BeginUpdate();
    view->EndUpdate();
    view->EndUpdate();
    view->CancelUpdate();
    EXPECT_EQ(view->DataController().GetInfoLockCount(), 1);
    EXPECT_EQ(Grid->ChangeLockCount(), 0);
    view->DataController().UnlockInfoUpdate();
}

TEST_F(GridTest, AFreedViewLeavesItsListenerLinksEmpty) {
    TRecordingGridView* view = AddViewLevel();
    const TuiGridListenerLink link(view);
    EXPECT_EQ(link.GridView(), view);
    rtl::TComponent::Free(view);
    EXPECT_EQ(link.GridView(), nullptr);
}

TEST_F(GridTest, ScrollBarsAreTheSitesAndOnlyANewValueLaysTheViewOut) {
    TRecordingGridView* view = AddViewLevel();
    TuiCustomGridOptionsView& options = view->OptionsView();
    options.SetScrollBars(vcl::ssVertical);
    EXPECT_EQ(view->Site().ScrollBars(), vcl::ssVertical);
    EXPECT_EQ(options.ScrollBars(), vcl::ssVertical);
    LaidOut.clear();
    options.SetScrollBars(vcl::ssVertical);
    EXPECT_TRUE(LaidOut.empty());
    options.SetScrollBars(vcl::ssBoth);
    EXPECT_EQ(LaidOut, std::vector<TuiCustomGridView*>{view});
}

TEST_F(GridTest, OptionsChangeNothingWhileTheProviderHoldsItsChanges) {
    TRecordingGridView* view = AddViewLevel();
    LaidOut.clear();
    view->DataController().Provider().HoldChanges();
    view->OptionsView().SetScrollBars(vcl::ssNone);
    EXPECT_TRUE(LaidOut.empty());
    view->DataController().Provider().ReleaseChanges();
    view->OptionsView().SetScrollBars(vcl::ssBoth);
    EXPECT_EQ(LaidOut, std::vector<TuiCustomGridView*>{view});
}

TEST_F(GridTest, TheBackgroundStyleDefaultsToTheContentColourWithGreyText) {
    TRecordingGridView* view = AddViewLevel();
    TuiDrawParams params;
    view->Styles().ResolveDrawParams(TuiCustomGridViewStyles::vsBackground, nullptr, nullptr, params);
    EXPECT_EQ(params.TextColor, vcl::clGrayText);
    EXPECT_EQ(params.Color, Grid->GetPainter()->ContentColor());
    EXPECT_EQ(params.Font, &Grid->Font());
    EXPECT_EQ(view->ViewInfo().GetBackgroundColor(), params.Color);
}

TEST_F(GridTest, TheGridsFocusReachesTheActiveViewInfoThroughTheQueue) {
    TRecordingGridView* view = AddViewLevel();
    auto& viewInfo = static_cast<TCountingViewInfo&>(view->ViewInfo());
    view->BeginUpdate();
    Grid->SetFocus();
    ASSERT_TRUE(Grid->Focused() || view->Site().Focused());
    EXPECT_EQ(viewInfo.FocusNotices, 0);
    view->EndUpdate();
    EXPECT_EQ(viewInfo.FocusNotices, 1);
}

TEST_F(GridTest, AGridWideSizeChangeDropsAViewsLayoutChange) {
    TRecordingGridView* view = AddViewLevel();
    LaidOut.clear();
    view->BeginUpdate();
    view->LayoutChanged();
    Grid->SizeChanged();
    view->EndUpdate();
    EXPECT_EQ(LaidOut, std::vector<TuiCustomGridView*>{nullptr});
}

TEST_F(GridTest, AViewFreedByALayoutEventLosesItsChangesStillToRun) {
    TRecordingGridView* first = AddViewLevel();
    TRecordingGridView* second = AddViewLevel();
    std::vector<TuiCustomGridView*> repainted;
    second->RepaintLog = &repainted;
    Grid->SetOnLayoutChanged([&](TuiCustomGrid&, TuiCustomGridView* view) {
        if (view == first && second != nullptr) {
            rtl::TComponent::Free(std::exchange(second, nullptr));
        }
    });
    first->BeginUpdate();
    first->LayoutChanged();
    second->Invalidate();
    first->EndUpdate();
    EXPECT_EQ(second, nullptr);
    EXPECT_TRUE(repainted.empty());
    EXPECT_EQ(Grid->ViewCount(), 1);
}

TEST_F(GridTest, ChangesPostedWhileTheViewCalculatesAreDropped) {
    TRecordingGridView* view = AddViewLevel();
    auto& viewInfo = static_cast<TCountingViewInfo&>(view->ViewInfo());
    bool posted = true;
    viewInfo.OnCalculate = [&] { posted = view->SizeChanged(); };
    view->Repaints = 0;
    viewInfo.Recalculate();
    EXPECT_FALSE(posted);
    EXPECT_EQ(Grid->ChangeLockCount(), 0);
    EXPECT_EQ(view->Repaints, 0);
}

TEST_F(GridTest, FreeingTheGridFreesItsViews) {
    AddViewLevel();
    const TuiGridListenerLink link(Grid->Views(0));
    rtl::TComponent::Free(Grid);
    Grid = nullptr;
    EXPECT_EQ(link.GridView(), nullptr);
}

TEST_F(GridTest, ATabTakesTheParentsChoiceThenItsOwnOverTheDefaults) {
    TuiGridLevel& parent = Grid->Levels().Add();
    TuiGridLevel& child = parent.Add();
    TuiDrawParams params;
    parent.Styles().GetTabDrawParams(nullptr, child, params);
    EXPECT_EQ(params.Color, Grid->GetPainter()->AltFaceColor());
    EXPECT_EQ(params.TextColor, Grid->GetPainter()->AltTextColor());
    EXPECT_EQ(params.Font, &Grid->Font());

    TuiStyle chosen(nullptr);
    chosen.SetColor(vcl::clRed);
    TuiStyle own(nullptr);
    own.SetColor(vcl::clLime);
    parent.Styles().SetOnGetTabStyle([&](TuiGridLevel&, TuiGridLevel& tabLevel, TuiStyle*& style) {
        EXPECT_EQ(&tabLevel, &child);
        style = &chosen;
    });
    parent.Styles().GetTabDrawParams(nullptr, child, params);
    EXPECT_EQ(params.Color, vcl::clRed);
    rtl::TObject masterRecord;
    child.Styles().SetOnGetOwnTabStyle([&](TuiGridLevel&, rtl::TObject* record, TuiStyle*& style) {
        if (record == &masterRecord) {
            style = &own;
        }
    });
    parent.Styles().GetTabDrawParams(&masterRecord, child, params);
    EXPECT_EQ(params.Color, vcl::clLime);

    LaidOut.clear();
    child.Styles().SetTab(&chosen);
    EXPECT_EQ(LaidOut, std::vector<TuiCustomGridView*>{nullptr});
    child.Styles().SetTab(nullptr);
}

TEST_F(GridTest, ChildLevelsAreTheRelationsOfTheirParentsViewAndTheirViewsArePatterns) {
    TRecordingGridView* master = AddViewLevel();
    TuiGridLevel& level = *master->Level();
    TuiGridLevel& first = level.Add();
    TuiGridLevel& second = level.Add();
    auto* detail = new TRecordingGridView(Form.get());
    second.SetGridView(detail);
    TuiCustomDataRelationList& relations = master->DataController().GetRelations();
    ASSERT_EQ(relations.GetCount(), 2);
    EXPECT_EQ(relations.GetItem(0).Item(), &first);
    EXPECT_EQ(second.DataRelation(), &relations.GetItem(1));
    EXPECT_TRUE(detail->IsDetail());
    EXPECT_TRUE(detail->IsPattern());
    EXPECT_FALSE(master->IsPattern());
    EXPECT_FALSE(detail->CanFocus());

    level.MoveItem(&second, 0);
    EXPECT_EQ(relations.IndexOf(*second.DataRelation()), 0);
    second.SetVisible(false);
    EXPECT_FALSE(detail->IsDetail());
    second.SetVisible(true);
    EXPECT_TRUE(detail->IsDetail());
    rtl::TComponent::Free(&second);
    EXPECT_EQ(relations.GetCount(), 1);
    EXPECT_FALSE(detail->IsDetail());
    level.SetGridView(nullptr);
    EXPECT_EQ(first.DataRelation(), nullptr);
    EXPECT_EQ(relations.GetCount(), 0);
}

TEST_F(GridTest, ChangingTheFocusedViewRefreshesTheNavigators) {
    TRecordingGridView* first = AddViewLevel();
    TRecordingGridView* second = AddViewLevel();
    test::TRefreshCountingNavigator navigator;
    Grid->NavigatorNotifier().AddNavigator(&navigator);
    second->Level()->SetActive(true);
    EXPECT_EQ(navigator.Refreshes, 1);
    first->Level()->SetActive(true);
    EXPECT_EQ(navigator.Refreshes, 2);
    Grid->NavigatorNotifier().RemoveNavigator(&navigator);
}

} // namespace
} // namespace ui
