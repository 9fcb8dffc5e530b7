// The memo's properties and its drawing without a window: the text flags of wrapped and unwrapped lines, the rows a
// cell shows, the short and full display texts, the filter operators it offers.

#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "ui/editors/filter/uiFilterControlOperators.h"
#include "ui/editors/text/memo/uiFilterMemoHelper.h"
#include "ui/editors/text/memo/uiMemoProperties.h"
#include "ui/editors/text/memo/uiMemoViewData.h"
#include "ui/editors/text/textedit/uiTextEditViewInfo.h"
#include "vcl/graphics/Colors.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

using ui_test::InkBounds;
using ui_test::TCanvasSurface;

// A memo value painted as a grid cell paints it.
struct TMemoView {
    ui::TuiMemoProperties Properties{nullptr};
    ui::TuiEditStyle Style{nullptr, false};
    std::unique_ptr<ui::TuiCustomEditViewData> Data;
    std::unique_ptr<ui::TuiCustomEditViewInfo> Info = Properties.CreateViewInfo();

    TMemoView() {
        Style.SetIgnoresDefaultController(true);
        Style.SetBorderStyle(ui::ebsNone);
        Style.SetColor(vcl::clWhite);
        Style.SetTextColor(vcl::clBlack);
        Style.Font().SetName(u"SimSun");
        Style.Font().SetSize(9);
        Remake();
    }
    void Remake() { Data = Properties.CreateViewData(Style, true); }
    ui::TuiCustomMemoViewData& ViewData() { return static_cast<ui::TuiCustomMemoViewData&>(*Data); }
    std::unique_ptr<TCanvasSurface> Paint(const rtl::UnicodeString& text, int width, int height) {
        auto on = std::make_unique<TCanvasSurface>(width, height);
        on->Surface.Fill(vcl::clFuchsia);
        Data->Calculate(on->Canvas, {0, 0, width, height}, false, *Info, {}, std::nullopt, {-1, -1});
        Data->ApplyDisplayValue(on->Canvas, rtl::Variant(text), *Info);
        Info->Paint(on->Canvas);
        return on;
    }
};

TEST(MemoProperties, NewPropertiesAndANegativeLineCount) {
    ui::TuiMemoProperties properties(nullptr);
    EXPECT_EQ(properties.ScrollBars(), vcl::ssNone);
    EXPECT_TRUE(properties.WantReturns());
    EXPECT_FALSE(properties.WantTabs());
    EXPECT_TRUE(properties.WordWrap());
    EXPECT_FALSE(properties.AutoSelect());
    EXPECT_EQ(properties.GetAlignment().Vert(), ui::taTopJustify);
    EXPECT_TRUE(properties.IsMultiLineText());
    properties.SetVisibleLineCount(-3);
    EXPECT_EQ(properties.VisibleLineCount(), 0);
    properties.SetVisibleLineCount(4);
    properties.SetWantTabs(true);
    EXPECT_TRUE(properties.WantsTabKey());

    ui::TuiMemoProperties copy(nullptr);
    copy.Assign(&properties);
    EXPECT_EQ(copy.VisibleLineCount(), 4);
    EXPECT_TRUE(copy.WantTabs());
}

TEST(MemoProperties, TextFlagsWrapOnlyWithoutAHorizontalBarAndCarryTheAlignment) {
    const struct {
        bool WordWrap;
        vcl::TScrollStyle Bars;
        vcl::TAlignment Alignment;
        uint32_t Flags;
    } cases[] = {
        {true, vcl::ssNone, vcl::taLeftJustify, 0x64500},   {true, vcl::ssVertical, vcl::taLeftJustify, 0x64500},
        {false, vcl::ssNone, vcl::taLeftJustify, 0x44400},  {true, vcl::ssHorizontal, vcl::taLeftJustify, 0x44400},
        {true, vcl::ssBoth, vcl::taLeftJustify, 0x44400},   {true, vcl::ssNone, vcl::taRightJustify, 0x64502},
        {false, vcl::ssNone, vcl::taCenter, 0x44401},
    };
    for (const auto& c : cases) {
        TMemoView view;
        view.Properties.SetWordWrap(c.WordWrap);
        view.Properties.SetScrollBars(c.Bars);
        view.Properties.GetAlignment().SetHorz(c.Alignment);
        view.Remake();
        EXPECT_EQ(view.ViewData().GetTextFlags(), c.Flags) << c.WordWrap << " " << c.Bars << " " << c.Alignment;
    }
}

