#include "ui/editors/framework/strings/uiExtEditConsts.h"

#include "ui/editors/framework/strings/uiEditStringUnit.h"

namespace ui {

#define UI_EDIT_CONST(name, id, text)
#define UI_EXT_EDIT_CONST(name, id, text) const TuxResourceString name{id, u"" #name, u"" text};
#include "resources/strings/uiEditorsStrings.inc"
#undef UI_EXT_EDIT_CONST
#undef UI_EDIT_CONST

// Tables of names, laid out by hand.
// clang-format off
const std::array<std::u16string_view, 52> uiColorConstantNames{
    u"clBlack", u"clMaroon", u"clGreen", u"clOlive", u"clNavy", u"clPurple", u"clTeal", u"clGray", u"clSilver",
    u"clRed", u"clLime", u"clYellow", u"clBlue", u"clFuchsia", u"clAqua", u"clWhite", u"clMoneyGreen", u"clSkyBlue",
    u"clCream", u"clMedGray", u"clActiveBorder", u"clActiveCaption", u"clAppWorkSpace", u"clBackground", u"clBtnFace",
    u"clBtnHighlight", u"clBtnShadow", u"clBtnText", u"clCaptionText", u"clDefault", u"clGradientActiveCaption",
    u"clGradientInactiveCaption", u"clGrayText", u"clHighlight", u"clHighlightText", u"clHotLight",
    u"clInactiveBorder", u"clInactiveCaption", u"clInactiveCaptionText", u"clInfoBk", u"clInfoText", u"clMenu",
    u"clMenuBar", u"clMenuHighlight", u"clMenuText", u"clNone", u"clScrollBar", u"cl3DDkShadow", u"cl3DLight",
    u"clWindow", u"clWindowFrame", u"clWindowText",
};

const std::array<std::u16string_view, 16> uiBasicWebColorNames{
    u"Black", u"Maroon", u"Green", u"Olive", u"Navy", u"Purple", u"Teal", u"Gray", u"Silver", u"Red", u"Lime",
    u"Yellow", u"Blue", u"Fuchsia", u"Aqua", u"White",
};

const std::array<std::u16string_view, 140> uiWebColorNames{
    u"AliceBlue", u"AntiqueWhite", u"Aqua", u"Aquamarine", u"Azure", u"Beige", u"Bisque", u"Black", u"BlanchedAlmond",
    u"Blue", u"BlueViolet", u"Brown", u"BurlyWood", u"CadetBlue", u"Chartreuse", u"Chocolate", u"Coral",
    u"CornflowerBlue", u"Cornsilk", u"Crimson", u"Cyan", u"DarkBlue", u"DarkCyan", u"DarkGoldenrod", u"DarkGray",
    u"DarkGreen", u"DarkKhaki", u"DarkMagenta", u"DarkOliveGreen", u"DarkOrange", u"DarkOrchid", u"DarkRed",
    u"DarkSalmon", u"DarkSeaGreen", u"DarkSlateBlue", u"DarkSlateGray", u"DarkTurquoise", u"DarkViolet", u"DeepPink",
    u"DeepSkyBlue", u"DimGray", u"DodgerBlue", u"FireBrick", u"FloralWhite", u"ForestGreen", u"Fuchsia", u"Gainsboro",
    u"GhostWhite", u"Gold", u"Goldenrod", u"Gray", u"Green", u"GreenYellow", u"Honeydew", u"HotPink", u"IndianRed",
    u"Indigo", u"Ivory", u"Khaki", u"Lavender", u"LavenderBlush", u"LawnGreen", u"LemonChiffon", u"LightBlue",
    u"LightCoral", u"LightCyan", u"LightGoldenrodYellow", u"LightGreen", u"LightGrey", u"LightPink", u"LightSalmon",
    u"LightSeaGreen", u"LightSkyBlue", u"LightSlateGray", u"LightSteelBlue", u"LightYellow", u"Lime", u"LimeGreen",
    u"Linen", u"Magenta", u"Maroon", u"MediumAquamarine", u"MediumBlue", u"MediumOrchid", u"MediumPurple",
    u"MediumSeaGreen", u"MediumSlateBlue", u"MediumSpringGreen", u"MediumTurquoise", u"MediumVioletRed",
    u"MidnightBlue", u"MintCream", u"MistyRose", u"Moccasin", u"NavajoWhite", u"Navy", u"OldLace", u"Olive",
    u"OliveDrab", u"Orange", u"OrangeRed", u"Orchid", u"PaleGoldenrod", u"PaleGreen", u"PaleTurquoise",
    u"PaleVioletRed", u"PapayaWhip", u"PeachPuff", u"Peru", u"Pink", u"Plum", u"PowderBlue", u"Purple", u"Red",
    u"RosyBrown", u"RoyalBlue", u"SaddleBrown", u"Salmon", u"SandyBrown", u"SeaGreen", u"Seashell", u"Sienna",
    u"Silver", u"SkyBlue", u"SlateBlue", u"SlateGray", u"Snow", u"SpringGreen", u"SteelBlue", u"Tan", u"Teal",
    u"Thistle", u"Tomato", u"Turquoise", u"Violet", u"Wheat", u"White", u"WhiteSmoke", u"Yellow", u"YellowGreen",
};

const std::array<std::u16string_view, 140> uiWebColorNamesByHue{
    u"LightPink", u"Pink", u"Crimson", u"PaleVioletRed", u"LavenderBlush", u"HotPink", u"DeepPink",
    u"MediumVioletRed", u"Orchid", u"Thistle", u"Plum", u"Violet", u"Fuchsia", u"Magenta", u"DarkMagenta", u"Purple",
    u"MediumOrchid", u"DarkViolet", u"DarkOrchid", u"Indigo", u"BlueViolet", u"MediumPurple", u"MediumSlateBlue",
    u"DarkSlateBlue", u"SlateBlue", u"GhostWhite", u"Lavender", u"Blue", u"MediumBlue", u"DarkBlue", u"MidnightBlue",
    u"Navy", u"RoyalBlue", u"CornflowerBlue", u"LightSteelBlue", u"LightSlateGray", u"SlateGray", u"DodgerBlue",
    u"AliceBlue", u"SteelBlue", u"LightSkyBlue", u"SkyBlue", u"DeepSkyBlue", u"LightBlue", u"PowderBlue",
    u"CadetBlue", u"DarkTurquoise", u"Azure", u"LightCyan", u"PaleTurquoise", u"Aqua", u"Cyan", u"DarkCyan", u"Teal",
    u"DarkSlateGray", u"MediumTurquoise", u"LightSeaGreen", u"Turquoise", u"Aquamarine", u"MediumAquamarine",
    u"MediumSpringGreen", u"MintCream", u"SpringGreen", u"MediumSeaGreen", u"SeaGreen", u"Honeydew", u"PaleGreen",
    u"LightGreen", u"DarkSeaGreen", u"Lime", u"LimeGreen", u"ForestGreen", u"Green", u"DarkGreen", u"LawnGreen",
    u"Chartreuse", u"GreenYellow", u"DarkOliveGreen", u"YellowGreen", u"OliveDrab", u"Ivory", u"LightYellow",
    u"Beige", u"LightGoldenrodYellow", u"Yellow", u"Olive", u"DarkKhaki", u"PaleGoldenrod", u"Khaki", u"LemonChiffon",
    u"Gold", u"Cornsilk", u"Goldenrod", u"DarkGoldenrod", u"FloralWhite", u"OldLace", u"Wheat", u"Orange",
    u"Moccasin", u"PapayaWhip", u"BlanchedAlmond", u"NavajoWhite", u"Tan", u"AntiqueWhite", u"BurlyWood",
    u"DarkOrange", u"Bisque", u"Linen", u"Peru", u"PeachPuff", u"SandyBrown", u"Chocolate", u"SaddleBrown",
    u"Seashell", u"Sienna", u"LightSalmon", u"OrangeRed", u"Coral", u"DarkSalmon", u"Tomato", u"Salmon", u"MistyRose",
    u"Snow", u"LightCoral", u"RosyBrown", u"IndianRed", u"Red", u"FireBrick", u"Brown", u"DarkRed", u"Maroon",
    u"White", u"WhiteSmoke", u"Gainsboro", u"LightGrey", u"Silver", u"DarkGray", u"Gray", u"DimGray", u"Black",
};
// clang-format on

namespace {

void AddExtEditConsts(TuxProductResourceStrings& product) {
#define UI_EDIT_CONST(name, id, text)
#define UI_EXT_EDIT_CONST(name, id, text) product.AddResString(name);
#include "resources/strings/uiEditorsStrings.inc"
#undef UI_EXT_EDIT_CONST
#undef UI_EDIT_CONST
}

TuiEditStringUnit extEditConstsUnit(uiExtEditConstsProductKey, AddExtEditConsts);

} // namespace

void InitializeExtEditConstsUnit() {
    extEditConstsUnit.Initialize();
}

void FinalizeExtEditConstsUnit() {
    extEditConstsUnit.Finalize();
}

} // namespace ui
