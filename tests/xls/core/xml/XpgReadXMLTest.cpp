#include "xls/core/xml/XpgReadXML.h"

#include "XpgTestSupport.h"
#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "tests/support/TestSupport.h"
#include "xls/core/base/XLSReadLimits.h"
#include "xls/core/xml/XpgMessages.h"
#include "xls/core/xml/XpgNameHash.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace xls {
namespace {

using test::ParseLog;
using test::TPieceStream;
using test::TRecorder;
using test::Utf8;
using test_support::MessageOf;

std::string Repeat(std::string_view text, size_t count) {
    std::string result;
    result.reserve(text.size() * count);
    for (size_t i = 0; i < count; ++i) {
        result += text;
    }
    return result;
}

// The message of the rtl::Exception that parsing xml raises, or "" when it raises none.
std::string ParseError(std::string_view xml, bool loose = false) {
    try {
        ParseLog(xml, loose);
    } catch (const rtl::Exception& error) {
        return Utf8(error.Message());
    }
    return "";
}

TEST(XpgReadXML, ReportsConstructsInDocumentOrder) {
    struct Case {
        const char* name;
        std::string_view xml;
        bool loose;
        std::string_view expected;
    };
    const Case cases[] = {
        {"value element", "<v>12</v>", false, "<v '12'|/v"},
        {"empty element", "<b/>", false, "<b|/b"},
        {"prefixed names", "<a:p><t>x</t></a:p>", false, "<a:p|<t 'x'|/t|/a:p"},
        {"cell", "<c r=\"A1\" s='1' t=\"s\"><v>12</v></c>", false, "<c r=A1 s=1 t=s|<v '12'|/v|/c"},
        {"quoted values hold markup", "<x a=\"1>2\" b='/'/>", false, "<x a=1>2 b=/|/x"},
        {"line breaks between attributes", "<r\r\n a='1'\n\tb='2'\n/>", false, "<r a=1 b=2|/r"},
        {"blanks inside tags", "< r ></ r >", false, "<r|/r"},
        {"declaration", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><r/>", false,
         "?xml version=1.0 encoding=UTF-8|<r|/r"},
        {"strict reads blanks around =, not unquoted values", "<x a = 'q' b=r>", false, "<x a=q"},
        {"loose reads unquoted values", "<x a = 'q' b=r>", true, "<x a=q b=r"},
        {"loose tags without end", "<br><img src=a.png alt= >", true, "<br|<img src=a.png"},
        {"attribute without value dropped", "<x checked a='1'/>", false, "<x a=1|/x"},
        {"strict comment runs to -->", "<r><!-- a > b --><s/></r>", false, "<r|! a > b |<s|/s|/r"},
        {"loose comment ends at >", "<r><!-- a > b --><s/></r>", true, "<r|! a |<s|/s|/r"},
        {"CDATA is text", "<r><![CDATA[a<b]]></r>", false, "<r 'a<b'|/r"},
        {"text around CDATA", "<r>x<![CDATA[<y>&amp;]]>z</r>", false, "<r 'x<y>&amp;z'|/r"},
        {"CDATA between elements skipped", "<r><a/><![CDATA[x>y]]><b/></r>", false, "<r|<a|/a|<b|/b|/r"},
        {"document type skipped", "<!DOCTYPE r [<!ENTITY e 'v'>]><r/>", false, "<r|/r"},
        {"entities in text and values", "<r a='&quot;x&quot;'>a&amp;b&lt;c</r>", false, "<r a=\"x\" 'a&b<c'|/r"},
        {"strict keeps line breaks of text, CR LF read as LF", "<r>\r\n <s/></r>", false, "<r '\n '|<s|/s|/r"},
        {"loose drops leading line breaks", "<r>\r\n <s/>\n\n</r>", true, "<r ' '|<s|/s|/r"},
        {"text after an end tag is not reported", "<a><b/>text<c/></a>", false, "<a|<b|/b|<c|/c|/a"},
        {"byte order mark", "\xEF\xBB\xBF<r/>", false, "<r|/r"},
        {"trailing whitespace", "<r/>  \r\n\t ", false, "<r|/r"},
        {"text at the end of the stream", "<r>tail", false, "<r 'tail'"},
        {"two bytes", "<a", false, ""},
        {"empty stream", "", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseLog(c.xml, c.loose), c.expected);
    }
}

// Keeps the text of every begin tag, decoded into one string as an element class keeps its text.
class TTextKeeper : public TXpgReadXML {
public:
    rtl::UnicodeString Kept = u"before";
    std::vector<rtl::UnicodeString> Texts;

