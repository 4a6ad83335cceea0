# The countdown's timing tool for bench/countdown.sh (Windows builds only):
# runs a countdown in Quellar.exe and notes when each second shows.
add_executable(countdown_timing bench/countdown_timing.cpp)
target_link_libraries(countdown_timing PRIVATE e2e_driver)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # Runs under Wine without MinGW's DLLs next to it.
  target_link_options(countdown_timing PRIVATE -static)
endif()
