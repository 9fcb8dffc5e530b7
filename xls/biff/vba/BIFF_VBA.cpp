#include "xls/biff/vba/BIFF_VBA.h"

#include "rtl/text/CodePages.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"
#include "xls/biff/BIFF_Messages.h"
#include "xls/biff/stream/BIFF_Bytes.h"
#include "xls/biff/stream/BIFF_RecordBody.h"
#include "xls/biff/stream/BIFF_Utils.h"

#include <algorithm>
#include <string_view>

namespace xls {

namespace {

constexpr char16_t ProjectStorageName[] = u"_VBA_PROJECT_CUR";
constexpr char16_t VBAStorageName[] = u"VBA";
constexpr char16_t DirStreamName[] = u"dir";
constexpr char16_t ProjectStreamName[] = u"PROJECT";
constexpr char16_t ProjectWMStreamName[] = u"PROJECTwm";
constexpr char16_t CompiledCodeStreamName[] = u"_VBA_PROJECT";

// The directory records this holder reads (MS-OVBA 2.3.4.2).
constexpr uint16_t DirProjectCodePage = 3;
constexpr uint16_t DirProjectName = 4;
constexpr uint16_t DirProjectVersion = 9;
constexpr uint16_t DirProjectModules = 15;
constexpr uint16_t DirTerminator = 16;
constexpr uint16_t DirModuleName = 25;
constexpr uint16_t DirModuleStreamName = 26;
constexpr uint16_t DirModuleProcedural = 33;
constexpr uint16_t DirModuleDocumentOrClass = 34;
constexpr uint16_t DirModuleTerminator = 43;
constexpr uint16_t DirModuleOffset = 49;
constexpr uint16_t DirModuleStreamNameUnicode = 50;
constexpr uint16_t DirModuleNameUnicode = 71;
constexpr int32_t DirRecordHeaderSize = 6;
// PROJECTVERSION's size field says 4, but 6 bytes of data follow.
constexpr uint32_t ProjectVersionExtra = 2;
// The offset kept for every module: the source as the holder would write it back, without compiled code.
constexpr uint32_t KeptModuleOffset = 16;
constexpr uint32_t DefaultProjectCodePage = 1252;

constexpr std::u16string_view AttributeWord = u"attribute";

bool IsStorage(const TExtraObjects& document, int32_t index) {
    return index >= 0 && document.Item(index).IsStorage;
}

bool IsStream(const TExtraObjects& document, int32_t index) {
    return index >= 0 && !document.Item(index).IsStorage;
}

bool StartsWithAttribute(rtl::UnicodeStringView line) {
    return line.size() >= AttributeWord.size() &&
           rtl::WideSameText(line.substr(0, AttributeWord.size()), AttributeWord);
}

// UTF-16LE text; an odd last byte is dropped.
rtl::UnicodeString Utf16Text(std::span<const uint8_t> bytes) {
    rtl::UnicodeString text(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<char16_t>(LoadUInt16LE(&bytes[2 * i]));
    }
    return text;
}

} // namespace

// The records of a decompressed directory, one after the other.
class TXLSVBA::TDirReader {
public:
    explicit TDirReader(std::span<const uint8_t> dir) : FDir(dir) {}

