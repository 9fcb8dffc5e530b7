#pragma once
// TuiPCPaintersFactory: the registry of tab painter styles. It maps style ids to styles, chooses the style of a look
// and feel and makes painters. One factory exists while at least one style is registered: the first registration
// makes it, unregistering the last style frees it.

#include "ui/pagecontrol/tabs/uiPCPainter.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiPCPaintersFactory {
public:
    int32_t Count() const { return static_cast<int32_t>(FClasses.size()); }
    TuiPCPainterClass Item(int32_t index) const { return FClasses.at(static_cast<size_t>(index)); }
    // The first registered style with that id, or nullptr.
    TuiPCPainterClass GetPainterClass(TuiPCStyleID styleID) const;
    // The last registered style that is the default of the look and feel; -1 for none.
    TuiPCStyleID GetStyleForLookAndFeel(const TuiLookAndFeel& lookAndFeel) const;
    // The first registered style, or the last one that is the default for the native style; raises without styles.
    TuiPCStyleID GetDefaultStyleID(const TuiLookAndFeel& lookAndFeel) const;
    // A new painter of painterClass for control; raises for nullptr.
    std::unique_ptr<TuiPCCustomPainter> GetPainterInstance(TuiPCPainterClass painterClass,
                                                           TuiCustomTabControl& control) const;

private:
    friend void RegisterPCPainterClass(TuiPCPainterClass painterClass);
    friend void UnregisterPCPainterClass(TuiPCPainterClass painterClass);

    std::vector<TuiPCPainterClass> FClasses; // not owned: each style's one metaclass
};

// The factory; nullptr while no style is registered.
const TuiPCPaintersFactory* PCPaintersFactory();
// Adds a style once; makes the factory on first use.
void RegisterPCPainterClass(TuiPCPainterClass painterClass);
// Removes a style; frees the factory when none is left.
void UnregisterPCPainterClass(TuiPCPainterClass painterClass);
// A control's style for a look and feel: the look and feel's own style, else the default style. Raises without
// styles.
TuiPCStyleID GetPCDefaultStyle(const TuiLookAndFeel& lookAndFeel);
// The registered style of that id; nullptr without one.
TuiPCPainterClass FindPCPainterClass(TuiPCStyleID styleID);

} // namespace ui
