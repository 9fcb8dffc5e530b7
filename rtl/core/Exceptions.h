#pragma once
// The runtime's exception hierarchy: every failure the libraries raise is an rtl::Exception carrying a UTF-16 message.

#include "rtl/text/StringTypes.h"

#include <exception>

namespace rtl {

class Exception : public std::exception {
public:
    explicit Exception(UnicodeString message);
    const UnicodeString& Message() const noexcept { return FMessage; }
    void SetMessage(UnicodeString message);
    // The message in UTF-8, for diagnostics and test output.
    const char* what() const noexcept override;

private:
    UnicodeString FMessage;
    std::string FMessageUtf8;
};

#define RTL_DECLARE_EXCEPTION(Name, Base)                                                                              \
    class Name : public Base {                                                                                         \
    public:                                                                                                            \
        using Base::Base;                                                                                              \
    }

RTL_DECLARE_EXCEPTION(EConvertError, Exception);
RTL_DECLARE_EXCEPTION(EListError, Exception);
RTL_DECLARE_EXCEPTION(EStringListError, EListError);
RTL_DECLARE_EXCEPTION(EStreamError, Exception);
RTL_DECLARE_EXCEPTION(EReadError, EStreamError);
RTL_DECLARE_EXCEPTION(EWriteError, EStreamError);
RTL_DECLARE_EXCEPTION(EFileStreamError, EStreamError);
RTL_DECLARE_EXCEPTION(EFOpenError, EFileStreamError);
RTL_DECLARE_EXCEPTION(EFCreateError, EFileStreamError);
RTL_DECLARE_EXCEPTION(EClassNotFound, Exception);
RTL_DECLARE_EXCEPTION(EInvalidCast, Exception);
RTL_DECLARE_EXCEPTION(EInvalidOperation, Exception);
RTL_DECLARE_EXCEPTION(EAbstractError, Exception);
RTL_DECLARE_EXCEPTION(EAssertionFailed, Exception);
RTL_DECLARE_EXCEPTION(EOutOfMemory, Exception);
RTL_DECLARE_EXCEPTION(EOSError, Exception);
RTL_DECLARE_EXCEPTION(EInvalidOp, Exception);
// The silent exception: it unwinds an operation the user already knows failed; the application shows no box for it.
RTL_DECLARE_EXCEPTION(EAbort, Exception);

#undef RTL_DECLARE_EXCEPTION

// The runtime's standard message texts.
namespace RtlMessages {
inline constexpr char16_t StreamReadError[] = u"Stream read error";
inline constexpr char16_t StreamWriteError[] = u"Stream write error";
inline constexpr char16_t ListIndexError[] = u"List index out of bounds (%d)";
inline constexpr char16_t ListCapacityError[] = u"List capacity out of bounds (%d)";
inline constexpr char16_t ListCountError[] = u"List count out of bounds (%d)";
inline constexpr char16_t SortedListError[] = u"Operation not allowed on sorted list";
inline constexpr char16_t DuplicateString[] = u"String list does not allow duplicates";
inline constexpr char16_t InvalidInteger[] = u"'%s' is not a valid integer value";
inline constexpr char16_t InvalidFloat[] = u"'%s' is not a valid floating point value";
inline constexpr char16_t InvalidFormat[] = u"Format '%s' invalid or incompatible with argument";
inline constexpr char16_t FileOpenError[] = u"Cannot open file \"%s\". %s";
inline constexpr char16_t FileCreateError[] = u"Cannot create file \"%s\". %s";
inline constexpr char16_t OutOfMemory[] = u"Out of memory";
inline constexpr char16_t InvalidOp[] = u"Invalid floating point operation";
} // namespace RtlMessages

} // namespace rtl
