#include "xls/biff/workbook/BIFF5.h"

#include "xls/biff/BIFF_Limits.h"
#include "xls/biff/vba/BIFF_VBA.h"
#include "xls/biff/workbook/BIFF_Read.h"

namespace xls {

TBIFF5::TBIFF5(TXc12Manager& manager) : FManager(manager) {
    Clear();
    SetVersion(xvExcel97);
    FManager.Palette().Reset();
}

TBIFF5::~TBIFF5() = default;

void TBIFF5::SetKeepVBA(bool keep) {
    if (!keep) {
        FVBA.reset();
    } else if (FVBA == nullptr) {
        FVBA = std::make_unique<TXLSVBA>();
    }
}

void TBIFF5::SetVersion(TExcelVersion version) {
    FVersion = version;
    FMaxBodySize = version < xvExcel97 ? BIFFMaxRecordBody5 : BIFFMaxRecordBody8;
}

void TBIFF5::Clear() {
    FGlobals.SetDefaults();
    FEmpty = true;
    FSheets.Reset();
    FStyles.clear();
    FExtraObjects.Clear();
    if (FVBA != nullptr) {
        FVBA->Clear();
    }
    FFileSharing.clear();
    FPasswordInUse.clear();
    FAborted = false;
    FLastReadVersion = xvNone;
}

void TBIFF5::LoadFromFile() {
    LoadFromStream(nullptr);
    FLastReadVersion = FVersion;
}

void TBIFF5::LoadFromStream(rtl::TStream* stream) {
    Clear();
    FSheets.Clear();
    FManager.Palette().Reset();
    try {
        TXLSReadBIFF reader(*this);
        reader.LoadFromStream(stream);
    } catch (...) {
        // What was read stays for the caller to judge, but the object always holds a sheet.
        if (FSheets.Count() == 0) {
            Clear();
        }
        throw;
    }
    if (FSheets.Count() == 0) {
        Clear();
    }
    for (int32_t i = 0; i < FSheets.Count(); ++i) {
        FSheets.GetItem(i).AfterRead();
    }
    if (FOnAfterRead) {
        FOnAfterRead(*this);
    }
}

} // namespace xls
