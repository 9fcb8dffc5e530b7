// The handler of HLINK (MS-XLS 2.4.140): a hyperlink of a cell range, whose target is a URL, a file or a place in
// the workbook ([MS-OSHARED] 2.3.7 Hyperlink Object with its monikers), and of the HLINKTOOLTIP record that may
// follow it. Every count of the record is checked against the bytes that remain.

#include "rtl/text/Format.h"
#include "xls/biff/BIFF_Messages.h"
#include "xls/biff/BIFF_RecordIds.h"
#include "xls/biff/stream/BIFF_Utils.h"
#include "xls/biff/workbook/BIFF_Read.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <algorithm>
#include <array>

namespace xls {

namespace {

// The range at the start of the record, and the option word of the hyperlink object after its class id and version.
constexpr int32_t HLinkRow1 = 0;
constexpr int32_t HLinkRow2 = 2;
constexpr int32_t HLinkCol1 = 4;
constexpr int32_t HLinkCol2 = 6;
constexpr int32_t HLinkOptions = 28;
constexpr int32_t HLinkData = 32;

// Option bits of the hyperlink object ([MS-OSHARED] 2.3.7.1).
constexpr uint32_t HasMoniker = 0x0001;
constexpr uint32_t IsAbsolute = 0x0002;
constexpr uint32_t HasLocation = 0x0008;
constexpr uint32_t DisplayNameBits = 0x0014;
constexpr uint32_t HasFrameName = 0x0080;
constexpr uint32_t MonikerSavedAsString = 0x0100;
constexpr uint32_t NotPlainMoniker = 0x0160;
constexpr uint32_t NotStringMoniker = 0x0060;

// The kinds of hyperlink the model knows.
constexpr uint8_t KindURL = 1;
constexpr uint8_t KindFile = 2;
constexpr uint8_t KindUNC = 3;
constexpr uint8_t KindLocation = 4;

using TClassId = std::array<uint8_t, 16>;
// {79EAC9E0-BAF9-11CE-8C82-00AA004BA90B} and {00000303-0000-0000-C000-000000000046}, as stored.
constexpr TClassId URLMoniker = {0xE0, 0xC9, 0xEA, 0x79, 0xF9, 0xBA, 0xCE, 0x11,
                                 0x8C, 0x82, 0x00, 0xAA, 0x00, 0x4B, 0xA9, 0x0B};
constexpr TClassId FileMoniker = {0x03, 0x03, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                                  0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
// A file moniker's fixed fields between its 8-bit path and the size of its UTF-16 path.
constexpr int32_t FileMonikerFixedBytes = 24;
// HLINKTOOLTIP (MS-XLS 2.4.141): the text after the record id and the range.
constexpr int32_t TooltipText = 10;

uint8_t HyperlinkKind(uint32_t options) {
    if ((options & NotPlainMoniker) == 0 && (options & (HasMoniker | IsAbsolute)) == (HasMoniker | IsAbsolute)) {
        return KindURL;
    }
    if ((options & NotPlainMoniker) == 0 && (options & HasMoniker) != 0) {
        return KindFile;
    }
    const uint32_t stringMoniker = HasMoniker | IsAbsolute | MonikerSavedAsString;
    if ((options & NotStringMoniker) == 0 && (options & stringMoniker) == stringMoniker) {
        return KindUNC;
    }
    return (options & HasLocation) != 0 ? KindLocation : 0;
}

// The fields of the hyperlink object read one after another, each checked against what is left of the record.
class THyperlinkReader {
public:
    THyperlinkReader(TBIFFBody body, uint16_t id) : FBody(body), FId(id) {}

    bool AtClassId(const TClassId& classId) const {
        const std::span<const uint8_t> bytes = FBody.From(FOffset);
        return bytes.size() >= classId.size() && std::equal(classId.begin(), classId.end(), bytes.begin());
    }
    uint16_t Word() { return static_cast<uint16_t>(Take(2)); }
    uint32_t DWord() { return Take(4); }
    void Skip(int64_t count) {
        Need(count);
        FOffset += static_cast<int32_t>(count);
    }
    // A 32-bit count of UTF-16 characters, the last of them a NUL, and the characters.
    rtl::UnicodeString CountedText() { return UTF16(int64_t{DWord()} * 2); }
    // byteCount bytes of UTF-16 text, which ends at its first NUL if it has one.
    rtl::UnicodeString UTF16(int64_t byteCount) {
        Need(byteCount);
        const rtl::UnicodeString text = ZeroTerminatedToWide(FBody.From(FOffset), static_cast<int32_t>(byteCount + 2));
        FOffset += static_cast<int32_t>(byteCount);
        return text;
    }
    // count 8-bit characters, the last of them a NUL.
    rtl::UnicodeString ZeroTerminated8(int64_t count) {
        Need(count);
        const std::span<const uint8_t> bytes = FBody.From(FOffset).first(static_cast<size_t>(count));
        FOffset += static_cast<int32_t>(count);
        const auto end = std::find(bytes.begin(), bytes.end(), 0);
        return BytesToWide(bytes, static_cast<int32_t>(end - bytes.begin()));
    }
    void Seek(int32_t offset) { FOffset = offset; }

private:
    uint32_t Take(int32_t size) {
        Need(size);
        const uint32_t value = size == 2 ? FBody.Word(FOffset) : FBody.DWord(FOffset);
        FOffset += size;
        return value;
    }
    void Need(int64_t count) const {
        if (count < 0 || count > FBody.Size() - FOffset) {
            throw EBIFFError(rtl::Format(BIFFMessages::FieldPastEnd, {FId, count, FOffset, FBody.Size()}));
        }
    }

    TBIFFBody FBody;
    uint16_t FId;
    int32_t FOffset = 0;
};

// The path of a file moniker ([MS-OSHARED] 2.3.7.8), with "..\" for each step up it makes.
rtl::UnicodeString FileMonikerPath(THyperlinkReader& reader) {
    const uint16_t stepsUp = reader.Word();
    rtl::UnicodeString path = reader.ZeroTerminated8(reader.DWord());
    reader.Skip(FileMonikerFixedBytes);
    if (reader.DWord() != 0) {
        const uint32_t byteCount = reader.DWord();
        reader.Skip(2);
        path = reader.UTF16(byteCount);
    }
    rtl::UnicodeString prefix;
    for (uint16_t i = 0; i < stepsUp; ++i) {
        prefix += u"..\\";
    }
    return prefix + path;
}

} // namespace

void TXLSReadBIFF::ReadHLink() {
    if (!InSheet()) {
        return;
    }
    const TBIFFBody body = Body();
    TXc12Hyperlink& link = *FCurrentWorksheet->GetHyperlinks().Add();
    link.SetArea(body.Word(HLinkCol1), body.Word(HLinkRow1), body.Word(HLinkCol2), body.Word(HLinkRow2));
    uint32_t options = body.DWord(HLinkOptions);
    const uint8_t kind = HyperlinkKind(options);
    link.SetKind(kind);
    if (kind == 0) {
        return;
    }
    THyperlinkReader reader(body, FHeader.RecID);
    reader.Seek(HLinkData);
    if (reader.AtClassId(URLMoniker) || reader.AtClassId(FileMoniker)) {
        options &= ~(DisplayNameBits | HasFrameName);
    }
    if ((options & DisplayNameBits) == DisplayNameBits) {
        link.SetDisplay(reader.CountedText());
    }
    if ((options & HasFrameName) != 0) {
        link.SetTargetFrame(reader.CountedText());
    }
    if (kind == KindURL || kind == KindFile) {
        if (reader.AtClassId(URLMoniker)) {
            reader.Skip(URLMoniker.size());
            link.SetAddress(reader.UTF16(reader.DWord()));
        } else if (reader.AtClassId(FileMoniker)) {
            reader.Skip(FileMoniker.size());
            link.SetAddress(FileMonikerPath(reader));
        }
    } else if (kind == KindUNC) {
        link.SetAddress(reader.CountedText());
    }
    if ((options & HasLocation) != 0) {
        // A display text that names the place after a "#" gives it; otherwise the record does.
        const rtl::UnicodeString& display = link.GetDisplay();
        const size_t hash = display.find(u'#', 1);
        link.SetLocation(hash != rtl::UnicodeString::npos ? display.substr(hash + 1) : reader.CountedText());
        if (kind == KindLocation) {
            link.SetAddress(link.GetLocation());
        }
    }
    if (FStream.PeekRecordId() == BIFFRecordHLinkTooltip) {
        ReadNextRecord(FFollowingBody);
        const std::span<const uint8_t> text = TBIFFBody(FFollowingBody).From(TooltipText);
        link.SetTooltip(ZeroTerminatedToWide(text, static_cast<int32_t>(text.size() + 2)));
    }
}

} // namespace xls
