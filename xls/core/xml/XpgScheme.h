#pragma once
// The element-class scheme of the parts the library reads through typed objects. A generated unit (written by
// tools/xpggen from a table of the part's schema) holds one class per complex type, a list class per repeating
// child, a root class whose members are the possible document elements, and a document class. What every unit
// shares is here, as templates over the unit's policy: each unit names its own base classes (TXPGBase and the rest
// are its aliases of these), so the units' objects never mix, while the code exists once.
//
// Reading is event-driven. The reader keeps the object that receives the next events (Current) and a stack of the
// objects above it. A begin tag asks Current for the child of that name (HandleElement); the child becomes Current
// and takes the tag's attributes (AssignAttributes); the end tag makes the parent Current again (HandleElementEnd).
// An element that a class does not know is reported to the document's TXpgPErrors and skipped with everything inside
// it, so that nothing of it reaches the objects around it.
//
// Names are matched by namespace, not by the prefix a part happens to write: a unit lists its namespaces with the
// prefixes its tables use, and a part that binds another prefix to one of them (x:worksheet, with x bound to
// SpreadsheetML) is read as if it used the unit's prefix. While no such binding is in scope, which is the common
// case, names are taken as written, without a lookup.
//
// A unit whose namespaces include markup compatibility (ECMA-376 Part 3) reads its alternate content: of an
// mc:AlternateContent block, the first mc:Choice whose Requires names only prefixes bound to the unit's namespaces
// is read, else the mc:Fallback, and never more than one branch; the branch's children go to the object current
// before the block, as if they stood in its place. The other branches are skipped whole.
//
// A unit's policy type (TUnit in each generated unit) provides:
//   using TOrdinal = ...;                          the type of enumeration fields
//   static constexpr TXpgUnitRules Rules;          where the units differ
//   static constexpr TXpgNamespace Namespaces[];   the namespaces and the prefixes the unit's names use
//   using TDocumentData = ...;                     (optional) what its documents hold beside the error sink
// Units of one family share one policy type, so that their objects mix: a class of one is a member of another's.

#include "rtl/core/Exceptions.h"
#include "rtl/core/Object.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringTypes.h"
#include "xls/core/xml/XpgAttributeList.h"
#include "xls/core/xml/XpgMessages.h"
#include "xls/core/xml/XpgPErrors.h"
#include "xls/core/xml/XpgReadXML.h"
#include "xls/core/xml/XpgValueLists.h"
#include "xls/core/xml/XpgWriteXML.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace xls {

// A boolean attribute that may be absent from its element: false, true, or not given (when it has no default).
enum TXpgTriState : uint8_t { xtsFalse = 0, xtsTrue = 1, xtsUnset = 2 };

// The bits of an element's Flags. The first three are computed by CheckAssigned for writing; xpgOccurred is set when
// the element is read.
inline constexpr uint8_t xpgChildrenAssigned = 1;
inline constexpr uint8_t xpgAttributesAssigned = 2;
inline constexpr uint8_t xpgTextAssigned = 4;
inline constexpr uint8_t xpgOccurred = 8;
inline constexpr uint8_t xpgAnyFlag = 15;

// What a unit does where the units differ.
struct TXpgUnitRules {
    // Whether a begin tag without attributes is offered to AssignAttributes all the same.
    bool AssignEveryTag;
    // The flags that tell Assigned() an element is there: xpgOccurred (read from the part), or xpgAnyFlag (also
    // counted by CheckAssigned, as writing units test it).
    uint8_t PresenceMask;
    // Whether an enumeration value missing from its type raises "Can not find enum" rather than giving ordinal 0.
    bool RaiseUnknownEnum;
};

// A namespace of a unit and the prefix by which the unit's names write it ("" for names without a prefix).
struct TXpgNamespace {
    std::string_view Prefix;
    std::string_view Uri;
};

// The markup-compatibility namespace (ECMA-376 Part 3), whose alternate content a unit listing it reads.
inline constexpr std::string_view XpgCompatibilityNamespace =
    "http://schemas.openxmlformats.org/markup-compatibility/2006";

