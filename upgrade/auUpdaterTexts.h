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
    ErrorCaption = 21,
    UpgradeQuestion = 23,
    NoNewerVersion = 24,
    NoInfoFile = 25,
    HostUnreachable = 26,
    MissingFile = 28,
    ConnectionLost = 30,
};

// The language wlAuto stands for here: Simplified Chinese for a Chinese user interface, else English.
TauUpdaterLanguage ResolveUpdaterLanguage(TauUpdaterLanguage language);
rtl::UnicodeString UpdaterText(TauUpdaterText role, TauUpdaterLanguage language = TauUpdaterLanguage::wlAuto);

} // namespace au
