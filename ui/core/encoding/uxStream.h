#pragma once
// The text-format markers that open a block of strings in the library's streams, TuxStream, the stream wrapper that
// reads the marker and tells the block's readers whether its strings are UTF-16 or ANSI, and the small stream helpers
// the library's writers and comparisons share.

#include "rtl/io/Streams.h"

#include <cstdint>
#include <string_view>

namespace ui {

// Six ASCII bytes without length or terminator. The library writes only the ANSI marker; a block without a marker
// reads as ANSI.
inline constexpr std::string_view uxWideTextMarker = "UXUFMT";
inline constexpr std::string_view uxAnsiTextMarker = "UXAFMT";

// Reads a marker at the stream's position: true after the UTF-16 marker, false after the ANSI one, both consumed.
// Other bytes, or fewer than six left, give false and leave the position where it was.
bool ReadStreamFormatMarker(rtl::TStream& stream);
// Writes the ANSI marker at the position; a short write raises the stream's EWriteError.
void WriteAnsiFormatMarker(rtl::TStream& stream);

// A stream that forwards every transfer to another stream (not owned) and knows the text format of the block.
class TuxStream : public rtl::TStream {
public:
    // Reads the marker at the wrapped stream's position, as ReadStreamFormatMarker does.
    explicit TuxStream(rtl::TStream& stream);
    // For writers that have just put the marker of their choice in front of the block.
    TuxStream(rtl::TStream& stream, bool isWideText);

    // Whether the block's strings are UTF-16.
    bool IsWideText() const { return FIsWideText; }

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int64_t Seek(int64_t offset, rtl::TSeekOrigin origin) override;
    int64_t Size() override;

private:
    bool FIsWideText;
    rtl::TStream& FStream;
};

// The bytes from the stream's position to its end; the position moves to the end.
rtl::AnsiString ReadStreamIntoString(rtl::TStream& stream);
// Four bytes, little-endian.
void WriteIntegerToStream(rtl::TStream& stream, int32_t value);
// The string's bytes, without length or terminator.
void WriteStringToStream(rtl::TStream& stream, std::string_view bytes);
// True when both hold the same bytes.
bool SameMemoryStreams(rtl::TCustomMemoryStream& a, rtl::TCustomMemoryStream& b);

} // namespace ui