// One enumeration of a schema: its values in ordinal order, found by name in any letter case (ASCII).
class TXpgEnumType {
public:
    // prefix is "st" and the type's letters; it leads the key named in a lookup failure ("sttmExternal").
    TXpgEnumType(std::u16string_view prefix, std::span<const std::u16string_view> values);
    // The lookup views the type's own names, so a copy would view its source's.
    TXpgEnumType(const TXpgEnumType&) = delete;
    TXpgEnumType& operator=(const TXpgEnumType&) = delete;

    // The ordinal of the value named value, or -1.
    int32_t Find(rtl::UnicodeStringView value) const;
    // The name of ordinal, or an empty text when no value has that ordinal.
    std::u16string_view Name(int32_t ordinal) const;
    int32_t Count() const { return static_cast<int32_t>(FValues.size()); }
    std::u16string_view Prefix() const { return FPrefix; }

private:
    std::u16string_view FPrefix;
    std::span<const std::u16string_view> FValues;
    // The values' names in capitals, and the ordinals by those names (viewing FUpperNames, which never grows again).
    std::vector<std::u16string> FUpperNames;
    std::unordered_map<std::u16string_view, int32_t> FOrdinals;
};

// "Can not find enum" with the key of a value missing from type: its prefix followed by the value.
rtl::UnicodeString XpgUnknownEnumMessage(const TXpgEnumType& type, rtl::UnicodeStringView value);
// A "hex" attribute: hexadecimal digits as an unsigned 32-bit pattern; 0 for an empty value, a non-hexadecimal
// character, or more than 32 bits.
int32_t XpgHexToInt(rtl::UnicodeStringView value);
// Whether an attribute is a namespace declaration (xmlns or xmlns:prefix) rather than an attribute of its element.
bool XpgIsNamespaceDeclaration(const TXpgXmlAttribute& attribute);
// Adds an enumeration attribute, by the name of its value, to the writer's next tag; an ordinal that names no value
// (an attribute that is absent) adds nothing.
void XpgAddEnumAttribute(TXpgWriteXML& writer, rtl::UnicodeStringView name, const TXpgEnumType& type, int32_t ordinal);
// Adds a kept document-element attribute (the text name="value", value unescaped) to the writer's next tag, escaped
// again; a text of another form is taken as markup and added as it stands.
void XpgWriteKeptAttribute(TXpgWriteXML& writer, rtl::UnicodeStringView text);

// The reader of a generated unit, without the unit's types: the namespace bindings in scope, the names of the
// current tag as the unit writes them, and the subtrees being skipped.
class TXpgSchemeReaderBase : public TXpgReadXML {
public:
    TXpgSchemeReaderBase(TXpgPErrors& errors, std::span<const TXpgNamespace> namespaces);
    ~TXpgSchemeReaderBase() override;

    TXpgPErrors& Errors() const { return FErrors; }

    // Inside BeginTag: the element's qualified name with the unit's prefix for its namespace, its hashes, and the
    // tag's attributes with such names. A prefix bound to no namespace of the unit stays as written.
    std::string_view ElementName() const { return FElementName; }
    uint32_t ElementSumHash() const { return XpgByteSumHash(FElementName); }
    uint32_t ElementMulHash() const { return XpgByteMulHash(FElementName); }
    bool IsElement(std::string_view name) const { return FElementName == name; }
    const TXpgXMLAttributeList& ElementAttributes() const { return *FElementAttributes; }
    // Whether the children of the current element, levels deep at most, would be read under the names they are
    // written with and reach its object: no subtree is being skipped, no binding renames, the element is no block of
    // alternate content, and the depth limit leaves room.
    bool ReadsChildrenAsWritten(int32_t levels) const;
    // Reports the current element, by its name as written, as unknown (row 0, as every report of the scheme).
    void ReportUnknownElement() const;

