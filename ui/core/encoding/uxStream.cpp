#include "ui/core/encoding/uxStream.h"

#include "rtl/core/Exceptions.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

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

rtl::AnsiString ReadStreamIntoString(rtl::TStream& stream) {
    const int64_t remaining = std::max<int64_t>(stream.Size() - stream.Position(), 0);
    if (remaining > std::numeric_limits<int32_t>::max()) {
        throw rtl::EReadError(rtl::RtlMessages::StreamReadError);
    }
    rtl::AnsiString bytes(static_cast<size_t>(remaining), '\0');
    stream.ReadBuffer(bytes.data(), static_cast<int32_t>(remaining));
    return bytes;
}

void WriteIntegerToStream(rtl::TStream& stream, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    const uint8_t bytes[4] = {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
                              static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)};
    stream.WriteBuffer(bytes, sizeof(bytes));
}

void WriteStringToStream(rtl::TStream& stream, std::string_view bytes) {
    if (bytes.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
        throw rtl::EWriteError(rtl::RtlMessages::StreamWriteError);
    }
    stream.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}

bool SameMemoryStreams(rtl::TCustomMemoryStream& a, rtl::TCustomMemoryStream& b) {
    const int64_t size = a.Size();
    return size == b.Size() && (size == 0 || std::memcmp(a.Memory(), b.Memory(), static_cast<size_t>(size)) == 0);
}

} // namespace ui
