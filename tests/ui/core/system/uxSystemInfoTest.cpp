#include "ui/core/system/uxSystemInfo.h"

#include "tests/ui/core/SystemInfoDouble.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

// The flags set for one platform and version, as a string of the flags' initials in declaration order.
std::string FlagsText(const TuxOSFlags& f) {
    std::string text;
    const std::pair<bool, const char*> flags[] = {
        {f.IsWin9x, "9x "},         {f.IsWin95, "95 "},       {f.IsWin98, "98 "},
        {f.IsWinMe, "Me "},         {f.IsWinNT, "NT "},       {f.IsWin2K, "2K "},
        {f.IsWin2KOrLater, "2K+ "}, {f.IsWinXP, "XP "},       {f.IsWinXPOrLater, "XP+ "},
        {f.IsWin2KOrXP, "2K|XP "},  {f.IsWinVista, "Vista "}, {f.IsWinVistaOrLater, "Vista+ "},
        {f.IsWin7, "7 "},           {f.IsWow64, "WOW64 "},
    };
    for (const auto& [set, name] : flags) {
        if (set) {
            text += name;
        }
    }
    return text;
}

TEST(uxSystemInfo, FlagsFollowPlatformAndVersion) {
    const struct {
        TuxOSVersion Version;
        const char* Expected;
    } cases[] = {
        {{1, 4, 0}, "9x 95 "},
        {{1, 4, 10}, "9x 98 "},
        {{1, 4, 90}, "9x Me "},
        {{2, 4, 0}, "NT "},
        {{2, 5, 0}, "NT 2K 2K+ 2K|XP "},
        {{2, 5, 1}, "NT 2K+ XP XP+ 2K|XP "},
        {{2, 5, 2}, "NT 2K+ XP XP+ 2K|XP "},
        {{2, 6, 0}, "NT 2K+ XP+ Vista Vista+ "},
        {{2, 6, 1}, "NT 2K+ XP+ Vista Vista+ 7 "},
        {{2, 10, 0}, "NT 2K+ XP+ Vista+ "},
        {{0, 0, 0}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Version.PlatformId << "." << c.Version.Major << "." << c.Version.Minor);
        EXPECT_EQ(FlagsText(OSFlagsOf(c.Version, false)), c.Expected);
    }
    EXPECT_EQ(FlagsText(OSFlagsOf({2, 5, 1}, true)), "NT 2K+ XP XP+ 2K|XP WOW64 ");
}

TEST(uxSystemInfo, APinnedSystemInfoDecidesFlagsAndColoursUntilItGoes) {
    const bool platformIsXP = OSFlags().IsWinXP;
    {
        ui_test::TPinnedSystemInfo pinned({uxPlatformWinNT, 5, 1}, true);
        pinned.PinColor(vcl::clBtnFace, 0x123456);
        EXPECT_TRUE(OSFlags().IsWinXP);
        EXPECT_TRUE(OSFlags().IsWow64);
        EXPECT_EQ(ColorToRGB(vcl::clBtnFace), 0x123456u);
        {
            ui_test::TPinnedSystemInfo inner({uxPlatformWin9x, 4, 10});
            EXPECT_TRUE(OSFlags().IsWin98) << "flags are read again for the info put in place";
        }
        EXPECT_TRUE(OSFlags().IsWinXP) << "the outer one is back";
    }
    EXPECT_EQ(OSFlags().IsWinXP, platformIsXP);
}

TEST(uxSystemInfo, ColorToRGBResolvesOnlySystemColours) {
    ui_test::TPinnedSystemInfo pinned;
    pinned.PinColor(vcl::clHighlight, 0xFF8000);
    EXPECT_EQ(ColorToRGB(vcl::clHighlight), 0xFF8000u);
    EXPECT_EQ(ColorToRGB(vcl::clRed), 0x0000FFu);
    EXPECT_EQ(ColorToRGB(vcl::clNone), static_cast<uint32_t>(vcl::clNone));
    EXPECT_EQ(ColorToRGB(vcl::clDefault), static_cast<uint32_t>(vcl::clDefault));
}

} // namespace
} // namespace ui
