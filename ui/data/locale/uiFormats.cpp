#include "ui/data/locale/uiFormats.h"

#include "ui/data/locale/uiFormatPatterns.h"
#include "ui/data/locale/uiLocale.h"

#include <algorithm>

namespace ui {

namespace {

std::unique_ptr<TuiFormatController>& ProcessFormatController() {
    // The repository is made first, so that it outlives the controller, which leaves its listeners last.
    GetResourceStringsRepository();
    static std::unique_ptr<TuiFormatController> controller;
    return controller;
}

} // namespace

TuiFormatController::TuiFormatController() {
    ReadFormats();
    GetResourceStringsRepository().AddListener(this);
}

TuiFormatController::~TuiFormatController() {
    GetResourceStringsRepository().RemoveListener(this);
}

void TuiFormatController::AddListener(IuiFormatListener* listener) {
    if (!listener || IsListening(listener)) {
        return;
    }
    if (!FWindow) {
        FWindow = CreateSystemChangeWindow(*this);
    }
    FListeners.push_back(listener);
}

void TuiFormatController::RemoveListener(IuiFormatListener* listener) {
    std::erase(FListeners, listener);
    if (FListeners.empty()) {
        FWindow.reset();
    }
}

void TuiFormatController::ReadFormats() {
    FSettings = GetLocale().RuntimeFormats();
    FCurrencyDisplayFormat = BuildCurrencyFormat(FSettings);
    FDateInputFormat = BuildDateInputFormat(FSettings.ShortDateFormat);
    ParseDateTimeFormat(FSettings.ShortDateFormat, FSettings, FDateElements);
    ParseDateTimeFormat(FSettings.LongTimeFormat, FSettings, FTimeElements);
    ParseDateTimeFormat(FSettings.ShortDateFormat + u" " + FSettings.LongTimeFormat, FSettings, FDateTimeElements);
    FStandardDateMask = BuildStandardMask(FDateElements, FSettings);
    const rtl::UnicodeString datePattern = BuildDatePattern(FDateElements, FSettings);
    FDatePattern = AddSmartDateWords(datePattern, false);
    FDateTimePattern =
        AddSmartDateWords(datePattern + u" ' '(" + BuildTimePattern(FTimeElements, FSettings) + u")?", true);
    FStandardDateTimeMask = BuildStandardMask(FDateTimeElements, FSettings);
    FMaskedDateDisplayFormat = BuildMaskedDisplayFormat(FDateElements);
    FMaskedDateTimeDisplayFormat = BuildMaskedDisplayFormat(FDateTimeElements);
}

void TuiFormatController::TranslationChanged() {
    ReadFormats();
    NotifyListeners([](IuiFormatListener& listener) { listener.FormatChanged(); });
}

int32_t TuiFormatController::StartOfWeekDay() const {
    return GetFirstDayOfWeek();
}

void TuiFormatController::RegionalSettingsChanged() {
    if (FUpdateFormatSettingsSwitch && !FUpdateFormatSettingsSwitch()) {
        return;
    }
    GetLocale().RereadRuntimeFormats();
    TranslationChanged();
}

void TuiFormatController::SystemTimeChanged() {
    NotifyListeners([](IuiFormatListener& listener) {
        if (const auto timeListener = rtl::Supports<IuiTimeChangeListener>(&listener)) {
            timeListener->TimeChanged();
        }
    });
}

void TuiFormatController::HandleNoticeException(std::exception_ptr error) noexcept {
    if (!FNoticeExceptionHandler) {
        return;
    }
    try {
        FNoticeExceptionHandler(error);
    } catch (...) {
        // The handler is the last resort; nothing may leave the window procedure.
    }
}

void TuiFormatController::NotifyListeners(const std::function<void(IuiFormatListener&)>& notify) {
    const std::vector<IuiFormatListener*> snapshot = FListeners;
    for (IuiFormatListener* listener : snapshot) {
        if (IsListening(listener)) {
            notify(*listener);
        }
    }
}

bool TuiFormatController::IsListening(IuiFormatListener* listener) const {
    return std::find(FListeners.begin(), FListeners.end(), listener) != FListeners.end();
}

TuiFormatController& GetFormatController() {
    std::unique_ptr<TuiFormatController>& controller = ProcessFormatController();
    if (!controller) {
        controller = std::make_unique<TuiFormatController>();
    }
    return *controller;
}

void FreeFormatController() {
    ProcessFormatController().reset();
}

} // namespace ui
