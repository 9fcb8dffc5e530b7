#include "app/invoice/XmlDocument.h"

#include "app/invoice/TextEncoding.h"
#include "rtl/io/FileStream.h"
#include "rtl/io/FileUtils.h"
#include "rtl/io/Streams.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/StringUtils.h"
#include "xls/core/xml/XpgReadXML.h"
#include "xls/core/xml/XpgWriteXML.h"

#include <functional>

namespace app {

namespace {

// Deeper documents are refused, so that no input can exhaust the stack of the recursive saving and freeing.
constexpr size_t MaxElementDepth = 256;
// A parameter or invoice file is a few kilobytes; anything near this is not one.
constexpr int64_t MaxFileSize = 16 * 1024 * 1024;

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view Utf16BigEndianMark = "\xFE\xFF";
// "<?" as UTF-16 without a byte-order mark (XML 1.0, appendix F).
constexpr std::string_view Utf16LittleEndianStart = std::string_view("<\0?\0", 4);
constexpr std::string_view Utf16BigEndianStart = std::string_view("\0<\0?", 4);

// The code page of an encoding name this class writes and reads as 8-bit text; 0 when it knows none by that name.
uint32_t CodePageOfEncoding(rtl::UnicodeStringView encoding) {
    const rtl::UnicodeString name = rtl::UpperCase(encoding);
    if (name == u"GBK" || name == u"GB2312" || name == u"CP936") {
        return rtl::cpSimplifiedChinese;
    }
    if (name == u"UTF-8" || name == u"UTF8") {
        return rtl::cpUtf8;
    }
    return 0;
}

[[noreturn]] void RaiseXmlError(rtl::UnicodeString message) {
    throw EXmlDocumentError(std::move(message));
}

bool IsXmlWhitespace(char16_t unit) {
    return unit == u' ' || unit == u'\t' || unit == u'\n' || unit == u'\r';
}

bool IsWhitespaceOnly(rtl::UnicodeStringView text) {
    for (const char16_t unit : text) {
        if (!IsXmlWhitespace(unit)) {
            return false;
        }
    }
    return true;
}

// Writes the lines of a saved file. The kit's writer lays out each tag (names, escaped text) as UTF-8 into a scratch
// stream; each tag then becomes one line of the file, indented and encoded.
class TXmlLineWriter {
public:
    explicit TXmlLineWriter(uint32_t codePage) : FCodePage(codePage) {
        // The writer opens its stream with a UTF-8 declaration of its own; the file gets the document's instead.
        FWriter.SetStream(FTag);
        FTag.Clear();
    }

    void WriteDeclaration(rtl::UnicodeStringView encoding) {
        AppendLine(0, u"<?xml version=\"1.0\" encoding=\"" + rtl::UnicodeString(encoding) + u"\"?>");
    }

    void WriteElement(const TXmlElement& element, int32_t depth) {
        const rtl::UnicodeString& name = element.Name();
        if (element.ChildCount() == 0) {
            if (element.Text().empty()) {
                WriteTag(depth, [&] { FWriter.EmptyTag(name); });
            } else {
                WriteTag(depth, [&] { FWriter.WriteTextElement(name, element.Text()); });
            }
            return;
        }
        WriteTag(depth, [&] { FWriter.BeginTag(name); });
        for (int32_t index = 0; index < element.ChildCount(); ++index) {
            WriteElement(element.Child(index), depth + 1);
        }
        WriteTag(depth, [&] { FWriter.EndTag(); });
    }

    std::string TakeBytes() { return std::move(FBytes); }

private:
    void WriteTag(int32_t depth, const std::function<void()>& write) {
        write();
        std::string_view tag(static_cast<const char*>(FTag.Memory()), static_cast<size_t>(FTag.Size()));
        while (!tag.empty() && tag.back() == '\r') {
            tag.remove_suffix(1);
        }
        AppendLine(depth, rtl::Utf8ToUnicode(tag));
        FTag.Clear();
    }

    void AppendLine(int32_t depth, rtl::UnicodeStringView line) {
        const size_t bad = FindCharacterNotInXml(line, FCodePage);
        if (bad != rtl::UnicodeStringView::npos) {
            RaiseXmlError(u"The XML file cannot hold the character " + CharacterCode(line, bad) + u" of " +
                          rtl::UnicodeString(line));
        }
        FBytes.append(static_cast<size_t>(depth) * 2, ' ');
        FBytes += rtl::UnicodeToAnsi(line, FCodePage);
        FBytes += "\r\n";
    }

