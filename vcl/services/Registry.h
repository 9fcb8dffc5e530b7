#pragma once
// TRegistry: reading and writing values of one open registry key. A key is opened below RootKey (HKEY_CURRENT_USER
// unless set), by a path relative to the key open now or, starting with "\", to the root. Access holds the Windows
// access rights the keys are opened with (KEY_ALL_ACCESS unless given) together with the registry view
// (KEY_WOW64_64KEY, KEY_WOW64_32KEY); OpenKeyReadOnly asks for read rights only, in the same view, so that a user
// without administrator rights can read keys of the local machine. The values are those of the key open now; reading
// or writing one with no key open raises ERegistryException. The key open is closed by CloseKey, by opening another
// one and by the destructor.

#include "rtl/core/Exceptions.h"
#include "rtl/text/StringTypes.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>
#include <vector>

namespace vcl {

class ERegistryException : public rtl::Exception {
public:
    using rtl::Exception::Exception;
};

namespace VclMessages {
inline constexpr char16_t RegistrySetDataError[] = u"Failed to set data for '%s'";
inline constexpr char16_t RegistryGetDataError[] = u"Failed to get data for '%s'";
inline constexpr char16_t RegistryInvalidDataType[] = u"Invalid data type for '%s'";
inline constexpr char16_t RegistryNoKeyOpen[] = u"No registry key is open for '%s'";
} // namespace VclMessages

// One open key of the registry and its values.
class TRegistry {
public:
    // Keys opened with all access rights in the program's own view.
    TRegistry();
    explicit TRegistry(uint32_t access);
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey() const { return FRootKey; }
    // Closes the key open now.
    void SetRootKey(HKEY value);
    uint32_t Access() const { return FAccess; }
    void SetAccess(uint32_t value) { FAccess = value; }

    // Opens key (creating it, and the keys on its way, when canCreate); false when it cannot be opened or created.
    bool OpenKey(rtl::UnicodeStringView key, bool canCreate);
    // Opens an existing key with read rights only; false when it cannot be opened.
    bool OpenKeyReadOnly(rtl::UnicodeStringView key);
    void CloseKey();
    // Whether key exists (and may be read); the key open now stays open.
    bool KeyExists(rtl::UnicodeStringView key);
    // The key open now (nullptr when none) and its path from the root, without a leading "\".
    HKEY CurrentKey() const { return FCurrentKey; }
    const rtl::UnicodeString& CurrentPath() const { return FCurrentPath; }

    // The names of the open key's subkeys in the order the registry lists them; none when no key is open.
    std::vector<rtl::UnicodeString> GetKeyNames() const;
    bool ValueExists(rtl::UnicodeStringView name) const;
    // A text value (REG_SZ or REG_EXPAND_SZ, unexpanded); empty when the value is missing. ERegistryException for a
    // value of another type.
    rtl::UnicodeString ReadString(rtl::UnicodeStringView name) const;
    // A REG_DWORD value; ERegistryException when it is missing or of another type.
    int32_t ReadInteger(rtl::UnicodeStringView name) const;
    // ERegistryException when the value cannot be written.
    void WriteString(rtl::UnicodeStringView name, rtl::UnicodeStringView value);
    void WriteInteger(rtl::UnicodeStringView name, int32_t value);

private:
    // Where a key path leads: the open key it starts from, the path below that key, and the whole path from the root.
    struct TKeyPath {
        HKEY Base;
        rtl::UnicodeString Relative;
        rtl::UnicodeString FromRoot;
    };
    TKeyPath ResolveKey(rtl::UnicodeStringView key) const;
    // Read rights in the view Access names.
    uint32_t ReadAccess() const;
    bool Open(rtl::UnicodeStringView key, uint32_t access, bool canCreate);
    HKEY RequireKey(rtl::UnicodeStringView name) const;

    HKEY FRootKey;
    HKEY FCurrentKey = nullptr; // owned
    rtl::UnicodeString FCurrentPath;
    uint32_t FAccess;
};

} // namespace vcl
