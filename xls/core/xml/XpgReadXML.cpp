#include "xls/core/xml/XpgReadXML.h"

#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"
#include "xls/core/base/XLSReadLimits.h"
#include "xls/core/xml/XpgMessages.h"
#include "xls/core/xml/XpgNameHash.h"
#include "xls/core/xml/XpgTextDecoder.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace xls {

namespace {

// The raw attribute array grows by this many entries at a time.
constexpr size_t RawAttributeStep = 255;
// How many bytes a search tests one by one before it hands the rest to memchr.
constexpr ptrdiff_t QuickSearchLength = 16;
// A stream shorter than the shortest tag ("<a>") holds nothing to report.
constexpr size_t MinimumContent = 3;

constexpr std::string_view CommentOpener = "<!--";
constexpr std::string_view CommentCloser = "-->";
constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

// Byte classes of the scanning loops, looked up in one table so that each loop tests one condition per byte.
enum TByteClass : uint8_t {
    bcWhitespace = 1,       // tab, line feed, carriage return, blank
    bcTagNameEnd = 2,       // whitespace and ">"
    bcAttributeNameEnd = 4, // whitespace, ">", "=", "/", "?" and quotes
    bcUnquotedValueEnd = 8, // whitespace and ">"
    bcLineBreak = 16,       // carriage return and line feed
};

constexpr std::array<uint8_t, 256> MakeByteClasses() {
    std::array<uint8_t, 256> classes{};
    for (const unsigned char byte : {'\t', '\n', '\r', ' '}) {
        classes[byte] = bcWhitespace | bcTagNameEnd | bcAttributeNameEnd | bcUnquotedValueEnd;
    }
    classes['>'] = bcTagNameEnd | bcAttributeNameEnd | bcUnquotedValueEnd;
    for (const unsigned char byte : {'=', '/', '?', '"', '\''}) {
        classes[byte] = bcAttributeNameEnd;
    }
    classes['\r'] |= bcLineBreak;
    classes['\n'] |= bcLineBreak;
    return classes;
}

constexpr std::array<uint8_t, 256> ByteClasses = MakeByteClasses();

bool HasClass(char byte, TByteClass byteClass) {
    return (ByteClasses[static_cast<unsigned char>(byte)] & byteClass) != 0;
}

bool IsQuote(char byte) {
    return byte == '"' || byte == '\'';
}

// Parts hold few line feeds, so searching for each is faster than testing every byte.
uint32_t CountLineFeeds(const char* first, const char* last) {
    uint32_t count = 0;
    while (first < last &&
           (first = static_cast<const char*>(std::memchr(first, '\n', static_cast<size_t>(last - first)))) != nullptr) {
        ++count;
        ++first;
    }
    return count;
}

// Whether the bytes from p to end open marker: yes, no, or not yet known because they end first.
enum class TMatch : uint8_t { Yes, No, Unknown };

TMatch Opens(const char* p, const char* end, std::string_view marker) {
    const size_t available = static_cast<size_t>(end - p);
    const size_t compared = std::min(available, marker.size());
    if (std::memcmp(p, marker.data(), compared) != 0) {
        return TMatch::No;
    }
    return compared == marker.size() ? TMatch::Yes : TMatch::Unknown;
}

} // namespace

// One parse: the buffer, the stream behind it, and the scanning of the constructs in the buffer. Every scanning
// function returns the position after what it scanned, or nullptr when the buffer ends inside it; no hook is called
// before a construct is known to be whole, so a construct cut by the buffer's end is scanned again, whole, after the
// next read.
class TXpgReadXML::TScanner {
public:
    TScanner(TXpgReadXML& reader, rtl::TStream& stream, bool loose)
        : FReader(reader), FStream(stream), FLoose(loose), FRawCapacity(reader.FRawAttributes.size()) {}
    TScanner(const TScanner&) = delete;
    TScanner& operator=(const TScanner&) = delete;
    ~TScanner();

