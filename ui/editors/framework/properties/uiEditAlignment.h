#pragma once
// TuiEditAlignment: where an editor puts its value, horizontally and vertically. An unassigned horizontal alignment
// is left to the editor's properties, which answer their default (the data's) in its place.

#include "rtl/core/Events.h"
#include "rtl/core/Persistent.h"
#include "vcl/stdctrls/StdCtrlTypes.h"

#include <cstdint>

namespace ui {

enum TuiEditVertAlignment : uint8_t { taTopJustify, taBottomJustify, taVCenter };

class TuiEditAlignment : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiEditAlignment, rtl::TPersistent)
public:
    using TConstructorArgument = rtl::TPersistent*;

    explicit TuiEditAlignment(rtl::TPersistent* owner) : FOwner(owner) {}

    rtl::TPersistent* GetOwner() const override { return FOwner; }
    // From another alignment: both values and whether Horz is assigned, then OnChanged; else the conversion error.
    void Assign(const rtl::TPersistent* source) override;

    vcl::TAlignment Horz() const { return FHorz; }
    // Assigning marks Horz assigned and notifies, even with the value it already holds while unassigned.
    void SetHorz(vcl::TAlignment value);
    bool IsHorzAssigned() const { return FIsHorzAssigned; }
    TuiEditVertAlignment Vert() const { return FVert; }
    void SetVert(TuiEditVertAlignment value);
    // Horz is unassigned again; notifies.
    void Reset();

    bool IsHorzStored() const { return FIsHorzAssigned; }
    bool IsVertStored() const { return FVert != taTopJustify; }

    const rtl::TNotifyEvent& OnChanged() const { return FOnChanged; }
    void SetOnChanged(rtl::TNotifyEvent handler) { FOnChanged = std::move(handler); }

protected:
    void DoChanged();

private:
    rtl::TPersistent* FOwner; // not owned: the properties
    vcl::TAlignment FHorz = vcl::taLeftJustify;
    bool FIsHorzAssigned = false;
    TuiEditVertAlignment FVert = taTopJustify;
    rtl::TNotifyEvent FOnChanged;
};

} // namespace ui
