#pragma once
// The pictures a table view's parts are painted on: each part's style may carry a bitmap, which is tiled from the
// canvas origin under the part instead of its colour. Tiles that stay in place while the content moves are why a
// view with such a picture under a scrolling part repaints instead of moving its pixels.

#include "ui/core/painters/uiPainterTypes.h"

#include <cstdint>

namespace vcl {
class TBitmap;
}

namespace ui {

class TuiGridTableView;

enum class TuiGridTableBitmap : uint8_t {
    Background,
    Content,
    FilterBox,
    Footer,
    Header,
    Group,
    GroupByBox,
    Indicator
};

// The bitmap of the part's style, or nullptr when it has none (or an empty one).
vcl::TBitmap* TableBackgroundBitmap(TuiGridTableView& view, TuiGridTableBitmap part);

// A look-and-feel painter's background hook that tiles bitmap and reports it drew; empty without a bitmap, so that
// the painter fills with its colour.
TuiBackgroundHook BitmapBackgroundHook(vcl::TBitmap* bitmap);

} // namespace ui
