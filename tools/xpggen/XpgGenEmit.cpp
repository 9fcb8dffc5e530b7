#include "XpgGenEmit.h"

#include "xls/core/xml/XpgNameHash.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace xpggen {

namespace {

// The text of a file, line by line.
class TCode {
public:
    void Line(const std::string& text = {}) {
        if (text.size() > MaxLineLength) {
            throw TTableError("a generated line is longer than " + std::to_string(MaxLineLength) +
                              " characters: " + text);
        }
        FText += text;
        FText += '\n';
    }
    const std::string& Text() const { return FText; }

private:
    std::string FText;
};

std::string Field(const std::string& name) {
    return "F" + CppName(name);
}

std::string ListClass(const std::string& itemClass) {
    return CppName(itemClass) + "XpgList";
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string Wide(const std::string& text) {
    return "u\"" + text + "\"";
}

bool IsRoot(const TClass& item) {
    return item.Kind == TClassKind::Root;
}

// The element names a class dispatches on, each with its member (groups are asked after them, then any elements).
std::vector<std::pair<std::string, const TMember*>> ElementCases(const TTable& table, const TClass& item) {
    std::vector<std::pair<std::string, const TMember*>> cases;
    for (const TMember& member : item.Members) {
        for (const std::string& name : ElementNames(table, member)) {
            cases.emplace_back(name, &member);
        }
    }
    return cases;
}

bool HasMember(const TClass& item, TMemberKind kind) {
    return std::any_of(item.Members.begin(), item.Members.end(),
                       [kind](const TMember& member) { return member.Kind == kind; });
}

bool HasFindChild(const TClass& item) {
    return !item.Members.empty() || item.Custom.contains("FindChild");
}

bool HasHandleElementEnd(const TClass& item) {
    return HasMember(item, TMemberKind::Stream) || item.Custom.contains("HandleElementEnd");
}

// Whether the class takes attributes: its own, kept or not.
bool TakesAttributes(const TClass& item) {
    return !item.Attributes.empty() || !item.IgnoredAttributes.empty();
}

bool HasAssignAttribute(const TClass& item) {
    return TakesAttributes(item) || item.Custom.contains("AssignAttribute");
}

// Whether names hash apart by their byte sums; where two collide, a class dispatches on the multiplicative hash.
bool SumsDiffer(const std::vector<std::string>& names) {
    std::set<uint32_t> sums;
    for (const std::string& name : names) {
        if (!sums.insert(xls::XpgByteSumHash(name)).second) {
            return false;
        }
    }
    return true;
}

std::string HashFunction(const std::vector<std::string>& names) {
    return SumsDiffer(names) ? "XpgByteSumHash" : "XpgByteMulHash";
}

// The C++ type of an attribute's field.
std::string FieldType(TAttributeType type) {
    switch (type) {
    case TAttributeType::Text:
        return "rtl::UnicodeString";
    case TAttributeType::Int:
    case TAttributeType::Hex:
        return "int32_t";
    case TAttributeType::Bool:
        return "bool";
    case TAttributeType::Float:
        return "double";
    case TAttributeType::Enum:
        return "TUnit::TOrdinal";
    case TAttributeType::TriBool:
        return "TXpgTriState";
    case TAttributeType::AdjCoordinate:
        return "TST_AdjCoordinate";
    case TAttributeType::AdjAngle:
        return "TST_AdjAngle";
    case TAttributeType::StringList:
        break;
    }
    return "TStringXpgList";
}

// The value an attribute takes for a text that does not convert: its fallback value, else its occurred value, else
// its default.
std::string FallbackValue(const TAttribute& attribute) {
    if (!attribute.Fallback.empty()) {
        return attribute.Fallback;
    }
    return attribute.Occurred.empty() ? attribute.Default : attribute.Occurred;
}

std::string Conversion(const TTable& table, const TAttribute& attribute) {
    // Values are converted or copied at once, so the plain form spares the decoding of the usual ASCII values.
    const std::string value = "attribute.PlainValue()";
    const std::string field = Field(attribute.Field);
    switch (attribute.Type) {
    case TAttributeType::Text:
        return field + " = " + value + ";";
    case TAttributeType::Int:
        return field + " = XmlStrToIntDef(" + value + ", 0);";
    case TAttributeType::Hex:
        return field + " = XpgHexToInt(" + value + ");";
    case TAttributeType::Bool:
        return field + " = XmlStrToBoolDef(" + value + ", " + FallbackValue(attribute) + ");";
    case TAttributeType::TriBool:
        return field + " = XmlStrToBoolDef(" + value + ", " +
               (FallbackValue(attribute) == "xtsTrue" ? "true" : "false") + ") ? xtsTrue : xtsFalse;";
    case TAttributeType::AdjCoordinate:
    case TAttributeType::AdjAngle:
        return "XmlStrToAdjustable(" + value + ", " + field + ");";
    case TAttributeType::Float:
        return field + " = XmlStrToFloatDef(" + value + ", 0);";
    case TAttributeType::Enum:
        if (table.KeepUnknownEnum) {
            return "AssignEnum(Enums()." + CppName(attribute.EnumName) + ", " + value + ", " + field + ");";
        }
        if (!attribute.Unknown.empty()) {
            return field + " = StrToEnumReported(Owner(), Enums()." + CppName(attribute.EnumName) + ", attribute, " +
                   attribute.Unknown + ");";
        }
        return field + " = StrToEnum(Enums()." + CppName(attribute.EnumName) + ", " + value + ");";
    case TAttributeType::StringList:
        break;
    }
    return field + ".SetDelimitedText(attribute.Value());";
}

// The test of an attribute that differs from its default.
std::string AssignedTest(const TAttribute& attribute) {
    const std::string field = Field(attribute.Field);
    switch (attribute.Type) {
    case TAttributeType::Text:
        return attribute.Default.empty() ? "!" + field + ".empty()" : field + " != " + attribute.Default;
    case TAttributeType::StringList:
        return field + ".GetCount() > 0";
    case TAttributeType::Bool:
        return attribute.Default == "true" ? "!" + field : field;
    case TAttributeType::AdjCoordinate:
    case TAttributeType::AdjAngle:
        return field + ".Kind != -1";
    default:
        break;
    }
    if (attribute.Default.starts_with("std::bit_cast")) {
        // A NaN start value differs from itself: the bits tell whether it is still there.
        const std::string bits = attribute.Default.substr(attribute.Default.find("uint64_t"));
        return "std::bit_cast<uint64_t>(" + field + ") != " + bits.substr(0, bits.size() - 1);
    }
    return field + " != " + attribute.Default;
}

// A list's default is its one item, which the delimited text of that item gives.
std::string ListStartStatement(const TAttribute& attribute) {
    return Field(attribute.Field) + ".SetDelimitedText(" + attribute.Default + ");";
}

std::string ResetStatement(const TAttribute& attribute) {
    const std::string field = Field(attribute.Field);
    switch (attribute.Type) {
    case TAttributeType::Text:
        return attribute.Default.empty() ? field + ".clear();" : field + " = " + attribute.Default + ";";
    case TAttributeType::StringList:
        return attribute.Default.empty() ? field + ".Clear();" : ListStartStatement(attribute);
    case TAttributeType::AdjCoordinate:
    case TAttributeType::AdjAngle:
        return field + " = {};";
    default:
        return field + " = " + attribute.Default + ";";
    }
}

// The C++ type of a text kept in a field.
std::string TextFieldType(TTextType type) {
    switch (type) {
    case TTextType::Int:
        return "int32_t";
    case TTextType::Bool:
        return "bool";
    case TTextType::Extended:
        return "long double";
    case TTextType::Date:
        return "rtl::TDateTime";
    case TTextType::Text:
        break;
    }
    return "rtl::UnicodeString";
}

// The value of the text source as a field of the type takes it.
std::string TextConversion(TTextType type, const std::string& source) {
    switch (type) {
    case TTextType::Int:
        return "XmlStrToIntDef(" + source + ", 0)";
    case TTextType::Bool:
        return "XmlStrToBoolDef(" + source + ", false)";
    case TTextType::Extended:
        return "XmlStrToExtendedDef(" + source + ")";
    case TTextType::Date:
        return "XmlStrToDateTime(" + source + ")";
    case TTextType::Text:
        break;
    }
    return source;
}

// The test of a text field that holds something other than its start value.
std::string TextAssignedTest(TTextType type, const std::string& field) {
    switch (type) {
    case TTextType::Text:
        return "!" + field + ".empty()";
    case TTextType::Bool:
        return field;
    default:
        return field + " != 0";
    }
}

// The value a typed text field starts with (an empty text needs none).
std::string TextStartValue(TTextType type) {
    return type == TTextType::Bool ? "false" : "0";
}

std::string TextResetStatement(TTextType type, const std::string& field) {
    return type == TTextType::Text ? field + ".clear();" : field + " = " + TextStartValue(type) + ";";
}

// The statement that adds the text source to a values member's list.
std::string ValueAddition(const TMember& member, const std::string& source) {
    // A string list keeps texts as they are and has no conversion to go through.
    const std::string add = member.Class == "TStringXpgList" ? ".Add(" : ".AddFromText(";
    return Field(member.Field) + add + source + ");";
}

template <class Test>
bool AnyTextType(const TTable& table, Test test) {
    return std::any_of(table.Classes.begin(), table.Classes.end(), [&](const TClass& item) {
        return (!item.TextField.empty() && test(item.TextType)) ||
               std::any_of(item.Members.begin(), item.Members.end(), [&](const TMember& member) {
                   return member.Kind == TMemberKind::TextChild && test(member.TextType);
               });
    });
}

template <class Test>
bool AnyAttribute(const TTable& table, Test test) {
    return std::any_of(table.Classes.begin(), table.Classes.end(), [&](const TClass& item) {
        return std::any_of(item.Attributes.begin(), item.Attributes.end(), test);
    });
}

bool IsList(const TMember& member) {
    return member.Kind == TMemberKind::List || member.Kind == TMemberKind::Sequence;
}

// The class of a member's object: an element class or group, a list, or the list of any elements.
std::string ObjectType(const TMember& member) {
    if (member.Kind == TMemberKind::Any) {
        return "TXPGAnyElements";
    }
    return IsList(member) ? ListClass(member.Class) : CppName(member.Class);
}

std::string MemberType(const TMember& member) {
    return "std::unique_ptr<" + ObjectType(member) + ">";
}

std::string CallbackType(const TMember& member) {
    return "std::function<void(" + CppName(member.Class) + "&)>";
}

// The streams whose callback is the document's, one per callback name.
std::vector<const TMember*> DocumentCallbacks(const TTable& table) {
    std::vector<const TMember*> callbacks;
    std::set<std::string> names;
    for (const TClass& item : table.Classes) {
        for (const TMember& member : item.Members) {
            if (member.DocumentCallback && names.insert(member.Callback).second) {
                callbacks.push_back(&member);
            }
        }
    }
    return callbacks;
}

class THeader {
public:
    explicit THeader(const TTable& table) : FTable(table) {}

    std::string Emit();

private:
    void Preamble();
    void Unit();
    void Family();
    void Policy();
    void Enumerations();
    void Declarations();
    void Class(const TClass& item);
    void Accessors(const TClass& item);
    void CallbackSetter(const TMember& member);
    void Methods(const TClass& item);
    void Fields(const TClass& item);
    void Document();
    std::string BaseClass(const TClass& item) const;

    const TTable& FTable;
    TCode FCode;
};

std::string THeader::Emit() {
    Preamble();
    FCode.Line("namespace xls::" + FTable.Unit + " {");
    FCode.Line();
    Unit();
    Enumerations();
    Declarations();
    for (const TClass& item : FTable.Classes) {
        Class(item);
    }
    Document();
    FCode.Line("} // namespace xls::" + FTable.Unit);
    return FCode.Text();
}

std::string GeneratedNotice(const TTable& table) {
    return "// Generated by tools/xpggen from tools/xpggen/" + table.TableFile + ": edit the table, not this file.";
}

void THeader::Preamble() {
    FCode.Line("#pragma once");
    FCode.Line(GeneratedNotice(FTable));
    if (!FTable.About.empty()) {
        FCode.Line("//");
    }
    for (const std::string& line : FTable.About) {
        FCode.Line("// " + line);
    }
    FCode.Line();
    std::vector<std::string> includes = {"rtl/text/StringTypes.h", "xls/core/xml/XpgScheme.h"};
    if (AnyTextType(FTable, [](TTextType type) { return type == TTextType::Date; })) {
        includes.push_back("rtl/time/DateTime.h");
    }
    if (AnyAttribute(FTable, [](const TAttribute& attribute) { return IsAdjustable(attribute.Type); })) {
        includes.push_back("xls/core/xml/XpgConvert.h");
    }
    for (const TBaseUnit& base : FTable.Bases) {
        includes.push_back(base.Folder + "/" + base.Unit + ".h");
    }
    if (!FTable.BuildsOnAnother() && !FTable.DocumentDataHeader.empty()) {
        includes.push_back(FTable.DocumentDataHeader);
    }
    includes.insert(includes.end(), FTable.Includes.begin(), FTable.Includes.end());
    std::sort(includes.begin(), includes.end());
    includes.erase(std::unique(includes.begin(), includes.end()), includes.end());
    for (const std::string& include : includes) {
        FCode.Line("#include " + Quoted(include));
    }
    FCode.Line();
    const bool streams = std::any_of(FTable.Classes.begin(), FTable.Classes.end(),
                                     [](const TClass& item) { return HasMember(item, TMemberKind::Stream); });
    if (AnyAttribute(FTable,
                     [](const TAttribute& attribute) { return attribute.Default.starts_with("std::bit_cast"); })) {
        FCode.Line("#include <bit>");
    }
    FCode.Line("#include <cstdint>");
    if (streams) {
        FCode.Line("#include <functional>");
    }
    FCode.Line("#include <memory>");
    if (streams) {
        FCode.Line("#include <utility>");
    }
    FCode.Line();
}

// A unit that builds on another takes the family's policy and enumerations and names the classes it uses.
void THeader::Family() {
    FCode.Line(
        "// The family this unit belongs to: its policy and enumerations, and the classes of it this unit builds on.");
    const std::string family = FTable.Family + "::";
    std::vector<std::string> names = {family + "TUnit"};
    if (AnyAttribute(FTable, [](const TAttribute& attribute) { return attribute.Type == TAttributeType::Enum; })) {
        names.push_back(family + "Enums");
    }
    for (const TEnum& enumeration : FTable.Enums) {
        const std::string type = CppName("T" + enumeration.Name);
        if (AnyAttribute(FTable, [&](const TAttribute& attribute) {
                return attribute.Default.starts_with(type + "::") || attribute.Occurred.starts_with(type + "::");
            })) {
            names.push_back(family + type);
        }
    }
    for (const TClass& item : FTable.ImportedClasses) {
        names.push_back(item.ImportedFrom + "::" + CppName(item.Name));
    }
    // In the order in which the repository's .clang-format sorts using-declarations: letter case ignored.
    std::sort(names.begin(), names.end(), [](const std::string& left, const std::string& right) {
        return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) < std::tolower(static_cast<unsigned char>(b));
        });
    });
    for (const std::string& name : names) {
        FCode.Line("using " + name + ";");
    }
    FCode.Line();
}

