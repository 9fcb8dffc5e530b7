// Caption items as a list that holds them sees them: a caption changed in letter case alone is a change, a sorted list
// moves a renamed item at once and orders captions without regard to case, Assign copies caption and tag, and the
// captions reach the value formats through IuiCheckItems.

#include "ui/editors/choice/uiCaptionItems.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

class CaptionItemsTest : public testing::Test {
protected:
    void SetUp() override {
        Items.SetOnChange(
            [this](TuiOwnedInterfacedCollection&, rtl::TCollectionItem* item) { Changes.push_back(item); });
    }
    TuiCaptionItem& Add(const char16_t* caption) {
        auto& item = static_cast<TuiCaptionItem&>(*Items.Add());
        item.SetCaption(caption);
        return item;
    }
    std::vector<rtl::UnicodeString> Captions() const {
        std::vector<rtl::UnicodeString> captions;
        for (int32_t i = 0; i < Items.GetCount(); ++i) {
            captions.push_back(Items.GetCaption(i));
        }
        return captions;
    }

    TuiCaptionItems Items{nullptr, TuiCaptionItem::StaticClass()};
    std::vector<rtl::TCollectionItem*> Changes;
};

TEST_F(CaptionItemsTest, ACaptionDifferingOnlyInCaseIsAChangeTheSameCaptionIsNone) {
    TuiCaptionItem& item = Add(u"abc");
    Changes.clear();
    item.SetCaption(u"abc");
    EXPECT_TRUE(Changes.empty());
    item.SetCaption(u"ABC");
    EXPECT_EQ(item.Caption(), u"ABC");
    EXPECT_EQ(Changes, std::vector<rtl::TCollectionItem*>{&item}) << "the item reports a change of itself";
}

TEST_F(CaptionItemsTest, ASortedListMovesARenamedItemAtOnceAndIgnoresCase) {
    Add(u"pear");
    TuiCaptionItem& renamed = Add(u"apple");
    Add(u"Fig");
    Items.SetSortedMode(true);
    EXPECT_EQ(Captions(), (std::vector<rtl::UnicodeString>{u"apple", u"Fig", u"pear"}));

    Changes.clear();
    renamed.SetCaption(u"zucchini");
    EXPECT_EQ(Captions(), (std::vector<rtl::UnicodeString>{u"Fig", u"pear", u"zucchini"}));
    EXPECT_EQ(renamed.Index(), 2);
    EXPECT_EQ(Changes, std::vector<rtl::TCollectionItem*>{nullptr}) << "the whole list changed";
    renamed.SetCaption(u"ZUCCHINI");
    EXPECT_EQ(Changes.size(), 2u) << "a change of case alone is a change in a sorted list too";

    TuiCaptionItem& lower = Add(u"abc");
    TuiCaptionItem& upper = Add(u"ABC");
    EXPECT_EQ(Items.CompareByIndex(lower, upper), 0);
    EXPECT_LT(Items.CompareByIndex(lower, renamed), 0);
    EXPECT_EQ(Captions().at(2), u"Fig");
}

TEST_F(CaptionItemsTest, AssignCopiesCaptionAndTagAndTheTagIsStoredWhenNotZero) {
    TuiCaptionItem& source = Add(u"source");
    source.SetTag(7);
    TuiCaptionItem& target = Add(u"target");
    EXPECT_FALSE(target.IsTagStored());
    target.Assign(&source);
    EXPECT_EQ(target.Caption(), u"source");
    EXPECT_EQ(target.Tag(), 7);
    EXPECT_TRUE(target.IsTagStored());
    EXPECT_EQ(Items.GetCount(), 2);
}

} // namespace
} // namespace ui
