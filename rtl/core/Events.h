#pragma once
// Events: handlers that an object calls back when something happens to it. An event is a std::function; an empty one
// is an unassigned event, which callers skip.

#include <functional>

namespace rtl {

class TObject;

// The plain event: "something happened to sender".
using TNotifyEvent = std::function<void(TObject* sender)>;

template <class TSignature>
bool Assigned(const std::function<TSignature>& event) {
    return static_cast<bool>(event);
}

} // namespace rtl
