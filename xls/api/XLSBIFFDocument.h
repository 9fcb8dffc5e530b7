#pragma once
// What the spreadsheet component asks of a BIFF (.xls) workbook while it reads one into the model. Until a BIFF
// reader is built in, CreateBIFFDocument hands out a document that refuses every read with EXLSBIFFNotAvailable.

#include "rtl/Streams.h"
#include "rtl/StringTypes.h"
#include "xls/core/model/workbook/XLSBIFFServices.h"
#include "xls/core/model/workbook/Xc12Manager5.h"

#include <memory>

namespace xls {

// One BIFF workbook bound to a model manager: it reads into the model and keeps the BIFF-only data of the file.
class TXLSBIFFDocument {
public:
    virtual ~TXLSBIFFDocument() = default;

    // The file LoadFromFile reads; nothing is read here.
    virtual void SetFilename(rtl::UnicodeStringView fileName) = 0;
    // Asked for the password of an encrypted file.
    virtual void SetOnPassword(TPasswordEvent handler) = 0;
    // True keeps the file's VBA project.
    virtual void SetKeepVBA(bool keep) = 0;
    // Handed on to the BIFF record reader.
    virtual void SetReaderFlag(bool flag) = 0;
    // The document's table of external names; it lives as long as the document.
    virtual TExternalNames* GetInternalNames() = 0;
    virtual void LoadFromFile() = 0;
    // Reads from the stream's position.
    virtual void LoadFromStream(rtl::TStream& stream) = 0;
    // Appends an empty BIFF sheet, as the facade does when it adds a sheet.
    virtual void AddSheet() = 0;
};

// A new BIFF document on manager, which must outlive it.
std::unique_ptr<TXLSBIFFDocument> CreateBIFFDocument(TXc12Manager& manager);

} // namespace xls
