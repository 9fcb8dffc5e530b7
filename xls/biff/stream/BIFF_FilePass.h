#pragma once
// The FILEPASS record (MS-XLS 2.4.117), which opens the encrypted part of a workbook: everything after it is
// encrypted but record headers and a few records' bodies. BIFF8 names RC4 encryption (version 1.1, MS-OFFCRYPTO
// 2.3.6.1) or RC4 CryptoAPI encryption (versions 2.2, 3.2 and 4.2, MS-OFFCRYPTO 2.3.5.1); XOR obfuscation (type 0,
// and every FILEPASS before BIFF8) is not decrypted.

#include "xls/biff/crypto/BIFF_Decryptor.h"
#include "xls/core/model/workbook/Xc12Manager5.h"

#include <cstdint>
#include <span>

namespace xls {

// The password a workbook is encrypted with when its writer was given none (MS-XLS 2.2.10).
inline constexpr char16_t BIFFDefaultPassword[] = u"VelvetSweatshop";

// The encryption a FILEPASS body of the file version names; bekUnknown for XOR obfuscation, for other schemes, and
// for a body whose fields do not fit it.
TBIFFEncryption FilePassEncryption(std::span<const uint8_t> body, TExcelVersion version);

} // namespace xls
