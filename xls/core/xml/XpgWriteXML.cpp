#include "xls/core/xml/XpgWriteXML.h"

#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"
#include "rtl/text/CodePages.h"
#include "xls/core/xml/XpgMessages.h"

namespace xls {

namespace {

constexpr std::string_view Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>";
constexpr char LineEnd = '\r';

std::u16string_view EntityOf(char16_t character) {
    switch (character) {
    case u'"':
        return u"&quot;";
    case u'\'':
        return u"&apos;";
    case u'&':
        return u"&amp;";
    case u'<':
        return u"&lt;";
    case u'>':
        return u"&gt;";
    default:
        return {};
    }
}

void AppendUtf8(std::string& target, rtl::UnicodeStringView text) {
    target += rtl::UnicodeToUtf8(text);
}

void AppendEscapedUtf8(std::string& target, rtl::UnicodeStringView text) {
    rtl::UnicodeString escaped;
    escaped.reserve(text.size());
    for (const char16_t character : text) {
        const std::u16string_view entity = EntityOf(character);
        if (entity.empty()) {
            escaped += character;
        } else {
            escaped += entity;
        }
    }
    AppendUtf8(target, escaped);
}

} // namespace

void TXpgStrStack::Push(std::string_view text) {
    FItems.emplace_back(text);
}

std::string TXpgStrStack::Pop() {
    if (FItems.empty()) {
        throw rtl::Exception(XpgMessages::EmptyStack);
    }
    std::string text = std::move(FItems.back());
    FItems.pop_back();
    return text;
}

void TXpgWriteXML::SetStream(rtl::TStream& stream) {
    FStream = &stream;
    WriteDeclaration();
}

void TXpgWriteXML::WriteDeclaration() {
    FTag.assign(Declaration);
    FTag += LineEnd;
    Flush();
}

void TXpgWriteXML::AddAttribute(rtl::UnicodeStringView name, rtl::UnicodeStringView value) {
    AppendUtf8(FBuffer, name);
    FBuffer += "=\"";
    AppendEscapedUtf8(FBuffer, value);
    FBuffer += "\" ";
}

void TXpgWriteXML::AppendRaw(rtl::UnicodeStringView text) {
    AppendUtf8(FBuffer, text);
}

void TXpgWriteXML::AppendEscaped(rtl::UnicodeStringView text) {
    AppendEscapedUtf8(FBuffer, text);
}

void TXpgWriteXML::OpenTag(rtl::UnicodeStringView name) {
    FTag.assign(1, '<');
    AppendUtf8(FTag, name);
    if (!FBuffer.empty()) {
        FTag += ' ';
        FTag += FBuffer;
        FBuffer.clear();
    }
}

void TXpgWriteXML::CloseTag(std::string_view name) {
    FTag += "</";
    FTag += name;
    FTag += '>';
    FTag += LineEnd;
}

void TXpgWriteXML::Flush() {
    if (FStream == nullptr) {
        throw rtl::EWriteError(rtl::RtlMessages::StreamWriteError);
    }
    FStream->WriteBuffer(FTag.data(), static_cast<int32_t>(FTag.size()));
    FTag.clear();
}

void TXpgWriteXML::BeginTag(rtl::UnicodeStringView name) {
    OpenTag(name);
    FTag += '>';
    FTag += LineEnd;
    Flush();
    FTags.Push(rtl::UnicodeToUtf8(name));
}

void TXpgWriteXML::EndTag() {
    const std::string name = FTags.Pop();
    FTag.clear();
    if (!FPendingText.empty()) {
        AppendEscaped(FPendingText);
        FPendingText.clear();
        FTag.swap(FBuffer);
        FBuffer.clear();
    }
    CloseTag(name);
    Flush();
}

void TXpgWriteXML::EmptyTag(rtl::UnicodeStringView name) {
    if (!FPendingText.empty()) {
        const rtl::UnicodeString text = std::move(FPendingText);
        FPendingText.clear();
        WriteTextElement(name, text);
        return;
    }
    OpenTag(name);
    FTag += "/>";
    FTag += LineEnd;
    Flush();
}

void TXpgWriteXML::WriteTextElement(rtl::UnicodeStringView name, rtl::UnicodeStringView text) {
    OpenTag(name);
    FTag += '>';
    AppendEscapedUtf8(FTag, text);
    CloseTag(rtl::UnicodeToUtf8(name));
    Flush();
}

} // namespace xls
