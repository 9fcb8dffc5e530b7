/* The program's version, in the one place that the version resource and the code comparing with it read. */
#pragma once

#define TALLYVANE_VERSION_MAJOR 1
#define TALLYVANE_VERSION_MINOR 1
#define TALLYVANE_VERSION_RELEASE 7
#define TALLYVANE_VERSION_BUILD 0
#define TALLYVANE_VERSION_TEXT "1.1.7.0"
