#include "XpgGenTable.h"

#include "xls/core/xml/XpgNameHash.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace xpggen {

namespace {

constexpr std::array CppKeywords = {
    "alignas",     "alignof",   "and",       "and_eq",    "asm",      "auto",         "bitand",
    "bitor",       "bool",      "break",     "case",      "catch",    "char",         "char16_t",
    "char32_t",    "char8_t",   "class",     "compl",     "concept",  "const",        "const_cast",
    "consteval",   "constexpr", "constinit", "continue",  "co_await", "co_return",    "co_yield",
    "decltype",    "default",   "delete",    "do",        "double",   "dynamic_cast", "else",
    "enum",        "explicit",  "export",    "extern",    "false",    "float",        "for",
    "friend",      "goto",      "if",        "inline",    "int",      "long",         "mutable",
    "namespace",   "new",       "noexcept",  "not",       "not_eq",   "nullptr",      "operator",
    "or",          "or_eq",     "private",   "protected", "public",   "register",     "reinterpret_cast",
    "requires",    "return",    "short",     "signed",    "sizeof",   "static",       "static_assert",
    "static_cast", "struct",    "switch",    "template",  "this",     "thread_local", "throw",
    "true",        "try",       "typedef",   "typeid",    "typename", "union",        "unsigned",
    "using",       "virtual",   "void",      "volatile",  "wchar_t",  "while",        "xor",
    "xor_eq",
};

constexpr std::array ValueLists = {"TStringXpgList", "TLongwordXpgList", "TExtendedXpgList", "TTDateTimeXpgList",
                                   "TBooleanXpgList"};

const std::map<std::string, TTextType> TextTypes = {
    {"text", TTextType::Text},         {"int", TTextType::Int},   {"bool", TTextType::Bool},
    {"extended", TTextType::Extended}, {"date", TTextType::Date},
};

constexpr std::array CustomMethods = {
    "FindChild", "HandleElement", "AssignAttributes", "AssignAttribute", "HandleElementEnd", "CheckAssigned",
    "Clear",     "Write",         "CountAttributes"};

// The attribute types that take a start value, by the names start lines give them.
const std::map<std::string, TAttributeType> StartTypes = {
    {"int", TAttributeType::Int},
    {"hex", TAttributeType::Hex},
    {"enum", TAttributeType::Enum},
    {"float", TAttributeType::Float},
};

// The unit lines that set the policy a family shares.
constexpr std::array PolicyLines = {"assign-attributes", "presence", "unknown-enum", "ordinal",
                                    "namespace",         "start",    "document-data"};

// One line of a table split into tokens, with what follows the first token kept whole for free text.
struct TLine {
    int Number = 0;
    std::vector<std::string> Tokens;
    std::string Rest;
};

class TReader {
public:
    // chain holds the units that build on this one, which it must not build on in turn.
    TReader(const std::string& path, const std::string& tableFile, std::vector<std::string> chain)
        : FPath(tableFile), FFilePath(path), FChain(std::move(chain)) {
        std::ifstream file(path);
        if (!file) {
            throw TTableError(path + ": cannot be read");
        }
        FTable.TableFile = tableFile;
        std::string text;
        int number = 0;
        while (std::getline(file, text)) {
            ++number;
            ReadLine(Split(text, number));
        }
    }

    TTable Take() {
        Check();
        return std::move(FTable);
    }

private:
    [[noreturn]] void Fail(int line, const std::string& message) const {
        throw TTableError(FPath + ":" + std::to_string(line) + ": " + message);
    }

    static TLine Split(const std::string& text, int number) {
        TLine line{number, {}, {}};
        std::istringstream words(text);
        std::string word;
        while (words >> word) {
            line.Tokens.push_back(word == "\"\"" ? std::string() : word);
        }
        const size_t first = text.find_first_not_of(" \t");
        if (first != std::string::npos) {
            const size_t gap = text.find_first_of(" \t", first);
            const size_t rest = gap == std::string::npos ? std::string::npos : text.find_first_not_of(" \t", gap);
            line.Rest = rest == std::string::npos ? std::string() : text.substr(rest);
        }
        return line;
    }

