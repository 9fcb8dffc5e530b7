#pragma once
// Colours: 32-bit values 0x00BBGGRR for an RGB colour, 0xFF000000 + index for a Windows system colour (the value
// follows the user's colour scheme), clNone for "draw nothing" and clDefault for "keep the current or default colour".

#include <cstdint>

namespace vcl {

using TColor = int32_t;

inline constexpr TColor SystemColorBase = static_cast<TColor>(0xFF000000u);

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

// System colours: SystemColorBase + the COLOR_ index of GetSysColor.
inline constexpr TColor clScrollBar = SystemColorBase + 0;
inline constexpr TColor clBackground = SystemColorBase + 1;
inline constexpr TColor clActiveCaption = SystemColorBase + 2;
inline constexpr TColor clInactiveCaption = SystemColorBase + 3;
inline constexpr TColor clMenu = SystemColorBase + 4;
inline constexpr TColor clWindow = SystemColorBase + 5;
inline constexpr TColor clWindowFrame = SystemColorBase + 6;
inline constexpr TColor clMenuText = SystemColorBase + 7;
inline constexpr TColor clWindowText = SystemColorBase + 8;
inline constexpr TColor clCaptionText = SystemColorBase + 9;
inline constexpr TColor clActiveBorder = SystemColorBase + 10;
inline constexpr TColor clInactiveBorder = SystemColorBase + 11;
inline constexpr TColor clAppWorkSpace = SystemColorBase + 12;
inline constexpr TColor clHighlight = SystemColorBase + 13;
inline constexpr TColor clHighlightText = SystemColorBase + 14;
inline constexpr TColor clBtnFace = SystemColorBase + 15;
inline constexpr TColor clBtnShadow = SystemColorBase + 16;
inline constexpr TColor clGrayText = SystemColorBase + 17;
inline constexpr TColor clBtnText = SystemColorBase + 18;
inline constexpr TColor clInactiveCaptionText = SystemColorBase + 19;
inline constexpr TColor clBtnHighlight = SystemColorBase + 20;
inline constexpr TColor cl3DDkShadow = SystemColorBase + 21;
inline constexpr TColor cl3DLight = SystemColorBase + 22;
inline constexpr TColor clInfoText = SystemColorBase + 23;
inline constexpr TColor clInfoBk = SystemColorBase + 24;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

// The RGB value (0x00BBGGRR) of a colour: a system colour is looked up in the current colour scheme; clNone and
// clDefault, which name no colour, are returned as they are.
uint32_t ColorToRGB(TColor color);

} // namespace vcl
