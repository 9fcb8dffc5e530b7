#pragma once
// The BIFF (.xls) document the spreadsheet component reads a workbook through, and the decoder of the BIFF formula
// tokens that a read leaves in the model's cells and names.

#include "xls/core/model/workbook/XLSBIFFServices.h"
#include "xls/core/model/workbook/Xc12Manager5.h"

#include <memory>

namespace xls {

// A new BIFF document on manager, which must outlive it.
std::unique_ptr<TXLSBIFFDocument> CreateBIFFDocument(TXc12Manager& manager);

// The decoder the model's formula handler hands BIFF tokens to; manager must outlive it.
std::unique_ptr<TXLSBIFFFormulaDecoder> CreateBIFFFormulaDecoder(const TXc12Manager& manager);

} // namespace xls
