#pragma once
// Writing a unit's C++ header and source from its table, already in the layout of the repository's .clang-format,
// so that formatting the generated files changes nothing.

#include "XpgGenTable.h"

#include <string>

namespace xpggen {

// The longest line the generated files may hold; a table whose names make a longer one is refused.
inline constexpr size_t MaxLineLength = 120;

std::string EmitHeader(const TTable& table);
std::string EmitSource(const TTable& table);

} // namespace xpggen
