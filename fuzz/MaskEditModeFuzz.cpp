// Compiles a mask from the input and types into the standard, the regular-expression or the extended mode as a user
// would: characters, the editing keys, Shift selections, clicks and texts set by the program, at random, against an
// edit that applies the keys the mode lets through. No key may crash or hang, and between keys a regular-expression
// mode's head and tail must stay the edit's text.
//
// Input: a flags byte (bit 0 the extended mode, bit 1 case-insensitive, bit 2 blanks ignored, bit 3 the standard
// mode), the mask up to the first NUL byte (control characters moved to letters), then the operations, one byte
// each, some followed by a byte of their own. Bytes are characters 0-255.

#include "tests/ui/editors/mask/modes/MaskEditModeTestSite.h"
#include "ui/editors/mask/modes/uiMaskEditError.h"
#include "ui/editors/mask/modes/uiMaskEditRegExprExMode.h"
#include "ui/editors/mask/modes/uiMaskEditStandardMode.h"

#include <cstdlib>
#include <memory>

namespace {

struct TModeFuzzSeparators : ui::IuiRegExprSeparators {
    char16_t DateSeparator() const override { return u'/'; }
    char16_t TimeSeparator() const override { return u':'; }
    char16_t DecimalSeparator() const override { return u'.'; }
};

constexpr int maxModeOperations = 512;
constexpr size_t maxModeMask = 256;

void RequireMode(bool condition) {
    if (!condition) {
        std::abort();
    }
}

const char16_t* const modeFuzzKeys[] = {u"{Left}", u"{Right}",      u"{Home}",        u"{End}",        u"{Del}",
                                        u"{Back}", u"{Shift+Left}", u"{Shift+Right}", u"{Shift+Home}", u"{Shift+End}"};
constexpr size_t modeFuzzKeyCount = sizeof(modeFuzzKeys) / sizeof(modeFuzzKeys[0]);

class TModeFuzzRun {
public:
    TModeFuzzRun(const uint8_t* data, size_t size) : FData(data), FSize(size) {}

    void Run() {
        const uint8_t flags = Next();
        Options.CaseInsensitive = (flags & 2) != 0;
        Options.IgnoreMaskBlank = (flags & 4) != 0;
        if ((flags & 8) != 0) {
            Mode = std::make_unique<ui::TuiMaskEditStandardMode>(&Site, Options, Separators);
        } else if ((flags & 1) != 0) {
            auto mode = std::make_unique<ui::TuiMaskEditRegExprExMode>(&Site, Options, Separators);
            RegExprMode = mode.get();
            Mode = std::move(mode);
        } else {
            auto mode = std::make_unique<ui::TuiMaskEditRegExprMode>(&Site, Options, Separators);
            RegExprMode = mode.get();
            Mode = std::move(mode);
        }
        rtl::UnicodeString mask;
        while (FPosition < FSize && mask.size() < maxModeMask) {
            const char16_t character = Next();
            if (character == 0) {
                break;
            }
            // The modes type forced characters as character messages, where a control character would act as a key:
            // masks hold printable characters only.
            mask += character < 32 ? static_cast<char16_t>(character + 64) : character;
        }
        try {
            Mode->Compile(mask);
        } catch (const ui::EuiMaskEditError&) {
            return;
        }
        // A blank mask checks nothing: the keys go through and the mode keeps no head and tail.
        const bool checking = !ui::IsEditMaskBlank(mask);
        Site.SetDisplayValue(RegExprMode != nullptr ? Mode->GetEmptyString() : Mode->FormatText({}, true));
        Mode->SetText(Site.Text());
        for (int operation = 0; operation < maxModeOperations && FPosition < FSize; ++operation) {
            RunOperation();
            if (RegExprMode != nullptr) {
                RequireMode(!checking || RegExprMode->Head() + RegExprMode->Tail() == Site.EditText);
            }
        }
    }

private:
    uint8_t Next() { return FPosition < FSize ? FData[FPosition++] : 0; }

    void RunOperation() {
        const uint8_t operation = Next();
        // Control characters reach the mode as keys, never as typed characters.
        if (operation >= 32 && operation < 128 && operation != u'{') {
            ui::test::DriveKeys(*Mode, Site, std::u16string(1, static_cast<char16_t>(operation)));
        } else if (operation < 200) {
            ui::test::DriveKeys(*Mode, Site, modeFuzzKeys[operation % modeFuzzKeyCount]);
        } else if (operation < 220) {
            Site.SetSelStart(Next() % (Site.EditText.size() + 1));
            Mode->SelectCharAtCursor();
        } else if (operation < 230) {
            Mode->SelectAll();
            Site.Anchor = 0;
            Site.Caret = static_cast<int32_t>(Site.EditText.size());
        } else if (operation < 240) {
            Site.SetDisplayValue(Mode->FormatText(Site.EditText, true));
            Mode->SetText(Site.Text());
        } else {
            Mode->IsTextValid(Site.EditText);
            Site.UserChanged = (operation & 1) != 0;
            Site.Prepared = Mode->GetEmptyString();
            Mode->SynchronizeEditValue();
        }
    }

    const uint8_t* FData;
    size_t FSize;
    size_t FPosition = 0;
    TModeFuzzSeparators Separators;
    ui::TuiMaskEditModeOptions Options;
    ui::test::TTestMaskEditSite Site;
    std::unique_ptr<ui::TuiMaskEditCustomMode> Mode;
    // The same mode when it is a regular-expression one, whose head and tail are checked; null otherwise.
    ui::TuiMaskEditRegExprMode* RegExprMode = nullptr;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TModeFuzzRun(data, size).Run();
    return 0;
}
