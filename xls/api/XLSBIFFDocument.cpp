#include "xls/api/XLSBIFFDocument.h"

#include "xls/biff/formula/BIFF_DecodeFormula.h"
#include "xls/biff/workbook/BIFF5.h"
#include "xls/biff/workbook/BIFF_ExternSheets.h"

namespace xls {

namespace {

// A BIFF workbook object with the settings the component gives it.
class TXLSBIFFDocumentImpl : public TXLSBIFFDocument {
public:
    explicit TXLSBIFFDocumentImpl(TXc12Manager& manager) : FManager(manager), FBIFF(manager), FExternSheets(FBIFF) {}

    void SetFilename(rtl::UnicodeStringView fileName) override { FBIFF.SetFilename(fileName); }
    // The model's password event is the one an encrypted file asks.
    void SetOnPassword(TPasswordEvent handler) override { FManager.SetOnPassword(std::move(handler)); }
    void SetKeepVBA(bool keep) override { FBIFF.SetKeepVBA(keep); }
    // The reader keeps no record raw that it can interpret: the flag that would keep them is never set.
    void SetReaderFlag(bool /*flag*/) override {}
    TExternalNames* GetInternalNames() override { return &FExternSheets; }
    void LoadFromFile() override {
        FExternSheets.Clear();
        FBIFF.LoadFromFile();
        FExternSheets.Load();
    }
    void LoadFromStream(rtl::TStream& stream) override {
        FExternSheets.Clear();
        FBIFF.LoadFromStream(&stream);
        FExternSheets.Load();
    }
    void AddSheet() override { FBIFF.Sheets().Add(); }

private:
    TXc12Manager& FManager;
    TBIFF5 FBIFF;
    TBIFFExternSheets FExternSheets;
};

} // namespace

std::unique_ptr<TXLSBIFFDocument> CreateBIFFDocument(TXc12Manager& manager) {
    return std::make_unique<TXLSBIFFDocumentImpl>(manager);
}

std::unique_ptr<TXLSBIFFFormulaDecoder> CreateBIFFFormulaDecoder(const TXc12Manager& manager) {
    return std::make_unique<TBIFFFormulaDecoder>(manager);
}

} // namespace xls
