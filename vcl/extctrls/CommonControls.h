#pragma once
// The Windows common controls (comctl32): their window classes are registered once per process, before the first
// control of such a class is made.

#include <cstdint>

namespace vcl {

// Registers the common-control classes that classes names (ICC_PROGRESS_CLASS, ...), unless done already.
void InitCommonControlClasses(uint32_t classes);

} // namespace vcl
