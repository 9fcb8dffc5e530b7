#pragma once
// What the tests of the drawing family share: a test document that reads a small part through the sample unit and
// logs what it reports, and the texts the tests compare.

#include "rtl/io/Streams.h"
#include "tests/support/TestSupport.h"
#include "tests/xls/drawing/xpgDrawingSample.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace xls::drawing_test {

using namespace xpgParseDrawingCommon;
using namespace xpgParseChart;
using xpgDrawingSample::TCT_Sample;
using xpgDrawingSample::TCT_SampleAxis;
using xpgDrawingSample::TCT_SampleSeries;
using xpgDrawingSample::TXPGDocDrawingSample;

inline constexpr int32_t UnsetInt = 0x7FFFFFF0;
inline constexpr int16_t UnsetEnum = -1;
inline constexpr int32_t UnsetColor = -16;
// The bits of the family's unset double, a NaN with the sign bit set.
inline constexpr uint64_t UnsetDoubleBits = 0xFFF8000000000000;

// A sample document; its part is the body given inside <sample>, which binds a, c, xdr, r, mc and c14 (a namespace the
// family does not read). With a handler every report is logged; without one the sink raises as it does in a document.
class TSample {
public:
    explicit TSample(bool handler = true) {
        if (handler) {
            Doc.Errors().SetErrorHandler(
                [this](TXpgPErrors& errors) { Log.push_back(test_support::Utf8(errors.Message())); });
        }
    }

    void Load(std::string_view body) {
        rtl::TStringStream stream(R"(<sample xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main")"
                                  R"( xmlns:c="http://schemas.openxmlformats.org/drawingml/2006/chart")"
                                  R"( xmlns:xdr="http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing")"
                                  R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships")"
                                  R"( xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006")"
                                  R"( xmlns:c14="http://schemas.microsoft.com/office/drawing/2007/8/2/chart">)" +
                                  std::string(body) + "</sample>");
        Doc.LoadFromStream(stream);
    }

    TCT_Sample& Root() { return Doc.GetSample(); }
    TEG_FillProperties& Fill() { return Root().GetFill(); }
    // The colour group of the sample's a:clrFrom.
    TEG_ColorChoice& Color() { return Root().GetColor()->GetColorChoice(); }
    TEG_Effect& Effects() { return Root().GetEffectDag()->GetEffect(); }
    // The shape properties of the sample's c:spPr and the text of its c:txPr.
    TCT_ShapeProperties& SpPr() { return *Root().GetSpPr(); }
    TCT_TextBody& TxPr() { return *Root().GetTxPr(); }

    TXPGDocDrawingSample Doc;
    std::vector<std::string> Log;
};

// What an element counts when read from a text: each case's text is read into a new sample by read, which returns the
// element; its CheckAssigned must give the case's count, with nothing reported.
template <class Read>
void ExpectCounts(std::initializer_list<std::pair<std::string_view, int32_t>> cases, Read read) {
    for (const auto& [text, count] : cases) {
        SCOPED_TRACE(text);
        TSample sample;
        EXPECT_EQ(read(sample, text).CheckAssigned(), count);
        EXPECT_EQ(sample.Log, std::vector<std::string>{});
    }
}

// Reads a text into a sample and gives the element of its root that member picks: a reader for ExpectCounts.
template <class Member>
auto ReadInto(Member member) {
    return [member](TSample& sample, std::string_view text) -> TXPGBase& {
        sample.Load(text);
        return *member(sample.Root());
    };
}

// The name="value" texts of the attributes a kept element holds, its own and those of the elements inside it.
inline std::vector<std::string> KeptAttributes(const TXPGAnyElement& element) {
    std::vector<std::string> texts;
    for (int32_t i = 0; i < element.GetAttributes().GetCount(); ++i) {
        texts.push_back(test_support::Utf8(element.GetAttributes().FormatNameValue(i)));
    }
    return texts;
}

// The name=value texts of a colour's transforms.
inline std::vector<std::string> Transforms(const TEG_ColorTransform& transforms) {
    std::vector<std::string> texts;
    for (int32_t i = 0; i < transforms.GetTransforms().GetCount(); ++i) {
        texts.push_back(test_support::Utf8(transforms.GetTransforms().GetItem(i)));
    }
    return texts;
}

} // namespace xls::drawing_test
