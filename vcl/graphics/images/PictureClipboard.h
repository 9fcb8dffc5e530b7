#pragma once
// Pictures on the clipboard. A graphic is put under the format Windows knows it by (CF_BITMAP for bitmaps and JPEG
// images, CF_ENHMETAFILE for metafiles) and, for every class, under the registered picture format, which holds the
// class name and the graphic's stream form, so that a PNG, JPEG or icon picture comes back from the clipboard as it
// went. Taking reads the registered format first, then a metafile, then a bitmap; the registered format's bytes are
// read as hostile input (another program may have put them there).

#include "vcl/graphics/images/Graphic.h"

#include <cstdint>

namespace vcl {

class TBitmap;
class TClipboard;
class TPicture;

// The registered clipboard format of a picture of any graphic class.
uint16_t PictureClipboardFormat();

// Replaces what the clipboard holds with the graphic (not empty).
void PutGraphicOnClipboard(TClipboard& clipboard, TGraphic& graphic);
// Whether the clipboard holds a picture that TakePictureFromClipboard reads.
bool ClipboardHasPicture(const TClipboard& clipboard);
// The clipboard's picture into picture; EInvalidGraphic when it holds none or a damaged one (picture unchanged).
void TakePictureFromClipboard(TClipboard& clipboard, TPicture& picture);
// The clipboard's bitmap (CF_BITMAP) into bitmap; EInvalidGraphic when it holds none.
void TakeBitmapFromClipboard(TClipboard& clipboard, TBitmap& bitmap);

} // namespace vcl
