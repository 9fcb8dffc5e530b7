// skinc: compiles the readable text of skins into skin streams, and prints a stream back as that text.
//
//   skinc <output root> <text>...     each text (see SkinText.h) becomes resources/skins/<NAME>.uxskin below the output
//                                     root, NAME being the text's file name without extension in upper case
//   skinc --dump <stream> <folder>    writes the stream's text as <folder>/<stream name>.skin and its textures beside
//
// Compiling a dumped text gives the stream's bytes back. A file is written only when its content changes.

#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"
#include "rtl/text/CodePages.h"
#include "tools/skinc/SkinText.h"
#include "tools/support/GeneratedFiles.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>
#include <iterator>

namespace {

constexpr const char* OutputFolder = "resources/skins";

void Compile(const std::filesystem::path& root, const std::filesystem::path& text) {
    const std::unique_ptr<ui::TuxSkin> skin = tools::ReadSkinText(text);
    std::string name = text.stem().string();
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::toupper(c); });
    rtl::TStringStream stream;
    skin->SaveToStream(stream);
    tools::WriteIfChanged(root / OutputFolder / (name + ".uxskin"), stream.DataString());
}

void Dump(const std::filesystem::path& streamPath, const std::filesystem::path& folder) {
    std::ifstream file(streamPath, std::ios::binary);
    if (!file) {
        throw std::runtime_error(streamPath.string() + ": cannot be read");
    }
    rtl::TStringStream stream(std::string(std::istreambuf_iterator<char>(file), {}));
    ui::TuxSkin skin(streamPath.stem().string());
    skin.LoadFromStream(stream);
    if (stream.Position() != stream.Size()) {
        throw std::runtime_error(streamPath.string() + ": " + std::to_string(stream.Size() - stream.Position()) +
                                 " bytes after the skin");
    }
    tools::WriteIfChanged(folder / (streamPath.stem().string() + ".skin"), tools::WriteSkinText(skin, folder));
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const bool dump = !arguments.empty() && arguments[0] == "--dump";
    if (dump ? arguments.size() != 3 : arguments.size() < 2) {
        std::cerr << "usage: skinc <output root> <text>...\n       skinc --dump <stream> <folder>\n";
        return 2;
    }
    try {
        if (dump) {
            Dump(arguments[1], arguments[2]);
        } else {
            for (size_t i = 1; i < arguments.size(); ++i) {
                Compile(arguments[0], arguments[i]);
            }
        }
    } catch (const rtl::Exception& error) {
        std::cerr << "skinc: " << rtl::UnicodeToAnsi(error.Message(), rtl::cpUtf8) << "\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "skinc: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
