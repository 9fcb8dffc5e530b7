#include "ui/data/locale/uiFormats.h"

#include "FormatListenerSupport.h"
#include "LocaleTestSupport.h"
#include "rtl/core/Exceptions.h"
#include "ui/data/locale/uiLocale.h"

#include <gtest/gtest.h>

namespace {

using ui_test::TRecordingFormatListener;
using ui_test::TRecordingTimeListener;

constexpr char16_t ExpectedDatePattern[] =
    u"(([012]?[1-9]|[123]0|31)\\/((0?[1-9]|1[012])|('Jan'|'Feb'|'Mar'|'Apr'|'May'|'Jun'|'Jul'|'Aug'|'Sep'|'Oct'|"
    u"'Nov'|'Dec'))\\/\\d\\d\\d\\d)|('today'|'yesterday'|'tomorrow'|'Sunday'|'Monday'|'Tuesday'|'Wednesday'|"
    u"'Thursday'|'Friday'|'Saturday'|'first'|'second'|'third'|'fourth'|'fifth'|'sixth'|'seventh'|'bom'|'eom')"
    u"((\\+|-)\\d(\\d(\\d\\d?)?)?)?";

class FormatController : public ::testing::Test {
protected:
    ui_test::TTestLocale FLocale;
    std::vector<std::string> FLog;
};

TEST_F(FormatController, BuildsTheEditorFormatsFromTheShortDateAndLongTime) {
    const ui::TuiFormatController& controller = ui::GetFormatController();
    EXPECT_EQ(controller.DateInputFormat(), u"dd/MM/yyyy");
    EXPECT_EQ(controller.StandardDateMask(), u"!99/99/9999;1; ");
    EXPECT_EQ(controller.MaskedDateDisplayFormat(), u"dd/mm/yyyy");
    EXPECT_EQ(controller.DatePattern(), ExpectedDatePattern);
    EXPECT_EQ(controller.StandardDateTimeMask(), u"!99/99/9999\\ 99:99:99\\ cc;1; ");
    EXPECT_EQ(controller.MaskedDateTimeDisplayFormat(), u"dd/mm/yyyy' 'hh:nn:ss' 'ampm");
    EXPECT_EQ(controller.DateTimePattern().find(u"'now'"), controller.DateTimePattern().rfind(u"'now'"));
    EXPECT_NE(controller.DateTimePattern().find(
                  u"\\/\\d\\d\\d\\d ' '((0?[1-9]|1[012])\\:[0-5]?\\d\\:[0-5]?\\d' '('AM'|'PM')?)?)|("),
              rtl::UnicodeString::npos);
    EXPECT_EQ(controller.DatePattern().find(u"'now'"), rtl::UnicodeString::npos);
    EXPECT_EQ(controller.CurrencyDisplayFormat(), u"$,0.00;($,0.00)");
    EXPECT_EQ(controller.TimeElements().Items.front().Text, u"12HH");
    EXPECT_EQ(controller.StartOfWeekDay(), 1);
    EXPECT_FALSE(controller.UseRuntimeDateFormats());
    EXPECT_EQ(controller.WeekOfYearRule(), 0);
}

TEST_F(FormatController, AnEraFormatGivesNoElementsAndAnEmptyFirstAlternative) {
    FLocale.Settings().ShortDateFormat = u"gg yyyy/M/d";
    FLocale.Apply();
    const ui::TuiFormatController& controller = ui::GetFormatController();
    EXPECT_TRUE(controller.DateElements().Items.empty());
    EXPECT_EQ(controller.StandardDateMask(), u"");
    EXPECT_EQ(controller.DatePattern().substr(0, 4), u"()|(");
}

TEST_F(FormatController, TheFirstListenerMakesTheWindowAndTheLastOneDestroysIt) {
    ui::TuiFormatController& controller = ui::GetFormatController();
    TRecordingFormatListener first("first", FLog);
    TRecordingFormatListener second("second", FLog);
    EXPECT_EQ(controller.SystemChangeWindow(), nullptr);
    controller.AddListener(&first);
    const ui::TuiSystemChangeWindow* window = controller.SystemChangeWindow();
    EXPECT_NE(window, nullptr);
    controller.AddListener(&second);
    controller.AddListener(&first);
    EXPECT_EQ(controller.SystemChangeWindow(), window);
    controller.TranslationChanged();
    EXPECT_EQ(FLog, (std::vector<std::string>{"first format", "second format"}));
    controller.RemoveListener(&first);
    EXPECT_NE(controller.SystemChangeWindow(), nullptr);
    controller.RemoveListener(&second);
    EXPECT_EQ(controller.SystemChangeWindow(), nullptr);
}

TEST_F(FormatController, ASettingsChangeRereadsTheFormatsUnlessTheSwitchIsOff) {
    ui::TuiFormatController& controller = ui::GetFormatController();
    TRecordingFormatListener listener("listener", FLog);
    controller.AddListener(&listener);
    bool switchOn = false;
    controller.SetUpdateFormatSettingsSwitch([&switchOn] { return switchOn; });
    FLocale.Settings().ShortDateFormat = u"yyyy-MM-dd";
    controller.RegionalSettingsChanged();
    EXPECT_TRUE(FLog.empty());
    EXPECT_EQ(controller.StandardDateMask(), u"!99/99/9999;1; ");
    switchOn = true;
    controller.RegionalSettingsChanged();
    EXPECT_EQ(FLog, std::vector<std::string>{"listener format"});
    EXPECT_EQ(controller.StandardDateMask(), u"!9999\\-99\\-99;1; ");
    controller.RemoveListener(&listener);
}

TEST_F(FormatController, TimeChangesReachOnlyTimeListeners) {
    ui::TuiFormatController& controller = ui::GetFormatController();
    TRecordingFormatListener formatOnly("format only", FLog);
    TRecordingTimeListener both("both", FLog);
    controller.AddListener(&formatOnly);
    controller.AddListener(&both);
    controller.SystemTimeChanged();
    EXPECT_EQ(FLog, std::vector<std::string>{"both time"});
    controller.RemoveListener(&formatOnly);
    controller.RemoveListener(&both);
}

TEST_F(FormatController, ListenersThatLeaveDuringANoticeAreNotToldAfterwards) {
    ui::TuiFormatController& controller = ui::GetFormatController();
    TRecordingFormatListener first("first", FLog);
    TRecordingFormatListener second("second", FLog);
    TRecordingFormatListener third("third", FLog);
    first.FOnFormatChanged = [&] {
        controller.RemoveListener(&first);
        controller.RemoveListener(&second);
    };
    controller.AddListener(&first);
    controller.AddListener(&second);
    controller.AddListener(&third);
    controller.TranslationChanged();
    EXPECT_EQ(FLog, (std::vector<std::string>{"first format", "third format"}));
    controller.RemoveListener(&third);
    EXPECT_EQ(controller.SystemChangeWindow(), nullptr);
}

TEST_F(FormatController, AnExceptionOfANoticeGoesToTheHandler) {
    ui::TuiFormatController& controller = ui::GetFormatController();
    std::exception_ptr handled;
    controller.SetNoticeExceptionHandler([&handled](std::exception_ptr error) { handled = error; });
    controller.HandleNoticeException(std::make_exception_ptr(rtl::EConvertError(u"bad")));
    ASSERT_TRUE(handled);
    EXPECT_THROW(std::rethrow_exception(handled), rtl::EConvertError);
    // A handler that raises itself does not pass the exception on.
    controller.SetNoticeExceptionHandler([](std::exception_ptr error) { std::rethrow_exception(error); });
    controller.HandleNoticeException(std::make_exception_ptr(rtl::EConvertError(u"bad")));
}

TEST_F(FormatController, ListensToTheLibrarysTranslationsWhileItLives) {
    ui::FreeFormatController();
    ui::TuxResourceStringsRepository& repository = ui::GetResourceStringsRepository();
    const int32_t before = repository.GetListenerCount();
    ui::TuiFormatController& controller = ui::GetFormatController();
    EXPECT_EQ(repository.GetListenerCount(), before + 1);
    TRecordingFormatListener editor("editor", FLog);
    controller.AddListener(&editor);
    static_cast<ui::IuxResourceStringsListener&>(controller).TranslationChanged();
    EXPECT_EQ(FLog, std::vector<std::string>{"editor format"});
    controller.RemoveListener(&editor);
    ui::FreeFormatController();
    EXPECT_EQ(repository.GetListenerCount(), before);
}

TEST_F(FormatController, IsMadeOnceForTheProcess) {
    ui::TuiFormatController& controller = ui::GetFormatController();
    EXPECT_EQ(&ui::GetFormatController(), &controller);
    controller.SetUseRuntimeDateFormats(true);
    EXPECT_TRUE(ui::GetFormatController().UseRuntimeDateFormats());
}

} // namespace
