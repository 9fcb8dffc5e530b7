#include "vcl/dialogs/FileDialogSeam.h"

#include "vcl/system/Seam.h"
#include "vcl/system/Win32.h"

#include <algorithm>
#include <commdlg.h>
#include <vector>

namespace vcl {

namespace {

// Long enough for any path the dialog can return.
constexpr size_t FileNameBufferLength = 32768;

// The filter as the dialog takes it: each description and pattern ended by a zero character, the list by another.
std::vector<wchar_t> WindowsFilter(rtl::UnicodeStringView filter) {
    std::vector<wchar_t> result;
    result.reserve(filter.size() + 2);
    for (const char16_t character : filter) {
        result.push_back(character == u'|' ? L'\0' : static_cast<wchar_t>(character));
    }
    result.push_back(L'\0');
    result.push_back(L'\0');
    return result;
}

DWORD OptionFlags(TOpenOptions options) {
    constexpr struct {
        TOpenOption Option;
        DWORD Flag;
    } Flags[] = {{ofOverwritePrompt, OFN_OVERWRITEPROMPT}, {ofHideReadOnly, OFN_HIDEREADONLY},
                 {ofNoChangeDir, OFN_NOCHANGEDIR},         {ofPathMustExist, OFN_PATHMUSTEXIST},
                 {ofFileMustExist, OFN_FILEMUSTEXIST},     {ofEnableSizing, OFN_ENABLESIZING}};
    DWORD result = OFN_EXPLORER;
    for (const auto& flag : Flags) {
        if (options.Contains(flag.Option)) {
            result |= flag.Flag;
        }
    }
    return result;
}

class TWindowsFileDialogs final : public IFileDialogPresenter {
public:
    bool Execute(TFileDialogRequest& request) override {
        const std::vector<wchar_t> filter = WindowsFilter(request.Filter);
        const rtl::UnicodeString defaultExt = PlainDefaultExt(request.DefaultExt);
        std::vector<wchar_t> fileName(FileNameBufferLength, L'\0');
        std::copy_n(AsWide(request.FileName.c_str()), std::min(request.FileName.size(), fileName.size() - 1),
                    fileName.begin());
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof(dialog);
        dialog.hwndOwner = request.Owner;
        dialog.lpstrFilter = request.Filter.empty() ? nullptr : filter.data();
        dialog.nFilterIndex = static_cast<DWORD>(std::max(request.FilterIndex, 0));
        dialog.lpstrFile = fileName.data();
        dialog.nMaxFile = static_cast<DWORD>(fileName.size());
        dialog.lpstrInitialDir = AsWideOrNull(request.InitialDir);
        dialog.lpstrTitle = AsWideOrNull(request.Title);
        dialog.lpstrDefExt = AsWideOrNull(defaultExt);
        dialog.Flags = OptionFlags(request.Options);
        const bool accepted =
            request.Kind == TFileDialogKind::Save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
        if (!accepted) {
            return false;
        }
        request.FileName = AsUtf16(fileName.data());
        request.FilterIndex = static_cast<int32_t>(dialog.nFilterIndex);
        return true;
    }
};

TWindowsFileDialogs WindowsFileDialogs;
TSeam<IFileDialogPresenter> FileDialogSeam(WindowsFileDialogs);

} // namespace

IFileDialogPresenter& FileDialogPresenter() {
    return FileDialogSeam.Current();
}

IFileDialogPresenter* SetFileDialogPresenter(IFileDialogPresenter* presenter) {
    return FileDialogSeam.Inject(presenter);
}

rtl::UnicodeString PlainDefaultExt(rtl::UnicodeStringView defaultExt) {
    rtl::UnicodeStringView first = defaultExt.substr(0, defaultExt.find(u';'));
    if (first.starts_with(u"*")) {
        first.remove_prefix(1);
    }
    if (first.starts_with(u".")) {
        first.remove_prefix(1);
    }
    return rtl::UnicodeString(first);
}

} // namespace vcl
