# The end-to-end driver quellar_e2e.exe (Windows builds only): GoogleTest
# tests that start Quellar.exe and use it from outside, as a user would.

set(QUELLAR_GTEST_DIR /usr/src/googletest/googletest CACHE PATH "GoogleTest sources (the googletest folder)")
set(QUELLAR_E2E_DIR ${CMAKE_CURRENT_LIST_DIR})

# GoogleTest from source; the hook header in gtest-win32/ stands in for the
# thread primitives that MinGW's win32 thread model lacks.
add_library(quellar_gtest STATIC ${QUELLAR_GTEST_DIR}/src/gtest-all.cc)
target_include_directories(quellar_gtest SYSTEM BEFORE PUBLIC ${QUELLAR_E2E_DIR}/gtest-win32 ${QUELLAR_GTEST_DIR}/include)
target_include_directories(quellar_gtest PRIVATE ${QUELLAR_GTEST_DIR})
target_compile_options(quellar_gtest PRIVATE -w)

add_library(quellar_driver STATIC
  ${QUELLAR_E2E_DIR}/CommonControls.cpp
  ${QUELLAR_E2E_DIR}/Controls.cpp
  ${QUELLAR_E2E_DIR}/ExpectedLayout.cpp
  ${QUELLAR_E2E_DIR}/Input.cpp
  ${QUELLAR_E2E_DIR}/MessageBoxes.cpp
  ${QUELLAR_E2E_DIR}/Options.cpp
  ${QUELLAR_E2E_DIR}/Program.cpp
  ${QUELLAR_E2E_DIR}/Registry.cpp
  ${QUELLAR_E2E_DIR}/RemoteBuffer.cpp
  ${QUELLAR_E2E_DIR}/Screenshot.cpp
  ${QUELLAR_E2E_DIR}/Session.cpp
  ${QUELLAR_E2E_DIR}/StartState.cpp
)
target_include_directories(quellar_driver PUBLIC ${QUELLAR_E2E_DIR}/..)
target_compile_definitions(quellar_driver PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(quellar_driver PUBLIC quellar_core user32 gdi32 advapi32 comctl32 shell32)

# Every *Test.cpp here is a group of tests; e2e.cmake says how each group runs.
file(GLOB QUELLAR_E2E_TESTS CONFIGURE_DEPENDS ${QUELLAR_E2E_DIR}/*Test.cpp)
add_executable(quellar_e2e ${QUELLAR_E2E_DIR}/main.cpp ${QUELLAR_E2E_TESTS})
target_link_libraries(quellar_e2e PRIVATE quellar_driver quellar_gtest)
# Runs under Wine without MinGW's DLLs next to it.
target_link_options(quellar_e2e PRIVATE -static)
