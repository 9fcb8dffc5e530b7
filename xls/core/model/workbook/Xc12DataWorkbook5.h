#pragma once
// What a workbook says about itself apart from its sheets' contents: file version and sharing, workbook properties
// and protection, window views, the sheet list, function groups, defined names, calculation properties, custom
// views, pivot caches, smart tags, web publishing and file recovery. Fields mirror the attributes of the workbook
// part's elements (ECMA-376 Part 1, 18.2) in schema order; enumerations are the ordinals of their schema values and
// Clear gives the schema's defaults. Names of sheets and defined names are kept in UTF-16 and compared with full case
// folding, so that names in any script stay apart.

#include "rtl/core/Lists.h"
#include "rtl/text/StringTypes.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/model/common/XLSClassFactory.h"
#include "xls/core/model/common/XLSStyleObjects.h"
#include "xls/core/model/common/Xc12DataLists.h"
#include "xls/core/model/package/Xc12FileData5.h"
#include "xls/core/xml/XpgSimpleDOM.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace xls {

// Which application wrote the file, and the oldest that may open it.
class TXc12FileVersion {
public:
    void Clear() { *this = TXc12FileVersion(); }

    // The setters keep the current text when given an empty one, so that an absent attribute leaves the default.
    const rtl::UnicodeString& GetAppName() const { return FAppName; }
    void SetAppName(rtl::UnicodeStringView value);
    const rtl::UnicodeString& GetLastEdited() const { return FLastEdited; }
    void SetLastEdited(rtl::UnicodeStringView value);
    const rtl::UnicodeString& GetLowestEdited() const { return FLowestEdited; }
    void SetLowestEdited(rtl::UnicodeStringView value);
    const rtl::UnicodeString& GetRupBuild() const { return FRupBuild; }
    void SetRupBuild(rtl::UnicodeStringView value);
    const rtl::UnicodeString& GetCodeName() const { return FCodeName; }
    void SetCodeName(rtl::UnicodeStringView value);

private:
    rtl::UnicodeString FAppName = u"xl";
    rtl::UnicodeString FLastEdited = u"4";
    rtl::UnicodeString FLowestEdited = u"4";
    rtl::UnicodeString FRupBuild = u"5225";
    rtl::UnicodeString FCodeName;
};

// Who reserved the file and whether it should open read-only.
class TXc12FileSharing {
public:
    void Clear() { *this = TXc12FileSharing(); }

    bool GetReadOnlyRecommended() const { return FReadOnlyRecommended; }
    void SetReadOnlyRecommended(bool value) { FReadOnlyRecommended = value; }
    const rtl::UnicodeString& GetUserName() const { return FUserName; }
    void SetUserName(rtl::UnicodeStringView value) { FUserName = value; }
    int32_t GetReservationPassword() const { return FReservationPassword; }
    void SetReservationPassword(int32_t value) { FReservationPassword = value; }

private:
    bool FReadOnlyRecommended = false;
    rtl::UnicodeString FUserName;
    int32_t FReservationPassword = 0;
};

// Workbook-wide options.
class TXc12WorkbookPr {
public:
    void Clear() { *this = TXc12WorkbookPr(); }

