# Test registration. Native test executables are discovered test by test; Windows ones run once each under Wine
# (every Wine start costs time), inside one Wine session that a ctest fixture starts and stops.

if(TALLYVANE_TESTS)
    if(WIN32)
        set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources built for the cross target")
        set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
        add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
    else()
        find_package(GTest REQUIRED)
        include(GoogleTest)
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
    # Wine maps the Unix root to drive Z:.
    set(data_dir ${CMAKE_SOURCE_DIR}/tests/data)
    if(WIN32)
        set(data_dir Z:${data_dir})
    endif()
    target_compile_definitions(${name} PRIVATE TALLYVANE_TEST_DATA_DIR="${data_dir}")
    set_property(GLOBAL APPEND PROPERTY TALLYVANE_TEST_EXECUTABLES ${name})
    if(WIN32)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_session TIMEOUT 600)
    else()
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
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
