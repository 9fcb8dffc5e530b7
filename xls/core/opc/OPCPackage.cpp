#include "xls/core/opc/OPCPackage.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/Format.h"
#include "xls/core/base/XLSReadLimits.h"
#include "xls/core/opc/xpgParseContentType.h"
#include "xls/core/opc/xpgParseOPC.h"
#include "xls/core/zip/XLSZipIntf.h"

#include <type_traits>
#include <unordered_set>

namespace xls {

namespace {

constexpr char16_t ContentTypesPartName[] = u"[Content_Types].xml";

constexpr struct {
    const char16_t* Extension;
    const char16_t* ContentType;
} BuiltInDefaults[] = {
    {u"rels", u"application/vnd.openxmlformats-package.relationships+xml"},
    {u"xml", u"application/xml"},
    {u"vml", u"application/vnd.openxmlformats-officedocument.vmlDrawing"},
    {u"bin", u"application/vnd.openxmlformats-officedocument.spreadsheetml.printerSettings"},
    {u"jpeg", u"image/jpeg"},
    {u"png", u"image/png"},
    {u"wmf", u"image/x-wmf"},
    {u"emf", u"image/x-emf"},
};

// Relationship ids and archive names both match ignoring ASCII case.
template <class Text>
Text AsciiUpper(Text text) {
    for (auto& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<std::remove_reference_t<decltype(c)>>(c - 'a' + 'A');
        }
    }
    return text;
}

rtl::UnicodeStringView TrimSlashes(rtl::UnicodeStringView text) {
    while (!text.empty() && text.front() == u'/') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == u'/') {
        text.remove_suffix(1);
    }
    return text;
}

// Removes each ".." segment that a "/" follows together with the segment before it (with none before, the ".." stays),
// then one leading "/". Linear, however many segments a hostile target has.
rtl::UnicodeString RemoveParentSteps(rtl::UnicodeStringView path) {
    std::vector<rtl::UnicodeStringView> segments;
    for (size_t start = 0;;) {
        const size_t slash = path.find(u'/', start);
        const rtl::UnicodeStringView segment = path.substr(start, slash - start);
        if (slash != rtl::UnicodeStringView::npos && segment == u".." && !segments.empty()) {
            segments.pop_back();
        } else {
            segments.push_back(segment);
        }
        if (slash == rtl::UnicodeStringView::npos) {
            break;
        }
        start = slash + 1;
    }
    rtl::UnicodeString result;
    for (size_t i = 0; i < segments.size(); ++i) {
        result += i == 0 ? u"" : u"/";
        result += segments[i];
    }
    if (result.starts_with(u'/')) {
        result.erase(0, 1);
    }
    return result;
}

rtl::UnicodeString DirectoryOf(rtl::UnicodeStringView path) {
    const size_t slash = path.find_last_of(u'/');
    return rtl::UnicodeString(slash == rtl::UnicodeStringView::npos ? rtl::UnicodeStringView() : path.substr(0, slash));
}

bool TargetLeavesPackage(const TOPCItem& source, rtl::UnicodeStringView target) {
    const size_t slash = target.find_last_of(u'/');
    const rtl::UnicodeStringView directory =
        slash == rtl::UnicodeStringView::npos ? rtl::UnicodeStringView() : target.substr(0, slash);
    const rtl::UnicodeStringView fileName = slash == rtl::UnicodeStringView::npos ? target : target.substr(slash + 1);
    return TOPCItem::LeavesPackage(TOPCItem::ResolveTarget(&source, directory, fileName));
}

std::unique_ptr<rtl::TMemoryStream> SaveDocument(auto& document) {
    auto stream = std::make_unique<rtl::TMemoryStream>();
    document.SaveToStream(*stream);
    return stream;
}

} // namespace

// TOPCItem

TOPCItem::TOPCItem(TOPCContainer& container, TOPCItem* parent)
    : FContainer(container), FParent(parent), FIndexInParent(parent == nullptr ? -1 : parent->GetChildCount()) {}