void THeader::Unit() {
    if (FTable.BuildsOnAnother()) {
        Family();
    } else {
        Policy();
    }
    FCode.Line("using TXPGDocBase = TXpgSchemeDocBase<TUnit>;");
    FCode.Line("using TXPGBase = TXpgSchemeBase<TUnit>;");
    FCode.Line("using TXPGBaseObjectList = TXpgSchemeObjectList<TUnit>;");
    FCode.Line("using TXPGReader = TXpgSchemeReader<TUnit>;");
    if (std::any_of(FTable.Classes.begin(), FTable.Classes.end(),
                    [](const TClass& item) { return HasMember(item, TMemberKind::Any); })) {
        FCode.Line("using TXPGAnyElement = TXpgSchemeAnyElement<TUnit>;");
        FCode.Line("using TXPGAnyElements = TXpgSchemeList<TUnit, TXPGAnyElement>;");
    }
    FCode.Line();
}

void THeader::Policy() {
    FCode.Line("// How this unit reads, and the namespaces its names are written in.");
    FCode.Line("struct TUnit {");
    FCode.Line("    using TOrdinal = " + FTable.Ordinal + ";");
    if (!FTable.DocumentData.empty()) {
        FCode.Line("    using TDocumentData = " + FTable.DocumentData + ";");
    }
    const std::string rules = std::string(".AssignEveryTag = ") + (FTable.AssignEveryTag ? "true" : "false") +
                              ", .PresenceMask = " + (FTable.PresenceAnyFlag ? "xpgAnyFlag" : "xpgOccurred") +
                              ", .RaiseUnknownEnum = " + (FTable.RaiseUnknownEnum ? "true" : "false");
    const std::string oneLine = "    static constexpr TXpgUnitRules Rules{" + rules + "};";
    if (oneLine.size() <= MaxLineLength) {
        FCode.Line(oneLine);
    } else {
        FCode.Line("    static constexpr TXpgUnitRules Rules{");
        FCode.Line("        " + rules + "};");
    }
    FCode.Line("    static constexpr TXpgNamespace Namespaces[] = {");
    for (const TNamespace& item : FTable.Namespaces) {
        FCode.Line("        {" + Quoted(item.Prefix) + ", " + Quoted(item.Uri) + "},");
    }
    FCode.Line("    };");
    FCode.Line("};");
    FCode.Line();
}

