#include "rtl/io/FileStream.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"

#include <optional>

namespace rtl {

namespace {

struct TOpenRequest {
    detail::TFileAccess Access;
    detail::TFileSharing Sharing;
    bool Create;
};

std::optional<detail::TFileSharing> SharingOf(uint16_t mode) {
    switch (mode & 0x00F0) {
    case 0:
    case fmShareExclusive:
        return detail::TFileSharing::Exclusive;
    case fmShareDenyWrite:
        return detail::TFileSharing::DenyWrite;
    case fmShareDenyNone:
        return detail::TFileSharing::DenyNone;
    default:
        return std::nullopt;
    }
}

std::optional<detail::TFileAccess> AccessOf(uint16_t mode) {
    switch (mode & 0xFF0F) {
    case fmCreate:
    case fmOpenReadWrite:
        return detail::TFileAccess::ReadWrite;
    case fmOpenRead:
        return detail::TFileAccess::Read;
    case fmOpenWrite:
        return detail::TFileAccess::Write;
    default:
        return std::nullopt;
    }
}

[[noreturn]] void RaiseOpenFailure(bool create, const UnicodeString& fileName, UnicodeStringView reason) {
    if (create) {
        throw EFCreateError(Format(RtlMessages::FileCreateError, {fileName, reason}));
    }
    throw EFOpenError(Format(RtlMessages::FileOpenError, {fileName, reason}));
}

TOpenRequest DecodeMode(const UnicodeString& fileName, uint16_t mode) {
    const bool create = (mode & fmCreate) == fmCreate;
    const auto access = AccessOf(mode);
    const auto sharing = SharingOf(mode);
    if (!access || !sharing) {
        RaiseOpenFailure(create, fileName, U16("Invalid file mode."));
    }
    return {*access, *sharing, create};
}

} // namespace

TFileStream::TFileStream(UnicodeString fileName, uint16_t mode) : FFileName(std::move(fileName)) {
    const TOpenRequest request = DecodeMode(FFileName, mode);
    UnicodeString errorText;
    FHandle = detail::PlatformFileOpen(FFileName, request.Access, request.Sharing, request.Create, errorText);
    if (FHandle == detail::InvalidFileHandle) {
        RaiseOpenFailure(request.Create, FFileName, errorText);
    }
}

TFileStream::~TFileStream() {
    detail::PlatformFileClose(FHandle);
}

int32_t TFileStream::Read(void* buffer, int32_t count) {
    if (count <= 0) {
        return 0;
    }
    const int32_t transferred = detail::PlatformFileRead(FHandle, FPosition, buffer, count);
    FPosition += transferred;
    return transferred;
}

int32_t TFileStream::Write(const void* buffer, int32_t count) {
    if (count <= 0) {
        return 0;
    }
    const int32_t transferred = detail::PlatformFileWrite(FHandle, FPosition, buffer, count);
    FPosition += transferred;
    return transferred;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
    FPosition = SeekTarget(offset, origin, FPosition);
    return FPosition;
}

int64_t TFileStream::Size() {
    const int64_t size = detail::PlatformFileSize(FHandle);
    if (size < 0) {
        throw EReadError(RtlMessages::StreamReadError);
    }
    return size;
}

void TFileStream::SetSize(int64_t size) {
    CheckSize(size);
    if (!detail::PlatformFileSetSize(FHandle, size)) {
        throw EWriteError(RtlMessages::StreamWriteError);
    }
}

} // namespace rtl
