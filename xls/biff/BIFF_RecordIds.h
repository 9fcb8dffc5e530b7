#pragma once
// The ids of the BIFF records the reader and the record storages know (MS-XLS 2.3), and the zero-length marker ids
// that stand in a storage's template for the places where generated content belongs.

#include <cstdint>

namespace xls {

inline constexpr uint16_t BIFFRecordDimensions2 = 0x0000;
inline constexpr uint16_t BIFFRecordBlank2 = 0x0001;
inline constexpr uint16_t BIFFRecordInteger2 = 0x0002;
inline constexpr uint16_t BIFFRecordNumber2 = 0x0003;
inline constexpr uint16_t BIFFRecordLabel2 = 0x0004;
inline constexpr uint16_t BIFFRecordBoolErr2 = 0x0005;
inline constexpr uint16_t BIFFRecordFormula = 0x0006;
inline constexpr uint16_t BIFFRecordString2 = 0x0007;
inline constexpr uint16_t BIFFRecordBOF2 = 0x0009;
inline constexpr uint16_t BIFFRecordEOF = 0x000A;
inline constexpr uint16_t BIFFRecordCalcCount = 0x000C;
inline constexpr uint16_t BIFFRecordCalcMode = 0x000D;
inline constexpr uint16_t BIFFRecordPrecision = 0x000E;
inline constexpr uint16_t BIFFRecordRefMode = 0x000F;
inline constexpr uint16_t BIFFRecordDelta = 0x0010;
inline constexpr uint16_t BIFFRecordIteration = 0x0011;
inline constexpr uint16_t BIFFRecordProtect = 0x0012;
inline constexpr uint16_t BIFFRecordPassword = 0x0013;
inline constexpr uint16_t BIFFRecordHeader = 0x0014;
inline constexpr uint16_t BIFFRecordFooter = 0x0015;
inline constexpr uint16_t BIFFRecordExternSheet = 0x0017;
inline constexpr uint16_t BIFFRecordName = 0x0018;
inline constexpr uint16_t BIFFRecordWindowProtect = 0x0019;
inline constexpr uint16_t BIFFRecordVerticalPageBreaks = 0x001A;
inline constexpr uint16_t BIFFRecordHorizontalPageBreaks = 0x001B;
inline constexpr uint16_t BIFFRecordNote = 0x001C;
inline constexpr uint16_t BIFFRecordSelection = 0x001D;
inline constexpr uint16_t BIFFRecordFormat2 = 0x001E;
inline constexpr uint16_t BIFFRecordDateMode = 0x0022;
inline constexpr uint16_t BIFFRecordExternName = 0x0023;
inline constexpr uint16_t BIFFRecordLeftMargin = 0x0026;
inline constexpr uint16_t BIFFRecordRightMargin = 0x0027;
inline constexpr uint16_t BIFFRecordTopMargin = 0x0028;
inline constexpr uint16_t BIFFRecordBottomMargin = 0x0029;
inline constexpr uint16_t BIFFRecordPrintHeaders = 0x002A;
inline constexpr uint16_t BIFFRecordPrintGridlines = 0x002B;
inline constexpr uint16_t BIFFRecordFilePass = 0x002F;
inline constexpr uint16_t BIFFRecordFont = 0x0031;
inline constexpr uint16_t BIFFRecordContinue = 0x003C;
inline constexpr uint16_t BIFFRecordWindow1 = 0x003D;
inline constexpr uint16_t BIFFRecordBackup = 0x0040;
inline constexpr uint16_t BIFFRecordPane = 0x0041;
inline constexpr uint16_t BIFFRecordCodePage = 0x0042;
inline constexpr uint16_t BIFFRecordDefColWidth = 0x0055;
inline constexpr uint16_t BIFFRecordXct = 0x0059;
inline constexpr uint16_t BIFFRecordCrn = 0x005A;
inline constexpr uint16_t BIFFRecordFileSharing = 0x005B;
inline constexpr uint16_t BIFFRecordWriteAccess = 0x005C;
inline constexpr uint16_t BIFFRecordSaveRecalc = 0x005F;
inline constexpr uint16_t BIFFRecordColInfo = 0x007D;
inline constexpr uint16_t BIFFRecordRK = 0x007E;
inline constexpr uint16_t BIFFRecordGuts = 0x0080;
inline constexpr uint16_t BIFFRecordWsBool = 0x0081;
inline constexpr uint16_t BIFFRecordGridSet = 0x0082;
inline constexpr uint16_t BIFFRecordHCenter = 0x0083;
inline constexpr uint16_t BIFFRecordVCenter = 0x0084;
inline constexpr uint16_t BIFFRecordBoundSheet = 0x0085;
inline constexpr uint16_t BIFFRecordCountry = 0x008C;
inline constexpr uint16_t BIFFRecordHideObj = 0x008D;
inline constexpr uint16_t BIFFRecordPalette = 0x0092;
inline constexpr uint16_t BIFFRecordFnGroupCount = 0x009C;
inline constexpr uint16_t BIFFRecordSetup = 0x00A1;
inline constexpr uint16_t BIFFRecordMulRK = 0x00BD;
inline constexpr uint16_t BIFFRecordMulBlank = 0x00BE;
inline constexpr uint16_t BIFFRecordRString = 0x00D6;
inline constexpr uint16_t BIFFRecordDBCell = 0x00D7;
inline constexpr uint16_t BIFFRecordBookBool = 0x00DA;
inline constexpr uint16_t BIFFRecordXF = 0x00E0;
inline constexpr uint16_t BIFFRecordMergeCells = 0x00E5;
inline constexpr uint16_t BIFFRecordMsoDrawingGroup = 0x00EB;
inline constexpr uint16_t BIFFRecordMsoDrawing = 0x00EC;
inline constexpr uint16_t BIFFRecordMsoDrawingSelection = 0x00ED;
inline constexpr uint16_t BIFFRecordSST = 0x00FC;
inline constexpr uint16_t BIFFRecordLabelSST = 0x00FD;
inline constexpr uint16_t BIFFRecordExtSST = 0x00FF;
inline constexpr uint16_t BIFFRecordTabId = 0x013D;
inline constexpr uint16_t BIFFRecordDSF = 0x0161;
inline constexpr uint16_t BIFFRecordUserBView = 0x01A9;
inline constexpr uint16_t BIFFRecordUserSViewBegin = 0x01AA;
inline constexpr uint16_t BIFFRecordUserSViewEnd = 0x01AB;
inline constexpr uint16_t BIFFRecordSupBook = 0x01AE;
inline constexpr uint16_t BIFFRecordProt4Rev = 0x01AF;
inline constexpr uint16_t BIFFRecordDVal = 0x01B2;
inline constexpr uint16_t BIFFRecordRefreshAll = 0x01B7;
inline constexpr uint16_t BIFFRecordHLink = 0x01B8;
inline constexpr uint16_t BIFFRecordDV = 0x01BE;
inline constexpr uint16_t BIFFRecordRecalcId = 0x01C1;
inline constexpr uint16_t BIFFRecordDimensions = 0x0200;
inline constexpr uint16_t BIFFRecordBlank = 0x0201;
inline constexpr uint16_t BIFFRecordNumber = 0x0203;
inline constexpr uint16_t BIFFRecordLabel = 0x0204;
inline constexpr uint16_t BIFFRecordBoolErr = 0x0205;
inline constexpr uint16_t BIFFRecordFormula3 = 0x0206;
inline constexpr uint16_t BIFFRecordString = 0x0207;
inline constexpr uint16_t BIFFRecordRow = 0x0208;
inline constexpr uint16_t BIFFRecordBOF3 = 0x0209;
inline constexpr uint16_t BIFFRecordIndex = 0x020B;
inline constexpr uint16_t BIFFRecordName3 = 0x0218;
inline constexpr uint16_t BIFFRecordArray = 0x0221;
inline constexpr uint16_t BIFFRecordTable = 0x0236;
inline constexpr uint16_t BIFFRecordExternName3 = 0x0223;
inline constexpr uint16_t BIFFRecordDefaultRowHeight = 0x0225;
inline constexpr uint16_t BIFFRecordFont3 = 0x0231;
inline constexpr uint16_t BIFFRecordWindow2 = 0x023E;
inline constexpr uint16_t BIFFRecordXF3 = 0x0243;
inline constexpr uint16_t BIFFRecordRK3 = 0x027E;
inline constexpr uint16_t BIFFRecordStyle = 0x0293;
inline constexpr uint16_t BIFFRecordFormula4 = 0x0406;
inline constexpr uint16_t BIFFRecordBOF4 = 0x0409;
inline constexpr uint16_t BIFFRecordFormat = 0x041E;
inline constexpr uint16_t BIFFRecordXF4 = 0x0443;
inline constexpr uint16_t BIFFRecordShrFmla = 0x04BC;
inline constexpr uint16_t BIFFRecordHLinkTooltip = 0x0800;
inline constexpr uint16_t BIFFRecordBOF8 = 0x0809;
inline constexpr uint16_t BIFFRecordSheetExt = 0x0862;
inline constexpr uint16_t BIFFRecordBookExt = 0x0863;
inline constexpr uint16_t BIFFRecordHFPicture = 0x0866;
inline constexpr uint16_t BIFFRecordFeatHdr = 0x0867;
inline constexpr uint16_t BIFFRecordXFCRC = 0x087C;
inline constexpr uint16_t BIFFRecordXFExt = 0x087D;
inline constexpr uint16_t BIFFRecordCompat12 = 0x088C;
inline constexpr uint16_t BIFFRecordTableStyles = 0x088E;
inline constexpr uint16_t BIFFRecordStyleExt = 0x0892;
inline constexpr uint16_t BIFFRecordTheme = 0x0896;
inline constexpr uint16_t BIFFRecordMTRSettings = 0x089A;
inline constexpr uint16_t BIFFRecordCompressPictures = 0x089B;
inline constexpr uint16_t BIFFRecordForceFullCalculation = 0x08A3;
inline constexpr uint16_t BIFFRecordGelFrame = 0x1066;

// Ids from here on are no records of a file; the storages use some of them as markers.
inline constexpr uint16_t BIFFFirstMarkerId = 0x8000;

// The places in the globals template: fonts, formats and cell formats; the sheet list; external references; the
// drawing group; and one place after it.
inline constexpr uint16_t BIFFMarkerStyles = 0x8001;
inline constexpr uint16_t BIFFMarkerSheets = 0x8002;
inline constexpr uint16_t BIFFMarkerExternals = 0x8003;
inline constexpr uint16_t BIFFMarkerDrawingGroup = 0x8004;
inline constexpr uint16_t BIFFMarkerGlobalsEnd = 0x8005;
// The places in a sheet's template: page breaks; header and footer; margins; rows; cells; merged cells, drawings and
// notes.
inline constexpr uint16_t BIFFMarkerPageBreaks = 0x8101;
inline constexpr uint16_t BIFFMarkerHeaderFooter = 0x8102;
inline constexpr uint16_t BIFFMarkerMargins = 0x8103;
inline constexpr uint16_t BIFFMarkerRows = 0x8104;
inline constexpr uint16_t BIFFMarkerCells = 0x8105;
inline constexpr uint16_t BIFFMarkerObjects = 0x8106;

// The BOF ids of BIFF2, BIFF3, BIFF4 and BIFF5-8; no other id starts a substream, though record 0x1009 of the chart
// substreams also ends in 0x09.
inline constexpr bool IsBIFFBOF(uint16_t id) {
    return id == BIFFRecordBOF2 || id == BIFFRecordBOF3 || id == BIFFRecordBOF4 || id == BIFFRecordBOF8;
}

} // namespace xls
