#include "rtl/core/Component.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace rtl {
namespace {

using TLog = std::vector<std::string>;

std::string Utf8Name(const TComponent* component) {
    return UnicodeToUtf8(component->Name());
}

// Records its destruction and every notification it receives in a log it does not own.
class TProbe : public TComponent {
    RTL_DECLARE_CLASS(TProbe, TComponent)
public:
    explicit TProbe(TComponent* owner) : TComponent(owner) {}
    TProbe(TComponent* owner, const char16_t* name, TLog* log) : TComponent(owner), FLog(log) { SetName(name); }
    ~TProbe() override {
        const bool destroying = ComponentState().Contains(TComponentState::csDestroying);
        Write("free " + Utf8Name(this) + (destroying ? "" : " (not marked destroying)"));
    }

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        Write(Utf8Name(this) + (operation == TOperation::opInsert ? " gets " : " loses ") + Utf8Name(component));
    }

private:
    void Write(const std::string& entry) {
        if (FLog) {
            FLog->push_back(entry);
        }
    }

    TLog* FLog = nullptr; // not owned
};

class TNotAComponent : public TPersistent {
    RTL_DECLARE_CLASS(TNotAComponent, TPersistent)
};

TEST(Component, OwnerFreesItsComponentsLastFirstAndTellsEachSubscriberOnce) {
    TLog log;
    auto* owner = new TProbe(nullptr, u"Form", &log);
    auto* a = new TProbe(owner, u"A", &log);
    auto* b = new TProbe(owner, u"B", &log);
    auto* c = new TProbe(owner, u"C", &log);
    const std::unique_ptr<TProbe, TComponentDeleter> watcher(new TProbe(nullptr, u"W", &log));
    for (TComponent* watched : {a, b, c, owner}) {
        watched->FreeNotification(watcher.get());
        watched->FreeNotification(watcher.get()); // asking twice changes nothing
    }
    a->FreeNotification(c); // c goes before a and must not hear of it
    b->FreeNotification(owner);
    log.clear();

    TComponent::Free(owner);
    const TLog expected = {
        "free Form", "W loses Form", "free C", "W loses C", "free B", "W loses B", "free A", "W loses A",
    };
    EXPECT_EQ(log, expected);
}

TEST(Component, ComponentFreedFirstLeavesItsOwnerAndTellsItsSubscribers) {
    TLog log;
    TProbe owner(nullptr, u"Form", &log);
    new TProbe(&owner, u"A", &log);
    auto* b = new TProbe(&owner, u"B", &log);
    new TProbe(&owner, u"C", &log);
    TProbe watcher(nullptr, u"W", &log);
    TProbe unsubscribed(nullptr, u"U", &log);
    b->FreeNotification(&watcher);
    b->FreeNotification(&owner);
    b->FreeNotification(&unsubscribed);
    b->RemoveFreeNotification(&unsubscribed);
    log.clear();

    TComponent::Free(b);
    const TLog expected = {"free B", "W loses B", "Form loses B"};
    EXPECT_EQ(log, expected);
    ASSERT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(owner.Components(0)->Name(), u"A");
    EXPECT_EQ(owner.Components(1)->Name(), u"C");
    EXPECT_EQ(owner.FindComponent(u"B"), nullptr);
}

TEST(Component, WatcherFreedFirstIsForgotten) {
    TLog log;
    auto* watched = new TProbe(nullptr, u"X", &log);
    auto* watcher = new TProbe(nullptr, u"W", &log);
    watched->FreeNotification(watcher);
    TComponent::Free(watcher);
    TComponent::Free(watched);
    const TLog expected = {"free W", "free X"};
    EXPECT_EQ(log, expected);
}

TEST(Component, FindComponentIgnoresCaseAndComponentsChecksItsIndex) {
    TProbe owner(nullptr);
    auto* grid = new TProbe(&owner);
    grid->SetName(u"uiGrid1");
    new TProbe(&owner);
    struct Case {
        UnicodeString name;
        TComponent* expected;
    };
    const Case cases[] = {{u"uiGrid1", grid}, {u"UIGRID1", grid}, {u"uiGrid", nullptr}, {u"", nullptr}};
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.name));
        EXPECT_EQ(owner.FindComponent(c.name), c.expected);
    }
    for (const int32_t index : {-1, 2}) {
        SCOPED_TRACE(index);
        EXPECT_THROW(owner.Components(index), EListError);
    }
}

TEST(Component, InsertComponentMovesItBetweenOwners) {
    TLog log;
    TProbe first(nullptr, u"First", &log);
    TProbe second(nullptr, u"Second", &log);
    auto* moved = new TProbe(&first, u"M", &log);
    second.SetDesigning(true);
    log.clear();

    second.InsertComponent(moved);
    const TLog expected = {"First loses M", "Second gets M"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(moved->Owner(), &second);
    EXPECT_EQ(moved->GetOwner(), &second);
    EXPECT_EQ(first.ComponentCount(), 0);
    EXPECT_TRUE(moved->ComponentState().Contains(TComponentState::csDesigning));

    second.RemoveComponent(moved);
    EXPECT_EQ(moved->Owner(), nullptr);
    EXPECT_EQ(second.ComponentCount(), 0);
    TComponent::Free(moved);
}

TEST(Component, StateFlags) {
    TProbe owner(nullptr);
    auto* child = new TProbe(&owner);
    owner.SetAncestor(true);
    EXPECT_TRUE(child->ComponentState().Contains(TComponentState::csAncestor));

    owner.SetStreamingState({TComponentState::csLoading, TComponentState::csReading, TComponentState::csDestroying});
    EXPECT_EQ(owner.ComponentState(),
              (TComponentStates{TComponentState::csLoading, TComponentState::csReading, TComponentState::csAncestor}));
    owner.SetStreamingState({TComponentState::csLoading});
    owner.Loaded();
    EXPECT_EQ(owner.ComponentState(), TComponentStates{TComponentState::csAncestor});
}

TEST(Component, VirtualConstructorWithOwner) {
    TProbe owner(nullptr);
    TComponent* created = TComponent::Create(TProbe::StaticClass(), &owner);
    EXPECT_TRUE(created->ClassType() == TProbe::StaticClass());
    EXPECT_EQ(created->Owner(), &owner);
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_THROW(TComponent::Create(TNotAComponent::StaticClass(), &owner), EInvalidCast);
}

} // namespace
} // namespace rtl
