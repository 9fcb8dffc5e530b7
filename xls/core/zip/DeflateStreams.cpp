#include "xls/core/zip/DeflateStreams.h"

#include "xls/core/base/XLSReadLimits.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <stdexcept>
#include <zlib.h>

namespace xls {

struct TZlibStreamRecord {
    z_stream Z{};
};

namespace {

// Raw deflate data has no zlib header or checksum; zlib selects it by negative window bits.
constexpr int RawWindowBits = -15;
constexpr int DefaultMemoryLevel = 8;

int ZlibLevel(TCompressionLevel level) {
    constexpr int levels[] = {Z_NO_COMPRESSION, Z_BEST_SPEED, Z_DEFAULT_COMPRESSION, Z_BEST_COMPRESSION};
    return levels[std::min<size_t>(level, std::size(levels) - 1)];
}

[[noreturn]] void RaiseInvalidCompressionOperation() {
    throw ECompressionError(ZlibMessages::InvalidStreamOperation);
}

[[noreturn]] void RaiseInvalidDecompressionOperation() {
    throw EDecompressionError(ZlibMessages::InvalidStreamOperation);
}

[[noreturn]] void RaiseDecompressError() {
    throw EDecompressionError(ZlibMessages::ZlibDecompressError);
}

// Ends the zlib inflate stream it guards, whichever way the caller leaves.
class TInflateGuard {
public:
    explicit TInflateGuard(z_stream& z) : FZ(z) {}
    TInflateGuard(const TInflateGuard&) = delete;
    TInflateGuard& operator=(const TInflateGuard&) = delete;
    ~TInflateGuard() { inflateEnd(&FZ); }

private:
    z_stream& FZ;
};

void ResizeOutput(std::vector<uint8_t>& output, uint64_t size) {
    try {
        output.resize(static_cast<size_t>(size));
    } catch (const std::bad_alloc&) {
        throw rtl::EOutOfMemory(rtl::RtlMessages::OutOfMemory);
    } catch (const std::length_error&) { // past what a 32-bit target can address
        throw rtl::EOutOfMemory(rtl::RtlMessages::OutOfMemory);
    }
}

} // namespace

// TCustomZlibStream

TCustomZlibStream::TCustomZlibStream(rtl::TStream& stream)
    : FStream(stream), FStreamPosition(stream.Position()), FZRec(std::make_unique<TZlibStreamRecord>()),
      FBuffer(BlockSize) {}

TCustomZlibStream::~TCustomZlibStream() = default;

void TCustomZlibStream::Progress() {
    if (rtl::Assigned(OnProgress)) {
        OnProgress(this);
    }
}

void TCustomZlibStream::RestoreStreamPosition() {
    FStream.Seek(FStreamPosition, rtl::soBeginning);
}

// TCompressionStream

TCompressionStream::TCompressionStream(TCompressionLevel level, rtl::TStream& dest, bool raw)
    : TCustomZlibStream(dest), FSmallWrites(SmallWriteBufferSize) {
    z_stream& z = FZRec->Z;
    const int result =
        raw ? deflateInit2(&z, ZlibLevel(level), Z_DEFLATED, RawWindowBits, DefaultMemoryLevel, Z_DEFAULT_STRATEGY)
            : deflateInit(&z, ZlibLevel(level));
    if (result != Z_OK) {
        throw ECompressionError(ZlibMessages::ZlibDecompressError);
    }
    z.next_out = FBuffer.data();
    z.avail_out = BlockSize;
}

TCompressionStream::~TCompressionStream() {
    try {
        Finish();
    } catch (...) { // NOLINT(bugprone-empty-catch): a destructor cannot report; writers call Finish themselves
    }
    deflateEnd(&FZRec->Z);
}

int32_t TCompressionStream::Read(void*, int32_t) {
    RaiseInvalidCompressionOperation();
}

int32_t TCompressionStream::Write(const void* buffer, int32_t count) {
    if (count <= 0) {
        return 0;
    }
    if (FFinished) {
        RaiseInvalidCompressionOperation();
    }
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    FUncompressedSize += count;
    if (FSmallWriteCount + count > SmallWriteBufferSize) {
        FlushSmallWrites();
    }
    if (count > SmallWriteBufferSize) {
        Deflate(bytes, count, Z_NO_FLUSH);
    } else {
        std::memcpy(FSmallWrites.data() + FSmallWriteCount, bytes, static_cast<size_t>(count));
        FSmallWriteCount += count;
    }
    return count;
}

int64_t TCompressionStream::Seek(int64_t offset, rtl::TSeekOrigin origin) {
    if (offset != 0 || origin != rtl::soCurrent) {
        RaiseInvalidCompressionOperation();
    }
    return FUncompressedSize;
}

void TCompressionStream::Finish() {
    if (FFinished) {
        return;
    }
    // Marked first: a failure below must not make the destructor run the same steps again.
    FFinished = true;
    FlushSmallWrites();
    Deflate(nullptr, 0, Z_FINISH);
    WriteOutput(BlockSize - static_cast<int32_t>(FZRec->Z.avail_out));
}

void TCompressionStream::FlushSmallWrites() {
    if (FSmallWriteCount > 0) {
        Deflate(FSmallWrites.data(), FSmallWriteCount, Z_NO_FLUSH);
        FSmallWriteCount = 0;
    }
}

uint32_t TCompressionStream::CRC32() const {
    return static_cast<uint32_t>(crc32(FCrc, FSmallWrites.data(), static_cast<uInt>(FSmallWriteCount)));
}

void TCompressionStream::Deflate(const uint8_t* data, int32_t count, int flush) {
    // Summed here rather than in Write, so that short writes reach crc32 in batches. (crc32 of no buffer at all
    // answers its initial value, so the finishing pass must not call it.)
    if (count > 0) {
        FCrc = static_cast<uint32_t>(crc32(FCrc, data, static_cast<uInt>(count)));
    }
    z_stream& z = FZRec->Z;
    z.next_in = const_cast<Bytef*>(data);
    z.avail_in = static_cast<uInt>(count);
    for (;;) {
        // The output block always has room here, so every call makes progress.
        const int result = deflate(&z, flush);
        if (result < 0) {
            throw ECompressionError(ZlibMessages::ZlibDecompressError);
        }
        if (z.avail_out == 0) {
            WriteOutput(BlockSize);
        }
        const bool done = flush == Z_FINISH ? result == Z_STREAM_END : z.avail_in == 0;
        if (done) {
            return;
        }
    }
}

void TCompressionStream::WriteOutput(int32_t count) {
    RestoreStreamPosition();
    FStream.WriteBuffer(FBuffer.data(), count);
    FStreamPosition += count;
    FZRec->Z.next_out = FBuffer.data();
    FZRec->Z.avail_out = BlockSize;
    if (count == BlockSize) {
        Progress();
    }
}

// TDecompressionStream

TDecompressionStream::TDecompressionStream(rtl::TStream& source) : TCustomZlibStream(source) {
    if (inflateInit2(&FZRec->Z, RawWindowBits) != Z_OK) {
        RaiseDecompressError();
    }
}

TDecompressionStream::TDecompressionStream(rtl::TStream& source, uint32_t inputLimit) : TDecompressionStream(source) {
    FInputLimit = inputLimit;
    FLimited = true;
}

TDecompressionStream::~TDecompressionStream() {
    try {
        FStream.Seek(FStreamPosition - FZRec->Z.avail_in, rtl::soBeginning);
    } catch (...) { // NOLINT(bugprone-empty-catch): leaving the input stream elsewhere harms no one here
    }
    inflateEnd(&FZRec->Z);
}

int32_t TDecompressionStream::Read(void* buffer, int32_t count) {
    if (count <= 0 || FStreamEnded) {
        return 0;
    }
    z_stream& z = FZRec->Z;
    z.next_out = static_cast<Bytef*>(buffer);
    z.avail_out = static_cast<uInt>(count);
    // Every pass has input and output room, so zlib consumes or produces something, ends, or fails: no pass spins.
    while (z.avail_out > 0) {
        if (z.avail_in == 0 && !FillInput()) {
            break;
        }
        const int result = inflate(&z, Z_NO_FLUSH);
        if (result == Z_STREAM_END) {
            FStreamEnded = true;
            break;
        }
        if (result != Z_OK) {
            RaiseDecompressError();
        }
    }
    const int32_t produced = count - static_cast<int32_t>(z.avail_out);
    FPosition += produced;
    return produced;
}

bool TDecompressionStream::FillInput() {
    uint32_t wanted = BlockSize;
    if (FLimited) {
        wanted = std::min(wanted, FInputLimit);
    }
    if (wanted == 0) {
        return false;
    }
    RestoreStreamPosition();
    const int32_t got = FStream.Read(FBuffer.data(), static_cast<int32_t>(wanted));
    if (got <= 0) {
        return false;
    }
    FStreamPosition += got;
    if (FLimited) {
        FInputLimit -= static_cast<uint32_t>(got);
    }
    FZRec->Z.next_in = FBuffer.data();
    FZRec->Z.avail_in = static_cast<uInt>(got);
    Progress();
    return true;
}

int32_t TDecompressionStream::Write(const void*, int32_t) {
    RaiseInvalidDecompressionOperation();
}

int64_t TDecompressionStream::Seek(int64_t offset, rtl::TSeekOrigin origin) {
    int64_t target = offset;
    if (origin == rtl::soCurrent) {
        if (__builtin_add_overflow(FPosition, offset, &target)) {
            RaiseInvalidDecompressionOperation();
        }
    } else if (origin != rtl::soBeginning) {
        RaiseInvalidDecompressionOperation();
    }
    if (target < FPosition) {
        RaiseInvalidDecompressionOperation();
    }
    std::array<uint8_t, 4096> discarded;
    while (FPosition < target) {
        const auto piece = static_cast<int32_t>(std::min<int64_t>(target - FPosition, discarded.size()));
        if (Read(discarded.data(), piece) == 0) {
            break;
        }
    }
    return FPosition;
}

// InflateBuffer

std::vector<uint8_t> InflateBuffer(const void* input, uint32_t inputSize, uint32_t outputEstimate) {
    const uint64_t roundedInput = (uint64_t{inputSize} + 255) / 256 * 256;
    // The output can never be larger than deflate's ratio allows, so a hostile estimate allocates no more than that;
    // the 32-bit sizes of the callers bound it too.
    const uint64_t limit = std::min<uint64_t>(uint64_t{inputSize} * MaxDeflateRatio, UINT32_MAX);
    std::vector<uint8_t> output;
    ResizeOutput(output, std::min<uint64_t>(outputEstimate != 0 ? outputEstimate : roundedInput, limit));

    z_stream z{};
    if (inflateInit(&z) != Z_OK) {
        RaiseDecompressError();
    }
    TInflateGuard guard(z);
    z.next_in = static_cast<Bytef*>(const_cast<void*>(input));
    z.avail_in = inputSize;
    uint64_t produced = 0;
    for (;;) {
        if (produced == output.size()) {
            if (output.size() >= limit) {
                RaiseDecompressError();
            }
            // Growing geometrically keeps a large output from being copied over and over.
            ResizeOutput(output, std::min(limit, std::max<uint64_t>(output.size() + roundedInput, output.size() * 2)));
        }
        z.next_out = output.data() + produced;
        z.avail_out = static_cast<uInt>(output.size() - produced);
        const int result = inflate(&z, Z_NO_FLUSH);
        produced = output.size() - z.avail_out;
        if (result == Z_STREAM_END) {
            output.resize(static_cast<size_t>(produced));
            return output;
        }
        // Input that ends before the data does gives Z_BUF_ERROR on the next pass.
        if (result != Z_OK) {
            RaiseDecompressError();
        }
    }
}

} // namespace xls
