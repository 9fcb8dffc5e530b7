// The upgrade component's string blocks and the choice of a block.

#include "upgrade/auUpdaterTexts.h"

#include "rtl/WindowsApi.h"
#include "vcl/resources/ResourceStream.h"

#include <array>

namespace au {

namespace {

constexpr uint32_t FirstBlockBase = 40950;
constexpr uint32_t BlockSize = 50;

// The primary language identifier of each language, in the order of the blocks (wlAuto first, with none).
constexpr std::array<uint16_t, UpdaterLanguageCount> PrimaryLanguages{
    0,    0x09, 0x19, 0x07, 0x0C, 0x0A, 0x16, 0x16, 0x10, 0x13, 0x06, 0x1D, 0x0B,
    0x25, 0x22, 0x05, 0x0E, 0x18, 0x03, 0x2D, 0x36, 0x04, 0x04, 0x21, 0x3E, 0x0F,
};
constexpr uint16_t PrimaryPortuguese = 0x16;
constexpr uint16_t PrimaryChinese = 0x04;
constexpr uint16_t SublanguageBrazilian = 1;
constexpr uint16_t SublanguageSimplified = 2;

} // namespace

TauUpdaterLanguage UpdaterLanguageOf(uint16_t languageId) {
    const uint16_t primary = languageId & 0x3FF;
    const uint16_t sublanguage = languageId >> 10;
    if (primary == PrimaryPortuguese) {
        return sublanguage == SublanguageBrazilian ? TauUpdaterLanguage::wlPortugueseBrazilian
                                                   : TauUpdaterLanguage::wlPortuguese;
    }
    if (primary == PrimaryChinese) {
        return sublanguage == SublanguageSimplified ? TauUpdaterLanguage::wlChineseSimplified
                                                    : TauUpdaterLanguage::wlChineseTraditional;
    }
    for (int index = 1; index < UpdaterLanguageCount; ++index) {
        if (PrimaryLanguages[static_cast<size_t>(index)] == primary) {
            return static_cast<TauUpdaterLanguage>(index);
        }
    }
    return TauUpdaterLanguage::wlEnglish;
}

TauUpdaterLanguage ResolveUpdaterLanguage(TauUpdaterLanguage language) {
    return language == TauUpdaterLanguage::wlAuto ? UpdaterLanguageOf(GetSystemDefaultLangID()) : language;
}

uint32_t UpdaterStringId(TauUpdaterText role, TauUpdaterLanguage language) {
    return FirstBlockBase + BlockSize * static_cast<uint32_t>(ResolveUpdaterLanguage(language)) +
           static_cast<uint32_t>(role);
}

rtl::UnicodeString LoadAUString(TauUpdaterText role, TauUpdaterLanguage language) {
    return vcl::LoadStr(UpdaterStringId(role, language));
}

rtl::UnicodeString FormatAUString(TauUpdaterText role, std::initializer_list<rtl::TFormatArg> arguments,
                                  TauUpdaterLanguage language) {
    return rtl::Format(LoadAUString(role, language), arguments);
}

rtl::UnicodeString UpdaterShownTitle(const rtl::UnicodeString& title) {
    const rtl::UnicodeString defaultWord = vcl::LoadStr(DefaultTitleWordStringId);
    return !defaultWord.empty() && title.find(defaultWord) != rtl::UnicodeString::npos ? vcl::LoadStr(AppTitleStringId)
                                                                                       : title;
}

} // namespace au
