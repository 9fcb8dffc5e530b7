#include "ui/editors/mask/modes/uiMaskEditCustomMode.h"

#include <algorithm>

namespace ui {

bool IsEditMaskBlank(rtl::UnicodeStringView mask) {
    return std::all_of(mask.begin(), mask.end(), [](char16_t character) {
        return character == u' ' || character == 0 || character == u'\t' || character == u'\n' || character == u'\f' ||
               character == u'\r';
    });
}

TuiMaskEditCustomMode::TuiMaskEditCustomMode(IuiMaskEditModeSite* site, const TuiMaskEditModeOptions& options)
    : FOptions(options), FSite(site) {}

TuiMaskEditCustomMode::~TuiMaskEditCustomMode() = default;

void TuiMaskEditCustomMode::SynchronizeEditValue() {
    if (!HasLiveEditor()) {
        return;
    }
    IuiMaskEditModeSite& site = Site();
    site.SetDisplayValue(site.ChangedByUser() ? FormatText(site.Text(), true) : site.PreparedDisplayValue());
}

void TuiMaskEditCustomMode::BeepIfAllowed() {
    if (FOptions.BeepOnError && FSite != nullptr) {
        FSite->Beep();
    }
}

} // namespace ui
