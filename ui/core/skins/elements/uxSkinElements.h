#pragma once
// Skin elements: the unit a skin painter draws. An element fills a rectangle with one frame of its image's texture,
// cut into nine parts so that corners keep their size while edges and centre stretch or tile, frames it with up to
// four border bands, and overlays its glyph inside the content rectangle. This header holds the element, its two
// images and its borders with their stream records; drawing them is for Windows, where GDI+ draws the textures
// (uxSkinElementDrawing.cpp, over uxSkinCanvas.h).

#include "rtl/core/Persistent.h"
#include "ui/core/gdiplus/uxGpGradientMode.h"
#include "ui/core/skins/elements/uxSkinImageLayout.h"
#include "ui/core/skins/elements/uxSkinTexture.h"
#include "ui/core/skins/objects/uxSkinObjects.h"
#include "ui/core/skins/objects/uxSkinProperties.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"
#include "vcl/system/WinTypes.h"

#include <array>
#include <memory>

namespace ui {

class TuxSkinControlGroup;
class TuxSkinElement;
class TuxSkinReader;
class TuxSkinWriter;
#ifdef _WIN32
class TuxSkinCanvas;
class TuxSkinElementCache;
enum TuiButtonState : uint8_t;
#endif

using TuxSkinGradientMode = TuxGpGradientMode;

// One texture of an element with how its frames lie and stretch, and an optional gradient.
class TuxSkinImage : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuxSkinImage, rtl::TPersistent)
public:
    explicit TuxSkinImage(TuxSkinElement* owner);
    ~TuxSkinImage() override;

    // From another image: an empty one clears this one, else its texture and source name; then gradient, layout,
    // margins, stretch and states. Other sources are ignored.
    void Assign(const rtl::TPersistent* source) override;
    rtl::TPersistent* GetOwner() const override;
    TuxSkinElement* Owner() const { return FOwner; }

    TuxSkinGradientMode Gradient() const { return FGradient; }
    void SetGradient(TuxSkinGradientMode value);
    vcl::TColor GradientBeginColor() const { return FGradientBeginColor; }
    void SetGradientBeginColor(vcl::TColor value);
    vcl::TColor GradientEndColor() const { return FGradientEndColor; }
    void SetGradientEndColor(vcl::TColor value);
    TuxSkinImageLayout ImageLayout() const { return FImageLayout; }
    void SetImageLayout(TuxSkinImageLayout value);
    const vcl::TRect& Margins() const { return FMargins; }
    void SetMargins(const vcl::TRect& value);
    TuxSkinElementStates States() const { return FStates; }
    void SetStates(TuxSkinElementStates value);
    TuxSkinStretchMode Stretch() const { return FStretch; }
    void SetStretch(TuxSkinStretchMode value);
    const TuxSkinTexture& Texture() const { return *FTexture; }
    // The texture read from the stream's position to its end.
    void LoadTexture(rtl::TStream& stream);

    // No source name and no texture.
    bool GetEmpty() const;
    // Texture and source name emptied; a change.
    void Clear();
    // The source name when set, else for a non-empty image the element's path and file name ("Grid\Header_Image.png").
    rtl::AnsiString GetSourceName() const;
    // Same layout, emptiness, states, gradient and its colours, stretch, frame size, margins and pictures.
    bool SameAs(TuxSkinImage& other);

    // The frame layout, brought up to date first when something changed.
    const TuxSkinFrameLayout& Layout();
    // The size of one frame.
    vcl::TSize GetSize() { return Layout().FrameSize(); }
    // Flags the layout for recalculation and tells the change.
    void InvalidateParts();
    // Flags the layout for recalculation without telling anyone, for a change told by the element.
    void FlagLayoutDirty() { FLayoutDirty = true; }

    void ReadFromStream(TuxSkinReader& reader, double version);
    void WriteToStream(TuxSkinWriter& writer) const;

    const rtl::TNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(rtl::TNotifyEvent handler) { FOnChange = std::move(handler); }

#ifdef _WIN32
    // Draws the frame of the state in group imageIndex into rect; nothing for an empty frame or an invisible rect.
    void Draw(HDC dc, const vcl::TRect& rect, int32_t imageIndex, TuxSkinElementState state);
    // Draws on a canvas begun already; an empty image only fills its gradient, when it has one.
    void DrawOnCanvas(TuxSkinCanvas& canvas, const vcl::TRect& rect, int32_t imageIndex, TuxSkinElementState state);
#endif

private:
    void Changed();
#ifdef _WIN32
    void DrawParts(TuxSkinCanvas& canvas, const vcl::TRect& rect, const vcl::TRect& frame);
