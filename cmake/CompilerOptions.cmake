# Warnings and target-specific flags shared by every library and program of the project.
add_compile_options(-Wall -Wextra -Wpedantic -Wno-missing-field-initializers)

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
