#pragma once
// What belongs to the package rather than to the workbook's content: the package itself, its content types and core
// properties, and the parts the reader did not consume, kept with their relationship type, path and content type so
// that they can be written back; and the holders of pivot parts, kept as loaded XML documents.

#include "rtl/core/Object.h"
#include "rtl/io/Streams.h"
#include "rtl/text/StringTypes.h"
#include "xls/core/model/common/XLSIndexObjects.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace xls {

class TOPC_XLSX;
class TXLSErrorManager;
class TXpgSimpleDOM;
namespace xpgParseContentType {
class TXPGDocContentType;
} // namespace xpgParseContentType

// One part kept as bytes.
class TXLSSavedFileData : public rtl::TObject {
public:
    TXLSSavedFileData(rtl::UnicodeStringView relType, rtl::UnicodeStringView partPath,
                      std::unique_ptr<rtl::TMemoryStream> data, rtl::UnicodeStringView contentType);

    const rtl::UnicodeString& GetRelType() const { return FRelType; }
    const rtl::UnicodeString& GetPartPath() const { return FPartPath; }
    const rtl::UnicodeString& GetContentType() const { return FContentType; }
    rtl::TMemoryStream& GetData() const { return *FData; }

private:
    rtl::UnicodeString FRelType;
    rtl::UnicodeString FPartPath;
    rtl::UnicodeString FContentType;
    std::unique_ptr<rtl::TMemoryStream> FData;
};

// Kept parts, owned, in the order they were kept.
class TXLSSavedFileDataList : public rtl::TObject {
public:
    // Appends a kept part that takes over data.
    TXLSSavedFileData& AddPart(rtl::UnicodeStringView relType, rtl::UnicodeStringView partPath,
                               std::unique_ptr<rtl::TMemoryStream> data, rtl::UnicodeStringView contentType);
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    // An index outside 0..Count()-1 raises rtl::EListError.
    TXLSSavedFileData& GetItem(int32_t index) const;
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TXLSSavedFileData>> FItems;
};

// The kept parts of one worksheet: its tables apart from the rest.
class TXLSSavedFileDataSheet : public rtl::TObject {
public:
    TXLSSavedFileDataList& GetParts() { return FParts; }
    TXLSSavedFileDataList& GetTables() { return FTables; }

private:
    TXLSSavedFileDataList FParts;
    TXLSSavedFileDataList FTables;
};

// The package of the workbook and what the reader left of it.
class TXc12FileData : public rtl::TObject {
public:
    TXc12FileData();
    ~TXc12FileData() override;

    // Empties the documents and the kept parts, clears the package and sets the default document properties.
    void Clear();
    // Opens the package on stream (which must outlive the read) and loads its content types and core properties.
    void ReadPackage(rtl::TStream& stream);
    // Registers a worksheet's relationship id, in workbook order; its kept parts are made on demand.
    void AddSheetId(rtl::UnicodeStringView id);
    // Copies the parts nobody read out of the package into the kept-part lists. A part below a worksheet whose id
    // was not registered is kept with the package's parts, after warning 2008 naming the id once.
    void KeepUnreadParts(TXLSErrorManager& errors);
    void SetDefaultDocProps();

    xpgParseContentType::TXPGDocContentType& GetContentTypes() const { return *FContentTypes; }
    TXpgSimpleDOM& GetCoreProperties() const { return *FCoreProperties; }
    TOPC_XLSX& GetPackage() const { return *FPackage; }
    TXLSSavedFileDataList& GetParts() { return FParts; }
    TXLSSavedFileDataList& GetWorkbookParts() { return FWorkbookParts; }
    int32_t GetSheetIdCount() const { return static_cast<int32_t>(FSheets.size()); }
    // An index outside 0..GetSheetIdCount()-1 raises rtl::EListError.
    const rtl::AnsiString& GetSheetId(int32_t index) const;
    // The kept parts of the sheet at index; nullptr until one was kept.
    TXLSSavedFileDataSheet* GetSheetParts(int32_t index) const;
    bool GetAlternateZip() const { return FAlternateZip; }
    void SetAlternateZip(bool alternateZip) { FAlternateZip = alternateZip; }

private:
    struct TSheetEntry {
        rtl::AnsiString Id;
        std::unique_ptr<TXLSSavedFileDataSheet> Parts;
    };

    // The kept parts of the registered sheet id, or nullptr.
    TXLSSavedFileDataSheet* SheetPartsOf(const rtl::AnsiString& id);

    std::unique_ptr<xpgParseContentType::TXPGDocContentType> FContentTypes;
    std::unique_ptr<TXpgSimpleDOM> FCoreProperties;
    std::unique_ptr<TOPC_XLSX> FPackage;
    TXLSSavedFileDataList FParts;
    TXLSSavedFileDataList FWorkbookParts;
    std::vector<TSheetEntry> FSheets;
    // Upper-cased id -> position of the first sheet with it.
    std::unordered_map<std::string, int32_t> FSheetIndex;
    bool FAlternateZip = false;
};

// The raw bytes of a pivot cache's records part.
class TXLSPivotCacheRecords : public rtl::TMemoryStream {};

// A pivot cache definition kept as a document, with the number of pivot tables that use it.
class TXLSPivotCacheDefinition : public TIndexObject {
public:
    TXLSPivotCacheDefinition();
    ~TXLSPivotCacheDefinition() override;

    int32_t GetUseCount() const { return FUseCount; }
    void IncUseCount() { ++FUseCount; }
    TXpgSimpleDOM& GetDocument() const { return *FDocument; }
    int32_t GetCacheId() const { return FCacheId; }
    void SetCacheId(int32_t cacheId) { FCacheId = cacheId; }
    TXLSPivotCacheRecords& GetRecords() const { return *FRecords; }

private:
    int32_t FUseCount = 0;
    std::unique_ptr<TXpgSimpleDOM> FDocument;
    int32_t FCacheId = 0;
    std::unique_ptr<TXLSPivotCacheRecords> FRecords;
};

// The pivot cache definitions of a workbook.
class TXLSPivotCacheDefinitions : public TIndexObjectList {
public:
    // A new definition with an empty document and records stream.
    TXLSPivotCacheDefinition& Add();
    // The first definition with cacheId, or nullptr.
    TXLSPivotCacheDefinition* FindByCacheId(int32_t cacheId) const;
    TXLSPivotCacheDefinition& GetItem(int32_t index) const;
};

// A pivot table kept as a document, linked to its cache definition.
class TXLSPivotTable : public rtl::TObject {
public:
    TXLSPivotTable();
    ~TXLSPivotTable() override;

    TXLSPivotCacheDefinition* GetCacheDefinition() const { return FCacheDefinition; }
    void SetCacheDefinition(TXLSPivotCacheDefinition* definition) { FCacheDefinition = definition; }
    TXpgSimpleDOM& GetDocument() const { return *FDocument; }

private:
    TXLSPivotCacheDefinition* FCacheDefinition = nullptr; // not owned
    std::unique_ptr<TXpgSimpleDOM> FDocument;
};

// The pivot tables of a worksheet, owned.
class TXLSPivotTables : public rtl::TObject {
public:
    // A new pivot table with an empty document.
    TXLSPivotTable& Add();
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    // An index outside 0..Count()-1 raises rtl::EListError.
    TXLSPivotTable& GetItem(int32_t index) const;
    // An index outside 0..Count()-1 raises rtl::EListError.
    void Delete(int32_t index);
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TXLSPivotTable>> FItems;
};

} // namespace xls
