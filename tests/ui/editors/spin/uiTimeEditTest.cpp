#include "ui/editors/spin/uiTimeEdit.h"

#include "rtl/core/Exceptions.h"
#include "rtl/time/DateTime.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/ServiceDoubles.h"
#include "tests/ui/editors/spin/SpinEditTestSupport.h"
#include "ui/data/dates/uiDateClock.h"
#include "ui/data/locale/uiFormats.h"
#include "ui/editors/filter/uiFilterEditHelper.h"
#include "ui/editors/framework/strings/uiEditConsts.h"

namespace {

using ui::TuiTimeEdit;

// A time editor with the invariant settings' "AM" and "PM", its unit started so that the 12-hour masks follow them.
class TimeEditTest : public ui_test::TEditorFormTest<TuiTimeEdit> {
protected:
    // The unit listens to the formats before any editor does, as in the program.
    void SetUp() override {
        ui::InitializeTimeEditUnit();
        TEditorFormTest::SetUp();
        ui::TimeEditFormats().UpdateTwelveHourMasks(rtl::FormatSettings());
    }
    void TearDown() override {
        TEditorFormTest::TearDown();
        ui::FinalizeTimeEditUnit();
        ui::TimeEditFormats().UpdateTwelveHourMasks(rtl::FormatSettings());
    }
    ui::TuiTimeEditProperties& Properties() const { return Edit->TimeEditProperties(); }
    rtl::UnicodeString Shown() const { return Edit->GetDisplayText(); }
    // Focused with the caret's character at position selected.
    void FocusAt(int32_t position) {
        Focus();
        Edit->SetSelStart(position);
        Edit->SetSelLength(1);
    }
    static rtl::TDateTime At(int32_t hour, int32_t minute, int32_t second = 0) {
        return rtl::EncodeTime(hour, minute, second, 0);
    }
};

TEST_F(TimeEditTest, TheKeysStepThePartUnderTheCaretAndSelectItsSecondDigit) {
    Edit->SetTime(At(10, 59));
    FocusAt(3);
    Press(VK_UP);
    EXPECT_EQ(Shown(), u"11:00:00") << "60 seconds on the whole value";
    EXPECT_EQ(Edit->SelStart(), 4);
    EXPECT_EQ(Edit->SelLength(), 1);
    Press(VK_PRIOR);
    EXPECT_EQ(Shown(), u"11:10:00") << "the large increment counts in the part too";
    FocusAt(7);
    Press(VK_DOWN);
    EXPECT_EQ(Shown(), u"11:09:59");
    EXPECT_EQ(Edit->SelStart(), 7);
}

TEST_F(TimeEditTest, StepsPastTheDayChangeNothingUnlessCircular) {
    Edit->SetTime(At(23, 0));
    FocusAt(0);
    Press(VK_UP);
    EXPECT_EQ(Shown(), u"23:00:00");
    Properties().SetCircular(true);
    FocusAt(0);
    Press(VK_UP);
    EXPECT_EQ(Shown(), u"00:00:00");
    Press(VK_DOWN);
    EXPECT_EQ(Shown(), u"23:00:00");
}

TEST_F(TimeEditTest, TypedDigitsAreCorrectedForTheirPart) {
    Edit->SetTime(At(13, 0));
    FocusAt(3);
    Type(u"7");
    EXPECT_EQ(Shown(), u"13:07:00") << "a first minute digit above 5";
    EXPECT_EQ(Edit->SelStart(), 6) << "the caret goes on to the seconds";
    Type(u"45");
    EXPECT_EQ(Shown(), u"13:07:45");
    FocusAt(0);
    Type(u"3");
    EXPECT_EQ(Shown(), u"03:07:45");
    EXPECT_EQ(Edit->SelStart(), 3);
    FocusAt(1);
    Type(u"5");
    EXPECT_EQ(Shown(), u"05:07:45");
    FocusAt(0);
    Type(u"2");
    EXPECT_EQ(Shown(), u"20:07:45") << "a first digit that leaves no hour takes '0' after it";
    EXPECT_EQ(Edit->SelStart(), 1);
    FocusAt(1);
    Type(u"7");
    EXPECT_EQ(Shown(), u"07:07:45") << "the first digit becomes '0'";
    FocusAt(4);
    Press(VK_DELETE);
    EXPECT_EQ(Shown(), u"07:00:45") << "a deleted digit becomes '0'";
}

TEST_F(TimeEditTest, TheTwelveHourDesignatorTogglesAndTakesItsFirstLetter) {
    Properties().SetUse24HourFormat(false);
    EXPECT_EQ(Properties().EditMask(), u"00:00:00 cc;1;0");
    Edit->SetTime(At(14, 30));
    FocusAt(9);
    EXPECT_EQ(Shown(), u"02:30:00 PM");
    Press(VK_UP);
    EXPECT_EQ(Shown(), u"02:30:00 AM");
    EXPECT_EQ(Edit->SelStart(), 9);
    EXPECT_EQ(Edit->SelLength(), 2) << "the designator selected";
    Press(VK_DOWN);
    EXPECT_EQ(Shown(), u"02:30:00 PM");
    FocusAt(9);
    Type(u"a");
    EXPECT_EQ(Shown(), u"02:30:00 AM");
    FocusAt(9);
    Type(u"p");
    EXPECT_EQ(Shown(), u"02:30:00 PM");
    FocusOther();
    EXPECT_NEAR(Edit->Time(), At(14, 30), 1e-9);
    FocusAt(0);
    Type(u"1");
    EXPECT_EQ(Shown(), u"12:30:00 PM") << "hours run from 1 to 12";
    FocusAt(0);
    Type(u"0");
    ui_test::TRecordedBeeps beeps;
    Properties().SetBeepOnError(true);
    FocusAt(1);
    Type(u"0");
    EXPECT_EQ(Shown(), u"02:30:00 PM") << "no hour 0 on the 12-hour clock";
    EXPECT_EQ(beeps.Beeps.size(), 1u);
}

TEST_F(TimeEditTest, AnEditedTimeKeepsTheDateAndItsSign) {
    const rtl::TDateTime day = rtl::EncodeDate(2026, 12, 8);
    for (const double date : {day, -1.0}) {
        SCOPED_TRACE(date);
        const double sign = date < 0 ? -1 : 1;
        Edit->SetEditValue(rtl::Variant::FromDateTime(date + sign * At(14, 30)));
        FocusAt(0);
        EXPECT_EQ(Shown(), u"14:30:00");
        Type(u"0915");
        EXPECT_EQ(Shown(), u"09:15:00");
        FocusOther();
        EXPECT_NEAR(rtl::VarToDateTime(Edit->EditValue()), date + sign * At(9, 15), 1e-9);
        EXPECT_NEAR(Edit->Time(), At(9, 15), 1e-9);
    }
}

TEST_F(TimeEditTest, AFormatNoticeRebuildsTheTwelveHourMasks) {
    Properties().SetUse24HourFormat(false);
    const rtl::UnicodeString saved = rtl::FormatSettings().TimePMString;
    rtl::FormatSettings().TimePMString = u"P M";
    ui::GetFormatController().TranslationChanged();
    EXPECT_EQ(Properties().EditMask(), u"00:00:00 c c;1;0");
    Properties().SetTimeFormat(ui::tfHourMin);
    EXPECT_EQ(Properties().EditMask(), u"00:00 c c;1;0");
    rtl::FormatSettings().TimePMString = saved;
    ui::GetFormatController().TranslationChanged();
    EXPECT_EQ(Properties().EditMask(), u"00:00 cc;1;0");
}

TEST(TimeEditProperties, NullShowsTheTimeZeroOnlyWhileEditingAndANonDateCannotShow) {
    ui::TuiTimeEditProperties properties(nullptr);
    rtl::Variant shown;
    properties.PrepareDisplayValue(rtl::Variant::Null(), shown, true);
    EXPECT_EQ(rtl::VarToStr(shown), u"00:00:00");
    properties.PrepareDisplayValue(rtl::Variant::Null(), shown, false);
    EXPECT_EQ(rtl::VarToStr(shown), u"");
    try {
        properties.PrepareDisplayValue(rtl::Variant::ArrayOf({rtl::Variant(1)}), shown, true);
        ADD_FAILURE() << "no error";
    } catch (const rtl::EConvertError& error) {
        EXPECT_EQ(error.Message(), u"Could not convert to time");
    }
    const ui::TuiClock saved = ui::SetClock([] { return rtl::EncodeTime(8, 5, 0, 0); });
    properties.PrepareDisplayValue(rtl::Variant(u"no time"), shown, true);
    ui::SetClock(saved);
    EXPECT_EQ(rtl::VarToStr(shown), u"08:05:00") << "a text that is no date shows the current time";
    properties.SetShowDate(true);
    properties.PrepareDisplayValue(rtl::Variant::FromDateTime(2.25), shown, false);
    EXPECT_NE(rtl::VarToStr(shown).find(u"6:00"), rtl::UnicodeString::npos);
    EXPECT_GT(rtl::VarToStr(shown).size(), 8u) << "with its date";
    EXPECT_EQ(rtl::VarToStr(properties.GetEmptyEditValue()), u"00:00:00");
}

TEST(TimeEditUnit, StartUpRegistersTheTimePropertiesAndTheirFilterHelper) {
    EXPECT_EQ(ui::LoadResStringText(ui::suiSEditRepositoryTimeItem),
              u"TimeEdit|Represents an editor displaying time values");
    ui::InitializeTimeEditUnit();
    ui::TuiRegisteredClasses& registry = ui::GetEditPropertiesRegistry();
    const int32_t index = registry.IndexOfClass(&ui::TuiTimeEditProperties::StaticClass());
    ASSERT_NE(index, -1);
    EXPECT_EQ(registry.GetDescriptionText(index), u"TimeEdit");
    const ui::TuiCustomFilterEditHelper* helper =
        ui::GetFilterEditsController().HelperForProperties(ui::TuiTimeEditProperties::StaticClass());
    ASSERT_EQ(helper, &ui::TuiFilterTimeEditHelper::Instance());
    ui::TuiTimeEditProperties source(nullptr);
    const ui::TuiFilterEditPtr editor = ui::CreateFilterEdit(*helper, source);
    auto* timeEdit = dynamic_cast<TuiTimeEdit*>(editor.get());
    ASSERT_NE(timeEdit, nullptr);
    EXPECT_EQ(timeEdit->EditValue().VarType(), rtl::varDate);
    EXPECT_EQ(rtl::VarToDateTime(timeEdit->EditValue()), 0);
    ui::FinalizeTimeEditUnit();
    EXPECT_EQ(registry.IndexOfClass(&ui::TuiTimeEditProperties::StaticClass()), -1);
}

TEST(SpinEditRepository, TheItemsHoldTheirEditorsPropertiesAndEditorsEditWithThem) {
    ui::TuiEditRepository repository(nullptr);
    auto* spinItem = static_cast<ui::TuiEditRepositorySpinItem*>(
        repository.CreateItem(ui::TuiEditRepositorySpinItem::StaticClass()));
    auto* timeItem = static_cast<ui::TuiEditRepositoryTimeItem*>(
        repository.CreateItem(ui::TuiEditRepositoryTimeItem::StaticClass()));
    EXPECT_NE(dynamic_cast<ui::TuiSpinEditProperties*>(&spinItem->Properties()), nullptr);
    EXPECT_NE(dynamic_cast<ui::TuiTimeEditProperties*>(&timeItem->Properties()), nullptr);
    auto& spinProperties = static_cast<ui::TuiSpinEditProperties&>(spinItem->Properties());
    spinProperties.SetIncrement(5);
    spinProperties.SetValueType(ui::vtInt);
    const auto form = ui_test::ShowNewTestForm();
    auto* spin = ui_test::PlaceOnForm<ui::TuiSpinEdit>(*form, 10, 10, 100, 21);
    spin->SetRepositoryItem(spinItem);
    spin->Spin(ui::sedUp);
    EXPECT_EQ(rtl::VarToInt64(spin->EditValue()), 5);
    EXPECT_THROW(spin->SetRepositoryItem(timeItem), ui::EuiEditError);
    auto* time = ui_test::PlaceOnForm<TuiTimeEdit>(*form, 10, 40, 100, 21);
    time->SetRepositoryItem(timeItem);
    EXPECT_EQ(time->GetDisplayText(), u"00:00:00");
}

} // namespace
