#pragma once
// TGraphic: a picture that can draw itself on a canvas and read and write itself as a stream: the base of bitmaps,
// icons, metafiles and JPEG images. A graphic class is named by its metaclass (TGraphicClass), so that a picture
// can make a graphic of a class chosen at run time (by file extension, by class name). Every change of the picture
// fires OnChange. Reading treats the data as hostile: a damaged image raises EInvalidGraphic, never reads past the
// data or allocates from an unchecked size.

#include "rtl/core/Events.h"
#include "rtl/core/Exceptions.h"
#include "rtl/core/Persistent.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace rtl {
class TStream;
} // namespace rtl

namespace vcl {

class TCanvas;

// Data that is no image of the class reading it.
class EInvalidGraphic : public rtl::Exception {
public:
    using Exception::Exception;
};

// An operation the graphic cannot do in its state (a scan line of a bitmap without pixels, ...).
class EInvalidGraphicOperation : public rtl::Exception {
public:
    using Exception::Exception;
};

namespace VclMessages {
inline constexpr char16_t UnknownClipboardFormat[] = u"Unsupported clipboard format";
inline constexpr char16_t InvalidBitmap[] = u"Bitmap image is not valid";
inline constexpr char16_t InvalidIcon[] = u"Icon image is not valid";
inline constexpr char16_t InvalidMetafile[] = u"Metafile is not valid";
inline constexpr char16_t ImageTooLarge[] = u"Image is too large (%d x %d pixels)";
} // namespace VclMessages

// A class of graphics, as the picture registry and the image editors name it.
using TGraphicClass = const rtl::TMetaclass*;

// A picture of some format that draws itself and reads and writes its stream form.
class TGraphic : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TGraphic, rtl::TPersistent)
public:
    ~TGraphic() override;

    // Draws the picture stretched into rect.
    virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;
    // True when there is no picture.
    virtual bool Empty() const = 0;
    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;
    // Graphics whose size follows their content ignore these.
    virtual void SetWidth(int32_t width) = 0;
    virtual void SetHeight(int32_t height) = 0;
    // Whether drawing leaves some pixels of the background showing.
    virtual bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);

    // Reads the picture from the stream's position (the stream is left after it); EInvalidGraphic for data that is
    // not a picture of this class.
    virtual void LoadFromStream(rtl::TStream& stream) = 0;
    virtual void SaveToStream(rtl::TStream& stream) = 0;
    void LoadFromFile(const rtl::UnicodeString& fileName);
    void SaveToFile(const rtl::UnicodeString& fileName);
    // The picture as the clipboard holds it: a format (CF_BITMAP, ...) and its data handle. A format the class does
    // not know raises EInvalidGraphic; the data loaded is copied, the data saved belongs to the caller.
    virtual void LoadFromClipboardFormat(uint16_t format, void* data);
    virtual void SaveToClipboardFormat(uint16_t& format, void*& data);
    // The picture's form inside a form description or another graphic's stream; here its stream form.
    virtual void ReadData(rtl::TStream& stream) { LoadFromStream(stream); }
    virtual void WriteData(rtl::TStream& stream) { SaveToStream(stream); }

    bool Modified() const { return FModified; }
    void SetModified(bool value);
    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }

protected:
    // The picture changed: it is modified and OnChange fires.
    virtual void Changed();

private:
    bool FTransparent = false;
    bool FModified = false;
    rtl::TNotifyEvent FOnChange;
};

} // namespace vcl
