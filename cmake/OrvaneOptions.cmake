# Every target links orvane_options: language level, warnings and Qt's stricter string rules.
add_library(orvane_options INTERFACE)
target_compile_features(orvane_options INTERFACE cxx_std_20)
target_compile_options(orvane_options INTERFACE -Wall -Wextra)
target_compile_definitions(orvane_options INTERFACE
  QT_NO_CAST_FROM_ASCII
  QT_NO_CAST_TO_ASCII
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

option(ORVANE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
# Built with -O1 whatever the build type: at -O0 every inline accessor of Qt's containers is
# an instrumented call, and the sanitized tests and fuzz targets ran three to four times
# slower for no better report.
if(ORVANE_SANITIZE)
  target_compile_options(orvane_options INTERFACE
    -O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(orvane_options INTERFACE -fsanitize=address,undefined)
endif()

# The fuzz targets need every library they link built with coverage feedback (clang only).
option(ORVANE_FUZZ "Build the libFuzzer targets of the file readers (clang)" OFF)
if(ORVANE_FUZZ)
  target_compile_options(orvane_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# orvane_library(NAME SOURCES... [LIBS ...]) declares the library of one source folder.
function(orvane_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC orvane_options ${ARG_LIBS})
endfunction()

# orvane_test(NAME SOURCES... LIBS ...) declares one test program run headless by ctest.
function(orvane_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE orvane_testsupport ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0"
    TIMEOUT 900)
endfunction()
