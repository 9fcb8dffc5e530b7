#pragma once
// The options of a view: each property change becomes a view change of its kind (0 repaint, 1 layout, 2 size).
// Every options object registers with its view, which passes component notifications to it.

#include "ui/core/objects/uiComponents.h"
#include "vcl/stdctrls/StdCtrlTypes.h"

#include <cstdint>

namespace ui {

class TuiCustomGridView;

class TuiCustomGridOptions : public TuiInterfacedPersistent {
    RTL_DECLARE_CLASS(TuiCustomGridOptions, TuiInterfacedPersistent)
public:
    explicit TuiCustomGridOptions(TuiCustomGridView& gridView);
    ~TuiCustomGridOptions() override;

    // Any options object is taken (descendants copy their own values); anything else raises as the runtime does.
    void Assign(const rtl::TPersistent* source) override;
    TuiCustomGridView& GridView() const { return FGridView; }
    virtual void Notification(rtl::TComponent* /*component*/, rtl::TOperation /*operation*/) {}

protected:
    void Changed(int32_t kind);

private:
    TuiCustomGridView& FGridView;
};

class TuiCustomGridOptionsBehavior : public TuiCustomGridOptions {
    RTL_DECLARE_CLASS(TuiCustomGridOptionsBehavior, TuiCustomGridOptions)
public:
    using TuiCustomGridOptions::TuiCustomGridOptions;
    void Assign(const rtl::TPersistent* source) override;
    bool PostponedSynchronization() const { return FPostponedSynchronization; }
    void SetPostponedSynchronization(bool value) { FPostponedSynchronization = value; }

private:
    bool FPostponedSynchronization = true;
};

class TuiCustomGridOptionsData : public TuiCustomGridOptions {
    RTL_DECLARE_CLASS(TuiCustomGridOptionsData, TuiCustomGridOptions)
public:
    using TuiCustomGridOptions::TuiCustomGridOptions;
};

class TuiCustomGridOptionsSelection : public TuiCustomGridOptions {
    RTL_DECLARE_CLASS(TuiCustomGridOptionsSelection, TuiCustomGridOptions)
public:
    using TuiCustomGridOptions::TuiCustomGridOptions;
};

class TuiCustomGridOptionsView : public TuiCustomGridOptions {
    RTL_DECLARE_CLASS(TuiCustomGridOptionsView, TuiCustomGridOptions)
public:
    using TuiCustomGridOptions::TuiCustomGridOptions;
    void Assign(const rtl::TPersistent* source) override;
    // The site's scroll bars; a new value lays the view out again.
    vcl::TScrollStyle ScrollBars() const;
    void SetScrollBars(vcl::TScrollStyle value);
};

} // namespace ui
