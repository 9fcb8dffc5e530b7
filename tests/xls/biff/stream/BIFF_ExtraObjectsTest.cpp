#include "xls/biff/stream/BIFF_ExtraObjects.h"

#include "tests/xls/biff/BIFFTestSupport.h"
#include "tests/xls/biff/CompoundFileWriter.h"
#include "xls/biff/stream/BIFF_CompoundFile.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

using test::TBytes;
using test::TCompoundElement;

TExtraObjects CopyOf(const std::vector<TCompoundElement>& elements) {
    auto stream = test::MemoryOf(test::WriteCompoundFile(elements));
    const TCompoundFile document(*stream);
    TExtraObjects copy;
    copy.Assign(document);
    return copy;
}

TEST(TExtraObjects, KeepEverythingButTheRecordStreams) {
    const std::vector<TCompoundElement> elements = {
        {u"Workbook", false, -1, test::PatternBytes(5000)},
        {u"BOOK", false, -1, test::PatternBytes(100)},
        {u"\x05SummaryInformation", false, -1, test::PatternBytes(200, 1)},
        {u"_VBA_PROJECT_CUR", true, -1, {}},
        {u"VBA", true, 3, {}},
        {u"dir", false, 4, test::PatternBytes(700, 2)},
        {u"PROJECT", false, 3, test::PatternBytes(6000, 3)},
        // Only the root's record streams are the workbook's.
        {u"Workbook", false, 3, test::PatternBytes(10, 4)},
    };
    const TExtraObjects copy = CopyOf(elements);
    EXPECT_EQ(copy.Count(), 6);
    EXPECT_EQ(copy.Find(TExtraObjects::Root, u"Workbook"), -1);
    EXPECT_EQ(copy.Find(TExtraObjects::Root, u"Book"), -1);
    EXPECT_EQ(copy.Item(copy.Find(TExtraObjects::Root, u"\x05SummaryInformation")).Data, elements[2].Data);

    const int32_t project = copy.Find(TExtraObjects::Root, u"_vba_project_cur");
    ASSERT_GE(project, 0);
    EXPECT_TRUE(copy.Item(project).IsStorage);
    const int32_t vba = copy.Find(project, u"VBA");
    ASSERT_GT(vba, project);
    const int32_t dir = copy.Find(vba, u"dir");
    ASSERT_GT(dir, vba);
    EXPECT_FALSE(copy.Item(dir).IsStorage);
    EXPECT_EQ(copy.Item(dir).Data, elements[5].Data);
    EXPECT_EQ(copy.Item(copy.Find(project, u"PROJECT")).Data, elements[6].Data);
    EXPECT_EQ(copy.Item(copy.Find(project, u"Workbook")).Data, elements[7].Data);
    EXPECT_EQ(copy.Find(vba, u"PROJECT"), -1);
}

TEST(TExtraObjects, SubtreesAndRemovalKeepEveryElementUnderItsStorage) {
    const std::vector<TCompoundElement> elements = {
        {u"Workbook", false, -1, test::PatternBytes(10)},
        {u"A", true, -1, {}},
        {u"B", true, 1, {}},
        {u"b1", false, 2, test::PatternBytes(5, 1)},
        {u"a1", false, 1, test::PatternBytes(5, 2)},
        {u"C", true, 2, {}},
        {u"c1", false, 5, test::PatternBytes(5, 3)},
        {u"x", false, -1, test::PatternBytes(5, 4)},
    };
    const TExtraObjects copy = CopyOf(elements);
    const TExtraObjects a = copy.Subtree(copy.Find(TExtraObjects::Root, u"A"));
    EXPECT_EQ(a.Count(), 5);
    const int32_t b = a.Find(TExtraObjects::Root, u"B");
    ASSERT_GE(b, 0);
    EXPECT_EQ(a.Item(a.Find(a.Find(b, u"C"), u"c1")).Data, elements[6].Data);
    EXPECT_EQ(a.Item(a.Find(TExtraObjects::Root, u"a1")).Data, elements[4].Data);
    EXPECT_EQ(a.Find(TExtraObjects::Root, u"x"), -1);

    TExtraObjects removed = copy;
    removed.Remove(removed.Find(removed.Find(TExtraObjects::Root, u"A"), u"B"));
    EXPECT_EQ(removed.Count(), 3);
    EXPECT_EQ(removed.Item(removed.Find(removed.Find(TExtraObjects::Root, u"A"), u"a1")).Data, elements[4].Data);
    EXPECT_EQ(removed.Item(removed.Find(TExtraObjects::Root, u"x")).Data, elements[7].Data);
}

TEST(TExtraObjects, DeepNestingCopiesAndFreesWithoutRecursion) {
    constexpr int32_t Depth = 20000;
    std::vector<TCompoundElement> elements;
    for (int32_t i = 0; i < Depth; ++i) {
        elements.push_back({u"S", true, i - 1, {}});
    }
    TExtraObjects copy = CopyOf(elements);
    ASSERT_EQ(copy.Count(), Depth);
    EXPECT_EQ(copy.Item(Depth - 1).Parent, Depth - 2);
    copy.Clear();
    EXPECT_EQ(copy.Count(), 0);
}

} // namespace
} // namespace xls
