// The upgrade question and the password form: shown modally and answered with keys as a person would, their icons as
// painted, and the password form reached by a protected download through the form presenter.

#include "UpgradeTestSupport.h"
#include "rtl/WindowsApi.h"
#include "rtl/text/StringUtils.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessageBoxes.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "upgrade/auHTTP.h"
#include "upgrade/auUpdater.h"
#include "upgrade/auUpdaterMessageForm.h"
#include "upgrade/auUpdaterPasswordForm.h"
#include "vcl/extctrls/Image.h"
#include "vcl/extctrls/Panel.h"
#include "vcl/forms/Screen.h"
#include "vcl/graphics/images/Picture.h"
#include "vcl/stdctrls/Button.h"
#include "vcl/stdctrls/Edit.h"
#include "vcl/stdctrls/Label.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

using au::TauUpdaterLanguage;

// The modal form on show, found by its class among the application's forms.
template <class TFormClass>
TFormClass* ShownForm() {
    for (int32_t i = 0; i < vcl::Screen().FormCount(); ++i) {
        if (auto* form = dynamic_cast<TFormClass*>(vcl::Screen().Forms(i)); form != nullptr && form->Visible()) {
            return form;
        }
    }
    return nullptr;
}

// Runs action on the modal form of class TFormClass once it shows; a form the action's keys did not close is closed
// a few seconds later, so that the test fails instead of waiting.
template <class TFormClass>
void ActOnModalForm(const std::function<void(TFormClass& form)>& action) {
    ui_test::RunLater(50, [action] {
        TFormClass* form = ShownForm<TFormClass>();
        ASSERT_NE(form, nullptr);
        action(*form);
        ui_test::RunLater(3000, [form] {
            if (ShownForm<TFormClass>() == form) {
                ADD_FAILURE() << "the form did not close";
                form->SetModalResult(vcl::mrAbort);
            }
        });
    });
}

TEST(auUpdaterForms, TheQuestionFitsItsTextAndEnterUpgradesWhileEscapeWaits) {
    struct Case {
        TauUpdaterLanguage language;
        const char16_t* message;
        uint16_t key;
        bool upgrade;
        const char16_t* text;
        const char16_t* yes;
    };
    const Case cases[] = {
        {TauUpdaterLanguage::wlEnglish, u"Faster import", VK_RETURN, true,
         u"A newer version of Tallyvane was released.\n\nFaster import\n\nDo you want to update your version with the "
         u"latest one?",
         u"&Yes"},
        {TauUpdaterLanguage::wlEnglish, u"", VK_ESCAPE, false,
         u"A newer version of Tallyvane was released.\n\nDo you want to update your version with the latest one?",
         u"&Yes"},
        {TauUpdaterLanguage::wlChineseSimplified, u"", VK_RETURN, true,
         u"Tallyvane已经有新版本推出，\n\n您要升级到新版本吗？", u"开始升级"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.key));
        bool laidOut = false;
        ActOnModalForm<au::TauUpdaterUpgradeMessageForm>([&](au::TauUpdaterUpgradeMessageForm& shown) {
            au::TauUpdaterUpgradeMessageForm* form = &shown;
            EXPECT_EQ(form->Label1->Caption(), c.text);
            EXPECT_EQ(form->YesBtn->Caption(), c.yes);
            laidOut = form->Label1->Width() == form->Width() - 45 - 11 &&
                      form->ClientHeight() == form->Label1->Top() + form->Label1->Height() + 55 &&
                      form->Label1->Height() > 40 && form->BottomPanel->Top() + 55 == form->ClientHeight() &&
                      (GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
            ui_test::PressKey(c.key);
        });
        EXPECT_EQ(au::UpgradeQuestion(u"Tallyvane", c.message, c.language), c.upgrade);
        EXPECT_TRUE(laidOut);
        EXPECT_EQ(ShownForm<au::TauUpdaterUpgradeMessageForm>(), nullptr);
    }
}

TEST(auUpdaterForms, ThePasswordFormStoresWhatWasTypedOnlyOnOK) {
    const std::unique_ptr<au::TauCustomHTTP, rtl::TComponentDeleter> login(new au::TauCustomHTTP(nullptr));
    login->SetHTTPUsername(u"anna");
    for (const uint16_t key : {VK_ESCAPE, VK_RETURN}) {
        ActOnModalForm<au::TauUpdaterPasswordForm>([&](au::TauUpdaterPasswordForm& shown) {
            au::TauUpdaterPasswordForm* form = &shown;
            EXPECT_EQ(form->Caption(), u"Enter password");
            EXPECT_TRUE(form->Label1->Caption().starts_with(u"Access to remote file \"secret.dat\" is"));
            EXPECT_EQ(form->UsernameEdit->Text(), u"anna");
            form->UsernameEdit->SetText(u"bob");
            form->PasswordEdit->SetText(u"s3cret");
            EXPECT_EQ(SendMessageW(form->PasswordEdit->Handle(), EM_GETPASSWORDCHAR, 0, 0), u'*');
            ui_test::PressKey(key);
        });
        EXPECT_EQ(au::AskUpgradePassword(*login, u"secret.dat", TauUpdaterLanguage::wlEnglish), key == VK_RETURN);
        EXPECT_EQ(login->HTTPUsername(), key == VK_RETURN ? u"bob" : u"anna");
        EXPECT_EQ(login->HTTPPassword(), key == VK_RETURN ? u"s3cret" : u"");
    }
}

