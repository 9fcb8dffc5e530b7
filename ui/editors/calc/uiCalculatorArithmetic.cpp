#include "ui/editors/calc/uiCalculatorArithmetic.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/StringUtils.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/text/numbers/uiTextEditNumberText.h"

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// Releases the display's lock of one button, telling whether the display changed, also when the button raised.
class TCalcDisplayLock {
public:
    explicit TCalcDisplayLock(TuiCalculatorArithmetic& calculator)
        : FCalculator(calculator), FText(calculator.GetDisplayText()) {
        FCalculator.LockDisplayChanges(true, true);
    }
    ~TCalcDisplayLock() { FCalculator.LockDisplayChanges(false, FCalculator.GetDisplayText() != FText); }
    TCalcDisplayLock(const TCalcDisplayLock&) = delete;
    TCalcDisplayLock& operator=(const TCalcDisplayLock&) = delete;

private:
    TuiCalculatorArithmetic& FCalculator;
    rtl::UnicodeString FText;
};

} // namespace

rtl::UnicodeString CalcDisplayText(long double value, int32_t precision, const rtl::TFormatSettings& settings) {
    return rtl::FloatToStrF(value, rtl::TFloatFormat::ffGeneral, std::max(precision, 2), 0, settings);
}

long double TuiCalculatorArithmetic::GetDisplayValue() {
    if (FEntryState == cesError) {
        return 0;
    }
    const rtl::TFormatSettings& settings = rtl::FormatSettings();
    rtl::UnicodeString text = rtl::Trim(GetDisplayText());
    RemoveThousandSeparators(text, settings);
    long double value = 0;
    return !text.empty() && rtl::TryStrToExtended(text, value, settings) ? value : 0;
}

void TuiCalculatorArithmetic::SetDisplayValue(long double value) {
    const rtl::UnicodeString text = CalcDisplayText(value, FPrecision, rtl::FormatSettings());
    if (text == GetDisplayText()) {
        return;
    }
    SetDisplayText(text);
    DisplayChanged();
}

void TuiCalculatorArithmetic::BeginNumber() {
    if (FEntryState == cesResult) {
        FEntryState = cesNumber;
        SetDisplayValue(0);
    }
}

void TuiCalculatorArithmetic::ClearEntry() {
    FEntryState = cesResult;
    SetDisplayValue(0);
    FLastOperator = cbkEquals;
}

void TuiCalculatorArithmetic::ShowError() {
    FEntryState = cesError;
    SetDisplayText(LoadResStringText(suiSCalcError));
    if (FBeepOnError) {
        ErrorBeep();
    }
}

void TuiCalculatorArithmetic::ResetState() {
    FLastOperator = cbkEquals;
    FEntryState = cesResult;
    FMemory = 0;
    MemoryChanged();
}

bool TuiCalculatorArithmetic::AcceptsResult(long double value) const {
    return std::isfinite(value);
}

void TuiCalculatorArithmetic::ShowResult(long double value) {
    if (AcceptsResult(value)) {
        SetDisplayValue(value);
    } else {
        ShowError();
    }
}

void TuiCalculatorArithmetic::PasteText(const rtl::UnicodeString& text) {
    const rtl::TFormatSettings& settings = rtl::FormatSettings();
    rtl::UnicodeString number = text;
    if (!settings.CurrencyString.empty()) {
        for (size_t at = number.find(settings.CurrencyString); at != rtl::UnicodeString::npos;
             at = number.find(settings.CurrencyString, at)) {
            number.erase(at, settings.CurrencyString.size());
        }
    }
    long double value = 0;
    if (!rtl::TryStrToExtended(rtl::Trim(number), value, settings)) {
        value = 0;
    }
    FEntryState = cesNumber;
    ShowResult(value);
}

void TuiCalculatorArithmetic::ButtonAction(TuiCalcButtonKind kind) {
    ButtonPressed(kind);
    if (kind >= cbkNone) {
        return;
    }
    if (FEntryState == cesError && kind != cbkClearEntry && kind != cbkClear) {
        ShowError();
        return;
    }
    const TCalcDisplayLock lock(*this);
    Act(kind);
}

