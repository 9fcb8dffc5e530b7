#pragma once
// The system's registry, read with every key opened for reading alone, so that a user without administrator rights
// reads the keys of the local machine too.

#include "app/invoice/RegistryReader.h"

namespace app {

class TWindowsRegistryReader final : public IRegistryReader {
public:
    bool KeyExists(TRegistryHive hive, rtl::UnicodeStringView key) const override;
    rtl::UnicodeString ReadString(TRegistryHive hive, rtl::UnicodeStringView key,
                                  rtl::UnicodeStringView name) const override;
};

} // namespace app
