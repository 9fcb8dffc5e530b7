#include "rtl/core/Collection.h"

#include "rtl/core/Component.h"
#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"

#include <gtest/gtest.h>
#include <vector>

namespace rtl {
namespace {

class TPanel : public TCollectionItem {
    RTL_DECLARE_CLASS(TPanel, TCollectionItem)
public:
    explicit TPanel(TCollection* collection) : TCollectionItem(collection) {}
    int Width = 50;

    void SetWidth(int width) {
        Width = width;
        Changed(false);
    }
    void Assign(const TPersistent* source) override {
        if (const auto* panel = dynamic_cast<const TPanel*>(source)) {
            Width = panel->Width;
            return;
        }
        TCollectionItem::Assign(source);
    }
};

// Copies nothing: Assign between such items fails.
class TPlainItem : public TCollectionItem {
    RTL_DECLARE_CLASS(TPlainItem, TCollectionItem)
public:
    explicit TPlainItem(TCollection* collection) : TCollectionItem(collection) {}
};

// Records every Update; the entry for the whole list is nullptr.
class TPanels : public TOwnedCollection {
public:
    explicit TPanels(TPersistent* owner = nullptr, const TMetaclass& itemClass = TPanel::StaticClass())
        : TOwnedCollection(owner, itemClass) {}
    std::vector<TCollectionItem*> Updates;

    TPanel* Panel(int32_t index) const { return static_cast<TPanel*>(Items(index)); }
    std::vector<int32_t> IDs() const {
        std::vector<int32_t> ids;
        for (int32_t i = 0; i < Count(); ++i) {
            ids.push_back(Items(i)->ID());
        }
        return ids;
    }

protected:
    void Update(TCollectionItem* item) override { Updates.push_back(item); }
};

TEST(Collection, ItemsAreCreatedNumberedAndFreed) {
    TPanels panels;
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(panels.Add()->ClassType() == TPanel::StaticClass());
    }
    TCollectionItem* inserted = panels.Insert(1);
    EXPECT_EQ(inserted->ID(), 3);
    EXPECT_EQ(inserted->Index(), 1);
    EXPECT_EQ(panels.IDs(), (std::vector<int32_t>{0, 3, 1, 2}));

    panels.Delete(2);
    EXPECT_EQ(panels.IDs(), (std::vector<int32_t>{0, 3, 2}));
    EXPECT_EQ(panels.FindItemID(1), nullptr);
    EXPECT_EQ(panels.FindItemID(2), panels.Items(2));
    EXPECT_EQ(panels.Add()->ID(), 4); // IDs are not given twice

