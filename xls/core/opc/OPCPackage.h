#pragma once
// The OPC package (ECMA-376 Part 2): a zip archive seen as a tree of parts linked by relationships. TOPCContainer
// reads the content types and every relationship part of a package at Open, hands out part streams by
// relationship, and writes the content types and relationship parts of a new package at Close; TOPC_XLSX adds the
// lookups of a SpreadsheetML package.

#include "rtl/core/Object.h"
#include "rtl/io/Streams.h"
#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace xls {

class TOPCContainer;
class TOPCItemList;
class TXLSZipArchiveIntf;

// Relationship types, compared exactly.
namespace OPCRelTypes {
inline constexpr char16_t OfficeDocument[] =
    u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument";
inline constexpr char16_t CoreProperties[] =
    u"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties";
inline constexpr char16_t Styles[] = u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles";
inline constexpr char16_t SharedStrings[] =
    u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings";
inline constexpr char16_t Connections[] =
    u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/connections";
inline constexpr char16_t Worksheet[] =
    u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet";
inline constexpr char16_t Chartsheet[] =
    u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/chartsheet";
inline constexpr char16_t Comments[] = u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/comments";
inline constexpr char16_t ExternalLink[] =
    u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/externalLink";
inline constexpr char16_t PivotCacheDefinition[] =
    u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/pivotCacheDefinition";
inline constexpr char16_t PivotCacheRecords[] =
    u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/pivotCacheRecords";
inline constexpr char16_t Drawing[] = u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/drawing";
inline constexpr char16_t VmlDrawing[] =
    u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/vmlDrawing";
inline constexpr char16_t Table[] = u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/table";
inline constexpr char16_t QueryTable[] =
    u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/queryTable";
inline constexpr char16_t PrinterSettings[] =
    u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/printerSettings";
inline constexpr char16_t PivotTable[] =
    u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/pivotTable";
inline constexpr char16_t Chart[] = u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/chart";
inline constexpr char16_t Image[] = u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/image";
inline constexpr char16_t CalcChain[] =
    u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/calcChain";
inline constexpr char16_t ChartStyle[] = u"http://schemas.microsoft.com/office/2011/relationships/chartStyle";
inline constexpr char16_t ChartColorStyle[] = u"http://schemas.microsoft.com/office/2011/relationships/chartColorStyle";
} // namespace OPCRelTypes

// The namespace of relationship parts (ECMA-376 Part 2, 9.3).
inline constexpr char16_t OPCRelationshipsNamespace[] = u"http://schemas.openxmlformats.org/package/2006/relationships";
// The namespace of the content-types part (ECMA-376 Part 2, 10.1.2.2).
inline constexpr char16_t OPCContentTypesNamespace[] = u"http://schemas.openxmlformats.org/package/2006/content-types";

// Whether a relationship's target is inside the package.
enum TOPCTargetMode : uint8_t { otmExternal = 0, otmInternal = 1 };

// One part of the package as reached through one relationship, or the package root.
class TOPCItem : public rtl::TObject {
public:
    TOPCItem(TOPCContainer& container, TOPCItem* parent);
    // Frees the subtree without recursing, however deep it is.
    ~TOPCItem() override;

    TOPCContainer& Container() const { return FContainer; }
    TOPCItem* Parent() const { return FParent; }
    int32_t IndexInParent() const { return FIndexInParent; }

    int32_t GetChildCount() const { return static_cast<int32_t>(FChildren.size()); }
    // An index outside 0..GetChildCount()-1 raises rtl::EListError.
    TOPCItem& GetChild(int32_t index) const;
    // The child hanging under id (ASCII case ignored; the first of equal ids), or nullptr.
    TOPCItem* FindChild(std::string_view id) const;
    // The relationship id under which this item hangs in its parent; empty for the root.
    const rtl::AnsiString& GetRelId() const { return FRelId; }
    // Appends a child for one relationship. An internal target is split at its last "/" into Directory and
    // FileName; an external one is kept whole as FileName.
    TOPCItem& AddChild(std::string_view id, rtl::UnicodeStringView relType, rtl::UnicodeStringView target,
                       TOPCTargetMode targetMode, rtl::UnicodeStringView relText = {});

