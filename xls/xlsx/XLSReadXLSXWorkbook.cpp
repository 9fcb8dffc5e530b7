#include "xls/xlsx/XLSReadXLSXWorkbook.h"

#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/StringUtils.h"
#include "xls/core/base/XLSErrorManager.h"
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

void ReadFileSharing(const TCT_FileSharing& element, TXc12FileSharing& sharing) {
    sharing.SetReadOnlyRecommended(element.GetReadOnlyRecommended());
    sharing.SetUserName(element.GetUserName());
    sharing.SetReservationPassword(element.GetReservationPassword());
}

void ReadWorkbookProtection(const TCT_WorkbookProtection& element, TXc12WorkbookProtection& protection) {
    protection.SetWorkbookPassword(element.GetWorkbookPassword());
    protection.SetRevisionsPassword(element.GetRevisionsPassword());
    protection.SetLockStructure(element.GetLockStructure());
    protection.SetLockWindows(element.GetLockWindows());
    protection.SetLockRevision(element.GetLockRevision());
}

// A book view and a custom view carry the same window attributes.
template <class TElement>
void ReadWindowSettings(const TElement& element, TXc12WindowSettings& window) {
    window.SetShowHorizontalScroll(element.GetShowHorizontalScroll());
    window.SetShowVerticalScroll(element.GetShowVerticalScroll());
    window.SetShowSheetTabs(element.GetShowSheetTabs());
    window.SetXWindow(element.GetXWindow());
    window.SetYWindow(element.GetYWindow());
    window.SetWindowWidth(element.GetWindowWidth());
    window.SetWindowHeight(element.GetWindowHeight());
    window.SetTabRatio(element.GetTabRatio());
}

