#include "xls/core/model/worksheet/Xc12DataWorksheet5Props.h"

namespace xls {

void TXc12Column::Assign(const TXc12Column& other) {
    FFirstCol = other.FFirstCol;
    FLastCol = other.FLastCol;
    FWidth = other.FWidth;
    FStyle = other.FStyle;
    FOutlineLevel = other.FOutlineLevel;
    FOptions = other.FOptions;
}

TXc12Column* TXc12Columns::Add(TXc12XF* style) {
    TXc12Column* column = TXc12OwnedList<TXc12Column>::Add();
    column->SetStyle(style);
    return column;
}

void TXc12SheetPr::Clear() {
    FSyncHorizontal = false;
    FSyncVertical = false;
    ClearCellArea(FSyncRef);
    FTransitionEvaluation = false;
    FTransitionEntry = false;
    FPublished = true;
    FCodeName.clear();
    FFilterMode = false;
    FEnableFormatConditionsCalculation = true;
    FTabColor = TXc12ColorRec{};
    FTabColor.ColorType = exctUnassigned;
    FOutlinePr = TXc12OutlinePr();
    FPageSetupPr = TXc12PageSetupPr();
}

} // namespace xls
