#pragma once
// The BIFF (.xls) document the spreadsheet component reads a workbook through. Until a BIFF reader is built in,
// CreateBIFFDocument hands out a document that refuses every read with EXLSBIFFNotAvailable.

#include "xls/core/model/workbook/XLSBIFFServices.h"
#include "xls/core/model/workbook/Xc12Manager5.h"

#include <memory>

namespace xls {

// A new BIFF document on manager, which must outlive it.
std::unique_ptr<TXLSBIFFDocument> CreateBIFFDocument(TXc12Manager& manager);

} // namespace xls
