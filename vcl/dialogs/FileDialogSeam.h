#pragma once
// The way the program asks the user for a file to open or save. Every open and save dialog of the framework goes
// through the presenter in use: the Windows common dialog, or, in a test, one that answers as the test scripts it,
// so that no test waits for a person. Paths travel as UTF-16 both ways.

#include "rtl/core/SmallSet.h"
#include "rtl/text/StringTypes.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace vcl {

enum TOpenOption : uint8_t {
    ofOverwritePrompt, // a save dialog asks before replacing an existing file
    ofHideReadOnly,    // no "open as read-only" box
    ofNoChangeDir,     // the current folder stays as it was
    ofPathMustExist,   // the folder of the file chosen must exist
    ofFileMustExist,   // the file chosen must exist
    ofEnableSizing,    // the dialog can be resized
};
using TOpenOptions = rtl::TSmallSet<TOpenOption>;

enum class TFileDialogKind : uint8_t { Open, Save };

// What a file dialog shows and, once accepted, what the user chose.
struct TFileDialogRequest {
    TFileDialogKind Kind = TFileDialogKind::Open;
    HWND Owner = nullptr;
    rtl::UnicodeString Title;
    // Pairs of a description and its patterns, separated by "|": "Text files (*.txt)|*.txt|All files|*.*".
    rtl::UnicodeString Filter;
    // The pair shown first, from 1; on acceptance the pair chosen.
    int32_t FilterIndex = 1;
    // The extension added to a name typed without one, as the dialog's owner gives it ("xml", ".xml" or "*.xml").
    rtl::UnicodeString DefaultExt;
    // The name proposed; on acceptance the full path chosen.
    rtl::UnicodeString FileName;
    rtl::UnicodeString InitialDir;
    TOpenOptions Options;
};

// Shows a file dialog; true when the user accepted it, with the choice in request.
class IFileDialogPresenter {
public:
    virtual bool Execute(TFileDialogRequest& request) = 0;

protected:
    ~IFileDialogPresenter() = default;
};

// The presenter in use.
IFileDialogPresenter& FileDialogPresenter();
// Uses presenter (not owned) from now on; nullptr goes back to the Windows dialogs. Returns the presenter it replaces
// (nullptr when that was the Windows one).
IFileDialogPresenter* SetFileDialogPresenter(IFileDialogPresenter* presenter);

// The default extension as the Windows dialog takes it: without "*." or ".", and of several ("*.xls;*.xlsx") the
// first.
rtl::UnicodeString PlainDefaultExt(rtl::UnicodeStringView defaultExt);

} // namespace vcl