void ReadBookView(const TCT_BookView& element, TXc12BookView& view) {
    view.SetVisibility(element.GetVisibility());
    view.SetMinimized(element.GetMinimized());
    ReadWindowSettings(element, view.GetWindow());
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

void ReadFunctionGroups(const TCT_FunctionGroups& element, TXc12FunctionGroups& groups) {
    groups.SetBuiltInGroupCount(element.GetBuiltInGroupCount());
    for (int32_t i = 0; i < element.GetFunctionGroup().Count(); ++i) {
        groups.Add(element.GetFunctionGroup().GetItem(i).GetName());
    }
}

void ReadCustomWorkbookView(const TCT_CustomWorkbookView& element, TXc12CustomWorkbookView& view) {
    view.SetName(element.GetName());
    view.SetGuid(element.GetGuid());
    view.SetAutoUpdate(element.GetAutoUpdate());
    view.SetMergeInterval(element.GetMergeInterval());
    view.SetChangesSavedWin(element.GetChangesSavedWin());
    view.SetOnlySync(element.GetOnlySync());
    view.SetPersonalView(element.GetPersonalView());
    view.SetIncludePrintSettings(element.GetIncludePrintSettings());
    view.SetIncludeHiddenRowCol(element.GetIncludeHiddenRowCol());
    view.SetMaximized(element.GetMaximized());
    view.SetMinimized(element.GetMinimized());
    ReadWindowSettings(element, view.GetWindow());
    view.SetActiveSheetId(element.GetActiveSheetId());
    view.SetShowFormulaBar(element.GetShowFormulaBar());
    view.SetShowStatusbar(element.GetShowStatusbar());
    view.SetShowComments(element.GetShowComments());
    view.SetShowObjects(element.GetShowObjects());
}

void ReadSmartTags(const TCT_Workbook& element, TXc12DataWorkbook& workbook) {
    workbook.GetSmartTagPr().SetEmbed(element.GetSmartTagPr().GetEmbed());
    workbook.GetSmartTagPr().SetShow(element.GetSmartTagPr().GetShow());
    const TCT_SmartTagTypeXpgList& types = element.GetSmartTagTypes().GetSmartTagType();
    for (int32_t i = 0; i < types.Count(); ++i) {
        TXc12SmartTagType& type = *workbook.GetSmartTagTypes().Add();
        type.SetNamespaceUri(types.GetItem(i).GetNamespaceUri());
        type.SetName(types.GetItem(i).GetName());
        type.SetUrl(types.GetItem(i).GetUrl());
    }
}

void ReadWebPublishing(const TCT_WebPublishing& element, TXc12WebPublishing& publishing) {
    publishing.SetCss(element.GetCss());
    publishing.SetThicket(element.GetThicket());
    publishing.SetLongFileNames(element.GetLongFileNames());
    publishing.SetVml(element.GetVml());
    publishing.SetAllowPng(element.GetAllowPng());
    publishing.SetTargetScreenSize(element.GetTargetScreenSize());
    publishing.SetDpi(element.GetDpi());
    publishing.SetCodePage(element.GetCodePage());
}

void ReadFileRecoveryPrs(const TCT_FileRecoveryPrXpgList& items, TXc12FileRecoveryPrs& recovery) {
    for (int32_t i = 0; i < items.Count(); ++i) {
        const TCT_FileRecoveryPr& item = items.GetItem(i);
        TXc12FileRecoveryPr& properties = *recovery.Add();
        properties.SetAutoRecover(item.GetAutoRecover());
        properties.SetCrashSave(item.GetCrashSave());
        properties.SetDataExtractLoad(item.GetDataExtractLoad());
        properties.SetRepairLoad(item.GetRepairLoad());
    }
}

void ReadWebPublishObjects(const TCT_WebPublishObjects& element, TXc12WebPublishObjects& objects) {
    for (int32_t i = 0; i < element.GetWebPublishObject().Count(); ++i) {
        const TCT_WebPublishObject& item = element.GetWebPublishObject().GetItem(i);
        TXc12WebPublishObject& object = *objects.Add();
        object.SetId(item.GetId());
        object.SetDivId(item.GetDivId());
        object.SetSourceObject(item.GetSourceObject());
        object.SetDestinationFile(item.GetDestinationFile());
        object.SetTitle(item.GetTitle());
        object.SetAutoRepublish(item.GetAutoRepublish());
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
    ReadFileSharing(element.GetFileSharing(), workbook.GetFileSharing());
    ReadWorkbookPr(element.GetWorkbookPr(), workbook.GetWorkbookPr());
    ReadWorkbookProtection(element.GetWorkbookProtection(), workbook.GetWorkbookProtection());
    ReadBookViews(element.GetBookViews(), workbook.GetBookViews());
    ReadFunctionGroups(element.GetFunctionGroups(), workbook.GetFunctionGroups());
    ReadCalcPr(element.GetCalcPr(), workbook.GetCalcPr());
    workbook.SetOleSizeRef(element.GetOleSize().GetRef());
    const TCT_CustomWorkbookViewXpgList& customViews = element.GetCustomWorkbookViews().GetCustomWorkbookView();
    for (int32_t i = 0; i < customViews.Count(); ++i) {
        ReadCustomWorkbookView(customViews.GetItem(i), *workbook.GetCustomWorkbookViews().Add());
    }
    ReadSmartTags(element, workbook);
    ReadWebPublishing(element.GetWebPublishing(), workbook.GetWebPublishing());
    ReadFileRecoveryPrs(element.GetFileRecoveryPr(), workbook.GetFileRecoveryPrs());
    ReadWebPublishObjects(element.GetWebPublishObjects(), workbook.GetWebPublishObjects());
    ReadSheetEntries(element.GetSheets(), workbook.GetSheets());
}

bool TXLSReadXLSXDefinedNames::Accept(const TCT_DefinedName& element) {
    const int32_t scope = element.GetLocalSheetId();
    rtl::UnicodeStringView problem;
    if (element.GetName().empty()) {
        problem = u"no name";
    } else if (scope < -1 || scope >= FSheetCount) {
        problem = u"no such sheet";
    } else if (!FAdded.insert(rtl::IntToStr(scope) + u"!" + rtl::WideUpperCase(element.GetName())).second) {
        problem = u"defined twice";
    } else {
        return true;
    }
    FErrors.ReportWarning(element.GetName() + u": " + rtl::UnicodeString(problem), XLSWarningDefinedNameSkipped);
    return false;
}

void TXLSReadXLSXDefinedNames::DoDefinedName(const TCT_DefinedName& element) {
    if (!Accept(element)) {
        return;
    }
    TXc12DefinedName* name = FNames.AddName(element.GetName(), element.GetLocalSheetId());
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
