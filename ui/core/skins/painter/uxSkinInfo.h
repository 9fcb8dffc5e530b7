#pragma once
// A skin info owns a skin and resolves, once per change of the skin, every group, element, colour and property the
// painters read into direct references, so that drawing never searches a skin by name. A group the skin lacks is added
// empty; a missing element gets a placeholder (a red cross) unless the names list says otherwise; a missing property,
// or one of another class than expected, stays nullptr. The info also keeps the elements that draw the parts of
// skinned scroll bars.

#include "rtl/core/Object.h"
#include "ui/core/painters/uiPainterTypes.h"
#include "ui/core/skins/elements/uxSkin.h"
#include "ui/core/skins/painter/uxSkinInfoNames.h"

#include <array>
#include <cstdint>
#include <memory>

namespace ui {

enum TuxSkinElementId : uint16_t {
#define UX_SKIN_ELEMENT_ID(group, name, placeholder) sei##group##name,
    UX_SKIN_ELEMENTS(UX_SKIN_ELEMENT_ID)
#undef UX_SKIN_ELEMENT_ID
        seiCount
};

enum TuxSkinPropertyId : uint16_t {
#define UX_SKIN_GROUP_PROPERTY_ID(id, group, name, kind) spi##id,
#define UX_SKIN_ELEMENT_PROPERTY_ID(id, group, element, name, kind) spi##id,
    UX_SKIN_GROUP_PROPERTIES(UX_SKIN_GROUP_PROPERTY_ID) UX_SKIN_ELEMENT_PROPERTIES(UX_SKIN_ELEMENT_PROPERTY_ID)
#undef UX_SKIN_GROUP_PROPERTY_ID
#undef UX_SKIN_ELEMENT_PROPERTY_ID
        spiCount
};

enum TuxSkinColorId : uint8_t {
#define UX_SKIN_COLOR_ID(name) sci##name,
    UX_SKIN_COLORS(UX_SKIN_COLOR_ID)
#undef UX_SKIN_COLOR_ID
        sciCount
};

// The element and image index that draw one part of a skinned scroll bar.
class TuxSkinScrollInfo {
public:
    TuxSkinScrollInfo(TuxSkinElement* element, int32_t imageIndex) : FElement(element), FImageIndex(imageIndex) {}

    TuxSkinElement* Element() const { return FElement; }
    int32_t ImageIndex() const { return FImageIndex; }
    // Draws the element when there is one, and says whether it did.
    bool Draw(HDC dc, const vcl::TRect& rect, int32_t imageIndex, TuxSkinElementState state) const;
    // (Not DrawState: windows.h defines that name as a macro.)
    bool DrawWithState(HDC dc, const vcl::TRect& rect, TuxSkinElementState state) const {
        return Draw(dc, rect, FImageIndex, state);
    }

private:
    TuxSkinElement* FElement; // not owned
    int32_t FImageIndex;
};

class TuxSkinInfo : public rtl::TObject, public IuxSkinChangeSink {
public:
    // Takes the skin (nullptr for none) and resolves it.
    explicit TuxSkinInfo(std::unique_ptr<TuxSkin> skin);
    // Stops listening, then frees the skin.
    ~TuxSkinInfo() override;

    TuxSkin* Skin() const { return FSkin.get(); }
    // Nothing for the present skin; else the old one is left (and freed) and the new one resolved.
    void SetSkin(std::unique_ptr<TuxSkin> skin);
    // Resolves everything again.
    virtual void Refresh();
    // A change of the skin resolves again, unless the info's own resolution caused it.
    void SkinChanged(TuxSkin* skin) override;

    TuxSkinElement* Element(TuxSkinElementId id) const { return FElements[id]; }
    TuxSkinProperty* Property(TuxSkinPropertyId id) const { return FProperties[id]; }
    // The property as a colour, boolean or integer; nullptr when absent.
    TuxSkinColor* ColorProperty(TuxSkinPropertyId id) const;
    TuxSkinBooleanProperty* BooleanProperty(TuxSkinPropertyId id) const;
    TuxSkinIntegerProperty* IntegerProperty(TuxSkinPropertyId id) const;
    TuxSkinRectProperty* RectProperty(TuxSkinPropertyId id) const;
    // A skin-level colour; nullptr when absent.
    TuxSkinColor* Color(TuxSkinColorId id) const { return FColors[id]; }
    // The calculator text colour of a button kind 0..27, nullptr when absent or out of range.
    TuxSkinColor* CalculatorColor(int32_t buttonKind) const;
    // At least 1: the "FontDelta" of the form caption.
    int32_t CaptionFontDelta() const { return FCaptionFontDelta; }
    bool MergeBorders() const;
    // The scroll info of a part of a vertical or horizontal bar; nullptr when there is none.
    const TuxSkinScrollInfo* ScrollInfo(bool horizontal, TuiScrollBarPart part) const;

protected:
    virtual void InitializeInfo();
    virtual void FinalizeInfo();

private:
    TuxSkinControlGroup* GroupByName(std::string_view name);
    TuxSkinElement* ElementByName(TuxSkinControlGroup* group, std::string_view name, bool placeholder);
    TuxSkinElement* AddPlaceholderElement(TuxSkinControlGroup& group, std::string_view name);
    TuxSkinProperty* PropertyByName(TuxSkinPersistent* owner, std::string_view name,
                                    const rtl::TMetaclass& propertyClass);
    void ResolveElements();
    void ResolveProperties();
    void ApplyRules();
    void ResolveScrollInfos();
    void SetScrollInfo(bool horizontal, TuiScrollBarPart part, TuxSkinElement* element, int32_t imageIndex);
    void Clear();

    std::unique_ptr<TuxSkin> FSkin;
    std::array<TuxSkinElement*, seiCount> FElements{};
    std::array<TuxSkinProperty*, spiCount> FProperties{};
    std::array<TuxSkinColor*, sciCount> FColors{};
    std::array<std::array<std::unique_ptr<TuxSkinScrollInfo>, 6>, 2> FScrollInfos;
    int32_t FCaptionFontDelta = 1;
    bool FResolving = false;
};

// The info a skin painter is registered with.
class TuxSkinLookAndFeelPainterInfo : public TuxSkinInfo {
public:
    using TuxSkinInfo::TuxSkinInfo;
};

// The info of the user skin: a change of it makes every look-and-feel choose and repaint again.
class TuxSkinUserLookAndFeelPainterInfo : public TuxSkinLookAndFeelPainterInfo {
public:
    using TuxSkinLookAndFeelPainterInfo::TuxSkinLookAndFeelPainterInfo;
    void Refresh() override;
};

} // namespace ui