void THeader::Enumerations() {
    if (FTable.BuildsOnAnother()) {
        return;
    }
    for (const TEnum& enumeration : FTable.Enums) {
        FCode.Line("// The ordinals of " + enumeration.Name + ".");
        FCode.Line("struct " + CppName("T" + enumeration.Name) + " {");
        FCode.Line("    enum : " + FTable.Ordinal + " {");
        for (size_t i = 0; i < enumeration.Values.size(); ++i) {
            FCode.Line("        " + CppName(enumeration.Values[i]) + " = " + std::to_string(i) + ",");
        }
        FCode.Line("    };");
        FCode.Line("};");
        FCode.Line();
    }
    if (FTable.Enums.empty()) {
        return;
    }
    FCode.Line("// The enumerations of the unit, made once, on first use.");
    FCode.Line("struct TEnums {");
    for (const TEnum& enumeration : FTable.Enums) {
        FCode.Line("    TXpgEnumType " + CppName(enumeration.Name) + ";");
    }
    FCode.Line("};");
    FCode.Line();
    FCode.Line("const TEnums& Enums();");
    FCode.Line("// Every enumeration of the unit, in the table's order.");
    FCode.Line("std::span<const TXpgEnumType* const> EnumTypes();");
    FCode.Line();
}

void THeader::Declarations() {
    for (const TClass& item : FTable.Classes) {
        FCode.Line("class " + CppName(item.Name) + ";");
    }
    FCode.Line();
    std::vector<std::string> lists;
    for (const TClass& item : FTable.Classes) {
        for (const TMember& member : item.Members) {
            if (IsList(member) && std::find(lists.begin(), lists.end(), member.Class) == lists.end()) {
                lists.push_back(member.Class);
            }
        }
    }
    for (const std::string& itemClass : lists) {
        FCode.Line("using " + ListClass(itemClass) + " = TXpgSchemeList<TUnit, " + CppName(itemClass) + ">;");
    }
    if (!lists.empty()) {
        FCode.Line();
    }
}

std::string THeader::BaseClass(const TClass& item) const {
    return IsRoot(item) ? "TXpgSchemeRoot<TUnit>" : "TXPGBase";
}

void THeader::Class(const TClass& item) {
    const std::string name = CppName(item.Name);
    for (const std::string& line : item.About) {
        FCode.Line("// " + line);
    }
    FCode.Line("class " + name + " : public " + BaseClass(item) + " {");
    FCode.Line("public:");
    FCode.Line("    explicit " + name + "(TXPGDocBase& owner);");
    FCode.Line("    ~" + name + "() override;");
    FCode.Line();
    Accessors(item);
    Methods(item);
    Fields(item);
    FCode.Line("};");
    FCode.Line();
}

