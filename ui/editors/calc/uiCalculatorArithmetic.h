#pragma once
// The calculator's working (portable): what each button does to the display, the pending operator, the left
// operand and the memory register. Numbers are 80-bit values; the display text, which the owner supplies through
// GetDisplayText and SetDisplayText, is the interface between steps, so a display the owner shows (an editor's own
// text) is read back as it stands. The owner hears of each step through the protected hooks.

#include "rtl/text/StringTypes.h"
#include "ui/editors/calc/uiCalculatorKeypad.h"

#include <cstdint>

namespace rtl {
struct TFormatSettings;
} // namespace rtl

namespace ui {

// What the display holds: a result (the next digit starts a new number), a number being typed, or the error.
enum TuiCalcEntryState : uint8_t { cesResult, cesNumber, cesError };

// The display text of a value: the shortest decimal text with at most max(2, precision) significant digits (18 at
// most), in the settings' decimal separator, exponent notation for very large and very small magnitudes.
rtl::UnicodeString CalcDisplayText(long double value, int32_t precision, const rtl::TFormatSettings& settings);

class TuiCalculatorArithmetic {
public:
    virtual ~TuiCalculatorArithmetic() = default;

    // The display's text; the owner keeps it.
    virtual rtl::UnicodeString GetDisplayText() = 0;
    virtual void SetDisplayText(const rtl::UnicodeString& text) = 0;
    // Each button's changes of the display are one bracket; the unlock tells whether the display changed.
    virtual void LockDisplayChanges(bool /*lock*/, bool /*notify*/) {}

    // The display as a number: 0 in the error state and for a text that reads as no number (a lone "-"); an empty
    // text is 0; thousand separators are skipped.
    long double GetDisplayValue();
    // Writes the value's display text when it differs from the display, then DisplayChanged.
    void SetDisplayValue(long double value);
    // A result on the display gives way to a new number "0".
    void BeginNumber();
    // The display 0 as a result, no pending operator.
    void ClearEntry();
    // The error state, its text on the display, and a beep with BeepOnError.
    void ShowError();
    // No pending operator, a result on the display, the memory 0.
    void ResetState();
    // Runs a button as a press of the user does (ButtonPressed may change the kind first). In the error state only
    // "CE" and "C" act; every other button shows the error again.
    void ButtonAction(TuiCalcButtonKind kind);
    // A pasted text as the number being typed: the settings' currency string removed and blanks trimmed; a text that
    // is no number gives 0, a value the owner does not accept the error.
    void PasteText(const rtl::UnicodeString& text);

    long double Memory() const { return FMemory; }
    TuiCalcButtonKind LastOperator() const { return FLastOperator; }
    long double Operand() const { return FOperand; }
    TuiCalcEntryState EntryState() const { return FEntryState; }
    uint8_t Precision() const { return FPrecision; }
    void SetPrecision(uint8_t value) { FPrecision = value; }
    bool BeepOnError() const { return FBeepOnError; }
    void SetBeepOnError(bool value) { FBeepOnError = value; }

protected:
    // Hooks: before a button acts (it may change the kind), after SetDisplayValue changed the display, after "%" or
    // "=" acted, after the memory changed, and the error beep.
    virtual void ButtonPressed(TuiCalcButtonKind& /*kind*/) {}
    virtual void DisplayChanged() {}
    virtual void ResultComputed() {}
    virtual void MemoryChanged() {}
    virtual void ErrorBeep() {}
    // Whether a computed value may show; any other shows the error. Here every finite value.
    virtual bool AcceptsResult(long double value) const;

private:
    void Act(TuiCalcButtonKind kind);
    void RemoveLastCharacter();
    void AppendDigit(char16_t digit);
    void AppendDecimalSeparator();
    void ApplyFunction(TuiCalcButtonKind kind);
    void ApplyOperator(TuiCalcButtonKind kind);
    // The value on the display as a result, or the error when it may not show.
    void ShowResult(long double value);

    long double FMemory = 0;
    long double FOperand = 0;
    TuiCalcButtonKind FLastOperator = cbkEquals;
    TuiCalcEntryState FEntryState = cesResult;
    uint8_t FPrecision = 15;
    bool FBeepOnError = true;
};

} // namespace ui