    void Need(const TLine& line, size_t count) const {
        if (line.Tokens.size() < count) {
            Fail(line.Number, "\"" + line.Tokens[0] + "\" needs " + std::to_string(count - 1) + " values");
        }
    }

    void ReadLine(const TLine& line) {
        if (line.Tokens.empty() || line.Tokens[0].starts_with('#')) {
            return;
        }
        const std::string& keyword = line.Tokens[0];
        if (keyword == "about") {
            if (FTable.Classes.empty()) {
                FTable.About.push_back(line.Rest);
            } else {
                FTable.Classes.back().About.push_back(line.Rest);
            }
        } else if (keyword == "class" || keyword == "group" || keyword == "root") {
            Need(line, 2);
            TClass& item = FTable.Classes.emplace_back();
            item.Kind =
                keyword == "class" ? TClassKind::Element : (keyword == "group" ? TClassKind::Group : TClassKind::Root);
            item.Name = line.Tokens[1];
            item.Line = line.Number;
        } else if (!FTable.Classes.empty()) {
            ReadMemberLine(line, FTable.Classes.back());
        } else {
            ReadUnitLine(line);
        }
    }

    void ReadUnitLine(const TLine& line) {
        const std::string& keyword = line.Tokens[0];
        if (FPolicyLine == 0 && std::find(PolicyLines.begin(), PolicyLines.end(), keyword) != PolicyLines.end()) {
            FPolicyLine = line.Number;
        }
        if (keyword == "unit") {
            FTable.Unit = Value(line);
        } else if (keyword == "folder") {
            FTable.Folder = Value(line);
        } else if (keyword == "include") {
            FTable.Includes.push_back(Value(line));
        } else if (keyword == "ordinal") {
            FTable.Ordinal = Value(line);
        } else if (keyword == "document") {
            Need(line, 2);
            FTable.Document = line.Tokens[1];
            FTable.Accessors.assign(line.Tokens.begin() + 2, line.Tokens.end());
        } else if (keyword == "writes") {
            FTable.Writes = true;
        } else if (keyword == "assign-attributes") {
            FTable.AssignEveryTag = Choice(line, "every-tag", "tags-with-attributes");
        } else if (keyword == "presence") {
            FTable.PresenceAnyFlag = Choice(line, "any-flag", "occurred");
        } else if (keyword == "unknown-enum") {
            const std::string& rule = Value(line);
            if (rule != "first" && rule != "raise" && rule != "report" && rule != "keep") {
                Fail(line.Number, "\"unknown-enum\" is first, raise, report or keep");
            }
            FTable.RaiseUnknownEnum = rule == "raise";
            FTable.ReportUnknownEnum = rule == "report";
            FTable.KeepUnknownEnum = rule == "keep";
        } else if (keyword == "start") {
            Need(line, 3);
            const auto type = StartTypes.find(line.Tokens[1]);
            if (type == StartTypes.end()) {
                Fail(line.Number, "a start value is for int, hex, enum or float");
            }
            CheckNumber(line.Number, line.Tokens[2], "the start value of " + line.Tokens[1],
                        type->second == TAttributeType::Float);
            FTable.StartValues[type->second] = line.Tokens[2];
        } else if (keyword == "document-data") {
            Need(line, 3);
            FTable.DocumentData = line.Tokens[1];
            FTable.DocumentDataHeader = line.Tokens[2];
        } else if (keyword == "builds-on") {
            Need(line, 3);
            FTable.Bases.push_back({line.Tokens[1], {}, {line.Tokens.begin() + 2, line.Tokens.end()}, line.Number});
        } else if (keyword == "namespace") {
            Need(line, 3);
            for (size_t i = 2; i < line.Tokens.size(); ++i) {
                FTable.Namespaces.push_back({line.Tokens[1], line.Tokens[i]});
            }
        } else if (keyword == "enum") {
            Need(line, 4);
            FTable.Enums.push_back(
                {line.Tokens[1], line.Tokens[2], {line.Tokens.begin() + 3, line.Tokens.end()}, line.Number});
        } else {
            Fail(line.Number, "unknown line \"" + keyword + "\"");
        }
    }

    const std::string& Value(const TLine& line) const {
        Need(line, 2);
        return line.Tokens[1];
    }

