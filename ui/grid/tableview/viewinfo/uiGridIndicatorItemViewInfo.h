#pragma once
// TuiGridIndicatorItemViewInfo: one item of the indicator, made for a paint: beside the header band, beside a row
// (with the glyph of the row's state) or beside the footer band. The view's OnCustomDrawIndicatorCell may paint it, or
// change the colour it is painted in.

#include "ui/grid/cells/uiGridViewCellViewInfo.h"

#include <cstdint>

namespace ui {

class TuiGridDataRowViewInfo;
class TuiGridTableViewInfo;

enum class TuiGridIndicatorItemKind : uint8_t { Header, Row, Footer };

class TuiGridIndicatorItemViewInfo : public TuiCustomGridViewCellViewInfo {
public:
    // row: the row beside which a row item lies; nullptr for the others.
    TuiGridIndicatorItemViewInfo(TuiGridTableViewInfo& tableViewInfo, TuiGridIndicatorItemKind kind,
                                 const TuiGridDataRowViewInfo* row);

    TuiGridIndicatorItemKind Kind() const { return FKind; }
    const TuiGridDataRowViewInfo* Row() const { return FRow; }
    bool HasCustomDraw() const override;

protected:
    // The header's style beside the header, else the indicator's.
    void GetViewParams(TuiDrawParams& params) const override;
    bool DoCustomDraw(TuiCanvas& canvas) override;

private:
    TuiGridTableViewInfo& FTableViewInfo;
    TuiGridIndicatorItemKind FKind;
    const TuiGridDataRowViewInfo* FRow; // not owned
};

} // namespace ui