#endif

    TuxSkinElement* FOwner; // not owned
    TuxSkinGradientMode FGradient = gmHorizontal;
    vcl::TColor FGradientBeginColor = vcl::clNone;
    vcl::TColor FGradientEndColor = vcl::clNone;
    TuxSkinImageLayout FImageLayout = ilHorizontal;
    vcl::TRect FMargins;
    TuxSkinElementStates FStates;
    TuxSkinStretchMode FStretch = smStretch;
    std::unique_ptr<TuxSkinTexture> FTexture;
    rtl::AnsiString FSourceName;
    TuxSkinFrameLayout FLayout;
    bool FLayoutDirty = true;
    rtl::TNotifyEvent FOnChange;
};

enum TuxSkinBorderSide : uint8_t { sbLeft, sbTop, sbRight, sbBottom };

// One border band of an element: Thin pixels wide inside the element's rectangle, on its side; clNone draws nothing.
class TuxSkinBorder : public TuxSkinProperty {
    RTL_DECLARE_CLASS(TuxSkinBorder, TuxSkinProperty)
public:
    TuxSkinBorder(rtl::TPersistent* owner, rtl::AnsiString name, TuxSkinBorderSide side = sbLeft);
    std::unique_ptr<TuxSkinCustomPersistentObject> NewInstance(rtl::TPersistent* owner,
                                                               rtl::AnsiString name) const override;
    // From another border: its colour and thickness.
    void Assign(const rtl::TPersistent* source) override;

    vcl::TColor Color() const { return FColor; }
    void SetColor(vcl::TColor value);
    int32_t Thin() const { return FThin; }
    void SetThin(int32_t value);
    TuxSkinBorderSide Side() const { return FSide; }
    // The band of rect this border covers.
    vcl::TRect BandRect(const vcl::TRect& rect) const;

    void ReadData(TuxSkinReader& reader) override;
    void WriteData(TuxSkinWriter& writer) const override;
    // Same colour, thickness and side.
    bool SameAs(const TuxSkinProperty& other) const override;

#ifdef _WIN32
    void Draw(HDC dc, const vcl::TRect& rect);
    void DrawOnCanvas(TuxSkinCanvas& canvas, const vcl::TRect& rect);
#endif

private:
    vcl::TColor FColor = vcl::clNone;
    int32_t FThin = 1;
    TuxSkinBorderSide FSide;
};

// The four borders of an element, named "Left", "Top", "Right", "Bottom".
class TuxSkinBorders : public TuxSkinProperty {
    RTL_DECLARE_CLASS(TuxSkinBorders, TuxSkinProperty)
public:
    TuxSkinBorders(rtl::TPersistent* owner, rtl::AnsiString name);
    std::unique_ptr<TuxSkinCustomPersistentObject> NewInstance(rtl::TPersistent* owner,
                                                               rtl::AnsiString name) const override;
    void Assign(const rtl::TPersistent* source) override;

    TuxSkinBorder& Left() const { return Side(sbLeft); }
    TuxSkinBorder& Top() const { return Side(sbTop); }
    TuxSkinBorder& Right() const { return Side(sbRight); }
    TuxSkinBorder& Bottom() const { return Side(sbBottom); }
    TuxSkinBorder& Side(TuxSkinBorderSide side) const { return *FSides[side]; }
    // All four sides the same.
    bool SameAs(const TuxSkinProperty& other) const override;

#ifdef _WIN32
    // Left, top, right, bottom in that order, so later sides cover the corners of earlier ones.
    void Draw(TuxSkinCanvas& canvas, const vcl::TRect& rect);
#endif

private:
    std::array<std::unique_ptr<TuxSkinBorder>, 4> FSides;
};

#ifdef _WIN32
struct TuxSkinElementCacheDeleter {
    void operator()(TuxSkinElementCache* cache) const;
};
#endif

class TuxSkinElement : public TuxSkinPersistent {
    RTL_DECLARE_CLASS(TuxSkinElement, TuxSkinPersistent)
public:
    TuxSkinElement(rtl::TPersistent* owner, rtl::AnsiString name);
    ~TuxSkinElement() override;
    std::unique_ptr<TuxSkinCustomPersistentObject> NewInstance(rtl::TPersistent* owner,
                                                               rtl::AnsiString name) const override;
    // From another element: images, colour, alpha, content offset, image count, borders, minimum size, text colour,
    // the caching switch, then the properties.
    void Assign(const rtl::TPersistent* source) override;

