#include "xls/xlsx/sheet/XLSReadXLSXFilters.h"

#include "xls/core/model/styles/Xc12DataStyleSheet5.h"
#include "xls/core/model/worksheet/Xc12DataAutofilter5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5CondFmts.h"
#include "xls/core/xml/XpgValueLists.h"
#include "xls/xlsx/XLSReadXLSXStyles.h"
#include "xls/xlsx/sheet/XLSReadXLSXSheetSettings.h"
#include "xls/xlsx/xpgParserXLSX.h"

#include <algorithm>
#include <cstdint>

namespace xls {

using namespace xpgParserXLSX;

namespace {

// The differential format at index, or none for an index the style sheet does not hold.
TXc12DXF* DifferentialFormat(TXc12DataStyleSheet& styleSheet, int32_t index) {
    return index >= 0 && index < styleSheet.DXFs().Count() ? styleSheet.DXFs().GetItem(index) : nullptr;
}

void ReadFilters(const TCT_Filters& element, TXc12Filters& filters) {
    filters.SetBlank(element.GetBlank());
    filters.SetCalendarType(element.GetCalendarType());
    for (int32_t i = 0; i < element.GetFilter().Count(); ++i) {
        filters.GetFilterValues().Add(element.GetFilter().GetItem(i).GetVal());
    }
    for (int32_t i = 0; i < element.GetDateGroupItem().Count(); ++i) {
        const TCT_DateGroupItem& item = element.GetDateGroupItem().GetItem(i);
        TXc12DateGroupItem& group = *filters.GetDateGroupItems().Add();
        group.SetYear(item.GetYear());
        group.SetMonth(item.GetMonth());
        group.SetDay(item.GetDay());
        group.SetHour(item.GetHour());
        group.SetMinute(item.GetMinute());
        group.SetSecond(item.GetSecond());
        group.SetDateTimeGrouping(item.GetDateTimeGrouping());
    }
}

void ReadTop10(const TCT_Top10& element, TXc12Top10& top10) {
    top10.SetPresent(true);
    top10.SetTop(element.GetTop());
    top10.SetPercent(element.GetPercent());
    top10.SetVal(element.GetVal());
    top10.SetFilterVal(element.GetFilterVal());
}

void ReadCustomFilters(const TCT_CustomFilters& element, TXc12CustomFilters& filters) {
    const TCT_CustomFilterXpgList& items = element.GetCustomFilter();
    filters.SetPresent(true);
    filters.SetAnd(element.GetAnd());
    // The model keeps two conditions, as a filter column of the application can hold no more.
    TXc12CustomFilter* targets[] = {&filters.GetFilter1(), &filters.GetFilter2()};
    for (int32_t i = 0; i < std::min<int32_t>(items.Count(), 2); ++i) {
        targets[i]->SetOperator(items.GetItem(i).GetOperator());
        targets[i]->SetVal(items.GetItem(i).GetVal());
    }
}

void ReadFilterColumn(const TCT_FilterColumn& element, TXc12FilterColumn& column, TXc12DataStyleSheet& styleSheet) {
    column.SetColId(element.GetColId());
    column.SetHiddenButton(element.GetHiddenButton());
    column.SetShowButton(element.GetShowButton());
    ReadFilters(element.GetFilters(), column.GetFilters());
    if (element.GetTop10().Assigned()) {
        ReadTop10(element.GetTop10(), column.GetTop10());
    }
    if (element.GetCustomFilters().GetCustomFilter().Count() > 0) {
        ReadCustomFilters(element.GetCustomFilters(), column.GetCustomFilters());
    }
    TXc12DynamicFilter& dynamic = column.GetDynamicFilter();
    if (element.GetDynamicFilter().Assigned()) {
        dynamic.SetType(element.GetDynamicFilter().GetType());
        dynamic.SetVal(element.GetDynamicFilter().GetVal());
        dynamic.SetMaxVal(element.GetDynamicFilter().GetMaxVal());
    } else {
        dynamic.SetType(TXc12DynamicFilter::NoType);
    }
    if (element.GetColorFilter().Assigned()) {
        column.GetColorFilter().SetDXF(DifferentialFormat(styleSheet, element.GetColorFilter().GetDxfId()));
        column.GetColorFilter().SetCellColor(element.GetColorFilter().GetCellColor());
    }
    if (element.GetIconFilter().Assigned()) {
        column.GetIconFilter().SetIconSet(element.GetIconFilter().GetIconSet());
        column.GetIconFilter().SetIconId(element.GetIconFilter().GetIconId());
    }
}

void ReadCfvos(const TCT_CfvoXpgList& items, TXc12Cfvos& cfvos) {
    for (int32_t i = 0; i < items.Count(); ++i) {
        TXc12Cfvo& cfvo = *cfvos.Add();
        cfvo.SetType(items.GetItem(i).GetType());
        cfvo.SetVal(items.GetItem(i).GetVal());
        cfvo.SetGte(items.GetItem(i).GetGte());
    }
}

void ReadCfvo(const TCT_Cfvo& element, TXc12Cfvo& cfvo) {
    cfvo.SetType(element.GetType());
    cfvo.SetVal(element.GetVal());
    cfvo.SetGte(element.GetGte());
}

void ReadDataBar(const TCT_DataBar& element, TXc12DataBar& bar, const TXLSReadXLSXStyles& styles) {
    bar.SetMinLength(element.GetMinLength());
    bar.SetMaxLength(element.GetMaxLength());
    bar.SetShowValue(element.GetShowValue());
    const TCT_CfvoXpgList& cfvos = element.GetCfvo();
    if (cfvos.Count() > 0) {
        ReadCfvo(cfvos.GetItem(0), bar.GetCfvo1());
    }
    if (cfvos.Count() > 1) {
        ReadCfvo(cfvos.GetItem(1), bar.GetCfvo2());
    }
    styles.ReadColor(element.GetColor(), bar.GetColor());
}

void ReadCfRule(const TCT_CfRule& element, TXc12CfRule& rule, const TXLSReadXLSXStyles& styles,
                TXc12DataStyleSheet& styleSheet) {
    if (element.GetType() != Xc12EnumNotGiven) {
        rule.SetType(element.GetType());
    }
    rule.SetDXF(DifferentialFormat(styleSheet, element.GetDxfId()));
    rule.SetPriority(element.GetPriority());
    rule.SetStopIfTrue(element.GetStopIfTrue());
    rule.SetAboveAverage(element.GetAboveAverage());
    rule.SetPercent(element.GetPercent());
    rule.SetBottom(element.GetBottom());
    if (element.GetOperator() != Xc12EnumNotGiven) {
        rule.SetOperator(element.GetOperator());
    }
    rule.SetText(element.GetText());
    if (element.GetTimePeriod() != Xc12EnumNotGiven) {
        rule.SetTimePeriod(element.GetTimePeriod());
    }
    rule.SetRank(element.GetRank());
    rule.SetStdDev(element.GetStdDev());
    rule.SetEqualAverage(element.GetEqualAverage());
    const TStringXpgList& formulas = element.GetFormula();
    for (int32_t i = 0; i < std::min(formulas.GetCount(), TXc12CfRule::FormulaCount); ++i) {
        rule.SetFormula(i, formulas.GetItem(i));
    }
    if (element.GetColorScale().Assigned()) {
        const TCT_ColorScale& scale = element.GetColorScale();
        ReadCfvos(scale.GetCfvo(), rule.GetColorScale().GetCfvos());
        for (int32_t i = 0; i < scale.GetColor().Count(); ++i) {
            TXc12ColorRec color;
            styles.ReadColor(scale.GetColor().GetItem(i), color);
            rule.GetColorScale().GetColors().AddColor(color);
        }
    }
    if (element.GetDataBar().Assigned()) {
        ReadDataBar(element.GetDataBar(), rule.GetDataBar(), styles);
    }
    if (element.GetIconSet().Assigned()) {
        const TCT_IconSet& icons = element.GetIconSet();
        TXc12IconSet& iconSet = rule.GetIconSet();
        iconSet.SetIconSet(icons.GetIconSet());
        iconSet.SetShowValue(icons.GetShowValue());
        iconSet.SetPercent(icons.GetPercent());
        iconSet.SetReverse(icons.GetReverse());
        ReadCfvos(icons.GetCfvo(), iconSet.GetCfvos());
    }
}

} // namespace

void ReadSortState(const TCT_SortState& element, TXc12SortState& sortState) {
    sortState.SetColumnSort(element.GetColumnSort());
    sortState.SetCaseSensitive(element.GetCaseSensitive());
    sortState.SetSortMethod(element.GetSortMethod());
    sortState.SetArea(AreaOf(element.GetRef()));
    for (int32_t i = 0; i < element.GetSortCondition().Count(); ++i) {
        const TCT_SortCondition& item = element.GetSortCondition().GetItem(i);
        TXc12SortCondition& condition = *sortState.GetSortConditions().Add();
        condition.SetDescending(item.GetDescending());
        condition.SetSortBy(item.GetSortBy());
        condition.SetArea(AreaOf(item.GetRef()));
        condition.SetCustomList(item.GetCustomList());
        condition.SetDxfId(item.GetDxfId());
        condition.SetIconSet(item.GetIconSet());
        condition.SetIconId(item.GetIconId());
    }
}

void ReadAutoFilter(const TCT_AutoFilter& element, TXc12AutoFilter& autoFilter, TXc12DataStyleSheet& styleSheet) {
    autoFilter.SetArea(AreaOf(element.GetRef()));
    for (int32_t i = 0; i < element.GetFilterColumn().Count(); ++i) {
        ReadFilterColumn(element.GetFilterColumn().GetItem(i), *autoFilter.GetFilterColumns().Add(), styleSheet);
    }
    if (element.GetSortState().Assigned()) {
        ReadSortState(element.GetSortState(), autoFilter.GetSortState());
    }
}

void ReadConditionalFormatting(const TCT_ConditionalFormatting& element, TXc12ConditionalFormatting& format,
                               const TXLSReadXLSXStyles& styles, TXc12DataStyleSheet& styleSheet) {
    format.SetPivot(element.GetPivot());
    ReadAreas(element.GetSqref(), format.GetRanges());
    for (int32_t i = 0; i < element.GetCfRule().Count(); ++i) {
        ReadCfRule(element.GetCfRule().GetItem(i), *format.GetRules().Add(), styles, styleSheet);
    }
}

void ReadDataValidations(const TCT_DataValidations& element, TXc12DataValidations& validations) {
    validations.SetDisablePrompts(element.GetDisablePrompts());
    validations.SetXWindow(element.GetXWindow());
    validations.SetYWindow(element.GetYWindow());
    for (int32_t i = 0; i < element.GetDataValidation().Count(); ++i) {
        const TCT_DataValidation& item = element.GetDataValidation().GetItem(i);
        TXc12DataValidation& validation = *validations.Add();
        validation.SetType(item.GetType());
        validation.SetErrorStyle(item.GetErrorStyle());
        validation.SetImeMode(item.GetImeMode());
        validation.SetOperator(item.GetOperator());
        validation.SetAllowBlank(item.GetAllowBlank());
        validation.SetShowDropDown(item.GetShowDropDown());
        validation.SetShowInputMessage(item.GetShowInputMessage());
        validation.SetShowErrorMessage(item.GetShowErrorMessage());
        validation.SetErrorTitle(item.GetErrorTitle());
        validation.SetError(item.GetError());
        validation.SetPromptTitle(item.GetPromptTitle());
        validation.SetPrompt(item.GetPrompt());
        ReadAreas(item.GetSqref(), validation.GetRanges());
        validation.SetFormula1(item.GetFormula1());
        validation.SetFormula2(item.GetFormula2());
    }
}

} // namespace xls
