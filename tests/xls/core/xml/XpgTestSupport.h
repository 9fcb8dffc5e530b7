#pragma once
// Helpers shared by the XML kit's tests: streams over test bytes and a reader that logs what it reports.

#include "rtl/io/Streams.h"
#include "rtl/text/CodePages.h"
#include "xls/core/xml/XpgReadXML.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace xls::test {

// A stream over bytes the test keeps, handing out at most MaxRead bytes per Read, as inflating streams do.
class TPieceStream : public rtl::TStream {
public:
    TPieceStream(std::string_view bytes, int32_t maxRead) : FBytes(bytes), FMaxRead(maxRead) {}
    int32_t Read(void* buffer, int32_t count) override {
        const size_t n = std::min(
            {static_cast<size_t>(std::max(count, 0)), static_cast<size_t>(FMaxRead), FBytes.size() - FPosition});
        std::memcpy(buffer, FBytes.data() + FPosition, n);
        FPosition += n;
        return static_cast<int32_t>(n);
    }
    int32_t Write(const void*, int32_t) override { return 0; }
    int64_t Seek(int64_t offset, rtl::TSeekOrigin origin) override {
        FPosition = static_cast<size_t>(SeekTarget(offset, origin, static_cast<int64_t>(FPosition)));
        return static_cast<int64_t>(FPosition);
    }

private:
    std::string_view FBytes;
    int32_t FMaxRead;
    size_t FPosition = 0;
};

inline std::string Utf8(const rtl::UnicodeString& text) {
    return rtl::UnicodeToUtf8(text);
}

// Logs every hook as one short line: "?target a=v", "<name a=v 'text'", "/name", "!comment".
class TRecorder : public TXpgReadXML {
public:
    std::vector<std::string> Events;

    void ProcessingInstruction() override {
        TXpgReadXML::ProcessingInstruction();
        std::string event = "?" + std::string(LocalName());
        for (int32_t i = 0; i < RawCount(); ++i) {
            const TXpgXmlAttribute& attribute = RawAttributes()[static_cast<size_t>(i)];
            event += " " + std::string(attribute.RawName()) + "=" + std::string(attribute.RawValue());
        }
        Events.push_back(event);
    }
    void BeginTag() override {
        std::string event = "<" + std::string(QualifiedName());
        for (int32_t i = 0; i < Attributes().GetCount(); ++i) {
            event += " " + Utf8(Attributes().GetName(i)) + "=" + Utf8(Attributes().GetValue(i));
        }
        if (HasText()) {
            event += " '" + Utf8(GetText()) + "'";
        }
        Events.push_back(event);
    }
    void EndTag() override { Events.push_back("/" + std::string(QualifiedName())); }
    void Comment() override { Events.push_back("!" + std::string(CommentRange())); }

    std::string Log() const {
        std::string log;
        for (const std::string& event : Events) {
            log += (log.empty() ? "" : "|") + event;
        }
        return log;
    }
};

inline std::string ParseLog(std::string_view xml, bool loose = false, int32_t maxRead = INT32_MAX) {
    TPieceStream stream(xml, maxRead);
    TRecorder recorder;
    if (loose) {
        recorder.ParseLoose(stream);
    } else {
        recorder.Parse(stream);
    }
    return recorder.Log();
}

} // namespace xls::test
