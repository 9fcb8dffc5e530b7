#pragma once
// How the application's rules talk to the user: message boxes and yes-or-no questions. The Windows program shows
// them as the framework's message dialogs; tests answer them from a script.

#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace app {

// The kind of a message box: it gives the icon and the caption.
enum TMessageKind : uint8_t { mkError, mkWarning, mkInformation };

class IUserMessages {
public:
    // A message box of the kind with an OK button; returns when the user has closed it.
    virtual void ShowBox(TMessageKind kind, rtl::UnicodeStringView text) = 0;
    // A plain message with the program's title and an OK button.
    virtual void ShowMessage(rtl::UnicodeStringView text) = 0;
    // A confirmation with Yes and No buttons; true for Yes.
    virtual bool AskYesNo(rtl::UnicodeStringView text) = 0;

protected:
    ~IUserMessages() = default;
};

} // namespace app
