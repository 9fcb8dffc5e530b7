#pragma once
// A stream of a compound document read from the document's source as it is walked: a window of its sectors at a time
// comes into a small buffer, so a workbook stream of any size costs the buffer rather than its own size in memory,
// and no byte is copied before the reader asks for it.

#include "rtl/io/Streams.h"
#include "xls/biff/stream/BIFF_CompoundFile.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace xls {

// A read-only stream over the extents of one compound-document stream in a source it owns.
class TCompoundStream : public rtl::TStream {
public:
    // extents: where the stream's size bytes lie in source, in stream order (TCompoundFile::StreamExtents). Bytes
    // past the end of the source read as zeros, as the whole-stream read gives them.
    TCompoundStream(std::unique_ptr<rtl::TStream> source, std::vector<TCompoundExtent> extents, uint32_t size);

    int32_t Read(void* buffer, int32_t count) override;
    // The stream is read-only: nothing is written.
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, rtl::TSeekOrigin origin) override;
    int64_t Size() override { return FSize; }

private:
    // Loads the window that holds the position, which lies inside the stream.
    void Fill();

    std::unique_ptr<rtl::TStream> FSource; // owned
    std::vector<TCompoundExtent> FExtents;
    int64_t FSize;
    int64_t FPosition = 0;
    std::vector<uint8_t> FWindow;
    // The stream offsets of the window's first byte and of the byte behind its last.
    int64_t FWindowStart = 0;
    int64_t FWindowEnd = 0;
};

} // namespace xls
