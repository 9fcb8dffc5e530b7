#include "ui/editors/calc/uiCalculatorArithmetic.h"

#include "rtl/numbers/FormatSettings.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

// A calculator whose display is a string, recording the owner's hooks.
class TRecordingCalculator : public TuiCalculatorArithmetic {
public:
    rtl::UnicodeString Display = u"0";
    int32_t Beeps = 0;
    int32_t MemoryChanges = 0;
    int32_t Results = 0;
    std::vector<bool> Unlocks;

    rtl::UnicodeString GetDisplayText() override { return Display; }
    void SetDisplayText(const rtl::UnicodeString& text) override { Display = text; }
    void LockDisplayChanges(bool lock, bool notify) override {
        if (!lock) {
            Unlocks.push_back(notify);
        }
    }

    // Presses the buttons of the characters ('c' C, 'e' CE, 'b' Back, 's' +/-, 'r' 1/x, 'm' MS, 'p' M+, 'q' MR).
    void Press(const char16_t* keys) {
        for (const char16_t* key = keys; *key != 0; ++key) {
            ButtonAction(KindOf(*key));
        }
    }

protected:
    void ErrorBeep() override { ++Beeps; }
    void MemoryChanged() override { ++MemoryChanges; }
    void ResultComputed() override { ++Results; }

private:
    static TuiCalcButtonKind KindOf(char16_t key) {
        switch (key) {
        case u'c':
            return cbkClear;
        case u'e':
            return cbkClearEntry;
        case u'b':
            return cbkBack;
        case u's':
            return cbkSign;
        case u'r':
            return cbkReciprocal;
        case u'm':
            return cbkMemoryStore;
        case u'p':
            return cbkMemoryAdd;
        case u'q':
            return cbkMemoryRecall;
        default:
            return CalcButtonOfChar(key);
        }
    }
};

class uiCalculatorArithmetic : public ::testing::Test {
protected:
    void SetUp() override {
        FSaved = rtl::FormatSettings();
        rtl::FormatSettings() = rtl::TFormatSettings::Invariant();
    }
    void TearDown() override { rtl::FormatSettings() = FSaved; }

    TRecordingCalculator Calc;

private:
    rtl::TFormatSettings FSaved;
};

struct TKeysCase {
    const char16_t* Keys;
    const char16_t* Display;
};

TEST_F(uiCalculatorArithmetic, ButtonSequencesShowTheirResults) {
    const TKeysCase cases[] = {
        {u"2+3=", u"5"},
        // "=" again applies the pending "=", which leaves the result.
        {u"2+3==", u"5"},
        // 10 % of 200 is added; with "*" the percentage is the factor.
        {u"200+10%", u"220"},
        {u"50*10%", u"5"},
        // A second operator replaces the first.
        {u"5+*3=", u"15"},
        {u"7-9=", u"-2"},
        {u"1.5*4=", u"6"},
        {u"1/4=", u"0.25"},
        {u"9@", u"3"},
        {u"4r", u"0.25"},
        // A function of a typed right operand keeps the operator pending.
        {u"2+9@=", u"5"},
        {u"5s", u"-5"},
        // Typing after a result starts a new number.
        {u"2+3=7", u"7"},
        // Backspace: a lone digit after a minus and a last digit give way to 0, a longer number loses its last digit.
        {u"5sb", u"0"},
        {u"12b", u"1"},
        {u"2+3=b", u"0"},
        {u"1.b", u"1"},
        // One decimal separator.
        {u"1..5", u"1.5"},
        // Memory: store, add, recall.
        {u"4m0q", u"4"},
        {u"4m6pcq", u"10"},
        {u"c", u"0"},
    };
    for (const TKeysCase& c : cases) {
        TRecordingCalculator calc;
        calc.Press(c.Keys);
        EXPECT_EQ(rtl::UnicodeString(c.Display), calc.Display) << rtl::UnicodeString(c.Keys).size();
        EXPECT_EQ(0, calc.Beeps);
    }
}

TEST_F(uiCalculatorArithmetic, ErrorsBeepOnceAndOnlyClearKeysLeaveThem) {
    for (const char16_t* keys : {u"1/0=", u"4s@", u"0r"}) {
        TRecordingCalculator calc;
        calc.Press(keys);
        EXPECT_EQ(cesError, calc.EntryState());
        EXPECT_EQ(u"Error", calc.Display);
        EXPECT_EQ(1, calc.Beeps);
        EXPECT_EQ(0, calc.GetDisplayValue());
    }
    Calc.Press(u"1/0=");
    Calc.Press(u"5+m");
    EXPECT_EQ(u"Error", Calc.Display);
    EXPECT_EQ(0, Calc.Memory());
    Calc.Press(u"e");
    EXPECT_EQ(cesResult, Calc.EntryState());
    EXPECT_EQ(u"0", Calc.Display);
    Calc.Press(u"1/0=c");
    EXPECT_EQ(u"0", Calc.Display);
    Calc.SetBeepOnError(false);
    const int32_t beeps = Calc.Beeps;
    Calc.Press(u"0r");
    EXPECT_EQ(beeps, Calc.Beeps);
}