void THeader::CallbackSetter(const TMember& member) {
    const std::string signature = "    void Set" + CppName(member.Callback) + "(" + CallbackType(member) + " handler)";
    const std::string body = Field(member.Callback) + " = std::move(handler);";
    if (signature.size() + body.size() + 6 <= MaxLineLength) {
        FCode.Line(signature + " { " + body + " }");
    } else {
        FCode.Line(signature + " {");
        FCode.Line("        " + body);
        FCode.Line("    }");
    }
}

void THeader::Accessors(const TClass& item) {
    const auto text = [&](const std::string& field, TTextType type) {
        if (type == TTextType::Text) {
            FCode.Line("    const rtl::UnicodeString& Get" + CppName(field) + "() const { return " + Field(field) +
                       "; }");
            FCode.Line("    void Set" + CppName(field) + "(rtl::UnicodeStringView value) { " + Field(field) +
                       " = value; }");
            return;
        }
        const std::string valueType = TextFieldType(type);
        FCode.Line("    " + valueType + " Get" + CppName(field) + "() const { return " + Field(field) + "; }");
        FCode.Line("    void Set" + CppName(field) + "(" + valueType + " value) { " + Field(field) + " = value; }");
    };
    size_t count = 0;
    for (const TAttribute& attribute : item.Attributes) {
        const std::string type = FieldType(attribute.Type);
        const std::string name = CppName(attribute.Field);
        if (attribute.Type == TAttributeType::Text) {
            text(attribute.Field, TTextType::Text);
        } else if (IsAdjustable(attribute.Type)) {
            FCode.Line("    const " + type + "& Get" + name + "() const { return " + Field(attribute.Field) + "; }");
            FCode.Line("    void Set" + name + "(const " + type + "& value) { " + Field(attribute.Field) +
                       " = value; }");
        } else if (attribute.Type == TAttributeType::StringList) {
            FCode.Line("    TStringXpgList& Get" + name + "() { return " + Field(attribute.Field) + "; }");
            FCode.Line("    const TStringXpgList& Get" + name + "() const { return " + Field(attribute.Field) + "; }");
        } else {
            FCode.Line("    " + type + " Get" + name + "() const { return " + Field(attribute.Field) + "; }");
            FCode.Line("    void Set" + name + "(" + type + " value) { " + Field(attribute.Field) + " = value; }");
        }
        ++count;
    }
    if (!item.TextField.empty()) {
        text(item.TextField, item.TextType);
        ++count;
    }
    for (const TMember& member : item.Members) {
        const std::string name = CppName(member.Field);
        switch (member.Kind) {
        case TMemberKind::TextChild:
            text(member.Field, member.TextType);
            break;
        case TMemberKind::Values:
            FCode.Line("    " + member.Class + "& Get" + name + "() { return " + Field(member.Field) + "; }");
            FCode.Line("    const " + member.Class + "& Get" + name + "() const { return " + Field(member.Field) +
                       "; }");
            break;
        case TMemberKind::Optional:
            FCode.Line("    " + CppName(member.Class) + "* Get" + name + "() const { return " + Field(member.Field) +
                       ".get(); }");
            break;
        case TMemberKind::List:
        case TMemberKind::Sequence:
        case TMemberKind::Any:
            FCode.Line("    " + ObjectType(member) + "& Get" + name + "() const { return *" + Field(member.Field) +
                       "; }");
            break;
        default:
            FCode.Line("    " + CppName(member.Class) + "& Get" + name + "() const { return *" + Field(member.Field) +
                       "; }");
            break;
        }
        if (member.Kind == TMemberKind::Stream && !member.DocumentCallback) {
            CallbackSetter(member);
        }
        ++count;
    }
    if (count > 0) {
        FCode.Line();
    }
}

void THeader::Methods(const TClass& item) {
    if (item.HasClear) {
        FCode.Line("    void Clear();");
    }
    if (item.Custom.contains("HandleElement")) {
        FCode.Line("    TXPGBase* HandleElement(TXPGReader& reader) override;");
    }
    if (HasFindChild(item)) {
        FCode.Line("    TXPGBase* FindChild(TXPGReader& reader) override;");
    }
    if (item.Custom.contains("AssignAttributes")) {
        FCode.Line("    void AssignAttributes(const TXpgXMLAttributeList& attributes) override;");
    }
    if (HasHandleElementEnd(item)) {
        FCode.Line("    void HandleElementEnd() override;");
    }
    FCode.Line("    int32_t CheckAssigned() override;");
    if (item.Custom.contains("CountAttributes")) {
        FCode.Line("    int32_t CountAttributes() const;");
    }
    if (HasAssignAttribute(item)) {
        FCode.Line("    bool AssignAttribute(const TXpgXmlAttribute& attribute) override;");
    }
    if (FTable.Writes || item.Custom.contains("Write")) {
        FCode.Line(IsRoot(item) ? "    void Write(TXpgWriteXML& writer) const;"
                                : "    void Write(TXpgWriteXML& writer, rtl::UnicodeStringView name) const;");
    }
    for (const std::string& declaration : item.Declarations) {
        FCode.Line("    " + declaration);
    }
    if (!item.TextField.empty()) {
        FCode.Line();
        FCode.Line("protected:");
        if (item.TextType == TTextType::Text) {
            FCode.Line("    void SetTextContent(rtl::UnicodeStringView text) override { " + Field(item.TextField) +
                       " = text; }");
        } else {
            FCode.Line("    void SetTextContent(rtl::UnicodeStringView text) override;");
        }
    }
}

void THeader::Fields(const TClass& item) {
    std::vector<std::string> fields;
    for (const TAttribute& attribute : item.Attributes) {
        const bool initialised = attribute.Type != TAttributeType::StringList && !attribute.Default.empty();
        fields.push_back(FieldType(attribute.Type) + " " + Field(attribute.Field) +
                         (initialised ? " = " + attribute.Default : "") + ";");
    }
    const auto textField = [&](const std::string& field, TTextType type) {
        const std::string start = type == TTextType::Text ? "" : " = " + TextStartValue(type);
        fields.push_back(TextFieldType(type) + " " + Field(field) + start + ";");
    };
    if (!item.TextField.empty()) {
        textField(item.TextField, item.TextType);
    }
    for (const TMember& member : item.Members) {
        if (member.Kind == TMemberKind::TextChild) {
            textField(member.Field, member.TextType);
            continue;
        }
        if (member.Kind == TMemberKind::Values) {
            fields.push_back(member.Class + " " + Field(member.Field) + ";");
            continue;
        }
        fields.push_back(MemberType(member) + " " + Field(member.Field) + ";");
        if (member.Kind == TMemberKind::Stream && !member.DocumentCallback) {
            fields.push_back(CallbackType(member) + " " + Field(member.Callback) + ";");
        }
    }
    fields.insert(fields.end(), item.PrivateDeclarations.begin(), item.PrivateDeclarations.end());
    if (fields.empty()) {
        return;
    }
    FCode.Line();
    FCode.Line("private:");
    for (const std::string& field : fields) {
        FCode.Line("    " + field);
    }
}

