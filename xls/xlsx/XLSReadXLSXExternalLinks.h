#pragma once
// The copy of an external-link part into the model's external links: the referenced book with its path, sheet
// names, defined names and cached cell values, a DDE link with its items and values, or an OLE link with its items.

namespace xls {

class TOPCItem;
class TXc12ExternalLink;

namespace xpgParseXLinks {
class TCT_ExternalLink;
} // namespace xpgParseXLinks

// linkItem is the package item of the part, whose relationships say where the book or object is; a relationship
// that is missing leaves the path empty. A cached boolean that is no boolean raises "Invalid boolean value "%s"";
// a cached number that is no number reads as 0.
void ReadExternalLinkPart(const xpgParseXLinks::TCT_ExternalLink& element, const TOPCItem& linkItem,
                          TXc12ExternalLink& link);

} // namespace xls
