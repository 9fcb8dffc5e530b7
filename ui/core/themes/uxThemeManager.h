#pragma once
// The theme manager: whether visual styles are active, one cached theme per themed object type (opened on first use,
// closed when the theme or the system colours change), the test for the standard Windows XP themes, and the hidden
// window that hears of theme and system-colour changes and tells the registered listeners.

#include "rtl/core/SmallSet.h"
#include "rtl/text/StringTypes.h"
#include "ui/core/themes/uxUxTheme.h"

#include <cstdint>
#include <functional>

namespace ui {

// The kinds of themed element the library draws, each with the theme class it opens by default.
enum TuxThemedObjectType : uint8_t {
    totButton,
    totClock,
    totComboBox,
    totEdit,
    totExplorerBar,
    totHeader,
    totListBox,
    totListView,
    totMenu,
    totPage,
    totProgress,
    totRebar,
    totScrollBar,
    totSpin,
    totStartPanel,
    totStatus,
    totTab,
    totTaskBand,
    totTaskBar,
    totToolBar,
    totToolTip,
    totTrackBar,
    totTrayNotify,
    totTreeView,
    totWindow
};
inline constexpr int32_t uxThemedObjectTypeCount = totWindow + 1;
using TuxThemedObjectTypes = rtl::TSmallSet<TuxThemedObjectType>;

// The theme class a type opens when no other class list is given ("Button", "Clock", ...).
const char16_t* ThemedObjectTypeClassName(TuxThemedObjectType type);

// Visual styles are active and UxTheme.dll loaded; with types, every one of them also has a theme.
bool AreVisualStylesActive(TuxThemedObjectTypes types = {});
bool IsThemedObjectTypeAvailable(TuxThemedObjectType type);
// The type's cached theme, opened when none is cached: with the class list given, else the one it was last opened
// with, else the type's own class. A class list other than the cached theme's (ignoring case) closes that one first.
// 0 while visual styles are not active or when the class does not open.
HTHEME OpenThemeOfType(TuxThemedObjectType type, rtl::UnicodeStringView classList = {});
// 1 while visual styles are not active, 0 when nothing is cached, else the result of closing the cached theme (its
// class list is forgotten too).
int32_t CloseThemeOfType(TuxThemedObjectType type);
// Closes every cached theme; the class lists stay for the next open.
void CloseAllThemeHandles();
// Visual styles are active with one of the standard Windows XP themes (luna or royale).
bool IsStandardWindowsTheme();
// Equal after upper-casing both with the locale's rules.
bool TextEqualsIgnoreCase(rtl::UnicodeStringView a, rtl::UnicodeStringView b);

// Tells its owner (a scroll bar, a status bar) that the theme or the system colours changed. It listens from its
// construction to its destruction, while UxTheme.dll is loaded.
class TuxThemeChangedNotificator {
public:
    TuxThemeChangedNotificator();
    virtual ~TuxThemeChangedNotificator();
    TuxThemeChangedNotificator(const TuxThemeChangedNotificator&) = delete;
    TuxThemeChangedNotificator& operator=(const TuxThemeChangedNotificator&) = delete;

    // Fires OnThemeChanged when it is assigned.
    virtual void NotifyThemeChanged();

    const std::function<void()>& OnThemeChanged() const { return FOnThemeChanged; }
    void SetOnThemeChanged(std::function<void()> handler) { FOnThemeChanged = std::move(handler); }

private:
    std::function<void()> FOnThemeChanged;
    bool FListening = false;
};

// The hidden window that receives WM_THEMECHANGED and WM_SYSCOLORCHANGE; nullptr while UxTheme.dll is not loaded.
HWND ThemeChangedReceiverWindow();

// Start-up (when UxTheme.dll is loaded): the active flag is read and the receiver made. Shut-down frees the receiver
// (clearing the flag) and closes every cached theme.
void InitializeThemeManagerUnit();
void FinalizeThemeManagerUnit();

} // namespace ui