    // Parsing starts from the root with no binding in scope, also after a parse that failed.
    int64_t Parse(rtl::TStream& stream) override;
    int64_t ParseLoose(rtl::TStream& stream) override;

protected:
    virtual void Restart();
    // At a begin tag: opens the element's scope and works out its names; false inside a skipped subtree.
    bool EnterScope();
    // After EnterScope: true when the element belongs to alternate content rather than to the current object (the
    // block, or one of its branches, which is read or skipped here); its end closes it without reaching an object.
    bool EnterAlternateContent();
    // The element just entered is skipped with its subtree.
    void SkipSubtree() { FSkipDepth = 1; }
    // At an end tag: closes the element's scope; false when the element was skipped, was alternate content (or
    // closes nothing).
    bool LeaveScope();

private:
    // A prefix bound by a declaration of the element at Depth.
    struct TBinding {
        std::string Prefix;
        // The unit's prefix for the namespace bound, when it is one of the unit's (Known).
        std::string_view UnitPrefix;
        int32_t Depth;
        bool Known;
        // Known, with a prefix other than the unit's.
        bool Renames;
    };

    void BindDeclaredPrefixes();
    // The unit's prefix for the namespace that prefix is bound to; false when it is bound to none of the unit's.
    bool FindUnitPrefix(std::string_view prefix, std::string_view& unitPrefix) const;
    void TranslateNames();
    // The name with the unit's prefix, into target; false when it stays as written.
    bool TranslateName(std::string_view name, std::string& target) const;
    // As TranslateName for an attribute's name: only prefixed names that declare nothing belong to a namespace.
    bool TranslateAttributeName(std::string_view name, std::string& target) const;
    // Whether every prefix that the current mc:Choice requires is bound to a namespace of the unit.
    bool RequirementsKnown() const;

    // An open element of alternate content: a block, which remembers whether a branch of it was taken, or the
    // branch being read.
    struct TAlternateScope {
        int32_t Depth;
        bool Block;
        bool BranchTaken;
    };

    TXpgPErrors& FErrors;
    std::span<const TXpgNamespace> FNamespaces;
    std::vector<TBinding> FBindings;
    int32_t FRenamingBindings = 0;
    // The names of alternate content with the unit's prefix, empty when the unit does not read it.
    std::string FAlternateContentName;
    std::string FChoiceName;
    std::string FFallbackName;
    std::vector<TAlternateScope> FAlternateScopes;
    int32_t FDepth = 0;
    int64_t FSkipDepth = 0;
    std::string_view FElementName;
    std::string FTranslatedName;
    TXpgXMLAttributeList FTranslatedAttributes;
    const TXpgXMLAttributeList* FElementAttributes;
};

template <class Unit>
class TXpgSchemeReader;

// What a unit's documents hold beside the error sink: the unit's TDocumentData when it names one, else nothing.
struct TXpgNoDocumentData {};
template <class Unit>
struct TXpgDocumentDataOf {
    using Type = TXpgNoDocumentData;
};
template <class Unit>
requires requires {
    typename Unit::TDocumentData;
}
struct TXpgDocumentDataOf<Unit> {
    using Type = typename Unit::TDocumentData;
};

// The base of a unit's document: the sink of the names the unit's classes do not know, and the unit's document data
// (TXPGDocBase).
template <class Unit>
class TXpgSchemeDocBase : public rtl::TObject, public TXpgDocumentDataOf<Unit>::Type {
public:
    TXpgPErrors& Errors() { return FErrors; }

private:
    TXpgPErrors FErrors;
};

// The base of a unit's element classes (TXPGBase).
template <class Unit>
class TXpgSchemeBase : public rtl::TObject {
public:
    using TReader = TXpgSchemeReader<Unit>;
    using TDocBase = TXpgSchemeDocBase<Unit>;
    using TOrdinal = typename Unit::TOrdinal;

    // elementCount and attributeCount are the numbers of child-element members and attributes of the schema type.
    TXpgSchemeBase(TDocBase& owner, int32_t elementCount, int32_t attributeCount)
        : FOwner(owner), FElementCount(elementCount), FAttributeCount(attributeCount) {}

