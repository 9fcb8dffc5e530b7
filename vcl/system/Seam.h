#pragma once
// A seam: the one implementation of a small interface that the program goes through for something a test must not
// leave to Windows (a message box, a file dialog, launching a program, a beep, the time). The standard implementation
// calls Windows; a test injects its own and takes it out again.

#include <utility>

namespace vcl {

// The implementation of TInterface in use: the standard one, or the one injected.
template <class TInterface>
class TSeam {
public:
    explicit constexpr TSeam(TInterface& standard) : FStandard(standard) {}
    TSeam(const TSeam&) = delete;
    TSeam& operator=(const TSeam&) = delete;

    TInterface& Current() const { return FInjected ? *FInjected : FStandard; }
    // Uses implementation (not owned) from now on; nullptr goes back to the standard one. Returns the injected one
    // it replaces (nullptr when that was the standard one).
    TInterface* Inject(TInterface* implementation) { return std::exchange(FInjected, implementation); }

private:
    TInterface& FStandard;
    TInterface* FInjected = nullptr; // not owned
};

} // namespace vcl
