#include "vcl/graphics/GdiObjects.h"

#include "vcl/system/Win32.h"

namespace vcl {

namespace detail {

void DeleteGdiObject(void* handle) {
    DeleteObject(handle);
}

void DestroyIconHandle(HICON handle) {
    DestroyIcon(handle);
}

void DeleteEnhMetafileHandle(HENHMETAFILE handle) {
    DeleteEnhMetaFile(handle);
}

void DeleteDeviceContext(HDC handle) {
    DeleteDC(handle);
}

} // namespace detail

TSelectedObject::TSelectedObject(HDC dc, void* object) : FDC(dc), FPrevious(SelectObject(dc, object)) {}

TSelectedObject::~TSelectedObject() {
    SelectObject(FDC, FPrevious);
}

TScreenDC::TScreenDC() : FDC(GetDC(nullptr)) {}

TScreenDC::~TScreenDC() {
    ReleaseDC(nullptr, FDC);
}

TBitmapDC::TBitmapDC(HBITMAP bitmap) : FDC(CreateCompatibleDC(nullptr)), FPrevious(SelectObject(FDC.Get(), bitmap)) {}

TBitmapDC::~TBitmapDC() {
    SelectObject(FDC.Get(), FPrevious);
}

} // namespace vcl
