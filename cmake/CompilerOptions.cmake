# Warnings and target-specific flags shared by every library and program of the project.
add_compile_options(-Wall -Wextra -Wpedantic -Wno-missing-field-initializers)
# __FILE__ (GoogleTest's messages) and debug information name sources relative to the clone, so objects do not
# depend on where the clone is and the compiler cache serves every clone.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=)

if(WIN32)
    # Our own wrapper header sets the Windows macros; these keep every translation unit consistent.
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
    # MinGW's own printf family formats long double (80-bit) correctly; msvcrt's does not.
    add_compile_definitions(__USE_MINGW_ANSI_STDIO=1)
endif()

if(TALLYVANE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

# Fuzzing (clang only): every library is instrumented for coverage; the fuzz targets link libFuzzer's main.
if(TALLYVANE_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Appends to OUTPUT_VARIABLE the sources of UNITS that have platform code: Unit.cpp with Unit_win.cpp or Unit_posix.cpp.
function(tallyvane_platform_sources output_variable)
    if(WIN32)
        set(suffix _win)
    else()
        set(suffix _posix)
    endif()
    set(sources ${${output_variable}})
    foreach(unit IN LISTS ARGN)
        list(APPEND sources ${unit}.cpp ${unit}${suffix}.cpp)
    endforeach()
    set(${output_variable} ${sources} PARENT_SCOPE)
endfunction()

# Compiles RC_FILE (a string table written in UTF-8) into the objects of LIBRARY's users (Windows only). Resources reach
# an executable only as objects of its own link, so every executable that links LIBRARY links these objects. CMake
# passes windres no compile options but -D and -I, hence the code page through the directory's resource flags.
function(tallyvane_add_string_table library rc_file)
    if(NOT WIN32)
        return()
    endif()
    string(APPEND CMAKE_RC_FLAGS " -c 65001")
    set(CMAKE_RC_FLAGS ${CMAKE_RC_FLAGS} PARENT_SCOPE)
    add_library(${library}_strings OBJECT ${rc_file})
    target_sources(${library} INTERFACE $<TARGET_OBJECTS:${library}_strings>)
endfunction()
