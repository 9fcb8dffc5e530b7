#pragma once
// TFileStream: a stream over a file of the file system, opened or created by name with an access and a sharing mode.
// On Windows the sharing mode decides what other handles (ours or another program's) may do with the file while the
// stream holds it open. POSIX has no mandatory sharing, so there the sharing flags are accepted and have no effect.

#include "rtl/io/Streams.h"

#include <cstdint>

namespace rtl {

// A mode is one access value (or fmCreate) combined with one sharing value: fmOpenRead | fmShareDenyNone.
// fmCreate creates the file, or empties an existing one, and opens it for reading and writing.
inline constexpr uint16_t fmCreate = 0xFF00;
inline constexpr uint16_t fmOpenRead = 0x0000;
inline constexpr uint16_t fmOpenWrite = 0x0001;
inline constexpr uint16_t fmOpenReadWrite = 0x0002;
// Without a sharing value the file is opened exclusively.
inline constexpr uint16_t fmShareExclusive = 0x0010;
inline constexpr uint16_t fmShareDenyWrite = 0x0020;
inline constexpr uint16_t fmShareDenyNone = 0x0040;

// A stream over an open file; the destructor closes it.
class TFileStream : public TStream {
public:
    // Raises EFOpenError ("Cannot open file ...") when the file cannot be opened and EFCreateError when it cannot be
    // created; the message names the file and gives the system's reason.
    TFileStream(UnicodeString fileName, uint16_t mode);
    ~TFileStream() override;

    // A failing transfer transfers nothing, as at the end of the file.
    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override;
    // Cuts or extends the file (new bytes are zeros); the position does not move. Failure raises EWriteError.
    void SetSize(int64_t size) override;

    const UnicodeString& FileName() const { return FFileName; }

private:
    UnicodeString FFileName;
    intptr_t FHandle;
    // The stream keeps its own position and every transfer names its offset, so asking the position costs no call
    // into the system.
    int64_t FPosition = 0;
};

namespace detail {

enum class TFileAccess : uint8_t { Read, Write, ReadWrite };
enum class TFileSharing : uint8_t { Exclusive, DenyWrite, DenyNone };

inline constexpr intptr_t InvalidFileHandle = -1;

// Opens the file (or creates it, emptying an existing one); on failure returns InvalidFileHandle and sets errorText to
// the system's reason.
intptr_t PlatformFileOpen(const UnicodeString& fileName, TFileAccess access, TFileSharing sharing, bool create,
                          UnicodeString& errorText);
void PlatformFileClose(intptr_t handle);
// Transfers at an absolute offset; return the bytes transferred, 0 on failure.
int32_t PlatformFileRead(intptr_t handle, int64_t offset, void* buffer, int32_t count);
int32_t PlatformFileWrite(intptr_t handle, int64_t offset, const void* buffer, int32_t count);
// -1 on failure.
int64_t PlatformFileSize(intptr_t handle);
bool PlatformFileSetSize(intptr_t handle, int64_t size);

} // namespace detail

} // namespace rtl
