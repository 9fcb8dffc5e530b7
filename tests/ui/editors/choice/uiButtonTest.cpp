// The push button as a user drives it: colours by state and their fallbacks, speed-button groups, clicks, and the
// painted faces on 32-bit DIBs.

#include "ui/editors/choice/uiButton.h"

#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/choice/ButtonTestSupport.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::Rgb;

TEST(uiButtonColors, UnassignedStatesFallBack) {
    TuiButtonColors colors(nullptr);
    EXPECT_EQ(colors.GetColor(uibsHot), vcl::clDefault);
    colors.SetColor(uibcDefault, vcl::clRed);
    EXPECT_EQ(colors.GetColor(uibsNormal), vcl::clRed);
    EXPECT_EQ(colors.GetColor(uibsHot), vcl::clDefault);
    colors.SetColor(uibcNormal, vcl::clBlue);
    const struct {
        TuiButtonState State;
        vcl::TColor Color;
    } cases[] = {{uibsDefault, vcl::clRed},
                 {uibsNormal, vcl::clBlue},
                 {uibsHot, vcl::clBlue},
                 {uibsPressed, vcl::clBlue},
                 {uibsDisabled, vcl::clBlue}};
    for (const auto& c : cases) {
        EXPECT_EQ(colors.GetColor(c.State), c.Color) << int(c.State);
    }
    colors.SetColor(uibcHot, vcl::clLime);
    EXPECT_EQ(colors.GetColor(uibsHot), vcl::clLime);
    colors.SetColor(uibcHot, vcl::clNone);
    EXPECT_FALSE(colors.IsAssigned(uibcHot));
    EXPECT_EQ(colors.GetColor(uibsHot), vcl::clBlue);

    colors.SetColor(uibcNormalText, vcl::clYellow);
    EXPECT_EQ(colors.GetTextColor(uibsPressed), vcl::clYellow);
    TuiButtonColors copy(nullptr);
    copy.Assign(&colors);
    EXPECT_EQ(copy.GetColor(uibsDefault), vcl::clRed);
    EXPECT_TRUE(copy.IsAssigned(uibcNormalText));
}

class uiButtonOnForm : public testing::Test {
protected:
    ui_test::TFormPtr<vcl::TForm> Form = ui_test::ShowNewTestForm(320, 120);

    TuiButton& AddButton(int left) {
        auto* button = new TuiButton(Form.get());
        button->SetParent(Form.get());
        button->SetBounds(left, 10, 80, 30);
        button->SetCaption(u"OK");
        return *button;
    }
    vcl::TColor CentreAfterPaint(TuiButton& button) {
        ui_test::TDibSurface surface(button.Width(), button.Height());
        ui_test::PaintControl(button, surface);
        return surface.Pixel(4, button.Height() - 5);
    }
};

TEST_F(uiButtonOnForm, GroupIndexZeroNeverStaysDown) {
    TuiButton& button = AddButton(10);
    button.SetDown(true);
    EXPECT_FALSE(button.Down());
    ui_test::Click(button, {40, 15});
    EXPECT_FALSE(button.Down());
}

TEST_F(uiButtonOnForm, PressingAGroupMemberReleasesTheOther) {
    TuiButton& first = AddButton(10);
    TuiButton& second = AddButton(100);
    first.SetGroupIndex(1);
    second.SetGroupIndex(1);
    first.SetDown(true);
    EXPECT_TRUE(first.Down());
    second.SetDown(true);
    EXPECT_TRUE(second.Down());
    EXPECT_FALSE(first.Down());

    second.SetDown(false);
    EXPECT_TRUE(second.Down()) << "a down button of a group without AllowAllUp stays down";
    ui_test::Click(second, {40, 15});
    EXPECT_TRUE(second.Down());

    second.SetAllowAllUp(true);
    EXPECT_TRUE(first.AllowAllUp()) << "the group shares AllowAllUp";
    second.SetDown(false);
    EXPECT_FALSE(second.Down());
}

