#include "ui/editors/text/label/uiLabel.h"

#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/TestForms.h"
#include "ui/editors/text/textedit/uiFilterTextEditHelper.h"
#include "vcl/extctrls/Panel.h"
#include "vcl/forms/FormLoader.h"
#include "vcl/graphics/Colors.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/stdctrls/Edit.h"
#include "vcl/system/Messages.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

class TuiLabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::CreateTestForm();
        Form->SetColor(vcl::clYellow);
        Label = new ui::TuiLabel(Form.get());
        Label->SetParent(Form.get());
        Label->SetAutoSize(false);
        Label->SetBounds(8, 8, 120, 24);
        Label->ActiveEditStyle().Font().SetName(u"SimSun");
        Edit = new vcl::TEdit(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(8, 40, 100, 24);
        ui_test::ShowTestForm(*Form);
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    ui::TuiLabel* Label = nullptr; // owned by the form
    vcl::TEdit* Edit = nullptr;    // owned by the form
};

TEST_F(TuiLabelTest, ALabelTakesNoFocusStandaloneAndDoesNotCaptureTheMouse) {
    ui::TuiLabel label(nullptr);
    EXPECT_FALSE(label.ControlStyle().Contains(vcl::csCaptureMouse));
    EXPECT_FALSE(Label->CanFocus());
}

TEST_F(TuiLabelTest, TheCaptionIsTheValue) {
    Label->SetEditValue(rtl::Variant(u"名        称："));
    EXPECT_EQ(Label->Caption(), u"名        称：");
    Label->SetCaption(u"复核人：");
    EXPECT_EQ(rtl::VarToStr(Label->EditValue()), u"复核人：");
}

TEST_F(TuiLabelTest, AnAcceleratorFocusesTheFocusControl) {
    auto* other = new vcl::TEdit(Form.get());
    other->SetParent(Form.get());
    other->SetBounds(8, 70, 100, 24);
    other->SetFocus();
    Label->SetCaption(u"&Name");
    Label->SetFocusControl(Edit);
    EXPECT_EQ(Label->Perform(vcl::CM_DIALOGCHAR, u'x'), 0);
    EXPECT_FALSE(Edit->Focused());
    EXPECT_EQ(Label->Perform(vcl::CM_DIALOGCHAR, u'n'), 1);
    EXPECT_TRUE(Edit->Focused());

    other->SetFocus();
    Label->Properties().SetShowAccelChar(false);
    EXPECT_EQ(Label->Perform(vcl::CM_DIALOGCHAR, u'n'), 0);
    Label->SetFocusControl(Label);
    EXPECT_EQ(Label->FocusControl(), Edit) << "a label never focuses itself";
}

TEST_F(TuiLabelTest, AFreedFocusControlIsForgotten) {
    Label->SetFocusControl(Edit);
    delete Edit;
    Edit = nullptr;
    EXPECT_EQ(Label->FocusControl(), nullptr);
}

TEST_F(TuiLabelTest, ATransparentLabelShowsItsParentAroundItsText) {
    Label->SetCaption(u"复核人：");
    Label->SetTransparent(true);
    ui_test::TDibSurface surface(Label->Width(), Label->Height());
    ui_test::PaintControl(*Label, surface);
    int yellow = 0;
    int ink = 0;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            const vcl::TColor pixel = surface.Pixel(x, y);
            yellow += pixel == static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clYellow));
            ink += pixel == static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clBlack));
        }
    }
    EXPECT_GT(yellow, surface.Width() * surface.Height() / 2) << "the form shows around the text";
    EXPECT_GT(ink, 0) << "the text is drawn";
}

