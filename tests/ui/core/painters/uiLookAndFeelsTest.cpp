// The look-and-feel settings: inheriting from the root and from masters, the painter each combination chooses, the
// controller editing the root, skins coming and going, listeners that leave while they are told, and the system's
// colour change.

#include "ui/core/painters/uiLookAndFeels.h"

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "tests/ui/core/themes/ThemeApiDouble.h"
#include "ui/core/painters/looks/uiFlatPainter.h"
#include "ui/core/painters/looks/uiNativePainter.h"
#include "ui/core/painters/looks/uiOffice11Painter.h"
#include "ui/core/painters/looks/uiStandardPainter.h"
#include "ui/core/painters/looks/uiUltraFlatPainter.h"
#include "ui/core/painters/uiSystemPaletteNotifier.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace ui {
namespace {

class TLookSkinPainter final : public TuiCustomLookAndFeelPainter {};
const TLookSkinPainter LookSkinPainter{};

// Every test leaves the root as the UI core made it: nothing assigned, no controller, no test skin.
class uiLookAndFeel : public testing::Test {
protected:
    void TearDown() override {
        UnregisterSkin(u"TestSkin");
        RootLookAndFeel()->ResetAssignedValues();
    }

    static void RegisterSkin(rtl::UnicodeStringView name) {
        std::unique_ptr<rtl::TObject> data = std::make_unique<rtl::TObject>();
        ASSERT_TRUE(ExtendedStylePainters()->Register(name, &LookSkinPainter, data));
    }
    static void UnregisterSkin(rtl::UnicodeStringView name) { ExtendedStylePainters()->Unregister(name); }

    // Records what OnChanged reports.
    static void Record(TuiLookAndFeel& lookAndFeel, std::vector<TuiLookAndFeelValues>& changes) {
        lookAndFeel.SetOnChanged(
            [&changes](TuiLookAndFeel* /*sender*/, TuiLookAndFeelValues changed) { changes.push_back(changed); });
    }
};

// A listener that is not a look-and-feel, doing what a test asks when its master changes.
class TClientPersistent final : public rtl::TPersistent, public IuiLookAndFeelClient {
public:
    bool QueryInterface(const rtl::TGUID& iid, void** object) override {
        return rtl::QueryInterfaceOf<IuiLookAndFeelClient>(this, iid, object);
    }
    int32_t AddRef() override { return -1; }
    int32_t Release() override { return -1; }
    rtl::TObject* GetObject() override { return this; }
    void MasterChanged(TuiLookAndFeel* sender, TuiLookAndFeelValues /*changed*/) override {
        ++Calls;
        if (OnChange) {
            OnChange(sender);
        }
    }
    void MasterDestroying(TuiLookAndFeel* /*sender*/) override {}

