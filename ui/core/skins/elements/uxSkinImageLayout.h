#pragma once
// Where the frames of a skin texture lie, and how a frame is cut into nine parts. A texture holds ImageCount groups of
// frames one after another along its layout axis, each group one frame per state present, in state order; a frame is
// cut into corners that keep their size, edges and a centre, by the image's margins.

#include "rtl/core/SmallSet.h"
#include "vcl/system/Types.h"

#include <array>
#include <cstdint>

namespace ui {

enum TuxSkinElementState : uint8_t {
    esNormal,
    esHot,
    esPressed,
    esDisabled,
    esActive,
    esFocused,
    esDroppedDown,
    esChecked,
    esHotCheck,
    esActiveDisabled,
    esCheckPressed,
};
inline constexpr int32_t SkinElementStateCount = 11;
using TuxSkinElementStates = rtl::TSmallSet<TuxSkinElementState>;

enum TuxSkinImageLayout : uint8_t { ilHorizontal, ilVertical };
enum TuxSkinStretchMode : uint8_t { smStretch, smTile, smNoResize };

// The nine parts of a rectangle: 0 top-left, 1 top, 2 top-right, 3 left, 4 centre, 5 right, 6 bottom-left, 7 bottom,
// 8 bottom-right.
using TuxSkinNineParts = std::array<vcl::TRect, 9>;
inline constexpr int32_t SkinCentrePart = 4;

// The parts of r cut by margins (four widths: left, top, right, bottom); a negative margin counts as 0, and a margin
// wider than r leaves the parts beyond it empty.
TuxSkinNineParts CalcNineGridParts(const vcl::TRect& r, const vcl::TRect& margins);
// The margins fitted to a destination: when left + right exceed its width, each is reduced by its share of the excess
// (MulDiv, rounding to nearest); likewise top and bottom against the height. Negative margins count as 0.
vcl::TRect FitMarginsToRect(const vcl::TRect& margins, const vcl::TRect& dest);
int32_t CountImageStates(TuxSkinElementStates states);

// The frames and source parts of one texture, computed once for its size, layout, states, group count and margins.
class TuxSkinFrameLayout {
public:
    TuxSkinFrameLayout() = default;
    TuxSkinFrameLayout(vcl::TSize textureSize, TuxSkinImageLayout layout, TuxSkinElementStates states,
                       int32_t imageCount, const vcl::TRect& margins);

    int32_t StateCount() const { return FStateCount; }
    // The size of one frame: the whole texture when no state is present.
    vcl::TSize FrameSize() const { return FFrameSize; }
    // A state that is not present becomes the first present one (stays as it is when none is).
    TuxSkinElementState ValidateState(TuxSkinElementState state) const;
    // The frame of the (validated) state in group imageIndex: an index below 0 takes the first group, one past the last
    // group the last, so a frame never leaves the texture. Empty when the state has no frame.
    vcl::TRect FrameRect(int32_t imageIndex, TuxSkinElementState state) const;
    // The parts of a frame at (0, 0); a part is drawn only when visible (not empty).
    const TuxSkinNineParts& SourceParts() const { return FSourceParts; }
    bool PartVisible(int32_t part) const { return !FSourceParts[static_cast<size_t>(part)].IsEmpty(); }

private:
    TuxSkinImageLayout FLayout = ilHorizontal;
    TuxSkinElementStates FStates;
    int32_t FImageCount = 1;
    int32_t FStateCount = 0;
    vcl::TSize FFrameSize;
    std::array<vcl::TRect, SkinElementStateCount> FStateRects{};
    TuxSkinNineParts FSourceParts{};
};

} // namespace ui