    uint32_t FCodePage;
    xls::TXpgWriteXML FWriter;
    rtl::TMemoryStream FTag;
    std::string FBytes;
};

// Finds the encoding that an 8-bit file's declaration names: the reader stops at the first construct.
class TXmlDeclarationReader : public xls::TXpgReadXML {
public:
    void ProcessingInstruction() override {
        if (IsLocalName(u"xml")) {
            GetRawAttribute(u"encoding", Encoding);
        }
        SetStop(true);
    }
    void BeginTag() override { SetStop(true); }
    void Comment() override { SetStop(true); }

    rtl::UnicodeString Encoding;
};

// Builds the tree of a document that is UTF-8 by now, whatever its declaration says, and checks what the kit's
// reader leaves to its caller: one document element, end tags that match, nothing left open.
class TXmlTreeReader : public xls::TXpgReadXML {
public:
    void ProcessingInstruction() override {}

    void BeginTag() override {
        const rtl::UnicodeString name = rtl::Utf8ToUnicode(QualifiedName());
        TXmlElement* element = nullptr;
        if (FOpen.empty()) {
            if (Root) {
                RaiseXmlError(u"The XML document has a second document element <" + name + u">");
            }
            Root = std::make_unique<TXmlElement>(name);
            element = Root.get();
        } else {
            if (FOpen.size() >= MaxElementDepth) {
                RaiseXmlError(u"The XML document nests its elements more than " + rtl::IntToStr(MaxElementDepth) +
                              u" deep");
            }
            element = &FOpen.back()->AddChild(name);
        }
        const rtl::UnicodeString& text = GetText();
        if (!IsWhitespaceOnly(text)) {
            element->SetText(text);
        }
        FOpen.push_back(element);
    }

    void EndTag() override {
        const rtl::UnicodeString name = rtl::Utf8ToUnicode(QualifiedName());
        if (FOpen.empty() || FOpen.back()->Name() != name) {
            RaiseXmlError(u"The XML document closes <" + name + u"> where it is not open");
        }
        FOpen.pop_back();
    }

    void CheckComplete() const {
        if (!Root) {
            RaiseXmlError(u"The XML document has no document element");
        }
        if (!FOpen.empty()) {
            RaiseXmlError(u"The XML document ends inside <" + FOpen.back()->Name() + u">");
        }
    }

