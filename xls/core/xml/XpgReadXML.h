#pragma once
// The event-driven XML reader under every part the library reads. It never builds a tree: it reads the stream into
// one buffer, finds each processing instruction, begin tag, end tag and comment in place, and calls the matching hook
// of a descendant. Inside a hook the tag's name, attributes and the character data after a begin tag are byte ranges
// of the buffer, so a descendant can dispatch on a hash of the name without converting anything; it asks for UTF-16
// text only where it keeps some.
//
// A construct is always handed over whole: when the buffer ends inside a tag, or inside the text that follows a
// begin tag, the reader keeps the unfinished part, reads more behind it, and grows the buffer when one construct
// fills it. Only UTF-8 parts are read. The reader does not validate: it checks what it needs to find constructs,
// reports a stream that ends inside one, and decodes references strictly.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"
#include "xls/core/xml/XpgAttributeList.h"
#include "xls/core/xml/XpgNameHash.h"

#include <cstdint>
#include <string_view>

namespace rtl {
class TStream;
} // namespace rtl

namespace xls {

// A reader of some constructs of a part, straight from the buffer, for a part whose common constructs have a form
// known ahead (the rows of a sheet): it reads them without the hooks, and leaves every other construct to the reader.
class TXpgRawConstructReader {
public:
    virtual ~TXpgRawConstructReader() = default;
    // Called at each construct's "<", with the bytes that follow it in the buffer up to end. Returns the position
    // after what it read, or lessThan itself to leave the construct to the reader's hooks: also whenever the buffer
    // ends inside what it would read, so that it never waits for more bytes.
    virtual const char* ReadRaw(const char* lessThan, const char* end) = 0;
};

// The buffer starts this large and doubles whenever one construct fills it.
inline constexpr int32_t XpgReadBufferSize = 0x10000;

// Base of every part reader: tokenizes a UTF-8 XML stream and calls a hook per construct.
class TXpgReadXML : public rtl::TObject {
public:
    TXpgReadXML();
    ~TXpgReadXML() override;

    // Resets Stop, so that the next parse runs.
    virtual void Clear();
    // Reads the stream from its position to its end (or until Stop is set), calling the hooks in document order, and
    // returns the bytes read. A stream of fewer than three bytes holds no tag: nothing is reported and 0 returned.
    // Raises rtl::Exception with the messages of XpgMessages for a stream that is not XML the reader can take.
    virtual int64_t Parse(rtl::TStream& stream);
    // As Parse, for markup that is not well-formed XML: unquoted attribute values are taken, a comment or declaration
    // ends at its first ">", and unless KeepLineBreaks is set the leading line breaks of a text are dropped.
    virtual int64_t ParseLoose(rtl::TStream& stream);

    // Hooks, called synchronously by the parse. The base checks that an XML declaration names UTF-8.
    virtual void ProcessingInstruction();
    virtual void BeginTag();
    virtual void EndTag();
    virtual void Comment();

    // Inside a hook: the current tag's name as written, its prefix (empty without a colon) and its local name (for a
    // processing instruction the target without "?"). The byte ranges stay valid until the hook returns.
    std::string_view QualifiedName() const { return FQualifiedName; }
    std::string_view Prefix() const { return FPrefix; }
    bool HasPrefix() const { return FHasPrefix; }
    std::string_view LocalName() const { return FLocalName; }
    // The names widened byte by byte; the strings are the reader's own and change with the next tag.
    const rtl::UnicodeString& GetTagName() const;
    const rtl::UnicodeString& GetLocalName() const;
    // True when the local name has the length of text and each byte equals the low byte of its character.
    bool IsLocalName(rtl::UnicodeStringView text) const;
    uint32_t TagSumHash() const { return XpgByteSumHash(FQualifiedName); }
    uint32_t TagMulHash() const { return XpgByteMulHash(FQualifiedName); }
    bool LocalStartsWithC() const { return LocalStartsWith('c'); }
    bool LocalStartsWithV() const { return LocalStartsWith('v'); }

