#pragma once
// A window onto part of another stream: the texture of an element image is read through one, so that the picture
// reader sees exactly the texture's bytes and can read no further, whatever it asks for.

#include "rtl/io/Streams.h"

#include <cstdint>

namespace ui {

class TuxSkinPartStream : public rtl::TStream {
public:
    // The bytes start .. end of source (not owned), which must outlive the window.
    TuxSkinPartStream(rtl::TStream& source, int64_t start, int64_t end);

    // Reads up to the window's end.
    int32_t Read(void* buffer, int32_t count) override;
    // Writes to the source; the window ends where the write ended, when that is beyond its end.
    int32_t Write(const void* buffer, int32_t count) override;
    // The target is clamped to the window; the result counts from its start.
    int64_t Seek(int64_t offset, rtl::TSeekOrigin origin) override;
    int64_t Size() override { return FEnd - FStart; }

private:
    rtl::TStream& FSource;
    int64_t FStart;
    int64_t FEnd;
};

} // namespace ui
