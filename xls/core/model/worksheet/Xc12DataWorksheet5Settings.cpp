#include "xls/core/model/worksheet/Xc12DataWorksheet5Settings.h"

namespace xls {

void TXc12InputCell::Clear() {
    FRow = 0;
    FCol = 0;
    FDeleted = false;
    FUndone = false;
    FVal.clear();
    FNumFmtId = 0;
}

TXc12InputCell* Tx12InputCells::AddText(rtl::UnicodeStringView reference) {
    int32_t col = 0;
    int32_t row = 0;
    if (!ParseCellRef(reference, col, row)) {
        return nullptr;
    }
    TXc12InputCell* cell = Add();
    cell->SetCol(col);
    cell->SetRow(row);
    return cell;
}

void TXc12Scenario::Clear() {
    FName.clear();
    FLocked = false;
    FHidden = false;
    FCount = 0;
    FUser.clear();
    FComment.clear();
    FInputCells.Clear();
}

void TXc12Scenarios::Clear() {
    TXc12OwnedList<TXc12Scenario>::Clear();
    FCurrent = 0;
    FShow = 0;
}

void TXc12DataRef::Clear() {
    ClearCellArea(FRef);
    FName.clear();
    FSheet.clear();
    FRId.clear();
}

void TXc12DataConsolidate::Clear() {
    FFunction = 8;
    FLeftLabels = false;
    FTopLabels = false;
    FLink = false;
    FDataRefs.Clear();
}

void TXc12CustomProperty::Clear() {
    FName.clear();
    FRId.clear();
}

void TXc12IgnoredError::Clear() {
    FRanges.Clear();
    for (bool* flag : {&FEvalError, &FTwoDigitTextYear, &FNumberStoredAsText, &FFormula, &FFormulaRange,
                       &FUnlockedFormula, &FEmptyCellReference, &FListDataValidation, &FCalculatedColumn}) {
        *flag = false;
    }
}

void TXc12OleObject::Clear() {
    FProgId.clear();
    FDvAspect = 0;
    FLink.clear();
    FOleUpdate = 0;
    FAutoLoad = false;
    FShapeId = 0;
    FRId.clear();
}

void TXc12Control::Clear() {
    FShapeId = 0;
    FRId.clear();
    FName.clear();
}

void TXc12WebPublishItem::Clear() {
    FId = 0;
    FDivId.clear();
    FSourceType = 0;
    FSourceRef.Clear();
    FSourceObject.clear();
    FDestinationFile.clear();
    FTitle.clear();
    FAutoRepublish = false;
}

void TXc12CellSmartTagPr::Clear() {
    FKey.clear();
    FVal.clear();
}

void TXc12CellSmartTag::Clear() {
    TXc12OwnedList<TXc12CellSmartTagPr>::Clear();
    FType = 0;
    FDeleted = false;
    FXmlBased = false;
}

void TXc12CellSmartTags::Clear() {
    TXc12OwnedList<TXc12CellSmartTag>::Clear();
    FCell.Clear();
}

} // namespace xls
