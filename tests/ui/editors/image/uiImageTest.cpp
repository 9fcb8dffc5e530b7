// The image editor: picture values passed byte for byte (the optional header, short and damaged values, JPEG), the
// graphic class list, the display text, painting on 32-bit surfaces (centred, in proportion, the background, the focus
// rectangle, the caption), measuring in a cell, scrolling, the clipboard keys and the context menu, a read-only
// editor and loading through the file dialogs.

#include "ui/editors/image/uiImage.h"

#include "rtl/WindowsApi.h"
#include "rtl/io/Streams.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/FileDialogs.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "tests/ui/editors/framework/EditorTestForms.h"
#include "ui/core/painters/uiScrollBar.h"
#include "ui/editors/image/uiImagePictureValue.h"
#include "ui/editors/image/uiImageViewData.h"
#include "vcl/graphics/Colors.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/Icon.h"
#include "vcl/graphics/images/JpegImage.h"
#include "vcl/graphics/images/Metafile.h"
#include "vcl/graphics/images/Picture.h"
#include "vcl/graphics/images/PictureClipboard.h"
#include "vcl/menus/Menus.h"
#include "vcl/services/Clipboard.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using ui_test::InkBounds;
using ui_test::TDibSurface;

// A picture of width x height in colour, with a frame of frameWidth pixels in frameColour.
void MakeBitmap(vcl::TBitmap& bitmap, int width, int height, vcl::TColor colour, int frameWidth = 0,
                vcl::TColor frameColour = vcl::clLime) {
    bitmap.SetPixelFormat(vcl::pf24bit);
    bitmap.SetSize(width, height);
    bitmap.Canvas().Brush().SetColor(frameColour);
    bitmap.Canvas().FillRect({0, 0, width, height});
    bitmap.Canvas().Brush().SetColor(colour);
    bitmap.Canvas().FillRect({frameWidth, frameWidth, width - frameWidth, height - frameWidth});
}

std::string BitmapBytes(int width, int height, vcl::TColor colour) {
    vcl::TBitmap bitmap;
    MakeBitmap(bitmap, width, height, colour);
    rtl::TMemoryStream stream;
    bitmap.SaveToStream(stream);
    return {static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size())};
}

rtl::Variant BytesValue(const std::string& bytes) {
    return rtl::Variant::FromAnsiString(rtl::AnsiString(bytes.data(), bytes.size()));
}

std::string ValueBytes(const rtl::Variant& value) {
    return std::string(value.StoredAnsiString());
}

// The header: 16-bit 1, 16-bit 256, then the 32-bit count of the bytes after it.
std::string WithHeader(const std::string& bytes, uint32_t count) {
    std::string header("\x01\x00\x00\x01", 4);
    header.append(reinterpret_cast<const char*>(&count), sizeof count);
    return header + bytes;
}

std::vector<uint32_t> PicturePixels(const vcl::TPicture& picture) {
    vcl::TBitmap bitmap;
    MakeBitmap(bitmap, picture.Width(), picture.Height(), vcl::clWhite);
    bitmap.Canvas().Draw(0, 0, *picture.Graphic());
    std::vector<uint32_t> pixels;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            pixels.push_back(bitmap.Canvas().Pixel(x, y));
        }
    }
    return pixels;
}