// An unchanged label is copied from the picture it keeps: a mark put into that picture shows on the next paint. Each
// change of what the label shows draws it anew, and the mark goes.
TEST_F(TuiLabelTest, AnUnchangedLabelIsCopiedFromItsPictureAndEveryChangeDrawsItAnew) {
    struct TChange {
        const char* What;
        std::function<void(ui::TuiLabel&)> Apply;
    };
    const TChange changes[] = {
        {"text", [](ui::TuiLabel& label) { label.SetCaption(u"复核人："); }},
        {"size", [](ui::TuiLabel& label) { label.SetBounds(label.Left(), label.Top(), 140, label.Height()); }},
        {"properties", [](ui::TuiLabel& label) { label.Properties().SetDepth(2); }},
        {"style", [](ui::TuiLabel& label) { label.Style().SetTextColor(vcl::clBlue); }},
        {"font", [](ui::TuiLabel& label) { label.ActiveEditStyle().Font().SetSize(14); }},
        {"colour", [](ui::TuiLabel& label) { label.SetColor(vcl::clAqua); }},
        {"look", [](ui::TuiLabel& label) { label.Style().LookAndFeel().SetKind(ui::lfStandard); }},
        {"enabled state", [](ui::TuiLabel& label) { label.SetEnabled(false); }},
    };
    const vcl::TColor mark = 0x030201;
    const auto countMarks = [this, mark] {
        ui_test::TDibSurface surface(Label->Width(), Label->Height());
        ui_test::PaintControl(*Label, surface);
        int marks = 0;
        for (int y = 0; y < surface.Height(); ++y) {
            for (int x = 0; x < surface.Width(); ++x) {
                marks += surface.Pixel(x, y) == mark;
            }
        }
        return marks;
    };
    Label->SetCaption(u"名称");
    for (const TChange& change : changes) {
        SCOPED_TRACE(change.What);
        EXPECT_EQ(countMarks(), 0);
        ASSERT_TRUE(Label->PictureCache().IsValid());
        vcl::TBitmap& picture = Label->PictureCache().Bitmap();
        picture.Canvas().Brush().SetColor(mark);
        picture.Canvas().FillRect({0, 0, picture.Width(), picture.Height()});
        EXPECT_EQ(countMarks(), picture.Width() * picture.Height()) << "a second paint draws nothing again";

        change.Apply(*Label);
        EXPECT_FALSE(Label->PictureCache().IsValid());
        EXPECT_EQ(countMarks(), 0);
    }
}

// A label is text on its parent: a frame comes only from its style. A frame shows as a pixel near the left edge that
// is neither the parent's colour (yellow) nor the label's background.
TEST_F(TuiLabelTest, ALabelHasNoFrameUnlessItsStyleGivesItOne) {
    const auto framed = [this] {
        ui_test::TDibSurface surface(Label->Width(), Label->Height());
        ui_test::PaintControl(*Label, surface);
        const auto yellow = static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clYellow));
        const vcl::TColor background = surface.Pixel(Label->Width() / 2, 3);
        for (int x = 0; x < 3; ++x) {
            const vcl::TColor pixel = surface.Pixel(x, Label->Height() / 2);
            if (pixel != yellow && pixel != background) {
                return true;
            }
        }
        return false;
    };
    EXPECT_EQ(Label->Style().BorderStyle(), ui::ebsNone);
    EXPECT_EQ(Label->StyleDisabled().BorderStyle(), ui::ebsNone) << "the state styles follow the normal one";
    EXPECT_FALSE(framed());
    Label->Style().SetBorderStyle(ui::ebsSingle);
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(framed());
}

// Pixels of the ground and of black ink in what the display shows of the label.
struct TLabelScreenPixels {
    int Ground = 0;
    int Ink = 0;
    int Area = 0;
    // The outermost rows and columns show the ground: the label draws no frame.
    bool GroundAtEdges = true;
};

TLabelScreenPixels ReadLabelScreenPixels(ui::TuiLabel& label, vcl::TColor ground) {
    ui_test::TDibSurface surface(label.Width(), label.Height());
    ui_test::CopyWindowPixels(label.Handle(), surface);
    TLabelScreenPixels pixels;
    pixels.Area = surface.Width() * surface.Height();
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            const bool isGround = surface.Pixel(x, y) == static_cast<vcl::TColor>(vcl::ColorToRGB(ground));
            pixels.Ground += isGround;
            pixels.Ink += surface.Pixel(x, y) == static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clBlack));
            const bool edge = x < 2 || y < 2 || x >= surface.Width() - 2 || y >= surface.Height() - 2;
            pixels.GroundAtEdges = pixels.GroundAtEdges && (isGround || !edge);
        }
    }
    return pixels;
}

