// xlsfuncgen: writes the worksheet function tables of the formula kit from their table file.
//
//   xlsfuncgen <output root> <table>
//
// The unit xls/core/formula/functions/XLSFunctionTables.cpp goes below the output root (the repository, or a scratch
// folder when checking that the committed file is current); it is written only when its content changes. The table's
// format is described at its top.

#include "tools/support/GeneratedFiles.h"
#include "xls/core/formula/functions/XLSFuncNameHash.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr const char* OutputPath = "xls/core/formula/functions/XLSFunctionTables.cpp";
constexpr int MaxFunctionId = 0xFFFF;
constexpr int FunctionVariableArgs = 254;
constexpr int BiffVariableArgs = 99;
constexpr int BiffMacroSheetArgs = 255;
constexpr size_t BiffClassCount = 6;

struct TFunction {
    int Id = 0;
    std::string Name;
    int MinArgs = 0;
    int MaxArgs = 0;
};

struct TBiffFunction {
    std::string Name;
    int MinArgs = 0;
    int MaxArgs = 0;
    std::string Classes;
};

struct TTables {
    std::vector<TFunction> Functions;
    std::vector<TBiffFunction> BiffFunctions;
};

class TTableReader {
public:
    explicit TTableReader(const std::string& path) : FPath(path) {}

    TTables Read() {
        std::ifstream file(FPath);
        if (!file) {
            throw std::runtime_error(FPath + ": cannot be read");
        }
        std::string text;
        while (std::getline(file, text)) {
            ++FLine;
            ReadLine(text);
        }
        if (FTables.Functions.empty() || FTables.BiffFunctions.empty()) {
            Fail("the table needs function and biff lines");
        }
        return std::move(FTables);
    }

private:
    [[noreturn]] void Fail(const std::string& message) const {
        throw std::runtime_error(FPath + ":" + std::to_string(FLine) + ": " + message);
    }

    void ReadLine(const std::string& text) {
        std::istringstream words(text);
        std::vector<std::string> tokens{std::istream_iterator<std::string>(words), {}};
        if (tokens.empty() || tokens[0].starts_with('#')) {
            return;
        }
        if (tokens[0] == "function") {
            ReadFunction(tokens);
        } else if (tokens[0] == "biff") {
            ReadBiffFunction(tokens);
        } else {
            Fail("unknown line \"" + tokens[0] + "\"");
        }
    }

    int Number(const std::string& text) const {
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || value < 0) {
            Fail("\"" + text + "\" is no number");
        }
        return value;
    }

    // "<min>-<max>", min not above max, max at most limit.
    std::pair<int, int> ArgCounts(const std::string& text, int limit) const {
        const size_t dash = text.find('-');
        if (dash == std::string::npos) {
            Fail("\"" + text + "\" is no argument count range");
        }
        const int low = Number(text.substr(0, dash));
        const int high = Number(text.substr(dash + 1));
        if (low > high || high > limit) {
            Fail("the argument counts " + text + " are out of order or above " + std::to_string(limit));
        }
        return {low, high};
    }

    // Names are written in upper case, so that the lookup's folding finds them.
    void CheckName(const std::string& name) const {
        for (const char c : name) {
            const bool allowed = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_';
            if (!allowed) {
                Fail("the name \"" + name + "\" has a character other than A-Z, 0-9, '.' and '_'");
            }
        }
    }

    void ReadFunction(const std::vector<std::string>& tokens) {
        if (tokens.size() != 4) {
            Fail("a function line is: function <id> <NAME> <min>-<max>");
        }
        TFunction function{Number(tokens[1]), tokens[2], 0, 0};
        std::tie(function.MinArgs, function.MaxArgs) = ArgCounts(tokens[3], FunctionVariableArgs);
        CheckName(function.Name);
        if (function.Id > MaxFunctionId) {
            Fail("the id " + tokens[1] + " does not fit 16 bits");
        }
        if (!FTables.Functions.empty() && function.Id <= FTables.Functions.back().Id) {
            Fail("the id " + tokens[1] + " does not follow the one before it");
        }
        if (!FNames.insert(function.Name).second) {
            Fail("a second function \"" + function.Name + "\"");
        }
        FTables.Functions.push_back(std::move(function));
    }

    void ReadBiffFunction(const std::vector<std::string>& tokens) {
        if (tokens.size() < 4 || tokens.size() > 5) {
            Fail("a biff line is: biff <number> <NAME> <min>-<max> [<classes>] or biff <number> <NAME> macro");
        }
        if (Number(tokens[1]) != static_cast<int>(FTables.BiffFunctions.size())) {
            Fail("the biff numbers must run 0, 1, 2, ... without gaps");
        }
        TBiffFunction function{tokens[2], BiffMacroSheetArgs, BiffMacroSheetArgs, ""};
        CheckName(function.Name);
        if (tokens[3] != "macro") {
            std::tie(function.MinArgs, function.MaxArgs) = ArgCounts(tokens[3], BiffVariableArgs);
            function.Classes = tokens.size() == 5 ? tokens[4] : "";
        } else if (tokens.size() == 5) {
            Fail("a macro-sheet function has no argument classes");
        }
        if (function.Classes.size() > BiffClassCount ||
            function.Classes.find_first_not_of("RVA") != std::string::npos) {
            Fail("the classes \"" + function.Classes + "\" are not at most six of R, V and A");
        }
        FTables.BiffFunctions.push_back(std::move(function));
    }

    std::string FPath;
    int FLine = 0;
    TTables FTables;
    std::set<std::string> FNames;
};

