#pragma once
// The records of a BIFF workbook that live outside the workbook model, kept in file order for the globals and for
// every sheet: the records the reader does not interpret, and the default records whose contents it updates in
// place. A storage starts from a template, the records a new workbook or sheet would hold, with zero-length marker
// records (BIFFMarker...) standing for the places where generated content belongs. As a file is read, the template is
// moved into the storage up to each default record or marker met, so the storage always keeps the template's order.

#include "xls/biff/stream/BIFF_RecordBody.h"

#include <cstdint>
#include <optional>
#include <span>
#include <unordered_set>
#include <vector>

namespace xls {

// One record as a storage keeps it: its id and body.
struct TBIFFStoredRecord {
    uint16_t Id = 0;
    std::vector<uint8_t> Body;

    int32_t Length() const { return static_cast<int32_t>(Body.size()); }
};

// An owned list of records in the order they were added.
class TBaseRecordStorage {
public:
    virtual ~TBaseRecordStorage() = default;

    // Appends a copy of the record; the reference stays valid until the storage changes. A body longer than a record
    // can say (65535 bytes) raises EBIFFError.
    TBIFFStoredRecord& Add(uint16_t id, std::span<const uint8_t> body);
    virtual void Clear() { FRecords.clear(); }
    // The position of the first record with the id, -1 when there is none.
    int32_t Find(uint16_t id) const;
    int32_t Count() const { return static_cast<int32_t>(FRecords.size()); }
    // A position outside the list raises EListError.
    const TBIFFStoredRecord& Get(int32_t index) const;
    TBIFFStoredRecord& Get(int32_t index);
    // The bytes the records take in a file: each body and its 4-byte header.
    int64_t TotalSize() const;

private:
    std::vector<TBIFFStoredRecord> FRecords;
};

// A storage with its template. The records of the template, and its markers, are the storage's default records;
// a BOF of any BIFF version is kept as the BOF of BIFF8 (0x0809).
class TRecordStorageDefault : public TBaseRecordStorage {
public:
    // Empties storage and template, then fills the template again.
    void SetDefaults();
    // Empties storage and template.
    void Clear() override;
    // Puts a default record read from a file in its place: when the storage does not hold the id yet, the template is
    // moved into the storage up to the record ("Excpected default record %.4X not found." when the template holds it
    // no longer). The stored record keeps the length of its template: the body's fields replace those it holds, bytes
    // beyond that length are dropped, and the fields a shorter body lacks keep their values. Ids that are no default
    // record are ignored.
    void UpdateDefault(uint16_t id, std::span<const uint8_t> body);
    // Moves the template into the storage up to the marker; a marker of the other kind of storage is ignored.
    void FlushToMarker(uint16_t marker);
    // The default record with the id where it is now, in the storage or still in the template; nullptr when it is
    // neither (no default record, or after Clear).
    const TBIFFStoredRecord* DefaultRecord(uint16_t id) const;
    // The records the template has not given to the storage yet, in order.
    std::vector<uint16_t> TemplateIds() const;

protected:
    // Appends the template's records in order.
    virtual void AddTemplates() = 0;
    // A zero-filled template record.
    TBIFFStoredRecord& AddTemplate(uint16_t id, int32_t length);
    void AddTemplateWord(uint16_t id, uint16_t value);
    // A default record's body as fields; 0 for a record that is not there.
    TBIFFBody DefaultBody(uint16_t id) const;
    // Writes a field into a default record; a body too short for it is left alone.
    void SetDefaultWord(uint16_t id, int32_t offset, uint16_t value);

private:
    void Update(uint16_t id, int32_t length, const uint8_t* body);
    // Moves the template's records up to the one with the id into the storage and returns that one.
    TBIFFStoredRecord* MoveTemplateUpTo(uint16_t id);
    TBIFFStoredRecord* FindDefault(uint16_t id);

    // Moved entries are empty.
    std::vector<std::optional<TBIFFStoredRecord>> FTemplate;
    std::unordered_set<uint16_t> FDefaultIds;
};

// The storage of the workbook globals.
class TRecordStorageGlobals : public TRecordStorageDefault {
public:
    TRecordStorageGlobals() { SetDefaults(); }

protected:
    void AddTemplates() override;
};

// The storage of a worksheet, with the fields of its default records that the sheet object shows.
class TRecordStorageSheet : public TRecordStorageDefault {
public:
    TRecordStorageSheet() { SetDefaults(); }

    // The option word of WINDOW2 (MS-XLS 2.4.346).
    uint16_t Window2Options() const;
    void SetWindow2Options(uint16_t options);
    // The zooms of WINDOW2 in percent: the page-break preview and the normal view; 0 means the default.
    uint16_t ZoomPreview() const;
    void SetZoomPreview(uint16_t zoom);
    uint16_t Zoom() const;
    void SetZoom(uint16_t zoom);
    // The option word of WSBOOL (MS-XLS 2.4.351).
    uint16_t WsBool() const;
    void SetWsBool(uint16_t options);
    // DEFCOLWIDTH, in characters.
    uint16_t DefColWidth() const;
    void SetDefColWidth(uint16_t width);
    // DIMENSIONS in BIFF8 layout: the first row and column, and one after the last row and column.
    uint32_t FirstRow() const;
    uint32_t LastRowPlus1() const;
    uint16_t FirstCol() const;
    uint16_t LastColPlus1() const;

protected:
    void AddTemplates() override;
};

} // namespace xls
