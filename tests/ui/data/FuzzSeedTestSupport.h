#pragma once
// The seeds of a fuzz target are streams the tests write: a test compares the committed files with what it writes now,
// or, run with TALLYVANE_WRITE_FUZZ_SEEDS=1, writes them anew.

#include "rtl/io/Streams.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/data/DataTestSupport.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace ui::test {

using TFuzzSeeds = std::vector<std::pair<std::string, std::string>>;

inline void ExpectFuzzSeeds(const std::string& target, const TFuzzSeeds& seeds) {
    const char* write = std::getenv("TALLYVANE_WRITE_FUZZ_SEEDS");
    for (const auto& [name, bytes] : seeds) {
        SCOPED_TRACE(name);
        const rtl::UnicodeString path = test_support::DataPath("fuzz/" + target + "/" + name);
        if (write && std::string(write) == "1") {
            rtl::TStringStream(bytes).SaveToFile(path);
            continue;
        }
        rtl::TMemoryStream committed;
        committed.LoadFromFile(path);
        EXPECT_EQ(
            HexOf(std::string(static_cast<const char*>(committed.Memory()), static_cast<size_t>(committed.Size()))),
            HexOf(bytes));
    }
}

} // namespace ui::test
