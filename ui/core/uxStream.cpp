#include "ui/core/uxStream.h"

#include <array>

namespace ui {

bool ReadStreamFormatMarker(rtl::TStream& stream) {
    const int64_t start = stream.Position();
    if (stream.Size() - start < static_cast<int64_t>(uxAnsiTextMarker.size())) {
        return false;
    }
    std::array<char, uxAnsiTextMarker.size()> marker{};
    stream.ReadBuffer(marker.data(), static_cast<int32_t>(marker.size()));
    const std::string_view read(marker.data(), marker.size());
    if (read == uxWideTextMarker) {
        return true;
    }
    if (read != uxAnsiTextMarker) {
        stream.SetPosition(start);
    }
    return false;
}

void WriteAnsiFormatMarker(rtl::TStream& stream) {
    stream.WriteBuffer(uxAnsiTextMarker.data(), static_cast<int32_t>(uxAnsiTextMarker.size()));
}

TuxStream::TuxStream(rtl::TStream& stream) : FIsWideText(ReadStreamFormatMarker(stream)), FStream(stream) {}

TuxStream::TuxStream(rtl::TStream& stream, bool isWideText) : FIsWideText(isWideText), FStream(stream) {}

int32_t TuxStream::Read(void* buffer, int32_t count) {
    return FStream.Read(buffer, count);
}

int32_t TuxStream::Write(const void* buffer, int32_t count) {
    return FStream.Write(buffer, count);
}

int64_t TuxStream::Seek(int64_t offset, rtl::TSeekOrigin origin) {
    return FStream.Seek(offset, origin);
}

int64_t TuxStream::Size() {
    return FStream.Size();
}

} // namespace ui