    TDocBase& Owner() const { return FOwner; }
    int32_t ElementCount() const { return FElementCount; }
    int32_t AttributeCount() const { return FAttributeCount; }
    uint8_t Flags() const { return FFlags; }
    void SetFlags(uint8_t flags) { FFlags = flags; }
    bool Assigned() const { return (FFlags & Unit::Rules.PresenceMask) != 0; }

    // Recomputes the assigned flags for writing and returns the number of assigned members.
    virtual int32_t CheckAssigned() { return 1; }
    // The object that receives the child element beginning now, or nullptr to skip it with its subtree: unknown
    // children are reported first, except in a class with no child elements, which passes over them silently.
    virtual TXpgSchemeBase* HandleElement(TReader& reader) {
        TXpgSchemeBase* child = FindChild(reader);
        if (child == nullptr && FElementCount > 0) {
            reader.ReportUnknownElement();
        }
        return child;
    }
    // Stores every attribute the class knows; in a class with attributes the others are reported (namespace
    // declarations are not attributes and pass silently).
    virtual void AssignAttributes(const TXpgXMLAttributeList& attributes) {
        if (FAttributeCount == 0) {
            return;
        }
        for (int32_t i = 0; i < attributes.GetCount(); ++i) {
            const TXpgXmlAttribute& attribute = attributes.GetItem(i);
            if (!AssignAttribute(attribute) && !XpgIsNamespaceDeclaration(attribute)) {
                FOwner.Errors().ReportUnknown(TXpgUnknownKind::Attribute, attribute.Name(), 0);
            }
        }
    }
    // Called when a child has ended and this object is current again.
    virtual void HandleElementEnd() {}
    // The child object for the element beginning now, or nullptr when the class has no child of that name.
    virtual TXpgSchemeBase* FindChild(TReader&) { return nullptr; }
    // Stores one attribute; false when the class has none of that name. Storing the same attribute again changes
    // nothing.
    virtual bool AssignAttribute(const TXpgXmlAttribute&) { return false; }

    // The ordinal of value in type; a value it lacks gives 0, or raises where the unit says so.
    static TOrdinal StrToEnum(const TXpgEnumType& type, rtl::UnicodeStringView value) {
        const int32_t ordinal = type.Find(value);
        if (ordinal >= 0) {
            return static_cast<TOrdinal>(ordinal);
        }
        if (Unit::Rules.RaiseUnknownEnum) {
            throw rtl::Exception(XpgUnknownEnumMessage(type, value));
        }
        return 0;
    }
    // Sets field to the ordinal of value in type; a value the type lacks is reported as "Can not find enum" and leaves
    // field as it was.
    void AssignEnum(const TXpgEnumType& type, rtl::UnicodeStringView value, TOrdinal& field) const {
        const int32_t ordinal = type.Find(value);
        if (ordinal >= 0) {
            field = static_cast<TOrdinal>(ordinal);
            return;
        }
        FOwner.Errors().Report(XpgUnknownEnumMessage(type, value));
    }

protected:
    // Takes the text that follows the element's begin tag, in a class with text content.
    virtual void SetTextContent(rtl::UnicodeStringView) {}

    // Hands a child out: it occurred, and takes the text after its begin tag.
    static TXpgSchemeBase* Enter(TXpgSchemeBase& child, TReader& reader) {
        child.FFlags = xpgOccurred;
        if (reader.HasText()) {
            child.SetTextContent(reader.GetText());
        }
        return &child;
    }
    // A child member created at its first occurrence.
    template <class T>
    T& Created(std::unique_ptr<T>& member) const {
        if (!member) {
            member = std::make_unique<T>(FOwner);
        }
        return *member;
    }
    // Sets the assigned flags from the counts of assigned attributes, text and children, and returns their sum.
    int32_t SetAssigned(int32_t attributes, int32_t text, int32_t children) {
        FFlags = (children > 0 ? xpgChildrenAssigned : 0) | (attributes > 0 ? xpgAttributesAssigned : 0) |
                 (text > 0 ? xpgTextAssigned : 0);
        return attributes + text + children;
    }