    uint8_t GetOpenState() const { return FOpenState; }
    void SetOpenState(uint8_t state) { FOpenState = state; }
    void ResetOpenState() { FOpenState = 0; }
    const rtl::UnicodeString& GetDirectory() const { return FDirectory; }
    const rtl::UnicodeString& GetFileName() const { return FFileName; }
    const rtl::UnicodeString& GetRelType() const { return FRelType; }
    TOPCTargetMode GetTargetMode() const { return FTargetMode; }
    const rtl::UnicodeString& GetRelText() const { return FRelText; }
    bool GetRead() const { return FRead; }
    void SetRead() { FRead = true; }
    // Sets Read on the item and every item below it.
    void SetReadTree();
    // The copy of the part's bytes made for an unread part, or nullptr.
    rtl::TMemoryStream* GetData() const { return FData.get(); }
    void SetData(std::unique_ptr<rtl::TMemoryStream> data) { FData = std::move(data); }
    // Hands the copied bytes to the caller; the item keeps none.
    std::unique_ptr<rtl::TMemoryStream> ExtractData() { return std::move(FData); }
    const rtl::UnicodeString& GetContentType() const { return FContentType; }
    void SetContentType(rtl::UnicodeStringView contentType) { FContentType = contentType; }

    // The target as written in the relationship: Directory + "/" + FileName, or FileName when Directory is empty.
    rtl::UnicodeString GetPartPath() const;
    // The part's path inside the archive.
    rtl::UnicodeString ResolvePath() const;
    // The path inside the archive of a target directory and file name related from source (nullptr: the root), with
    // its ".." steps taken; a target that climbs above the package root keeps a leading "..".
    static rtl::UnicodeString ResolveTarget(const TOPCItem* source, rtl::UnicodeStringView directory,
                                            rtl::UnicodeStringView fileName);
    // Whether a resolved path lies outside the package.
    static bool LeavesPackage(rtl::UnicodeStringView resolvedPath);
    // The path of the item's own relationship part; "_rels/.rels" for the root.
    rtl::UnicodeString GetRelsPath() const;
    // Clears list and adds every child of relType; true when any.
    bool FindChildrenOfType(rtl::UnicodeStringView relType, TOPCItemList& list) const;
    // The one child of relType, or nullptr; more than one raises "OPC: only one item of type %s excpected".
    TOPCItem* FindOnlyChildOfType(rtl::UnicodeStringView relType) const;
    // GetPartPath of the child under id, or an empty text.
    rtl::UnicodeString GetChildPath(std::string_view id) const;
    // Frees every child.
    void ClearChildren();

private:
    TOPCContainer& FContainer;
    TOPCItem* FParent; // not owned
    int32_t FIndexInParent;
    rtl::AnsiString FRelId;
    std::vector<std::unique_ptr<TOPCItem>> FChildren;
    // Upper-cased id -> position of the first child with it.
    std::unordered_map<std::string, int32_t> FChildIndex;
    uint8_t FOpenState = 0;
    rtl::UnicodeString FDirectory;
    rtl::UnicodeString FFileName;
    rtl::UnicodeString FRelType;
    TOPCTargetMode FTargetMode = otmInternal;
    rtl::UnicodeString FRelText;
    bool FRead = false;
    std::unique_ptr<rtl::TMemoryStream> FData;
    rtl::UnicodeString FContentType;
};

// Items found by a search or left unread; the items are not owned.
class TOPCItemList : public rtl::TObject {
public:
    void Add(TOPCItem& item) { FItems.push_back(&item); }
    void Clear() { FItems.clear(); }
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    // An index outside 0..Count()-1 raises rtl::EListError.
    TOPCItem& GetItem(int32_t index) const;

private:
    std::vector<TOPCItem*> FItems;
};

// The content type of some parts of the package.
class TOPC_ContentType : public rtl::TObject {
public:
    explicit TOPC_ContentType(rtl::UnicodeStringView contentType) : FContentType(contentType) {}
    const rtl::UnicodeString& GetContentType() const { return FContentType; }

private:
    rtl::UnicodeString FContentType;
};

// The content type of the parts whose names end in an extension.
class TOPC_ContentTypeDefault : public TOPC_ContentType {
public:
    TOPC_ContentTypeDefault(rtl::UnicodeStringView extension, rtl::UnicodeStringView contentType)
        : TOPC_ContentType(contentType), FExtension(extension) {}
    const rtl::UnicodeString& GetExtension() const { return FExtension; }

private:
    rtl::UnicodeString FExtension;
};

// The content type of one part, named with a leading "/".
class TOPC_ContentTypeOverride : public TOPC_ContentType {
public:
    TOPC_ContentTypeOverride(rtl::UnicodeStringView partName, rtl::UnicodeStringView contentType)
        : TOPC_ContentType(contentType), FPartName(partName) {}
    const rtl::UnicodeString& GetPartName() const { return FPartName; }

private:
    rtl::UnicodeString FPartName;
};

// The content-type table of a package: the built-in defaults first, then the package's own entries.
class TOPC_ContentTypes : public rtl::TObject {
public:
    TOPC_ContentTypes();