    bool GetDate1904() const { return FDate1904; }
    void SetDate1904(bool value) { FDate1904 = value; }
    // 0 all, 1 placeholders, 2 none.
    uint8_t GetShowObjects() const { return FShowObjects; }
    void SetShowObjects(uint8_t value) { FShowObjects = value; }
    bool GetShowBorderUnselectedTables() const { return FShowBorderUnselectedTables; }
    void SetShowBorderUnselectedTables(bool value) { FShowBorderUnselectedTables = value; }
    bool GetFilterPrivacy() const { return FFilterPrivacy; }
    void SetFilterPrivacy(bool value) { FFilterPrivacy = value; }
    bool GetPromptedSolutions() const { return FPromptedSolutions; }
    void SetPromptedSolutions(bool value) { FPromptedSolutions = value; }
    bool GetShowInkAnnotation() const { return FShowInkAnnotation; }
    void SetShowInkAnnotation(bool value) { FShowInkAnnotation = value; }
    bool GetBackupFile() const { return FBackupFile; }
    void SetBackupFile(bool value) { FBackupFile = value; }
    bool GetSaveExternalLinkValues() const { return FSaveExternalLinkValues; }
    void SetSaveExternalLinkValues(bool value) { FSaveExternalLinkValues = value; }
    // 0 user set, 1 never, 2 always.
    uint8_t GetUpdateLinks() const { return FUpdateLinks; }
    void SetUpdateLinks(uint8_t value) { FUpdateLinks = value; }
    const rtl::UnicodeString& GetCodeName() const { return FCodeName; }
    void SetCodeName(rtl::UnicodeStringView value) { FCodeName = value; }
    bool GetHidePivotFieldList() const { return FHidePivotFieldList; }
    void SetHidePivotFieldList(bool value) { FHidePivotFieldList = value; }
    bool GetShowPivotChartFilter() const { return FShowPivotChartFilter; }
    void SetShowPivotChartFilter(bool value) { FShowPivotChartFilter = value; }
    bool GetAllowRefreshQuery() const { return FAllowRefreshQuery; }
    void SetAllowRefreshQuery(bool value) { FAllowRefreshQuery = value; }
    bool GetPublishItems() const { return FPublishItems; }
    void SetPublishItems(bool value) { FPublishItems = value; }
    bool GetCheckCompatibility() const { return FCheckCompatibility; }
    void SetCheckCompatibility(bool value) { FCheckCompatibility = value; }
    bool GetAutoCompressPictures() const { return FAutoCompressPictures; }
    void SetAutoCompressPictures(bool value) { FAutoCompressPictures = value; }
    bool GetRefreshAllConnections() const { return FRefreshAllConnections; }
    void SetRefreshAllConnections(bool value) { FRefreshAllConnections = value; }
    int32_t GetDefaultThemeVersion() const { return FDefaultThemeVersion; }
    void SetDefaultThemeVersion(int32_t value) { FDefaultThemeVersion = value; }

private:
    bool FDate1904 = false;
    uint8_t FShowObjects = 0;
    bool FShowBorderUnselectedTables = true;
    bool FFilterPrivacy = false;
    bool FPromptedSolutions = false;
    bool FShowInkAnnotation = true;
    bool FBackupFile = false;
    bool FSaveExternalLinkValues = true;
    uint8_t FUpdateLinks = 0;
    rtl::UnicodeString FCodeName;
    bool FHidePivotFieldList = false;
    bool FShowPivotChartFilter = false;
    bool FAllowRefreshQuery = false;
    bool FPublishItems = false;
    bool FCheckCompatibility = false;
    bool FAutoCompressPictures = true;
    bool FRefreshAllConnections = false;
    int32_t FDefaultThemeVersion = 124226;
};

// The password hashes and locks that protect the workbook's structure, windows and revisions.
class TXc12WorkbookProtection {
public:
    void Clear() { *this = TXc12WorkbookProtection(); }

    int32_t GetWorkbookPassword() const { return FWorkbookPassword; }
    void SetWorkbookPassword(int32_t value) { FWorkbookPassword = value; }
    int32_t GetRevisionsPassword() const { return FRevisionsPassword; }
    void SetRevisionsPassword(int32_t value) { FRevisionsPassword = value; }
    bool GetLockStructure() const { return FLockStructure; }
    void SetLockStructure(bool value) { FLockStructure = value; }
    bool GetLockWindows() const { return FLockWindows; }
    void SetLockWindows(bool value) { FLockWindows = value; }
    bool GetLockRevision() const { return FLockRevision; }
    void SetLockRevision(bool value) { FLockRevision = value; }

private:
    int32_t FWorkbookPassword = 0;
    int32_t FRevisionsPassword = 0;
    bool FLockStructure = false;
    bool FLockWindows = false;
    bool FLockRevision = false;
};

// The window settings of one view of the workbook, shared by the views of a custom view.
class TXc12WindowSettings {
public:
    bool GetShowHorizontalScroll() const { return FShowHorizontalScroll; }
    void SetShowHorizontalScroll(bool value) { FShowHorizontalScroll = value; }
    bool GetShowVerticalScroll() const { return FShowVerticalScroll; }
    void SetShowVerticalScroll(bool value) { FShowVerticalScroll = value; }
    bool GetShowSheetTabs() const { return FShowSheetTabs; }
    void SetShowSheetTabs(bool value) { FShowSheetTabs = value; }
    int32_t GetXWindow() const { return FXWindow; }
    void SetXWindow(int32_t value) { FXWindow = value; }
    int32_t GetYWindow() const { return FYWindow; }
    void SetYWindow(int32_t value) { FYWindow = value; }
    int32_t GetWindowWidth() const { return FWindowWidth; }
    void SetWindowWidth(int32_t value) { FWindowWidth = value; }
    int32_t GetWindowHeight() const { return FWindowHeight; }
    void SetWindowHeight(int32_t value) { FWindowHeight = value; }
    int32_t GetTabRatio() const { return FTabRatio; }
    void SetTabRatio(int32_t value) { FTabRatio = value; }

private:
    bool FShowHorizontalScroll = true;
    bool FShowVerticalScroll = true;
    bool FShowSheetTabs = true;
    int32_t FXWindow = 0;
    int32_t FYWindow = 0;
    int32_t FWindowWidth = 0;
    int32_t FWindowHeight = 0;
    int32_t FTabRatio = 600;
};