    void BeginTag() override {
        DecodeText(Kept);
        EXPECT_EQ(Kept, GetText());
        Texts.push_back(Kept);
    }
};

TEST(XpgReadXML, DecodesTextIntoAStringItKeeps) {
    TTextKeeper keeper;
    TPieceStream stream("<r>a&amp;b<c>\xE4\xB8\xAD</c><d/><e>long text that needs a string of its own</e></r>", 7);
    keeper.Parse(stream);
    EXPECT_EQ(keeper.Texts,
              (std::vector<rtl::UnicodeString>{u"a&b", u"\u4E2D", u"", u"long text that needs a string of its own"}));
    // A text that fails to decode leaves the kept string as it was.
    TTextKeeper failing;
    TPieceStream bad("<r>x&bogus;</r>", 64);
    EXPECT_THROW(failing.Parse(bad), rtl::Exception);
    EXPECT_EQ(failing.Kept, u"before");
}

TEST(XpgReadXML, RefusesWhatItCannotRead) {
    const std::string endOfFile = Utf8(XpgMessages::UnexpectedEndOfFile);
    const std::string missingLessThan = Utf8(XpgMessages::MissingLessThan);
    struct Case {
        const char* name;
        std::string_view xml;
        std::string expected;
    };
    const Case cases[] = {
        {"stream ends in a tag", "<a><b x='1'", endOfFile},
        {"stream ends in a quoted value", "<a x='1/>", endOfFile},
        {"stream ends in an end tag", "<a></a", endOfFile},
        {"stream ends in a comment", "<a><!-- x", endOfFile},
        {"stream ends in a CDATA section", "<a><![CDATA[x", endOfFile},
        {"stream ends after a lone <", "<a></a><", endOfFile},
        {"junk after the last tag", "<a></a>junk", missingLessThan},
        {"no tag at all", "hello", missingLessThan},
        {"unknown entity", "<r>&nbsp;</r>", Utf8(rtl::Format(XpgMessages::UnknownEntity, {u"nbsp"}))},
        {"windows-1252", "<?xml version=\"1.0\" encoding=\"windows-1252\"?><r/>",
         "Unsupported encoding of xml: \"windows-1252\". Must be utf-8"},
        {"UTF-16 byte order mark", std::string_view("\xFF\xFE<\0r\0/\0>\0", 10),
         "Unsupported encoding of xml: \"utf-16\". Must be utf-8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseError(c.xml), c.expected);
    }
}

TEST(XpgReadXML, AcceptsUtf8DeclarationsInAnyCase) {
    for (const char* xml :
         {"<?xml version='1.0' encoding='UTF-8'?><r/>", "<?xml version='1.0' encoding='utf-8'?><r/>",
          "<?xml version='1.0' encoding='Utf-8' standalone='yes'?><r/>", "<?xml version='1.0'?><r/>"}) {
        SCOPED_TRACE(xml);
        EXPECT_EQ(ParseError(xml), "");
    }
}

// Captures what the hooks see of the names of each tag.
class TNameProbe : public TXpgReadXML {
public:
    struct TSeen {
        std::string Prefix;
        bool HasPrefix;
        std::string Local;
        std::string TagName;
        std::string LocalName;
        uint32_t SumHash;
        uint32_t MulHash;
        bool StartsWithC;
        bool StartsWithV;
        bool IsLocalP;
    };
    std::vector<TSeen> Seen;

    void BeginTag() override {
        Seen.push_back({std::string(Prefix()), HasPrefix(), std::string(LocalName()), Utf8(GetTagName()),
                        Utf8(GetLocalName()), TagSumHash(), TagMulHash(), LocalStartsWithC(), LocalStartsWithV(),
                        IsLocalName(u"p")});
    }
};

TEST(XpgReadXML, SplitsAndHashesTagNames) {
    std::string xml = "<a:p><t/><c/><v/><x:y:p/></a:p>";
    TPieceStream stream(xml, INT32_MAX);
    TNameProbe probe;
    probe.Parse(stream);
    ASSERT_EQ(probe.Seen.size(), 5u);
    const auto& prefixed = probe.Seen[0];
    EXPECT_EQ(prefixed.Prefix, "a");
    EXPECT_TRUE(prefixed.HasPrefix);
    EXPECT_EQ(prefixed.Local, "p");
    EXPECT_EQ(prefixed.TagName, "a:p");
    EXPECT_EQ(prefixed.LocalName, "p");
    EXPECT_EQ(prefixed.SumHash, 'a' + ':' + 'p');
    EXPECT_EQ(prefixed.MulHash, StrMulHash(u"a:p"));
    EXPECT_TRUE(prefixed.IsLocalP);
    const auto& plain = probe.Seen[1];
    EXPECT_EQ(plain.Prefix, "");
    EXPECT_FALSE(plain.HasPrefix);
    EXPECT_EQ(plain.TagName, "t");
    EXPECT_EQ(plain.SumHash, uint32_t{'t'});
    EXPECT_FALSE(plain.IsLocalP);
    EXPECT_TRUE(probe.Seen[2].StartsWithC);
    EXPECT_FALSE(probe.Seen[2].StartsWithV);
    EXPECT_TRUE(probe.Seen[3].StartsWithV);
    // The last colon splits the name.
    EXPECT_EQ(probe.Seen[4].Prefix, "x:y");
    EXPECT_EQ(probe.Seen[4].Local, "p");
}

TEST(XpgReadXML, ReadsAttributesAsWritten) {
    std::string xml = "<c r=\"B7\" t=\"s\" x:id='&lt;&#x4E2D;&gt;'/>";
    struct TProbe : TXpgReadXML {
        std::vector<uint32_t> Sums;
        std::vector<std::string> Values;
        void BeginTag() override {
            for (int32_t i = 0; i < Attributes().GetCount(); ++i) {
                Sums.push_back(Attributes().NameSumHash(i));
                Values.push_back(Utf8(Attributes().GetValue(i)));
            }
        }
    } probe;
    TPieceStream stream(xml, INT32_MAX);
    probe.Parse(stream);
    EXPECT_EQ(probe.Sums, (std::vector<uint32_t>{114, 't', StrSumHash(u"x:id")}));
    EXPECT_EQ(probe.Values, (std::vector<std::string>{"B7", "s", "<\xE4\xB8\xAD>"}));
}

TEST(XpgReadXML, ReadsEveryAttributeOfAWideTag) {
    for (const int32_t count : {300, XpgMaxTagAttributes}) {
        SCOPED_TRACE(count);
        std::string xml = "<e";
        for (int32_t i = 0; i < count; ++i) {
            xml += " a" + std::to_string(i) + "='" + std::to_string(i) + "'";
        }
        xml += "/>";
        struct TProbe : TXpgReadXML {
            int32_t Count = 0;
            std::string Last;
            void BeginTag() override {
                Count = Attributes().GetCount();
                Last = Utf8(Attributes().GetName(Count - 1)) + "=" + Utf8(Attributes().GetValue(Count - 1));
            }
        } probe;
        TPieceStream stream(xml, INT32_MAX);
        probe.Parse(stream);
        EXPECT_EQ(probe.Count, count);
        EXPECT_EQ(probe.Last, "a" + std::to_string(count - 1) + "=" + std::to_string(count - 1));
    }
    const std::string tooWide = "<e" + Repeat(" a=''", XpgMaxTagAttributes + 1) + "/>";
    EXPECT_EQ(ParseError(tooWide), Utf8(rtl::Format(XpgMessages::TooManyAttributes, {XpgMaxTagAttributes})));
}

TEST(XpgReadXML, LooksUpRawAttributesOfInstructions) {
    struct TProbe : TXpgReadXML {
        rtl::UnicodeString Version = u"unchanged";
        rtl::UnicodeString Missing = u"unchanged";
        bool FoundMissing = true;
        void ProcessingInstruction() override {
            GetRawAttribute(u"version", Version);
            FoundMissing = GetRawAttribute(u"Version", Missing);
        }
    } probe;
    std::string xml = "<?xml version=\"1&amp;0\"?><r/>";
    TPieceStream stream(xml, INT32_MAX);
    probe.Parse(stream);
    EXPECT_EQ(probe.Version, u"1&amp;0");
    EXPECT_FALSE(probe.FoundMissing);
    EXPECT_EQ(probe.Missing, u"unchanged");
}

TEST(XpgReadXML, ReturnsTheBytesRead) {
    struct Case {
        std::string_view xml;
        int64_t expected;
    };
    for (const Case& c : {Case{"<r/>", 4}, Case{"\xEF\xBB\xBF<r/>\r\n", 9}, Case{"ab", 0}}) {
        SCOPED_TRACE(c.xml);
        TPieceStream stream(c.xml, INT32_MAX);
        TRecorder recorder;
        EXPECT_EQ(recorder.Parse(stream), c.expected);
    }
}

TEST(XpgReadXML, StopsWhenAHookSetsStop) {
    struct TStopper : TRecorder {
        void BeginTag() override {
            TRecorder::BeginTag();
            SetStop(QualifiedName() == "b");
        }
    } stopper;
    std::string xml = "<a><b/><c/></a>";
    TPieceStream first(xml, INT32_MAX);
    stopper.Parse(first);
    // The empty element still gets its end tag.
    EXPECT_EQ(stopper.Log(), "<a|<b|/b");
    TPieceStream stopped(xml, INT32_MAX);
    stopper.Events.clear();
    stopper.Parse(stopped);
    EXPECT_EQ(stopper.Log(), "");
    stopper.Clear();
    TPieceStream second(xml, INT32_MAX);
    stopper.Parse(second);
    EXPECT_EQ(stopper.Log(), "<a|<b|/b");
}

TEST(XpgReadXML, IsReusableAfterAFailedParse) {
    TRecorder recorder;
    TPieceStream broken("<r>&bad;</r>", INT32_MAX);
    EXPECT_THROW(recorder.Parse(broken), rtl::Exception);
    EXPECT_EQ(recorder.Stream(), nullptr);
    recorder.Events.clear();
    TPieceStream good("<r>ok</r>", INT32_MAX);
    recorder.Parse(good);
    EXPECT_EQ(recorder.Log(), "<r 'ok'|/r");
}

// Documents larger than the buffer, so that constructs cross its end.

TEST(XpgReadXML, ReportsATagThatCrossesTheFirstReadOnceAndIntact) {
    // A 40,000-byte part whose byte 32,768 falls inside a begin tag.
    const std::string target = "<c r=\"XFD1048576\" s=\"12\" t=\"s\">";
    std::string xml = "<sheetData>";
    while (xml.size() + 8 < 32767 - 10) {
        xml += "<p>x</p>";
    }
    xml += std::string(32767 - 10 - xml.size(), ' ');
    xml += target + "<v>7</v></c>";
    while (xml.size() + 8 < 40000 - 12) {
        xml += "<p>x</p>";
    }
    xml += std::string(40000 - 12 - xml.size(), ' ') + "</sheetData>";
    ASSERT_EQ(xml.size(), 40000u);
    ASSERT_EQ(xml.find(target), 32757u);
    TPieceStream stream(xml, INT32_MAX);
    TRecorder recorder;
    recorder.Parse(stream);
    int32_t seen = 0;
    for (const std::string& event : recorder.Events) {
        seen += event.starts_with("<c") ? 1 : 0;
    }
    EXPECT_EQ(seen, 1);
    EXPECT_NE(recorder.Log().find("|<c r=XFD1048576 s=12 t=s|<v '7'|/v|/c|"), std::string::npos);
}

TEST(XpgReadXML, ReportsEveryConstructWholeWhereverTheBufferEnds) {
    const std::string fragment = "<a:c r=\"A1\" t='s'><v>12</v></a:c><!-- note --><t>x&amp;y<![CDATA[<z>]]></t>"
                                 "<?pi a='1'?><e/>";
    const std::string expected = ParseLog("<r>" + fragment + "</r>").substr(2);
    for (size_t offset = 0; offset <= fragment.size(); ++offset) {
        SCOPED_TRACE(offset);
        // One long filler element makes the buffer's first fill end offset bytes into the fragment.
        const std::string fillerValue(XpgReadBufferSize - offset - 12, 'f');
        const std::string xml = "<r><p a='" + fillerValue + "'/>" + fragment + "</r>";
        const std::string log = ParseLog(xml);
        const std::string fillerLog = "<r|<p a=" + fillerValue + "|/p";
        ASSERT_TRUE(log.starts_with(fillerLog));
        EXPECT_EQ(log.substr(fillerLog.size()), expected);
    }
}

TEST(XpgReadXML, ReadsConstructsLongerThanTheBuffer) {
    const size_t length = 3 * XpgReadBufferSize + 17;
    const std::string longText(length, 'x');
    struct Case {
        const char* name;
        std::string xml;
        std::string expected;
        int32_t maxRead;
    };
    const Case cases[] = {
        {"text", "<r><t>" + longText + "</t></r>", "<r|<t '" + longText + "'|/t|/r", INT32_MAX},
        {"text read in small pieces", "<r><t>" + longText + "</t></r>", "<r|<t '" + longText + "'|/t|/r", 1000},
        {"attribute value", "<r a='" + longText + "'/>", "<r a=" + longText + "|/r", INT32_MAX},
        {"comment", "<r><!--" + longText + "--></r>", "<r|!" + longText + "|/r", INT32_MAX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseLog(c.xml, false, c.maxRead), c.expected);
    }
}

// Hands out "<a>" and then text without end, never holding more than one read in memory.
class TEndlessTextStream : public rtl::TStream {
public:
    int32_t Read(void* buffer, int32_t count) override {
        auto* bytes = static_cast<char*>(buffer);
        std::memset(bytes, 'x', static_cast<size_t>(count));
        if (FFirst && count >= 3) {
            std::memcpy(bytes, "<a>", 3);
            FFirst = false;
        }
        return count;
    }
    int32_t Write(const void*, int32_t) override { return 0; }
    int64_t Seek(int64_t, rtl::TSeekOrigin) override { return 0; }

private:
    bool FFirst = true;
};

// Hands out "<a>", a comment of the given length in all and "</a>", made as it is read.
class TLongCommentStream : public rtl::TStream {
public:
    explicit TLongCommentStream(int64_t commentBytes) : FSize(3 + commentBytes + 4) {}

    int32_t Read(void* buffer, int32_t count) override {
        auto* bytes = static_cast<char*>(buffer);
        const int64_t n = std::min<int64_t>(count, FSize - FPosition);
        std::memset(bytes, 'x', static_cast<size_t>(n));
        // The head and the tail, where they fall into this piece.
        Overlay(bytes, n, "<a><!--", 0);
        Overlay(bytes, n, "--></a>", FSize - 7);
        FPosition += n;
        return static_cast<int32_t>(n);
    }
    int32_t Write(const void*, int32_t) override { return 0; }
    int64_t Seek(int64_t, rtl::TSeekOrigin) override { return 0; }

private:
    void Overlay(char* bytes, int64_t count, std::string_view text, int64_t at) const {
        for (int64_t i = 0; i < static_cast<int64_t>(text.size()); ++i) {
            const int64_t offset = at + i - FPosition;
            if (offset >= 0 && offset < count) {
                bytes[offset] = text[static_cast<size_t>(i)];
            }
        }
    }

    int64_t FSize;
    int64_t FPosition = 0;
};

TEST(XpgReadXML, RefusesAConstructBeyondTheLimit) {
    TEndlessTextStream stream;
    TRecorder recorder;
    try {
        recorder.Parse(stream);
        FAIL() << "no exception";
    } catch (const rtl::Exception& error) {
        EXPECT_EQ(error.Message(), rtl::Format(XpgMessages::ConstructTooLong, {XpgMaxConstructBytes}));
    }
    EXPECT_TRUE(recorder.Events.empty());

    // At the edge: a comment of exactly the limit is taken, one byte more is not.
    struct TCommentLength : TXpgReadXML {
        size_t Length = 0;
        void Comment() override { Length = CommentRange().size(); }
    };
    TLongCommentStream atLimit(XpgMaxConstructBytes);
    TCommentLength taken;
    taken.Parse(atLimit);
    EXPECT_EQ(taken.Length, static_cast<size_t>(XpgMaxConstructBytes - 7));
    TLongCommentStream beyond(XpgMaxConstructBytes + 1);
    TCommentLength refused;
    EXPECT_EQ(MessageOf([&] { refused.Parse(beyond); }),
              Utf8(rtl::Format(XpgMessages::ConstructTooLong, {XpgMaxConstructBytes})));
}

TEST(XpgReadXML, CountsLinesBeforeEachConstruct) {
    struct TLines : TXpgReadXML {
        std::vector<uint32_t> Lines;
        void BeginTag() override { Lines.push_back(Line()); }
    };
    struct Case {
        const char* name;
        std::string xml;
        std::vector<uint32_t> expected;
    };
    std::vector<uint32_t> manyLines;
    std::string manyLinesXml = "<r>";
    for (uint32_t i = 0; i < 30000; ++i) {
        manyLinesXml += "\n<p/>";
        manyLines.push_back(i + 1);
    }
    manyLinesXml += "\n</r>";
    manyLines.insert(manyLines.begin(), 0);
    const Case cases[] = {
        {"inside text and tags", "<r>\n<a\nx='1'/>\n\n<b>t\n</b></r>", {0, 1, 4}},
        {"across buffer refills", manyLinesXml, manyLines},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPieceStream stream(c.xml, INT32_MAX);
        TLines lines;
        lines.Parse(stream);
        EXPECT_EQ(lines.Lines, c.expected);
    }
}

} // namespace
} // namespace xls