TEST(ImagePictureValue, NullShortAndHeaderedValues) {
    const std::string bitmap = BitmapBytes(6, 4, vcl::clRed);
    const struct {
        const char* Name;
        rtl::Variant Value;
        bool Picture;
    } cases[] = {
        {"Null", rtl::Variant::Null(), false},
        {"plain bitmap", BytesValue(bitmap), true},
        {"header and count", BytesValue(WithHeader(bitmap, static_cast<uint32_t>(bitmap.size()))), true},
        {"header with a wrong count read from byte 0", BytesValue(WithHeader(bitmap, 3)), false},
        {"1 byte", BytesValue("B"), false},
        {"7 bytes", BytesValue(bitmap.substr(0, 7)), false},
        {"text", rtl::Variant(u"not a picture"), false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        vcl::TPicture picture;
        MakeBitmap(picture.Bitmap(), 3, 3, vcl::clBlue);
        ui::LoadPictureFromValue(picture, &vcl::TBitmap::StaticClass(), test.Value);
        EXPECT_EQ(!ui::IsPictureEmpty(picture), test.Picture);
        if (test.Picture) {
            EXPECT_EQ(picture.Width(), 6);
            EXPECT_EQ(picture.Height(), 4);
            EXPECT_EQ(ValueBytes(ui::PictureToValue(picture)), bitmap) << "written back without the header";
        } else {
            EXPECT_TRUE(ui::PictureToValue(picture).IsNull());
        }
    }
}

TEST(ImagePictureValue, JpegBytesReadBackToTheSamePixelsAndATruncatedOneToNothing) {
    vcl::TBitmap bitmap;
    MakeBitmap(bitmap, 32, 16, vcl::clRed, 4, vcl::clBlue);
    vcl::TJPEGImage jpeg;
    jpeg.Assign(&bitmap);
    jpeg.Compress();
    vcl::TPicture source;
    source.Assign(&jpeg);
    const rtl::Variant value = ui::PictureToValue(source);
    const std::string bytes = ValueBytes(value);
    ASSERT_GE(bytes.size(), 2U);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xD8);

    vcl::TPicture read;
    ui::LoadPictureFromValue(read, &vcl::TJPEGImage::StaticClass(), value);
    ASSERT_FALSE(ui::IsPictureEmpty(read));
    EXPECT_EQ(ValueBytes(ui::PictureToValue(read)), bytes) << "the bytes pass unchanged";
    vcl::TPicture again;
    ui::LoadPictureFromValue(again, &vcl::TJPEGImage::StaticClass(), ui::PictureToValue(read));
    EXPECT_EQ(PicturePixels(again), PicturePixels(read));
    // The compressed middle stays red and the frame blue, within the loss of the compression.
    const vcl::TColor middle = PicturePixels(read)[8 * 32 + 16];
    EXPECT_GT(GetRValue(middle), 200);
    EXPECT_LT(GetBValue(middle), 60);

    vcl::TPicture truncated;
    EXPECT_NO_THROW(ui::LoadPictureFromValue(truncated, &vcl::TJPEGImage::StaticClass(),
                                             BytesValue(bytes.substr(0, bytes.size() / 2))));
    EXPECT_TRUE(ui::IsPictureEmpty(truncated));
}

TEST(ImagePictureValue, AByteArrayIsReadByteForByte) {
    const std::string bitmap = BitmapBytes(5, 5, vcl::clYellow);
    const rtl::Variant array = rtl::Variant::ByteArrayOf(bitmap);
    vcl::TPicture picture;
    ui::LoadPictureFromValue(picture, nullptr, array);
    EXPECT_EQ(picture.Width(), 5);
}

TEST(ImageGraphicClasses, TheListInOrderFoundByNameInAnyCase) {
    const std::vector<vcl::TGraphicClass>& classes = ui::GraphicClassList();
    ASSERT_GE(classes.size(), 4U);
    EXPECT_EQ(classes[0], &vcl::TBitmap::StaticClass());
    EXPECT_EQ(classes[1], &vcl::TIcon::StaticClass());
    EXPECT_EQ(classes[2], &vcl::TMetafile::StaticClass());
    EXPECT_EQ(classes.back(), &vcl::TJPEGImage::StaticClass());
    EXPECT_EQ(ui::FindGraphicClass(u"tjpegimage"), &vcl::TJPEGImage::StaticClass());
    EXPECT_EQ(ui::FindGraphicClass(u"TBITMAP"), &vcl::TBitmap::StaticClass());
    EXPECT_EQ(ui::FindGraphicClass(u"TGifImage"), nullptr);
}

TEST(ImageProperties, ClassNamesDisplayTextAndThePastingClass) {
    ui::TuiImageProperties properties(nullptr);
    EXPECT_EQ(properties.GraphicClass(), &vcl::TBitmap::StaticClass());
    EXPECT_FALSE(properties.IsGraphicClassNameStored());
    properties.SetGraphicClassName(u"tjpegimage");
    EXPECT_EQ(properties.GraphicClassName(), u"TJPEGImage");
    properties.SetGraphicClassName(u"TNoSuchImage");
    EXPECT_EQ(properties.GraphicClass(), &vcl::TJPEGImage::StaticClass());
    properties.SetGraphicClassName(u"");
    EXPECT_EQ(properties.GraphicClass(), nullptr);
    EXPECT_TRUE(properties.IsGraphicClassNameEmpty());
    EXPECT_EQ(properties.GetGraphicClass(nullptr, -1, false), nullptr);
    EXPECT_EQ(properties.GetGraphicClass(nullptr, -1, true), &vcl::TBitmap::StaticClass());

    properties.SetCaption(u"(photo)");
    EXPECT_EQ(properties.GetDisplayText(rtl::Variant::Null()), u"");
    EXPECT_EQ(properties.GetDisplayText(BytesValue(BitmapBytes(2, 2, vcl::clRed))), u"(photo)");
}

