#pragma once
// The application's messages and questions as the framework's message dialogs.

#include "app/invoice/UserMessages.h"

namespace app {

class TVclUserMessages final : public IUserMessages {
public:
    void ShowBox(TMessageKind kind, rtl::UnicodeStringView text) override;
    void ShowMessage(rtl::UnicodeStringView text) override;
    bool AskYesNo(rtl::UnicodeStringView text) override;
};

} // namespace app
