// Reads the input as the compressed bitmap data of a form resource ("XDBM"). What expands without error must compress
// and expand again to the same plain data.

#include "FuzzInput.h"
#include "rtl/core/Exceptions.h"
#include "ui/core/graphics/uiBitmapDataCodec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::TInputStream input(data, size);
    std::optional<std::vector<uint8_t>> plain;
    try {
        plain = ui::ReadCompressedBitmapData(input);
    } catch (const rtl::Exception&) {
        return 0;
    }
    if (!plain) {
        return 0;
    }
    for (uint8_t blockSize = 1; blockSize <= 4; ++blockSize) {
        if (ui::DecompressBitmapData(ui::CompressBitmapData(*plain, blockSize)) != *plain) {
            std::abort();
        }
    }
    return 0;
}
