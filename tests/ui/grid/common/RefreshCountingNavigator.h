#pragma once
// A navigator host for the tests of the grid's navigator notifier: it counts the refreshes it hears and runs
// OnRefresh on each. It shows no bar, so asking it for one fails.

#include "ui/editors/navigator/uiNavigatorInterfaces.h"

#include <functional>
#include <stdexcept>

namespace ui::test {

class TRefreshCountingNavigator : public IuiNavigatorOwner {
public:
    bool QueryInterface(const rtl::TGUID& iid, void** object) override {
        return rtl::QueryInterfaceOf<IuiNavigatorOwner>(this, iid, object);
    }
    int32_t AddRef() override { return -1; }
    int32_t Release() override { return -1; }

    void RefreshNavigator() override {
        ++Refreshes;
        if (OnRefresh) {
            OnRefresh();
        }
    }
    void NavigatorChanged(TuiNavigatorChangeKind) override {}
    vcl::TRect GetNavigatorBounds() override { return {}; }
    TuiCustomNavigatorButtons& GetNavigatorButtons() override { throw NoBar(); }
    vcl::TCanvas& GetNavigatorCanvas() override { throw NoBar(); }
    vcl::TWinControl& GetNavigatorControl() override { throw NoBar(); }
    bool GetNavigatorFocused() override { return false; }
    TuiLookAndFeel& GetNavigatorLookAndFeel() override { throw NoBar(); }
    bool GetNavigatorShowHint() override { return false; }
    bool GetNavigatorTabStop() override { return false; }
    void NavigatorButtonsStateChanged() override {}

    int Refreshes = 0;
    std::function<void()> OnRefresh;

private:
    static std::logic_error NoBar() { return std::logic_error("the test navigator shows no bar"); }
};

} // namespace ui::test
