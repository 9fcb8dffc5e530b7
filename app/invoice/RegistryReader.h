#pragma once
// Reading the registry, and only reading it: the application never changes a key. The Windows program reads the
// system's registry with keys opened for reading alone; tests answer from a table.

#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace app {

enum TRegistryHive : uint8_t { rhCurrentUser, rhLocalMachine };

class IRegistryReader {
public:
    // Whether the key (a path below the hive, without a leading backslash) exists and opens for reading.
    virtual bool KeyExists(TRegistryHive hive, rtl::UnicodeStringView key) const = 0;
    // A text value of the key; empty when the key or the value is missing or the value is not text.
    virtual rtl::UnicodeString ReadString(TRegistryHive hive, rtl::UnicodeStringView key,
                                          rtl::UnicodeStringView name) const = 0;

protected:
    ~IRegistryReader() = default;
};

} // namespace app
