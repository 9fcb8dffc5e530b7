#include "rtl/io/Streams.h"

#include "rtl/core/Exceptions.h"
#include "rtl/io/FileStream.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <new>
#include <stdexcept>
#include <vector>

namespace rtl {

namespace {

constexpr char16_t SeekErrorText[] = u"Stream seek error";
constexpr char16_t SizeErrorText[] = u"Invalid stream size";

// No target addresses more than 47 bits; checking sizes against that before allocating keeps a size read from a
// hostile file from ever reaching the allocator.
constexpr int64_t MaxBlockSize = std::min<int64_t>(std::numeric_limits<ptrdiff_t>::max(), int64_t(1) << 47);
// Small blocks start at this capacity, so that a run of tiny writes does not reallocate at every step.
constexpr int64_t MinCapacity = 256;
// The largest piece of one transfer when a whole block moves through the 32-bit counts of Read and Write.
constexpr int64_t MaxTransferChunk = int64_t(1) << 30;
// CopyFrom moves data through a buffer of at most this size.
constexpr int64_t CopyBufferSize = 64 * 1024;

void CheckBlockSize(int64_t size) {
    if (size > MaxBlockSize) {
        throw EOutOfMemory(RtlMessages::OutOfMemory);
    }
}

// Calls transfer(offset, count) for consecutive pieces of size bytes, each small enough for one Read or Write.
void ForEachTransferChunk(int64_t size, const std::function<void(int64_t, int32_t)>& transfer) {
    for (int64_t offset = 0; offset < size;) {
        const auto count = static_cast<int32_t>(std::min(size - offset, MaxTransferChunk));
        transfer(offset, count);
        offset += count;
    }
}

void WriteWhole(TStream& stream, const void* data, int64_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    ForEachTransferChunk(size, [&](int64_t offset, int32_t count) { stream.WriteBuffer(bytes + offset, count); });
}

void ReadWhole(TStream& stream, void* data, int64_t size) {
    auto* bytes = static_cast<uint8_t*>(data);
    ForEachTransferChunk(size, [&](int64_t offset, int32_t count) { stream.ReadBuffer(bytes + offset, count); });
}

// The offset of pointer inside [block, block + size), or -1 when it points elsewhere.
int64_t OffsetInside(const void* pointer, const void* block, int64_t size) {
    const auto address = reinterpret_cast<uintptr_t>(pointer);
    const auto start = reinterpret_cast<uintptr_t>(block);
    if (block == nullptr || address < start || address - start >= static_cast<uint64_t>(size)) {
        return -1;
    }
    return static_cast<int64_t>(address - start);
}

} // namespace

// TStream

int64_t TStream::Size() {
    const int64_t position = Seek(0, soCurrent);
    const int64_t size = Seek(0, soEnd);
    Seek(position, soBeginning);
    return size;
}

void TStream::SetSize(int64_t size) {
    CheckSize(size);
}

void TStream::ReadBuffer(void* buffer, int32_t count) {
    if (count != 0 && Read(buffer, count) != count) {
        throw EReadError(RtlMessages::StreamReadError);
    }
}

void TStream::WriteBuffer(const void* buffer, int32_t count) {
    if (count != 0 && Write(buffer, count) != count) {
        throw EWriteError(RtlMessages::StreamWriteError);
    }
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
    if (count < 0) {
        throw EReadError(RtlMessages::StreamReadError);
    }
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::vector<uint8_t> buffer(static_cast<size_t>(std::min(count, CopyBufferSize)));
    for (int64_t remaining = count; remaining > 0;) {
        const auto chunk = static_cast<int32_t>(std::min(remaining, CopyBufferSize));
        source.ReadBuffer(buffer.data(), chunk);
        WriteBuffer(buffer.data(), chunk);
        remaining -= chunk;
    }
    return count;
}

int64_t TStream::SeekTarget(int64_t offset, TSeekOrigin origin, int64_t position) {
    int64_t base = 0;
    switch (origin) {
    case soBeginning:
        break;
    case soCurrent:
        base = position;
        break;
    case soEnd:
        base = Size();
        break;
    default:
        throw EStreamError(SeekErrorText);
    }
    int64_t target = 0;
    if (__builtin_add_overflow(base, offset, &target) || target < 0) {
        throw EStreamError(SeekErrorText);
    }
    return target;
}

void TStream::CheckSize(int64_t size) {
    if (size < 0) {
        throw EStreamError(SizeErrorText);
    }
}

// TCustomMemoryStream

TCustomMemoryStream::TCustomMemoryStream(void* memory, int64_t size) {
    SetPointer(memory, size);
}

void TCustomMemoryStream::SetPointer(void* memory, int64_t size) {
    FMemory = memory;
    FSize = size;
}

int32_t TCustomMemoryStream::Read(void* buffer, int32_t count) {
    if (count <= 0 || FPosition >= FSize) {
        return 0;
    }
    const auto transferred = static_cast<int32_t>(std::min<int64_t>(count, FSize - FPosition));
    std::memcpy(buffer, static_cast<const uint8_t*>(FMemory) + FPosition, static_cast<size_t>(transferred));
    FPosition += transferred;
    return transferred;
}

int32_t TCustomMemoryStream::Write(const void* buffer, int32_t count) {
    if (count <= 0) {
        return 0;
    }
    if (count > FSize - FPosition) {
        // Growing may move the block; a buffer taken from the block itself must follow it.
        const int64_t sourceOffset = OffsetInside(buffer, FMemory, FSize);
        const int64_t end = FPosition > std::numeric_limits<int64_t>::max() - count
                                ? std::numeric_limits<int64_t>::max()
                                : FPosition + count;
        SetSize(end);
        if (sourceOffset >= 0) {
            buffer = static_cast<const uint8_t*>(FMemory) + sourceOffset;
        }
    }
    if (FPosition >= FSize) {
        return 0;
    }
    const auto transferred = static_cast<int32_t>(std::min<int64_t>(count, FSize - FPosition));
    std::memmove(static_cast<uint8_t*>(FMemory) + FPosition, buffer, static_cast<size_t>(transferred));
    FPosition += transferred;
    return transferred;
}

int64_t TCustomMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
    FPosition = SeekTarget(offset, origin, FPosition);
    return FPosition;
}

