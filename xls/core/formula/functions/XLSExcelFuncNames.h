#pragma once
// The worksheet function list: the functions formulas call, each with its id and its argument counts. Ids 0 to 380
// are the MS-XLS function numbers; from 800 on they are this library's own numbers for newer functions. The encoder
// finds the id of a name here, the decoder the name and argument count of an id. The list is a constant table
// generated from tools/xlsfuncgen/XLSFunctions.tbl; names are found through a hash laid out with it.

#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace xls {

// One worksheet function.
struct TXc12FuncData {
    uint16_t Id = 0;
    uint8_t MinArgs = 0;
    // XLSFuncVariableArgs for a function that takes any number of arguments.
    uint8_t MaxArgs = 0;
    // Upper case, as formulas write it.
    rtl::UnicodeStringView Name;
};

inline constexpr uint8_t XLSFuncVariableArgs = 254;

// The messages of the function list's failures.
namespace FuncNamesMessages {
inline constexpr char16_t UnknownFunctionId[] = u"Unknown function id \"%d\"";
} // namespace FuncNamesMessages

// Lookups in the worksheet function list; a process-wide constant, so every operation is static.
class TXLSExcelFuncNames {
public:
    TXLSExcelFuncNames() = delete;

    // The id of a function name, ignoring the case of ASCII letters; -1 for a name that is no worksheet function.
    // Whole UTF-16 units are compared, so no character outside ASCII stands in for a letter of a name.
    static int32_t FindName(rtl::UnicodeStringView name);
    // The name of an id, empty for an id without a function; an id below 0 or above the highest id (872) raises
    // rtl::EListError.
    static rtl::UnicodeStringView GetName(int32_t id);
    // The minimum argument count; an id without a function raises EXLSFormulaError "Unknown function id "<id>"".
    static int32_t MinArgs(int32_t id);
    // True when the minimum equals the maximum argument count; raises as MinArgs does.
    static bool IsFixedArgs(int32_t id);
    // The function of an id, or nullptr.
    static const TXc12FuncData* FindId(int32_t id);
};

} // namespace xls
