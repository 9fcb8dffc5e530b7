// The libjpeg-turbo side of TJPEGImage: decoding into and encoding from 24-bit bitmaps. libjpeg reports errors
// through a handler that must not return; ours throws (the library is built with unwind tables), and the
// decompressor or compressor is destroyed by its holder on the way out.

#include "rtl/text/Format.h"
#include "vcl/graphics/images/ImageLimits.h"
#include "vcl/graphics/images/JpegImage.h"
#include "vcl/system/Win32.h"

#include <cstdio>
#include <cstdlib>

// jpeglib.h needs the declarations of <cstdio> first.
#include <jpeglib.h>

namespace vcl {

namespace {

rtl::UnicodeString JpegMessage(j_common_ptr codec) {
    char text[JMSG_LENGTH_MAX] = {};
    (*codec->err->format_message)(codec, text);
    rtl::UnicodeString message = u"JPEG error: ";
    for (const char* c = text; *c; ++c) {
        message += static_cast<char16_t>(static_cast<unsigned char>(*c));
    }
    return message;
}

[[noreturn]] void ThrowJpegError(j_common_ptr codec) {
    throw EInvalidGraphic(JpegMessage(codec));
}

// A warning is damaged data as well (a truncated file is one): the picture would be partly made up.
void RaiseOnWarning(j_common_ptr codec, int level) {
    if (level < 0) {
        ThrowJpegError(codec);
    }
}

void IgnoreOutput(j_common_ptr) {}

void InstallErrorHandler(jpeg_error_mgr& errors) {
    jpeg_std_error(&errors);
    errors.error_exit = ThrowJpegError;
    errors.emit_message = RaiseOnWarning;
    errors.output_message = IgnoreOutput;
}

struct TDecompressor {
    jpeg_decompress_struct Info{};
    jpeg_error_mgr Errors{};
    TDecompressor() {
        Info.err = &Errors;
        InstallErrorHandler(Errors);
        jpeg_create_decompress(&Info);
    }
    ~TDecompressor() { jpeg_destroy_decompress(&Info); }
    TDecompressor(const TDecompressor&) = delete;
    TDecompressor& operator=(const TDecompressor&) = delete;
};

struct TCompressor {
    jpeg_compress_struct Info{};
    jpeg_error_mgr Errors{};
    unsigned char* Buffer = nullptr; // owned by libjpeg's memory destination, freed here
    unsigned long Size = 0;
    TCompressor() {
        Info.err = &Errors;
        InstallErrorHandler(Errors);
        jpeg_create_compress(&Info);
    }
    ~TCompressor() {
        jpeg_destroy_compress(&Info);
        std::free(Buffer);
    }
    TCompressor(const TCompressor&) = delete;
    TCompressor& operator=(const TCompressor&) = delete;
};

} // namespace

void DecodeJpeg(const std::vector<uint8_t>& data, TBitmap& bitmap, bool& grayscale) {
    TDecompressor codec;
    jpeg_mem_src(&codec.Info, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&codec.Info, TRUE);
    if (!ImageSizeAllowed(codec.Info.image_width, codec.Info.image_height)) {
        throw EInvalidGraphic(
            rtl::Format(VclMessages::ImageTooLarge, {codec.Info.image_width, codec.Info.image_height}));
    }
    grayscale = codec.Info.jpeg_color_space == JCS_GRAYSCALE;
    // BGR rows are what a 24-bit DIB holds.
    codec.Info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&codec.Info);
    TBitmap decoded(static_cast<int32_t>(codec.Info.output_width), static_cast<int32_t>(codec.Info.output_height),
                    pf24bit);
    while (codec.Info.output_scanline < codec.Info.output_height) {
        auto* row = static_cast<JSAMPLE*>(decoded.ScanLine(static_cast<int32_t>(codec.Info.output_scanline)));
        jpeg_read_scanlines(&codec.Info, &row, 1);
    }
    jpeg_finish_decompress(&codec.Info);
    bitmap.Assign(&decoded);
}

std::vector<uint8_t> EncodeJpeg(TBitmap& bitmap, int32_t quality) {
    TBitmap rows;
    rows.Assign(&bitmap);
    rows.SetPixelFormat(pf24bit);
    TCompressor codec;
    jpeg_mem_dest(&codec.Info, &codec.Buffer, &codec.Size);
    codec.Info.image_width = static_cast<JDIMENSION>(rows.Width());
    codec.Info.image_height = static_cast<JDIMENSION>(rows.Height());
    codec.Info.input_components = 3;
    codec.Info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&codec.Info);
    jpeg_set_quality(&codec.Info, quality, TRUE);
    jpeg_start_compress(&codec.Info, TRUE);
    while (codec.Info.next_scanline < codec.Info.image_height) {
        auto* row = static_cast<JSAMPLE*>(rows.ScanLine(static_cast<int32_t>(codec.Info.next_scanline)));
        jpeg_write_scanlines(&codec.Info, &row, 1);
    }
    jpeg_finish_compress(&codec.Info);
    return {codec.Buffer, codec.Buffer + codec.Size};
}

} // namespace vcl