TOPCItem::~TOPCItem() {
    ClearChildren();
}

void TOPCItem::ClearChildren() {
    std::vector<std::unique_ptr<TOPCItem>> pending = std::move(FChildren);
    FChildren.clear();
    FChildIndex.clear();
    while (!pending.empty()) {
        std::unique_ptr<TOPCItem> item = std::move(pending.back());
        pending.pop_back();
        for (std::unique_ptr<TOPCItem>& child : item->FChildren) {
            pending.push_back(std::move(child));
        }
        item->FChildren.clear();
    }
}

TOPCItem& TOPCItem::GetChild(int32_t index) const {
    if (index < 0 || index >= GetChildCount()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
    }
    return *FChildren[static_cast<size_t>(index)];
}

TOPCItem* TOPCItem::FindChild(std::string_view id) const {
    const auto found = FChildIndex.find(AsciiUpper(std::string(id)));
    return found == FChildIndex.end() ? nullptr : FChildren[static_cast<size_t>(found->second)].get();
}

TOPCItem& TOPCItem::AddChild(std::string_view id, rtl::UnicodeStringView relType, rtl::UnicodeStringView target,
                             TOPCTargetMode targetMode, rtl::UnicodeStringView relText) {
    auto child = std::make_unique<TOPCItem>(FContainer, this);
    child->FRelId = id;
    child->FRelType = relType;
    child->FTargetMode = targetMode;
    child->FRelText = relText;
    const size_t slash = target.find_last_of(u'/');
    if (targetMode == otmExternal || slash == rtl::UnicodeStringView::npos) {
        child->FFileName = target;
    } else {
        child->FDirectory = target.substr(0, slash);
        child->FFileName = target.substr(slash + 1);
    }
    FChildIndex.emplace(AsciiUpper(std::string(id)), GetChildCount());
    return *FChildren.emplace_back(std::move(child));
}

void TOPCItem::SetReadTree() {
    std::vector<TOPCItem*> pending{this};
    while (!pending.empty()) {
        TOPCItem* item = pending.back();
        pending.pop_back();
        item->FRead = true;
        for (const std::unique_ptr<TOPCItem>& child : item->FChildren) {
            pending.push_back(child.get());
        }
    }
}

rtl::UnicodeString TOPCItem::GetPartPath() const {
    return FDirectory.empty() ? FFileName : FDirectory + u"/" + FFileName;
}

rtl::UnicodeString TOPCItem::ResolvePath() const {
    return ResolveTarget(FParent, FDirectory, FFileName);
}

rtl::UnicodeString TOPCItem::ResolveTarget(const TOPCItem* source, rtl::UnicodeStringView directory,
                                           rtl::UnicodeStringView fileName) {
    if (directory.starts_with(u'/')) {
        return RemoveParentSteps(rtl::UnicodeString(directory.substr(1)) + u"/" + rtl::UnicodeString(fileName));
    }
    rtl::UnicodeString path(TrimSlashes(fileName));
    if (fileName.empty()) {
        return RemoveParentSteps(path);
    }
    // A relative target is relative to its source part's directory, and so on up to the package root or to the
    // first source whose own target was absolute.
    for (;;) {
        const rtl::UnicodeStringView trimmed = TrimSlashes(directory);
        if (!trimmed.empty()) {
            path = rtl::UnicodeString(trimmed) + u"/" + path;
        }
        if (directory.starts_with(u'/') || source == nullptr || source->FFileName.empty()) {
            break;
        }
        directory = source->FDirectory;
        source = source->FParent;
    }
    return RemoveParentSteps(path);
}

bool TOPCItem::LeavesPackage(rtl::UnicodeStringView resolvedPath) {
    return resolvedPath == u".." || resolvedPath.starts_with(u"../");
}

rtl::UnicodeString TOPCItem::GetRelsPath() const {
    rtl::UnicodeString path = DirectoryOf(ResolvePath()) + u"/_rels/" + FFileName + u".rels";
    if (path.size() > 1 && path.front() == u'/') {
        path.erase(0, 1);
    }
    return path;
}

