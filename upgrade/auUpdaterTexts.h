#pragma once
// The upgrade component's texts: the string table auUpdaterStrings.rc holds a block of 31 strings for each of 25
// languages, the string of a role at 40950 + 50 x the language's index + the role, and three strings outside the
// blocks. wlAuto stands for the language of the system's default language identifier, English when no block has it.

#include "rtl/text/Format.h"
#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <initializer_list>

namespace au {

// The languages in the order of their blocks.
enum class TauUpdaterLanguage : uint8_t {
    wlAuto,
    wlEnglish,
    wlRussian,
    wlGerman,
    wlFrench,
    wlSpanish,
    wlPortuguese,
    wlPortugueseBrazilian,
    wlItalian,
    wlDutch,
    wlDanish,
    wlSwedish,
    wlFinnish,
    wlEstonian,
    wlUkrainian,
    wlCzech,
    wlHungarian,
    wlRomanian,
    wlCatalan,
    wlBasque,
    wlAfrikaans,
    wlChineseTraditional,
    wlChineseSimplified,
    wlIndonesian,
    wlMalay,
    wlIcelandic,
};
inline constexpr int UpdaterLanguageCount = static_cast<int>(TauUpdaterLanguage::wlIcelandic) + 1;

// The roles of the strings in a block; 15 ("&No") and 20 ("Warning") are in every block but unused here.
enum class TauUpdaterText : uint8_t {
    WizardCaption = 0,
    WizardDownloading = 1,
    WizardCompleted = 2,
    CurrentFile = 3,
    AllFiles = 4,
    DownloadingFileFrom = 5,
    FileSize = 6,
    TransferRate = 7,
    TimeLeft = 8,
    DownloadingNOfM = 9,
    FinalNote = 10,
    PasswordCaption = 11,
    UserNameLabel = 12,
    PasswordLabel = 13,
    UpgradeButton = 14,
    OKButton = 16,
    CancelButton = 17,
    NextButton = 18,
    LaterButton = 19,
    ErrorCaption = 21,
    Preparing = 22,
    UpgradeQuestion = 23,
    NoNewerVersion = 24,
    NoInfoFile = 25,
    HostUnreachable = 26,
    AbortQuestion = 27,
    MissingFile = 28,
    PasswordRequest = 29,
    ConnectionLost = 30,
};
inline constexpr int UpdaterTextRoles = 31;

// The strings outside the blocks: the title shown in place of a default application title, the word that marks such
// a title, and the wizard's engraved caption.
inline constexpr uint32_t AppTitleStringId = 40997;
inline constexpr uint32_t DefaultTitleWordStringId = 40998;
inline constexpr uint32_t EngravedCaptionStringId = 40999;

// The language whose block a language identifier chooses (primary language in its low 10 bits, sublanguage above):
// Portuguese of Brazil (sublanguage 1) or of Portugal, Simplified Chinese (sublanguage 2) or else Traditional, any
// other the first language of the list with that primary language; English when none has it.
TauUpdaterLanguage UpdaterLanguageOf(uint16_t languageId);
// language itself, or for wlAuto the language of the system's default language identifier.
TauUpdaterLanguage ResolveUpdaterLanguage(TauUpdaterLanguage language);
// The string-table identifier of role in language's block (wlAuto resolved).
uint32_t UpdaterStringId(TauUpdaterText role, TauUpdaterLanguage language);

// The string of role in language's block.
rtl::UnicodeString LoadAUString(TauUpdaterText role, TauUpdaterLanguage language = TauUpdaterLanguage::wlAuto);
// That string formatted with arguments.
rtl::UnicodeString FormatAUString(TauUpdaterText role, std::initializer_list<rtl::TFormatArg> arguments,
                                  TauUpdaterLanguage language = TauUpdaterLanguage::wlAuto);
// title as the questions name the program: the title of AppTitleStringId when title holds the default-title word.
rtl::UnicodeString UpdaterShownTitle(const rtl::UnicodeString& title);

} // namespace au