void THeader::Document() {
    if (FTable.Document.empty()) {
        return;
    }
    const TClass& root = FTable.Root();
    FCode.Line("// The document of a part: its root, filled by LoadFromStream" +
               std::string(FTable.Writes ? " and written by SaveToStream." : "."));
    FCode.Line("class " + FTable.Document + " : public TXpgSchemeDocument<TUnit, " + CppName(root.Name) + "> {");
    if (!FTable.Accessors.empty()) {
        FCode.Line("public:");
    }
    for (const std::string& accessor : FTable.Accessors) {
        const TMember& member = *std::find_if(root.Members.begin(), root.Members.end(),
                                              [&](const TMember& candidate) { return candidate.Field == accessor; });
        const std::string name = CppName(accessor);
        FCode.Line("    " + CppName(member.Class) + "& Get" + name + "() { return GetRoot().Get" + name + "(); }");
    }
    const std::vector<const TMember*> callbacks = DocumentCallbacks(FTable);
    if (FTable.Accessors.empty() && !callbacks.empty()) {
        FCode.Line("public:");
    }
    for (const TMember* member : callbacks) {
        CallbackSetter(*member);
        FCode.Line("    // Hands an object to the callback, when one is set.");
        FCode.Line("    void Call" + CppName(member->Callback) + "(" + CppName(member->Class) + "& item) const {");
        FCode.Line("        if (" + Field(member->Callback) + ") {");
        FCode.Line("            " + Field(member->Callback) + "(item);");
        FCode.Line("        }");
        FCode.Line("    }");
    }
    if (!callbacks.empty()) {
        FCode.Line();
        FCode.Line("private:");
    }
    for (const TMember* member : callbacks) {
        FCode.Line("    " + CallbackType(*member) + " " + Field(member->Callback) + ";");
    }
    FCode.Line("};");
    FCode.Line();
}

class TSource {
public:
    explicit TSource(const TTable& table) : FTable(table) {}

    std::string Emit();

private:
    void Preamble();
    void ExtendedConversion();
    void LocalDefinitions();
    void ReportedEnum();
    void Constructor(const TClass& item);
    void Clear(const TClass& item);
    void SetTextContent(const TClass& item);
    void FindChild(const TClass& item);
    void ChildCase(const TMember& member, const std::string& name, const std::string& indent);
    bool HasOccurredValues(const std::string& itemClass) const;
    void PresetChildCase(const TMember& member, const std::string& indent);
    void HandleElementEnd(const TClass& item);
    void AssignAttribute(const TClass& item);
    void AttributeCase(const std::string& name, const std::string& statement, const std::string& indent);
    void CallLines(const std::string& line);
    void CheckAssigned(const TClass& item);
    void Write(const TClass& item);
    void WriteRoot(const TClass& item);
    void Function(const std::string& signature);
    void End();

    const TTable& FTable;
    TCode FCode;
};

std::string TSource::Emit() {
    Preamble();
    FCode.Line("namespace xls::" + FTable.Unit + " {");
    FCode.Line();
    LocalDefinitions();
    for (const TClass& item : FTable.Classes) {
        Constructor(item);
        if (item.HasClear && !item.Custom.contains("Clear")) {
            Clear(item);
        }
        if (!item.TextField.empty() && item.TextType != TTextType::Text) {
            SetTextContent(item);
        }
        if (!item.Members.empty() && !item.Custom.contains("FindChild")) {
            FindChild(item);
        }
        if (HasMember(item, TMemberKind::Stream) && !item.Custom.contains("HandleElementEnd")) {
            HandleElementEnd(item);
        }
        if (TakesAttributes(item) && !item.Custom.contains("AssignAttribute")) {
            AssignAttribute(item);
        }
        if (!item.Custom.contains("CheckAssigned")) {
            CheckAssigned(item);
        }
        if (FTable.Writes && !item.Custom.contains("Write") && IsRoot(item)) {
            WriteRoot(item);
        } else if (FTable.Writes && !item.Custom.contains("Write")) {
            Write(item);
        }
    }
    FCode.Line("} // namespace xls::" + FTable.Unit);
    return FCode.Text();
}

void TSource::Preamble() {
    FCode.Line(GeneratedNotice(FTable));
    FCode.Line();
    FCode.Line("#include " + Quoted(FTable.Folder + "/" + FTable.Unit + ".h"));
    FCode.Line();
    const bool converts =
        AnyAttribute(FTable,
                     [](const TAttribute& attribute) {
                         return attribute.Type == TAttributeType::Int || attribute.Type == TAttributeType::Bool ||
                                attribute.Type == TAttributeType::TriBool || attribute.Type == TAttributeType::Float ||
                                IsAdjustable(attribute.Type);
                     }) ||
        AnyTextType(FTable, [](TTextType type) { return type != TTextType::Text; });
    if (converts) {
        FCode.Line("#include \"xls/core/xml/XpgConvert.h\"");
        FCode.Line();
    }
    if (!FTable.Enums.empty() && !FTable.BuildsOnAnother()) {
        FCode.Line("#include <string_view>");
        FCode.Line();
    }
}

void TSource::ExtendedConversion() {
    FCode.Line("// An 80-bit float from text; 0 for a text that is no number.");
    FCode.Line("long double XmlStrToExtendedDef(rtl::UnicodeStringView text) {");
    FCode.Line("    long double value = 0;");
    FCode.Line("    return TryXmlStrToFloat(text, value) ? value : 0;");
    FCode.Line("}");
    FCode.Line();
}