    delete panels.Items(0); // an item freed on its own leaves the collection
    EXPECT_EQ(panels.IDs(), (std::vector<int32_t>{3, 2, 4}));
    panels.Clear();
    EXPECT_EQ(panels.Count(), 0);
}

TEST(Collection, IndexesAreChecked) {
    TPanels panels;
    panels.Add();
    for (const int32_t index : {-1, 1}) {
        SCOPED_TRACE(index);
        EXPECT_THROW(panels.Items(index), EListError);
        EXPECT_THROW(panels.Delete(index), EListError);
        EXPECT_THROW(panels.Items(0)->SetIndex(index), EListError);
    }
    EXPECT_THROW(panels.Insert(2), EListError);
    EXPECT_THROW(panels.Insert(-1), EListError);
    EXPECT_EQ(panels.Count(), 1);
    EXPECT_THROW(TCollection collection(TOwnedCollection::StaticClass()), EInvalidCast);
}

TEST(Collection, MovingAnItemRenumbersTheOthers) {
    struct Case {
        int32_t from, to;
        std::vector<int32_t> ids;
    };
    const Case cases[] = {
        {0, 3, {1, 2, 3, 0}},
        {3, 0, {3, 0, 1, 2}},
        {1, 2, {0, 2, 1, 3}},
        {2, 2, {0, 1, 2, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " -> " << c.to);
        TPanels panels;
        for (int i = 0; i < 4; ++i) {
            panels.Add();
        }
        panels.Updates.clear();
        TCollectionItem* moved = panels.Items(c.from);
        moved->SetIndex(c.to);
        EXPECT_EQ(panels.IDs(), c.ids);
        EXPECT_EQ(moved->Index(), c.to);
        for (int32_t i = 0; i < panels.Count(); ++i) {
            EXPECT_EQ(panels.Items(i)->Index(), i);
        }
        const auto expectedUpdates =
            c.from == c.to ? std::vector<TCollectionItem*>{} : std::vector<TCollectionItem*>{nullptr};
        EXPECT_EQ(panels.Updates, expectedUpdates);
    }
}

TEST(Collection, ChangesReachUpdate) {
    TPanels panels;
    TPanel* panel = static_cast<TPanel*>(panels.Add());
    panels.Add();
    panels.Delete(1);
    panel->SetWidth(80);
    panel->SetDisplayName(u"Status");
    EXPECT_EQ(panels.Updates, (std::vector<TCollectionItem*>{nullptr, nullptr, nullptr, panel, panel}));
}

TEST(Collection, NestedUpdatesReportOnceAtTheOutermostEnd) {
    TPanels panels;
    panels.Add();
    panels.Updates.clear();
    panels.BeginUpdate();
    panels.BeginUpdate();
    panels.Add();
    panels.Panel(0)->SetWidth(10);
    panels.Items(1)->SetIndex(0);
    panels.Clear();
    panels.EndUpdate();
    EXPECT_TRUE(panels.Updates.empty());
    EXPECT_EQ(panels.UpdateCount(), 1);
    panels.EndUpdate();
    EXPECT_EQ(panels.Updates, std::vector<TCollectionItem*>{nullptr});
    panels.EndUpdate(); // unmatched
    EXPECT_EQ(panels.UpdateCount(), 0);
    EXPECT_EQ(panels.Updates.size(), 1u);
}

TEST(Collection, AssignCopiesTheItems) {
    TPanels source;
    for (const int width : {10, 20, 30}) {
        static_cast<TPanel*>(source.Add())->SetWidth(width);
    }
    TPanels target;
    target.Add();
    target.Updates.clear();

    target.Assign(&source);
    ASSERT_EQ(target.Count(), 3);
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(target.Panel(i)->Width, source.Panel(i)->Width);
        EXPECT_NE(target.Panel(i), source.Panel(i));
    }
    EXPECT_EQ(target.Updates, std::vector<TCollectionItem*>{nullptr});

    target.Assign(&target);
    EXPECT_EQ(target.Count(), 3);
}

TEST(Collection, FailedAssignEndsTheUpdate) {
    TPanels source(nullptr, TPlainItem::StaticClass());
    source.Add();
    TPanels target(nullptr, TPlainItem::StaticClass());
    EXPECT_THROW(target.Assign(&source), EConvertError);
    EXPECT_EQ(target.UpdateCount(), 0);

    TComponent notACollection(nullptr);
    EXPECT_THROW(target.Assign(&notACollection), EConvertError);
}

TEST(Collection, OwnerAndNamePaths) {
    TComponent form(nullptr);
    form.SetName(u"Form1");
    TPanels panels(&form);
    panels.Add();
    TCollectionItem* second = panels.Add();
    TPanels orphans;
    TCollectionItem* orphan = orphans.Add();
    TPanel detached(nullptr);

    EXPECT_EQ(panels.GetOwner(), &form);
    EXPECT_EQ(second->GetOwner(), &panels);
    EXPECT_EQ(second->Collection(), &panels);
    EXPECT_EQ(detached.Index(), -1);
    struct Case {
        const TPersistent& object;
        UnicodeString path;
    };
    const Case cases[] = {
        {form, u"Form1"},
        {panels, u"Form1.TOwnedCollection"},
        {*second, u"Form1.TOwnedCollection[1]"},
        {*orphan, u"TOwnedCollection[0]"},
        {detached, u"TPanel"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.path));
        EXPECT_EQ(c.object.GetNamePath(), c.path);
    }
    EXPECT_EQ(second->GetDisplayName(), u"TPanel");
}

} // namespace
} // namespace rtl
