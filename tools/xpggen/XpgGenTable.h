#pragma once
// The element table of one generated unit, as read from its table file. A table is a list of lines; "#" starts a
// comment line, and blank lines separate nothing. Tokens are separated by blanks; "" is an empty token.
//
// Unit lines:
//   unit <name>                        the unit, its C++ namespace and its file names (<name>.h, <name>.cpp)
//   folder <path>                      the folder of the generated files, from the repository root
//   about <text>                       a line of the header's opening paragraph (repeatable)
//   include <header>                   a header the unit's declarations need (repeatable)
//   document <class> <field>...        the document class and the root members it has accessors for; a unit without
//                                      one (and without a root) holds classes for the units that build on it
//   writes                             the unit writes its documents back
//   assign-attributes every-tag|tags-with-attributes   (default tags-with-attributes)
//   presence any-flag|occurred                         what Assigned() tests (default occurred)
//   unknown-enum first|raise|report|keep               an enumeration value not found gives the first value, raises,
//                                                      or is reported and gives the attribute's unknown ordinal:
//                                                      its unknown value, else its occurred value, else its default;
//                                                      or (keep) is reported as "Can not find enum" with the type's
//                                                      prefix and the value and leaves the field as it was
//                                                      (default first)
//   start int|hex|enum|float <value>   what an attribute of that type without a default starts with (otherwise 0); a
//                                      float may give its 16 hexadecimal digits after "0x", whose start value then
//                                      counts by its bits (a NaN as unset)
//   document-data <class> <header>     what the unit's documents hold beside the error sink, reached by its classes
//                                      through Owner(): a class the header declares, made with the document
//   ordinal <type>                     the C++ type of enumeration fields (default uint8_t)
//   namespace <prefix> <uri>...        a namespace of the unit and the prefix its names use ("" for none); a unit
//                                      that lists the markup-compatibility namespace reads mc:AlternateContent: the
//                                      first mc:Choice whose required namespaces are all the unit's, else the
//                                      mc:Fallback, as if its children stood in place of the block
//   enum <ST_name> <key prefix> <value>...             an enumeration, values in ordinal order
//   builds-on <unit> <class>...        the unit belongs to the family of <unit>, whose table <unit>.tbl lies beside
//   this
//                                      one: it takes the family's policy (the lines from assign-attributes to
//                                      document-data above, which it does not repeat), its enumerations (it declares
//                                      none) and its bases, so that the objects of the family's units mix; the
//                                      classes named (defined by <unit>) are those this unit's members may hold.
//                                      Repeatable, for more classes or another unit of the same family.
//
// Class lines start a class, whose member lines follow it:
//   class <name>                       an element class (TCT_...)
//   group <name>                       an element group (TEG_...): offers its members, reports nothing
//   root <name>                        the parent of the document element; its members are child lines
//
// Member lines (<xml name> as written with the unit's prefix; "hash <n>" checks the name's byte sum):
//   about <text>                       what the class is for (required; a line of it, repeatable)
//   attribute <xml name> <field> <type> [default <value>] [occurred <value>] [fallback <value>] [unknown <n>]
//             [required] [hash <n>]
//       types: text, int, hex, bool, float, strlist, enum <ST_name> (default: a number or a value's name; a float
//              may give the 16 hexadecimal digits of its bits after "0x"; a text its value and a strlist its one
//              item, without quotes or backslashes); tribool (a TXpgTriState: unset until read unless a default
//              true or false is given; a text that is no boolean gives the default, else false); adjcoord and
//              adjangle (a TST_AdjCoordinate or TST_AdjAngle: a number or a guide name, without a default)
//       required: the class counts its attributes as one, always (whatever the others hold)
//       occurred: the value the field takes when its element begins, which an element without the attribute
//                 means; a bool value that is no boolean text also gives it (not for texts and lists)
//       fallback: (bool, tribool) the value a text that is no boolean gives, in place of the occurred value or
//                 the default
//       unknown:  (enum) a value missing from the enumeration is reported and gives the ordinal n
//   ignore <xml name> [hash <n>]       an attribute taken without being kept (and without a report)
//   text <field> [<text type>]         the text content of the element
//   child <xml name> <field> <class> [main] [hash <n>]    one object, made with its parent; a root's main child is
//                                                         written even when nothing is assigned
//   optional <xml name> <field> <class> [counts-one] [hash <n>]
//                                      one object, made at its first occurrence; with counts-one its owner's
//                                      CheckAssigned counts it as one while it exists, whatever it holds
//   list <xml name> <field> <class> [hash <n>]             a new item per occurrence
//   sequence <field> <group>           a list of the group, made with its parent: each element that one of the group's
//                                      members takes (the group names elements only) adds a new item, which takes
//                                      it, so the elements of all those names keep their document order
//   any <field>                        every child element that the class's other members do not take is kept as a
//                                      TXPGAnyElement in a TXPGAnyElements list made with its parent (not in a group)
//   stream <xml name> <field> <class> <callback> [document] [hash <n>]
//                                      one reused object, cleared at each begin tag and handed to the callback after
//                                      its end tag; a document callback is set on the document, so that the items of a
//                                      list all hand their objects to one callback
//   textchild <xml name> <field> [<text type>] [hash <n>]  the text of a child element, kept in a field
//       text types (default text): text; int (32-bit, 0 for a text that is no integer); bool (false for a text that
//       is no boolean); extended (an 80-bit float, 0 for a text that is no number); date (a date-time as XML writes
//       it, 0 for other text)
//   values <xml name> <field> <value list> [hash <n>]      the text of each occurrence of a child element, added to
//                                                         a value list: TStringXpgList, TLongwordXpgList (a text
//                                                         that is no 32-bit integer raises), TExtendedXpgList,
//                                                         TTDateTimeXpgList, TBooleanXpgList (a text that is no
//                                                         boolean raises)
//   use <field> <group>                group members offered after the class's own children
//   clear                              the class offers Clear, which restores what its constructor made (a root also
//                                      forgets the document element's attributes); the members its constructor made
//                                      are cleared with it, its optional members and list items freed
//   custom <method>                    declared, written by hand: FindChild, HandleElement, AssignAttributes,
//                                      AssignAttribute, HandleElementEnd, CheckAssigned, Clear, Write; or
//                                      CountAttributes (int32_t CountAttributes() const), which counts the class's
//                                      attributes for the generated CheckAssigned
//   declare <C++ declaration>          a public declaration added to the class
//   private <C++ declaration>          a private declaration added to the class

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace xpggen {

// A mistake in a table, named with its file and line.
class TTableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TAttributeType { Text, Int, Hex, Bool, Float, StringList, Enum, TriBool, AdjCoordinate, AdjAngle };

struct TAttribute {
    std::string XmlName;
    std::string Field;
    TAttributeType Type = TAttributeType::Text;
    std::string EnumName;
    // A C++ expression: a number, an enumeration's value, or a text literal (u"...") for a text and a string list's
    // one item; empty for an empty text or list.
    std::string Default;
    int Line = 0;
    // A C++ expression, or empty when beginning the element leaves the field as it is.
    std::string Occurred;
    // A C++ expression, or empty when a text that is no boolean gives the occurred value, else the default.
    std::string Fallback;
    // A C++ expression, or empty when a missing enumeration value takes the unit's rule.
    std::string Unknown;
    bool Required = false;
};

// The type of a text kept in a field: the text of an element or of a child element.
enum class TTextType { Text, Int, Bool, Extended, Date };

enum class TMemberKind { Child, Optional, List, Stream, TextChild, Values, Group, Sequence, Any };

struct TMember {
    TMemberKind Kind = TMemberKind::Child;
    std::string XmlName;
    std::string Field;
    // The element class, or the value list of a values member.
    std::string Class;
    std::string Callback;
    TTextType TextType = TTextType::Text;
    bool Main = false;
    // The callback of a stream is the document's, not the class's.
    bool DocumentCallback = false;
    // An optional member that its owner counts as one while it exists, whatever it holds.
    bool CountsOne = false;
    int Line = 0;
};

enum class TClassKind { Element, Group, Root };

struct TClass {
    TClassKind Kind = TClassKind::Element;
    std::string Name;
    std::vector<std::string> About;
    std::vector<TAttribute> Attributes;
    // The names of attributes taken without being kept.
    std::vector<std::string> IgnoredAttributes;
    std::string TextField;
    TTextType TextType = TTextType::Text;
    std::vector<TMember> Members;
    std::set<std::string> Custom;
    std::vector<std::string> Declarations;
    std::vector<std::string> PrivateDeclarations;
    // Asked for by a clear line.
    bool Cleared = false;
    // Set by the table's check: the class is cleared for reuse (a streamed object, a class with a clear line, or a
    // member of one).
    bool HasClear = false;
    // The unit that defines a class this unit builds on; empty for the unit's own classes.
    std::string ImportedFrom;
    int Line = 0;
};

struct TEnum {
    std::string Name;
    std::string Prefix;
    std::vector<std::string> Values;
    int Line = 0;
};

struct TNamespace {
    std::string Prefix;
    std::string Uri;
};

// A unit this one builds on, and the classes of it named.
struct TBaseUnit {
    std::string Unit;
    std::string Folder;
    std::vector<std::string> Classes;
    int Line = 0;
};

struct TTable {
    std::string TableFile;
    std::string Unit;
    std::string Folder;
    std::vector<std::string> About;
    std::vector<std::string> Includes;
    std::string Document;
    std::vector<std::string> Accessors;
    bool Writes = false;
    bool AssignEveryTag = false;
    bool PresenceAnyFlag = false;
    bool RaiseUnknownEnum = false;
    // Whether an enumeration value missing from its type is reported; the table's check then gives every enumeration
    // attribute its unknown ordinal.
    bool ReportUnknownEnum = false;
    // Whether an enumeration value missing from its type is reported and leaves the field as it was.
    bool KeepUnknownEnum = false;
    std::string Ordinal = "uint8_t";
    std::vector<TNamespace> Namespaces;
    // The start values by attribute type (int, hex, enum, float), as the table gives them.
    std::map<TAttributeType, std::string> StartValues;
    std::string DocumentData;
    std::string DocumentDataHeader;
    // The units this one builds on, and the first unit of the family, whose policy and enumerations it takes (empty
    // for a unit that builds on none).
    std::vector<TBaseUnit> Bases;
    std::string Family;
    // The family's enumerations when the unit builds on another.
    std::vector<TEnum> Enums;
    std::vector<TClass> Classes;
    // The classes of the units built on that this unit names, as their tables give them.
    std::vector<TClass> ImportedClasses;

    bool BuildsOnAnother() const { return !Family.empty(); }
    // A class of the unit or one it builds on.
    const TClass* FindClass(const std::string& name) const;
    const TEnum* FindEnum(const std::string& name) const;
    const TClass& Root() const;
};

// Whether a member holds objects of an element class or group of the table (not texts, values or any elements).
bool HoldsObject(const TMember& member);
bool IsAdjustable(TAttributeType type);
// The element names a member takes: its own, or for a sequence those of its group's members.
std::vector<std::string> ElementNames(const TTable& table, const TMember& member);

// Reads and checks the table in the file at path, with those of the units it builds on beside it; tableFile is how
// the generated files name it. Raises TTableError.
TTable ReadTable(const std::string& path, const std::string& tableFile);

// The C++ identifier for a name of the table: characters a name cannot hold become "_", runs of "_" become one (so
// no name is reserved), a leading digit gets a "_" before it and a keyword one after it.
std::string CppName(const std::string& name);

} // namespace xpggen
