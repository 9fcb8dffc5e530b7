// The upgrade component's texts: the block a language identifier chooses, the string table's blocks read through the
// program's resources, and the strings outside the blocks.

#include "upgrade/auUpdaterTexts.h"

#include "rtl/WindowsApi.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

using au::TauUpdaterLanguage;
using au::TauUpdaterText;
using test_support::Utf8;

TauUpdaterLanguage LanguageAt(int index) {
    return static_cast<TauUpdaterLanguage>(index);
}

TEST(auUpdaterTexts, ALanguageIdentifierChoosesItsBlockAndAnyOtherEnglish) {
    const struct {
        uint16_t LanguageId;
        TauUpdaterLanguage Expected;
    } cases[] = {
        {0x0409, TauUpdaterLanguage::wlEnglish},
        {0x0809, TauUpdaterLanguage::wlEnglish},
        {0x0419, TauUpdaterLanguage::wlRussian},
        {0x0407, TauUpdaterLanguage::wlGerman},
        {0x040C, TauUpdaterLanguage::wlFrench},
        {0x0C0A, TauUpdaterLanguage::wlSpanish},
        {0x0816, TauUpdaterLanguage::wlPortuguese},
        {0x0416, TauUpdaterLanguage::wlPortugueseBrazilian},
        {0x0410, TauUpdaterLanguage::wlItalian},
        {0x0413, TauUpdaterLanguage::wlDutch},
        {0x0406, TauUpdaterLanguage::wlDanish},
        {0x041D, TauUpdaterLanguage::wlSwedish},
        {0x040B, TauUpdaterLanguage::wlFinnish},
        {0x0425, TauUpdaterLanguage::wlEstonian},
        {0x0422, TauUpdaterLanguage::wlUkrainian},
        {0x0405, TauUpdaterLanguage::wlCzech},
        {0x040E, TauUpdaterLanguage::wlHungarian},
        {0x0418, TauUpdaterLanguage::wlRomanian},
        {0x0403, TauUpdaterLanguage::wlCatalan},
        {0x042D, TauUpdaterLanguage::wlBasque},
        {0x0436, TauUpdaterLanguage::wlAfrikaans},
        {0x0404, TauUpdaterLanguage::wlChineseTraditional},
        {0x0C04, TauUpdaterLanguage::wlChineseTraditional},
        {0x0804, TauUpdaterLanguage::wlChineseSimplified},
        {0x0421, TauUpdaterLanguage::wlIndonesian},
        {0x043E, TauUpdaterLanguage::wlMalay},
        {0x040F, TauUpdaterLanguage::wlIcelandic},
        {0x0411, TauUpdaterLanguage::wlEnglish},
        {0x0412, TauUpdaterLanguage::wlEnglish},
        {0x0000, TauUpdaterLanguage::wlEnglish},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(au::UpdaterLanguageOf(c.LanguageId), c.Expected) << std::hex << c.LanguageId;
    }
    EXPECT_EQ(au::ResolveUpdaterLanguage(TauUpdaterLanguage::wlAuto), au::UpdaterLanguageOf(GetSystemDefaultLangID()));
    EXPECT_EQ(au::ResolveUpdaterLanguage(TauUpdaterLanguage::wlDutch), TauUpdaterLanguage::wlDutch);
    EXPECT_EQ(au::LoadAUString(TauUpdaterText::WizardCaption, au::UpdaterLanguageOf(0x0411)),
              u"Application update wizard")
        << "a system language without texts reads English";
}