    // True for the first word, false for the second.
    bool Choice(const TLine& line, const std::string& yes, const std::string& no) const {
        Need(line, 2);
        if (line.Tokens[1] != yes && line.Tokens[1] != no) {
            Fail(line.Number, "\"" + line.Tokens[0] + "\" is " + yes + " or " + no);
        }
        return line.Tokens[1] == yes;
    }

    void ReadMemberLine(const TLine& line, TClass& item) {
        const std::string& keyword = line.Tokens[0];
        if (keyword == "attribute") {
            item.Attributes.push_back(ReadAttribute(line));
        } else if (keyword == "text") {
            Need(line, 2);
            item.TextField = line.Tokens[1];
            size_t next = 2;
            item.TextType = ReadTextType(line, next);
            ReadOptions(line, next, {}, [](const std::string&, const std::string&) {});
        } else if (keyword == "ignore") {
            Need(line, 2);
            item.IgnoredAttributes.push_back(line.Tokens[1]);
            ReadOptions(line, 2, {"hash"},
                        [&](const std::string&, const std::string& value) { CheckHash(line, line.Tokens[1], value); });
        } else if (keyword == "clear") {
            item.Cleared = true;
        } else if (keyword == "custom") {
            Need(line, 2);
            if (std::find(CustomMethods.begin(), CustomMethods.end(), line.Tokens[1]) == CustomMethods.end()) {
                Fail(line.Number, "\"" + line.Tokens[1] + "\" is no method that can be written by hand");
            }
            item.Custom.insert(line.Tokens[1]);
        } else if (keyword == "declare" || keyword == "private") {
            (keyword == "declare" ? item.Declarations : item.PrivateDeclarations).push_back(line.Rest);
        } else {
            item.Members.push_back(ReadMember(line));
        }
    }

    TAttribute ReadAttribute(const TLine& line) {
        Need(line, 4);
        TAttribute attribute{line.Tokens[1], line.Tokens[2], TAttributeType::Text, {}, {}, line.Number};
        static const std::map<std::string, TAttributeType> types = {
            {"text", TAttributeType::Text},
            {"int", TAttributeType::Int},
            {"hex", TAttributeType::Hex},
            {"bool", TAttributeType::Bool},
            {"float", TAttributeType::Float},
            {"strlist", TAttributeType::StringList},
            {"enum", TAttributeType::Enum},
            {"tribool", TAttributeType::TriBool},
            {"adjcoord", TAttributeType::AdjCoordinate},
            {"adjangle", TAttributeType::AdjAngle},
        };
        const auto type = types.find(line.Tokens[3]);
        if (type == types.end()) {
            Fail(line.Number, "unknown attribute type \"" + line.Tokens[3] + "\"");
        }
        attribute.Type = type->second;
        size_t next = 4;
        if (attribute.Type == TAttributeType::Enum) {
            Need(line, 5);
            attribute.EnumName = line.Tokens[next++];
        }
        ReadOptions(line, next, {"default", "occurred", "fallback", "unknown", "required", "hash"},
                    [&](const std::string& option, const std::string& value) {
                        if (option == "required") {
                            attribute.Required = true;
                        } else if (option == "default") {
                            attribute.Default = value;
                        } else if (option == "occurred") {
                            attribute.Occurred = value;
                        } else if (option == "fallback") {
                            attribute.Fallback = value;
                        } else if (option == "unknown") {
                            attribute.Unknown = value;
                        } else {
                            CheckHash(line, attribute.XmlName, value);
                        }
                    });
        return attribute;
    }

