#include "xls/core/zip/XLSZipIntf.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "xls/core/zip/DeflateStreams.h"
#include "xls/core/zip/XLSZip.h"

#include <utility>

namespace xls {

namespace {

// The path as a directory and a name, split at the last "/"; a "/" at the start leaves the directory empty.
std::pair<rtl::UnicodeStringView, rtl::UnicodeStringView> SplitPath(rtl::UnicodeStringView path) {
    const size_t slash = path.rfind(u'/');
    if (slash == rtl::UnicodeStringView::npos || slash == 0) {
        return {rtl::UnicodeStringView(), slash == 0 ? path.substr(1) : path};
    }
    return {path.substr(0, slash), path.substr(slash + 1)};
}

rtl::UnicodeString JoinPath(rtl::UnicodeStringView directory, rtl::UnicodeStringView name) {
    if (directory.ends_with(u'/')) {
        directory.remove_suffix(1);
    }
    if (name.starts_with(u'/')) {
        name.remove_prefix(1);
    }
    if (directory.empty()) {
        return rtl::UnicodeString(name);
    }
    rtl::UnicodeString path(directory);
    path += u'/';
    path += name;
    return path;
}

} // namespace

TXLSZipArchiveIntfXLS::TXLSZipArchiveIntfXLS() : FArchive(std::make_unique<TXLSZipArchive>()) {}

TXLSZipArchiveIntfXLS::~TXLSZipArchiveIntfXLS() = default;

int32_t TXLSZipArchiveIntfXLS::GetCount() {
    return FArchive->Count();
}

void TXLSZipArchiveIntfXLS::OpenRead(rtl::TStream& stream) {
    FArchive->OpenRead(stream);
}

int32_t TXLSZipArchiveIntfXLS::Find(rtl::UnicodeStringView name) {
    return FArchive->Find(name);
}

std::unique_ptr<rtl::TStream> TXLSZipArchiveIntfXLS::OpenFile(rtl::UnicodeStringView name) {
    const int32_t index = FArchive->Find(name);
    if (index < 0) {
        throw rtl::Exception(rtl::Format(ZipMessages::FileNotFound, {name}));
    }
    return std::make_unique<TXLSOwnerStream>(FArchive->GetFile(index), rtl::UnicodeString(name));
}

rtl::TStream& TXLSZipArchiveIntfXLS::CreateFile(rtl::UnicodeStringView path) {
    const auto [directory, name] = SplitPath(path);
    return CreateFileIn(directory, name);
}

rtl::TStream& TXLSZipArchiveIntfXLS::CreateFileIn(rtl::UnicodeStringView directory, rtl::UnicodeStringView name) {
    return FArchive->BeginFile(JoinPath(directory, name));
}

void TXLSZipArchiveIntfXLS::CloseFile(rtl::TStream& stream) {
    FArchive->EndFile(stream);
}

void TXLSZipArchiveIntfXLS::AddFile(rtl::UnicodeStringView path, rtl::TStream& stream) {
    const auto [directory, name] = SplitPath(path);
    AddFileIn(directory, name, stream);
}

void TXLSZipArchiveIntfXLS::AddFileIn(rtl::UnicodeStringView directory, rtl::UnicodeStringView name,
                                      rtl::TStream& stream) {
    stream.SetPosition(0);
    FArchive->AddFile(JoinPath(directory, name), stream);
}

void TXLSZipArchiveIntfXLS::OpenWrite(rtl::TStream& stream) {
    FArchive->OpenWrite(stream);
}

void TXLSZipArchiveIntfXLS::Close() {
    FArchive->Close();
}

} // namespace xls