    int64_t Run();

private:
    void Fill();
    // Moves the unscanned bytes from keep on to the start of the buffer, or doubles the buffer when keep is its start.
    void MakeRoom(const char* keep);
    const char* SkipByteOrderMark(const char* p) const;

    const char* Tokenize(const char* p);
    const char* ScanConstruct(const char* lessThan);
    const char* ScanTag(const char* lessThan);
    const char* ScanMarkup(const char* lessThan);
    const char* ScanComment(const char* lessThan);
    const char* ScanAttributes(const char* p);
    const char* ScanText(const char* p);
    // The end of a CDATA section that may open at lessThan: after its "]]>", lessThan itself when none opens there, or
    // nullptr when the buffer ends first.
    const char* SkipCData(const char* lessThan) const;
    void SetName(const char* first, const char* last, const char* colon);
    void SetText(const char* first, const char* last);
    void ForgetTag();
    // Drops every range into the buffer, before its bytes move or go.
    void ForgetRanges();
    void AddRawAttribute(std::string_view name, std::string_view value) {
        const auto count = static_cast<size_t>(FReader.FRawCount);
        if (count == FRawCapacity) {
            GrowRawAttributes();
        }
        FReader.FRawAttributes[count].SetRaw(name, value);
        ++FReader.FRawCount;
    }
    // Makes room for more attributes of one tag, up to the limit.
    [[gnu::noinline]] void GrowRawAttributes();

    // Most searches end within a few bytes (the quote after "1", the "<" after "<v>12"), where a call costs more than
    // the search; longer ones go to memchr.
    const char* Find(const char* p, char byte) const {
        const char* quickEnd = FEnd - p > QuickSearchLength ? p + QuickSearchLength : FEnd;
        for (; p < quickEnd; ++p) {
            if (*p == byte) {
                return p;
            }
        }
        return p < FEnd ? static_cast<const char*>(std::memchr(p, byte, static_cast<size_t>(FEnd - p))) : nullptr;
    }
    const char* Find(const char* p, std::string_view text) const {
        const char* found = std::search(p, FEnd, text.begin(), text.end());
        return found == FEnd ? nullptr : found;
    }
    const char* Skip(const char* p, TByteClass byteClass) const {
        while (p < FEnd && HasClass(*p, byteClass)) {
            ++p;
        }
        return p;
    }
    const char* SkipUntil(const char* p, TByteClass byteClass) const {
        while (p < FEnd && !HasClass(*p, byteClass)) {
            ++p;
        }
        return p;
    }

    TXpgReadXML& FReader;
    rtl::TStream& FStream;
    const bool FLoose;
    std::unique_ptr<char[]> FBuffer;
    size_t FCapacity = 0;
    size_t FFilled = 0;
    const char* FEnd = nullptr;
    bool FAtEnd = false;
    int64_t FTotal = 0;
    // The size of the reader's raw attribute array, kept here because the array's own size costs a division.
    size_t FRawCapacity;
};

TXpgReadXML::TScanner::~TScanner() {
    // The count of line feeds outlives the buffer, so that a caller can still tell where a failed parse stopped.
    FReader.Line();
    FReader.FLineCountedTo = nullptr;
    FReader.FConstructStart = nullptr;
    ForgetRanges();
}

int64_t TXpgReadXML::TScanner::Run() {
    FCapacity = XpgReadBufferSize;
    FBuffer = std::make_unique_for_overwrite<char[]>(FCapacity);
    FReader.FLineCountedTo = FBuffer.get();
    FReader.FConstructStart = FBuffer.get();
    FReader.FLineCount = 0;
    Fill();
    if (FAtEnd && FFilled < MinimumContent) {
        return 0;
    }
    const char* p = SkipByteOrderMark(FBuffer.get());
    for (;;) {
        FEnd = FBuffer.get() + FFilled;
        p = Tokenize(p);
        if (FReader.FStop || FAtEnd) {
            return FTotal;
        }
        MakeRoom(p);
        p = FBuffer.get();
        Fill();
    }
}

