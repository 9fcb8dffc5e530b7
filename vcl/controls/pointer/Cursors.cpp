#include "vcl/controls/pointer/Cursors.h"

#include "vcl/system/Win32.h"

#include <map>

namespace vcl {

namespace {

struct TCursorState {
    std::map<TCursor, HCURSOR> Table;
    TCursor ScreenCursor = crDefault;

    TCursorState() {
        const struct {
            TCursor Cursor;
            const wchar_t* SystemCursor;
        } builtIn[] = {
            {crArrow, IDC_ARROW},     {crCross, IDC_CROSS},
            {crIBeam, IDC_IBEAM},     {crSizeNESW, IDC_SIZENESW},
            {crSizeNS, IDC_SIZENS},   {crSizeNWSE, IDC_SIZENWSE},
            {crSizeWE, IDC_SIZEWE},   {crUpArrow, IDC_UPARROW},
            {crHourGlass, IDC_WAIT},  {crNoDrop, IDC_NO},
            {crHSplit, IDC_SIZEWE},   {crVSplit, IDC_SIZENS},
            {crNo, IDC_NO},           {crAppStart, IDC_APPSTARTING},
            {crHelp, IDC_HELP},       {crHandPoint, IDC_HAND},
            {crSizeAll, IDC_SIZEALL},
        };
        for (const auto& entry : builtIn) {
            Table[entry.Cursor] = LoadCursorW(nullptr, entry.SystemCursor);
        }
        Table[crDefault] = LoadCursorW(nullptr, IDC_ARROW);
        Table[crNone] = nullptr;
    }
};

TCursorState& CursorState() {
    static TCursorState state;
    return state;
}

} // namespace

HCURSOR CursorHandle(TCursor cursor) {
    const auto& table = CursorState().Table;
    const auto found = table.find(cursor);
    return found != table.end() ? found->second : table.at(crDefault);
}

void SetCursorHandle(TCursor cursor, HCURSOR handle) {
    CursorState().Table[cursor] = handle;
}

TCursor ScreenCursor() {
    return CursorState().ScreenCursor;
}

// Back to crDefault, the cursor is put where it is, so that the window under it sets its own cursor again.
void SetScreenCursor(TCursor cursor) {
    CursorState().ScreenCursor = cursor;
    if (cursor != crDefault) {
        ::SetCursor(CursorHandle(cursor));
        return;
    }
    POINT position{};
    if (GetCursorPos(&position)) {
        SetCursorPos(position.x, position.y);
    }
}

} // namespace vcl