TEST_F(TuiLabelTest, TransparentAutoSizedLabelsOnAPanelShowThePanelOnScreen) {
    auto* panel = new vcl::TPanel(Form.get());
    panel->SetParent(Form.get());
    panel->SetBounds(8, 80, 280, 60);
    panel->SetBevelOuter(vcl::bvNone);
    panel->SetColor(vcl::clAqua);
    const char16_t* captions[] = {u"名        称：", u"复核人："};
    std::vector<ui::TuiLabel*> labels;
    for (int i = 0; i < 2; ++i) {
        auto* label = new ui::TuiLabel(Form.get());
        label->SetParent(panel);
        label->SetLeft(4 + 140 * i);
        label->SetTop(10);
        label->SetTransparent(true);
        label->SetCaption(captions[i]);
        labels.push_back(label);
    }
    RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ui_test::ProcessPendingMessages();
    // Eight blanks and three characters are far wider than one character.
    EXPECT_GT(labels[0]->Width(), 5 * labels[0]->Height() / 2);
    EXPECT_GT(labels[0]->Width(), labels[1]->Width());
    for (ui::TuiLabel* label : labels) {
        ASSERT_TRUE(label->HandleAllocated());
        const TLabelScreenPixels pixels = ReadLabelScreenPixels(*label, vcl::clAqua);
        EXPECT_GT(pixels.Ground, pixels.Area / 2) << "the panel shows around the text";
        EXPECT_GT(pixels.Ink, 0) << "the text is drawn";
        EXPECT_TRUE(pixels.GroundAtEdges) << "a label has no border of its own";
    }
}

// The main window's labels: skin "Blue", ultra-flat, not native, transparent on a panel.
TEST_F(TuiLabelTest, ASkinnedTransparentLabelShowsItsPanelAroundItsText) {
    auto* panel = new vcl::TPanel(Form.get());
    panel->SetParent(Form.get());
    panel->SetBounds(8, 80, 280, 60);
    panel->SetBevelOuter(vcl::bvNone);
    panel->SetColor(vcl::clAqua);
    auto* label = new ui::TuiLabel(Form.get());
    label->SetParent(panel);
    label->SetLeft(4);
    label->SetTop(10);
    ui::TuiLookAndFeel& lookAndFeel = label->Style().LookAndFeel();
    lookAndFeel.SetKind(ui::lfUltraFlat);
    lookAndFeel.SetNativeStyle(false);
    lookAndFeel.SetSkinName(u"Blue");
    ASSERT_NE(lookAndFeel.SkinPainter(), nullptr);
    label->SetTransparent(true);
    label->SetCaption(u"名        称：");
    RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ui_test::ProcessPendingMessages();
    EXPECT_GT(label->Width(), 5 * label->Height() / 2);
    const TLabelScreenPixels pixels = ReadLabelScreenPixels(*label, vcl::clAqua);
    EXPECT_GT(pixels.Ground, pixels.Area / 2) << "the panel shows around the text";
    EXPECT_LT(pixels.Ground, pixels.Area) << "the text is drawn";
    EXPECT_TRUE(pixels.GroundAtEdges) << "a label has no border of its own";
}

