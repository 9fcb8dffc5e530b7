#include "xls/core/xml/XpgScheme.h"

#include "xls/core/base/XLSReadLimits.h"
#include "xls/core/xml/XpgConvert.h"
#include "xls/core/xml/XpgTextDecoder.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace xls {

namespace {

constexpr std::string_view DeclarationName = "xmlns";

// Values are looked up once per attribute read, so a short one is upper-cased on the stack rather than in a string.
constexpr size_t ShortEnumValue = 64;

char16_t AsciiUpperCase(char16_t unit) {
    return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - u'a' + u'A') : unit;
}

std::u16string AsciiUpperCase(rtl::UnicodeStringView text) {
    std::u16string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char16_t unit) { return AsciiUpperCase(unit); });
    return upper;
}

// The prefix a declaration binds ("" for the default namespace); false for a name that declares nothing.
bool DeclaredPrefix(std::string_view name, std::string_view& prefix) {
    // Every tag with attributes comes here; the first byte turns nearly all of them away without a comparison call.
    if (name.empty() || name.front() != DeclarationName.front() || !name.starts_with(DeclarationName)) {
        return false;
    }
    if (name.size() == DeclarationName.size()) {
        prefix = {};
        return true;
    }
    if (name[DeclarationName.size()] != ':') {
        return false;
    }
    prefix = name.substr(DeclarationName.size() + 1);
    return true;
}

} // namespace

TXpgEnumType::TXpgEnumType(std::u16string_view prefix, std::span<const std::u16string_view> values)
    : FPrefix(prefix), FValues(values) {
    std::transform(values.begin(), values.end(), std::back_inserter(FUpperNames),
                   [](std::u16string_view value) { return AsciiUpperCase(value); });
    for (size_t i = 0; i < FUpperNames.size(); ++i) {
        FOrdinals.emplace(FUpperNames[i], static_cast<int32_t>(i));
    }
}

int32_t TXpgEnumType::Find(rtl::UnicodeStringView value) const {
    std::u16string longUpper;
    std::array<char16_t, ShortEnumValue> shortUpper;
    std::u16string_view upper;
    if (value.size() <= shortUpper.size()) {
        std::transform(value.begin(), value.end(), shortUpper.begin(),
                       [](char16_t unit) { return AsciiUpperCase(unit); });
        upper = std::u16string_view(shortUpper.data(), value.size());
    } else {
        longUpper = AsciiUpperCase(value);
        upper = longUpper;
    }
    const auto found = FOrdinals.find(upper);
    return found == FOrdinals.end() ? -1 : found->second;
}

std::u16string_view TXpgEnumType::Name(int32_t ordinal) const {
    if (ordinal < 0 || static_cast<size_t>(ordinal) >= FValues.size()) {
        return {};
    }
    return FValues[static_cast<size_t>(ordinal)];
}

rtl::UnicodeString XpgUnknownEnumMessage(const TXpgEnumType& type, rtl::UnicodeStringView value) {
    rtl::UnicodeString key(type.Prefix());
    key += value;
    return rtl::Format(XpgMessages::UnknownEnum, {key});
}

int32_t XpgHexToInt(rtl::UnicodeStringView value) {
    rtl::UnicodeString text(u"$");
    text += value;
    return XmlStrToIntDef(text, 0);
}

bool XpgIsNamespaceDeclaration(const TXpgXmlAttribute& attribute) {
    const rtl::UnicodeString& name = attribute.Name();
    return name.starts_with(u"xmlns") &&
           (name.size() == DeclarationName.size() || name[DeclarationName.size()] == u':');
}

void XpgAddEnumAttribute(TXpgWriteXML& writer, rtl::UnicodeStringView name, const TXpgEnumType& type, int32_t ordinal) {
    const std::u16string_view value = type.Name(ordinal);
    if (!value.empty()) {
        writer.AddAttribute(name, value);
    }
}

void XpgWriteKeptAttribute(TXpgWriteXML& writer, rtl::UnicodeStringView text) {
    const size_t equals = text.find(u"=\"");
    const size_t close = text.find_last_of(u'"');
    const bool nameValue = equals != rtl::UnicodeStringView::npos && equals > 0 && close >= equals + 2 &&
                           text.find_first_not_of(u' ', close + 1) == rtl::UnicodeStringView::npos;
    if (!nameValue) {
        writer.AppendRaw(text);
        writer.AppendRaw(u" ");
        return;
    }
    writer.AddAttribute(text.substr(0, equals), text.substr(equals + 2, close - equals - 2));
}

