// Reads the input as the data layer's streams do: as one Variant in the stream form, and as one record of a storage
// whose definitions cover every value type, with record IDs and display texts. What reads without error must write
// back and read again to the same bytes and values.

#include "FuzzInput.h"
#include "rtl/core/Exceptions.h"
#include "ui/data/storage/uiDataStorage.h"
#include "ui/data/values/uiValueTypeClassList.h"
#include "ui/data/values/uiVariantStreams.h"
#include "ui/data/values/uiVariants.h"

#include <cstdlib>

namespace {

void CheckVariant(const uint8_t* data, size_t size) {
    fuzz::TInputStream input(data, size);
    rtl::Variant value;
    try {
        value = ui::ReadStreamVariant(input);
    } catch (const rtl::Exception&) {
        return;
    }
    rtl::TStringStream written;
    ui::WriteStreamVariant(written, value);
    written.SetPosition(0);
    if (ui::CompareVariants(ui::ReadStreamVariant(written), value) != 0) {
        std::abort();
    }
}

// A storage with one definition of every registered type, every other one keeping a display text.
void AddDefinitions(ui::TuiDataStorage& storage) {
    const ui::TuiValueTypeClassList& types = ui::GetValueTypeClassList();
    for (int32_t i = 0; i < types.Count(); ++i) {
        storage.ValueDefs().Add(*types.Items(i), true, i % 2 == 0, nullptr);
    }
}

std::string RecordBytes(ui::TuiDataStorage& storage, int32_t recordIndex) {
    rtl::TStringStream stream;
    storage.WriteData(recordIndex, stream);
    return stream.DataString();
}

void CheckRecord(const uint8_t* data, size_t size) {
    ui::TuiDataStorage storage;
    storage.ChangeUseRecordIds(true);
    AddDefinitions(storage);
    storage.SetRecordCount(2);
    fuzz::TInputStream input(data, size);
    try {
        storage.ReadData(0, input);
    } catch (const rtl::Exception&) {
        return;
    }
    const std::string first = RecordBytes(storage, 0);
    rtl::TStringStream copy(first);
    storage.ReadData(1, copy);
    if (RecordBytes(storage, 1) != first) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckVariant(data, size);
    CheckRecord(data, size);
    return 0;
}