// One window on the workbook.
class TXc12BookView : public rtl::TObject {
public:
    void Clear();

    // 0 visible, 1 hidden, 2 very hidden.
    uint8_t GetVisibility() const { return FVisibility; }
    void SetVisibility(uint8_t value) { FVisibility = value; }
    bool GetMinimized() const { return FMinimized; }
    void SetMinimized(bool value) { FMinimized = value; }
    TXc12WindowSettings& GetWindow() { return FWindow; }
    const TXc12WindowSettings& GetWindow() const { return FWindow; }
    int32_t GetFirstSheet() const { return FFirstSheet; }
    void SetFirstSheet(int32_t value) { FFirstSheet = value; }
    int32_t GetActiveTab() const { return FActiveTab; }
    void SetActiveTab(int32_t value) { FActiveTab = value; }
    bool GetAutoFilterDateGrouping() const { return FAutoFilterDateGrouping; }
    void SetAutoFilterDateGrouping(bool value) { FAutoFilterDateGrouping = value; }

private:
    uint8_t FVisibility = 0;
    bool FMinimized = false;
    TXc12WindowSettings FWindow;
    int32_t FFirstSheet = 0;
    int32_t FActiveTab = 0;
    bool FAutoFilterDateGrouping = true;
};

// The windows on the workbook; a new list holds one default view.
class TXc12BookViews : public TXc12OwnedList<TXc12BookView> {
public:
    TXc12BookViews() { Clear(true); }

    using TXc12OwnedList<TXc12BookView>::Clear;
    // Empties the list; with addDefault a default view follows.
    void Clear(bool addDefault);
};

// One entry of the workbook's sheet list.
class TXc12Sheet : public rtl::TObject {
public:
    void Clear();

    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView value) { FName = value; }
    int32_t GetSheetId() const { return FSheetId; }
    void SetSheetId(int32_t value) { FSheetId = value; }
    // 0 visible, 1 hidden, 2 very hidden.
    uint8_t GetState() const { return FState; }
    void SetState(uint8_t value) { FState = value; }
    // The relationship id of the sheet's part.
    const rtl::AnsiString& GetRId() const { return FRId; }
    void SetRId(std::string_view value) { FRId = value; }

private:
    rtl::UnicodeString FName;
    int32_t FSheetId = -1;
    uint8_t FState = 0;
    rtl::AnsiString FRId;
};

// The sheet list in workbook order, emptied once the sheets are made.
using TXc12Sheets = TXc12OwnedList<TXc12Sheet>;

// The workbook's own function groups (names kept in UTF-16) after the built-in ones.
class TXc12FunctionGroups {
public:
    static constexpr int32_t DefaultBuiltInGroupCount = 16;

    void Clear() { *this = TXc12FunctionGroups(); }
    void Add(rtl::UnicodeStringView name) { FNames.emplace_back(name); }
    int32_t Count() const { return static_cast<int32_t>(FNames.size()); }
    // A position outside the list raises EListError.
    const rtl::UnicodeString& GetItem(int32_t index) const;
    int32_t GetBuiltInGroupCount() const { return FBuiltInGroupCount; }
    void SetBuiltInGroupCount(int32_t value) { FBuiltInGroupCount = value; }

private:
    std::vector<rtl::UnicodeString> FNames;
    int32_t FBuiltInGroupCount = DefaultBuiltInGroupCount;
};

// How and when the workbook recalculates.
class TXc12CalcPr {
public:
    void Clear() { *this = TXc12CalcPr(); }

