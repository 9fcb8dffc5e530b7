#pragma once
// TuiLabelPictureCache: a label's drawn picture kept between paints, so an unchanged label is copied rather than
// drawn again. It holds the picture of one rectangle and pair of colours until the label's owner invalidates it.

#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"

#include <memory>

namespace vcl {
class TBitmap;
} // namespace vcl

namespace ui {

// What a picture was drawn for: the content rectangle and the colours, which a host may change without a new
// calculation (a selected grid cell).
struct TuiLabelPictureKey {
    vcl::TRect Rect;
    vcl::TColor Background = 0;
    vcl::TColor Text = 0;
    friend bool operator==(const TuiLabelPictureKey&, const TuiLabelPictureKey&) = default;
};

class TuiLabelPictureCache {
public:
    TuiLabelPictureCache();
    ~TuiLabelPictureCache();
    TuiLabelPictureCache(const TuiLabelPictureCache&) = delete;
    TuiLabelPictureCache& operator=(const TuiLabelPictureCache&) = delete;

    void Invalidate() { FValid = false; }
    bool IsValid() const { return FValid; }
    // Whether the picture was drawn for key since the last invalidation.
    bool Holds(const TuiLabelPictureKey& key) const { return FValid && key == FKey; }
    // The bitmap sized to key's rectangle, to be drawn in its own coordinates; invalid until Validate says the drawing
    // is done.
    vcl::TBitmap& Prepare(const TuiLabelPictureKey& key);
    void Validate() { FValid = true; }
    // The picture as last drawn; empty before the first drawing.
    vcl::TBitmap& Bitmap() { return *FBitmap; }

private:
    std::unique_ptr<vcl::TBitmap> FBitmap;
    TuiLabelPictureKey FKey;
    bool FValid = false;
};

} // namespace ui
