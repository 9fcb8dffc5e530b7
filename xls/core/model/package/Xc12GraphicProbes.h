#pragma once
// Header probes for the picture formats a workbook stores: each tells whether a block of bytes starts like a sound
// picture file of its format and, when it does, answers the size its header gives. They read the bytes as hostile
// input (nothing is read past the block, every loop advances) and never change them. The metafile probes read the
// headers themselves, so they answer the same on every platform.

#include <cstdint>
#include <optional>
#include <span>

namespace xls {

// The kinds of picture the store knows, by their stored value; xgitUnknown stands for any other extension.
enum TXc12GraphicImageType : uint8_t { xgitJPEG, xgitPNG, xgitEMF, xgitWMF, xgitUnknown };

// A picture's width and height: pixels for JPEG and PNG, hundredths of a millimetre for EMF and WMF.
struct TXc12ImageSize {
    int32_t Width = 0;
    int32_t Height = 0;
};

// Walks the markers from the start of image to the first baseline, extended, progressive or lossless frame header
// (SOF0 to SOF3) and answers its size; fails when a marker lacks its 0xFF, a segment length is below 2, or the data
// ends first.
std::optional<TXc12ImageSize> ProbeJPEG(std::span<const uint8_t> data);
// The PNG signature and the size of the IHDR chunk that must follow it.
std::optional<TXc12ImageSize> ProbePNG(std::span<const uint8_t> data);
// An EMR_HEADER record whose sizes fit the data; the size is its frame's.
std::optional<TXc12ImageSize> ProbeEMF(std::span<const uint8_t> data);
// A META_HEADER, optionally behind a placeable header, whose size fits the data; the size is the placeable
// header's bounding box, and 0 by 0 for a metafile without one (its header gives no size).
std::optional<TXc12ImageSize> ProbeWMF(std::span<const uint8_t> data);
// The probe of type's format; nothing for xgitUnknown and values beyond it.
std::optional<TXc12ImageSize> ProbeImage(TXc12GraphicImageType type, std::span<const uint8_t> data);

} // namespace xls