    int32_t GetCalcId() const { return FCalcId; }
    void SetCalcId(int32_t value) { FCalcId = value; }
    // 0 manual, 1 auto, 2 auto without tables.
    uint8_t GetCalcMode() const { return FCalcMode; }
    void SetCalcMode(uint8_t value) { FCalcMode = value; }
    bool GetFullCalcOnLoad() const { return FFullCalcOnLoad; }
    void SetFullCalcOnLoad(bool value) { FFullCalcOnLoad = value; }
    // 0 A1, 1 R1C1.
    uint8_t GetRefMode() const { return FRefMode; }
    void SetRefMode(uint8_t value) { FRefMode = value; }
    bool GetIterate() const { return FIterate; }
    void SetIterate(bool value) { FIterate = value; }
    int32_t GetIterateCount() const { return FIterateCount; }
    void SetIterateCount(int32_t value) { FIterateCount = value; }
    double GetIterateDelta() const { return FIterateDelta; }
    void SetIterateDelta(double value) { FIterateDelta = value; }
    bool GetFullPrecision() const { return FFullPrecision; }
    void SetFullPrecision(bool value) { FFullPrecision = value; }
    bool GetCalcCompleted() const { return FCalcCompleted; }
    void SetCalcCompleted(bool value) { FCalcCompleted = value; }
    bool GetCalcOnSave() const { return FCalcOnSave; }
    void SetCalcOnSave(bool value) { FCalcOnSave = value; }
    bool GetConcurrentCalc() const { return FConcurrentCalc; }
    void SetConcurrentCalc(bool value) { FConcurrentCalc = value; }
    int32_t GetConcurrentManualCount() const { return FConcurrentManualCount; }
    void SetConcurrentManualCount(int32_t value) { FConcurrentManualCount = value; }
    bool GetForceFullCalc() const { return FForceFullCalc; }
    void SetForceFullCalc(bool value) { FForceFullCalc = value; }

private:
    int32_t FCalcId = 125725;
    uint8_t FCalcMode = 1;
    bool FFullCalcOnLoad = false;
    uint8_t FRefMode = 0;
    bool FIterate = false;
    int32_t FIterateCount = 100;
    double FIterateDelta = 0.001;
    bool FFullPrecision = true;
    bool FCalcCompleted = true;
    bool FCalcOnSave = true;
    bool FConcurrentCalc = true;
    int32_t FConcurrentManualCount = 0;
    bool FForceFullCalc = false;
};

// A named custom view: window, print and display settings saved under a name.
class TXc12CustomWorkbookView : public rtl::TObject {
public:
    void Clear();

    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView value) { FName = value; }
    const rtl::UnicodeString& GetGuid() const { return FGuid; }
    void SetGuid(rtl::UnicodeStringView value) { FGuid = value; }
    bool GetAutoUpdate() const { return FAutoUpdate; }
    void SetAutoUpdate(bool value) { FAutoUpdate = value; }
    int32_t GetMergeInterval() const { return FMergeInterval; }
    void SetMergeInterval(int32_t value) { FMergeInterval = value; }
    bool GetChangesSavedWin() const { return FChangesSavedWin; }
    void SetChangesSavedWin(bool value) { FChangesSavedWin = value; }
    bool GetOnlySync() const { return FOnlySync; }
    void SetOnlySync(bool value) { FOnlySync = value; }
    bool GetPersonalView() const { return FPersonalView; }
    void SetPersonalView(bool value) { FPersonalView = value; }
    bool GetIncludePrintSettings() const { return FIncludePrintSettings; }
    void SetIncludePrintSettings(bool value) { FIncludePrintSettings = value; }
    bool GetIncludeHiddenRowCol() const { return FIncludeHiddenRowCol; }
    void SetIncludeHiddenRowCol(bool value) { FIncludeHiddenRowCol = value; }
    bool GetMaximized() const { return FMaximized; }
    void SetMaximized(bool value) { FMaximized = value; }
    bool GetMinimized() const { return FMinimized; }
    void SetMinimized(bool value) { FMinimized = value; }
    TXc12WindowSettings& GetWindow() { return FWindow; }
    const TXc12WindowSettings& GetWindow() const { return FWindow; }
    int32_t GetActiveSheetId() const { return FActiveSheetId; }
    void SetActiveSheetId(int32_t value) { FActiveSheetId = value; }
    bool GetShowFormulaBar() const { return FShowFormulaBar; }
    void SetShowFormulaBar(bool value) { FShowFormulaBar = value; }
    bool GetShowStatusbar() const { return FShowStatusbar; }
    void SetShowStatusbar(bool value) { FShowStatusbar = value; }
    // 0 none, 1 indicator, 2 indicator and comment.
    uint8_t GetShowComments() const { return FShowComments; }
    void SetShowComments(uint8_t value) { FShowComments = value; }
    // 0 all, 1 placeholders, 2 none.
    uint8_t GetShowObjects() const { return FShowObjects; }
    void SetShowObjects(uint8_t value) { FShowObjects = value; }

