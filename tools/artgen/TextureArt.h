#pragma once
// The skin textures of artgen: PNG pictures drawn from short recipes, one recipe line per frame.
//
//   texture Blue/Button.png 16x20 6 8 [vertical]    path below resources/skins, frame size, PNG colour type (6, 2 or 3)
//                                                   and bit depth (8; 1, 4 or 8 for type 3); frames side by side, or
//                                                   stacked when vertical
//   frame vgradient FDFEFF D6E6FA border 8CAEDB round
//
// A frame's operations run in order over the frame, colours being RRGGBB (opaque) or AARRGGBB: fill C, vgradient C1
// C2 (top to bottom), hgradient C1 C2 (left to right), gloss C1 C2 C3 C4 (upper half C1 to C2, lower half C3 to C4),
// border C (the outer ring), inset C (the ring inside it), round (the four corner pixels cleared), clear (every pixel
// transparent), glyph NAME C (check, arrowup, arrowdown, arrowleft, arrowright, cross, plus, minus, dot, grip, line,
// centred).

#include "tools/support/PngWriter.h"

#include <sstream>
#include <string>
#include <vector>

namespace artgen {

struct TTexture {
    std::string Path;
    int32_t FrameWidth = 0;
    int32_t FrameHeight = 0;
    tools::TPngColorType ColorType = tools::TPngColorType::TruecolorAlpha;
    int BitDepth = 8;
    bool Vertical = false;
    // The operations of each frame, as written.
    std::vector<std::string> Frames;
};

// The texture of a "texture" line's words after the keyword; std::invalid_argument for a mistake.
TTexture ReadTextureLine(std::istringstream& words);
// Checks a "frame" line's operations without drawing them.
void CheckFrameLine(const std::string& operations);
// The PNG file of the texture; std::invalid_argument when its colours do not fit its colour type.
std::vector<uint8_t> DrawTexture(const TTexture& texture);

} // namespace artgen
