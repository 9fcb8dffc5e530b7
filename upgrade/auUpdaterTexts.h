#pragma once
// The upgrade component's texts: one block of 31 strings per language, chosen by the user's interface language.
// English and Simplified Chinese are here so far; every other language reads English.

#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace au {

enum class TauUpdaterLanguage : uint8_t { wlAuto, wlEnglish, wlChineseSimplified };

// The roles of the strings in a block.
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
    MissingFile = 28,
    PasswordRequest = 29,
    AbortQuestion = 27,
    ConnectionLost = 30,
};

// The language wlAuto stands for here: Simplified Chinese for a Chinese user interface, else English.
TauUpdaterLanguage ResolveUpdaterLanguage(TauUpdaterLanguage language);
rtl::UnicodeString UpdaterText(TauUpdaterText role, TauUpdaterLanguage language = TauUpdaterLanguage::wlAuto);

} // namespace au
