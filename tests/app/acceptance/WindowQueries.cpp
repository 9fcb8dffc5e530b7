#include "tests/app/acceptance/WindowQueries.h"

#include <algorithm>
#include <cwctype>
#include <optional>

namespace acceptance {

namespace {

constexpr UINT AnswerTimeoutMilliseconds = 2000;
// Message boxes show their text in a static control with this id (Wine and Windows alike).
constexpr int MessageBoxTextId = 0xFFFF;
// The file name combo of an Explorer-style file dialog (cmb13).
constexpr int FileNameComboId = 1148;

std::wstring LowerCase(std::wstring_view text) {
    std::wstring lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](wchar_t c) { return std::towlower(c); });
    return lower;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

// The visible windows below top whose text is text.
std::vector<HWND> VisibleWithText(HWND top, std::wstring_view text) {
    std::vector<HWND> found;
    for (HWND window : DescendantsOf(top)) {
        if (IsWindowVisible(window) && TextOf(window) == text) {
            found.push_back(window);
        }
    }
    return found;
}

} // namespace

std::string Utf8(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<size_t>(std::max(length, 0)));
}

std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, AnswerTimeoutMilliseconds, &length)) {
        return {};
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             AnswerTimeoutMilliseconds, &copied)) {
        return {};
    }
    text.resize(std::min<size_t>(copied, length));
    return text;
}

RECT ScreenRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

std::vector<HWND> TopLevelWindowsOf(const std::vector<DWORD>& processIds) {
    std::vector<HWND> all;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> owned;
    for (HWND window : all) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        if (std::find(processIds.begin(), processIds.end(), processId) != processIds.end()) {
            owned.push_back(window);
        }
    }
    return owned;
}

std::vector<HWND> DescendantsOf(HWND parent) {
    std::vector<HWND> windows;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND FindControl(HWND top, std::wstring_view classPart, std::wstring_view text) {
    const std::wstring wanted = LowerCase(classPart);
    for (HWND window : VisibleWithText(top, text)) {
        if (LowerCase(ClassOf(window)).find(wanted) != std::wstring::npos) {
            return window;
        }
    }
    return nullptr;
}

HWND ControlRightOf(HWND top, std::wstring_view anchorText) {
    const std::vector<HWND> anchors = VisibleWithText(top, anchorText);
    if (anchors.empty()) {
        return nullptr;
    }
    const HWND anchor = anchors.front();
    const RECT anchorRect = ScreenRectOf(anchor);
    const LONG middle = (anchorRect.top + anchorRect.bottom) / 2;
    // A label sized to its text may reach a few pixels into the edit it names.
    const LONG centre = (anchorRect.left + anchorRect.right) / 2;
    HWND nearest = nullptr;
    std::optional<LONG> nearestLeft;
    for (HWND window : DescendantsOf(GetParent(anchor))) {
        const RECT rect = ScreenRectOf(window);
        const bool beside = GetParent(window) == GetParent(anchor) && window != anchor && IsWindowVisible(window) &&
                            rect.left > centre && rect.right > anchorRect.right && rect.top <= middle &&
                            rect.bottom >= middle;
        if (beside && (!nearestLeft || rect.left < *nearestLeft)) {
            nearest = window;
            nearestLeft = rect.left;
        }
    }
    return nearest;
}

HWND MessageBoxTextControl(HWND box) {
    return GetDlgItem(box, MessageBoxTextId);
}

std::wstring MessageBoxText(HWND box) {
    const HWND text = MessageBoxTextControl(box);
    return text ? TextOf(text) : std::wstring();
}

HWND FileNameEditOf(HWND dialog) {
    const HWND combo = GetDlgItem(dialog, FileNameComboId);
    if (!combo) {
        return nullptr;
    }
    for (HWND window : DescendantsOf(combo)) {
        if (LowerCase(ClassOf(window)) == L"edit") {
            return window;
        }
    }
    return nullptr;
}

std::string DescribeWindows(const std::vector<DWORD>& processIds) {
    std::string lines;
    const auto describe = [&lines](HWND window, const char* indent) {
        const RECT rect = ScreenRectOf(window);
        lines += indent + Utf8(ClassOf(window)) + " \"" + Utf8(TextOf(window)) + "\" (" + std::to_string(rect.left) +
                 ", " + std::to_string(rect.top) + ", " + std::to_string(rect.right) + ", " +
                 std::to_string(rect.bottom) + ")" + (IsWindowVisible(window) ? "" : " hidden") + "\n";
    };
    for (HWND top : TopLevelWindowsOf(processIds)) {
        describe(top, "");
        for (HWND child : DescendantsOf(top)) {
            describe(child, "  ");
        }
    }
    return lines.empty() ? "(no windows)\n" : lines;
}

} // namespace acceptance