    TMember ReadMember(const TLine& line) {
        static const std::map<std::string, std::pair<TMemberKind, size_t>> kinds = {
            {"child", {TMemberKind::Child, 4}},
            {"optional", {TMemberKind::Optional, 4}},
            {"list", {TMemberKind::List, 4}},
            {"stream", {TMemberKind::Stream, 5}},
            {"textchild", {TMemberKind::TextChild, 3}},
            {"values", {TMemberKind::Values, 4}},
            {"use", {TMemberKind::Group, 3}},
            {"sequence", {TMemberKind::Sequence, 3}},
            {"any", {TMemberKind::Any, 2}},
        };
        const auto kind = kinds.find(line.Tokens[0]);
        if (kind == kinds.end()) {
            Fail(line.Number, "unknown member line \"" + line.Tokens[0] + "\"");
        }
        Need(line, kind->second.second);
        TMember member;
        member.Kind = kind->second.first;
        member.Line = line.Number;
        size_t next = 1;
        const bool named = member.Kind != TMemberKind::Group && member.Kind != TMemberKind::Sequence &&
                           member.Kind != TMemberKind::Any;
        if (named) {
            member.XmlName = line.Tokens[next++];
        }
        member.Field = line.Tokens[next++];
        if (member.Kind == TMemberKind::TextChild) {
            member.TextType = ReadTextType(line, next);
        } else if (member.Kind != TMemberKind::Any) {
            member.Class = line.Tokens[next++];
        }
        if (member.Kind == TMemberKind::Stream) {
            member.Callback = line.Tokens[next++];
        }
        ReadOptions(line, next, {"main", "document", "counts-one", "hash"},
                    [&](const std::string& option, const std::string& value) {
                        if (option == "main") {
                            member.Main = true;
                        } else if (option == "document") {
                            member.DocumentCallback = true;
                        } else if (option == "counts-one") {
                            member.CountsOne = true;
                        } else {
                            CheckHash(line, member.XmlName, value);
                        }
                    });
        return member;
    }

    // An optional text type at next, which it passes.
    static TTextType ReadTextType(const TLine& line, size_t& next) {
        if (next < line.Tokens.size()) {
            const auto type = TextTypes.find(line.Tokens[next]);
            if (type != TextTypes.end()) {
                ++next;
                return type->second;
            }
        }
        return TTextType::Text;
    }

    // Options are a word ("main", "document", "required", "counts-one") or a word with a value ("hash 1266").
    template <class F>
    void ReadOptions(const TLine& line, size_t next, std::initializer_list<std::string> allowed, F take) const {
        while (next < line.Tokens.size()) {
            const std::string& option = line.Tokens[next++];
            if (std::find(allowed.begin(), allowed.end(), option) == allowed.end()) {
                Fail(line.Number, "unexpected \"" + option + "\"");
            }
            if (option == "main" || option == "document" || option == "required" || option == "counts-one") {
                take(option, {});
                continue;
            }
            if (next == line.Tokens.size()) {
                Fail(line.Number, "\"" + option + "\" needs a value");
            }
            take(option, line.Tokens[next++]);
        }
    }

    void CheckHash(const TLine& line, const std::string& name, const std::string& value) const {
        uint32_t given = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), given);
        const uint32_t sum = xls::XpgByteSumHash(name);
        if (error != std::errc() || end != value.data() + value.size() || given != sum) {
            Fail(line.Number, "the byte sum of \"" + name + "\" is " + std::to_string(sum) + ", not " + value);
        }
    }

    void CheckNumber(int line, const std::string& value, const std::string& what, bool bitsAllowed) const;
    void Check();
    void InheritFamily();
    void TakePolicy(const TTable& base);
    void CheckUnit() const;
    void CheckClass(const TClass& item) const;
    void CheckAttribute(const TClass& item, TAttribute& attribute) const;
    std::string ValueExpression(const TClass& item, const TAttribute& attribute, const std::string& value,
                                const std::string& what) const;
    void CheckMember(const TClass& item, const TMember& member) const;
    void MarkCleared();

    std::string FPath;
    std::string FFilePath;
    std::vector<std::string> FChain;
    // The first line that sets policy, or 0.
    int FPolicyLine = 0;
    TTable FTable;
};