// The helpers and enumeration values that only the unit's source sees, then the enumeration table.
void TSource::LocalDefinitions() {
    const bool extended = AnyTextType(FTable, [](TTextType type) { return type == TTextType::Extended; });
    const std::vector<TEnum> noEnums;
    const std::vector<TEnum>& enums = FTable.BuildsOnAnother() ? noEnums : FTable.Enums;
    const bool reported = AnyAttribute(FTable, [](const TAttribute& attribute) { return !attribute.Unknown.empty(); });
    if (enums.empty() && !extended && !reported) {
        return;
    }
    FCode.Line("namespace {");
    FCode.Line();
    if (extended) {
        ExtendedConversion();
    }
    for (const TEnum& enumeration : enums) {
        FCode.Line("constexpr std::u16string_view " + CppName(enumeration.Name) + "Values[] = {");
        size_t width = 0;
        for (const std::string& value : enumeration.Values) {
            width = std::max(width, Wide(value).size() + 1);
        }
        for (size_t i = 0; i < enumeration.Values.size(); ++i) {
            std::string item = Wide(enumeration.Values[i]) + ",";
            item.resize(width, ' ');
            FCode.Line("    " + item + " // " + std::to_string(i));
        }
        FCode.Line("};");
        FCode.Line();
    }
    if (reported) {
        ReportedEnum();
    }
    FCode.Line("} // namespace");
    FCode.Line();
    if (enums.empty()) {
        return;
    }
    FCode.Line("const TEnums& Enums() {");
    FCode.Line("    static const TEnums enums{");
    for (const TEnum& enumeration : enums) {
        const std::string name = CppName(enumeration.Name);
        FCode.Line("        ." + name + " = TXpgEnumType(" + Wide(enumeration.Prefix) + ", " + name + "Values),");
    }
    FCode.Line("    };");
    FCode.Line("    return enums;");
    FCode.Line("}");
    FCode.Line();
    FCode.Line("std::span<const TXpgEnumType* const> EnumTypes() {");
    FCode.Line("    static const TEnums& enums = Enums();");
    FCode.Line("    static const TXpgEnumType* const types[] = {");
    // One item a line, as the values above, held there by the comments.
    size_t width = 0;
    for (const TEnum& enumeration : enums) {
        width = std::max(width, CppName(enumeration.Name).size() + 8);
    }
    for (const TEnum& enumeration : enums) {
        std::string item = "&enums." + CppName(enumeration.Name) + ",";
        item.resize(width, ' ');
        FCode.Line("        " + item + " // " + enumeration.Prefix);
    }
    FCode.Line("    };");
    FCode.Line("    return types;");
    FCode.Line("}");
    FCode.Line();
}

// The lookup of the enumerations whose values a unit does not guess: a value the type lacks is reported, with the
// value, rather than read as the type's first.
void TSource::ReportedEnum() {
    FCode.Line(
        "// The ordinal of the attribute's value in type; a value the type lacks is reported and gives unknown.");
    FCode.Line("TUnit::TOrdinal StrToEnumReported(TXPGDocBase& owner, const TXpgEnumType& type, "
               "const TXpgXmlAttribute& attribute,");
    FCode.Line("                                  TUnit::TOrdinal unknown) {");
    FCode.Line("    const int32_t ordinal = type.Find(attribute.PlainValue());");
    FCode.Line("    if (ordinal >= 0) {");
    FCode.Line("        return static_cast<TUnit::TOrdinal>(ordinal);");
    FCode.Line("    }");
    FCode.Line("    rtl::UnicodeString name = attribute.Name();");
    FCode.Line("    name += u\"=\\\"\";");
    FCode.Line("    name += attribute.Value();");
    FCode.Line("    name += u'\"';");
    FCode.Line("    owner.Errors().ReportUnknown(TXpgUnknownKind::Attribute, name, 0);");
    FCode.Line("    return unknown;");
    FCode.Line("}");
    FCode.Line();
}

void TSource::Function(const std::string& signature) {
    FCode.Line(signature + " {");
}

void TSource::End() {
    FCode.Line("}");
    FCode.Line();
}

void TSource::Constructor(const TClass& item) {
    const std::string name = CppName(item.Name);
    const std::string base = IsRoot(item) ? "TXpgSchemeRoot<TUnit>" : "TXPGBase";
    const std::string counts = "(owner, " + std::to_string(item.Members.size()) + ", " +
                               std::to_string(item.Attributes.size() + item.IgnoredAttributes.size()) + ")";
    std::vector<std::string> creations;
    for (const TMember& member : item.Members) {
        if (member.Kind == TMemberKind::Optional || (!HoldsObject(member) && member.Kind != TMemberKind::Any)) {
            continue;
        }
        creations.push_back("    " + Field(member.Field) + " = std::make_unique<" + ObjectType(member) + ">(owner);");
    }
    for (const TAttribute& attribute : item.Attributes) {
        if (attribute.Type == TAttributeType::StringList && !attribute.Default.empty()) {
            creations.push_back("    " + ListStartStatement(attribute));
        }
    }
    const std::string signature = name + "::" + name + "(TXPGDocBase& owner)";
    const std::string opening = signature + " : " + base + counts + " {" + (creations.empty() ? "}" : "");
    if (opening.size() <= MaxLineLength) {
        FCode.Line(opening);
    } else {
        FCode.Line(signature);
        FCode.Line("    : " + base + counts + " {" + (creations.empty() ? "}" : ""));
    }
    for (const std::string& creation : creations) {
        FCode.Line(creation);
    }
    if (!creations.empty()) {
        FCode.Line("}");
    }
    FCode.Line();
    FCode.Line(name + "::~" + name + "() = default;");
    FCode.Line();
}

void TSource::Clear(const TClass& item) {
    Function("void " + CppName(item.Name) + "::Clear()");
    FCode.Line("    SetFlags(0);");
    if (IsRoot(item)) {
        FCode.Line("    GetAttributes().Clear();");
    }
    for (const TAttribute& attribute : item.Attributes) {
        FCode.Line("    " + ResetStatement(attribute));
    }
    if (!item.TextField.empty()) {
        FCode.Line("    " + TextResetStatement(item.TextType, Field(item.TextField)));
    }
    for (const TMember& member : item.Members) {
        const std::string field = Field(member.Field);
        switch (member.Kind) {
        case TMemberKind::TextChild:
            FCode.Line("    " + TextResetStatement(member.TextType, field));
            break;
        case TMemberKind::Values:
            FCode.Line("    " + field + ".Clear();");
            break;
        case TMemberKind::Optional:
            FCode.Line("    " + field + ".reset();");
            break;
        default:
            FCode.Line("    " + field + "->Clear();");
            break;
        }
    }
    End();
}

void TSource::SetTextContent(const TClass& item) {
    Function("void " + CppName(item.Name) + "::SetTextContent(rtl::UnicodeStringView text)");
    FCode.Line("    " + Field(item.TextField) + " = " + TextConversion(item.TextType, "text") + ";");
    End();
}