    bool AtEnd() const { return FDir.size() - FAt < DirRecordHeaderSize; }
    // The id of the next record; the directory must not end before it.
    uint16_t PeekId() const {
        if (AtEnd()) {
            throw EBIFFError(BIFFMessages::VBADirEOFMissing);
        }
        return LoadUInt16LE(&FDir[FAt]);
    }
    TVBADirRecord Next() {
        TVBADirRecord record;
        record.Id = PeekId();
        record.Size = LoadUInt32LE(&FDir[FAt + 2]);
        const uint64_t length = uint64_t{record.Size} + (record.Id == DirProjectVersion ? ProjectVersionExtra : 0);
        const size_t data = FAt + DirRecordHeaderSize;
        if (length > FDir.size() - data) {
            throw EBIFFError(rtl::Format(BIFFMessages::VBADirRecordPastEnd, {record.Id, record.Size}));
        }
        record.Data.assign(FDir.begin() + static_cast<std::ptrdiff_t>(data),
                           FDir.begin() + static_cast<std::ptrdiff_t>(data + length));
        FAt = data + static_cast<size_t>(length);
        return record;
    }

private:
    std::span<const uint8_t> FDir;
    size_t FAt = 0;
};

const TVBADirRecord* TRecordStorageVBA::Find(uint16_t id) const {
    for (const TVBADirRecord& record : FRecords) {
        if (record.Id == id) {
            return &record;
        }
    }
    return nullptr;
}

void TVBAModuleSource::SetSource(rtl::UnicodeStringView text) {
    TXLSWideStringList lines;
    lines.SetText(text);
    int32_t first = 0;
    while (first < lines.Count() && StartsWithAttribute(lines.GetString(first))) {
        Attributes().AddAfterSpace(lines.GetString(first));
        ++first;
    }
    FSource.Clear();
    for (int32_t i = first; i < lines.Count(); ++i) {
        FSource.Add(lines.GetString(i));
    }
}

TXLSVBA::TXLSVBA() {
    Clear();
}

void TXLSVBA::Clear() {
    FVBAPresent = false;
    FProjectStreamsRead = false;
    FProjectName.clear();
    FCodePage = DefaultProjectCodePage;
    FModules.clear();
    FDirRecords.Clear();
    FProjectLines.Clear();
    FProjectWM.clear();
    FStorage.Clear();
}

int32_t TXLSVBA::ReadProject(const TExtraObjects& document) {
    Clear();
    const int32_t project = document.Find(TExtraObjects::Root, ProjectStorageName);
    const int32_t vba = IsStorage(document, project) ? document.Find(project, VBAStorageName) : -1;
    const int32_t dir = IsStorage(document, vba) ? document.Find(vba, DirStreamName) : -1;
    if (!IsStream(document, dir)) {
        return 0;
    }
    if (!FSkipDir) {
        ReadDir(document, vba, Decompress(document.Item(dir).Data, 0));
    }
    FVBAPresent = true;
    return KeepStorage(document, project, vba);
}

int32_t TXLSVBA::KeepStorage(const TExtraObjects& document, int32_t project, int32_t vba) {
    FStorage = document.Subtree(project);
    if (!FStripCompiledCode) {
        return 1;
    }
    for (const char16_t* name : {VBAStorageName, ProjectStreamName, ProjectWMStreamName}) {
        const int32_t index = FStorage.Find(TExtraObjects::Root, name);
        if (index >= 0) {
            FStorage.Remove(index);
        }
    }
    if (!IsStream(document, document.Find(vba, CompiledCodeStreamName))) {
        return 1;
    }
    const int32_t lines = document.Find(project, ProjectStreamName);
    if (IsStream(document, lines)) {
        FProjectLines.SetText(Text8(document.Item(lines).Data));
    }
    const int32_t wm = document.Find(project, ProjectWMStreamName);
    if (IsStream(document, wm)) {
        FProjectWM = document.Item(wm).Data;
    }
    FProjectStreamsRead = true;
    return 2;
}

void TXLSVBA::ReadDir(const TExtraObjects& document, int32_t vba, std::span<const uint8_t> dir) {
    TDirReader reader(dir);
    int32_t moduleCount = 0;
    // The project's records, up to its first module.
    while (reader.PeekId() != DirModuleName) {
        TVBADirRecord record = reader.Next();
        const TBIFFBody data(record.Data);
        switch (record.Id) {
        case DirProjectCodePage:
            FCodePage = data.Word(0);
            break;
        case DirProjectName:
            FProjectName = Text8(record.Data);
            break;
        case DirProjectModules:
            moduleCount = data.Word(0);
            break;
        default:
            break;
        }
        FDirRecords.Add(std::move(record));
        if (FDirRecords.Get(FDirRecords.Count() - 1).Id == DirTerminator) {
            return;
        }
    }
    for (int32_t i = 0; i < moduleCount; ++i) {
        ReadModule(document, vba, reader);
    }
    if (reader.PeekId() != DirTerminator) {
        throw EBIFFError(BIFFMessages::VBADirEOFMissing);
    }
}

void TXLSVBA::ReadModule(const TExtraObjects& document, int32_t vba, TDirReader& reader) {
    TVBAModuleSource& module = *FModules.emplace_back(std::make_unique<TVBAModuleSource>());
    rtl::UnicodeString streamName;
    int32_t offsetRecord = -1;
    for (bool done = false; !done;) {
        TVBADirRecord record = reader.Next();
        switch (record.Id) {
        case DirModuleName:
            module.SetName(Text8(record.Data));
            break;
        case DirModuleNameUnicode:
            module.SetName(Utf16Text(record.Data));
            break;
        case DirModuleStreamName:
            streamName = Text8(record.Data);
            break;
        case DirModuleStreamNameUnicode:
            streamName = Utf16Text(record.Data);
            break;
        case DirModuleProcedural:
            module.SetType(vmtProcedural);
            break;
        case DirModuleDocumentOrClass:
            module.SetType(vmtDocumentOrClass);
            break;
        case DirModuleOffset:
            module.SetFileOffset(TBIFFBody(record.Data).DWord(0));
            offsetRecord = module.Records().Count();
            break;
        case DirModuleTerminator:
            done = true;
            break;
        default:
            break;
        }
        module.Records().Add(std::move(record));
    }
    ReadModuleSource(document, vba, module, streamName.empty() ? module.Name() : streamName);
    // The source is kept without the compiled code before it, so it starts where its header ends.
    if (offsetRecord >= 0) {
        TVBADirRecord& record = module.Records().Get(offsetRecord);
        record.Data.resize(std::max<size_t>(record.Data.size(), 4));
        StoreUInt32LE(record.Data.data(), KeptModuleOffset);
    }
    module.SetFileOffset(KeptModuleOffset);
}

void TXLSVBA::ReadModuleSource(const TExtraObjects& document, int32_t vba, TVBAModuleSource& module,
                               const rtl::UnicodeString& streamName) {
    const int32_t stream = document.Find(vba, streamName);
    if (!IsStream(document, stream)) {
        throw EBIFFError(rtl::Format(BIFFMessages::VBAModuleStreamMissing, {streamName}));
    }
    const std::vector<uint8_t>& data = document.Item(stream).Data;
    if (module.FileOffset() >= data.size()) {
        throw EBIFFError(rtl::Format(BIFFMessages::VBAModuleOffsetPastEnd,
                                     {module.Name(), module.FileOffset(), static_cast<int64_t>(data.size())}));
    }
    const std::vector<uint8_t> source = Decompress(data, module.FileOffset());
    // The source is what ends with its last line feed.
    const auto lastLineFeed = std::find(source.rbegin(), source.rend(), uint8_t{'\n'});
    const auto length = static_cast<size_t>(source.rend() - lastLineFeed);
    module.SetSource(Text8(std::span(source).first(length)));
}

rtl::UnicodeString TXLSVBA::Text8(std::span<const uint8_t> bytes) const {
    return rtl::AnsiToUnicode(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), FCodePage);
}

} // namespace xls
