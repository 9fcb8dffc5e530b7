#pragma once
// The navigator notifier: the navigators that show the state of a grid's focused view register here and are all
// refreshed when that view changes. It takes no ownership; a navigator unregisters before it goes.

#include "ui/editors/navigator/uiNavigatorInterfaces.h"

#include <vector>

namespace ui {

class TuiNavigatorControlNotifier {
public:
    // Registering twice keeps one entry.
    void AddNavigator(IuiNavigatorOwner* navigator);
    void RemoveNavigator(IuiNavigatorOwner* navigator);
    // Every registered navigator's RefreshNavigator, in registration order; a navigator that unregisters meanwhile
    // is not refreshed afterwards.
    void RefreshNavigators();

private:
    std::vector<IuiNavigatorOwner*> FNavigators; // not owned
};

} // namespace ui
