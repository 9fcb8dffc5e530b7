#include "xls/core/xml/XpgPErrors.h"

#include "rtl/core/Exceptions.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

TEST(XpgPErrors, RaisesForUnknownElementsOnlyWithoutAHandler) {
    TXpgPErrors errors;
    try {
        errors.ReportUnknown(TXpgUnknownKind::Element, u"x:y", 0);
        FAIL() << "no exception";
    } catch (const rtl::Exception& error) {
        EXPECT_EQ(error.Message(), u"Row 0: Unknown Element \"x:y\"");
    }
    errors.ReportUnknown(TXpgUnknownKind::Attribute, u"z", 4);
    EXPECT_EQ(errors.Message(), u"Row 4: Unknown Attribute \"z\"");
}

TEST(XpgPErrors, HandsEveryReportToTheHandler) {
    struct Case {
        TXpgUnknownKind kind;
        rtl::UnicodeStringView expected;
    };
    const Case cases[] = {
        {TXpgUnknownKind::Element, u"Row 3: Unknown Element \"x:y\""},
        {TXpgUnknownKind::Attribute, u"Row 3: Unknown Attribute \"x:y\""},
    };
    for (const Case& c : cases) {
        TXpgPErrors errors;
        std::vector<rtl::UnicodeString> seen;
        errors.SetErrorHandler([&seen](TXpgPErrors& reported) { seen.push_back(reported.Message()); });
        errors.ReportUnknown(c.kind, u"x:y", 3);
        EXPECT_EQ(seen, std::vector<rtl::UnicodeString>{rtl::UnicodeString(c.expected)});
        EXPECT_EQ(errors.Message(), c.expected);
    }
}

TEST(XpgPErrors, AReportedValueNeverRaisesAndReachesTheHandler) {
    TXpgPErrors errors;
    errors.Report(u"Can not find enum \"stbwmgrey\"");
    EXPECT_EQ(errors.Message(), u"Can not find enum \"stbwmgrey\"");
    std::vector<rtl::UnicodeString> seen;
    errors.SetErrorHandler([&seen](TXpgPErrors& reported) { seen.push_back(reported.Message()); });
    errors.Report(u"odd");
    EXPECT_EQ(seen, std::vector<rtl::UnicodeString>{u"odd"});
}

} // namespace
} // namespace xls