void TCustomMemoryStream::SaveToStream(TStream& stream) {
    WriteWhole(stream, FMemory, FSize);
}

void TCustomMemoryStream::SaveToFile(const UnicodeString& fileName) {
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

// TMemoryStream

void TMemoryStream::Clear() {
    SetPointer(nullptr, 0);
    FBlock.reset();
    FCapacity = 0;
    SetPosition(0);
}

void TMemoryStream::SetSize(int64_t size) {
    CheckSize(size);
    CheckBlockSize(size);
    const int64_t oldSize = Size();
    if (size > FCapacity) {
        SetCapacity(std::clamp(FCapacity + FCapacity / 2, std::max(size, MinCapacity), MaxBlockSize));
    }
    if (size > oldSize) {
        std::memset(static_cast<uint8_t*>(FBlock.get()) + oldSize, 0, static_cast<size_t>(size - oldSize));
    }
    SetPointer(FBlock.get(), size);
}

void TMemoryStream::SetCapacity(int64_t capacity) {
    void* block = std::realloc(FBlock.get(), static_cast<size_t>(capacity));
    if (block == nullptr) {
        throw EOutOfMemory(RtlMessages::OutOfMemory);
    }
    static_cast<void>(FBlock.release());
    FBlock.reset(block);
    FCapacity = capacity;
    SetPointer(block, Size());
}

void TMemoryStream::LoadFromStream(TStream& stream) {
    stream.SetPosition(0);
    const int64_t size = stream.Size();
    SetSize(size);
    ReadWhole(stream, Memory(), size);
    SetPosition(0);
}

void TMemoryStream::LoadFromFile(const UnicodeString& fileName) {
    // Another program (a spreadsheet open in Excel) may hold the file open for writing; reading it must still work.
    TFileStream file(fileName, fmOpenRead | fmShareDenyNone);
    LoadFromStream(file);
}

// TStringStream

TStringStream::TStringStream(AnsiString dataString) : FDataString(std::move(dataString)) {
    SetPointer(FDataString.data(), static_cast<int64_t>(FDataString.size()));
}

void TStringStream::SetSize(int64_t size) {
    CheckSize(size);
    CheckBlockSize(size);
    try {
        FDataString.resize(static_cast<size_t>(size));
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory(RtlMessages::OutOfMemory);
    } catch (const std::length_error&) {
        throw EOutOfMemory(RtlMessages::OutOfMemory);
    }
    SetPointer(FDataString.data(), size);
}

AnsiString TStringStream::ReadString(int32_t count) {
    const int64_t available = std::max<int64_t>(Size() - Position(), 0);
    AnsiString text(static_cast<size_t>(std::clamp<int64_t>(count, 0, available)), '\0');
    Read(text.data(), static_cast<int32_t>(text.size()));
    return text;
}

void TStringStream::WriteString(std::string_view text) {
    WriteWhole(*this, text.data(), static_cast<int64_t>(text.size()));
}

} // namespace rtl
