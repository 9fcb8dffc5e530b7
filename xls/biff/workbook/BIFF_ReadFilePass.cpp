// The handler of FILEPASS, which starts the encrypted part of a workbook: it finds the password and switches the
// record stream to decryption, or reports why it cannot and ends the read, since nothing after it can be read.

#include "xls/biff/stream/BIFF_FilePass.h"
#include "xls/biff/workbook/BIFF5.h"
#include "xls/biff/workbook/BIFF_Read.h"
#include "xls/core/base/XLSErrorManager.h"

namespace xls {

void TXLSReadBIFF::ReadFilePass() {
    const TBIFFEncryption encryption = FilePassEncryption(FBody, FVersion);
    if (encryption.Kind == bekUnknown) {
        StopWithError(XLSErrorUnknownEncryption);
        return;
    }
    if (!FManager.GetOnPassword() && FManager.GetPassword().empty()) {
        // A workbook protected only against changes is encrypted with the default password.
        if (!FStream.SetPassword(encryption, BIFFDefaultPassword)) {
            StopWithError(XLSErrorPasswordMissing);
            return;
        }
        FBIFF.SetPasswordInUse(BIFFDefaultPassword);
        return;
    }
    rtl::UnicodeString password = FManager.GetPassword();
    if (FManager.GetOnPassword()) {
        FManager.GetOnPassword()(&FManager, password);
    }
    if (FManager.GetSkipPassword()) {
        // The caller wants no decryption: the records after this one are not read.
        FFinished = true;
        return;
    }
    if (password.empty()) {
        StopWithError(XLSErrorPasswordMissing);
    } else if (!FStream.SetPassword(encryption, password)) {
        StopWithError(XLSErrorPasswordWrong);
    }
}

void TXLSReadBIFF::StopWithError(int32_t number) {
    FFinished = true;
    // When the error manager takes the error instead of raising it, the read ends all the same.
    static_cast<void>(FManager.Errors()->ReportError(u"", number));
}

} // namespace xls