    // Writes the element named name after the attributes added for it: true when it has children to write, which
    // the caller writes before EndWrite; otherwise the element is complete, with text as its content.
    bool BeginWrite(TXpgWriteXML& writer, rtl::UnicodeStringView name, rtl::UnicodeStringView text) const {
        if ((FFlags & xpgChildrenAssigned) != 0) {
            writer.BeginTag(name);
            return true;
        }
        SetPendingText(writer, text);
        writer.EmptyTag(name);
        return false;
    }
    void EndWrite(TXpgWriteXML& writer, rtl::UnicodeStringView text) const {
        SetPendingText(writer, text);
        writer.EndTag();
    }

private:
    void SetPendingText(TXpgWriteXML& writer, rtl::UnicodeStringView text) const {
        if ((FFlags & xpgTextAssigned) != 0) {
            writer.SetPendingText(text);
        }
    }

    TDocBase& FOwner;
    int32_t FElementCount;
    int32_t FAttributeCount;
    uint8_t FFlags = 0;
};

// The base of a unit's list classes (TXPGBaseObjectList).
template <class Unit>
class TXpgSchemeObjectList : public rtl::TObject {
public:
    explicit TXpgSchemeObjectList(TXpgSchemeDocBase<Unit>& owner) : FOwner(owner) {}

    TXpgSchemeDocBase<Unit>& Owner() const { return FOwner; }
    // The result of the last CheckAssigned: whether the items counted anything.
    bool Assigned() const { return FAssigned; }

protected:
    void SetAssigned(bool assigned) { FAssigned = assigned; }

private:
    TXpgSchemeDocBase<Unit>& FOwner;
    bool FAssigned = false;
};

// The items of a repeating child, owned, in document order (the unit's TCT_...XpgList classes).
template <class Unit, class TItem>
class TXpgSchemeList : public TXpgSchemeObjectList<Unit> {
public:
    using TXpgSchemeObjectList<Unit>::TXpgSchemeObjectList;

    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    // An index outside 0..Count()-1 raises rtl::EListError.
    TItem& GetItem(int32_t index) const {
        if (index < 0 || index >= Count()) {
            throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
        }
        return *FItems[static_cast<size_t>(index)];
    }
    // Appends a new item and returns it.
    TItem& Add() { return *FItems.emplace_back(std::make_unique<TItem>(this->Owner())); }
    void Clear() { FItems.clear(); }
    int32_t CheckAssigned() {
        int32_t sum = 0;
        for (const std::unique_ptr<TItem>& item : FItems) {
            sum += item->CheckAssigned();
        }
        this->SetAssigned(sum > 0);
        return sum;
    }
    void Write(TXpgWriteXML& writer, rtl::UnicodeStringView name) const {
        for (const std::unique_ptr<TItem>& item : FItems) {
            item->Write(writer, name);
        }
    }

private:
    std::vector<std::unique_ptr<TItem>> FItems;
};

// An element kept because no class reads it, as the content of an extension (TXPGAnyElement): its name as written,
// the text after its begin tag, and the attributes of the element and of every element inside it, in document order.
// The elements inside are not kept apart, and their texts are lost.
template <class Unit>
class TXpgSchemeAnyElement : public TXpgSchemeBase<Unit> {
public:
    using typename TXpgSchemeBase<Unit>::TReader;

    explicit TXpgSchemeAnyElement(TXpgSchemeDocBase<Unit>& owner) : TXpgSchemeBase<Unit>(owner, 0, 0) {}

    const rtl::UnicodeString& GetName() const { return FName; }
    void SetName(rtl::UnicodeStringView name) { FName = name; }
    const rtl::UnicodeString& GetText() const { return FText; }
    const TXpgXMLAttributeList& GetAttributes() const { return FAttributes; }

    TXpgSchemeBase<Unit>* HandleElement(TReader&) override { return this; }
    void AssignAttributes(const TXpgXMLAttributeList& attributes) override {
        FAttributes.AddAttributes(attributes.Items(), attributes.GetCount());
    }

protected:
    void SetTextContent(rtl::UnicodeStringView text) override { FText = text; }

private:
    rtl::UnicodeString FName;
    rtl::UnicodeString FText;
    TXpgXMLAttributeList FAttributes;
};

