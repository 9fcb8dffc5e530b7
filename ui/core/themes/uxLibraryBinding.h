#pragma once
// A system library the UI core binds at run time: loaded by name, its functions looked up by name, so that the library
// runs where the system lacks the library or one of its functions (each missing one stays nullptr).

#include "vcl/system/WinTypes.h"

#include <cstddef>
#include <span>
#include <vector>

namespace ui {

class TuxLibraryBinding {
public:
    using TFunction = void (*)();

    TuxLibraryBinding() = default;
    ~TuxLibraryBinding() { Free(); }
    TuxLibraryBinding(const TuxLibraryBinding&) = delete;
    TuxLibraryBinding& operator=(const TuxLibraryBinding&) = delete;

    // Loads the library (freeing one loaded before) and looks up the functions in order; false when it is missing.
    bool Load(const char* library, std::span<const char* const> functions);
    void Free();
    bool Loaded() const { return FLibrary != nullptr; }
    // The function at its index in the list given to Load, as TSignature; nullptr when it is missing.
    template <class TSignature>
    TSignature Function(size_t index) const {
        return index < FFunctions.size() ? reinterpret_cast<TSignature>(FFunctions[index]) : nullptr;
    }

private:
    HMODULE FLibrary = nullptr;
    std::vector<TFunction> FFunctions;
};

} // namespace ui
