/* The identifiers of the program's own strings in its string table (Tallyvane.rc), which the code reads them by. */
#pragma once

/* The address of the update info file, from the build setting TALLYVANE_UPDATE_INFO_URL. It stands alone in its block
   of sixteen strings, so that the block can be rewritten without touching another string. */
#define TALLYVANE_UPDATE_INFO_URL_ID 0xF000
