#include "tests/app/main/MainFormTestSupport.h"

#include "rtl/io/IniFiles.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/MessagePump.h"

#include <stdexcept>

namespace app_test {

std::optional<app::TFileVersionNumbers> TScriptedVersionSource::ReadFileVersion(rtl::UnicodeStringView fileName) const {
    Asked.emplace_back(fileName);
    if (Raises) {
        throw std::runtime_error("unreadable version resource");
    }
    return Version;
}

void TRecordingUpdateCheck::SetVersionNumber(rtl::UnicodeStringView version) {
    Calls.push_back("version " + test_support::Utf8(version));
}

void TRecordingUpdateCheck::CheckUpdate() {
    Calls.push_back("check");
    if (Raises) {
        throw rtl::Exception(u"the update server cannot be reached");
    }
}

MainFormTest::MainFormTest() {
    Desktop = Folder.MakeFolder(u"Desktop");
    Registry.Add(app::rhCurrentUser, u"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                 u"Desktop", Desktop);
    FServices.Registry = &Registry;
    FServices.Versions = &Versions;
    FServices.Updates = &Updates;
    FServices.ProgramFile = Folder.Path() + u"Tallyvane.exe";
    FPrevious = app::SetMainServices(&FServices);
}

MainFormTest::~MainFormTest() {
    Form.reset();
    app::SetMainServices(FPrevious);
}

app::TmainForm& MainFormTest::CreateForm() {
    Form.reset(new app::TmainForm(nullptr));
    return *Form;
}

app::TmainForm& MainFormTest::ShowForm() {
    CreateForm();
    ui_test::ShowTestForm(*Form, 920, 663);
    return *Form;
}

void MainFormTest::WriteSettings(std::string_view text) const {
    WriteFileBytes(SettingsFile(), text);
}

rtl::UnicodeString MainFormTest::ReadSetting(rtl::UnicodeStringView section, rtl::UnicodeStringView key) const {
    const rtl::TIniFile file(SettingsFile());
    return file.ReadString(section, key, u"<none>");
}

} // namespace app_test
