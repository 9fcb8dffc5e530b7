#include "ui/editors/choice/uiButtonGlyph.h"

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/images/uiAlphaBlend.h"
#include "ui/core/images/uiGlyphDrawing.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/system/Win32.h"

#include <algorithm>

namespace ui {

namespace {

// Image kinds in a glyph bitmap, left to right.
constexpr int32_t glyphKindUp = 0;
constexpr int32_t glyphKindDisabled = 1;
constexpr int32_t glyphKindDown = 2;

// The one cache of the process, made by the first glyph and freed by the last.
std::unique_ptr<TuiGlyphCache>& GlyphCacheSlot() {
    static std::unique_ptr<TuiGlyphCache> cache;
    return cache;
}

TuiGlyphCache& EnsureGlyphCache() {
    auto& cache = GlyphCacheSlot();
    if (!cache) {
        cache = std::make_unique<TuiGlyphCache>();
    }
    return *cache;
}

} // namespace

TuiGlyphCache* GlyphCache() {
    return GlyphCacheSlot().get();
}

// TuiGlyphList

TuiGlyphList::TuiGlyphList(int32_t width, int32_t height) : TuiImageList(nullptr, width, height) {}

int32_t TuiGlyphList::AddImage(vcl::TBitmap& image, vcl::TBitmap* mask) {
    auto freeSlot = std::find(FUsedSlots.begin(), FUsedSlots.end(), false);
    int32_t slot = static_cast<int32_t>(freeSlot - FUsedSlots.begin());
    if (freeSlot == FUsedSlots.end()) {
        slot = AddBitmap(image, nullptr);
        FUsedSlots.resize(static_cast<size_t>(Count()), false);
    }
    FUsedSlots[static_cast<size_t>(slot)] = true;
    ReplaceBitmap(slot, image, mask);
    ++FUsedCount;
    return slot;
}

void TuiGlyphList::Delete(int32_t slot) {
    if (slot < 0 || static_cast<size_t>(slot) >= FUsedSlots.size() || !FUsedSlots[static_cast<size_t>(slot)]) {
        return;
    }
    FUsedSlots[static_cast<size_t>(slot)] = false;
    --FUsedCount;
}

// TuiGlyphCache

TuiGlyphList& TuiGlyphCache::GetList(int32_t width, int32_t height) {
    for (auto it = FLists.rbegin(); it != FLists.rend(); ++it) {
        if ((*it)->Width() == width && (*it)->Height() == height) {
            return **it;
        }
    }
    FLists.push_back(std::make_unique<TuiGlyphList>(width, height));
    return *FLists.back();
}

void TuiGlyphCache::ReturnList(TuiGlyphList* list) {
    if (list == nullptr || list->UsedCount() != 0) {
        return;
    }
    std::erase_if(FLists, [list](const std::unique_ptr<TuiGlyphList>& item) { return item.get() == list; });
}

// TuiButtonGlyph

TuiButtonGlyph::TuiButtonGlyph() : FGlyph(std::make_unique<vcl::TBitmap>()) {
    FGlyph->SetOnChange([this](rtl::TObject*) { GlyphChanged(); });
    EnsureGlyphCache();
}

TuiButtonGlyph::~TuiButtonGlyph() {
    FGlyph->SetOnChange(nullptr);
    ReleaseImages();
    auto& cache = GlyphCacheSlot();
    if (cache && cache->IsEmpty()) {
        cache.reset();
    }
}

int32_t TuiButtonGlyph::NumGlyphsOfShape(int32_t width, int32_t height) {
    if (height <= 0 || width % height != 0) {
        return 1;
    }
    const int32_t count = width / height;
    return count >= 1 && count < 5 ? count : 1;
}

void TuiButtonGlyph::SetGlyph(const vcl::TBitmap* value) {
    FGlyph->Assign(value);
    SetNumGlyphs(value != nullptr ? NumGlyphsOfShape(FGlyph->Width(), FGlyph->Height()) : 1);
}

void TuiButtonGlyph::SetImages(vcl::TCustomImageList* value) {
    if (value == FImages) {
        return;
    }
    FImages = value;
    if (!HasGlyph(FGlyph.get()) && FImageIndex != -1) {
        GlyphChanged();
    }
}

void TuiButtonGlyph::SetImageIndex(int32_t value) {
    if (value == FImageIndex) {
        return;
    }
    FImageIndex = value;
    if (!HasGlyph(FGlyph.get()) && FImages != nullptr) {
        GlyphChanged();
    }
}

void TuiButtonGlyph::SetNumGlyphs(int32_t value) {
    value = std::clamp(value, 1, 4);
    if (value == FNumGlyphs) {
        return;
    }
    FNumGlyphs = value;
    GlyphChanged();
}

bool TuiButtonGlyph::HasImage() const {
    return HasGlyph(FGlyph.get()) || ui::HasImage(FImages, FImageIndex);
}

bool TuiButtonGlyph::IsGlyphVisible() const {
    return FPaintStyle != bpsCaption && HasImage();
}

bool TuiButtonGlyph::IsCaptionVisible(rtl::UnicodeStringView caption) const {
    return FPaintStyle != bpsGlyph && !caption.empty();
}

vcl::TSize TuiButtonGlyph::SourceSize() const {
    if (HasGlyph(FGlyph.get())) {
        return {FGlyph->Width(), FGlyph->Height()};
    }
    if (ui::HasImage(FImages, FImageIndex)) {
        return {FImages->Width(), FImages->Height()};
    }
    return {0, 0};
}

vcl::TSize TuiButtonGlyph::GetGlyphSize() const {
    const vcl::TSize size = SourceSize();
    return {size.cx / FNumGlyphs, size.cy};
}

// Up, default and hot show the up image, pressed the down image (only a bitmap of three or four images has one),
// disabled the disabled image, which is made from the up image when the bitmap has none.
int32_t TuiButtonGlyph::ImageKindOf(TuiButtonState state) const {
    switch (state) {
    case uibsPressed:
        return FNumGlyphs < 3 ? glyphKindUp : glyphKindDown;
    case uibsDisabled:
        return glyphKindDisabled;
    default:
        return glyphKindUp;
    }
}

void TuiButtonGlyph::MakeImage(int32_t kind, TuiBitmap32& image, TuiBitmap& mask) {
    const vcl::TRect bounds{0, 0, image.Width(), image.Height()};
    HDC dc = image.Canvas().Handle();
    if (HasGlyph(FGlyph.get())) {
        if (kind == glyphKindDisabled && FNumGlyphs == 1) {
            DrawGlyphOrImage(dc, bounds, bounds, FGlyph.get(), nullptr, -1, gdmDisabled, false, nullptr,
                             FGlyph->TransparentColor());
        } else {
            const int32_t source = kind < FNumGlyphs ? kind : glyphKindUp;
            DrawBitmapToDC(dc, *FGlyph, bounds, {image.Width() * source, 0}, SRCCOPY);
            image.SetTransparentColor(FGlyph->TransparentColor());
        }
        CreateMaskFromBitmap32(image, mask);
        FGlyph->Dormant();
        return;
    }
    if (kind == glyphKindDisabled) {
        DrawGlyphOrImage(dc, bounds, bounds, nullptr, FImages, FImageIndex, gdmDisabled);
        CreateMaskFromBitmap32(image, mask);
        return;
    }
    TuiImageList::ExtractImageInfo(FImages->Handle(), FImageIndex, image, mask);
}

int32_t TuiButtonGlyph::CreateButtonGlyph(TuiButtonState state) {
    const int32_t kind = ImageKindOf(state);
    if (FImageIndexes[static_cast<size_t>(kind)] != -1) {
        return FImageIndexes[static_cast<size_t>(kind)];
    }
    if (!HasImage()) {
        return -1;
    }
    const vcl::TSize size = GetGlyphSize();
    TuiBitmap32 image(size.cx, size.cy, true);
    TuiBitmap mask(size.cx, size.cy, vcl::pf1bit);
    MakeImage(kind, image, mask);
    if (FGlyphList == nullptr) {
        FGlyphList = &EnsureGlyphCache().GetList(size.cx, size.cy);
    }
    const int32_t index = FGlyphList->AddImage(image, &mask);
    FImageIndexes[static_cast<size_t>(kind)] = index;
    return index;
}

void TuiButtonGlyph::ReleaseImages() {
    if (FGlyphList == nullptr) {
        return;
    }
    for (int32_t& index : FImageIndexes) {
        if (index != -1) {
            FGlyphList->Delete(index);
            index = -1;
        }
    }
    if (TuiGlyphCache* cache = GlyphCache()) {
        cache->ReturnList(FGlyphList);
    }
    FGlyphList = nullptr;
}

void TuiButtonGlyph::GlyphChanged() {
    ReleaseImages();
    if (FOnChange) {
        FOnChange(nullptr);
    }
}

vcl::TRect TuiButtonGlyph::GetTextOffsets(TButtonLayout) const {
    return IsGlyphVisible() ? vcl::TRect{0, 0, 0, 0} : vcl::TRect{1, 0, 2, 0};
}

namespace {

struct TGlyphAxis {
    int32_t Margin;
    int32_t Spacing;
};

// Margin and spacing along the layout axis: -1 margin centres the content, -1 spacing too spreads it in three
// equal gaps, a margin given with -1 spacing centres the caption in what remains beside the glyph.
TGlyphAxis ResolveGlyphAxis(int32_t client, int32_t glyph, int32_t text, int32_t margin, int32_t spacing) {
    if (margin == -1 && spacing == -1) {
        margin = (client - (glyph + text)) / 3;
        return {margin, margin};
    }
    if (margin == -1) {
        return {(client - (glyph + spacing + text)) / 2, spacing};
    }
    if (spacing == -1) {
        return {margin, ((client - (margin + glyph)) - text) / 2};
    }
    return {margin, spacing};
}

} // namespace

TuiButtonGlyphLayout TuiButtonGlyph::CalcButtonLayout(TuiCanvas& canvas, const TuiButtonGlyphDrawArgs& args) const {
    TButtonLayout layout = args.Layout;
    if ((args.BiDiFlags & DT_RIGHT) != 0 && (layout == blGlyphLeft || layout == blGlyphRight)) {
        layout = layout == blGlyphLeft ? blGlyphRight : blGlyphLeft;
    }
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    const vcl::TRect& content = args.ContentRect;
    const vcl::TSize client{content.Width(), content.Height()};
    const vcl::TSize glyph = IsGlyphVisible() ? GetGlyphSize() : vcl::TSize{0, 0};

    vcl::TRect textRect{0, 0, 0, 0};
    vcl::TSize text{0, 0};
    if (IsCaptionVisible(args.Caption)) {
        textRect = {0, 0, client.cx, 0};
        if (horizontal) {
            textRect.Right -= GetGlyphSize().cx + args.Spacing;
        }
        const vcl::TRect offsets = GetTextOffsets(layout);
        textRect = {textRect.Left + offsets.Left, textRect.Top + offsets.Top, textRect.Right - offsets.Right,
                    textRect.Bottom - offsets.Bottom};
        const uint32_t flags = DT_CALCRECT | args.BiDiFlags | (args.WordWrap ? DT_WORDBREAK : 0);
        canvas.Canvas().RequireFont();
        DrawTextColored(canvas.Handle(), args.Caption, textRect, flags, vcl::clDefault, true);
        text = {textRect.Width() + offsets.Left + offsets.Right, textRect.Height() + offsets.Top + offsets.Bottom};
    }

    vcl::TPoint glyphPos{0, 0};
    vcl::TPoint textPos{0, 0};
    if (horizontal) {
        glyphPos.Y = (client.cy - glyph.cy) / 2;
        textPos.Y = (client.cy - text.cy - 1) / 2;
    } else {
        glyphPos.X = (client.cx - glyph.cx) / 2;
        textPos.X = (client.cx - text.cx) / 2;
    }
    const bool anyEmpty = text.cx == 0 || glyph.cx == 0;
    const TGlyphAxis axis =
        horizontal ? ResolveGlyphAxis(client.cx, glyph.cx, text.cx, args.Margin, anyEmpty ? 0 : args.Spacing)
                   : ResolveGlyphAxis(client.cy, glyph.cy, text.cy, args.Margin, anyEmpty ? 0 : args.Spacing);
    switch (layout) {
    case blGlyphLeft:
        glyphPos.X = axis.Margin;
        textPos.X = glyphPos.X + glyph.cx + axis.Spacing;
        break;
    case blGlyphRight:
        glyphPos.X = client.cx - axis.Margin - glyph.cx;
        textPos.X = glyphPos.X - axis.Spacing - text.cx;
        break;
    case blGlyphTop:
        glyphPos.Y = axis.Margin;
        textPos.Y = glyphPos.Y + glyph.cy + axis.Spacing;
        break;
    case blGlyphBottom:
        glyphPos.Y = client.cy - axis.Margin - glyph.cy;
        textPos.Y = glyphPos.Y - axis.Spacing - text.cy;
        break;
    }
    const int32_t dx = content.Left + args.Offset.X;
    const int32_t dy = content.Top + args.Offset.Y;
    textRect = {textRect.Left + dx + textPos.X, textRect.Top + dy + textPos.Y, textRect.Right + dx + textPos.X,
                textRect.Bottom + dy + textPos.Y};
    return {{glyphPos.X + dx, glyphPos.Y + dy}, textRect};
}

void TuiButtonGlyph::Draw(TuiCanvas& canvas, const TuiButtonGlyphDrawArgs& args) {
    const TuiButtonGlyphLayout layout = CalcButtonLayout(canvas, args);
    DrawImage(canvas, layout.GlyphPosition, args.State);
    DrawCaption(canvas, args.Caption, layout.TextRect, args);
}

void TuiButtonGlyph::DrawImage(TuiCanvas& canvas, vcl::TPoint position, TuiButtonState state) {
    if (!IsGlyphVisible()) {
        return;
    }
    const int32_t index = CreateButtonGlyph(state);
    if (index != -1 && FGlyphList != nullptr) {
        FGlyphList->Draw(canvas.Canvas(), position.X, position.Y, index, true);
    }
}

void TuiButtonGlyph::DrawCaption(TuiCanvas& canvas, rtl::UnicodeStringView caption, const vcl::TRect& textRect,
                                 const TuiButtonGlyphDrawArgs& args) {
    if (!IsCaptionVisible(caption)) {
        return;
    }
    const uint32_t flags = args.BiDiFlags | DT_CENTER | DT_VCENTER | (args.WordWrap ? DT_WORDBREAK : 0);
    const vcl::TColor color = canvas.Font().Color();
    canvas.Canvas().RequireFont();
    if (args.State == uibsDisabled && !args.Skin) {
        vcl::TRect shifted{textRect.Left + 1, textRect.Top + 1, textRect.Right + 1, textRect.Bottom + 1};
        DrawTextColored(canvas.Handle(), caption, shifted, flags, vcl::clBtnHighlight, true);
    }
    vcl::TRect rect = textRect;
    DrawTextColored(canvas.Handle(), caption, rect, flags, color, true);
}

} // namespace ui
