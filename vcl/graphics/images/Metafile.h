#pragma once
// TMetafile: a vector picture held as a Windows enhanced metafile (EMF). Its size is the picture frame the metafile
// declares, in screen pixels; drawing plays the records into the rectangle. Reading checks the header and the
// declared length against the data before Windows sees it.

#include "vcl/graphics/GdiObjects.h"
#include "vcl/graphics/images/Graphic.h"

namespace vcl {

// An enhanced-metafile picture.
class TMetafile : public TGraphic {
    RTL_DECLARE_CLASS(TMetafile, TGraphic)
public:
    TMetafile() = default;
    ~TMetafile() override;

    void Assign(const rtl::TPersistent* source) override;
    void Draw(TCanvas& canvas, const TRect& rect) override;
    bool Empty() const override { return !FHandle; }
    int32_t Width() const override { return FWidth; }
    int32_t Height() const override { return FHeight; }
    // The size drawn by Draw(x, y); the records keep their own frame.
    void SetWidth(int32_t width) override;
    void SetHeight(int32_t height) override;
    bool Transparent() const override { return true; }

    // The metafile, owned by this object; nullptr while empty.
    HENHMETAFILE Handle() const { return FHandle.Get(); }
    // Takes handle over (owned from now on).
    void SetHandle(HENHMETAFILE handle);

    void LoadFromStream(rtl::TStream& stream) override;
    void SaveToStream(rtl::TStream& stream) override;
    void LoadFromClipboardFormat(uint16_t format, void* data) override;
    void SaveToClipboardFormat(uint16_t& format, void*& data) override;

protected:
    void AssignTo(rtl::TPersistent& dest) const override;

private:
    TEnhMetafileHandle FHandle;
    int32_t FWidth = 0;
    int32_t FHeight = 0;
};

} // namespace vcl