void TuiCalculatorArithmetic::Act(TuiCalcButtonKind kind) {
    if (IsCalcDigit(kind)) {
        AppendDigit(static_cast<char16_t>(u'0' + (kind - cbkDigit0)));
        return;
    }
    switch (kind) {
    case cbkBack:
        RemoveLastCharacter();
        return;
    case cbkClearEntry:
    case cbkClear:
        ClearEntry();
        return;
    case cbkMemoryClear:
        FMemory = 0;
        MemoryChanged();
        return;
    case cbkMemoryRecall:
        FEntryState = cesResult;
        BeginNumber();
        ShowResult(FMemory);
        return;
    case cbkMemoryStore:
    case cbkMemoryAdd:
        FEntryState = cesResult;
        FMemory = (kind == cbkMemoryAdd ? FMemory : 0) + GetDisplayValue();
        MemoryChanged();
        return;
    case cbkSign:
        ShowResult(-GetDisplayValue());
        return;
    case cbkDecimal:
        AppendDecimalSeparator();
        return;
    case cbkSqrt:
    case cbkReciprocal:
        ApplyFunction(kind);
        return;
    default:
        ApplyOperator(kind);
        return;
    }
}

void TuiCalculatorArithmetic::RemoveLastCharacter() {
    BeginNumber();
    const rtl::UnicodeString text = GetDisplayText();
    if (text.size() <= 1 || (text.size() == 2 && text[0] == u'-')) {
        SetDisplayText(u"0");
    } else {
        SetDisplayText(text.substr(0, text.size() - 1));
    }
}

// A number takes max(2, Precision) digits, one more after a leading minus.
void TuiCalculatorArithmetic::AppendDigit(char16_t digit) {
    BeginNumber();
    rtl::UnicodeString text = GetDisplayText();
    if (text == u"0") {
        text.clear();
    }
    const size_t minus = text.find(u'-');
    const size_t limit = std::max<size_t>(FPrecision, 2) + (minus == rtl::UnicodeString::npos ? 0 : minus + 1);
    if (text.size() < limit) {
        SetDisplayText(text + digit);
    } else if (FBeepOnError) {
        ErrorBeep();
    }
}

void TuiCalculatorArithmetic::AppendDecimalSeparator() {
    BeginNumber();
    const rtl::UnicodeString text = GetDisplayText();
    const char16_t separator = rtl::FormatSettings().DecimalSeparator;
    if (text.find(separator) == rtl::UnicodeString::npos) {
        SetDisplayText(text + separator);
    }
}

// A function of the display counts as typed while an arithmetic operator waits for its right operand.
void TuiCalculatorArithmetic::ApplyFunction(TuiCalcButtonKind kind) {
    FEntryState = IsCalcArithmeticOperator(FLastOperator) ? cesNumber : cesResult;
    const long double value = GetDisplayValue();
    if (kind == cbkSqrt) {
        value < 0 ? ShowError() : ShowResult(std::sqrt(value));
    } else {
        value == 0 ? ShowError() : ShowResult(1 / value);
    }
}

// A typed number completes the pending operator; without one the new operator replaces the pending one.
void TuiCalculatorArithmetic::ApplyOperator(TuiCalcButtonKind kind) {
    if (FEntryState == cesNumber) {
        FEntryState = cesResult;
        long double value = GetDisplayValue();
        if (kind == cbkPercent) {
            if (FLastOperator == cbkDivide || FLastOperator == cbkMultiply) {
                value /= 100;
            } else if (FLastOperator == cbkSubtract || FLastOperator == cbkAdd) {
                value = FOperand * value / 100;
            }
        }
        switch (FLastOperator) {
        case cbkDivide:
            value == 0 ? ShowError() : ShowResult(FOperand / value);
            break;
        case cbkMultiply:
            ShowResult(FOperand * value);
            break;
        case cbkSubtract:
            ShowResult(FOperand - value);
            break;
        case cbkAdd:
            ShowResult(FOperand + value);
            break;
        default:
            break;
        }
    }
    FLastOperator = kind;
    FOperand = GetDisplayValue();
    if (kind == cbkPercent || kind == cbkEquals) {
        ResultComputed();
    }
}

} // namespace ui
