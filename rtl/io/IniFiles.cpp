#include "rtl/io/IniFiles.h"

#include "rtl/io/FileStream.h"
#include "rtl/io/FileUtils.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringList.h"

#include <utility>

namespace rtl {

namespace detail {

TIniDocument ReadIniDocument(const UnicodeString& fileName, uint32_t ansiCodePage) {
    if (!FileExists(fileName)) {
        return TIniDocument(ansiCodePage);
    }
    TMemoryStream stream;
    stream.LoadFromFile(fileName);
    return TIniDocument::Parse(
        std::string_view(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size())), ansiCodePage);
}

void WriteIniDocument(const UnicodeString& fileName, const TIniDocument& document) {
    const std::string bytes = document.Encode();
    try {
        TFileStream stream(fileName, fmCreate);
        stream.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    } catch (const EStreamError&) {
        throw EIniFileException(Format(RtlMessages::IniFileWriteError, {fileName}));
    }
}

void AssignIniNames(TStringList& strings, const std::vector<UnicodeString>& names) {
    strings.BeginUpdate();
    strings.Clear();
    for (const UnicodeString& name : names) {
        strings.Add(name);
    }
    strings.EndUpdate();
}

} // namespace detail

TCustomIniFile::TCustomIniFile(UnicodeString fileName) : FFileName(std::move(fileName)) {}

int32_t TCustomIniFile::ReadInteger(UnicodeStringView section, UnicodeStringView ident, int32_t defaultValue) const {
    return StrToIntDef(ReadString(section, ident, u""), defaultValue);
}

void TCustomIniFile::WriteInteger(UnicodeStringView section, UnicodeStringView ident, int32_t value) {
    WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(UnicodeStringView section, UnicodeStringView ident, bool defaultValue) const {
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(UnicodeStringView section, UnicodeStringView ident, bool value) {
    WriteString(section, ident, value ? u"1" : u"0");
}

bool TCustomIniFile::SectionExists(UnicodeStringView section) const {
    TStringList keys;
    ReadSection(section, keys);
    return keys.Count() > 0;
}

bool TCustomIniFile::ValueExists(UnicodeStringView section, UnicodeStringView ident) const {
    TStringList keys;
    ReadSection(section, keys);
    return keys.IndexOf(ident) >= 0;
}

TMemIniFile::TMemIniFile(UnicodeString fileName, uint32_t ansiCodePage)
    : TCustomIniFile(std::move(fileName)), FDocument(detail::ReadIniDocument(FileName(), ansiCodePage)) {}

UnicodeString TMemIniFile::ReadString(UnicodeStringView section, UnicodeStringView ident,
                                      UnicodeStringView defaultValue) const {
    UnicodeString value;
    return FDocument.FindValue(section, ident, value) ? value : UnicodeString(defaultValue);
}

void TMemIniFile::WriteString(UnicodeStringView section, UnicodeStringView ident, UnicodeStringView value) {
    FDocument.SetValue(section, ident, value);
}

void TMemIniFile::ReadSection(UnicodeStringView section, TStringList& strings) const {
    detail::AssignIniNames(strings, FDocument.KeyNames(section));
}

void TMemIniFile::ReadSections(TStringList& strings) const {
    detail::AssignIniNames(strings, FDocument.SectionNames());
}

void TMemIniFile::EraseSection(UnicodeStringView section) {
    FDocument.EraseSection(section);
}

void TMemIniFile::DeleteKey(UnicodeStringView section, UnicodeStringView ident) {
    FDocument.DeleteKey(section, ident);
}

void TMemIniFile::UpdateFile() {
    detail::WriteIniDocument(FileName(), FDocument);
}

} // namespace rtl