// The base of a unit's root (T__ROOT__): the parent of the document element. It keeps the attributes of the
// document element that the element's class does not store (namespace declarations and any others) as texts
// name="value", to be written back with the element.
template <class Unit>
class TXpgSchemeRoot : public TXpgSchemeBase<Unit> {
public:
    using TXpgSchemeBase<Unit>::TXpgSchemeBase;
    using typename TXpgSchemeBase<Unit>::TReader;

    TStringXpgList& GetAttributes() { return FAttributes; }

    TXpgSchemeBase<Unit>* HandleElement(TReader& reader) override {
        TXpgSchemeBase<Unit>* child = TXpgSchemeBase<Unit>::HandleElement(reader);
        // The element's attributes come in the tag's order, named as the unit names them; the kept texts name them
        // as written.
        const TXpgXMLAttributeList& attributes = reader.ElementAttributes();
        for (int32_t i = 0; child != nullptr && i < attributes.GetCount(); ++i) {
            if (!child->AssignAttribute(attributes.GetItem(i))) {
                FAttributes.Add(reader.Attributes().FormatNameValue(i));
            }
        }
        return child;
    }

protected:
    // Adds the kept attributes to the writer's next tag, which is the document element's.
    void WriteKeptAttributes(TXpgWriteXML& writer) const {
        for (int32_t i = 0; i < FAttributes.GetCount(); ++i) {
            XpgWriteKeptAttribute(writer, FAttributes.GetItem(i));
        }
    }

private:
    TStringXpgList FAttributes;
};

// The reader of a unit (TXPGReader): dispatches each begin and end tag to the current object.
template <class Unit>
class TXpgSchemeReader : public TXpgSchemeReaderBase {
public:
    using TBase = TXpgSchemeBase<Unit>;

    TXpgSchemeReader(TXpgPErrors& errors, TBase& root)
        : TXpgSchemeReaderBase(errors, Unit::Namespaces), FRoot(root), FCurrent(&root) {}

    TBase& Current() const { return *FCurrent; }

    void BeginTag() override {
        if (!EnterScope() || EnterAlternateContent()) {
            return;
        }
        TBase* child = FCurrent->HandleElement(*this);
        if (child == nullptr) {
            SkipSubtree();
            return;
        }
        FStack.push_back(FCurrent);
        FCurrent = child;
        const TXpgXMLAttributeList& attributes = ElementAttributes();
        if (Unit::Rules.AssignEveryTag || attributes.GetCount() > 0) {
            child->AssignAttributes(attributes);
        }
    }
    void EndTag() override {
        if (!LeaveScope()) {
            return;
        }
        FCurrent = FStack.back();
        FStack.pop_back();
        FCurrent->HandleElementEnd();
    }

protected:
    void Restart() override {
        TXpgSchemeReaderBase::Restart();
        FCurrent = &FRoot;
        FStack.clear();
    }

private:
    TBase& FRoot;
    TBase* FCurrent; // not owned
    // The objects above Current, one per open element; not owned.
    std::vector<TBase*> FStack;
};

// A unit's document: its root, with the reader that fills it from a part and the writing of it back.
template <class Unit, class TRoot>
class TXpgSchemeDocument : public TXpgSchemeDocBase<Unit> {
public:
    TXpgSchemeDocument() : FRoot(*this), FReader(this->Errors(), FRoot) {}

    TRoot& GetRoot() { return FRoot; }
    TXpgSchemeReader<Unit>& Reader() { return FReader; }

    // Reads a part into the objects; nothing is cleared first. Exceptions of the reader and raised reports pass.
    void LoadFromStream(rtl::TStream& stream) { FReader.Parse(stream); }
    // Writes the document: the XML declaration and the document element (units that write).
    void SaveToStream(rtl::TStream& stream) {
        TXpgWriteXML writer;
        writer.SetStream(stream);
        FRoot.CheckAssigned();
        FRoot.Write(writer);
    }

private:
    TRoot FRoot;
    TXpgSchemeReader<Unit> FReader;
};

} // namespace xls
