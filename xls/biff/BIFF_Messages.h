#pragma once
// The fixed English texts of the BIFF reader's failures; callers and tests compare against these.

namespace xls::BIFFMessages {

// Opening.
inline constexpr char16_t NotExcelWorkbook[] = u"The file is not an Excel workbook";
inline constexpr char16_t EncryptedPackage[] =
    u"the file is a password-protected .xlsx workbook, whose encrypted package cannot be opened";

// Records.
inline constexpr char16_t ContinueMissing[] = u"CONTINUE record is missing";
inline constexpr char16_t ContinueReadActive[] = u"CONTINUE read active";
inline constexpr char16_t PictureContinueTooShort[] =
    u"HFPICTURE continuation of %d bytes is shorter than its %d-byte header";
inline constexpr char16_t StringPastEnd[] = u"String of %d characters needs %d bytes, but only %d are left";
inline constexpr char16_t ShortStringTooLong[] = u"Short string of %d characters is longer than %d";

// Record storages.
inline constexpr char16_t RecordTooLong[] = u"Record %.4X of %d bytes is longer than a record can be";
inline constexpr char16_t DefaultNotFound[] = u"Excpected default record %.4X not found.";

// Cell areas and sheets.
inline constexpr char16_t MergedCellPart[] = u"Can not change part of a merged cell";
inline constexpr char16_t SolidAreasMove[] = u"TSolidCellAreas.Move not implemented";
inline constexpr char16_t SheetNameExists[] = u"Sheet name \"%s\" allready exists";

// The record reader. Every failure while a record is handled is raised again as ReadingRecord, a carriage return and
// the failure's own message.
inline constexpr char16_t ReadingRecord[] = u"Error on reading record # %d, %.4X Offs: %.8X";
inline constexpr char16_t BadRecord[] = u"Bad record in file";
inline constexpr char16_t RecordCutShort[] = u"Record %.4X is cut short: %d of its %d bytes are left in the file";
inline constexpr char16_t FieldPastEnd[] = u"Record %.4X is damaged: %d bytes from offset %d run past its %d bytes";
inline constexpr char16_t InvalidBOFSize[] = u"Invalid BOF size";
inline constexpr char16_t BIFF4WorkbookUnhandled[] = u"BIFF4 Workbook unhandled";
inline constexpr char16_t NoSheetForSubstream[] =
    u"The file has a worksheet substream for sheet %d, but its sheet list names no such worksheet";
inline constexpr char16_t SSTContinueMissing[] = u"CONTINUE record is missing in SST";
inline constexpr char16_t SSTStringType[] = u"STT: Unhandled string type in Read (%.2X)";
inline constexpr char16_t SSTSplitCharacter[] =
    u"SST string is damaged: a UTF-16 character is split between two records";
inline constexpr char16_t CRNMissing[] = u"CRN record missing";

// Cell records and formulas.
inline constexpr char16_t SharedFormulaFixup[] = u"Fixup error in shared formula at C=%d,R=%d (%s)";
inline constexpr char16_t UnexpectedShrFmla[] = u"Unxepected SHRFMLA";
inline constexpr char16_t StringSplitCharacter[] =
    u"STRING record is damaged: a UTF-16 character is split between two records";
inline constexpr char16_t FormulaTokensPastEnd[] =
    u"Formula of %d token bytes is longer than the %d bytes its record holds after them";

// Formula tokens: the texts the decoder puts in place of what it cannot show, and its failures.
inline constexpr char16_t ValueMissing[] = u"<Val missing>";
inline constexpr char16_t EmptyFormula[] = u"[ERROR]";
inline constexpr char16_t UnknownPtg[] = u"Unknown ptg[%.2X]";
inline constexpr char16_t UnknownEptg[] = u"Unknown eptg[%.2X]";
inline constexpr char16_t UnknownSharedPtg[] = u"Unknown ptg[%.2X] in Shared Formula";
inline constexpr char16_t FunctionArgumentsMissing[] = u"Function arguments missing";
inline constexpr char16_t TokenPastEnd[] = u"Formula token %.2X needs %d bytes, but only %d are left";
inline constexpr char16_t ArrayDataMissing[] = u"Formula array constant needs %d bytes of data, but only %d are left";
inline constexpr char16_t BadArrayElement[] = u"Bad element ID#%d in array";
inline constexpr char16_t UnknownExternSheet[] =
    u"The formula refers to external sheet entry %d or external name %d, which the file does not have";

// The VBA project (MS-OVBA) of a workbook read with its VBA.
inline constexpr char16_t VBADirEOFMissing[] = u"EOF missing in VBA dir stream";
inline constexpr char16_t VBADirRecordPastEnd[] =
    u"Damaged VBA project: dir record %.4X of %u bytes runs past the end of the dir stream";
inline constexpr char16_t VBAModuleStreamMissing[] = u"Damaged VBA project: the stream of module \"%s\" is missing";
inline constexpr char16_t VBAModuleOffsetPastEnd[] =
    u"Damaged VBA project: module \"%s\" starts at offset %u of its %d-byte stream";
inline constexpr char16_t VBACompressedSignature[] =
    u"Damaged VBA project: compressed data at offset %d does not start with its signature byte";
inline constexpr char16_t VBAChunkHeader[] = u"Damaged VBA project: chunk header %.4X at offset %d is invalid";
inline constexpr char16_t VBARawChunkShort[] =
    u"Damaged VBA project: the uncompressed chunk at offset %d has %d of its 4096 bytes";
inline constexpr char16_t VBACopyBeforeOutput[] =
    u"Damaged VBA project: a copy at offset %d reaches %d bytes back, but its chunk has given only %d";
inline constexpr char16_t VBAChunkTooLong[] = u"Damaged VBA project: the chunk at offset %d gives more than 4096 bytes";
inline constexpr char16_t VBATooLarge[] = u"Damaged VBA project: a stream decompresses to more than %d bytes";

// The compound document (MS-CFB) around BIFF5 and BIFF8 workbooks.
inline constexpr char16_t CompoundSignature[] = u"The file is not a compound document";
inline constexpr char16_t CompoundTooShort[] = u"Damaged compound document: the file is shorter than its header";
inline constexpr char16_t CompoundSectorSize[] =
    u"Damaged compound document: unsupported sector shift %d or mini sector shift %d";
inline constexpr char16_t CompoundTooManyFATSectors[] =
    u"Damaged compound document: %u FAT sectors declared, but the file holds only %u sectors";
inline constexpr char16_t CompoundSectorOutOfRange[] = u"Damaged compound document: sector %u is outside the file";
inline constexpr char16_t CompoundSectorUsedTwice[] =
    u"Damaged compound document: sector %u is used twice (a looping or shared sector chain)";
inline constexpr char16_t CompoundMiniSectorOutOfRange[] =
    u"Damaged compound document: mini sector %u is outside the mini stream";
inline constexpr char16_t CompoundMiniSectorUsedTwice[] =
    u"Damaged compound document: mini sector %u is used twice (a looping or shared sector chain)";
inline constexpr char16_t CompoundNoRoot[] = u"Damaged compound document: the first directory entry is not the root";
inline constexpr char16_t CompoundEntryOutOfRange[] = u"Damaged compound document: directory entry %u does not exist";
inline constexpr char16_t CompoundEntryInvalid[] =
    u"Damaged compound document: directory entry %u is neither a storage nor a stream";
inline constexpr char16_t CompoundEntryReachedTwice[] =
    u"Damaged compound document: directory entry %u is reached twice (a looping directory tree)";
inline constexpr char16_t CompoundStreamTruncated[] =
    u"Damaged compound document: stream \"%s\" declares %u bytes, but its sector chain ends after %u";
inline constexpr char16_t CompoundStreamTooLarge[] =
    u"Damaged compound document: stream \"%s\" declares more than %u bytes";

} // namespace xls::BIFFMessages
