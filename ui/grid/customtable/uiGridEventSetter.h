#pragma once
// The event setters of the table view and its items: a handler is stored, and the owner hears of the change only
// when a handler was set or cleared.

#include <utility>

namespace ui {

template <class THandler, class TChanged>
void SetGridEventHandler(THandler& field, THandler handler, TChanged&& changed) {
    const bool wasOrIsSet = static_cast<bool>(field) || static_cast<bool>(handler);
    field = std::move(handler);
    if (wasOrIsSet) {
        changed();
    }
}

} // namespace ui
