#pragma once
// TPicture: a holder of one graphic of any registered class, and the registry of graphic classes by file extension
// that chooses the class of a file to load ("bmp", "ico", "emf", "jpg" and "jpeg" are built in; other classes
// register themselves, PNG among them). A file whose extension no class is registered for cannot be loaded.

#include "rtl/core/Events.h"
#include "rtl/core/Persistent.h"
#include "vcl/graphics/images/Graphic.h"

#include <memory>

namespace vcl {

class TBitmap;
class TIcon;
class TMetafile;

namespace VclMessages {
inline constexpr char16_t UnknownExtension[] = u"Unknown picture file extension (.%s)";
} // namespace VclMessages

// Registers the class for files with the extension (without a dot, case-insensitive), described for file dialogs;
// a later registration of the extension takes its place.
void RegisterFileFormat(rtl::UnicodeStringView extension, rtl::UnicodeStringView description,
                        TGraphicClass graphicClass);
// Removes every extension registered for the class.
void UnregisterGraphicClass(TGraphicClass graphicClass);
// The class registered for the extension, or nullptr.
TGraphicClass GraphicClassOfExtension(rtl::UnicodeStringView extension);
// For file dialogs: "All (*.bmp;*.jpg)|*.bmp;*.jpg|Bitmaps (*.bmp)|*.bmp|..." for the formats of the class (and its
// descendants), every format when graphicClass is nullptr; the class's first extension ("bmp"); its masks.
rtl::UnicodeString GraphicFilter(TGraphicClass graphicClass);
rtl::UnicodeString GraphicExtension(TGraphicClass graphicClass);
rtl::UnicodeString GraphicFileMask(TGraphicClass graphicClass);
// The graphic class of that name, in any letter case: a class registered for a file extension, or a graphic class
// registered by name with the class registry; nullptr when none is.
TGraphicClass FindGraphicClassByName(rtl::UnicodeStringView name);

// A holder of one graphic (owned) that follows its changes.
class TPicture : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TPicture, rtl::TPersistent)
public:
    TPicture();
    ~TPicture() override;

    // From another picture or a graphic (a copy of the same class), or nullptr to clear.
    void Assign(const rtl::TPersistent* source) override;

    // The graphic held, or nullptr.
    TGraphic* Graphic() const { return FGraphic.get(); }
    // Holds a copy of graphic (of its class); nullptr clears.
    void SetGraphic(const TGraphic* graphic);
    // The graphic as a bitmap, icon or metafile: a picture holding another class is cleared and holds a new empty
    // one of that class first.
    TBitmap& Bitmap();
    TIcon& Icon();
    TMetafile& Metafile();
    int32_t Width() const;
    int32_t Height() const;

    // Loads the file with the class registered for its extension (EInvalidGraphic when none is).
    void LoadFromFile(const rtl::UnicodeString& fileName);
    void SaveToFile(const rtl::UnicodeString& fileName);
    // Reads a graphic of graphicClass from the stream into the picture.
    void LoadFromStreamAs(rtl::TStream& stream, TGraphicClass graphicClass);

    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }

protected:
    void AssignTo(rtl::TPersistent& dest) const override;

private:
    template <class TGraphicType>
    TGraphicType& GraphicOfType();
    void Hold(std::unique_ptr<TGraphic> graphic);
    void Changed();

    std::unique_ptr<TGraphic> FGraphic;
    rtl::TNotifyEvent FOnChange;
};

} // namespace vcl
