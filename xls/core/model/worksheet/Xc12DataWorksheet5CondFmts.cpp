#include "xls/core/model/worksheet/Xc12DataWorksheet5CondFmts.h"

#include "rtl/core/Exceptions.h"
#include "rtl/core/Metaclass.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5Common.h"

namespace xls {

const TXc12ColorRec& TXc12Colors::GetItem(int32_t index) const {
    CheckListIndex(index, Count());
    return FColors[static_cast<size_t>(index)];
}

void TXc12Cfvo::Clear() {
    FType = 0;
    FVal.clear();
    FGte = true;
}

void TXc12ColorScale::Clear() {
    FCfvos.Clear();
    FColors.Clear();
}

TXc12DataBar::TXc12DataBar() {
    Clear();
}

void TXc12DataBar::Clear() {
    FMinLength = 10;
    FMaxLength = 90;
    FShowValue = true;
    FColor = TXc12ColorRec();
    FColor.ColorType = exctUnassigned;
    FCfvo1.Clear();
    FCfvo2.Clear();
}

void TXc12IconSet::Clear() {
    FIconSet = Xc12IconSet3TrafficLights1;
    FShowValue = true;
    FPercent = true;
    FReverse = false;
}

void TXc12CfRule::Clear() {
    for (auto& formula : FFormulas) {
        formula.clear();
    }
    FType = Xc12EnumNotGiven;
    FDXF = nullptr;
    FPriority = 0;
    FStopIfTrue = false;
    FAboveAverage = true;
    FPercent = false;
    FBottom = false;
    FOperator = Xc12EnumNotGiven;
    FText.clear();
    FTimePeriod = Xc12EnumNotGiven;
    FRank = 0;
    FStdDev = 0;
    FEqualAverage = false;
    FColorScale.Clear();
    FDataBar.Clear();
    FIconSet.Clear();
}

static void CheckFormulaIndex(int32_t index) {
    if (index < 0 || index >= TXc12CfRule::FormulaCount) {
        throw rtl::Exception(CondFmtMessages::IndexOutOfRange);
    }
}

const rtl::UnicodeString& TXc12CfRule::GetFormula(int32_t index) const {
    CheckFormulaIndex(index);
    return FFormulas[static_cast<size_t>(index)];
}

void TXc12CfRule::SetFormula(int32_t index, rtl::UnicodeStringView text) {
    CheckFormulaIndex(index);
    FFormulas[static_cast<size_t>(index)] = text;
}

void TXc12ConditionalFormatting::Clear() {
    FRanges.Clear();
    FRules.Clear();
}

TXc12ConditionalFormatting* TXc12ConditionalFormattings::Add() {
    auto item = NewItem();
    if (item == nullptr) {
        throw rtl::EInvalidCast(rtl::RtlMessages::InvalidCast);
    }
    TObjectList::Add(item.get());
    return item.release();
}

void TXc12DataValidation::Clear() {
    FType = 0;
    FErrorStyle = 0;
    FImeMode = 0;
    FOperator = 0;
    FAllowBlank = 0;
    FShowDropDown = 0;
    FShowInputMessage = 0;
    FShowErrorMessage = 0;
    FErrorTitle.clear();
    FError.clear();
    FPromptTitle.clear();
    FPrompt.clear();
    FRanges.Clear();
    FFormula1.clear();
    FFormula2.clear();
}

void TXc12DataValidations::Clear() {
    TXLSMoveCopyList::Clear();
    FDisablePrompts = false;
    FXWindow = 0;
    FYWindow = 0;
}

TXc12DataValidation* TXc12DataValidations::Add() {
    std::unique_ptr<rtl::TObject> made;
    if (FClassFactory != nullptr) {
        made = FClassFactory->CreateObject(xckDataValidation, this);
    }
    auto* validation = dynamic_cast<TXc12DataValidation*>(made.get());
    if (validation == nullptr) {
        throw rtl::EInvalidCast(rtl::RtlMessages::InvalidCast);
    }
    TObjectList::Add(validation);
    made.release();
    return validation;
}

} // namespace xls
