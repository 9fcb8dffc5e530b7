#pragma once
// TuiValueDefRecordReader: reads one record of a data controller for a copy into another record: the values and
// display texts the controller has for it (from the storage, or from the source in provider mode). Internal fields
// (the source's record handles, the detail objects) are left alone.

#include "ui/data/storage/uiDataStorage.h"

#include <cstdint>

namespace ui {

class TuiCustomDataController;

class TuiValueDefRecordReader : public TuiValueDefReader {
    RTL_DECLARE_CLASS(TuiValueDefRecordReader, TuiValueDefReader)
public:
    TuiValueDefRecordReader(TuiCustomDataController& dataController, int32_t recordIndex);

    rtl::AnsiString GetDisplayText(const TuiValueDef& valueDef) override;
    rtl::Variant GetValue(const TuiValueDef& valueDef) override;
    bool IsInternalDefinition(const TuiValueDef& valueDef) override;

private:
    TuiCustomDataController& FDataController;
    int32_t FRecordIndex;
};

} // namespace ui
