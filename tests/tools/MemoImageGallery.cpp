// The memo and image editor page of the painter gallery: a form with a column per look and skin holding a memo with
// Chinese and Latin lines under its scroll bars, an image editor with a picture larger than itself (scrolled), one
// with the picture fitted in proportion, and one without a picture showing its caption; to try the keys, the
// context menu and the clipboard by hand.

#include "tests/tools/MemoImageGallery.h"

#include "tests/tools/GalleryLooks.h"
#include "ui/editors/image/uiImage.h"
#include "ui/editors/text/memo/uiMemo.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/Form.h"
#include "vcl/graphics/Colors.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/Picture.h"

namespace {

constexpr int32_t GalleryCellWidth = 150;
constexpr int32_t GalleryCellHeight = 90;
constexpr int32_t GalleryCellGap = 10;
constexpr int32_t GalleryFirstRowTop = 8;

// Bands of colour, so that scrolling and fitting show.
void DrawBandedPicture(vcl::TPicture& picture) {
    vcl::TBitmap& bitmap = picture.Bitmap();
    bitmap.SetPixelFormat(vcl::pf24bit);
    bitmap.SetSize(240, 160);
    const vcl::TColor bands[] = {vcl::clNavy, vcl::clTeal, vcl::clOlive, vcl::clMaroon};
    for (int32_t band = 0; band < 4; ++band) {
        bitmap.Canvas().Brush().SetColor(bands[band]);
        bitmap.Canvas().FillRect({band * 60, 0, band * 60 + 60, 160});
    }
}

ui::TuiImage* AddImage(vcl::TForm& form, const gallery::TGalleryLook& look, int32_t left, int32_t top) {
    auto* image = new ui::TuiImage(&form);
    image->SetParent(&form);
    image->SetBounds(left, top, GalleryCellWidth, GalleryCellHeight);
    gallery::ApplyGalleryLook(image->EditStyle(ui::essNormal).LookAndFeel(), look);
    return image;
}

void FillColumn(vcl::TForm& form, const gallery::TGalleryLook& look, int32_t left) {
    auto* memo = new ui::TuiMemo(&form);
    memo->SetParent(&form);
    memo->SetBounds(left, GalleryFirstRowTop, GalleryCellWidth, GalleryCellHeight);
    gallery::ApplyGalleryLook(memo->EditStyle(ui::essNormal).LookAndFeel(), look);
    memo->MemoProperties().SetScrollBars(vcl::ssVertical);
    memo->SetEditValue(rtl::Variant(rtl::UnicodeString(look.Name) + u"\r\n增值税发票\r\nline three\r\nline four\r\n"
                                                                    u"line five\r\nline six"));

    vcl::TPicture picture;
    DrawBandedPicture(picture);
    int32_t top = GalleryFirstRowTop + GalleryCellHeight + GalleryCellGap;
    ui::TuiImage* scrolled = AddImage(form, look, left, top);
    scrolled->ImageProperties().SetCenter(false);
    scrolled->ImageProperties().SetProportional(false);
    scrolled->SetPicture(picture);
    top += GalleryCellHeight + GalleryCellGap;
    AddImage(form, look, left, top)->SetPicture(picture);
    top += GalleryCellHeight + GalleryCellGap;
    AddImage(form, look, left, top)->ImageProperties().SetCaption(u"(no picture)");
}

} // namespace

int RunMemoImageGallery() {
    vcl::Application().Initialize();
    auto* form = vcl::Application().CreateForm<vcl::TForm>();
    form->SetCaption(u"Painter gallery, memo and image editors");
    int32_t column = 0;
    for (const gallery::TGalleryLook& look : gallery::GalleryLooks) {
        FillColumn(*form, look, GalleryCellGap + column * (GalleryCellWidth + GalleryCellGap));
        ++column;
    }
    form->SetClientWidth(GalleryCellGap + column * (GalleryCellWidth + GalleryCellGap));
    form->SetClientHeight(GalleryFirstRowTop + 4 * (GalleryCellHeight + GalleryCellGap));
    vcl::Application().Run();
    return 0;
}