// Open addressing in the order of the records, probing as TXLSExcelFuncNames::FindName does.
std::array<uint16_t, xls::XLSFuncNameSlotCount> NameSlots(const std::vector<TFunction>& functions) {
    if (functions.size() >= xls::XLSFuncNameSlotCount / 2) {
        throw std::runtime_error("too many functions for the name hash's slots");
    }
    std::array<uint16_t, xls::XLSFuncNameSlotCount> slots{};
    for (size_t index = 0; index < functions.size(); ++index) {
        const std::string& name = functions[index].Name;
        size_t slot = xls::XLSFuncNameFirstSlot(xls::XLSFuncNameHash(std::u16string(name.begin(), name.end())));
        while (slots[slot] != 0) {
            slot = (slot + 1) % slots.size();
        }
        slots[slot] = static_cast<uint16_t>(index + 1);
    }
    return slots;
}

const char* ClassByte(char letter) {
    switch (letter) {
    case 'R':
        return "0x20";
    case 'V':
        return "0x40";
    case 'A':
        return "0x60";
    default:
        return "0";
    }
}

void EmitFunctions(std::ostream& out, const std::vector<TFunction>& functions) {
    out << "constexpr TXc12FuncData FuncData[] = {\n";
    for (const TFunction& function : functions) {
        out << "    {" << function.Id << ", " << function.MinArgs << ", " << function.MaxArgs << ", u\""
            << function.Name << "\"},\n";
    }
    out << "};\n\n";
}

void EmitNameSlots(std::ostream& out, const std::vector<TFunction>& functions) {
    constexpr size_t perLine = 16;
    const auto slots = NameSlots(functions);
    out << "constexpr uint16_t FuncNameSlots[XLSFuncNameSlotCount] = {\n";
    for (size_t index = 0; index < slots.size(); ++index) {
        out << (index % perLine == 0 ? "    " : " ") << slots[index] << ",";
        if (index % perLine == perLine - 1) {
            out << "\n";
        }
    }
    out << "};\n\n";
}

void EmitBiffFunctions(std::ostream& out, const std::vector<TBiffFunction>& functions) {
    out << "constexpr TExcelFunctions ExcelFunctions[] = {\n";
    for (const TBiffFunction& function : functions) {
        out << "    {" << function.MinArgs << ", " << function.MaxArgs << ", u\"" << function.Name << "\", {";
        for (size_t index = 0; index < BiffClassCount; ++index) {
            out << (index == 0 ? "" : ", ") << ClassByte(index < function.Classes.size() ? function.Classes[index] : 0);
        }
        out << "}},\n";
    }
    out << "};\n";
}

std::string EmitSource(const TTables& tables, const std::string& tableFile) {
    std::ostringstream out;
    out << "// Generated by tools/xlsfuncgen from tools/xlsfuncgen/" << tableFile
        << ": edit the table, not this file.\n\n"
        << "#include \"xls/core/formula/functions/XLSFunctionTables.h\"\n\n"
        << "namespace xls {\n\nnamespace {\n\n// clang-format off\n";
    EmitFunctions(out, tables.Functions);
    EmitNameSlots(out, tables.Functions);
    EmitBiffFunctions(out, tables.BiffFunctions);
    out << "// clang-format on\n\n} // namespace\n\n"
        << "std::span<const TXc12FuncData> XLSFuncDataRecords() {\n    return FuncData;\n}\n\n"
        << "std::span<const uint16_t, XLSFuncNameSlotCount> XLSFuncNameSlots() {\n    return FuncNameSlots;\n}\n\n"
        << "std::span<const TExcelFunctions, ExcelFunctionCount> ExcelFunctionRecords() {\n"
        << "    return ExcelFunctions;\n}\n\n"
        << "} // namespace xls\n";
    return out.str();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: xlsfuncgen <output root> <table>\n";
        return 2;
    }
    try {
        const std::filesystem::path table = argv[2];
        const TTables tables = TTableReader(table.string()).Read();
        tools::WriteIfChanged(std::filesystem::path(argv[1]) / OutputPath,
                              EmitSource(tables, table.filename().string()));
    } catch (const std::exception& error) {
        std::cerr << "xlsfuncgen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