bool TOPCItem::FindChildrenOfType(rtl::UnicodeStringView relType, TOPCItemList& list) const {
    list.Clear();
    for (const std::unique_ptr<TOPCItem>& child : FChildren) {
        if (child->FRelType == relType) {
            list.Add(*child);
        }
    }
    return list.Count() > 0;
}

TOPCItem* TOPCItem::FindOnlyChildOfType(rtl::UnicodeStringView relType) const {
    TOPCItem* found = nullptr;
    for (const std::unique_ptr<TOPCItem>& child : FChildren) {
        if (child->FRelType != relType) {
            continue;
        }
        if (found != nullptr) {
            throw rtl::Exception(rtl::Format(u"OPC: only one item of type %s excpected", {relType}));
        }
        found = child.get();
    }
    return found;
}

rtl::UnicodeString TOPCItem::GetChildPath(std::string_view id) const {
    const TOPCItem* child = FindChild(id);
    return child == nullptr ? rtl::UnicodeString() : child->GetPartPath();
}

// TOPCItemList

TOPCItem& TOPCItemList::GetItem(int32_t index) const {
    if (index < 0 || index >= Count()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
    }
    return *FItems[static_cast<size_t>(index)];
}

// TOPC_ContentTypes

TOPC_ContentTypes::TOPC_ContentTypes() {
    Clear();
}

void TOPC_ContentTypes::AddDefault(rtl::UnicodeStringView extension, rtl::UnicodeStringView contentType) {
    if (FDefaults.emplace(extension, Count()).second) {
        FItems.push_back(std::make_unique<TOPC_ContentTypeDefault>(extension, contentType));
    }
}

void TOPC_ContentTypes::AddOverride(rtl::UnicodeStringView partName, rtl::UnicodeStringView contentType) {
    rtl::UnicodeString name(partName);
    if (!name.starts_with(u'/')) {
        name.insert(0, 1, u'/');
    }
    if (FOverrides.emplace(name, Count()).second) {
        FItems.push_back(std::make_unique<TOPC_ContentTypeOverride>(name, contentType));
    }
}

int32_t TOPC_ContentTypes::FindDefault(rtl::UnicodeStringView extension) const {
    const auto found = FDefaults.find(rtl::UnicodeString(extension));
    return found == FDefaults.end() ? -1 : found->second;
}

int32_t TOPC_ContentTypes::FindOverride(rtl::UnicodeStringView partName) const {
    const auto found = FOverrides.find(rtl::UnicodeString(partName));
    return found == FOverrides.end() ? -1 : found->second;
}

void TOPC_ContentTypes::Clear() {
    FItems.clear();
    FDefaults.clear();
    FOverrides.clear();
    for (const auto& entry : BuiltInDefaults) {
        AddDefault(entry.Extension, entry.ContentType);
    }
}

const TOPC_ContentType& TOPC_ContentTypes::GetItem(int32_t index) const {
    if (index < 0 || index >= Count()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
    }
    return *FItems[static_cast<size_t>(index)];
}

// TOPCContainer

TOPCContainer::TOPCContainer() : FRoot(*this, nullptr) {}

TOPCContainer::~TOPCContainer() = default;

void TOPCContainer::StartZip(bool alternate) {
    FZip.reset();
    if (alternate) {
        throw rtl::Exception(u"No alternate Zip defined.");
    }
    FZip = std::make_unique<TXLSZipArchiveIntfXLS>();
}

void TOPCContainer::Open(rtl::TStream& stream, bool alternate) {
    if (FMode != omClosed) {
        throw rtl::Exception(u"OPC is allready open");
    }
    StartZip(alternate);
    FRoot.ClearChildren();
    FContentTypes.Clear();
    FRejectedTargets.clear();
    FMode = omReading;
    try {
        FZip->OpenRead(stream);
        ReadContentTypes();
        LoadRelationships();
    } catch (...) {
        AbandonOpen();
        throw;
    }
}

