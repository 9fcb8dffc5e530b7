#pragma once
// The system sounds a program plays to warn (MessageBeep). Every beep goes through the beeper in use: the system's,
// or, in a test, one that counts the beeps.

#include <cstdint>

namespace vcl {

// Plays a system sound: the MessageBeep type (0 for the default beep, MB_ICONHAND, ...).
class IBeeper {
public:
    virtual void MessageBeep(uint32_t soundType) = 0;

protected:
    ~IBeeper() = default;
};

// The beeper in use.
IBeeper& Beeper();
// Uses beeper (not owned) from now on; nullptr goes back to the system's. Returns the beeper it replaces (nullptr
// when that was the system's).
IBeeper* SetBeeper(IBeeper* beeper);

// The default beep, through the beeper in use.
void Beep();

} // namespace vcl
