# Native tests: the program's rules that depend only on their inputs, and the
# form's answers to Windows through a stand-in for it.
find_package(GTest REQUIRED)
include(GoogleTest)
# The reader of Wine's relay trace, which the end-to-end checks use, is
# portable and tested here too, with lines of both widths.
# The relay reader, compiled once for the tests and the tools that read traces.
add_library(relay_reader OBJECT e2e/Relay.cpp)
target_include_directories(relay_reader PUBLIC ${CMAKE_SOURCE_DIR})
set(quellar_test_sources tests/RulesTest.cpp tests/FormTest.cpp tests/RelayTest.cpp)
set(quellar_test_exes QUELLAR_I686_EXE="$<$<BOOL:${QUELLAR_WIN32_BUILD_DIR}>:${QUELLAR_WIN32_BUILD_DIR}/Quellar.exe>"
  QUELLAR_X86_64_EXE="$<$<BOOL:${QUELLAR_WIN64_BUILD_DIR}>:${QUELLAR_WIN64_BUILD_DIR}/Quellar.exe>")
add_executable(quellar_tests ${quellar_test_sources})
target_compile_definitions(quellar_tests PRIVATE ${quellar_test_exes})
target_link_libraries(quellar_tests PRIVATE quellar_core relay_reader GTest::gtest_main)
gtest_discover_tests(quellar_tests DISCOVERY_MODE PRE_TEST)

# The same again with the arithmetic of the i686 release, the x87 unit and its
# 80-bit intermediates, for hosts that cannot run that release: its tray once
# lost its clicks at some resolutions this way.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64")
  get_target_property(quellar_core_sources quellar_core SOURCES)
  add_library(quellar_core_x87 STATIC ${quellar_core_sources})
  target_include_directories(quellar_core_x87 PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
  target_compile_options(quellar_core_x87 PUBLIC -mfpmath=387)
  add_executable(quellar_tests_x87 ${quellar_test_sources})
  target_compile_definitions(quellar_tests_x87 PRIVATE ${quellar_test_exes})
  target_link_libraries(quellar_tests_x87 PRIVATE quellar_core_x87 relay_reader GTest::gtest_main)
  gtest_discover_tests(quellar_tests_x87 TEST_PREFIX x87. DISCOVERY_MODE PRE_TEST)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/icons.cmake)
# No two folders include each other.
add_test(NAME include_directions COMMAND ${CMAKE_CURRENT_LIST_DIR}/include-test.sh)
