#pragma once
// Deflate streams over zlib. A compression stream deflates what is written to it into another stream; a
// decompression stream inflates raw deflate data read from another stream, optionally bounded to a number of
// compressed bytes (one zip entry's data). Both work in 65536-byte blocks, leave the other stream open, and put its
// position back where they left it before each transfer, so several of them can share one stream. InflateBuffer
// inflates a whole zlib-format block in memory. zlib's own header stays out of this one.

#include "rtl/core/Events.h"
#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace xls {

// Raised for every zlib failure and every stream operation these streams do not support.
class EZlibError : public rtl::Exception {
public:
    using rtl::Exception::Exception;
};
class ECompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
public:
    using EZlibError::EZlibError;
};

namespace ZlibMessages {
inline constexpr char16_t InvalidStreamOperation[] = u"Invalid stream operation";
inline constexpr char16_t ZlibDecompressError[] = u"ZLib decompress error";
} // namespace ZlibMessages

// How hard the compression stream works: zlib levels 0, 1, the default, and 9.
enum TCompressionLevel : uint8_t { clNone, clFastest, clDefault, clMax };

// The zlib stream record; defined where zlib is included.
struct TZlibStreamRecord;

// What the compression and decompression streams share: the other stream and where they left it, the zlib record,
// the 65536-byte transfer block and the progress event.
class TCustomZlibStream : public rtl::TStream {
public:
    static constexpr int32_t BlockSize = 65536;

    ~TCustomZlibStream() override;

    // Called after each full block has passed to or from the other stream.
    rtl::TNotifyEvent OnProgress;

protected:
    explicit TCustomZlibStream(rtl::TStream& stream);

    void Progress();
    // Puts the other stream back where this stream last left it.
    void RestoreStreamPosition();

    rtl::TStream& FStream; // not owned
    int64_t FStreamPosition;
    std::unique_ptr<TZlibStreamRecord> FZRec; // owned
    std::vector<uint8_t> FBuffer;
};

// Deflates everything written to it into the output stream. Writes shorter than the small-write buffer are gathered
// first, so that many tiny writes (an XML writer's) do not each reach zlib. Finish completes the deflate data; the
// destructor finishes a stream that was not finished, but cannot report a failure, so writers call Finish.
class TCompressionStream : public TCustomZlibStream {
public:
    static constexpr int32_t SmallWriteBufferSize = 8191;

    // raw: deflate data without zlib's header and checksum (window bits -15, memory level 8), as zip entries hold it.
    TCompressionStream(TCompressionLevel level, rtl::TStream& dest, bool raw);
    ~TCompressionStream() override;

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    // Only Seek(0, soCurrent) is allowed: it answers the number of uncompressed bytes written.
    int64_t Seek(int64_t offset, rtl::TSeekOrigin origin) override;

    // Flushes the small-write buffer, ends the deflate data and writes the last block; writing afterwards fails.
    void Finish();
    // CRC-32 of the uncompressed bytes written so far.
    uint32_t CRC32() const;
    int64_t UncompressedSize() const { return FUncompressedSize; }

private:
    void FlushSmallWrites();
    // Runs deflate over the bytes with the given flush mode until it has taken them all (or, finishing, until the end
    // of the deflate data), writing every full output block.
    void Deflate(const uint8_t* data, int32_t count, int flush);
    void WriteOutput(int32_t count);

    uint32_t FCrc = 0; // of the bytes passed to deflate
    int64_t FUncompressedSize = 0;
    std::vector<uint8_t> FSmallWrites;
    int32_t FSmallWriteCount = 0;
    bool FFinished = false;
};

// Inflates raw deflate data read from the input stream's position. Reading stops at the end of the deflate data, at
// the end of the input, or once InputLimit compressed bytes are used, whichever comes first. The destructor moves the
// input stream back over the bytes read ahead but not used, so it is left just after the deflate data.
class TDecompressionStream : public TCustomZlibStream {
public:
    // Reads as much of source as the deflate data needs.
    explicit TDecompressionStream(rtl::TStream& source);
    // Reads at most inputLimit bytes of source.
    TDecompressionStream(rtl::TStream& source, uint32_t inputLimit);
    ~TDecompressionStream() override;

    // Fills the buffer with inflated bytes; fewer only at the end of the data or of the input. Corrupt data raises
    // EDecompressionError.
    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    // Moves forward by inflating and discarding; the position is the count of bytes produced. Backwards fails.
    int64_t Seek(int64_t offset, rtl::TSeekOrigin origin) override;

    // True once the end of the deflate data has been reached.
    bool StreamEnded() const { return FStreamEnded; }

private:
    // Refills the input from the source stream; false when no more input may or can be read.
    bool FillInput();

    uint32_t FInputLimit = 0; // compressed bytes it may still read, when FLimited
    bool FLimited = false;
    bool FStreamEnded = false;
    int64_t FPosition = 0;
};

// Inflates a whole zlib-format block (with its two-byte header) into a new buffer, sized at first by
// outputEstimate (or, when that is 0, by the input size rounded up to a multiple of 256) and grown when the data
// needs more. Corrupt or truncated data raises EDecompressionError.
std::vector<uint8_t> InflateBuffer(const void* input, uint32_t inputSize, uint32_t outputEstimate);

} // namespace xls
