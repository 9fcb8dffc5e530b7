#pragma once
// Writing the output of a code generator: a file is rewritten only when its content changes, so the build does not
// recompile what a regeneration left as it was.

#include <filesystem>
#include <string>

namespace tools {

// Writes text to path (making its folders) unless the file already holds exactly that text; std::runtime_error when
// the file cannot be written.
void WriteIfChanged(const std::filesystem::path& path, const std::string& text);

} // namespace tools
