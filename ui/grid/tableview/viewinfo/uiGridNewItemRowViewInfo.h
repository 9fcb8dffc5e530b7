#pragma once
// TuiGridNewItemRowViewInfo: the new-item row, or the filter row built the same way, above the records: the record it
// stands for, its bounds with the separator along its bottom, and the info text ("Click here to ...") it shows until it
// is used: the new-item row while it is not focused, the filter row while it is not focused and no filter is set.

#include "rtl/text/StringTypes.h"
#include "ui/grid/cells/uiGridViewCellViewInfo.h"

#include <cstdint>

namespace ui {

class TuiCustomGridRecord;
class TuiGridColumn;
class TuiGridSpecialRowOptions;
class TuiGridTableViewInfo;
struct TuiDrawParams;

enum class TuiGridSpecialRowKind : uint8_t { Filter, NewItem };

class TuiGridNewItemRowViewInfo : public TuiCustomGridViewCellViewInfo {
public:
    TuiGridNewItemRowViewInfo(TuiGridTableViewInfo& tableViewInfo, TuiGridSpecialRowKind kind);

    TuiGridSpecialRowKind Kind() const { return FKind; }
    TuiGridSpecialRowOptions& Options() const;
    // The filter row or the new-item record of the view data.
    TuiCustomGridRecord* GridRecord() const;
    // A data row's height and the separator.
    int32_t Height(int32_t dataRowHeight) const;
    void CalculateRow(const vcl::TRect& bounds);
    void OffsetRow(int32_t dx);
    // The row above its separator.
    vcl::TRect ContentBounds() const;
    vcl::TRect SeparatorBounds() const;
    // Where the info text is centred: the content within the part of the view that shows horizontally.
    vcl::TRect InfoTextBounds() const;
    bool ShowsInfoText() const;
    // What the row shows under a column: the filter row its condition's value, the new-item row the value typed in,
    // each as the column's editor shows it; empty for none.
    rtl::UnicodeString CellText(const TuiGridColumn& column) const;
    rtl::UnicodeString InfoText() const;
    // The info text's style for the row's record.
    void GetInfoTextParams(TuiDrawParams& params) const;
    // The options' colour, or the look's header colour for clDefault.
    vcl::TColor SeparatorColor() const;

protected:
    TuiCustomGridHitTest* CreateHitTest(vcl::TPoint point) override;

private:
    TuiGridTableViewInfo& FTableViewInfo;
    TuiGridSpecialRowKind FKind;
};

} // namespace ui