void TOPCContainer::AbandonOpen() {
    FMode = omClosed;
    FRejectedTargets.clear();
    FRoot.ClearChildren();
    FContentTypes.Clear();
}

void TOPCContainer::OpenForWrite(rtl::TStream& stream, bool alternate) {
    StartZip(alternate);
    FMode = omWriting;
    FZip->OpenWrite(stream);
}

void TOPCContainer::Close() {
    const TMode mode = FMode;
    FMode = omClosed;
    if (mode == omWriting) {
        WriteContentTypes();
        WriteRelationships();
        FZip->Close();
    }
}

void TOPCContainer::Clear() {
    AbandonOpen();
    FZip.reset();
}

void TOPCContainer::ReadContentTypes() {
    std::unique_ptr<rtl::TStream> stream = FZip->OpenFile(ContentTypesPartName);
    xpgParseContentType::TXPGDocContentType document;
    document.LoadFromStream(*stream);
    const xpgParseContentType::TCT_Types& types = document.GetTypes();
    for (int32_t i = 0; i < types.GetDefault().Count(); ++i) {
        const xpgParseContentType::TCT_Default& entry = types.GetDefault().GetItem(i);
        FContentTypes.AddDefault(entry.GetExtension(), entry.GetContentType());
    }
    for (int32_t i = 0; i < types.GetOverride().Count(); ++i) {
        const xpgParseContentType::TCT_Override& entry = types.GetOverride().GetItem(i);
        FContentTypes.AddOverride(entry.GetPartName(), entry.GetContentType());
    }
}

// Breadth first, so that a part related from several places gets its own relationships at its shallowest place
// (a pivot cache definition under the workbook rather than under a pivot table), and each relationship part is
// loaded once: a cycle or a lattice of relationships in a hostile package cannot make the tree grow without end.
void TOPCContainer::LoadRelationships() {
    std::unordered_set<rtl::UnicodeString> loaded;
    std::vector<TOPCItem*> level{&FRoot};
    for (int32_t depth = 0; !level.empty(); ++depth) {
        if (depth > OPCMaxRelationshipDepth) {
            throw rtl::Exception(u"OPC relationships nest too deeply");
        }
        std::vector<TOPCItem*> next;
        for (TOPCItem* item : level) {
            if (item->GetTargetMode() == otmExternal || !loaded.insert(AsciiUpper(item->GetRelsPath())).second) {
                continue;
            }
            LoadItemRelationships(*item);
            for (int32_t i = 0; i < item->GetChildCount(); ++i) {
                next.push_back(&item->GetChild(i));
            }
        }
        level = std::move(next);
    }
}

void TOPCContainer::LoadItemRelationships(TOPCItem& item) {
    const rtl::UnicodeString relsPath = item.GetRelsPath();
    if (FZip->Find(relsPath) < 0) {
        return;
    }
    std::unique_ptr<rtl::TStream> stream = FZip->OpenFile(relsPath);
    xpgParseOPC::TXPGDocOPC document;
    document.LoadFromStream(*stream);
    const xpgParseOPC::TCT_RelationshipXpgList& relationships = document.GetRelationships().GetRelationship();
    for (int32_t i = 0; i < relationships.Count(); ++i) {
        const xpgParseOPC::TCT_Relationship& relationship = relationships.GetItem(i);
        const TOPCTargetMode mode =
            relationship.GetTargetMode() == xpgParseOPC::TST_TargetMode::External ? otmExternal : otmInternal;
        if (mode == otmInternal && TargetLeavesPackage(item, relationship.GetTarget())) {
            // Names in the archive are not files, but a part is only what the package holds: such a relationship
            // is left out, as if it were not there, and the reader reports it.
            FRejectedTargets.push_back(relsPath + u": " + relationship.GetTarget());
            continue;
        }
        item.AddChild(rtl::UnicodeToAnsi(relationship.GetId()), relationship.GetType(), relationship.GetTarget(), mode,
                      relationship.GetText());
    }
}

