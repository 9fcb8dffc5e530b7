#include "ui/grid/common/uiNavigatorNotifier.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace ui {
namespace {

class TRecordingNavigator : public IuiNavigatorOwner {
public:
    TRecordingNavigator(std::string name, std::string& log) : FName(std::move(name)), FLog(log) {}
    void RefreshNavigator() override {
        FLog += FName;
        if (OnRefresh) {
            OnRefresh();
        }
    }
    std::function<void()> OnRefresh;

private:
    std::string FName;
    std::string& FLog;
};

TEST(NavigatorControlNotifier, RefreshesEachRegisteredNavigatorOnceInOrder) {
    std::string log;
    TRecordingNavigator first("a", log);
    TRecordingNavigator second("b", log);
    TRecordingNavigator third("c", log);
    TuiNavigatorControlNotifier notifier;
    for (IuiNavigatorOwner* navigator : {&first, &second, &first, &third}) {
        notifier.AddNavigator(navigator);
    }
    notifier.RemoveNavigator(&third);
    notifier.RefreshNavigators();
    EXPECT_EQ(log, "ab");
}

TEST(NavigatorControlNotifier, ANavigatorRemovedDuringARefreshIsNotRefreshed) {
    std::string log;
    TRecordingNavigator first("a", log);
    TRecordingNavigator second("b", log);
    TuiNavigatorControlNotifier notifier;
    notifier.AddNavigator(&first);
    notifier.AddNavigator(&second);
    first.OnRefresh = [&] { notifier.RemoveNavigator(&second); };
    notifier.RefreshNavigators();
    EXPECT_EQ(log, "a");
}

} // namespace
} // namespace ui
