// xpggen: writes the C++ units of generated element classes from their tables.
//
//   xpggen <output root> <table>...
//
// Each table gives its unit's folder; the unit's header and source go to that folder below the output root (the
// repository, or a scratch folder when checking that the committed files are current). A file is written only when
// its content changes.

#include "XpgGenEmit.h"
#include "XpgGenTable.h"
#include "tools/support/GeneratedFiles.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: xpggen <output root> <table>...\n";
        return 2;
    }
    try {
        const std::filesystem::path root = argv[1];
        for (int i = 2; i < argc; ++i) {
            const std::filesystem::path tablePath = argv[i];
            const xpggen::TTable table = xpggen::ReadTable(tablePath.string(), tablePath.filename().string());
            const std::filesystem::path folder = root / table.Folder;
            tools::WriteIfChanged(folder / (table.Unit + ".h"), xpggen::EmitHeader(table));
            tools::WriteIfChanged(folder / (table.Unit + ".cpp"), xpggen::EmitSource(table));
        }
    } catch (const std::exception& error) {
        std::cerr << "xpggen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
