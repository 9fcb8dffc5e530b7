#pragma once
// The fixed English texts of the BIFF reader's failures; callers and tests compare against these.

namespace xls::BIFFMessages {

// Opening.
inline constexpr char16_t NotExcelWorkbook[] = u"The file is not an Excel workbook";

// Records.
inline constexpr char16_t ContinueMissing[] = u"CONTINUE record is missing";
inline constexpr char16_t ContinueReadActive[] = u"CONTINUE read active";
inline constexpr char16_t PictureContinueTooShort[] =
    u"HFPICTURE continuation of %d bytes is shorter than its %d-byte header";
inline constexpr char16_t StringPastEnd[] = u"String of %d characters needs %d bytes, but only %d are left";
inline constexpr char16_t ShortStringTooLong[] = u"Short string of %d characters is longer than %d";

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