TOPCItem* TOPCContainer::OpenRelated(TOPCItem& parent, rtl::UnicodeStringView relType, std::string_view id) {
    TOPCItem* child = parent.FindChild(id);
    if (child == nullptr) {
        return nullptr;
    }
    if (child->GetRelType() != relType) {
        throw rtl::Exception(rtl::Format(u"OPC Item is not of excpected type \"%s\"", {relType}));
    }
    child->SetOpenState(1);
    return child;
}

TOPCItem* TOPCContainer::OpenOnlyRelated(TOPCItem& parent, rtl::UnicodeStringView relType) {
    TOPCItem* child = parent.FindOnlyChildOfType(relType);
    if (child != nullptr) {
        child->SetOpenState(1);
    }
    return child;
}

std::unique_ptr<rtl::TStream> TOPCContainer::OpenPartStream(TOPCItem& item) {
    if (FZip == nullptr) {
        throw rtl::EInvalidOperation(u"OPC is not open");
    }
    std::unique_ptr<rtl::TStream> stream = FZip->OpenFile(item.ResolvePath());
    if (FReadOnOpen) {
        item.SetRead();
    }
    return stream;
}

void TOPCContainer::CloseItem(TOPCItem& item) {
    if (item.GetOpenState() != 1 && item.GetOpenState() != 2) {
        throw rtl::Exception(u"Close on not open OPC Item.");
    }
    item.ResetOpenState();
}

std::unique_ptr<rtl::TStream> TOPCContainer::OpenContentTypesStream() {
    if (FZip == nullptr || FZip->Find(ContentTypesPartName) < 0) {
        return nullptr;
    }
    return FZip->OpenFile(ContentTypesPartName);
}

void TOPCContainer::ListUnreadParts(TOPCItemList& list) {
    list.Clear();
    std::vector<TOPCItem*> pending{&FRoot};
    while (!pending.empty()) {
        TOPCItem* item = pending.back();
        pending.pop_back();
        if (!item->GetRead() && !item->GetFileName().empty()) {
            list.Add(*item);
        }
        for (int32_t i = item->GetChildCount() - 1; i >= 0; --i) {
            pending.push_back(&item->GetChild(i));
        }
    }
}

bool TOPCContainer::CopyPartData(TOPCItem& item) {
    const rtl::UnicodeString path = item.ResolvePath();
    if (FZip == nullptr || FZip->Find(path) < 0) {
        return false;
    }
    try {
        std::unique_ptr<rtl::TStream> stream = FZip->OpenFile(path);
        auto data = std::make_unique<rtl::TMemoryStream>();
        data->LoadFromStream(*stream);
        const int32_t index = FContentTypes.FindOverride(u"/" + path);
        item.SetContentType(index < 0 ? rtl::UnicodeString() : FContentTypes.GetItem(index).GetContentType());
        item.SetData(std::move(data));
        return true;
    } catch (const rtl::Exception&) {
        item.SetData(nullptr);
        return false;
    }
}

void TOPCContainer::CopyUnreadParts(TOPCItemList& list) {
    ListUnreadParts(list);
    for (int32_t i = 0; i < list.Count(); ++i) {
        TOPCItem& item = list.GetItem(i);
        if (item.GetTargetMode() == otmInternal) {
            CopyPartData(item);
        }
    }
}

void TOPCContainer::WriteContentTypes() {
    xpgParseContentType::TXPGDocContentType document;
    document.GetRoot().GetAttributes().AddNameValue(u"xmlns", OPCContentTypesNamespace);
    xpgParseContentType::TCT_Types& types = document.GetTypes();
    for (int32_t i = 0; i < FContentTypes.Count(); ++i) {
        const TOPC_ContentType& entry = FContentTypes.GetItem(i);
        if (const auto* byExtension = dynamic_cast<const TOPC_ContentTypeDefault*>(&entry)) {
            xpgParseContentType::TCT_Default& item = types.GetDefault().Add();
            item.SetExtension(byExtension->GetExtension());
            item.SetContentType(entry.GetContentType());
        } else if (const auto* byName = dynamic_cast<const TOPC_ContentTypeOverride*>(&entry)) {
            xpgParseContentType::TCT_Override& item = types.GetOverride().Add();
            item.SetContentType(entry.GetContentType());
            item.SetPartName(byName->GetPartName());
        }
    }
    FZip->AddFile(ContentTypesPartName, *SaveDocument(document));
}

