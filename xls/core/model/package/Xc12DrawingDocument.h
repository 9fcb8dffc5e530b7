#pragma once
// The drawing part of a sheet as the model sees it: the drawing model builds the real document; the worksheet only
// owns it and the reader loads it.

#include "rtl/core/Object.h"
#include "rtl/io/Streams.h"

namespace xls {

// The drawing-part document of one sheet, made by the class factory (xckDrawingDocument).
class TXc12DrawingDocument : public rtl::TObject {
public:
    // Parses a drawing part into the document.
    virtual void LoadFromStream(rtl::TStream& stream) = 0;
};

} // namespace xls