    // Inside BeginTag: whether character data follows the begin tag, its bytes as written, and its decoded text
    // (empty when there is none). The decoded string is the reader's own and changes with the next tag; raises
    // rtl::Exception for an unknown entity.
    bool HasText() const { return FHasText; }
    std::string_view Text() const { return FText; }
    const rtl::UnicodeString& GetText() const;
    // The decoded text as GetText gives it, written straight into target (its capacity reused) for a hook that keeps
    // it; raises as GetText does.
    void DecodeText(rtl::UnicodeString& target) const;
    // Inside Comment: the comment's text as written.
    std::string_view CommentRange() const { return FCommentRange; }

    // Inside BeginTag (and the EndTag of an empty-element tag): the decoded attributes.
    const TXpgXMLAttributeList& Attributes() const { return FAttributes; }
    // The attributes recorded for the current tag as written, also for processing instructions.
    const TXpgXmlAttributeArray& RawAttributes() const { return FRawAttributes; }
    int32_t RawCount() const { return FRawCount; }
    // Looks a raw attribute of the current tag up by exact name (bytes widened, case-sensitive) and on a match sets
    // value to its bytes widened, without decoding; returns whether it matched and leaves value alone otherwise.
    bool GetRawAttribute(rtl::UnicodeStringView name, rtl::UnicodeString& value) const;

    // The line feeds of the stream before the current construct: the construct starts on line Line() + 1.
    uint32_t Line() const;

    // The stream being parsed (not owned); nullptr outside a parse.
    rtl::TStream* Stream() const { return FStream; }
    // A hook sets Stop to end the parse after the current construct; Clear resets it.
    bool Stop() const { return FStop; }
    void SetStop(bool stop) { FStop = stop; }
    // Read by the simple DOM: keep the blanks around element text.
    bool KeepWhitespace() const { return FKeepWhitespace; }
    void SetKeepWhitespace(bool keep) { FKeepWhitespace = keep; }
    // Read by ParseLoose: keep the leading line breaks of element text.
    bool KeepLineBreaks() const { return FKeepLineBreaks; }
    void SetKeepLineBreaks(bool keep) { FKeepLineBreaks = keep; }
    // The raw construct reader asked first at each construct of the next parses (not owned); nullptr for none.
    void SetRawConstructReader(TXpgRawConstructReader* reader) { FRawConstructReader = reader; }

private:
    // One parse's buffer and scanning, in the source file.
    class TScanner;

    bool LocalStartsWith(char first) const { return !FLocalName.empty() && FLocalName.front() == first; }
    int64_t Run(rtl::TStream& stream, bool loose);

    rtl::TStream* FStream = nullptr;                       // not owned
    TXpgRawConstructReader* FRawConstructReader = nullptr; // not owned
    bool FStop = false;
    bool FKeepWhitespace = false;
    bool FKeepLineBreaks = false;

    std::string_view FQualifiedName;
    std::string_view FPrefix;
    std::string_view FLocalName;
    bool FHasPrefix = false;
    std::string_view FText;
    bool FHasText = false;
    std::string_view FCommentRange;
    TXpgXmlAttributeArray FRawAttributes;
    int32_t FRawCount = 0;
    TXpgXMLAttributeList FAttributes;

    // Conversions made on request for the current construct.
    mutable rtl::UnicodeString FTagName;
    mutable rtl::UnicodeString FLocalNameText;
    mutable rtl::UnicodeString FDecodedText;
    mutable bool FTagNameValid = false;
    mutable bool FLocalNameValid = false;
    mutable bool FDecodedTextValid = false;

    // Line feeds are counted on request: FLineCount covers the bytes before FLineCountedTo.
    const char* FConstructStart = nullptr;
    mutable const char* FLineCountedTo = nullptr;
    mutable uint32_t FLineCount = 0;
};

} // namespace xls
