#include "xls/api/XLSSpreadsheet.h"

#include "rtl/io/FileStream.h"
#include "rtl/io/FileUtils.h"
#include "rtl/text/StringUtils.h"
#include "xls/api/XLSEmptyWorkbook.h"
#include "xls/api/XLSHyperlinks.h"
#include "xls/api/XLSMoveCopyObjects.h"
#include "xls/api/XLSNames.h"
#include "xls/api/XLSSheetObjects.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/base/XLSUtils.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"
#include "xls/core/model/workbook/XLSBIFFServices.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"
#include "xls/core/zip/DeflateStreams.h"
#include "xls/xlsx/XLSReadXLSX.h"

#include <algorithm>

namespace xls {

namespace {

// The most sheets ClearSheets adds.
constexpr int32_t MaxClearSheets = 255;

// File names read as BIFF whatever they hold.
bool IsBIFFFileName(rtl::UnicodeStringView fileName) {
    const rtl::UnicodeString extension = rtl::LowerCase(rtl::ExtractFileExt(fileName));
    return extension == u".xls" || extension == u".xlm";
}

} // namespace

std::unique_ptr<rtl::TObject> TXLSClassFactoryImpl::CreateObject(int32_t kind, rtl::TObject* owner) {
    switch (kind) {
    case xckNames:
        return std::make_unique<TXLSNames>(this, FComponent.GetFormulaHandler(), *FComponent.GetManager());
    case xckName: {
        // Names of a list the facade did not make stay the model's own.
        auto* names = dynamic_cast<TXLSNames*>(owner);
        return names != nullptr ? std::make_unique<TXLSName>(*names) : nullptr;
    }
    case xckMergedCells:
        return std::make_unique<TXLSMergedCells>(this);
    case xckMergedCell:
        return std::make_unique<TXLSMergedCell>();
    case xckHyperlinks:
        return std::make_unique<TXLSHyperlinks>(this, FComponent.GetFormulaHandler(),
                                                dynamic_cast<TXc12DataWorksheet*>(owner));
    case xckHyperlink:
        return std::make_unique<TXLSHyperlink>(dynamic_cast<TXLSHyperlinks*>(owner));
    case xckAutofilter:
        return std::make_unique<TXLSAutofilter>(this);
    case xckAutofilterColumn:
        return std::make_unique<TXLSAutofilterColumn>();
    case xckDataValidations:
        return std::make_unique<TXLSDataValidations>(this);
    case xckDataValidation:
        return std::make_unique<TXLSDataValidation>();
    case xckConditionalFormat:
        return std::make_unique<TXLSConditionalFormat>();
    case xckConditionalFormats:
        return std::make_unique<TXLSConditionalFormats>(this);
    default:
        return nullptr;
    }
}

TXLSSpreadsheet::TXLSSpreadsheet(rtl::TComponent* owner)
    : TXLSWorkbook(owner), FErrors(std::make_unique<TXLSErrorManager>()),
      FClassFactory(std::make_unique<TXLSClassFactoryImpl>(*this)),
      FManager(std::make_unique<TXc12Manager>(FClassFactory.get(), FErrors.get())),
      FFormulaHandler(std::make_unique<TXLSFormulaHandler>(*FManager)),
      FBIFFDecoder(CreateBIFFFormulaDecoder(*FManager)) {
    FFormulaHandler->SetBIFFDecoder(FBIFFDecoder.get());
    // The defined names that the workbook part makes reach the model and the formula handler through the facade: it
    // knows both before the parts are made.
    Init(FManager.get(), FFormulaHandler.get());
    FManager->CreateParts();
    ClearSheets(1);
}

TXLSSpreadsheet::~TXLSSpreadsheet() {
    // The wrappers and the BIFF document refer to the model: they go before it.
    Clear();
}

void TXLSSpreadsheet::ClearSheets(int32_t count) {
    Clear();
    FManager->Clear();
    FManager->SetBIFFSheetLookup(false);
    for (int32_t i = std::clamp(count, 0, MaxClearSheets); i > 0; --i) {
        AddSheet();
    }
}

void TXLSSpreadsheet::Read() {
    LoadFromFile(GetFilename());
}

void TXLSSpreadsheet::LoadFromFile(rtl::UnicodeStringView fileName) {
    // A copy: fileName may be the Filename that it replaces.
    const rtl::UnicodeString name(fileName);
    SetFilename(name);
    if (IsBIFFFileName(name)) {
        ReadBIFF([&](TXLSBIFFDocument& document) {
            document.SetFilename(name);
            // The component only reads: a VBA project has nothing to go back into.
            document.SetKeepVBA(false);
            document.LoadFromFile();
        });
        return;
    }
    FManager->SetFileType(xvExcel2007);
    // A file that cannot be opened fails the read like any other failure: the old workbook is gone.
    ClearSheets(0);
    // Excel keeps a workbook it has open locked against other writers only: reading must not ask for more.
    rtl::TFileStream stream(name, rtl::fmOpenRead | rtl::fmShareDenyNone);
    LoadFromStream(stream, true);
}

void TXLSSpreadsheet::LoadFromStream(rtl::TStream& stream, bool test) {
    if (!test || IsZipStream(stream)) {
        ReadXLSX(stream);
    } else {
        LoadFromStreamBIFF(stream);
    }
}

void TXLSSpreadsheet::ReadXLSX(rtl::TStream& stream) {
    FManager->SetFileType(xvExcel2007);
    TXLSReadXLSX reader(*FManager, *FFormulaHandler);
    RunRead([&] { reader.LoadFromStream(stream); });
}

void TXLSSpreadsheet::LoadFromStreamBIFF(rtl::TStream& stream) {
    ReadBIFF([&](TXLSBIFFDocument& document) { document.LoadFromStream(stream); });
}

void TXLSSpreadsheet::ReadBIFF(const std::function<void(TXLSBIFFDocument&)>& load) {
    FManager->SetFileType(xvExcel97);
    RunRead([&] {
        SetBIFFDocument(CreateBIFFDocument(*FManager));
        TXLSBIFFDocument& document = *GetBIFFDocument();
        document.SetOnPassword(FOnPassword);
        document.SetReaderFlag(false);
        load(document);
    });
}

void TXLSSpreadsheet::RunRead(const std::function<void()>& read) {
    ClearSheets(0);
    BeforeRead();
    try {
        read();
        AfterRead();
    } catch (...) {
        // Nothing of a failed read stays: the workbook is empty and ready for the next one.
        ClearSheets(0);
        FManager->CancelRead();
        throw;
    }
    FManager->SetBIFFSheetLookup(false);
}

void TXLSSpreadsheet::BeforeRead() {
    FManager->BeforeRead();
}

void TXLSSpreadsheet::AfterRead() {
    RebuildSheets();
    FManager->AfterRead();
}

TExcelVersion TXLSSpreadsheet::GetVersion() const {
    return GetBIFFDocument() != nullptr ? xvExcel97 : xvExcel2007;
}

void TXLSSpreadsheet::SetVersion(TExcelVersion value) {
    if (value == GetVersion()) {
        return;
    }
    if (value != xvExcel97) {
        DropBIFFDocument();
        FManager->SetFileType(xvExcel2007);
        return;
    }
    if (GetSheetCount() > 1 || (GetSheetCount() == 1 && !GetSheet(0)->IsEmpty())) {
        FErrors->ReportWarning(u"", XLSWarningDataDiscarded);
    }
    const std::span<const uint8_t> compressed = EmptyWorkbookCompressed();
    const std::vector<uint8_t> workbook = InflateBuffer(compressed.data(), static_cast<uint32_t>(compressed.size()),
                                                        static_cast<uint32_t>(EmptyWorkbookSize()));
    rtl::TMemoryStream stream;
    stream.WriteBuffer(workbook.data(), static_cast<int32_t>(workbook.size()));
    stream.Seek(0, rtl::soBeginning);
    LoadFromStreamBIFF(stream);
    FManager->StyleSheet().XFEditor().MarkAllPredefined();
}

} // namespace xls
