#include "ui/core/themes/uxMsimg32.h"

namespace ui {

namespace {

// In the order of TuxMsimg32Function.
constexpr const char* Msimg32FunctionNames[] = {"AlphaBlend", "GradientFill"};

TuxLibraryBinding Msimg32Binding;

} // namespace

const TuxLibraryBinding& Msimg32Library() {
    return Msimg32Binding;
}

void InitializeMsimg32Unit() {
    Msimg32Binding.Load("msimg32.dll", Msimg32FunctionNames);
}

void FinalizeMsimg32Unit() {
    Msimg32Binding.Free();
}

} // namespace ui
