#pragma once
// The spreadsheet component: it owns the error manager, the class factory and the workbook model, reads a workbook
// file or stream into the model (.xlsx packages through the .xlsx reader, .xls files through the BIFF document) and
// offers the result through the workbook facade it derives from.

#include "rtl/core/Component.h"
#include "rtl/io/Streams.h"
#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "xls/api/XLSWorkbook.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/formula/XLSFormulaHandler.h"
#include "xls/core/model/common/XLSClassFactory.h"
#include "xls/core/model/workbook/Xc12Manager5.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace xls {

// The component's version text.
inline constexpr char16_t XLSComponentVersion[] = u"5.20.25a";

class TXLSSpreadsheet;

// One value a worksheet function takes or gives.
using TFormulaValue = rtl::Variant;
// A function that formulas call by name, evaluated by the application. Formulas are not evaluated, so the component
// never calls it.
using TFunctionEvent = std::function<void(rtl::TObject* sender, rtl::UnicodeStringView funcName,
                                          std::span<const TFormulaValue> args, TFormulaValue& result)>;

// Makes the facade's classes of the model objects that follow cell moves and of the defined names; the model makes
// its own plain objects of every other kind.
class TXLSClassFactoryImpl : public TXLSClassFactory {
public:
    // component is not owned; its manager and formula handler must exist before the first object is asked for.
    explicit TXLSClassFactoryImpl(TXLSSpreadsheet& component) : FComponent(component) {}

    std::unique_ptr<rtl::TObject> CreateObject(int32_t kind, rtl::TObject* owner) override;

private:
    TXLSSpreadsheet& FComponent;
};

// Reads workbooks into its model and shows them as sheets and cells.
class TXLSSpreadsheet : public TXLSWorkbook {
    RTL_DECLARE_CLASS(TXLSSpreadsheet, TXLSWorkbook)
public:
    // Starts with one empty sheet named Sheet1.
    explicit TXLSSpreadsheet(rtl::TComponent* owner);
    ~TXLSSpreadsheet() override;

    // Empties model and facade and adds count empty sheets (clamped to 0..255).
    void ClearSheets(int32_t count);
    // Reads the file named Filename.
    void Read();
    // Names ending in ".xls" or ".xlm" (any case) are read as BIFF; any other file is opened read-only, letting other
    // programs keep it open for writing, and read as a stream with the zip test. A read that fails leaves the
    // workbook empty (no sheet) and the file closed, and raises.
    void LoadFromFile(rtl::UnicodeStringView fileName);
    // Reads from the stream's position: an .xlsx package, or with test set, BIFF data when the stream does not begin
    // with the zip signature. Failure as LoadFromFile.
    void LoadFromStream(rtl::TStream& stream, bool test);
    void BeforeRead();
    // Rebuilds the sheet wrappers and ends the model's read.
    void AfterRead();

    rtl::UnicodeString GetComponentVersion() const { return XLSComponentVersion; }
    // Assigning the version text changes nothing: it is the component's own.
    void SetComponentVersion(rtl::UnicodeStringView /*value*/) {}
    // xvExcel97 while BIFF data is held, else xvExcel2007.
    TExcelVersion GetVersion() const;
    // xvExcel2007 drops BIFF data. xvExcel97 reports warning 6003 when the workbook holds data, then replaces it with
    // the empty BIFF workbook the component keeps, whose cell formats and fonts are all predefined.
    void SetVersion(TExcelVersion value);
    const rtl::UnicodeString& GetFilename() const { return FManager->GetFilename(); }
    void SetFilename(rtl::UnicodeStringView value) { FManager->SetFilename(value); }
    bool GetDirectRead() const { return FManager->GetDirectRead(); }
    void SetDirectRead(bool value) { FManager->SetDirectRead(value); }
    bool GetDirectWrite() const { return FManager->GetDirectWrite(); }
    void SetDirectWrite(bool value) { FManager->SetDirectWrite(value); }
    TXLSErrorManager& GetErrors() const { return *FErrors; }
    const TCellReadWriteEvent& GetOnReadCell() const { return FManager->GetOnReadCell(); }
    void SetOnReadCell(TCellReadWriteEvent handler) { FManager->SetOnReadCell(std::move(handler)); }
    const TCellReadWriteEvent& GetOnWriteCell() const { return FManager->GetOnWriteCell(); }
    void SetOnWriteCell(TCellReadWriteEvent handler) { FManager->SetOnWriteCell(std::move(handler)); }
    const TPasswordEvent& GetOnPassword() const { return FOnPassword; }
    void SetOnPassword(TPasswordEvent handler) { FOnPassword = std::move(handler); }
    const TXLSProgressEvent& GetOnProgress() const { return FManager->GetOnProgress(); }
    void SetOnProgress(TXLSProgressEvent handler) { FManager->SetOnProgress(std::move(handler)); }
    // Always unassigned: assigning it changes nothing, as no formula is evaluated.
    const TFunctionEvent& GetOnFunction() const { return FNoFunction; }
    void SetOnFunction(const TFunctionEvent& /*handler*/) {}
    const TUserFunctionEvent& GetOnUserFunction() const { return FFormulaHandler->GetOnUserFunction(); }
    void SetOnUserFunction(TUserFunctionEvent handler) { FFormulaHandler->SetOnUserFunction(std::move(handler)); }
    TXLSFormulaHandler& GetFormulaHandler() const { return *FFormulaHandler; }

private:
    // Empties the model, runs read and rebuilds the wrappers; when read fails the model is emptied again.
    void RunRead(const std::function<void()>& read);
    // Makes and keeps a BIFF document with the component's settings, then hands it to load.
    void ReadBIFF(const std::function<void(TXLSBIFFDocument&)>& load);
    void ReadXLSX(rtl::TStream& stream);
    void LoadFromStreamBIFF(rtl::TStream& stream);

    std::unique_ptr<TXLSErrorManager> FErrors;
    std::unique_ptr<TXLSClassFactoryImpl> FClassFactory;
    std::unique_ptr<TXc12Manager> FManager;
    std::unique_ptr<TXLSFormulaHandler> FFormulaHandler;
    std::unique_ptr<TXLSBIFFFormulaDecoder> FBIFFDecoder;
    TPasswordEvent FOnPassword;
    TFunctionEvent FNoFunction;
};

} // namespace xls