TEST(auUpdaterTexts, EachLanguageReadsItsOwnBlockOfStringsNumberedByIndexAndRole) {
    EXPECT_EQ(au::UpdaterStringId(TauUpdaterText::WizardCaption, TauUpdaterLanguage::wlEnglish), 41000u);
    EXPECT_EQ(au::UpdaterStringId(TauUpdaterText::ConnectionLost, TauUpdaterLanguage::wlEnglish), 41030u);
    EXPECT_EQ(au::UpdaterStringId(TauUpdaterText::WizardCaption, TauUpdaterLanguage::wlChineseTraditional), 42000u);
    EXPECT_EQ(au::UpdaterStringId(TauUpdaterText::WizardCaption, TauUpdaterLanguage::wlChineseSimplified), 42050u);
    EXPECT_EQ(au::UpdaterStringId(TauUpdaterText::ConnectionLost, TauUpdaterLanguage::wlIcelandic), 42230u);
    EXPECT_EQ(au::LoadAUString(TauUpdaterText::WizardCaption),
              au::LoadAUString(TauUpdaterText::WizardCaption, au::ResolveUpdaterLanguage(TauUpdaterLanguage::wlAuto)));

    // Every block is complete, no two languages share a caption, and every string takes the arguments the English one
    // takes, in its order.
    const std::regex argument("%[.0-9]*[sdf]");
    const auto arguments = [&argument](const rtl::UnicodeString& text) {
        const std::string utf8 = Utf8(text);
        std::vector<std::string> found;
        for (auto it = std::sregex_iterator(utf8.begin(), utf8.end(), argument); it != std::sregex_iterator(); ++it) {
            found.push_back(it->str());
        }
        return found;
    };
    std::set<rtl::UnicodeString> captions;
    for (int language = 1; language < au::UpdaterLanguageCount; ++language) {
        captions.insert(au::LoadAUString(TauUpdaterText::WizardCaption, LanguageAt(language)));
        for (int role = 0; role < au::UpdaterTextRoles; ++role) {
            const auto text = static_cast<TauUpdaterText>(role);
            const rtl::UnicodeString translated = au::LoadAUString(text, LanguageAt(language));
            EXPECT_FALSE(translated.empty()) << "language " << language << ", role " << role;
            EXPECT_EQ(arguments(translated), arguments(au::LoadAUString(text, TauUpdaterLanguage::wlEnglish)))
                << "language " << language << ", role " << role << ": " << Utf8(translated);
        }
    }
    EXPECT_EQ(captions.size(), 25u);
}

TEST(auUpdaterTexts, TheQuestionAndTheUnreachableHostReadAsWrittenInThreeLanguages) {
    const struct {
        TauUpdaterLanguage Language;
        const char* Question;
        const char* Unreachable;
    } cases[] = {
        {TauUpdaterLanguage::wlEnglish,
         "A newer version of Tallyvane was released.\n\nFaster import\n\nDo you want to update your version with the "
         "latest one?",
         "Host http://update.example unreachable.\r\rPlease check your Internet connection and\rtry to upgrade this "
         "software again later."},
        {TauUpdaterLanguage::wlChineseSimplified,
         "Tallyvane已经有新版本推出，\n\nFaster import\n\n您要升级到新版本吗？",
         "无法与服务器http://update.example连接。\r\r请检查您的internet设定之后再进行升级操作。"},
        {TauUpdaterLanguage::wlChineseTraditional,
         "Tallyvane已經有新版本推出，\n\nFaster import\n\n您要升級到新版本嗎？",
         "無法與伺服器http://update.example連線。\r\r請檢查您的網際網路設定之後再進行升級操作。"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(
            Utf8(au::FormatAUString(TauUpdaterText::UpgradeQuestion, {u"Tallyvane", u"\nFaster import\n"}, c.Language)),
            c.Question);
        EXPECT_EQ(Utf8(au::FormatAUString(TauUpdaterText::HostUnreachable, {u"http://update.example"}, c.Language)),
                  c.Unreachable);
    }
    EXPECT_EQ(Utf8(au::LoadAUString(TauUpdaterText::PasswordRequest, TauUpdaterLanguage::wlChineseSimplified)),
              "远端的文档\"%s\"被密码保护，\n\n请输入您的帐号及密码[注册用户]来继续进行升级操作。");
}

TEST(auUpdaterTexts, ADefaultApplicationTitleShowsAsTheTitleThatStandsForIt) {
    EXPECT_EQ(au::UpdaterShownTitle(u"Tallyvane"), u"Tallyvane");
    EXPECT_EQ(au::UpdaterShownTitle(u"Project1"), u"<AppTitle>");
    EXPECT_EQ(au::UpdaterShownTitle(u"My Project1 build"), u"<AppTitle>");
}

} // namespace
