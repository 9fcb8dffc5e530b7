#include "ui/editors/text/label/uiLabelPictureCache.h"

#include "vcl/graphics/images/Bitmap.h"

namespace ui {

TuiLabelPictureCache::TuiLabelPictureCache() : FBitmap(std::make_unique<vcl::TBitmap>()) {}
TuiLabelPictureCache::~TuiLabelPictureCache() = default;

vcl::TBitmap& TuiLabelPictureCache::Prepare(const TuiLabelPictureKey& key) {
    FValid = false;
    FBitmap->SetSize(key.Rect.Width(), key.Rect.Height());
    FKey = key;
    return *FBitmap;
}

} // namespace ui
