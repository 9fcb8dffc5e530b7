#include "tests/ui/core/themes/ThemeApiDouble.h"

#include "rtl/WindowsApi.h"
#include "rtl/text/StringUtils.h"

namespace ui_test {

TThemeApiDouble::TThemeApiDouble() : FPrevious(ui::SetUxTheme(this)) {
    AnnounceThemeChange();
}

TThemeApiDouble::~TThemeApiDouble() {
    ui::SetUxTheme(FPrevious);
    AnnounceThemeChange();
}

void TThemeApiDouble::AnnounceThemeChange() {
    SendMessageW(ui::ThemeChangedReceiverWindow(), WM_THEMECHANGED, 0, 0);
}

bool TThemeApiDouble::IsThemeActive() const {
    return !StylesOff && TuxThemeApi::IsThemeActive();
}

ui::HTHEME TThemeApiDouble::OpenThemeData(HWND window, const rtl::UnicodeString& classList) const {
    OpenedClasses.push_back(classList);
    for (const rtl::UnicodeString& hidden : HiddenClasses) {
        if (rtl::WideSameText(hidden, classList)) {
            return nullptr;
        }
    }
    return TuxThemeApi::OpenThemeData(window, classList);
}

bool TThemeApiDouble::GetCurrentThemeName(rtl::UnicodeString* fileName, rtl::UnicodeString* colorName,
                                          rtl::UnicodeString* sizeName) const {
    if (!TuxThemeApi::GetCurrentThemeName(fileName, colorName, sizeName)) {
        return false;
    }
    if (fileName && FileName) {
        *fileName = *FileName;
    }
    if (colorName && ColorName) {
        *colorName = *ColorName;
    }
    return true;
}

} // namespace ui_test
