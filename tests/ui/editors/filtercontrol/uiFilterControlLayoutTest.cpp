// The filter control's layout, hit tests, scrolling and painting, read from its rows and from its pixels painted into
// a 32-bit DIB section.

#include "tests/support/ui/DibSurface.h"
#include "tests/ui/editors/filtercontrol/FilterControlTestSupport.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "ui/core/geometry/uiArithmetic.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/editors/framework/properties/uiEditStyle.h"
#include "vcl/graphics/Font.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {

using ui_test::FilterControlTest;
using ui_test::NameIndex;
using ui_test::PriceIndex;
using ui_test::QtyIndex;
using ui_test::Rgb;

class FilterControlLayout : public FilterControlTest {
protected:
    int32_t RowHeight() const { return Control->ViewInfo().RowHeight(); }
    vcl::TRect Client() const { return Control->GetClientBounds(); }
    int32_t TextWidth(const vcl::TFont& font, rtl::UnicodeStringView text) {
        Measure.Canvas.SetFont(font);
        return Measure.Canvas.GetTextWidth(text);
    }
    std::unique_ptr<ui_test::TDibSurface> Paint() {
        auto surface = std::make_unique<ui_test::TDibSurface>(Control->Width(), Control->Height());
        ui_test::PaintControl(*Control, *surface);
        return surface;
    }
    static bool IsGrey(vcl::TColor colour) {
        const uint32_t red = colour & 0xFF;
        return ((colour >> 8) & 0xFF) == red && ((colour >> 16) & 0xFF) == red;
    }
    // The colours of the pixels inside rect.
    static std::set<vcl::TColor> Colours(const ui_test::TDibSurface& surface, const vcl::TRect& rect) {
        std::set<vcl::TColor> colours;
        for (int y = rect.Top; y < rect.Bottom; ++y) {
            for (int x = rect.Left; x < rect.Right; ++x) {
                colours.insert(surface.Pixel(x, y));
            }
        }
        return colours;
    }

    ui_test::TCanvasSurface Measure{8, 8};
};

TEST_F(FilterControlLayout, TheRowHeightIsHalfAgainTheTallestTextOrValueEditorAndFollowsFontValue) {
    auto tallest = [this] {
        int32_t height = 0;
        for (const vcl::TFont* font :
             {&Control->Font(), &Control->FontBoolOperator(), &Control->FontItem(), &Control->FontCondition()}) {
            height = std::max(height, Measure.Canvas.FontHeight(*font));
        }
        const vcl::TSize editor = Control->DefaultValueProperties().GetEditSize(
            Measure.Canvas, Control->ValueStyle(false, false), true, rtl::Variant(u"Yy"), {});
        return std::max(height, editor.cy);
    };
    EXPECT_EQ(RowHeight(), ui::MulDiv(tallest(), 3, 2));
    const int32_t before = RowHeight();
    Control->FontValue().SetHeight(-30);
    EXPECT_GT(RowHeight(), before);
    EXPECT_EQ(RowHeight(), ui::MulDiv(tallest(), 3, 2));
}