    int Calls = 0;
    std::function<void(TuiLookAndFeel*)> OnChange;
};

TEST_F(uiLookAndFeel, ANewLookAndFeelFollowsTheRootUntilItsOwnValueIsAssigned) {
    TuiLookAndFeel follower(nullptr);
    TuiLookAndFeel own(nullptr);
    own.SetKind(lfStandard);
    EXPECT_EQ(follower.Kind(), lfUltraFlat);
    EXPECT_EQ(follower.ActivePainter(), &TuiUltraFlatLookAndFeelPainter::Instance());
    EXPECT_TRUE(follower.AssignedValues().IsEmpty());

    std::vector<TuiLookAndFeelValues> changes;
    Record(follower, changes);
    TuiLookAndFeelController controller(nullptr);
    controller.SetKind(lfFlat);
    EXPECT_EQ(follower.Kind(), lfFlat);
    EXPECT_EQ(follower.ActivePainter(), &TuiFlatLookAndFeelPainter::Instance());
    EXPECT_EQ(changes, std::vector<TuiLookAndFeelValues>{{lfvKind}});
    EXPECT_EQ(own.Kind(), lfStandard) << "an assigned value shields it from the root";
    EXPECT_EQ(own.ActivePainter(), &TuiStandardLookAndFeelPainter::Instance());

    controller.SetKind(lfOffice11);
    EXPECT_EQ(follower.ActivePainter(), &TuiOffice11LookAndFeelPainter::Instance());
    EXPECT_EQ(controller.Kind(), lfOffice11);
}

TEST_F(uiLookAndFeel, SettingTheValueItAlreadyHasMarksItAssignedAndTellsNothing) {
    TuiLookAndFeel lookAndFeel(nullptr);
    std::vector<TuiLookAndFeelValues> changes;
    Record(lookAndFeel, changes);
    lookAndFeel.SetKind(lfUltraFlat);
    lookAndFeel.SetNativeStyle(false);
    lookAndFeel.SetSkinName(u"");
    EXPECT_EQ(lookAndFeel.AssignedValues(), uiAllLookAndFeelValues);
    EXPECT_TRUE(changes.empty());

    lookAndFeel.SetSkinName(u"a");
    lookAndFeel.SetSkinName(u"A");
    EXPECT_EQ(changes.size(), 2U) << "skin names compare with case";
}

TEST_F(uiLookAndFeel, TheNativeStyleChoosesTheNativePainterOnlyWhileVisualStylesAreActive) {
    ui_test::TThemeApiDouble api;
    RegisterSkin(u"TestSkin");
    TuiLookAndFeel lookAndFeel(nullptr);
    lookAndFeel.SetKind(lfStandard);
    lookAndFeel.SetSkinName(u"TestSkin");
    lookAndFeel.SetNativeStyle(true);
    ASSERT_TRUE(AreVisualStylesActive());
    EXPECT_EQ(lookAndFeel.ActivePainter(), &TuiWinXPLookAndFeelPainter::Instance());
    EXPECT_EQ(lookAndFeel.PainterForObjectType(totButton), &TuiWinXPLookAndFeelPainter::Instance());

    api.HiddenClasses.insert(u"TreeView");
    CloseThemeOfType(totTreeView);
    EXPECT_EQ(lookAndFeel.PainterForObjectTypes({totButton, totTreeView}), &TuiStandardLookAndFeelPainter::Instance())
        << "a type without a theme takes the kind's painter, never the skin";
    EXPECT_EQ(lookAndFeel.PainterForObjectType(totTreeView), &TuiStandardLookAndFeelPainter::Instance());

    api.StylesOff = true;
    ui_test::TThemeApiDouble::AnnounceThemeChange();
    lookAndFeel.SetKind(lfFlat);
    EXPECT_EQ(lookAndFeel.ActivePainter(), &TuiFlatLookAndFeelPainter::Instance());
    api.StylesOff = false;
    ui_test::TThemeApiDouble::AnnounceThemeChange();
    CloseThemeOfType(totTreeView);
}

TEST_F(uiLookAndFeel, ARegisteredSkinWinsOverTheKindAndOneRegisteredLaterTakesOver) {
    TuiLookAndFeel named(nullptr);
    named.SetKind(lfStandard);
    named.SetSkinName(u"testskin");
    TuiLookAndFeel follower(nullptr);
    TuiLookAndFeelController controller(nullptr);
    controller.SetSkinName(u"TestSkin");
    EXPECT_EQ(named.ActivePainter(), &TuiStandardLookAndFeelPainter::Instance()) << "no such skin yet";
    EXPECT_EQ(follower.ActivePainter(), &TuiUltraFlatLookAndFeelPainter::Instance());

    std::vector<TuiLookAndFeelValues> changes;
    Record(named, changes);
    RegisterSkin(u"TestSkin");
    EXPECT_EQ(named.ActivePainter(), &LookSkinPainter) << "skin names are found without case";
    EXPECT_EQ(follower.ActivePainter(), &LookSkinPainter);
    EXPECT_EQ(changes.back(), uiAllLookAndFeelValues) << "the registry's notice";

    UnregisterSkin(u"TestSkin");
    EXPECT_EQ(named.ActivePainter(), &TuiStandardLookAndFeelPainter::Instance());
    EXPECT_EQ(follower.ActivePainter(), &TuiUltraFlatLookAndFeelPainter::Instance());
}

TEST_F(uiLookAndFeel, TheLastControllerToGoResetsTheRoot) {
    TuiLookAndFeel follower(nullptr);
    auto first = std::make_unique<TuiLookAndFeelController>(nullptr);
    auto second = std::make_unique<TuiLookAndFeelController>(nullptr);
    first->SetKind(lfStandard);
    second->SetNativeStyle(true);
    first.reset();
    EXPECT_EQ(follower.Kind(), lfStandard) << "one controller is left";
    second.reset();
    EXPECT_EQ(follower.Kind(), lfUltraFlat);
    EXPECT_FALSE(follower.NativeStyle());
    EXPECT_TRUE(RootLookAndFeel()->AssignedValues().IsEmpty());

    TuiLookAndFeelController controller(nullptr);
    controller.SetKind(lfFlat);
    controller.Reset();
    EXPECT_EQ(RootLookAndFeel()->AssignedValues(), uiAllLookAndFeelValues);
    EXPECT_EQ(follower.Kind(), lfUltraFlat);
}

TEST_F(uiLookAndFeel, MastersPassTheirChangesOnAndTheirDeathSendsTheListenersToTheRoot) {
    auto master = std::make_unique<TuiLookAndFeel>(nullptr);
    TuiLookAndFeel child(nullptr);
    TuiLookAndFeel grandchild(nullptr);
    child.SetMaster(master.get());
    grandchild.SetMaster(&child);
    master->SetKind(lfOffice11);
    EXPECT_EQ(grandchild.Kind(), lfOffice11);
    EXPECT_EQ(grandchild.Master(), &child);

    std::vector<TuiLookAndFeelValues> changes;
    Record(child, changes);
    grandchild.SetMaster(&grandchild);
    child.SetMaster(master.get());
    EXPECT_EQ(grandchild.Master(), &child) << "itself and the present master are ignored";
    EXPECT_TRUE(changes.empty());

    master.reset();
    EXPECT_EQ(child.Master(), RootLookAndFeel());
    EXPECT_EQ(changes, std::vector<TuiLookAndFeelValues>{{lfvKind}});
    EXPECT_EQ(grandchild.Kind(), lfUltraFlat);
    EXPECT_EQ(RootLookAndFeel()->Master(), nullptr);
}

TEST_F(uiLookAndFeel, AssignCopiesAssignedValuesAndMasterAndRejectsOtherClasses) {
    TuiLookAndFeel master(nullptr);
    master.SetNativeStyle(true);
    TuiLookAndFeel source(nullptr);
    source.SetMaster(&master);
    source.SetKind(lfStandard);
    TuiLookAndFeel target(nullptr);
    std::vector<TuiLookAndFeelValues> changes;
    Record(target, changes);
    target.Assign(&source);
    EXPECT_EQ(target.Master(), &master);
    EXPECT_EQ(target.AssignedValues(), TuiLookAndFeelValues{lfvKind});
    EXPECT_EQ(target.Kind(), lfStandard);
    EXPECT_TRUE(target.NativeStyle());
    EXPECT_EQ(changes, (std::vector<TuiLookAndFeelValues>{{lfvKind, lfvNativeStyle}})) << "one notice";

    TClientPersistent other;
    EXPECT_THROW(target.Assign(&other), rtl::EConvertError);
}

TEST_F(uiLookAndFeel, AssignedValuesWrittenAtOnceTellOneChange) {
    TuiLookAndFeelController controller(nullptr);
    controller.SetKind(lfFlat);
    TuiLookAndFeel lookAndFeel(nullptr);
    lookAndFeel.SetKind(lfStandard);
    lookAndFeel.SetSkinName(u"x");
    std::vector<TuiLookAndFeelValues> changes;
    Record(lookAndFeel, changes);
    lookAndFeel.ResetAssignedValues();
    EXPECT_EQ(lookAndFeel.Kind(), lfFlat);
    EXPECT_EQ(lookAndFeel.SkinName(), u"");
    EXPECT_EQ(changes, (std::vector<TuiLookAndFeelValues>{{lfvKind, lfvSkinName}}));
    lookAndFeel.ResetAssignedValues();
    EXPECT_EQ(changes.size(), 1U);
}

TEST_F(uiLookAndFeel, ListenersThatLeaveWhileToldSkipNobodyAndStrangersAreNotListed) {
    TuiLookAndFeel master(nullptr);
    TClientPersistent leaving;
    TClientPersistent staying;
    leaving.OnChange = [&leaving](TuiLookAndFeel* sender) { sender->RemoveListener(&leaving); };
    master.AddListener(&leaving);
    master.AddListener(&staying);
    master.AddListener(&staying);
    master.SetKind(lfStandard);
    master.SetKind(lfFlat);
    EXPECT_EQ(leaving.Calls, 1);
    EXPECT_EQ(staying.Calls, 2) << "listed once, told every time";

    rtl::TPersistent stranger;
    master.AddListener(&stranger);
    master.RemoveListener(&stranger);
    master.RemoveListener(&leaving);
}

TEST_F(uiLookAndFeel, ASystemColourChangeTellsTheNativeStyleChanged) {
    TuiLookAndFeel lookAndFeel(nullptr);
    std::vector<TuiLookAndFeelValues> changes;
    Record(lookAndFeel, changes);
    ASSERT_NE(PaletteChangeListenerWindow(), nullptr);
    SendMessageW(PaletteChangeListenerWindow(), WM_SYSCOLORCHANGE, 0, 0);
    // Its own notifier and the root's, which it follows, both tell it.
    ASSERT_FALSE(changes.empty());
    for (const TuiLookAndFeelValues changed : changes) {
        EXPECT_EQ(changed, TuiLookAndFeelValues{lfvNativeStyle});
    }
}

} // namespace
} // namespace ui
