#pragma once
// Components: persistent objects in an ownership tree. A component created with an owner joins the owner's
// components, and the owner frees it; freeing a component on its own takes it out of its owner's components. A
// component can also ask to be told when another component is freed (FreeNotification), so that it can drop its
// reference in time; that list takes no ownership either way.
//
// Freeing order: a component first tells the components that asked for a free notification (each once, the last one
// that asked first), then frees its own components (the last inserted first, the reverse of creation), and last leaves
// its owner, which is told through Notification(component, opRemove).
//
// C++ runs a descendant's destructor before TComponent's, so two rules follow. Free a component with Free (the owner
// does), which calls BeforeDestruction first, so that csDestroying is already set while the descendant's destructor
// runs. A descendant whose owned components refer back to its own members calls DestroyComponents in its destructor,
// before those members go.

#include "rtl/core/Interfaces.h"
#include "rtl/core/Persistent.h"
#include "rtl/core/SmallSet.h"

#include <cstdint>
#include <vector>

namespace rtl {

enum class TComponentState : uint8_t { csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor };
using TComponentStates = TSmallSet<TComponentState>;

enum class TOperation : uint8_t { opInsert, opRemove };

// A persistent object that an owner frees, with a name, a tag, owned components and free notification.
class TComponent : public TPersistent, public TNotCountedInterface {
    RTL_DECLARE_CLASS(TComponent, TPersistent)
public:
    using TConstructorArgument = TComponent*;

    // With an owner the component joins its components and must have been built with new: the owner frees it.
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    // The virtual constructor of componentClass; EInvalidCast when it is not a component class.
    static TComponent* Create(const TMetaclass& componentClass, TComponent* owner);
    // Frees a component built with new: BeforeDestruction, then delete. Nothing for nullptr.
    static void Free(TComponent* component);

    TComponent* Owner() const { return FOwner; }
    const UnicodeString& Name() const { return FName; }
    virtual void SetName(UnicodeStringView name);
    intptr_t Tag() const { return FTag; }
    void SetTag(intptr_t tag) { FTag = tag; }

    int32_t ComponentCount() const { return static_cast<int32_t>(FComponents.size()); }
    // EListError for an index out of range.
    TComponent* Components(int32_t index) const;
    // The owned component of that name, ignoring ASCII case; nullptr when there is none or the name is empty.
    TComponent* FindComponent(UnicodeStringView name) const;
    // Makes this the owner of component, taking it from its previous owner. Nothing for nullptr.
    void InsertComponent(TComponent* component);
    // Gives up an owned component without freeing it; nothing when this is not its owner.
    void RemoveComponent(TComponent* component);
    // Frees every owned component, the last inserted first.
    void DestroyComponents();

    // Where a designer places a component that is no control (left in the low word, top in the high word); kept with
    // the form data.
    int32_t DesignInfo() const { return FDesignInfo; }
    void SetDesignInfo(int32_t value) { FDesignInfo = value; }

    TComponentStates ComponentState() const { return FComponentState; }
    void SetDesigning(bool value, bool setChildren = true);
    // Marks this component and its owned components as coming from an inherited form.
    void SetAncestor(bool value);
    // For the form reader and writer: sets csLoading, csReading and csWriting as in states; other flags are left alone.
    void SetStreamingState(TComponentStates states);
    // Called once a reader has read the component and resolved its references: it leaves csLoading.
    virtual void Loaded();
    // Called right before the component is freed: marks it as being destroyed.
    virtual void BeforeDestruction();
    // Marks this component and its owned components as being destroyed.
    void Destroying();

    // Asks that component be told (Notification(this, opRemove)) when this one is freed. Asking twice tells it once.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    TPersistent* GetOwner() const override { return FOwner; }
    UnicodeString GetNamePath() const override { return FName; }

protected:
    // component joined (opInsert) or left (opRemove) this component's components, or a component that this one watches
    // is being freed (opRemove). Descendants drop their references to a component that goes. Empty here.
    virtual void Notification(TComponent* component, TOperation operation);

private:
    void NotifyFreeNotificationSubscribers();
    void StopWatching();

    TComponent* FOwner = nullptr; // not owned
    UnicodeString FName;
    intptr_t FTag = 0;
    int32_t FDesignInfo = 0;
    TComponentStates FComponentState;
    std::vector<TComponent*> FComponents;   // owned
    std::vector<TComponent*> FFreeNotifies; // not owned: told when this one is freed
    std::vector<TComponent*> FWatched;      // not owned: the components whose FFreeNotifies hold this one
};

// Frees a component held by a std::unique_ptr through TComponent::Free.
struct TComponentDeleter {
    void operator()(TComponent* component) const { TComponent::Free(component); }
};

} // namespace rtl
