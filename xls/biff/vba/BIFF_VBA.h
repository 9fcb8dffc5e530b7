#pragma once
// The VBA project of a workbook (MS-OVBA), kept when the BIFF workbook object is asked to keep VBA. It lives in the
// compound document's storage "_VBA_PROJECT_CUR": the storage "VBA" holds the project directory ("dir") and one
// stream per module, both compressed (MS-OVBA 2.4.1); "PROJECT" and "PROJECTwm" hold the project's properties. The
// holder reads the directory's records, every module's source lines and its leading "Attribute" lines, and keeps a
// copy of the whole project storage. It reads from the in-memory copy of the document (TExtraObjects), never from
// the file, and changes only its own copy.
//
// The project is hostile input like the rest of the file: record sizes and module offsets are checked against their
// streams, and decompression checks every copy against what its chunk has given and bounds the output.

#include "rtl/text/StringTypes.h"
#include "xls/biff/stream/BIFF_ExtraObjects.h"
#include "xls/biff/stream/BIFF_WideStrList.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace xls {

// One record of the directory (MS-OVBA 2.3.4.2): its id, the size its header gives, and its data.
struct TVBADirRecord {
    uint16_t Id = 0;
    uint32_t Size = 0;
    // Size bytes, but for PROJECTVERSION, whose data is 2 bytes longer than its size says.
    std::vector<uint8_t> Data;
};

// The directory records of the project or of one module, in file order.
class TRecordStorageVBA {
public:
    void Add(TVBADirRecord record) { FRecords.push_back(std::move(record)); }
    void Clear() { FRecords.clear(); }
    int32_t Count() const { return static_cast<int32_t>(FRecords.size()); }
    TVBADirRecord& Get(int32_t index) { return FRecords[index]; }
    const TVBADirRecord& Get(int32_t index) const { return FRecords[index]; }
    // The first record with the id; nullptr when there is none.
    const TVBADirRecord* Find(uint16_t id) const;

private:
    std::vector<TVBADirRecord> FRecords;
};

// The kinds of module (MS-OVBA 2.3.4.2.3.2.8).
enum TVBAModuleType : uint8_t { vmtProcedural = 0, vmtDocumentOrClass = 1 };

// A module as the directory describes it.
class TVBAModule {
public:
    const rtl::UnicodeString& Name() const { return FName; }
    void SetName(rtl::UnicodeStringView name) { FName = name; }
    TVBAModuleType Type() const { return FType; }
    void SetType(TVBAModuleType type) { FType = type; }
    // Where the source starts in the module's stream.
    uint32_t FileOffset() const { return FFileOffset; }
    void SetFileOffset(uint32_t offset) { FFileOffset = offset; }
    // The leading "Attribute" lines, each without its first word ("VB_Name = ...").
    TXLSValueWideStringList& Attributes() { return FAttributes; }
    const TXLSValueWideStringList& Attributes() const { return FAttributes; }
    TRecordStorageVBA& Records() { return FRecords; }
    const TRecordStorageVBA& Records() const { return FRecords; }

private:
    rtl::UnicodeString FName;
    TVBAModuleType FType = vmtProcedural;
    uint32_t FFileOffset = 0;
    TXLSValueWideStringList FAttributes;
    TRecordStorageVBA FRecords;
};

// A module with its source.
class TVBAModuleSource : public TVBAModule {
public:
    // The lines of text become the source; its leading lines that start with "attribute" (any case) move to the
    // attributes.
    void SetSource(rtl::UnicodeStringView text);
    const TXLSWideStringList& Source() const { return FSource; }

private:
    TXLSWideStringList FSource;
};

// The VBA project of one workbook.
class TXLSVBA {
public:
    TXLSVBA();
    // Empties everything read and kept; the options stay.
    void Clear();

    // Reads the project from the copy of a workbook's compound document: 0 when it has none ("_VBA_PROJECT_CUR",
    // its "VBA" or "dir" missing: nothing is kept), 1 when read, 2 when read with the strip option and the project
    // streams taken apart. A damaged project raises EBIFFError ("EOF missing in VBA dir stream" when the directory
    // does not end with its terminator after the modules).
    int32_t ReadProject(const TExtraObjects& document);

    // The decompressed bytes of the compressed container (MS-OVBA 2.4.1) that starts at start in data and runs to
    // its end; empty when start is at or past the end. Damaged data raises EBIFFError.
    static std::vector<uint8_t> Decompress(std::span<const uint8_t> data, size_t start);

    // With this option the copy keeps no compiled code: it holds the project storage without "VBA", "PROJECT" and
    // "PROJECTwm", whose lines and bytes are kept apart when the project has compiled code ("VBA/_VBA_PROJECT").
    bool StripCompiledCode() const { return FStripCompiledCode; }
    void SetStripCompiledCode(bool strip) { FStripCompiledCode = strip; }
    // With this option the directory and the modules are not read; the copy is kept.
    bool SkipDir() const { return FSkipDir; }
    void SetSkipDir(bool skip) { FSkipDir = skip; }

    bool VBAPresent() const { return FVBAPresent; }
    bool ProjectStreamsRead() const { return FProjectStreamsRead; }
    const rtl::UnicodeString& ProjectName() const { return FProjectName; }
    // The code page of the project's 8-bit texts (PROJECTCODEPAGE).
    uint32_t CodePage() const { return FCodePage; }
    int32_t ModuleCount() const { return static_cast<int32_t>(FModules.size()); }
    const TVBAModuleSource& Module(int32_t index) const { return *FModules[index]; }
    const TRecordStorageVBA& DirRecords() const { return FDirRecords; }
    const TXLSWideStringList& ProjectLines() const { return FProjectLines; }
    const std::vector<uint8_t>& ProjectWM() const { return FProjectWM; }
    // The copy of the project storage, whose root stands for "_VBA_PROJECT_CUR".
    const TExtraObjects& Storage() const { return FStorage; }

private:
    class TDirReader;

    void ReadDir(const TExtraObjects& document, int32_t vba, std::span<const uint8_t> dir);
    void ReadModule(const TExtraObjects& document, int32_t vba, TDirReader& reader);
    void ReadModuleSource(const TExtraObjects& document, int32_t vba, TVBAModuleSource& module,
                          const rtl::UnicodeString& streamName);
    rtl::UnicodeString Text8(std::span<const uint8_t> bytes) const;
    int32_t KeepStorage(const TExtraObjects& document, int32_t project, int32_t vba);

    bool FStripCompiledCode = false;
    bool FSkipDir = false;
    bool FVBAPresent = false;
    bool FProjectStreamsRead = false;
    rtl::UnicodeString FProjectName;
    uint32_t FCodePage = 0;
    std::vector<std::unique_ptr<TVBAModuleSource>> FModules;
    TRecordStorageVBA FDirRecords;
    TXLSWideStringList FProjectLines;
    std::vector<uint8_t> FProjectWM;
    TExtraObjects FStorage;
};

} // namespace xls