private:
    rtl::UnicodeString FName;
    rtl::UnicodeString FGuid;
    bool FAutoUpdate = false;
    int32_t FMergeInterval = 0;
    bool FChangesSavedWin = false;
    bool FOnlySync = false;
    bool FPersonalView = false;
    bool FIncludePrintSettings = true;
    bool FIncludeHiddenRowCol = true;
    bool FMaximized = false;
    bool FMinimized = false;
    TXc12WindowSettings FWindow;
    int32_t FActiveSheetId = 0;
    bool FShowFormulaBar = true;
    bool FShowStatusbar = true;
    uint8_t FShowComments = 1;
    uint8_t FShowObjects = 0;
};

using TXc12CustomWorkbookViews = TXc12OwnedList<TXc12CustomWorkbookView>;

// Whether smart tags are saved and shown.
class TXc12SmartTagPr {
public:
    void Clear() { *this = TXc12SmartTagPr(); }

    bool GetEmbed() const { return FEmbed; }
    void SetEmbed(bool value) { FEmbed = value; }
    // 0 all, 1 none, 2 no indicator.
    uint8_t GetShow() const { return FShow; }
    void SetShow(uint8_t value) { FShow = value; }

private:
    bool FEmbed = false;
    uint8_t FShow = 0;
};

// One kind of smart tag the workbook uses.
class TXc12SmartTagType : public rtl::TObject {
public:
    void Clear();

    const rtl::UnicodeString& GetNamespaceUri() const { return FNamespaceUri; }
    void SetNamespaceUri(rtl::UnicodeStringView value) { FNamespaceUri = value; }
    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView value) { FName = value; }
    const rtl::UnicodeString& GetUrl() const { return FUrl; }
    void SetUrl(rtl::UnicodeStringView value) { FUrl = value; }

private:
    rtl::UnicodeString FNamespaceUri;
    rtl::UnicodeString FName;
    rtl::UnicodeString FUrl;
};

using TXc12SmartTagTypes = TXc12OwnedList<TXc12SmartTagType>;

// How the workbook is saved as a web page.
class TXc12WebPublishing {
public:
    void Clear() { *this = TXc12WebPublishing(); }

    bool GetCss() const { return FCss; }
    void SetCss(bool value) { FCss = value; }
    bool GetThicket() const { return FThicket; }
    void SetThicket(bool value) { FThicket = value; }
    bool GetLongFileNames() const { return FLongFileNames; }
    void SetLongFileNames(bool value) { FLongFileNames = value; }
    bool GetVml() const { return FVml; }
    void SetVml(bool value) { FVml = value; }
    bool GetAllowPng() const { return FAllowPng; }
    void SetAllowPng(bool value) { FAllowPng = value; }
    // The ordinal of the schema's screen sizes, 544x376 first; 3 is 800x600.
    uint8_t GetTargetScreenSize() const { return FTargetScreenSize; }
    void SetTargetScreenSize(uint8_t value) { FTargetScreenSize = value; }
    int32_t GetDpi() const { return FDpi; }
    void SetDpi(int32_t value) { FDpi = value; }
    int32_t GetCodePage() const { return FCodePage; }
    void SetCodePage(int32_t value) { FCodePage = value; }

private:
    bool FCss = true;
    bool FThicket = true;
    bool FLongFileNames = true;
    bool FVml = false;
    bool FAllowPng = false;
    uint8_t FTargetScreenSize = 3;
    int32_t FDpi = 96;
    int32_t FCodePage = 0;
};

// How the file was last recovered or repaired.
class TXc12FileRecoveryPr : public rtl::TObject {
public:
    bool GetAutoRecover() const { return FAutoRecover; }
    void SetAutoRecover(bool value) { FAutoRecover = value; }
    bool GetCrashSave() const { return FCrashSave; }
    void SetCrashSave(bool value) { FCrashSave = value; }
    bool GetDataExtractLoad() const { return FDataExtractLoad; }
    void SetDataExtractLoad(bool value) { FDataExtractLoad = value; }
    bool GetRepairLoad() const { return FRepairLoad; }
    void SetRepairLoad(bool value) { FRepairLoad = value; }

private:
    bool FAutoRecover = true;
    bool FCrashSave = false;
    bool FDataExtractLoad = false;
    bool FRepairLoad = false;
};

using TXc12FileRecoveryPrs = TXc12OwnedList<TXc12FileRecoveryPr>;

