# Native tests: the behaviour against the simulated Windows.
find_package(GTest REQUIRED)
include(GoogleTest)

add_library(quellar_sim STATIC platform/sim/SimPlatform.cpp)
target_link_libraries(quellar_sim PUBLIC quellar_core)

add_executable(quellar_tests
  tests/LayoutTest.cpp
  tests/SetAdvancedTest.cpp
  tests/TrayRecordTest.cpp
  tests/StartupTest.cpp
  tests/VersionTest.cpp
  tests/PrivilegeTest.cpp
  tests/SettingsTest.cpp
  tests/ActionsTest.cpp
  tests/SecondsTest.cpp
  tests/TickScheduleTest.cpp
  tests/CountdownTest.cpp
  tests/TrayTest.cpp
  tests/ClosingTest.cpp
)
target_link_libraries(quellar_tests PRIVATE quellar_sim GTest::gtest_main)
gtest_discover_tests(quellar_tests DISCOVERY_MODE PRE_TEST)
