// The members of the shared DrawingML classes that are written by hand: the colour transforms, a picture's image,
// the counts that follow no attribute rule, and the operations the workbook model's shape and picture import calls.

#include "xls/core/model/package/Xc12GraphicManager.h"
#include "xls/drawing/xpgParseDrawingCommon.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace xls::xpgParseDrawingCommon {

namespace {

// The elements of EG_ColorTransform (ECMA-376 Part 1, 20.1.2.3.1 to 20.1.2.3.32), by their local names.
constexpr std::array<std::string_view, 28> TransformNames = {
    "tint",   "shade",    "comp",     "inv",    "gray",    "alpha",   "alphaOff", "alphaMod", "hue",    "hueOff",
    "hueMod", "sat",      "satOff",   "satMod", "lum",     "lumOff",  "lumMod",   "red",      "redOff", "redMod",
    "green",  "greenOff", "greenMod", "blue",   "blueOff", "blueMod", "gamma",    "invGamma",
};

constexpr std::string_view DrawingPrefix = "a:";

// The start value of a hexadecimal colour of the family: the colour was not given.
constexpr int32_t UnsetColor = -16;

} // namespace

// A transform keeps the value of its val, or an empty one (a:gray, a:inv and the others that have none); its other
// attributes are dropped without a report, as the attributes of the group itself.
TXPGBase* TEG_ColorTransform::FindChild(TXPGReader& reader) {
    const std::string_view name = reader.ElementName();
    if (!name.starts_with(DrawingPrefix) || std::find(TransformNames.begin(), TransformNames.end(),
                                                      name.substr(DrawingPrefix.size())) == TransformNames.end()) {
        return nullptr;
    }
    const TXpgXMLAttributeList& attributes = reader.ElementAttributes();
    rtl::UnicodeStringView value;
    for (int32_t i = 0; i < attributes.GetCount(); ++i) {
        if (attributes.GetItem(i).NameIs("val")) {
            value = attributes.GetValue(i);
        }
    }
    AddTransform(reader.GetLocalName(), value);
    return Enter(*this, reader);
}

// The group is current only inside a transform element, which holds no elements.
TXPGBase* TEG_ColorTransform::HandleElement(TXPGReader& reader) {
    reader.ReportUnknownElement();
    return nullptr;
}

int32_t TEG_ColorTransform::CheckAssigned() {
    return SetAssigned(0, 0, FTransforms.GetCount());
}

void TEG_ColorTransform::Clear() {
    SetFlags(0);
    FTransforms.Clear();
}

void TEG_ColorTransform::AddTransform(rtl::UnicodeStringView name, rtl::UnicodeStringView value) {
    rtl::UnicodeString text(name);
    text += u'=';
    text += value;
    FTransforms.Add(text);
}

// Without its value the colour is none, whatever transforms it holds.
int32_t TCT_SRgbColor::CheckAssigned() {
    if (FVal == UnsetColor) {
        return SetAssigned(0, 0, 0);
    }
    return SetAssigned(1, 0, FColorTransform->CheckAssigned());
}

// After the attributes the picture is looked up in the document's picture store, under the drawing being read and
// r:embed, replacing the one found before; a chart's document has no store, and its pictures keep r:embed alone.
void TCT_Blip::AssignAttributes(const TXpgXMLAttributeList& attributes) {
    TXPGBase::AssignAttributes(attributes);
    const TXc12GraphicManager* store = Owner().GetPictureStore();
    if (FEmbed.empty() || store == nullptr) {
        return;
    }
    FPicture = store->FindDrawingImage(FEmbed);
}

// The relationship ids and the compression count for nothing: a picture counts when its image is found.
int32_t TCT_Blip::CountAttributes() const {
    return FPicture != nullptr ? 1 : 0;
}

void TCT_BlipFillProperties::CreateBlip() {
    FBlip = std::make_unique<TCT_Blip>(Owner());
}

TCT_StretchInfoProperties& TEG_FillModeProperties::CreateStretch() {
    FTile.reset();
    return Created(FStretch);
}

// A line without fill is no line: unlike a shape's, its a:noFill counts.
int32_t TEG_LineFillProperties::CheckAssigned() {
    int32_t children = 0;
    if (FNoFill) {
        FNoFill->CheckAssigned();
        children = 1;
    }
    children += FSolidFill ? FSolidFill->CheckAssigned() : 0;
    children += FGradFill ? FGradFill->CheckAssigned() : 0;
    children += FPattFill ? FPattFill->CheckAssigned() : 0;
    return SetAssigned(0, 0, children);
}

TCT_PresetGeometry2D& TEG_Geometry::CreatePrstGeom() {
    if (!FPrstGeom) {
        Clear();
        FPrstGeom = std::make_unique<TCT_PresetGeometry2D>(Owner());
    }
    return *FPrstGeom;
}

} // namespace xls::xpgParseDrawingCommon
