// Opens the input as a zip archive and reads every entry to its end, as the package layer does.

#include "FuzzInput.h"
#include "rtl/core/Exceptions.h"
#include "xls/core/zip/XLSZip.h"

#include <array>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::TInputStream input(data, size);
    try {
        xls::TXLSZipArchive archive;
        archive.OpenRead(input);
        std::array<uint8_t, 4096> buffer{};
        for (int32_t i = 0; i < archive.Count(); ++i) {
            try {
                xls::TXLSOwnerStream entry(archive.GetFile(i), u"entry");
                while (entry.Read(buffer.data(), static_cast<int32_t>(buffer.size())) > 0) {
                }
            } catch (const rtl::Exception&) {
                // A damaged entry; the next ones are still read.
            }
        }
    } catch (const rtl::Exception&) {
    }
    return 0;
}
