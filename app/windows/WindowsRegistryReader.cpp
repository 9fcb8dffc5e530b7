#include "app/windows/WindowsRegistryReader.h"

#include "rtl/WindowsApi.h"
#include "vcl/services/Registry.h"

namespace app {

namespace {

// Opens key below the hive for reading; false when it cannot be opened.
bool OpenForReading(vcl::TRegistry& registry, TRegistryHive hive, rtl::UnicodeStringView key) {
    registry.SetRootKey(hive == rhLocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER);
    return registry.OpenKeyReadOnly(u"\\" + rtl::UnicodeString(key));
}

} // namespace

bool TWindowsRegistryReader::KeyExists(TRegistryHive hive, rtl::UnicodeStringView key) const {
    vcl::TRegistry registry(KEY_READ);
    return OpenForReading(registry, hive, key);
}

rtl::UnicodeString TWindowsRegistryReader::ReadString(TRegistryHive hive, rtl::UnicodeStringView key,
                                                      rtl::UnicodeStringView name) const {
    vcl::TRegistry registry(KEY_READ);
    if (!OpenForReading(registry, hive, key)) {
        return {};
    }
    try {
        return registry.ReadString(name);
    } catch (const vcl::ERegistryException&) {
        // A value that is not text reads as no value.
        return {};
    }
}

} // namespace app
