# The test driver quellar_e2e.exe (64-bit Windows build only): it runs the
# scenarios against Quellar.exe under Wine.
add_executable(quellar_e2e e2e/Scenarios.cpp e2e/Steps.cpp e2e/Acts.cpp e2e/Looks.cpp e2e/Trace.cpp e2e/Rules.cpp
  e2e/Walk.cpp e2e/Phrases.cpp e2e/Driver.cpp e2e/Relay.cpp)
target_include_directories(quellar_e2e PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_definitions(quellar_e2e PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(quellar_e2e PRIVATE quellar_core user32 gdi32 advapi32 comctl32 shell32)
# Runs under Wine without MinGW's DLLs beside it.
target_link_options(quellar_e2e PRIVATE -static)
