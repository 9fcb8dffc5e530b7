#include "ui/core/skins/painter/uxSkinInfo.h"

#include "ui/core/gdiplus/uxGdiPlusClasses.h"
#include "ui/core/painters/uiLookAndFeels.h"

#include <algorithm>
#include <string_view>

namespace ui {

namespace {

struct TSkinElementName {
    std::string_view Group;
    std::string_view Name;
    bool Placeholder;
};

constexpr TSkinElementName SkinElementNames[] = {
#define UX_SKIN_ELEMENT_NAME(group, name, placeholder) {#group, #name, placeholder},
    UX_SKIN_ELEMENTS(UX_SKIN_ELEMENT_NAME)
#undef UX_SKIN_ELEMENT_NAME
};

// The colour property class under the name the lists give it.
using TuxSkinColorProperty = TuxSkinColor;

struct TSkinPropertyName {
    std::string_view Group;
    // Empty for a property of the group itself.
    std::string_view Element;
    std::string_view Name;
    const rtl::TMetaclass& (*Class)();
};

const TSkinPropertyName SkinPropertyNames[] = {
#define UX_SKIN_GROUP_PROPERTY_NAME(id, group, name, kind) {#group, {}, #name, &TuxSkin##kind##Property::StaticClass},
#define UX_SKIN_ELEMENT_PROPERTY_NAME(id, group, element, name, kind)                                                  \
    {#group, #element, #name, &TuxSkin##kind##Property::StaticClass},
    UX_SKIN_GROUP_PROPERTIES(UX_SKIN_GROUP_PROPERTY_NAME) UX_SKIN_ELEMENT_PROPERTIES(UX_SKIN_ELEMENT_PROPERTY_NAME)
#undef UX_SKIN_GROUP_PROPERTY_NAME
#undef UX_SKIN_ELEMENT_PROPERTY_NAME
};

constexpr std::string_view SkinColorNames[] = {
#define UX_SKIN_COLOR_NAME(name) #name,
    UX_SKIN_COLORS(UX_SKIN_COLOR_NAME)
#undef UX_SKIN_COLOR_NAME
};

constexpr int32_t PlaceholderSize = 32;
constexpr uint32_t PlaceholderRed = 0xFFFF0000;

// Two lines two pixels wide from corner to corner, on a clear ground.
TRGBColors PlaceholderCrossPixels() {
    TRGBColors pixels(PlaceholderSize * PlaceholderSize, 0);
    auto set = [&pixels](int32_t x, int32_t y) {
        if (x >= 0 && x < PlaceholderSize) {
            pixels[static_cast<size_t>(y * PlaceholderSize + x)] = PlaceholderRed;
        }
    };
    for (int32_t y = 0; y < PlaceholderSize; ++y) {
        set(y, y);
        set(y + 1, y);
        set(PlaceholderSize - 1 - y, y);
        set(PlaceholderSize - 2 - y, y);
    }
    return pixels;
}

void FlagReferenced(TuxSkinCustomPersistentObject* object) {
    if (object) {
        object->SetState(object->State() & ~sosNotReferenced);
    }
}

// The calculator's button kinds 0..27 in groups of one text colour each.
TuxSkinPropertyId CalculatorColorId(int32_t buttonKind) {
    if (buttonKind <= 2) {
        return spiCalcEditEditingOperationTextColor;
    }
    if (buttonKind <= 6) {
        return spiCalcEditMemoryOperationTextColor;
    }
    if (buttonKind <= 18) {
        return spiCalcEditDigitTextColor;
    }
    if (buttonKind <= 22) {
        return spiCalcEditArithmeticOperationTextColor;
    }
    return spiCalcEditScientificOperationTextColor;
}

constexpr int32_t CalculatorButtonKinds = 28;

} // namespace

bool TuxSkinScrollInfo::Draw(HDC dc, const vcl::TRect& rect, int32_t imageIndex, TuxSkinElementState state) const {
    if (!FElement) {
        return false;
    }
    FElement->Draw(dc, rect, imageIndex, state);
    return true;
}

TuxSkinInfo::TuxSkinInfo(std::unique_ptr<TuxSkin> skin) {
    SetSkin(std::move(skin));
}

TuxSkinInfo::~TuxSkinInfo() {
    if (FSkin) {
        FSkin->RemoveListener(this);
    }
    Clear();
}

void TuxSkinInfo::SetSkin(std::unique_ptr<TuxSkin> skin) {
    if (skin && skin == FSkin) {
        return;
    }
    if (FSkin) {
        FinalizeInfo();
        FSkin->RemoveListener(this);
    }
    FSkin = std::move(skin);
    if (FSkin) {
        FSkin->AddListener(this);
    }
    InitializeInfo();
}

void TuxSkinInfo::Refresh() {
    FinalizeInfo();
    InitializeInfo();
}

void TuxSkinInfo::SkinChanged(TuxSkin* /*skin*/) {
    if (!FResolving) {
        Refresh();
    }
}

TuxSkinColor* TuxSkinInfo::ColorProperty(TuxSkinPropertyId id) const {
    return dynamic_cast<TuxSkinColor*>(FProperties[id]);
}

TuxSkinBooleanProperty* TuxSkinInfo::BooleanProperty(TuxSkinPropertyId id) const {
    return dynamic_cast<TuxSkinBooleanProperty*>(FProperties[id]);
}

TuxSkinIntegerProperty* TuxSkinInfo::IntegerProperty(TuxSkinPropertyId id) const {
    return dynamic_cast<TuxSkinIntegerProperty*>(FProperties[id]);
}

TuxSkinRectProperty* TuxSkinInfo::RectProperty(TuxSkinPropertyId id) const {
    return dynamic_cast<TuxSkinRectProperty*>(FProperties[id]);
}

TuxSkinColor* TuxSkinInfo::CalculatorColor(int32_t buttonKind) const {
    if (buttonKind < 0 || buttonKind >= CalculatorButtonKinds) {
        return nullptr;
    }
    return ColorProperty(CalculatorColorId(buttonKind));
}

bool TuxSkinInfo::MergeBorders() const {
    const TuxSkinBooleanProperty* property = BooleanProperty(spiEditorButtonMergeBorders);
    return property && property->Value();
}

const TuxSkinScrollInfo* TuxSkinInfo::ScrollInfo(bool horizontal, TuiScrollBarPart part) const {
    if (part > sbpPageDown) {
        return nullptr;
    }
    return FScrollInfos[horizontal ? 1 : 0][part].get();
}

// The info's own edits of the skin (placeholders, colours) tell changes; they start no resolution of their own.
void TuxSkinInfo::InitializeInfo() {
    Clear();
    if (!FSkin) {
        return;
    }
    FResolving = true;
    try {
        ResolveElements();
        ResolveProperties();
        ApplyRules();
        ResolveScrollInfos();
    } catch (...) {
        FResolving = false;
        throw;
    }
    FResolving = false;
}

void TuxSkinInfo::FinalizeInfo() {
    for (auto& orientation : FScrollInfos) {
        for (auto& info : orientation) {
            info.reset();
        }
    }
}

void TuxSkinInfo::Clear() {
    FinalizeInfo();
    FElements.fill(nullptr);
    FProperties.fill(nullptr);
    FColors.fill(nullptr);
    FCaptionFontDelta = 1;
}

TuxSkinControlGroup* TuxSkinInfo::GroupByName(std::string_view name) {
    TuxSkinControlGroup* group = FSkin->GetGroupByName(name);
    if (!group) {
        group = FSkin->AddGroup(rtl::AnsiString(name));
        group->SetState(sosCreatedForMissing | sosNotReferenced);
    }
    FlagReferenced(group);
    return group;
}

TuxSkinElement* TuxSkinInfo::ElementByName(TuxSkinControlGroup* group, std::string_view name, bool placeholder) {
    if (!group) {
        return nullptr;
    }
    TuxSkinElement* element = group->GetElementByName(name);
    if (!element && placeholder) {
        element = AddPlaceholderElement(*group, name);
    }
    FlagReferenced(element);
    return element;
}

TuxSkinElement* TuxSkinInfo::AddPlaceholderElement(TuxSkinControlGroup& group, std::string_view name) {
    TuxSkinElement* element = group.AddElement(rtl::AnsiString(name));
    element->SetState(sosCreatedForMissing | sosNotReferenced);
    TuxSkinImage& image = element->Image();
    image.SetStates({esNormal});
    image.SetStretch(smStretch);
    image.Texture().Picture().SetImage(
        TuxGPImage::CreateFromBits(PlaceholderSize, PlaceholderSize, PlaceholderCrossPixels(), true));
    image.InvalidateParts();
    return element;
}

TuxSkinProperty* TuxSkinInfo::PropertyByName(TuxSkinPersistent* owner, std::string_view name,
                                             const rtl::TMetaclass& propertyClass) {
    if (!owner) {
        return nullptr;
    }
    TuxSkinProperty* property = owner->GetPropertyByName(name);
    // A property of another class counts as absent.
    if (!property || !property->ClassType().InheritsFrom(propertyClass)) {
        return nullptr;
    }
    FlagReferenced(property);
    return property;
}

void TuxSkinInfo::ResolveElements() {
    for (size_t index = 0; index < seiCount; ++index) {
        const TSkinElementName& name = SkinElementNames[index];
        FElements[index] = ElementByName(GroupByName(name.Group), name.Name, name.Placeholder);
    }
}

void TuxSkinInfo::ResolveProperties() {
    for (size_t index = 0; index < spiCount; ++index) {
        const TSkinPropertyName& name = SkinPropertyNames[index];
        TuxSkinPersistent* owner = GroupByName(name.Group);
        if (!name.Element.empty()) {
            owner = static_cast<TuxSkinControlGroup*>(owner)->GetElementByName(name.Element);
        }
        FProperties[index] = PropertyByName(owner, name.Name, name.Class());
    }
    for (size_t index = 0; index < sciCount; ++index) {
        FColors[index] = FSkin->GetColorByName(SkinColorNames[index]);
    }
}

void TuxSkinInfo::ApplyRules() {
    const TuxSkinIntegerProperty* fontDelta = IntegerProperty(spiFormCaptionFontDelta);
    FCaptionFontDelta = std::max(1, fontDelta ? fontDelta->Value() : 0);
    TuxSkinElement* groupPanel = Element(seiGridGridGroupPanel);
    if (groupPanel && !groupPanel->Image().GetEmpty()) {
        groupPanel->SetColor(vcl::clNone);
    }
    if (const TuxSkinElement* content = Element(seiFormFormContent)) {
        for (TuxSkinElementId id : {seiPageControlTabButtonHorz, seiPageControlTabButtonVert, seiCommonScrollButton}) {
            if (TuxSkinElement* element = Element(id)) {
                element->SetColor(content->Color());
            }
        }
    }
}

void TuxSkinInfo::ResolveScrollInfos() {
    SetScrollInfo(false, sbpLineUp, Element(seiCommonScrollButton), 0);
    SetScrollInfo(false, sbpLineDown, Element(seiCommonScrollButton), 1);
    SetScrollInfo(true, sbpLineUp, Element(seiCommonScrollButton), 2);
    SetScrollInfo(true, sbpLineDown, Element(seiCommonScrollButton), 3);
    SetScrollInfo(false, sbpThumb, Element(seiCommonScrollThumbVert), 0);
    SetScrollInfo(true, sbpThumb, Element(seiCommonScrollThumbHorz), 0);
    for (TuiScrollBarPart part : {sbpPageUp, sbpPageDown}) {
        SetScrollInfo(false, part, Element(seiCommonScrollContentVert), 0);
        SetScrollInfo(true, part, Element(seiCommonScrollContentHorz), 0);
    }
}

void TuxSkinInfo::SetScrollInfo(bool horizontal, TuiScrollBarPart part, TuxSkinElement* element, int32_t imageIndex) {
    auto& entry = FScrollInfos[horizontal ? 1 : 0][part];
    entry.reset();
    if (FSkin) {
        entry = std::make_unique<TuxSkinScrollInfo>(element, imageIndex);
    }
}

void TuxSkinUserLookAndFeelPainterInfo::Refresh() {
    TuxSkinLookAndFeelPainterInfo::Refresh();
    if (TuiLookAndFeel* root = RootLookAndFeel()) {
        root->SkinPaintersChanged(nullptr);
    }
}

} // namespace ui
