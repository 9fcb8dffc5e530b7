#pragma once
// The heap bytes a benchmark program's global allocation functions have handed out and not taken back, and their peak:
// how a benchmark reads what an operation leaves allocated or the most it adds while it runs. Linking HeapCounter.cpp
// into a program replaces its operator new and delete.

#include <cstdint>

namespace bench {

int64_t LiveHeapBytes();
int64_t PeakHeapBytes();
// Starts the peak again from the bytes live now.
void ResetPeakHeapBytes();

} // namespace bench
