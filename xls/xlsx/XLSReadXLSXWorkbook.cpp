#include "xls/xlsx/XLSReadXLSXWorkbook.h"

#include "rtl/text/CodePages.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"
#include "xls/xlsx/xpgParserXLSX.h"

#include <cstdint>

namespace xls {

using namespace xpgParserXLSX;

namespace {

void ReadFileVersion(const TCT_FileVersion& element, TXc12FileVersion& version) {
    version.SetAppName(element.GetAppName());
    version.SetLastEdited(element.GetLastEdited());
    version.SetLowestEdited(element.GetLowestEdited());
    version.SetRupBuild(element.GetRupBuild());
    version.SetCodeName(element.GetCodeName());
}

void ReadWorkbookPr(const TCT_WorkbookPr& element, TXc12WorkbookPr& properties) {
    properties.SetDate1904(element.GetDate1904());
    properties.SetShowObjects(element.GetShowObjects());
    properties.SetShowBorderUnselectedTables(element.GetShowBorderUnselectedTables());
    properties.SetFilterPrivacy(element.GetFilterPrivacy());
    properties.SetPromptedSolutions(element.GetPromptedSolutions());
    properties.SetShowInkAnnotation(element.GetShowInkAnnotation());
    properties.SetBackupFile(element.GetBackupFile());
    properties.SetSaveExternalLinkValues(element.GetSaveExternalLinkValues());
    properties.SetUpdateLinks(element.GetUpdateLinks());
    properties.SetCodeName(element.GetCodeName());
    properties.SetHidePivotFieldList(element.GetHidePivotFieldList());
    properties.SetShowPivotChartFilter(element.GetShowPivotChartFilter());
    properties.SetAllowRefreshQuery(element.GetAllowRefreshQuery());
    properties.SetPublishItems(element.GetPublishItems());
    properties.SetCheckCompatibility(element.GetCheckCompatibility());
    properties.SetAutoCompressPictures(element.GetAutoCompressPictures());
    properties.SetRefreshAllConnections(element.GetRefreshAllConnections());
    properties.SetDefaultThemeVersion(element.GetDefaultThemeVersion());
}

void ReadBookView(const TCT_BookView& element, TXc12BookView& view) {
    view.SetVisibility(element.GetVisibility());
    view.SetMinimized(element.GetMinimized());
    TXc12WindowSettings& window = view.GetWindow();
    window.SetShowHorizontalScroll(element.GetShowHorizontalScroll());
    window.SetShowVerticalScroll(element.GetShowVerticalScroll());
    window.SetShowSheetTabs(element.GetShowSheetTabs());
    window.SetXWindow(element.GetXWindow());
    window.SetYWindow(element.GetYWindow());
    window.SetWindowWidth(element.GetWindowWidth());
    window.SetWindowHeight(element.GetWindowHeight());
    window.SetTabRatio(element.GetTabRatio());
    view.SetFirstSheet(element.GetFirstSheet());
    view.SetActiveTab(element.GetActiveTab());
    view.SetAutoFilterDateGrouping(element.GetAutoFilterDateGrouping());
}

void ReadBookViews(const TCT_BookViews& element, TXc12BookViews& views) {
    const TCT_BookViewXpgList& items = element.GetWorkbookView();
    if (items.Count() == 0) {
        return;
    }
    views.Clear(false);
    for (int32_t i = 0; i < items.Count(); ++i) {
        ReadBookView(items.GetItem(i), *views.Add());
    }
}

void ReadCalcPr(const TCT_CalcPr& element, TXc12CalcPr& calc) {
    calc.SetCalcId(element.GetCalcId());
    calc.SetCalcMode(element.GetCalcMode());
    calc.SetFullCalcOnLoad(element.GetFullCalcOnLoad());
    calc.SetRefMode(element.GetRefMode());
    calc.SetIterate(element.GetIterate());
    calc.SetIterateCount(element.GetIterateCount());
    calc.SetIterateDelta(element.GetIterateDelta());
    calc.SetFullPrecision(element.GetFullPrecision());
    calc.SetCalcCompleted(element.GetCalcCompleted());
    calc.SetCalcOnSave(element.GetCalcOnSave());
    calc.SetConcurrentCalc(element.GetConcurrentCalc());
    calc.SetConcurrentManualCount(element.GetConcurrentManualCount());
    calc.SetForceFullCalc(element.GetForceFullCalc());
}

void ReadSheetEntries(const TCT_Sheets& element, TXc12Sheets& sheets) {
    const TCT_SheetXpgList& items = element.GetSheet();
    for (int32_t i = 0; i < items.Count(); ++i) {
        const TCT_Sheet& item = items.GetItem(i);
        TXc12Sheet* sheet = sheets.Add();
        sheet->SetName(item.GetName());
        sheet->SetSheetId(item.GetSheetId());
        // A state text that is no state leaves the sheet visible.
        const uint8_t state = item.GetState();
        sheet->SetState(state <= static_cast<uint8_t>(TST_SheetState::VeryHidden)
                            ? state
                            : static_cast<uint8_t>(TST_SheetState::Visible));
        sheet->SetRId(rtl::UnicodeToAnsi(item.GetId()));
    }
}

} // namespace

void ReadWorkbookPart(const TCT_Workbook& element, TXc12DataWorkbook& workbook) {
    ReadFileVersion(element.GetFileVersion(), workbook.GetFileVersion());
    ReadWorkbookPr(element.GetWorkbookPr(), workbook.GetWorkbookPr());
    ReadBookViews(element.GetBookViews(), workbook.GetBookViews());
    ReadCalcPr(element.GetCalcPr(), workbook.GetCalcPr());
    ReadSheetEntries(element.GetSheets(), workbook.GetSheets());
}

void DoDefinedName(const TCT_DefinedName& element, TXc12DefinedNames& names) {
    TXc12DefinedName* name = names.AddName(element.GetName(), element.GetLocalSheetId());
    name->SetDefinition(element.GetFormula());
    name->SetComment(element.GetComment());
    name->SetCustomMenu(element.GetCustomMenu());
    name->SetDescription(element.GetDescription());
    name->SetHelp(element.GetHelp());
    name->SetStatusBar(element.GetStatusBar());
    name->SetLocalSheetId(element.GetLocalSheetId());
    name->SetFunctionGroupId(element.GetFunctionGroupId());
    name->SetShortcutKey(element.GetShortcutKey());
    name->SetHidden(element.GetHidden());
    name->SetFunction(element.GetFunction());
    name->SetVbProcedure(element.GetVbProcedure());
    name->SetXlm(element.GetXlm());
    name->SetPublishToServer(element.GetPublishToServer());
    name->SetWorkbookParameter(element.GetWorkbookParameter());
}

} // namespace xls
