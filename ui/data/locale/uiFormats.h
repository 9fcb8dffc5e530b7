#pragma once
// The format controller: the one place that turns the locale's short date, long time and currency formats into what
// the editors need (element lists, input masks, regular expressions, display formats, the currency display format).
// It reads them again when the system reports a change of the regional settings and then tells its listeners, so
// that editors rebuild their masks. One controller serves the process (GetFormatController); while it lives it
// listens to the resource-string repository, since the smart-date words of its patterns are library texts.

#include "rtl/core/Interfaces.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/StringTypes.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/data/locale/uiFormatElements.h"
#include "ui/data/locale/uiSystemChangeWindow.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace ui {

// Told after the formats were read again because the regional settings changed.
class IuiFormatListener : public virtual rtl::IInterface {
public:
    static constexpr rtl::TGUID IID = rtl::GUIDLiteral(u"{8C1F3E52-6D0A-4B7E-9F21-3A5C7D9E0B14}");
    virtual void FormatChanged() = 0;

protected:
    ~IuiFormatListener() = default;
};

// Told when the system time changes; a format listener gets it when it also offers this interface.
class IuiTimeChangeListener : public virtual rtl::IInterface {
public:
    static constexpr rtl::TGUID IID = rtl::GUIDLiteral(u"{5E33A2A7-0C77-415F-A359-112103E54937}");
    virtual void TimeChanged() = 0;

protected:
    ~IuiTimeChangeListener() = default;
};

// The locale formats the date editors work with, read again on the system's notices (it is the sink of its own hidden
// window).
class TuiFormatController final : public TuiSystemChangeSink, public IuxResourceStringsListener {
public:
    // Reads the formats of the current locale (uiLocale.h); notifies nobody. Joins the repository's listeners, and
    // leaves them when it goes.
    TuiFormatController();
    ~TuiFormatController();
    TuiFormatController(const TuiFormatController&) = delete;
    TuiFormatController& operator=(const TuiFormatController&) = delete;

    // Listeners are not owned and take no reference; the first one makes the hidden window that receives the system's
    // notices, the last one to leave destroys it. Adding a listener twice keeps one entry.
    void AddListener(IuiFormatListener* listener);
    void RemoveListener(IuiFormatListener* listener);

    // Reads every format of the locale again.
    void ReadFormats();
    // The texts of the library changed (the smart-date words among them): reads again and tells the listeners.
    void TranslationChanged() override;

    // The runtime settings the formats were read from.
    const rtl::TFormatSettings& Settings() const { return FSettings; }
    const rtl::UnicodeString& CurrencyDisplayFormat() const { return FCurrencyDisplayFormat; }
    const rtl::UnicodeString& DateInputFormat() const { return FDateInputFormat; }
    const rtl::UnicodeString& StandardDateMask() const { return FStandardDateMask; }
    const rtl::UnicodeString& StandardDateTimeMask() const { return FStandardDateTimeMask; }
    const rtl::UnicodeString& DatePattern() const { return FDatePattern; }
    const rtl::UnicodeString& DateTimePattern() const { return FDateTimePattern; }
    const rtl::UnicodeString& MaskedDateDisplayFormat() const { return FMaskedDateDisplayFormat; }
    const rtl::UnicodeString& MaskedDateTimeDisplayFormat() const { return FMaskedDateTimeDisplayFormat; }
    const TuiDateTimeFormatInfo& DateElements() const { return FDateElements; }
    const TuiDateTimeFormatInfo& DateTimeElements() const { return FDateTimeElements; }
    const TuiDateTimeFormatInfo& TimeElements() const { return FTimeElements; }

    // Off by default: the date functions use the locale's calendar and formatting; on, the runtime's settings.
    bool UseRuntimeDateFormats() const { return FUseRuntimeDateFormats; }
    void SetUseRuntimeDateFormats(bool value) { FUseRuntimeDateFormats = value; }
    // The first-week rule the calendar editors use; 0 = the system's rule.
    uint8_t WeekOfYearRule() const { return FWeekOfYearRule; }
    void SetWeekOfYearRule(uint8_t value) { FWeekOfYearRule = value; }
    // 0 = Sunday .. 6 = Saturday, read from the locale on every call.
    int32_t StartOfWeekDay() const;

    // Whether a change of the regional settings is followed (the application's switch); followed when unset.
    void SetUpdateFormatSettingsSwitch(std::function<bool()> isOn) { FUpdateFormatSettingsSwitch = std::move(isOn); }
    // Where an exception raised while a notice is handled goes (the application's exception handler); dropped when
    // unset.
    void SetNoticeExceptionHandler(std::function<void(std::exception_ptr)> handler) {
        FNoticeExceptionHandler = std::move(handler);
    }
    // The hidden window, nullptr while there are no listeners.
    const TuiSystemChangeWindow* SystemChangeWindow() const { return FWindow.get(); }

    // The regional settings changed: unless the switch is off, the runtime reads its settings again, the formats are
    // read again and every listener is told.
    void RegionalSettingsChanged() override;
    // Tells the listeners that offer IuiTimeChangeListener.
    void SystemTimeChanged() override;
    void HandleNoticeException(std::exception_ptr error) noexcept override;

private:
    // Tells every listener, in order, skipping those that left while earlier ones were told.
    void NotifyListeners(const std::function<void(IuiFormatListener&)>& notify);
    bool IsListening(IuiFormatListener* listener) const;

    rtl::TFormatSettings FSettings;
    rtl::UnicodeString FCurrencyDisplayFormat;
    rtl::UnicodeString FDateInputFormat;
    rtl::UnicodeString FStandardDateMask;
    TuiDateTimeFormatInfo FDateElements;
    TuiDateTimeFormatInfo FDateTimeElements;
    uint8_t FWeekOfYearRule = 0;
    std::vector<IuiFormatListener*> FListeners;
    rtl::UnicodeString FMaskedDateDisplayFormat;
    rtl::UnicodeString FMaskedDateTimeDisplayFormat;
    rtl::UnicodeString FDatePattern;
    rtl::UnicodeString FDateTimePattern;
    rtl::UnicodeString FStandardDateTimeMask;
    TuiDateTimeFormatInfo FTimeElements;
    bool FUseRuntimeDateFormats = false;
    std::unique_ptr<TuiSystemChangeWindow> FWindow;
    std::function<bool()> FUpdateFormatSettingsSwitch;
    std::function<void(std::exception_ptr)> FNoticeExceptionHandler;
};

// The process's controller, made on first use.
TuiFormatController& GetFormatController();
// Frees the process's controller (at shutdown, or to read a replaced locale afresh).
void FreeFormatController();

} // namespace ui
