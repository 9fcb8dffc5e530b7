#pragma once
// The Windows handle types that the framework's headers name, declared exactly as the Windows headers declare them
// (STRICT handles), so that a header can name a window or a device context without including <windows.h>, and the
// two declarations agree in the sources that include both.

struct HWND__;
struct HDC__;
struct HBRUSH__;
struct HFONT__;
struct HBITMAP__;
struct HRGN__;
struct HICON__;
struct HMONITOR__;
struct HKEY__;
struct HPEN__;
struct HPALETTE__;
struct HENHMETAFILE__;
struct HMENU__;
struct HINSTANCE__;
struct _IMAGELIST;

using HWND = HWND__*;
using HDC = HDC__*;
using HBRUSH = HBRUSH__*;
using HFONT = HFONT__*;
using HBITMAP = HBITMAP__*;
using HRGN = HRGN__*;
using HICON = HICON__*;
using HCURSOR = HICON;
using HMONITOR = HMONITOR__*;
using HKEY = HKEY__*;
using HPEN = HPEN__*;
using HPALETTE = HPALETTE__*;
using HENHMETAFILE = HENHMETAFILE__*;
using HMENU = HMENU__*;
using HINSTANCE = HINSTANCE__*;
using HMODULE = HINSTANCE;
using HIMAGELIST = _IMAGELIST*;
