#pragma once
// The fixed English texts of the XML kit's failures and reports; callers and tests compare against these.

namespace xls::XpgMessages {

// Reading (spelled as the library has always spelled it).
inline constexpr char16_t UnexpectedEndOfFile[] = u"Unexcpected end of file in XML";
inline constexpr char16_t MissingLessThan[] = u"Syntax error in XML: can not find \"<\"";
inline constexpr char16_t UnsupportedEncoding[] = u"Unsupported encoding of xml: \"%s\". Must be utf-8";
inline constexpr char16_t UnknownEntity[] = u"Syntax error in XML: unknown entity \"&%s;\"";
inline constexpr char16_t InvalidCharacterReference[] = u"Syntax error in XML: invalid character reference \"&%s;\"";
inline constexpr char16_t ConstructTooLong[] = u"Syntax error in XML: a tag, text or comment longer than %d bytes";
inline constexpr char16_t TooManyAttributes[] = u"Syntax error in XML: a tag with more than %d attributes";
inline constexpr char16_t NestedTooDeep[] = u"Syntax error in XML: elements nested deeper than %d";

// Writing.
inline constexpr char16_t EmptyStack[] = u"Empty stack";

// Value conversion.
inline constexpr char16_t InvalidBoolean[] = u"Invalid boolean value \"%s\"";

// Names a schema class does not know.
inline constexpr char16_t UnknownAttribute[] = u"Unknown Attribute \"%s\"";
inline constexpr char16_t UnknownElement[] = u"Unknown Element \"%s\"";
inline constexpr char16_t RowPrefix[] = u"Row %d: ";

// Element classes and the simple DOM.
inline constexpr char16_t UnknownEnum[] = u"Can not find enum \"%s\"";
inline constexpr char16_t NodeNotFound[] = u"XML error: Can not find expected node \"%s\"";

} // namespace xls::XpgMessages
