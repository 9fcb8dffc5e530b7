#pragma once
// Persistent objects: objects that can take over the state of another (Assign) and that know the object owning them,
// which gives them a dotted name path for messages and designers. A class that can copy from another class overrides
// Assign (copying from its own family) or AssignTo (copying into another family), and passes anything else on to its
// parent's version, which ends in the "cannot assign" conversion error.

#include "rtl/core/Interfaces.h"
#include "rtl/core/Object.h"

namespace rtl {

class TFiler;

namespace RtlMessages {
inline constexpr char16_t AssignError[] = u"Cannot assign a %s to a %s";
} // namespace RtlMessages

// The base of objects that copy themselves from others and sit under an owner.
class TPersistent : public TObject {
    RTL_DECLARE_CLASS(TPersistent, TObject)
public:
    // Takes over source's state; a source this class cannot copy from (or nullptr) raises EConvertError.
    virtual void Assign(const TPersistent* source);
    // The object this one belongs to, or nullptr.
    virtual TPersistent* GetOwner() const { return nullptr; }
    // "owner path.ClassName", or the class name alone when there is no owner path.
    virtual UnicodeString GetNamePath() const;
    // Defines the properties that form data holds beside the published ones, through filer (rtl/io/Filer.h); none
    // here.
    virtual void DefineProperties(TFiler&) {}

protected:
    // Copies this object into dest, for a source class that knows a destination class not knowing it.
    virtual void AssignTo(TPersistent& dest) const;
    [[noreturn]] void AssignError(const TPersistent* source) const;
};

// A persistent that offers interfaces. Its references count on its owner's IInterface when the owner has one, as the
// object lives exactly as long as its owner; without such an owner they are not counted.
class TInterfacedPersistent : public TPersistent, public virtual IInterface {
    RTL_DECLARE_CLASS(TInterfacedPersistent, TPersistent)
public:
    bool QueryInterface(const TGUID& iid, void** object) override { return QueryInterfaceOf<>(this, iid, object); }
    int32_t AddRef() override;
    int32_t Release() override;

private:
    IInterface* OwnerInterface() const;
};

} // namespace rtl
