#pragma once
// TIcon: an icon from an .ico file (the image of the size closest to the system's icon size among those the file
// holds), a resource or a handle. The file's bytes are kept, so that saving writes the file as it was read; an icon
// made from a handle is saved as a 32-bit icon with its mask. Every directory entry and image header is checked
// against the data before Windows sees it.

#include "vcl/graphics/GdiObjects.h"
#include "vcl/graphics/images/Graphic.h"

#include <vector>

namespace vcl {

// An icon picture.
class TIcon : public TGraphic {
    RTL_DECLARE_CLASS(TIcon, TGraphic)
public:
    TIcon() = default;
    ~TIcon() override;

    void Assign(const rtl::TPersistent* source) override;
    void Draw(TCanvas& canvas, const TRect& rect) override;
    bool Empty() const override { return !FHandle; }
    int32_t Width() const override { return FWidth; }
    int32_t Height() const override { return FHeight; }
    // An icon's size is its image's: these do nothing.
    void SetWidth(int32_t) override {}
    void SetHeight(int32_t) override {}
    bool Transparent() const override { return true; }

    // The icon, owned by this object; nullptr while empty.
    HICON Handle() const { return FHandle.Get(); }
    // Takes handle over (owned from now on).
    void SetHandle(HICON handle);
    HICON ReleaseHandle();

    void LoadFromStream(rtl::TStream& stream) override;
    void SaveToStream(rtl::TStream& stream) override;
    // An icon resource (RT_GROUP_ICON) of the module at the system's icon size; EResNotFound when there is none.
    void LoadFromResourceName(HINSTANCE instance, rtl::UnicodeStringView name);

protected:
    void AssignTo(rtl::TPersistent& dest) const override;

private:
    void Take(TIconHandle handle, std::vector<uint8_t> fileBytes);

    TIconHandle FHandle;
    int32_t FWidth = 0;
    int32_t FHeight = 0;
    std::vector<uint8_t> FFileBytes; // the .ico file read, empty for an icon made otherwise
};

} // namespace vcl
