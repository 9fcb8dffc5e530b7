// Labels and group boxes: sizing to the caption, wrapping, where the text stands, backgrounds, mnemonics, and the
// frame and client area of a group box, checked on the pixels they paint.

#include "vcl/stdctrls/Label.h"

#include "rtl/WindowsApi.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/vcl/TestControls.h"
#include "vcl/stdctrls/Edit.h"
#include "vcl/stdctrls/GroupBox.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using vcl_test::AddControl;

// The rows of area (in surface coordinates) holding a pixel of color: the first and the last, or -1 when none.
struct TRows {
    int First = -1;
    int Last = -1;
};

TRows RowsWithColor(const ui_test::TDibSurface& surface, const vcl::TRect& area, vcl::TColor color) {
    TRows rows;
    const vcl::TColor rgb = static_cast<vcl::TColor>(vcl::ColorToRGB(color));
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) {
            if (surface.Pixel(x, y) == rgb) {
                rows.First = rows.First < 0 ? y : rows.First;
                rows.Last = y;
                break;
            }
        }
    }
    return rows;
}

class LabelTest : public testing::Test {
protected:
    // A label that sizes itself to caption, or keeps bounds.
    vcl::TLabel* AddLabel(const char16_t* caption, vcl::TRect bounds = vcl::Bounds(10, 10, 60, 17),
                          bool autoSize = true) {
        auto* label = new vcl::TLabel(Form.get());
        label->SetAutoSize(autoSize);
        label->SetBoundsRect(bounds);
        label->SetParent(Form.get());
        label->SetCaption(caption);
        label->Font().SetColor(vcl::clBlack);
        return label;
    }

    ui_test::TFormPtr<vcl::TForm> Form = ui_test::ShowNewTestForm(320, 240, ui_test::TFormPlacement::OffScreen);
};

TEST_F(LabelTest, AnAutoSizedLabelTakesTheSizeOfItsCaption) {
    auto* label = AddLabel(u"纳税人");
    const int32_t shortWidth = label->Width();
    const int32_t lineHeight = label->Height();
    EXPECT_GT(shortWidth, 0);
    label->SetCaption(u"纳税人识别号：");
    EXPECT_GT(label->Width(), shortWidth * 2);
    EXPECT_EQ(label->Height(), lineHeight);
    label->SetCaption(u"");
    EXPECT_EQ(label->Height(), lineHeight) << "an empty caption still takes a line";
    label->SetAutoSize(false);
    label->SetCaption(u"纳税人识别号：纳税人识别号：");
    EXPECT_EQ(label->Height(), lineHeight);
    EXPECT_LT(label->Width(), shortWidth);
}

TEST_F(LabelTest, ARightAlignedLabelKeepsItsRightEdgeAsItGrows) {
    auto* label = AddLabel(u"税额：", vcl::Bounds(100, 10, 60, 17));
    label->SetAlignment(vcl::taRightJustify);
    const int32_t right = label->Left() + label->Width();
    label->SetCaption(u"不含税金额：");
    EXPECT_EQ(label->Left() + label->Width(), right);
    EXPECT_LT(label->Left(), 100 - 10);
    label->SetAutoSize(false);
    label->SetCaption(u"税额：");
    label->SetAutoSize(true);
    EXPECT_EQ(label->Left() + label->Width(), right) << "also when auto size is turned on";
}

TEST_F(LabelTest, AWrappingLabelKeepsItsWidthAndGrowsDownwards) {
    auto* label = AddLabel(u"短");
    label->SetWordWrap(true);
    label->SetWidth(120);
    const int32_t oneLine = label->Height();
    label->SetCaption(u"软件已经有新版本推出，您要升级到新版本吗？这是一段很长的说明文字，需要折成几行。");
    EXPECT_EQ(label->Width(), 120);
    EXPECT_GE(label->Height(), oneLine * 3);
    const int32_t narrowHeight = label->Height();
    label->SetWidth(240);
    EXPECT_LT(label->Height(), narrowHeight) << "a wider label needs fewer lines";
    label->SetCaption(u"第一行\r\n第二行");
    EXPECT_EQ(label->Height(), oneLine * 2);
}

