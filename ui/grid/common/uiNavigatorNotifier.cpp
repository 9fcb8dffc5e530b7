#include "ui/grid/common/uiNavigatorNotifier.h"

#include <algorithm>

namespace ui {

void TuiNavigatorControlNotifier::AddNavigator(IuiNavigatorOwner* navigator) {
    if (std::find(FNavigators.begin(), FNavigators.end(), navigator) == FNavigators.end()) {
        FNavigators.push_back(navigator);
    }
}

void TuiNavigatorControlNotifier::RemoveNavigator(IuiNavigatorOwner* navigator) {
    std::erase(FNavigators, navigator);
}

void TuiNavigatorControlNotifier::RefreshNavigators() {
    const std::vector<IuiNavigatorOwner*> navigators = FNavigators;
    for (IuiNavigatorOwner* navigator : navigators) {
        if (std::find(FNavigators.begin(), FNavigators.end(), navigator) != FNavigators.end()) {
            navigator->RefreshNavigator();
        }
    }
}

} // namespace ui
