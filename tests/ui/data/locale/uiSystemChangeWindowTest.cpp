// The system's notices reaching the format controller through its hidden window, as Windows sends them.

#include "ui/data/locale/uiSystemChangeWindow.h"

#include "FormatListenerSupport.h"
#include "LocaleTestSupport.h"
#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "ui/data/locale/uiFormats.h"

#include <gtest/gtest.h>

namespace {

using ui_test::TRecordingFormatListener;
using ui_test::TRecordingTimeListener;

// A test locale whose runtime settings change when they are read again, as after the user edited the region.
class TRereadingLocale : public ui_test::TTestLocale {
public:
    void RereadRuntimeFormats() override {
        ++FRereadCount;
        Settings().ShortDateFormat = u"yyyy-MM-dd";
    }

    int FRereadCount = 0;
};

class SystemChangeWindow : public ::testing::Test {
protected:
    HWND AddListeners() {
        FController.AddListener(&FFormatListener);
        FController.AddListener(&FTimeListener);
        return static_cast<HWND>(FController.SystemChangeWindow()->NativeHandle());
    }

    void RemoveListeners() {
        FController.RemoveListener(&FFormatListener);
        FController.RemoveListener(&FTimeListener);
    }

    TRereadingLocale FLocale;
    ui::TuiFormatController& FController = ui::GetFormatController();
    std::vector<std::string> FLog;
    TRecordingFormatListener FFormatListener{"format", FLog};
    TRecordingTimeListener FTimeListener{"time", FLog};
};

TEST_F(SystemChangeWindow, RegionalSettingsAreReadAgainAndTheListenersToldInOrder) {
    const HWND window = AddListeners();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(SendMessageW(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl")), 0);
    EXPECT_EQ(FLocale.FRereadCount, 1);
    EXPECT_EQ(FController.StandardDateMask(), u"!9999\\-99\\-99;1; ");
    EXPECT_EQ(FLog, (std::vector<std::string>{"format format", "time format"}));
    RemoveListeners();
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(SystemChangeWindow, OtherSettingsChangesAreIgnored) {
    const HWND window = AddListeners();
    SendMessageW(window, WM_SETTINGCHANGE, 0, 0);
    SendMessageW(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"Policy"));
    SendMessageW(window, WM_SETTINGCHANGE, SPI_SETWORKAREA, reinterpret_cast<LPARAM>(L"intl"));
    EXPECT_EQ(FLocale.FRereadCount, 0);
    EXPECT_TRUE(FLog.empty());
    FController.SetUpdateFormatSettingsSwitch([] { return false; });
    SendMessageW(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
    EXPECT_EQ(FLocale.FRereadCount, 0);
    EXPECT_TRUE(FLog.empty());
    FController.SetUpdateFormatSettingsSwitch(nullptr);
    RemoveListeners();
}

TEST_F(SystemChangeWindow, TimeChangesReachOnlyTimeListeners) {
    const HWND window = AddListeners();
    EXPECT_EQ(SendMessageW(window, WM_TIMECHANGE, 0, 0), 0);
    EXPECT_EQ(FLog, std::vector<std::string>{"time time"});
    RemoveListeners();
}

TEST_F(SystemChangeWindow, ExceptionsOfListenersStayInsideTheWindowProcedure) {
    const HWND window = AddListeners();
    std::exception_ptr handled;
    FController.SetNoticeExceptionHandler([&handled](std::exception_ptr error) { handled = error; });
    FFormatListener.FOnFormatChanged = [] { throw rtl::EConvertError(u"listener failed"); };
    SendMessageW(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
    EXPECT_TRUE(handled);
    FFormatListener.FOnFormatChanged = nullptr;
    FController.SetNoticeExceptionHandler(nullptr);
    RemoveListeners();
}

TEST_F(SystemChangeWindow, AListenerMayLeaveWhileItIsTold) {
    const HWND window = AddListeners();
    FFormatListener.FOnFormatChanged = [this] { RemoveListeners(); };
    SendMessageW(window, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
    EXPECT_EQ(FLog, std::vector<std::string>{"format format"});
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(FController.SystemChangeWindow(), nullptr);
}

} // namespace
