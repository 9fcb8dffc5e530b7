#pragma once
// The one way into the Windows headers. Include it only from Windows platform sources (*_win.cpp) and the Windows
// layers (vcl, ui, upgrade, app), never from a portable header.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif

#include <windows.h>

// These macros would rename our own methods that share the Windows names.
#undef CreateFont
#undef DrawText
#undef GetObject
#undef LoadImage
#undef LoadBitmap
#undef LoadCursor
#undef LoadIcon
#undef LoadString
#undef CopyFile
#undef CreateFile
#undef DeleteFile
#undef MoveFile
#undef FindText
#undef GetCurrentTime
#undef SendMessage
#undef PostMessage
#undef GetMessage
#undef MessageBox
#undef FindWindow
#undef CreateWindow
#undef GetClassName
#undef GetCharWidth
#undef GetTextMetrics
#undef TextOut
#undef Yield
#undef min
#undef max
