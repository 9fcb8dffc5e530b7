#include "xls/core/model/workbook/Xc12DataWorkbook5.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"

namespace xls {

namespace {

void SetUnlessEmpty(rtl::UnicodeString& field, rtl::UnicodeStringView value) {
    if (!value.empty()) {
        field = value;
    }
}

// The key names are compared by: full UTF-16 case folding, never an 8-bit code page, which would make names in
// scripts it cannot show collide.
rtl::UnicodeString LookupKey(rtl::UnicodeStringView name) {
    return rtl::WideUpperCase(name);
}

// The object of kind from the factory, of the model class T or a subclass; nullptr when there is no factory or it
// makes no object of kind, and the caller then uses T itself.
template <class T>
std::unique_ptr<T> CreateByFactory(TXLSClassFactory* factory, TXLSClassKind kind, rtl::TObject* owner) {
    std::unique_ptr<rtl::TObject> object = factory ? factory->CreateObject(kind, owner) : nullptr;
    if (!object) {
        return nullptr;
    }
    auto* typed = dynamic_cast<T*>(object.get());
    if (!typed) {
        throw rtl::EInvalidCast(
            rtl::Format(u"The class factory made a %s for kind %d", {object->ClassName(), static_cast<int32_t>(kind)}));
    }
    object.release();
    return std::unique_ptr<T>(typed);
}

} // namespace

void TXc12FileVersion::SetAppName(rtl::UnicodeStringView value) {
    SetUnlessEmpty(FAppName, value);
}
void TXc12FileVersion::SetLastEdited(rtl::UnicodeStringView value) {
    SetUnlessEmpty(FLastEdited, value);
}
void TXc12FileVersion::SetLowestEdited(rtl::UnicodeStringView value) {
    SetUnlessEmpty(FLowestEdited, value);
}
void TXc12FileVersion::SetRupBuild(rtl::UnicodeStringView value) {
    SetUnlessEmpty(FRupBuild, value);
}
void TXc12FileVersion::SetCodeName(rtl::UnicodeStringView value) {
    SetUnlessEmpty(FCodeName, value);
}

void TXc12BookView::Clear() {
    FVisibility = 0;
    FMinimized = false;
    FWindow = TXc12WindowSettings();
    FFirstSheet = 0;
    FActiveTab = 0;
    FAutoFilterDateGrouping = true;
}

void TXc12BookViews::Clear(bool addDefault) {
    Clear();
    if (addDefault) {
        Add();
    }
}

void TXc12Sheet::Clear() {
    FName.clear();
    FSheetId = -1;
    FState = 0;
    FRId.clear();
}

const rtl::UnicodeString& TXc12FunctionGroups::GetItem(int32_t index) const {
    if (index < 0 || index >= Count()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
    }
    return FNames[static_cast<size_t>(index)];
}

void TXc12CustomWorkbookView::Clear() {
    FName.clear();
    FGuid.clear();
    FAutoUpdate = false;
    FMergeInterval = 0;
    FChangesSavedWin = false;
    FOnlySync = false;
    FPersonalView = false;
    FIncludePrintSettings = true;
    FIncludeHiddenRowCol = true;
    FMaximized = false;
    FMinimized = false;
    FWindow = TXc12WindowSettings();
    FActiveSheetId = 0;
    FShowFormulaBar = true;
    FShowStatusbar = true;
    FShowComments = 1;
    FShowObjects = 0;
}

void TXc12SmartTagType::Clear() {
    FNamespaceUri.clear();
    FName.clear();
    FUrl.clear();
}

void TXc12WebPublishObject::Clear() {
    FId = 0;
    FDivId.clear();
    FSourceObject.clear();
    FDestinationFile.clear();
    FTitle.clear();
    FAutoRepublish = false;
}

void TXc12DefinedName::Clear() {
    FName.clear();
    FComment.clear();
    FCustomMenu.clear();
    FDescription.clear();
    FHelp.clear();
    FStatusBar.clear();
    FLocalSheetId = -1;
    FHidden = false;
    FFunction = false;
    FVbProcedure = false;
    FXlm = false;
    FFunctionGroupId = 0;
    FShortcutKey.clear();
    FPublishToServer = false;
    FWorkbookParameter = false;
    FBuiltIn = Xc12BuiltinNone;
    FBuiltInCode = 0xFF;
    FDefinition.clear();
    // A cleared definition must not keep the tokens compiled from the old one.
    FPtgs.clear();
    FDefinitionKind = xndkTokens;
    FSheetIndex = -1;
    FArea = TXLSCellAreaRec();
}

void TXc12DefinedName::SetName(rtl::UnicodeStringView text) {
    FName = text;
    if (!text.starts_with(Xc12BuiltinPrefix)) {
        FBuiltIn = Xc12BuiltinNone;
        return;
    }
    for (size_t kind = 0; kind < Xc12BuiltinNames.size(); ++kind) {
        if (text == Xc12BuiltinNames[kind]) {
            FBuiltIn = static_cast<uint8_t>(kind);
            FName.clear();
            return;
        }
    }
}

rtl::UnicodeString TXc12DefinedName::GetDefinition() const {
    return FDefinition;
}

TXc12DefinedNames::TXc12DefinedNames(TXLSClassFactory* factory) : FClassFactory(factory) {}

TXc12DefinedNames::~TXc12DefinedNames() = default;

void TXc12DefinedNames::Clear() {
    TObjectList::Clear();
    FLookup.clear();
    FLookupValid = true;
}

std::unique_ptr<TXc12DefinedName> TXc12DefinedNames::NewName() {
    std::unique_ptr<TXc12DefinedName> name = CreateByFactory<TXc12DefinedName>(FClassFactory, xckName, this);
    return name ? std::move(name) : std::make_unique<TXc12DefinedName>();
}

TXc12DefinedName* TXc12DefinedNames::AddName(rtl::UnicodeStringView name, int32_t localSheetId) {
    std::unique_ptr<TXc12DefinedName> item = NewName();
    item->Clear();
    item->SetName(name);
    item->SetLocalSheetId(localSheetId);
    Add(item.get());
    return item.release();
}

TXc12DefinedName* TXc12DefinedNames::AddBuiltin(uint8_t kind, int32_t localSheetId) {
    std::unique_ptr<TXc12DefinedName> item = NewName();
    item->Clear();
    item->SetBuiltIn(kind);
    item->SetLocalSheetId(localSheetId);
    Add(item.get());
    return item.release();
}

int32_t TXc12DefinedNames::FindLocal(rtl::UnicodeStringView name, int32_t sheetIndex) const {
    if (name.empty()) {
        return -1;
    }
    const rtl::UnicodeString key = LookupKey(name);
    for (int32_t i = 0; i < Count(); ++i) {
        const TXc12DefinedName* item = GetItem(i);
        if (item->GetLocalSheetId() == sheetIndex && LookupKey(item->GetName()) == key) {
            return i;
        }
    }
    return -1;
}

int32_t TXc12DefinedNames::Find(rtl::UnicodeStringView name, int32_t sheetIndex) const {
    if (sheetIndex >= 0) {
        const int32_t local = FindLocal(name, sheetIndex);
        if (local >= 0) {
            return local;
        }
    }
    const rtl::UnicodeString key = LookupKey(name);
    const int32_t found = LookupPosition(key);
    // Exchanging or moving names tells the list nothing, so a hit that no longer names this text means the
    // positions moved.
    if (found < 0 || IsGlobalName(found, key)) {
        return found;
    }
    FLookupValid = false;
    return LookupPosition(key);
}

int32_t TXc12DefinedNames::LookupPosition(const rtl::UnicodeString& key) const {
    if (!FLookupValid) {
        RebuildLookup();
    }
    const auto found = FLookup.find(key);
    return found == FLookup.end() ? -1 : found->second;
}

bool TXc12DefinedNames::IsGlobalName(int32_t index, const rtl::UnicodeString& key) const {
    if (index >= Count()) {
        return false;
    }
    const TXc12DefinedName* item = GetItem(index);
    return item->GetLocalSheetId() == -1 && LookupKey(item->GetName()) == key;
}

void TXc12DefinedNames::Notify(void* item, rtl::TListNotification action) {
    TObjectList::Notify(item, action);
    // Appending keeps every position, so the lookup only takes the new name; anything else may move positions.
    if (action == rtl::TListNotification::lnAdded && Last() == item) {
        EnterInLookup(*static_cast<TXc12DefinedName*>(item), Count() - 1);
    } else {
        FLookupValid = false;
    }
}

void TXc12DefinedNames::EnterInLookup(const TXc12DefinedName& item, int32_t index) const {
    // A reserved name has no text and is known by its kind alone.
    if (FLookupValid && item.GetLocalSheetId() == -1 && !item.GetName().empty()) {
        FLookup.emplace(LookupKey(item.GetName()), index);
    }
}

void TXc12DefinedNames::RebuildLookup() const {
    FLookup.clear();
    FLookupValid = true;
    for (int32_t i = 0; i < Count(); ++i) {
        EnterInLookup(*GetItem(i), i);
    }
}

namespace {

std::unique_ptr<TXc12DefinedNames> CreateDefinedNames(TXLSClassFactory* factory, rtl::TObject* owner) {
    std::unique_ptr<TXc12DefinedNames> names = CreateByFactory<TXc12DefinedNames>(factory, xckNames, owner);
    return names ? std::move(names) : std::make_unique<TXc12DefinedNames>(factory);
}

} // namespace

TXc12DataWorkbook::TXc12DataWorkbook(TXLSClassFactory* factory)
    : FDefinedNames(CreateDefinedNames(factory, this)), FClassFactory(factory) {}

TXc12DataWorkbook::~TXc12DataWorkbook() = default;

void TXc12DataWorkbook::Clear() {
    FFileVersion.Clear();
    FFileSharing.Clear();
    FWorkbookPr.Clear();
    FWorkbookProtection.Clear();
    FBookViews.Clear(true);
    FSheets.Clear();
    FFunctionGroups.Clear();
    FDefinedNames->Clear();
    FCalcPr.Clear();
    FLastUserName.clear();
    // A file that names no OLE size must not keep the one of the file read before.
    ClearCellArea(FOleSize);
    FCustomWorkbookViews.Clear();
    FPivotCaches.Clear();
    FSmartTagPr.Clear();
    FSmartTagTypes.Clear();
    FWebPublishing.Clear();
    FFileRecoveryPrs.Clear();
    FWebPublishObjects.Clear();
    FConnections.Clear();
}

} // namespace xls
