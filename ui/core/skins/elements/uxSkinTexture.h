#pragma once
// The texture of a skin image: one PNG picture. On Windows GDI+ decodes it when it is read, draws it, and encodes it
// again when it is written (TuxPNGImage); elsewhere, where nothing draws, the PNG file is kept byte for byte with the
// size its header gives, which is all the stream and the frame layout need.

#include "rtl/io/Streams.h"
#include "vcl/system/Types.h"

#include <memory>

namespace ui {

#ifdef _WIN32
class TuxPNGImage;
#endif

class TuxSkinTexture {
public:
    TuxSkinTexture();
    ~TuxSkinTexture();
    TuxSkinTexture(const TuxSkinTexture&) = delete;
    TuxSkinTexture& operator=(const TuxSkinTexture&) = delete;

    // The picture stored from the stream's position to its end; a picture that cannot be read raises.
    void LoadFromStream(rtl::TStream& stream);
    // The picture as a PNG file at the stream's position; nothing when empty.
    void SaveToStream(rtl::TStream& stream) const;
    void Assign(const TuxSkinTexture& source);
    void Clear();
    bool Empty() const;
    vcl::TSize Size() const;
    // Both empty, or of the same size with the same pixels (elsewhere than on Windows: the same PNG bytes).
    bool SamePicture(const TuxSkinTexture& other) const;
#ifdef _WIN32
    // The decoded picture that drawing uses.
    TuxPNGImage& Picture() const;
#endif

private:
    struct TData;
    std::unique_ptr<TData> FData;
};

// Whether textures can be read now: on Windows while GDI+ is available (this loads it on first use), always elsewhere.
bool SkinTexturesAvailable();
// Makes ready what writing textures needs (the PNG encoder of GDI+ on Windows).
void PrepareSkinTextures();

} // namespace ui