// The content size a cell asks for.
struct TMeasuredImage : ui::TuiImageViewData {
    using TuiImageViewData::GetContentSize;
    using TuiImageViewData::TuiImageViewData;
};

TEST(ImageViewData, APictureMeasuredInACellShrinksInProportionToTheWidth) {
    ui::TuiImageProperties properties(nullptr);
    ui::TuiEditStyle style(nullptr, false);
    TMeasuredImage data(properties, style, true);
    ui_test::TCanvasSurface on(10, 10);
    const rtl::Variant value = BytesValue(BitmapBytes(100, 50, vcl::clRed));
    const struct {
        int Width;
        vcl::TSize Size;
    } cases[] = {{75, {75, 38}}, {25, {25, 12}}, {200, {100, 50}}};
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Width);
        const vcl::TSize size = data.GetContentSize(on.Canvas, value, {-1, 0, test.Width});
        EXPECT_EQ(size.cx, test.Size.cx);
        EXPECT_EQ(size.cy, test.Size.cy);
    }
    EXPECT_EQ(ui::ScaleRoundedToEven(25, 1, 2), 12);
    EXPECT_EQ(ui::ScaleRoundedToEven(75, 1, 2), 38);
}

// An image editor on a form, its scroll handler reachable.
class TTestImage : public ui::TuiImage {
public:
    using TuiCustomImage::Scroll;
    using TuiImage::TuiImage;
    // Where the picture shows, inside the editor's frame.
    vcl::TRect Client() { return CurrentViewInfo().ClientRect; }
};

class ImageFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(420, 320);
        Other = ui_test::PlaceFocusTaker(*Form);
        Image = new TTestImage(Form.get());
        Image->Style().SetBorderStyle(ui::ebsNone);
        Image->Style().SetColor(vcl::clWhite);
        Image->Style().SetTextColor(vcl::clBlack);
        Image->SetParent(Form.get());
        Image->SetBounds(10, 10, 60, 30);
        Image->SetOnClosePopup(
            [this](ui::TuiCustomImage&, ui::TuiPopupCloseReason reason) { CloseReasons.push_back(reason); });
        ui_test::ProcessPendingMessages();
    }
    void SetPicture(int width, int height, vcl::TColor colour, int frameWidth = 0) {
        vcl::TPicture picture;
        MakeBitmap(picture.Bitmap(), width, height, colour, frameWidth);
        Image->SetPicture(picture);
        ui_test::ProcessPendingMessages();
    }
    std::unique_ptr<TDibSurface> Painted() {
        auto surface = std::make_unique<TDibSurface>(Image->Width(), Image->Height());
        ui_test::PaintControl(*Image, *surface);
        return surface;
    }
    void Focus() {
        Image->SetFocus();
        ui_test::ProcessPendingMessages();
    }
    static void Press(uint16_t key, vcl::TShiftState shift) {
        ui_test::PressKey(key, shift);
        ui_test::ProcessPendingMessages();
    }
    // Opens the context menu with the menu key and closes it as soon as it shows.
    void OpenContextMenuByKey() {
        Focus();
        SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
            KillTimer(nullptr, id);
            EndMenu();
        });
        // What the menu key sends.
        SendMessageW(Image->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Image->Handle()), MAKELPARAM(-1, -1));
        ui_test::ProcessPendingMessages();
    }
    vcl::TMenuItem& MenuItem(int index) { return *Image->ContextMenu()->Items().Items(index); }

    ui_test::TFormPtr<vcl::TForm> Form;
    vcl::TEdit* Other = nullptr;
    TTestImage* Image = nullptr;
    std::vector<ui::TuiPopupCloseReason> CloseReasons;
};