    // Append an entry unless one of the same kind has the same extension or part name (compared exactly);
    // AddOverride puts "/" in front of a part name that lacks it.
    void AddDefault(rtl::UnicodeStringView extension, rtl::UnicodeStringView contentType);
    void AddOverride(rtl::UnicodeStringView partName, rtl::UnicodeStringView contentType);
    // The entry's index, or -1.
    int32_t FindDefault(rtl::UnicodeStringView extension) const;
    int32_t FindOverride(rtl::UnicodeStringView partName) const;
    // Frees every entry and adds the built-in defaults again.
    void Clear();

    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    // An index outside 0..Count()-1 raises rtl::EListError.
    const TOPC_ContentType& GetItem(int32_t index) const;

private:
    std::vector<std::unique_ptr<TOPC_ContentType>> FItems;
    std::unordered_map<rtl::UnicodeString, int32_t> FDefaults;
    std::unordered_map<rtl::UnicodeString, int32_t> FOverrides;
};

// A package opened for reading or created for writing.
class TOPCContainer : public rtl::TObject {
public:
    enum TMode : uint8_t { omClosed = 0, omReading = 1, omWriting = 2 };

    TOPCContainer();
    ~TOPCContainer() override;

    // Reads the content types and the whole relationship tree; the stream stays the caller's and must outlive the
    // reading. A failure leaves the package closed and empty.
    virtual void Open(rtl::TStream& stream, bool alternate);
    // Starts a new package on stream; the caller adds parts through Zip() and items below Root().
    virtual void OpenForWrite(rtl::TStream& stream, bool alternate);
    // Writing: writes the content types and relationship parts and finishes the archive. Either way the package is
    // closed; a read package keeps its tree.
    virtual void Close();
    // Closes without writing and frees the archive, the tree and the package's content types.
    virtual void Clear();

    // The child of parent under id, or nullptr; a child of another type raises "OPC Item is not of excpected type".
    TOPCItem* OpenRelated(TOPCItem& parent, rtl::UnicodeStringView relType, std::string_view id);
    // FindOnlyChildOfType, opened.
    TOPCItem* OpenOnlyRelated(TOPCItem& parent, rtl::UnicodeStringView relType);
    // A new stream of the part's bytes; sets Read when ReadOnOpen.
    std::unique_ptr<rtl::TStream> OpenPartStream(TOPCItem& item);
    // Raises "Close on not open OPC Item." unless the item is open.
    void CloseItem(TOPCItem& item);
    // The stream of "[Content_Types].xml", or nullptr when the archive has none.
    std::unique_ptr<rtl::TStream> OpenContentTypesStream();
    // Clears list and adds every item below the root that has a FileName and was not read.
    void ListUnreadParts(TOPCItemList& list);
    // Copies the part's bytes into the item's Data with its content type; false (and no Data) on any failure.
    bool CopyPartData(TOPCItem& item);
    // ListUnreadParts, then CopyPartData for each internal item listed.
    void CopyUnreadParts(TOPCItemList& list);

    TMode GetMode() const { return FMode; }
    TXLSZipArchiveIntf* Zip() const { return FZip.get(); }
    bool GetReadOnOpen() const { return FReadOnOpen; }
    void SetReadOnOpen(bool readOnOpen) { FReadOnOpen = readOnOpen; }
    TOPCItem& Root() { return FRoot; }
    const rtl::UnicodeString& GetRelNamespace() const { return FRelNamespace; }
    void SetRelNamespace(rtl::UnicodeStringView relNamespace) { FRelNamespace = relNamespace; }
    TOPC_ContentTypes& ContentTypes() { return FContentTypes; }
    // The relationships of the last Open whose internal targets lie outside the package, each as its relationship
    // part's path, ": " and the target; they are not in the tree.
    const std::vector<rtl::UnicodeString>& RejectedTargets() const { return FRejectedTargets; }

protected:
    // Leaves the package closed and empty after a failed Open.
    void AbandonOpen();

private:
    void StartZip(bool alternate);
    void ReadContentTypes();
    void LoadRelationships();
    void LoadItemRelationships(TOPCItem& item);
    void WriteContentTypes();
    void WriteRelationships();

    TMode FMode = omClosed;
    std::unique_ptr<TXLSZipArchiveIntf> FZip;
    bool FReadOnOpen = false;
    TOPCItem FRoot;
    rtl::UnicodeString FRelNamespace;
    TOPC_ContentTypes FContentTypes;
    std::vector<rtl::UnicodeString> FRejectedTargets;
};

// A SpreadsheetML package: the workbook part and the sheet, drawing and table being read.
class TOPC_XLSX : public TOPCContainer {
public:
    TOPC_XLSX();

    // Also finds the workbook: "Can not find workbook in OPC" or "More than one workbook in OPC" otherwise.
    void Open(rtl::TStream& stream, bool alternate) override;
    void Close() override;
    void Clear() override;