void TXpgReadXML::TScanner::Fill() {
    while (FFilled < FCapacity) {
        const int32_t count = FStream.Read(FBuffer.get() + FFilled, static_cast<int32_t>(FCapacity - FFilled));
        if (count <= 0) {
            FAtEnd = true;
            return;
        }
        FFilled += static_cast<size_t>(count);
        FTotal += count;
    }
}

void TXpgReadXML::TScanner::MakeRoom(const char* keep) {
    FReader.FLineCount += CountLineFeeds(FReader.FLineCountedTo, keep);
    FReader.FLineCountedTo = keep;
    const size_t kept = static_cast<size_t>(FEnd - keep);
    if (keep != FBuffer.get()) {
        std::memmove(FBuffer.get(), keep, kept);
    } else {
        // One construct fills the whole buffer (the last fill stopped only because the buffer was full).
        if (FCapacity >= static_cast<size_t>(XpgMaxConstructBytes)) {
            throw rtl::Exception(rtl::Format(XpgMessages::ConstructTooLong, {XpgMaxConstructBytes}));
        }
        auto larger = std::make_unique_for_overwrite<char[]>(FCapacity * 2);
        std::memcpy(larger.get(), FBuffer.get(), kept);
        FBuffer = std::move(larger);
        FCapacity *= 2;
    }
    FFilled = kept;
    FReader.FLineCountedTo = FBuffer.get();
    FReader.FConstructStart = FBuffer.get();
    ForgetRanges();
}

const char* TXpgReadXML::TScanner::SkipByteOrderMark(const char* p) const {
    const std::string_view start(p, std::min(FFilled, Utf8ByteOrderMark.size()));
    if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF")) {
        throw rtl::Exception(rtl::Format(XpgMessages::UnsupportedEncoding, {u"utf-16"}));
    }
    return start == Utf8ByteOrderMark ? p + Utf8ByteOrderMark.size() : p;
}

const char* TXpgReadXML::TScanner::Tokenize(const char* p) {
    while (!FReader.FStop) {
        const char* lessThan = Find(p, '<');
        if (lessThan == nullptr) {
            // Bytes between constructs are skipped; at the end only whitespace may follow the last one.
            if (FAtEnd && Skip(p, bcWhitespace) != FEnd) {
                throw rtl::Exception(XpgMessages::MissingLessThan);
            }
            return FEnd;
        }
        FReader.FConstructStart = lessThan;
        if (FReader.FRawConstructReader != nullptr) {
            const char* afterRaw = FReader.FRawConstructReader->ReadRaw(lessThan, FEnd);
            if (afterRaw != lessThan) {
                p = afterRaw;
                continue;
            }
        }
        const char* next = ScanConstruct(lessThan);
        if (next == nullptr) {
            if (FAtEnd) {
                throw rtl::Exception(XpgMessages::UnexpectedEndOfFile);
            }
            return lessThan;
        }
        p = next;
    }
    return p;
}

const char* TXpgReadXML::TScanner::ScanConstruct(const char* lessThan) {
    if (lessThan + 1 == FEnd) {
        return nullptr;
    }
    return lessThan[1] == '!' ? ScanMarkup(lessThan) : ScanTag(lessThan);
}

