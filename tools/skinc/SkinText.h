#pragma once
// The readable text of a skin, which skinc compiles into a skin stream and prints back from one. One statement per
// line; a line whose first word starts with "#" is a comment. Names stand bare, texts in double quotes (\" \\ \xHH for
// a byte of an ANSI text, \uXXXX for a UTF-16 unit of a wide one). Colours are #RRGGBB, clNone, clDefault or $XXXXXXXX
// (any other TColor value).
//
//   skin "Blue"                                     the skin's name; the first statement
//   color ContentColor #E3EFFF                      a named colour of the skin
//   property DisplayName WideString "Blue"          a property of the skin, or of the group or element above it:
//                                                   Integer n, Boolean true|false, Color c, Rect l,t,r,b, Size cx,cy,
//                                                   String "...", WideString "..."
//   group Common                                    a control group; its properties follow before its elements
//   element Button color=#E3EFFF alpha=255 imagecount=1 contentoffset=l,t,r,b textcolor=c minsize=cx,cy
//   image texture="Blue/Button.png" states=normal,hot layout=vertical stretch=tile|noresize margins=l,t,r,b
//         gradient=vertical|forwarddiagonal|backwarddiagonal begin=c end=c
//   glyph ...                                       the same for the element's glyph
//   border left #8CAEDB 1                           a border: side, colour, thickness
//
// Every value left out keeps its default (element: clDefault, 255, 1, 0s, clDefault, 0 x 0; image: no texture, no
// state, horizontal, stretch, no margins, horizontal gradient from clNone to clNone; border clNone, 1). Textures are
// PNG files named relative to the text's folder.

#include "ui/core/skins/elements/uxSkin.h"

#include <filesystem>
#include <memory>
#include <string>

namespace tools {

// The skin that the text of path describes; std::runtime_error naming the line for a mistake.
std::unique_ptr<ui::TuxSkin> ReadSkinText(const std::filesystem::path& path);

// The text of a skin; each texture is written into folder as <group>/<element>_Image.png (or _Glyph.png) and named
// so in the text.
std::string WriteSkinText(const ui::TuxSkin& skin, const std::filesystem::path& folder);

} // namespace tools