void TOPCContainer::WriteRelationships() {
    std::vector<const TOPCItem*> pending{&FRoot};
    while (!pending.empty()) {
        const TOPCItem* item = pending.back();
        pending.pop_back();
        if (item->GetChildCount() == 0) {
            continue;
        }
        xpgParseOPC::TXPGDocOPC document;
        document.GetRoot().GetAttributes().AddNameValue(u"xmlns", FRelNamespace);
        for (int32_t i = 0; i < item->GetChildCount(); ++i) {
            const TOPCItem& child = item->GetChild(i);
            xpgParseOPC::TCT_Relationship& relationship = document.GetRelationships().GetRelationship().Add();
            relationship.SetId(rtl::AnsiToUnicode(child.GetRelId()));
            relationship.SetType(child.GetRelType());
            if (child.GetTargetMode() == otmExternal) {
                relationship.SetTargetMode(xpgParseOPC::TST_TargetMode::External);
            }
            relationship.SetTarget(child.GetPartPath());
            relationship.SetText(child.GetRelText());
        }
        FZip->AddFile(item->GetRelsPath(), *SaveDocument(document));
        for (int32_t i = item->GetChildCount() - 1; i >= 0; --i) {
            pending.push_back(&item->GetChild(i));
        }
    }
}

// TOPC_XLSX

TOPC_XLSX::TOPC_XLSX() {
    SetReadOnOpen(true);
    SetRelNamespace(OPCRelationshipsNamespace);
}

void TOPC_XLSX::Open(rtl::TStream& stream, bool alternate) {
    // The items of an earlier package go with its tree.
    ForgetItems();
    TOPCContainer::Open(stream, alternate);
    try {
        FindWorkbook();
    } catch (...) {
        AbandonOpen();
        throw;
    }
}

void TOPC_XLSX::FindWorkbook() {
    FWorkbook = nullptr;
    Root().FindChildrenOfType(OPCRelTypes::OfficeDocument, FItems);
    if (FItems.Count() == 0) {
        throw rtl::Exception(u"Can not find workbook in OPC");
    }
    if (FItems.Count() > 1) {
        throw rtl::Exception(u"More than one workbook in OPC");
    }
    FWorkbook = &FItems.GetItem(0);
    FItems.Clear();
    for (int32_t i = 0; i < FWorkbook->GetChildCount(); ++i) {
        TOPCItem& child = FWorkbook->GetChild(i);
        if (child.GetRelType() == OPCRelTypes::CalcChain) {
            child.SetRead();
        }
    }
}

void TOPC_XLSX::Close() {
    TOPCContainer::Close();
    ForgetItems();
}

void TOPC_XLSX::Clear() {
    TOPCContainer::Clear();
    ForgetItems();
}

void TOPC_XLSX::ForgetItems() {
    FWorkbook = nullptr;
    FCurrentSheet = nullptr;
    FCurrentDrawing = nullptr;
    FCurrentTable = nullptr;
}

void TOPC_XLSX::CloseCurrent(TOPCItem*& item) {
    if (item != nullptr) {
        CloseItem(*item);
    }
    item = nullptr;
}

void TOPC_XLSX::CloseSheet() {
    CloseCurrent(FCurrentSheet);
}

void TOPC_XLSX::CloseDrawing() {
    CloseCurrent(FCurrentDrawing);
}

void TOPC_XLSX::CloseTable() {
    CloseCurrent(FCurrentTable);
}