TEST_F(LabelTest, TheLayoutPlacesTheTextAtTheTopInTheMiddleOrAtTheBottom) {
    Form->Font().SetColor(vcl::clBlack);
    auto* label = AddLabel(u"发票", vcl::Bounds(10, 10, 60, 60), false);
    label->SetColor(vcl::clWhite);
    ui_test::TDibSurface surface(Form->ClientWidth(), Form->ClientHeight());
    const vcl::TRect area = label->BoundsRect();
    std::vector<TRows> placed;
    for (vcl::TTextLayout layout : {vcl::tlTop, vcl::tlCenter, vcl::tlBottom}) {
        label->SetLayout(layout);
        ui_test::PaintControl(*Form, surface);
        placed.push_back(RowsWithColor(surface, area, vcl::clBlack));
        ASSERT_GE(placed.back().First, 0) << "the text is painted";
    }
    const int32_t room = 60 - AddLabel(u"发票")->Height();
    EXPECT_LT(placed[0].First, area.Top + room / 2);
    EXPECT_EQ(placed[1].First - placed[0].First, room / 2);
    EXPECT_EQ(placed[2].First - placed[0].First, room);
    EXPECT_EQ(surface.Pixel(area.Left, area.Top), static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clWhite)));
}

TEST_F(LabelTest, ATransparentLabelShowsWhatLiesBehindIt) {
    Form->SetColor(vcl::clAqua);
    auto* label = AddLabel(u"透明", vcl::Bounds(10, 10, 80, 30), false);
    label->SetColor(vcl::clYellow);
    ui_test::TDibSurface surface(Form->ClientWidth(), Form->ClientHeight());
    ui_test::PaintControl(*Form, surface);
    const auto corner = [&] { return surface.Pixel(label->Left() + 78, label->Top() + 28); };
    EXPECT_EQ(corner(), static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clYellow)));
    label->SetTransparent(true);
    ui_test::PaintControl(*Form, surface);
    EXPECT_EQ(corner(), static_cast<vcl::TColor>(vcl::ColorToRGB(vcl::clAqua)));
    const std::vector<uint32_t> first = surface.Pixels();
    ui_test::PaintControl(*Form, surface);
    EXPECT_EQ(surface.Pixels(), first) << "painting twice gives the same pixels";
}

TEST_F(LabelTest, ADisabledLabelDrawsItsCaptionEngraved) {
    auto* label = AddLabel(u"禁用", vcl::Bounds(10, 10, 80, 30), false);
    label->SetColor(vcl::clYellow);
    ui_test::TDibSurface surface(Form->ClientWidth(), Form->ClientHeight());
    const vcl::TRect area = label->BoundsRect();
    label->SetEnabled(false);
    ui_test::PaintControl(*Form, surface);
    EXPECT_EQ(RowsWithColor(surface, area, vcl::clBlack).First, -1) << "not in the font's colour";
    const TRows shadow = RowsWithColor(surface, area, vcl::clBtnShadow);
    const TRows highlight = RowsWithColor(surface, area, vcl::clBtnHighlight);
    ASSERT_GE(shadow.First, 0);
    EXPECT_EQ(highlight.Last, shadow.Last + 1) << "the highlight lies one pixel below the shadow";
}

