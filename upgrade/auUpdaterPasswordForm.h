#pragma once
// The password form: asks for the user name and password that a protected download needs. Shown through the
// upgrader's form presenter.

#include "upgrade/auUpdaterTexts.h"
#include "vcl/forms/Form.h"

namespace vcl {
class TButton;
class TEdit;
class TImage;
class TLabel;
class TPanel;
} // namespace vcl

namespace au {

using rtl::UnicodeString;
class TauLoginComponent;

class TauUpdaterPasswordForm : public vcl::TForm {
    RTL_DECLARE_CLASS(TauUpdaterPasswordForm, vcl::TForm)
public:
    explicit TauUpdaterPasswordForm(rtl::TComponent* owner);

    vcl::TLabel* Label1;
    vcl::TImage* Image1;
    vcl::TPanel* BottomPanel;
    vcl::TLabel* UsernameLab;
    vcl::TLabel* PasswordLab;
    vcl::TEdit* UsernameEdit;
    vcl::TEdit* PasswordEdit;
    vcl::TButton* OKBtn;
    vcl::TButton* CancelBtn;
};

// Asks for the credentials of the protected file fileName, starting from login's user name; OK stores both in login
// and answers true.
bool AskUpgradePassword(TauLoginComponent& login, const UnicodeString& fileName, TauUpdaterLanguage language);

} // namespace au