void TSource::FindChild(const TClass& item) {
    Function("TXPGBase* " + CppName(item.Name) + "::FindChild(TXPGReader& reader)");
    const std::vector<std::pair<std::string, const TMember*>> cases = ElementCases(FTable, item);
    if (cases.size() == 1) {
        ChildCase(*cases[0].second, cases[0].first, "    ");
    } else if (!cases.empty()) {
        std::vector<std::string> names;
        for (const auto& [name, member] : cases) {
            names.push_back(name);
        }
        const std::string hash = HashFunction(names);
        FCode.Line(std::string("    switch (reader.") +
                   (hash == "XpgByteSumHash" ? "ElementSumHash" : "ElementMulHash") + "()) {");
        for (const auto& [name, member] : cases) {
            FCode.Line("    case " + hash + "(" + Quoted(name) + "):");
            ChildCase(*member, name, "        ");
            FCode.Line("        break;");
        }
        FCode.Line("    }");
    }
    std::vector<const TMember*> groups;
    const TMember* any = nullptr;
    for (const TMember& member : item.Members) {
        if (member.Kind == TMemberKind::Group) {
            groups.push_back(&member);
        }
        any = member.Kind == TMemberKind::Any ? &member : any;
    }
    for (size_t i = 0; i + 1 < groups.size() + (any != nullptr ? 1 : 0); ++i) {
        FCode.Line("    if (TXPGBase* child = " + Field(groups[i]->Field) + "->FindChild(reader)) {");
        FCode.Line("        return child;");
        FCode.Line("    }");
    }
    if (any != nullptr) {
        FCode.Line("    TXPGAnyElement& element = " + Field(any->Field) + "->Add();");
        FCode.Line("    element.SetName(reader.GetTagName());");
        FCode.Line("    return Enter(element, reader);");
    } else {
        FCode.Line(groups.empty() ? "    return nullptr;"
                                  : "    return " + Field(groups.back()->Field) + "->FindChild(reader);");
    }
    End();
}

void TSource::ChildCase(const TMember& member, const std::string& name, const std::string& indent) {
    const std::string field = Field(member.Field);
    FCode.Line(indent + "if (reader.IsElement(" + Quoted(name) + ")) {");
    if (member.Kind == TMemberKind::Sequence) {
        FCode.Line(indent + "    return " + field + "->Add().FindChild(reader);");
        FCode.Line(indent + "}");
        return;
    }
    if (HoldsObject(member) && HasOccurredValues(member.Class)) {
        PresetChildCase(member, indent + "    ");
        FCode.Line(indent + "}");
        return;
    }
    switch (member.Kind) {
    case TMemberKind::List:
        FCode.Line(indent + "    return Enter(" + field + "->Add(), reader);");
        break;
    case TMemberKind::Optional:
        FCode.Line(indent + "    return Enter(Created(" + field + "), reader);");
        break;
    case TMemberKind::Stream:
        FCode.Line(indent + "    " + field + "->Clear();");
        FCode.Line(indent + "    return Enter(*" + field + ", reader);");
        break;
    case TMemberKind::TextChild:
        // A kept text is decoded straight into its field, which keeps its capacity from element to element.
        FCode.Line(indent + "    " +
                   (member.TextType == TTextType::Text
                        ? "reader.DecodeText(" + field + ");"
                        : field + " = " + TextConversion(member.TextType, "reader.GetText()") + ";"));
        FCode.Line(indent + "    return this;");
        break;
    case TMemberKind::Values:
        FCode.Line(indent + "    " + ValueAddition(member, "reader.GetText()"));
        FCode.Line(indent + "    return this;");
        break;
    default:
        FCode.Line(indent + "    return Enter(*" + field + ", reader);");
        break;
    }
    FCode.Line(indent + "}");
}

bool TSource::HasOccurredValues(const std::string& itemClass) const {
    const TClass& target = *FTable.FindClass(itemClass);
    return std::any_of(target.Attributes.begin(), target.Attributes.end(),
                       [](const TAttribute& attribute) { return !attribute.Occurred.empty(); });
}

// Hands out a child whose attributes take values when its element begins: what the element means without them.
void TSource::PresetChildCase(const TMember& member, const std::string& indent) {
    const std::string field = Field(member.Field);
    std::string child;
    switch (member.Kind) {
    case TMemberKind::List:
        child = field + "->Add()";
        break;
    case TMemberKind::Optional:
        child = "Created(" + field + ")";
        break;
    case TMemberKind::Stream:
        FCode.Line(indent + field + "->Clear();");
        child = "*" + field;
        break;
    default:
        child = "*" + field;
        break;
    }
    FCode.Line(indent + CppName(member.Class) + "& child = " + child + ";");
    for (const TAttribute& attribute : FTable.FindClass(member.Class)->Attributes) {
        if (!attribute.Occurred.empty()) {
            FCode.Line(indent + "child.Set" + CppName(attribute.Field) + "(" + attribute.Occurred + ");");
        }
    }
    FCode.Line(indent + "return Enter(child, reader);");
}

void TSource::HandleElementEnd(const TClass& item) {
    Function("void " + CppName(item.Name) + "::HandleElementEnd()");
    for (const TMember& member : item.Members) {
        if (member.Kind != TMemberKind::Stream) {
            continue;
        }
        const std::string field = Field(member.Field);
        if (member.DocumentCallback) {
            // The owner is the unit's document whenever the document built this object.
            FCode.Line("    if (auto* document = dynamic_cast<" + FTable.Document +
                       "*>(&Owner()); document != nullptr && " + field + "->Flags() != 0) {");
            FCode.Line("        document->Call" + CppName(member.Callback) + "(*" + field + ");");
            FCode.Line("    }");
        } else {
            FCode.Line("    if (" + field + "->Flags() != 0 && " + Field(member.Callback) + ") {");
            FCode.Line("        " + Field(member.Callback) + "(*" + field + ");");
            FCode.Line("    }");
        }
        FCode.Line("    " + field + "->SetFlags(0);");
    }
    End();
}

void TSource::AssignAttribute(const TClass& item) {
    Function("bool " + CppName(item.Name) + "::AssignAttribute(const TXpgXmlAttribute& attribute)");
    // Each name the class takes, with the statement that keeps its value (none for an attribute it ignores).
    std::vector<std::pair<std::string, std::string>> cases;
    for (const TAttribute& attribute : item.Attributes) {
        cases.emplace_back(attribute.XmlName, Conversion(FTable, attribute));
    }
    for (const std::string& ignored : item.IgnoredAttributes) {
        cases.emplace_back(ignored, std::string());
    }
    if (cases.size() == 1) {
        AttributeCase(cases[0].first, cases[0].second, "    ");
        FCode.Line("    return false;");
        End();
        return;
    }
    std::vector<std::string> names;
    for (const auto& [name, statement] : cases) {
        names.push_back(name);
    }
    const std::string hash = HashFunction(names);
    FCode.Line(std::string("    switch (attribute.") + (hash == "XpgByteSumHash" ? "NameSumHash" : "NameMulHash") +
               "()) {");
    for (const auto& [name, statement] : cases) {
        FCode.Line("    case " + hash + "(" + Quoted(name) + "):");
        AttributeCase(name, statement, "        ");
        FCode.Line("        return false;");
    }
    FCode.Line("    default:");
    FCode.Line("        return false;");
    FCode.Line("    }");
    End();
}

