#pragma once
// Running the application's messages inside a test: for a given time (timers fire, posted messages arrive), or
// until a condition holds. Each round handles every queued message and then does the application's idle work, as
// the real message loop does.

#include <functional>

namespace ui_test {

// Handles messages and idle work for milliseconds.
void PumpMessages(int milliseconds);
// Handles messages until condition holds (checked after each round) or timeoutMilliseconds pass; whether it held.
bool PumpUntil(const std::function<bool()>& condition, int timeoutMilliseconds = 2000);
// Handles the messages queued now and does the idle work once.
void ProcessPendingMessages();
// Runs action once, milliseconds from now, inside whatever message loop runs then (a modal loop or a message box
// too): how a test acts while the code it drives waits in such a loop.
void RunLater(int milliseconds, std::function<void()> action);

} // namespace ui_test