TEST_F(ImageFormTest, NullValueGivesNoPictureAndANullEditValue) {
    SetPicture(8, 8, vcl::clRed);
    Image->SetEditValue(rtl::Variant::Null());
    EXPECT_TRUE(ui::IsPictureEmpty(Image->Picture()));
    EXPECT_TRUE(Image->GetEditValue().IsNull());
    const std::string bytes = BitmapBytes(8, 4, vcl::clBlue);
    Image->SetEditValue(BytesValue(bytes));
    EXPECT_EQ(Image->Picture().Width(), 8);
    EXPECT_EQ(ValueBytes(Image->GetEditValue()), bytes);
}

TEST_F(ImageFormTest, CenterCutsALargerPictureEquallyOnBothSidesWithoutScrollBars) {
    Image->ImageProperties().SetProportional(false);
    // A red middle of 60 x 30 in a frame of 20 pixels: centred, only the red shows.
    SetPicture(100, 70, vcl::clRed, 20);
    const std::unique_ptr<TDibSurface> surface = Painted();
    ASSERT_LE(Image->Client().Width(), 60);
    EXPECT_EQ(InkBounds(*surface, vcl::clRed), Image->Client());
    EXPECT_TRUE(InkBounds(*surface, vcl::clLime).IsEmpty());
    EXPECT_FALSE(Image->IsHScrollBarVisible());
    EXPECT_FALSE(Image->IsVScrollBarVisible());
}

TEST_F(ImageFormTest, ProportionalKeepsASmallerPictureAndShrinksALargerOne) {
    Image->ImageProperties().SetCenter(false);
    SetPicture(20, 10, vcl::clRed);
    const vcl::TRect client = Image->Client();
    std::unique_ptr<TDibSurface> surface = Painted();
    EXPECT_EQ(InkBounds(*surface, vcl::clRed),
              (vcl::TRect{client.Left, client.Top, client.Left + 20, client.Top + 10}));
    EXPECT_EQ(surface->Pixel(40, 20), vcl::ColorToRGB(vcl::clWhite)) << "the rest takes the background colour";

    // Twice as wide as the client area: half its height.
    SetPicture(client.Width() * 2, client.Height(), vcl::clRed);
    surface = Painted();
    EXPECT_EQ(InkBounds(*surface, vcl::clRed),
              (vcl::TRect{client.Left, client.Top, client.Right, client.Top + client.Height() / 2}));
    EXPECT_EQ(surface->Pixel(30, client.Bottom - 2), vcl::ColorToRGB(vcl::clWhite));
    EXPECT_FALSE(Image->IsVScrollBarVisible());
}

TEST_F(ImageFormTest, AFocusedEditorIsOutlinedAndItsPictureClippedInside) {
    const vcl::TRect client = Image->Client();
    SetPicture(client.Width(), client.Height(), vcl::clRed);
    Focus();
    const std::unique_ptr<TDibSurface> surface = Painted();
    EXPECT_EQ(InkBounds(*surface, vcl::clRed),
              (vcl::TRect{client.Left + 1, client.Top + 1, client.Right - 1, client.Bottom - 1}));
    EXPECT_NE(surface->Pixel(client.Left, client.Top), vcl::ColorToRGB(vcl::clRed));
    EXPECT_EQ(Painted()->Pixels(), surface->Pixels()) << "painting twice gives the same pixels";

    Image->ImageProperties().SetShowFocusRect(false);
    EXPECT_EQ(InkBounds(*Painted(), vcl::clRed), client);
}

TEST_F(ImageFormTest, WithoutAPictureTheCaptionIsCentred) {
    Image->SetBounds(10, 10, 120, 40);
    Image->ImageProperties().SetCaption(u"Photo");
    ui_test::ProcessPendingMessages();
    const std::unique_ptr<TDibSurface> surface = Painted();
    const vcl::TRect ink = InkBounds(*surface, vcl::clBlack);
    ASSERT_FALSE(ink.IsEmpty());
    EXPECT_NEAR((ink.Left + ink.Right) / 2.0, 60, 2);
    EXPECT_NEAR((ink.Top + ink.Bottom) / 2.0, 20, 3);
    EXPECT_EQ(Painted()->Pixels(), surface->Pixels());
}