void TSource::AttributeCase(const std::string& name, const std::string& statement, const std::string& indent) {
    FCode.Line(indent + "if (attribute.NameIs(" + Quoted(name) + ")) {");
    if (!statement.empty()) {
        CallLines(indent + "    " + statement);
    }
    FCode.Line(indent + "    return true;");
    FCode.Line(indent + "}");
}

// An assignment of a call's result, broken as the repository's .clang-format breaks it when it is too long for one
// line: after the "=" when the call then fits on the next, else after an argument, the rest aligned after the call's
// opening parenthesis.
void TSource::CallLines(const std::string& line) {
    if (line.size() <= MaxLineLength) {
        FCode.Line(line);
        return;
    }
    const size_t indent = line.find_first_not_of(' ');
    const size_t equals = line.find(" = ");
    if (equals != std::string::npos && indent + 4 + line.size() - (equals + 3) <= MaxLineLength) {
        FCode.Line(line.substr(0, equals + 2));
        FCode.Line(std::string(indent + 4, ' ') + line.substr(equals + 3));
        return;
    }
    const size_t open = line.find('(');
    const size_t gap = line.rfind(", ", MaxLineLength - 1);
    if (open == std::string::npos || gap == std::string::npos || gap < open) {
        FCode.Line(line);
        return;
    }
    FCode.Line(line.substr(0, gap + 1));
    FCode.Line(std::string(open + 1, ' ') + line.substr(gap + 2));
}

void TSource::CheckAssigned(const TClass& item) {
    Function("int32_t " + CppName(item.Name) + "::CheckAssigned()");
    const bool required = std::any_of(item.Attributes.begin(), item.Attributes.end(),
                                      [](const TAttribute& attribute) { return attribute.Required; });
    if (item.Custom.contains("CountAttributes")) {
        FCode.Line("    const int32_t attributes = CountAttributes();");
    } else if (required) {
        FCode.Line("    // The attributes are required: they count as one, whatever they hold.");
        FCode.Line("    const int32_t attributes = 1;");
    } else if (!item.Attributes.empty()) {
        FCode.Line("    int32_t attributes = 0;");
        for (const TAttribute& attribute : item.Attributes) {
            FCode.Line("    attributes += " + AssignedTest(attribute) + ";");
        }
    }
    if (!item.Members.empty()) {
        FCode.Line("    int32_t children = 0;");
        for (const TMember& member : item.Members) {
            const std::string field = Field(member.Field);
            switch (member.Kind) {
            case TMemberKind::TextChild:
                FCode.Line("    children += " + TextAssignedTest(member.TextType, field) + ";");
                break;
            case TMemberKind::Values:
                FCode.Line("    children += " + field + ".GetCount();");
                break;
            case TMemberKind::Optional:
                if (member.CountsOne) {
                    FCode.Line("    if (" + field + ") {");
                    FCode.Line("        // One, whatever it holds; its flags are recomputed all the same.");
                    FCode.Line("        " + field + "->CheckAssigned();");
                    FCode.Line("        ++children;");
                    FCode.Line("    }");
                    break;
                }
                FCode.Line("    children += " + field + " ? " + field + "->CheckAssigned() : 0;");
                break;
            default:
                FCode.Line("    children += " + field + "->CheckAssigned();");
                break;
            }
        }
    }
    const std::string attributes =
        item.Attributes.empty() && !item.Custom.contains("CountAttributes") ? "0" : "attributes";
    const std::string text = item.TextField.empty() ? "0" : TextAssignedTest(item.TextType, Field(item.TextField));
    const std::string children = item.Members.empty() ? "0" : "children";
    FCode.Line("    return SetAssigned(" + attributes + ", " + text + ", " + children + ");");
    End();
}

void TSource::Write(const TClass& item) {
    Function("void " + CppName(item.Name) + "::Write(TXpgWriteXML& writer, rtl::UnicodeStringView name) const");
    if (!item.Attributes.empty()) {
        FCode.Line("    if ((Flags() & xpgAttributesAssigned) != 0) {");
        for (const TAttribute& attribute : item.Attributes) {
            const std::string name = Wide(attribute.XmlName);
            if (attribute.Type == TAttributeType::Enum) {
                FCode.Line("        XpgAddEnumAttribute(writer, " + name + ", Enums()." + CppName(attribute.EnumName) +
                           ", " + Field(attribute.Field) + ");");
            } else {
                FCode.Line("        writer.AddAttribute(" + name + ", " + Field(attribute.Field) + ");");
            }
        }
        FCode.Line("    }");
    }
    const std::string text = item.TextField.empty() ? "{}" : Field(item.TextField);
    if (item.Members.empty()) {
        FCode.Line("    BeginWrite(writer, name, " + text + ");");
        End();
        return;
    }
    FCode.Line("    if (!BeginWrite(writer, name, " + text + ")) {");
    FCode.Line("        return;");
    FCode.Line("    }");
    for (const TMember& member : item.Members) {
        const std::string field = Field(member.Field);
        if (member.Kind == TMemberKind::List) {
            FCode.Line("    " + field + "->Write(writer, " + Wide(member.XmlName) + ");");
            continue;
        }
        FCode.Line("    if (" + field + "->Assigned()) {");
        FCode.Line("        " + field + "->Write(writer, " + Wide(member.XmlName) + ");");
        FCode.Line("    }");
    }
    FCode.Line("    EndWrite(writer, " + text + ");");
    End();
}

// The document needs one element: the main one is written also when none is assigned.
void TSource::WriteRoot(const TClass& item) {
    Function("void " + CppName(item.Name) + "::Write(TXpgWriteXML& writer) const");
    FCode.Line("    WriteKeptAttributes(writer);");
    const auto main = std::find_if(item.Members.begin(), item.Members.end(), [](const TMember& m) { return m.Main; });
    if (main != item.Members.end()) {
        std::string others;
        for (const TMember& member : item.Members) {
            if (&member != &*main) {
                others += (others.empty() ? "!" : " && !") + Field(member.Field) + "->Assigned()";
            }
        }
        FCode.Line("    const bool othersAbsent = " + (others.empty() ? std::string("true") : others) + ";");
    }
    for (const TMember& member : item.Members) {
        const std::string field = Field(member.Field);
        FCode.Line("    if (" + field + "->Assigned()" + (member.Main ? " || othersAbsent" : "") + ") {");
        FCode.Line("        " + field + "->Write(writer, " + Wide(member.XmlName) + ");");
        FCode.Line("    }");
    }
    End();
}

} // namespace

std::string EmitHeader(const TTable& table) {
    return THeader(table).Emit();
}

std::string EmitSource(const TTable& table) {
    return TSource(table).Emit();
}

} // namespace xpggen
