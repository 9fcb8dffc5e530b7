#pragma once
// Writing a generated file only when its content changes, so that a regeneration that changes nothing leaves the
// file's time alone and nothing is rebuilt.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace tools {

inline void WriteIfChanged(const std::filesystem::path& path, const std::string& text) {
    std::ifstream existing(path, std::ios::binary);
    if (existing && std::string(std::istreambuf_iterator<char>(existing), {}) == text) {
        return;
    }
    existing.close();
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary);
    file << text;
    if (!file) {
        throw std::runtime_error(path.string() + ": cannot be written");
    }
}

} // namespace tools