// One item published to a web page.
class TXc12WebPublishObject : public rtl::TObject {
public:
    void Clear();

    int32_t GetId() const { return FId; }
    void SetId(int32_t value) { FId = value; }
    const rtl::UnicodeString& GetDivId() const { return FDivId; }
    void SetDivId(rtl::UnicodeStringView value) { FDivId = value; }
    const rtl::UnicodeString& GetSourceObject() const { return FSourceObject; }
    void SetSourceObject(rtl::UnicodeStringView value) { FSourceObject = value; }
    const rtl::UnicodeString& GetDestinationFile() const { return FDestinationFile; }
    void SetDestinationFile(rtl::UnicodeStringView value) { FDestinationFile = value; }
    const rtl::UnicodeString& GetTitle() const { return FTitle; }
    void SetTitle(rtl::UnicodeStringView value) { FTitle = value; }
    bool GetAutoRepublish() const { return FAutoRepublish; }
    void SetAutoRepublish(bool value) { FAutoRepublish = value; }

private:
    int32_t FId = 0;
    rtl::UnicodeString FDivId;
    rtl::UnicodeString FSourceObject;
    rtl::UnicodeString FDestinationFile;
    rtl::UnicodeString FTitle;
    bool FAutoRepublish = false;
};

using TXc12WebPublishObjects = TXc12OwnedList<TXc12WebPublishObject>;

// The reserved names of the "_xlnm." prefix; a name's built-in kind is its position here.
inline constexpr std::array<rtl::UnicodeStringView, 8> Xc12BuiltinNames = {
    u"_xlnm.Consolidate_Area", u"_xlnm.Extract",      u"_xlnm.Database",    u"_xlnm.Criteria",
    u"_xlnm.Print_Area",       u"_xlnm.Print_Titles", u"_xlnm.Sheet_Title", u"_xlnm._FilterDatabase",
};
// The built-in kind of an ordinary name.
inline constexpr uint8_t Xc12BuiltinNone = 8;
inline constexpr rtl::UnicodeStringView Xc12BuiltinPrefix = u"_xlnm.";

// What a compiled definition holds: tokens, one cell, an area, or a reference that no longer exists.
enum TXc12NameDefinitionKind : uint8_t {
    xndkTokens = 0,
    xndkCell = 1,
    xndkArea = 2,
    xndkRefError = 3,
};

// A defined name: its text (empty for a reserved name, known by its built-in kind), scope, attributes and
// definition, with the compiled form of the definition that the component keeps beside it.
class TXc12DefinedName : public rtl::TObject {
public:
    // Empties the texts and the compiled definition; workbook scope, ordinary name.
    void Clear();

    const rtl::UnicodeString& GetName() const { return FName; }
    // Stores text; a text with the "_xlnm." prefix takes the built-in kind of the reserved name it equals
    // (case-sensitive) and then keeps no text, since the kind says it. A prefixed text that is no reserved name
    // stays an ordinary name and keeps its text.
    void SetName(rtl::UnicodeStringView text);
    // The definition as formula text.
    virtual rtl::UnicodeString GetDefinition() const;
    void SetDefinition(rtl::UnicodeStringView text) { FDefinition = text; }