// Each form's icon shows at its top left over the form's face: the picture's own colours in its middle, the face
// where its transparent colour stands.
TEST(auUpdaterForms, TheQuestionAndThePasswordShowTheirIcons) {
    const auto paintedIcon = [](vcl::TForm& form, vcl::TImage& icon, vcl::TPoint inside) {
        ui_test::ShowTestForm(form, form.ClientWidth(), form.ClientHeight(), ui_test::TFormPlacement::OffScreen);
        ui_test::TDibSurface surface(form.ClientWidth(), form.ClientHeight());
        ui_test::PaintControl(form, surface);
        EXPECT_EQ(icon.Picture().Width(), 32);
        EXPECT_EQ(icon.Picture().Height(), 32);
        EXPECT_EQ(surface.Pixel(icon.Left(), icon.Top()), vcl::ColorToRGB(vcl::clBtnFace)) << "a transparent corner";
        return surface.Pixel(icon.Left() + inside.X, icon.Top() + inside.Y);
    };
    const ui_test::TFormPtr<au::TauUpdaterUpgradeMessageForm> question(new au::TauUpdaterUpgradeMessageForm(nullptr));
    EXPECT_EQ(paintedIcon(*question, *question->Icon, {8, 24}), vcl::TColor(0xD0742F)) << "the question's blue disc";
    const ui_test::TFormPtr<au::TauUpdaterPasswordForm> password(new au::TauUpdaterPasswordForm(nullptr));
    EXPECT_EQ(paintedIcon(*password, *password->Image1, {10, 20}), vcl::TColor(0x23B9E8)) << "the padlock's gold";
}

// A protected download asks through the password form; OK sends the credentials, Cancel aborts the upgrade.
TEST(auUpdaterForms, AProtectedDownloadAsksForThePassword) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("auPassword" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    au_test::TLoopbackHTTPServer server;
    server.Responder = [&server](const std::string& request) {
        if (request.find("/update.txt") != std::string::npos) {
            return au_test::TLoopbackResponse{200, "OK", {}, "#version=2\n#url=" + server.URL("/secret.dat") + "\n"};
        }
        if (request.find("Authorization: Basic YW5uYTpzM2NyZXQ=") != std::string::npos) {
            return au_test::TLoopbackResponse{200, "OK", {}, "secret"};
        }
        return au_test::TLoopbackResponse{401, "Unauthorized", {"WWW-Authenticate: Basic realm=\"updates\""}, "no"};
    };
    ui_test::TRecordedMessageBoxes boxes;
    au_test::TRecordedUpdaterForms forms;
    forms.Fill = [](vcl::TCustomForm& form) {
        if (auto* password = dynamic_cast<au::TauUpdaterPasswordForm*>(&form); password != nullptr) {
            password->UsernameEdit->SetText(u"anna");
            password->PasswordEdit->SetText(u"s3cret");
        }
    };
    for (const vcl::TModalResult answer : {vcl::mrCancel, vcl::mrOk}) {
        SCOPED_TRACE(answer);
        const std::unique_ptr<au::TauUpdater, rtl::TComponentDeleter> updater(new au::TauUpdater(nullptr));
        updater->InfoFileURL = rtl::U16(server.URL("/update.txt"));
        updater->VersionControl = au::TauUpdaterVersionControl::byNumber;
        updater->VersionNumber = u"1.0.0.0";
        updater->Wizard.Language = TauUpdaterLanguage::wlEnglish;
        updater->Wizard.Enabled = false;
        updater->ProgramPath = rtl::UnicodeString((folder / "Tallyvane.exe").u16string());
        updater->HelperPath = rtl::UnicodeString((folder / "UpdateHelper.exe").u16string());
        std::string ended;
        updater->StartHelper = [&](const rtl::UnicodeString&) { return true; };
        updater->OnDoOwnCloseAppMethod = [&](au::TauUpdater&) { ended = "close"; };
        updater->OnAborted = [&](au::TauUpdater&) { ended = "aborted"; };
        forms.Shown.clear();
        forms.Answers = {vcl::mrYes, answer};
        ASSERT_TRUE(updater->CheckUpdate());
        ASSERT_TRUE(au_test::PumpMessagesUntil([&] { return !ended.empty(); }));
        ASSERT_EQ(forms.Shown.size(), 2u);
        EXPECT_EQ(forms.Shown[1].Caption, u"Enter password");
        EXPECT_EQ(ended, answer == vcl::mrOk ? "close" : "aborted");
        EXPECT_EQ(std::filesystem::exists(folder / "secret.dat.uTMP"), answer == vcl::mrOk);
    }
    EXPECT_TRUE(boxes.Shown.empty());
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}

} // namespace
