#pragma once
// The glyph of a push button: a bitmap of one to four images side by side (up, disabled, down, a fourth the button
// never asks for) or, without a bitmap, an image of an image list. TuiButtonGlyph lays glyph and caption out in the
// button's content rectangle and draws both. The per-state images are made once, on first use, and kept in image
// lists shared by every glyph of the same size: TuiGlyphCache holds one TuiGlyphList per size, whose slots given back
// by one glyph are taken by the next.

#include "rtl/core/Events.h"
#include "rtl/text/StringTypes.h"
#include "ui/core/images/uiImageList.h"
#include "ui/core/painters/uiPainterTypes.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace vcl {
class TCustomImageList;
} // namespace vcl

namespace ui {

class TuiCanvas;

enum TButtonLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// What a button shows: glyph and caption, the caption only, the glyph only.
enum TuiButtonPaintStyle : uint8_t { bpsDefault, bpsCaption, bpsGlyph };

// An image list of one image size whose slots are taken and given back; a slot given back keeps its image until the
// next glyph takes it.
class TuiGlyphList : public TuiImageList {
    RTL_DECLARE_CLASS(TuiGlyphList, TuiImageList)
public:
    TuiGlyphList(int32_t width, int32_t height);

    // The first free slot (a new image when none is free) now holding image and mask.
    int32_t AddImage(vcl::TBitmap& image, vcl::TBitmap* mask);
    // Gives the slot back; nothing for a slot that is not taken.
    void Delete(int32_t slot);
    int32_t UsedCount() const { return FUsedCount; }

private:
    std::vector<bool> FUsedSlots;
    int32_t FUsedCount = 0;
};

// The process's glyph lists, one per image size; a list with no slot taken is freed when given back.
class TuiGlyphCache {
public:
    // The list of that size, made when there is none.
    TuiGlyphList& GetList(int32_t width, int32_t height);
    // Frees list when no slot of it is taken.
    void ReturnList(TuiGlyphList* list);
    bool IsEmpty() const { return FLists.empty(); }
    int32_t ListCount() const { return static_cast<int32_t>(FLists.size()); }

private:
    std::vector<std::unique_ptr<TuiGlyphList>> FLists;
};

// The process's cache; nullptr while no glyph exists.
TuiGlyphCache* GlyphCache();

// How one call of TuiButtonGlyph::Draw places and draws the button's content.
struct TuiButtonGlyphDrawArgs {
    vcl::TRect ContentRect;
    vcl::TPoint Offset;
    rtl::UnicodeString Caption;
    TButtonLayout Layout = blGlyphLeft;
    // -1 centres the content; -1 spacing spreads it in equal gaps.
    int32_t Margin = -1;
    int32_t Spacing = 4;
    TuiButtonState State = uibsNormal;
    // DT_RTLREADING and DT_RIGHT for a right-to-left control.
    uint32_t BiDiFlags = 0;
    bool NativePainter = false;
    bool WordWrap = false;
    bool Skin = false;
};

// Where the glyph and the caption go inside the content rectangle.
struct TuiButtonGlyphLayout {
    vcl::TPoint GlyphPosition;
    vcl::TRect TextRect;
};

class TuiButtonGlyph {
public:
    TuiButtonGlyph();
    virtual ~TuiButtonGlyph();
    TuiButtonGlyph(const TuiButtonGlyph&) = delete;
    TuiButtonGlyph& operator=(const TuiButtonGlyph&) = delete;

    // The source bitmap; setting copies value and counts its images from its shape.
    vcl::TBitmap& Glyph() const { return *FGlyph; }
    void SetGlyph(const vcl::TBitmap* value);
    vcl::TCustomImageList* Images() const { return FImages; }
    void SetImages(vcl::TCustomImageList* value);
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t value);
    int32_t NumGlyphs() const { return FNumGlyphs; }
    // Clamped into 1..4.
    void SetNumGlyphs(int32_t value);
    // The owner's paint style decides what is visible.
    TuiButtonPaintStyle PaintStyle() const { return FPaintStyle; }
    void SetPaintStyle(TuiButtonPaintStyle value) { FPaintStyle = value; }
    vcl::TColor TransparentColor() const { return FGlyph->TransparentColor(); }
    // Called after every change of the images.
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }

    bool HasImage() const;
    bool IsGlyphVisible() const;
    bool IsCaptionVisible(rtl::UnicodeStringView caption) const;
    // One image's size; (0, 0) without an image.
    vcl::TSize GetGlyphSize() const;
    // The state's image in the glyph list, made on first use; -1 without an image.
    int32_t CreateButtonGlyph(TuiButtonState state);
    // The list this glyph's images live in; nullptr before the first is made.
    TuiGlyphList* GlyphList() const { return FGlyphList; }

    TuiButtonGlyphLayout CalcButtonLayout(TuiCanvas& canvas, const TuiButtonGlyphDrawArgs& args) const;
    void Draw(TuiCanvas& canvas, const TuiButtonGlyphDrawArgs& args);

    // The number of images a bitmap of that shape holds side by side.
    static int32_t NumGlyphsOfShape(int32_t width, int32_t height);

protected:
    // Room kept round the caption (left, top, right, bottom): more when no glyph stands beside it.
    virtual vcl::TRect GetTextOffsets(TButtonLayout layout) const;
    virtual void DrawImage(TuiCanvas& canvas, vcl::TPoint position, TuiButtonState state);
    virtual void DrawCaption(TuiCanvas& canvas, rtl::UnicodeStringView caption, const vcl::TRect& textRect,
                             const TuiButtonGlyphDrawArgs& args);

private:
    int32_t ImageKindOf(TuiButtonState state) const;
    vcl::TSize SourceSize() const;
    void MakeImage(int32_t kind, TuiBitmap32& image, TuiBitmap& mask);
    void ReleaseImages();
    void GlyphChanged();

    TuiGlyphList* FGlyphList = nullptr; // not owned: the cache owns it
    std::array<int32_t, 4> FImageIndexes{-1, -1, -1, -1};
    int32_t FNumGlyphs = 1;
    TuiButtonPaintStyle FPaintStyle = bpsDefault;
    rtl::TNotifyEvent FOnChange;
    std::unique_ptr<vcl::TBitmap> FGlyph;
    vcl::TCustomImageList* FImages = nullptr; // not owned
    int32_t FImageIndex = -1;
};

} // namespace ui
