#pragma once
// The view classes a designer may offer, with their descriptions ("Table"), sorted by description with those that
// begin with "DB" after the others. The registry lives from the grid unit's start-up to its shut-down.

#include "ui/core/objects/uiClassRegistries.h"

namespace ui {

class TuiGridRegisteredViews : public TuiRegisteredClasses {
public:
    TuiGridRegisteredViews();

protected:
    int CompareDescriptions(int32_t index1, int32_t index2) const override;
};

// The registry; the grid unit must be started.
TuiGridRegisteredViews& GridRegisteredViews();

namespace detail {
void StartGridRegisteredViews();
void FinishGridRegisteredViews();
} // namespace detail

} // namespace ui
