#include "xls/core/xml/XpgSimpleDOM.h"

#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/StringUtils.h"
#include "xls/core/base/XLSReadLimits.h"

#include <gtest/gtest.h>
#include <string>

namespace xls {
namespace {

void Parse(TXpgSimpleDOM& dom, std::string_view xml) {
    rtl::TStringStream stream{std::string(xml)};
    dom.Parse(stream);
}

// The subtree below node as name[attributes](children) with each node's text in quotes.
std::string Outline(const TXpgDOMNode& node) {
    std::string text = rtl::UnicodeToUtf8(node.Name());
    for (int32_t i = 0; i < node.Attributes().GetCount(); ++i) {
        const TXpgDOMAttribute& attribute = node.Attributes().GetItem(i);
        text += " " + rtl::UnicodeToUtf8(attribute.Name()) + "=" + rtl::UnicodeToUtf8(attribute.Value());
    }
    if (!node.Text().empty()) {
        text += " '" + rtl::UnicodeToUtf8(node.Text()) + "'";
    }
    if (node.GetChildCount() > 0) {
        text += " (";
        for (int32_t i = 0; i < node.GetChildCount(); ++i) {
            text += (i > 0 ? ", " : "") + Outline(node.GetChild(i));
        }
        text += ")";
    }
    return text;
}

TEST(XpgSimpleDOM, BuildsTheTreeBelowTheRoot) {
    struct Case {
        std::string_view xml;
        bool keepWhitespace;
        std::string_view expected;
    };
    const Case cases[] = {
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<a><b x=\"one\r\ntwo\"/><!-- note --><c>  text \t</c></a>",
         false, "__ROOT__ (a (b x=one two, c 'text'))"},
        {"<a><c>  text </c></a>", true, "__ROOT__ (a (c '  text '))"},
        {"<x:a xmlns:x=\"urn:x\">\xE4\xB8\xAD<\xE8\xA1\xA8 \xE5\x90\x8D=\"&lt;\xE5\x80\xBC&gt;\"/></x:a>", false,
         "__ROOT__ (x:a xmlns:x=urn:x '\xE4\xB8\xAD' (\xE8\xA1\xA8 \xE5\x90\x8D=<\xE5\x80\xBC>))"},
        {"</stray><a/>", false, "__ROOT__ (a)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xml);
        TXpgSimpleDOM dom;
        dom.SetKeepWhitespace(c.keepWhitespace);
        Parse(dom, c.xml);
        EXPECT_EQ(Outline(dom.Root()), c.expected);
        EXPECT_EQ(dom.Root().Parent(), nullptr);
    }
}

TEST(XpgSimpleDOM, ParsingAgainKeepsOnlyTheNewDocument) {
    TXpgSimpleDOM dom;
    Parse(dom, "<a><b/></a>");
    Parse(dom, "<z/>");
    EXPECT_EQ(Outline(dom.Root()), "__ROOT__ (z)");
    dom.LoadFromText(u"<p>\u4E2D\u6587</p>");
    EXPECT_EQ(Outline(dom.Root()), "__ROOT__ (p '\xE4\xB8\xAD\xE6\x96\x87')");
}

TEST(XpgSimpleDOM, KeepsTheNodesReadBeforeAReaderError) {
    TXpgSimpleDOM dom;
    EXPECT_THROW(Parse(dom, "<a><b/><c"), rtl::Exception);
    EXPECT_EQ(Outline(dom.Root()), "__ROOT__ (a (b))");
    dom.Clear();
    EXPECT_EQ(dom.Root().GetChildCount(), 0);
}

TEST(XpgSimpleDOM, FindPathFollowsTheFirstChildOfEachName) {
    TXpgSimpleDOM dom;
    Parse(dom, "<a><b n=\"1\"/><c><d/></c><b n=\"2\"><e/></b></a>");
    const TXpgDOMNode& root = dom.Root();
    struct Case {
        rtl::UnicodeStringView path;
        std::string_view expected;
    };
    const Case cases[] = {
        {u"a/c", "c (d)"}, {u"a/b", "b n=1"}, {u"a", "a (b n=1, c (d), b n=2 (e))"}, {u"a/b/e", ""}, {u"a/C", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(rtl::UnicodeToUtf8(c.path));
        const TXpgDOMNode* node = root.FindPath(c.path, false);
        EXPECT_EQ(node == nullptr ? "" : Outline(*node), c.expected);
    }
    try {
        root.FindPath(u"a/d/e", true);
        FAIL() << "no exception";
    } catch (const rtl::Exception& error) {
        EXPECT_EQ(error.Message(), u"XML error: Can not find expected node \"d/e\"");
    }
}

TEST(XpgSimpleDOM, ReadsAttributeValuesAsTextOrIntegers) {
    TXpgSimpleDOM dom;
    Parse(dom, "<a n=\"12\" h=\"$1F\" s=\"abc\" e=\"\"/>");
    const TXpgDOMAttributes& attributes = dom.Root().GetChild(0).Attributes();
    struct Case {
        rtl::UnicodeStringView name;
        int32_t expected;
    };
    const Case cases[] = {{u"n", 12}, {u"h", 31}, {u"s", 0}, {u"e", 0}, {u"missing", 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(rtl::UnicodeToUtf8(c.name));
        EXPECT_EQ(attributes.GetIntValue(c.name, 7), c.expected);
    }
    EXPECT_EQ(attributes.GetStrValue(u"s"), u"abc");
    EXPECT_EQ(attributes.GetStrValue(u"missing"), u"");
    EXPECT_EQ(attributes.Find(u"N"), nullptr);
    EXPECT_THROW(attributes.GetItem(4), rtl::EListError);
}

TEST(XpgSimpleDOM, ExtractChildHandsTheNodeOver) {
    TXpgSimpleDOM dom;
    Parse(dom, "<a><b/><c><d/></c></a>");
    TXpgDOMNode& a = dom.Root().GetChild(0);
    std::unique_ptr<TXpgDOMNode> c = a.ExtractChild(1);
    EXPECT_EQ(Outline(*c), "c (d)");
    EXPECT_EQ(c->Parent(), nullptr);
    EXPECT_EQ(c->GetChild(0).Parent(), c.get());
    EXPECT_EQ(Outline(dom.Root()), "__ROOT__ (a (b))");
    EXPECT_THROW(a.ExtractChild(1), rtl::EListError);
    EXPECT_THROW(a.GetChild(-1), rtl::EListError);
}

std::string Repeat(std::string_view text, int count) {
    std::string result;
    for (int i = 0; i < count; ++i) {
        result += text;
    }
    return result;
}

TEST(XpgSimpleDOM, TakesElementsNestedAsDeepAsTheLimitAndNoDeeper) {
    TXpgSimpleDOM dom;
    Parse(dom, Repeat("<a>", XpgMaxElementDepth) + Repeat("</a>", XpgMaxElementDepth));
    EXPECT_NE(dom.Root().FindPath(rtl::U16(Repeat("a/", XpgMaxElementDepth - 1) + "a"), false), nullptr);
    try {
        Parse(dom, Repeat("<a>", XpgMaxElementDepth + 1));
        FAIL() << "no exception";
    } catch (const rtl::Exception& error) {
        EXPECT_EQ(error.Message(), u"Syntax error in XML: elements nested deeper than 1024");
    }
}

// A DOM whose nodes are of its own kind, made by the two factories.
class TTaggedNode : public TXpgDOMNode {
public:
    using TXpgDOMNode::TXpgDOMNode;

protected:
    std::unique_ptr<TXpgDOMNode> CreateNode(TXpgDOMNode* parent) override {
        return std::make_unique<TTaggedNode>(parent);
    }
};

class TTaggedDOM : public TXpgSimpleDOM {
protected:
    std::unique_ptr<TXpgDOMNode> CreateRootNode() override { return std::make_unique<TTaggedNode>(nullptr); }
};

TEST(XpgSimpleDOM, MakesItsNodesThroughTheFactories) {
    TTaggedDOM dom;
    Parse(dom, "<a><b/></a>");
    EXPECT_NE(dynamic_cast<TTaggedNode*>(&dom.Root()), nullptr);
    EXPECT_NE(dynamic_cast<TTaggedNode*>(&dom.Root().GetChild(0).GetChild(0)), nullptr);
    EXPECT_EQ(dom.Root().Name(), u"__ROOT__");
}

} // namespace
} // namespace xls
