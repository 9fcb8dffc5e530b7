#include "xls/api/XLSWorkbook.h"

#include "XLSApiTestSupport.h"
#include "rtl/core/Exceptions.h"
#include "rtl/numbers/NumberConversions.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using api_test::NewSpreadsheet;
using test_support::MessageOf;
using test_support::Utf8;

std::vector<std::string> SheetNames(const TXLSWorkbook& book) {
    std::vector<std::string> names;
    for (int32_t i = 0; i < book.GetSheetCount(); ++i) {
        names.push_back(Utf8(book.GetSheet(i)->GetName()));
    }
    return names;
}

TEST(XLSWorkbook, ANewComponentHasOneEmptySheet) {
    auto book = NewSpreadsheet();
    ASSERT_EQ(book->GetSheetCount(), 1);
    EXPECT_EQ(Utf8(book->GetSheet(0)->GetName()), "Sheet1");
    EXPECT_EQ(book->GetSheet(0)->Index(), 0);
    EXPECT_TRUE(book->GetSheet(0)->IsEmpty());
    EXPECT_EQ(book->GetManager()->Worksheets().Count(), 1);
}

TEST(XLSWorkbook, GetSheetChecksTheIndex) {
    auto book = NewSpreadsheet();
    for (const int32_t index : {-1, 1}) {
        SCOPED_TRACE(index);
        EXPECT_THROW(book->GetSheet(index), rtl::EListError);
    }
}

TEST(XLSWorkbook, AddSheetNamesFromTheModelCount) {
    const struct {
        const char* Name;
        std::vector<const char16_t*> Existing;
        const char* Added;
    } cases[] = {
        {"after Sheet1", {u"Sheet1"}, "Sheet2"},
        {"the next name taken, any case", {u"Sheet1", u"sheet3"}, "Sheet4"},
        {"names of another kind", {u"Data", u"Prices"}, "Sheet3"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        auto book = NewSpreadsheet();
        book->ClearSheets(static_cast<int32_t>(test.Existing.size()));
        for (int32_t i = 0; i < book->GetSheetCount(); ++i) {
            api_test::DataSheet(*book->GetSheet(i)).SetName(test.Existing[static_cast<size_t>(i)]);
        }
        TXLSWorksheet* added = book->AddSheet();
        EXPECT_EQ(Utf8(added->GetName()), test.Added);
        EXPECT_EQ(added, book->GetSheet(book->GetSheetCount() - 1));
        EXPECT_EQ(book->GetManager()->Worksheets().Count(), book->GetSheetCount());
    }
}

// When all 1,001 names are taken nothing is added: model and wrappers stay in step.
TEST(XLSWorkbook, AddSheetFailsWhenEveryNameIsTaken) {
    auto book = NewSpreadsheet();
    book->ClearSheets(0);
    constexpr int32_t taken = 1001;
    for (int32_t i = 0; i < taken; ++i) {
        book->AddSheet();
    }
    // The next sheet would be number 1002 and try up to Sheet2002.
    for (int32_t i = 0; i < taken; ++i) {
        api_test::DataSheet(*book->GetSheet(i)).SetName(u"SHEET" + rtl::IntToStr(1002 + i));
    }
    EXPECT_EQ(MessageOf([&] { book->AddSheet(); }), "Can not create unique worksheet name");
    EXPECT_EQ(book->GetSheetCount(), taken);
    EXPECT_EQ(book->GetManager()->Worksheets().Count(), taken);
    api_test::DataSheet(*book->GetSheet(0)).SetName(u"Data");
    EXPECT_EQ(Utf8(book->AddSheet()->GetName()), "Sheet1002");
}

TEST(XLSWorkbook, FindSheetIgnoresCaseInAnyScript) {
    const struct {
        const char16_t* Sought;
        int32_t Expected;
    } cases[] = {
        {u"sheet1", 0}, {u"SHEET1", 0}, {u"ÄRGER", 1}, {u"ΣΎΝΟΛΟ", 2}, {u"销售", 3}, {u"sheet", -1}, {u"", -1},
    };
    auto book = NewSpreadsheet();
    book->ClearSheets(4);
    api_test::DataSheet(*book->GetSheet(1)).SetName(u"ärger");
    api_test::DataSheet(*book->GetSheet(2)).SetName(u"σύνολο");
    api_test::DataSheet(*book->GetSheet(3)).SetName(u"销售");
    for (const auto& test : cases) {
        SCOPED_TRACE(Utf8(test.Sought));
        TXLSWorksheet* found = book->FindSheet(test.Sought);
        EXPECT_EQ(found, test.Expected < 0 ? nullptr : book->GetSheet(test.Expected));
    }
}

TEST(XLSWorkbook, RebuildSheetsWrapsEveryModelSheet) {
    auto book = NewSpreadsheet();
    book->GetManager()->Worksheets().Add(-1)->SetName(u"Added");
    book->RebuildSheets();
    EXPECT_EQ(SheetNames(*book), (std::vector<std::string>{"Sheet1", "Added"}));
    EXPECT_EQ(book->GetSheet(1)->Index(), 1);
    book->Clear();
    EXPECT_EQ(book->GetSheetCount(), 0);
    EXPECT_EQ(book->GetManager()->Worksheets().Count(), 2);
    EXPECT_EQ(book->AddSheetWrapper(1)->GetName(), u"Added");
    EXPECT_EQ(book->GetSheetCount(), 1);
}

} // namespace
} // namespace xls
