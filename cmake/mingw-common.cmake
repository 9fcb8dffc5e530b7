set(CMAKE_C_COMPILER ${TALLYVANE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TALLYVANE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TALLYVANE_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TALLYVANE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Everything static: the executables must need no DLL beside them but those of Windows.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(ZLIB_USE_STATIC_LIBS ON)
# Line tables are enough for Wine's backtraces; full debug information costs a quarter of the compile time.
# CMake appends its own "-g" to the _INIT flags, which would override "-g1": set the cache entries themselves.
set(CMAKE_C_FLAGS_RELWITHDEBINFO "-O2 -g1 -DNDEBUG" CACHE STRING "Flags of the RelWithDebInfo build")
set(CMAKE_CXX_FLAGS_RELWITHDEBINFO "-O2 -g1 -DNDEBUG" CACHE STRING "Flags of the RelWithDebInfo build")
