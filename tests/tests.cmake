# Native tests: the program's rules that depend only on their inputs.
find_package(GTest REQUIRED)
include(GoogleTest)
add_executable(quellar_tests tests/RulesTest.cpp)
target_link_libraries(quellar_tests PRIVATE quellar_core GTest::gtest_main)
gtest_discover_tests(quellar_tests DISCOVERY_MODE PRE_TEST)
include(${CMAKE_CURRENT_LIST_DIR}/icons.cmake)