TOPCItem& TOPC_XLSX::RequireRelated(TOPCItem* parent, rtl::UnicodeStringView relType, std::string_view id,
                                    rtl::UnicodeStringView message) {
    TOPCItem* item = parent == nullptr ? nullptr : OpenRelated(*parent, relType, id);
    if (item == nullptr) {
        throw rtl::Exception(rtl::Format(message, {rtl::AnsiToUnicode(id)}));
    }
    return *item;
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::StreamAndClose(TOPCItem& item) {
    std::unique_ptr<rtl::TStream> stream = OpenPartStream(item);
    CloseItem(item);
    return stream;
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenOptional(TOPCItem* parent, rtl::UnicodeStringView relType) {
    TOPCItem* item = parent == nullptr ? nullptr : OpenOnlyRelated(*parent, relType);
    return item == nullptr ? nullptr : StreamAndClose(*item);
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenWorkbook() {
    TOPCItem* item = OpenOnlyRelated(Root(), OPCRelTypes::OfficeDocument);
    if (item == nullptr) {
        return nullptr;
    }
    FWorkbook = item;
    return StreamAndClose(*item);
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenCoreProperties() {
    return OpenOptional(&Root(), OPCRelTypes::CoreProperties);
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenStyles() {
    return OpenOptional(FWorkbook, OPCRelTypes::Styles);
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenSharedStrings() {
    return OpenOptional(FWorkbook, OPCRelTypes::SharedStrings);
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenConnections() {
    return OpenOptional(FWorkbook, OPCRelTypes::Connections);
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenSheet(std::string_view id, rtl::UnicodeStringView relType) {
    FCurrentSheet = &RequireRelated(FWorkbook, relType, id, u"Can not find worksheet in OPC");
    return OpenPartStream(*FCurrentSheet);
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenWorksheet(std::string_view id) {
    return OpenSheet(id, OPCRelTypes::Worksheet);
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenChartsheet(std::string_view id) {
    return OpenSheet(id, OPCRelTypes::Chartsheet);
}

TOPCItem* TOPC_XLSX::WorkbookChildOfType(std::string_view id, rtl::UnicodeStringView relType) const {
    TOPCItem* child = FWorkbook == nullptr ? nullptr : FWorkbook->FindChild(id);
    return child != nullptr && child->GetRelType() == relType ? child : nullptr;
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenSheetComments(std::string_view id) {
    return OpenOptional(WorkbookChildOfType(id, OPCRelTypes::Worksheet), OPCRelTypes::Comments);
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenExternalLink(std::string_view id) {
    return StreamAndClose(
        RequireRelated(FWorkbook, OPCRelTypes::ExternalLink, id, u"Can not find ExternalLink in OPC"));
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenPivotCacheDefinition(std::string_view id) {
    return StreamAndClose(RequireRelated(FWorkbook, OPCRelTypes::PivotCacheDefinition, id,
                                         u"Can not find pivotCacheDefintion %s in OPC"));
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenPivotCacheRecords(std::string_view definitionId, std::string_view id) {
    TOPCItem* definition = WorkbookChildOfType(definitionId, OPCRelTypes::PivotCacheDefinition);
    if (definition == nullptr) {
        throw rtl::Exception(
            rtl::Format(u"Can not find pivotCacheDefintion %s in OPC", {rtl::AnsiToUnicode(definitionId)}));
    }
    return StreamAndClose(
        RequireRelated(definition, OPCRelTypes::PivotCacheRecords, id, u"Can not find pivotCacheRecords %s in OPC"));
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenDrawing(std::string_view id) {
    FCurrentDrawing = &RequireRelated(FCurrentSheet, OPCRelTypes::Drawing, id, u"Can not find Drawing in OPC");
    return OpenPartStream(*FCurrentDrawing);
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenVmlDrawing(std::string_view id) {
    return StreamAndClose(
        RequireRelated(FCurrentSheet, OPCRelTypes::VmlDrawing, id, u"Can not find VmlDrawing %s in OPC"));
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenTable(std::string_view id) {
    FCurrentTable = &RequireRelated(FCurrentSheet, OPCRelTypes::Table, id, u"Can not find Table in OPC");
    return OpenPartStream(*FCurrentTable);
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenSheetTable(std::string_view sheetId, std::string_view id) {
    TOPCItem* sheet = WorkbookChildOfType(sheetId, OPCRelTypes::Worksheet);
    TOPCItem* table = sheet == nullptr ? nullptr : OpenRelated(*sheet, OPCRelTypes::Table, id);
    if (table == nullptr) {
        return nullptr;
    }
    FCurrentTable = table;
    return OpenPartStream(*table);
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenQueryTable() {
    return OpenOptional(FCurrentTable, OPCRelTypes::QueryTable);
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenPrinterSettings(std::string_view id) {
    TOPCItem* item = FCurrentSheet == nullptr ? nullptr : OpenRelated(*FCurrentSheet, OPCRelTypes::PrinterSettings, id);
    return item == nullptr ? nullptr : StreamAndClose(*item);
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenPivotTable(std::string_view id) {
    TOPCItem& item = RequireRelated(FCurrentSheet, OPCRelTypes::PivotTable, id, u"Can not find pivotTable %s in OPC");
    item.SetReadTree();
    return StreamAndClose(item);
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenChart(std::string_view id) {
    return StreamAndClose(OpenChartItem(id));
}

TOPCItem& TOPC_XLSX::OpenChartItem(std::string_view id) {
    return RequireRelated(FCurrentDrawing, OPCRelTypes::Chart, id, u"Can not find Chart in OPC");
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenChartStyle(TOPCItem& chartItem, std::string_view id) {
    return StreamAndClose(RequireRelated(&chartItem, OPCRelTypes::ChartStyle, id, u"Can not find Chart in OPC"));
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenChartColorStyle(TOPCItem& chartItem, std::string_view id) {
    return StreamAndClose(RequireRelated(&chartItem, OPCRelTypes::ChartColorStyle, id, u"Can not find Chart in OPC"));
}

std::unique_ptr<rtl::TStream> TOPC_XLSX::OpenImage(std::string_view id, rtl::UnicodeString& path) {
    TOPCItem& item = RequireRelated(FCurrentDrawing, OPCRelTypes::Image, id, u"Can not find Image in OPC");
    path = item.GetPartPath();
    return StreamAndClose(item);
}

bool TOPC_XLSX::IsChartsheet(std::string_view id) const {
    return WorkbookChildOfType(id, OPCRelTypes::Chartsheet) != nullptr;
}

bool TOPC_XLSX::ListIdsOfType(TOPCItem* parent, rtl::UnicodeStringView relType, std::vector<rtl::AnsiString>& list) {
    if (parent == nullptr || !parent->FindChildrenOfType(relType, FItems)) {
        return false;
    }
    for (int32_t i = 0; i < FItems.Count(); ++i) {
        list.push_back(FItems.GetItem(i).GetRelId());
    }
    FItems.Clear();
    return true;
}

bool TOPC_XLSX::ListDrawingImageIds(std::vector<rtl::AnsiString>& list) {
    return ListIdsOfType(FCurrentDrawing, OPCRelTypes::Image, list);
}

bool TOPC_XLSX::ListSheetPivotTableIds(std::vector<rtl::AnsiString>& list) {
    return ListIdsOfType(FCurrentSheet, OPCRelTypes::PivotTable, list);
}

bool TOPC_XLSX::ListSheetTableIds(std::string_view sheetId, std::vector<rtl::AnsiString>& list) {
    return ListIdsOfType(WorkbookChildOfType(sheetId, OPCRelTypes::Worksheet), OPCRelTypes::Table, list);
}

TOPCItem* TOPC_XLSX::FindWorkbookChild(std::string_view id) const {
    return FWorkbook == nullptr ? nullptr : FWorkbook->FindChild(id);
}

rtl::UnicodeString TOPC_XLSX::GetSheetRelTarget(std::string_view sheetId, std::string_view id) const {
    const TOPCItem* sheet = FWorkbook == nullptr ? nullptr : FWorkbook->FindChild(sheetId);
    if (sheet == nullptr) {
        throw rtl::Exception(u"Can not find worksheet in OPC");
    }
    return sheet->GetChildPath(id);
}

} // namespace xls
