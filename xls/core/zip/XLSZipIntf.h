#pragma once
// The archive interface through which the package layer reads and writes zip packages, and its implementation on
// TXLSZipArchive. Paths come whole ("xl/workbook.xml") or as a directory and a name; either way they are joined with
// one "/" between the two.

#include "rtl/io/Streams.h"
#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <memory>

namespace xls {

class TXLSZipArchive;

// What the package layer needs of a zip archive.
class TXLSZipArchiveIntf {
public:
    TXLSZipArchiveIntf() = default;
    TXLSZipArchiveIntf(const TXLSZipArchiveIntf&) = delete;
    TXLSZipArchiveIntf& operator=(const TXLSZipArchiveIntf&) = delete;
    virtual ~TXLSZipArchiveIntf() = default;

    virtual int32_t GetCount() = 0;
    // The stream stays the caller's and must outlive the archive's use of it.
    virtual void OpenRead(rtl::TStream& stream) = 0;
    // The entry's index, or -1; names match ignoring ASCII case.
    virtual int32_t Find(rtl::UnicodeStringView name) = 0;
    // A read stream for the entry; raises "Can not find file %s in ZIP" for an unknown name.
    virtual std::unique_ptr<rtl::TStream> OpenFile(rtl::UnicodeStringView name) = 0;
    // A write stream for a new entry, owned by the archive; CloseFile finishes the entry.
    virtual rtl::TStream& CreateFile(rtl::UnicodeStringView path) = 0;
    virtual rtl::TStream& CreateFileIn(rtl::UnicodeStringView directory, rtl::UnicodeStringView name) = 0;
    virtual void CloseFile(rtl::TStream& stream) = 0;
    // Stores the whole of stream (from its start) as a new entry.
    virtual void AddFile(rtl::UnicodeStringView path, rtl::TStream& stream) = 0;
    virtual void AddFileIn(rtl::UnicodeStringView directory, rtl::UnicodeStringView name, rtl::TStream& stream) = 0;
    virtual void OpenWrite(rtl::TStream& stream) = 0;
    virtual void Close() = 0;
};

// The archive interface on this library's own zip archive.
class TXLSZipArchiveIntfXLS : public TXLSZipArchiveIntf {
public:
    TXLSZipArchiveIntfXLS();
    ~TXLSZipArchiveIntfXLS() override;

    int32_t GetCount() override;
    void OpenRead(rtl::TStream& stream) override;
    int32_t Find(rtl::UnicodeStringView name) override;
    std::unique_ptr<rtl::TStream> OpenFile(rtl::UnicodeStringView name) override;
    rtl::TStream& CreateFile(rtl::UnicodeStringView path) override;
    rtl::TStream& CreateFileIn(rtl::UnicodeStringView directory, rtl::UnicodeStringView name) override;
    void CloseFile(rtl::TStream& stream) override;
    void AddFile(rtl::UnicodeStringView path, rtl::TStream& stream) override;
    void AddFileIn(rtl::UnicodeStringView directory, rtl::UnicodeStringView name, rtl::TStream& stream) override;
    void OpenWrite(rtl::TStream& stream) override;
    void Close() override;

    TXLSZipArchive& Archive() const { return *FArchive; }

private:
    std::unique_ptr<TXLSZipArchive> FArchive; // owned
};

} // namespace xls
