#pragma once
// A small XML document of elements that hold either a text or child elements: what the invoice file is made of and
// what the invoicing software's parameter file is read into. It stands on the spreadsheet library's XML kit: the
// writer lays out each tag, the reader finds the constructs of a file; this class adds the tree, the layout of a
// saved file (one element a line, two blanks of indent a level, CR LF line ends) and the encodings of the Chinese
// invoicing software (a file is saved in the encoding its declaration names, and read in the one it declares).

#include "rtl/core/Exceptions.h"
#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// A file that is not a well-formed document this class can read, or a text that its encoding cannot hold.
class EXmlDocumentError : public rtl::Exception {
public:
    using rtl::Exception::Exception;
};

// An element: its name, its text (character data and CDATA sections after its begin tag; whitespace alone counts
// as none) and its child elements in document order.
class TXmlElement {
public:
    explicit TXmlElement(rtl::UnicodeStringView name) : FName(name) {}

    const rtl::UnicodeString& Name() const { return FName; }
    const rtl::UnicodeString& Text() const { return FText; }
    void SetText(rtl::UnicodeStringView text) { FText = text; }

    // Appends a child element and returns it.
    TXmlElement& AddChild(rtl::UnicodeStringView name);
    // Appends a child element holding text (an empty text gives an empty element) and returns it.
    TXmlElement& AddTextChild(rtl::UnicodeStringView name, rtl::UnicodeStringView text);
    int32_t ChildCount() const { return static_cast<int32_t>(FChildren.size()); }
    // An index outside 0..ChildCount()-1 raises rtl::EListError.
    TXmlElement& Child(int32_t index) const;
    // The first child whose name equals name exactly (case-sensitive), or nullptr.
    TXmlElement* FindChild(rtl::UnicodeStringView name) const;

private:
    rtl::UnicodeString FName;
    rtl::UnicodeString FText;
    std::vector<std::unique_ptr<TXmlElement>> FChildren;
};

// A document: the XML declaration's version and encoding and the document element.
class TXmlDocument {
public:
    // A document with no element, declared as version "1.0" in "UTF-8".
    TXmlDocument();

    const rtl::UnicodeString& Encoding() const { return FEncoding; }
    // The encoding a saved file is declared in and written in: "GBK" (also "GB2312") or "UTF-8" (any
    // case); another name raises EXmlDocumentError.
    void SetEncoding(rtl::UnicodeStringView encoding);

    // The document element; nullptr before one is made or read.
    TXmlElement* DocumentElement() const { return FRoot.get(); }
    // Makes a new document element, replacing any other.
    TXmlElement& CreateDocumentElement(rtl::UnicodeStringView name);

    // The file's bytes: the declaration, then each element on a line of its own, indented by two blanks per level,
    // an element without text and children as <name/>, each line ended by CR LF. Raises EXmlDocumentError when the
    // encoding cannot hold a name or text, or there is no document element.
    std::string SaveToBytes() const;
    // Writes the bytes to a temporary file beside fileName and renames it over fileName only when it is complete,
    // so a failure leaves an existing file as it was; raises rtl::EFCreateError, rtl::EWriteError or
    // EXmlDocumentError.
    void SaveToFile(rtl::UnicodeStringView fileName) const;

    // Reads a document from bytes in the encoding that a byte-order mark gives, or that the declaration names (GBK,
    // GB2312, UTF-8, UTF-16; UTF-8 when it names none). Raises EXmlDocumentError, or the XML reader's
    // rtl::Exception, for anything that is not a well-formed document of elements.
    void LoadFromBytes(std::string_view bytes);
    // Raises rtl::EFOpenError for a file that cannot be read, else as LoadFromBytes.
    void LoadFromFile(rtl::UnicodeStringView fileName);

private:
    rtl::UnicodeString FEncoding;
    std::unique_ptr<TXmlElement> FRoot;
};

} // namespace app