    std::unique_ptr<TXmlElement> Root;

private:
    std::vector<TXmlElement*> FOpen; // not owned: elements of Root's tree
};

rtl::UnicodeString DecodeUtf16(std::string_view bytes, bool bigEndian) {
    if (bytes.size() % 2 != 0) {
        RaiseXmlError(u"The UTF-16 XML document has an odd number of bytes");
    }
    rtl::UnicodeString text;
    text.reserve(bytes.size() / 2);
    for (size_t index = 0; index < bytes.size(); index += 2) {
        const auto first = static_cast<unsigned char>(bytes[index]);
        const auto second = static_cast<unsigned char>(bytes[index + 1]);
        text += static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    }
    return text;
}

rtl::UnicodeString DeclaredEncoding(std::string_view bytes) {
    TXmlDeclarationReader reader;
    rtl::TCustomMemoryStream stream(const_cast<char*>(bytes.data()), static_cast<int64_t>(bytes.size()));
    reader.Parse(stream);
    return reader.Encoding;
}

// The document as UTF-8, from the encoding its bytes show or its declaration names.
std::string ToUtf8(std::string_view bytes) {
    if (bytes.starts_with(Utf8ByteOrderMark)) {
        return std::string(bytes.substr(Utf8ByteOrderMark.size()));
    }
    if (bytes.starts_with(Utf16LittleEndianMark) || bytes.starts_with(Utf16LittleEndianStart)) {
        const size_t skip = bytes.starts_with(Utf16LittleEndianMark) ? Utf16LittleEndianMark.size() : 0;
        return rtl::UnicodeToUtf8(DecodeUtf16(bytes.substr(skip), false));
    }
    if (bytes.starts_with(Utf16BigEndianMark) || bytes.starts_with(Utf16BigEndianStart)) {
        const size_t skip = bytes.starts_with(Utf16BigEndianMark) ? Utf16BigEndianMark.size() : 0;
        return rtl::UnicodeToUtf8(DecodeUtf16(bytes.substr(skip), true));
    }
    const rtl::UnicodeString encoding = DeclaredEncoding(bytes);
    if (encoding.empty()) {
        return std::string(bytes);
    }
    const uint32_t codePage = CodePageOfEncoding(encoding);
    if (codePage == 0) {
        RaiseXmlError(u"The XML document's encoding \"" + encoding + u"\" is not one that can be read");
    }
    if (codePage == rtl::cpUtf8) {
        return std::string(bytes);
    }
    return rtl::UnicodeToUtf8(rtl::AnsiToUnicode(bytes, codePage));
}

} // namespace

TXmlElement& TXmlElement::AddChild(rtl::UnicodeStringView name) {
    return *FChildren.emplace_back(std::make_unique<TXmlElement>(name));
}

TXmlElement& TXmlElement::AddTextChild(rtl::UnicodeStringView name, rtl::UnicodeStringView text) {
    TXmlElement& child = AddChild(name);
    child.SetText(text);
    return child;
}

TXmlElement& TXmlElement::Child(int32_t index) const {
    if (index < 0 || index >= ChildCount()) {
        throw rtl::EListError(u"List index out of bounds (" + rtl::IntToStr(index) + u")");
    }
    return *FChildren[static_cast<size_t>(index)];
}

TXmlElement* TXmlElement::FindChild(rtl::UnicodeStringView name) const {
    for (const std::unique_ptr<TXmlElement>& child : FChildren) {
        if (child->Name() == name) {
            return child.get();
        }
    }
    return nullptr;
}

TXmlDocument::TXmlDocument() : FEncoding(u"UTF-8") {}

void TXmlDocument::SetEncoding(rtl::UnicodeStringView encoding) {
    if (CodePageOfEncoding(encoding) == 0) {
        RaiseXmlError(u"An XML document cannot be saved in the encoding \"" + rtl::UnicodeString(encoding) + u"\"");
    }
    FEncoding = encoding;
}

TXmlElement& TXmlDocument::CreateDocumentElement(rtl::UnicodeStringView name) {
    FRoot = std::make_unique<TXmlElement>(name);
    return *FRoot;
}

std::string TXmlDocument::SaveToBytes() const {
    if (!FRoot) {
        RaiseXmlError(u"The XML document has no document element");
    }
    TXmlLineWriter writer(CodePageOfEncoding(FEncoding));
    writer.WriteDeclaration(FEncoding);
    writer.WriteElement(*FRoot, 0);
    return writer.TakeBytes();
}

void TXmlDocument::SaveToFile(rtl::UnicodeStringView fileName) const {
    const std::string bytes = SaveToBytes();
    const rtl::UnicodeString temporary = rtl::UnicodeString(fileName) + u".tmp";
    try {
        rtl::TFileStream file(temporary, rtl::fmCreate);
        file.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    } catch (...) {
        rtl::RemoveFile(temporary);
        throw;
    }
    if (!rtl::RenameFileReplacing(temporary, fileName)) {
        rtl::RemoveFile(temporary);
        RaiseXmlError(u"Cannot replace file \"" + rtl::UnicodeString(fileName) + u"\"");
    }
}

void TXmlDocument::LoadFromBytes(std::string_view bytes) {
    const std::string utf8 = ToUtf8(bytes);
    TXmlTreeReader reader;
    rtl::TCustomMemoryStream stream(const_cast<char*>(utf8.data()), static_cast<int64_t>(utf8.size()));
    reader.Parse(stream);
    reader.CheckComplete();
    FRoot = std::move(reader.Root);
}

void TXmlDocument::LoadFromFile(rtl::UnicodeStringView fileName) {
    if (rtl::FileSize(fileName) > MaxFileSize) {
        RaiseXmlError(u"The file \"" + rtl::UnicodeString(fileName) + u"\" is too large for an XML document");
    }
    rtl::TMemoryStream stream;
    stream.LoadFromFile(rtl::UnicodeString(fileName));
    LoadFromBytes(std::string_view(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size())));
}

} // namespace app
