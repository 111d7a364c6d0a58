# Headers nearly every source of a library includes, compiled once per
# target. Libraries and test programs that draw or show windows get the Qt
# Gui or Widgets headers on top of the core ones.
set(KM_PCH_CORE <QtCore/QObject> <QtCore/QString> <QtCore/QStringList> <QtCore/QByteArray>
    <QtCore/QList> <QtCore/QHash> <QtCore/QDateTime> <QtCore/QFile> <QtCore/QDir>
    <algorithm> <memory> <string> <vector>)
set(KM_PCH_GUI ${KM_PCH_CORE} <QtGui/QImage> <QtGui/QPainter> <QtGui/QColor>)
set(KM_PCH_WIDGETS ${KM_PCH_GUI} <QtWidgets/QWidget> <QtWidgets/QDialog> <QtWidgets/QPushButton>)
set(KM_GUI_FOLDERS graphics media resources)
set(KM_WIDGET_FOLDERS dialogs calendar notify print app)

# km_speed_up(TARGET FOLDER [TEST]) turns on the unity build and the
# precompiled headers that fit the folder's layer.
function(km_speed_up target folder)
    if(KM_UNITY_BUILD)
        set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
    endif()
    if(folder IN_LIST KM_WIDGET_FOLDERS)
        set(_pch ${KM_PCH_WIDGETS})
    elseif(folder IN_LIST KM_GUI_FOLDERS)
        set(_pch ${KM_PCH_GUI})
    else()
        set(_pch ${KM_PCH_CORE})
    endif()
    if(ARGN)
        list(APPEND _pch <gtest/gtest.h> <gmock/gmock.h>)
    endif()
    target_precompile_headers(${target} PRIVATE ${_pch})
endfunction()

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
    get_filename_component(_folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    km_speed_up(${name} ${_folder})
endfunction()

# km_folder_tests(NAME LIBS...) builds the test program NAME from every
# .cpp of the current test folder and registers it with CTest as a few
# shards (KM_TEST_SHARDS, a property of the folder, default 2), each one
# process running its share of the cases. GoogleTest names every failing
# case in the output, and each shard writes a JSON report into
# test-reports/ for the summary line. Tests run with their own data and
# settings folders and no display.
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
    get_filename_component(_folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    km_speed_up(${name} ${_folder} TEST)
    # The tests' own code compiles fastest unoptimised; the code under test
    # keeps the build's level.
    target_compile_options(${name} PRIVATE $<$<CONFIG:Debug>:-O0>)
    if(NOT DEFINED KM_TEST_SHARDS)
        set(KM_TEST_SHARDS 2)
    endif()
    math(EXPR _last "${KM_TEST_SHARDS} - 1")
    foreach(_shard RANGE ${_last})
        set(_test ${name}/${_shard})
        add_test(NAME ${_test} COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${name}>
            --gtest_output=json:${CMAKE_BINARY_DIR}/test-reports/${name}-${_shard}.json)
        set_tests_properties(${_test} PROPERTIES
            ENVIRONMENT "GTEST_TOTAL_SHARDS=${KM_TEST_SHARDS};GTEST_SHARD_INDEX=${_shard};GTEST_BRIEF=1;QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;TZ=UTC;XDG_DATA_HOME=${CMAKE_BINARY_DIR}/testhome/${_test}/data;XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/testhome/${_test}/config;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/testhome/${_test}/run")
    endforeach()
endfunction()

