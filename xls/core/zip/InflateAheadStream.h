#pragma once
// Inflating one block ahead of the reader: a large zip entry's compressed bytes are taken into memory and inflated on
// a worker thread while the caller parses what came before, so that a sheet part costs the reading thread the parse
// alone. The worker touches nothing but its own copy of the compressed bytes; the caller sees an ordinary stream that
// ends with the deflate data and raises the inflater's error when the data is corrupt.

#include "rtl/io/Streams.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace xls {

class TDecompressionStream;

class TInflateAheadStream : public rtl::TStream {
public:
    // Bytes inflated per block, and how many blocks may wait for the reader.
    static constexpr size_t BlockSize = 256 * 1024;
    static constexpr size_t MaxWaitingBlocks = 4;

    // compressed holds raw deflate data; inflating starts at once.
    explicit TInflateAheadStream(std::vector<uint8_t> compressed);
    // Stops the worker, also when the data was not read to its end.
    ~TInflateAheadStream() override;
    TInflateAheadStream(const TInflateAheadStream&) = delete;
    TInflateAheadStream& operator=(const TInflateAheadStream&) = delete;

    // Fewer bytes than asked only at the end of the data; corrupt data raises the inflater's EDecompressionError.
    int32_t Read(void* buffer, int32_t count) override;
    // Raises: the stream is read-only.
    int32_t Write(const void* buffer, int32_t count) override;
    // Tells the position (bytes read so far); moving raises, as for the inflating stream.
    int64_t Seek(int64_t offset, rtl::TSeekOrigin origin) override;
    // True once the reader has had every byte and the deflate data ended properly.
    bool StreamEnded();

private:
    void Inflate();
    // Waits for the next block; false at the end of the data (raises the worker's error, if any).
    bool NextBlock();

    std::vector<uint8_t> FCompressed;
    std::unique_ptr<rtl::TStream> FSource;           // a view of FCompressed, used by the worker only
    std::unique_ptr<TDecompressionStream> FInflater; // used by the worker only

    std::mutex FMutex;
    std::condition_variable FChanged;
    std::deque<std::vector<uint8_t>> FWaiting; // guarded by FMutex
    bool FFinished = false;                    // guarded: the worker has delivered its last block
    bool FStopping = false;                    // guarded: the reader goes away
    bool FEnded = false;                       // guarded: the deflate data ended properly
    std::exception_ptr FError;                 // guarded

    std::vector<uint8_t> FBlock; // the reader's current block
    size_t FBlockUsed = 0;
    int64_t FPosition = 0;
    std::thread FWorker;
};

} // namespace xls
