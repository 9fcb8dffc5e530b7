#pragma once
// A theme API for tests: the system's UxTheme, except where the test pins something: visual styles off, theme classes
// that do not open, the names of another theme. It counts the themes it opens. While it lives it is the theme API in
// place, and the theme manager has been told of a theme change so that it reads the styles' state through it.

#include "ui/core/themes/uxThemeManager.h"
#include "ui/core/themes/uxUxTheme.h"

#include <optional>
#include <set>
#include <vector>

namespace ui_test {

class TThemeApiDouble final : public ui::TuxThemeApi {
public:
    TThemeApiDouble();
    ~TThemeApiDouble() override;
    TThemeApiDouble(const TThemeApiDouble&) = delete;
    TThemeApiDouble& operator=(const TThemeApiDouble&) = delete;

    // Sends the theme manager WM_THEMECHANGED, as Windows does when the theme changes.
    static void AnnounceThemeChange();

    bool IsThemeActive() const override;
    ui::HTHEME OpenThemeData(HWND window, const rtl::UnicodeString& classList) const override;
    bool GetCurrentThemeName(rtl::UnicodeString* fileName, rtl::UnicodeString* colorName,
                             rtl::UnicodeString* sizeName) const override;

    // Visual styles off (announce the change for the manager to see it).
    bool StylesOff = false;
    // Class lists that do not open, compared without case.
    std::set<rtl::UnicodeString> HiddenClasses;
    // The theme's names; the system's when not set.
    std::optional<rtl::UnicodeString> FileName;
    std::optional<rtl::UnicodeString> ColorName;
    // Every class list asked to open, in order.
    mutable std::vector<rtl::UnicodeString> OpenedClasses;

private:
    const ui::TuxThemeApi* FPrevious;
};

} // namespace ui_test
