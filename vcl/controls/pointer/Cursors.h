#pragma once
// The cursor table: the cursor handle behind each cursor identifier (the built-in negative ones are the system's
// cursors; programs add their own under positive identifiers), and the screen cursor that, when set, every window of
// the program shows instead of its controls' own cursors (the hourglass while working).

#include "vcl/controls/ControlTypes.h"
#include "vcl/system/WinTypes.h"

namespace vcl {

// The cursor for an identifier; the arrow for one the table does not hold, nullptr for crNone.
HCURSOR CursorHandle(TCursor cursor);
// Puts a cursor (not owned: loaded from resources or shared system cursors) under an identifier.
void SetCursorHandle(TCursor cursor, HCURSOR handle);

// crDefault when the controls show their own cursors.
TCursor ScreenCursor();
// Shows cursor at once; crDefault gives the controls their cursors back.
void SetScreenCursor(TCursor cursor);

} // namespace vcl