TEST_F(FilterControlLayout, IndentsButtonsAndWordsArePlacedFromTheRowHeight) {
    ui::TuiConditionViewInfo& nested = Control->AddGroupRow(Control->Root());
    ui::TuiConditionViewInfo& list = AddCondition(QtyIndex, ui::fcopInList);
    SetValues(list, {1, 2});
    Control->FocusPart(&Control->Root(), ui::fcpBoolOperator);
    const int32_t rowHeight = RowHeight();
    const vcl::TRect client = Client();
    const ui::TuiGroupViewInfo& root = Control->Root();
    const ui::TuiGroupViewInfo& group = GroupAt(1);
    EXPECT_EQ(root.RowRect(), (vcl::TRect{client.Left, client.Top, client.Right, client.Top + rowHeight}));
    EXPECT_EQ(nested.RowRect().Top, client.Top + 2 * rowHeight);
    EXPECT_EQ(nested.Indent(), 2 * rowHeight);
    EXPECT_EQ(nested.ButtonRect().Left, client.Left + 2 * rowHeight + 4);
    EXPECT_EQ(nested.ButtonRect().Height(), rowHeight - 4);
    EXPECT_EQ(root.ButtonRect().Width(), TextWidth(Control->Font(), u"Filter00"));
    EXPECT_EQ(nested.ButtonRect().Width(), TextWidth(Control->Font(), u"0") * 3);
    EXPECT_EQ(group.BoolOperatorRect().Left, group.ButtonRect().Right + 8);
    EXPECT_EQ(group.CaptionRect().Left, group.BoolOperatorRect().Right + 8);
    EXPECT_EQ(group.BoolOperatorRect().Width(), TextWidth(Control->FontBoolOperator(), u"AND") + 2);
    EXPECT_EQ(nested.ItemRect().Left, nested.ButtonRect().Right + 8);
    EXPECT_EQ(nested.OperatorRect().Left, nested.ItemRect().Right + 8);
    EXPECT_EQ(nested.Values().Value(0).ValueRect.Left, nested.OperatorRect().Right + 8);
    const int32_t firstListValue = list.OperatorRect().Right + 8 + TextWidth(Control->FontValue(), u"(");
    EXPECT_EQ(list.Values().Value(0).ValueRect.Left, firstListValue);
    const vcl::TRect& last = list.Values().Value(1).ValueRect;
    EXPECT_EQ(list.Values().AddButtonRect.Left, last.Right + TextWidth(Control->FontValue(), u")0"));
    EXPECT_EQ(list.Values().AddButtonRect.Width(), TextWidth(Control->Font(), u"000"));

    const int32_t minimum = TextWidth(Control->FontValue(), u"0") * 12;
    EXPECT_EQ(Control->ViewInfo().MinValueWidth(), minimum);
    EXPECT_LT(list.Values().Value(0).ValueRect.Width(), minimum);
    Control->FocusPart(&list, ui::fcpValue, 0);
    EXPECT_EQ(list.Values().Value(0).ValueRect.Width(), minimum) << "a focused value is wide enough to type into";
    const vcl::TRect& footer = Control->ViewInfo().FooterRect();
    EXPECT_EQ(footer.Left, client.Left + list.Indent() + 4);
    EXPECT_EQ(footer.Width(), TextWidth(Control->Font(), u"press the button to add a new condition00"));
}

TEST_F(FilterControlLayout, HitTestsFindEveryPartAndTheFooter) {
    ui::TuiConditionViewInfo& list = AddCondition(QtyIndex, ui::fcopInList);
    SetValues(list, {1, 2});
    struct TCase {
        const ui::TuiCustomRowViewInfo* Row;
        ui::TuiFilterControlPart Part;
        int32_t Value;
    };
    const TCase cases[] = {
        {&Control->Root(), ui::fcpButton, -1},
        {&Control->Root(), ui::fcpBoolOperator, -1},
        {&list, ui::fcpButton, -1},
        {&list, ui::fcpItem, -1},
        {&list, ui::fcpOperator, -1},
        {&list, ui::fcpValue, 0},
        {&list, ui::fcpValue, 1},
        {&list, ui::fcpAddValue, -1},
        {nullptr, ui::fcpAddCondition, -1},
    };
    for (const TCase& expected : cases) {
        ui::TuiFilterControlHitTest hit;
        Control->ViewInfo().HitTest({}, PartCentre(expected.Row, expected.Part, expected.Value), hit);
        EXPECT_EQ(hit.Part, expected.Part) << int(expected.Part);
        EXPECT_EQ(hit.ValueIndex, expected.Value) << int(expected.Part);
        if (expected.Row != nullptr) {
            EXPECT_EQ(hit.Row, expected.Row) << int(expected.Part);
        }
    }
    ui::TuiFilterControlHitTest hit;
    Control->ViewInfo().HitTest({}, {Client().Right - 2, Client().Top + 2}, hit);
    EXPECT_EQ(hit.Part, ui::fcpNone);
    Control->ViewInfo().HitTest({}, {-5, 5}, hit);
    EXPECT_EQ(hit.Part, ui::fcpNone);
}

