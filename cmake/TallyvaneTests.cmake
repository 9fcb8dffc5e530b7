# Test registration. Each test executable is one ctest test, run once (a process per test case would cost more than
# most test cases); Windows ones run under Wine inside one Wine session that a ctest fixture starts and stops. Run a
# single test case with --gtest_filter.

if(TALLYVANE_TESTS)
    if(WIN32)
        set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources built for the cross target")
        set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
        add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    else()
        find_package(GTest REQUIRED)
    endif()
endif()

set(TALLYVANE_WINE_LAUNCHER ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh)
set(TALLYVANE_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
if(WIN32 AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${TALLYVANE_WINE_LAUNCHER} ${TALLYVANE_WINE_PREFIX} run)
endif()

# Adds a GoogleTest executable built from SOURCES and linked with LIBRARIES, and registers it with ctest.
function(tallyvane_add_test_executable name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LIBRARIES")
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} test_support GTest::gtest_main GTest::gmock)
    set_property(GLOBAL APPEND PROPERTY TALLYVANE_TEST_EXECUTABLES ${name})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
    if(WIN32)
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_session)
    endif()
    # Programs that show windows share the one display, its focus and its pointer: two at once steal each other's
    # focus and clicks, so they take turns.
    if(ui_test_support IN_LIST ARG_LIBRARIES)
        set_tests_properties(${name} PROPERTIES RESOURCE_LOCK test_display)
    endif()
endfunction()

# Adds the ctest fixture that starts one Wine session (prefix, display, wineserver) for all Windows tests; call once.
function(tallyvane_add_wine_session_fixture)
    add_test(NAME wine_session_start COMMAND ${TALLYVANE_WINE_LAUNCHER} ${TALLYVANE_WINE_PREFIX} start)
    add_test(NAME wine_session_stop COMMAND ${TALLYVANE_WINE_LAUNCHER} ${TALLYVANE_WINE_PREFIX} stop)
    set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine_session TIMEOUT 300)
    set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine_session)
endfunction()

# Adds a test that checks every Windows test executable imports only DLLs that Windows ships; call after the last
# test executable is added.
function(tallyvane_add_import_check)
    if(NOT WIN32)
        return()
    endif()
    get_property(targets GLOBAL PROPERTY TALLYVANE_TEST_EXECUTABLES)
    set(executables)
    foreach(target IN LISTS targets)
        list(APPEND executables $<TARGET_FILE:${target}>)
    endforeach()
    add_test(NAME windows_imports_only_system_dlls
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-imports.sh ${CMAKE_OBJDUMP} ${executables})
endfunction()