TEST(MemoProperties, TheShortDisplayTextIsTheFirstLineOfAtMost250Characters) {
    ui::TuiMemoProperties properties(nullptr);
    const rtl::Variant lines(rtl::UnicodeString(u"第一行\r\nsecond\r\nthird"));
    EXPECT_EQ(properties.GetDisplayText(lines), u"第一行");
    EXPECT_EQ(properties.GetDisplayText(lines, true), u"第一行\r\nsecond\r\nthird");
    EXPECT_EQ(properties.GetDisplayText(rtl::Variant(rtl::UnicodeString(u"lf\nonly"))), u"lf");
    const rtl::UnicodeString longLine(300, u'x');
    EXPECT_EQ(properties.GetDisplayText(rtl::Variant(longLine)).size(), ui::MemoShortDisplayTextLength);
    EXPECT_EQ(properties.GetDisplayText(rtl::Variant(longLine), true), longLine);
}

TEST(MemoProperties, AMemoColumnIsFilteredByPatternsAndBlanksOnly) {
    ui::TuiMemoProperties properties(nullptr);
    const ui::TuiFilterControlOperators offered =
        ui::TuiFilterMemoHelper::Instance().GetSupportedOperators(properties, nullptr, true);
    ui::TuiFilterControlOperators expected;
    for (const int32_t op : {ui::fcopLike, ui::fcopNotLike, ui::fcopBlanks, ui::fcopNonBlanks}) {
        expected.set(static_cast<size_t>(op));
    }
    EXPECT_EQ(offered, expected);
}

// A cell shows every line of the value, one below the other, and paints the same pixels twice.
TEST(MemoView, ACellShowsEveryLineOfTheValue) {
    TMemoView view;
    auto one = view.Paint(u"Zg", 160, 60);
    auto three = view.Paint(u"Zg\r\nZg\r\nZg", 160, 60);
    const vcl::TRect oneInk = InkBounds(one->Surface, vcl::clBlack);
    const vcl::TRect threeInk = InkBounds(three->Surface, vcl::clBlack);
    ASSERT_FALSE(oneInk.IsEmpty());
    EXPECT_EQ(threeInk.Top, oneInk.Top);
    EXPECT_GT(threeInk.Bottom, oneInk.Bottom + 2 * oneInk.Height());
    auto again = view.Paint(u"Zg\r\nZg\r\nZg", 160, 60);
    EXPECT_EQ(three->Surface.Pixels(), again->Surface.Pixels());
}

TEST(MemoView, WrappedLinesBreakAtTheCellEdgeUnwrappedOnesDoNot) {
    TMemoView view;
    const rtl::UnicodeString words(u"one two three four five six seven eight");
    const vcl::TRect wrapped = InkBounds(view.Paint(words, 80, 100)->Surface, vcl::clBlack);
    view.Properties.SetWordWrap(false);
    view.Remake();
    const vcl::TRect unwrapped = InkBounds(view.Paint(words, 80, 100)->Surface, vcl::clBlack);
    EXPECT_GT(wrapped.Height(), 2 * unwrapped.Height());
}

TEST(MemoView, VisibleLineCountLimitsTheRowsDrawn) {
    TMemoView view;
    view.Properties.SetVisibleLineCount(2);
    view.Remake();
    const vcl::TRect two = InkBounds(view.Paint(u"Zg\r\nZg", 160, 80)->Surface, vcl::clBlack);
    const vcl::TRect four = InkBounds(view.Paint(u"Zg\r\nZg\r\nZg\r\nZg", 160, 80)->Surface, vcl::clBlack);
    EXPECT_EQ(four, two);
}

} // namespace
