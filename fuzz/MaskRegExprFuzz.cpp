// Compiles a mask regular expression from the input, then drives it as the mask editor does: accepts characters,
// steps back, rewinds, feeds texts and switches auto-completion and the letter case, at random. Any mask must compile
// or fail with its errors, and no step may crash, hang or grow memory without bound.
//
// Input: a flags byte (bit 0 case-insensitive, bit 1 auto-complete), the mask up to the first NUL byte, then the
// operations, one byte each (the low three bits choose), some followed by their characters. Bytes are characters
// 0-255.

#include "ui/editors/mask/regexpr/uiRegExpr.h"
#include "ui/editors/mask/regexpr/uiRegExprAutomat.h"
#include "ui/editors/mask/regexpr/uiRegExprSeparators.h"

#include <cstdlib>

namespace {

struct TFuzzSeparators : ui::IuiRegExprSeparators {
    char16_t Date = u'/';
    char16_t DateSeparator() const override { return Date; }
    char16_t TimeSeparator() const override { return u':'; }
    char16_t DecimalSeparator() const override { return u'.'; }
};

// The operations read; the input's length bounds them too, and each costs at most a walk over the mask's states.
constexpr int maxOperations = 1024;
constexpr size_t maxFedText = 8;

class TFuzzInput {
public:
    TFuzzInput(const uint8_t* data, size_t size) : FData(data), FSize(size) {}
    bool AtEnd() const { return FPosition >= FSize; }
    char16_t Next() { return AtEnd() ? 0 : FData[FPosition++]; }
    rtl::UnicodeString Text(size_t limit, bool stopAtNul) {
        rtl::UnicodeString text;
        while (!AtEnd() && text.size() < limit) {
            const char16_t character = Next();
            if (stopAtNul && character == 0) {
                break;
            }
            text += character;
        }
        return text;
    }

private:
    const uint8_t* FData;
    size_t FSize;
    size_t FPosition = 0;
};

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Without auto-completion a character taken is stepped back over exactly, and taken again.
void AcceptAndCheckStepBack(ui::TuiRegExpr& expression, char16_t character) {
    const bool wasFinal = expression.AtFinal();
    const bool wasStart = expression.AtStart();
    char16_t tested = character;
    if (!expression.Accept(tested) || expression.AutoComplete()) {
        return;
    }
    Require(expression.StepBack());
    Require(expression.AtFinal() == wasFinal && expression.AtStart() == wasStart);
    tested = character;
    Require(expression.Accept(tested));
}

void RunOperation(ui::TuiRegExpr& expression, TFuzzSeparators& separators, TFuzzInput& input) {
    rtl::UnicodeString accepted;
    switch (input.Next() % 8) {
    case 0:
    case 1:
    case 2:
        AcceptAndCheckStepBack(expression, input.Next());
        return;
    case 3:
        expression.StepBack();
        return;
    case 4:
        expression.Rewind();
        Require(expression.AtStart());
        return;
    case 5:
        expression.SetAutoComplete(!expression.AutoComplete());
        return;
    case 6:
        expression.SetCaseInsensitive(!expression.CaseInsensitive());
        separators.Date = input.Next();
        return;
    default:
        expression.AcceptText(input.Text(maxFedText, false), accepted);
        return;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TFuzzInput input(data, size);
    const char16_t flags = input.Next();
    TFuzzSeparators separators;
    ui::TuiRegExpr expression(separators);
    expression.SetCaseInsensitive((flags & 1) != 0);
    expression.SetAutoComplete((flags & 2) != 0);
    expression.SetOnSymbolInserted([](char16_t) {});
    expression.SetOnSymbolDeleted([] {});
    try {
        expression.Compile(input.Text(size, true));
    } catch (const ui::EuiRegExprError& error) {
        Require(&error.Errors() == &expression.Errors() && error.Errors().Count() > 0);
        return 0;
    }
    ui::DescribeAlts(expression.Automat()->Tree());
    for (int operation = 0; operation < maxOperations && !input.AtEnd(); ++operation) {
        RunOperation(expression, separators, input);
    }
    return 0;
}
