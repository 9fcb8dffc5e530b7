#pragma once
// Streams: a byte sequence with a position that can be read, written and sought, whatever holds the bytes. TStream
// fixes the protocol and the fail-on-short-transfer helpers; memory streams hold the bytes in a block (borrowed, owned,
// or the bytes of an AnsiString). Positions and sizes are 64-bit on every target; one transfer moves at most
// 2^31 - 1 bytes, as the counts are 32-bit.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace rtl {

// Where a seek offset counts from.
enum TSeekOrigin : uint8_t { soBeginning, soCurrent, soEnd };

// The abstract stream every reader and writer of the system works through.
class TStream : public TObject {
public:
    // Read and Write transfer up to count bytes at the position, advance it, and return the bytes transferred; a
    // count below 1 transfers nothing.
    virtual int32_t Read(void* buffer, int32_t count) = 0;
    virtual int32_t Write(const void* buffer, int32_t count) = 0;
    // Moves the position and returns it. A position beyond the end is allowed; one before the start raises
    // EStreamError.
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

    int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(int64_t position) { Seek(position, soBeginning); }
    virtual int64_t Size();
    // Streams whose size is not theirs to change ignore it; a negative size raises EStreamError.
    virtual void SetSize(int64_t size);

    // As Read and Write, but a short transfer raises EReadError or EWriteError.
    void ReadBuffer(void* buffer, int32_t count);
    void WriteBuffer(const void* buffer, int32_t count);
    // Copies count bytes from source's position, or with count 0 the whole source from its beginning; returns the
    // bytes copied. A source that ends early raises EReadError.
    int64_t CopyFrom(TStream& source, int64_t count);

protected:
    // The position Seek(offset, origin) moves to from position; raises EStreamError for a position before the start
    // or an unknown origin.
    int64_t SeekTarget(int64_t offset, TSeekOrigin origin, int64_t position);
    // Raises EStreamError for a negative size.
    static void CheckSize(int64_t size);
};

// A stream over a block of memory it does not own: reads and writes stay inside the block, which never grows.
class TCustomMemoryStream : public TStream {
public:
    TCustomMemoryStream() = default;
    // The caller keeps the block alive and unchanged in place for the stream's life.
    TCustomMemoryStream(void* memory, int64_t size);

    int32_t Read(void* buffer, int32_t count) override;
    // Writes inside the block; a stream that can grow extends itself first through SetSize.
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override { return FSize; }

    void* Memory() const { return FMemory; }
    void SaveToStream(TStream& stream);
    void SaveToFile(const UnicodeString& fileName);

protected:
    // Points the stream at another block; the position stays where it was.
    void SetPointer(void* memory, int64_t size);

private:
    void* FMemory = nullptr; // not owned
    int64_t FSize = 0;
    int64_t FPosition = 0;
};

// A memory stream that owns its block and grows it as writes go past the end; a gap left by seeking past the end
// reads as zeros. Memory() stays valid until the next change of size.
class TMemoryStream : public TCustomMemoryStream {
public:
    // Frees the block; size and position become 0.
    void Clear();
    // New bytes are zeros and the position does not move. The block never shrinks (Clear releases it); a size that
    // cannot be allocated raises EOutOfMemory and leaves the stream as it was.
    void SetSize(int64_t size) override;
    // Replaces the content with the whole of stream (read from its beginning); the position becomes 0.
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const UnicodeString& fileName);

private:
    void SetCapacity(int64_t capacity);

    struct TFreeDeleter {
        void operator()(void* block) const { std::free(block); }
    };
    std::unique_ptr<void, TFreeDeleter> FBlock; // owned; Memory() points into it
    int64_t FCapacity = 0;
};

// A memory stream over the bytes of an AnsiString, which grows with writes like TMemoryStream.
class TStringStream : public TCustomMemoryStream {
public:
    explicit TStringStream(AnsiString dataString = {});

    void SetSize(int64_t size) override;
    const AnsiString& DataString() const { return FDataString; }
    // Up to count bytes from the position (fewer at the end).
    AnsiString ReadString(int32_t count);
    // Writes the bytes of text at the position.
    void WriteString(std::string_view text);

private:
    AnsiString FDataString;
};

} // namespace rtl
