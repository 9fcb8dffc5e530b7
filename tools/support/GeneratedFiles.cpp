#include "tools/support/GeneratedFiles.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tools {

void WriteIfChanged(const std::filesystem::path& path, const std::string& text) {
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
