#include "ui/grid/common/uiNavigatorNotifier.h"

#include "tests/ui/grid/common/RefreshCountingNavigator.h"

#include <gtest/gtest.h>
#include <string>

namespace ui {
namespace {

// A navigator that writes its name into log on each refresh.
class TRecordingNavigator : public test::TRefreshCountingNavigator {
public:
    TRecordingNavigator(const char* name, std::string& log) {
        OnRefresh = [name, &log] { log += name; };
    }
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
    first.OnRefresh = [&] {
        log += "a";
        notifier.RemoveNavigator(&second);
    };
    notifier.RefreshNavigators();
    EXPECT_EQ(log, "a");
}

} // namespace
} // namespace ui
