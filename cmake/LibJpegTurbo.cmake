# libjpeg-turbo 2.1.5, the JPEG codec of the picture classes, built from Debian's source package once per build folder:
# fetched through a private deb-src list (scripts/fetch-debian-source.sh), cross-built statically with this build's
# toolchain, and offered as the imported library JPEG::JPEG. The SIMD code is left out (it would need nasm); the C code
# is built with unwind tables, so that the error handler of the picture classes can throw through the library.
include(ExternalProject)

set(libjpeg_turbo_version 2.1.5)
set(libjpeg_turbo_root ${CMAKE_BINARY_DIR}/libjpeg-turbo)
set(libjpeg_turbo_source ${libjpeg_turbo_root}/source/libjpeg-turbo-${libjpeg_turbo_version})
set(libjpeg_turbo_binary ${libjpeg_turbo_root}/build)
set(libjpeg_turbo_library ${libjpeg_turbo_binary}/${CMAKE_STATIC_LIBRARY_PREFIX}jpeg${CMAKE_STATIC_LIBRARY_SUFFIX})

ExternalProject_Add(libjpeg_turbo_build
    PREFIX ${libjpeg_turbo_root}
    SOURCE_DIR ${libjpeg_turbo_source}
    BINARY_DIR ${libjpeg_turbo_binary}
    DOWNLOAD_COMMAND ${CMAKE_SOURCE_DIR}/scripts/fetch-debian-source.sh libjpeg-turbo ${libjpeg_turbo_version}
                     ${libjpeg_turbo_root}/source
    UPDATE_COMMAND ""
    CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
        -DCMAKE_BUILD_TYPE=Release
        # Nothing is installed, but the library's configuration wants a prefix that is a full path.
        -DCMAKE_INSTALL_PREFIX=${libjpeg_turbo_root}/install
        -DCMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER}
        -DCMAKE_C_FLAGS=-fexceptions
        -DENABLE_SHARED=OFF
        -DENABLE_STATIC=ON
        -DWITH_SIMD=OFF
        -DWITH_TURBOJPEG=OFF
        -DWITH_JAVA=OFF
    # Only the static library: the headers are those of the sources, with the generated jconfig.h beside the library.
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target jpeg-static
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${libjpeg_turbo_library}
    LOG_DOWNLOAD ON
    LOG_CONFIGURE ON
    LOG_BUILD ON
    LOG_OUTPUT_ON_FAILURE ON
)

file(MAKE_DIRECTORY ${libjpeg_turbo_source} ${libjpeg_turbo_binary})
add_library(JPEG::JPEG STATIC IMPORTED GLOBAL)
set_target_properties(JPEG::JPEG PROPERTIES
    IMPORTED_LOCATION ${libjpeg_turbo_library}
    INTERFACE_INCLUDE_DIRECTORIES "${libjpeg_turbo_source};${libjpeg_turbo_binary}")
add_dependencies(JPEG::JPEG libjpeg_turbo_build)