TEST_F(ImageFormTest, ALineScrollsEightPixelsNeverPastThePicturesEnd) {
    Image->SetBounds(10, 10, 80, 60);
    Image->ImageProperties().SetCenter(false);
    Image->ImageProperties().SetProportional(false);
    SetPicture(100, 120, vcl::clRed);
    ASSERT_TRUE(Image->IsVScrollBarVisible());
    int32_t position = 0;
    Image->Scroll(ui::sbVertical, ui::scLineDown, position);
    EXPECT_EQ(Image->VertOffset(), 8);
    for (int line = 0; line < 30; ++line) {
        Image->Scroll(ui::sbVertical, ui::scLineDown, position);
    }
    const int32_t visibleHeight = Image->VScrollBar()->Height();
    EXPECT_EQ(Image->VertOffset(), 120 - visibleHeight);
    Image->Scroll(ui::sbVertical, ui::scLineUp, position);
    EXPECT_EQ(Image->VertOffset(), 120 - visibleHeight - 8);
}

TEST_F(ImageFormTest, ClipboardKeysCutCopyAndPaste) {
    const struct {
        uint16_t Key;
        vcl::TShiftState Shift;
        bool Copies;
        bool Removes;
    } copyKeys[] = {
        {VK_INSERT, {vcl::ssCtrl}, true, false},
        {'C', {vcl::ssCtrl}, true, false},
        {VK_DELETE, {vcl::ssShift}, true, true},
        {'X', {vcl::ssCtrl}, true, true},
    };
    for (const auto& test : copyKeys) {
        SCOPED_TRACE(test.Key);
        vcl::Clipboard().Clear();
        SetPicture(7, 5, vcl::clRed);
        Focus();
        Press(test.Key, test.Shift);
        EXPECT_EQ(vcl::Clipboard().HasFormat(CF_BITMAP), test.Copies);
        EXPECT_EQ(ui::IsPictureEmpty(Image->Picture()), test.Removes);
    }
    for (const uint16_t key : {uint16_t{VK_INSERT}, uint16_t{'V'}}) {
        SCOPED_TRACE(key);
        vcl::TBitmap bitmap;
        MakeBitmap(bitmap, 9, 3, vcl::clBlue);
        vcl::PutGraphicOnClipboard(vcl::Clipboard(), bitmap);
        Image->SetEditValue(rtl::Variant::Null());
        Focus();
        Press(key, key == VK_INSERT ? vcl::TShiftState{vcl::ssShift} : vcl::TShiftState{vcl::ssCtrl});
        EXPECT_EQ(Image->Picture().Width(), 9);
    }
}

TEST_F(ImageFormTest, PastingWithTheJpegClassStoresJpegBytes) {
    Image->ImageProperties().SetGraphicClass(&vcl::TJPEGImage::StaticClass());
    vcl::TBitmap bitmap;
    MakeBitmap(bitmap, 16, 8, vcl::clRed);
    vcl::PutGraphicOnClipboard(vcl::Clipboard(), bitmap);
    ASSERT_TRUE(Image->CanPasteFromClipboard());
    Image->PasteFromClipboard();
    const std::string bytes = ValueBytes(Image->GetEditValue());
    ASSERT_GE(bytes.size(), 2U);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xD8);
}