TEST_F(uiButtonOnForm, ANonFocusableSpeedButtonTogglesWithoutTakingTheFocus) {
    TuiButton& button = AddButton(10);
    button.SetGroupIndex(2);
    button.SetAllowAllUp(true);
    button.SetCanBeFocused(false);
    int clicks = 0;
    button.SetOnClick([&](rtl::TObject*) { ++clicks; });
    ui_test::MouseMove(button, {40, 15});
    ui_test::Click(button, {40, 15});
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(button.Down());
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button.Focused());
    ui_test::Click(button, {40, 15});
    EXPECT_FALSE(button.Down());
}

TEST_F(uiButtonOnForm, PaintsTheFaceColourOfItsState) {
    TuiButton& button = AddButton(10);
    button.Colors().SetColor(uibcNormal, vcl::clRed);
    button.Colors().SetColor(uibcDisabled, vcl::clLime);
    EXPECT_EQ(CentreAfterPaint(button), Rgb(vcl::clRed));
    EXPECT_EQ(CentreAfterPaint(button), Rgb(vcl::clRed)) << "painting twice gives the same pixels";
    button.SetEnabled(false);
    EXPECT_EQ(button.GetButtonState(), uibsDisabled);
    EXPECT_EQ(CentreAfterPaint(button), Rgb(vcl::clLime));
}

TEST_F(uiButtonOnForm, TheOffice11KindPaintsNatively) {
    TuiButton& button = AddButton(10);
    button.LookAndFeel().SetKind(lfOffice11);
    EXPECT_NE(button.GetPainterClass()->StyleKind(), pskOffice11);
}

TEST_F(uiButtonOnForm, ShowsTheGlyphBesideTheCaption) {
    TuiButton& button = AddButton(10);
    button.SetGlyph(ui_test::MakeGlyphBitmap({vcl::clRed, vcl::clBlue}).get());
    EXPECT_EQ(button.NumGlyphs(), 2);
    ui_test::TDibSurface surface(button.Width(), button.Height());
    ui_test::PaintControl(button, surface);
    EXPECT_GT(ui_test::CountPixels(surface, vcl::clRed), 90);
    EXPECT_EQ(ui_test::CountPixels(surface, vcl::clBlue), 0);
    button.SetEnabled(false);
    ui_test::PaintControl(button, surface);
    EXPECT_GT(ui_test::CountPixels(surface, vcl::clBlue), 90);
}

// A button that sizes itself to its caption.
class TCaptionSizedButton : public TuiButton {
public:
    explicit TCaptionSizedButton(rtl::TComponent* owner) : TuiButton(owner) { SetAutoSizeToCaption(true); }
};

TEST(uiButtonAutoSize, TheCaptionDecidesTheSize) {
    auto form = ui_test::ShowNewTestForm(400, 200);
    auto* button = new TCaptionSizedButton(form.get());
    button->SetParent(form.get());
    button->SetCaption(u"生成开票文件");
    button->SetBounds(10, 10, 300, 100);
    const vcl::TSize optimal = button->GetOptimalSize();
    EXPECT_EQ(button->Width(), optimal.cx) << "every size asked for becomes the optimal one";
    EXPECT_EQ(button->Height(), optimal.cy);
    EXPECT_EQ(button->Left(), 10);

    button->SetCaption(u"生成开票文件生成开票文件");
    EXPECT_GT(button->Width(), optimal.cx) << "a longer caption widens it at once";
    const int32_t longWidth = button->Width();
    button->SetCaption(u"&生成开票文件生成开票文件");
    EXPECT_EQ(button->Width(), longWidth) << "accelerator marks take no room";
    button->Font().SetSize(button->Font().Size() * 2);
    EXPECT_GT(button->Width(), longWidth) << "a larger font widens it";
    EXPECT_GT(button->Height(), optimal.cy);

    button->SetCaption(u"&");
    const vcl::TSize blank = button->GetOptimalSize();
    EXPECT_GT(blank.cx, 0) << "a blank stands for a caption with nothing to show";
    EXPECT_EQ(button->Width(), blank.cx);
}

TEST(uiButtonAutoSize, AnOrdinaryButtonKeepsTheSizeItIsGiven) {
    TuiButton button(nullptr);
    button.SetCaption(u"生成开票文件");
    button.SetBounds(0, 0, 300, 100);
    EXPECT_EQ(button.Width(), 300);
    EXPECT_EQ(button.Height(), 100);
}

} // namespace
} // namespace ui
