#include "xls/core/zip/InflateAheadStream.h"

#include "rtl/core/Exceptions.h"
#include "xls/core/zip/DeflateStreams.h"

#include <algorithm>
#include <cstring>

namespace xls {

TInflateAheadStream::TInflateAheadStream(std::vector<uint8_t> compressed)
    : FCompressed(std::move(compressed)),
      FSource(std::make_unique<rtl::TCustomMemoryStream>(FCompressed.data(), static_cast<int64_t>(FCompressed.size()))),
      FInflater(std::make_unique<TDecompressionStream>(*FSource)), FWorker([this] { Inflate(); }) {}

TInflateAheadStream::~TInflateAheadStream() {
    {
        const std::lock_guard lock(FMutex);
        FStopping = true;
    }
    FChanged.notify_all();
    FWorker.join();
}

void TInflateAheadStream::Inflate() {
    try {
        for (;;) {
            std::vector<uint8_t> block(BlockSize);
            const int32_t count = FInflater->Read(block.data(), static_cast<int32_t>(block.size()));
            block.resize(static_cast<size_t>(count));
            std::unique_lock lock(FMutex);
            FChanged.wait(lock, [this] { return FStopping || FWaiting.size() < MaxWaitingBlocks; });
            if (FStopping) {
                return;
            }
            if (count == 0) {
                FEnded = FInflater->StreamEnded();
                FFinished = true;
                FChanged.notify_all();
                return;
            }
            FWaiting.push_back(std::move(block));
            FChanged.notify_all();
        }
    } catch (...) {
        const std::lock_guard lock(FMutex);
        FError = std::current_exception();
        FFinished = true;
        FChanged.notify_all();
    }
}

bool TInflateAheadStream::NextBlock() {
    std::unique_lock lock(FMutex);
    FChanged.wait(lock, [this] { return !FWaiting.empty() || FFinished; });
    if (FWaiting.empty()) {
        if (FError) {
            std::rethrow_exception(FError);
        }
        return false;
    }
    FBlock = std::move(FWaiting.front());
    FWaiting.pop_front();
    FBlockUsed = 0;
    FChanged.notify_all();
    return true;
}

int32_t TInflateAheadStream::Read(void* buffer, int32_t count) {
    auto* out = static_cast<uint8_t*>(buffer);
    int32_t done = 0;
    while (done < count) {
        if (FBlockUsed == FBlock.size() && !NextBlock()) {
            break;
        }
        const size_t take = std::min(FBlock.size() - FBlockUsed, static_cast<size_t>(count - done));
        std::memcpy(out + done, FBlock.data() + FBlockUsed, take);
        FBlockUsed += take;
        done += static_cast<int32_t>(take);
    }
    FPosition += done;
    return done;
}

int32_t TInflateAheadStream::Write(const void*, int32_t) {
    throw EDecompressionError(ZlibMessages::InvalidStreamOperation);
}

int64_t TInflateAheadStream::Seek(int64_t offset, rtl::TSeekOrigin origin) {
    if (offset != 0 || origin != rtl::soCurrent) {
        throw EDecompressionError(ZlibMessages::InvalidStreamOperation);
    }
    return FPosition;
}

bool TInflateAheadStream::StreamEnded() {
    const std::lock_guard lock(FMutex);
    return FFinished && FWaiting.empty() && FBlockUsed == FBlock.size() && FEnded;
}

} // namespace xls
