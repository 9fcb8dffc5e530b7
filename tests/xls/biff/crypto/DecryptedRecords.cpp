#include "tests/xls/biff/crypto/DecryptedRecords.h"

#include "rtl/core/Exceptions.h"
#include "xls/biff/BIFF_RecordIds.h"
#include "xls/biff/stream/BIFF_FilePass.h"
#include "xls/biff/stream/BIFF_Stream.h"
#include "xls/core/base/XLSErrorManager.h"

namespace xls::test {

std::vector<TRecordBytes> DecryptedRecords(rtl::UnicodeStringView fileName, rtl::UnicodeStringView password) {
    TXLSErrorManager errors;
    TXLSStream stream(errors);
    const TExcelVersion version = stream.OpenFile(fileName);
    std::vector<TRecordBytes> records;
    TBIFFHeader header;
    while (stream.ReadHeader(header) == 4) {
        TRecordBytes& record = records.emplace_back();
        record.Id = header.RecID;
        record.Body.resize(header.Length);
        record.Body.resize(static_cast<size_t>(stream.Read(record.Body.data(), header.Length)));
        if (header.RecID == BIFFRecordFilePass &&
            !stream.SetPassword(FilePassEncryption(record.Body, version), password)) {
            throw rtl::Exception(u"The password does not open the file, or its encryption cannot be decrypted");
        }
    }
    return records;
}

} // namespace xls::test
