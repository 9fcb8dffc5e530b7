#pragma once
// Owners of GDI handles. Each holder owns at most one handle and releases it exactly once (when it is reset, replaced
// or destroyed); holders move but never copy, so no handle has two owners. A stock object may be held as well: GDI
// ignores its deletion.

#include "vcl/system/WinTypes.h"

#include <utility>

namespace vcl {

namespace detail {
void DeleteGdiObject(void* handle);
void DestroyIconHandle(HICON handle);
void DeleteEnhMetafileHandle(HENHMETAFILE handle);
void DeleteDeviceContext(HDC handle);

struct TGdiObjectDeleter {
    void operator()(void* handle) const { DeleteGdiObject(handle); }
};
struct TIconDeleter {
    void operator()(HICON handle) const { DestroyIconHandle(handle); }
};
struct TEnhMetafileDeleter {
    void operator()(HENHMETAFILE handle) const { DeleteEnhMetafileHandle(handle); }
};
struct TDeviceContextDeleter {
    void operator()(HDC handle) const { DeleteDeviceContext(handle); }
};
} // namespace detail

// The one owner of a handle of type THandle, released by TDeleter.
template <class THandle, class TDeleter>
class THandleHolder {
public:
    THandleHolder() = default;
    explicit THandleHolder(THandle handle) : FHandle(handle) {}
    ~THandleHolder() { Reset(); }
    THandleHolder(THandleHolder&& other) noexcept : FHandle(other.Release()) {}
    THandleHolder& operator=(THandleHolder&& other) noexcept {
        Reset(other.Release());
        return *this;
    }
    THandleHolder(const THandleHolder&) = delete;
    THandleHolder& operator=(const THandleHolder&) = delete;

    THandle Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != nullptr; }
    // Releases the handle held (when any) and holds handle instead.
    void Reset(THandle handle = nullptr) {
        THandle previous = std::exchange(FHandle, handle);
        if (previous) {
            TDeleter()(previous);
        }
    }
    // Gives the handle up without releasing it.
    THandle Release() { return std::exchange(FHandle, nullptr); }

private:
    THandle FHandle = nullptr;
};

using TFontHandle = THandleHolder<HFONT, detail::TGdiObjectDeleter>;
using TBrushHandle = THandleHolder<HBRUSH, detail::TGdiObjectDeleter>;
using TPenHandle = THandleHolder<HPEN, detail::TGdiObjectDeleter>;
using TBitmapHandle = THandleHolder<HBITMAP, detail::TGdiObjectDeleter>;
using TRegionHandle = THandleHolder<HRGN, detail::TGdiObjectDeleter>;
using TPaletteHandle = THandleHolder<HPALETTE, detail::TGdiObjectDeleter>;
using TIconHandle = THandleHolder<HICON, detail::TIconDeleter>;
using TEnhMetafileHandle = THandleHolder<HENHMETAFILE, detail::TEnhMetafileDeleter>;
// A memory device context (CreateCompatibleDC), deleted with DeleteDC.
using TMemoryDCHandle = THandleHolder<HDC, detail::TDeviceContextDeleter>;

// An object selected into a device context for the holder's life; the device context's previous object is selected
// back at the end.
class TSelectedObject {
public:
    TSelectedObject(HDC dc, void* object);
    ~TSelectedObject();
    TSelectedObject(const TSelectedObject&) = delete;
    TSelectedObject& operator=(const TSelectedObject&) = delete;

private:
    HDC FDC;
    void* FPrevious;
};

// The screen's device context (GetDC of no window) for the holder's life.
class TScreenDC {
public:
    TScreenDC();
    ~TScreenDC();
    TScreenDC(const TScreenDC&) = delete;
    TScreenDC& operator=(const TScreenDC&) = delete;
    HDC Get() const { return FDC; }

private:
    HDC FDC;
};

// A memory device context compatible with the screen, with a bitmap selected into it for the holder's life.
class TBitmapDC {
public:
    explicit TBitmapDC(HBITMAP bitmap);
    ~TBitmapDC();
    TBitmapDC(const TBitmapDC&) = delete;
    TBitmapDC& operator=(const TBitmapDC&) = delete;
    HDC Get() const { return FDC.Get(); }

private:
    TMemoryDCHandle FDC;
    void* FPrevious;
};

} // namespace vcl