    TOPCItem* GetWorkbook() const { return FWorkbook; }
    TOPCItem* GetCurrentSheet() const { return FCurrentSheet; }
    TOPCItem* GetCurrentDrawing() const { return FCurrentDrawing; }
    TOPCItem* GetCurrentTable() const { return FCurrentTable; }
    void CloseSheet();
    void CloseDrawing();
    void CloseTable();

    // Each returns a stream the caller owns, or nullptr where the part is optional; a missing required part
    // raises its message.
    std::unique_ptr<rtl::TStream> OpenWorkbook();
    std::unique_ptr<rtl::TStream> OpenCoreProperties();
    std::unique_ptr<rtl::TStream> OpenStyles();
    std::unique_ptr<rtl::TStream> OpenSharedStrings();
    std::unique_ptr<rtl::TStream> OpenConnections();
    std::unique_ptr<rtl::TStream> OpenWorksheet(std::string_view id);
    std::unique_ptr<rtl::TStream> OpenChartsheet(std::string_view id);
    std::unique_ptr<rtl::TStream> OpenSheetComments(std::string_view id);
    std::unique_ptr<rtl::TStream> OpenExternalLink(std::string_view id);
    std::unique_ptr<rtl::TStream> OpenPivotCacheDefinition(std::string_view id);
    std::unique_ptr<rtl::TStream> OpenPivotCacheRecords(std::string_view definitionId, std::string_view id);
    std::unique_ptr<rtl::TStream> OpenDrawing(std::string_view id);
    std::unique_ptr<rtl::TStream> OpenVmlDrawing(std::string_view id);
    std::unique_ptr<rtl::TStream> OpenTable(std::string_view id);
    // The table under id of the workbook's worksheet sheetId, made the current table; nullptr when either is missing.
    std::unique_ptr<rtl::TStream> OpenSheetTable(std::string_view sheetId, std::string_view id);
    std::unique_ptr<rtl::TStream> OpenQueryTable();
    std::unique_ptr<rtl::TStream> OpenPrinterSettings(std::string_view id);
    std::unique_ptr<rtl::TStream> OpenPivotTable(std::string_view id);
    std::unique_ptr<rtl::TStream> OpenChart(std::string_view id);
    // The chart item itself, left open; the caller resets its open state.
    TOPCItem& OpenChartItem(std::string_view id);
    std::unique_ptr<rtl::TStream> OpenChartStyle(TOPCItem& chartItem, std::string_view id);
    std::unique_ptr<rtl::TStream> OpenChartColorStyle(TOPCItem& chartItem, std::string_view id);
    // Also gives the image's target as written.
    std::unique_ptr<rtl::TStream> OpenImage(std::string_view id, rtl::UnicodeString& path);
    std::unique_ptr<rtl::TStream> OpenItemStream(TOPCItem& item) { return OpenPartStream(item); }

    // Whether the workbook's child under id is a chartsheet.
    bool IsChartsheet(std::string_view id) const;
    // Add the ids of the current drawing's images, or of the current sheet's pivot tables; true when any.
    bool ListDrawingImageIds(std::vector<rtl::AnsiString>& list);
    bool ListSheetPivotTableIds(std::vector<rtl::AnsiString>& list);
    // Add the ids of the tables of the workbook's worksheet sheetId; true when any.
    bool ListSheetTableIds(std::string_view sheetId, std::vector<rtl::AnsiString>& list);
    // The workbook's child under id, or nullptr.
    TOPCItem* FindWorkbookChild(std::string_view id) const;
    // The target, as written, of relationship id of the workbook's sheet sheetId (hyperlinks keep theirs so).
    rtl::UnicodeString GetSheetRelTarget(std::string_view sheetId, std::string_view id) const;

private:
    void FindWorkbook();
    void ForgetItems();
    // The child of parent under id and of relType, opened; message (with id for a "%s") when there is none.
    TOPCItem& RequireRelated(TOPCItem* parent, rtl::UnicodeStringView relType, std::string_view id,
                             rtl::UnicodeStringView message);
    std::unique_ptr<rtl::TStream> StreamAndClose(TOPCItem& item);
    std::unique_ptr<rtl::TStream> OpenOptional(TOPCItem* parent, rtl::UnicodeStringView relType);
    std::unique_ptr<rtl::TStream> OpenSheet(std::string_view id, rtl::UnicodeStringView relType);
    bool ListIdsOfType(TOPCItem* parent, rtl::UnicodeStringView relType, std::vector<rtl::AnsiString>& list);
    TOPCItem* WorkbookChildOfType(std::string_view id, rtl::UnicodeStringView relType) const;
    void CloseCurrent(TOPCItem*& item);

    TOPCItemList FItems;
    TOPCItem* FWorkbook = nullptr;       // not owned
    TOPCItem* FCurrentSheet = nullptr;   // not owned
    TOPCItem* FCurrentDrawing = nullptr; // not owned
    TOPCItem* FCurrentTable = nullptr;   // not owned
};

} // namespace xls
