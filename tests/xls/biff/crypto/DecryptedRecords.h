#pragma once
// The records of a workbook's record stream as the decryption gives them: each record's id and body, the bodies
// after FILEPASS decrypted with a password. The decryption tests and the comparison tool (tests/tools) use it.

#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <vector>

namespace xls::test {

struct TRecordBytes {
    uint16_t Id = 0;
    std::vector<uint8_t> Body;
};

// Every record of the .xls file's record stream in order. A FILEPASS is answered with password; a password that
// does not open the file, or an encryption that cannot be decrypted, raises rtl::Exception.
std::vector<TRecordBytes> DecryptedRecords(rtl::UnicodeStringView fileName, rtl::UnicodeStringView password);

} // namespace xls::test
