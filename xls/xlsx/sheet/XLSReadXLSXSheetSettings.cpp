#include "xls/xlsx/sheet/XLSReadXLSXSheetSettings.h"

#include "rtl/text/CodePages.h"
#include "xls/core/cells/XLSCellAreas.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"
#include "xls/core/xml/XpgValueLists.h"
#include "xls/xlsx/XLSReadXLSXStyles.h"
#include "xls/xlsx/xpgParserXLSX.h"

#include <cstdint>

namespace xls {

using namespace xpgParserXLSX;

namespace {

void ReadOutlinePr(const TCT_OutlinePr& element, TXc12OutlinePr& outline) {
    outline.SetSummaryBelow(element.GetSummaryBelow());
    outline.SetSummaryRight(element.GetSummaryRight());
    outline.SetApplyStyles(element.GetApplyStyles());
    outline.SetShowOutlineSymbols(element.GetShowOutlineSymbols());
}

void ReadSheetPr(const TCT_SheetPr& element, TXc12SheetPr& properties, const TXLSReadXLSXStyles& styles) {
    properties.SetSyncHorizontal(element.GetSyncHorizontal());
    properties.SetSyncVertical(element.GetSyncVertical());
    properties.SetSyncRef(AreaOf(element.GetSyncRef()));
    properties.SetTransitionEvaluation(element.GetTransitionEvaluation());
    properties.SetTransitionEntry(element.GetTransitionEntry());
    properties.SetPublished(element.GetPublished());
    properties.SetCodeName(element.GetCodeName());
    properties.SetFilterMode(element.GetFilterMode());
    properties.SetEnableFormatConditionsCalculation(element.GetEnableFormatConditionsCalculation());
    styles.ReadColor(element.GetTabColor(), properties.GetTabColor());
    if (element.GetOutlinePr().Assigned()) {
        ReadOutlinePr(element.GetOutlinePr(), properties.GetOutlinePr());
    }
    if (element.GetPageSetUpPr().Assigned()) {
        properties.GetPageSetupPr().SetAutoPageBreaks(element.GetPageSetUpPr().GetAutoPageBreaks());
        properties.GetPageSetupPr().SetFitToPage(element.GetPageSetUpPr().GetFitToPage());
    }
}

void ReadSheetFormatPr(const TCT_SheetFormatPr& element, TXc12SheetFormatPr& format) {
    format.SetBaseColWidth(element.GetBaseColWidth());
    format.SetDefaultColWidth(element.GetDefaultColWidth());
    format.SetDefaultRowHeight(element.GetDefaultRowHeight() * 20);
    format.SetCustomHeight(element.GetCustomHeight());
    format.SetZeroHeight(element.GetZeroHeight());
    format.SetThickTop(element.GetThickTop());
    format.SetThickBottom(element.GetThickBottom());
    format.SetOutlineLevelRow(element.GetOutlineLevelRow());
    format.SetOutlineLevelCol(element.GetOutlineLevelCol());
}

void ReadSheetProtection(const TCT_SheetProtection& element, TXc12SheetProtection& protection) {
    // The password is the 16-bit hash of ECMA-376 Part 4, 14.7.1.
    protection.SetPassword(static_cast<uint16_t>(element.GetPassword()));
    protection.SetSheet(element.GetSheet());
    protection.SetObjects(element.GetObjects());
    protection.SetScenarios(element.GetScenarios());
    protection.SetFormatCells(element.GetFormatCells());
    protection.SetFormatColumns(element.GetFormatColumns());
    protection.SetFormatRows(element.GetFormatRows());
    protection.SetInsertColumns(element.GetInsertColumns());
    protection.SetInsertRows(element.GetInsertRows());
    protection.SetInsertHyperlinks(element.GetInsertHyperlinks());
    protection.SetDeleteColumns(element.GetDeleteColumns());
    protection.SetDeleteRows(element.GetDeleteRows());
    protection.SetSelectLockedCells(element.GetSelectLockedCells());
    protection.SetSort(element.GetSort());
    protection.SetAutoFilter(element.GetAutoFilter());
    protection.SetPivotTables(element.GetPivotTables());
    protection.SetSelectUnlockedCells(element.GetSelectUnlockedCells());
}

void ReadProtectedRanges(const TCT_ProtectedRanges& element, TXc12ProtectedRanges& ranges) {
    const TCT_ProtectedRangeXpgList& items = element.GetProtectedRange();
    for (int32_t i = 0; i < items.Count(); ++i) {
        const TCT_ProtectedRange& item = items.GetItem(i);
        TXc12ProtectedRange& range = *ranges.Add();
        range.SetPassword(static_cast<uint32_t>(item.GetPassword()));
        ReadAreas(item.GetSqref(), range.GetRanges());
        range.SetName(item.GetName());
        range.SetSecurityDescriptor(item.GetSecurityDescriptor());
    }
}

void ReadScenario(const TCT_Scenario& element, TXc12Scenario& scenario) {
    scenario.SetName(element.GetName());
    scenario.SetLocked(element.GetLocked());
    scenario.SetHidden(element.GetHidden());
    scenario.SetCount(element.GetCount());
    scenario.SetUser(element.GetUser());
    scenario.SetComment(element.GetComment());
    const TCT_InputCellsXpgList& cells = element.GetInputCells();
    for (int32_t i = 0; i < cells.Count(); ++i) {
        const TCT_InputCells& item = cells.GetItem(i);
        TXc12InputCell* cell = scenario.GetInputCells().AddText(item.GetR());
        if (cell == nullptr) {
            continue;
        }
        cell->SetDeleted(item.GetDeleted());
        cell->SetUndone(item.GetUndone());
        cell->SetVal(item.GetVal());
        cell->SetNumFmtId(item.GetNumFmtId());
    }
}

void ReadScenarios(const TCT_Scenarios& element, TXc12Scenarios& scenarios) {
    scenarios.SetCurrent(element.GetCurrent());
    scenarios.SetShow(element.GetShow());
    ReadAreas(element.GetSqref(), scenarios.GetRanges());
    for (int32_t i = 0; i < element.GetScenario().Count(); ++i) {
        ReadScenario(element.GetScenario().GetItem(i), *scenarios.Add());
    }
}

void ReadDataConsolidate(const TCT_DataConsolidate& element, TXc12DataConsolidate& consolidate) {
    consolidate.SetFunction(element.GetFunction());
    consolidate.SetLeftLabels(element.GetLeftLabels());
    consolidate.SetTopLabels(element.GetTopLabels());
    consolidate.SetLink(element.GetLink());
    const TCT_DataRefXpgList& refs = element.GetDataRefs().GetDataRef();
    for (int32_t i = 0; i < refs.Count(); ++i) {
        const TCT_DataRef& item = refs.GetItem(i);
        TXc12DataRef& ref = *consolidate.GetDataRefs().Add();
        ref.SetRef(AreaOf(item.GetRef()));
        ref.SetName(item.GetName());
        ref.SetSheet(item.GetSheet());
        ref.SetRId(rtl::UnicodeToAnsi(item.GetId()));
    }
}

void ReadPhoneticPr(const TCT_PhoneticPr& element, TXc12PhoneticPr& phonetic) {
    phonetic.SetFontId(element.GetFontId());
    phonetic.SetType(element.GetType());
    phonetic.SetAlignment(element.GetAlignment());
}

void ReadCustomProperties(const TCT_CustomProperties& element, TXc12CustomProperties& properties) {
    for (int32_t i = 0; i < element.GetCustomPr().Count(); ++i) {
        const TCT_CustomProperty& item = element.GetCustomPr().GetItem(i);
        TXc12CustomProperty& property = *properties.Add();
        property.SetName(item.GetName());
        property.SetRId(item.GetId());
    }
}

void ReadCellWatches(const TCT_CellWatches& element, TCellRefs& watches) {
    for (int32_t i = 0; i < element.GetCellWatch().Count(); ++i) {
        watches.AddText(element.GetCellWatch().GetItem(i).GetR());
    }
}

void ReadIgnoredErrors(const TCT_IgnoredErrors& element, TXc12IgnoredErrors& errors) {
    for (int32_t i = 0; i < element.GetIgnoredError().Count(); ++i) {
        const TCT_IgnoredError& item = element.GetIgnoredError().GetItem(i);
        TXc12IgnoredError& ignored = *errors.Add();
        ReadAreas(item.GetSqref(), ignored.GetRanges());
        ignored.SetEvalError(item.GetEvalError());
        ignored.SetTwoDigitTextYear(item.GetTwoDigitTextYear());
        ignored.SetNumberStoredAsText(item.GetNumberStoredAsText());
        ignored.SetFormula(item.GetFormula());
        ignored.SetFormulaRange(item.GetFormulaRange());
        ignored.SetUnlockedFormula(item.GetUnlockedFormula());
        ignored.SetEmptyCellReference(item.GetEmptyCellReference());
        ignored.SetListDataValidation(item.GetListDataValidation());
        ignored.SetCalculatedColumn(item.GetCalculatedColumn());
    }
}

void ReadCellSmartTag(const TCT_CellSmartTag& element, TXc12CellSmartTag& tag) {
    tag.SetType(element.GetType());
    tag.SetDeleted(element.GetDeleted());
    tag.SetXmlBased(element.GetXmlBased());
    for (int32_t i = 0; i < element.GetCellSmartTagPr().Count(); ++i) {
        const TCT_CellSmartTagPr& item = element.GetCellSmartTagPr().GetItem(i);
        TXc12CellSmartTagPr& property = *tag.Add();
        property.SetKey(item.GetKey());
        property.SetVal(item.GetVal());
    }
}

void ReadSmartTags(const TCT_SmartTags& element, TXc12SmartTags& smartTags) {
    for (int32_t i = 0; i < element.GetCellSmartTags().Count(); ++i) {
        const TCT_CellSmartTags& item = element.GetCellSmartTags().GetItem(i);
        TXc12CellSmartTags& cell = *smartTags.Add();
        cell.GetCell().SetFromText(item.GetR());
        for (int32_t j = 0; j < item.GetCellSmartTag().Count(); ++j) {
            ReadCellSmartTag(item.GetCellSmartTag().GetItem(j), *cell.Add());
        }
    }
}

void ReadOleObjects(const TCT_OleObjects& element, TXc12OleObjects& objects) {
    for (int32_t i = 0; i < element.GetOleObject().Count(); ++i) {
        const TCT_OleObject& item = element.GetOleObject().GetItem(i);
        TXc12OleObject& object = *objects.Add();
        object.SetProgId(item.GetProgId());
        object.SetDvAspect(item.GetDvAspect());
        object.SetLink(item.GetLink());
        object.SetOleUpdate(item.GetOleUpdate());
        object.SetAutoLoad(item.GetAutoLoad());
        object.SetShapeId(item.GetShapeId());
        object.SetRId(rtl::UnicodeToAnsi(item.GetId()));
    }
}

void ReadControls(const TCT_Controls& element, TXc12Controls& controls) {
    for (int32_t i = 0; i < element.GetControl().Count(); ++i) {
        const TCT_Control& item = element.GetControl().GetItem(i);
        TXc12Control& control = *controls.Add();
        control.SetShapeId(item.GetShapeId());
        control.SetRId(rtl::UnicodeToAnsi(item.GetId()));
        control.SetName(item.GetName());
    }
}

} // namespace

TXLSCellAreaRec AreaOf(rtl::UnicodeStringView text) {
    TXLSCellAreaRec area;
    static_cast<void>(StrToCellArea(text, area));
    return area;
}

void ReadAreas(const TStringXpgList& items, TBaseCellAreas& areas) {
    for (int32_t i = 0; i < items.GetCount(); ++i) {
        areas.AddAreaText(items.GetItem(i));
    }
}

void ReadPrintOptions(const TCT_PrintOptions& element, TXc12PrintOptions& options) {
    options.SetHorizontalCentered(element.GetHorizontalCentered());
    options.SetVerticalCentered(element.GetVerticalCentered());
    options.SetHeadings(element.GetHeadings());
    options.SetGridLines(element.GetGridLines());
    options.SetGridLinesSet(element.GetGridLinesSet());
}

void ReadPageMargins(const TCT_PageMargins& element, TXc12PageMargins& margins) {
    margins.SetLeft(element.GetLeft());
    margins.SetRight(element.GetRight());
    margins.SetTop(element.GetTop());
    margins.SetBottom(element.GetBottom());
    margins.SetHeader(element.GetHeader());
    margins.SetFooter(element.GetFooter());
}

void ReadPageSetup(const TCT_PageSetup& element, TXc12PageSetup& setup) {
    setup.SetPaperSize(element.GetPaperSize());
    setup.SetScale(element.GetScale());
    setup.SetFirstPageNumber(element.GetFirstPageNumber());
    setup.SetFitToWidth(element.GetFitToWidth());
    setup.SetFitToHeight(element.GetFitToHeight());
    setup.SetPageOrder(element.GetPageOrder());
    setup.SetOrientation(element.GetOrientation());
    setup.SetUsePrinterDefaults(element.GetUsePrinterDefaults());
    setup.SetBlackAndWhite(element.GetBlackAndWhite());
    setup.SetDraft(element.GetDraft());
    setup.SetCellComments(element.GetCellComments());
    setup.SetUseFirstPageNumber(element.GetUseFirstPageNumber());
    setup.SetErrors(element.GetErrors());
    setup.SetHorizontalDpi(element.GetHorizontalDpi());
    setup.SetVerticalDpi(element.GetVerticalDpi());
    setup.SetCopies(element.GetCopies());
}

void ReadHeaderFooter(const TCT_HeaderFooter& element, TXc12HeaderFooter& headerFooter) {
    headerFooter.SetDifferentOddEven(element.GetDifferentOddEven());
    headerFooter.SetDifferentFirst(element.GetDifferentFirst());
    headerFooter.SetScaleWithDoc(element.GetScaleWithDoc());
    headerFooter.SetAlignWithMargins(element.GetAlignWithMargins());
    headerFooter.SetOddHeader(element.GetOddHeader());
    headerFooter.SetOddFooter(element.GetOddFooter());
    headerFooter.SetEvenHeader(element.GetEvenHeader());
    headerFooter.SetEvenFooter(element.GetEvenFooter());
    headerFooter.SetFirstHeader(element.GetFirstHeader());
    headerFooter.SetFirstFooter(element.GetFirstFooter());
}

void ReadPageBreaks(const TCT_PageBreak& element, TXc12PageBreaks& breaks) {
    for (int32_t i = 0; i < element.GetBrk().Count(); ++i) {
        const TCT_Break& item = element.GetBrk().GetItem(i);
        TXc12Break& pageBreak = *breaks.Add();
        pageBreak.SetId(item.GetId());
        pageBreak.SetMin(item.GetMin());
        pageBreak.SetMax(item.GetMax());
        pageBreak.SetMan(item.GetMan());
        pageBreak.SetPt(item.GetPt());
    }
}

void ReadWebPublishItems(const TCT_WebPublishItems& element, TXc12WebPublishItems& items) {
    for (int32_t i = 0; i < element.GetWebPublishItem().Count(); ++i) {
        const TCT_WebPublishItem& item = element.GetWebPublishItem().GetItem(i);
        TXc12WebPublishItem& published = *items.Add();
        published.SetId(item.GetId());
        published.SetDivId(item.GetDivId());
        published.SetSourceType(item.GetSourceType());
        published.GetSourceRef().SetFromText(item.GetSourceRef());
        published.SetSourceObject(item.GetSourceObject());
        published.SetDestinationFile(item.GetDestinationFile());
        published.SetTitle(item.GetTitle());
        published.SetAutoRepublish(item.GetAutoRepublish());
    }
}

void ReadWorksheetSettings(const TCT_Worksheet& element, TXc12DataWorksheet& sheet, const TXLSReadXLSXStyles& styles) {
    if (element.GetSheetPr().Assigned()) {
        ReadSheetPr(element.GetSheetPr(), sheet.GetSheetPr(), styles);
    }
    ReadSheetFormatPr(element.GetSheetFormatPr(), sheet.GetSheetFormatPr());
    sheet.GetSheetCalcPr().SetFullCalcOnLoad(element.GetSheetCalcPr().GetFullCalcOnLoad());
    ReadSheetProtection(element.GetSheetProtection(), sheet.GetSheetProtection());
    if (element.GetProtectedRanges().Assigned()) {
        ReadProtectedRanges(element.GetProtectedRanges(), sheet.GetProtectedRanges());
    }
    if (element.GetScenarios().Assigned()) {
        ReadScenarios(element.GetScenarios(), sheet.GetScenarios());
    }
    if (element.GetDataConsolidate().Assigned()) {
        ReadDataConsolidate(element.GetDataConsolidate(), sheet.GetDataConsolidate());
    }
    if (element.GetPhoneticPr().Assigned()) {
        ReadPhoneticPr(element.GetPhoneticPr(), sheet.GetPhoneticPr());
    }
    if (element.GetPrintOptions().Assigned()) {
        ReadPrintOptions(element.GetPrintOptions(), sheet.GetPrintOptions());
    }
    if (element.GetPageMargins().Assigned()) {
        ReadPageMargins(element.GetPageMargins(), sheet.GetPageMargins());
    }
    if (element.GetPageSetup().Assigned()) {
        ReadPageSetup(element.GetPageSetup(), sheet.GetPageSetup());
    }
    if (element.GetHeaderFooter().Assigned()) {
        ReadHeaderFooter(element.GetHeaderFooter(), sheet.GetHeaderFooter());
    }
    ReadPageBreaks(element.GetRowBreaks(), sheet.GetRowBreaks());
    ReadPageBreaks(element.GetColBreaks(), sheet.GetColBreaks());
    ReadCustomProperties(element.GetCustomProperties(), sheet.GetCustomProperties());
    ReadCellWatches(element.GetCellWatches(), sheet.GetCellWatches());
    ReadIgnoredErrors(element.GetIgnoredErrors(), sheet.GetIgnoredErrors());
    ReadSmartTags(element.GetSmartTags(), sheet.GetSmartTags());
    ReadOleObjects(element.GetOleObjects(), sheet.GetOleObjects());
    ReadControls(element.GetControls(), sheet.GetControls());
    ReadWebPublishItems(element.GetWebPublishItems(), sheet.GetWebPublishItems());
}

} // namespace xls
