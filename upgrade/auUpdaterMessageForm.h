#pragma once
// The upgrade question: a topmost dialog that names the program and the new version's message and offers to upgrade
// now or later. Shown through the upgrader's form presenter.

#include "upgrade/auUpdaterTexts.h"
#include "vcl/forms/Form.h"

namespace vcl {
class TButton;
class TImage;
class TLabel;
class TPanel;
} // namespace vcl

namespace au {

using rtl::UnicodeString;

class TauUpdaterUpgradeMessageForm : public vcl::TForm {
    RTL_DECLARE_CLASS(TauUpdaterUpgradeMessageForm, vcl::TForm)
public:
    explicit TauUpdaterUpgradeMessageForm(rtl::TComponent* owner);

    vcl::TLabel* Label1;
    vcl::TImage* Icon;
    vcl::TPanel* BottomPanel;
    vcl::TButton* YesBtn;
    vcl::TButton* LaterBtn;

protected:
    void CreateParams(vcl::TCreateParams& params) override;
    void DoShow() override;
};

// Asks whether to upgrade title now, showing the new version's message; true for Yes.
bool UpgradeQuestion(const UnicodeString& title, const UnicodeString& message, TauUpdaterLanguage language);

} // namespace au
