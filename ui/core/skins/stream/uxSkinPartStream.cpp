#include "ui/core/skins/stream/uxSkinPartStream.h"

#include <algorithm>

namespace ui {

TuxSkinPartStream::TuxSkinPartStream(rtl::TStream& source, int64_t start, int64_t end)
    : FSource(source), FStart(start), FEnd(std::max(start, end)) {
    FSource.SetPosition(FStart);
}

int32_t TuxSkinPartStream::Read(void* buffer, int32_t count) {
    const int64_t left = FEnd - FSource.Position();
    if (count <= 0 || left <= 0) {
        return 0;
    }
    return FSource.Read(buffer, static_cast<int32_t>(std::min<int64_t>(count, left)));
}

int32_t TuxSkinPartStream::Write(const void* buffer, int32_t count) {
    const int32_t written = FSource.Write(buffer, count);
    FEnd = std::max(FEnd, FSource.Position());
    return written;
}

int64_t TuxSkinPartStream::Seek(int64_t offset, rtl::TSeekOrigin origin) {
    int64_t target = 0;
    switch (origin) {
    case rtl::soBeginning:
        target = FStart + offset;
        break;
    case rtl::soEnd:
        target = FEnd + offset;
        break;
    default:
        target = FSource.Position() + offset;
        break;
    }
    return FSource.Seek(std::clamp(target, FStart, FEnd), rtl::soBeginning) - FStart;
}

} // namespace ui