TEST_F(FilterControlLayout, RemovingRowsAtTheBottomOfAScrolledViewLeavesAtMostARowEmptyBelowTheFooter) {
    Control->SetHeight(150);
    for (int32_t index = 0; index < 12; ++index) {
        AddCondition(PriceIndex, ui::fcopGreater);
    }
    Control->FocusPart(nullptr, ui::fcpAddCondition);
    ASSERT_GT(Control->TopRow(), 0);
    const vcl::TRect footerRow = Control->ViewInfo().FooterRowRect();
    EXPECT_LE(footerRow.Bottom, Client().Bottom) << "the footer scrolled into view";
    const int32_t scrolled = Control->TopRow();
    for (int32_t removed = 0; removed < 4; ++removed) {
        Control->RemoveRow(Control->Rows(Control->RowCount() - 1));
        const int32_t empty = Client().Bottom - Control->ViewInfo().FooterRowRect().Bottom;
        EXPECT_LE(empty, RowHeight() + 1) << removed;
    }
    EXPECT_LT(Control->TopRow(), scrolled);
}

TEST_F(FilterControlLayout, ANewInValueMovesThePlusButtonRightAndScrollsIntoView) {
    Control->SetWidth(260);
    ui::TuiConditionViewInfo& list = AddCondition(PriceIndex, ui::fcopInList);
    int32_t plus = list.Values().AddButtonRect.Left + Control->LeftOffset();
    for (int32_t added = 0; added < 4; ++added) {
        Control->FocusPart(&list, ui::fcpAddValue);
        const vcl::TRect& button = list.Values().AddButtonRect;
        EXPECT_LE(button.Right, Client().Right) << "the focused button scrolled into view";
        ui_test::PressKey(VK_RETURN);
        EXPECT_EQ(list.Values().Count(), added + 2);
        const int32_t moved = list.Values().AddButtonRect.Left + Control->LeftOffset();
        EXPECT_GT(moved, plus) << added;
        plus = moved;
        const vcl::TRect& value = list.Values().Value(list.Values().Count() - 1).ValueRect;
        EXPECT_GE(value.Left, Client().Left) << added;
        EXPECT_LE(value.Right, Client().Right) << added;
    }
    EXPECT_GT(Control->LeftOffset(), 0);
}

TEST_F(FilterControlLayout, ThePartUnderThePointerIsHotUntilThePointerLeaves) {
    const ui::TuiFilterControlViewInfo& viewInfo = Control->ViewInfo();
    ui_test::MouseMove(*Control, PartCentre(nullptr, ui::fcpAddCondition));
    EXPECT_EQ(Control->HotPart(), ui::fcpAddCondition);
    EXPECT_EQ(viewInfo.FooterState(), ui::uibsHot);
    ui_test::MouseMove(*Control, PartCentre(&Control->Root(), ui::fcpButton));
    EXPECT_EQ(Control->HotRow(), &Control->Root());
    EXPECT_EQ(Control->Root().ButtonState(), ui::uibsHot);
    EXPECT_EQ(viewInfo.FooterState(), ui::uibsNormal);
    ui_test::MouseMove(*Form, {Form->ClientWidth() - 2, Form->ClientHeight() - 2});
    EXPECT_TRUE(ui_test::PumpUntil([this] { return Control->HotPart() == ui::fcpNone; }));
    EXPECT_EQ(Control->Root().ButtonState(), ui::uibsNormal);
}

