#include "xls/core/model/package/Xc12FileData5.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/Format.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/opc/OPCPackage.h"
#include "xls/core/opc/xpgParseContentType.h"
#include "xls/core/xml/XpgSimpleDOM.h"

#include <unordered_set>

namespace xls {

namespace {

// The core properties of a workbook that was never saved; lines end in a carriage return alone.
constexpr char16_t DefaultCoreProperties[] =
    u"<cp:coreProperties xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
    u"xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\" "
    u"xmlns:dcmitype=\"http://purl.org/dc/dcmitype/\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">\r"
    u"  <dc:creator></dc:creator>\r"
    u"  <cp:lastModifiedBy></cp:lastModifiedBy>\r"
    u"  <dcterms:created xsi:type=\"dcterms:W3CDTF\">2000-01-01T12:00:00Z</dcterms:created>\r"
    u"  <dcterms:modified xsi:type=\"dcterms:W3CDTF\">2000-01-01T12:00:00Z</dcterms:modified>\r"
    u"</cp:coreProperties>";

// Parts the library writes itself, or that are worth nothing once the workbook changes.
bool NeverKept(const TOPCItem& item) {
    return item.GetTargetMode() == otmExternal || item.GetFileName() == u"calcChain.xml" ||
           item.GetFileName() == u"app.xml";
}

std::string AsciiUpper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

template <class TItems>
void CheckIndex(const TItems& items, int32_t index) {
    if (index < 0 || static_cast<size_t>(index) >= items.size()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
    }
}

} // namespace

// TXLSSavedFileData

TXLSSavedFileData::TXLSSavedFileData(rtl::UnicodeStringView relType, rtl::UnicodeStringView partPath,
                                     std::unique_ptr<rtl::TMemoryStream> data, rtl::UnicodeStringView contentType)
    : FRelType(relType), FPartPath(partPath), FContentType(contentType), FData(std::move(data)) {}

TXLSSavedFileData& TXLSSavedFileDataList::AddPart(rtl::UnicodeStringView relType, rtl::UnicodeStringView partPath,
                                                  std::unique_ptr<rtl::TMemoryStream> data,
                                                  rtl::UnicodeStringView contentType) {
    return *FItems.emplace_back(std::make_unique<TXLSSavedFileData>(relType, partPath, std::move(data), contentType));
}

TXLSSavedFileData& TXLSSavedFileDataList::GetItem(int32_t index) const {
    CheckIndex(FItems, index);
    return *FItems[static_cast<size_t>(index)];
}

// TXc12FileData

TXc12FileData::TXc12FileData()
    : FContentTypes(std::make_unique<xpgParseContentType::TXPGDocContentType>()),
      FCoreProperties(std::make_unique<TXpgSimpleDOM>()), FPackage(std::make_unique<TOPC_XLSX>()) {
    SetDefaultDocProps();
}

TXc12FileData::~TXc12FileData() = default;

void TXc12FileData::Clear() {
    FContentTypes = std::make_unique<xpgParseContentType::TXPGDocContentType>();
    FCoreProperties->Clear();
    FParts.Clear();
    FWorkbookParts.Clear();
    FSheets.clear();
    FSheetIndex.clear();
    FPackage->Clear();
    SetDefaultDocProps();
}

void TXc12FileData::SetDefaultDocProps() {
    FCoreProperties->LoadFromText(DefaultCoreProperties);
}

void TXc12FileData::ReadPackage(rtl::TStream& stream) {
    FPackage->Open(stream, FAlternateZip);
    if (std::unique_ptr<rtl::TStream> contentTypes = FPackage->OpenContentTypesStream()) {
        FContentTypes->LoadFromStream(*contentTypes);
    }
    if (std::unique_ptr<rtl::TStream> coreProperties = FPackage->OpenCoreProperties()) {
        FCoreProperties->Parse(*coreProperties);
    }
}

void TXc12FileData::AddSheetId(rtl::UnicodeStringView id) {
    rtl::AnsiString text = rtl::UnicodeToAnsi(id);
    FSheetIndex.emplace(AsciiUpper(text), GetSheetIdCount());
    FSheets.push_back({std::move(text), nullptr});
}

const rtl::AnsiString& TXc12FileData::GetSheetId(int32_t index) const {
    CheckIndex(FSheets, index);
    return FSheets[static_cast<size_t>(index)].Id;
}

TXLSSavedFileDataSheet* TXc12FileData::GetSheetParts(int32_t index) const {
    CheckIndex(FSheets, index);
    return FSheets[static_cast<size_t>(index)].Parts.get();
}

TXLSSavedFileDataSheet* TXc12FileData::SheetPartsOf(const rtl::AnsiString& id) {
    const auto found = FSheetIndex.find(AsciiUpper(id));
    if (found == FSheetIndex.end()) {
        return nullptr;
    }
    std::unique_ptr<TXLSSavedFileDataSheet>& parts = FSheets[static_cast<size_t>(found->second)].Parts;
    if (parts == nullptr) {
        parts = std::make_unique<TXLSSavedFileDataSheet>();
    }
    return parts.get();
}

void TXc12FileData::KeepUnreadParts(TXLSErrorManager& errors) {
    TOPCItemList unread;
    FPackage->CopyUnreadParts(unread);
    std::unordered_set<std::string> unknownSheets;
    for (int32_t i = 0; i < unread.Count(); ++i) {
        TOPCItem& item = unread.GetItem(i);
        // A part the archive lacks, or could not give, has nothing to write back.
        if (NeverKept(item) || item.GetData() == nullptr) {
            continue;
        }
        const TOPCItem& parent = *item.Parent();
        TXLSSavedFileDataList* list = &FParts;
        if (parent.GetRelType() == OPCRelTypes::Worksheet) {
            if (TXLSSavedFileDataSheet* sheet = SheetPartsOf(parent.GetRelId())) {
                list = item.GetRelType() == OPCRelTypes::Table ? &sheet->GetTables() : &sheet->GetParts();
            } else if (unknownSheets.insert(AsciiUpper(parent.GetRelId())).second) {
                // A worksheet the workbook does not list: its parts stay with the package's.
                errors.ReportWarning(u"Unknown OPC sheet id " + rtl::AnsiToUnicode(parent.GetRelId()),
                                     XLSWarningSheetNotRead);
            }
        } else if (parent.GetRelType() == OPCRelTypes::OfficeDocument) {
            list = &FWorkbookParts;
        }
        list->AddPart(item.GetRelType(), item.GetPartPath(), item.ExtractData(), item.GetContentType());
    }
}

// Pivot holders

TXLSPivotCacheDefinition::TXLSPivotCacheDefinition()
    : FDocument(std::make_unique<TXpgSimpleDOM>()), FRecords(std::make_unique<TXLSPivotCacheRecords>()) {}

TXLSPivotCacheDefinition::~TXLSPivotCacheDefinition() = default;

TXLSPivotCacheDefinition& TXLSPivotCacheDefinitions::Add() {
    auto definition = std::make_unique<TXLSPivotCacheDefinition>();
    TXLSPivotCacheDefinition& result = *definition;
    TIndexObjectList::Add(std::move(definition));
    return result;
}

TXLSPivotCacheDefinition* TXLSPivotCacheDefinitions::FindByCacheId(int32_t cacheId) const {
    for (int32_t i = 0; i < Count(); ++i) {
        if (GetItem(i).GetCacheId() == cacheId) {
            return &GetItem(i);
        }
    }
    return nullptr;
}

TXLSPivotCacheDefinition& TXLSPivotCacheDefinitions::GetItem(int32_t index) const {
    return static_cast<TXLSPivotCacheDefinition&>(*TIndexObjectList::GetItem(index));
}

TXLSPivotTable::TXLSPivotTable() : FDocument(std::make_unique<TXpgSimpleDOM>()) {}

TXLSPivotTable::~TXLSPivotTable() = default;

TXLSPivotTable& TXLSPivotTables::Add() {
    return *FItems.emplace_back(std::make_unique<TXLSPivotTable>());
}

TXLSPivotTable& TXLSPivotTables::GetItem(int32_t index) const {
    CheckIndex(FItems, index);
    return *FItems[static_cast<size_t>(index)];
}

void TXLSPivotTables::Delete(int32_t index) {
    CheckIndex(FItems, index);
    FItems.erase(FItems.begin() + index);
}

} // namespace xls