    const rtl::UnicodeString& GetComment() const { return FComment; }
    void SetComment(rtl::UnicodeStringView value) { FComment = value; }
    const rtl::UnicodeString& GetCustomMenu() const { return FCustomMenu; }
    void SetCustomMenu(rtl::UnicodeStringView value) { FCustomMenu = value; }
    const rtl::UnicodeString& GetDescription() const { return FDescription; }
    void SetDescription(rtl::UnicodeStringView value) { FDescription = value; }
    const rtl::UnicodeString& GetHelp() const { return FHelp; }
    void SetHelp(rtl::UnicodeStringView value) { FHelp = value; }
    const rtl::UnicodeString& GetStatusBar() const { return FStatusBar; }
    void SetStatusBar(rtl::UnicodeStringView value) { FStatusBar = value; }
    // -1 for a workbook-level name, else the position of the sheet it belongs to.
    int32_t GetLocalSheetId() const { return FLocalSheetId; }
    void SetLocalSheetId(int32_t value) { FLocalSheetId = value; }
    bool GetHidden() const { return FHidden; }
    void SetHidden(bool value) { FHidden = value; }
    bool GetFunction() const { return FFunction; }
    void SetFunction(bool value) { FFunction = value; }
    bool GetVbProcedure() const { return FVbProcedure; }
    void SetVbProcedure(bool value) { FVbProcedure = value; }
    bool GetXlm() const { return FXlm; }
    void SetXlm(bool value) { FXlm = value; }
    int32_t GetFunctionGroupId() const { return FFunctionGroupId; }
    void SetFunctionGroupId(int32_t value) { FFunctionGroupId = value; }
    const rtl::UnicodeString& GetShortcutKey() const { return FShortcutKey; }
    void SetShortcutKey(rtl::UnicodeStringView value) { FShortcutKey = value; }
    bool GetPublishToServer() const { return FPublishToServer; }
    void SetPublishToServer(bool value) { FPublishToServer = value; }
    bool GetWorkbookParameter() const { return FWorkbookParameter; }
    void SetWorkbookParameter(bool value) { FWorkbookParameter = value; }
    // A position in Xc12BuiltinNames, or Xc12BuiltinNone.
    uint8_t GetBuiltIn() const { return FBuiltIn; }
    void SetBuiltIn(uint8_t value) { FBuiltIn = value; }
    // The built-in name code a binary workbook gave the name (MS-XLS 2.4.150, Lbl), 0xFF for none.
    uint8_t GetBuiltInCode() const { return FBuiltInCode; }
    void SetBuiltInCode(uint8_t value) { FBuiltInCode = value; }

    // The compiled definition.
    const std::vector<uint8_t>& GetPtgs() const { return FPtgs; }
    void SetPtgs(std::vector<uint8_t> ptgs) { FPtgs = std::move(ptgs); }
    int32_t GetPtgsSize() const { return static_cast<int32_t>(FPtgs.size()); }
    TXc12NameDefinitionKind GetDefinitionKind() const { return FDefinitionKind; }
    void SetDefinitionKind(TXc12NameDefinitionKind value) { FDefinitionKind = value; }
    int32_t GetSheetIndex() const { return FSheetIndex; }
    void SetSheetIndex(int32_t value) { FSheetIndex = value; }
    const TXLSCellAreaRec& GetArea() const { return FArea; }
    void SetArea(const TXLSCellAreaRec& value) { FArea = value; }

private:
    rtl::UnicodeString FName;
    rtl::UnicodeString FComment;
    rtl::UnicodeString FCustomMenu;
    rtl::UnicodeString FDescription;
    rtl::UnicodeString FHelp;
    rtl::UnicodeString FStatusBar;
    int32_t FLocalSheetId = -1;
    bool FHidden = false;
    bool FFunction = false;
    bool FVbProcedure = false;
    bool FXlm = false;
    int32_t FFunctionGroupId = 0;
    rtl::UnicodeString FShortcutKey;
    bool FPublishToServer = false;
    bool FWorkbookParameter = false;
    uint8_t FBuiltIn = Xc12BuiltinNone;
    uint8_t FBuiltInCode = 0xFF;
    rtl::UnicodeString FDefinition;
    std::vector<uint8_t> FPtgs;
    TXc12NameDefinitionKind FDefinitionKind = xndkTokens;
    int32_t FSheetIndex = -1;
    TXLSCellAreaRec FArea;
};

// The defined names of a workbook, owned, with a lookup of the workbook-level names by their case-folded text.
// Names come from the class factory, so that the component's subclass wraps them.
class TXc12DefinedNames : public rtl::TObjectList {
public:
    // factory is not owned and may be nullptr, which gives the model's own name class.
    explicit TXc12DefinedNames(TXLSClassFactory* factory);
    ~TXc12DefinedNames() override;

    // Empties the names and the lookup.
    void Clear() override;
    // Appends a name with text and scope (-1 for the workbook); a workbook-level name enters the lookup.
    TXc12DefinedName* AddName(rtl::UnicodeStringView name, int32_t localSheetId);
    // Appends a reserved name of kind, which has no text and so never enters the lookup.
    TXc12DefinedName* AddBuiltin(uint8_t kind, int32_t localSheetId);
    // A new, unlisted name object of the factory's class.
    std::unique_ptr<TXc12DefinedName> NewName();
    // The position of the first name local to sheetIndex with text name (full case folding), or -1.
    int32_t FindLocal(rtl::UnicodeStringView name, int32_t sheetIndex) const;
    // With sheetIndex >= 0 the sheet's own names first, then the workbook-level names; the position or -1.
    int32_t Find(rtl::UnicodeStringView name, int32_t sheetIndex) const;
    // A position outside the list raises EListError.
    TXc12DefinedName* GetItem(int32_t index) const {
        return static_cast<TXc12DefinedName*>(TObjectList::GetItem(index));
    }

protected:
    void Notify(void* item, rtl::TListNotification action) override;

private:
    void EnterInLookup(const TXc12DefinedName& item, int32_t index) const;
    int32_t LookupPosition(const rtl::UnicodeString& key) const;
    bool IsGlobalName(int32_t index, const rtl::UnicodeString& key) const;
    void RebuildLookup() const;

