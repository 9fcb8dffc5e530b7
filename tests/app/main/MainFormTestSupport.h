#pragma once
// The main window in a test: its services answered by the test (a registry of one desktop folder, a version, a
// recording update check, a program folder of its own in the temporary folder), its message boxes recorded.

#include "app/invoice/ProgramFiles.h"
#include "app/main/Main.h"
#include "app/main/MainServices.h"
#include "app/main/UpdateCheck.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/ui/TestForms.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace app_test {

// Answers the version it is given; raises when told to.
class TScriptedVersionSource final : public app::IFileVersionSource {
public:
    std::optional<app::TFileVersionNumbers> ReadFileVersion(rtl::UnicodeStringView fileName) const override;

    std::optional<app::TFileVersionNumbers> Version = app::TFileVersionNumbers{1, 1, 7, 0};
    bool Raises = false;
    mutable std::vector<rtl::UnicodeString> Asked;
};

// Records "version TEXT" and "check" as they come; a check raises when told to.
class TRecordingUpdateCheck final : public app::IUpdateCheck {
public:
    void SetVersionNumber(rtl::UnicodeStringView version) override;
    void CheckUpdate() override;

    std::vector<std::string> Calls;
    bool Raises = false;
};

class MainFormTest : public testing::Test {
protected:
    MainFormTest();
    ~MainFormTest() override;

    // Creates the window (FormCreate runs); ShowForm shows it on the test display too, at its own client size.
    app::TmainForm& CreateForm();
    app::TmainForm& ShowForm();
    // Frees the window (FormDestroy writes the settings).
    void FreeForm() { Form.reset(); }

    rtl::UnicodeString ProgramFolder() const { return Folder.Path(); }
    rtl::UnicodeString SettingsFile() const { return Folder.Path() + u"Tallyvane.ini"; }
    void WriteSettings(std::string_view text) const;
    rtl::UnicodeString ReadSetting(rtl::UnicodeStringView section, rtl::UnicodeStringView key) const;

    TTempFolder Folder;
    rtl::UnicodeString Desktop;
    TTableRegistry Registry;
    TScriptedVersionSource Versions;
    TRecordingUpdateCheck Updates;
    ui_test::TFormPtr<app::TmainForm> Form;

private:
    app::TMainServices FServices;
    const app::TMainServices* FPrevious;
};

} // namespace app_test
