# Benchmark programs: the bare window in both builds, for its size, and the
# start-up timer, which times the x86_64 ones.
add_executable(bare_window WIN32 bench/bare.cpp)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(bare_window PRIVATE -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables
    -ffunction-sections -fdata-sections)
  target_link_options(bare_window PRIVATE -static -s -Wl,--gc-sections)
endif()
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  add_executable(starttime bench/starttime.cpp)
  target_link_libraries(starttime PRIVATE psapi)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_link_options(starttime PRIVATE -static)
  endif()
endif()