TEST_F(ImageFormTest, PastingNeedsTheClassesClipboardFormat) {
    vcl::TBitmap bitmap;
    MakeBitmap(bitmap, 4, 4, vcl::clRed);
    vcl::PutGraphicOnClipboard(vcl::Clipboard(), bitmap);
    const struct {
        vcl::TGraphicClass Class;
        bool CanPaste;
    } cases[] = {
        {&vcl::TBitmap::StaticClass(), true},
        {&vcl::TJPEGImage::StaticClass(), true},
        {&vcl::TMetafile::StaticClass(), false},
        {&vcl::TIcon::StaticClass(), false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(static_cast<int>(&test - cases));
        Image->ImageProperties().SetGraphicClass(test.Class);
        EXPECT_EQ(Image->CanPasteFromClipboard(), test.CanPaste);
    }
}

TEST_F(ImageFormTest, AReadOnlyEditorIgnoresPasteDeleteAndLoad) {
    ui_test::TScriptedFileDialogs dialogs;
    SetPicture(7, 5, vcl::clRed);
    Image->ImageProperties().SetReadOnly(true);
    vcl::TBitmap bitmap;
    MakeBitmap(bitmap, 9, 3, vcl::clBlue);
    vcl::PutGraphicOnClipboard(vcl::Clipboard(), bitmap);
    Focus();
    Press(VK_INSERT, {vcl::ssShift});
    Image->DeletePicture();
    Image->LoadPicture();
    EXPECT_EQ(Image->Picture().Width(), 7);
    EXPECT_TRUE(dialogs.Shown.empty());
    Press('C', {vcl::ssCtrl});
    EXPECT_TRUE(vcl::Clipboard().HasFormat(CF_BITMAP)) << "copying changes nothing";
}

TEST_F(ImageFormTest, AScriptedLoadReportsAcceptAndCancelAsCloseReasons) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "tallyvane-image-load.bmp";
    vcl::TBitmap bitmap;
    MakeBitmap(bitmap, 11, 6, vcl::clBlue);
    bitmap.SaveToFile(rtl::UnicodeString(path.u16string()));
    ui_test::TScriptedFileDialogs dialogs;
    dialogs.Accept(path.u16string());
    dialogs.Cancel();
    Image->LoadPicture();
    EXPECT_EQ(Image->Picture().Width(), 11);
    Image->LoadPicture();
    ASSERT_EQ(CloseReasons.size(), 2U);
    EXPECT_EQ(CloseReasons[0], ui::pcrAccept);
    EXPECT_EQ(static_cast<int>(CloseReasons[0]), 4);
    EXPECT_EQ(CloseReasons[1], ui::pcrCancel);
    EXPECT_EQ(static_cast<int>(CloseReasons[1]), 3);
    ASSERT_EQ(dialogs.Shown.size(), 2U);
    EXPECT_NE(dialogs.Shown[0].Filter.find(u"bmp"), rtl::UnicodeString::npos);
    std::filesystem::remove(path);
}

TEST_F(ImageFormTest, TheMenuKeyOpensTheMenuAtTenTenWithTheCustomItemOnlyWhenAsked) {
    SetPicture(7, 5, vcl::clRed);
    OpenContextMenuByKey();
    ASSERT_NE(Image->ContextMenu(), nullptr);
    EXPECT_EQ(Image->ContextMenu()->PopupPoint(), Image->ClientToScreen({10, 10}));
    ASSERT_EQ(Image->ContextMenu()->Items().Count(), 9);
    EXPECT_TRUE(MenuItem(4).Visible());
    EXPECT_FALSE(MenuItem(7).Visible());
    EXPECT_FALSE(MenuItem(8).Visible());
    EXPECT_TRUE(MenuItem(0).Enabled());
    EXPECT_TRUE(MenuItem(1).Enabled());

    ui::TuiPopupMenuItems items = ui::DefaultPopupMenuItems;
    items.Include(ui::pmiCustom);
    Image->ImageProperties().PopupMenuLayout().SetMenuItems(items);
    Image->ImageProperties().PopupMenuLayout().SetCustomMenuItemCaption(u"Rotate");
    OpenContextMenuByKey();
    EXPECT_TRUE(MenuItem(7).Visible());
    EXPECT_TRUE(MenuItem(8).Visible());
    EXPECT_EQ(MenuItem(8).Caption(), u"Rotate");
}

TEST_F(ImageFormTest, AnIconCannotBeCutOrCopied) {
    SetPicture(7, 5, vcl::clRed);
    Image->ImageProperties().SetGraphicClass(&vcl::TIcon::StaticClass());
    OpenContextMenuByKey();
    ASSERT_NE(Image->ContextMenu(), nullptr);
    EXPECT_FALSE(MenuItem(0).Enabled());
    EXPECT_FALSE(MenuItem(1).Enabled());
    EXPECT_FALSE(MenuItem(2).Enabled()) << "icons are never pasted";
    EXPECT_TRUE(MenuItem(3).Enabled());

    const std::pair<uint16_t, vcl::TShiftState> copyKeys[] = {
        {VK_INSERT, {vcl::ssCtrl}}, {'C', {vcl::ssCtrl}}, {VK_DELETE, {vcl::ssShift}}, {'X', {vcl::ssCtrl}}};
    for (const auto& [key, shift] : copyKeys) {
        SCOPED_TRACE(key);
        vcl::Clipboard().Clear();
        Focus();
        Press(key, shift);
        EXPECT_FALSE(vcl::Clipboard().HasFormat(CF_BITMAP));
        EXPECT_FALSE(ui::IsPictureEmpty(Image->Picture()));
    }
}

} // namespace
