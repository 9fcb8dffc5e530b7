#pragma once
// The fixed file version of a file's version resource, read with the system's version functions.

#include "app/invoice/ProgramFiles.h"

namespace app {

class TWindowsFileVersionSource final : public IFileVersionSource {
public:
    std::optional<TFileVersionNumbers> ReadFileVersion(rtl::UnicodeStringView fileName) const override;
};

} // namespace app