TXpgSchemeReaderBase::TXpgSchemeReaderBase(TXpgPErrors& errors, std::span<const TXpgNamespace> namespaces)
    : FErrors(errors), FNamespaces(namespaces), FElementAttributes(&Attributes()) {
    const auto compatibility = std::find_if(namespaces.begin(), namespaces.end(), [](const TXpgNamespace& item) {
        return item.Uri == XpgCompatibilityNamespace;
    });
    if (compatibility == namespaces.end()) {
        return;
    }
    const std::string prefix = compatibility->Prefix.empty() ? std::string() : std::string(compatibility->Prefix) + ":";
    FAlternateContentName = prefix + "AlternateContent";
    FChoiceName = prefix + "Choice";
    FFallbackName = prefix + "Fallback";
}

TXpgSchemeReaderBase::~TXpgSchemeReaderBase() = default;

void TXpgSchemeReaderBase::ReportUnknownElement() const {
    FErrors.ReportUnknown(TXpgUnknownKind::Element, GetTagName(), 0);
}

int64_t TXpgSchemeReaderBase::Parse(rtl::TStream& stream) {
    Restart();
    return TXpgReadXML::Parse(stream);
}

int64_t TXpgSchemeReaderBase::ParseLoose(rtl::TStream& stream) {
    Restart();
    return TXpgReadXML::ParseLoose(stream);
}

void TXpgSchemeReaderBase::Restart() {
    Clear();
    FBindings.clear();
    FRenamingBindings = 0;
    FAlternateScopes.clear();
    FDepth = 0;
    FSkipDepth = 0;
}

bool TXpgSchemeReaderBase::EnterScope() {
    if (FSkipDepth > 0) {
        ++FSkipDepth;
        return false;
    }
    if (FDepth >= XpgMaxElementDepth) {
        throw rtl::Exception(rtl::Format(XpgMessages::NestedTooDeep, {XpgMaxElementDepth}));
    }
    ++FDepth;
    if (Attributes().GetCount() > 0) {
        BindDeclaredPrefixes();
    }
    FElementName = QualifiedName();
    FElementAttributes = &Attributes();
    if (FRenamingBindings > 0) {
        TranslateNames();
    }
    return true;
}

bool TXpgSchemeReaderBase::LeaveScope() {
    if (FSkipDepth > 1) {
        --FSkipDepth;
        return false;
    }
    if (FDepth == 0) {
        return false;
    }
    const bool skipped = FSkipDepth == 1;
    FSkipDepth = 0;
    const bool alternate = !FAlternateScopes.empty() && FAlternateScopes.back().Depth == FDepth;
    if (alternate) {
        FAlternateScopes.pop_back();
    }
    while (!FBindings.empty() && FBindings.back().Depth == FDepth) {
        FRenamingBindings -= FBindings.back().Renames ? 1 : 0;
        FBindings.pop_back();
    }
    --FDepth;
    return !skipped && !alternate;
}

bool TXpgSchemeReaderBase::ReadsChildrenAsWritten(int32_t levels) const {
    const bool inBlock =
        !FAlternateScopes.empty() && FAlternateScopes.back().Block && FAlternateScopes.back().Depth == FDepth;
    return FSkipDepth == 0 && FRenamingBindings == 0 && !inBlock && FDepth + levels <= XpgMaxElementDepth;
}

bool TXpgSchemeReaderBase::EnterAlternateContent() {
    if (FAlternateContentName.empty()) {
        return false;
    }
    const bool inBlock =
        !FAlternateScopes.empty() && FAlternateScopes.back().Block && FAlternateScopes.back().Depth == FDepth - 1;
    if (!inBlock) {
        if (FElementName != FAlternateContentName) {
            return false;
        }
        FAlternateScopes.push_back({FDepth, true, false});
        return true;
    }
    // A block holds branches only; the first one that can be read is, and the rest are passed over.
    TAlternateScope& block = FAlternateScopes.back();
    bool read = false;
    if (FElementName == FChoiceName) {
        read = !block.BranchTaken && RequirementsKnown();
    } else if (FElementName == FFallbackName) {
        read = !block.BranchTaken;
    } else {
        ReportUnknownElement();
    }
    if (!read) {
        SkipSubtree();
        return true;
    }
    block.BranchTaken = true;
    FAlternateScopes.push_back({FDepth, false, false});
    return true;
}

