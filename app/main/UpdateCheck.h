#pragma once
// The check for a newer version of the program, which the main window starts each time it becomes active. The
// program answers it with the upgrade component's updater (UpgradeUpdateCheck.h); the window's tests with their own.

#include "rtl/text/StringTypes.h"

namespace app {

class IUpdateCheck {
public:
    // The running program's version ("1.1.7.0"; empty when the program has none, "-1" when it could not be read).
    virtual void SetVersionNumber(rtl::UnicodeStringView version) = 0;
    // Starts a check; returns at once while an earlier one is still under way. May raise.
    virtual void CheckUpdate() = 0;

protected:
    ~IUpdateCheck() = default;
};

} // namespace app
