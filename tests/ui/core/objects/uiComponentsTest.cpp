// Weak links to components, the library's component base and the free notificator.

#include "ui/core/objects/uiComponents.h"

#include "ui/core/objects/uiObjectLinks.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace ui {
namespace {

using TComponentPtr = std::unique_ptr<rtl::TComponent, rtl::TComponentDeleter>;

TEST(uiObjectLinks, LinksLoseTheirComponentWhenItIsDestroyed) {
    const int32_t before = LiveObjectLinkCount();
    TComponentPtr component(new TuiComponent(nullptr));
    TComponentPtr other(new TuiComponent(nullptr));
    TuiObjectLinkPtr first = CreateObjectLink(component.get());
    TuiObjectLinkPtr second = CreateObjectLink(component.get());
    TuiObjectLinkPtr toOther = CreateObjectLink(other.get());
    EXPECT_EQ(first->Ref(), component.get());
    EXPECT_EQ(LiveObjectLinkCount(), before + 3);

    component.reset();
    EXPECT_EQ(first->Ref(), nullptr);
    EXPECT_EQ(second->Ref(), nullptr);
    EXPECT_EQ(toOther->Ref(), other.get()) << "links to other components stay";
    EXPECT_EQ(LiveObjectLinkCount(), before + 1);

    first.reset();
    toOther.reset();
    EXPECT_EQ(LiveObjectLinkCount(), before + 0);
    EXPECT_EQ(CreateObjectLink(nullptr), nullptr);
}

TEST(uiObjectLinks, DetachingAComponentWithoutLinksChangesNothing) {
    TComponentPtr component(new TuiComponent(nullptr));
    DetachObjectLinks(component.get());
    TuiObjectLinkPtr link = CreateObjectLink(component.get());
    DetachObjectLinks(nullptr);
    EXPECT_EQ(link->Ref(), component.get());
}

TEST(uiFreeNotificator, ReportsEachWatchedComponentThatIsFreed) {
    std::vector<rtl::TComponent*> freed;
    TComponentPtr notificator(new TuiFreeNotificator(nullptr));
    auto& watcher = static_cast<TuiFreeNotificator&>(*notificator);
    watcher.SetOnFreeNotification([&](rtl::TComponent* component) { freed.push_back(component); });

    TComponentPtr watched(new rtl::TComponent(nullptr));
    TComponentPtr unwatched(new rtl::TComponent(nullptr));
    watcher.WatchComponent(watched.get());
    watcher.WatchComponent(unwatched.get());
    watcher.UnwatchComponent(unwatched.get());
    watcher.WatchComponent(nullptr);
    rtl::TComponent* watchedAddress = watched.get();
    watched.reset();
    unwatched.reset();
    EXPECT_EQ(freed, std::vector<rtl::TComponent*>{watchedAddress});
}

TEST(uiInterfacedPersistent, KnowsItsOwner) {
    TuiInterfacedPersistent owner(nullptr);
    const TuiInterfacedPersistent owned(&owner);
    EXPECT_EQ(owned.GetOwner(), &owner);
    EXPECT_EQ(owner.GetOwner(), nullptr);
}

} // namespace
} // namespace ui
