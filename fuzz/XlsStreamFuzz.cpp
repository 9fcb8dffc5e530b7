// Opens the input as an .xls file through the BIFF record stream, keeping a copy of the compound document's other
// elements, reads the VBA project from that copy, and walks its records as the reader does: headers and bodies, sheet
// names by their counts, the drawing group read on across its continuations, and a FILEPASS answered with the
// default password, so that what follows is decrypted.

#include "FuzzInput.h"
#include "rtl/core/Exceptions.h"
#include "xls/biff/stream/BIFF_ExtraObjects.h"
#include "xls/biff/stream/BIFF_FilePass.h"
#include "xls/biff/stream/BIFF_Stream.h"
#include "xls/biff/vba/BIFF_VBA.h"
#include "xls/core/base/XLSErrorManager.h"

#include <algorithm>
#include <vector>

namespace {

constexpr uint16_t RecordBoundSheet = 0x0085;
constexpr uint16_t RecordFilePass = 0x002F;
// A BOUNDSHEET body (MS-XLS 2.4.28): stream position, visibility, type, then the name's count byte and flagged text.
constexpr int32_t BoundSheetNameCount = 6;
constexpr int32_t ChunkSize = 4096;

// Reads the drawing group as its reader does: its OfficeArt container's length (MS-ODRAW 2.2.1, bytes 4-7 of the
// 8-byte header) runs on across the CONTINUE records that follow.
void ReadDrawingGroup(xls::TXLSStream& stream, std::vector<uint8_t>& buffer) {
    stream.BeginContinueRead();
    buffer.resize(ChunkSize);
    if (stream.Read(buffer.data(), 8) == 8) {
        int64_t wanted = buffer[4] | buffer[5] << 8 | buffer[6] << 16 | int64_t{buffer[7]} << 24;
        while (wanted > 0) {
            const int32_t got = stream.Read(buffer.data(), static_cast<int32_t>(std::min<int64_t>(wanted, ChunkSize)));
            if (got == 0) {
                break;
            }
            wanted -= got;
        }
    }
    stream.EndContinueRead();
}

// Reads the sheet name of a BOUNDSHEET body just read, by its count, and leaves the stream at the record's end.
void ReadBoundSheetName(xls::TXLSStream& stream, const std::vector<uint8_t>& body) {
    if (body.size() <= BoundSheetNameCount) {
        return;
    }
    const int64_t end = stream.Position();
    stream.Seek(end - static_cast<int64_t>(body.size()) + BoundSheetNameCount + 1, rtl::soBeginning);
    rtl::UnicodeString name;
    stream.ReadUnicodeString(body[BoundSheetNameCount], name);
    stream.Seek(end, rtl::soBeginning);
}

// A damaged project fails on its own; the records are walked all the same.
void ReadVBAProject(const xls::TExtraObjects& extras) {
    try {
        xls::TXLSVBA vba;
        vba.ReadProject(extras);
    } catch (const rtl::Exception&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::TInputStream input(data, size);
    xls::TXLSErrorManager errors;
    errors.SetMuted(true);
    xls::TXLSStream stream(errors);
    xls::TExtraObjects extras;
    stream.SetSourceStream(&input);
    stream.SetExtraObjects(&extras);
    try {
        const xls::TExcelVersion version = stream.OpenFile(u"");
        if (version == xls::xvNone) {
            return 0;
        }
        ReadVBAProject(extras);
        std::vector<uint8_t> body;
        xls::TBIFFHeader header;
        while (stream.ReadHeader(header) == 4) {
            if (header.RecID == xls::BIFFRecordMsoDrawingGroup) {
                ReadDrawingGroup(stream, body);
                continue;
            }
            body.resize(header.Length);
            if (stream.Read(body.data(), header.Length) < header.Length) {
                break;
            }
            if (header.RecID == RecordBoundSheet) {
                ReadBoundSheetName(stream, body);
            } else if (header.RecID == RecordFilePass) {
                stream.SetPassword(xls::FilePassEncryption(body, version), xls::BIFFDefaultPassword);
            }
        }
    } catch (const rtl::Exception&) {
    }
    return 0;
}
