#include "xls/api/XLSBIFFDocument.h"

namespace xls {

namespace {

// Stands in for the BIFF reader: it accepts the settings and refuses to read or to add a sheet.
class TXLSBIFFDocumentUnavailable : public TXLSBIFFDocument {
public:
    void SetFilename(rtl::UnicodeStringView /*fileName*/) override {}
    void SetOnPassword(TPasswordEvent /*handler*/) override {}
    void SetKeepVBA(bool /*keep*/) override {}
    void SetReaderFlag(bool /*flag*/) override {}
    TExternalNames* GetInternalNames() override { return &FServices; }
    void LoadFromFile() override { throw EXLSBIFFNotAvailable(); }
    void LoadFromStream(rtl::TStream& /*stream*/) override { throw EXLSBIFFNotAvailable(); }
    void AddSheet() override { throw EXLSBIFFNotAvailable(); }

private:
    TXLSBIFFUnavailable FServices;
};

} // namespace

std::unique_ptr<TXLSBIFFDocument> CreateBIFFDocument(TXc12Manager& /*manager*/) {
    return std::make_unique<TXLSBIFFDocumentUnavailable>();
}

} // namespace xls