const char* TXpgReadXML::TScanner::ScanTag(const char* lessThan) {
    enum class TKind : uint8_t { Begin, End, Instruction } kind = TKind::Begin;
    const char* p = lessThan + 1;
    if (*p == '/' || *p == '?') {
        kind = *p == '/' ? TKind::End : TKind::Instruction;
        ++p;
    }
    p = Skip(p, bcWhitespace);
    const char* nameStart = p;
    const char* colon = nullptr;
    for (; p < FEnd && !HasClass(*p, bcTagNameEnd); ++p) {
        if (*p == ':') {
            colon = p;
        }
    }
    if (p == FEnd) {
        return nullptr;
    }
    const char* nameEnd = p;
    if (nameEnd > nameStart && (nameEnd[-1] == '/' || (kind == TKind::Instruction && nameEnd[-1] == '?'))) {
        --nameEnd;
    }
    if (kind == TKind::End) {
        const char* greaterThan = Find(p, '>');
        if (greaterThan == nullptr) {
            return nullptr;
        }
        ForgetTag();
        SetName(nameStart, nameEnd, colon);
        FReader.EndTag();
        return greaterThan + 1;
    }
    const char* greaterThan = ScanAttributes(p);
    if (greaterThan == nullptr) {
        return nullptr;
    }
    if (kind == TKind::Instruction) {
        ForgetTag();
        SetName(nameStart, nameEnd, colon);
        FReader.ProcessingInstruction();
        return greaterThan + 1;
    }
    const bool empty = greaterThan[-1] == '/';
    const char* next = greaterThan + 1;
    if (empty) {
        SetText(next, next);
    } else if ((next = ScanText(next)) == nullptr) {
        return nullptr;
    }
    SetName(nameStart, nameEnd, colon);
    FReader.FAttributes.SetRaw(FReader.FRawAttributes, FReader.FRawCount);
    FReader.BeginTag();
    if (empty) {
        FReader.EndTag();
    }
    return next;
}

// Attributes are name="value" or name='value', blanks allowed around "="; ParseLoose also takes unquoted values.
// Anything else (a name without a value, stray characters) is passed over. Returns the tag's closing ">".
const char* TXpgReadXML::TScanner::ScanAttributes(const char* p) {
    FReader.FRawCount = 0;
    for (;;) {
        p = Skip(p, bcWhitespace);
        if (p == FEnd) {
            return nullptr;
        }
        if (*p == '>') {
            return p;
        }
        if (IsQuote(*p)) {
            const char* close = Find(p + 1, *p);
            if (close == nullptr) {
                return nullptr;
            }
            p = close + 1;
            continue;
        }
        if (HasClass(*p, bcAttributeNameEnd)) {
            ++p;
            continue;
        }
        const char* nameStart = p;
        p = SkipUntil(p, bcAttributeNameEnd);
        const std::string_view name(nameStart, static_cast<size_t>(p - nameStart));
        p = Skip(p, bcWhitespace);
        if (p == FEnd || *p != '=') {
            continue;
        }
        p = Skip(p + 1, bcWhitespace);
        if (p == FEnd) {
            return nullptr;
        }
        if (IsQuote(*p)) {
            const char* close = Find(p + 1, *p);
            if (close == nullptr) {
                return nullptr;
            }
            AddRawAttribute(name, std::string_view(p + 1, static_cast<size_t>(close - p - 1)));
            p = close + 1;
        } else if (FLoose) {
            const char* valueStart = p;
            p = SkipUntil(p, bcUnquotedValueEnd);
            if (p == FEnd) {
                return nullptr;
            }
            if (p > valueStart) {
                AddRawAttribute(name, std::string_view(valueStart, static_cast<size_t>(p - valueStart)));
            }
        }
    }
}

void TXpgReadXML::TScanner::GrowRawAttributes() {
    if (FRawCapacity >= static_cast<size_t>(XpgMaxTagAttributes)) {
        throw rtl::Exception(rtl::Format(XpgMessages::TooManyAttributes, {XpgMaxTagAttributes}));
    }
    FReader.FRawAttributes.resize(FRawCapacity + RawAttributeStep);
    FRawCapacity = FReader.FRawAttributes.size();
}

// The character data after a begin tag runs to the next "<" that does not open a CDATA section (sections count as
// part of the text), or to the end of the stream.
const char* TXpgReadXML::TScanner::ScanText(const char* p) {
    const char* textEnd = p;
    for (;;) {
        const char* lessThan = Find(textEnd, '<');
        if (lessThan == nullptr) {
            if (!FAtEnd) {
                return nullptr;
            }
            textEnd = FEnd;
            break;
        }
        const char* afterSection = SkipCData(lessThan);
        if (afterSection == lessThan) {
            textEnd = lessThan;
            break;
        }
        if (afterSection == nullptr) {
            return nullptr;
        }
        textEnd = afterSection;
    }
    SetText(p, textEnd);
    return textEnd;
}

