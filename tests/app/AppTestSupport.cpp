#include "tests/app/AppTestSupport.h"

#include "rtl/io/FileUtils.h"
#include "rtl/text/StringUtils.h"
#include "tests/support/TestSupport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace app_test {

namespace {

std::filesystem::path AppTestPath(rtl::UnicodeStringView path) {
    return std::filesystem::path(rtl::UnicodeString(path));
}

} // namespace

void TScriptedMessages::ShowBox(app::TMessageKind kind, rtl::UnicodeStringView text) {
    constexpr const char* Kinds[] = {"error: ", "warning: ", "information: "};
    Shown.push_back(Kinds[kind] + test_support::Utf8(text));
}

void TScriptedMessages::ShowMessage(rtl::UnicodeStringView text) {
    Shown.push_back("message: " + test_support::Utf8(text));
}

bool TScriptedMessages::AskYesNo(rtl::UnicodeStringView text) {
    Shown.push_back("question: " + test_support::Utf8(text));
    if (Answers.empty()) {
        return true;
    }
    const bool answer = Answers.front();
    Answers.pop_front();
    return answer;
}

void TTableRegistry::Add(app::TRegistryHive hive, rtl::UnicodeStringView key, rtl::UnicodeStringView name,
                         rtl::UnicodeStringView value) {
    auto& values = FKeys[{hive, rtl::UpperCase(key)}];
    if (!name.empty() || !value.empty()) {
        values[rtl::UpperCase(name)] = value;
    }
}

bool TTableRegistry::KeyExists(app::TRegistryHive hive, rtl::UnicodeStringView key) const {
    return FKeys.contains({hive, rtl::UpperCase(key)});
}

rtl::UnicodeString TTableRegistry::ReadString(app::TRegistryHive hive, rtl::UnicodeStringView key,
                                              rtl::UnicodeStringView name) const {
    const auto found = FKeys.find({hive, rtl::UpperCase(key)});
    if (found == FKeys.end()) {
        return {};
    }
    const auto value = found->second.find(rtl::UpperCase(name));
    return value == found->second.end() ? rtl::UnicodeString() : value->second;
}

TTempFolder::TTempFolder() {
    const rtl::UnicodeString base = rtl::GetTempDirectory() + u"tallyvane-app-" +
                                    rtl::U16(testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(AppTestPath(base));
    std::filesystem::create_directories(AppTestPath(base));
    FPath = rtl::IncludeTrailingPathDelimiter(base);
}

TTempFolder::~TTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(AppTestPath(FPath), ignored);
}

rtl::UnicodeString TTempFolder::MakeFolder(rtl::UnicodeStringView relative) const {
    const rtl::UnicodeString path = FPath + rtl::UnicodeString(relative);
    std::filesystem::create_directories(AppTestPath(path));
    return rtl::IncludeTrailingPathDelimiter(path);
}

std::string ReadFileBytes(rtl::UnicodeStringView fileName) {
    std::ifstream file(AppTestPath(fileName), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void WriteFileBytes(rtl::UnicodeStringView fileName, std::string_view bytes) {
    std::ofstream file(AppTestPath(fileName), std::ios::binary | std::ios::trunc);
    file << bytes;
    ASSERT_TRUE(file.good());
}

} // namespace app_test