bool TXpgSchemeReaderBase::RequirementsKnown() const {
    std::string_view required;
    const TXpgXMLAttributeList& attributes = Attributes();
    for (int32_t i = 0; i < attributes.GetCount(); ++i) {
        if (attributes.GetItem(i).RawName() == "Requires") {
            required = attributes.GetItem(i).RawValue();
        }
    }
    constexpr std::string_view Blanks = " \t\r\n";
    for (size_t start = required.find_first_not_of(Blanks); start != std::string_view::npos;) {
        const size_t end = std::min(required.find_first_of(Blanks, start), required.size());
        std::string_view unitPrefix;
        if (!FindUnitPrefix(required.substr(start, end - start), unitPrefix)) {
            return false;
        }
        start = required.find_first_not_of(Blanks, end);
    }
    return true;
}

void TXpgSchemeReaderBase::BindDeclaredPrefixes() {
    const TXpgXMLAttributeList& attributes = Attributes();
    for (int32_t i = 0; i < attributes.GetCount(); ++i) {
        const TXpgXmlAttribute& attribute = attributes.GetItem(i);
        std::string_view prefix;
        if (!DeclaredPrefix(attribute.RawName(), prefix)) {
            continue;
        }
        TBinding binding{std::string(prefix), {}, FDepth, false, false};
        for (const TXpgNamespace& unitNamespace : FNamespaces) {
            if (unitNamespace.Uri == attribute.RawValue()) {
                binding.Known = true;
                binding.UnitPrefix = unitNamespace.Prefix;
                binding.Renames = unitNamespace.Prefix != prefix;
                break;
            }
        }
        FRenamingBindings += binding.Renames ? 1 : 0;
        FBindings.push_back(std::move(binding));
    }
}

bool TXpgSchemeReaderBase::FindUnitPrefix(std::string_view prefix, std::string_view& unitPrefix) const {
    for (auto binding = FBindings.rbegin(); binding != FBindings.rend(); ++binding) {
        if (binding->Prefix == prefix) {
            unitPrefix = binding->UnitPrefix;
            return binding->Known;
        }
    }
    return false;
}

bool TXpgSchemeReaderBase::TranslateName(std::string_view name, std::string& target) const {
    const size_t colon = name.rfind(':');
    const std::string_view prefix = colon == std::string_view::npos ? std::string_view() : name.substr(0, colon);
    std::string_view unitPrefix;
    if (!FindUnitPrefix(prefix, unitPrefix) || unitPrefix == prefix) {
        return false;
    }
    target.assign(unitPrefix);
    if (!unitPrefix.empty()) {
        target += ':';
    }
    target += colon == std::string_view::npos ? name : name.substr(colon + 1);
    return true;
}

bool TXpgSchemeReaderBase::TranslateAttributeName(std::string_view name, std::string& target) const {
    std::string_view declared;
    return name.find(':') != std::string_view::npos && !DeclaredPrefix(name, declared) && TranslateName(name, target);
}

// The attribute list is copied only when a name in it changes.
void TXpgSchemeReaderBase::TranslateNames() {
    if (TranslateName(QualifiedName(), FTranslatedName)) {
        FElementName = FTranslatedName;
    }
    const TXpgXMLAttributeList& attributes = Attributes();
    std::string translated;
    int32_t first = 0;
    while (first < attributes.GetCount() && !TranslateAttributeName(attributes.GetItem(first).RawName(), translated)) {
        ++first;
    }
    if (first == attributes.GetCount()) {
        return;
    }
    FTranslatedAttributes.Clear();
    rtl::UnicodeString name;
    for (int32_t i = 0; i < attributes.GetCount(); ++i) {
        const TXpgXmlAttribute& attribute = attributes.GetItem(i);
        const bool renamed = i >= first && TranslateAttributeName(attribute.RawName(), translated);
        XpgWidenBytes(renamed ? std::string_view(translated) : attribute.RawName(), name);
        FTranslatedAttributes.Add(name, attribute.Value());
    }
    FElementAttributes = &FTranslatedAttributes;
}

} // namespace xls
