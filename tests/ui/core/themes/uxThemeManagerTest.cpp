// The theme cache, the styles' state and the theme-change notices, against Wine's active theme through the theme
// seam; desktop composition.

#include "ui/core/themes/uxThemeManager.h"

#include "rtl/WindowsApi.h"
#include "tests/ui/core/SystemInfoDouble.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "tests/ui/core/themes/ThemeApiDouble.h"
#include "ui/core/themes/uiDWMApi.h"
#include "vcl/system/ExceptionHook.h"

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <uxtheme.h>
#include <vssym32.h>

namespace ui {
namespace {

// Every test starts and ends with an empty cache that has forgotten its class lists.
class uxThemeManager : public testing::Test {
protected:
    void SetUp() override { ForgetCache(); }
    void TearDown() override { ForgetCache(); }

    static void ForgetCache() {
        for (int32_t type = 0; type < uxThemedObjectTypeCount; ++type) {
            CloseThemeOfType(static_cast<TuxThemedObjectType>(type));
        }
    }

    ui_test::TThemeApiDouble Api;
};

TEST_F(uxThemeManager, WinesThemeIsActiveAndOpensItsClasses) {
    ASSERT_TRUE(IsUxThemeLoaded());
    EXPECT_TRUE(AreVisualStylesActive());
    EXPECT_TRUE(AreVisualStylesActive({totButton, totHeader, totTreeView}));
    EXPECT_FALSE(AreVisualStylesActive({totButton, totExplorerBar})) << "Wine's theme has no explorer bar";
    EXPECT_TRUE(IsThemedObjectTypeAvailable(totScrollBar));
    EXPECT_FALSE(IsThemedObjectTypeAvailable(totExplorerBar));
    EXPECT_FALSE(IsStandardWindowsTheme()) << "light.msstyles is no XP theme";
}

TEST_F(uxThemeManager, ACachedThemeIsReusedForItsOwnClassInAnyCase) {
    const HTHEME button = OpenThemeOfType(totButton, u"Button");
    ASSERT_NE(button, nullptr);
    const size_t opens = Api.OpenedClasses.size();
    EXPECT_EQ(OpenThemeOfType(totButton, u"button"), button);
    EXPECT_EQ(OpenThemeOfType(totButton), button);
    EXPECT_EQ(Api.OpenedClasses.size(), opens) << "nothing reopened";
}

TEST_F(uxThemeManager, AnotherClassReplacesTheCachedThemeAndIsRemembered) {
    OpenThemeOfType(totButton, u"Button");
    const HTHEME edit = OpenThemeOfType(totButton, u"Edit");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(Api.OpenedClasses.back(), u"Edit");

    CloseAllThemeHandles();
    Api.OpenedClasses.clear();
    EXPECT_NE(OpenThemeOfType(totButton), nullptr);
    ASSERT_EQ(Api.OpenedClasses.size(), 1u);
    EXPECT_EQ(Api.OpenedClasses.back(), u"Edit") << "closing all keeps the class lists";

    EXPECT_EQ(CloseThemeOfType(totButton), 0) << "CloseThemeData succeeds";
    EXPECT_EQ(CloseThemeOfType(totButton), 0) << "nothing cached any more";
    OpenThemeOfType(totButton);
    EXPECT_EQ(Api.OpenedClasses.back(), u"Button") << "closing one type forgets its class list";
}

TEST_F(uxThemeManager, AClassThatDoesNotOpenIsNotCached) {
    Api.HiddenClasses = {u"TreeView"};
    EXPECT_EQ(OpenThemeOfType(totTreeView), nullptr);
    EXPECT_FALSE(IsThemedObjectTypeAvailable(totTreeView));
    EXPECT_FALSE(AreVisualStylesActive({totButton, totTreeView}));
    EXPECT_TRUE(AreVisualStylesActive({totButton}));
    Api.HiddenClasses.clear();
    EXPECT_NE(OpenThemeOfType(totTreeView), nullptr);
}

TEST_F(uxThemeManager, WithStylesOffNothingOpensAndClosingAnswersOne) {
    const HTHEME button = OpenThemeOfType(totButton);
    ASSERT_NE(button, nullptr);
    Api.StylesOff = true;
    ui_test::TThemeApiDouble::AnnounceThemeChange();
    EXPECT_FALSE(AreVisualStylesActive());
    EXPECT_EQ(OpenThemeOfType(totButton), nullptr);
    EXPECT_EQ(CloseThemeOfType(totButton), 1);
    EXPECT_FALSE(IsStandardWindowsTheme());
    Api.StylesOff = false;
    ui_test::TThemeApiDouble::AnnounceThemeChange();
    EXPECT_TRUE(AreVisualStylesActive());
}

TEST_F(uxThemeManager, TheStandardThemesAreKnownByTheirFileNameInAnyCase) {
    const struct {
        const char16_t* FileName;
        bool Standard;
    } cases[] = {
        {u"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", true},
        {u"C:\\WINDOWS\\Resources\\Themes\\Royale\\royale.msstyles", true},
        {u"ROYALE.MSSTYLES", true},
        {u"C:\\windows\\resources\\themes\\light\\light.msstyles", false},
        {u"C:\\Themes\\Luna\\Luna.msstyles.bak", false},
    };
    for (const auto& test : cases) {
        Api.FileName = test.FileName;
        EXPECT_EQ(IsStandardWindowsTheme(), test.Standard) << testing::PrintToString(rtl::UnicodeString(test.FileName));
    }
}

TEST_F(uxThemeManager, AColourChangeClosesEveryThemeAndTellsEveryListenerOnce) {
    OpenThemeOfType(totButton);
    OpenThemeOfType(totHeader);
    int firstCalls = 0;
    int thirdCalls = 0;
    TuxThemeChangedNotificator first;
    auto second = std::make_unique<TuxThemeChangedNotificator>();
    TuxThemeChangedNotificator third;
    first.SetOnThemeChanged([&] {
        ++firstCalls;
        second.reset(); // a listener that frees another one during the notice
    });
    third.SetOnThemeChanged([&] { ++thirdCalls; });

    Api.OpenedClasses.clear();
    SendMessageW(ThemeChangedReceiverWindow(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(firstCalls, 1);
    EXPECT_EQ(thirdCalls, 1);
    OpenThemeOfType(totButton);
    OpenThemeOfType(totHeader);
    EXPECT_EQ(Api.OpenedClasses.size(), 2u) << "both themes were closed and open anew";
}

TEST_F(uxThemeManager, AnExceptionOfAListenerStaysInsideTheReceiver) {
    TuxThemeChangedNotificator failing;
    failing.SetOnThemeChanged([] { throw std::runtime_error("listener failed"); });
    rtl::UnicodeString handled;
    const vcl::TExceptionHandler previous = vcl::SetExceptionHandler(
        [&](rtl::TObject*, std::exception_ptr error) { handled = vcl::ExceptionMessage(error); });
    EXPECT_EQ(SendMessageW(ThemeChangedReceiverWindow(), WM_THEMECHANGED, 0, 0), 0);
    vcl::SetExceptionHandler(previous);
    EXPECT_EQ(handled, u"listener failed") << "the application's handler has it";
    EXPECT_TRUE(AreVisualStylesActive()) << "the state was read before the listeners";
}

TEST_F(uxThemeManager, ThemedDrawingThroughTheSeamEqualsTheSystemsOwn) {
    const HTHEME button = OpenThemeOfType(totButton);
    ASSERT_NE(button, nullptr);
    const vcl::TRect rect{0, 0, 60, 24};
    ui_test::TCanvasOnSurface through(60, 24);
    ui_test::TCanvasOnSurface direct(60, 24);
    EXPECT_EQ(UxTheme().DrawThemeBackground(button, through.Surface.DC(), BP_PUSHBUTTON, PBS_NORMAL, rect), S_OK);
    const RECT r{0, 0, 60, 24};
    ::DrawThemeBackground(button, direct.Surface.DC(), BP_PUSHBUTTON, PBS_NORMAL, &r, nullptr);
    EXPECT_EQ(through.Surface.Pixels(), direct.Surface.Pixels());

    vcl::TSize size;
    EXPECT_EQ(
        UxTheme().GetThemePartSize(button, nullptr, BP_CHECKBOX, CBS_CHECKEDNORMAL, nullptr, uxThemeSizeTrue, size),
        S_OK);
    EXPECT_EQ(size, (vcl::TSize{13, 13}));
    vcl::TRect content;
    EXPECT_EQ(
        UxTheme().GetThemeBackgroundContentRect(button, nullptr, BP_PUSHBUTTON, PBS_NORMAL, {0, 0, 100, 100}, content),
        S_OK);
    EXPECT_GT(content.Left, 0);
    EXPECT_LT(content.Right, 100);
}

TEST_F(uxThemeManager, DrawingTheParentBackgroundGivesTheDeviceContextItsFontBack) {
    ui_test::TCanvasOnSurface on(20, 20);
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    HGDIOBJ previous = SelectObject(on.Surface.DC(), font);
    const vcl::TRect rect{0, 0, 20, 20};
    UxTheme().DrawThemeParentBackground(GetDesktopWindow(), on.Surface.DC(), &rect);
    EXPECT_EQ(GetCurrentObject(on.Surface.DC(), OBJ_FONT), font);
    SelectObject(on.Surface.DC(), previous);
    DeleteObject(font);
}

TEST(uiDWMApi, DesktopCompositionIsBoundFromWindowsVistaOn) {
    EXPECT_TRUE(IsDwmAvailable()) << "Wine reports Windows 7 and has dwmapi.dll";
    IsDwmCompositionEnabled();
    FinalizeDWMApiUnit();
    {
        ui_test::TPinnedSystemInfo windowsXP({uxPlatformWinNT, 5, 1});
        InitializeDWMApiUnit();
        EXPECT_FALSE(IsDwmAvailable());
        EXPECT_FALSE(IsDwmCompositionEnabled());
    }
    InitializeDWMApiUnit();
    EXPECT_TRUE(IsDwmAvailable());
}

} // namespace
} // namespace ui
