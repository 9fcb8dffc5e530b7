#pragma once
// INI files: settings kept as text in sections of key=value lines. Section and key names compare case-insensitively;
// a key that is missing reads as the default given; a write creates the file and the section when they are missing.
//
// TIniFile works on the file itself, every call on the current content. On Windows it goes through the system's
// profile functions, as every other program reading the same file does; elsewhere through the portable parser of
// TIniDocument, which behaves the same way: values are trimmed, and a value in matching single or double quotes reads
// without them. The default of a read comes back exactly as given. Give either class a full path: Windows looks for a
// bare file name in its own folder.
//
// TMemIniFile reads the whole file once, works on that copy and writes it back only in UpdateFile. Files are ANSI
// text in the code page given (the process ANSI code page by default), or UTF-16LE or UTF-8 with a byte-order mark,
// and keep their encoding when they are written back.

#include "rtl/core/Exceptions.h"
#include "rtl/core/Object.h"
#include "rtl/io/IniDocument.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <vector>

namespace rtl {

class TStringList;

// A write that did not reach the file.
class EIniFileException : public Exception {
public:
    using Exception::Exception;
};

namespace RtlMessages {
inline constexpr char16_t IniFileWriteError[] = u"Unable to write to %s";
} // namespace RtlMessages

// The operations every INI file offers, and the typed reads and writes built on its strings.
class TCustomIniFile : public TObject {
public:
    explicit TCustomIniFile(UnicodeString fileName);

    const UnicodeString& FileName() const { return FFileName; }

    virtual UnicodeString ReadString(UnicodeStringView section, UnicodeStringView ident,
                                     UnicodeStringView defaultValue) const = 0;
    // Raises EIniFileException when the file cannot be written.
    virtual void WriteString(UnicodeStringView section, UnicodeStringView ident, UnicodeStringView value) = 0;
    // Replace the content of strings by the key names of a section, or by the section names, in file order.
    virtual void ReadSection(UnicodeStringView section, TStringList& strings) const = 0;
    virtual void ReadSections(TStringList& strings) const = 0;
    // Removes a section with all its keys; a section that is not there is no error.
    virtual void EraseSection(UnicodeStringView section) = 0;
    virtual void DeleteKey(UnicodeStringView section, UnicodeStringView ident) = 0;
    // Makes sure what was written is in the file.
    virtual void UpdateFile() = 0;

    // A value that is not a whole number (decimal, or hexadecimal after "0x" or "$") reads as the default.
    int32_t ReadInteger(UnicodeStringView section, UnicodeStringView ident, int32_t defaultValue) const;
    void WriteInteger(UnicodeStringView section, UnicodeStringView ident, int32_t value);
    // Stored as "1" and "0"; any whole number other than 0 reads as true.
    bool ReadBool(UnicodeStringView section, UnicodeStringView ident, bool defaultValue) const;
    void WriteBool(UnicodeStringView section, UnicodeStringView ident, bool value);
    bool SectionExists(UnicodeStringView section) const;
    bool ValueExists(UnicodeStringView section, UnicodeStringView ident) const;

private:
    UnicodeString FFileName;
};

// An INI file read into memory and written back by UpdateFile.
class TMemIniFile : public TCustomIniFile {
public:
    // A missing file gives an empty one; a file that exists but cannot be read raises EFOpenError.
    explicit TMemIniFile(UnicodeString fileName, uint32_t ansiCodePage = cpProcessAnsi);

    UnicodeString ReadString(UnicodeStringView section, UnicodeStringView ident,
                             UnicodeStringView defaultValue) const override;
    void WriteString(UnicodeStringView section, UnicodeStringView ident, UnicodeStringView value) override;
    void ReadSection(UnicodeStringView section, TStringList& strings) const override;
    void ReadSections(TStringList& strings) const override;
    void EraseSection(UnicodeStringView section) override;
    void DeleteKey(UnicodeStringView section, UnicodeStringView ident) override;
    // Writes the whole file; raises EIniFileException when it cannot be written.
    void UpdateFile() override;

private:
    TIniDocument FDocument;
};

// An INI file read and written on every call.
class TIniFile : public TCustomIniFile {
public:
    explicit TIniFile(UnicodeString fileName);

    UnicodeString ReadString(UnicodeStringView section, UnicodeStringView ident,
                             UnicodeStringView defaultValue) const override;
    void WriteString(UnicodeStringView section, UnicodeStringView ident, UnicodeStringView value) override;
    void ReadSection(UnicodeStringView section, TStringList& strings) const override;
    void ReadSections(TStringList& strings) const override;
    void EraseSection(UnicodeStringView section) override;
    void DeleteKey(UnicodeStringView section, UnicodeStringView ident) override;
    void UpdateFile() override;
};

namespace detail {
// The file's content, an empty document when there is no file.
TIniDocument ReadIniDocument(const UnicodeString& fileName, uint32_t ansiCodePage);
// Writes the document to the file, raising EIniFileException when it cannot.
void WriteIniDocument(const UnicodeString& fileName, const TIniDocument& document);
// Replaces the content of strings by names.
void AssignIniNames(TStringList& strings, const std::vector<UnicodeString>& names);
} // namespace detail

} // namespace rtl