TEST_F(FilterControlLayout, AnUnlinkedControlShowsTheRootAndFooterEmbossedAndFocusAroundTheClientArea) {
    Control->SetLinkComponent(nullptr);
    Control->SetFocus();
    ui_test::ProcessPendingMessages();
    const vcl::TRect client = Client();
    EXPECT_EQ(Control->ViewInfo().FocusRect(), ui::InflateRectBy(client, -2, -2));
    EXPECT_FALSE(Control->ViewInfo().IsEnabled());
    const auto surface = Paint();
    const vcl::TColor background = Rgb(Control->Color());
    // Smoothed glyph edges blend the two inks with the background: greys, never a colour.
    for (const vcl::TRect& rect : {Control->Root().BoolOperatorRect(), Control->Root().CaptionRect()}) {
        const std::set<vcl::TColor> colours = Colours(*surface, rect);
        EXPECT_TRUE(colours.contains(Rgb(vcl::clBtnHighlight)));
        EXPECT_TRUE(colours.contains(Rgb(vcl::clBtnShadow)));
        for (const vcl::TColor colour : colours) {
            EXPECT_TRUE(IsGrey(colour)) << std::hex << colour;
        }
    }
    for (const vcl::TColor ink : {vcl::clRed, vcl::clGreen, vcl::clMaroon, vcl::clBlue}) {
        EXPECT_TRUE(ui_test::InkBounds(*surface, ink).IsEmpty()) << ink;
    }
    const vcl::TRect focus = Control->ViewInfo().FocusRect();
    int32_t dotted = 0;
    for (int x = focus.Left; x < focus.Right; ++x) {
        dotted += surface->Pixel(x, focus.Top) != background ? 1 : 0;
    }
    EXPECT_GT(dotted, focus.Width() / 3) << "the focus rectangle's top edge";
    EXPECT_EQ(Control->RowCount(), 1);
}

TEST_F(FilterControlLayout, LinkedWordsShowInTheirInksAndPaintingTwiceGivesTheSamePixels) {
    ui::TuiConditionViewInfo& condition = AddCondition(PriceIndex, ui::fcopGreater);
    SetValues(condition, {7});
    Control->FocusPart(&Control->Root(), ui::fcpBoolOperator);
    const auto surface = Paint();
    struct TInk {
        vcl::TRect Rect;
        vcl::TColor Colour;
    };
    const TInk inks[] = {{Control->Root().BoolOperatorRect(), vcl::clRed},
                         {condition.ItemRect(), vcl::clGreen},
                         {condition.OperatorRect(), vcl::clMaroon},
                         {condition.Values().Value(0).ValueRect, vcl::clBlue}};
    for (const TInk& ink : inks) {
        EXPECT_TRUE(Colours(*surface, ink.Rect).contains(Rgb(ink.Colour))) << ink.Colour;
    }
    EXPECT_EQ(Paint()->Pixels(), surface->Pixels());
}

TEST_F(FilterControlLayout, LevelLinesAlternateTheBackgroundAndTheDarkShadowPixelByPixel) {
    ui::TuiConditionViewInfo& first = AddCondition(NameIndex, ui::fcopLike);
    AddCondition(PriceIndex, ui::fcopGreater);
    const auto surface = Paint();
    const int32_t x = Control->Root().ButtonRect().Left + first.ButtonRect().Width() / 2;
    const vcl::TRect& row = first.RowRect();
    const vcl::TColor background = Rgb(Control->Color());
    const vcl::TColor shadow = Rgb(vcl::cl3DDkShadow);
    for (int y = row.Top; y < row.Bottom - 1; ++y) {
        const vcl::TColor pixel = surface->Pixel(x, y);
        const vcl::TColor next = surface->Pixel(x, y + 1);
        EXPECT_TRUE((pixel == background && next == shadow) || (pixel == shadow && next == background)) << y;
    }
    const int32_t middle = row.Top + row.Height() / 2;
    EXPECT_NE(surface->Pixel(x + 1, middle), surface->Pixel(x + 2, middle)) << "the line to the button";
    Control->SetShowLevelLines(false);
    EXPECT_EQ(Colours(*Paint(), {x, row.Top, x + 1, row.Bottom}), std::set<vcl::TColor>{background});
}

// Counts the relayouts.
class TCountingFilterControl : public ui::TuiFilterControl {
public:
    using ui::TuiFilterControl::TuiFilterControl;
    void LayoutChanged() override {
        ++Layouts;
        ui::TuiFilterControl::LayoutChanged();
    }
    int Layouts = 0;
};

class FilterControlFormats : public FilterControlTest {
protected:
    ui::TuiFilterControl* CreateControl() override { return new TCountingFilterControl(Form.get()); }
};

TEST_F(FilterControlFormats, AFormatChangeRelaysTheControlOut) {
    auto& control = static_cast<TCountingFilterControl&>(*Control);
    control.Layouts = 0;
    ui::GetFormatController().TranslationChanged();
    EXPECT_EQ(control.Layouts, 1);
}

} // namespace
