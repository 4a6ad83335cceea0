# The countdown's timing tool for bench/countdown.sh (Windows builds only):
# runs a countdown in Quellar.exe and notes when each second shows.
add_executable(countdown_timing bench/countdown_timing.cpp e2e/Driver.cpp e2e/Relay.cpp)
target_include_directories(countdown_timing PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(countdown_timing PRIVATE quellar_core user32 gdi32 advapi32 comctl32 shell32)
target_compile_definitions(countdown_timing PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # Runs under Wine without MinGW's DLLs next to it.
  target_link_options(countdown_timing PRIVATE -static)
endif()
