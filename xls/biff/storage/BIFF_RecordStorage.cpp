#include "xls/biff/storage/BIFF_RecordStorage.h"

#include "rtl/text/Format.h"
#include "xls/biff/BIFF_Messages.h"
#include "xls/biff/BIFF_RecordIds.h"
#include "xls/biff/stream/BIFF_Utils.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5Common.h"

#include <algorithm>
#include <bit>

namespace xls {

namespace {

constexpr int32_t StoredHeaderSize = 4;
constexpr int32_t MaxBodyLength = 0xFFFF;

// The values of the templates' BOF (MS-XLS 2.4.21): BIFF8, the build and year of the version that wrote it, its
// history flags and the lowest BIFF version that may read it.
constexpr uint16_t TemplateBOFVersion = 0x0600;
constexpr uint16_t TemplateBOFBuild = 6319;
constexpr uint16_t TemplateBOFYear = 1997;
constexpr uint32_t TemplateBOFHistory = 0x000080C9;
constexpr uint32_t TemplateBOFLowestVersion = 0x00000106;
constexpr uint16_t SubstreamGlobals = 0x0005;
constexpr uint16_t SubstreamWorksheet = 0x0010;

// The fields of WINDOW2 and DIMENSIONS (MS-XLS 2.4.346, 2.4.90).
constexpr int32_t Window2ZoomPreview = 10;
constexpr int32_t Window2Zoom = 12;
constexpr int32_t DimensionsLastRow = 4;
constexpr int32_t DimensionsFirstCol = 8;
constexpr int32_t DimensionsLastCol = 10;

uint16_t StoredId(uint16_t id) {
    return IsBIFFBOF(id) ? BIFFRecordBOF8 : id;
}

void AddTemplateBOF(TBIFFStoredRecord& bof, uint16_t substream) {
    uint8_t* body = bof.Body.data();
    StoreUInt16LE(body, TemplateBOFVersion);
    StoreUInt16LE(body + 2, substream);
    StoreUInt16LE(body + 4, TemplateBOFBuild);
    StoreUInt16LE(body + 6, TemplateBOFYear);
    StoreUInt32LE(body + 8, TemplateBOFHistory);
    StoreUInt32LE(body + 12, TemplateBOFLowestVersion);
}

void StoreWords(TBIFFStoredRecord& record, std::initializer_list<uint16_t> words) {
    uint8_t* body = record.Body.data();
    for (const uint16_t word : words) {
        StoreUInt16LE(body, word);
        body += 2;
    }
}

void StoreDouble(uint8_t* bytes, double value) {
    const auto bits = std::bit_cast<uint64_t>(value);
    StoreUInt32LE(bytes, static_cast<uint32_t>(bits));
    StoreUInt32LE(bytes + 4, static_cast<uint32_t>(bits >> 32));
}

} // namespace

TBIFFStoredRecord& TBaseRecordStorage::Add(uint16_t id, std::span<const uint8_t> body) {
    if (body.size() > MaxBodyLength) {
        throw EBIFFError(rtl::Format(BIFFMessages::RecordTooLong, {id, static_cast<int64_t>(body.size())}));
    }
    return FRecords.emplace_back(TBIFFStoredRecord{id, std::vector<uint8_t>(body.begin(), body.end())});
}

int32_t TBaseRecordStorage::Find(uint16_t id) const {
    const auto found = std::find_if(FRecords.begin(), FRecords.end(), [id](const auto& r) { return r.Id == id; });
    return found == FRecords.end() ? -1 : static_cast<int32_t>(found - FRecords.begin());
}

const TBIFFStoredRecord& TBaseRecordStorage::Get(int32_t index) const {
    CheckListIndex(index, Count());
    return FRecords[index];
}

TBIFFStoredRecord& TBaseRecordStorage::Get(int32_t index) {
    return const_cast<TBIFFStoredRecord&>(std::as_const(*this).Get(index));
}

int64_t TBaseRecordStorage::TotalSize() const {
    int64_t size = 0;
    for (const TBIFFStoredRecord& record : FRecords) {
        size += StoredHeaderSize + record.Length();
    }
    return size;
}

void TRecordStorageDefault::SetDefaults() {
    Clear();
    AddTemplates();
    for (const auto& entry : FTemplate) {
        FDefaultIds.insert(entry->Id);
    }
}

void TRecordStorageDefault::Clear() {
    TBaseRecordStorage::Clear();
    FTemplate.clear();
    FDefaultIds.clear();
}

void TRecordStorageDefault::UpdateDefault(uint16_t id, std::span<const uint8_t> body) {
    Update(StoredId(id), static_cast<int32_t>(body.size()), body.data());
}

void TRecordStorageDefault::FlushToMarker(uint16_t marker) {
    Update(marker, 0, nullptr);
}

void TRecordStorageDefault::Update(uint16_t id, int32_t length, const uint8_t* body) {
    if (!FDefaultIds.contains(id)) {
        return;
    }
    TBIFFStoredRecord* stored = Find(id) >= 0 ? &Get(Find(id)) : MoveTemplateUpTo(id);
    // Writers of other makers add bytes to records of a fixed size, or leave trailing fields off: the record keeps the
    // length of its default, takes the fields the file's record holds and keeps the defaults of the others.
    if (body != nullptr) {
        std::copy_n(body, std::min(length, stored->Length()), stored->Body.begin());
    }
}

TBIFFStoredRecord* TRecordStorageDefault::MoveTemplateUpTo(uint16_t id) {
    const auto found =
        std::find_if(FTemplate.begin(), FTemplate.end(), [id](const auto& entry) { return entry && entry->Id == id; });
    if (found == FTemplate.end()) {
        throw EBIFFError(rtl::Format(BIFFMessages::DefaultNotFound, {id}));
    }
    for (auto entry = FTemplate.begin(); entry != found; ++entry) {
        if (*entry) {
            Add(entry->value().Id, entry->value().Body);
            entry->reset();
        }
    }
    TBIFFStoredRecord& record = Add(id, found->value().Body);
    found->reset();
    return &record;
}

TBIFFStoredRecord* TRecordStorageDefault::FindDefault(uint16_t id) {
    const int32_t stored = Find(id);
    if (stored >= 0) {
        return &Get(stored);
    }
    for (auto& entry : FTemplate) {
        if (entry && entry->Id == id) {
            return &entry.value();
        }
    }
    return nullptr;
}

const TBIFFStoredRecord* TRecordStorageDefault::DefaultRecord(uint16_t id) const {
    return const_cast<TRecordStorageDefault*>(this)->FindDefault(StoredId(id));
}

std::vector<uint16_t> TRecordStorageDefault::TemplateIds() const {
    std::vector<uint16_t> ids;
    for (const auto& entry : FTemplate) {
        if (entry) {
            ids.push_back(entry->Id);
        }
    }
    return ids;
}

TBIFFStoredRecord& TRecordStorageDefault::AddTemplate(uint16_t id, int32_t length) {
    return FTemplate.emplace_back(TBIFFStoredRecord{id, std::vector<uint8_t>(static_cast<size_t>(length))}).value();
}

void TRecordStorageDefault::AddTemplateWord(uint16_t id, uint16_t value) {
    StoreWords(AddTemplate(id, 2), {value});
}

TBIFFBody TRecordStorageDefault::DefaultBody(uint16_t id) const {
    const TBIFFStoredRecord* record = DefaultRecord(id);
    return record != nullptr ? TBIFFBody(record->Body) : TBIFFBody();
}

void TRecordStorageDefault::SetDefaultWord(uint16_t id, int32_t offset, uint16_t value) {
    TBIFFStoredRecord* record = FindDefault(StoredId(id));
    if (record != nullptr && offset >= 0 && offset + 2 <= record->Length()) {
        StoreUInt16LE(record->Body.data() + offset, value);
    }
}

void TRecordStorageGlobals::AddTemplates() {
    AddTemplateBOF(AddTemplate(BIFFRecordBOF8, 16), SubstreamGlobals);
    // An empty user name (a 16-bit count, the UTF-16 flag) padded with spaces, and the build that wrote it.
    TBIFFStoredRecord& writeAccess = AddTemplate(BIFFRecordWriteAccess, 112);
    std::fill(writeAccess.Body.begin() + 3, writeAccess.Body.end(), uint8_t{' '});
    writeAccess.Body[2] = 1;
    std::copy_n("5225", 5, writeAccess.Body.begin() + 107);
    AddTemplateWord(BIFFRecordCodePage, 1200);
    AddTemplateWord(BIFFRecordDSF, 0);
    AddTemplate(BIFFRecordTabId, 0);
    AddTemplateWord(BIFFRecordFnGroupCount, 14);
    AddTemplateWord(BIFFRecordWindowProtect, 0);
    AddTemplateWord(BIFFRecordProtect, 0);
    AddTemplateWord(BIFFRecordPassword, 0);
    AddTemplateWord(BIFFRecordProt4Rev, 0);
    // Position, size, options (scroll bars and tabs shown), active sheet, first tab, selected tabs, tab ratio.
    StoreWords(AddTemplate(BIFFRecordWindow1, 18), {100, 100, 10000, 7000, 0x0038, 0, 0, 1, 600});
    AddTemplateWord(BIFFRecordBackup, 0);
    AddTemplateWord(BIFFRecordHideObj, 0);
    AddTemplateWord(BIFFRecordDateMode, 0);
    AddTemplateWord(BIFFRecordPrecision, 1);
    AddTemplateWord(BIFFRecordRefreshAll, 0);
    AddTemplateWord(BIFFRecordBookBool, 0);
    AddTemplate(BIFFMarkerStyles, 0);
    AddTemplate(BIFFMarkerSheets, 0);
    StoreWords(AddTemplate(BIFFRecordCountry, 4), {1, 46});
    TBIFFStoredRecord& recalcId = AddTemplate(BIFFRecordRecalcId, 8);
    StoreWords(recalcId, {BIFFRecordRecalcId, 0});
    StoreUInt32LE(recalcId.Body.data() + 4, 0x00FFFFFF);
    AddTemplate(BIFFMarkerExternals, 0);
    AddTemplate(BIFFMarkerDrawingGroup, 0);
    AddTemplate(BIFFMarkerGlobalsEnd, 0);
    AddTemplate(BIFFRecordEOF, 0);
}

void TRecordStorageSheet::AddTemplates() {
    AddTemplateBOF(AddTemplate(BIFFRecordBOF8, 16), SubstreamWorksheet);
    AddTemplateWord(BIFFRecordCalcMode, 1);
    AddTemplateWord(BIFFRecordCalcCount, 100);
    AddTemplateWord(BIFFRecordRefMode, 1);
    AddTemplateWord(BIFFRecordIteration, 0);
    StoreDouble(AddTemplate(BIFFRecordDelta, 8).Body.data(), 0.001);
    AddTemplateWord(BIFFRecordSaveRecalc, 1);
    AddTemplateWord(BIFFRecordPrintGridlines, 0);
    AddTemplateWord(BIFFRecordPrintHeaders, 0);
    AddTemplateWord(BIFFRecordGridSet, 1);
    AddTemplate(BIFFRecordGuts, 8);
    StoreWords(AddTemplate(BIFFRecordDefaultRowHeight, 4), {0, 255});
    AddTemplateWord(BIFFRecordWsBool, 0x04C1);
    AddTemplate(BIFFMarkerPageBreaks, 0);
    AddTemplate(BIFFMarkerHeaderFooter, 0);
    AddTemplate(BIFFMarkerMargins, 0);
    AddTemplateWord(BIFFRecordHCenter, 0);
    AddTemplateWord(BIFFRecordVCenter, 0);
    // Paper, scale, first page, fit to width and height, options, resolutions; the margins and copies follow.
    TBIFFStoredRecord& setup = AddTemplate(BIFFRecordSetup, 34);
    StoreWords(setup, {0, 100, 1, 1, 1, 0x06B6, 600, 600});
    StoreDouble(setup.Body.data() + 16, 0.5);
    StoreDouble(setup.Body.data() + 24, 0.5);
    AddTemplateWord(BIFFRecordProtect, 0);
    AddTemplateWord(BIFFRecordDefColWidth, 8);
    AddTemplate(BIFFRecordDimensions, 14);
    AddTemplate(BIFFMarkerRows, 0);
    AddTemplate(BIFFMarkerCells, 0);
    // Options (gridlines, headings, zeros, outline symbols shown), first row and column, the automatic gridline
    // colour; zooms 0 take the defaults.
    TBIFFStoredRecord& window2 = AddTemplate(BIFFRecordWindow2, 18);
    StoreWords(window2, {0x04B6, 0, 0, 64});
    AddTemplate(BIFFMarkerObjects, 0);
    AddTemplate(BIFFRecordEOF, 0);
}

uint16_t TRecordStorageSheet::Window2Options() const {
    return DefaultBody(BIFFRecordWindow2).Word(0);
}

void TRecordStorageSheet::SetWindow2Options(uint16_t options) {
    SetDefaultWord(BIFFRecordWindow2, 0, options);
}

uint16_t TRecordStorageSheet::ZoomPreview() const {
    return DefaultBody(BIFFRecordWindow2).Word(Window2ZoomPreview);
}

void TRecordStorageSheet::SetZoomPreview(uint16_t zoom) {
    SetDefaultWord(BIFFRecordWindow2, Window2ZoomPreview, zoom);
}

uint16_t TRecordStorageSheet::Zoom() const {
    return DefaultBody(BIFFRecordWindow2).Word(Window2Zoom);
}

void TRecordStorageSheet::SetZoom(uint16_t zoom) {
    SetDefaultWord(BIFFRecordWindow2, Window2Zoom, zoom);
}

uint16_t TRecordStorageSheet::WsBool() const {
    return DefaultBody(BIFFRecordWsBool).Word(0);
}

void TRecordStorageSheet::SetWsBool(uint16_t options) {
    SetDefaultWord(BIFFRecordWsBool, 0, options);
}

uint16_t TRecordStorageSheet::DefColWidth() const {
    return DefaultBody(BIFFRecordDefColWidth).Word(0);
}

void TRecordStorageSheet::SetDefColWidth(uint16_t width) {
    SetDefaultWord(BIFFRecordDefColWidth, 0, width);
}

uint32_t TRecordStorageSheet::FirstRow() const {
    return DefaultBody(BIFFRecordDimensions).DWord(0);
}

uint32_t TRecordStorageSheet::LastRowPlus1() const {
    return DefaultBody(BIFFRecordDimensions).DWord(DimensionsLastRow);
}

uint16_t TRecordStorageSheet::FirstCol() const {
    return DefaultBody(BIFFRecordDimensions).Word(DimensionsFirstCol);
}

uint16_t TRecordStorageSheet::LastColPlus1() const {
    return DefaultBody(BIFFRecordDimensions).Word(DimensionsLastCol);
}

} // namespace xls