// A C++ number literal as tables give defaults: decimal, with a sign or a fraction, or hexadecimal after "0x".
bool IsNumber(const std::string& text) {
    if (text.starts_with("0x")) {
        return text.size() > 2 && std::all_of(text.begin() + 2, text.end(), [](char digit) {
                   return std::isxdigit(static_cast<unsigned char>(digit));
               });
    }
    double value = 0;
    const char* first = text.data() + (text.starts_with('-') ? 1 : 0);
    const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

// A number as a default or start value gives it; a double given by its bits gives 16 hexadecimal digits.
void TReader::CheckNumber(int line, const std::string& value, const std::string& what, bool bitsAllowed) const {
    if (!IsNumber(value)) {
        Fail(line, what + " is no number");
    }
    if (bitsAllowed && value.starts_with("0x") && value.size() != 18) {
        Fail(line, "a double's bits are 16 hexadecimal digits");
    }
}

void TReader::Check() {
    InheritFamily();
    CheckUnit();
    for (TClass& item : FTable.Classes) {
        CheckClass(item);
        for (TAttribute& attribute : item.Attributes) {
            CheckAttribute(item, attribute);
        }
        for (const TMember& member : item.Members) {
            CheckMember(item, member);
        }
    }
    MarkCleared();
}

// Reads the tables of the units this one builds on and takes the family's policy, enumerations and named classes.
void TReader::InheritFamily() {
    if (FTable.Bases.empty()) {
        return;
    }
    if (FPolicyLine != 0) {
        Fail(FPolicyLine, "a unit that builds on another takes the family's policy");
    }
    if (!FTable.Enums.empty()) {
        Fail(FTable.Enums.front().Line, "a unit that builds on another declares no enumerations");
    }
    std::vector<std::string> chain = FChain;
    chain.push_back(FTable.Unit);
    for (TBaseUnit& base : FTable.Bases) {
        if (std::find(chain.begin(), chain.end(), base.Unit) != chain.end()) {
            Fail(base.Line, "\"" + base.Unit + "\" builds on this unit");
        }
        const std::filesystem::path file = std::filesystem::path(FFilePath).parent_path() / (base.Unit + ".tbl");
        const TTable table = TReader(file.string(), base.Unit + ".tbl", chain).Take();
        base.Folder = table.Folder;
        const std::string family = table.BuildsOnAnother() ? table.Family : table.Unit;
        if (FTable.Family.empty()) {
            FTable.Family = family;
            TakePolicy(table);
        } else if (family != FTable.Family) {
            Fail(base.Line, "\"" + base.Unit + "\" belongs to another family");
        }
        for (const std::string& name : base.Classes) {
            const TClass* found = nullptr;
            for (const TClass& item : table.Classes) {
                found = item.Name == name && item.Kind != TClassKind::Root ? &item : found;
            }
            if (found == nullptr) {
                Fail(base.Line, "no class \"" + name + "\" in " + base.Unit);
            }
            TClass& imported = FTable.ImportedClasses.emplace_back(*found);
            imported.ImportedFrom = base.Unit;
        }
    }
}

void TReader::TakePolicy(const TTable& base) {
    FTable.AssignEveryTag = base.AssignEveryTag;
    FTable.PresenceAnyFlag = base.PresenceAnyFlag;
    FTable.RaiseUnknownEnum = base.RaiseUnknownEnum;
    FTable.ReportUnknownEnum = base.ReportUnknownEnum;
    FTable.KeepUnknownEnum = base.KeepUnknownEnum;
    FTable.Ordinal = base.Ordinal;
    FTable.Namespaces = base.Namespaces;
    FTable.StartValues = base.StartValues;
    FTable.DocumentData = base.DocumentData;
    FTable.DocumentDataHeader = base.DocumentDataHeader;
    FTable.Enums = base.Enums;
}

void TReader::CheckUnit() const {
    if (FTable.Unit.empty() || FTable.Folder.empty() || FTable.Namespaces.empty()) {
        Fail(1, "a table needs unit, folder and namespace lines");
    }
    const auto roots = std::count_if(FTable.Classes.begin(), FTable.Classes.end(),
                                     [](const TClass& item) { return item.Kind == TClassKind::Root; });
    if (roots != (FTable.Document.empty() ? 0 : 1)) {
        Fail(1, "a table with a document has exactly one root, and one without a document has none");
    }
    std::set<std::string> names;
    for (const std::vector<TClass>* classes : {&FTable.ImportedClasses, &FTable.Classes}) {
        for (const TClass& item : *classes) {
            if (!names.insert(CppName(item.Name)).second) {
                Fail(item.Line, "a second class \"" + item.Name + "\"");
            }
        }
    }
    for (const TEnum& enumeration : FTable.Enums) {
        if (!names.insert(CppName("T" + enumeration.Name)).second) {
            Fail(enumeration.Line, "a second enumeration \"" + enumeration.Name + "\"");
        }
        std::set<std::string> values;
        for (const std::string& value : enumeration.Values) {
            if (!values.insert(CppName(value)).second) {
                Fail(enumeration.Line, "a second value \"" + value + "\" in " + enumeration.Name);
            }
        }
    }
    if (FTable.Document.empty()) {
        return;
    }
    const TClass& root = FTable.Root();
    for (const std::string& accessor : FTable.Accessors) {
        if (std::none_of(root.Members.begin(), root.Members.end(),
                         [&](const TMember& member) { return member.Field == accessor; })) {
            Fail(root.Line, "the document's accessor \"" + accessor + "\" names no member of the root");
        }
    }
}

void TReader::CheckClass(const TClass& item) const {
    if (item.About.empty()) {
        Fail(item.Line, "class \"" + item.Name + "\" needs an about line");
    }
    std::set<std::string> fields;
    std::set<std::string> elements;
    std::set<std::string> attributes;
    const auto addField = [&](const std::string& field, int line) {
        if (!fields.insert(CppName(field)).second) {
            Fail(line, "a second member \"" + field + "\"");
        }
    };
    for (const TAttribute& attribute : item.Attributes) {
        addField(attribute.Field, attribute.Line);
        if (!attributes.insert(attribute.XmlName).second) {
            Fail(attribute.Line, "a second attribute \"" + attribute.XmlName + "\"");
        }
    }
    for (const std::string& ignored : item.IgnoredAttributes) {
        if (!attributes.insert(ignored).second) {
            Fail(item.Line, "a second attribute \"" + ignored + "\" in " + item.Name);
        }
    }
    if (!item.TextField.empty()) {
        addField(item.TextField, item.Line);
    }
    for (const TMember& member : item.Members) {
        addField(member.Field, member.Line);
        if (!member.Callback.empty()) {
            addField(member.Callback, member.Line);
        }
        for (const std::string& name : ElementNames(FTable, member)) {
            if (!elements.insert(name).second) {
                Fail(member.Line, "a second child \"" + name + "\"");
            }
        }
        if (member.Kind == TMemberKind::Any &&
            (item.Kind != TClassKind::Element ||
             std::count_if(item.Members.begin(), item.Members.end(),
                           [](const TMember& other) { return other.Kind == TMemberKind::Any; }) > 1)) {
            Fail(member.Line, "only an element class keeps any elements, in one member");
        }
        if (member.Main && item.Kind != TClassKind::Root) {
            Fail(member.Line, "only the root has a main child");
        }
        if (member.CountsOne && member.Kind != TMemberKind::Optional) {
            Fail(member.Line, "only an optional member counts as one");
        }
        if (member.DocumentCallback && (member.Kind != TMemberKind::Stream || FTable.Document.empty())) {
            Fail(member.Line, "only a stream of a unit with a document has a document callback");
        }
    }
    if (item.Kind == TClassKind::Root && (!item.Attributes.empty() || !item.TextField.empty())) {
        Fail(item.Line, "the root keeps its attributes as texts and has no text");
    }
    if (FTable.Writes && !item.TextField.empty() && !item.Members.empty()) {
        Fail(item.Line, "a class that is written has text or children, not both");
    }
    if (FTable.Writes && item.TextType != TTextType::Text) {
        Fail(item.Line, "a unit that writes has text content of type text only");
    }
}

void TReader::CheckAttribute(const TClass& item, TAttribute& attribute) const {
    const int line = attribute.Line;
    if (FTable.Writes && attribute.Type != TAttributeType::Text && attribute.Type != TAttributeType::Enum) {
        Fail(line, "a unit that writes has text and enum attributes only");
    }
    if (!attribute.Unknown.empty() && (attribute.Type != TAttributeType::Enum || !IsNumber(attribute.Unknown))) {
        Fail(line, "only an enum has an unknown ordinal, and it is a number");
    }
    const bool boolean = attribute.Type == TAttributeType::Bool || attribute.Type == TAttributeType::TriBool;
    if (!attribute.Fallback.empty() && !boolean) {
        Fail(line, "only a bool or tribool has a fallback value");
    }
    if (IsAdjustable(attribute.Type)) {
        if (!attribute.Default.empty() || !attribute.Occurred.empty()) {
            Fail(line, "an adjustable value takes no default or occurred value");
        }
        return;
    }
    const auto start = FTable.StartValues.find(attribute.Type);
    if (attribute.Default.empty() && start != FTable.StartValues.end()) {
        attribute.Default = start->second;
    }
    const bool text = attribute.Type == TAttributeType::Text || attribute.Type == TAttributeType::StringList;
    if (text && !attribute.Occurred.empty()) {
        Fail(line, "texts and lists take no occurred value");
    }
    if (text) {
        if (attribute.Default.find_first_of("\"\\") != std::string::npos) {
            Fail(line, "a text default holds no quotes or backslashes");
        }
        attribute.Default = attribute.Default.empty() ? std::string() : "u\"" + attribute.Default + "\"";
        return;
    }
    attribute.Default = ValueExpression(item, attribute, attribute.Default, "default");
    if (!attribute.Occurred.empty()) {
        attribute.Occurred = ValueExpression(item, attribute, attribute.Occurred, "occurred value");
    }
    if (!attribute.Fallback.empty()) {
        attribute.Fallback = ValueExpression(item, attribute, attribute.Fallback, "fallback value");
    }
    if (FTable.ReportUnknownEnum && attribute.Type == TAttributeType::Enum && attribute.Unknown.empty()) {
        // A value the type lacks reads as what the element means without it.
        attribute.Unknown = attribute.Occurred.empty() ? attribute.Default : attribute.Occurred;
    }
}

// The C++ expression of a value an attribute's table gives: its default (empty for the type's zero) or the value it
// takes when its element begins.
std::string TReader::ValueExpression(const TClass& item, const TAttribute& attribute, const std::string& value,
                                     const std::string& what) const {
    if (attribute.Type == TAttributeType::Bool || attribute.Type == TAttributeType::TriBool) {
        const bool tristate = attribute.Type == TAttributeType::TriBool;
        if (value.empty()) {
            return tristate ? "xtsUnset" : "false";
        }
        if (value != "true" && value != "false") {
            Fail(attribute.Line, "a bool defaults to true or false");
        }
        return tristate ? (value == "true" ? "xtsTrue" : "xtsFalse") : value;
    }
    if (attribute.Type == TAttributeType::Enum) {
        const TEnum* enumeration = FTable.FindEnum(attribute.EnumName);
        if (enumeration == nullptr) {
            Fail(attribute.Line, "no enumeration \"" + attribute.EnumName + "\"");
        }
        const auto found = std::find(enumeration->Values.begin(), enumeration->Values.end(), value);
        if (found != enumeration->Values.end()) {
            return CppName("T" + enumeration->Name) + "::" + CppName(*found);
        }
    }
    if (value.empty()) {
        return "0";
    }
    const bool bits = attribute.Type == TAttributeType::Float && value.starts_with("0x");
    CheckNumber(attribute.Line, value, "the " + what + " of \"" + attribute.XmlName + "\" in " + item.Name, bits);
    if (bits) {
        // A double given by its bits, for a value that no short decimal text gives exactly.
        return "std::bit_cast<double>(uint64_t{" + value + "})";
    }
    return value;
}

void TReader::CheckMember(const TClass& item, const TMember& member) const {
    if (item.Kind == TClassKind::Root && member.Kind != TMemberKind::Child) {
        Fail(member.Line, "the root's members are child lines");
    }
    if (FTable.Writes && member.Kind != TMemberKind::Child && member.Kind != TMemberKind::List) {
        Fail(member.Line, "a unit that writes has child and list members only");
    }
    if (member.Kind == TMemberKind::Values &&
        std::find(ValueLists.begin(), ValueLists.end(), member.Class) == ValueLists.end()) {
        Fail(member.Line, "\"" + member.Class + "\" is no value list");
    }
    if (!HoldsObject(member)) {
        return;
    }
    const TClass* target = FTable.FindClass(member.Class);
    if (target == nullptr) {
        Fail(member.Line, "no class \"" + member.Class + "\"");
    }
    const bool wantsGroup = member.Kind == TMemberKind::Group || member.Kind == TMemberKind::Sequence;
    if ((target->Kind == TClassKind::Group) != wantsGroup || target->Kind == TClassKind::Root) {
        Fail(member.Line, "\"" + member.Class + (wantsGroup ? "\" is no group" : "\" is no element class"));
    }
    const bool named = std::all_of(target->Members.begin(), target->Members.end(), [](const TMember& offered) {
        return HoldsObject(offered) && !offered.XmlName.empty();
    });
    if (member.Kind == TMemberKind::Sequence && (target->Members.empty() || !named)) {
        Fail(member.Line, "the group of a sequence offers elements of its own only");
    }
}

// A class is cleared when it is streamed, asks to be, is cleared by hand, or is a member made with a class that is
// cleared; list items and optional members are freed rather than cleared.
void TReader::MarkCleared() {
    std::vector<std::string> pending;
    for (const TClass& item : FTable.Classes) {
        if (item.Cleared || item.Custom.contains("Clear")) {
            pending.push_back(item.Name);
        }
        for (const TMember& member : item.Members) {
            if (member.Kind == TMemberKind::Stream) {
                pending.push_back(member.Class);
            }
        }
    }
    while (!pending.empty()) {
        const auto own = std::find_if(FTable.Classes.begin(), FTable.Classes.end(),
                                      [&](const TClass& candidate) { return candidate.Name == pending.back(); });
        if (own == FTable.Classes.end()) {
            const TClass& imported = *FTable.FindClass(pending.back());
            if (!imported.HasClear) {
                Fail(imported.Line, "\"" + imported.Name + "\" of " + imported.ImportedFrom + " is not cleared");
            }
            pending.pop_back();
            continue;
        }
        TClass& item = *own;
        pending.pop_back();
        if (item.HasClear) {
            continue;
        }
        item.HasClear = true;
        for (const TMember& member : item.Members) {
            if (HoldsObject(member) && member.Kind != TMemberKind::List && member.Kind != TMemberKind::Sequence &&
                member.Kind != TMemberKind::Optional) {
                pending.push_back(member.Class);
            }
        }
    }
}

} // namespace

