#include "rtl/io/IniFiles.h"
#include "rtl/text/Format.h"

#include <utility>

namespace rtl {

namespace {

// The file as it is now; a file that cannot be read reads as empty, as the profile functions read it.
TIniDocument CurrentDocument(const UnicodeString& fileName) {
    try {
        return detail::ReadIniDocument(fileName, cpProcessAnsi);
    } catch (const EStreamError&) {
        return TIniDocument(cpProcessAnsi);
    }
}

// Applies change to the file's content and writes the file when change reports a change. A file that exists but
// cannot be read is not overwritten.
template <typename Change>
void ChangeFile(const UnicodeString& fileName, Change change) {
    TIniDocument document(cpProcessAnsi);
    try {
        document = detail::ReadIniDocument(fileName, cpProcessAnsi);
    } catch (const EStreamError&) {
        throw EIniFileException(Format(RtlMessages::IniFileWriteError, {fileName}));
    }
    if (change(document)) {
        detail::WriteIniDocument(fileName, document);
    }
}

// The profile functions drop one pair of matching quotes around a value.
UnicodeString Unquoted(const UnicodeString& value) {
    const bool quoted =
        value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

} // namespace

TIniFile::TIniFile(UnicodeString fileName) : TCustomIniFile(std::move(fileName)) {}

UnicodeString TIniFile::ReadString(UnicodeStringView section, UnicodeStringView ident,
                                   UnicodeStringView defaultValue) const {
    UnicodeString value;
    return CurrentDocument(FileName()).FindValue(section, ident, value) ? Unquoted(value) : UnicodeString(defaultValue);
}

void TIniFile::WriteString(UnicodeStringView section, UnicodeStringView ident, UnicodeStringView value) {
    ChangeFile(FileName(), [&](TIniDocument& document) {
        document.SetValue(section, ident, value);
        return true;
    });
}

void TIniFile::ReadSection(UnicodeStringView section, TStringList& strings) const {
    detail::AssignIniNames(strings, CurrentDocument(FileName()).KeyNames(section));
}

void TIniFile::ReadSections(TStringList& strings) const {
    detail::AssignIniNames(strings, CurrentDocument(FileName()).SectionNames());
}

void TIniFile::EraseSection(UnicodeStringView section) {
    ChangeFile(FileName(), [&](TIniDocument& document) { return document.EraseSection(section); });
}

void TIniFile::DeleteKey(UnicodeStringView section, UnicodeStringView ident) {
    ChangeFile(FileName(), [&](TIniDocument& document) { return document.DeleteKey(section, ident); });
}

void TIniFile::UpdateFile() {
    // Every write has already reached the file.
}

} // namespace rtl
