// The push button in the looks: hot tracking only where the painter tracks, the see-through flat speed button of the
// standard look, and the main window's skinned button with its two-image glyph and its hint.

#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/choice/ButtonTestSupport.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "ui/editors/choice/uiButton.h"
#include "vcl/forms/Application.h"
#include "vcl/hints/HintWindow.h"
#include "vcl/system/Win32.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::Rgb;

class uiButtonLooks : public testing::Test {
protected:
    ui_test::TFormPtr<vcl::TForm> Form = ui_test::ShowNewTestForm(320, 120);
    TuiButton* Button = nullptr;

    void SetUp() override {
        Form->SetColor(vcl::clAqua);
        Button = new TuiButton(Form.get());
        Button->SetParent(Form.get());
        Button->SetBounds(20, 20, 100, 30);
        Button->SetCaption(u"OK");
    }
    void TearDown() override {
        vcl::Application().CancelHint();
        SetCursorPos(0, 0);
        ui_test::ProcessPendingMessages();
    }
    std::unique_ptr<ui_test::TDibSurface> Paint() {
        auto surface = std::make_unique<ui_test::TDibSurface>(Button->Width(), Button->Height());
        ui_test::PaintControl(*Button, *surface);
        return surface;
    }
};

TEST_F(uiButtonLooks, HotOnlyWithAHotTrackingPainter) {
    const struct {
        TuiLookAndFeelKind Kind;
        TuiButtonState Hot;
    } cases[] = {{lfStandard, uibsNormal}, {lfFlat, uibsNormal}, {lfUltraFlat, uibsHot}};
    for (const auto& c : cases) {
        Button->LookAndFeel().SetKind(c.Kind);
        ui_test::MouseMove(*Button, {30, 15});
        EXPECT_TRUE(Button->IsHot());
        EXPECT_EQ(Button->GetButtonState(), c.Hot) << int(c.Kind);
        ui_test::MouseMove(*Form, {300, 110});
        EXPECT_FALSE(Button->IsHot());
    }
}

TEST_F(uiButtonLooks, AFlatSeeThroughSpeedButtonShowsItsFrameWhenHotAndItsFaceWhenDown) {
    Button->LookAndFeel().SetKind(lfStandard);
    Button->SetCaption(u"");
    Button->SetGroupIndex(1);
    Button->SetAllowAllUp(true);
    Button->SetCanBeFocused(false);
    Button->SpeedButtonOptions().SetFlat(true);
    Button->SpeedButtonOptions().SetTransparent(true);
    const vcl::TPoint corner{0, 0};
    const vcl::TPoint inside{Button->Width() / 2, Button->Height() / 2};

    auto idle = Paint();
    EXPECT_EQ(idle->Pixel(corner.X, corner.Y), Rgb(vcl::clAqua)) << "no frame idle";
    EXPECT_EQ(idle->Pixel(inside.X, inside.Y), Rgb(vcl::clAqua));

    ui_test::MouseMove(*Button, {30, 15});
    ASSERT_TRUE(Button->IsHot());
    auto hot = Paint();
    EXPECT_NE(hot->Pixel(corner.X, corner.Y), Rgb(vcl::clAqua)) << "a frame when hot";
    EXPECT_EQ(hot->Pixel(inside.X, inside.Y), Rgb(vcl::clAqua)) << "but no face";

    ui_test::MouseMove(*Form, {300, 110});
    Button->SetDown(true);
    auto down = Paint();
    EXPECT_NE(down->Pixel(corner.X, corner.Y), Rgb(vcl::clAqua));
    EXPECT_NE(down->Pixel(inside.X, inside.Y), Rgb(vcl::clAqua)) << "frame and face when down";
}

// A themed tool-bar face leaves its normal state open: the parent shows there, not what the buffer held.
TEST_F(uiButtonLooks, AFlatSpeedButtonInTheNativeLookShowsItsParentWhereTheThemeDrawsNothing) {
    Button->SetCaption(u"");
    Button->LookAndFeel().SetNativeStyle(true);
    Button->SetGroupIndex(1);
    Button->SetCanBeFocused(false);
    Button->SpeedButtonOptions().SetFlat(true);
    auto normal = Paint();
    EXPECT_EQ(normal->Pixel(Button->Width() / 2, Button->Height() / 2), Rgb(vcl::clAqua));
}

// The main window's command button: ultra-flat, not native, skin "Blue", a two-image glyph and a long hint.
TEST_F(uiButtonLooks, TheMainWindowButtonPaintsThroughTheSkinAndShowsItsHintWhole) {
    Button->SetCaption(u"生成开票文件");
    Button->SetGlyph(ui_test::MakeGlyphBitmap({vcl::clRed, vcl::clBlue}).get());
    Button->LookAndFeel().SetKind(lfUltraFlat);
    Button->LookAndFeel().SetNativeStyle(false);
    auto unskinned = Paint();
    Button->LookAndFeel().SetSkinName(u"Blue");
    ASSERT_NE(Button->LookAndFeel().SkinPainter(), nullptr) << "the built-in skin \"Blue\" is registered";
    EXPECT_EQ(Button->GetPainterClass(), Button->LookAndFeel().SkinPainter());
    auto skinned = Paint();
    EXPECT_NE(skinned->Pixels(), unskinned->Pixels());
    EXPECT_EQ(Paint()->Pixels(), skinned->Pixels()) << "painting twice gives the same pixels";
    EXPECT_GT(ui_test::CountPixels(*skinned, vcl::clRed), 90) << "the glyph's first image";

    const rtl::UnicodeString hint = u"导入根据销货清单的Excel模板录入的销货清单文件。";
    vcl::Application().SetHintPause(30);
    Button->SetHint(hint);
    Button->SetShowHint(true);
    ui_test::MouseMove(*Button, {30, 15});
    ASSERT_TRUE(ui_test::PumpUntil([] { return vcl::Application().HintWindow() != nullptr; }, 1500));
    EXPECT_EQ(vcl::Application().HintWindow()->Caption(), hint);
}

} // namespace
} // namespace ui
