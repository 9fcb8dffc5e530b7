#pragma once
// Locate objects find a record of a data controller by a set of field values: the values go into a buffer record (an
// internal record of the storage) through a value reader, and the record is looked for among the filtered records.
// The group locate object finds a group again by its key values, comparing the first Level + 1 fields of the total
// sorting list, which begin with the grouping fields. TuiValueDefUnboundReader is the reader of loose values.

#include "rtl/variants/Variant.h"
#include "ui/data/storage/uiDataStorage.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace ui {

class TuiCustomDataController;

class TuiDataControllerLocateObject : public rtl::TObject {
public:
    explicit TuiDataControllerLocateObject(TuiCustomDataController& dataController);
    // Frees the buffer record.
    ~TuiDataControllerLocateObject() override;

    TuiCustomDataController& DataController() const { return FDataController; }
    // The negative index of the buffer record; 0 before the first ReadValues.
    int32_t BufferRecordIndex() const { return FBufferRecordIndex; }
    // Frees the buffer record.
    virtual void Clear();
    // The record found, -1 when none.
    virtual int32_t FindRecordIndex() = 0;
    // Makes the buffer record when there is none and reads every value of the reader into it.
    void ReadValues(TuiValueDefReader& reader);

private:
    TuiCustomDataController& FDataController;
    int32_t FBufferRecordIndex = 0;
};

class TuiDataControllerGroupLocateObject : public TuiDataControllerLocateObject {
public:
    // The filtered records are searched by bisection, unless a grouping field sorts by display text (the order of
    // the texts is not that of the values compared).
    explicit TuiDataControllerGroupLocateObject(TuiCustomDataController& dataController);

    int32_t Level() const { return FLevel; }
    void SetLevel(int32_t level) { FLevel = level; }
    bool IsGroupDataSorted() const { return FGroupDataSorted; }
    // A filtered record equal to the buffer record on the first Level + 1 sorting fields, compared by value.
    int32_t FindRecordIndex() override;

private:
    int32_t FLevel = 0;
    bool FGroupDataSorted = true;
};

// Values for a record read, one per value definition; a definition without value reads Null.
class TuiValueDefUnboundReader : public TuiValueDefReader {
public:
    // The value kept for the definition (for an internal definition, for the main one it stands for).
    rtl::Variant GetValue(const TuiValueDef& valueDef) override;
    // The definitions of internal fields.
    bool IsInternalDefinition(const TuiValueDef& valueDef) override;

    void SetValue(const TuiValueDef& valueDef, const rtl::Variant& value);
    // Forgets the values from the count-th definition on; the definitions stay.
    void Truncate(int32_t count);
    void Clear() { Truncate(0); }

private:
    std::vector<const TuiValueDef*> FValueDefs; // not owned
    std::vector<std::optional<rtl::Variant>> FValues;
};

} // namespace ui
