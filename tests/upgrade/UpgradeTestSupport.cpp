// The message pump, the recorded forms and the classes root of the upgrade tests.

#include "UpgradeTestSupport.h"

#include "rtl/WindowsApi.h"
#include "vcl/controls/Control.h"
#include "vcl/forms/Form.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace au_test {

bool PumpMessagesUntil(const std::function<bool()>& done, int rounds) {
    for (int round = 0; round < rounds && !done(); ++round) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return done();
}

TRecordedUpdaterForms::TRecordedUpdaterForms() : FPrevious(au::SetUpdaterFormPresenter(this)) {}

TRecordedUpdaterForms::~TRecordedUpdaterForms() {
    au::SetUpdaterFormPresenter(FPrevious);
}

vcl::TModalResult TRecordedUpdaterForms::ShowModal(vcl::TCustomForm& form) {
    const auto* label = dynamic_cast<vcl::TControl*>(form.FindComponent(u"Label1"));
    Shown.push_back({form.Caption(), label != nullptr ? label->Caption() : u""});
    if (Fill) {
        Fill(form);
    }
    if (Answers.empty()) {
        return vcl::mrCancel;
    }
    const vcl::TModalResult answer = Answers.front();
    Answers.pop_front();
    return answer;
}

TTestClassesRoot::TTestClassesRoot()
    : FKeyPath(L"Software\\Tallyvane测试_Classes_" + std::to_wstring(GetCurrentProcessId())) {
    HKEY root = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, FKeyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root, nullptr) !=
        ERROR_SUCCESS) {
        throw std::runtime_error("no key for the test's classes root");
    }
    RegOverridePredefKey(HKEY_CLASSES_ROOT, root);
    RegCloseKey(root);
}

TTestClassesRoot::~TTestClassesRoot() {
    RegOverridePredefKey(HKEY_CLASSES_ROOT, nullptr);
    RegDeleteTreeW(HKEY_CURRENT_USER, FKeyPath.c_str());
}

void TTestClassesRoot::Register(const std::wstring& extension, const std::wstring& type,
                                const std::vector<TVerb>& verbs) {
    const auto setDefault = [](const std::wstring& key, const std::wstring& value) {
        RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    };
    setDefault(extension, type);
    for (const TVerb& verb : verbs) {
        const std::wstring key = type + L"\\shell\\" + verb.Name;
        HKEY created = nullptr;
        RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created, nullptr);
        RegCloseKey(created);
        if (!verb.Command.empty()) {
            setDefault(key + L"\\command", verb.Command);
        }
    }
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::wstring UpdateHelperProgram() {
    const std::string path = UPDATE_HELPER_PROGRAM;
    return std::wstring(path.begin(), path.end());
}

} // namespace au_test
