#pragma once
// TBIFF5: the BIFF workbook object, made for each read of an .xls file beside the workbook model it fills. It runs
// the record reader and keeps what of the file lives outside the model: the records of the globals and of every
// sheet (their record storages), the BIFF sheets with their merged cells, panes and selections, the raw STYLE
// records, the FILESHARING record, the other elements of the compound document and, when asked, the VBA project.

#include "rtl/io/Streams.h"
#include "rtl/text/StringTypes.h"
#include "xls/biff/storage/BIFF5Sheets.h"
#include "xls/biff/storage/BIFF_RecordStorage.h"
#include "xls/biff/stream/BIFF_ExtraObjects.h"
#include "xls/core/model/workbook/Xc12Manager5.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace xls {

// The bodies of the file's STYLE records, as read.
using TStyles = std::vector<std::vector<uint8_t>>;

// Called with the percentage of the record stream read.
using TBIFFProgressEvent = std::function<void(int32_t percent)>;
// Called after the records are read.
using TBIFFAfterReadEvent = std::function<void(class TBIFF5& sender)>;

class TXLSVBA;

// The BIFF workbook object of one read.
class TBIFF5 {
public:
    // manager is not owned and must outlive the object. The model's palette goes back to the default palette: each
    // workbook starts from it.
    explicit TBIFF5(TXc12Manager& manager);
    ~TBIFF5();
    TBIFF5(const TBIFF5&) = delete;
    TBIFF5& operator=(const TBIFF5&) = delete;

    // The file LoadFromFile reads.
    const rtl::UnicodeString& Filename() const { return FFilename; }
    void SetFilename(rtl::UnicodeStringView name) { FFilename = name; }
    // Reads the named file.
    void LoadFromFile();
    // Reads stream from its position, or the named file when stream is nullptr. The model is filled as the records
    // come; the model should be empty. A read that fails leaves what was read, and at least one sheet.
    void LoadFromStream(rtl::TStream* stream);
    // Back to an empty workbook: template refilled, one empty sheet, nothing kept.
    void Clear();

    TXc12Manager& Manager() const { return FManager; }
    // The BIFF version being read, and that of the last completed LoadFromFile.
    TExcelVersion Version() const { return FVersion; }
    // Also sets the largest record body of the version.
    void SetVersion(TExcelVersion version);
    int32_t MaxBodySize() const { return FMaxBodySize; }
    TExcelVersion LastReadVersion() const { return FLastReadVersion; }

    TSheets& Sheets() { return FSheets; }
    const TSheets& Sheets() const { return FSheets; }
    TSheet& GetSheet(int32_t index) const { return FSheets.GetItem(index); }
    TRecordStorageGlobals& Globals() { return FGlobals; }
    const TRecordStorageGlobals& Globals() const { return FGlobals; }
    TStyles& Styles() { return FStyles; }
    TExtraObjects& ExtraObjects() { return FExtraObjects; }
    // True reads the VBA project of the files read from now on into a VBA holder (created here); false frees it.
    void SetKeepVBA(bool keep);
    bool KeepVBA() const { return FVBA != nullptr; }
    // The VBA holder; nullptr unless VBA is kept.
    TXLSVBA* VBA() const { return FVBA.get(); }
    // The password that opened an encrypted file when none was given: the format's default password. Empty otherwise.
    const rtl::UnicodeString& PasswordInUse() const { return FPasswordInUse; }
    void SetPasswordInUse(rtl::UnicodeStringView password) { FPasswordInUse = password; }
    const std::vector<uint8_t>& FileSharing() const { return FFileSharing; }
    void SetFileSharing(std::vector<uint8_t> body) { FFileSharing = std::move(body); }

    // True after creation and Clear, false once a read started.
    bool Empty() const { return FEmpty; }
    void SetEmpty(bool empty) { FEmpty = empty; }
    // The reader stops before the next record once this is set.
    bool Aborted() const { return FAborted; }
    void Abort() { FAborted = true; }

    const TBIFFProgressEvent& OnProgress() const { return FOnProgress; }
    void SetOnProgress(TBIFFProgressEvent handler) { FOnProgress = std::move(handler); }
    const TBIFFAfterReadEvent& OnAfterRead() const { return FOnAfterRead; }
    void SetOnAfterRead(TBIFFAfterReadEvent handler) { FOnAfterRead = std::move(handler); }

private:
    TXc12Manager& FManager;
    rtl::UnicodeString FFilename;
    TExcelVersion FVersion = xvExcel97;
    int32_t FMaxBodySize = 0;
    TExcelVersion FLastReadVersion = xvNone;
    TSheets FSheets;
    TRecordStorageGlobals FGlobals;
    TStyles FStyles;
    TExtraObjects FExtraObjects;
    std::unique_ptr<TXLSVBA> FVBA;
    std::vector<uint8_t> FFileSharing;
    rtl::UnicodeString FPasswordInUse;
    bool FEmpty = true;
    bool FAborted = false;
    TBIFFProgressEvent FOnProgress;
    TBIFFAfterReadEvent FOnAfterRead;
};

} // namespace xls
