// Where the painter base puts a tab's image and caption: rotated captions of automatic width lined up by the
// control's caption alignment, the image band before the caption, an image alone centred, and captions shortened to
// the room left or dropped when nothing sensible is left of them.

#include "tests/ui/pagecontrol/tabs/TabControlTestSupport.h"
#include "ui/pagecontrol/tabs/uiPCPainter.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/imagelists/ImageList.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using ui_test::ShowTabControlForm;

const TuiPCTabContentData& ContentOf(TuiCustomTabControl& control, int32_t visibleIndex) {
    control.Painter().SetTabImageAndTextRects(visibleIndex);
    return control.Painter().TabContentData();
}

// The captions read bottom to top, so a caption starts at its rectangle's bottom.
TEST(uiPCPainterContent, RotatedCaptionsLineUpByTheCaptionAlignment) {
    auto host = ShowTabControlForm(300, 300);
    TuiTabControl& control = *host.Control;
    ui_test::AddTabs(control, {u"A", u"A much longer caption", u"Mid", u"Active"});
    control.SetRotate(true);
    control.SetTabIndex(3);
    const int32_t widest = control.WidestRotatedCaptionWidth();
    ASSERT_EQ(widest, ContentOf(control, 1).TextRect.Height());
    for (const vcl::TAlignment alignment : {vcl::taLeftJustify, vcl::taCenter, vcl::taRightJustify}) {
        control.SetTabCaptionAlignment(alignment);
        const vcl::TRect tab = control.Tabs().Tab(0).GetFullRect();
        const TuiPCDistances margins = control.Painter().GetContentOffsets(0);
        const int32_t room = tab.Height() - margins.First - margins.Second;
        for (int32_t i = 0; i < 3; ++i) {
            const vcl::TRect text = ContentOf(control, i).TextRect;
            const int32_t width = text.Height();
            int32_t offset = (room - width) / 2;
            if (alignment == vcl::taLeftJustify) {
                offset = (room - widest) / 2;
            } else if (alignment == vcl::taRightJustify) {
                offset = widest + (room - widest) / 2 - width;
            }
            EXPECT_EQ(text.Bottom, tab.Bottom - margins.First - offset)
                << "alignment " << int(alignment) << " tab " << i;
        }
    }
    control.SetTabCaptionAlignment(vcl::taLeftJustify);
    EXPECT_EQ(ContentOf(control, 0).TextRect.Bottom, ContentOf(control, 2).TextRect.Bottom) << "one starting line";
    control.SetTabCaptionAlignment(vcl::taRightJustify);
    EXPECT_EQ(ContentOf(control, 0).TextRect.Top, ContentOf(control, 2).TextRect.Top) << "one ending line";
    control.SetTabWidth(120);
    const vcl::TRect tab = control.Tabs().Tab(0).GetFullRect();
    const vcl::TRect text = ContentOf(control, 0).TextRect;
    EXPECT_LE(std::abs((tab.Bottom - text.Bottom) - (text.Top - tab.Top)), 1) << "a fixed width centres again";
}

TEST(uiPCPainterContent, TheImageBandComesBeforeTheCaption) {
    auto host = ShowTabControlForm(400, 100);
    TuiTabControl& control = *host.Control;
    vcl::TImageList images(host.Form.get());
    vcl::TBitmap image(16, 16);
    images.Add(image, nullptr);
    control.SetImages(&images);
    control.SetImageBorder(2);
    ui_test::AddTabs(control, {u"First", u""});
    control.Tabs().Tab(1).SetImageIndex(0);
    const TuiPCTabContentData first = ContentOf(control, 0);
    EXPECT_EQ(first.ImageRect.Width(), 16);
    EXPECT_EQ(first.TextRect.Left - first.ImageRect.Right, 2 + control.Painter().GetImageTextDistance());
    const vcl::TRect tab = control.Tabs().Tab(0).GetFullRect();
    const int32_t textCentre = (first.TextRect.Left + first.ImageRect.Left) / 2 + first.TextRect.Width() / 2;
    EXPECT_NEAR(textCentre, (tab.Left + tab.Right) / 2, 4) << "image and caption are centred together";

    const TuiPCTabContentData alone = ContentOf(control, 1);
    const vcl::TRect other = control.Tabs().Tab(1).GetFullRect();
    EXPECT_TRUE(alone.TextRect.IsEmpty());
    EXPECT_LE(std::abs((alone.ImageRect.Left - other.Left) - (other.Right - alone.ImageRect.Right)), 1)
        << "an image alone is centred along the tab";
    control.SetImages(nullptr);
    EXPECT_TRUE(ContentOf(control, 1).ImageRect.IsEmpty());
}

TEST(uiPCPainterContent, ACaptionIsShortenedOrDropped) {
    auto host = ShowTabControlForm(400, 100);
    TuiTabControl& control = *host.Control;
    // "&&" is a plain ampersand, which the end ellipsis keeps: "&..." would draw only an underlined ellipsis.
    ui_test::AddTabs(control, {u"&&WWWWWW", u"Edit"});
    control.SetTabWidth(18);
    EXPECT_EQ(ContentOf(control, 0).Caption, u"...");
    control.SetTabWidth(26);
    EXPECT_TRUE(ContentOf(control, 0).Caption.empty());
    EXPECT_TRUE(ContentOf(control, 0).TextRect.IsEmpty());
    control.SetTabWidth(12);
    EXPECT_TRUE(ContentOf(control, 0).TextRect.IsEmpty()) << "not even the ellipsis fits";
    control.SetTabWidth(0);
    EXPECT_EQ(ContentOf(control, 0).Caption, u"&&WWWWWW");
}

} // namespace
} // namespace ui
