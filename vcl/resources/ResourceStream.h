#pragma once
// Resources of the program's modules: TResourceStream reads one resource (of any type: bitmaps, skins of type
// "UXSKINS", the upgrade helper of type "AUUPG") as a read-only memory stream over the module's own copy, and the
// string tables give their strings by identifier. A resource that does not exist raises EResNotFound.

#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace vcl {

// A resource that the module does not have.
class EResNotFound : public rtl::Exception {
public:
    using Exception::Exception;
};

namespace VclMessages {
inline constexpr char16_t ResourceNotFound[] = u"Resource %s not found";
} // namespace VclMessages

// A resource as a stream. The module's resource memory is never written: writing raises EStreamError.
class TResourceStream : public rtl::TCustomMemoryStream {
public:
    // The resource of that name and type (names and types of the form "#123" or made with MAKEINTRESOURCE work too);
    // a null instance is the program's own module.
    TResourceStream(HINSTANCE instance, rtl::UnicodeStringView name, const char16_t* type);
    TResourceStream(HINSTANCE instance, uint16_t id, const char16_t* type);

    int32_t Write(const void* buffer, int32_t count) override;

private:
    void Initialize(HINSTANCE instance, const char16_t* name, const char16_t* type, rtl::UnicodeStringView shownName);
};

// The string of a string table with that identifier in the program's module, or an empty string when there is none.
rtl::UnicodeString LoadStr(uint32_t id);
// The same, raising EResNotFound when the string is missing.
rtl::UnicodeString LoadResString(uint32_t id);

} // namespace vcl