const char* TXpgReadXML::TScanner::SkipCData(const char* lessThan) const {
    if (lessThan + 1 < FEnd && lessThan[1] != '!') {
        return lessThan;
    }
    switch (Opens(lessThan, FEnd, XpgCDataOpener)) {
    case TMatch::No:
        return lessThan;
    case TMatch::Unknown:
        // At the end of the stream the "<" starts the next construct, which reports the end.
        return FAtEnd ? lessThan : nullptr;
    case TMatch::Yes:
        break;
    }
    const char* closer = Find(lessThan + XpgCDataOpener.size(), XpgCDataCloser);
    return closer == nullptr ? nullptr : closer + XpgCDataCloser.size();
}

// "<!" opens a comment, a CDATA section outside element text (skipped), or a declaration (skipped to its ">").
// ParseLoose ends every one of them at its first ">".
const char* TXpgReadXML::TScanner::ScanMarkup(const char* lessThan) {
    const TMatch comment = Opens(lessThan, FEnd, CommentOpener);
    if (comment == TMatch::Unknown) {
        return nullptr;
    }
    if (comment == TMatch::Yes) {
        return ScanComment(lessThan);
    }
    if (!FLoose) {
        const char* afterSection = SkipCData(lessThan);
        if (afterSection != lessThan) {
            return afterSection;
        }
    }
    const char* greaterThan = Find(lessThan, '>');
    return greaterThan == nullptr ? nullptr : greaterThan + 1;
}

const char* TXpgReadXML::TScanner::ScanComment(const char* lessThan) {
    const char* textStart = lessThan + CommentOpener.size();
    const char* textEnd = nullptr;
    const char* next = nullptr;
    if (FLoose) {
        const char* greaterThan = Find(textStart, '>');
        if (greaterThan == nullptr) {
            return nullptr;
        }
        next = greaterThan + 1;
        textEnd = greaterThan - textStart >= 2 && std::string_view(greaterThan - 2, 2) == "--" ? greaterThan - 2
                                                                                               : greaterThan;
    } else {
        textEnd = Find(textStart, CommentCloser);
        if (textEnd == nullptr) {
            return nullptr;
        }
        next = textEnd + CommentCloser.size();
    }
    ForgetTag();
    FReader.FCommentRange = std::string_view(textStart, static_cast<size_t>(textEnd - textStart));
    FReader.Comment();
    return next;
}

// The ranges are made locally and then stored: reading a range back right after storing it stalls the processor.
void TXpgReadXML::TScanner::SetName(const char* first, const char* last, const char* colon) {
    const std::string_view qualified(first, static_cast<size_t>(last - first));
    const bool hasPrefix = colon != nullptr && colon < last;
    FReader.FQualifiedName = qualified;
    FReader.FHasPrefix = hasPrefix;
    if (hasPrefix) {
        FReader.FPrefix = std::string_view(first, static_cast<size_t>(colon - first));
        FReader.FLocalName = std::string_view(colon + 1, static_cast<size_t>(last - colon - 1));
    } else {
        FReader.FPrefix = {};
        FReader.FLocalName = qualified;
    }
    FReader.FTagNameValid = false;
    FReader.FLocalNameValid = false;
}

void TXpgReadXML::TScanner::SetText(const char* first, const char* last) {
    if (FLoose && !FReader.FKeepLineBreaks) {
        while (first < last && HasClass(*first, bcLineBreak)) {
            ++first;
        }
    }
    FReader.FText = std::string_view(first, static_cast<size_t>(last - first));
    FReader.FHasText = first < last;
    FReader.FDecodedTextValid = false;
}

// Constructs other than begin tags carry no text and no attribute list.
void TXpgReadXML::TScanner::ForgetTag() {
    SetText(nullptr, nullptr);
    FReader.FAttributes.Clear();
}

