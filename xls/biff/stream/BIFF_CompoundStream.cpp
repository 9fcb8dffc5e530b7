#include "xls/biff/stream/BIFF_CompoundStream.h"

#include <algorithm>
#include <cstring>

namespace xls {

namespace {

// Large enough that the source is read in few calls, small enough to stay in the cache beside the cells.
constexpr int64_t WindowSize = 64 * 1024;

} // namespace

TCompoundStream::TCompoundStream(std::unique_ptr<rtl::TStream> source, std::vector<TCompoundExtent> extents,
                                 uint32_t size)
    : FSource(std::move(source)), FExtents(std::move(extents)), FSize(size), FWindow(WindowSize) {}

int32_t TCompoundStream::Read(void* buffer, int32_t count) {
    auto* target = static_cast<uint8_t*>(buffer);
    int32_t done = 0;
    while (done < count && FPosition < FSize) {
        if (FPosition < FWindowStart || FPosition >= FWindowEnd) {
            Fill();
        }
        const auto part = static_cast<int32_t>(std::min<int64_t>(count - done, FWindowEnd - FPosition));
        std::memcpy(target + done, FWindow.data() + (FPosition - FWindowStart), static_cast<size_t>(part));
        done += part;
        FPosition += part;
    }
    return done;
}

int32_t TCompoundStream::Write(const void*, int32_t) {
    return 0;
}

int64_t TCompoundStream::Seek(int64_t offset, rtl::TSeekOrigin origin) {
    FPosition = SeekTarget(offset, origin, FPosition);
    return FPosition;
}

void TCompoundStream::Fill() {
    // The extents cover the stream without gaps, so the last one starting at or before the position holds it.
    const auto next = std::upper_bound(FExtents.begin(), FExtents.end(), FPosition,
                                       [](int64_t position, const TCompoundExtent& extent) {
                                           return position < static_cast<int64_t>(extent.StreamOffset);
                                       });
    const TCompoundExtent& extent = *std::prev(next);
    const int64_t inExtent = FPosition - static_cast<int64_t>(extent.StreamOffset);
    const auto wanted =
        static_cast<int32_t>(std::min<int64_t>(WindowSize, static_cast<int64_t>(extent.Size) - inExtent));
    FSource->Seek(static_cast<int64_t>(extent.SourceOffset) + inExtent, rtl::soBeginning);
    const int32_t got = std::max(FSource->Read(FWindow.data(), wanted), 0);
    std::memset(FWindow.data() + got, 0, static_cast<size_t>(wanted - got));
    FWindowStart = FPosition;
    FWindowEnd = FPosition + wanted;
}

} // namespace xls
