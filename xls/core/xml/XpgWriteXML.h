#pragma once
// The streaming XML writer of the package's own parts. Attributes are gathered as UTF-8 bytes for the next tag; each
// tag is written to the stream as soon as it is complete, in one write, followed by a carriage return. No
// indentation is written. Names, attribute values and text are written as UTF-8; the five XML special characters of
// values and text are escaped.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rtl {
class TStream;
} // namespace rtl

namespace xls {

// The names of the open elements, innermost last.
class TXpgStrStack {
public:
    void Push(std::string_view text);
    // Raises rtl::Exception "Empty stack" when no name is left.
    std::string Pop();
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }

private:
    std::vector<std::string> FItems;
};

// Writes one XML document at a time to a stream it does not own; the caller balances begin and end tags.
class TXpgWriteXML : public rtl::TObject {
public:
    // Starts a document on stream (kept, not owned): writes the XML declaration.
    void SetStream(rtl::TStream& stream);
    rtl::TStream* Stream() const { return FStream; }
    void WriteDeclaration();

    // Text content for the next element the writer closes (EndTag or EmptyTag).
    const rtl::UnicodeString& PendingText() const { return FPendingText; }
    void SetPendingText(rtl::UnicodeStringView text) { FPendingText = text; }

    // Appends name="value" and a blank to the attributes of the next tag, the value escaped.
    void AddAttribute(rtl::UnicodeStringView name, rtl::UnicodeStringView value);
    // Appends text as it is (UTF-8): names, and attribute texts kept whole as name="value".
    void AppendRaw(rtl::UnicodeStringView text);
    // Appends text with the five special characters replaced by their entities.
    void AppendEscaped(rtl::UnicodeStringView text);
    // The attribute bytes gathered for the next tag.
    std::string_view Buffer() const { return FBuffer; }

    // Writes <name attributes> and opens the element.
    void BeginTag(rtl::UnicodeStringView name);
    // Writes the pending text, if any, and the end tag of the innermost open element; raises "Empty stack" when none
    // is open.
    void EndTag();
    // Writes <name attributes/>, or the element with the pending text as its content when there is some.
    void EmptyTag(rtl::UnicodeStringView name);
    // Writes <name attributes>text</name> with text escaped.
    void WriteTextElement(rtl::UnicodeStringView name, rtl::UnicodeStringView text);

private:
    // Writes "<", name and the gathered attributes (after a blank), emptying them; the caller closes the tag.
    void OpenTag(rtl::UnicodeStringView name);
    void CloseTag(std::string_view name);
    void Flush();

    rtl::TStream* FStream = nullptr; // not owned
    rtl::UnicodeString FPendingText;
    std::string FBuffer;
    // The tag being put together, written to the stream in one piece.
    std::string FTag;
    TXpgStrStack FTags;
};

} // namespace xls
