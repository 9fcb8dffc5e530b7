#pragma once
// The fuzzers' view of their input: the bytes as a read-only stream, without a copy.

#include "rtl/io/Streams.h"

#include <cstddef>
#include <cstdint>

namespace fuzz {

class TInputStream : public rtl::TCustomMemoryStream {
public:
    TInputStream(const uint8_t* data, size_t size) {
        SetPointer(const_cast<uint8_t*>(data), static_cast<int64_t>(size));
    }
    int32_t Write(const void*, int32_t) override { return 0; }
};

} // namespace fuzz