TEST(LabelLoading, LabelsReadFromAFormDescriptionSizeToTheirCaptionsAndKeepTheirAnchors) {
    auto form = ui_test::CreateTestForm();
    form->SetName(u"Invoice");
    const auto readPanel = [](vcl::TForm&, vcl::TPanel& panel) {
        panel.SetBounds(0, 0, 300, 80);
        panel.SetBevelOuter(vcl::bvNone);
        panel.SetColor(vcl::clAqua);
    };
    const auto readName = [](vcl::TForm&, ui::TuiLabel& label) {
        label.SetLeft(8);
        label.SetTop(10);
        label.SetCaption(u"名        称：");
        label.SetTransparent(true);
    };
    const auto readChecker = [](vcl::TForm&, ui::TuiLabel& label) {
        label.Properties().GetAlignment().SetHorz(vcl::taRightJustify);
        label.SetBounds(150, 40, 121, 21);
        label.SetCaption(u"复核人：");
        label.SetTransparent(true);
    };
    const auto readAnchored = [](vcl::TForm&, ui::TuiLabel& label) {
        label.Properties().GetAlignment().SetHorz(vcl::taRightJustify);
        label.SetBounds(150, 60, 121, 21);
        label.SetAnchorX(290);
        label.SetCaption(u"开票人：");
    };
    vcl::LoadForm<vcl::TForm>(*form,
                              {.Components = {
                                   vcl::Component<vcl::TPanel, vcl::TForm>(u"Panel", u"", readPanel),
                                   vcl::Component<ui::TuiLabel, vcl::TForm>(u"NameLabel", u"Panel", readName),
                                   vcl::Component<ui::TuiLabel, vcl::TForm>(u"CheckerLabel", u"Panel", readChecker),
                                   vcl::Component<ui::TuiLabel, vcl::TForm>(u"IssuerLabel", u"Panel", readAnchored),
                               }});
    ui_test::ShowTestForm(*form);
    auto* name = static_cast<ui::TuiLabel*>(form->FindComponent(u"NameLabel"));
    auto* checker = static_cast<ui::TuiLabel*>(form->FindComponent(u"CheckerLabel"));
    ASSERT_NE(name, nullptr);
    ASSERT_NE(checker, nullptr);
    EXPECT_GT(name->Width(), checker->Width());
    EXPECT_LT(checker->Width(), 121) << "auto size takes the caption's width";
    EXPECT_EQ(checker->Left() + checker->Width(), 271) << "a right-aligned label keeps its right edge";
    auto* issuer = static_cast<ui::TuiLabel*>(form->FindComponent(u"IssuerLabel"));
    ASSERT_NE(issuer, nullptr);
    EXPECT_EQ(issuer->Left() + issuer->Width(), 290) << "an anchor read with the form is kept";
    EXPECT_LT(issuer->Width(), 121);
    for (ui::TuiLabel* label : {name, checker}) {
        const TLabelScreenPixels pixels = ReadLabelScreenPixels(*label, vcl::clAqua);
        EXPECT_GT(pixels.Ground, pixels.Area / 2);
        EXPECT_GT(pixels.Ink, 0);
    }
}

TEST_F(TuiLabelTest, AutoSizeAndAVisibleLineExcludeEachOther) {
    Label->SetAutoSize(true);
    Label->Properties().LineOptions().SetVisible(true);
    EXPECT_FALSE(Label->AutoSize());
    Label->SetAutoSize(true);
    EXPECT_FALSE(Label->Properties().LineOptions().Visible());
}

TEST(LabelUnit, StartUpRegistersTheLabelPropertiesAndShutDownRemovesThem) {
    ui::InitializeLabelUnit();
    ui::TuiRegisteredClasses& registry = ui::GetEditPropertiesRegistry();
    const int32_t index = registry.IndexOfClass(&ui::TuiLabelProperties::StaticClass());
    ASSERT_NE(index, -1);
    EXPECT_EQ(registry.GetDescriptionText(index), u"Label");
    EXPECT_EQ(ui::GetFilterEditsController().HelperForProperties(ui::TuiLabelProperties::StaticClass()),
              &ui::TuiFilterTextEditHelper::Instance());
    ui::FinalizeLabelUnit();
    EXPECT_EQ(registry.IndexOfClass(&ui::TuiLabelProperties::StaticClass()), -1);
    EXPECT_EQ(ui::GetFilterEditsController().HelperForProperties(ui::TuiLabelProperties::StaticClass()), nullptr);
}

} // namespace
