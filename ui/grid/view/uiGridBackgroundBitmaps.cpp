#include "ui/grid/view/uiGridBackgroundBitmaps.h"

#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridViewStyles.h"
#include "vcl/graphics/images/Bitmap.h"

namespace ui {

TuiCustomGridBackgroundBitmaps::TuiCustomGridBackgroundBitmaps(TuiCustomGridView& gridView)
    : TuiCustomGridOptions(gridView) {}

TuiCustomGridBackgroundBitmaps::~TuiCustomGridBackgroundBitmaps() = default;

void TuiCustomGridBackgroundBitmaps::Assign(const rtl::TPersistent* source) {
    if (const auto* bitmaps = dynamic_cast<const TuiCustomGridBackgroundBitmaps*>(source)) {
        AssignBitmaps(*bitmaps, {bbBackground});
    }
    TuiCustomGridOptions::Assign(source);
}

void TuiCustomGridBackgroundBitmaps::AssignBitmaps(const TuiCustomGridBackgroundBitmaps& source,
                                                   std::initializer_list<int32_t> indexes) {
    for (const int32_t index : indexes) {
        const auto position = static_cast<size_t>(index);
        SetByIndex(index, position < source.FBitmaps.size() ? source.FBitmaps[position].get() : nullptr);
    }
}

vcl::TBitmap& TuiCustomGridBackgroundBitmaps::GetByIndex(int32_t index) {
    const auto position = static_cast<size_t>(index);
    if (position >= FBitmaps.size()) {
        FBitmaps.resize(position + 1);
    }
    std::unique_ptr<vcl::TBitmap>& bitmap = FBitmaps[position];
    if (!bitmap) {
        bitmap = std::make_unique<vcl::TBitmap>();
        bitmap->SetOnChange([this](rtl::TObject*) { Changed(1); });
    }
    return *bitmap;
}

void TuiCustomGridBackgroundBitmaps::SetByIndex(int32_t index, const vcl::TBitmap* bitmap) {
    vcl::TBitmap& own = GetByIndex(index);
    if (bitmap != nullptr) {
        own.Assign(bitmap);
    } else if (!own.Empty()) {
        own.Assign(nullptr);
    }
}

vcl::TBitmap* TuiCustomGridBackgroundBitmaps::GetBitmap(int32_t index) const {
    const auto position = static_cast<size_t>(index);
    if (position < FBitmaps.size() && FBitmaps[position] && !FBitmaps[position]->Empty()) {
        return FBitmaps[position].get();
    }
    return GetStyleBitmap(index);
}

int32_t TuiCustomGridBackgroundBitmaps::GetStyleIndex(int32_t index) const {
    return index == bbBackground ? TuiCustomGridViewStyles::vsBackground : -1;
}

vcl::TBitmap* TuiCustomGridBackgroundBitmaps::GetStyleBitmap(int32_t index) const {
    const int32_t style = GetStyleIndex(index);
    return style < 0 ? nullptr : GridView().Styles().GetStyleBitmap(style);
}

} // namespace ui