void TXpgReadXML::TScanner::ForgetRanges() {
    ForgetTag();
    SetName(nullptr, nullptr, nullptr);
    FReader.FCommentRange = {};
    FReader.FRawCount = 0;
}

TXpgReadXML::TXpgReadXML() : FRawAttributes(RawAttributeStep) {}

TXpgReadXML::~TXpgReadXML() = default;

void TXpgReadXML::Clear() {
    FStop = false;
}

int64_t TXpgReadXML::Parse(rtl::TStream& stream) {
    return Run(stream, false);
}

int64_t TXpgReadXML::ParseLoose(rtl::TStream& stream) {
    return Run(stream, true);
}

int64_t TXpgReadXML::Run(rtl::TStream& stream, bool loose) {
    FStream = &stream;
    struct TStreamReset {
        rtl::TStream*& Stream;
        ~TStreamReset() { Stream = nullptr; }
    } streamReset{FStream};
    TScanner scanner(*this, stream, loose);
    return scanner.Run();
}

void TXpgReadXML::ProcessingInstruction() {
    rtl::UnicodeString encoding;
    if (!IsLocalName(u"xml") || !GetRawAttribute(u"encoding", encoding) || encoding.empty()) {
        return;
    }
    if (rtl::LowerCase(encoding) != u"utf-8") {
        throw rtl::Exception(rtl::Format(XpgMessages::UnsupportedEncoding, {encoding}));
    }
}

void TXpgReadXML::BeginTag() {}

void TXpgReadXML::EndTag() {}

void TXpgReadXML::Comment() {}

const rtl::UnicodeString& TXpgReadXML::GetTagName() const {
    if (!FTagNameValid) {
        XpgWidenBytes(FQualifiedName, FTagName);
        FTagNameValid = true;
    }
    return FTagName;
}

const rtl::UnicodeString& TXpgReadXML::GetLocalName() const {
    if (!FLocalNameValid) {
        XpgWidenBytes(FLocalName, FLocalNameText);
        FLocalNameValid = true;
    }
    return FLocalNameText;
}

bool TXpgReadXML::IsLocalName(rtl::UnicodeStringView text) const {
    return std::equal(FLocalName.begin(), FLocalName.end(), text.begin(), text.end(),
                      [](char byte, char16_t unit) { return static_cast<unsigned char>(byte) == (unit & 0xFF); });
}

const rtl::UnicodeString& TXpgReadXML::GetText() const {
    if (!FDecodedTextValid) {
        XpgDecodeText(FText, FDecodedText);
        FDecodedTextValid = true;
    }
    return FDecodedText;
}

void TXpgReadXML::DecodeText(rtl::UnicodeString& target) const {
    // Decoded aside and swapped in, so that a failed decoding leaves target as it was; the two strings trade their
    // capacities instead of copying.
    XpgDecodeText(FText, FDecodedText);
    target.swap(FDecodedText);
    FDecodedTextValid = false;
}

bool TXpgReadXML::GetRawAttribute(rtl::UnicodeStringView name, rtl::UnicodeString& value) const {
    for (int32_t i = 0; i < FRawCount; ++i) {
        const TXpgXmlAttribute& attribute = FRawAttributes[static_cast<size_t>(i)];
        const std::string_view rawName = attribute.RawName();
        if (std::equal(rawName.begin(), rawName.end(), name.begin(), name.end(),
                       [](char byte, char16_t unit) { return static_cast<unsigned char>(byte) == unit; })) {
            XpgWidenBytes(attribute.RawValue(), value);
            return true;
        }
    }
    return false;
}

uint32_t TXpgReadXML::Line() const {
    if (FLineCountedTo != nullptr && FConstructStart != nullptr && FConstructStart > FLineCountedTo) {
        FLineCount += CountLineFeeds(FLineCountedTo, FConstructStart);
        FLineCountedTo = FConstructStart;
    }
    return FLineCount;
}

} // namespace xls