    TXLSClassFactory* FClassFactory; // not owned
    // Case-folded text of each workbook-level name -> position of the first name with it.
    mutable std::unordered_map<rtl::UnicodeString, int32_t> FLookup;
    // False once names were removed or inserted before others, which moves positions; Find then rebuilds it, as it
    // does when a hit names another text.
    mutable bool FLookupValid = true;
};

// What the workbook part holds, filled by the readers and cleared before every read.
class TXc12DataWorkbook : public TXc12Data {
public:
    // factory is not owned and must outlive the workbook; it makes the defined-name list and its names.
    explicit TXc12DataWorkbook(TXLSClassFactory* factory);
    ~TXc12DataWorkbook() override;

    void Clear();

    TXc12FileVersion& GetFileVersion() { return FFileVersion; }
    TXc12FileSharing& GetFileSharing() { return FFileSharing; }
    TXc12WorkbookPr& GetWorkbookPr() { return FWorkbookPr; }
    TXc12WorkbookProtection& GetWorkbookProtection() { return FWorkbookProtection; }
    TXc12BookViews& GetBookViews() { return FBookViews; }
    TXc12Sheets& GetSheets() { return FSheets; }
    TXc12FunctionGroups& GetFunctionGroups() { return FFunctionGroups; }
    TXc12DefinedNames& GetDefinedNames() const { return *FDefinedNames; }
    TXc12CalcPr& GetCalcPr() { return FCalcPr; }
    // Who saved the file last, as a binary workbook records it.
    const rtl::UnicodeString& GetLastUserName() const { return FLastUserName; }
    void SetLastUserName(rtl::UnicodeStringView value) { FLastUserName = value; }
    // The area an embedded workbook shows as an OLE object; all -1 when the file names none.
    const TXLSCellAreaRec& GetOleSize() const { return FOleSize; }
    // Takes the area from an A1 reference; an empty or unreadable text gives no area, and false for the latter.
    bool SetOleSizeRef(rtl::UnicodeStringView ref) { return StrToCellArea(ref, FOleSize); }
    TXc12CustomWorkbookViews& GetCustomWorkbookViews() { return FCustomWorkbookViews; }
    TXLSPivotCacheDefinitions& GetPivotCaches() { return FPivotCaches; }
    TXc12SmartTagPr& GetSmartTagPr() { return FSmartTagPr; }
    TXc12SmartTagTypes& GetSmartTagTypes() { return FSmartTagTypes; }
    TXc12WebPublishing& GetWebPublishing() { return FWebPublishing; }
    TXc12FileRecoveryPrs& GetFileRecoveryPrs() { return FFileRecoveryPrs; }
    TXc12WebPublishObjects& GetWebPublishObjects() { return FWebPublishObjects; }
    // The workbook's connections part as loaded.
    TXpgSimpleDOM& GetConnections() { return FConnections; }
    TXLSClassFactory* GetClassFactory() const { return FClassFactory; }

private:
    TXc12FileVersion FFileVersion;
    TXc12FileSharing FFileSharing;
    TXc12WorkbookPr FWorkbookPr;
    TXc12WorkbookProtection FWorkbookProtection;
    TXc12BookViews FBookViews;
    TXc12Sheets FSheets;
    TXc12FunctionGroups FFunctionGroups;
    std::unique_ptr<TXc12DefinedNames> FDefinedNames;
    TXc12CalcPr FCalcPr;
    rtl::UnicodeString FLastUserName;
    TXLSCellAreaRec FOleSize;
    TXc12CustomWorkbookViews FCustomWorkbookViews;
    TXLSPivotCacheDefinitions FPivotCaches;
    TXc12SmartTagPr FSmartTagPr;
    TXc12SmartTagTypes FSmartTagTypes;
    TXc12WebPublishing FWebPublishing;
    TXc12FileRecoveryPrs FFileRecoveryPrs;
    TXc12WebPublishObjects FWebPublishObjects;
    TXpgSimpleDOM FConnections;
    TXLSClassFactory* FClassFactory; // not owned
};

} // namespace xls