TEST_F(LabelTest, TheMnemonicFocusesTheFocusControlUntilThatIsFreed) {
    ui_test::ShowTestForm(*Form);
    auto* label = AddLabel(u"名称(&N)：");
    auto* other = AddControl<vcl::TEdit>(*Form, u"Other", vcl::Bounds(100, 40, 100, 21));
    auto* edit = AddControl<vcl::TEdit>(*Form, u"Edit", vcl::Bounds(100, 10, 100, 21));
    label->SetFocusControl(edit);
    other->SetFocus();
    ui_test::PressKey('N', {vcl::ssAlt});
    EXPECT_TRUE(edit->Focused());
    rtl::TComponent::Free(edit);
    EXPECT_EQ(label->FocusControl(), nullptr);
    other->SetFocus();
    ui_test::PressKey('N', {vcl::ssAlt});
    EXPECT_TRUE(other->Focused());
}

TEST(GroupBox, ItsChildrenLieInsideTheFrameBelowTheCaption) {
    auto form = ui_test::ShowNewTestForm(320, 240, ui_test::TFormPlacement::OffScreen);
    auto* box = AddControl<vcl::TGroupBox>(*form, u"Box", vcl::Bounds(10, 10, 200, 120));
    box->SetCaption(u"购货单位");
    auto* child = AddControl<vcl_test::TColorControl>(*box, u"Child", vcl::Bounds(0, 0, 10, 10));
    child->SetAlign(vcl::alClient);
    const int32_t captionTop = child->Top();
    EXPECT_GT(captionTop, 8) << "below a caption line";
    EXPECT_GE(child->Left(), 2);
    EXPECT_LE(child->Left() + child->Width(), box->ClientWidth() - 2);
    EXPECT_LE(child->Top() + child->Height(), box->ClientHeight() - 2);
    box->Font().SetHeight(-24);
    EXPECT_GT(child->Top(), captionTop) << "a larger font makes the caption line taller";
}

TEST(GroupBox, ItPaintsAnEtchedFrameAndItsCaptionOnItsColour) {
    auto form = ui_test::ShowNewTestForm(320, 240, ui_test::TFormPlacement::OffScreen);
    auto* box = AddControl<vcl::TGroupBox>(*form, u"Box", vcl::Bounds(0, 0, 200, 120));
    box->SetCaption(u"开票设置");
    box->SetColor(vcl::clWhite);
    box->Font().SetColor(vcl::clBlack);
    ui_test::TDibSurface surface(200, 120);
    ui_test::PaintControl(*box, surface);
    const auto rgb = [](vcl::TColor color) { return static_cast<vcl::TColor>(vcl::ColorToRGB(color)); };
    EXPECT_EQ(surface.Pixel(0, 60), rgb(vcl::clBtnShadow)) << "etched: the shadow line outside";
    EXPECT_EQ(surface.Pixel(1, 60), rgb(vcl::clBtnHighlight)) << "and the highlight line inside it";
    EXPECT_EQ(surface.Pixel(100, 60), rgb(vcl::clWhite));
    const TRows caption = RowsWithColor(surface, vcl::Rect(8, 0, 120, 20), vcl::clBlack);
    EXPECT_GE(caption.First, 0) << "the caption is drawn in the top edge";
    EXPECT_EQ(RowsWithColor(surface, vcl::Rect(150, 0, 200, 20), vcl::clBlack).First, -1);
}

TEST(GroupBox, ItsMnemonicFocusesItsFirstControl) {
    auto form = ui_test::ShowNewTestForm();
    auto* outside = AddControl<vcl::TEdit>(*form, u"Outside", vcl::Bounds(220, 10, 80, 21));
    auto* box = AddControl<vcl::TGroupBox>(*form, u"Box", vcl::Bounds(10, 10, 200, 120));
    box->SetCaption(u"&Totals");
    auto* first = AddControl<vcl::TEdit>(*box, u"First", vcl::Bounds(10, 30, 80, 21));
    AddControl<vcl::TEdit>(*box, u"Second", vcl::Bounds(10, 60, 80, 21));
    outside->SetFocus();
    ui_test::PressKey('T', {vcl::ssAlt});
    EXPECT_TRUE(first->Focused());
}

} // namespace
