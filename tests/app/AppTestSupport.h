#pragma once
// Doubles of the application's interfaces and file helpers for its tests: messages answered from a script, a
// registry made of a table, a view that records its batches, and temporary folders.

#include "app/invoice/RegistryReader.h"
#include "app/invoice/SalesListImport.h"
#include "app/invoice/UserMessages.h"
#include "rtl/text/StringTypes.h"

#include <deque>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace app_test {

// Records every message as "error: text", "warning: text", "information: text", "message: text" or
// "question: text" (UTF-8) and answers the questions from Answers (Yes when none is left).
class TScriptedMessages final : public app::IUserMessages {
public:
    void ShowBox(app::TMessageKind kind, rtl::UnicodeStringView text) override;
    void ShowMessage(rtl::UnicodeStringView text) override;
    bool AskYesNo(rtl::UnicodeStringView text) override;

    std::vector<std::string> Shown;
    std::deque<bool> Answers;
};

// A registry of the keys and values put in; key paths compare case-insensitively, as the registry's do.
class TTableRegistry final : public app::IRegistryReader {
public:
    // Adds the key (also with no value: name and value empty).
    void Add(app::TRegistryHive hive, rtl::UnicodeStringView key, rtl::UnicodeStringView name,
             rtl::UnicodeStringView value);

    bool KeyExists(app::TRegistryHive hive, rtl::UnicodeStringView key) const override;
    rtl::UnicodeString ReadString(app::TRegistryHive hive, rtl::UnicodeStringView key,
                                  rtl::UnicodeStringView name) const override;

private:
    using TKey = std::tuple<app::TRegistryHive, rtl::UnicodeString>;
    std::map<TKey, std::map<rtl::UnicodeString, rtl::UnicodeString>> FKeys;
};

// Records "begin", "end" and "best fit" in the order they come.
class TRecordingView final : public app::ISalesListView {
public:
    void BeginUpdate() override { Calls.push_back("begin"); }
    void EndUpdate() override { Calls.push_back("end"); }
    void ApplyBestFit() override { Calls.push_back("best fit"); }

    std::vector<std::string> Calls;
};

// A new empty folder in the temporary folder, named after the running test; removed with its content at the end.
class TTempFolder {
public:
    TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;
    ~TTempFolder();

    // The folder with its trailing separator.
    const rtl::UnicodeString& Path() const { return FPath; }
    // Makes a folder below this one (and those on its way); returns its path with a trailing separator.
    rtl::UnicodeString MakeFolder(rtl::UnicodeStringView relative) const;

private:
    rtl::UnicodeString FPath;
};

std::string ReadFileBytes(rtl::UnicodeStringView fileName);
void WriteFileBytes(rtl::UnicodeStringView fileName, std::string_view bytes);

} // namespace app_test
