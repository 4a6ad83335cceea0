# The test driver quellar_e2e.exe (64-bit Windows build only): it runs the
# scenarios against Quellar.exe under Wine.
# The driver's hold on the program, compiled once for it and the countdown's timing.
add_library(e2e_driver OBJECT e2e/Driver.cpp e2e/Relay.cpp)
target_include_directories(e2e_driver PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_definitions(e2e_driver PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(e2e_driver PUBLIC quellar_core user32 gdi32 advapi32 comctl32 shell32)
add_executable(quellar_e2e e2e/Scenarios.cpp e2e/Steps.cpp e2e/Acts.cpp e2e/Looks.cpp e2e/Trace.cpp e2e/Rules.cpp
  e2e/Walk.cpp)
target_link_libraries(quellar_e2e PRIVATE e2e_driver)
# Runs under Wine without MinGW's DLLs beside it.
target_link_options(quellar_e2e PRIVATE -static)