TEST_F(uiCalculatorArithmetic, PrecisionLimitsTheDigitsTyped) {
    struct TCase {
        uint8_t Precision;
        bool Negative;
        size_t Length;
    };
    for (const TCase c : {TCase{15, false, 15}, {15, true, 16}, {0, false, 2}, {1, false, 2}, {1, true, 3}}) {
        TRecordingCalculator calc;
        calc.SetPrecision(c.Precision);
        calc.Press(c.Negative ? u"1s" : u"1");
        for (int32_t i = 0; i < 20; ++i) {
            calc.Press(u"2");
        }
        EXPECT_EQ(c.Length, calc.Display.size()) << int32_t{c.Precision};
        EXPECT_EQ(20 - (c.Length - (c.Negative ? 2 : 1)), calc.Beeps);
    }
}

TEST_F(uiCalculatorArithmetic, MemoryChangesAreAnnounced) {
    Calc.Press(u"m");
    EXPECT_EQ(0, Calc.Memory());
    EXPECT_EQ(1, Calc.MemoryChanges);
    Calc.Press(u"4p");
    EXPECT_EQ(4, Calc.Memory());
    EXPECT_EQ(2, Calc.MemoryChanges);
    Calc.ButtonAction(cbkMemoryClear);
    EXPECT_EQ(0, Calc.Memory());
    EXPECT_EQ(3, Calc.MemoryChanges);
}

TEST_F(uiCalculatorArithmetic, EachButtonIsOneDisplayBracket) {
    Calc.Press(u"12+=");
    EXPECT_EQ((std::vector<bool>{true, true, false, false}), Calc.Unlocks);
    EXPECT_EQ(1, Calc.Results);
    Calc.Press(u"5%");
    EXPECT_EQ(2, Calc.Results);
}

TEST_F(uiCalculatorArithmetic, UnreadableDisplaysReadZero) {
    for (const char16_t* text : {u"-", u"", u"abc", u" 1,234.5 "}) {
        Calc.Display = text;
        Calc.ResetState();
        Calc.Press(u"+");
        EXPECT_EQ(text == rtl::UnicodeString(u" 1,234.5 ") ? 1234.5L : 0.0L, Calc.Operand());
    }
    // A lone "-" typed into an editor's display, then "+": the operand is 0, nothing raises.
    Calc.Display = u"-";
    Calc.Press(u"+2=");
    EXPECT_EQ(u"2", Calc.Display);
}

TEST_F(uiCalculatorArithmetic, PastedTextsLoseTheCurrencyString) {
    rtl::FormatSettings().CurrencyString = u"$";
    Calc.PasteText(u" $12.5 ");
    EXPECT_EQ(u"12.5", Calc.Display);
    EXPECT_EQ(cesNumber, Calc.EntryState());
    Calc.Press(u"+1=");
    EXPECT_EQ(u"13.5", Calc.Display);
    Calc.PasteText(u"twelve");
    EXPECT_EQ(u"0", Calc.Display);
}

TEST_F(uiCalculatorArithmetic, TheLocalesDecimalSeparatorIsTyped) {
    rtl::FormatSettings().DecimalSeparator = u',';
    rtl::FormatSettings().ThousandSeparator = u'.';
    Calc.Press(u"1.5*2=");
    EXPECT_EQ(u"3", Calc.Display);
    Calc.Press(u"1,25");
    EXPECT_EQ(u"1,25", Calc.Display);
    EXPECT_EQ(1.25L, Calc.GetDisplayValue());
}

// An owner that takes only doubles shows the error for what overflows them.
class TDoubleCalculator : public TRecordingCalculator {
protected:
    bool AcceptsResult(long double value) const override { return value < 1.7E308L; }
};

TEST_F(uiCalculatorArithmetic, ResultsTheOwnerRefusesShowTheError) {
    TDoubleCalculator calc;
    calc.PasteText(u"1E200");
    calc.Press(u"*");
    calc.PasteText(u"1E200");
    calc.Press(u"=");
    EXPECT_EQ(u"Error", calc.Display);
    EXPECT_EQ(1, calc.Beeps);
}

} // namespace
} // namespace ui
