# km_folder_library(NAME) builds the static library NAME from every .cpp
# and .h of the current folder (and its subfolders).
function(km_folder_library name)
    file(GLOB_RECURSE _src CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    list(FILTER _src EXCLUDE REGEX "/main\\.cpp$")
    # A folder that has no sources yet still gives a linkable library.
    set(_anchor ${CMAKE_CURRENT_BINARY_DIR}/${name}_anchor.cpp)
    if(NOT EXISTS ${_anchor})
        file(WRITE ${_anchor} "namespace { [[maybe_unused]] int anchor = 0; }\n")
    endif()
    add_library(${name} STATIC ${_src} ${_anchor})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()

# km_folder_tests(NAME LIBS...) builds the test program NAME from every
# .cpp of the current test folder and registers each test case with CTest.
# Tests run with their own data and settings folders and no display.
function(km_folder_tests name)
    file(GLOB_RECURSE _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    if(NOT _src)
        return()
    endif()
    add_executable(${name} ${_src})
    target_link_libraries(${name} PRIVATE ${ARGN} km_testsupport GTest::gtest GTest::gmock)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE
        KM_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
        KM_TESTDATA_DIR="${CMAKE_SOURCE_DIR}/tests/data/samples"
        KM_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
    gtest_discover_tests(${name}
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;TZ=UTC;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/testhome/data;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/testhome/config;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/testhome/run")
endfunction()