    uint8_t Alpha() const { return FAlpha; }
    void SetAlpha(uint8_t value);
    TuxSkinBorders& Borders() const { return *FBorders; }
    vcl::TColor Color() const { return FColor; }
    // Stores the colour and tells the change, even when it is the same.
    void SetColor(vcl::TColor value);
    // The colour is neither clDefault nor clNone.
    bool ColorAssigned() const { return FColor != vcl::clDefault && FColor != vcl::clNone; }
    const vcl::TRect& ContentOffset() const { return FContentOffset; }
    void SetContentOffset(const vcl::TRect& value);
    TuxSkinImage& Glyph() const { return *FGlyph; }
    TuxSkinImage& Image() const { return *FImage; }
    int32_t ImageCount() const { return FImageCount; }
    // At least 1.
    void SetImageCount(int32_t value);
    vcl::TSize MinSize() const { return FMinSize; }
    // Negative values are kept as 0.
    void SetMinSize(vcl::TSize value);
    vcl::TColor TextColor() const { return FTextColor; }
    void SetTextColor(vcl::TColor value);

    // The owner as a group, or nullptr.
    TuxSkinControlGroup* GetGroup() const;
    // The group's name followed by "\".
    rtl::AnsiString GetPath() const;
    // The element's name followed by "_Glyph.png" or "_Image.png".
    rtl::AnsiString GetImageFileName(const TuxSkinImage& image) const;
    // The frame size of Image.
    vcl::TSize GetImageSize() { return FImage->GetSize(); }

    // Same number of properties, each pair the same.
    bool SamePropertiesAs(const TuxSkinPersistent& other) const;
    bool SameAs(const TuxSkinElement& other) const;

    // The element record of a stream written at version.
    void ReadFromStream(TuxSkinReader& reader, double version);
    void WriteToStream(TuxSkinWriter& writer) const;

#ifdef _WIN32
    // Draws the element into rect: nothing when rect is not visible on the DC; through the cache while caching is on.
    virtual void Draw(HDC dc, const vcl::TRect& rect, int32_t imageIndex = 0, TuxSkinElementState state = esNormal);
    // Background, image, borders and glyph on a canvas begun already.
    void PaintInterior(TuxSkinCanvas& canvas, const vcl::TRect& rect, int32_t imageIndex, TuxSkinElementState state);
    // Whether drawing leaves pixels translucent: the texture's alpha when there is an image, else Alpha < 255 or a
    // colour of clNone.
    bool IsAlphaUsed() const;
    // Caching keeps the last drawing as one picture, redrawn only when the state, image index or size changes.
    void ChangeCaching(bool on);
    bool GetUseCache() const {
        return static_cast<bool>(FCache);
    }
    // Whether the cache holds a translucent (ARGB) picture.
    bool IsAlphaCached() const;
    // The text colour of a button state: for hot, pressed and disabled the colour property "TextColorHot",
    // "TextColorPressed" or "TextColorDisabled" when it exists and is not clDefault; TextColor otherwise.
    vcl::TColor GetTextColor(TuiButtonState state) const;
#endif

protected:
#ifdef _WIN32
    // A changed element draws anew: the cached picture goes.
    void FlagChanged() override;
#endif

private:
    void PartChanged() {
        FlagChanged();
    }
#ifdef _WIN32
    void FillBackground(TuxSkinCanvas& canvas, const vcl::TRect& rect);
#endif

    uint8_t FAlpha = 255;
    std::unique_ptr<TuxSkinBorders> FBorders;
    vcl::TColor FColor = vcl::clDefault;
    vcl::TRect FContentOffset;
    std::unique_ptr<TuxSkinImage> FGlyph;
    std::unique_ptr<TuxSkinImage> FImage;
    int32_t FImageCount = 1;
    vcl::TSize FMinSize;
    vcl::TColor FTextColor = vcl::clDefault;
#ifdef _WIN32
    std::unique_ptr<TuxSkinElementCache, TuxSkinElementCacheDeleter> FCache;
#endif
};

// The element drawn where a skin lacks one: white with a red frame.
class TuxSkinEmptyElement : public TuxSkinElement {
    RTL_DECLARE_CLASS(TuxSkinEmptyElement, TuxSkinElement)
public:
    using TuxSkinElement::TuxSkinElement;
    std::unique_ptr<TuxSkinCustomPersistentObject> NewInstance(rtl::TPersistent* owner,
                                                               rtl::AnsiString name) const override;
#ifdef _WIN32
    void Draw(HDC dc, const vcl::TRect& rect, int32_t imageIndex = 0, TuxSkinElementState state = esNormal) override;
#endif
};

class TuxSkinElements : public TuxSkinObjectList<TuxSkinElement> {
public:
    using TuxSkinObjectList::TuxSkinObjectList;

    // An int32 count, then per element its name and its record.
    void ReadFromStream(TuxSkinReader& reader, double version);
    void WriteToStream(TuxSkinWriter& writer) const;
};

} // namespace ui