const TClass* TTable::FindClass(const std::string& name) const {
    for (const std::vector<TClass>* classes : {&Classes, &ImportedClasses}) {
        const auto found =
            std::find_if(classes->begin(), classes->end(), [&](const TClass& item) { return item.Name == name; });
        if (found != classes->end()) {
            return &*found;
        }
    }
    return nullptr;
}

const TEnum* TTable::FindEnum(const std::string& name) const {
    const auto found = std::find_if(Enums.begin(), Enums.end(), [&](const TEnum& item) { return item.Name == name; });
    return found == Enums.end() ? nullptr : &*found;
}

const TClass& TTable::Root() const {
    return *std::find_if(Classes.begin(), Classes.end(),
                         [](const TClass& item) { return item.Kind == TClassKind::Root; });
}

bool HoldsObject(const TMember& member) {
    return member.Kind != TMemberKind::TextChild && member.Kind != TMemberKind::Values &&
           member.Kind != TMemberKind::Any;
}

bool IsAdjustable(TAttributeType type) {
    return type == TAttributeType::AdjCoordinate || type == TAttributeType::AdjAngle;
}

std::vector<std::string> ElementNames(const TTable& table, const TMember& member) {
    if (member.Kind != TMemberKind::Sequence) {
        return member.XmlName.empty() ? std::vector<std::string>{} : std::vector<std::string>{member.XmlName};
    }
    std::vector<std::string> names;
    if (const TClass* group = table.FindClass(member.Class)) {
        for (const TMember& offered : group->Members) {
            if (!offered.XmlName.empty()) {
                names.push_back(offered.XmlName);
            }
        }
    }
    return names;
}

TTable ReadTable(const std::string& path, const std::string& tableFile) {
    return TReader(path, tableFile, {}).Take();
}

std::string CppName(const std::string& name) {
    std::string result;
    for (const char character : name) {
        const char mapped = std::isalnum(static_cast<unsigned char>(character)) ? character : '_';
        if (mapped != '_' || (!result.empty() && result.back() != '_')) {
            result += mapped;
        }
    }
    if (result.empty() || std::isdigit(static_cast<unsigned char>(result.front()))) {
        result.insert(result.begin(), '_');
    }
    if (std::find(CppKeywords.begin(), CppKeywords.end(), result) != CppKeywords.end()) {
        result += '_';
    }
    return result;
}

} // namespace xpggen
