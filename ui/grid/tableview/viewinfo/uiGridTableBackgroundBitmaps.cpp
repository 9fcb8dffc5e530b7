#include "ui/grid/tableview/viewinfo/uiGridTableBackgroundBitmaps.h"

#include "ui/core/graphics/uiCanvas.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"

namespace ui {

namespace {

int32_t StyleIndexOfBitmap(TuiGridTableBitmap part) {
    switch (part) {
    case TuiGridTableBitmap::Background:
        return TuiGridTableViewStyles::vsBackground;
    case TuiGridTableBitmap::Content:
        return TuiGridTableViewStyles::vsContent;
    case TuiGridTableBitmap::FilterBox:
        return TuiGridTableViewStyles::vsFilterBox;
    case TuiGridTableBitmap::Footer:
        return TuiGridTableViewStyles::vsFooter;
    case TuiGridTableBitmap::Header:
        return TuiGridTableViewStyles::vsHeader;
    case TuiGridTableBitmap::Group:
        return TuiGridTableViewStyles::vsGroup;
    case TuiGridTableBitmap::GroupByBox:
        return TuiGridTableViewStyles::vsGroupByBox;
    case TuiGridTableBitmap::Indicator:
        return TuiGridTableViewStyles::vsIndicator;
    }
    return TuiGridTableViewStyles::vsBackground;
}

} // namespace

vcl::TBitmap* TableBackgroundBitmap(TuiGridTableView& view, TuiGridTableBitmap part) {
    return view.Styles().GetStyleBitmap(StyleIndexOfBitmap(part));
}

TuiBackgroundHook BitmapBackgroundHook(vcl::TBitmap* bitmap) {
    if (!bitmap) {
        return {};
    }
    return [bitmap](TuiCanvas& canvas, const vcl::TRect& rect) {
        canvas.FillRect(rect, bitmap);
        return true;
    };
}

} // namespace ui
