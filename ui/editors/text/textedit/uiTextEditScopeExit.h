#pragma once
// Runs an action when a scope ends, also when the scope throws: the text editors restore their flags and unlock
// their change events with it.

#include <utility>

namespace ui {

template <class TAction>
class TuiTextEditScopeExit {
public:
    explicit TuiTextEditScopeExit(TAction action) : FAction(std::move(action)) {}
    TuiTextEditScopeExit(const TuiTextEditScopeExit&) = delete;
    TuiTextEditScopeExit& operator=(const TuiTextEditScopeExit&) = delete;
    ~TuiTextEditScopeExit() { FAction(); }

private:
    TAction FAction;
};

// Sets flag to value for the scope; the old value comes back when the scope ends.
inline auto RaiseForScope(bool& flag, bool value = true) {
    const bool saved = std::exchange(flag, value);
    return TuiTextEditScopeExit([&flag, saved] { flag = saved; });
}

} // namespace ui
