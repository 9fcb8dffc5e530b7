#include "ui/core/themes/uxThemeManager.h"

#include "rtl/WindowsApi.h"
#include "rtl/text/StringUtils.h"
#include "ui/core/objects/uiListenerList.h"
#include "vcl/system/ExceptionHook.h"
#include "vcl/system/UtilWindow.h"

#include <array>
#include <memory>

namespace ui {

namespace {

constexpr std::array<const char16_t*, uxThemedObjectTypeCount> ThemeClassNames = {
    u"Button",     u"Clock",      u"ComboBox", u"Edit",     u"ExplorerBar", u"Header",    u"ListBox",
    u"ListView",   u"Menu",       u"Page",     u"Progress", u"Rebar",       u"ScrollBar", u"Spin",
    u"StartPanel", u"Status",     u"Tab",      u"TaskBand", u"TaskBar",     u"ToolBar",   u"ToolTip",
    u"TrackBar",   u"TrayNotify", u"TreeView", u"Window",
};

// One cached theme: the handle and the class list it was opened with.
struct TuxThemeData {
    HTHEME Theme = nullptr;
    rtl::UnicodeString ClassList;
};

std::array<TuxThemeData, uxThemedObjectTypeCount> ThemeCache;
bool VisualStylesActive = false;
TuiListenerList<TuxThemeChangedNotificator> ThemeListeners;

// Closes the theme and forgets it; the class list stays.
int32_t CloseCachedTheme(TuxThemeData& data) {
    const int32_t result = UxTheme().CloseThemeData(data.Theme);
    data.Theme = nullptr;
    return result;
}

// The hidden window that hears of theme and system-colour changes.
class TuxThemeChangedEventReceiver {
public:
    TuxThemeChangedEventReceiver() : FWindow(vcl::AllocateHWnd([this](vcl::TMessage& message) { WndProc(message); })) {}
    ~TuxThemeChangedEventReceiver() {
        vcl::DeallocateHWnd(FWindow);
        VisualStylesActive = false;
    }
    TuxThemeChangedEventReceiver(const TuxThemeChangedEventReceiver&) = delete;
    TuxThemeChangedEventReceiver& operator=(const TuxThemeChangedEventReceiver&) = delete;

    HWND Window() const { return FWindow; }

private:
    void WndProc(vcl::TMessage& message) {
        if (message.Msg != WM_THEMECHANGED && message.Msg != WM_SYSCOLORCHANGE) {
            message.Result = DefWindowProcW(FWindow, message.Msg, message.WParam, message.LParam);
            return;
        }
        try {
            CloseAllThemeHandles();
            DefWindowProcW(FWindow, message.Msg, message.WParam, message.LParam);
            VisualStylesActive = UxTheme().IsThemeActive();
            ThemeListeners.ForEach([](TuxThemeChangedNotificator* listener) { listener->NotifyThemeChanged(); });
        } catch (...) {
            vcl::HandleCurrentException(nullptr);
        }
        message.Result = 0;
    }

    HWND FWindow;
};

std::unique_ptr<TuxThemeChangedEventReceiver> ThemeChangedReceiver;

} // namespace

const char16_t* ThemedObjectTypeClassName(TuxThemedObjectType type) {
    return ThemeClassNames.at(type);
}

bool AreVisualStylesActive(TuxThemedObjectTypes types) {
    if (!VisualStylesActive || !IsUxThemeLoaded()) {
        return false;
    }
    for (int32_t type = 0; type < uxThemedObjectTypeCount; ++type) {
        const auto themedType = static_cast<TuxThemedObjectType>(type);
        if (types.Contains(themedType) && !OpenThemeOfType(themedType)) {
            return false;
        }
    }
    return true;
}

bool IsThemedObjectTypeAvailable(TuxThemedObjectType type) {
    return AreVisualStylesActive() && OpenThemeOfType(type) != nullptr;
}

HTHEME OpenThemeOfType(TuxThemedObjectType type, rtl::UnicodeStringView classList) {
    if (!AreVisualStylesActive()) {
        return nullptr;
    }
    TuxThemeData& data = ThemeCache.at(type);
    if (data.Theme) {
        if (classList.empty() || TextEqualsIgnoreCase(classList, data.ClassList)) {
            return data.Theme;
        }
        CloseThemeOfType(type);
    }
    rtl::UnicodeString used(classList);
    if (used.empty()) {
        used = data.ClassList.empty() ? rtl::UnicodeString(ThemeClassNames[type]) : data.ClassList;
    }
    data.Theme = UxTheme().OpenThemeData(nullptr, used);
    data.ClassList = data.Theme ? used : rtl::UnicodeString();
    return data.Theme;
}

int32_t CloseThemeOfType(TuxThemedObjectType type) {
    if (!AreVisualStylesActive()) {
        return 1;
    }
    TuxThemeData& data = ThemeCache.at(type);
    if (!data.Theme) {
        return 0;
    }
    const int32_t result = CloseCachedTheme(data);
    data.ClassList.clear();
    return result;
}

void CloseAllThemeHandles() {
    for (TuxThemeData& data : ThemeCache) {
        if (data.Theme) {
            CloseCachedTheme(data);
        }
    }
}

bool IsStandardWindowsTheme() {
    rtl::UnicodeString fileName;
    if (!AreVisualStylesActive() || !UxTheme().GetCurrentThemeName(&fileName, nullptr, nullptr)) {
        return false;
    }
    const rtl::UnicodeString filePart = fileName.substr(fileName.find_last_of(u"\\/:") + 1);
    return TextEqualsIgnoreCase(filePart, u"LUNA.MSSTYLES") || TextEqualsIgnoreCase(filePart, u"ROYALE.MSSTYLES");
}

bool TextEqualsIgnoreCase(rtl::UnicodeStringView a, rtl::UnicodeStringView b) {
    return rtl::WideUpperCase(a) == rtl::WideUpperCase(b);
}

TuxThemeChangedNotificator::TuxThemeChangedNotificator() {
    if (IsUxThemeLoaded()) {
        FListening = ThemeListeners.Add(this);
    }
}

TuxThemeChangedNotificator::~TuxThemeChangedNotificator() {
    if (FListening) {
        ThemeListeners.Remove(this);
    }
}

void TuxThemeChangedNotificator::NotifyThemeChanged() {
    if (FOnThemeChanged) {
        FOnThemeChanged();
    }
}

HWND ThemeChangedReceiverWindow() {
    return ThemeChangedReceiver ? ThemeChangedReceiver->Window() : nullptr;
}

void InitializeThemeManagerUnit() {
    if (!IsUxThemeLoaded()) {
        return;
    }
    VisualStylesActive = UxTheme().IsThemeActive();
    ThemeChangedReceiver = std::make_unique<TuxThemeChangedEventReceiver>();
}

void FinalizeThemeManagerUnit() {
    if (!ThemeChangedReceiver) {
        return;
    }
    ThemeChangedReceiver.reset();
    CloseAllThemeHandles();
}

} // namespace ui
